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
#include "worksheet_fixture.h"

using namespace orvane;

class WorksheetWindowTest : public QObject, protected WorksheetFixture {
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
  void clearAllIsUndone_data();
  void clearAllIsUndone();
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
  QWidget* boxNamed(const QString& name) const;
  void fillSample();
  QStringList resultTexts() const;
  void enterText(EntryBox* box, const QString& text, bool pasted);
  QString pdf(const QString& name);
};

void WorksheetWindowTest::init() { openWorksheet(); }

void WorksheetWindowTest::cleanup() { closeWorksheet(); }

QWidget* WorksheetWindowTest::boxNamed(const QString& name) const {
  if (name == "Project") return projectBox(w_);
  if (name == "closeButton") return closeButton(w_);
  if (name == "helpButton") return helpButton(w_);
  if (name == "clearButton") return clearButton(w_);
  if (name == "Total") return totalBox(w_);
  static const QRegularExpression re("^([A-Za-z]+)(\\d+)$");
  const auto m = re.match(name);
  const int i = m.captured(2).toInt() - 1;
  const QString family = m.captured(1);
  if (family == "Desc") return descriptionBoxes(w_)[i];
  if (family == "Mm") return mmBoxes(w_)[i];
  if (family == "Inch") return inchBoxes(w_)[i];
  if (family == "Nob") return countBoxes(w_)[i];
  if (family == "Bpi") return perInchBoxes(w_)[i];
  if (family == "Tot") return lengthBoxes(w_)[i];
  return nullptr;
}

QString nameOf(const WorksheetWindow* w, const QWidget* widget) {
  if (widget == projectBox(w)) return "Project";
  const std::pair<const QWidget*, const char*> buttons[] = {
      {loadButton(w), "loadButton"},     {saveButton(w), "saveButton"},
      {printButton(w), "printButton"},   {calculatorButton(w), "calculatorButton"},
      {helpButton(w), "helpButton"},     {clearButton(w), "clearButton"},
      {recentButton(w), "recentButton"}, {closeButton(w), "closeButton"}};
  for (const auto& [button, name] : buttons)
    if (widget == button) return name;
  for (int i = 0; i < kWorksheetRows; ++i) {
    const QString k = QString::number(i + 1);
    if (widget == descriptionBoxes(w)[i]) return "Desc" + k;
    if (widget == mmBoxes(w)[i]) return "Mm" + k;
    if (widget == inchBoxes(w)[i]) return "Inch" + k;
    if (widget == countBoxes(w)[i]) return "Nob" + k;
    if (widget == perInchBoxes(w)[i]) return "Bpi" + k;
    if (widget == lengthBoxes(w)[i]) return "Tot" + k;
  }
  return widget ? QString::fromLatin1(widget->metaObject()->className()) : QString("none");
}

// Project, a millimetre row, an inch row, a count-only row and a described row.
void WorksheetWindowTest::fillSample() {
  type(projectBox(w_), "Summer necklace", Qt::Key_Tab);
  type(descriptionBoxes(w_)[0], "Crystal rondelle");
  type(mmBoxes(w_)[0], "4");
  type(countBoxes(w_)[0], "100");
  type(descriptionBoxes(w_)[1], "Seed beads");
  type(mmBoxes(w_)[1], "");
  type(inchBoxes(w_)[1], "1/8");
  type(countBoxes(w_)[1], "24");
  type(countBoxes(w_)[2], "007");
  type(descriptionBoxes(w_)[4], "Clasp");
}

// What the window worked out: beads per inch and length of every row, the
// total, and the values behind them.
QStringList WorksheetWindowTest::resultTexts() const {
  QStringList results{totalBox(w_)->text(), QString::number(w_->totalLength())};
  for (int i = 0; i < kWorksheetRows; ++i)
    results << perInchBoxes(w_)[i]->text() << lengthBoxes(w_)[i]->text()
            << QString::number(w_->rowValues()[i].MmValue) << QString::number(w_->rowValues()[i].BeadCount)
            << QString::number(w_->rowValues()[i].LengthValue);
  return results;
}

// Typed key by key through the box's filter, or pasted past it; then Tab.
void WorksheetWindowTest::enterText(EntryBox* box, const QString& text, bool pasted) {
  if (text.isEmpty()) return;
  giveFocusTo(box);
  if (pasted) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  } else {
    typeText(box, text);
  }
  QCOMPARE(box->text(), text);
  QTest::keyClick(box, Qt::Key_Tab);
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
    EntryBox* box = step.startsWith("Mm:") ? mmBoxes(w_)[0] : inchBoxes(w_)[0];
    giveFocusTo(box);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    type(box, step.section(u':', 1));
  }
  giveFocusTo(countBoxes(w_)[0]);
  typeText(countBoxes(w_)[0], count);
  QCOMPARE((QStringList{mmBoxes(w_)[0]->text(), inchBoxes(w_)[0]->text(), perInchBoxes(w_)[0]->text(),
                        lengthBoxes(w_)[0]->text(), totalBox(w_)->text()}),
           expected);
  QCOMPARE(w_->totalLength(), w_->rowValues()[0].LengthValue);
  QCOMPARE(t_->services.messages.size(), 0);
}

