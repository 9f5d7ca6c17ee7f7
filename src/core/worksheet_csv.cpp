#include "core/worksheet_csv.h"

#include <QStringList>
#include <cmath>

#include "core/text_rules.h"
#include "core/worksheet_rows.h"

namespace orvane {

namespace {

void AppendLine(QString& out, const QStringList& fields) {
  QStringList quoted;
  quoted.reserve(fields.size());
  for (const QString& field : fields) quoted << CsvField(field);
  out += quoted.join(u',');
  out += QStringLiteral("\r\n");
}

// Digits with at most one point among or around them, nothing else.
bool IsPlainDecimal(const QString& text) {
  bool point = false, digit = false;
  for (QChar c : text) {
    if (c == u'.' && !point)
      point = true;
    else if (c >= u'0' && c <= u'9')
      digit = true;
    else
      return false;
  }
  return digit;
}

QString AsText(const QString& text) { return text.isEmpty() ? text : u'\'' + text; }

}  // namespace

QString CsvField(const QString& text) {
  const bool needsQuotes =
      text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
  if (!needsQuotes) return text;
  QString doubled = text;
  doubled.replace(u'"', QStringLiteral("\"\""));
  return u'"' + doubled + u'"';
}

QString CsvTextCell(const QString& text) {
  if (text.isEmpty()) return text;
  const QChar first = text[0];
  const bool formulaLike =
      first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == u'\t' || first == u'\r';
  return formulaLike ? AsText(text) : text;
}

QString CsvNumberCell(const QString& text) {
  if (!IsPlainDecimal(text)) return AsText(text);
  // "4." and ".5" as every spreadsheet reads them.
  QString number = text;
  if (number.endsWith(u'.')) number.chop(1);
  if (number.startsWith(u'.')) number.prepend(u'0');
  return number;
}

namespace {

// A size as the window reads it, written as a plain number; what the window
// takes for no size, or cannot read, stays text.
template <typename Read>
QString SizeCell(const QString& text, Read read) {
  if (text.isEmpty() || IsPlainDecimal(text)) return CsvNumberCell(text);
  if (!IsNoSize(text)) {
    try {
      const long double size = read(text);
      if (size >= 0 && std::isfinite(static_cast<double>(size))) return FormatGeneral(size);
    } catch (const std::exception&) {
      // No size: kept as the text it is.
    }
  }
  return AsText(text);
}

}  // namespace

QString CsvMmCell(const QString& text) { return SizeCell(text, TextToNumber); }

QString CsvInchCell(const QString& text) { return SizeCell(text, InchTextToNumber); }

QByteArray WorksheetCsvBytes(const WorksheetCsv& sheet) {
  const QString project = CsvTextCell(TrimBlanks(sheet.Project));
  QString out;
  AppendLine(out, {QStringLiteral("Project"), QStringLiteral("Row"), QStringLiteral("Description"),
                   QStringLiteral("Size MM"), QStringLiteral("Size Inch"),
                   QStringLiteral("Size Inch as Typed"), QStringLiteral("Number of Beads"),
                   QStringLiteral("Beads per Inch"), QStringLiteral("Length Inches")});
  for (int k = 1; k <= kWorksheetRows; ++k) {
    const WorksheetCsvRow& row = sheet.Rows[k - 1];
    const QString inch = TrimBlanks(row.Inch);
    const QStringList cells{CsvTextCell(TrimBlanks(row.Desc)),
                            CsvMmCell(TrimBlanks(row.Mm)),
                            CsvInchCell(inch),
                            AsText(inch),
                            CsvNumberCell(TrimBlanks(row.Nob)),
                            CsvNumberCell(TrimBlanks(row.Bpi)),
                            CsvNumberCell(TrimBlanks(row.Length))};
    // An unused row is no line of the sheet: it would only be summed as zero.
    bool used = false;
    for (const QString& cell : cells) used = used || !cell.isEmpty();
    if (!used) continue;
    AppendLine(out, QStringList{project, QString::number(k)} + cells);
  }
  AppendLine(
      out,
      {project, QStringLiteral("Total"), {}, {}, {}, {}, {}, {}, CsvNumberCell(TrimBlanks(sheet.Total))});
  return out.toUtf8();
}

}  // namespace orvane
