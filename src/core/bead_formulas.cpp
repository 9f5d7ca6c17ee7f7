#include "core/bead_formulas.h"

#include <cmath>

#include "core/text_rules.h"

namespace orvane {

namespace {

// Every figure is worked in extended precision and rounded once, when it is
// shown; an overflow to infinity must not slip through as an "infinite" size.
long double store(long double value) { return checkedResult(value); }

long double unitsPerInch(BeadSizeMarker marker) { return marker == BeadSizeMarker::Mm ? kMmPerInch : 1.0L; }

}  // namespace

bool holdsValue(const QString& trimmedText) { return !trimmedText.isEmpty() && trimmedText != u"."; }

long double readBeadSize(const QString& boxText, BeadSizeMarker marker) {
  if (marker == BeadSizeMarker::Inch)
    return store(notNegative(inchTextToNumber(trimBlanks(boxText)), boxText));
  return store(notNegative(textToNumber(boxText), boxText));
}

long double beadsPerInch(long double size, BeadSizeMarker marker) {
  return store(checkedDivide(unitsPerInch(marker), size));
}

qint32 beadCountOrOne(const QString& boxText) {
  try {
    return textToInteger(boxText);
  } catch (const ConversionError&) {
    return 1;
  }
}

bool isPositiveWholeNumber(const QString& text) {
  try {
    return textToInteger(text) > 0;
  } catch (const ConversionError&) {
    return false;
  }
}

long double strandLength(qint32 count, long double size, BeadSizeMarker marker) {
  return store(static_cast<long double>(count) * size / unitsPerInch(marker));
}

long double beadsForLength(long double lengthInches, long double rate) { return store(lengthInches * rate); }

StoneCounts packedStoneCounts(long double lengthInches, long double widthInches, long double rate) {
  const long double along = store(lengthInches * rate);
  const long double across = store(widthInches * rate);
  const long double square = store(along * across);
  const long double hexagonal = store(square * kHexagonalDensity / kSquareDensity);
  return {roundStoneCount(square), roundStoneCount(hexagonal)};
}

long double spacedRateFor(long double size, long double spacingInches, BeadSizeMarker marker) {
  // Half the spacing on each stone, in the unit of the size.
  const long double half = store(spacingInches * unitsPerInch(marker) / 2.0L);
  return store(checkedDivide(unitsPerInch(marker), size + half));
}

qint64 spacedSquareCount(long double lengthInches, long double widthInches, long double spacedRate) {
  const long double along = store(lengthInches * spacedRate);
  const long double across = store(widthInches * spacedRate);
  return roundStoneCount(store(along * across));
}

qint64 roundStoneCount(long double count) {
  const long double rounded = std::nearbyint(count);  // ties to even
  // 2^63 is the first value outside qint64; counts above it are not whole counts we can show.
  constexpr long double kLimit = 9223372036854775808.0L;
  if (!(rounded > -kLimit && rounded < kLimit)) throw MathError(kStoneCountTooLarge);
  return static_cast<qint64>(rounded);
}

QString formatBeadResult(long double value) { return formatFixed(value, 6, 2); }

}  // namespace orvane
