#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "app/main_window.h"
#include "bead_cases.h"
#include "core/text_rules.h"
#include "find_child.h"
#include "measures/bead_page.h"
#include "widget_fixture.h"
#include "widgets/color_tab_widget.h"
#include "widgets/entry_box.h"

using namespace orvane;

namespace {

const QString kRateError = QStringLiteral(
    "Error: Beads per Inch not calculated.\n\n       Please enter bead size\n       and try again.");
const QString kAreaError = QStringLiteral(
    "Error: Stone Area not calculated.\n\n       Please enter stone size\n       and try again.");

}  // namespace

class BeadPageTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();

  void strandExamples_data();
  void strandExamples();
  void sizeBoxLeftAnyWayLandsInBeadCount_data();
  void sizeBoxLeftAnyWayLandsInBeadCount();
  void emptySizeBoxLetsTheFocusGo();
  void beadCountIsRewritten_data();
  void beadCountIsRewritten();
  void beadCountChanges();
  void editingTheCountKeepsCaretAndUndo();
  void nestedRecalculationFailureStopsOuterRun();
  void notCalculatedBoxes_data();
  void notCalculatedBoxes();
  void sizeFailures_data();
  void sizeFailures();
  void areaExamples_data();
  void areaExamples();
  void spacingKeepsBeadsPerInch();
  void emptiedAreaBox();
  void hugeAreaIsAnError();
  void clearEmptiesEverything();
  void reenteringThePageFocusesMillimetres();
  void keyFilters_data();
  void keyFilters();
  void tabOrderAndLayout();

 private:
  BeadPage* page() const { return findNamed<BeadPage>(t_->app->mainWindow(), "beadPage"); }
  EntryBox* boxNamed(const QString& name) const { return findNamed<EntryBox>(page(), qPrintable(name)); }
  static QWidget* focused() { return QApplication::focusWidget(); }
  static void pressKey(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(focused(), key, mods);
  }
  static void typeInto(const QString& text) { QTest::keyClicks(focused(), text); }
  static void clickOn(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }
  void enterSize(EntryBox* sizeBox, const QString& size);

  ModalDialogGuard guard_;
  std::unique_ptr<TestApp> t_;
};

void BeadPageTest::init() {
  t_ = std::make_unique<TestApp>();
  MainWindow* main = t_->app->mainWindow();
  giveFocusTo(findNamed<ColorTabWidget>(main, "pages"));
  findNamed<ColorTabWidget>(main, "pages")->setActivePage(findNamed<BeadPage>(main, "beadPage"));
  QApplication::processEvents();
  QCOMPARE(focused(), boxNamed("beadMmBox"));
}

void BeadPageTest::cleanup() {
  QVERIFY2(!guard_.tripped(), qPrintable(guard_.seen()));
  t_.reset();
}

// Types a size into its box (reached by Tab from beadMmBox for inches) and presses Enter.
void BeadPageTest::enterSize(EntryBox* sizeBox, const QString& size) {
  if (sizeBox == boxNamed("beadInchBox") && focused() == boxNamed("beadMmBox") &&
      boxNamed("beadMmBox")->text().isEmpty())
    pressKey(Qt::Key_Tab);
  else
    clickOn(sizeBox);
  QCOMPARE(focused(), sizeBox);
  typeInto(size);
  pressKey(Qt::Key_Return);
}

void BeadPageTest::strandExamples_data() { addStrandCaseRows(); }

