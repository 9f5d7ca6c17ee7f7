#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstring>

#include "core/native_path.h"
#include "core/worksheet_file.h"
#include "file_conditions.h"

using namespace orvane;

Q_DECLARE_METATYPE(WorksheetField)

namespace {

QByteArray emptyRows(int from) {
  QByteArray out;
  for (int k = from; k <= kWorksheetRows; ++k) out += QByteArray::number(k) + "\t\t\t\t\r\n";
  return out;
}

QString fields(const LoadedWorksheet& w, int row) {
  const WorksheetRowText& t = w.Text.Rows[row - 1];
  return t.Desc + u'|' + t.Mm + u'|' + t.Inch + u'|' + t.BeadCount;
}

}  // namespace

class WorksheetFileTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void writesElevenLines_data();
  void writesElevenLines();
  void refusesCharactersOutsideTheCodePage_data();
  void refusesCharactersOutsideTheCodePage();
  void splitsLines_data();
  void splitsLines();
  void readsRows_data();
  void readsRows();
  void longTextsAreCutToWhatABoxHolds();
  void roundTripsTextsAndBytes();
  void failedWriteLeavesTheOldFile_data();
  void failedWriteLeavesTheOldFile();
  void unreadableFileNamesTheReason();
  void refusesWhatIsNoWorksheetAtOnce_data();
  void refusesWhatIsNoWorksheetAtOnce();
  void readsUpToTheLimit();
  void savingOnAReadOnlyFileSystemNamesIt_data();
  void savingOnAReadOnlyFileSystemNamesIt();
  void readsANameThatIsNotUtf8();
};

// Each case puts texts into the boxes and names the bytes the file must hold.
void WorksheetFileTest::writesElevenLines_data() {
  QTest::addColumn<QString>("project");
  QTest::addColumn<int>("row");
  QTest::addColumn<QStringList>("boxes");  // Desc, Mm, Inch, Nob of that row
  QTest::addColumn<QByteArray>("expected");

  const QByteArray empty = "\r\n" + emptyRows(1);
  QTest::newRow("empty worksheet") << "" << 1 << QStringList{"", "", "", ""} << empty;
  QTest::newRow("row 3 example") << "Bracelet" << 3 << QStringList{"Crystal rondelle", "4", "", "36"}
                                 << "Bracelet\r\n" + emptyRows(1).left(14) +
                                        "3\tCrystal rondelle\t4\t\t36\r\n" + emptyRows(4);
  QTest::newRow("texts kept untrimmed") << "  Spaced  " << 1 << QStringList{" a ", " 4", "", "7 "}
                                        << "  Spaced  \r\n1\t a \t 4\t\t7 \r\n" + emptyRows(2);
  QTest::newRow("row 10 last line") << "" << 10 << QStringList{"x", "", "1/4", "5"}
                                    << "\r\n" + emptyRows(1).left(emptyRows(1).indexOf("10\t")) +
                                           "10\tx\t\t1/4\t5\r\n";
  QTest::newRow("TAB CR LF and Ctrl-Z become blanks")
      << QString("a\tb\r\nc") << 2 << QStringList{"d\te", "4", "", QString("1") + QChar(26)}
      << "a b  c\r\n1\t\t\t\t\r\n2\td e\t4\t\t1 \r\n" + emptyRows(3);
  QTest::newRow("Windows-1252 letters")
      << QString::fromUtf8("Café €5") << 1 << QStringList{QString::fromUtf8("Perle «fine» ‰ Œ"), "", "", ""}
      << QByteArray(
             "Caf\xE9 \x80"
             "5\r\n1\tPerle \xAB"
             "fine\xBB \x89 \x8C\t\t\t\r\n") +
             emptyRows(2);
}

void WorksheetFileTest::writesElevenLines() {
  QFETCH(QString, project);
  QFETCH(int, row);
  QFETCH(QStringList, boxes);
  QFETCH(QByteArray, expected);
  WorksheetText text;
  text.Project = project;
  text.Rows[row - 1] = {boxes[0], boxes[1], boxes[2], boxes[3]};
  const QByteArray bytes = worksheetFileBytes(text);
  QCOMPARE(bytes, expected);
  QCOMPARE(bytes.count("\r\n"), 11);
  QVERIFY(bytes.endsWith("\r\n"));
}

