#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "core/worksheet_recovery.h"

using namespace orvane;

using Damage = std::function<void(QJsonObject&)>;
Q_DECLARE_METATYPE(Damage)

namespace {

RecoveredWorksheet sampleWorksheet() {
  RecoveredWorksheet w;
  w.Path = "/home/a/Worksheet/necklace.bws";
  w.Text.Project = "Summer \"blue\" necklace";
  w.Text.Rows[0] = {"Crystal\trondelle", "4", "", "36"};
  w.Text.Rows[3] = {QString::fromUtf8("Perle \xe2\x80\x94 \xf0\x9f\x92\x8e"), "", "1 1/8", "2147483648"};
  w.Text.Rows[9] = {QString(kBoxCapacity, u'x'), "", "", "5 "};
  return w;
}

QString fields(const WorksheetText& t) {
  QStringList out{t.Project};
  for (const WorksheetRowText& row : t.Rows) out << row.Desc << row.Mm << row.Inch << row.BeadCount;
  return out.join(u'|');
}

}  // namespace

class WorksheetRecoveryTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void folderFollowsTheStateHome_data();
  void folderFollowsTheStateHome();
  void fileNamesKeepCopiesApart_data();
  void fileNamesKeepCopiesApart();
  void keepsEveryTypedCharacter();
  void refusesAnythingButItsOwnFormat_data();
  void refusesAnythingButItsOwnFormat();
  void refusesOddFilesBeforeReading_data();
  void refusesOddFilesBeforeReading();
  void setsABadFileAside();
  void writeNeverFollowsALink();
  void looseFolderIsTightened();
};

void WorksheetRecoveryTest::folderFollowsTheStateHome_data() {
  QTest::addColumn<QString>("stateHome");
  QTest::addColumn<QString>("home");
  QTest::addColumn<QString>("folder");
  QTest::newRow("state home set") << "/s/state"
                                  << "/home/a"
                                  << "/s/state/Orvane";
  QTest::newRow("state home unset") << ""
                                    << "/home/a"
                                    << "/home/a/.local/state/Orvane";
  QTest::newRow("relative state home is ignored") << "state"
                                                  << "/home/a"
                                                  << "/home/a/.local/state/Orvane";
  QTest::newRow("trailing separator") << "/s/state/"
                                      << "/home/a"
                                      << "/s/state/Orvane";
  QTest::newRow("neither") << ""
                           << ""
                           << "";
}

void WorksheetRecoveryTest::folderFollowsTheStateHome() {
  QFETCH(QString, stateHome);
  QFETCH(QString, home);
  QFETCH(QString, folder);
  QCOMPARE(recoveryFolder(stateHome, home), folder);
}

void WorksheetRecoveryTest::fileNamesKeepCopiesApart_data() {
  QTest::addColumn<QString>("instance");
  QTest::addColumn<int>("slot");
  QTest::addColumn<QString>("name");
  QTest::newRow("the program") << "Orvane" << 1 << "worksheet-Orvane.json";
  QTest::newRow("a second copy of it") << "Orvane" << 2 << "worksheet-Orvane-2.json";
  QTest::newRow("a copy under another name") << "Beads" << 1 << "worksheet-Beads.json";
  QTest::newRow("a separator stays inside the folder") << "../x" << 1 << "worksheet-.._x.json";
}

void WorksheetRecoveryTest::fileNamesKeepCopiesApart() {
  QFETCH(QString, instance);
  QFETCH(int, slot);
  QFETCH(QString, name);
  QCOMPARE(recoveryFileName(instance, slot), name);
}

// What a worksheet file cannot hold (TABs, characters outside its code page,
// a count that reads as none) comes back as typed.
void WorksheetRecoveryTest::keepsEveryTypedCharacter() {
  const RecoveredWorksheet sample = sampleWorksheet();
  const QByteArray bytes = recoveryFileBytes(sample);
  QVERIFY(bytes.size() < kRecoveryFileLimit);
  const RecoveryReading back = parseRecoveryBytes(bytes);
  QVERIFY2(back.Worksheet, qPrintable(back.Problem));
  QCOMPARE(back.Worksheet->Path, sample.Path);
  QCOMPARE(fields(back.Worksheet->Text), fields(sample.Text));

  const RecoveryReading blank = parseRecoveryBytes(recoveryFileBytes({}));
  QVERIFY(blank.Worksheet);
  QCOMPARE(fields(blank.Worksheet->Text), fields(WorksheetText{}));
  QVERIFY(blank.Worksheet->Path.isEmpty());
}

