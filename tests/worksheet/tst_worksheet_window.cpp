#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/help_window.h"
#include "app/main_window.h"
#include "app/maker_info.h"
#include "calculator/calculator_window.h"
#include "widget_fixture.h"
#include "widgets/edit.h"
#include "widgets/ext_page_control.h"
#include "worksheet/worksheet_window.h"

using namespace orvane;

class WorksheetWindowTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();

  void rowsWorkOutSizesAndLengths_data();
  void rowsWorkOutSizesAndLengths();
  void lengthFollowsEachKeystroke();
  void enterAndLeavingMoveTheFocus_data();
  void enterAndLeavingMoveTheFocus();
  void clickingElsewhereAfterASizeLandsInTheCount();
  void tabOrderWalksTheRowsAndWraps();
  void arrowsWalkTheCountColumn_data();
  void arrowsWalkTheCountColumn();
  void keyFilters();
  void failedSizesKeepTheRow_data();
  void failedSizesKeepTheRow();
  void clearEmptiesEverythingButTheFileName();
  void escapeHidesAndKeepsTheRows();
  void calculatorAndHelpButtons();
  void numberHeadingsTakeTwoLinesOverTheirColumns();

  void saveClearLoadGivesEveryBoxBack();
  void dialogsStartWhereTheLastFileIs();
  void loadingAMissingFileSaysSo();
  void unreadableFileLeavesTheWorksheetAsItWas_data();
  void unreadableFileLeavesTheWorksheetAsItWas();
  void loadEdgeCases();
  void badFractionIsReportedAndTheLoadGoesOn();
  void zeroSizeInAFileStillLoadsTheRest();
  void characterOutsideTheCodePageRefusesTheSave();
  void failedSaveReportsTheError_data();
  void failedSaveReportsTheError();

  void reportValues_data();
  void reportValues();
  void printsThePageAsItIsNow();
  void cancelledPrinterDialogPrintsNothing();

 private:
  QWidget* Box(const QString& name) const;
  void Type(TEdit* box, const QString& text, Qt::Key leaveWith = Qt::Key_Return);
  void FillSample();
  QStringList AllTexts() const;
  QString WriteFile(const QString& name, const QByteArray& bytes);
  QByteArray ReadFile(const QString& path);
  QString Pdf(const QString& name);

  std::unique_ptr<TestApp> t_;
  TWorksheetFrm* w_ = nullptr;
  std::unique_ptr<QTemporaryDir> dir_;
  ModalDialogGuard guard_;
};

void WorksheetWindowTest::init() {
  t_ = std::make_unique<TestApp>();
  w_ = t_->app->WorksheetFrm();
  dir_ = std::make_unique<QTemporaryDir>();
}

void WorksheetWindowTest::cleanup() {
  QVERIFY2(!guard_.Tripped(), qPrintable(guard_.Seen()));
  t_.reset();
  dir_.reset();
}

QWidget* WorksheetWindowTest::Box(const QString& name) const {
  if (name == "Project") return w_->Project;
  if (name == "CloseBtn") return w_->CloseBtn;
  if (name == "Total") return w_->Total;
  static const QRegularExpression re("^([A-Za-z]+)(\\d+)$");
  const auto m = re.match(name);
  const int i = m.captured(2).toInt() - 1;
  const QString family = m.captured(1);
  if (family == "Desc") return w_->Desc[i];
  if (family == "Mm") return w_->Mm[i];
  if (family == "Inch") return w_->Inch[i];
  if (family == "Nob") return w_->Nob[i];
  if (family == "Bpi") return w_->Bpi[i];
  if (family == "Tot") return w_->Tot[i];
  return nullptr;
}

QString NameOf(const TWorksheetFrm* w, const QWidget* widget) {
  if (widget == w->Project) return "Project";
  if (widget == w->CloseBtn) return "CloseBtn";
  for (int i = 0; i < kWorksheetRows; ++i) {
    const QString k = QString::number(i + 1);
    if (widget == w->Desc[i]) return "Desc" + k;
    if (widget == w->Mm[i]) return "Mm" + k;
    if (widget == w->Inch[i]) return "Inch" + k;
    if (widget == w->Nob[i]) return "Nob" + k;
    if (widget == w->Bpi[i]) return "Bpi" + k;
    if (widget == w->Tot[i]) return "Tot" + k;
  }
  return widget ? QString::fromLatin1(widget->metaObject()->className()) : QString("none");
}

void WorksheetWindowTest::Type(TEdit* box, const QString& text, Qt::Key leaveWith) {
  if (QApplication::focusWidget() != box) FocusWidget(box);
  TypeText(box, text);
  QTest::keyClick(box, leaveWith);
}

