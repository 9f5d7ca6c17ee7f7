#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "core/worksheet_file.h"

namespace orvane {

// The worksheet as it was typed, kept on the disk a moment after each change
// so that a crash, a power cut or a killed program does not lose it.
struct RecoveredWorksheet {
  QString Path;  // the worksheet file it was loaded from or saved to, if any
  WorksheetText Text;
};

// The largest recovery file read: ten rows and a name, every box full to its
// capacity with characters that JSON escapes, stay below it.
inline constexpr qint64 kRecoveryFileLimit = 16 * 1024 * 1024;

// The folder of the recovery files: $XDG_STATE_HOME/Orvane, or
// $HOME/.local/state/Orvane when that variable is unset, empty or relative
// (the base directory rules ignore relative paths); empty with neither.
QString recoveryFolder(const QString& xdgStateHome, const QString& home);

// One file per copy of the program: keyed by its instance name (copies under
// another name run alongside) and by a slot, for the rare second copy under
// the same name. "worksheet-Orvane.json", "worksheet-Orvane-2.json".
QString recoveryFileName(const QString& instanceName, int slot);

// The file's bytes: UTF-8 JSON, which holds any character a box can.
QByteArray recoveryFileBytes(const RecoveredWorksheet& worksheet);

// The worksheet in a recovery file's bytes, or the reason they are not one:
// anything but this program's own format, whole, is refused.
struct RecoveryReading {
  std::optional<RecoveredWorksheet> Worksheet;
  QString Problem;
};
RecoveryReading parseRecoveryBytes(const QByteArray& bytes);

// Reads the recovery file at `path`. A link, anything that is not a regular
// file, or a file over kRecoveryFileLimit is refused before it is opened or
// read.
RecoveryReading readRecoveryFile(const QString& path);

// Moves a recovery file that cannot be read out of the way, to the same name
// with ".bad" added, or ".bad.2", ".bad.3", ... when that is taken: an older
// one is never replaced. Returns the new path, or empty when it could not be
// moved (the next write replaces it then).
QString setAsideRecoveryFile(const QString& path);

// Writes a recovery file whole, readable by its owner only (0600). A link or
// anything else found at `path` is replaced, never written through: the bytes
// go to a new file beside it first, which then takes its name. Throws
// std::runtime_error naming the cause.
void writeRecoveryFile(const QString& path, const QByteArray& bytes);

// Makes the recovery folder reachable by its owner only (0700) when it is
// looser; false when it is not a folder of the user's or cannot be changed.
bool tightenRecoveryFolder(const QString& folder);

}  // namespace orvane
