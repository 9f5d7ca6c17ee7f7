#pragma once

#include <utility>

#include "core/bead_steps.h"
#include "core/key_filter.h"
#include "widgets/color_tab_widget.h"

class QPushButton;

namespace orvane {

class DesktopServices;
class EntryBox;

// The "Bead Calculator" page: strand calculator above, stone area calculator
// below. One calculation fills both halves; it runs when a box is left or the
// number of beads changes.
class BeadPage : public TabPage {
  Q_OBJECT
 public:
  explicit BeadPage(DesktopServices& services, QWidget* parent = nullptr);

  void onTabShown() override { onPageShown(); }
  void onPageShown();

  void onBeadMmEntered();
  void onBeadInchEntered();
  void onBeadMmLeft();
  void onBeadInchLeft();
  void onBeadCountChanged();
  void onStrandLengthLeft();
  void onAreaLengthLeft();
  void onAreaWidthLeft();
  void onCalculate();
  void onClearClicked();

  BeadSizeMarker marker() const { return state_.marker; }
  double rate() const { return static_cast<double>(state_.rate); }

 private:
  void createControls();
  void bindHandlers();
  void leaveSizeBox(BeadSizeMarker box);
  void focusNoBeadsInstead();
  void onSpacingEnter();
  void showBeadNotice(BeadNotice notice);
  BeadBoxes readBoxes() const;
  void writeBoxes(const BeadBoxes& boxes);
  template <typename Step>
  void runStep(Step&& step);

  DesktopServices& services_;
  // Strand calculator, in tab order.
  EntryBox* beadMmBox;
  EntryBox* beadInchBox;
  EntryBox* beadCountBox;
  EntryBox* beadsPerInchBox;  // read-only
  EntryBox* strandInchBox;
  QPushButton* calculateButton;  // never visible: the program clicks it
  EntryBox* strandLengthBox;     // read-only
  EntryBox* beadsNeededBox;      // read-only
  // Stone area calculator.
  EntryBox* areaLengthBox;
  EntryBox* areaWidthBox;
  EntryBox* areaBox;       // read-only
  EntryBox* hexStonesBox;  // read-only
  EntryBox* spacingBox;
  QPushButton* clearButton;

  // Each box of the page and its text as the steps see it.
  static const std::pair<EntryBox * BeadPage::*, BoxText BeadBoxes::*> kBoxes[12];

  BeadState state_;
  bool writingBoxes_ = false;
  bool showingPage_ = false;
};

}  // namespace orvane
