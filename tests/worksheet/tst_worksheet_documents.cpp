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

using namespace orvane;

// The worksheet as a document: opened by path, kept in a recent list,
// exported for a spreadsheet.
class WorksheetDocumentsTest : public QObject {
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
  void Type(EntryBox* box, const QString& text);
  void FillSample();
  QStringList AllTexts() const;
  QString WriteFile(const QString& name, const QByteArray& bytes);
  QStringList MenuEntries() const;
  void ChooseRecent(int index);

  std::unique_ptr<TestApp> t_;
  WorksheetWindow* w_ = nullptr;
  std::unique_ptr<QTemporaryDir> dir_;
  ModalDialogGuard guard_;
};

void WorksheetDocumentsTest::init() {
  t_ = std::make_unique<TestApp>();
  w_ = t_->app->worksheetWindow();
  dir_ = std::make_unique<QTemporaryDir>();
}

void WorksheetDocumentsTest::cleanup() {
  QVERIFY2(!guard_.Tripped(), qPrintable(guard_.Seen()));
  t_.reset();
  dir_.reset();
}

void WorksheetDocumentsTest::Type(EntryBox* box, const QString& text) {
  if (QApplication::focusWidget() != box) FocusWidget(box);
  TypeText(box, text);
  QTest::keyClick(box, Qt::Key_Return);
}

void WorksheetDocumentsTest::FillSample() {
  Type(w_->projectBox, "Summer necklace, \"blue\"");
  Type(w_->descriptionBoxes[0], "Crystal rondelle");
  Type(w_->mmBoxes[0], "4");
  Type(w_->countBoxes[0], "100");
  Type(w_->descriptionBoxes[1], "Seed beads");
  Type(w_->mmBoxes[1], "");
  Type(w_->inchBoxes[1], "1/8");
  Type(w_->countBoxes[1], "24");
  Type(w_->descriptionBoxes[4], "Clasp");
}

QStringList WorksheetDocumentsTest::AllTexts() const {
  QStringList texts{w_->projectBox->text(), w_->totalBox->text()};
  for (int i = 0; i < kWorksheetRows; ++i)
    for (EntryBox* box : {w_->descriptionBoxes[i], w_->mmBoxes[i], w_->inchBoxes[i], w_->countBoxes[i],
                          w_->perInchBoxes[i], w_->lengthBoxes[i]})
      texts << box->text();
  return texts;
}

QString WorksheetDocumentsTest::WriteFile(const QString& name, const QByteArray& bytes) {
  const QString path = dir_->filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
  return path;
}

QStringList WorksheetDocumentsTest::MenuEntries() const {
  QStringList entries;
  for (QAction* action : w_->recentButton->menu()->actions())
    entries << (action->isEnabled() ? action->text() : "(" + action->text() + ")");
  return entries;
}

