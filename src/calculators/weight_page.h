#pragma once

#include <array>

#include "core/weight.h"
#include "widgets/ext_page_control.h"

class QLabel;
class QPushButton;

namespace orvane {

class DesktopServices;
class TEdit;

// The "Weight" page: a weight in any of eight units converted into the other
// seven.
class TWeightPage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TWeightPage(DesktopServices& services, QWidget* parent = nullptr);

  QLabel* TitleLabel;
  QLabel* HintLabel;
  TEdit* CaratBox;
  TEdit* GramBox;
  TEdit* KGramBox;
  TEdit* OunceBox;
  TEdit* PoundBox;
  TEdit* TroyOunceBox;
  TEdit* PennyweightBox;
  TEdit* GrainBox;
  QPushButton* wClearBtn;
  QPushButton* MetalBtn;

  // The box the user entered last names the source unit; empty until then.
  QString ActiveBox;

  void ConvertBtnClick();
  void wClearBtnClick();
  void MetalBtnClick();

 Q_SIGNALS:
  // The Metal Calculator is asked for; whoever owns the windows shows it.
  void metalWanted();

 private:
  TEdit* MakeWeightBox(WeightUnit unit, const QString& caption, int top);
  TEdit* BoxOf(WeightUnit unit) const;

  DesktopServices& services_;
  std::array<TEdit*, kWeightBoxCount> boxes_{};
};

}  // namespace orvane
