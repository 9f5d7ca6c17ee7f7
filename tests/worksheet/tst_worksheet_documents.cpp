#include <sys/stat.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "file_conditions.h"
#include "widget_fixture.h"
#include "widgets/entry_box.h"
#include "worksheet/worksheet_window.h"
#include "worksheet_fixture.h"

using namespace orvane;

// The worksheet as a document: opened by path, kept in a recent list,
// exported for a spreadsheet.
class WorksheetDocumentsTest : public QObject, protected WorksheetFixture {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();

  void loadFileFillsTheWorksheet();
  void loadFileRefusesWhatIsNoFile_data();
  void loadFileRefusesWhatIsNoFile();
  void unreadableFileChangesNothing();

  void recentListFollowsLoadsAndSaves();
  void recentEntryReopensItsFile();
  void missingRecentEntryIsDroppedWithAMessage();

  void csvSaveWritesTheFigures_data();
  void csvSaveWritesTheFigures();
  void csvTakesWhatAWorksheetFileCannotHold();
  void failedCsvSaveLeavesNoFile();

 private:
  void fillSample();
  QStringList menuEntries() const;
  void chooseRecent(int index);
};

void WorksheetDocumentsTest::init() { openWorksheet(); }

void WorksheetDocumentsTest::cleanup() { closeWorksheet(); }

void WorksheetDocumentsTest::fillSample() {
  type(projectBox(w_), "Summer necklace, \"blue\"");
  type(descriptionBoxes(w_)[0], "Crystal rondelle");
  type(mmBoxes(w_)[0], "4");
  type(countBoxes(w_)[0], "100");
  type(descriptionBoxes(w_)[1], "Seed beads");
  type(mmBoxes(w_)[1], "");
  type(inchBoxes(w_)[1], "1/8");
  type(countBoxes(w_)[1], "24");
  type(descriptionBoxes(w_)[4], "Clasp");
}

QStringList WorksheetDocumentsTest::menuEntries() const {
  QStringList entries;
  for (QAction* action : recentButton(w_)->menu()->actions())
    entries << (action->isEnabled() ? action->text() : "(" + action->text() + ")");
  return entries;
}

// As a click on the entry does; popping the menu up would wait for the user.
void WorksheetDocumentsTest::chooseRecent(int index) {
  recentButton(w_)->menu()->actions().at(index)->trigger();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---- opening a file by its path ---------------------------------------------

void WorksheetDocumentsTest::loadFileFillsTheWorksheet() {
  const QString path =
      writeFile("bracelet.bws", "Bracelet\r\n1\tCrystal\t4\t\t36\r\n2\r\n3\tSeed beads\t\t1/8\t24\r\n");
  type(descriptionBoxes(w_)[6], "left over");
  w_->loadFile(path);
  QCOMPARE(t_->services.messages.size(), 0);
  QCOMPARE(projectBox(w_)->text(), QString("Bracelet"));
  QCOMPARE(descriptionBoxes(w_)[0]->text(), QString("Crystal"));
  QCOMPARE(countBoxes(w_)[0]->text(), QString("36"));
  QCOMPARE(perInchBoxes(w_)[2]->text(), QString("8.00"));
  QCOMPARE(lengthBoxes(w_)[2]->text(), QString("3.00"));
  QCOMPARE(descriptionBoxes(w_)[6]->text(), QString());
  QVERIFY(!totalBox(w_)->text().isEmpty());
  QCOMPARE(w_->lastWorksheetFile(), path);
  QCOMPARE(w_->recentFiles(), QStringList{path});
}

void WorksheetDocumentsTest::loadFileRefusesWhatIsNoFile_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("reason");
  QTest::newRow("no such file") << "gone" << qt_error_string(ENOENT);
  QTest::newRow("a folder") << "folder"
                            << "it is a folder, not a file";
  QTest::newRow("a named pipe") << "fifo"
                                << "it is a pipe (FIFO), not a regular file";
  QTest::newRow("over the size limit") << "huge"
                                       << "it is larger than the 4 MB a worksheet file can be";
}

