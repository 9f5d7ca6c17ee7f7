#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_window.h"
#include "app/recovery_keeper.h"
#include "core/worksheet_recovery.h"
#include "widget_fixture.h"
#include "widgets/entry_box.h"
#include "worksheet/worksheet_window.h"
#include "worksheet_fixture.h"

using namespace orvane;

Q_DECLARE_METATYPE(UnsavedAnswer)

namespace {

const QByteArray kBracelet = "Bracelet\r\n1\tCrystal\t4\t\t36\r\n";

// The file bytes of a worksheet with the project name "Kept" and 4 mm in row 1.
QByteArray keptBytes() {
  QByteArray out = "Kept\r\n1\t\t4\t\t\r\n";
  for (int k = 2; k <= kWorksheetRows; ++k) out += QByteArray::number(k) + "\t\t\t\t\r\n";
  return out;
}

}  // namespace

// Unsaved rows: the mark in the title, the question before they are replaced
// or the program ends, and the recovery file that outlives a crash.
class UnsavedWorksheetTest : public QObject, protected WorksheetFixture {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();

  void titleMarksUnsavedChanges();
  void replacingUnsavedRowsAsksFirst_data();
  void replacingUnsavedRowsAsksFirst();
  void savedOrUntouchedRowsAreReplacedWithoutAQuestion();
  void endingAsksAboutUnsavedRows_data();
  void endingAsksAboutUnsavedRows();
  void failedSaveKeepsTheProgramRunning();

  void recoveryFileFollowsTheUnsavedRows();
  void leftOverRowsAreOfferedBack_data();
  void leftOverRowsAreOfferedBack();
  void badRecoveryFileIsSetAside();
  void twoCopiesNeverShareARecoveryFile();
  void recoveryThatCannotBeWrittenIsSaidOnce();
  void steadyTypingIsWrittenEverySecond();
  void clearedRowsStayKeptUntilReplaced();
  void everyCrashedCopysRowsAreOffered_data();
  void everyCrashedCopysRowsAreOffered();
  void linkPlantedAtThePathIsNotWrittenThrough();
  void newerVersionFilesAreAllKept();

 private:
  void typeSomething();
  void replace(const QString& how, const QString& path);
  QString recoveryFile() const;
};

void UnsavedWorksheetTest::init() { openWorksheet(); }

void UnsavedWorksheetTest::cleanup() { closeWorksheet(); }

void UnsavedWorksheetTest::typeSomething() {
  type(projectBox(w_), "Kept");
  type(mmBoxes(w_)[0], "4");
}

// Each way a file can come to replace the rows.
void UnsavedWorksheetTest::replace(const QString& how, const QString& path) {
  if (how == "Load") {
    t_->services.openAnswers.push_back(path);
    QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  } else if (how == "Recent") {
    w_->setRecentFiles({path});
    recentButton(w_)->menu()->actions().at(0)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  } else {
    t_->app->openWorksheet(path);  // command line, second start, file manager
  }
}

QString UnsavedWorksheetTest::recoveryFile() const { return t_->app->recovery()->filePath(); }

// ---- the mark ---------------------------------------------------------------

