#pragma once

#include <QString>
#include <array>

#include "core/text_rules.h"  // trimBlanks

namespace orvane {

inline constexpr int kWorksheetRows = 10;

// What a worksheet row keeps besides the texts of its boxes. Sizes and lengths
// are kept as doubles; the figures shown from them are worked in extended
// precision and rounded once, as they are shown.
struct WorksheetRowValues {
  double MmValue = 0;
  double InchValue = 0;
  qint32 BeadCount = 0;
  double LengthValue = 0;
};

// A trimmed size text that stands for no size at all.
bool isNoSize(const QString& trimmed);

// The bead count box read leniently: anything that is not a plain whole number
// (a trailing blank included) or does not fit 32 bits is no count, 0.
qint32 lenientBeadCount(const QString& text);

long double beadsPerInchFromMm(long double mmValue);           // 25.4 / mm
long double mmFromInch(long double inchValue);                 // 25.4 * inch
long double beadsPerInchFromInch(long double inchValue);       // 1 / inch
long double rowLength(qint32 beadCount, long double mmValue);  // count * mm / 25.4

// Sum of the row lengths in row order.
long double sumLengths(const std::array<WorksheetRowValues, kWorksheetRows>& rows);

// A size or length as a row keeps it; one beyond a double is an overflow.
double storeRowValue(long double value);

// The text of a beads-per-inch, length or total box.
QString worksheetNumberText(long double value);

}  // namespace orvane