// Project, a millimetre row, an inch row, a count-only row and a described row.
void WorksheetWindowTest::FillSample() {
  Type(w_->Project, "Summer necklace", Qt::Key_Tab);
  Type(w_->Desc[0], "Crystal rondelle");
  Type(w_->Mm[0], "4");
  Type(w_->Nob[0], "100");
  Type(w_->Desc[1], "Seed beads");
  Type(w_->Mm[1], "");
  Type(w_->Inch[1], "1/8");
  Type(w_->Nob[1], "24");
  Type(w_->Nob[2], "007");
  Type(w_->Desc[4], "Clasp");
}

QStringList WorksheetWindowTest::AllTexts() const {
  QStringList texts{w_->Project->text(), w_->Total->text()};
  for (int i = 0; i < kWorksheetRows; ++i)
    for (TEdit* box : {w_->Desc[i], w_->Mm[i], w_->Inch[i], w_->Nob[i], w_->Bpi[i], w_->Tot[i]})
      texts << box->text();
  return texts;
}

QString WorksheetWindowTest::WriteFile(const QString& name, const QByteArray& bytes) {
  const QString path = dir_->filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
  return path;
}

QByteArray WorksheetWindowTest::ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// ---- rows and totals --------------------------------------------------------

void WorksheetWindowTest::rowsWorkOutSizesAndLengths_data() {
  QTest::addColumn<QStringList>("steps");  // "Mm:4" types 4 into Mm1 and presses Enter
  QTest::addColumn<QString>("count");
  QTest::addColumn<QStringList>("expected");  // Mm1, Inch1, Bpi1, Tot1, Total
  QTest::newRow("4 mm, 100 beads") << QStringList{"Mm:4"} << "100"
                                   << QStringList{"4", "", "6.35", "15.75", "15.75"};
  QTest::newRow("8 mm, 100 beads") << QStringList{"Mm:8"} << "100"
                                   << QStringList{"8", "", "3.17", "31.50", "31.50"};
  QTest::newRow("10 beads of 4 mm") << QStringList{"Mm:4"} << "10"
                                    << QStringList{"4", "", "6.35", "1.57", "1.57"};
  QTest::newRow("1/4 inch") << QStringList{"Inch:1/4"} << "100"
                            << QStringList{"", "1/4", "4.00", "25.00", "25.00"};
  QTest::newRow("decimal inch") << QStringList{"Inch:0.25"} << "100"
                                << QStringList{"", "0.25", "4.00", "25.00", "25.00"};
  QTest::newRow("inch empties mm") << QStringList{"Mm:4", "Inch:1/4"} << "100"
                                   << QStringList{"", "1/4", "4.00", "25.00", "25.00"};
  QTest::newRow("mm empties inch") << QStringList{"Inch:1/4", "Mm:4"} << "100"
                                   << QStringList{"4", "", "6.35", "15.75", "15.75"};
  QTest::newRow("count without size") << QStringList{} << "12" << QStringList{"", "", "", "0.00", "0.00"};
  QTest::newRow("lone point is no size")
      << QStringList{"Mm:."} << "3" << QStringList{".", "", "", "0.00", "0.00"};
  QTest::newRow("emptied size removes the length")
      << QStringList{"Mm:4", "Mm:"} << "5" << QStringList{"", "", "", "0.00", "0.00"};
  QTest::newRow("count too large for 32 bits")
      << QStringList{"Mm:4"} << "2147483648" << QStringList{"4", "", "6.35", "", "0.00"};
  QTest::newRow("count with trailing blank")
      << QStringList{"Mm:4"} << "5 " << QStringList{"4", "", "6.35", "", "0.00"};
  QTest::newRow("a million inch beads")
      << QStringList{"Mm:25.4"} << "1000000" << QStringList{"25.4", "", "1.00", "1E6", "1E6"};
}

void WorksheetWindowTest::rowsWorkOutSizesAndLengths() {
  QFETCH(QStringList, steps);
  QFETCH(QString, count);
  QFETCH(QStringList, expected);
  for (const QString& step : steps) {
    TEdit* box = step.startsWith("Mm:") ? w_->Mm[0] : w_->Inch[0];
    FocusWidget(box);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    Type(box, step.section(u':', 1));
  }
  FocusWidget(w_->Nob[0]);
  TypeText(w_->Nob[0], count);
  QCOMPARE((QStringList{w_->Mm[0]->text(), w_->Inch[0]->text(), w_->Bpi[0]->text(), w_->Tot[0]->text(),
                        w_->Total->text()}),
           expected);
  QCOMPARE(w_->TotalValue, w_->Rows[0].LengthValue);
  QCOMPARE(t_->services.messages.size(), 0);
}

void WorksheetWindowTest::lengthFollowsEachKeystroke() {
  Type(w_->Mm[0], "4");
  Type(w_->Mm[1], "2");
  QCOMPARE(QApplication::focusWidget(), w_->Nob[1]);
  TypeText(w_->Nob[1], "10");
  FocusWidget(w_->Nob[0]);
  QTest::keyClick(w_->Nob[0], Qt::Key_1);
  QCOMPARE(w_->Tot[0]->text(), QString("0.16"));
  QTest::keyClick(w_->Nob[0], Qt::Key_2);
  QCOMPARE(w_->Tot[0]->text(), QString("1.89"));
  QCOMPARE(w_->Total->text(), QString("2.68"));  // 1.889764 + 0.787402 in floats
  QTest::keyClick(w_->Nob[0], Qt::Key_Backspace);
  QTest::keyClick(w_->Nob[0], Qt::Key_Backspace);
  QCOMPARE(w_->Tot[0]->text(), QString());
  QCOMPARE(w_->Total->text(), QString("0.79"));
  w_->Nob[1]->clear();
  QCOMPARE(w_->Total->text(), QString("0.00"));
}