// The user's path: size, Enter, count, Enter, desired length, Tab.
void BeadPageTest::strandExamples() {
  QFETCH(QString, sizeBox);
  QFETCH(QString, size);
  QFETCH(QString, count);
  QFETCH(QString, desired);
  EntryBox* box = boxNamed(sizeBox);
  EntryBox* other = box == boxNamed("beadMmBox") ? boxNamed("beadInchBox") : boxNamed("beadMmBox");
  enterSize(box, size);
  QTEST(boxNamed("strandLengthBox")->text(), "oneBead");  // one bead until a count is typed
  other->setText(QStringLiteral("9"));                    // a stale size in the other box

  QCOMPARE(focused(), boxNamed("beadCountBox"));
  QCOMPARE(boxNamed("beadCountBox")->text(), QStringLiteral("1"));
  typeInto(count);  // replaces the 1 the calculation wrote
  QCOMPARE(boxNamed("beadCountBox")->text(), count);
  QCOMPARE(other->text(), QString());
  pressKey(Qt::Key_Return);
  QCOMPARE(focused(), boxNamed("strandInchBox"));
  typeInto(desired);
  pressKey(Qt::Key_Tab);

  QTEST(boxNamed("beadsPerInchBox")->text(), "rate");
  QTEST(boxNamed("strandLengthBox")->text(), "length");
  QTEST(boxNamed("beadsNeededBox")->text(), "total");
  QCOMPARE(box->text(), size);
  QVERIFY(t_->services.messages.isEmpty());
}

// However a filled size box is left, the caret lands in beadCountBox; the control
// that was about to get the focus neither gets it nor sees enter or exit.
void BeadPageTest::sizeBoxLeftAnyWayLandsInBeadCount_data() {
  QTest::addColumn<QString>("sizeBox");
  QTest::addColumn<QString>("how");  // a key, or "click:<box>"
  QTest::newRow("mm by Enter") << "beadMmBox"
                               << "Enter";
  QTest::newRow("mm by Tab") << "beadMmBox"
                             << "Tab";
  QTest::newRow("mm by click on inches") << "beadMmBox"
                                         << "click:beadInchBox";
  QTest::newRow("mm by click on desired length") << "beadMmBox"
                                                 << "click:strandInchBox";
  QTest::newRow("mm by click on area width") << "beadMmBox"
                                             << "click:areaWidthBox";
  QTest::newRow("mm by click on square count") << "beadMmBox"
                                               << "click:areaBox";
  QTest::newRow("inches by Enter") << "beadInchBox"
                                   << "Enter";
  QTest::newRow("inches by Backtab") << "beadInchBox"
                                     << "Backtab";
  QTest::newRow("inches by click on mm") << "beadInchBox"
                                         << "click:beadMmBox";
  QTest::newRow("inches by click on spacing") << "beadInchBox"
                                              << "click:spacingBox";
}

void BeadPageTest::sizeBoxLeftAnyWayLandsInBeadCount() {
  QFETCH(QString, sizeBox);
  QFETCH(QString, how);
  BeadPage* p = page();
  EntryBox* box = boxNamed(sizeBox);
  const bool mm = box == boxNamed("beadMmBox");
  if (!mm) pressKey(Qt::Key_Tab);
  QCOMPARE(focused(), box);
  typeInto(mm ? QStringLiteral("6.35") : QStringLiteral("1/4"));
  // Texts that the skipped boxes' handlers would act on if they ran.
  boxNamed("areaLengthBox")->setText(QStringLiteral("2"));
  boxNamed("areaWidthBox")->setText(QStringLiteral("1"));
  boxNamed("strandInchBox")->setText(QStringLiteral("10"));

  if (how == u"Enter")
    pressKey(Qt::Key_Return);
  else if (how == u"Tab")
    pressKey(Qt::Key_Tab);
  else if (how == u"Backtab")
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
  else
    clickOn(boxNamed(how.mid(6)));

  QCOMPARE(focused(), boxNamed("beadCountBox"));
  QCOMPARE(p->window()->focusWidget(), boxNamed("beadCountBox"));
  // An enter handler of the other size box would have switched the marker; an
  // exit handler of it (left empty) would have wiped the results.
  QCOMPARE(p->marker(), mm ? BeadSizeMarker::Mm : BeadSizeMarker::Inch);
  QCOMPARE(boxNamed("beadsPerInchBox")->text(), QStringLiteral("4.00"));
  QCOMPARE(boxNamed("strandLengthBox")->text(), QStringLiteral("0.25"));
  QCOMPARE(boxNamed("beadsNeededBox")->text(), QStringLiteral("40.00"));
  QCOMPARE(boxNamed("areaBox")->text(), QStringLiteral("32"));
  QVERIFY(t_->services.messages.isEmpty());

  // The focus is really there: typing and Enter work on from beadCountBox, and the
  // intercepted control takes the focus normally afterwards.
  typeInto(QStringLiteral("8"));
  QCOMPARE(boxNamed("beadCountBox")->text(), QStringLiteral("8"));
  QCOMPARE(boxNamed("strandLengthBox")->text(), QStringLiteral("2.00"));
  pressKey(Qt::Key_Return);
  QCOMPARE(focused(), boxNamed("strandInchBox"));
  clickOn(mm ? boxNamed("beadInchBox") : boxNamed("beadMmBox"));
  QCOMPARE(p->marker(), mm ? BeadSizeMarker::Inch : BeadSizeMarker::Mm);
}

