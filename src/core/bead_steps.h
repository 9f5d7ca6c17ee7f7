#pragma once

#include <QString>

#include "core/bead_formulas.h"
#include "core/box_text.h"

namespace orvane {

// The boxes of the Bead Calculator page: the strand calculator above, the
// stone area calculator below.
struct BeadBoxes {
  BoxText beadMmBox;
  BoxText beadInchBox;
  BoxText beadCountBox;
  BoxText beadsPerInchBox;
  BoxText strandInchBox;
  BoxText strandLengthBox;
  BoxText beadsNeededBox;
  BoxText areaLengthBox;
  BoxText areaWidthBox;
  BoxText areaBox;
  BoxText hexStonesBox;
  BoxText spacingBox;
};

// What the page remembers between steps.
struct BeadState {
  BeadSizeMarker marker = BeadSizeMarker::None;  // the size box entered last
  long double rate = 0;                          // beads per inch; 0 means not calculated
};

// A step that needs the rate before there is one answers with a notice for
// the user instead.
enum class BeadNotice { None, BeadsPerInchNotCalculated, StoneAreaNotCalculated };
QString beadNoticeText(BeadNotice notice);

// Every step below writes into `boxes` as it goes and throws the program's
// errors; what it wrote before a failure stays written.

// The bead calculation (onCalculate): rate, strand length, beads for the
// desired length and the stone counts, from the size box the marker names.
// Rewriting the count is a change of beadCountBox and recalculates once more.
void beadCalculation(BeadBoxes& boxes, BeadState& state);

// beadCountBox changed: a positive whole count recalculates, anything else only
// empties the length.
void beadCountChanged(BeadBoxes& boxes, BeadState& state);

// A size box (beadMmBox for Mm, beadInchBox for Inch) was left. Returns true when it
// held a size and the calculation ran: the caret then belongs in beadCountBox.
bool sizeBoxLeft(BeadSizeMarker box, BeadBoxes& boxes, BeadState& state);

// strandInchBox (or the square count box) was left.
BeadNotice desiredLengthLeft(BeadBoxes& boxes, const BeadState& state);

// areaLengthBox was left, or areaWidthBox or spacingBox (both judged on areaWidthBox).
enum class AreaSide { Length, Width };
BeadNotice areaBoxLeft(AreaSide side, BeadBoxes& boxes, BeadState& state);

// Enter in spacingBox: recomputes in place.
BeadNotice spacingEntered(BeadBoxes& boxes, BeadState& state);

// Clear: every box emptied, nothing calculated, no size box named.
void clearBeadPage(BeadBoxes& boxes, BeadState& state);

}  // namespace orvane
