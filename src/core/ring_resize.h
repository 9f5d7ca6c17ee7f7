#pragma once

#include <QString>
#include <QStringList>

#include "core/bench_size_input.h"

namespace orvane {

// The scales of the Ring Size chart. A size on a scale other than North
// America's takes the inner diameter of the chart row it stands on.
enum class RingScale { NorthAmerica, Britain, France, Germany, Japan, Switzerland };
// The scales' names as shown, in the user's language and RingScale's order.
QStringList ringScaleNames();

// The sizes a scale has, in the chart's order (smallest first), as plain text
// ("6 1/2", "M"); `entry` below is an index into this list.
QStringList ringSizesOn(RingScale scale);
long double ringSizeInnerMm(RingScale scale, int entry);

// The length of stock that bends into a ring: the circle through the middle
// of the stock.
long double ringBlankMm(long double innerMm, long double thicknessMm);

// The Ring Resizing page's boxes and lists. A metal picked from the list has
// already filled the density box.
struct RingResizeInputs {
  RingScale scale = RingScale::NorthAmerica;
  int from = -1;  // entries of ringSizesOn(scale); -1 none picked
  int to = -1;
  BenchSize thickness;
  BenchSize width;
  QString density;  // g/cm3
};

enum class RingResizeField { None, From, To, Thickness, Width, Density };
enum class RingChange { None, Add, Remove, Same };

struct RingResizeResult {
  BenchSize thickness, width;      // both pairs as they are to be shown
  QString fromInnerMm, toInnerMm;  // as the chart gives them, shown once picked
  QString fromBlankMm, toBlankMm;  // two decimals, once the thickness is there
  RingChange change = RingChange::None;
  QString changeMm, changeInch;  // the length to add or remove, without a sign
  QString grams;                 // the metal in that length, four decimals
  RingResizeField missing = RingResizeField::None;
};

// Reads the boxes in page order and fails on the first bad one before
// returning anything; Enter in an empty box the results need fails too.
RingResizeResult ringResizeEnter(const RingResizeInputs& in, RingResizeField entered = RingResizeField::None);

}  // namespace orvane
