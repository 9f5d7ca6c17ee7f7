#include "core/worksheet_rows.h"

#include <cmath>

#include "core/text_rules.h"

namespace orvane {

bool IsNoSize(const QString& trimmed) { return trimmed.isEmpty() || trimmed == QLatin1String("."); }

qint32 LenientBeadCount(const QString& text) { return ReadInteger(text).value_or(0); }

long double BeadsPerInchFromMm(long double mmValue) { return CheckedDivide(kMmPerInch, mmValue); }

long double MmFromInch(long double inchValue) { return CheckedResult(kMmPerInch * inchValue); }

long double BeadsPerInchFromInch(long double inchValue) { return CheckedDivide(1.0L, inchValue); }

long double RowLength(qint32 beadCount, long double mmValue) {
  return CheckedResult(static_cast<long double>(beadCount) * mmValue / kMmPerInch);
}

long double SumLengths(const std::array<WorksheetRowValues, kWorksheetRows>& rows) {
  long double total = 0;
  for (const auto& row : rows) total = CheckedResult(total + row.LengthValue);
  return total;
}

double storeRowValue(long double value) {
  CheckedResult(value);
  const double stored = static_cast<double>(value);
  if (std::isinf(stored)) throw MathError(kOverflow);
  return stored;
}

QString WorksheetNumberText(long double value) { return FormatFixed(value, 6, 2); }

}  // namespace orvane
