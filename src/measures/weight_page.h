#pragma once

#include <array>

#include "core/weight.h"
#include "widgets/color_tab_widget.h"

class QLabel;
class QPushButton;

namespace orvane {

class DesktopServices;
class EntryBox;

// The "Weight" page: a weight in any of eight units converted into the other
// seven.
class WeightPage : public TabPage {
  Q_OBJECT
 public:
  explicit WeightPage(DesktopServices& services, QWidget* parent = nullptr);

  QLabel* titleLabel;
  QLabel* hintLabel;
  EntryBox* caratBox;
  EntryBox* gramBox;
  EntryBox* kilogramBox;
  EntryBox* ounceBox;
  EntryBox* poundBox;
  EntryBox* troyOunceBox;
  EntryBox* pennyweightBox;
  EntryBox* grainBox;
  QPushButton* clearButton;
  QPushButton* metalButton;

  // The box the user entered last names the source unit; empty until then.
  QString activeBox;

  void onConvert();
  void onClearClicked();
  void onMetalClicked();

 Q_SIGNALS:
  // The Metal Calculator is asked for; whoever owns the windows shows it.
  void metalWanted();

 private:
  EntryBox* MakeWeightBox(WeightUnit unit, const QString& caption, int top);
  EntryBox* BoxOf(WeightUnit unit) const;

  DesktopServices& services_;
  std::array<EntryBox*, kWeightBoxCount> boxes_{};
};

}  // namespace orvane