void WorksheetWindowTest::lengthFollowsEachKeystroke() {
  type(mmBoxes(w_)[0], "4");
  type(mmBoxes(w_)[1], "2");
  QCOMPARE(QApplication::focusWidget(), countBoxes(w_)[1]);
  typeText(countBoxes(w_)[1], "10");
  giveFocusTo(countBoxes(w_)[0]);
  QTest::keyClick(countBoxes(w_)[0], Qt::Key_1);
  QCOMPARE(lengthBoxes(w_)[0]->text(), QString("0.16"));
  QTest::keyClick(countBoxes(w_)[0], Qt::Key_2);
  QCOMPARE(lengthBoxes(w_)[0]->text(), QString("1.89"));
  QCOMPARE(totalBox(w_)->text(), QString("2.68"));  // 1.889764 + 0.787402 in floats
  QTest::keyClick(countBoxes(w_)[0], Qt::Key_Backspace);
  QTest::keyClick(countBoxes(w_)[0], Qt::Key_Backspace);
  QCOMPARE(lengthBoxes(w_)[0]->text(), QString());
  QCOMPARE(totalBox(w_)->text(), QString("0.79"));
  countBoxes(w_)[1]->clear();
  QCOMPARE(totalBox(w_)->text(), QString("0.00"));
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
  auto* edit = static_cast<EntryBox*>(boxNamed(box));
  type(edit, text, Qt::Key(key));
  QCOMPARE(nameOf(w_, QApplication::focusWidget()), focus);
  QCOMPARE(t_->services.beeps, 0);
}