void UnsavedWorksheetTest::titleMarksUnsavedChanges() {
  w_->show();
  QCOMPARE(w_->windowTitle(), QString("Bead Worksheet[*]"));
  QVERIFY(!w_->isWindowModified());
  type(descriptionBoxes(w_)[2], "Clasp");
  QVERIFY(w_->isWindowModified());
  // Typed back as it was: nothing is unsaved.
  giveFocusTo(descriptionBoxes(w_)[2]);
  for (int i = 0; i < 5; ++i) QTest::keyClick(descriptionBoxes(w_)[2], Qt::Key_Backspace);
  QVERIFY(!w_->isWindowModified());
  QVERIFY(t_->services.questions.isEmpty());

  type(countBoxes(w_)[0], "12");
  const QString saved = dir_->filePath("necklace.bws");
  t_->services.saveAnswers.push_back(saved);
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QCOMPARE(w_->windowTitle(), QString("necklace.bws[*] - Bead Worksheet"));
  QVERIFY(!w_->isWindowModified());
  QCOMPARE(w_->windowHandle()->title(), QString("necklace.bws - Bead Worksheet"));
  type(countBoxes(w_)[0], "3");
  QCOMPARE(w_->windowHandle()->title(), QString("necklace.bws* - Bead Worksheet"));

  // Clear All empties a saved worksheet: that is a change too.
  t_->services.openAnswers.push_back(saved);
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QVERIFY(!w_->isWindowModified());
  QTest::mouseClick(clearButton(w_), Qt::LeftButton);
  QVERIFY(w_->isWindowModified());
  // A CSV export keeps the worksheet unsaved: it is no worksheet file.
  t_->services.saveAnswers.push_back(dir_->filePath("figures.csv"));
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QVERIFY(w_->isWindowModified());
  QCOMPARE(w_->windowTitle(), QString("necklace.bws[*] - Bead Worksheet"));
}

// ---- replacing the rows -----------------------------------------------------

void UnsavedWorksheetTest::replacingUnsavedRowsAsksFirst_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<UnsavedAnswer>("answer");
  QTest::addColumn<bool>("chooseSaveFile");
  QTest::addColumn<bool>("loaded");
  for (const char* how : {"Load", "Recent", "Open"}) {
    const QString h = QString::fromLatin1(how);
    QTest::addRow("%s, Cancel", how) << h << UnsavedAnswer::Cancel << false << false;
    QTest::addRow("%s, Discard", how) << h << UnsavedAnswer::Discard << false << true;
    QTest::addRow("%s, Save", how) << h << UnsavedAnswer::Save << true << true;
    QTest::addRow("%s, Save cancelled", how) << h << UnsavedAnswer::Save << false << false;
  }
}

void UnsavedWorksheetTest::replacingUnsavedRowsAsksFirst() {
  QFETCH(QString, how);
  QFETCH(UnsavedAnswer, answer);
  QFETCH(bool, chooseSaveFile);
  QFETCH(bool, loaded);
  const QString bracelet = writeFile("bracelet.bws", kBracelet);
  const QString kept = dir_->filePath("kept.bws");
  typeSomething();
  t_->services.unsavedAnswers.push_back(answer);
  if (chooseSaveFile) t_->services.saveAnswers.push_back(kept);
  replace(how, bracelet);

  QCOMPARE(t_->services.questions.size(), 1);
  QCOMPARE(t_->services.questions[0].caption, QString("Unsaved Worksheet"));
  QCOMPARE(t_->services.questions[0].text,
           QString("The bead worksheet has changes that are not saved.\n\nSave them first?"));
  // Save with no file yet goes through the save dialog; no success box holds
  // the user up on the way.
  QCOMPARE(t_->services.saveRequests.size(), answer == UnsavedAnswer::Save ? 1 : 0);
  QVERIFY(t_->services.messages.isEmpty());
  QCOMPARE(readFile(kept), chooseSaveFile ? keptBytes() : QByteArray());
  QCOMPARE(projectBox(w_)->text(), loaded ? QString("Bracelet") : QString("Kept"));
  QCOMPARE(mmBoxes(w_)[0]->text(), QString("4"));
  QCOMPARE(w_->documentPath(), loaded ? bracelet : QString());
  QCOMPARE(w_->isModified(), !loaded);
}

void UnsavedWorksheetTest::savedOrUntouchedRowsAreReplacedWithoutAQuestion() {
  const QString bracelet = writeFile("bracelet.bws", kBracelet);
  const QString other = writeFile("other.bws", "Other\r\n");
  replace("Load", bracelet);
  replace("Open", other);
  type(projectBox(w_), "x");
  giveFocusTo(projectBox(w_));
  QTest::keyClick(projectBox(w_), Qt::Key_Backspace);
  replace("Recent", bracelet);
  QCOMPARE(projectBox(w_)->text(), QString("Bracelet"));
  QVERIFY(t_->services.questions.isEmpty());

  // Save with a file goes to that file, without a dialog.
  type(countBoxes(w_)[0], "0");
  t_->services.unsavedAnswers.push_back(UnsavedAnswer::Save);
  replace("Load", other);
  QCOMPARE(t_->services.questions.size(), 1);
  QVERIFY(t_->services.questions[0].text.contains("\"bracelet.bws\""));
  QVERIFY(t_->services.saveRequests.isEmpty());
  QVERIFY(readFile(bracelet).startsWith("Bracelet\r\n1\tCrystal\t4\t\t360\r\n"));
  QCOMPARE(projectBox(w_)->text(), QString("Other"));
}

