#pragma once

#include "core/bead_steps.h"
#include "core/key_filter.h"
#include "widgets/ext_page_control.h"

class QPushButton;

namespace orvane {

class DesktopServices;
class TEdit;

// The "Bead Calculator" page: strand calculator above, stone area calculator
// below. One calculation fills both halves; it runs when a box is left or the
// number of beads changes.
class TBeadCalcPage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TBeadCalcPage(DesktopServices& services, QWidget* parent = nullptr);

  // Strand calculator, in tab order.
  TEdit* BsMm;
  TEdit* BsInch;
  TEdit* NoBeads;
  TEdit* BeadsIn;  // read-only
  TEdit* Totalin;
  QPushButton* BcalcBtn;  // never visible: the program clicks it
  TEdit* LenInch;         // read-only
  TEdit* TotalBeads;      // read-only
  // Stone area calculator.
  TEdit* AreaL;
  TEdit* AreaW;
  TEdit* AreaRect;  // read-only
  TEdit* AreaHex;   // read-only
  TEdit* AreaSp;
  QPushButton* bClearBtn;

  void Shown() override { TabSheet8Show(); }
  void TabSheet8Show();

  void BsMmEnter();
  void BsInchEnter();
  void BsMmExit();
  void BsInchExit();
  void NoBeadsChange();
  void TotalinExit();
  void AreaLExit();
  void AreaWExit();
  void BcalcBtnClick();
  void bClearBtnClick();

  BeadSizeMarker Marker() const { return state_.marker; }
  float Rate() const { return state_.rate; }

 private:
  void CreateControls();
  void BindHandlers();
  void LeaveSizeBox(BeadSizeMarker box);
  void FocusNoBeadsInstead();
  void AreaSpEnter();
  void Show(BeadNotice notice);
  BeadBoxes ReadBoxes() const;
  void WriteBoxes(const BeadBoxes& boxes);
  template <typename Step>
  void RunStep(Step&& step);

  DesktopServices& services_;
  BeadState state_;
  bool writingBoxes_ = false;
  bool showingPage_ = false;
};

}  // namespace orvane
