#include <QDir>
#include <QTest>

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
  QCOMPARE(WithRecentFile(list, path), expected);
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
  QCOMPARE(WithoutRecentFile(list, path), expected);
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
  QCOMPARE(TidyRecentFiles(stored), expected);
}

QTEST_GUILESS_MAIN(RecentFilesTest)
#include "tst_recent_files.moc"
