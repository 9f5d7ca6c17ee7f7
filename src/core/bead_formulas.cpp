#include "core/bead_formulas.h"

#include <cmath>

#include "core/text_rules.h"

namespace orvane {

namespace {

// Every figure is worked in extended precision and rounded once, when it is
// shown; an overflow to infinity must not slip through as an "infinite" size.
long double Store(long double value) { return CheckedResult(value); }

long double UnitsPerInch(BeadSizeMarker marker) { return marker == BeadSizeMarker::Mm ? kMmPerInch : 1.0L; }

}  // namespace

bool HoldsValue(const QString& trimmedText) { return !trimmedText.isEmpty() && trimmedText != u"."; }

long double ReadBeadSize(const QString& boxText, BeadSizeMarker marker) {
  if (marker == BeadSizeMarker::Inch)
    return Store(NotNegative(InchTextToNumber(TrimBlanks(boxText)), boxText));
  return Store(NotNegative(TextToNumber(boxText), boxText));
}

long double BeadsPerInch(long double size, BeadSizeMarker marker) {
  return Store(CheckedDivide(UnitsPerInch(marker), size));
}

qint32 BeadCountOrOne(const QString& boxText) {
  try {
    return TextToInteger(boxText);
  } catch (const ConversionError&) {
    return 1;
  }
}

bool IsPositiveWholeNumber(const QString& text) {
  try {
    return TextToInteger(text) > 0;
  } catch (const ConversionError&) {
    return false;
  }
}

long double StrandLength(qint32 count, long double size, BeadSizeMarker marker) {
  return Store(static_cast<long double>(count) * size / UnitsPerInch(marker));
}

long double BeadsForLength(long double lengthInches, long double rate) { return Store(lengthInches * rate); }

StoneCounts PackedStoneCounts(long double lengthInches, long double widthInches, long double rate) {
  const long double along = Store(lengthInches * rate);
  const long double across = Store(widthInches * rate);
  const long double square = Store(along * across);
  const long double hexagonal = Store(square * kHexagonalDensity / kSquareDensity);
  return {RoundStoneCount(square), RoundStoneCount(hexagonal)};
}

long double SpacedRate(long double size, long double spacingInches, BeadSizeMarker marker) {
  // Half the spacing on each stone, in the unit of the size.
  const long double half = Store(spacingInches * UnitsPerInch(marker) / 2.0L);
  return Store(CheckedDivide(UnitsPerInch(marker), size + half));
}

qint64 SpacedSquareCount(long double lengthInches, long double widthInches, long double spacedRate) {
  const long double along = Store(lengthInches * spacedRate);
  const long double across = Store(widthInches * spacedRate);
  return RoundStoneCount(Store(along * across));
}

qint64 RoundStoneCount(long double count) {
  const long double rounded = std::nearbyint(count);  // ties to even
  // 2^63 is the first value outside qint64; counts above it are not whole counts we can show.
  constexpr long double kLimit = 9223372036854775808.0L;
  if (!(rounded > -kLimit && rounded < kLimit)) throw MathError(kStoneCountTooLarge);
  return static_cast<qint64>(rounded);
}

QString FormatBeadResult(long double value) { return FormatFixed(value, 6, 2); }

}  // namespace orvane