void BeadPageTest::emptySizeBoxLetsTheFocusGo() {
  BeadPage* p = page();
  // A size first, so that leaving an empty box has results to clear.
  enterSize(boxNamed("beadMmBox"), QStringLiteral("6"));
  pressKey(Qt::Key_Return);  // to strandInchBox
  typeInto(QStringLiteral("16"));
  clickOn(boxNamed("beadMmBox"));
  QCOMPARE(boxNamed("beadsNeededBox")->text(), QStringLiteral("67.73"));
  for (const QString& text : {QString(), QStringLiteral("."), QStringLiteral("  ")}) {
    clickOn(boxNamed("beadMmBox"));
    boxNamed("beadMmBox")->setText(text);
    pressKey(Qt::Key_Tab);
    QCOMPARE(focused(), boxNamed("beadInchBox"));
    QCOMPARE(p->marker(), BeadSizeMarker::Inch);
    QCOMPARE(boxNamed("beadsPerInchBox")->text(), QString());
    QCOMPARE(boxNamed("strandLengthBox")->text(), QString());
    // The rate and the other results stay.
    QCOMPARE(boxNamed("beadsNeededBox")->text(), QStringLiteral("67.73"));
    QVERIFY(p->rate() > 4.2f);
  }
}

// The count is written back as plain digits and the length recalculated.
void BeadPageTest::beadCountIsRewritten_data() {
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("after");
  QTest::addColumn<QString>("length");
  QTest::newRow("empty becomes 1") << ""
                                   << "1"
                                   << "0.24";
  QTest::newRow("leading zeros dropped") << "007"
                                         << "7"
                                         << "1.65";
}

void BeadPageTest::beadCountIsRewritten() {
  QFETCH(QString, before);
  boxNamed("beadCountBox")->setText(before);  // a count without a size cannot be calculated yet
  t_->services.messages.clear();
  enterSize(boxNamed("beadMmBox"), QStringLiteral("6"));
  QTEST(boxNamed("beadCountBox")->text(), "after");
  QTEST(boxNamed("strandLengthBox")->text(), "length");
  QCOMPARE(boxNamed("beadsPerInchBox")->text(), QStringLiteral("4.23"));
  QVERIFY(t_->services.messages.isEmpty());
}

void BeadPageTest::beadCountChanges() {
  enterSize(boxNamed("beadMmBox"), QStringLiteral("6"));
  typeInto(QStringLiteral("0"));
  QCOMPARE(boxNamed("strandLengthBox")->text(), QString());  // zero is no count to calculate with
  typeInto(QStringLiteral("07"));
  QCOMPARE(boxNamed("beadCountBox")->text(), QStringLiteral("7"));  // 007 recalculated and rewritten
  QCOMPARE(boxNamed("strandLengthBox")->text(), QStringLiteral("1.65"));
  pressKey(Qt::Key_Backspace);
  QCOMPARE(boxNamed("strandLengthBox")->text(), QString());
  QVERIFY(t_->services.messages.isEmpty());
}