void WorksheetWindowTest::clickingElsewhereAfterASizeLandsInTheCount() {
  giveFocusTo(mmBoxes(w_)[3]);
  typeText(mmBoxes(w_)[3], "6");
  QTest::mouseClick(descriptionBoxes(w_)[7], Qt::LeftButton);
  QCOMPARE(nameOf(w_, QApplication::focusWidget()), QString("Nob4"));
  QCOMPARE(perInchBoxes(w_)[3]->text(), QString("4.23"));
  // The box clicked on never had the focus: leaving it is no exit.
  giveFocusTo(inchBoxes(w_)[5]);
  typeText(inchBoxes(w_)[5], "1/2");
  QTest::mouseClick(mmBoxes(w_)[3], Qt::LeftButton);
  QCOMPARE(nameOf(w_, QApplication::focusWidget()), QString("Nob6"));
  QCOMPARE(mmBoxes(w_)[3]->text(), QString("6"));
  QCOMPARE(perInchBoxes(w_)[3]->text(), QString("4.23"));
  QCOMPARE(perInchBoxes(w_)[5]->text(), QString("2.00"));
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
  giveFocusTo(projectBox(w_));
  QStringList walked{nameOf(w_, QApplication::focusWidget())};
  for (int i = 1; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    walked << nameOf(w_, QApplication::focusWidget());
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
  giveFocusTo(boxNamed(from));
  QTest::keyClick(boxNamed(from), Qt::Key(key));
  QCOMPARE(nameOf(w_, QApplication::focusWidget()), to);
}

void WorksheetWindowTest::keyFilters() {
  type(mmBoxes(w_)[0], "2.5", Qt::Key_Period);
  QCOMPARE(mmBoxes(w_)[0]->text(), QString("2.5"));
  QCOMPARE(t_->services.beeps, 1);
  typeText(mmBoxes(w_)[0], "x/ ");
  QCOMPARE(mmBoxes(w_)[0]->text(), QString("2.5"));
  QCOMPARE(t_->services.beeps, 4);
  type(inchBoxes(w_)[1], "1 1/2.5.x", Qt::Key_Tab);
  QCOMPARE(inchBoxes(w_)[1]->text(), QString("1 1/2.5."));
  type(countBoxes(w_)[2], "1 2.a", Qt::Key_Tab);
  QCOMPARE(countBoxes(w_)[2]->text(), QString("1 2"));
  QCOMPARE(t_->services.beeps, 7);
  type(descriptionBoxes(w_)[3], "Any text: 1/2 & 3.5!", Qt::Key_Tab);
  QCOMPARE(descriptionBoxes(w_)[3]->text(), QString("Any text: 1/2 & 3.5!"));
  typeText(descriptionBoxes(w_)[3], QString(40, u'x'));
  QCOMPARE(descriptionBoxes(w_)[3]->text().size(), 40);
  typeText(projectBox(w_), QString(60, u'p'));
  QCOMPARE(projectBox(w_)->text().size(), 50);
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
  type(static_cast<EntryBox*>(boxNamed(sizeBox)), size);
  typeText(countBoxes(w_)[1], "24");
  QCOMPARE((QStringList{perInchBoxes(w_)[1]->text(), lengthBoxes(w_)[1]->text(), totalBox(w_)->text()}),
           expected);
  QTest::mouseClick(boxNamed(passedBox), Qt::LeftButton);
  QCOMPARE(nameOf(w_, QApplication::focusWidget()), passedBox);
  typeText(boxNamed(passedBox), typedThere);
  QTest::mouseClick(descriptionBoxes(w_)[4], Qt::LeftButton);
  QCOMPARE(nameOf(w_, QApplication::focusWidget()), QString("Desc5"));
  QCOMPARE((QStringList{perInchBoxes(w_)[1]->text(), lengthBoxes(w_)[1]->text(), totalBox(w_)->text()}),
           expected);
  QCOMPARE(static_cast<EntryBox*>(boxNamed(sizeBox))->text(), size);
  QVERIFY(w_->rowValues()[1].MmValue > 0);
  QCOMPARE(t_->services.messages.size(), 0);
  // Emptying the size box itself still removes the size.
  giveFocusTo(boxNamed(sizeBox));
  static_cast<EntryBox*>(boxNamed(sizeBox))->clear();
  QTest::mouseClick(descriptionBoxes(w_)[4], Qt::LeftButton);
  QCOMPARE((QStringList{perInchBoxes(w_)[1]->text(), lengthBoxes(w_)[1]->text(), totalBox(w_)->text()}),
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
  help->showTopic(HelpTopic::StoneSize);
  type(projectBox(w_), "Kept", Qt::Key_Tab);
  giveFocusTo(boxNamed(from));
  QTest::keyClick(boxNamed(from), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  if (effect == "open dialog") QTRY_COMPARE(t_->services.openRequests.size(), 1);
  if (effect == "save dialog") QTRY_COMPARE(t_->services.saveRequests.size(), 1);
  if (effect == "printer dialog") QTRY_COMPARE(t_->services.printerDialogs, 1);
  if (effect == "calculator") QTRY_VERIFY(t_->app->calculatorWindow()->isVisible());
  if (effect == "help") {
    QTRY_VERIFY(help->isVisible());
    QCOMPARE(help->findChild<ColorTabWidget*>(QStringLiteral("pages"))->activePage()->objectName(),
             QStringLiteral("worksheetPage"));
  }
  if (effect == "cleared")
    QTRY_COMPARE(projectBox(w_)->text(), QString());
  else
    QCOMPARE(projectBox(w_)->text(), QString("Kept"));
  if (effect != "open dialog") QCOMPARE(t_->services.openRequests.size(), 0);
  if (effect != "save dialog") QCOMPARE(t_->services.saveRequests.size(), 0);
  if (effect != "printer dialog") QCOMPARE(t_->services.printerDialogs, 0);
  // The key is no character typed into the box.
  QCOMPARE(t_->services.beeps, 0);
  if (auto* box = qobject_cast<EntryBox*>(boxNamed(from))) QCOMPARE(box->text(), QString());
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
  type(mmBoxes(w_)[0], "4");
  typeText(countBoxes(w_)[0], "100");
  auto* edit = static_cast<EntryBox*>(boxNamed(box));
  giveFocusTo(edit);
  edit->setText(pasted);  // pasted text passes no filter
  QTest::keyClick(edit, Qt::Key_Return);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, caption);
  QCOMPARE(t_->services.messages[0].text, message);
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Error);
  QCOMPARE(w_->rowValues()[0].MmValue, mmValue);
  QCOMPARE(perInchBoxes(w_)[0]->text(), QString("6.35"));
  QCOMPARE(lengthBoxes(w_)[0]->text(), QString("15.75"));
  // Enter goes on to the next control (the inch box for a millimetre box), not
  // to the count as a successful size would.
  if (box.startsWith("Mm")) QCOMPARE(nameOf(w_, QApplication::focusWidget()), QString("Inch1"));
}

// A size whose length overflows: the error box comes up, the beads per inch
// already written and the emptied inch box stay, the length and total keep
// what they showed, and the caret does not go on to the count.
void WorksheetWindowTest::boxesWrittenBeforeAFailureStay() {
  type(inchBoxes(w_)[0], "1/4");
  typeText(countBoxes(w_)[0], "2147483647");
  QCOMPARE(lengthBoxes(w_)[0]->text(), QString("5.36871E8"));
  giveFocusTo(mmBoxes(w_)[0]);
  mmBoxes(w_)[0]->setText("1E308");  // pasted
  QTest::keyClick(mmBoxes(w_)[0], Qt::Key_Return);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].text, QString("Floating point overflow."));
  QCOMPARE(inchBoxes(w_)[0]->text(), QString());
  QCOMPARE(perInchBoxes(w_)[0]->text(), worksheetNumberText(beadsPerInchFromMm(1e308)));
  QCOMPARE(lengthBoxes(w_)[0]->text(), QString("5.36871E8"));
  QCOMPARE(totalBox(w_)->text(), QString("5.36871E8"));
  QCOMPARE(w_->rowValues()[0].MmValue, 1e308);
  QCOMPARE(nameOf(w_, QApplication::focusWidget()), QString("Inch1"));
}

