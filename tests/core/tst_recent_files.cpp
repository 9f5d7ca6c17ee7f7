#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "core/native_path.h"
#include "core/recent_files.h"

using namespace orvane;

class RecentFilesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void addingPutsTheFileFirst_data();
  void addingPutsTheFileFirst();
  void removing_data();
  void removing();
  void tidyingWhatTheSettingsHeld_data();
  void tidyingWhatTheSettingsHeld();
  void damagedSettingsGiveWhatIsUsable_data();
  void damagedSettingsGiveWhatIsUsable();
  void namesThatAreNotUtf8OutliveTheSettingsFile();
};

void RecentFilesTest::addingPutsTheFileFirst_data() {
  QTest::addColumn<QStringList>("list");
  QTest::addColumn<QString>("path");
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("into an empty list") << QStringList{} << "/w/a.bws" << QStringList{"/w/a.bws"};
  QTest::newRow("before the others") << QStringList{"/w/a.bws", "/w/b.bws"} << "/w/c.bws"
                                     << QStringList{"/w/c.bws", "/w/a.bws", "/w/b.bws"};
  QTest::newRow("one already there moves up") << QStringList{"/w/a.bws", "/w/b.bws", "/w/c.bws"} << "/w/c.bws"
                                              << QStringList{"/w/c.bws", "/w/a.bws", "/w/b.bws"};
  QTest::newRow("the first stays first")
      << QStringList{"/w/a.bws", "/w/b.bws"} << "/w/a.bws" << QStringList{"/w/a.bws", "/w/b.bws"};
  QTest::newRow("the same file by another path")
      << QStringList{"/w/a.bws", "/w/b.bws"} << "/w/x/../b.bws" << QStringList{"/w/b.bws", "/w/a.bws"};
  QTest::newRow("the sixth drops the oldest")
      << QStringList{"/1.bws", "/2.bws", "/3.bws", "/4.bws", "/5.bws"} << "/6.bws"
      << QStringList{"/6.bws", "/1.bws", "/2.bws", "/3.bws", "/4.bws"};
  QTest::newRow("a full list reordered, not cut")
      << QStringList{"/1.bws", "/2.bws", "/3.bws", "/4.bws", "/5.bws"} << "/5.bws"
      << QStringList{"/5.bws", "/1.bws", "/2.bws", "/3.bws", "/4.bws"};
  QTest::newRow("names differing in case are two files")
      << QStringList{"/w/A.bws"} << "/w/a.bws" << QStringList{"/w/a.bws", "/w/A.bws"};
  QTest::newRow("a relative path is made absolute")
      << QStringList{} << "rel.bws" << QStringList{QDir::current().absoluteFilePath("rel.bws")};
}

void RecentFilesTest::addingPutsTheFileFirst() {
  QFETCH(QStringList, list);
  QFETCH(QString, path);
  QFETCH(QStringList, expected);
  QCOMPARE(withRecentFile(list, path), expected);
}

void RecentFilesTest::removing_data() {
  QTest::addColumn<QStringList>("list");
  QTest::addColumn<QString>("path");
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("from the middle") << QStringList{"/a.bws", "/b.bws", "/c.bws"} << "/b.bws"
                                   << QStringList{"/a.bws", "/c.bws"};
  QTest::newRow("the only one") << QStringList{"/a.bws"} << "/a.bws" << QStringList{};
  QTest::newRow("by another path") << QStringList{"/w/a.bws", "/w/b.bws"} << "/w//a.bws"
                                   << QStringList{"/w/b.bws"};
  QTest::newRow("one not listed") << QStringList{"/a.bws"} << "/z.bws" << QStringList{"/a.bws"};
}

void RecentFilesTest::removing() {
  QFETCH(QStringList, list);
  QFETCH(QString, path);
  QFETCH(QStringList, expected);
  QCOMPARE(withoutRecentFile(list, path), expected);
}