// A calculation writes only the boxes whose results it computes: the count
// being edited keeps its caret and its undo history.
void BeadPageTest::editingTheCountKeepsCaretAndUndo() {
  enterSize(boxNamed("beadMmBox"), QStringLiteral("6"));
  typeInto(QStringLiteral("15"));
  boxNamed("beadCountBox")->setCursorPosition(1);
  typeInto(QStringLiteral("2"));
  QCOMPARE(boxNamed("beadCountBox")->text(), QStringLiteral("125"));
  QCOMPARE(boxNamed("strandLengthBox")->text(), QStringLiteral("29.53"));
  QCOMPARE(boxNamed("beadCountBox")->cursorPosition(), 2);
  QVERIFY(boxNamed("beadCountBox")->isUndoAvailable());
  boxNamed("beadCountBox")->undo();
  QCOMPARE(boxNamed("beadCountBox")->text(), QStringLiteral("15"));
  QCOMPARE(boxNamed("strandLengthBox")->text(), QStringLiteral("3.54"));
}

// The rewrite of the count runs the calculation once more; when that inner run
// fails, the outer one stops too: one box, not two.
void BeadPageTest::nestedRecalculationFailureStopsOuterRun() {
  boxNamed("areaLengthBox")->setText(QStringLiteral("2"));
  boxNamed("areaWidthBox")->setText(QStringLiteral("1x"));
  boxNamed("beadCountBox")->setText(QStringLiteral("007"));
  t_->services.messages.clear();
  enterSize(boxNamed("beadMmBox"), QStringLiteral("6"));
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QStringLiteral("Orvane"));
  QCOMPARE(t_->services.messages[0].text, QStringLiteral("'1x' is not a valid floating point value."));
  QCOMPARE(boxNamed("beadCountBox")->text(), QStringLiteral("7"));
  QCOMPARE(boxNamed("strandLengthBox")->text(),
           QStringLiteral("1.65"));  // written by the inner run before its failure
}

// Leaving a box that needs the rate before there is one.
void BeadPageTest::notCalculatedBoxes_data() {
  QTest::addColumn<QString>("setup");  // "", "clear" or "zero"
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("how");  // "Tab" or "Enter"
  QTest::addColumn<QString>("message");
  QTest::newRow("desired length, nothing yet") << ""
                                               << "strandInchBox"
                                               << "16"
                                               << "Tab" << kRateError;
  QTest::newRow("desired length empty") << ""
                                        << "strandInchBox"
                                        << ""
                                        << "Tab" << kRateError;
  QTest::newRow("desired length after Clear") << "clear"
                                              << "strandInchBox"
                                              << "16"
                                              << "Enter" << kRateError;
  QTest::newRow("desired length after zero size") << "zero"
                                                  << "strandInchBox"
                                                  << "16"
                                                  << "Tab" << kRateError;
  QTest::newRow("square count box left") << ""
                                         << "areaBox"
                                         << ""
                                         << "Tab" << kRateError;
  QTest::newRow("area length") << ""
                               << "areaLengthBox"
                               << "2"
                               << "Tab" << kAreaError;
  QTest::newRow("area width empty") << ""
                                    << "areaWidthBox"
                                    << ""
                                    << "Tab" << kAreaError;
  QTest::newRow("spacing left") << "clear"
                                << "spacingBox"
                                << "1/4"
                                << "Tab" << kAreaError;
  QTest::newRow("spacing Enter") << ""
                                 << "spacingBox"
                                 << "."
                                 << "Enter" << kAreaError;
}

