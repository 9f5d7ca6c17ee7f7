#include "core/worksheet_rows.h"

#include <limits>

#include "core/text_rules.h"

namespace orvane {

bool IsNoSize(const QString& trimmed) { return trimmed.isEmpty() || trimmed == QLatin1String("."); }

qint32 LenientBeadCount(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  if (i >= text.size()) return 0;
  qint64 value = 0;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c < u'0' || c > u'9') return 0;
    value = value * 10 + (c.unicode() - u'0');
    if (value > qint64(std::numeric_limits<qint32>::max()) + 1) return 0;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min()) return 0;
  return static_cast<qint32>(value);
}

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
