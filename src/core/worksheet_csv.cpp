#include "core/worksheet_csv.h"

#include <QStringList>
#include <cmath>

#include "core/text_rules.h"
#include "core/worksheet_rows.h"

namespace orvane {

namespace {

void appendLine(QString& out, const QStringList& fields) {
  QStringList quoted;
  quoted.reserve(fields.size());
  for (const QString& field : fields) quoted << csvField(field);
  out += quoted.join(u',');
  out += QStringLiteral("\r\n");
}

// Digits with at most one point among or around them, nothing else.
bool isPlainDecimal(const QString& text) {
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

QString asText(const QString& text) { return text.isEmpty() ? text : u'\'' + text; }

}  // namespace

QString csvField(const QString& text) {
  const bool needsQuotes =
      text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
  if (!needsQuotes) return text;
  QString doubled = text;
  doubled.replace(u'"', QStringLiteral("\"\""));
  return u'"' + doubled + u'"';
}

QString csvTextCell(const QString& text) {
  if (text.isEmpty()) return text;
  const QChar first = text[0];
  const bool formulaLike =
      first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == u'\t' || first == u'\r';
  return formulaLike ? asText(text) : text;
}

QString csvNumberCell(const QString& text) {
  if (!isPlainDecimal(text)) return asText(text);
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
QString sizeCell(const QString& text, Read read) {
  if (text.isEmpty() || isPlainDecimal(text)) return csvNumberCell(text);
  if (!isNoSize(text)) {
    try {
      const long double size = read(text);
      if (size >= 0 && std::isfinite(static_cast<double>(size))) return formatGeneral(size);
    } catch (const std::exception&) {
      // No size: kept as the text it is.
    }
  }
  return asText(text);
}

}  // namespace

QString csvMmCell(const QString& text) { return sizeCell(text, textToNumber); }

QString csvInchCell(const QString& text) { return sizeCell(text, inchTextToNumber); }

QByteArray worksheetCsvBytes(const WorksheetCsv& sheet) {
  const QString project = csvTextCell(trimBlanks(sheet.Project));
  QString out;
  appendLine(out, {QStringLiteral("Project"), QStringLiteral("Row"), QStringLiteral("Description"),
                   QStringLiteral("Size MM"), QStringLiteral("Size Inch"),
                   QStringLiteral("Size Inch as Typed"), QStringLiteral("Number of Beads"),
                   QStringLiteral("Beads per Inch"), QStringLiteral("Length Inches")});
  for (int k = 1; k <= kWorksheetRows; ++k) {
    const WorksheetCsvRow& row = sheet.Rows[k - 1];
    const QString inch = trimBlanks(row.Inch);
    const QStringList cells{csvTextCell(trimBlanks(row.Desc)),
                            csvMmCell(trimBlanks(row.Mm)),
                            csvInchCell(inch),
                            asText(inch),
                            csvNumberCell(trimBlanks(row.BeadCount)),
                            csvNumberCell(trimBlanks(row.BeadsPerInch)),
                            csvNumberCell(trimBlanks(row.Length))};
    // An unused row is no line of the sheet: it would only be summed as zero.
    bool used = false;
    for (const QString& cell : cells) used = used || !cell.isEmpty();
    if (!used) continue;
    appendLine(out, QStringList{project, QString::number(k)} + cells);
  }
  appendLine(
      out,
      {project, QStringLiteral("Total"), {}, {}, {}, {}, {}, {}, csvNumberCell(trimBlanks(sheet.Total))});
  return out.toUtf8();
}

}  // namespace orvane
