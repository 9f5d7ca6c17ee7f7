#include "core/worksheet_file.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>

#include "core/native_path.h"

namespace orvane {

namespace {

// 0x80..0x9F; the five bytes Windows leaves undefined map to the C1 controls
// of the same number, so every byte survives a load and a save.
constexpr char16_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char kCtrlZ = 26;

QString fieldName(WorksheetField field) {
  switch (field) {
    case WorksheetField::Project:
      return QCoreApplication::translate("WorksheetFile", "Project Name");
    case WorksheetField::Desc:
      return QCoreApplication::translate("WorksheetFile", "Description");
    case WorksheetField::Mm:
      return QCoreApplication::translate("WorksheetFile", "Size MM");
    case WorksheetField::Inch:
      return QCoreApplication::translate("WorksheetFile", "Size Inch");
    case WorksheetField::BeadCount:
      return QCoreApplication::translate("WorksheetFile", "Number of Beads");
  }
  return {};
}

// "Project Name", "Description of row 3".
QString fieldLabel(int row, WorksheetField field) {
  //: A box of the worksheet in a message: "Description of row 3".
  return row == 0
             ? fieldName(field)
             : QCoreApplication::translate("WorksheetFile", "%1 of row %2").arg(fieldName(field)).arg(row);
}

bool breaksTheLayout(char32_t cp) {
  return cp == u'\t' || cp == u'\r' || cp == u'\n' || cp == char32_t(kCtrlZ);
}

void appendEncoded(QByteArray& out, const QString& text, int row, WorksheetField field) {
  for (char32_t cp : text.toUcs4()) {
    if (breaksTheLayout(cp)) cp = u' ';
    const int byte = windows1252Byte(cp);
    if (byte < 0) throw UnencodableCharacterError(row, field, cp);
    out.append(static_cast<char>(byte));
  }
}

}  // namespace

UnencodableCharacterError::UnencodableCharacterError(int row, WorksheetField field, char32_t character)
    : std::runtime_error(fieldLabel(row, field).toStdString()),
      Row(row),
      Field(field),
      Character(character) {}

int windows1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == cp) return 0x80 + i;
  return -1;
}

QString decodeWindows1252(QByteArrayView bytes) {
  QString out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    out.append(QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b)));
  }
  return out;
}

QString asStored(const QString& text) {
  QString out = text;
  for (qsizetype i = 0; i < out.size(); ++i)
    if (breaksTheLayout(out[i].unicode())) out[i] = u' ';
  return out;
}

QByteArray worksheetFileBytes(const WorksheetText& text) {
  QByteArray out;
  appendEncoded(out, text.Project, 0, WorksheetField::Project);
  out.append("\r\n");
  for (int k = 1; k <= kWorksheetRows; ++k) {
    const WorksheetRowText& row = text.Rows[k - 1];
    out.append(QByteArray::number(k));
    out.append('\t');
    appendEncoded(out, row.Desc, k, WorksheetField::Desc);
    out.append('\t');
    appendEncoded(out, row.Mm, k, WorksheetField::Mm);
    out.append('\t');
    appendEncoded(out, row.Inch, k, WorksheetField::Inch);
    out.append('\t');
    appendEncoded(out, row.BeadCount, k, WorksheetField::BeadCount);
    out.append("\r\n");
  }
  return out;
}

QStringList worksheetFileLines(const QByteArray& bytes) {
  QByteArrayView rest(bytes);
  if (const auto eof = rest.indexOf(kCtrlZ); eof >= 0) rest = rest.first(eof);
  QStringList lines;
  while (lines.size() < 1 + kWorksheetRows && !rest.isEmpty()) {
    const auto cr = rest.indexOf('\r');
    if (cr < 0) {
      lines.append(decodeWindows1252(rest));
      break;
    }
    lines.append(decodeWindows1252(rest.first(cr)));
    rest = rest.sliced(cr + 1);
    if (rest.startsWith('\n')) rest = rest.sliced(1);
  }
  while (lines.size() < 1 + kWorksheetRows) lines.append(QString());
  return lines;
}

std::array<QString, 5> worksheetRowFields(const QString& line) {
  std::array<QString, 5> fields;
  qsizetype start = 0;
  for (int f = 0; f < 4; ++f) {
    const qsizetype tab = line.indexOf(u'\t', start);
    if (tab < 0) {
      fields[f] = line.mid(start);
      return fields;
    }
    fields[f] = line.mid(start, tab - start);
    start = tab + 1;
  }
  fields[4] = line.mid(start);
  return fields;
}

QString loadedCountText(const QString& field) {
  if (trimBlanks(field).isEmpty()) return {};
  try {
    const qint32 count = textToInteger(field);
    return count > 0 ? QString::number(count) : QString();
  } catch (const ConversionError&) {
    // "36 " or "3 6": the window counts no beads in such a box, and neither
    // does the file; the text stays as it was typed.
    return field;
  }
}

LoadedWorksheet readWorksheetFile(const QByteArray& bytes) {
  const QStringList lines = worksheetFileLines(bytes);
  LoadedWorksheet loaded;
  auto fit = [&loaded](QString text, int row, WorksheetField field) {
    if (text.size() > kBoxCapacity) {
      text.truncate(kBoxCapacity);
      loaded.CutTexts << fieldLabel(row, field);
    }
    return text;
  };
  loaded.Text.Project = fit(lines[0], 0, WorksheetField::Project);
  for (int k = 1; k <= kWorksheetRows; ++k) {
    const auto fields = worksheetRowFields(lines[k]);
    WorksheetRowText& text = loaded.Text.Rows[k - 1];
    text.Desc = fit(trimBlanks(fields[1]), k, WorksheetField::Desc);
    text.Mm = fit(trimBlanks(fields[2]), k, WorksheetField::Mm);
    text.Inch = fit(trimBlanks(fields[3]), k, WorksheetField::Inch);
    text.BeadCount = fit(loadedCountText(fields[4]), k, WorksheetField::BeadCount);
  }
  return loaded;
}

