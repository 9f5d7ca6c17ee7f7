#pragma once

#include <QString>
#include <array>

#include "core/worksheet_rows.h"

namespace orvane {

// The boxes of one worksheet row that its computations read and write.
struct WorksheetRowBoxes {
  QString Mm, Inch, BeadCount, BeadsPerInch, Length;
};

// What the user sees of a row changes in steps, and a step that fails part way
// (ConversionError, MathError, FractionError) leaves what it had already
// changed: so each of these updates the row's values and box texts in place,
// in the order the user sees them, rather than returning them all at the end.
// A size or count text is read as its saved field will be read (asStored), so
// that the window and the file agree on what a pasted TAB means.

// Leaving the millimetre box. A size there gives the beads per inch, empties
// the inch box and, with a count, the length. An empty box (or a lone ".")
// keeps the size the inch box holds; only when both are empty has the row no
// size, beads per inch or length. Returns true when the caret is to go on to
// the row's bead count box: after a size, whatever box the user went to.
bool worksheetSizeFromMm(WorksheetRowValues& row, WorksheetRowBoxes& boxes);

// Leaving the inch box: the same, from an inch size (a fraction such as 1 1/2,
// or a decimal); the millimetre box is emptied.
bool worksheetSizeFromInch(WorksheetRowValues& row, WorksheetRowBoxes& boxes);

// A loaded row: worked out from the millimetre box when it holds a size, so a
// row stored with both sizes keeps the millimetre one, else from the inch box.
void worksheetLoadedSize(WorksheetRowValues& row, WorksheetRowBoxes& boxes);

// Any change of the bead count box: the count as the box reads it leniently,
// and the length, shown as 0.00 for a row with a count and no size; no count
// (0 or less) empties the length box.
void worksheetLengthFromCount(WorksheetRowValues& row, WorksheetRowBoxes& boxes);

// The total of the ten lengths and the text of its box: 0.00, not an empty
// box, when no row has a length. `totalValue` is 0 until the sum is known, so
// an overflow leaves it 0.
QString worksheetTotal(const std::array<WorksheetRowValues, kWorksheetRows>& rows, double& totalValue);

}  // namespace orvane
