#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/help_window.h"
#include "app/main_window.h"
#include "core/maker_info.h"
#include "desk_calculator/calculator_window.h"
#include "file_conditions.h"
#include "widget_fixture.h"
#include "widgets/color_tab_widget.h"
#include "widgets/entry_box.h"
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
  void passingThroughAnEmptySizeBoxKeepsTheRow_data();
  void passingThroughAnEmptySizeBoxKeepsTheRow();
  void keyboardReachesEveryButton_data();
  void keyboardReachesEveryButton();
  void failedSizesKeepTheRow_data();
  void failedSizesKeepTheRow();
  void boxesWrittenBeforeAFailureStay();
  void clearEmptiesEverythingButTheFileName();
  void escapeHidesAndKeepsTheRows();
  void calculatorAndHelpButtons();
  void numberHeadingsTakeTwoLinesOverTheirColumns();

  void saveClearLoadGivesEveryBoxBack();
  void dialogsStartWhereTheLastFileIs();
  void loadingAMissingFileSaysSo();
  void oddFieldsInAFileLoadAsTheWindowReadsThem_data();
  void oddFieldsInAFileLoadAsTheWindowReadsThem();
  void savedOddRowsLoadBackTheSame_data();
  void savedOddRowsLoadBackTheSame();
  void loadLeavesNothingOfThePreviousWorksheet();
  void loadEdgeCases();
  void badFractionIsReportedAndTheLoadGoesOn();
  void zeroSizeInAFileStillLoadsTheRest();
  void longLinesKeepEveryKeyQuick();
  void characterOutsideTheCodePageRefusesTheSave();
  void failedSaveReportsTheError_data();
  void failedSaveReportsTheError();
  void fullDiskKeepsTheOldFile();
  void failedLoadNamesTheFileAndTheReason();

  void reportValues_data();
  void reportValues();
  void printsThePageAsItIsNow();
  void cancelledPrinterDialogPrintsNothing();

 private:
  QWidget* Box(const QString& name) const;
  void Type(EntryBox* box, const QString& text, Qt::Key leaveWith = Qt::Key_Return);
  void FillSample();
  QStringList AllTexts() const;
  QStringList Results() const;
  void EnterText(EntryBox* box, const QString& text, bool pasted);
  QString WriteFile(const QString& name, const QByteArray& bytes);
  QByteArray ReadFile(const QString& path);
  QString Pdf(const QString& name);

  std::unique_ptr<TestApp> t_;
  WorksheetWindow* w_ = nullptr;
  std::unique_ptr<QTemporaryDir> dir_;
  ModalDialogGuard guard_;
};

void WorksheetWindowTest::init() {
  t_ = std::make_unique<TestApp>();
  w_ = t_->app->worksheetWindow();
  dir_ = std::make_unique<QTemporaryDir>();
}

void WorksheetWindowTest::cleanup() {
  QVERIFY2(!guard_.Tripped(), qPrintable(guard_.Seen()));
  t_.reset();
  dir_.reset();
}

QWidget* WorksheetWindowTest::Box(const QString& name) const {
  if (name == "Project") return w_->projectBox;
  if (name == "closeButton") return w_->closeButton;
  if (name == "helpButton") return w_->helpButton;
  if (name == "clearButton") return w_->clearButton;
  if (name == "Total") return w_->totalBox;
  static const QRegularExpression re("^([A-Za-z]+)(\\d+)$");
  const auto m = re.match(name);
  const int i = m.captured(2).toInt() - 1;
  const QString family = m.captured(1);
  if (family == "Desc") return w_->descriptionBoxes[i];
  if (family == "Mm") return w_->mmBoxes[i];
  if (family == "Inch") return w_->inchBoxes[i];
  if (family == "Nob") return w_->countBoxes[i];
  if (family == "Bpi") return w_->perInchBoxes[i];
  if (family == "Tot") return w_->lengthBoxes[i];
  return nullptr;
}

QString NameOf(const WorksheetWindow* w, const QWidget* widget) {
  if (widget == w->projectBox) return "Project";
  const std::pair<const QWidget*, const char*> buttons[] = {
      {w->loadButton, "loadButton"},     {w->saveButton, "saveButton"},
      {w->printButton, "printButton"},   {w->calculatorButton, "calculatorButton"},
      {w->helpButton, "helpButton"},     {w->clearButton, "clearButton"},
      {w->recentButton, "recentButton"}, {w->closeButton, "closeButton"}};
  for (const auto& [button, name] : buttons)
    if (widget == button) return name;
  for (int i = 0; i < kWorksheetRows; ++i) {
    const QString k = QString::number(i + 1);
    if (widget == w->descriptionBoxes[i]) return "Desc" + k;
    if (widget == w->mmBoxes[i]) return "Mm" + k;
    if (widget == w->inchBoxes[i]) return "Inch" + k;
    if (widget == w->countBoxes[i]) return "Nob" + k;
    if (widget == w->perInchBoxes[i]) return "Bpi" + k;
    if (widget == w->lengthBoxes[i]) return "Tot" + k;
  }
  return widget ? QString::fromLatin1(widget->metaObject()->className()) : QString("none");
}

void WorksheetWindowTest::Type(EntryBox* box, const QString& text, Qt::Key leaveWith) {
  if (QApplication::focusWidget() != box) FocusWidget(box);
  TypeText(box, text);
  QTest::keyClick(box, leaveWith);
}

// Project, a millimetre row, an inch row, a count-only row and a described row.
void WorksheetWindowTest::FillSample() {
  Type(w_->projectBox, "Summer necklace", Qt::Key_Tab);
  Type(w_->descriptionBoxes[0], "Crystal rondelle");
  Type(w_->mmBoxes[0], "4");
  Type(w_->countBoxes[0], "100");
  Type(w_->descriptionBoxes[1], "Seed beads");
  Type(w_->mmBoxes[1], "");
  Type(w_->inchBoxes[1], "1/8");
  Type(w_->countBoxes[1], "24");
  Type(w_->countBoxes[2], "007");
  Type(w_->descriptionBoxes[4], "Clasp");
}

QStringList WorksheetWindowTest::AllTexts() const {
  QStringList texts{w_->projectBox->text(), w_->totalBox->text()};
  for (int i = 0; i < kWorksheetRows; ++i)
    for (EntryBox* box : {w_->descriptionBoxes[i], w_->mmBoxes[i], w_->inchBoxes[i], w_->countBoxes[i],
                          w_->perInchBoxes[i], w_->lengthBoxes[i]})
      texts << box->text();
  return texts;
}