// As a click on the entry does; popping the menu up would wait for the user.
void WorksheetDocumentsTest::ChooseRecent(int index) {
  w_->recentButton->menu()->actions().at(index)->trigger();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---- opening a file by its path ---------------------------------------------

void WorksheetDocumentsTest::loadFileFillsTheWorksheet() {
  const QString path =
      WriteFile("bracelet.bws", "Bracelet\r\n1\tCrystal\t4\t\t36\r\n2\r\n3\tSeed beads\t\t1/8\t24\r\n");
  Type(w_->descriptionBoxes[6], "left over");
  w_->LoadFile(path);
  QCOMPARE(t_->services.messages.size(), 0);
  QCOMPARE(w_->projectBox->text(), QString("Bracelet"));
  QCOMPARE(w_->descriptionBoxes[0]->text(), QString("Crystal"));
  QCOMPARE(w_->countBoxes[0]->text(), QString("36"));
  QCOMPARE(w_->perInchBoxes[2]->text(), QString("8.00"));
  QCOMPARE(w_->lengthBoxes[2]->text(), QString("3.00"));
  QCOMPARE(w_->descriptionBoxes[6]->text(), QString());
  QVERIFY(!w_->totalBox->text().isEmpty());
  QCOMPARE(w_->lastWorksheetFile, path);
  QCOMPARE(w_->RecentFiles(), QStringList{path});
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

// LoadFile is what the command line and a second start call: the message
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
  Type(w_->projectBox, "Kept");
  Type(w_->mmBoxes[0], "4");
  const QStringList before = AllTexts();
  w_->LoadFile(path);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QCOMPARE(t_->services.messages[0].text,
           QStringLiteral("Cannot load the worksheet %1: %2.").arg(path, reason));
  QCOMPARE(AllTexts(), before);
  QVERIFY(w_->lastWorksheetFile.isEmpty());
  QVERIFY(w_->RecentFiles().isEmpty());
}

void WorksheetDocumentsTest::unreadableFileChangesNothing() {
  const QString path = WriteFile("locked.bws", "Locked\r\n1\tA\t4\t\t10\r\n");
  QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
  Type(w_->projectBox, "Kept");
  const QStringList before = AllTexts();
  ObeyFilePermissions permissions;
  if (!permissions.Active()) QSKIP(qPrintable(permissions.Why()));
  w_->LoadFile(path);  // reported, not thrown
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QCOMPARE(t_->services.messages[0].text,
           QStringLiteral("Cannot load the worksheet %1: %2.").arg(path, qt_error_string(EACCES)));
  QCOMPARE(AllTexts(), before);
  QVERIFY(w_->RecentFiles().isEmpty());
}

// ---- the recent list --------------------------------------------------------

void WorksheetDocumentsTest::recentListFollowsLoadsAndSaves() {
  QCOMPARE(MenuEntries(), QStringList{"(No recent worksheets)"});
  QSignalSpy changed(w_, &WorksheetWindow::recentFilesChanged);
  QStringList saved;
  for (const char* name : {"a.bws", "b.bws", "c.bws"}) {
    saved << dir_->filePath(name);
    t_->services.saveAnswers.push_back(saved.last());
    QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  }
  QCOMPARE(w_->RecentFiles(), (QStringList{saved[2], saved[1], saved[0]}));
  t_->services.openAnswers.push_back(saved[0]);
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QCOMPARE(w_->RecentFiles(), (QStringList{saved[0], saved[2], saved[1]}));
  QCOMPARE(changed.size(), 4);
  QCOMPARE(changed.last().at(0).toStringList(), w_->RecentFiles());
  QCOMPARE(MenuEntries(), (QStringList{"&1 " + saved[0], "&2 " + saved[2], "&3 " + saved[1]}));

  // Saving the file that is first already changes nothing.
  t_->services.saveAnswers.push_back(saved[0]);
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  QCOMPARE(changed.size(), 4);

  for (const char* name : {"d.bws", "e.bws", "f.bws"}) {
    saved << dir_->filePath(name);
    t_->services.saveAnswers.push_back(saved.last());
    QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  }
  QCOMPARE(w_->RecentFiles(), (QStringList{saved[5], saved[4], saved[3], saved[0], saved[2]}));
  QCOMPARE(MenuEntries().size(), 5);

  // A cancelled dialog and a failed load are no use of a file.
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  t_->services.openAnswers.push_back(dir_->filePath("never.bws"));
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QCOMPARE(w_->RecentFiles(), (QStringList{saved[5], saved[4], saved[3], saved[0], saved[2]}));
}

void WorksheetDocumentsTest::recentEntryReopensItsFile() {
  FillSample();
  const QStringList filled = AllTexts();
  const QString first = dir_->filePath("first.bws");
  t_->services.saveAnswers.push_back(first);
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  QTest::mouseClick(w_->clearButton, Qt::LeftButton);
  Type(w_->projectBox, "Other");
  t_->services.saveAnswers.push_back(dir_->filePath("other.bws"));
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  t_->services.messages.clear();

  QCOMPARE(MenuEntries().at(1), "&2 " + first);
  ChooseRecent(1);
  QCOMPARE(t_->services.messages.size(), 0);
  QCOMPARE(AllTexts(), filled);
  QCOMPARE(w_->lastWorksheetFile, first);
  QCOMPARE(w_->RecentFiles().first(), first);
  QCOMPARE(MenuEntries().at(0), "&1 " + first);
}

void WorksheetDocumentsTest::missingRecentEntryIsDroppedWithAMessage() {
  const QString kept = WriteFile("kept&sons.bws", "Kept\r\n");
  const QString gone = dir_->filePath("gone.bws");
  w_->SetRecentFiles({gone, kept});
  QCOMPARE(MenuEntries(), (QStringList{"&1 " + gone, "&2 " + QString(kept).replace("&", "&&")}));
  Type(w_->projectBox, "Unchanged");
  const QStringList before = AllTexts();
  QSignalSpy changed(w_, &WorksheetWindow::recentFilesChanged);

  ChooseRecent(0);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Error"));
  QCOMPARE(t_->services.messages[0].text,
           "Error: Bead Worksheet not Loaded.\r\n\r\n" + gone +
               "\r\n\r\nThe file is no longer there; it has been taken off the list of recent worksheets.");
  QCOMPARE(AllTexts(), before);
  QCOMPARE(w_->RecentFiles(), QStringList{kept});
  QCOMPARE(changed.size(), 1);
  QCOMPARE(changed[0].at(0).toStringList(), QStringList{kept});

  ChooseRecent(0);
  QCOMPARE(w_->projectBox->text(), QString("Kept"));
}

// ---- CSV export -------------------------------------------------------------

void WorksheetDocumentsTest::csvSaveWritesTheFigures_data() {
  QTest::addColumn<QString>("name");
  QTest::newRow("lower case") << "costing.csv";
  QTest::newRow("upper case") << "COSTING.CSV";
}

void WorksheetDocumentsTest::csvSaveWritesTheFigures() {
  QFETCH(QString, name);
  FillSample();
  const QString path = dir_->filePath(name);
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
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
  QVERIFY(w_->lastWorksheetFile.isEmpty());
  QVERIFY(w_->RecentFiles().isEmpty());
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QCOMPARE(t_->services.openRequests.at(0).filter,
           QString("Bead Worksheet        (*.bws);;All Files                       (*.*)"));
}

void WorksheetDocumentsTest::csvTakesWhatAWorksheetFileCannotHold() {
  w_->descriptionBoxes[0]->setText(QString::fromUtf8("Perle \xe6\xb0\xb4\xe6\x99\xb6"));  // pasted
  t_->services.saveAnswers.push_back(dir_->filePath("refused.bws"));
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  QVERIFY(!QFile::exists(dir_->filePath("refused.bws")));
  t_->services.messages.clear();

  const QString path = dir_->filePath("taken.csv");
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].text, QString("Success:  Bead Worksheet Saved."));
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY(file.readAll().contains(",1,Perle \xe6\xb0\xb4\xe6\x99\xb6,,,,,,\r\n"));
}

void WorksheetDocumentsTest::failedCsvSaveLeavesNoFile() {
  FillSample();
  const QString path = dir_->filePath("missing/costing.csv");
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QVERIFY2(t_->services.messages[0].text.startsWith("Cannot save the worksheet to " + path + ": "),
           qPrintable(t_->services.messages[0].text));
  QVERIFY(!QFile::exists(path));
  QCOMPARE(QDir(dir_->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

QTEST_MAIN(WorksheetDocumentsTest)
#include "tst_worksheet_documents.moc"
