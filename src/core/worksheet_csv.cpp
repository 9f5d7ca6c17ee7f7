#include "core/worksheet_csv.h"

#include <QStringList>

#include "core/text_rules.h"

namespace orvane {

namespace {

void AppendLine(QString& out, const QStringList& fields) {
  QStringList quoted;
  quoted.reserve(fields.size());
  for (const QString& field : fields) quoted << CsvField(field);
  out += quoted.join(u',');
  out += QStringLiteral("\r\n");
}

}  // namespace

QString CsvField(const QString& text) {
  const bool needsQuotes =
      text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
  if (!needsQuotes) return text;
  QString doubled = text;
  doubled.replace(u'"', QStringLiteral("\"\""));
  return u'"' + doubled + u'"';
}

QByteArray WorksheetCsvBytes(const WorksheetCsv& sheet) {
  const QString project = TrimBlanks(sheet.Project);
  QString out;
  AppendLine(out, {QStringLiteral("Project"), QStringLiteral("Row"), QStringLiteral("Description"),
                   QStringLiteral("Size MM"), QStringLiteral("Size Inch"), QStringLiteral("Number of Beads"),
                   QStringLiteral("Beads per Inch"), QStringLiteral("Length Inches")});
  for (int k = 1; k <= kWorksheetRows; ++k) {
    const WorksheetCsvRow& row = sheet.Rows[k - 1];
    const QStringList cells{TrimBlanks(row.Desc), TrimBlanks(row.Mm),  TrimBlanks(row.Inch),
                            TrimBlanks(row.Nob),  TrimBlanks(row.Bpi), TrimBlanks(row.Length)};
    // An unused row is no line of the sheet: it would only be summed as zero.
    bool used = false;
    for (const QString& cell : cells) used = used || !cell.isEmpty();
    if (!used) continue;
    AppendLine(out, QStringList{project, QString::number(k)} + cells);
  }
  AppendLine(out, {project, QStringLiteral("Total"), {}, {}, {}, {}, {}, TrimBlanks(sheet.Total)});
  return out.toUtf8();
}

}  // namespace orvane
