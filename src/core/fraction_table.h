#pragma once

#include <QStringList>
#include <array>
#include <span>

namespace orvane {

// One sixty-fourth of an inch and its equivalents, as shown: the value texts
// carry their own leading blanks so the numbers line up in a proportional
// font. An empty text is a fraction with no equivalent in that column.
struct FractionRow {
  const char* Quarters;
  const char* Eighths;
  const char* Sixteenths;
  const char* ThirtySeconds;
  const char* SixtyFourths;
  const char* Inch;
  const char* MM;
  const char* SS;  // "~" marks an approximate stone size or pearl plate
  const char* PP;
};

// Row n - 1 is n/64 inch.
extern const std::array<FractionRow, 64> FractionTable;

// Column widths, header texts and the blanks put before every cell of the
// nine columns of the fractions grid.
std::span<const int> fractionColumnWidths();
QStringList fractionHeadings();
std::span<const int> fractionPrefixes();

// The nine value texts of table row `entry` (0-based), without the prefixes.
QStringList fractionValues(int entry);

}  // namespace orvane