void WorksheetWindowTest::enterAndLeavingMoveTheFocus_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("focus");
  QTest::newRow("size in mm, Enter") << "Mm1"
                                     << "4" << int(Qt::Key_Return) << "Nob1";
  QTest::newRow("size in mm, Tab") << "Mm3"
                                   << "4" << int(Qt::Key_Tab) << "Nob3";
  QTest::newRow("no mm, Enter") << "Mm1"
                                << "" << int(Qt::Key_Return) << "Inch1";
  QTest::newRow("size in inches") << "Inch2"
                                  << "1/8" << int(Qt::Key_Return) << "Nob2";
  QTest::newRow("no inch") << "Inch2"
                           << "" << int(Qt::Key_Return) << "Nob2";
  QTest::newRow("description") << "Desc1"
                               << "Pearls" << int(Qt::Key_Return) << "Mm1";
  QTest::newRow("count to next row") << "Nob1"
                                     << "5" << int(Qt::Key_Return) << "Desc2";
  QTest::newRow("last count to Close") << "Nob10"
                                       << "5" << int(Qt::Key_Return) << "CloseBtn";
  QTest::newRow("project has no Enter of its own") << "Project"
                                                   << "P" << int(Qt::Key_Return) << "Project";
}

void WorksheetWindowTest::enterAndLeavingMoveTheFocus() {
  QFETCH(QString, box);
  QFETCH(QString, text);
  QFETCH(int, key);
  QFETCH(QString, focus);
  auto* edit = static_cast<TEdit*>(Box(box));
  Type(edit, text, Qt::Key(key));
  QCOMPARE(NameOf(w_, QApplication::focusWidget()), focus);
  QCOMPARE(t_->services.beeps, 0);
}

void WorksheetWindowTest::clickingElsewhereAfterASizeLandsInTheCount() {
  FocusWidget(w_->Mm[3]);
  TypeText(w_->Mm[3], "6");
  QTest::mouseClick(w_->Desc[7], Qt::LeftButton);
  QCOMPARE(NameOf(w_, QApplication::focusWidget()), QString("Nob4"));
  QCOMPARE(w_->Bpi[3]->text(), QString("4.23"));
  // The box clicked on never had the focus: leaving it is no exit.
  FocusWidget(w_->Inch[5]);
  TypeText(w_->Inch[5], "1/2");
  QTest::mouseClick(w_->Mm[3], Qt::LeftButton);
  QCOMPARE(NameOf(w_, QApplication::focusWidget()), QString("Nob6"));
  QCOMPARE(w_->Mm[3]->text(), QString("6"));
  QCOMPARE(w_->Bpi[3]->text(), QString("4.23"));
  QCOMPARE(w_->Bpi[5]->text(), QString("2.00"));
}

void WorksheetWindowTest::tabOrderWalksTheRowsAndWraps() {
  QStringList expected{"Project"};
  for (int k = 1; k <= kWorksheetRows; ++k)
    expected << QString("Desc%1").arg(k) << QString("Mm%1").arg(k) << QString("Inch%1").arg(k)
             << QString("Nob%1").arg(k);
  expected << "CloseBtn"
           << "Project";
  FocusWidget(w_->Project);
  QStringList walked{NameOf(w_, QApplication::focusWidget())};
  for (int i = 1; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    walked << NameOf(w_, QApplication::focusWidget());
  }
  QCOMPARE(walked, expected);
}

void WorksheetWindowTest::arrowsWalkTheCountColumn_data() {
  QTest::addColumn<QString>("from");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("to");
  QTest::newRow("up from the first wraps") << "Nob1" << int(Qt::Key_Up) << "Nob10";
  QTest::newRow("down from the last wraps") << "Nob10" << int(Qt::Key_Down) << "Nob1";
  QTest::newRow("up") << "Nob5" << int(Qt::Key_Up) << "Nob4";
  QTest::newRow("down") << "Nob5" << int(Qt::Key_Down) << "Nob6";
  QTest::newRow("arrows elsewhere do nothing") << "Mm5" << int(Qt::Key_Down) << "Mm5";
}

void WorksheetWindowTest::arrowsWalkTheCountColumn() {
  QFETCH(QString, from);
  QFETCH(int, key);
  QFETCH(QString, to);
  FocusWidget(Box(from));
  QTest::keyClick(Box(from), Qt::Key(key));
  QCOMPARE(NameOf(w_, QApplication::focusWidget()), to);
}