void WorksheetFileTest::refusesCharactersOutsideTheCodePage_data() {
  QTest::addColumn<int>("row");
  QTest::addColumn<WorksheetField>("field");
  QTest::addColumn<QString>("text");
  QTest::addColumn<uint>("character");
  QTest::addColumn<QString>("where");
  QTest::newRow("Polish L in a description")
      << 3 << WorksheetField::Desc << QString::fromUtf8("Łódź") << 0x141u << "Description of row 3";
  QTest::newRow("emoji in the project")
      << 0 << WorksheetField::Project << QString::fromUtf8("Gift 💎") << 0x1F48Eu << "Project Name";
  QTest::newRow("C1 control Windows has no byte for")
      << 10 << WorksheetField::BeadCount << QString(QChar(0x85)) << 0x85u << "Number of Beads of row 10";
}

void WorksheetFileTest::refusesCharactersOutsideTheCodePage() {
  QFETCH(int, row);
  QFETCH(WorksheetField, field);
  QFETCH(QString, text);
  QFETCH(uint, character);
  QFETCH(QString, where);
  WorksheetText sheet;
  if (row == 0)
    sheet.Project = text;
  else if (field == WorksheetField::Desc)
    sheet.Rows[row - 1].Desc = text;
  else
    sheet.Rows[row - 1].BeadCount = text;
  try {
    worksheetFileBytes(sheet);
    QFAIL("the text was written");
  } catch (const UnencodableCharacterError& bad) {
    QCOMPARE(bad.Row, row);
    QCOMPARE(bad.Field, field);
    QCOMPARE(uint(bad.Character), character);
    QCOMPARE(QString::fromStdString(bad.what()), where);
  }
}

void WorksheetFileTest::splitsLines_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QStringList>("firstLines");  // the rest must be empty
  QTest::newRow("CR LF") << QByteArray("P\r\n1\ta\r\n") << QStringList{"P", "1\ta"};
  QTest::newRow("LF alone is a character") << QByteArray("P\n1\ta\n2\tb\n") << QStringList{"P\n1\ta\n2\tb\n"};
  QTest::newRow("CR alone ends a line") << QByteArray("P\r1\ta\r") << QStringList{"P", "1\ta"};
  QTest::newRow("LF after CR belongs to it, a second LF does not")
      << QByteArray("P\r\n\n1") << QStringList{"P", "\n1"};
  QTest::newRow("Ctrl-Z ends the text") << QByteArray(
                                               "P\r\n1\tab\x1A"
                                               "cd\r\n2\tx\r\n")
                                        << QStringList{"P", "1\tab"};
  QTest::newRow("no final line end") << QByteArray("P\r\n1\ta") << QStringList{"P", "1\ta"};
  QTest::newRow("empty file") << QByteArray() << QStringList{};
  QTest::newRow("Windows-1252 bytes")
      << QByteArray("\xE9\x80\x81\x9F\xFF") << QStringList{QString::fromUtf8("é€\u0081Ÿÿ")};
  QByteArray many;
  for (int i = 0; i < 14; ++i) many += "L" + QByteArray::number(i) + "\r\n";
  QStringList eleven;
  for (int i = 0; i < 11; ++i) eleven << "L" + QString::number(i);
  QTest::newRow("lines after the eleventh ignored") << many << eleven;
}

void WorksheetFileTest::splitsLines() {
  QFETCH(QByteArray, bytes);
  QFETCH(QStringList, firstLines);
  const QStringList lines = worksheetFileLines(bytes);
  QCOMPARE(lines.size(), 11);
  for (int i = 0; i < 11; ++i) QCOMPARE(lines[i], i < firstLines.size() ? firstLines[i] : QString());
}

