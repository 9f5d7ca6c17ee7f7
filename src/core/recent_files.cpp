#include "core/recent_files.h"

#include <QDir>
#include <QFileInfo>

namespace orvane {

namespace {

// Relative paths mean nothing once the program runs in another folder.
QString CleanPath(const QString& path) {
  if (path.isEmpty()) return {};
  return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

QStringList TidyRecentFiles(const QStringList& list) {
  QStringList tidy;
  for (const QString& entry : list) {
    const QString path = CleanPath(entry);
    if (path.isEmpty() || tidy.contains(path)) continue;
    tidy << path;
    if (tidy.size() == kRecentFilesCap) break;
  }
  return tidy;
}

QStringList WithRecentFile(const QStringList& list, const QString& path) {
  return TidyRecentFiles(QStringList{path} + list);
}

QStringList WithoutRecentFile(const QStringList& list, const QString& path) {
  const QString gone = CleanPath(path);
  QStringList kept;
  for (const QString& entry : TidyRecentFiles(list))
    if (entry != gone) kept << entry;
  return kept;
}

}  // namespace orvane
