#include "core/bead_formulas.h"

#include <cmath>

#include "core/text_rules.h"

namespace orvane {

namespace {

// Rounds an extended result to its stored float; an extended overflow to
// infinity must not slip through as an "infinite" float.
float Store(long double value) { return StoreSingle(CheckedResult(value)); }

long double UnitsPerInch(BeadSizeMarker marker) { return marker == BeadSizeMarker::Mm ? kMmPerInch : 1.0L; }

}  // namespace

bool HoldsValue(const QString& trimmedText) { return !trimmedText.isEmpty() && trimmedText != u"."; }

float ReadBeadSize(const QString& boxText, BeadSizeMarker marker) {
  if (marker == BeadSizeMarker::Inch)
    return Store(NotNegative(InchTextToNumber(TrimBlanks(boxText)), boxText));
  return Store(NotNegative(TextToNumber(boxText), boxText));
}

float BeadsPerInch(float size, BeadSizeMarker marker) {
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

float StrandLength(qint32 count, float size, BeadSizeMarker marker) {
  return Store(static_cast<long double>(count) * size / UnitsPerInch(marker));
}

float BeadsForLength(long double lengthInches, float rate) { return Store(lengthInches * rate); }

StoneCounts PackedStoneCounts(long double lengthInches, long double widthInches, float rate) {
  const float along = Store(lengthInches * rate);
  const float across = Store(widthInches * rate);
  const float square = Store(static_cast<long double>(along) * across);
  const float hexagonal = Store(square * kHexagonalDensity / kSquareDensity);
  return {RoundStoneCount(square), RoundStoneCount(hexagonal)};
}

float SpacedRate(float size, long double spacingInches, BeadSizeMarker marker) {
  // Half the spacing on each stone, in the unit of the size.
  const float half = Store(spacingInches * UnitsPerInch(marker) / 2.0L);
  return Store(CheckedDivide(UnitsPerInch(marker), static_cast<long double>(size) + half));
}

qint64 SpacedSquareCount(long double lengthInches, long double widthInches, float spacedRate) {
  const float along = Store(lengthInches * spacedRate);
  const float across = Store(widthInches * spacedRate);
  return RoundStoneCount(Store(static_cast<long double>(along) * across));
}

qint64 RoundStoneCount(float count) {
  const long double rounded = std::nearbyint(static_cast<long double>(count));  // ties to even
  // 2^63 is the first value outside qint64; floats above it are not whole counts we can show.
  constexpr long double kLimit = 9223372036854775808.0L;
  if (!(rounded > -kLimit && rounded < kLimit)) throw MathError(kStoneCountTooLarge);
  return static_cast<qint64>(rounded);
}

QString FormatBeadResult(float value) { return FormatFixed(value, 6, 2); }

}  // namespace orvane
