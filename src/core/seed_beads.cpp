#include "core/seed_beads.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <optional>

#include "core/text_rules.h"

namespace orvane {

// Round rocailles and the cylinder bead as the maker with the widest range
// of Japanese seed beads (Miyuki) states them; the other maker's (Toho)
// differ by a few percent (see the help).
const std::array<SeedBeadSize, 5> SeedBeadTable = {{
    {QT_TRANSLATE_NOOP("SeedBeads", "15/0 round"), 1.5L, 1.0L, 250},
    {QT_TRANSLATE_NOOP("SeedBeads", "11/0 round"), 2.0L, 1.4L, 110},
    {QT_TRANSLATE_NOOP("SeedBeads", "8/0 round"), 3.0L, 2.2L, 36},
    {QT_TRANSLATE_NOOP("SeedBeads", "6/0 round"), 4.0L, 2.9L, 13},
    {QT_TRANSLATE_NOOP("SeedBeads", "11/0 cylinder"), 1.6L, 1.3L, 200},
}};

QStringList seedBeadNames() {
  QStringList names;
  for (const SeedBeadSize& b : SeedBeadTable) names << QCoreApplication::translate("SeedBeads", b.name);
  return names;
}

long double beadsPerInch(const SeedBeadSize& bead) { return kMmPerInch / bead.alongMm; }

QStringList beadStitchNames() {
  return {QCoreApplication::translate("SeedBeads", "Loom or square stitch"),
          QCoreApplication::translate("SeedBeads", "Peyote"),
          QCoreApplication::translate("SeedBeads", "Brick stitch")};
}

namespace {

// A piece takes whole beads: the nearest count, and at least one.
long long wholeBeads(long double span, long double pitch) {
  return std::max(1LL, static_cast<long long>(std::llround(span / pitch)));
}

}  // namespace

StitchCount stitchCount(BeadStitch stitch, const SeedBeadSize& bead, long double widthMm,
                        long double lengthMm) {
  StitchCount c;
  switch (stitch) {
    case BeadStitch::Loom:
      c.columns = wholeBeads(widthMm, bead.alongMm);
      c.rows = wholeBeads(lengthMm, bead.acrossMm);
      c.beads = c.columns * c.rows;
      break;
    case BeadStitch::Peyote:
      c.columns = wholeBeads(widthMm, bead.alongMm);
      c.rows = wholeBeads(lengthMm, bead.acrossMm / 2);
      // Each row holds every other column; an odd count rounds up.
      c.beads = (c.columns * c.rows + 1) / 2;
      break;
    case BeadStitch::Brick:
      c.columns = wholeBeads(widthMm, bead.acrossMm);
      c.rows = wholeBeads(lengthMm, bead.alongMm);
      // Straight edges: every second row one bead short.
      c.beads = c.columns * c.rows - (c.columns > 1 ? c.rows / 2 : 0);
      break;
  }
  return c;
}

long double gramsToBuy(long long beads, const SeedBeadSize& bead) {
  // The tenths counted in whole numbers, so that 1.1 g is not 1.2 g.
  const long long tenths = (beads * 10 + bead.perGram - 1) / bead.perGram;
  return static_cast<long double>(tenths) / 10;
}

namespace {
// Two metres by two metres is beyond any beaded piece.
constexpr long double kLargestPieceMm = 2000;
}  // namespace

SeedBeadResult seedBeadEnter(const SeedBeadInputs& in, SeedBeadField entered) {
  SeedBeadResult result;
  //: Of the beaded piece, as a message names it
  const BenchRange widthRange{QCoreApplication::translate("SeedBeads", "the width"), kLargestPieceMm};
  //: Of the beaded piece, as a message names it
  const BenchRange lengthRange{QCoreApplication::translate("SeedBeads", "the length"), kLargestPieceMm};
  const std::optional<long double> width = readBenchSize(in.width, result.width, widthRange);
  const std::optional<long double> length = readBenchSize(in.length, result.length, lengthRange);
  if (entered == SeedBeadField::Width && !width) throwEmptyBenchBox(widthRange.what);
  if (entered == SeedBeadField::Length && !length) throwEmptyBenchBox(lengthRange.what);
  if (!width)
    result.missing = SeedBeadField::Width;
  else if (!length)
    result.missing = SeedBeadField::Length;

  if (in.size < 0 || in.size >= int(SeedBeadTable.size())) return result;
  const SeedBeadSize& bead = SeedBeadTable[size_t(in.size)];
  result.perGram = QString::number(bead.perGram);
  result.perTube = QString::number(bead.perGram * kGramsPerTube);
  result.perInch = benchFixed(beadsPerInch(bead), 1);
  if (!width || !length) return result;

  const StitchCount count = stitchCount(in.stitch, bead, *width, *length);
  const long double grams = gramsToBuy(count.beads, bead);
  result.columns = QString::number(count.columns);
  result.rows = QString::number(count.rows);
  result.beads = QString::number(count.beads);
  result.grams = benchFixed(grams, 1);
  const long long tenths = std::llround(grams * 10);
  result.tubes = QString::number((tenths + kGramsPerTube * 10 - 1) / (kGramsPerTube * 10));
  return result;
}

}  // namespace orvane