namespace {

[[noreturn]] void throwSaveError(const QString& path, const QString& reason) {
  throw FileError(QCoreApplication::translate("WorksheetFile", "Cannot save the worksheet to %1: %2")
                      .arg(path, reason)
                      .toStdString());
}

[[noreturn]] void throwLoadError(const QString& path, const QString& reason) {
  throw FileError(QCoreApplication::translate("WorksheetFile", "Cannot load the worksheet %1: %2")
                      .arg(shownPath(path), reason)
                      .toStdString());
}

// Why a file of this type is no worksheet; empty for a regular file.
QString notAFileReason(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return QCoreApplication::translate("WorksheetFile", "it is a folder, not a file");
  if (S_ISFIFO(mode))
    return QCoreApplication::translate("WorksheetFile", "it is a pipe (FIFO), not a regular file");
  if (S_ISCHR(mode) || S_ISBLK(mode))
    return QCoreApplication::translate("WorksheetFile", "it is a device, not a regular file");
  if (S_ISSOCK(mode))
    return QCoreApplication::translate("WorksheetFile", "it is a socket, not a regular file");
  return QCoreApplication::translate("WorksheetFile", "it is not a regular file");
}

// File systems whose files the kernel makes up as they are read: their size
// reads 0 (or a page) whatever they hold.
bool isMadeUpFileSystem(int fd) {
  struct statfs fs {};
  if (::fstatfs(fd, &fs) != 0) return false;
  switch (static_cast<unsigned long>(fs.f_type)) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case PSTOREFS_MAGIC:
    case BPF_FS_MAGIC:
    case EFIVARFS_MAGIC:
      return true;
    default:
      return false;
  }
}

QString tooLargeReason(qint64 limit) {
  return QCoreApplication::translate("WorksheetFile", "it is larger than the %1 MB a worksheet file can be")
      .arg(limit / (1024 * 1024));
}

// The system's reason for the device's last failure.
QString reasonOf(const QFileDevice& file) {
  if (file.error() == QFileDevice::NoError) return qt_error_string(EIO);
  return file.errorString();
}

}  // namespace

void saveWholeFile(const QString& path, const QByteArray& bytes) {
  // Qt words these two refusals its own way; the system's reasons read like
  // every other failure.
  const QFileInfo target(path);
  if (target.isDir()) throwSaveError(path, qt_error_string(EISDIR));
  // The system's own reason: a file on a read-only file system is refused
  // for that (EROFS), not for its permissions.
  if (target.exists() && ::access(QFile::encodeName(path).constData(), W_OK) != 0)
    throwSaveError(path, qt_error_string(errno));

  QSaveFile file(path);
  // Unbuffered, every write reaches the system at once: a short write shows
  // where it happens, and writing the rest again brings the system's reason.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) throwSaveError(path, reasonOf(file));
  // The commit must not run after a failure: it would rename the short
  // temporary file over the old one all the same.
  auto fail = [&](const QString& reason) {
    file.cancelWriting();
    throwSaveError(path, reason);
  };
  qint64 written = 0;
  while (written < bytes.size()) {
    const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
    if (n <= 0) fail(reasonOf(file));
    written += n;
  }
  if (!file.flush() || file.error() != QFileDevice::NoError) fail(reasonOf(file));
  // Some file systems find the disk full only when the data goes to it, and
  // the commit does not look at that.
  if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) fail(qt_error_string(errno));
  if (!file.commit()) throwSaveError(path, reasonOf(file));
}

QByteArray loadWholeFile(const QString& path, qint64 limit) {
  const QByteArray native = nativePath(path);
  // Looked at before opening: opening a pipe waits for a writer, and opening
  // some devices does something.
  struct stat info {};
  if (::stat(native.constData(), &info) != 0) throwLoadError(path, qt_error_string(errno));
  if (const QString reason = notAFileReason(info.st_mode); !reason.isEmpty()) throwLoadError(path, reason);
  if (info.st_size > limit) throwLoadError(path, tooLargeReason(limit));

  int fd;
  do fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  while (fd < 0 && errno == EINTR);
  if (fd < 0) throwLoadError(path, qt_error_string(errno));
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  // The name may have been given to something else since it was looked at.
  if (::fstat(fd, &info) != 0) throwLoadError(path, qt_error_string(errno));
  if (const QString reason = notAFileReason(info.st_mode); !reason.isEmpty()) throwLoadError(path, reason);
  if (isMadeUpFileSystem(fd))
    throwLoadError(path,
                   QCoreApplication::translate("WorksheetFile", "it is a system file, not a regular file"));
  if (info.st_size > limit) throwLoadError(path, tooLargeReason(limit));

  // One byte beyond the limit tells a file that grew past it since.
  QByteArray bytes(qsizetype(std::min<qint64>(info.st_size, limit) + 1), Qt::Uninitialized);
  qsizetype got = 0;
  for (;;) {
    if (got == bytes.size()) {
      if (got > limit) throwLoadError(path, tooLargeReason(limit));
      bytes.resize(std::min<qsizetype>(qsizetype(limit) + 1, 2 * got));
    }
    const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throwLoadError(path, qt_error_string(errno));
    if (n == 0) break;
    got += n;
  }
  if (got > limit) throwLoadError(path, tooLargeReason(limit));
  bytes.truncate(got);
  return bytes;
}

bool pathExists(const QString& path) {
  struct stat info {};
  return ::lstat(nativePath(path).constData(), &info) == 0;
}

}  // namespace orvane