void RecentFilesTest::tidyingWhatTheSettingsHeld_data() {
  QTest::addColumn<QStringList>("stored");
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("nothing") << QStringList{} << QStringList{};
  QTest::newRow("empty entries dropped") << QStringList{"", "/a.bws", ""} << QStringList{"/a.bws"};
  QTest::newRow("the later of two dropped")
      << QStringList{"/a.bws", "/b.bws", "/a.bws"} << QStringList{"/a.bws", "/b.bws"};
  QTest::newRow("more than five cut, order kept")
      << QStringList{"/1", "/2", "/3", "/4", "/5", "/6", "/7"} << QStringList{"/1", "/2", "/3", "/4", "/5"};
  QTest::newRow("five after dropping a repeat")
      << QStringList{"/1", "/1", "/2", "/3", "/4", "/5", "/6"} << QStringList{"/1", "/2", "/3", "/4", "/5"};
}

void RecentFilesTest::tidyingWhatTheSettingsHeld() {
  QFETCH(QStringList, stored);
  QFETCH(QStringList, expected);
  QCOMPARE(tidyRecentFiles(stored), expected);
}

void RecentFilesTest::damagedSettingsGiveWhatIsUsable_data() {
  QTest::addColumn<QByteArray>("value");  // as the settings file holds it
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("a sound list") << QByteArray("/a.bws, /b.bws") << QStringList{"/a.bws", "/b.bws"};
  QTest::newRow("one entry") << QByteArray("/a.bws") << QStringList{"/a.bws"};
  QTest::newRow("empty") << QByteArray() << QStringList{};
  QTest::newRow("a rectangle") << QByteArray("@Rect(1 2 3 4)") << QStringList{};
  QTest::newRow("a size") << QByteArray("@Size(10 20)") << QStringList{};
  QTest::newRow("a list with a point in it")
      << QByteArray("/a.bws, @Point(1 2), /b.bws") << QStringList{"/a.bws", "/b.bws"};
  QTest::newRow("garbage variant") << QByteArray("@Variant(\\0\\0\\0\\x7f\\xff\\xfe)") << QStringList{};
  QTest::newRow("unknown type") << QByteArray("@Variant(\\0\\0\\x10\\0\\0)") << QStringList{};
  QTest::newRow("bytes with a NUL") << QByteArray("@ByteArray(\\0\\x1\\xff)") << QStringList{};
  QTest::newRow("a path longer than any") << "/" + QByteArray(100000, 'x') << QStringList{};
  QTest::newRow("ten megabytes") << QByteArray(10 * 1024 * 1024, 'x').prepend('/') << QStringList{};
  QByteArray many;
  for (int i = 0; i < 100000; ++i) many += "/" + QByteArray::number(i) + ".bws, ";
  QTest::newRow("a hundred thousand entries")
      << many << QStringList{"/0.bws", "/1.bws", "/2.bws", "/3.bws", "/4.bws"};
}

// The settings file as a user's editor or a broken disk may leave it, read by
// QSettings as the program reads it.
void RecentFilesTest::damagedSettingsGiveWhatIsUsable() {
  QFETCH(QByteArray, value);
  QFETCH(QStringList, expected);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Orvane.conf"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("[General]\nRecentWorksheets=" + value + "\n");
  file.close();
  const QSettings settings(path, QSettings::IniFormat);
  QCOMPARE(recentFilesFromSetting(settings.value(QStringLiteral("RecentWorksheets"))), expected);
}

void RecentFilesTest::namesThatAreNotUtf8OutliveTheSettingsFile() {
  const QStringList list{pathFromNative("/tmp/bad\xff\xfename.bws"), QStringLiteral("/tmp/good.bws"),
                         QString::fromUtf8("/tmp/Perlen \xc3\xa4.bws")};
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Orvane.conf"));
  {
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(QStringLiteral("RecentWorksheets"), recentFilesSetting(list));
  }
  const QSettings settings(path, QSettings::IniFormat);
  const QStringList back = recentFilesFromSetting(settings.value(QStringLiteral("RecentWorksheets")));
  QCOMPARE(back, list);
  QCOMPARE(nativePath(back[0]), QByteArray("/tmp/bad\xff\xfename.bws"));
  // A relative name is made absolute with its bytes kept.
  const QStringList added = withRecentFile({}, pathFromNative("bad\xff\xfe.bws"));
  QCOMPARE(nativePath(added.value(0)), QFile::encodeName(QDir::currentPath()) + "/bad\xff\xfe.bws");
  // A list of sound names stays the plain list of texts it always was.
  QCOMPARE(recentFilesSetting(list.mid(1)).typeId(), QMetaType::QStringList);
}

QTEST_GUILESS_MAIN(RecentFilesTest)
#include "tst_recent_files.moc"
