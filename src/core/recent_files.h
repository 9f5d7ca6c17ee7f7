#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

namespace orvane {

// How many files a recent list offers.
inline constexpr int kRecentFilesCap = 5;

// The list with `path` first, any earlier entry for the same file dropped, and
// no more than kRecentFilesCap entries. Paths are compared in their clean
// absolute form, which is also the form stored.
QStringList withRecentFile(const QStringList& list, const QString& path);

// The list without any entry for the file at `path`.
QStringList withoutRecentFile(const QStringList& list, const QString& path);

// A list as read back from the settings, which the user may have edited: no
// empty entries, no file twice, no more than kRecentFilesCap, order kept.
QStringList tidyRecentFiles(const QStringList& list);

// The list as the settings keep it: a list of texts, or, when a name is not
// valid UTF-8, a list whose such entries are the name's bytes, which a text
// setting would not keep.
QVariant recentFilesSetting(const QStringList& list);

// The list from whatever the settings file holds under its key, tidied. The
// file may have been edited or damaged: a value of another type, an entry
// that is no text or name bytes, holds a NUL or is longer than any path
// (kMaxPathLength) is left out, and a list of nothing usable is empty.
QStringList recentFilesFromSetting(const QVariant& value);

// The longest path the system takes, in bytes (PATH_MAX).
inline constexpr qsizetype kMaxPathLength = 4096;

}  // namespace orvane