// Sizes are texts here: the window works each row out from its boxes. Counts
// become the text the window reads the same count from.
void WorksheetFileTest::readsRows_data() {
  QTest::addColumn<QByteArray>("line");
  QTest::addColumn<QString>("boxes");  // Desc|Mm|Inch|Nob as loaded
  QTest::addColumn<int>("count");      // as the window reads the loaded Nob box
  QTest::newRow("inch example") << QByteArray("3\tSeed beads\t\t1/8\t24") << "Seed beads||1/8|24" << 24;
  QTest::newRow("mm example") << QByteArray("3\tCrystal rondelle\t4\t\t36") << "Crystal rondelle|4||36" << 36;
  QTest::newRow("fields trimmed") << QByteArray("3\t  Pearl \x01\t 6.5 \t\t +036") << "Pearl|6.5||36" << 36;
  QTest::newRow("both sizes kept for the window") << QByteArray("1\tA\t4\t1/4\t2") << "A|4|1/4|2" << 2;
  QTest::newRow("row number ignored") << QByteArray("99\tA\t\t\t") << "A|||" << 0;
  QTest::newRow("missing fields") << QByteArray("1\tOnly a description") << "Only a description|||" << 0;
  QTest::newRow("count of zero shows empty") << QByteArray("1\t\t2\t\t0") << "|2||" << 0;
  QTest::newRow("negative count shows empty") << QByteArray("1\t\t2\t\t-5") << "|2||" << 0;
  QTest::newRow("lone point") << QByteArray("1\t\t.\t\t") << "|.||" << 0;
  // A blank is a legal key in the inch box; the file it saves must load.
  QTest::newRow("blank inch field is no size") << QByteArray("1\t\t\t \t3") << "|||3" << 3;
  QTest::newRow("empty line") << QByteArray("") << "|||" << 0;
  // What the window holds but cannot work out still loads, as the window had it.
  QTest::newRow("letters in mm") << QByteArray("1\tA\tabc\t\t3") << "A|abc||3" << 3;
  QTest::newRow("two points in inch") << QByteArray("1\tA\t\t1.2.3\t3") << "A||1.2.3|3" << 3;
  QTest::newRow("fraction letter") << QByteArray("1\tA\t\t1/x\t5") << "A||1/x|5" << 5;
  QTest::newRow("fraction without denominator") << QByteArray("1\tA\t\t1/\t") << "A||1/|" << 0;
  QTest::newRow("size beyond a float") << QByteArray("1\tA\t1E40\t\t") << "A|1E40||" << 0;
  QTest::newRow("control character after a fraction")
      << QByteArray("1\tA\t\t1 1/2\x19\t") << "A||1 1/2|" << 0;
  QTest::newRow("count with trailing blank kept as typed") << QByteArray("1\tA\t4\t\t50 ") << "A|4||50 " << 0;
  QTest::newRow("count with a blank inside") << QByteArray("1\tA\t4\t\t3 6") << "A|4||3 6" << 0;
  QTest::newRow("sixth field joins the count") << QByteArray("1\tA\t4\t\t36\tx") << "A|4||36\tx" << 0;
  QTest::newRow("count too large") << QByteArray("1\tA\t4\t\t2147483648") << "A|4||2147483648" << 0;
}

void WorksheetFileTest::readsRows() {
  QFETCH(QByteArray, line);
  QFETCH(QString, boxes);
  QFETCH(int, count);
  const LoadedWorksheet w = readWorksheetFile("Project\r\n\r\n" + line + "\r\n");
  QCOMPARE(w.Text.Project, QString("Project"));
  QCOMPARE(fields(w, 2), boxes);
  QCOMPARE(lenientBeadCount(asStored(w.Text.Rows[1].BeadCount)), count);
  for (int row : {1, 3, 10}) QCOMPARE(fields(w, row), QString("|||"));
  QCOMPARE(w.CutTexts, QStringList());
}

// A box that holds megabytes makes every key in it take seconds; a file's
// longer text is cut to what a box holds, and the cut is named.
void WorksheetFileTest::longTextsAreCutToWhatABoxHolds() {
  const QByteArray huge(10 * 1000 * 1000, 'p');
  const QByteArray full(kBoxCapacity, 'd');
  const QByteArray file = huge + "\r\n1\t" + full + "\t\t\t\r\n2\t  " + huge + "  \t" + huge + "\t\t" + huge +
                          "\r\n3\t\t\t\t" + QByteArray(kBoxCapacity + 5, ' ') + "12\r\n";
  const LoadedWorksheet w = readWorksheetFile(file);
  QCOMPARE(w.CutTexts, (QStringList{"Project Name", "Description of row 2", "Size MM of row 2",
                                    "Number of Beads of row 2"}));
  QCOMPARE(w.Text.Project, QString(kBoxCapacity, u'p'));
  QCOMPARE(w.Text.Rows[0].Desc, QString::fromLatin1(full));  // exactly full: whole
  QCOMPARE(w.Text.Rows[1].Desc, QString(kBoxCapacity, u'p'));
  QCOMPARE(w.Text.Rows[1].Mm.size(), kBoxCapacity);
  QCOMPARE(w.Text.Rows[1].BeadCount.size(), kBoxCapacity);
  QCOMPARE(w.Text.Rows[2].BeadCount, QString("12"));  // the blanks go, nothing is cut
}