void WorksheetRecoveryTest::refusesAnythingButItsOwnFormat_data() {
  QTest::addColumn<Damage>("damage");
  QTest::addColumn<QString>("problem");
  auto rows = [](QJsonObject& o, const std::function<void(QJsonArray&)>& change) {
    QJsonArray list = o["rows"].toArray();
    change(list);
    o["rows"] = list;
  };
  QTest::newRow("another format") << Damage([](QJsonObject& o) { o["format"] = "something-else"; })
                                  << "not a recovery file";
  QTest::newRow("no format") << Damage([](QJsonObject& o) { o.remove("format"); }) << "not a recovery file";
  QTest::newRow("a later version") << Damage([](QJsonObject& o) { o["version"] = 2; }) << "another version";
  QTest::newRow("no rows") << Damage([](QJsonObject& o) { o.remove("rows"); }) << "damaged";
  QTest::newRow("nine rows") << Damage([rows](QJsonObject& o) {
    rows(o, [](QJsonArray& l) { l.removeLast(); });
  }) << "damaged";
  QTest::newRow("eleven rows") << Damage([rows](QJsonObject& o) {
    rows(o, [](QJsonArray& l) { l.append(l.first()); });
  }) << "damaged";
  QTest::newRow("a row that is no object")
      << Damage([rows](QJsonObject& o) { rows(o, [](QJsonArray& l) { l[4] = "row"; }); }) << "damaged";
  QTest::newRow("a count as a number") << Damage([rows](QJsonObject& o) {
    rows(o, [](QJsonArray& l) {
      QJsonObject r = l[0].toObject();
      r["beads"] = 36;
      l[0] = r;
    });
  }) << "damaged";
  QTest::newRow("a field missing") << Damage([rows](QJsonObject& o) {
    rows(o, [](QJsonArray& l) {
      QJsonObject r = l[9].toObject();
      r.remove("inch");
      l[9] = r;
    });
  }) << "damaged";
  QTest::newRow("a project name no box holds")
      << Damage([](QJsonObject& o) { o["project"] = QString(kBoxCapacity + 1, u'p'); }) << "damaged";
  QTest::newRow("no project") << Damage([](QJsonObject& o) { o.remove("project"); }) << "damaged";
}

void WorksheetRecoveryTest::refusesAnythingButItsOwnFormat() {
  QFETCH(Damage, damage);
  QFETCH(QString, problem);
  QJsonObject root = QJsonDocument::fromJson(recoveryFileBytes(sampleWorksheet())).object();
  damage(root);
  const RecoveryReading reading = parseRecoveryBytes(QJsonDocument(root).toJson());
  QVERIFY(!reading.Worksheet);
  QVERIFY2(reading.Problem.contains(problem), qPrintable(reading.Problem));
}

// Each is refused at once: a pipe would block the start, a huge file would
// take the memory, a link may lead anywhere.
void WorksheetRecoveryTest::refusesOddFilesBeforeReading_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("problem");
  QTest::newRow("empty file") << "empty"
                              << "not a recovery file";
  QTest::newRow("worksheet file") << "bws"
                                  << "not a recovery file";
  QTest::newRow("JSON cut short") << "cut"
                                  << "not a recovery file";
  QTest::newRow("FIFO") << "fifo"
                        << "not a regular file";
  QTest::newRow("directory") << "dir"
                             << "not a regular file";
  QTest::newRow("link") << "link"
                        << "a link";
  QTest::newRow("huge sparse file") << "huge"
                                    << "larger than";
}