void BeadPageTest::notCalculatedBoxes() {
  QFETCH(QString, setup);
  QFETCH(QString, box);
  QFETCH(QString, text);
  QFETCH(QString, how);
  BeadPage* p = page();
  if (setup == u"clear") {
    enterSize(boxNamed("beadMmBox"), QStringLiteral("6"));
    clickOn(findNamed<QPushButton>(p, "clearButton"));
  } else if (setup == u"zero") {
    enterSize(boxNamed("beadMmBox"), QStringLiteral("0"));
    t_->services.reset();
  }
  boxNamed("beadsNeededBox")->setText(QStringLiteral("stale"));
  boxNamed("areaBox")->setText(QStringLiteral("11"));
  clickOn(boxNamed(box));
  QCOMPARE(focused(), boxNamed(box));
  if (!text.isEmpty()) boxNamed(box)->setText(text);
  pressKey(how == u"Tab" ? Qt::Key_Tab : Qt::Key_Return);

  QCOMPARE(t_->services.messages.size(), 1);
  const RecordedMessage& m = t_->services.messages[0];
  QCOMPARE(m.icon, MessageIcon::Error);
  QCOMPARE(m.caption, QStringLiteral("Error"));
  QTEST(m.text, "message");
  QVERIFY(m.centred);
  QCOMPARE(boxNamed("beadsNeededBox")->text(), QString());
  QCOMPARE(boxNamed("areaBox")->text(), QStringLiteral("11"));  // area boxes keep their contents
  if (box != u"areaBox") QCOMPARE(boxNamed(box)->text(), text);
}

void BeadPageTest::sizeFailures_data() {
  QTest::addColumn<QString>("sizeBox");
  QTest::addColumn<QString>("size");  // pasted, so unfiltered
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("message");
  QTest::newRow("zero mm") << "beadMmBox"
                           << "0"
                           << "Orvane"
                           << "Floating point division by zero.";
  QTest::newRow("bad fraction") << "beadInchBox"
                                << "1/a"
                                << "Error"
                                << "Cannot convert Fraction to Decimal.";
  QTest::newRow("1.2.3 pasted") << "beadMmBox"
                                << "1.2.3"
                                << "Orvane"
                                << "'1.2.3' is not a valid floating point value.";
}

// A failed calculation reports, leaves the rate at 0 and the focus where the
// user took it.
void BeadPageTest::sizeFailures() {
  QFETCH(QString, sizeBox);
  QFETCH(QString, size);
  BeadPage* p = page();
  EntryBox* box = boxNamed(sizeBox);
  EntryBox* other = box == boxNamed("beadMmBox") ? boxNamed("beadInchBox") : boxNamed("beadMmBox");
  clickOn(box);
  box->setText(size);
  other->setText(QStringLiteral("3"));
  clickOn(boxNamed("strandInchBox"));

  QCOMPARE(t_->services.messages.size(), 1);
  QTEST(t_->services.messages[0].caption, "caption");
  QTEST(t_->services.messages[0].text, "message");
  QCOMPARE(p->rate(), 0.0f);
  QCOMPARE(boxNamed("beadsPerInchBox")->text(), QString());
  // A zero size got as far as emptying the other box; an unreadable one did not.
  const bool readSize = t_->services.messages[0].text.startsWith(u"Floating");
  QCOMPARE(other->text(), readSize ? QString() : QStringLiteral("3"));
}

void BeadPageTest::areaExamples_data() { addAreaCaseRows(); }

// Size, then length Enter width enter (to the spacing box), spacing Enter.
void BeadPageTest::areaExamples() {
  QFETCH(QString, sizeBox);
  QFETCH(QString, size);
  QFETCH(QString, length);
  QFETCH(QString, width);
  QFETCH(QString, spacing);
  enterSize(boxNamed(sizeBox), size);
  clickOn(boxNamed("areaLengthBox"));
  typeInto(length);
  pressKey(Qt::Key_Return);
  QCOMPARE(focused(), boxNamed("areaWidthBox"));
  typeInto(width);
  pressKey(Qt::Key_Return);
  QCOMPARE(focused(), boxNamed("spacingBox"));
  if (!spacing.isEmpty()) {
    typeInto(spacing);
    pressKey(Qt::Key_Return);
    QCOMPARE(focused(), boxNamed("spacingBox"));  // Enter recomputes in place
  }
  QTEST(boxNamed("areaBox")->text(), "square");
  QTEST(boxNamed("hexStonesBox")->text(), "hexagonal");
  if (spacing == u".") QCOMPARE(boxNamed("spacingBox")->text(), QString());
  QVERIFY(t_->services.messages.isEmpty());
}