// loadFile is what the command line and a second start call: the message
// names the file and the true cause, and nothing changes.
void WorksheetDocumentsTest::loadFileRefusesWhatIsNoFile() {
  QFETCH(QString, kind);
  QFETCH(QString, reason);
  const QString path = dir_->filePath(kind + ".bws");
  if (kind == "folder") QVERIFY(QDir().mkdir(path));
  if (kind == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  if (kind == "huge") {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(2LL * 1024 * 1024 * 1024));
  }
  type(projectBox(w_), "Kept");
  type(mmBoxes(w_)[0], "4");
  const QStringList before = allTexts();
  w_->loadFile(path);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QCOMPARE(t_->services.messages[0].text,
           QStringLiteral("Cannot load the worksheet %1: %2.").arg(path, reason));
  QCOMPARE(allTexts(), before);
  QVERIFY(w_->lastWorksheetFile().isEmpty());
  QVERIFY(w_->recentFiles().isEmpty());
}

void WorksheetDocumentsTest::unreadableFileChangesNothing() {
  const QString path = writeFile("locked.bws", "Locked\r\n1\tA\t4\t\t10\r\n");
  QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
  type(projectBox(w_), "Kept");
  const QStringList before = allTexts();
  ObeyFilePermissions permissions;
  if (!permissions.active()) QSKIP(qPrintable(permissions.why()));
  w_->loadFile(path);  // reported, not thrown
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QCOMPARE(t_->services.messages[0].text,
           QStringLiteral("Cannot load the worksheet %1: %2.").arg(path, qt_error_string(EACCES)));
  QCOMPARE(allTexts(), before);
  QVERIFY(w_->recentFiles().isEmpty());
}

// ---- the recent list --------------------------------------------------------

void WorksheetDocumentsTest::recentListFollowsLoadsAndSaves() {
  QCOMPARE(menuEntries(), QStringList{"(No recent worksheets)"});
  QSignalSpy changed(w_, &WorksheetWindow::recentFilesChanged);
  QStringList saved;
  for (const char* name : {"a.bws", "b.bws", "c.bws"}) {
    saved << dir_->filePath(name);
    t_->services.saveAnswers.push_back(saved.last());
    QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  }
  QCOMPARE(w_->recentFiles(), (QStringList{saved[2], saved[1], saved[0]}));
  t_->services.openAnswers.push_back(saved[0]);
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QCOMPARE(w_->recentFiles(), (QStringList{saved[0], saved[2], saved[1]}));
  QCOMPARE(changed.size(), 4);
  QCOMPARE(changed.last().at(0).toStringList(), w_->recentFiles());
  QCOMPARE(menuEntries(), (QStringList{"&1 " + saved[0], "&2 " + saved[2], "&3 " + saved[1]}));

  // Saving the file that is first already changes nothing.
  t_->services.saveAnswers.push_back(saved[0]);
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QCOMPARE(changed.size(), 4);

  for (const char* name : {"d.bws", "e.bws", "f.bws"}) {
    saved << dir_->filePath(name);
    t_->services.saveAnswers.push_back(saved.last());
    QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  }
  QCOMPARE(w_->recentFiles(), (QStringList{saved[5], saved[4], saved[3], saved[0], saved[2]}));
  QCOMPARE(menuEntries().size(), 5);

  // A cancelled dialog and a failed load are no use of a file.
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  t_->services.openAnswers.push_back(dir_->filePath("never.bws"));
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QCOMPARE(w_->recentFiles(), (QStringList{saved[5], saved[4], saved[3], saved[0], saved[2]}));
}

void WorksheetDocumentsTest::recentEntryReopensItsFile() {
  fillSample();
  const QStringList filled = allTexts();
  const QString first = dir_->filePath("first.bws");
  t_->services.saveAnswers.push_back(first);
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QTest::mouseClick(clearButton(w_), Qt::LeftButton);
  type(projectBox(w_), "Other");
  t_->services.saveAnswers.push_back(dir_->filePath("other.bws"));
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  t_->services.messages.clear();

  QCOMPARE(menuEntries().at(1), "&2 " + first);
  chooseRecent(1);
  QCOMPARE(t_->services.messages.size(), 0);
  QCOMPARE(allTexts(), filled);
  QCOMPARE(w_->lastWorksheetFile(), first);
  QCOMPARE(w_->recentFiles().first(), first);
  QCOMPARE(menuEntries().at(0), "&1 " + first);
}