// ---- ending the program -----------------------------------------------------

void UnsavedWorksheetTest::endingAsksAboutUnsavedRows_data() {
  QTest::addColumn<bool>("byClose");
  QTest::addColumn<UnsavedAnswer>("answer");
  QTest::addColumn<bool>("chooseSaveFile");
  QTest::addColumn<bool>("ends");
  for (bool byClose : {false, true}) {
    const char* how = byClose ? "window closed" : "Exit";
    QTest::addRow("%s, Cancel", how) << byClose << UnsavedAnswer::Cancel << false << false;
    QTest::addRow("%s, Discard", how) << byClose << UnsavedAnswer::Discard << false << true;
    QTest::addRow("%s, Save", how) << byClose << UnsavedAnswer::Save << true << true;
    QTest::addRow("%s, Save cancelled", how) << byClose << UnsavedAnswer::Save << false << false;
  }
}

void UnsavedWorksheetTest::endingAsksAboutUnsavedRows() {
  QFETCH(bool, byClose);
  QFETCH(UnsavedAnswer, answer);
  QFETCH(bool, chooseSaveFile);
  QFETCH(bool, ends);
  MainWindow* main = t_->app->mainWindow();
  main->show();
  typeSomething();
  w_->close();  // hidden rows are asked about all the same
  const QString kept = dir_->filePath("kept.bws");
  t_->services.unsavedAnswers.push_back(answer);
  if (chooseSaveFile) t_->services.saveAnswers.push_back(kept);
  if (byClose)
    main->close();
  else
    QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("exitButton")), Qt::LeftButton);

  QCOMPARE(t_->services.questions.size(), 1);
  QVERIFY(w_->isVisible());  // shown with the question
  QCOMPARE(t_->quitRequests, ends ? 1 : 0);
  QCOMPARE(main->isVisible(), !(byClose && ends));
  QCOMPARE(readFile(kept), chooseSaveFile ? keptBytes() : QByteArray());
  QCOMPARE(projectBox(w_)->text(), QString("Kept"));
  QCOMPARE(w_->isModified(), !chooseSaveFile);
}

void UnsavedWorksheetTest::failedSaveKeepsTheProgramRunning() {
  typeSomething();
  t_->services.unsavedAnswers.push_back(UnsavedAnswer::Save);
  t_->services.saveAnswers.push_back(dir_->filePath("no such folder/kept.bws"));
  QVERIFY(!t_->app->quit());
  QCOMPARE(t_->quitRequests, 0);
  QCOMPARE(t_->services.messages.size(), 1);
  QVERIFY2(t_->services.messages[0].text.contains("no such folder"),
           qPrintable(t_->services.messages[0].text));
  QVERIFY(w_->isModified());
  // Nothing unsaved: no question.
  t_->services.reset();
  QTest::mouseClick(clearButton(w_), Qt::LeftButton);
  QVERIFY(t_->app->quit());
  QVERIFY(t_->services.questions.isEmpty());
}

// ---- crash recovery ---------------------------------------------------------