void BeadPageTest::spacingKeepsBeadsPerInch() {
  enterSize(boxNamed("beadInchBox"), QStringLiteral("1/8"));
  boxNamed("areaLengthBox")->setText(QStringLiteral("6 1/4"));
  boxNamed("areaWidthBox")->setText(QStringLiteral("7 1/8"));
  clickOn(boxNamed("spacingBox"));
  typeInto(QStringLiteral("1/4"));
  pressKey(Qt::Key_Return);
  QCOMPARE(boxNamed("areaBox")->text(), QStringLiteral("712"));
  QCOMPARE(boxNamed("beadsPerInchBox")->text(), QStringLiteral("8.00"));
  clickOn(boxNamed("strandInchBox"));
  typeInto(QStringLiteral("10"));
  pressKey(Qt::Key_Tab);
  QCOMPARE(boxNamed("beadsNeededBox")->text(), QStringLiteral("80.00"));
  // Emptying the spacing brings both patterns back.
  clickOn(boxNamed("spacingBox"));
  boxNamed("spacingBox")->clear();
  clickOn(boxNamed("areaWidthBox"));
  pressKey(Qt::Key_Tab);
  QCOMPARE(boxNamed("areaBox")->text(), QStringLiteral("2850"));
  QCOMPARE(boxNamed("hexStonesBox")->text(), QStringLiteral("3291"));
}

void BeadPageTest::emptiedAreaBox() {
  enterSize(boxNamed("beadMmBox"), QStringLiteral("4"));
  boxNamed("areaLengthBox")->setText(QStringLiteral("2"));
  clickOn(boxNamed("areaWidthBox"));
  typeInto(QStringLiteral("1"));
  pressKey(Qt::Key_Tab);
  QCOMPARE(boxNamed("areaBox")->text(), QStringLiteral("81"));
  // Emptied without leaving: a recalculation keeps the old counts.
  boxNamed("areaLengthBox")->clear();
  clickOn(boxNamed("beadCountBox"));
  boxNamed("beadCountBox")->selectAll();
  typeInto(QStringLiteral("5"));
  QCOMPARE(boxNamed("strandLengthBox")->text(), QStringLiteral("0.79"));
  QCOMPARE(boxNamed("areaBox")->text(), QStringLiteral("81"));
  QCOMPARE(boxNamed("hexStonesBox")->text(), QStringLiteral("93"));
  // Leaving the emptied box clears both counts.
  clickOn(boxNamed("areaLengthBox"));
  clickOn(boxNamed("strandInchBox"));
  QCOMPARE(boxNamed("areaBox")->text(), QString());
  QCOMPARE(boxNamed("hexStonesBox")->text(), QString());
  QVERIFY(t_->services.messages.isEmpty());
}

// An area too large for a whole count reports it and never shows a wrapped or
// negative count.
void BeadPageTest::hugeAreaIsAnError() {
  enterSize(boxNamed("beadMmBox"), QStringLiteral("4"));
  boxNamed("areaWidthBox")->setText(QStringLiteral("1"));
  clickOn(boxNamed("areaLengthBox"));
  boxNamed("areaLengthBox")->setText(QStringLiteral("2"));
  pressKey(Qt::Key_Tab);
  QCOMPARE(boxNamed("areaBox")->text(), QStringLiteral("81"));
  clickOn(boxNamed("areaLengthBox"));
  boxNamed("areaLengthBox")->setText(QStringLiteral("1E30"));
  pressKey(Qt::Key_Tab);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QStringLiteral("Orvane"));
  QCOMPARE(t_->services.messages[0].text, QStringLiteral("Too many stones to count for this area."));
  QCOMPARE(boxNamed("areaBox")->text(), QStringLiteral("81"));
  QCOMPARE(boxNamed("hexStonesBox")->text(), QStringLiteral("93"));
  // With a spacing too.
  QCOMPARE(focused(), boxNamed("areaWidthBox"));
  boxNamed("spacingBox")->setText(QStringLiteral("0.01"));
  pressKey(Qt::Key_Tab);
  QCOMPARE(t_->services.messages.size(), 2);
  QCOMPARE(t_->services.messages[1].text, QStringLiteral("Too many stones to count for this area."));
  QCOMPARE(boxNamed("areaBox")->text(), QStringLiteral("81"));
}

