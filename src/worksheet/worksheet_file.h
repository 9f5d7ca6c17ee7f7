#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <stdexcept>

#include "sizes/text_rules.h"
#include "worksheet/worksheet_rows.h"

namespace orvane {

// The typed texts of a worksheet: what its file holds.
struct WorksheetRowText {
  QString Desc, Mm, Inch, Nob;
};
struct WorksheetText {
  QString Project;
  std::array<WorksheetRowText, kWorksheetRows> Rows;
};

enum class WorksheetField { Project, Desc, Mm, Inch, Nob };

// A character that a worksheet file (Windows-1252) cannot hold.
struct EUnencodableCharacter : std::runtime_error {
  EUnencodableCharacter(int row, WorksheetField field, char32_t character);
  int Row;  // 1..10; 0 for the project name
  WorksheetField Field;
  char32_t Character;
};

// The file bytes: the project line, then one line per row of five TAB-separated
// fields, every line ended by CR LF, in Windows-1252. TAB, CR, LF and Ctrl-Z
// inside a text are written as blanks so the file reads back row for row.
// Throws EUnencodableCharacter, naming the first such character, and returns
// nothing in that case.
QByteArray WorksheetFileBytes(const WorksheetText& text);

// The eleven lines of a file as the reader sees them: a line ends at CR (an LF
// right after it belongs to the line end, a lone LF is an ordinary character),
// Ctrl-Z ends the text, missing lines are empty, later lines are ignored.
QStringList WorksheetFileLines(const QByteArray& bytes);

// The five fields of a row line; the fifth takes the rest of the line.
std::array<QString, 5> WorksheetRowFields(const QString& line);

struct LoadedWorksheet {
  WorksheetText Text;                                     // as the boxes show it after loading
  std::array<WorksheetRowValues, kWorksheetRows> Values;  // sizes and counts; lengths 0
};

// Reads a whole file. A size or count that cannot be converted throws its
// conversion (or overflow) error before anything is handed back, so a caller
// applies either a whole worksheet or nothing. A fraction with a character
// outside its alphabet is reported through onFractionError and reading goes on.
LoadedWorksheet ReadWorksheetFile(const QByteArray& bytes,
                                  const std::function<void(const EFractionError&)>& onFractionError);

// Windows-1252, the code page worksheet files are written in.
QString DecodeWindows1252(QByteArrayView bytes);
// -1 for a code point the code page has no byte for.
int Windows1252Byte(char32_t codePoint);

}  // namespace orvane