void UnsavedWorksheetTest::recoveryFileFollowsTheUnsavedRows() {
  const QString folder = dir_->filePath("state/Orvane");
  t_->app->keepUnsavedWorksheet(folder, "Test");
  QCOMPARE(recoveryFile(), folder + "/worksheet-Test.json");
  QCOMPARE(QFileInfo(folder).permissions() & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());
  // Pasted: what a worksheet file cannot hold is kept too.
  QApplication::clipboard()->setText("Crystal\t\xe2\x82\xac");
  giveFocusTo(descriptionBoxes(w_)[0]);
  QTest::keyClick(descriptionBoxes(w_)[0], Qt::Key_V, Qt::ControlModifier);
  type(mmBoxes(w_)[0], "4");
  QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(recoveryFile()), 2000);
  RecoveryReading kept = readRecoveryFile(recoveryFile());
  QVERIFY(kept.Worksheet);
  QCOMPARE(kept.Worksheet->Text.Rows[0].Desc, QString("Crystal\t\xe2\x82\xac"));
  QCOMPARE(kept.Worksheet->Text.Rows[0].Mm, QString("4"));

  // Each change is written a moment later.
  type(countBoxes(w_)[0], "36");
  QTRY_COMPARE_WITH_TIMEOUT(readRecoveryFile(recoveryFile()).Worksheet->Text.Rows[0].BeadCount, QString("36"),
                            2000);

  // Saved, the rows need no recovery; changed again, they do.
  t_->services.saveAnswers.push_back(dir_->filePath("saved.bws"));
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(recoveryFile()), 2000);
  type(projectBox(w_), "p");
  QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(recoveryFile()), 2000);
  QCOMPARE(readRecoveryFile(recoveryFile()).Worksheet->Path, dir_->filePath("saved.bws"));

  // A normal end, the rows discarded, leaves no file behind.
  t_->services.unsavedAnswers.push_back(UnsavedAnswer::Discard);
  QVERIFY(t_->app->quit());
  QVERIFY(!QFileInfo::exists(recoveryFile()));
  type(projectBox(w_), "q");
  QTest::qWait(RecoveryKeeper::kDelayMs + 300);
  QVERIFY(!QFileInfo::exists(recoveryFile()));
}

void UnsavedWorksheetTest::leftOverRowsAreOfferedBack_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<bool>("yes");
  QTest::newRow("yes, never saved") << "" << true;
  QTest::newRow("yes, from a file") << "bracelet.bws" << true;
  QTest::newRow("no") << "" << false;
}

void UnsavedWorksheetTest::leftOverRowsAreOfferedBack() {
  QFETCH(QString, file);
  QFETCH(bool, yes);
  const QString folder = dir_->filePath("state");
  const QString path = file.isEmpty() ? QString() : writeFile(file, kBracelet);
  QVERIFY(QDir().mkpath(folder));
  RecoveredWorksheet left;
  left.Path = path;
  left.Text.Project = "Left over";
  left.Text.Rows[1] = {"Seed beads", "", "1/8", "24"};
  saveWholeFile(folder + "/worksheet-Test.json", recoveryFileBytes(left));

  // A fresh start: the worksheet window is not built until it is needed.
  t_ = std::make_unique<TestApp>();
  t_->app->keepUnsavedWorksheet(folder, "Test");
  t_->services.yesNoAnswers.push_back(yes);
  t_->app->offerUnsavedWorksheet();
  QCOMPARE(t_->services.questions.size(), 1);
  QCOMPARE(t_->services.questions[0].caption, QString("Restore Worksheet"));
  QVERIFY(t_->services.questions[0].text.startsWith("Restore the unsaved worksheet?"));
  QVERIFY(t_->services.messages.isEmpty());
  if (!yes) {
    QCOMPARE(t_->app->builtWindows().size(), 1);
    QVERIFY(!QFileInfo::exists(recoveryFile()));
    return;
  }
  w_ = t_->app->worksheetWindow();
  QVERIFY(w_->isVisible());
  QCOMPARE(projectBox(w_)->text(), QString("Left over"));
  QCOMPARE(inchBoxes(w_)[1]->text(), QString("1/8"));
  QCOMPARE(lengthBoxes(w_)[1]->text(), QString("3.00"));
  QVERIFY(w_->isModified());
  QCOMPARE(w_->documentPath(), path);
  QCOMPARE(w_->windowTitle(), file.isEmpty() ? QString("Bead Worksheet[*]") : file + "[*] - Bead Worksheet");
  // Still kept until saved or discarded.
  QVERIFY(QFileInfo::exists(recoveryFile()));
  t_->services.unsavedAnswers.push_back(UnsavedAnswer::Cancel);
  QVERIFY(!t_->app->quit());
  QCOMPARE(t_->services.questions.size(), 2);
}

