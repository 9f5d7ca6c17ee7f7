#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <stdexcept>

#include "core/text_rules.h"
#include "core/worksheet_rows.h"

namespace orvane {

// The typed texts of a worksheet: what its file holds.
struct WorksheetRowText {
  QString Desc, Mm, Inch, BeadCount;
};
struct WorksheetText {
  QString Project;
  std::array<WorksheetRowText, kWorksheetRows> Rows;
};

enum class WorksheetField { Project, Desc, Mm, Inch, BeadCount };

// A character that a worksheet file (Windows-1252) cannot hold.
struct UnencodableCharacterError : std::runtime_error {
  UnencodableCharacterError(int row, WorksheetField field, char32_t character);
  int Row;  // 1..10; 0 for the project name
  WorksheetField Field;
  char32_t Character;
};

// The most characters a box holds: a line edit's own capacity. A box holding
// megabytes lays all of them out again on every key and paint, which takes
// seconds; a worksheet needs nowhere near this many.
inline constexpr int kBoxCapacity = 32767;

// What a box text becomes in the file: TAB, CR, LF and Ctrl-Z as blanks, so
// the file reads back row for row. The window reads its sizes and counts
// through this too, so a box and its saved field always mean the same.
QString asStored(const QString& text);

// The file bytes: the project line, then one line per row of five TAB-separated
// fields, every line ended by CR LF, in Windows-1252, each text as asStored
// gives it. Throws UnencodableCharacterError, naming the first such character, and
// returns nothing in that case.
QByteArray worksheetFileBytes(const WorksheetText& text);

// The eleven lines of a file as the reader sees them: a line ends at CR (an LF
// right after it belongs to the line end, a lone LF is an ordinary character),
// Ctrl-Z ends the text, missing lines are empty, later lines are ignored.
QStringList worksheetFileLines(const QByteArray& bytes);

// The five fields of a row line; the fifth takes the rest of the line.
std::array<QString, 5> worksheetRowFields(const QString& line);

// The bead count box's text for a count field: a plain whole number in its
// plain decimal form (empty for none or less), anything else as the field
// holds it, so that the window reads it as it read the box that was saved.
QString loadedCountText(const QString& field);

struct LoadedWorksheet {
  WorksheetText Text;  // as the boxes show it after loading
  // The texts cut to kBoxCapacity, named as "Description of row 3".
  QStringList CutTexts;
};

// Reads a whole file into the texts of the boxes. Nothing in a file stops the
// read: a size or count is worked out by the window from its box, as a typed
// one is, so that whatever the window saved loads back the same.
LoadedWorksheet readWorksheetFile(const QByteArray& bytes);

// Replaces the file at `path` with `bytes`, all or nothing: they are written
// to a temporary file beside it, which is renamed over the old file only once
// every byte is on the disk. Throws FileError naming the file and the
// system's reason; the old file is then as it was.
void saveWholeFile(const QString& path, const QByteArray& bytes);

// The most bytes a worksheet file may hold. A worksheet with every box full
// to kBoxCapacity is under 1.4 MB; anything larger is no worksheet.
inline constexpr qint64 kWorksheetFileLimit = 4 * 1024 * 1024;

// The whole file at `path` (a name as nativePath takes it). Throws
// FileError "Cannot load the worksheet <path>: <reason>" for a file that
// cannot be read, and at once, before reading, for anything that is not a
// regular file (a folder, a pipe, a device, a socket, a file the system makes
// up as it is read, such as those in /proc) or is larger than `limit`.
// Never holds more than limit + 1 bytes, even for a file that grows while it
// is read.
QByteArray loadWholeFile(const QString& path, qint64 limit = kWorksheetFileLimit);

// Whether anything is there under that name (a name as nativePath takes it).
bool pathExists(const QString& path);

// Windows-1252, the code page worksheet files are written in.
QString decodeWindows1252(QByteArrayView bytes);
// -1 for a code point the code page has no byte for.
int windows1252Byte(char32_t codePoint);

}  // namespace orvane