void WorksheetWindowTest::keyFilters() {
  Type(w_->Mm[0], "2.5", Qt::Key_Period);
  QCOMPARE(w_->Mm[0]->text(), QString("2.5"));
  QCOMPARE(t_->services.beeps, 1);
  TypeText(w_->Mm[0], "x/ ");
  QCOMPARE(w_->Mm[0]->text(), QString("2.5"));
  QCOMPARE(t_->services.beeps, 4);
  Type(w_->Inch[1], "1 1/2.5.x", Qt::Key_Tab);
  QCOMPARE(w_->Inch[1]->text(), QString("1 1/2.5."));
  Type(w_->Nob[2], "1 2.a", Qt::Key_Tab);
  QCOMPARE(w_->Nob[2]->text(), QString("1 2"));
  QCOMPARE(t_->services.beeps, 7);
  Type(w_->Desc[3], "Any text: 1/2 & 3.5!", Qt::Key_Tab);
  QCOMPARE(w_->Desc[3]->text(), QString("Any text: 1/2 & 3.5!"));
  TypeText(w_->Desc[3], QString(40, u'x'));
  QCOMPARE(w_->Desc[3]->text().size(), 40);
  TypeText(w_->Project, QString(60, u'p'));
  QCOMPARE(w_->Project->text().size(), 50);
  QCOMPARE(t_->services.beeps, 7);
}

void WorksheetWindowTest::failedSizesKeepTheRow_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("message");
  QTest::addColumn<float>("mmValue");
  QTest::newRow("letters in mm") << "Mm1"
                                 << "abc"
                                 << "Orvane"
                                 << "'abc' is not a valid floating point value." << 4.0f;
  QTest::newRow("two points in mm") << "Mm1"
                                    << "1.2.3"
                                    << "Orvane"
                                    << "'1.2.3' is not a valid floating point value." << 4.0f;
  QTest::newRow("zero mm") << "Mm1"
                           << "00"
                           << "Orvane"
                           << "Floating point division by zero." << 0.0f;
  QTest::newRow("zero inch") << "Inch1"
                             << "0.0"
                             << "Orvane"
                             << "Floating point division by zero." << 0.0f;
  QTest::newRow("fraction letter") << "Inch1"
                                   << "1/x"
                                   << "Error"
                                   << "Cannot convert Fraction to Decimal." << 4.0f;
  QTest::newRow("fraction over zero") << "Inch1"
                                      << "1/0"
                                      << "Orvane"
                                      << "Floating point division by zero." << 4.0f;
}

void WorksheetWindowTest::failedSizesKeepTheRow() {
  QFETCH(QString, box);
  QFETCH(QString, pasted);
  QFETCH(QString, caption);
  QFETCH(QString, message);
  QFETCH(float, mmValue);
  Type(w_->Mm[0], "4");
  TypeText(w_->Nob[0], "100");
  auto* edit = static_cast<TEdit*>(Box(box));
  FocusWidget(edit);
  edit->setText(pasted);  // pasted text passes no filter
  QTest::keyClick(edit, Qt::Key_Return);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, caption);
  QCOMPARE(t_->services.messages[0].text, message);
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Error);
  QCOMPARE(w_->Rows[0].MmValue, mmValue);
  QCOMPARE(w_->Bpi[0]->text(), QString("6.35"));
  QCOMPARE(w_->Tot[0]->text(), QString("15.75"));
  // Enter goes on to the next control (the inch box for a millimetre box), not
  // to the count as a successful size would.
  if (box.startsWith("Mm")) QCOMPARE(NameOf(w_, QApplication::focusWidget()), QString("Inch1"));
}

void WorksheetWindowTest::clearEmptiesEverythingButTheFileName() {
  FillSample();
  w_->LastWorksheetFile = dir_->filePath("kept.bws");
  QTest::mouseClick(w_->ClearBtn, Qt::LeftButton);
  for (const QString& text : AllTexts()) QCOMPARE(text, QString());
  QCOMPARE(w_->TotalValue, 0.0f);
  for (const WorksheetRowValues& row : w_->Rows) {
    QCOMPARE(row.MmValue, 0.0f);
    QCOMPARE(row.InchValue, 0.0f);
    QCOMPARE(row.BeadCount, 0);
    QCOMPARE(row.LengthValue, 0.0f);
  }
  QCOMPARE(w_->LastWorksheetFile, dir_->filePath("kept.bws"));
  QTest::mouseClick(w_->SaveBtn, Qt::LeftButton);
  QCOMPARE(t_->services.saveRequests.size(), 1);
  QCOMPARE(t_->services.saveRequests[0].fileName, QString("kept.bws"));
  // A count typed after Clear works from a size of 0 again.
  Type(w_->Nob[0], "5");
  QCOMPARE(w_->Tot[0]->text(), QString("0.00"));
}