void UnsavedWorksheetTest::badRecoveryFileIsSetAside() {
  const QString folder = dir_->filePath("state");
  QVERIFY(QDir().mkpath(folder));
  const QString file = folder + "/worksheet-Test.json";
  const struct {
    QByteArray bytes;
    bool offered, setAside;
  } cases[] = {{"Necklace\r\n1\tCrystal\t4\t\t36\r\n", false, true},
               {"{\"format\": \"orvane-worksheet-recovery\", \"version\": 1}", false, true},
               {recoveryFileBytes({}), false, false}};
  for (const auto& c : cases) {
    QFile::remove(file + ".bad");
    saveWholeFile(file, c.bytes);
    t_ = std::make_unique<TestApp>();
    t_->app->keepUnsavedWorksheet(folder, "Test");
    t_->app->offerUnsavedWorksheet();
    QVERIFY(t_->services.questions.isEmpty());
    QVERIFY(!QFileInfo::exists(file));
    QCOMPARE(QFileInfo::exists(file + ".bad"), c.setAside);
    QCOMPARE(t_->services.messages.size(), c.setAside ? 1 : 0);
    if (c.setAside) {
      QVERIFY(t_->services.messages[0].text.contains(file + ".bad"));
      QCOMPARE(readFile(file + ".bad"), c.bytes);
    }
  }
}

// The second copy under one name takes a file of its own; the first one's
// file is not offered to it.
void UnsavedWorksheetTest::twoCopiesNeverShareARecoveryFile() {
  const QString folder = dir_->filePath("state");
  t_->app->keepUnsavedWorksheet(folder, "Test");
  typeSomething();
  t_->app->recovery()->writeNow();
  QVERIFY(QFileInfo::exists(recoveryFile()));

  TestApp second;
  second.app->keepUnsavedWorksheet(folder, "Test");
  QCOMPARE(second.app->recovery()->filePath(), folder + "/worksheet-Test-2.json");
  second.app->offerUnsavedWorksheet();
  QVERIFY(second.services.questions.isEmpty());
  QVERIFY(QFileInfo::exists(recoveryFile()));

  TestApp otherName;
  otherName.app->keepUnsavedWorksheet(folder, "Beads");
  QCOMPARE(otherName.app->recovery()->filePath(), folder + "/worksheet-Beads.json");
}

// A state folder that cannot be made: the user hears of it once, not on
// every key, and the worksheet goes on as before.
void UnsavedWorksheetTest::recoveryThatCannotBeWrittenIsSaidOnce() {
  const QString blocker = writeFile("state", "a file where the folder should be");
  t_->app->keepUnsavedWorksheet(blocker + "/Orvane", "Test");
  QVERIFY(recoveryFile().isEmpty());
  type(projectBox(w_), "Kept");
  QTRY_COMPARE_WITH_TIMEOUT(t_->services.messages.size(), 1, 2000);
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Warning);
  QVERIFY2(t_->services.messages[0].text.contains(blocker + "/Orvane"),
           qPrintable(t_->services.messages[0].text));
  type(mmBoxes(w_)[0], "4");
  QTest::qWait(RecoveryKeeper::kDelayMs + 300);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(projectBox(w_)->text(), QString("Kept"));
}

