#include "core/worksheet_recovery.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace orvane {

namespace {

const QString kFormat = QStringLiteral("orvane-worksheet-recovery");
constexpr int kVersion = 1;

// The row fields in the order the boxes stand.
constexpr const char* kRowKeys[] = {"description", "mm", "inch", "beads"};

QString* rowField(WorksheetRowText& row, int field) {
  switch (field) {
    case 0:
      return &row.Desc;
    case 1:
      return &row.Mm;
    case 2:
      return &row.Inch;
    default:
      return &row.BeadCount;
  }
}

RecoveryReading refused(const QString& problem) { return {std::nullopt, problem}; }

// A text field of the file: present, a string, no longer than a box holds.
std::optional<QString> textField(const QJsonObject& object, const QString& key) {
  const QJsonValue value = object.value(key);
  if (!value.isString()) return std::nullopt;
  QString text = value.toString();
  if (text.size() > kBoxCapacity) return std::nullopt;
  return text;
}

}  // namespace

QString recoveryFolder(const QString& xdgStateHome, const QString& home) {
  if (!xdgStateHome.isEmpty() && QDir::isAbsolutePath(xdgStateHome))
    return QDir::cleanPath(xdgStateHome + QStringLiteral("/Orvane"));
  if (!home.isEmpty() && QDir::isAbsolutePath(home))
    return QDir::cleanPath(home + QStringLiteral("/.local/state/Orvane"));
  return {};
}

QString recoveryFileName(const QString& instanceName, int slot) {
  // The name is a file name's stem already; a separator must still not lead
  // out of the folder.
  QString name = instanceName;
  name.replace(u'/', u'_');
  if (name.isEmpty()) name = QStringLiteral("Orvane");
  const QString suffix = slot > 1 ? QStringLiteral("-%1").arg(slot) : QString();
  return QStringLiteral("worksheet-") + name + suffix + QStringLiteral(".json");
}

QByteArray recoveryFileBytes(const RecoveredWorksheet& worksheet) {
  QJsonArray rows;
  for (const WorksheetRowText& text : worksheet.Text.Rows) {
    WorksheetRowText row = text;
    QJsonObject object;
    for (int f = 0; f < 4; ++f) object.insert(QLatin1String(kRowKeys[f]), *rowField(row, f));
    rows.append(object);
  }
  QJsonObject root;
  root.insert(QStringLiteral("format"), kFormat);
  root.insert(QStringLiteral("version"), kVersion);
  root.insert(QStringLiteral("file"), worksheet.Path);
  root.insert(QStringLiteral("project"), worksheet.Text.Project);
  root.insert(QStringLiteral("rows"), rows);
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

RecoveryReading parseRecoveryBytes(const QByteArray& bytes) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject())
    return refused(
        QCoreApplication::translate("WorksheetRecovery", "it is not a recovery file of this program"));
  const QJsonObject root = document.object();
  if (root.value(QStringLiteral("format")).toString() != kFormat)
    return refused(
        QCoreApplication::translate("WorksheetRecovery", "it is not a recovery file of this program"));
  if (root.value(QStringLiteral("version")).toInt(-1) != kVersion)
    return refused(QCoreApplication::translate("WorksheetRecovery",
                                               "it was written by another version of this program"));

  RecoveredWorksheet worksheet;
  const std::optional<QString> path = textField(root, QStringLiteral("file"));
  const std::optional<QString> project = textField(root, QStringLiteral("project"));
  const QJsonValue rows = root.value(QStringLiteral("rows"));
  if (!path || !project || !rows.isArray() || rows.toArray().size() != kWorksheetRows)
    return refused(QCoreApplication::translate("WorksheetRecovery", "it is incomplete or damaged"));
  worksheet.Path = *path;
  worksheet.Text.Project = *project;
  const QJsonArray list = rows.toArray();
  for (int i = 0; i < kWorksheetRows; ++i) {
    if (!list[i].isObject())
      return refused(QCoreApplication::translate("WorksheetRecovery", "it is incomplete or damaged"));
    const QJsonObject row = list[i].toObject();
    for (int f = 0; f < 4; ++f) {
      const std::optional<QString> text = textField(row, QLatin1String(kRowKeys[f]));
      if (!text)
        return refused(QCoreApplication::translate("WorksheetRecovery", "it is incomplete or damaged"));
      *rowField(worksheet.Text.Rows[i], f) = *text;
    }
  }
  return {worksheet, {}};
}