// What the window worked out: beads per inch and length of every row, the
// total, and the values behind them.
QStringList WorksheetWindowTest::Results() const {
  QStringList results{w_->totalBox->text(), QString::number(w_->totalValue)};
  for (int i = 0; i < kWorksheetRows; ++i)
    results << w_->perInchBoxes[i]->text() << w_->lengthBoxes[i]->text()
            << QString::number(w_->rows[i].MmValue) << QString::number(w_->rows[i].BeadCount)
            << QString::number(w_->rows[i].LengthValue);
  return results;
}

// Typed key by key through the box's filter, or pasted past it; then Tab.
void WorksheetWindowTest::EnterText(EntryBox* box, const QString& text, bool pasted) {
  if (text.isEmpty()) return;
  FocusWidget(box);
  if (pasted) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  } else {
    TypeText(box, text);
  }
  QCOMPARE(box->text(), text);
  QTest::keyClick(box, Qt::Key_Tab);
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

// Each way a row's boxes are written, typed and left as a user does; the
// arithmetic of every case is tested without a window (tst_worksheet_steps).
void WorksheetWindowTest::rowsWorkOutSizesAndLengths_data() {
  QTest::addColumn<QStringList>("steps");  // "Mm:4" types 4 into Mm1 and presses Enter
  QTest::addColumn<QString>("count");
  QTest::addColumn<QStringList>("expected");  // Mm1, Inch1, Bpi1, Tot1, Total
  QTest::newRow("4 mm, 100 beads") << QStringList{"Mm:4"} << "100"
                                   << QStringList{"4", "", "6.35", "15.75", "15.75"};
  QTest::newRow("1/4 inch") << QStringList{"Inch:1/4"} << "100"
                            << QStringList{"", "1/4", "4.00", "25.00", "25.00"};
  QTest::newRow("inch empties mm") << QStringList{"Mm:4", "Inch:1/4"} << "100"
                                   << QStringList{"", "1/4", "4.00", "25.00", "25.00"};
  QTest::newRow("mm empties inch") << QStringList{"Inch:1/4", "Mm:4"} << "100"
                                   << QStringList{"4", "", "6.35", "15.75", "15.75"};
  QTest::newRow("count without size") << QStringList{} << "12" << QStringList{"", "", "", "0.00", "0.00"};
  QTest::newRow("lone point is no size")
      << QStringList{"Mm:."} << "3" << QStringList{".", "", "", "0.00", "0.00"};
  QTest::newRow("emptied size removes the length")
      << QStringList{"Mm:4", "Mm:"} << "5" << QStringList{"", "", "", "0.00", "0.00"};
}

void WorksheetWindowTest::rowsWorkOutSizesAndLengths() {
  QFETCH(QStringList, steps);
  QFETCH(QString, count);
  QFETCH(QStringList, expected);
  for (const QString& step : steps) {
    EntryBox* box = step.startsWith("Mm:") ? w_->mmBoxes[0] : w_->inchBoxes[0];
    FocusWidget(box);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    Type(box, step.section(u':', 1));
  }
  FocusWidget(w_->countBoxes[0]);
  TypeText(w_->countBoxes[0], count);
  QCOMPARE((QStringList{w_->mmBoxes[0]->text(), w_->inchBoxes[0]->text(), w_->perInchBoxes[0]->text(),
                        w_->lengthBoxes[0]->text(), w_->totalBox->text()}),
           expected);
  QCOMPARE(w_->totalValue, w_->rows[0].LengthValue);
  QCOMPARE(t_->services.messages.size(), 0);
}

void WorksheetWindowTest::lengthFollowsEachKeystroke() {
  Type(w_->mmBoxes[0], "4");
  Type(w_->mmBoxes[1], "2");
  QCOMPARE(QApplication::focusWidget(), w_->countBoxes[1]);
  TypeText(w_->countBoxes[1], "10");
  FocusWidget(w_->countBoxes[0]);
  QTest::keyClick(w_->countBoxes[0], Qt::Key_1);
  QCOMPARE(w_->lengthBoxes[0]->text(), QString("0.16"));
  QTest::keyClick(w_->countBoxes[0], Qt::Key_2);
  QCOMPARE(w_->lengthBoxes[0]->text(), QString("1.89"));
  QCOMPARE(w_->totalBox->text(), QString("2.68"));  // 1.889764 + 0.787402 in floats
  QTest::keyClick(w_->countBoxes[0], Qt::Key_Backspace);
  QTest::keyClick(w_->countBoxes[0], Qt::Key_Backspace);
  QCOMPARE(w_->lengthBoxes[0]->text(), QString());
  QCOMPARE(w_->totalBox->text(), QString("0.79"));
  w_->countBoxes[1]->clear();
  QCOMPARE(w_->totalBox->text(), QString("0.00"));
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
  QTest::newRow("last count to the first button") << "Nob10"
                                                  << "5" << int(Qt::Key_Return) << "loadButton";
  QTest::newRow("project to the first description") << "Project"
                                                    << "P" << int(Qt::Key_Return) << "Desc1";
}

void WorksheetWindowTest::enterAndLeavingMoveTheFocus() {
  QFETCH(QString, box);
  QFETCH(QString, text);
  QFETCH(int, key);
  QFETCH(QString, focus);
  auto* edit = static_cast<EntryBox*>(Box(box));
  Type(edit, text, Qt::Key(key));
  QCOMPARE(NameOf(w_, QApplication::focusWidget()), focus);
  QCOMPARE(t_->services.beeps, 0);
}

void WorksheetWindowTest::clickingElsewhereAfterASizeLandsInTheCount() {
  FocusWidget(w_->mmBoxes[3]);
  TypeText(w_->mmBoxes[3], "6");
  QTest::mouseClick(w_->descriptionBoxes[7], Qt::LeftButton);
  QCOMPARE(NameOf(w_, QApplication::focusWidget()), QString("Nob4"));
  QCOMPARE(w_->perInchBoxes[3]->text(), QString("4.23"));
  // The box clicked on never had the focus: leaving it is no exit.
  FocusWidget(w_->inchBoxes[5]);
  TypeText(w_->inchBoxes[5], "1/2");
  QTest::mouseClick(w_->mmBoxes[3], Qt::LeftButton);
  QCOMPARE(NameOf(w_, QApplication::focusWidget()), QString("Nob6"));
  QCOMPARE(w_->mmBoxes[3]->text(), QString("6"));
  QCOMPARE(w_->perInchBoxes[3]->text(), QString("4.23"));
  QCOMPARE(w_->perInchBoxes[5]->text(), QString("2.00"));
}

