#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "core/bench_size_input.h"

namespace orvane {

// The usual finished lengths of a necklace, bracelet or anklet, in inches.
struct StandardStrand {
  const char* Name;
  int Inches;
};
extern const std::array<StandardStrand, 7> StandardStrandTable;
// "Princess (18")" and so on, in the table's order.
QStringList strandLengthNames();

// Beads of one size with a knot after each, between the two halves of a
// clasp: how many fit, and what is left over in mm.
struct StrandCount {
  long long beads = 0;
  long double leftOverMm = 0;
};
StrandCount knottedStrandCount(long double lengthMm, long double beadMm, long double knotMm,
                               long double claspMm);

// The Knotted Strand page's boxes.
struct KnottedStrandInputs {
  BenchSize length;  // finished length
  QString bead;      // mm
  QString knot;      // mm
  QString clasp;     // mm
};

enum class StrandField { None, Length, Bead, Knot, Clasp };

struct KnottedStrandResult {
  BenchSize length;  // both boxes as they are to be shown
  QString beads;     // empty while a needed box is empty
  QString leftOver;  // mm, one decimal
  StrandField missing = StrandField::None;
};

// Reads the boxes in page order and fails on the first bad one (letters, a
// length, bead or clasp beyond its largest, a bead of no size, a clasp as
// long as the strand) before returning anything. Enter pressed in an empty
// box the count needs fails too.
KnottedStrandResult knottedStrandEnter(const KnottedStrandInputs& in,
                                       StrandField entered = StrandField::None);

}  // namespace orvane