RecoveryReading readRecoveryFile(const QString& path) {
  const QFileInfo info(path);
  if (info.isSymLink())
    return refused(
        QCoreApplication::translate("WorksheetRecovery", "it is a link, not a file of this program"));
  if (!info.isFile())
    return refused(QCoreApplication::translate("WorksheetRecovery", "it is not a regular file"));
  if (info.size() > kRecoveryFileLimit)
    return refused(
        QCoreApplication::translate("WorksheetRecovery", "it is larger than a worksheet can be (%1 bytes)")
            .arg(info.size()));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return refused(file.errorString());
  // Never more than the limit, even from a file that grew since.
  const QByteArray bytes = file.read(kRecoveryFileLimit + 1);
  if (file.error() != QFileDevice::NoError) return refused(file.errorString());
  if (bytes.size() > kRecoveryFileLimit)
    return refused(QCoreApplication::translate("WorksheetRecovery", "it is larger than a worksheet can be"));
  return parseRecoveryBytes(bytes);
}

QString setAsideRecoveryFile(const QString& path) {
  // Far more than a user lets pile up; past it the next write replaces the file.
  constexpr int kMostSetAside = 999;
  for (int n = 1; n <= kMostSetAside; ++n) {
    const QString aside = path + QStringLiteral(".bad") + (n > 1 ? QStringLiteral(".%1").arg(n) : QString());
    const QFileInfo old(aside);
    if (old.exists() || old.isSymLink()) continue;
    // A directory or a pipe in its place moves aside as a file does. rename()
    // would replace a file that appeared meanwhile: link() never does.
    const QByteArray from = QFile::encodeName(path), to = QFile::encodeName(aside);
    if (::link(from.constData(), to.constData()) == 0) {
      ::unlink(from.constData());
      return aside;
    }
    if (errno == EEXIST) continue;
    // Not a regular file (a folder, a pipe), or links are not to be had here.
    return ::rename(from.constData(), to.constData()) == 0 ? aside : QString();
  }
  return {};
}

void writeRecoveryFile(const QString& path, const QByteArray& bytes) {
  // `what` is one of the two messages below, "...%1: %2" with the path and the cause.
  const auto failed = [&path](const char* what, int error) {
    throw std::runtime_error(QCoreApplication::translate("WorksheetRecovery", what)
                                 .arg(path, QString::fromLocal8Bit(std::strerror(error)))
                                 .toStdString());
  };
  const char* const writeFailed =
      QT_TRANSLATE_NOOP("WorksheetRecovery", "Cannot write the recovery file %1: %2");
  const char* const protectFailed =
      QT_TRANSLATE_NOOP("WorksheetRecovery", "Cannot protect the recovery file %1: %2");
  QByteArray temporary = QFile::encodeName(path) + ".XXXXXX";
  // mkstemp creates the file anew (O_EXCL, 0600): nothing planted is opened.
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) failed(writeFailed, errno);
  const auto discard = [&](const char* what) {
    const int error = errno;
    ::close(fd);
    ::unlink(temporary.constData());
    failed(what, error);
  };
  if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0) discard(protectFailed);
  qsizetype written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) discard(writeFailed);
    written += n;
  }
  if (::fsync(fd) != 0) discard(writeFailed);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.constData());
    failed(writeFailed, error);
  }
  // rename() replaces whatever has the name, a link included, and never
  // follows it.
  if (::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
    const int error = errno;
    ::unlink(temporary.constData());
    failed(writeFailed, error);
  }
}

bool tightenRecoveryFolder(const QString& folder) {
  const QByteArray name = QFile::encodeName(folder);
  struct stat info {};
  if (::lstat(name.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
    return false;
  if ((info.st_mode & 077) == 0) return true;
  return ::chmod(name.constData(), S_IRWXU) == 0;
}

}  // namespace orvane