void WorksheetWindowTest::tabOrderWalksTheRowsAndWraps() {
  QStringList expected{"Project"};
  for (int k = 1; k <= kWorksheetRows; ++k)
    expected << QString("Desc%1").arg(k) << QString("Mm%1").arg(k) << QString("Inch%1").arg(k)
             << QString("Nob%1").arg(k);
  expected << "loadButton"
           << "saveButton"
           << "printButton"
           << "calculatorButton"
           << "helpButton"
           << "clearButton"
           << "recentButton"
           << "closeButton"
           << "Project";
  FocusWidget(w_->projectBox);
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
  Type(w_->mmBoxes[0], "2.5", Qt::Key_Period);
  QCOMPARE(w_->mmBoxes[0]->text(), QString("2.5"));
  QCOMPARE(t_->services.beeps, 1);
  TypeText(w_->mmBoxes[0], "x/ ");
  QCOMPARE(w_->mmBoxes[0]->text(), QString("2.5"));
  QCOMPARE(t_->services.beeps, 4);
  Type(w_->inchBoxes[1], "1 1/2.5.x", Qt::Key_Tab);
  QCOMPARE(w_->inchBoxes[1]->text(), QString("1 1/2.5."));
  Type(w_->countBoxes[2], "1 2.a", Qt::Key_Tab);
  QCOMPARE(w_->countBoxes[2]->text(), QString("1 2"));
  QCOMPARE(t_->services.beeps, 7);
  Type(w_->descriptionBoxes[3], "Any text: 1/2 & 3.5!", Qt::Key_Tab);
  QCOMPARE(w_->descriptionBoxes[3]->text(), QString("Any text: 1/2 & 3.5!"));
  TypeText(w_->descriptionBoxes[3], QString(40, u'x'));
  QCOMPARE(w_->descriptionBoxes[3]->text().size(), 40);
  TypeText(w_->projectBox, QString(60, u'p'));
  QCOMPARE(w_->projectBox->text().size(), 50);
  QCOMPARE(t_->services.beeps, 7);
}

void WorksheetWindowTest::passingThroughAnEmptySizeBoxKeepsTheRow_data() {
  QTest::addColumn<QString>("sizeBox");
  QTest::addColumn<QString>("size");
  QTest::addColumn<QString>("passedBox");
  QTest::addColumn<QString>("typedThere");
  QTest::addColumn<QStringList>("expected");  // Bpi2, Tot2, Total
  QTest::newRow("inch size, through the empty mm box") << "Inch2"
                                                       << "1/4"
                                                       << "Mm2"
                                                       << "" << QStringList{"4.00", "6.00", "6.00"};
  QTest::newRow("mm size, through the empty inch box") << "Mm2"
                                                       << "4"
                                                       << "Inch2"
                                                       << "" << QStringList{"6.35", "3.78", "3.78"};
  QTest::newRow("a lone point is no size either") << "Inch2"
                                                  << "1/4"
                                                  << "Mm2"
                                                  << "." << QStringList{"4.00", "6.00", "6.00"};
}

// Clicking into a row's empty size box and out again must not undo the size
// the other box holds.
void WorksheetWindowTest::passingThroughAnEmptySizeBoxKeepsTheRow() {
  QFETCH(QString, sizeBox);
  QFETCH(QString, size);
  QFETCH(QString, passedBox);
  QFETCH(QString, typedThere);
  QFETCH(QStringList, expected);
  Type(static_cast<EntryBox*>(Box(sizeBox)), size);
  TypeText(w_->countBoxes[1], "24");
  QCOMPARE((QStringList{w_->perInchBoxes[1]->text(), w_->lengthBoxes[1]->text(), w_->totalBox->text()}),
           expected);
  QTest::mouseClick(Box(passedBox), Qt::LeftButton);
  QCOMPARE(NameOf(w_, QApplication::focusWidget()), passedBox);
  TypeText(Box(passedBox), typedThere);
  QTest::mouseClick(w_->descriptionBoxes[4], Qt::LeftButton);
  QCOMPARE(NameOf(w_, QApplication::focusWidget()), QString("Desc5"));
  QCOMPARE((QStringList{w_->perInchBoxes[1]->text(), w_->lengthBoxes[1]->text(), w_->totalBox->text()}),
           expected);
  QCOMPARE(static_cast<EntryBox*>(Box(sizeBox))->text(), size);
  QVERIFY(w_->rows[1].MmValue > 0);
  QCOMPARE(t_->services.messages.size(), 0);
  // Emptying the size box itself still removes the size.
  FocusWidget(Box(sizeBox));
  static_cast<EntryBox*>(Box(sizeBox))->clear();
  QTest::mouseClick(w_->descriptionBoxes[4], Qt::LeftButton);
  QCOMPARE((QStringList{w_->perInchBoxes[1]->text(), w_->lengthBoxes[1]->text(), w_->totalBox->text()}),
           (QStringList{"", "", "0.00"}));
}

void WorksheetWindowTest::keyboardReachesEveryButton_data() {
  QTest::addColumn<QString>("from");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("effect");
  QTest::newRow("Ctrl+O loads") << "Mm1" << int(Qt::Key_O) << int(Qt::ControlModifier) << "open dialog";
  QTest::newRow("Ctrl+S saves") << "Mm1" << int(Qt::Key_S) << int(Qt::ControlModifier) << "save dialog";
  QTest::newRow("Ctrl+P prints") << "Inch1" << int(Qt::Key_P) << int(Qt::ControlModifier) << "printer dialog";
  QTest::newRow("F1 shows the worksheet help") << "Nob1" << int(Qt::Key_F1) << 0 << "help";
  QTest::newRow("F9 shows the calculator") << "Desc1" << int(Qt::Key_F9) << 0 << "calculator";
  QTest::newRow("Enter on the focused Help button") << "helpButton" << int(Qt::Key_Return) << 0 << "help";
  QTest::newRow("Space on the focused Clear button") << "clearButton" << int(Qt::Key_Space) << 0 << "cleared";
}