void WorksheetWindowTest::clearEmptiesEverythingButTheFileName() {
  fillSample();
  t_->services.saveAnswers.push_back(dir_->filePath("kept.bws"));
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  t_->services.reset();
  QTest::mouseClick(clearButton(w_), Qt::LeftButton);
  for (const QString& text : allTexts()) QCOMPARE(text, QString());
  QCOMPARE(w_->totalLength(), 0.0f);
  for (const WorksheetRowValues& row : w_->rowValues()) {
    QCOMPARE(row.MmValue, 0.0f);
    QCOMPARE(row.InchValue, 0.0f);
    QCOMPARE(row.BeadCount, 0);
    QCOMPARE(row.LengthValue, 0.0f);
  }
  QCOMPARE(w_->lastWorksheetFile(), dir_->filePath("kept.bws"));
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.saveRequests.size(), 1);
  QCOMPARE(t_->services.saveRequests[0].fileName, QString("kept.bws"));
  // A count typed after Clear works from a size of 0 again.
  type(countBoxes(w_)[0], "5");
  QCOMPARE(lengthBoxes(w_)[0]->text(), QString("0.00"));
}

// Ctrl+Z brings back every box Clear All emptied, wherever the focus is,
// until the user types something new.
void WorksheetWindowTest::clearAllIsUndone_data() {
  QTest::addColumn<QString>("focus");
  QTest::newRow("on the button") << "clearButton";
  QTest::newRow("in an emptied box") << "Desc1";
  QTest::newRow("in a box that was empty") << "Desc7";
}

