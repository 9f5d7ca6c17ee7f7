#pragma once

#include <QString>
#include <array>

#include "core/text_rules.h"  // TrimBlanks

namespace orvane {

inline constexpr int kWorksheetRows = 10;

// What a worksheet row keeps besides the texts of its boxes. Sizes and lengths
// are stored as 32-bit floats, like every stored result of the program.
struct WorksheetRowValues {
  float MmValue = 0;
  float InchValue = 0;
  qint32 BeadCount = 0;
  float LengthValue = 0;
};

// A trimmed size text that stands for no size at all.
bool IsNoSize(const QString& trimmed);

// The bead count box read leniently: anything that is not a plain whole number
// (a trailing blank included) or does not fit 32 bits is no count, 0.
qint32 LenientBeadCount(const QString& text);

float BeadsPerInchFromMm(float mmValue);           // 25.4 / mm, stored
float MmFromInch(float inchValue);                 // 25.4 * inch, stored
float BeadsPerInchFromInch(float inchValue);       // 1 / inch, stored
float RowLength(qint32 beadCount, float mmValue);  // count * mm / 25.4, stored

// Sum of the row lengths in row order, stored after each addition.
float SumLengths(const std::array<WorksheetRowValues, kWorksheetRows>& rows);

// The text of a beads-per-inch, length or total box.
QString WorksheetNumberText(float value);

}  // namespace orvane
