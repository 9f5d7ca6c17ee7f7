#include "core/worksheet_rows.h"

#include <cmath>

#include "core/text_rules.h"

namespace orvane {

bool isNoSize(const QString& trimmed) { return trimmed.isEmpty() || trimmed == QLatin1String("."); }

qint32 lenientBeadCount(const QString& text) { return readInteger(text).value_or(0); }

long double beadsPerInchFromMm(long double mmValue) { return checkedDivide(kMmPerInch, mmValue); }

long double mmFromInch(long double inchValue) { return checkedResult(kMmPerInch * inchValue); }

long double beadsPerInchFromInch(long double inchValue) { return checkedDivide(1.0L, inchValue); }

long double rowLength(qint32 beadCount, long double mmValue) {
  return checkedResult(static_cast<long double>(beadCount) * mmValue / kMmPerInch);
}

long double sumLengths(const std::array<WorksheetRowValues, kWorksheetRows>& rows) {
  long double total = 0;
  for (const auto& row : rows) total = checkedResult(total + row.LengthValue);
  return total;
}

double storeRowValue(long double value) {
  checkedResult(value);
  const double stored = static_cast<double>(value);
  if (std::isinf(stored)) throw MathError(kOverflow);
  return stored;
}

QString worksheetNumberText(long double value) { return formatFixed(value, 6, 2); }

}  // namespace orvane
