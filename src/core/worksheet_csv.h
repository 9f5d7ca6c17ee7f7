#pragma once

#include <QByteArray>
#include <QString>
#include <array>

#include "core/worksheet_rows.h"

namespace orvane {

// What a worksheet shows, typed and worked out, as a spreadsheet takes it.
struct WorksheetCsvRow {
  QString Desc, Mm, Inch, BeadCount, BeadsPerInch, Length;
};
struct WorksheetCsv {
  QString Project;
  std::array<WorksheetCsvRow, kWorksheetRows> Rows;
  QString Total;
};

// One field as a CSV file holds it: quoted, with its quotes doubled, when it
// holds a comma, a quote, a CR or an LF; as it is otherwise.
QString csvField(const QString& text);

// A text cell (a name, a description): one that begins with =, +, -, @, a tab
// or a CR gets a leading apostrophe, so that a spreadsheet shows it as text
// and never runs it as a formula.
QString csvTextCell(const QString& text);

// A figure: a plain decimal number ("4", "6.35", ".5") as the number it is;
// anything else as text with a leading apostrophe, so that a spreadsheet
// makes no date ("1/8"), number or formula of it.
QString csvNumberCell(const QString& text);

// A size as the window reads it, as a plain number: millimetres as the
// number they are ("1e2" -> 100), inches as a decimal ("1/8" -> 0.125,
// "1 1/8" -> 1.125). A text the window takes for no size or cannot read
// stays text, as csvNumberCell writes it.
QString csvMmCell(const QString& text);
QString csvInchCell(const QString& text);

// The worksheet as UTF-8 CSV with CR LF line ends: a header line, one line per
// row that holds anything (texts trimmed), and a last line with the total
// length. Every line starts with the project name, so lines from several
// worksheets can be put together in one sheet. The columns: Project, Row,
// Description, Size MM, Size inchSize (a decimal), Size Inch as Typed (the inch
// box's text, as text), Number of Beads, Beads per Inch, Length Inches.
QByteArray worksheetCsvBytes(const WorksheetCsv& sheet);

}  // namespace orvane