void WorksheetWindowTest::keyboardReachesEveryButton() {
  QFETCH(QString, from);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, effect);
  HelpWindow* help = t_->app->helpWindow();
  help->pages->SetActivePage(help->stoneSizePage);
  Type(w_->projectBox, "Kept", Qt::Key_Tab);
  FocusWidget(Box(from));
  QTest::keyClick(Box(from), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  if (effect == "open dialog") QTRY_COMPARE(t_->services.openRequests.size(), 1);
  if (effect == "save dialog") QTRY_COMPARE(t_->services.saveRequests.size(), 1);
  if (effect == "printer dialog") QTRY_COMPARE(t_->services.printerDialogs, 1);
  if (effect == "calculator") QTRY_VERIFY(t_->app->calculatorWindow()->isVisible());
  if (effect == "help") {
    QTRY_VERIFY(help->isVisible());
    QCOMPARE(help->pages->ActivePage(), help->worksheetPage);
  }
  if (effect == "cleared")
    QTRY_COMPARE(w_->projectBox->text(), QString());
  else
    QCOMPARE(w_->projectBox->text(), QString("Kept"));
  if (effect != "open dialog") QCOMPARE(t_->services.openRequests.size(), 0);
  if (effect != "save dialog") QCOMPARE(t_->services.saveRequests.size(), 0);
  if (effect != "printer dialog") QCOMPARE(t_->services.printerDialogs, 0);
  // The key is no character typed into the box.
  QCOMPARE(t_->services.beeps, 0);
  if (auto* box = qobject_cast<EntryBox*>(Box(from))) QCOMPARE(box->text(), QString());
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
  Type(w_->mmBoxes[0], "4");
  TypeText(w_->countBoxes[0], "100");
  auto* edit = static_cast<EntryBox*>(Box(box));
  FocusWidget(edit);
  edit->setText(pasted);  // pasted text passes no filter
  QTest::keyClick(edit, Qt::Key_Return);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, caption);
  QCOMPARE(t_->services.messages[0].text, message);
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Error);
  QCOMPARE(w_->rows[0].MmValue, mmValue);
  QCOMPARE(w_->perInchBoxes[0]->text(), QString("6.35"));
  QCOMPARE(w_->lengthBoxes[0]->text(), QString("15.75"));
  // Enter goes on to the next control (the inch box for a millimetre box), not
  // to the count as a successful size would.
  if (box.startsWith("Mm")) QCOMPARE(NameOf(w_, QApplication::focusWidget()), QString("Inch1"));
}

// A size whose length overflows: the error box comes up, the beads per inch
// already written and the emptied inch box stay, the length and total keep
// what they showed, and the caret does not go on to the count.
void WorksheetWindowTest::boxesWrittenBeforeAFailureStay() {
  Type(w_->inchBoxes[0], "1/4");
  TypeText(w_->countBoxes[0], "2147483647");
  QCOMPARE(w_->lengthBoxes[0]->text(), QString("5.36871E8"));
  FocusWidget(w_->mmBoxes[0]);
  w_->mmBoxes[0]->setText("1E308");  // pasted
  QTest::keyClick(w_->mmBoxes[0], Qt::Key_Return);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].text, QString("Floating point overflow."));
  QCOMPARE(w_->inchBoxes[0]->text(), QString());
  QCOMPARE(w_->perInchBoxes[0]->text(), WorksheetNumberText(BeadsPerInchFromMm(1e308)));
  QCOMPARE(w_->lengthBoxes[0]->text(), QString("5.36871E8"));
  QCOMPARE(w_->totalBox->text(), QString("5.36871E8"));
  QCOMPARE(w_->rows[0].MmValue, 1e308);
  QCOMPARE(NameOf(w_, QApplication::focusWidget()), QString("Inch1"));
}

void WorksheetWindowTest::clearEmptiesEverythingButTheFileName() {
  FillSample();
  w_->lastWorksheetFile = dir_->filePath("kept.bws");
  QTest::mouseClick(w_->clearButton, Qt::LeftButton);
  for (const QString& text : AllTexts()) QCOMPARE(text, QString());
  QCOMPARE(w_->totalValue, 0.0f);
  for (const WorksheetRowValues& row : w_->rows) {
    QCOMPARE(row.MmValue, 0.0f);
    QCOMPARE(row.InchValue, 0.0f);
    QCOMPARE(row.BeadCount, 0);
    QCOMPARE(row.LengthValue, 0.0f);
  }
  QCOMPARE(w_->lastWorksheetFile, dir_->filePath("kept.bws"));
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  QCOMPARE(t_->services.saveRequests.size(), 1);
  QCOMPARE(t_->services.saveRequests[0].fileName, QString("kept.bws"));
  // A count typed after Clear works from a size of 0 again.
  Type(w_->countBoxes[0], "5");
  QCOMPARE(w_->lengthBoxes[0]->text(), QString("0.00"));
}

void WorksheetWindowTest::escapeHidesAndKeepsTheRows() {
  FillSample();
  const QStringList before = AllTexts();
  FocusWidget(w_->descriptionBoxes[6]);
  QTest::keyClick(w_->descriptionBoxes[6], Qt::Key_Escape);
  QTRY_VERIFY(!w_->isVisible());
  QVERIFY(t_->app->mainWindow());
  QCOMPARE(t_->quitRequests, 0);
  QTest::mouseClick(t_->app->mainWindow()->worksheetButton, Qt::LeftButton);
  QVERIFY(w_->isVisible());
  QCOMPARE(AllTexts(), before);
  QTest::mouseClick(w_->closeButton, Qt::LeftButton);
  QVERIFY(!w_->isVisible());
}