void WorksheetWindowTest::clearAllIsUndone() {
  QFETCH(QString, focus);
  fillSample();
  const QStringList before = allTexts();
  const double total = w_->totalLength();
  QVERIFY(w_->isModified());
  QTest::mouseClick(clearButton(w_), Qt::LeftButton);
  QCOMPARE(allTexts(), QStringList(before.size(), QString()));
  QVERIFY(w_->canUndoClear());
  giveFocusTo(boxNamed(focus));
  QTest::keyClick(boxNamed(focus), Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(allTexts(), before);
  QCOMPARE(w_->totalLength(), total);
  QVERIFY(w_->isModified());
  QVERIFY(!w_->canUndoClear());
  QVERIFY(t_->services.questions.isEmpty());

  // Something typed after Clear All is the new worksheet: Ctrl+Z then only
  // takes back the typing, and the cleared rows are gone.
  QTest::mouseClick(clearButton(w_), Qt::LeftButton);
  type(descriptionBoxes(w_)[2], "New");
  QVERIFY(!w_->canUndoClear());
  giveFocusTo(descriptionBoxes(w_)[2]);
  QTest::keyClick(descriptionBoxes(w_)[2], Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(descriptionBoxes(w_)[0]->text(), QString());
  QCOMPARE(projectBox(w_)->text(), QString());
}

void WorksheetWindowTest::escapeHidesAndKeepsTheRows() {
  fillSample();
  const QStringList before = allTexts();
  giveFocusTo(descriptionBoxes(w_)[6]);
  QTest::keyClick(descriptionBoxes(w_)[6], Qt::Key_Escape);
  QTRY_VERIFY(!w_->isVisible());
  QVERIFY(t_->app->mainWindow());
  QCOMPARE(t_->quitRequests, 0);
  QTest::mouseClick(t_->app->mainWindow()->findChild<QPushButton*>(QStringLiteral("worksheetButton")),
                    Qt::LeftButton);
  QVERIFY(w_->isVisible());
  QCOMPARE(allTexts(), before);
  QTest::mouseClick(closeButton(w_), Qt::LeftButton);
  QVERIFY(!w_->isVisible());
}

void WorksheetWindowTest::calculatorAndHelpButtons() {
  HelpWindow* help = t_->app->helpWindow();
  help->showTopic(HelpTopic::StoneSize);
  w_->show();
  QVERIFY(!t_->app->calculatorWindow()->isVisible());
  QTest::mouseClick(calculatorButton(w_), Qt::LeftButton);
  QVERIFY(t_->app->calculatorWindow()->isVisible());
  QTest::mouseClick(helpButton(w_), Qt::LeftButton);
  QVERIFY(help->isVisible());
  QCOMPARE(help->findChild<ColorTabWidget*>(QStringLiteral("pages"))->activePage()->objectName(),
           QStringLiteral("worksheetPage"));
  // Each shortcut shows in its button's tooltip.
  QCOMPARE(loadButton(w_)->toolTip(), QString("Load (Ctrl+O)"));
  QCOMPARE(saveButton(w_)->toolTip(), QString("Save (Ctrl+S)"));
  QCOMPARE(printButton(w_)->toolTip(), QString("Print (Ctrl+P)"));
  QCOMPARE(calculatorButton(w_)->toolTip(), QString("Calculator (F9)"));
  QCOMPARE(helpButton(w_)->toolTip(), QString("Help (F1)"));
  QCOMPARE(clearButton(w_)->toolTip(), QString("Clear All"));
  QCOMPARE(closeButton(w_)->toolTip(), QString("Close (Esc)"));
}

// ---- file -----------------------------------------------------------------

void WorksheetWindowTest::saveClearLoadGivesEveryBoxBack() {
  fillSample();
  descriptionBoxes(w_)[4]->setText("  Clasp  ");  // blanks around a description are not kept
  const QStringList before = allTexts();
  const double totalBefore = w_->totalLength();
  QCOMPARE(totalBox(w_)->text(), QString("18.75"));
  const QString path = dir_->filePath("necklace.bws");
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Information);
  QCOMPARE(t_->services.messages[0].caption, QString("Information"));
  QCOMPARE(t_->services.messages[0].text, QString("Success:  Bead Worksheet Saved."));
  QCOMPARE(w_->lastWorksheetFile(), path);

  const QByteArray bytes = readFile(path);
  QCOMPARE(bytes.count("\r\n"), 11);
  QCOMPARE(bytes.split('\n').value(0), QByteArray("Summer necklace\r"));
  QCOMPARE(bytes.split('\n').value(2), QByteArray("2\tSeed beads\t\t1/8\t24\r"));
  QCOMPARE(bytes.split('\n').value(3), QByteArray("3\t\t\t\t007\r"));
  QCOMPARE(bytes.split('\n').value(5), QByteArray("5\t  Clasp  \t\t\t\r"));

  QTest::mouseClick(clearButton(w_), Qt::LeftButton);
  giveFocusTo(mmBoxes(w_)[8]);
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QStringList expected = before;
  expected[2 + 4 * 6] = "Clasp";  // Desc5
  expected[2 + 2 * 6 + 3] = "7";  // Nob3: plain decimal
  QCOMPARE(allTexts(), expected);
  QCOMPARE(w_->totalLength(), totalBefore);
  QCOMPARE(nameOf(w_, QApplication::focusWidget()), QString("Desc1"));
}

void WorksheetWindowTest::dialogsStartWhereTheLastFileIs() {
  const QString folder = t_->app->mainWindow()->worksheetFolder;
  QVERIFY(folder.endsWith("/Worksheet/"));
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);  // cancelled
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);  // cancelled
  QCOMPARE(t_->services.messages.size(), 0);
  QVERIFY(w_->lastWorksheetFile().isEmpty());
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
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.openRequests.at(1).directory, dir_->path() + "/");
  QCOMPARE(t_->services.openRequests.at(1).fileName, QString("first.bws"));

  QDir(dir_->path()).mkdir("other");
  const QString second = writeFile("other/second.bws", "Second\r\n");
  t_->services.openAnswers.push_back(second);
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QCOMPARE(projectBox(w_)->text(), QString("Second"));
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.saveRequests.last().directory, dir_->path() + "/other/");
  QCOMPARE(t_->services.saveRequests.last().fileName, QString("second.bws"));
}