void WorksheetWindowTest::escapeHidesAndKeepsTheRows() {
  FillSample();
  const QStringList before = AllTexts();
  FocusWidget(w_->Desc[6]);
  QTest::keyClick(w_->Desc[6], Qt::Key_Escape);
  QTRY_VERIFY(!w_->isVisible());
  QVERIFY(t_->app->MainFrm());
  QCOMPARE(t_->quitRequests, 0);
  QTest::mouseClick(t_->app->MainFrm()->WorksheetBtn, Qt::LeftButton);
  QVERIFY(w_->isVisible());
  QCOMPARE(AllTexts(), before);
  QTest::mouseClick(w_->CloseBtn, Qt::LeftButton);
  QVERIFY(!w_->isVisible());
}

void WorksheetWindowTest::calculatorAndHelpButtons() {
  THelpFrm* help = t_->app->HelpFrm();
  help->HelpPageControl1->SetActivePage(help->TabSheet6);
  w_->show();
  QVERIFY(!t_->app->CalculatorFrm()->isVisible());
  QTest::mouseClick(w_->CalculatorBtn, Qt::LeftButton);
  QVERIFY(t_->app->CalculatorFrm()->isVisible());
  QTest::mouseClick(w_->HelpBtn, Qt::LeftButton);
  QVERIFY(help->isVisible());
  QCOMPARE(help->HelpPageControl1->currentWidget(), help->TabSheet1);
  QCOMPARE(w_->CalculatorBtn->toolTip(), QString("Calculator"));
  QCOMPARE(w_->HelpBtn->toolTip(), QString("Help"));
  QCOMPARE(w_->ClearBtn->toolTip(), QString("Clear All"));
  QCOMPARE(w_->LoadBtn->toolTip(), QString());
  QVERIFY(!w_->CalcBtn->isVisible());
}

// ---- file -----------------------------------------------------------------