void WorksheetWindowTest::calculatorAndHelpButtons() {
  HelpWindow* help = t_->app->helpWindow();
  help->pages->SetActivePage(help->stoneSizePage);
  w_->show();
  QVERIFY(!t_->app->calculatorWindow()->isVisible());
  QTest::mouseClick(w_->calculatorButton, Qt::LeftButton);
  QVERIFY(t_->app->calculatorWindow()->isVisible());
  QTest::mouseClick(w_->helpButton, Qt::LeftButton);
  QVERIFY(help->isVisible());
  QCOMPARE(help->pages->ActivePage(), help->worksheetPage);
  // Each shortcut shows in its button's tooltip.
  QCOMPARE(w_->loadButton->toolTip(), QString("Load (Ctrl+O)"));
  QCOMPARE(w_->saveButton->toolTip(), QString("Save (Ctrl+S)"));
  QCOMPARE(w_->printButton->toolTip(), QString("Print (Ctrl+P)"));
  QCOMPARE(w_->calculatorButton->toolTip(), QString("Calculator (F9)"));
  QCOMPARE(w_->helpButton->toolTip(), QString("Help (F1)"));
  QCOMPARE(w_->clearButton->toolTip(), QString("Clear All"));
  QCOMPARE(w_->closeButton->toolTip(), QString("Close (Esc)"));
}

// ---- file -----------------------------------------------------------------

void WorksheetWindowTest::saveClearLoadGivesEveryBoxBack() {
  FillSample();
  w_->descriptionBoxes[4]->setText("  Clasp  ");  // blanks around a description are not kept
  const QStringList before = AllTexts();
  const double totalBefore = w_->totalValue;
  QCOMPARE(w_->totalBox->text(), QString("18.75"));
  const QString path = dir_->filePath("necklace.bws");
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Information);
  QCOMPARE(t_->services.messages[0].caption, QString("Information"));
  QCOMPARE(t_->services.messages[0].text, QString("Success:  Bead Worksheet Saved."));
  QCOMPARE(w_->lastWorksheetFile, path);

  const QByteArray bytes = ReadFile(path);
  QCOMPARE(bytes.count("\r\n"), 11);
  QCOMPARE(bytes.split('\n').value(0), QByteArray("Summer necklace\r"));
  QCOMPARE(bytes.split('\n').value(2), QByteArray("2\tSeed beads\t\t1/8\t24\r"));
  QCOMPARE(bytes.split('\n').value(3), QByteArray("3\t\t\t\t007\r"));
  QCOMPARE(bytes.split('\n').value(5), QByteArray("5\t  Clasp  \t\t\t\r"));

  QTest::mouseClick(w_->clearButton, Qt::LeftButton);
  FocusWidget(w_->mmBoxes[8]);
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QStringList expected = before;
  expected[2 + 4 * 6] = "Clasp";  // Desc5
  expected[2 + 2 * 6 + 3] = "7";  // Nob3: plain decimal
  QCOMPARE(AllTexts(), expected);
  QCOMPARE(w_->totalValue, totalBefore);
  QCOMPARE(NameOf(w_, QApplication::focusWidget()), QString("Desc1"));
}

void WorksheetWindowTest::dialogsStartWhereTheLastFileIs() {
  const QString folder = t_->app->mainWindow()->worksheetFolder;
  QVERIFY(folder.endsWith("/Worksheet/"));
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);  // cancelled
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);  // cancelled
  QCOMPARE(t_->services.messages.size(), 0);
  QVERIFY(w_->lastWorksheetFile.isEmpty());
  const FileDialogRequest save = t_->services.saveRequests.at(0);
  QCOMPARE(save.title, QString("Save Bead Worksheet"));
  QCOMPARE(save.filter,
           QString("Bead Worksheet        (*.bws);;CSV (*.csv);;All Files                       (*.*)"));
  QCOMPARE(save.defaultSuffix, QString("bws"));
  QVERIFY(save.overwritePrompt);
  QCOMPARE(save.directory, folder);
  QCOMPARE(save.fileName, QString());
  const FileDialogRequest open = t_->services.openRequests.at(0);
  QCOMPARE(open.title, QString("Open Bead Worksheet"));
  QCOMPARE(open.filter, QString("Bead Worksheet        (*.bws);;All Files                       (*.*)"));
  QCOMPARE(open.defaultSuffix, QString());
  QVERIFY(!open.mustExist);
  QCOMPARE(open.directory, folder);

  t_->services.saveAnswers.push_back(dir_->filePath("first.bws"));
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QCOMPARE(t_->services.openRequests.at(1).directory, dir_->path() + "/");
  QCOMPARE(t_->services.openRequests.at(1).fileName, QString("first.bws"));

  QDir(dir_->path()).mkdir("other");
  const QString second = WriteFile("other/second.bws", "Second\r\n");
  t_->services.openAnswers.push_back(second);
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QCOMPARE(w_->projectBox->text(), QString("Second"));
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  QCOMPARE(t_->services.saveRequests.last().directory, dir_->path() + "/other/");
  QCOMPARE(t_->services.saveRequests.last().fileName, QString("second.bws"));
}

void WorksheetWindowTest::loadingAMissingFileSaysSo() {
  FillSample();
  const QStringList before = AllTexts();
  const QString missing = dir_->filePath("missing.bws");
  t_->services.openAnswers.push_back(missing);
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Error);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QCOMPARE(t_->services.messages[0].text,
           QStringLiteral("Cannot load the worksheet %1: %2.").arg(missing, qt_error_string(ENOENT)));
  QCOMPARE(AllTexts(), before);
  QVERIFY(w_->lastWorksheetFile.isEmpty());
}

// A hand-made file may hold what the window cannot work out: it loads as the
// window would hold it, and only what the window would report is reported.
void WorksheetWindowTest::oddFieldsInAFileLoadAsTheWindowReadsThem_data() {
  QTest::addColumn<QByteArray>("oddLine");
  QTest::addColumn<QStringList>("row5");  // Mm5, Nob5, Bpi5, Tot5
  QTest::addColumn<QStringList>("messages");
  QTest::newRow("letters in mm") << QByteArray("5\tX\tfour\t\t") << QStringList{"four", "", "", ""}
                                 << QStringList{"'four' is not a valid floating point value."};
  QTest::newRow("count with trailing blank")
      << QByteArray("5\tX\t4\t\t50 ") << QStringList{"4", "50 ", "6.35", ""} << QStringList{};
  QTest::newRow("sixth field") << QByteArray("5\tX\t4\t\t36\t9") << QStringList{"4", "36\t9", "6.35", ""}
                               << QStringList{};
}

