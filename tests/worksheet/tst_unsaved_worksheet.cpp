#include <QAction>
#include <QClipboard>
#include <QDir>
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

using namespace orvane;

Q_DECLARE_METATYPE(UnsavedAnswer)

namespace {

const QByteArray kBracelet = "Bracelet\r\n1\tCrystal\t4\t\t36\r\n";

// The file bytes of a worksheet with the project name "Kept" and 4 mm in row 1.
QByteArray KeptBytes() {
  QByteArray out = "Kept\r\n1\t\t4\t\t\r\n";
  for (int k = 2; k <= kWorksheetRows; ++k) out += QByteArray::number(k) + "\t\t\t\t\r\n";
  return out;
}

}  // namespace

// Unsaved rows: the mark in the title, the question before they are replaced
// or the program ends, and the recovery file that outlives a crash.
class UnsavedWorksheetTest : public QObject {
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

 private:
  void Type(EntryBox* box, const QString& text);
  void TypeSomething();
  QString WriteFile(const QString& name, const QByteArray& bytes);
  QByteArray ReadFile(const QString& path);
  void Replace(const QString& how, const QString& path);
  QString RecoveryFile() const;

  std::unique_ptr<TestApp> t_;
  WorksheetWindow* w_ = nullptr;
  std::unique_ptr<QTemporaryDir> dir_;
  ModalDialogGuard guard_;
};

void UnsavedWorksheetTest::init() {
  t_ = std::make_unique<TestApp>();
  w_ = t_->app->worksheetWindow();
  dir_ = std::make_unique<QTemporaryDir>();
}

void UnsavedWorksheetTest::cleanup() {
  QVERIFY2(!guard_.Tripped(), qPrintable(guard_.Seen()));
  t_.reset();
  dir_.reset();
}

void UnsavedWorksheetTest::Type(EntryBox* box, const QString& text) {
  if (QApplication::focusWidget() != box) FocusWidget(box);
  TypeText(box, text);
  QTest::keyClick(box, Qt::Key_Return);
}

void UnsavedWorksheetTest::TypeSomething() {
  Type(w_->projectBox, "Kept");
  Type(w_->mmBoxes[0], "4");
}

QString UnsavedWorksheetTest::WriteFile(const QString& name, const QByteArray& bytes) {
  const QString path = dir_->filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
  return path;
}

QByteArray UnsavedWorksheetTest::ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each way a file can come to replace the rows.
void UnsavedWorksheetTest::Replace(const QString& how, const QString& path) {
  if (how == "Load") {
    t_->services.openAnswers.push_back(path);
    QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  } else if (how == "Recent") {
    w_->SetRecentFiles({path});
    w_->recentButton->menu()->actions().at(0)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  } else {
    t_->app->OpenWorksheet(path);  // command line, second start, file manager
  }
}

QString UnsavedWorksheetTest::RecoveryFile() const { return t_->app->Recovery()->FilePath(); }

// ---- the mark ---------------------------------------------------------------