void BeadPageTest::clearEmptiesEverything() {
  BeadPage* p = page();
  enterSize(boxNamed("beadMmBox"), QStringLiteral("4"));
  typeInto(QStringLiteral("10"));
  for (EntryBox* box : {boxNamed("strandInchBox"), boxNamed("areaLengthBox"), boxNamed("areaWidthBox"),
                        boxNamed("spacingBox")})
    box->setText(QStringLiteral("1"));
  clickOn(boxNamed("spacingBox"));
  pressKey(Qt::Key_Return);
  QCOMPARE(boxNamed("areaBox")->text(), QStringLiteral("2"));  // 4 mm stones 1 in apart
  boxNamed("beadInchBox")->setText(QStringLiteral("1/8"));

  clickOn(findNamed<QPushButton>(p, "clearButton"));
  for (EntryBox* box : p->findChildren<EntryBox*>())
    QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
  QCOMPARE(focused(), boxNamed("beadMmBox"));
  QCOMPARE(p->marker(), BeadSizeMarker::Mm);
  QCOMPARE(p->rate(), 0.0f);
  QCOMPARE(findNamed<QPushButton>(p, "clearButton")->toolTip(), QStringLiteral("Clear Data Entry"));
  // Clear from the keyboard too, while the caret is in beadMmBox.
  pressKey(Qt::Key_Tab);
  QCOMPARE(focused(), boxNamed("beadInchBox"));
  boxNamed("beadMmBox")->setFocus();
  findNamed<QPushButton>(p, "clearButton")->click();
  QCOMPARE(p->marker(), BeadSizeMarker::Mm);
  QVERIFY(t_->services.messages.isEmpty());
}

void BeadPageTest::reenteringThePageFocusesMillimetres() {
  BeadPage* p = page();
  ColorTabWidget* pages = findNamed<ColorTabWidget>(t_->app->mainWindow(), "pages");
  enterSize(boxNamed("beadInchBox"), QStringLiteral("1/8"));
  typeInto(QStringLiteral("42"));
  pressKey(Qt::Key_Return);
  typeInto(QStringLiteral("17 1/2"));
  clickOn(boxNamed("beadInchBox"));  // the caret in a filled size box while the page is left
  QCOMPARE(boxNamed("beadsNeededBox")->text(), QStringLiteral("140.00"));
  // The user clicks the tabs of the page control's own tab strip.
  QTest::mouseClick(pages, Qt::LeftButton, {}, pages->tabRect(5).center());
  QCOMPARE(pages->activePageIndex(), 5);
  QVERIFY(!p->isVisible());
  // Qt hands the focus back to the box that had it before the show handler runs.
  QTest::mouseClick(pages, Qt::LeftButton, {}, pages->tabRect(2).center());
  QCOMPARE(pages->activePage(), p);
  QCOMPARE(focused(), boxNamed("beadMmBox"));
  QCOMPARE(p->marker(), BeadSizeMarker::Mm);
  QCOMPARE(boxNamed("beadInchBox")->text(), QStringLiteral("1/8"));

  // Leaving the empty beadMmBox empties the rate display, but the rate stays.
  clickOn(boxNamed("strandInchBox"));
  QCOMPARE(boxNamed("beadsPerInchBox")->text(), QString());
  QCOMPARE(boxNamed("strandLengthBox")->text(), QString());
  pressKey(Qt::Key_Tab);
  QCOMPARE(boxNamed("beadsNeededBox")->text(), QStringLiteral("140.00"));
  QVERIFY(t_->services.messages.isEmpty());
  // A new count now reads the empty millimetre box, and fails.
  clickOn(boxNamed("beadCountBox"));
  typeInto(QStringLiteral("5"));
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].text, QStringLiteral("'' is not a valid floating point value."));
  QCOMPARE(p->rate(), 0.0f);
}

