#pragma once

#include <QString>

#include "core/bead_formulas.h"
#include "core/box_text.h"

namespace orvane {

// The boxes of the Bead Calculator page: the strand calculator above, the
// stone area calculator below.
struct BeadBoxes {
  BoxText BsMm;
  BoxText BsInch;
  BoxText NoBeads;
  BoxText BeadsIn;
  BoxText Totalin;
  BoxText LenInch;
  BoxText TotalBeads;
  BoxText AreaL;
  BoxText AreaW;
  BoxText AreaRect;
  BoxText AreaHex;
  BoxText AreaSp;
};

// What the page remembers between steps.
struct BeadState {
  BeadSizeMarker marker = BeadSizeMarker::None;  // the size box entered last
  float rate = 0;                                // beads per inch; 0 means not calculated
};

// A step that needs the rate before there is one answers with a notice for
// the user instead.
enum class BeadNotice { None, BeadsPerInchNotCalculated, StoneAreaNotCalculated };
QString BeadNoticeText(BeadNotice notice);

// Every step below writes into `boxes` as it goes and throws the program's
// errors; what it wrote before a failure stays written.

// The bead calculation (BcalcBtnClick): rate, strand length, beads for the
// desired length and the stone counts, from the size box the marker names.
// Rewriting the count is a change of NoBeads and recalculates once more.
void BeadCalculation(BeadBoxes& boxes, BeadState& state);

// NoBeads changed: a positive whole count recalculates, anything else only
// empties the length.
void BeadCountChanged(BeadBoxes& boxes, BeadState& state);

// A size box (BsMm for Mm, BsInch for Inch) was left. Returns true when it
// held a size and the calculation ran: the caret then belongs in NoBeads.
bool SizeBoxLeft(BeadSizeMarker box, BeadBoxes& boxes, BeadState& state);

// Totalin (or the square count box) was left.
BeadNotice DesiredLengthLeft(BeadBoxes& boxes, const BeadState& state);

// AreaL was left, or AreaW or AreaSp (both judged on AreaW).
enum class AreaSide { Length, Width };
BeadNotice AreaBoxLeft(AreaSide side, BeadBoxes& boxes, BeadState& state);

// Enter in AreaSp: recomputes in place.
BeadNotice SpacingEntered(BeadBoxes& boxes, BeadState& state);

// Clear: every box emptied, nothing calculated, no size box named.
void ClearBeadPage(BeadBoxes& boxes, BeadState& state);

}  // namespace orvane