void UnsavedWorksheetTest::titleMarksUnsavedChanges() {
  w_->show();
  QCOMPARE(w_->windowTitle(), QString("Bead Worksheet[*]"));
  QVERIFY(!w_->isWindowModified());
  Type(w_->descriptionBoxes[2], "Clasp");
  QVERIFY(w_->isWindowModified());
  // Typed back as it was: nothing is unsaved.
  FocusWidget(w_->descriptionBoxes[2]);
  for (int i = 0; i < 5; ++i) QTest::keyClick(w_->descriptionBoxes[2], Qt::Key_Backspace);
  QVERIFY(!w_->isWindowModified());
  QVERIFY(t_->services.questions.isEmpty());

  Type(w_->countBoxes[0], "12");
  const QString saved = dir_->filePath("necklace.bws");
  t_->services.saveAnswers.push_back(saved);
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  QCOMPARE(w_->windowTitle(), QString("necklace.bws[*] - Bead Worksheet"));
  QVERIFY(!w_->isWindowModified());
  QCOMPARE(w_->windowHandle()->title(), QString("necklace.bws - Bead Worksheet"));
  Type(w_->countBoxes[0], "3");
  QCOMPARE(w_->windowHandle()->title(), QString("necklace.bws* - Bead Worksheet"));

  // Clear All empties a saved worksheet: that is a change too.
  t_->services.openAnswers.push_back(saved);
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QVERIFY(!w_->isWindowModified());
  QTest::mouseClick(w_->clearButton, Qt::LeftButton);
  QVERIFY(w_->isWindowModified());
  // A CSV export keeps the worksheet unsaved: it is no worksheet file.
  t_->services.saveAnswers.push_back(dir_->filePath("figures.csv"));
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
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
  const QString bracelet = WriteFile("bracelet.bws", kBracelet);
  const QString kept = dir_->filePath("kept.bws");
  TypeSomething();
  t_->services.unsavedAnswers.push_back(answer);
  if (chooseSaveFile) t_->services.saveAnswers.push_back(kept);
  Replace(how, bracelet);

  QCOMPARE(t_->services.questions.size(), 1);
  QCOMPARE(t_->services.questions[0].caption, QString("Unsaved Worksheet"));
  QCOMPARE(t_->services.questions[0].text,
           QString("The bead worksheet has changes that are not saved.\n\nSave them first?"));
  // Save with no file yet goes through the save dialog; no success box holds
  // the user up on the way.
  QCOMPARE(t_->services.saveRequests.size(), answer == UnsavedAnswer::Save ? 1 : 0);
  QVERIFY(t_->services.messages.isEmpty());
  QCOMPARE(ReadFile(kept), chooseSaveFile ? KeptBytes() : QByteArray());
  QCOMPARE(w_->projectBox->text(), loaded ? QString("Bracelet") : QString("Kept"));
  QCOMPARE(w_->mmBoxes[0]->text(), QString("4"));
  QCOMPARE(w_->DocumentPath(), loaded ? bracelet : QString());
  QCOMPARE(w_->IsModified(), !loaded);
}

void UnsavedWorksheetTest::savedOrUntouchedRowsAreReplacedWithoutAQuestion() {
  const QString bracelet = WriteFile("bracelet.bws", kBracelet);
  const QString other = WriteFile("other.bws", "Other\r\n");
  Replace("Load", bracelet);
  Replace("Open", other);
  Type(w_->projectBox, "x");
  FocusWidget(w_->projectBox);
  QTest::keyClick(w_->projectBox, Qt::Key_Backspace);
  Replace("Recent", bracelet);
  QCOMPARE(w_->projectBox->text(), QString("Bracelet"));
  QVERIFY(t_->services.questions.isEmpty());

  // Save with a file goes to that file, without a dialog.
  Type(w_->countBoxes[0], "0");
  t_->services.unsavedAnswers.push_back(UnsavedAnswer::Save);
  Replace("Load", other);
  QCOMPARE(t_->services.questions.size(), 1);
  QVERIFY(t_->services.questions[0].text.contains("\"bracelet.bws\""));
  QVERIFY(t_->services.saveRequests.isEmpty());
  QVERIFY(ReadFile(bracelet).startsWith("Bracelet\r\n1\tCrystal\t4\t\t360\r\n"));
  QCOMPARE(w_->projectBox->text(), QString("Other"));
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
  TypeSomething();
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
  QCOMPARE(ReadFile(kept), chooseSaveFile ? KeptBytes() : QByteArray());
  QCOMPARE(w_->projectBox->text(), QString("Kept"));
  QCOMPARE(w_->IsModified(), !chooseSaveFile);
}

