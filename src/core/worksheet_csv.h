#pragma once

#include <QByteArray>
#include <QString>
#include <array>

#include "core/worksheet_rows.h"

namespace orvane {

// What a worksheet shows, typed and worked out, as a spreadsheet takes it.
struct WorksheetCsvRow {
  QString Desc, Mm, Inch, Nob, Bpi, Length;
};
struct WorksheetCsv {
  QString Project;
  std::array<WorksheetCsvRow, kWorksheetRows> Rows;
  QString Total;
};

// One field as a CSV file holds it: quoted, with its quotes doubled, when it
// holds a comma, a quote, a CR or an LF; as it is otherwise.
QString CsvField(const QString& text);

// The worksheet as UTF-8 CSV with CR LF line ends: a header line, one line per
// row that holds anything (texts trimmed), and a last line with the total
// length. Every line starts with the project name, so lines from several
// worksheets can be put together in one sheet.
QByteArray WorksheetCsvBytes(const WorksheetCsv& sheet);

}  // namespace orvane
