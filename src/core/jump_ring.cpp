#include "core/jump_ring.h"

#include <QCoreApplication>
#include <optional>

#include "core/text_rules.h"
#include "core/wire_gauges.h"

namespace orvane {

const std::array<ChainWeave, 6> ChainWeaveTable = {{
    {QT_TRANSLATE_NOOP("JumpRing", "European 4-in-1"), 3.3L, 5.0L},
    {QT_TRANSLATE_NOOP("JumpRing", "Byzantine"), 3.2L, 3.6L},
    {QT_TRANSLATE_NOOP("JumpRing", "Half Persian 3-in-1"), 3.5L, 4.2L},
    {QT_TRANSLATE_NOOP("JumpRing", "Full Persian"), 4.8L, 5.4L},
    {QT_TRANSLATE_NOOP("JumpRing", "Box"), 3.8L, 4.4L},
    {QT_TRANSLATE_NOOP("JumpRing", "Spiral 4-in-1"), 4.0L, 5.5L},
}};

QStringList chainWeaveNames() {
  QStringList names;
  for (const ChainWeave& w : ChainWeaveTable) names << QCoreApplication::translate("JumpRing", w.name);
  return names;
}

long double jumpRingAspectRatio(long double innerMm, long double wireMm) { return innerMm / wireMm; }

namespace {

// Ten inches across is a bangle, not a jump ring; an inch of wire is a rod.
constexpr long double kLargestRingMm = 254;
constexpr long double kLargestWireMm = 25.4L;
// No mandrel is thinner than a tenth of a millimetre.
constexpr long double kSmallestRingMm = 0.1L;

QString ratioText(long double ratio) { return benchFixed(ratio, 1); }

QString rangeText(const QString& least, const QString& greatest) {
  //: A range of figures, "3.2 to 3.6"
  return QCoreApplication::translate("JumpRing", "%1 to %2").arg(least, greatest);
}

void showWeave(const ChainWeave& weave, long double wire, std::optional<long double> ratio,
               JumpRingResult& result) {
  result.weaveRatios = rangeText(ratioText(weave.leastRatio), ratioText(weave.greatestRatio));
  result.weaveInnerMm = rangeText(benchFixed(checkedResult(weave.leastRatio * wire), 2),
                                  benchFixed(checkedResult(weave.greatestRatio * wire), 2));
  if (!ratio) return;
  // As shown: a ring of 3.20 is within a range from 3.2.
  const long double shown = textToNumber(benchFixed(*ratio, 2));
  if (shown < weave.leastRatio)
    //: A jump ring for a chainmaille weave: its aspect ratio is below the weave's range
    result.weaveFit = QCoreApplication::translate("JumpRing", "Too tight");
  else if (shown > weave.greatestRatio)
    //: A jump ring for a chainmaille weave: its aspect ratio is above the weave's range
    result.weaveFit = QCoreApplication::translate("JumpRing", "Too loose");
  else
    //: A jump ring for a chainmaille weave: its aspect ratio is within the weave's range
    result.weaveFit = QCoreApplication::translate("JumpRing", "Within the range");
}

}  // namespace

JumpRingResult jumpRingEnter(const JumpRingInputs& in, JumpRingField entered) {
  JumpRingResult result;
  const BenchRange diameterRange{in.measured == RingDiameter::Inner
                                     ? QCoreApplication::translate("JumpRing", "the inner diameter")
                                     : QCoreApplication::translate("JumpRing", "the outer diameter"),
                                 kLargestRingMm, false, kSmallestRingMm};
  const BenchRange wireRange{QCoreApplication::translate("JumpRing", "the wire diameter"), kLargestWireMm,
                             false, kFinestWireMm};
  const std::optional<long double> diameter = readBenchSize(in.diameter, result.diameter, diameterRange);
  const std::optional<long double> wire = readBenchSize(in.wire, result.wire, wireRange);

  if (!diameter) {
    if (entered == JumpRingField::Diameter) throwEmptyBenchBox(diameterRange.what);
    result.missing = JumpRingField::Diameter;
  }
  if (!wire) {
    if (entered == JumpRingField::Wire) throwEmptyBenchBox(wireRange.what);
    if (result.missing == JumpRingField::None) result.missing = JumpRingField::Wire;
  }
  const ChainWeave* weave =
      in.weave >= 0 && in.weave < int(ChainWeaveTable.size()) ? &ChainWeaveTable[size_t(in.weave)] : nullptr;
  if (result.missing != JumpRingField::None) {
    // The wire alone tells the rings a weave needs.
    if (weave && wire) showWeave(*weave, *wire, std::nullopt, result);
    return result;
  }

  long double inner = *diameter;
  if (in.measured == RingDiameter::Outer) {
    inner = *diameter - 2 * *wire;
    if (inner <= 0)
      throw ConversionError(
          QCoreApplication::translate("JumpRing",
                                      "An outer diameter of %1 mm leaves no hole with %2 mm wire: it must be "
                                      "more than twice the wire")
              .arg(benchMmText(*diameter), benchMmText(*wire))
              .toStdString());
    if (inner < kSmallestRingMm)
      throw ConversionError(QCoreApplication::translate(
                                "JumpRing",
                                "An outer diameter of %1 mm leaves a hole of %2 mm with %3 mm wire: the "
                                "inner diameter must be at least %4 mm")
                                .arg(benchMmText(*diameter), benchMmText(inner), benchMmText(*wire),
                                     benchMmText(kSmallestRingMm))
                                .toStdString());
  }
  result.innerMm = benchMmText(inner);
  const long double ratio = jumpRingAspectRatio(inner, *wire);
  result.aspectRatio = benchFixed(ratio, 2);
  if (weave) showWeave(*weave, *wire, ratio, result);
  return result;
}

}  // namespace orvane
