#pragma once

#include <QString>

#include "core/box_text.h"

namespace orvane {

// The four boxes of the size converter.
struct ConverterBoxes {
  BoxText pearlBox;
  BoxText stoneBox;
  BoxText mmBox;
  BoxText inchBox;
};

// The ranges a pick last wrote into mmBox and inchBox ("1.20 - 1.30"): shown
// for reading, they are no size to convert.
struct PickedRanges {
  QString mm;
  QString inch;
};

// The converter's box the user is in: its Enter or pick is the one that
// converts.
enum class ConverterBox { None, Pearl, Stone, Mm, Inch };

enum class SizeEntry {
  Converted,  // done, or nothing to convert
  Refused,    // the size box holds a picked range: the caller beeps
};

// Enter in mmBox or inchBox: the box the user is in is
// converted into the other size box, and the designations follow the
// millimetre text as it then stands. Throws the program's errors for a text
// that is no size; the other size box is already emptied then.
SizeEntry convertSize(ConverterBox active, const PickedRanges& ranges, ConverterBoxes& boxes);

// A user's pick of item `index` in pearlBox or stoneBox (item 0 is the blank
// one, -1 no item): the other three boxes show its equivalents. Only a pick
// made while the list is the active box converts.
void pearlPlatePicked(ConverterBox active, int index, ConverterBoxes& boxes, PickedRanges& ranges);
void stoneSizePicked(ConverterBox active, int index, ConverterBoxes& boxes, PickedRanges& ranges);

}  // namespace orvane