void WorksheetWindowTest::loadingAMissingFileSaysSo() {
  fillSample();
  const QStringList before = allTexts();
  const QString missing = dir_->filePath("missing.bws");
  t_->services.openAnswers.push_back(missing);
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Error);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QCOMPARE(t_->services.messages[0].text,
           QStringLiteral("Cannot load the worksheet %1: %2.").arg(missing, qt_error_string(ENOENT)));
  QCOMPARE(allTexts(), before);
  QVERIFY(w_->lastWorksheetFile().isEmpty());
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
  fillSample();
  const QString path =
      writeFile("odd.bws", "Other project\r\n1\tOther\t8\t\t3\r\n2\t\t\t\t\r\n3\t\t\t\t\r\n4\t\t\t\t\r\n" +
                               oddLine + "\r\n");
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QStringList shown;
  for (const RecordedMessage& m : t_->services.messages) shown << m.text;
  QCOMPARE(shown, messages);
  QCOMPARE(projectBox(w_)->text(), QString("Other project"));
  QCOMPARE(descriptionBoxes(w_)[4]->text(), QString("X"));
  QCOMPARE((QStringList{mmBoxes(w_)[4]->text(), countBoxes(w_)[4]->text(), perInchBoxes(w_)[4]->text(),
                        lengthBoxes(w_)[4]->text()}),
           row5);
  QCOMPARE(w_->rowValues()[4].BeadCount, 0);
  // Nothing of the sample worksheet is left.
  QCOMPARE(lengthBoxes(w_)[0]->text(), QString("0.94"));
  QCOMPARE(descriptionBoxes(w_)[1]->text() + countBoxes(w_)[1]->text() + perInchBoxes(w_)[1]->text() +
               countBoxes(w_)[2]->text(),
           QString());
  QCOMPARE(totalBox(w_)->text(), QString("0.94"));
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
  type(descriptionBoxes(w_)[0], "Crystal rondelle");
  type(mmBoxes(w_)[0], "4");
  type(countBoxes(w_)[0], "100");
  type(descriptionBoxes(w_)[2], "Odd row");
  enterText(mmBoxes(w_)[2], mm, pasted);
  enterText(inchBoxes(w_)[2], inch, pasted);
  enterText(countBoxes(w_)[2], count, pasted);
  const QStringList results = resultTexts();
  QStringList typingMessages;
  for (const RecordedMessage& m : t_->services.messages) typingMessages << m.text;
  t_->services.messages.clear();

  const QString path = dir_->filePath("odd.bws");
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].text, QString("Success:  Bead Worksheet Saved."));
  t_->services.messages.clear();
  QTest::mouseClick(clearButton(w_), Qt::LeftButton);

  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QStringList loadingMessages;
  for (const RecordedMessage& m : t_->services.messages) loadingMessages << m.text;
  QCOMPARE(loadingMessages, typingMessages);
  QCOMPARE(resultTexts(), results);
  QCOMPARE(mmBoxes(w_)[2]->text() + u'|' + inchBoxes(w_)[2]->text() + u'|' + countBoxes(w_)[2]->text(),
           loaded);
  QCOMPARE(descriptionBoxes(w_)[0]->text() + descriptionBoxes(w_)[2]->text(),
           QString("Crystal rondelleOdd row"));
}

// Load a full worksheet, then a file of sizes that cannot be worked out:
// every box shows the second file, never the first.
void WorksheetWindowTest::loadLeavesNothingOfThePreviousWorksheet() {
  QByteArray good = "Good\r\n";
  for (int k = 1; k <= kWorksheetRows; ++k) good += QByteArray::number(k) + "\tRow\t4\t\t100\r\n";
  t_->services.openAnswers.push_back(writeFile("good.bws", good));
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QCOMPARE(totalBox(w_)->text(), QString("157.48"));
  QCOMPARE(t_->services.messages.size(), 0);

  const QString bad = writeFile("bad.bws",
                                "Bad\r\n"
                                "1\tA\t0\t\t5\r\n"
                                "2\tB\t0\t\t\r\n"
                                "3\tC\t-8\t\t10\r\n"
                                "4\tD\t\t1/x\t7\r\n"
                                "5\tE\tabc\t\t3\r\n"
                                "6\tF\t1E309\t\t2\r\n"
                                "7\tG\t4\t\t100\r\n");
  t_->services.openAnswers.push_back(bad);
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  const struct {
    const char* bpi;
    const char* length;
  } rows[kWorksheetRows] = {{"", "0.00"}, {"", ""},          {"", "0.00"}, {"", "0.00"}, {"", "0.00"},
                            {"", "0.00"}, {"6.35", "15.75"}, {"", ""},     {"", ""},     {"", ""}};
  for (int i = 0; i < kWorksheetRows; ++i) {
    QCOMPARE(perInchBoxes(w_)[i]->text(), QString(rows[i].bpi));
    QCOMPARE(lengthBoxes(w_)[i]->text(), QString(rows[i].length));
    if (i != 6) QCOMPARE(w_->rowValues()[i].MmValue, 0.0f);
    if (i != 6) QCOMPARE(w_->rowValues()[i].LengthValue, 0.0f);
  }
  QCOMPARE(totalBox(w_)->text(), QString("15.75"));
  QCOMPARE(w_->totalLength(), w_->rowValues()[6].LengthValue);
  QCOMPARE(mmBoxes(w_)[2]->text(), QString("-8"));  // shown, and refused as a typed one is
  QStringList shown;
  for (const RecordedMessage& m : t_->services.messages) shown << m.text;
  QCOMPARE(shown, (QStringList{"Floating point division by zero.", "Floating point division by zero.",
                               "'-8' is below zero: a size or length cannot be negative.",
                               "Cannot convert Fraction to Decimal.",
                               "'abc' is not a valid floating point value.", "Floating point overflow."}));
}