void WorksheetWindowTest::oddFieldsInAFileLoadAsTheWindowReadsThem() {
  QFETCH(QByteArray, oddLine);
  QFETCH(QStringList, row5);
  QFETCH(QStringList, messages);
  FillSample();
  const QString path =
      WriteFile("odd.bws", "Other project\r\n1\tOther\t8\t\t3\r\n2\t\t\t\t\r\n3\t\t\t\t\r\n4\t\t\t\t\r\n" +
                               oddLine + "\r\n");
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QStringList shown;
  for (const RecordedMessage& m : t_->services.messages) shown << m.text;
  QCOMPARE(shown, messages);
  QCOMPARE(w_->projectBox->text(), QString("Other project"));
  QCOMPARE(w_->descriptionBoxes[4]->text(), QString("X"));
  QCOMPARE((QStringList{w_->mmBoxes[4]->text(), w_->countBoxes[4]->text(), w_->perInchBoxes[4]->text(),
                        w_->lengthBoxes[4]->text()}),
           row5);
  QCOMPARE(w_->rows[4].BeadCount, 0);
  // Nothing of the sample worksheet is left.
  QCOMPARE(w_->lengthBoxes[0]->text(), QString("0.94"));
  QCOMPARE(w_->descriptionBoxes[1]->text() + w_->countBoxes[1]->text() + w_->perInchBoxes[1]->text() +
               w_->countBoxes[2]->text(),
           QString());
  QCOMPARE(w_->totalBox->text(), QString("0.94"));
}

void WorksheetWindowTest::savedOddRowsLoadBackTheSame_data() {
  QTest::addColumn<QString>("mm");
  QTest::addColumn<QString>("inch");
  QTest::addColumn<QString>("count");
  QTest::addColumn<bool>("pasted");
  QTest::addColumn<QString>("loaded");  // Mm3|Inch3|Nob3 after loading
  QTest::newRow("count with a trailing blank") << "4"
                                               << ""
                                               << "36 " << false << "4||36 ";
  QTest::newRow("inch with two points") << ""
                                        << "1..5"
                                        << "24" << false << "|1..5|24";
  QTest::newRow("count with a blank inside") << "2"
                                             << ""
                                             << "3 6" << false << "2||3 6";
  QTest::newRow("count with leading blanks and zeros") << "4"
                                                       << ""
                                                       << "  007" << false << "4||7";
  QTest::newRow("count too large") << "4"
                                   << ""
                                   << "2147483648" << false << "4||2147483648";
  QTest::newRow("inch with blanks around") << ""
                                           << " 1 1/2 "
                                           << "10" << false << "|1 1/2|10";
  QTest::newRow("mm ending in a point") << "4."
                                        << ""
                                        << "10" << false << "4.||10";
  QTest::newRow("lone point for mm") << "."
                                     << ""
                                     << "5" << false << ".||5";
  QTest::newRow("zero mm") << "0"
                           << ""
                           << "5" << false << "0||5";
  QTest::newRow("fraction with a blank after the slash") << ""
                                                         << "1 1/ 2"
                                                         << "" << false << "|1 1/ 2|";
  QTest::newRow("pasted TAB inside a fraction") << ""
                                                << "1\t1/2"
                                                << "4" << true << "|1 1/2|4";
  QTest::newRow("pasted control character after a fraction")
      << "" << QString("1 1/2") + QChar(0x19) << "4" << true << "|1 1/2|4";
  QTest::newRow("pasted negative mm") << "-8"
                                      << ""
                                      << "10" << true << "-8||10";
  QTest::newRow("pasted count behind a TAB") << "4"
                                             << ""
                                             << "\t12" << true << "4||12";
  QTest::newRow("pasted letters in mm") << "4x"
                                        << ""
                                        << "3" << true << "4x||3";
}

// Whatever the window holds when it is saved, loading the file gives the same
// worksheet: the same results, and the same messages for what it cannot work
// out.
void WorksheetWindowTest::savedOddRowsLoadBackTheSame() {
  QFETCH(QString, mm);
  QFETCH(QString, inch);
  QFETCH(QString, count);
  QFETCH(bool, pasted);
  QFETCH(QString, loaded);
  Type(w_->descriptionBoxes[0], "Crystal rondelle");
  Type(w_->mmBoxes[0], "4");
  Type(w_->countBoxes[0], "100");
  Type(w_->descriptionBoxes[2], "Odd row");
  EnterText(w_->mmBoxes[2], mm, pasted);
  EnterText(w_->inchBoxes[2], inch, pasted);
  EnterText(w_->countBoxes[2], count, pasted);
  const QStringList results = Results();
  QStringList typingMessages;
  for (const RecordedMessage& m : t_->services.messages) typingMessages << m.text;
  t_->services.messages.clear();

  const QString path = dir_->filePath("odd.bws");
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].text, QString("Success:  Bead Worksheet Saved."));
  t_->services.messages.clear();
  QTest::mouseClick(w_->clearButton, Qt::LeftButton);

  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QStringList loadingMessages;
  for (const RecordedMessage& m : t_->services.messages) loadingMessages << m.text;
  QCOMPARE(loadingMessages, typingMessages);
  QCOMPARE(Results(), results);
  QCOMPARE(w_->mmBoxes[2]->text() + u'|' + w_->inchBoxes[2]->text() + u'|' + w_->countBoxes[2]->text(),
           loaded);
  QCOMPARE(w_->descriptionBoxes[0]->text() + w_->descriptionBoxes[2]->text(),
           QString("Crystal rondelleOdd row"));
}