// Each key comes before the last one's wait is over: the rows are written
// all the same, at most a second after the first change.
void UnsavedWorksheetTest::steadyTypingIsWrittenEverySecond() {
  t_->app->keepUnsavedWorksheet(dir_->filePath("state"), "Test");
  giveFocusTo(descriptionBoxes(w_)[0]);
  QElapsedTimer clock;
  clock.start();
  QString typed;
  qint64 firstSeen = -1;
  while (clock.elapsed() < 2 * RecoveryKeeper::kDelayMs + 500) {
    QTest::keyClick(descriptionBoxes(w_)[0], Qt::Key_A);
    typed += u'a';
    QTest::qWait(120);
    if (firstSeen < 0 && QFileInfo::exists(recoveryFile())) firstSeen = clock.elapsed();
  }
  QVERIFY2(firstSeen >= 0 && firstSeen <= RecoveryKeeper::kDelayMs + 300,
           qPrintable(QString::number(firstSeen)));
  // What was typed a second ago is in the file while the typing goes on.
  const RecoveryReading kept = readRecoveryFile(recoveryFile());
  QVERIFY(kept.Worksheet);
  QVERIFY2(kept.Worksheet->Text.Rows[0].Desc.size() >= typed.size() - 12,
           qPrintable(kept.Worksheet->Text.Rows[0].Desc));
}

