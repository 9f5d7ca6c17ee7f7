#include "core/worksheet_rows.h"

#include "core/text_rules.h"

namespace orvane {

bool IsNoSize(const QString& trimmed) { return trimmed.isEmpty() || trimmed == QLatin1String("."); }

qint32 LenientBeadCount(const QString& text) { return ReadInteger(text).value_or(0); }

float BeadsPerInchFromMm(float mmValue) { return StoreSingle(CheckedDivide(kMmPerInch, mmValue)); }

float MmFromInch(float inchValue) { return StoreSingle(CheckedResult(kMmPerInch * inchValue)); }

float BeadsPerInchFromInch(float inchValue) { return StoreSingle(CheckedDivide(1.0L, inchValue)); }

float RowLength(qint32 beadCount, float mmValue) {
  return StoreSingle(CheckedResult(static_cast<long double>(beadCount) * mmValue / kMmPerInch));
}

float SumLengths(const std::array<WorksheetRowValues, kWorksheetRows>& rows) {
  float total = 0;
  for (const auto& row : rows)
    total = StoreSingle(CheckedResult(static_cast<long double>(total) + row.LengthValue));
  return total;
}

QString WorksheetNumberText(float value) { return FormatFixed(value, 6, 2); }

}  // namespace orvane