void WorksheetWindowTest::saveClearLoadGivesEveryBoxBack() {
  FillSample();
  w_->Desc[4]->setText("  Clasp  ");  // blanks around a description are not kept
  const QStringList before = AllTexts();
  const float totalBefore = w_->TotalValue;
  QCOMPARE(w_->Total->text(), QString("18.75"));
  const QString path = dir_->filePath("necklace.bws");
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(w_->SaveBtn, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Information);
  QCOMPARE(t_->services.messages[0].caption, QString("Information"));
  QCOMPARE(t_->services.messages[0].text, QString("Success:  Bead Worksheet Saved."));
  QCOMPARE(w_->LastWorksheetFile, path);

  const QByteArray bytes = ReadFile(path);
  QCOMPARE(bytes.count("\r\n"), 11);
  QCOMPARE(bytes.split('\n').value(0), QByteArray("Summer necklace\r"));
  QCOMPARE(bytes.split('\n').value(2), QByteArray("2\tSeed beads\t\t1/8\t24\r"));
  QCOMPARE(bytes.split('\n').value(3), QByteArray("3\t\t\t\t007\r"));
  QCOMPARE(bytes.split('\n').value(5), QByteArray("5\t  Clasp  \t\t\t\r"));

  QTest::mouseClick(w_->ClearBtn, Qt::LeftButton);
  FocusWidget(w_->Mm[8]);
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(w_->LoadBtn, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QStringList expected = before;
  expected[2 + 4 * 6] = "Clasp";  // Desc5
  expected[2 + 2 * 6 + 3] = "7";  // Nob3: plain decimal
  QCOMPARE(AllTexts(), expected);
  QCOMPARE(w_->TotalValue, totalBefore);
  QCOMPARE(NameOf(w_, QApplication::focusWidget()), QString("Desc1"));
}

void WorksheetWindowTest::dialogsStartWhereTheLastFileIs() {
  const QString folder = t_->app->MainFrm()->WorksheetFolder;
  QVERIFY(folder.endsWith("/Worksheet/"));
  QTest::mouseClick(w_->SaveBtn, Qt::LeftButton);  // cancelled
  QTest::mouseClick(w_->LoadBtn, Qt::LeftButton);  // cancelled
  QCOMPARE(t_->services.messages.size(), 0);
  QVERIFY(w_->LastWorksheetFile.isEmpty());
  const FileDialogRequest save = t_->services.saveRequests.at(0);
  QCOMPARE(save.title, QString("Save Bead Worksheet"));
  QCOMPARE(save.filter, QString("Bead Worksheet        (*.bws);;All Files                       (*.*)"));
  QCOMPARE(save.defaultSuffix, QString("bws"));
  QVERIFY(save.overwritePrompt);
  QCOMPARE(save.directory, folder);
  QCOMPARE(save.fileName, QString());
  const FileDialogRequest open = t_->services.openRequests.at(0);
  QCOMPARE(open.title, QString("Open Bead Worksheet"));
  QCOMPARE(open.filter, save.filter);
  QCOMPARE(open.defaultSuffix, QString());
  QVERIFY(!open.mustExist);
  QCOMPARE(open.directory, folder);

  t_->services.saveAnswers.push_back(dir_->filePath("first.bws"));
  QTest::mouseClick(w_->SaveBtn, Qt::LeftButton);
  QTest::mouseClick(w_->LoadBtn, Qt::LeftButton);
  QCOMPARE(t_->services.openRequests.at(1).directory, dir_->path() + "/");
  QCOMPARE(t_->services.openRequests.at(1).fileName, QString("first.bws"));

  QDir(dir_->path()).mkdir("other");
  const QString second = WriteFile("other/second.bws", "Second\r\n");
  t_->services.openAnswers.push_back(second);
  QTest::mouseClick(w_->LoadBtn, Qt::LeftButton);
  QCOMPARE(w_->Project->text(), QString("Second"));
  QTest::mouseClick(w_->SaveBtn, Qt::LeftButton);
  QCOMPARE(t_->services.saveRequests.last().directory, dir_->path() + "/other/");
  QCOMPARE(t_->services.saveRequests.last().fileName, QString("second.bws"));
}

void WorksheetWindowTest::loadingAMissingFileSaysSo() {
  FillSample();
  const QStringList before = AllTexts();
  const QString missing = dir_->filePath("missing.bws");
  t_->services.openAnswers.push_back(missing);
  QTest::mouseClick(w_->LoadBtn, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Error);
  QCOMPARE(t_->services.messages[0].caption, QString("Error"));
  QCOMPARE(t_->services.messages[0].text,
           "Error: Bead Worksheet not Loaded.\r\n\r\n" + missing + "\r\n\r\nPlease try again.");
  QCOMPARE(AllTexts(), before);
  QVERIFY(w_->LastWorksheetFile.isEmpty());
}

void WorksheetWindowTest::unreadableFileLeavesTheWorksheetAsItWas_data() {
  QTest::addColumn<QByteArray>("badLine");
  QTest::addColumn<QString>("message");
  QTest::newRow("letters in mm") << QByteArray("5\tX\tfour\t\t")
                                 << "'four' is not a valid floating point value.";
  QTest::newRow("count with trailing blank")
      << QByteArray("5\tX\t4\t\t50 ") << "'50 ' is not a valid integer value.";
  QTest::newRow("sixth field") << QByteArray("5\tX\t4\t\t36\t9") << "'36\t9' is not a valid integer value.";
}

void WorksheetWindowTest::unreadableFileLeavesTheWorksheetAsItWas() {
  QFETCH(QByteArray, badLine);
  QFETCH(QString, message);
  FillSample();
  const QStringList before = AllTexts();
  const QString path =
      WriteFile("bad.bws", "Other project\r\n1\tOther\t8\t\t3\r\n2\t\t\t\t\r\n3\t\t\t\t\r\n4\t\t\t\t\r\n" +
                               badLine + "\r\n");
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(w_->LoadBtn, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QCOMPARE(t_->services.messages[0].text, message);
  QCOMPARE(AllTexts(), before);
  QCOMPARE(w_->Rows[0].MmValue, 4.0f);
  QCOMPARE(w_->Rows[0].BeadCount, 100);
}

void WorksheetWindowTest::loadEdgeCases() {
  Type(w_->Nob[1], "9");  // a count the file does not have
  const QString longProject(63, u'P');
  const QString longDesc(55, u'D');
  const QString path = WriteFile(
      "edge.bws", (longProject + "\r\n1\t" + longDesc + "\t4\t1/4\t10\r\n2\t\t6\t\t\r\n").toLatin1());
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(w_->LoadBtn, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 0);
  QCOMPARE(w_->Project->text(), longProject);
  QCOMPARE(w_->Desc[0]->text(), longDesc);
  // both sizes: the millimetre one wins
  QCOMPARE(w_->Mm[0]->text(), QString("4"));
  QCOMPARE(w_->Inch[0]->text(), QString());
  QCOMPARE(w_->Tot[0]->text(), QString("1.57"));
  // the count the file leaves empty is gone
  QCOMPARE(w_->Nob[1]->text(), QString());
  QCOMPARE(w_->Rows[1].BeadCount, 0);
  QCOMPARE(w_->Tot[1]->text(), QString());
  QCOMPARE(w_->Total->text(), QString("1.57"));
  // a long loaded text can be shortened but not grown again
  FocusWidget(w_->Desc[0]);
  w_->Desc[0]->end(false);
  QTest::keyClick(w_->Desc[0], Qt::Key_Backspace);
  TypeText(w_->Desc[0], "xy");
  QCOMPARE(w_->Desc[0]->text(), longDesc.left(54));

  // LF line ends: one long project line, every row empty
  const QString lfOnly = WriteFile("unix.bws", "Unix\n1\tA\t4\t\t10\n");
  t_->services.openAnswers.push_back(lfOnly);
  QTest::mouseClick(w_->LoadBtn, Qt::LeftButton);
  QCOMPARE(w_->Project->text(), QString("Unix\n1\tA\t4\t\t10\n"));
  for (int i = 0; i < kWorksheetRows; ++i)
    QCOMPARE(w_->Desc[i]->text() + w_->Mm[i]->text() + w_->Tot[i]->text(), QString());
  QCOMPARE(w_->Total->text(), QString("0.00"));
}

void WorksheetWindowTest::badFractionIsReportedAndTheLoadGoesOn() {
  const QString path = WriteFile("fraction.bws", "P\r\n1\tA\t\t1/x\t5\r\n2\tB\t4\t\t100\r\n");
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(w_->LoadBtn, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 2);
  for (const RecordedMessage& m : t_->services.messages) {
    QCOMPARE(m.caption, QString("Error"));
    QCOMPARE(m.text, QString("Cannot convert Fraction to Decimal."));
  }
  QCOMPARE(w_->Inch[0]->text(), QString("1/x"));
  QCOMPARE(w_->Nob[0]->text(), QString("5"));
  QCOMPARE(w_->Tot[1]->text(), QString("15.75"));
  QCOMPARE(w_->Total->text(), QString("15.75"));
}

void WorksheetWindowTest::zeroSizeInAFileStillLoadsTheRest() {
  const QString path = WriteFile("zero.bws", "P\r\n1\tA\t0\t\t5\r\n2\tB\t4\t\t100\r\n");
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(w_->LoadBtn, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].text, QString("Floating point division by zero."));
  QCOMPARE(w_->Nob[0]->text(), QString("5"));
  QCOMPARE(w_->Tot[0]->text(), QString("0.00"));
  QCOMPARE(w_->Nob[1]->text(), QString("100"));
  QCOMPARE(w_->Total->text(), QString("15.75"));
}

void WorksheetWindowTest::characterOutsideTheCodePageRefusesTheSave() {
  const QByteArray old = "Old\r\n";
  const QString path = WriteFile("old.bws", old);
  FillSample();
  w_->Desc[2]->setText(QString::fromUtf8("Perły z Łodzi"));
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(w_->SaveBtn, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Error"));
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Error);
  const QString text = t_->services.messages[0].text;
  QVERIFY2(text.startsWith("Error: Bead Worksheet not Saved.\r\n"), qPrintable(text));
  QVERIFY2(text.contains(QString::fromUtf8("Description of row 3 holds the character \"ł\" (U+0142)")),
           qPrintable(text));
  QCOMPARE(ReadFile(path), old);
  QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"old.bws"});
}