void WorksheetRecoveryTest::refusesOddFilesBeforeReading() {
  QFETCH(QString, kind);
  QFETCH(QString, problem);
  QTemporaryDir dir;
  const QString path = dir.filePath("worksheet-Orvane.json");
  auto write = [&](const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
  };
  if (kind == "empty") write({});
  if (kind == "bws") write("Necklace\r\n1\tCrystal\t4\t\t36\r\n");
  if (kind == "cut") write(recoveryFileBytes(sampleWorksheet()).left(300));
  if (kind == "fifo") QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  if (kind == "dir") QVERIFY(QDir().mkdir(path));
  if (kind == "link") {
    const QString target = dir.filePath("elsewhere.json");
    QFile f(target);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(recoveryFileBytes(sampleWorksheet()));
    f.close();
    QVERIFY(QFile::link(target, path));
  }
  if (kind == "huge") {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(qint64(2) * 1024 * 1024 * 1024));
  }
  QElapsedTimer clock;
  clock.start();
  const RecoveryReading reading = readRecoveryFile(path);
  QVERIFY(clock.elapsed() < 1000);
  QVERIFY(!reading.Worksheet);
  QVERIFY2(reading.Problem.contains(problem), qPrintable(reading.Problem));
}

// Each bad file is kept under a number of its own: none replaces an older one.
void WorksheetRecoveryTest::setsABadFileAside() {
  QTemporaryDir dir;
  const QString path = dir.filePath("worksheet-Orvane.json");
  const QStringList asides{path + ".bad", path + ".bad.2", path + ".bad.3"};
  const QByteArray contents[] = {"first bad", "second bad"};
  for (int n = 0; n < 2; ++n) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contents[n]);
    f.close();
    QCOMPARE(setAsideRecoveryFile(path), asides[n]);
    QVERIFY(!QFile::exists(path));
  }
  for (int n = 0; n < 2; ++n) {
    QFile aside(asides[n]);
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), contents[n]);
  }
  QVERIFY(QDir().mkdir(path));
  QCOMPARE(setAsideRecoveryFile(path), asides[2]);
  QVERIFY(QFileInfo(asides[2]).isDir());
  QVERIFY(!QFileInfo::exists(path));
}

// A link planted at the path is replaced, its target untouched; the file is
// the owner's alone.
void WorksheetRecoveryTest::writeNeverFollowsALink() {
  QTemporaryDir dir;
  const QString path = dir.filePath("worksheet-Orvane.json");
  const QString target = dir.filePath("precious.txt");
  {
    QFile f(target);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("keep me");
  }
  QVERIFY(QFile::link(target, path));
  writeRecoveryFile(path, "{}");
  QVERIFY(!QFileInfo(path).isSymLink());
  QFile written(path), precious(target);
  QVERIFY(written.open(QIODevice::ReadOnly) && precious.open(QIODevice::ReadOnly));
  QCOMPARE(written.readAll(), QByteArray("{}"));
  QCOMPARE(precious.readAll(), QByteArray("keep me"));
  QCOMPARE(QFileInfo(path).permissions() &
               ~(QFile::ReadUser | QFile::WriteUser | QFile::ReadOwner | QFile::WriteOwner),
           QFile::Permissions());
  // Nothing else is left in the folder.
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden).size(), 2);

  // A folder that cannot take the file says so.
  QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                           writeRecoveryFile(dir.filePath("missing/worksheet.json"), "{}"));
}

void WorksheetRecoveryTest::looseFolderIsTightened() {
  QTemporaryDir dir;
  const QString folder = dir.filePath("Orvane");
  QVERIFY(QDir().mkdir(folder));
  QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                            QFile::ExeOther));
  QVERIFY(tightenRecoveryFolder(folder));
  QCOMPARE(QFileInfo(folder).permissions() & (QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                              QFile::ExeOther | QFile::WriteGroup | QFile::WriteOther),
           QFile::Permissions());
  QVERIFY(!tightenRecoveryFolder(dir.filePath("absent")));
}

QTEST_APPLESS_MAIN(WorksheetRecoveryTest)
#include "tst_worksheet_recovery.moc"