void WorksheetWindowTest::loadEdgeCases() {
  type(countBoxes(w_)[1], "9");  // a count the file does not have
  const QString longProject(63, u'P');
  const QString longDesc(55, u'D');
  const QString path = writeFile(
      "edge.bws", (longProject + "\r\n1\t" + longDesc + "\t4\t1/4\t10\r\n2\t\t6\t\t\r\n").toLatin1());
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 0);
  QCOMPARE(projectBox(w_)->text(), longProject);
  QCOMPARE(descriptionBoxes(w_)[0]->text(), longDesc);
  // both sizes: the millimetre one wins
  QCOMPARE(mmBoxes(w_)[0]->text(), QString("4"));
  QCOMPARE(inchBoxes(w_)[0]->text(), QString());
  QCOMPARE(lengthBoxes(w_)[0]->text(), QString("1.57"));
  // the count the file leaves empty is gone
  QCOMPARE(countBoxes(w_)[1]->text(), QString());
  QCOMPARE(w_->rowValues()[1].BeadCount, 0);
  QCOMPARE(lengthBoxes(w_)[1]->text(), QString());
  QCOMPARE(totalBox(w_)->text(), QString("1.57"));
  // a long loaded text can be shortened but not grown again
  giveFocusTo(descriptionBoxes(w_)[0]);
  descriptionBoxes(w_)[0]->end(false);
  QTest::keyClick(descriptionBoxes(w_)[0], Qt::Key_Backspace);
  typeText(descriptionBoxes(w_)[0], "xy");
  QCOMPARE(descriptionBoxes(w_)[0]->text(), longDesc.left(54));

  // LF line ends: one long project line, every row empty
  const QString lfOnly = writeFile("unix.bws", "Unix\n1\tA\t4\t\t10\n");
  t_->services.openAnswers.push_back(lfOnly);
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QCOMPARE(projectBox(w_)->text(), QString("Unix\n1\tA\t4\t\t10\n"));
  for (int i = 0; i < kWorksheetRows; ++i)
    QCOMPARE(descriptionBoxes(w_)[i]->text() + mmBoxes(w_)[i]->text() + lengthBoxes(w_)[i]->text(),
             QString());
  QCOMPARE(totalBox(w_)->text(), QString("0.00"));
}

void WorksheetWindowTest::badFractionIsReportedAndTheLoadGoesOn() {
  const QString path = writeFile("fraction.bws", "P\r\n1\tA\t\t1/x\t5\r\n2\tB\t4\t\t100\r\n");
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);  // once for the row, not again for its reading
  for (const RecordedMessage& m : t_->services.messages) {
    QCOMPARE(m.caption, QString("Error"));
    QCOMPARE(m.text, QString("Cannot convert Fraction to Decimal."));
  }
  QCOMPARE(inchBoxes(w_)[0]->text(), QString("1/x"));
  QCOMPARE(countBoxes(w_)[0]->text(), QString("5"));
  QCOMPARE(lengthBoxes(w_)[1]->text(), QString("15.75"));
  QCOMPARE(totalBox(w_)->text(), QString("15.75"));
}

void WorksheetWindowTest::zeroSizeInAFileStillLoadsTheRest() {
  const QString path = writeFile("zero.bws", "P\r\n1\tA\t0\t\t5\r\n2\tB\t4\t\t100\r\n");
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].text, QString("Floating point division by zero."));
  QCOMPARE(countBoxes(w_)[0]->text(), QString("5"));
  QCOMPARE(lengthBoxes(w_)[0]->text(), QString("0.00"));
  QCOMPARE(countBoxes(w_)[1]->text(), QString("100"));
  QCOMPARE(totalBox(w_)->text(), QString("15.75"));
}

void WorksheetWindowTest::characterOutsideTheCodePageRefusesTheSave() {
  const QByteArray old = "Old\r\n";
  const QString path = writeFile("old.bws", old);
  fillSample();
  descriptionBoxes(w_)[2]->setText(QString::fromUtf8("Perły z Łodzi"));
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Error"));
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Error);
  const QString text = t_->services.messages[0].text;
  QVERIFY2(text.startsWith("Error: Bead Worksheet not Saved.\r\n"), qPrintable(text));
  QVERIFY2(text.contains(QString::fromUtf8("Description of row 3 holds the character \"ł\" (U+0142)")),
           qPrintable(text));
  QCOMPARE(readFile(path), old);
  QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"old.bws"});
}

