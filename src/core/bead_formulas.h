#pragma once

#include <QString>
#include <QtGlobal>

namespace orvane {

// Which size box the bead calculation reads: the one the user entered last.
enum class BeadSizeMarker { None, Mm, Inch };

// A box "holds a value" unless it is empty or a lone point once trimmed; a lone
// point would otherwise read as zero.
bool holdsValue(const QString& trimmedText);

// The bead size as read: millimetres for Mm, inches for inchSize (fractions
// allowed in inches).
long double readBeadSize(const QString& boxText, BeadSizeMarker marker);

// Beads per inch for a bead of the given size; a zero size is a division by
// zero, not an endless strand.
long double beadsPerInch(long double size, BeadSizeMarker marker);

// The number of beads in the box, or 1 when the box holds no whole number that
// fits a 32-bit integer.
qint32 beadCountOrOne(const QString& boxText);

// True when the text is a whole number greater than zero.
bool isPositiveWholeNumber(const QString& text);

// Length in inches of a strand of `count` beads.
long double strandLength(qint32 count, long double size, BeadSizeMarker marker);

// Beads needed for a strand of `lengthInches` at `rate` beads per inch.
long double beadsForLength(long double lengthInches, long double rate);

// Stones covering a rectangle, side by side in rows (square pattern) and
// nested rows (hexagonal pattern).
struct StoneCounts {
  qint64 square = 0;
  qint64 hexagonal = 0;
};
StoneCounts packedStoneCounts(long double lengthInches, long double widthInches, long double rate);

// Stones per inch when each stone takes its size plus half the spacing.
long double spacedRateFor(long double size, long double spacingInches, BeadSizeMarker marker);

// Square-pattern count with spaced stones.
qint64 spacedSquareCount(long double lengthInches, long double widthInches, long double spacedRate);

// A count rounded to the nearest whole number, ties to the even one.
// A count too large for a whole number is an error, never a wrapped value.
qint64 roundStoneCount(long double count);

// Strand results are shown with two decimals, rounded once from the
// extended value.
QString formatBeadResult(long double value);

inline constexpr long double kHexagonalDensity = 90.69L;
inline constexpr long double kSquareDensity = 78.54L;
inline constexpr char kStoneCountTooLarge[] =
    QT_TRANSLATE_NOOP("TextRules", "Too many stones to count for this area");

}  // namespace orvane