void WorksheetWindowTest::failedSaveReportsTheError_data() {
  QTest::addColumn<QString>("target");
  QTest::addColumn<QString>("message");
  QTest::newRow("folder that does not exist") << "no/such/folder/w.bws"
                                              << "Invalid filename.";
  QTest::newRow("a folder in the way") << "taken"
                                       << "File access denied.";
}

void WorksheetWindowTest::failedSaveReportsTheError() {
  QFETCH(QString, target);
  QFETCH(QString, message);
  QDir(dir_->path()).mkdir("taken");
  FillSample();
  const QString path = dir_->filePath(target);
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(w_->SaveBtn, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QCOMPARE(t_->services.messages[0].text, message);
  QCOMPARE(w_->LastWorksheetFile, path);
  QVERIFY(!QFileInfo(path).isFile());
}

// ---- printing ---------------------------------------------------------------

void WorksheetWindowTest::reportValues_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("value");  // null: left to the engine
  QTest::newRow("title") << "TITLE1"
                         << "Summer necklace";
  QTest::newRow("total") << "TOTAL1"
                         << "18.75";
  QTest::newRow("description trimmed") << "D2"
                                       << "Seed beads";
  QTest::newRow("mm") << "M1"
                      << "4";
  QTest::newRow("N is the inch size") << "N2"
                                      << "1/8";
  QTest::newRow("B is the bead count") << "B3"
                                       << "007";
  QTest::newRow("beads per inch") << "P2"
                                  << "8.00";
  QTest::newRow("length") << "L1"
                          << "15.75";
  QTest::newRow("empty row 10") << "D10"
                                << "";
  QTest::newRow("no row 11") << "D11" << QString();
  QTest::newRow("no leading zero") << "D01" << QString();
  QTest::newRow("case matters") << "d1" << QString();
  QTest::newRow("date is the engine's") << "DATE" << QString();
}

void WorksheetWindowTest::reportValues() {
  QFETCH(QString, name);
  QFETCH(QString, value);
  FillSample();
  w_->Desc[1]->setText("   Seed beads ");
  const std::optional<QString> got = w_->Report1GetValue(name);
  QCOMPARE(got.has_value(), !value.isNull());
  if (got) QCOMPARE(*got, value);
}