// A worksheet file with a line of megabytes: every key and paste in the boxes
// still answers at once, and the user is told what was cut to fit a box.
void WorksheetWindowTest::longLinesKeepEveryKeyQuick() {
  // Far beyond what a box holds, within what a worksheet file may be.
  const QByteArray huge(1900 * 1000, 'p');
  const QString path = writeFile("long.bws", huge + "\r\n1\t" + huge + "\t4\t\t12\r\n");
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QCOMPARE(lengthBoxes(w_)[0]->text(), QString("1.89"));

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
  const std::pair<EntryBox*, QString> boxes[] = {{projectBox(w_), shortened},
                                                 {descriptionBoxes(w_)[0], shortened},
                                                 {mmBoxes(w_)[1], "65"},
                                                 {countBoxes(w_)[1], "65"}};
  for (const auto& [box, typed] : boxes) {
    timer.start();
    giveFocusTo(box);
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
    if (!permissions->active()) QSKIP(qPrintable(permissions->why()));
  }
  fillSample();
  const QString path = dir_->filePath(target);
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  permissions.reset();
  QFile::setPermissions(dir_->filePath("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].icon, MessageIcon::Error);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QCOMPARE(t_->services.messages[0].text,
           QStringLiteral("Cannot save the worksheet to %1: %2.").arg(path, qt_error_string(reason)));
  QCOMPARE(w_->lastWorksheetFile(), path);
  QVERIFY(!QFileInfo(path).isFile());
}

// A full disk: the old file stays byte for byte, no half-written file is left,
// and the user hears why.
void WorksheetWindowTest::fullDiskKeepsTheOldFile() {
  const QString folder = dir_->filePath("disk");
  ScopedTmpfs disk(folder, "size=64k");
  if (!disk.mounted()) QSKIP(qPrintable(disk.why()));
  fillSample();
  const QString path = folder + "/necklace.bws";
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.messages.value(0).text, QString("Success:  Bead Worksheet Saved."));
  const QByteArray old = readFile(path);
  QVERIFY(fillDisk(folder + "/filler") > 0);

  type(descriptionBoxes(w_)[6], "A longer worksheet");
  t_->services.messages.clear();
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QCOMPARE(t_->services.messages[0].text,
           QStringLiteral("Cannot save the worksheet to %1: %2.").arg(path, qt_error_string(ENOSPC)));
  QCOMPARE(readFile(path), old);
  QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), (QStringList{"filler", "necklace.bws"}));
}

void WorksheetWindowTest::failedLoadNamesTheFileAndTheReason() {
  const QString path = writeFile("locked.bws", "Locked\r\n1\tA\t4\t\t10\r\n");
  QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
  fillSample();
  const QStringList before = allTexts();
  ObeyFilePermissions permissions;
  if (!permissions.active()) QSKIP(qPrintable(permissions.why()));
  t_->services.openAnswers.push_back(path);
  QTest::mouseClick(loadButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QString("Orvane"));
  QCOMPARE(t_->services.messages[0].text,
           QStringLiteral("Cannot load the worksheet %1: %2.").arg(path, qt_error_string(EACCES)));
  QCOMPARE(allTexts(), before);
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
  fillSample();
  descriptionBoxes(w_)[1]->setText("   Seed beads ");
  const std::optional<QString> got = w_->reportValue(name);
  QCOMPARE(got.has_value(), !value.isNull());
  if (got) QCOMPARE(*got, value);
}

QString WorksheetWindowTest::pdf(const QString& name) {
  QProcess p;
  p.start("pdftotext", {"-layout", dir_->filePath(name), "-"});
  if (!p.waitForFinished(20000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

void WorksheetWindowTest::printsThePageAsItIsNow() {
  fillSample();
  descriptionBoxes(w_)[1]->setText("   Seed beads");
  t_->services.printToPdf = dir_->filePath("page.pdf");
  QTest::mouseClick(printButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.printerDialogs, 1);
  QCOMPARE(t_->services.messages.size(), 0);
  const QString text = pdf("page.pdf");
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
  QTest::mouseClick(clearButton(w_), Qt::LeftButton);
  type(projectBox(w_), "Second try", Qt::Key_Tab);
  t_->services.printToPdf = dir_->filePath("second.pdf");
  QTest::mouseClick(printButton(w_), Qt::LeftButton);
  const QString second = pdf("second.pdf");
  QVERIFY(second.contains("Second try"));
  QVERIFY(!second.contains("Crystal"));
  QVERIFY(second.contains("Total Length in Inches"));
  QVERIFY(second.contains("10."));
}

void WorksheetWindowTest::cancelledPrinterDialogPrintsNothing() {
  fillSample();
  const QStringList before = allTexts();
  QTest::mouseClick(printButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.printerDialogs, 1);
  QCOMPARE(t_->services.messages.size(), 0);
  QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList());
  QCOMPARE(allTexts(), before);
}

// Each number column's heading is centred over its box, on two lines.
void WorksheetWindowTest::numberHeadingsTakeTwoLinesOverTheirColumns() {
  const struct {
    const char* heading;
    QWidget* box;
  } columns[] = {{"Size MM", mmBoxes(w_)[0]},
                 {"Size Inch", inchBoxes(w_)[0]},
                 {"Number of Beads", countBoxes(w_)[0]},
                 {"Beads per Inch", perInchBoxes(w_)[0]},
                 {"Length Inches", lengthBoxes(w_)[0]}};
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
