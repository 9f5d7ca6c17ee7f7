#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// How many files a recent list offers.
inline constexpr int kRecentFilesCap = 5;

// The list with `path` first, any earlier entry for the same file dropped, and
// no more than kRecentFilesCap entries. Paths are compared in their clean
// absolute form, which is also the form stored.
QStringList WithRecentFile(const QStringList& list, const QString& path);

// The list without any entry for the file at `path`.
QStringList WithoutRecentFile(const QStringList& list, const QString& path);

// A list as read back from the settings, which the user may have edited: no
// empty entries, no file twice, no more than kRecentFilesCap, order kept.
QStringList TidyRecentFiles(const QStringList& list);

}  // namespace orvane
