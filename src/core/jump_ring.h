#pragma once

#include <QString>

#include "core/bench_size_input.h"

namespace orvane {

// A jump ring's aspect ratio: its inner diameter over its wire diameter, the
// figure chain patterns are written in.
long double jumpRingAspectRatio(long double innerMm, long double wireMm);

// Which diameter of the ring was measured.
enum class RingDiameter { Inner, Outer };

// The Jump Ring page's boxes. A gauge picked from a list has already filled
// the wire boxes with its diameter.
struct JumpRingInputs {
  RingDiameter measured = RingDiameter::Inner;
  BenchSize diameter;
  BenchSize wire;
};

enum class JumpRingField { None, Diameter, Wire };

struct JumpRingResult {
  BenchSize diameter, wire;  // both pairs as they are to be shown
  QString innerMm;           // the inner diameter the ratio is taken from
  QString aspectRatio;       // two decimals; empty while a size is missing
  JumpRingField missing = JumpRingField::None;
};

// Reads both sizes and fails on the first bad one (letters, zero or below,
// beyond the largest, an outer diameter no more than twice the wire) before
// returning anything. Enter pressed in an empty needed box fails too.
JumpRingResult jumpRingEnter(const JumpRingInputs& in, JumpRingField entered = JumpRingField::None);

}  // namespace orvane
