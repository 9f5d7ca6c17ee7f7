#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "core/bench_size_input.h"

namespace orvane {

// A jump ring's aspect ratio: its inner diameter over its wire diameter, the
// figure chain patterns are written in.
long double jumpRingAspectRatio(long double innerMm, long double wireMm);

// A chainmaille weave and the aspect ratios it can be woven in: below the
// least the rings will not close round each other, above the greatest the
// weave hangs loose and loses its shape.
struct ChainWeave {
  const char* name;  // English; marked for translation in the "JumpRing" context
  long double leastRatio;
  long double greatestRatio;
};
extern const std::array<ChainWeave, 6> ChainWeaveTable;
// The weaves' names as shown, in the user's language and the table's order.
QStringList chainWeaveNames();

// Which diameter of the ring was measured.
enum class RingDiameter { Inner, Outer };

// The Jump Ring page's boxes. A gauge picked from a list has already filled
// the wire boxes with its diameter.
struct JumpRingInputs {
  RingDiameter measured = RingDiameter::Inner;
  BenchSize diameter;
  BenchSize wire;
  int weave = -1;  // entry of the weave list; none picked
};

enum class JumpRingField { None, Diameter, Wire };

struct JumpRingResult {
  BenchSize diameter, wire;  // both pairs as they are to be shown
  QString innerMm;           // the inner diameter the ratio is taken from
  QString aspectRatio;       // two decimals; empty while a size is missing
  // The picked weave: its ratios ("3.2 to 3.6"), the inner diameters in mm
  // they take with this wire, and whether the ring is within them.
  QString weaveRatios;
  QString weaveInnerMm;
  QString weaveFit;  // "Within the range", "Too tight", "Too loose"
  JumpRingField missing = JumpRingField::None;
};

// Reads both sizes and fails on the first bad one (letters, beyond the least
// or the largest, an outer diameter that leaves less than the least hole)
// before returning anything. Enter pressed in an empty needed box fails too.
JumpRingResult jumpRingEnter(const JumpRingInputs& in, JumpRingField entered = JumpRingField::None);

}  // namespace orvane