void WorksheetFileTest::roundTripsTextsAndBytes() {
  WorksheetText text;
  text.Project = QString::fromUtf8("Anniversary — «été» set, 42 characters long!!");
  for (int k = 1; k <= kWorksheetRows; ++k)
    text.Rows[k - 1] = {QStringLiteral("Strand %1 ‰€").arg(k), k % 2 ? QString::number(k) : QString(),
                        k % 2 ? QString() : QStringLiteral("%1/16").arg(k), QString::number(k * 7)};
  const QByteArray bytes = worksheetFileBytes(text);
  const LoadedWorksheet loaded = readWorksheetFile(bytes);
  QCOMPARE(loaded.Text.Project, text.Project);
  for (int k = 1; k <= kWorksheetRows; ++k) {
    QCOMPARE(loaded.Text.Rows[k - 1].Desc, text.Rows[k - 1].Desc);
    QCOMPARE(loaded.Text.Rows[k - 1].Mm, text.Rows[k - 1].Mm);
    QCOMPARE(loaded.Text.Rows[k - 1].Inch, text.Rows[k - 1].Inch);
    QCOMPARE(loaded.Text.Rows[k - 1].BeadCount, text.Rows[k - 1].BeadCount);
  }
  QCOMPARE(worksheetFileBytes(loaded.Text), bytes);

  // Every byte a description can hold comes back as the same byte.
  QByteArray all;
  for (int b = 0x21; b <= 0xFF; ++b) all += char(b);
  const QByteArray file = "P\r\n1\tx" + all + "x\t\t\t\r\n" + emptyRows(2);
  const LoadedWorksheet w = readWorksheetFile(file);
  QCOMPARE(worksheetFileBytes(w.Text), file);
}

// The process's file size limit makes a real write fail part way (EFBIG), as
// a full disk does, without needing a disk to fill.
void WorksheetFileTest::failedWriteLeavesTheOldFile_data() {
  QTest::addColumn<int>("limit");  // bytes a file may grow to
  QTest::newRow("nothing can be written") << 0;
  QTest::newRow("part of the file written") << 100;
  QTest::newRow("all but the last byte") << 299;
}

void WorksheetFileTest::failedWriteLeavesTheOldFile() {
  QFETCH(int, limit);
  QTemporaryDir dir;
  const QString path = dir.filePath("w.bws");
  const QByteArray old = "Old worksheet\r\n";
  saveWholeFile(path, old);
  const QByteArray bytes(300, 'n');

  rlimit saved{};
  QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
  rlimit lowered = saved;
  lowered.rlim_cur = rlim_t(limit);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);  // the signal would end the process
  QVERIFY(setrlimit(RLIMIT_FSIZE, &lowered) == 0);
  QString message;
  try {
    saveWholeFile(path, bytes);
  } catch (const FileError& failure) {
    message = QString::fromStdString(failure.what());
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  QCOMPARE(message, QStringLiteral("Cannot save the worksheet to %1: %2").arg(path, qt_error_string(EFBIG)));
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), old);
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"w.bws"});

  // Within the limit the same call writes the whole file.
  saveWholeFile(path, bytes);
  QCOMPARE(loadWholeFile(path), bytes);
}

void WorksheetFileTest::unreadableFileNamesTheReason() {
  QTemporaryDir dir;
  const QString path = dir.filePath("locked.bws");
  saveWholeFile(path, "P\r\n");
  QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
  ObeyFilePermissions permissions;
  if (!permissions.active()) QSKIP(qPrintable(permissions.why()));
  try {
    loadWholeFile(path);
    QFAIL("the file was read");
  } catch (const FileError& failure) {
    QCOMPARE(QString::fromStdString(failure.what()),
             QStringLiteral("Cannot load the worksheet %1: Permission denied").arg(path));
  }
}

namespace {

// The process's peak resident memory (VmHWM), in kB.
qint64 peakMemoryKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLongLong();
  return -1;
}

}  // namespace

void WorksheetFileTest::refusesWhatIsNoWorksheetAtOnce_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("reason");
  QTest::newRow("named pipe") << "fifo"
                              << "it is a pipe (FIFO), not a regular file";
  QTest::newRow("device /dev/zero") << "/dev/zero"
                                    << "it is a device, not a regular file";
  QTest::newRow("folder") << "folder"
                          << "it is a folder, not a file";
  QTest::newRow("/proc file of size 0") << "/proc/self/environ"
                                        << "it is a system file, not a regular file";
  QTest::newRow("socket") << "socket"
                          << "it is a socket, not a regular file";
  QTest::newRow("2 GB sparse file") << "sparse"
                                    << "it is larger than the 4 MB a worksheet file can be";
  QTest::newRow("one byte over the limit") << "over"
                                           << "it is larger than the 4 MB a worksheet file can be";
  QTest::newRow("link to a device") << "link"
                                    << "it is a device, not a regular file";
  QTest::newRow("not there") << "missing" << qt_error_string(ENOENT);
}