void UnsavedWorksheetTest::failedSaveKeepsTheProgramRunning() {
  TypeSomething();
  t_->services.unsavedAnswers.push_back(UnsavedAnswer::Save);
  t_->services.saveAnswers.push_back(dir_->filePath("no such folder/kept.bws"));
  QVERIFY(!t_->app->Quit());
  QCOMPARE(t_->quitRequests, 0);
  QCOMPARE(t_->services.messages.size(), 1);
  QVERIFY2(t_->services.messages[0].text.contains("no such folder"),
           qPrintable(t_->services.messages[0].text));
  QVERIFY(w_->IsModified());
  // Nothing unsaved: no question.
  t_->services.Reset();
  QTest::mouseClick(w_->clearButton, Qt::LeftButton);
  QVERIFY(t_->app->Quit());
  QVERIFY(t_->services.questions.isEmpty());
}

// ---- crash recovery ---------------------------------------------------------

void UnsavedWorksheetTest::recoveryFileFollowsTheUnsavedRows() {
  const QString folder = dir_->filePath("state/Orvane");
  t_->app->KeepUnsavedWorksheet(folder, "Test");
  QCOMPARE(RecoveryFile(), folder + "/worksheet-Test.json");
  QCOMPARE(QFileInfo(folder).permissions() & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());
  // Pasted: what a worksheet file cannot hold is kept too.
  QApplication::clipboard()->setText("Crystal\t\xe2\x82\xac");
  FocusWidget(w_->descriptionBoxes[0]);
  QTest::keyClick(w_->descriptionBoxes[0], Qt::Key_V, Qt::ControlModifier);
  Type(w_->mmBoxes[0], "4");
  QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(RecoveryFile()), 2000);
  RecoveryReading kept = ReadRecoveryFile(RecoveryFile());
  QVERIFY(kept.Worksheet);
  QCOMPARE(kept.Worksheet->Text.Rows[0].Desc, QString("Crystal\t\xe2\x82\xac"));
  QCOMPARE(kept.Worksheet->Text.Rows[0].Mm, QString("4"));

  // Each change is written a moment later.
  Type(w_->countBoxes[0], "36");
  QTRY_COMPARE_WITH_TIMEOUT(ReadRecoveryFile(RecoveryFile()).Worksheet->Text.Rows[0].Nob, QString("36"),
                            2000);

  // Saved, the rows need no recovery; changed again, they do.
  t_->services.saveAnswers.push_back(dir_->filePath("saved.bws"));
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(RecoveryFile()), 2000);
  Type(w_->projectBox, "p");
  QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(RecoveryFile()), 2000);
  QCOMPARE(ReadRecoveryFile(RecoveryFile()).Worksheet->Path, dir_->filePath("saved.bws"));

  // A normal end, the rows discarded, leaves no file behind.
  t_->services.unsavedAnswers.push_back(UnsavedAnswer::Discard);
  QVERIFY(t_->app->Quit());
  QVERIFY(!QFileInfo::exists(RecoveryFile()));
  Type(w_->projectBox, "q");
  QTest::qWait(RecoveryKeeper::kDelayMs + 300);
  QVERIFY(!QFileInfo::exists(RecoveryFile()));
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
  const QString path = file.isEmpty() ? QString() : WriteFile(file, kBracelet);
  QVERIFY(QDir().mkpath(folder));
  RecoveredWorksheet left;
  left.Path = path;
  left.Text.Project = "Left over";
  left.Text.Rows[1] = {"Seed beads", "", "1/8", "24"};
  SaveWholeFile(folder + "/worksheet-Test.json", RecoveryFileBytes(left));

  // A fresh start: the worksheet window is not built until it is needed.
  t_ = std::make_unique<TestApp>();
  t_->app->KeepUnsavedWorksheet(folder, "Test");
  t_->services.yesNoAnswers.push_back(yes);
  t_->app->OfferUnsavedWorksheet();
  QCOMPARE(t_->services.questions.size(), 1);
  QCOMPARE(t_->services.questions[0].caption, QString("Restore Worksheet"));
  QVERIFY(t_->services.questions[0].text.startsWith("Restore the unsaved worksheet?"));
  QVERIFY(t_->services.messages.isEmpty());
  if (!yes) {
    QCOMPARE(t_->app->BuiltWindows().size(), 1);
    QVERIFY(!QFileInfo::exists(RecoveryFile()));
    return;
  }
  w_ = t_->app->worksheetWindow();
  QVERIFY(w_->isVisible());
  QCOMPARE(w_->projectBox->text(), QString("Left over"));
  QCOMPARE(w_->inchBoxes[1]->text(), QString("1/8"));
  QCOMPARE(w_->lengthBoxes[1]->text(), QString("3.00"));
  QVERIFY(w_->IsModified());
  QCOMPARE(w_->DocumentPath(), path);
  QCOMPARE(w_->windowTitle(), file.isEmpty() ? QString("Bead Worksheet[*]") : file + "[*] - Bead Worksheet");
  // Still kept until saved or discarded.
  QVERIFY(QFileInfo::exists(RecoveryFile()));
  t_->services.unsavedAnswers.push_back(UnsavedAnswer::Cancel);
  QVERIFY(!t_->app->Quit());
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
               {RecoveryFileBytes({}), false, false}};
  for (const auto& c : cases) {
    QFile::remove(file + ".bad");
    SaveWholeFile(file, c.bytes);
    t_ = std::make_unique<TestApp>();
    t_->app->KeepUnsavedWorksheet(folder, "Test");
    t_->app->OfferUnsavedWorksheet();
    QVERIFY(t_->services.questions.isEmpty());
    QVERIFY(!QFileInfo::exists(file));
    QCOMPARE(QFileInfo::exists(file + ".bad"), c.setAside);
    QCOMPARE(t_->services.messages.size(), c.setAside ? 1 : 0);
    if (c.setAside) {
      QVERIFY(t_->services.messages[0].text.contains(file + ".bad"));
      QCOMPARE(ReadFile(file + ".bad"), c.bytes);
    }
  }
}

