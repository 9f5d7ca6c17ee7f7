#include "core/recent_files.h"

#include <unistd.h>

#include <QDir>
#include <QVariantList>
#include <climits>

#include "core/native_path.h"

namespace orvane {

namespace {

// Relative paths mean nothing once the program runs in another folder. Made
// absolute by hand: QFileInfo would pass the name through Qt's own decoding,
// which turns bytes that are not UTF-8 into U+FFFD.
QString cleanPath(const QString& path) {
  if (path.isEmpty()) return {};
  if (QDir::isAbsolutePath(path)) return QDir::cleanPath(path);
  char folder[PATH_MAX];
  if (!::getcwd(folder, sizeof folder)) return {};
  return QDir::cleanPath(pathFromNative(folder) + u'/' + path);
}

}  // namespace

QStringList tidyRecentFiles(const QStringList& list) {
  QStringList tidy;
  for (const QString& entry : list) {
    const QString path = cleanPath(entry);
    if (path.isEmpty() || tidy.contains(path)) continue;
    tidy << path;
    if (tidy.size() == kRecentFilesCap) break;
  }
  return tidy;
}

QStringList withRecentFile(const QStringList& list, const QString& path) {
  return tidyRecentFiles(QStringList{path} + list);
}

QStringList withoutRecentFile(const QStringList& list, const QString& path) {
  const QString gone = cleanPath(path);
  QStringList kept;
  for (const QString& entry : tidyRecentFiles(list))
    if (entry != gone) kept << entry;
  return kept;
}

namespace {

bool hasKeptBytes(const QString& path) { return nativePath(path) != path.toUtf8(); }

// An entry of the stored list as a path; empty for one that is none.
QString storedPath(const QVariant& entry) {
  QString path;
  if (entry.typeId() == QMetaType::QString)
    path = entry.toString();
  else if (entry.typeId() == QMetaType::QByteArray)
    path = pathFromNative(entry.toByteArray());
  else
    return {};
  if (path.size() > kMaxPathLength || path.contains(QChar(0))) return {};
  return path;
}

}  // namespace

QVariant recentFilesSetting(const QStringList& list) {
  bool plain = true;
  for (const QString& path : list) plain = plain && !hasKeptBytes(path);
  if (plain) return list;
  QVariantList mixed;
  for (const QString& path : list)
    mixed << (hasKeptBytes(path) ? QVariant(nativePath(path)) : QVariant(path));
  return mixed;
}

QStringList recentFilesFromSetting(const QVariant& value) {
  QVariantList entries;
  switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
      entries << value;
      break;
    case QMetaType::QStringList:
      for (const QString& path : value.toStringList()) entries << path;
      break;
    case QMetaType::QVariantList:
      entries = value.toList();
      break;
    default:
      return {};
  }
  QStringList paths;
  for (const QVariant& entry : entries) {
    const QString path = storedPath(entry);
    if (!path.isEmpty()) paths << path;
    // A list of a million entries is read no further than it is used.
    if (paths.size() >= 4 * kRecentFilesCap) break;
  }
  return tidyRecentFiles(paths);
}

}  // namespace orvane