void BeadPageTest::keyFilters_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("start");
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("beeps");
  QTest::newRow("mm: digits and one point") << "beadMmBox"
                                            << ""
                                            << "1.5.a/ 2"
                                            << "1.52" << 4;
  QTest::newRow("inches: fractions and blanks") << "beadInchBox"
                                                << ""
                                                << "1 1/2.x"
                                                << "1 1/2." << 1;
  QTest::newRow("count: digits only") << "beadCountBox"
                                      << ""
                                      << "4.2-"
                                      << "42" << 2;
  QTest::newRow("desired length: one point") << "strandInchBox"
                                             << ""
                                             << "17 1/2.5."
                                             << "17 1/2.5" << 1;
  QTest::newRow("area length judged on itself") << "areaLengthBox"
                                                << ""
                                                << "2.5"
                                                << "2.5" << 0;
  QTest::newRow("area width: one point") << "areaWidthBox"
                                         << "1."
                                         << ".1e"
                                         << "1.1" << 2;
  QTest::newRow("spacing: any number of points") << "spacingBox"
                                                 << ""
                                                 << "..1/4 x"
                                                 << "..1/4 " << 1;
}

void BeadPageTest::keyFilters() {
  QFETCH(QString, box);
  QFETCH(QString, start);
  QFETCH(QString, keys);
  boxNamed("strandInchBox")->setText(QStringLiteral("1.5"));  // a point elsewhere must not count
  EntryBox* edit = boxNamed(box);
  giveFocusTo(edit);
  edit->setText(start);
  edit->end(false);
  t_->services.beeps = 0;
  typeInto(keys);
  QTEST(edit->text(), "text");
  QTEST(t_->services.beeps, "beeps");
}

void BeadPageTest::tabOrderAndLayout() {
  BeadPage* p = page();
  const QList<QWidget*> expected = {boxNamed("beadInchBox"),
                                    boxNamed("beadCountBox"),
                                    boxNamed("strandInchBox"),
                                    boxNamed("areaLengthBox"),
                                    boxNamed("areaWidthBox"),
                                    boxNamed("spacingBox"),
                                    findNamed<QPushButton>(p, "clearButton")};
  for (QWidget* next : expected) {
    pressKey(Qt::Key_Tab);
    QCOMPARE(focused(), next);
  }
  QVERIFY(!findNamed<QPushButton>(p, "calculateButton")->isVisible());
  for (EntryBox* box : {boxNamed("beadsPerInchBox"), boxNamed("strandLengthBox"), boxNamed("beadsNeededBox"),
                        boxNamed("areaBox"), boxNamed("hexStonesBox")}) {
    QVERIFY(box->isReadOnly());
    QVERIFY(!(box->focusPolicy() & Qt::TabFocus));
  }
  for (EntryBox* box : p->findChildren<EntryBox*>()) {
    QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(box->objectName()));
    QCOMPARE(box->size(), QSize(80, 26));
    QCOMPARE(box->font().pixelSize(), 16);
  }
  const QList<QWidget*> children = p->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (QWidget* w : children) {
    if (!w->isVisible()) continue;
    QVERIFY2(QRect(0, 0, 526, 331).contains(w->geometry()), qPrintable(w->metaObject()->className()));
  }
  const QList<EntryBox*> boxes = p->findChildren<EntryBox*>();
  for (EntryBox* a : boxes)
    for (EntryBox* b : boxes)
      if (a != b) QVERIFY2(!a->geometry().intersects(b->geometry()), qPrintable(a->objectName()));
}

QTEST_MAIN(BeadPageTest)
#include "tst_bead_page.moc"
