#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "core/bench_size_input.h"

namespace orvane {

// A seed bead size as its maker states it: the width across the hole, the
// length along it, and the count in a gram.
struct SeedBeadSize {
  const char* name;  // English; marked for translation in the "SeedBeads" context
  long double acrossMm;
  long double alongMm;
  int perGram;
};
extern const std::array<SeedBeadSize, 5> SeedBeadTable;
// The sizes' names as shown, in the user's language and the table's order.
QStringList seedBeadNames();

// Seed beads are sold in tubes of this many grams.
inline constexpr int kGramsPerTube = 10;

// Strung hole to hole, a bead takes its length along the hole.
long double beadsPerInch(const SeedBeadSize& bead);

// The stitches a flat piece is worked in. Loom (and square stitch): beads
// lie side by side with their holes across the piece. Peyote: the same,
// each row offset half a bead, so two rows take one bead's width. Brick:
// holes along the piece, rows of one bead fewer between full rows.
enum class BeadStitch { Loom, Peyote, Brick };
// The stitches as shown, in the user's language and BeadStitch's order.
QStringList beadStitchNames();

struct StitchCount {
  long long columns = 0;  // beads across the width
  long long rows = 0;
  long long beads = 0;
};
StitchCount stitchCount(BeadStitch stitch, const SeedBeadSize& bead, long double widthMm,
                        long double lengthMm);

// Grams that hold `beads`, up to the next tenth of a gram.
long double gramsToBuy(long long beads, const SeedBeadSize& bead);

struct SeedBeadInputs {
  int size = -1;  // entry of SeedBeadTable
  BeadStitch stitch = BeadStitch::Loom;
  BenchSize width;
  BenchSize length;
};

enum class SeedBeadField { None, Width, Length };

struct SeedBeadResult {
  BenchSize width, length;            // both pairs as they are to be shown
  QString perGram, perTube, perInch;  // shown once a size is picked
  QString columns, rows, beads, grams, tubes;
  SeedBeadField missing = SeedBeadField::None;
};

// Reads both sizes and fails on the first bad one (or on a piece too small
// for one bead of the size) before returning anything.
SeedBeadResult seedBeadEnter(const SeedBeadInputs& in, SeedBeadField entered = SeedBeadField::None);

}  // namespace orvane