// The second copy under one name takes a file of its own; the first one's
// file is not offered to it.
void UnsavedWorksheetTest::twoCopiesNeverShareARecoveryFile() {
  const QString folder = dir_->filePath("state");
  t_->app->KeepUnsavedWorksheet(folder, "Test");
  TypeSomething();
  t_->app->Recovery()->WriteNow();
  QVERIFY(QFileInfo::exists(RecoveryFile()));

  TestApp second;
  second.app->KeepUnsavedWorksheet(folder, "Test");
  QCOMPARE(second.app->Recovery()->FilePath(), folder + "/worksheet-Test-2.json");
  second.app->OfferUnsavedWorksheet();
  QVERIFY(second.services.questions.isEmpty());
  QVERIFY(QFileInfo::exists(RecoveryFile()));

  TestApp otherName;
  otherName.app->KeepUnsavedWorksheet(folder, "Beads");
  QCOMPARE(otherName.app->Recovery()->FilePath(), folder + "/worksheet-Beads.json");
}

// A state folder that cannot be made: the user hears of it once, not on
// every key, and the worksheet goes on as before.
void UnsavedWorksheetTest::recoveryThatCannotBeWrittenIsSaidOnce() {
  const QString blocker = WriteFile("state", "a file where the folder should be");
  t_->app->KeepUnsavedWorksheet(blocker + "/Orvane", "Test");
  QVERIFY(RecoveryFile().isEmpty());
  Type(w_->projectBox, "Kept");
  QTRY_COMPARE_WITH_TIMEOUT(t_->services.messages.size(), 1, 2000);
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Warning);
  QVERIFY2(t_->services.messages[0].text.contains(blocker + "/Orvane"),
           qPrintable(t_->services.messages[0].text));
  Type(w_->mmBoxes[0], "4");
  QTest::qWait(RecoveryKeeper::kDelayMs + 300);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(w_->projectBox->text(), QString("Kept"));
}

QTEST_MAIN(UnsavedWorksheetTest)
#include "tst_unsaved_worksheet.moc"