QString WorksheetWindowTest::Pdf(const QString& name) {
  QProcess p;
  p.start("pdftotext", {"-layout", dir_->filePath(name), "-"});
  if (!p.waitForFinished(20000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

void WorksheetWindowTest::printsThePageAsItIsNow() {
  FillSample();
  w_->Desc[1]->setText("   Seed beads");
  t_->services.printToPdf = dir_->filePath("page.pdf");
  QTest::mouseClick(w_->PrintBtn, Qt::LeftButton);
  QCOMPARE(t_->services.printerDialogs, 1);
  QCOMPARE(t_->services.messages.size(), 0);
  const QString text = Pdf("page.pdf");
  const QStringList lines = text.split(u'\n');
  auto lineOf = [&](const QString& pattern) {
    const QRegularExpression re(pattern);
    for (int i = 0; i < lines.size(); ++i)
      if (re.match(lines[i]).hasMatch()) return i;
    return -1;
  };
  const int title = lineOf("^\\s*Summer necklace\\s*$");
  const int headings = lineOf("Description");
  const int row1 = lineOf("^\\s*1\\.\\s+Crystal rondelle\\s+4\\s+100\\s+6\\.35\\s+15\\.75\\s*$");
  const int row2 = lineOf("^\\s*2\\.\\s+Seed beads\\s+1/8\\s+24\\s+8\\.00\\s+3\\.00\\s*$");
  const int row3 = lineOf("^\\s*3\\.\\s+007\\s+0\\.00\\s*$");
  const int row10 = lineOf("^\\s*10\\.\\s*$");
  const int total = lineOf("Total Length in Inches\\s+18\\.75\\s*$");
  const int notes = lineOf("^\\s*Notes:\\s*$");
  QVERIFY2(title >= 0 && headings > title && row1 > headings && row2 > row1 && row3 > row2 && row10 > row3 &&
               total > row10 && notes > total,
           qPrintable(text));
  for (const char* heading : {"Size", "Number", "Beads", "Length"})
    QVERIFY(lines[headings - 1].contains(heading) || lines[headings].contains(heading));
  for (int k = 4; k <= 9; ++k)
    QVERIFY(lineOf(QString("^\\s*%1\\.\\s*%2$").arg(k).arg(k == 5 ? "Clasp\\s*" : "")) > row3);
  // columns line up under their headings
  QCOMPARE(lines[row2].indexOf("1/8") > lines[row1].indexOf(" 4 "), true);
  QVERIFY(qAbs(lines[row1].indexOf("15.75") - lines[total].indexOf("18.75")) <= 2);
  QVERIFY(qAbs(lines[row1].indexOf("6.35") - lines[row2].indexOf("8.00")) <= 2);
  const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
  QVERIFY2(text.contains(today), qPrintable(text));
  // The footer names the maker and site set up for the whole program.
  const int footer = lineOf(QRegularExpression::escape(maker::kWebSite));
  QVERIFY2(footer > notes && lines[footer].contains(maker::kMakerName) && lines[footer].contains(today),
           qPrintable(text));

  // The next press prints what the boxes hold then.
  QTest::mouseClick(w_->ClearBtn, Qt::LeftButton);
  Type(w_->Project, "Second try", Qt::Key_Tab);
  t_->services.printToPdf = dir_->filePath("second.pdf");
  QTest::mouseClick(w_->PrintBtn, Qt::LeftButton);
  const QString second = Pdf("second.pdf");
  QVERIFY(second.contains("Second try"));
  QVERIFY(!second.contains("Crystal"));
  QVERIFY(second.contains("Total Length in Inches"));
  QVERIFY(second.contains("10."));
}

void WorksheetWindowTest::cancelledPrinterDialogPrintsNothing() {
  FillSample();
  const QStringList before = AllTexts();
  QTest::mouseClick(w_->PrintBtn, Qt::LeftButton);
  QCOMPARE(t_->services.printerDialogs, 1);
  QCOMPARE(t_->services.messages.size(), 0);
  QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList());
  QCOMPARE(AllTexts(), before);
}

// Each number column's heading is centred over its box, on two lines.
void WorksheetWindowTest::numberHeadingsTakeTwoLinesOverTheirColumns() {
  const struct {
    const char* heading;
    QWidget* box;
  } columns[] = {{"Size MM", w_->Mm[0]},
                 {"Size Inch", w_->Inch[0]},
                 {"Number of Beads", w_->Nob[0]},
                 {"Beads per Inch", w_->Bpi[0]},
                 {"Length Inches", w_->Tot[0]}};
  for (const auto& c : columns) {
    QLabel* label = nullptr;
    for (QLabel* l : w_->findChildren<QLabel*>())
      if (l->text() == QLatin1String(c.heading)) label = l;
    QVERIFY2(label, c.heading);
    const QRect box = c.box->geometry();
    QVERIFY2(qAbs(label->geometry().center().x() - box.center().x()) <= 1, c.heading);
    QVERIFY2(label->geometry().bottom() < box.top(), c.heading);
    const QRect text = label->fontMetrics().boundingRect(
        label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
    const int lines = qRound(double(text.height()) / label->fontMetrics().lineSpacing());
    QVERIFY2(lines == 2, qPrintable(QStringLiteral("%1: %2 lines").arg(c.heading).arg(lines)));
  }
}

QTEST_MAIN(WorksheetWindowTest)
#include "tst_worksheet_window.moc"
