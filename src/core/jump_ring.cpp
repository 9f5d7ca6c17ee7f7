#include "core/jump_ring.h"

#include <optional>

#include "core/text_rules.h"

namespace orvane {

long double jumpRingAspectRatio(long double innerMm, long double wireMm) { return innerMm / wireMm; }

namespace {

// Ten inches across is a bangle, not a jump ring; an inch of wire is a rod.
constexpr long double kLargestRingMm = 254;
constexpr long double kLargestWireMm = 25.4L;

}  // namespace

JumpRingResult jumpRingEnter(const JumpRingInputs& in, JumpRingField entered) {
  JumpRingResult result;
  const BenchRange diameterRange{in.measured == RingDiameter::Inner ? QStringLiteral("the inner diameter")
                                                                    : QStringLiteral("the outer diameter"),
                                 kLargestRingMm};
  const BenchRange wireRange{QStringLiteral("the wire diameter"), kLargestWireMm};
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
  if (result.missing != JumpRingField::None) return result;

  long double inner = *diameter;
  if (in.measured == RingDiameter::Outer) {
    inner = *diameter - 2 * *wire;
    if (inner <= 0)
      throw ConversionError(
          QStringLiteral("An outer diameter of %1 mm leaves no hole with %2 mm wire: it must be "
                         "more than twice the wire")
              .arg(benchMmText(*diameter), benchMmText(*wire))
              .toStdString());
  }
  result.innerMm = benchMmText(inner);
  result.aspectRatio = benchFixed(jumpRingAspectRatio(inner, *wire), 2);
  return result;
}

}  // namespace orvane