// Refused before any reading: a pipe with no writer would block, a device or a
// huge file would fill the memory, all within a moment and without growing.
void WorksheetFileTest::refusesWhatIsNoWorksheetAtOnce() {
  QFETCH(QString, kind);
  QFETCH(QString, reason);
  QTemporaryDir dir;
  const QString path = kind.startsWith(u'/') ? kind : dir.filePath(QStringLiteral("%1.bws").arg(kind));
  int listener = -1;
  if (kind == QLatin1String("fifo")) {
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  } else if (kind == QLatin1String("folder")) {
    QVERIFY(QDir().mkdir(path));
  } else if (kind == QLatin1String("socket")) {
    listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    QVERIFY(size_t(name.size()) < sizeof address.sun_path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    QCOMPARE(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  } else if (kind == QLatin1String("sparse") || kind == QLatin1String("over")) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(
        file.resize(kind == QLatin1String("sparse") ? 2LL * 1024 * 1024 * 1024 : kWorksheetFileLimit + 1));
  } else if (kind == QLatin1String("link")) {
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
  }
  const qint64 peakBefore = peakMemoryKb();
  QElapsedTimer clock;
  clock.start();
  QString message;
  try {
    loadWholeFile(path);
  } catch (const FileError& failure) {
    message = QString::fromStdString(failure.what());
  }
  const qint64 took = clock.elapsed();
  if (listener >= 0) ::close(listener);
  QCOMPARE(message, QStringLiteral("Cannot load the worksheet %1: %2").arg(path, reason));
  QVERIFY2(took < 1000, qPrintable(QStringLiteral("took %1 ms").arg(took)));
  QVERIFY2(peakMemoryKb() - peakBefore < 10 * 1024,
           qPrintable(QStringLiteral("peak memory grew by %1 kB").arg(peakMemoryKb() - peakBefore)));
}

// The limit is the file's size, not a cut: a file at the limit loads whole.
void WorksheetFileTest::readsUpToTheLimit() {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("full.bws"));
  const QByteArray bytes(kWorksheetFileLimit, 'x');
  saveWholeFile(path, bytes);
  QCOMPARE(loadWholeFile(path), bytes);
  saveWholeFile(path, "P\r\n");
  QCOMPARE(loadWholeFile(path, 3), QByteArray("P\r\n"));
  QVERIFY_THROWS_EXCEPTION(FileError, loadWholeFile(path, 2));
  saveWholeFile(path, {});
  QCOMPARE(loadWholeFile(path), QByteArray());
}

void WorksheetFileTest::savingOnAReadOnlyFileSystemNamesIt_data() {
  QTest::addColumn<bool>("existing");
  QTest::newRow("over an existing file") << true;
  QTest::newRow("a new file") << false;
}

// The cause is the file system, whatever the file's own permissions say.
void WorksheetFileTest::savingOnAReadOnlyFileSystemNamesIt() {
  QFETCH(bool, existing);
  QTemporaryDir dir;
  const QString mount = dir.filePath(QStringLiteral("disk"));
  QVERIFY(QDir().mkdir(mount));
  ScopedTmpfs disk(mount, QStringLiteral("size=64k"));
  if (!disk.mounted()) QSKIP(qPrintable(disk.why()));
  const QString path = mount + QStringLiteral("/kept.bws");
  if (existing) saveWholeFile(path, "Old\r\n");
  if (::mount(nullptr, QFile::encodeName(mount).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
    QSKIP(qPrintable(QStringLiteral("cannot remount read-only: ") + qt_error_string(errno)));
  QString message;
  try {
    saveWholeFile(path, "New\r\n");
  } catch (const FileError& failure) {
    message = QString::fromStdString(failure.what());
  }
  QCOMPARE(message, QStringLiteral("Cannot save the worksheet to %1: %2").arg(path, qt_error_string(EROFS)));
  if (existing) QCOMPARE(loadWholeFile(path), QByteArray("Old\r\n"));
}

void WorksheetFileTest::readsANameThatIsNotUtf8() {
  QTemporaryDir dir;
  const QByteArray native = QFile::encodeName(dir.path()) + "/bad\xff\xfename.bws";
  const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
  QVERIFY(fd >= 0);
  QCOMPARE(::write(fd, "Odd\r\n", 5), ssize_t(5));
  ::close(fd);
  const QString path = pathFromNative(native);
  QVERIFY(pathExists(path));
  QCOMPARE(loadWholeFile(path), QByteArray("Odd\r\n"));
  // Qt's own decoding names another file.
  QVERIFY(!pathExists(QFile::decodeName(native)));
  ::unlink(native.constData());  // which QTemporaryDir cannot name either
}

QTEST_GUILESS_MAIN(WorksheetFileTest)
#include "tst_worksheet_file.moc"