// Load a full worksheet, then a file of sizes that cannot be worked out:
// every box shows the second file, never the first.
void WorksheetWindowTest::loadLeavesNothingOfThePreviousWorksheet() {
  QByteArray good = "Good\r\n";
  for (int k = 1; k <= kWorksheetRows; ++k) good += QByteArray::number(k) + "\tRow\t4\t\t100\r\n";
  t_->services.openAnswers.push_back(WriteFile("good.bws", good));
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QCOMPARE(w_->totalBox->text(), QString("157.48"));
  QCOMPARE(t_->services.messages.size(), 0);

  const QString bad = WriteFile("bad.bws",
                                "Bad\r\n"
                                "1\tA\t0\t\t5\r\n"
                                "2\tB\t0\t\t\r\n"
                                "3\tC\t-8\t\t10\r\n"
                                "4\tD\t\t1/x\t7\r\n"
                                "5\tE\tabc\t\t3\r\n"
                                "6\tF\t1E309\t\t2\r\n"
                                "7\tG\t4\t\t100\r\n");
  t_->services.openAnswers.push_back(bad);
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  const struct {
    const char* bpi;
    const char* length;
  } rows[kWorksheetRows] = {{"", "0.00"}, {"", ""},          {"", "0.00"}, {"", "0.00"}, {"", "0.00"},
                            {"", "0.00"}, {"6.35", "15.75"}, {"", ""},     {"", ""},     {"", ""}};
  for (int i = 0; i < kWorksheetRows; ++i) {
    QCOMPARE(w_->perInchBoxes[i]->text(), QString(rows[i].bpi));
    QCOMPARE(w_->lengthBoxes[i]->text(), QString(rows[i].length));
    if (i != 6) QCOMPARE(w_->rows[i].MmValue, 0.0f);
    if (i != 6) QCOMPARE(w_->rows[i].LengthValue, 0.0f);
  }
  QCOMPARE(w_->totalBox->text(), QString("15.75"));
  QCOMPARE(w_->totalValue, w_->rows[6].LengthValue);
  QCOMPARE(w_->mmBoxes[2]->text(), QString("-8"));  // shown, and refused as a typed one is
  QStringList shown;
  for (const RecordedMessage& m : t_->services.messages) shown << m.text;
  QCOMPARE(shown, (QStringList{"Floating point division by zero.", "Floating point division by zero.",
                               "'-8' is below zero: a size or length cannot be negative.",
                               "Cannot convert Fraction to Decimal.",
                               "'abc' is not a valid floating point value.", "Floating point overflow."}));
}

void WorksheetWindowTest::loadEdgeCases() {
  Type(w_->countBoxes[1], "9");  // a count the file does not have
  const QString longProject(63, u'P');
  const QString longDesc(55, u'D');
  const QString path = WriteFile(
      "edge.bws", (longProject + "\r\n1\t" + longDesc + "\t4\t1/4\t10\r\n2\t\t6\t\t\r\n").toLatin1());
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 0);
  QCOMPARE(w_->projectBox->text(), longProject);
  QCOMPARE(w_->descriptionBoxes[0]->text(), longDesc);
  // both sizes: the millimetre one wins
  QCOMPARE(w_->mmBoxes[0]->text(), QString("4"));
  QCOMPARE(w_->inchBoxes[0]->text(), QString());
  QCOMPARE(w_->lengthBoxes[0]->text(), QString("1.57"));
  // the count the file leaves empty is gone
  QCOMPARE(w_->countBoxes[1]->text(), QString());
  QCOMPARE(w_->rows[1].BeadCount, 0);
  QCOMPARE(w_->lengthBoxes[1]->text(), QString());
  QCOMPARE(w_->totalBox->text(), QString("1.57"));
  // a long loaded text can be shortened but not grown again
  FocusWidget(w_->descriptionBoxes[0]);
  w_->descriptionBoxes[0]->end(false);
  QTest::keyClick(w_->descriptionBoxes[0], Qt::Key_Backspace);
  TypeText(w_->descriptionBoxes[0], "xy");
  QCOMPARE(w_->descriptionBoxes[0]->text(), longDesc.left(54));

  // LF line ends: one long project line, every row empty
  const QString lfOnly = WriteFile("unix.bws", "Unix\n1\tA\t4\t\t10\n");
  t_->services.openAnswers.push_back(lfOnly);
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QCOMPARE(w_->projectBox->text(), QString("Unix\n1\tA\t4\t\t10\n"));
  for (int i = 0; i < kWorksheetRows; ++i)
    QCOMPARE(w_->descriptionBoxes[i]->text() + w_->mmBoxes[i]->text() + w_->lengthBoxes[i]->text(),
             QString());
  QCOMPARE(w_->totalBox->text(), QString("0.00"));
}

void WorksheetWindowTest::badFractionIsReportedAndTheLoadGoesOn() {
  const QString path = WriteFile("fraction.bws", "P\r\n1\tA\t\t1/x\t5\r\n2\tB\t4\t\t100\r\n");
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);  // once for the row, not again for its reading
  for (const RecordedMessage& m : t_->services.messages) {
    QCOMPARE(m.caption, QString("Error"));
    QCOMPARE(m.text, QString("Cannot convert Fraction to Decimal."));
  }
  QCOMPARE(w_->inchBoxes[0]->text(), QString("1/x"));
  QCOMPARE(w_->countBoxes[0]->text(), QString("5"));
  QCOMPARE(w_->lengthBoxes[1]->text(), QString("15.75"));
  QCOMPARE(w_->totalBox->text(), QString("15.75"));
}

void WorksheetWindowTest::zeroSizeInAFileStillLoadsTheRest() {
  const QString path = WriteFile("zero.bws", "P\r\n1\tA\t0\t\t5\r\n2\tB\t4\t\t100\r\n");
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].text, QString("Floating point division by zero."));
  QCOMPARE(w_->countBoxes[0]->text(), QString("5"));
  QCOMPARE(w_->lengthBoxes[0]->text(), QString("0.00"));
  QCOMPARE(w_->countBoxes[1]->text(), QString("100"));
  QCOMPARE(w_->totalBox->text(), QString("15.75"));
}

