#include "core/knotted_strand.h"

#include <QCoreApplication>
#include <cmath>
#include <optional>

#include "core/text_rules.h"

namespace orvane {

const std::array<StandardStrand, 7> StandardStrandTable = {{
    {QT_TRANSLATE_NOOP("KnottedStrand", "Choker"), 16},
    {QT_TRANSLATE_NOOP("KnottedStrand", "Princess"), 18},
    {QT_TRANSLATE_NOOP("KnottedStrand", "Matinee"), 22},
    {QT_TRANSLATE_NOOP("KnottedStrand", "Opera"), 30},
    {QT_TRANSLATE_NOOP("KnottedStrand", "Rope"), 36},
    {QT_TRANSLATE_NOOP("KnottedStrand", "Bracelet"), 7},
    {QT_TRANSLATE_NOOP("KnottedStrand", "Anklet"), 10},
}};

QStringList strandLengthNames() {
  QStringList names;
  for (const StandardStrand& s : StandardStrandTable)
    names << QStringLiteral("%1 (%2\")")
                 .arg(QCoreApplication::translate("KnottedStrand", s.Name))
                 .arg(s.Inches);
  return names;
}

StrandCount knottedStrandCount(long double lengthMm, long double beadMm, long double knotMm,
                               long double claspMm) {
  const long double strung = lengthMm - claspMm;
  const long double pitch = beadMm + knotMm;
  // Lengths in mm from inches are not exact in binary: a strand that holds a
  // whole number of beads must not come out one short by a rounding error.
  constexpr long double kSlack = 1e-9L;
  StrandCount count;
  count.beads = static_cast<long long>(std::floor(strung / pitch + kSlack));
  count.leftOverMm = strung - static_cast<long double>(count.beads) * pitch;
  if (count.leftOverMm < kSlack * pitch) count.leftOverMm = 0;
  return count;
}

namespace {

// Ten metres of strand is far beyond any necklace; a bead or clasp of 10 cm
// is a pendant, not a bead.
constexpr long double kLongestStrandMm = 254 * 40;  // 400 inches
constexpr long double kLargestBeadMm = 100;
// Without a least bead, 1e-400 mm beads and no knot would fit 1E402 to a strand.
constexpr long double kSmallestBeadMm = 0.1L;
constexpr long double kShortestStrandMm = 1;
// No knot (0), or one of a thread at least; no clasp, or one that can be held.
constexpr long double kSmallestKnotMm = 0.01L;
constexpr long double kSmallestClaspMm = 0.1L;
constexpr long double kLargestKnotMm = 20;
constexpr long double kLongestClaspMm = 100;

}  // namespace

KnottedStrandResult knottedStrandEnter(const KnottedStrandInputs& in, StrandField entered) {
  KnottedStrandResult result;
  // The boxes as messages name them ("'0' is zero: the bead size in mm must be more than 0").
  auto named = [](const char* what) { return QCoreApplication::translate("KnottedStrand", what); };
  //: Names a box in a message: "'0' is zero: %1 must be more than 0" (German: nominative, with article)
  const char* const lengthName = QT_TRANSLATE_NOOP("KnottedStrand", "the finished length");
  //: Names a box in a message: "'0' is zero: %1 must be more than 0" (German: nominative, with article)
  const char* const beadName = QT_TRANSLATE_NOOP("KnottedStrand", "the bead size in mm");
  //: Names a box in a message: "'0' is zero: %1 must be more than 0" (German: nominative, with article)
  const char* const knotName = QT_TRANSLATE_NOOP("KnottedStrand", "the knot size in mm");
  //: Names a box in a message: "'0' is zero: %1 must be more than 0" (German: nominative, with article)
  const char* const claspName = QT_TRANSLATE_NOOP("KnottedStrand", "the clasp length in mm");
  const BenchRange lengthRange{named(lengthName), kLongestStrandMm, false, kShortestStrandMm};
  const BenchRange beadRange{named(beadName), kLargestBeadMm, false, kSmallestBeadMm};
  const BenchRange knotRange{named(knotName), kLargestKnotMm, true, kSmallestKnotMm};
  const BenchRange claspRange{named(claspName), kLongestClaspMm, true, kSmallestClaspMm};

  const std::optional<long double> length = readBenchSize(in.length, result.length, lengthRange);
  const std::optional<long double> bead = readBenchNumber(in.bead, beadRange);
  const std::optional<long double> knot = readBenchNumber(in.knot, knotRange);
  const std::optional<long double> clasp = readBenchNumber(in.clasp, claspRange);

  const std::pair<StrandField, const BenchRange*> fields[] = {
      {StrandField::Length, &lengthRange},
      {StrandField::Bead, &beadRange},
      {StrandField::Knot, &knotRange},
      {StrandField::Clasp, &claspRange},
  };
  const bool given[] = {bool(length), bool(bead), bool(knot), bool(clasp)};
  for (size_t i = 0; i < std::size(fields); ++i) {
    if (given[i]) continue;
    if (fields[i].first == entered) throwEmptyBenchBox(fields[i].second->what);
    if (result.missing == StrandField::None) result.missing = fields[i].first;
  }
  if (result.missing != StrandField::None) return result;

  if (*clasp >= *length)
    throw ConversionError(
        QCoreApplication::translate("KnottedStrand",
                                    "The clasp (%1 mm) takes up the whole length (%2 mm): nothing is left "
                                    "for beads")
            .arg(benchMmText(*clasp), benchMmText(*length))
            .toStdString());
  const StrandCount count = knottedStrandCount(*length, *bead, *knot, *clasp);
  result.beads = QString::number(count.beads);
  result.leftOver = benchFixed(count.leftOverMm, 1);
  return result;
}

}  // namespace orvane