// Clear All of unsaved rows: the file keeps them while Ctrl+Z can bring them
// back; rows typed afterwards replace them.
void UnsavedWorksheetTest::clearedRowsStayKeptUntilReplaced() {
  t_->app->keepUnsavedWorksheet(dir_->filePath("state"), "Test");
  typeSomething();
  t_->app->recovery()->writeNow();
  QTest::mouseClick(clearButton(w_), Qt::LeftButton);
  QVERIFY(!w_->isModified());
  QTest::qWait(RecoveryKeeper::kDelayMs + 300);
  RecoveryReading kept = readRecoveryFile(recoveryFile());
  QVERIFY(kept.Worksheet);
  QCOMPARE(kept.Worksheet->Text.Project, QString("Kept"));
  QCOMPARE(kept.Worksheet->Text.Rows[0].Mm, QString("4"));

  giveFocusTo(clearButton(w_));
  QTest::keyClick(clearButton(w_), Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(projectBox(w_)->text(), QString("Kept"));
  QVERIFY(w_->isModified());

  QTest::mouseClick(clearButton(w_), Qt::LeftButton);
  type(descriptionBoxes(w_)[1], "Other");
  t_->app->recovery()->writeNow();
  kept = readRecoveryFile(recoveryFile());
  QVERIFY(kept.Worksheet);
  QCOMPARE(kept.Worksheet->Text.Project, QString());
  QCOMPARE(kept.Worksheet->Text.Rows[1].Desc, QString("Other"));

  // Cleared rows that were saved need no recovery: the file has them.
  t_->services.saveAnswers.push_back(dir_->filePath("saved.bws"));
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QTest::mouseClick(clearButton(w_), Qt::LeftButton);
  t_->app->recovery()->writeNow();
  QVERIFY(w_->isModified());  // emptied, unlike the file
  QVERIFY(!QFileInfo::exists(recoveryFile()));
}

// Two copies under one name crashed: both files are offered, one after the
// other; the second over the first asks about the first as a Load does.
void UnsavedWorksheetTest::everyCrashedCopysRowsAreOffered_data() {
  QTest::addColumn<QList<bool>>("yes");
  QTest::addColumn<QList<UnsavedAnswer>>("replaceAnswer");
  QTest::addColumn<QString>("shown");     // the project restored last
  QTest::addColumn<QStringList>("left");  // the files still there afterwards
  QTest::newRow("both declined") << QList<bool>{false, false} << QList<UnsavedAnswer>{} << ""
                                 << QStringList{};
  QTest::newRow("first taken") << QList<bool>{true, false} << QList<UnsavedAnswer>{} << "First copy"
                               << QStringList{"worksheet-Test.json"};
  QTest::newRow("second taken") << QList<bool>{false, true} << QList<UnsavedAnswer>{} << "Second copy"
                                << QStringList{"worksheet-Test.json"};
  QTest::newRow("both, the first discarded")
      << QList<bool>{true, true} << QList<UnsavedAnswer>{UnsavedAnswer::Discard} << "Second copy"
      << QStringList{"worksheet-Test.json"};
  QTest::newRow("both, Cancel keeps the second for later")
      << QList<bool>{true, true} << QList<UnsavedAnswer>{UnsavedAnswer::Cancel} << "First copy"
      << QStringList{"worksheet-Test-2.json", "worksheet-Test.json"};
}

void UnsavedWorksheetTest::everyCrashedCopysRowsAreOffered() {
  QFETCH(QList<bool>, yes);
  QFETCH(QList<UnsavedAnswer>, replaceAnswer);
  QFETCH(QString, shown);
  QFETCH(QStringList, left);
  const QString folder = dir_->filePath("state");
  QVERIFY(QDir().mkpath(folder));
  const char* projects[] = {"First copy", "Second copy"};
  for (int n = 0; n < 2; ++n) {
    RecoveredWorksheet crashed;
    crashed.Text.Project = projects[n];
    saveWholeFile(folder + "/" + recoveryFileName("Test", n + 1), recoveryFileBytes(crashed));
  }
  t_ = std::make_unique<TestApp>();
  t_->app->keepUnsavedWorksheet(folder, "Test");
  for (bool answer : yes) t_->services.yesNoAnswers.push_back(answer);
  for (UnsavedAnswer answer : replaceAnswer) t_->services.unsavedAnswers.push_back(answer);
  t_->app->offerUnsavedWorksheet();
  QCOMPARE(t_->services.questions.size(), 2 + replaceAnswer.size());
  if (!shown.isEmpty()) {
    w_ = t_->app->worksheetWindow();
    QCOMPARE(projectBox(w_)->text(), shown);
    // The rows restored are this copy's to keep now.
    QCOMPARE(readRecoveryFile(recoveryFile()).Worksheet->Text.Project, shown);
  }
  QCOMPARE(QDir(folder).entryList({"*.json"}, QDir::Files, QDir::Name), left);
}

// A link put at the recovery path while the program runs is replaced by the
// file; what it pointed at stays as it was.
void UnsavedWorksheetTest::linkPlantedAtThePathIsNotWrittenThrough() {
  const QString folder = dir_->filePath("state");
  QVERIFY(QDir().mkpath(folder));
  QVERIFY(QFile::setPermissions(
      folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
  t_->app->keepUnsavedWorksheet(folder, "Test");
  QCOMPARE(QFileInfo(folder).permissions() & (QFile::ReadOther | QFile::ExeOther), QFile::Permissions());
  const QString target = writeFile("bashrc", "precious");
  QVERIFY(QFile::link(target, recoveryFile()));
  typeSomething();
  t_->app->recovery()->writeNow();
  QCOMPARE(readFile(target), QByteArray("precious"));
  QVERIFY(!QFileInfo(recoveryFile()).isSymLink());
  QCOMPARE(readRecoveryFile(recoveryFile()).Worksheet->Text.Project, QString("Kept"));
  QCOMPARE(QFileInfo(recoveryFile()).permissions() &
               (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
           QFile::Permissions());
}

// Files of a newer version, left by two runs: each is kept under a number of
// its own, and the message says where.
void UnsavedWorksheetTest::newerVersionFilesAreAllKept() {
  const QString folder = dir_->filePath("state");
  QVERIFY(QDir().mkpath(folder));
  const QString file = folder + "/worksheet-Test.json";
  const QByteArray newer[] = {R"({"format": "orvane-worksheet-recovery", "version": 2, "first": 1})",
                              R"({"format": "orvane-worksheet-recovery", "version": 3, "second": 2})"};
  const QString asides[] = {file + ".bad", file + ".bad.2"};
  for (int n = 0; n < 2; ++n) {
    saveWholeFile(file, newer[n]);
    t_ = std::make_unique<TestApp>();
    t_->app->keepUnsavedWorksheet(folder, "Test");
    t_->app->offerUnsavedWorksheet();
    QCOMPARE(t_->services.messages.size(), 1);
    QVERIFY2(t_->services.messages[0].text.contains("another version") &&
                 t_->services.messages[0].text.contains(asides[n]),
             qPrintable(t_->services.messages[0].text));
  }
  for (int n = 0; n < 2; ++n) QCOMPARE(readFile(asides[n]), newer[n]);
}

QTEST_MAIN(UnsavedWorksheetTest)
#include "tst_unsaved_worksheet.moc"
