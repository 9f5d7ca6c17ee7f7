#pragma once

#include <array>

#include "core/weight.h"
#include "widgets/color_tab_widget.h"

class QKeySequence;
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

  // The box the user entered last names the source unit; empty until then.
  QString activeBox;

  void onConvert();
  void onClearClicked();
  void onMetalClicked();
  // The key that opens the Bench window from anywhere, named in the Metal
  // button's hint and description.
  void setBenchShortcut(const QKeySequence& key);

 Q_SIGNALS:
  // The Metal Calculator is asked for; whoever owns the windows shows it.
  void metalWanted();

 private:
  EntryBox* makeWeightBox(WeightUnit unit, const QString& caption, int top);
  EntryBox* boxOf(WeightUnit unit) const;

  DesktopServices& services_;
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
  std::array<EntryBox*, kWeightBoxCount> boxes_{};
};

}  // namespace orvane