void WorksheetWindowTest::characterOutsideTheCodePageRefusesTheSave() {
  const QByteArray old = "Old\r\n";
  const QString path = WriteFile("old.bws", old);
  FillSample();
  w_->descriptionBoxes[2]->setText(QString::fromUtf8("Perły z Łodzi"));
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
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

// A worksheet file with a line of megabytes: every key and paste in the boxes
// still answers at once, and the user is told what was cut to fit a box.
void WorksheetWindowTest::longLinesKeepEveryKeyQuick() {
  // Far beyond what a box holds, within what a worksheet file may be.
  const QByteArray huge(1900 * 1000, 'p');
  const QString path = WriteFile("long.bws", huge + "\r\n1\t" + huge + "\t4\t\t12\r\n");
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QCOMPARE(w_->lengthBoxes[0]->text(), QString("1.89"));

  // Each key or paste, with the repainting it brings, answers at once.
  QApplication::clipboard()->setText(QString(10 * 1000 * 1000, u'7'));
  QElapsedTimer timer;
  auto answer = [&](QWidget* box, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    timer.start();
    QTest::keyClick(box, key, modifiers);
    box->repaint();
    QApplication::processEvents();
    return timer.elapsed();
  };
  // A loaded text longer than the typing limit may only be shortened.
  const QString shortened(kBoxCapacity - 1, u'p');
  const std::pair<EntryBox*, QString> boxes[] = {{w_->projectBox, shortened},
                                                 {w_->descriptionBoxes[0], shortened},
                                                 {w_->mmBoxes[1], "65"},
                                                 {w_->countBoxes[1], "65"}};
  for (const auto& [box, typed] : boxes) {
    timer.start();
    FocusWidget(box);
    QVERIFY2(timer.elapsed() < 1000, qPrintable(box->accessibleName()));
    box->end(false);
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_5, Qt::Key_Left, Qt::Key_6}) {
      const qint64 ms = answer(box, key);
      QVERIFY2(ms < 1000, qPrintable(QStringLiteral("%1: %2 ms").arg(box->accessibleName()).arg(ms)));
    }
    QCOMPARE(box->text(), typed);
    const qint64 ms = answer(box, Qt::Key_V, Qt::ControlModifier);
    QVERIFY2(ms < 1000, qPrintable(QStringLiteral("%1: paste %2 ms").arg(box->accessibleName()).arg(ms)));
  }

  // The notice came with the load; the size pasted later is reported as too large.
  QCOMPARE(t_->services.messages.size(), 2);
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Warning);
  QVERIFY(t_->services.messages[1].text.endsWith("' is not a valid floating point value."));
  const QString notice = t_->services.messages[0].text;
  QVERIFY2(notice.contains(path) && notice.contains("Project Name") &&
               notice.contains("Description of row 1") && notice.contains(QString::number(kBoxCapacity)),
           qPrintable(notice));
}

void WorksheetWindowTest::failedSaveReportsTheError_data() {
  QTest::addColumn<QString>("target");
  QTest::addColumn<int>("reason");  // errno
  QTest::addColumn<bool>("lockedFolder");
  QTest::newRow("folder that does not exist") << "no/such/folder/w.bws" << ENOENT << false;
  QTest::newRow("a folder in the way") << "taken" << EISDIR << false;
  QTest::newRow("read-only folder") << "locked/w.bws" << EACCES << true;
}

// The box names the file and the system's reason.
void WorksheetWindowTest::failedSaveReportsTheError() {
  QFETCH(QString, target);
  QFETCH(int, reason);
  QFETCH(bool, lockedFolder);
  QDir(dir_->path()).mkdir("taken");
  QDir(dir_->path()).mkdir("locked");
  QVERIFY(QFile::setPermissions(dir_->filePath("locked"), QFile::ReadOwner | QFile::ExeOwner));
  std::optional<ObeyFilePermissions> permissions;
  if (lockedFolder) {
    permissions.emplace();
    if (!permissions->Active()) QSKIP(qPrintable(permissions->Why()));
  }
  FillSample();
  const QString path = dir_->filePath(target);
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  permissions.reset();
  QFile::setPermissions(dir_->filePath("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Error);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QCOMPARE(t_->services.messages[0].text,
           QStringLiteral("Cannot save the worksheet to %1: %2.").arg(path, qt_error_string(reason)));
  QCOMPARE(w_->lastWorksheetFile, path);
  QVERIFY(!QFileInfo(path).isFile());
}

// A full disk: the old file stays byte for byte, no half-written file is left,
// and the user hears why.
void WorksheetWindowTest::fullDiskKeepsTheOldFile() {
  const QString folder = dir_->filePath("disk");
  ScopedTmpfs disk(folder, "size=64k");
  if (!disk.Mounted()) QSKIP(qPrintable(disk.Why()));
  FillSample();
  const QString path = folder + "/necklace.bws";
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  QCOMPARE(t_->services.messages.value(0).text, QString("Success:  Bead Worksheet Saved."));
  const QByteArray old = ReadFile(path);
  QVERIFY(FillDisk(folder + "/filler") > 0);

  Type(w_->descriptionBoxes[6], "A longer worksheet");
  t_->services.messages.clear();
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(w_->saveButton, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QCOMPARE(t_->services.messages[0].text,
           QStringLiteral("Cannot save the worksheet to %1: %2.").arg(path, qt_error_string(ENOSPC)));
  QCOMPARE(ReadFile(path), old);
  QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), (QStringList{"filler", "necklace.bws"}));
}

void WorksheetWindowTest::failedLoadNamesTheFileAndTheReason() {
  const QString path = WriteFile("locked.bws", "Locked\r\n1\tA\t4\t\t10\r\n");
  QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
  FillSample();
  const QStringList before = AllTexts();
  ObeyFilePermissions permissions;
  if (!permissions.Active()) QSKIP(qPrintable(permissions.Why()));
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(w_->loadButton, Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QCOMPARE(t_->services.messages[0].text,
           QStringLiteral("Cannot load the worksheet %1: %2.").arg(path, qt_error_string(EACCES)));
  QCOMPARE(AllTexts(), before);
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
  w_->descriptionBoxes[1]->setText("   Seed beads ");
  const std::optional<QString> got = w_->reportValue(name);
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
  w_->descriptionBoxes[1]->setText("   Seed beads");
  t_->services.printToPdf = dir_->filePath("page.pdf");
  QTest::mouseClick(w_->printButton, Qt::LeftButton);
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
  QTest::mouseClick(w_->clearButton, Qt::LeftButton);
  Type(w_->projectBox, "Second try", Qt::Key_Tab);
  t_->services.printToPdf = dir_->filePath("second.pdf");
  QTest::mouseClick(w_->printButton, Qt::LeftButton);
  const QString second = Pdf("second.pdf");
  QVERIFY(second.contains("Second try"));
  QVERIFY(!second.contains("Crystal"));
  QVERIFY(second.contains("Total Length in Inches"));
  QVERIFY(second.contains("10."));
}

void WorksheetWindowTest::cancelledPrinterDialogPrintsNothing() {
  FillSample();
  const QStringList before = AllTexts();
  QTest::mouseClick(w_->printButton, Qt::LeftButton);
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
  } columns[] = {{"Size MM", w_->mmBoxes[0]},
                 {"Size Inch", w_->inchBoxes[0]},
                 {"Number of Beads", w_->countBoxes[0]},
                 {"Beads per Inch", w_->perInchBoxes[0]},
                 {"Length Inches", w_->lengthBoxes[0]}};
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