void WorksheetDocumentsTest::missingRecentEntryIsDroppedWithAMessage() {
  const QString kept = writeFile("kept&sons.bws", "Kept\r\n");
  const QString gone = dir_->filePath("gone.bws");
  w_->setRecentFiles({gone, kept});
  QCOMPARE(menuEntries(), (QStringList{"&1 " + gone, "&2 " + QString(kept).replace("&", "&&")}));
  type(projectBox(w_), "Unchanged");
  const QStringList before = allTexts();
  QSignalSpy changed(w_, &WorksheetWindow::recentFilesChanged);

  chooseRecent(0);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Error"));
  QCOMPARE(t_->services.messages[0].text,
           "Error: Bead Worksheet not Loaded.\r\n\r\n" + gone +
               "\r\n\r\nThe file is no longer there; it has been taken off the list of recent worksheets.");
  QCOMPARE(allTexts(), before);
  QCOMPARE(w_->recentFiles(), QStringList{kept});
  QCOMPARE(changed.size(), 1);
  QCOMPARE(changed[0].at(0).toStringList(), QStringList{kept});

  chooseRecent(0);
  QCOMPARE(projectBox(w_)->text(), QString("Kept"));
}

// ---- CSV export -------------------------------------------------------------

void WorksheetDocumentsTest::csvSaveWritesTheFigures_data() {
  QTest::addColumn<QString>("name");
  QTest::newRow("lower case") << "costing.csv";
  QTest::newRow("upper case") << "COSTING.CSV";
}

void WorksheetDocumentsTest::csvSaveWritesTheFigures() {
  QFETCH(QString, name);
  fillSample();
  const QString path = dir_->filePath(name);
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.saveRequests.at(0).filter,
           QString("Bead Worksheet        (*.bws);;CSV (*.csv);;All Files                       (*.*)"));
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].text, QString("Success:  Bead Worksheet Saved."));

  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray expected =
      "Project,Row,Description,Size MM,Size Inch,Size Inch as Typed,Number of Beads,Beads per Inch,Length "
      "Inches\r\n"
      "\"Summer necklace, \"\"blue\"\"\",1,Crystal rondelle,4,,,100,6.35,15.75\r\n"
      "\"Summer necklace, \"\"blue\"\"\",2,Seed beads,,0.125,'1/8,24,8.00,3.00\r\n"
      "\"Summer necklace, \"\"blue\"\"\",5,Clasp,,,,,,\r\n"
      "\"Summer necklace, \"\"blue\"\"\",Total,,,,,,,18.75\r\n";
  QCOMPARE(file.readAll(), expected);

  // An export is not the worksheet's file: Load and the recent list keep to
  // worksheets.
  QVERIFY(w_->lastWorksheetFile().isEmpty());
  QVERIFY(w_->recentFiles().isEmpty());
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.openRequests.at(0).filter,
           QString("Bead Worksheet        (*.bws);;All Files                       (*.*)"));
}

void WorksheetDocumentsTest::csvTakesWhatAWorksheetFileCannotHold() {
  descriptionBoxes(w_)[0]->setText(QString::fromUtf8("Perle \xe6\xb0\xb4\xe6\x99\xb6"));  // pasted
  t_->services.saveAnswers.push_back(dir_->filePath("refused.bws"));
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QVERIFY(!QFile::exists(dir_->filePath("refused.bws")));
  t_->services.messages.clear();

  const QString path = dir_->filePath("taken.csv");
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].text, QString("Success:  Bead Worksheet Saved."));
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY(file.readAll().contains(",1,Perle \xe6\xb0\xb4\xe6\x99\xb6,,,,,,\r\n"));
}

void WorksheetDocumentsTest::failedCsvSaveLeavesNoFile() {
  fillSample();
  const QString path = dir_->filePath("missing/costing.csv");
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QVERIFY2(t_->services.messages[0].text.startsWith("Cannot save the worksheet to " + path + ": "),
           qPrintable(t_->services.messages[0].text));
  QVERIFY(!QFile::exists(path));
  QCOMPARE(QDir(dir_->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

QTEST_MAIN(WorksheetDocumentsTest)
#include "tst_worksheet_documents.moc"
