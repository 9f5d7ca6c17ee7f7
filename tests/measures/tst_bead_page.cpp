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
  BeadPage* Page() const { return findNamed<BeadPage>(t_->app->mainWindow(), "beadPage"); }
  EntryBox* Box(const QString& name) const { return findNamed<EntryBox>(Page(), qPrintable(name)); }
  static QWidget* Focused() { return QApplication::focusWidget(); }
  static void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(Focused(), key, mods);
  }
  static void Type(const QString& text) { QTest::keyClicks(Focused(), text); }
  static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }
  void EnterSize(EntryBox* sizeBox, const QString& size);

  ModalDialogGuard guard_;
  std::unique_ptr<TestApp> t_;
};

void BeadPageTest::init() {
  t_ = std::make_unique<TestApp>();
  MainWindow* main = t_->app->mainWindow();
  FocusWidget(findNamed<ColorTabWidget>(main, "pages"));
  findNamed<ColorTabWidget>(main, "pages")->SetActivePage(findNamed<BeadPage>(main, "beadPage"));
  QApplication::processEvents();
  QCOMPARE(Focused(), Box("beadMmBox"));
}

void BeadPageTest::cleanup() {
  QVERIFY2(!guard_.Tripped(), qPrintable(guard_.Seen()));
  t_.reset();
}

// Types a size into its box (reached by Tab from beadMmBox for inches) and presses Enter.
void BeadPageTest::EnterSize(EntryBox* sizeBox, const QString& size) {
  if (sizeBox == Box("beadInchBox") && Focused() == Box("beadMmBox") && Box("beadMmBox")->text().isEmpty())
    Key(Qt::Key_Tab);
  else
    Click(sizeBox);
  QCOMPARE(Focused(), sizeBox);
  Type(size);
  Key(Qt::Key_Return);
}

void BeadPageTest::strandExamples_data() { addStrandCaseRows(); }

// The user's path: size, Enter, count, Enter, desired length, Tab.
void BeadPageTest::strandExamples() {
  QFETCH(QString, sizeBox);
  QFETCH(QString, size);
  QFETCH(QString, count);
  QFETCH(QString, desired);
  EntryBox* box = Box(sizeBox);
  EntryBox* other = box == Box("beadMmBox") ? Box("beadInchBox") : Box("beadMmBox");
  EnterSize(box, size);
  QTEST(Box("strandLengthBox")->text(), "oneBead");  // one bead until a count is typed
  other->setText(QStringLiteral("9"));               // a stale size in the other box

  QCOMPARE(Focused(), Box("beadCountBox"));
  QCOMPARE(Box("beadCountBox")->text(), QStringLiteral("1"));
  Type(count);  // replaces the 1 the calculation wrote
  QCOMPARE(Box("beadCountBox")->text(), count);
  QCOMPARE(other->text(), QString());
  Key(Qt::Key_Return);
  QCOMPARE(Focused(), Box("strandInchBox"));
  Type(desired);
  Key(Qt::Key_Tab);

  QTEST(Box("beadsPerInchBox")->text(), "rate");
  QTEST(Box("strandLengthBox")->text(), "length");
  QTEST(Box("beadsNeededBox")->text(), "total");
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
  BeadPage* p = Page();
  EntryBox* box = Box(sizeBox);
  const bool mm = box == Box("beadMmBox");
  if (!mm) Key(Qt::Key_Tab);
  QCOMPARE(Focused(), box);
  Type(mm ? QStringLiteral("6.35") : QStringLiteral("1/4"));
  // Texts that the skipped boxes' handlers would act on if they ran.
  Box("areaLengthBox")->setText(QStringLiteral("2"));
  Box("areaWidthBox")->setText(QStringLiteral("1"));
  Box("strandInchBox")->setText(QStringLiteral("10"));

  if (how == u"Enter")
    Key(Qt::Key_Return);
  else if (how == u"Tab")
    Key(Qt::Key_Tab);
  else if (how == u"Backtab")
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
  else
    Click(Box(how.mid(6)));

  QCOMPARE(Focused(), Box("beadCountBox"));
  QCOMPARE(p->window()->focusWidget(), Box("beadCountBox"));
  // An enter handler of the other size box would have switched the marker; an
  // exit handler of it (left empty) would have wiped the results.
  QCOMPARE(p->Marker(), mm ? BeadSizeMarker::Mm : BeadSizeMarker::Inch);
  QCOMPARE(Box("beadsPerInchBox")->text(), QStringLiteral("4.00"));
  QCOMPARE(Box("strandLengthBox")->text(), QStringLiteral("0.25"));
  QCOMPARE(Box("beadsNeededBox")->text(), QStringLiteral("40.00"));
  QCOMPARE(Box("areaBox")->text(), QStringLiteral("32"));
  QVERIFY(t_->services.messages.isEmpty());

  // The focus is really there: typing and Enter work on from beadCountBox, and the
  // intercepted control takes the focus normally afterwards.
  Type(QStringLiteral("8"));
  QCOMPARE(Box("beadCountBox")->text(), QStringLiteral("8"));
  QCOMPARE(Box("strandLengthBox")->text(), QStringLiteral("2.00"));
  Key(Qt::Key_Return);
  QCOMPARE(Focused(), Box("strandInchBox"));
  Click(mm ? Box("beadInchBox") : Box("beadMmBox"));
  QCOMPARE(p->Marker(), mm ? BeadSizeMarker::Inch : BeadSizeMarker::Mm);
}

void BeadPageTest::emptySizeBoxLetsTheFocusGo() {
  BeadPage* p = Page();
  // A size first, so that leaving an empty box has results to clear.
  EnterSize(Box("beadMmBox"), QStringLiteral("6"));
  Key(Qt::Key_Return);  // to strandInchBox
  Type(QStringLiteral("16"));
  Click(Box("beadMmBox"));
  QCOMPARE(Box("beadsNeededBox")->text(), QStringLiteral("67.73"));
  for (const QString& text : {QString(), QStringLiteral("."), QStringLiteral("  ")}) {
    Click(Box("beadMmBox"));
    Box("beadMmBox")->setText(text);
    Key(Qt::Key_Tab);
    QCOMPARE(Focused(), Box("beadInchBox"));
    QCOMPARE(p->Marker(), BeadSizeMarker::Inch);
    QCOMPARE(Box("beadsPerInchBox")->text(), QString());
    QCOMPARE(Box("strandLengthBox")->text(), QString());
    // The rate and the other results stay.
    QCOMPARE(Box("beadsNeededBox")->text(), QStringLiteral("67.73"));
    QVERIFY(p->Rate() > 4.2f);
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
  Box("beadCountBox")->setText(before);  // a count without a size cannot be calculated yet
  t_->services.messages.clear();
  EnterSize(Box("beadMmBox"), QStringLiteral("6"));
  QTEST(Box("beadCountBox")->text(), "after");
  QTEST(Box("strandLengthBox")->text(), "length");
  QCOMPARE(Box("beadsPerInchBox")->text(), QStringLiteral("4.23"));
  QVERIFY(t_->services.messages.isEmpty());
}

void BeadPageTest::beadCountChanges() {
  EnterSize(Box("beadMmBox"), QStringLiteral("6"));
  Type(QStringLiteral("0"));
  QCOMPARE(Box("strandLengthBox")->text(), QString());  // zero is no count to calculate with
  Type(QStringLiteral("07"));
  QCOMPARE(Box("beadCountBox")->text(), QStringLiteral("7"));  // 007 recalculated and rewritten
  QCOMPARE(Box("strandLengthBox")->text(), QStringLiteral("1.65"));
  Key(Qt::Key_Backspace);
  QCOMPARE(Box("strandLengthBox")->text(), QString());
  QVERIFY(t_->services.messages.isEmpty());
}

// A calculation writes only the boxes whose results it computes: the count
// being edited keeps its caret and its undo history.
void BeadPageTest::editingTheCountKeepsCaretAndUndo() {
  EnterSize(Box("beadMmBox"), QStringLiteral("6"));
  Type(QStringLiteral("15"));
  Box("beadCountBox")->setCursorPosition(1);
  Type(QStringLiteral("2"));
  QCOMPARE(Box("beadCountBox")->text(), QStringLiteral("125"));
  QCOMPARE(Box("strandLengthBox")->text(), QStringLiteral("29.53"));
  QCOMPARE(Box("beadCountBox")->cursorPosition(), 2);
  QVERIFY(Box("beadCountBox")->isUndoAvailable());
  Box("beadCountBox")->undo();
  QCOMPARE(Box("beadCountBox")->text(), QStringLiteral("15"));
  QCOMPARE(Box("strandLengthBox")->text(), QStringLiteral("3.54"));
}

// The rewrite of the count runs the calculation once more; when that inner run
// fails, the outer one stops too: one box, not two.
void BeadPageTest::nestedRecalculationFailureStopsOuterRun() {
  Box("areaLengthBox")->setText(QStringLiteral("2"));
  Box("areaWidthBox")->setText(QStringLiteral("1x"));
  Box("beadCountBox")->setText(QStringLiteral("007"));
  t_->services.messages.clear();
  EnterSize(Box("beadMmBox"), QStringLiteral("6"));
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QStringLiteral("Orvane"));
  QCOMPARE(t_->services.messages[0].text, QStringLiteral("'1x' is not a valid floating point value."));
  QCOMPARE(Box("beadCountBox")->text(), QStringLiteral("7"));
  QCOMPARE(Box("strandLengthBox")->text(),
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
  BeadPage* p = Page();
  if (setup == u"clear") {
    EnterSize(Box("beadMmBox"), QStringLiteral("6"));
    Click(findNamed<QPushButton>(p, "clearButton"));
  } else if (setup == u"zero") {
    EnterSize(Box("beadMmBox"), QStringLiteral("0"));
    t_->services.Reset();
  }
  Box("beadsNeededBox")->setText(QStringLiteral("stale"));
  Box("areaBox")->setText(QStringLiteral("11"));
  Click(Box(box));
  QCOMPARE(Focused(), Box(box));
  if (!text.isEmpty()) Box(box)->setText(text);
  Key(how == u"Tab" ? Qt::Key_Tab : Qt::Key_Return);

  QCOMPARE(t_->services.messages.size(), 1);
  const RecordedMessage& m = t_->services.messages[0];
  QCOMPARE(m.icon, MessageIcon::Error);
  QCOMPARE(m.caption, QStringLiteral("Error"));
  QTEST(m.text, "message");
  QVERIFY(m.centred);
  QCOMPARE(Box("beadsNeededBox")->text(), QString());
  QCOMPARE(Box("areaBox")->text(), QStringLiteral("11"));  // area boxes keep their contents
  if (box != u"areaBox") QCOMPARE(Box(box)->text(), text);
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
  BeadPage* p = Page();
  EntryBox* box = Box(sizeBox);
  EntryBox* other = box == Box("beadMmBox") ? Box("beadInchBox") : Box("beadMmBox");
  Click(box);
  box->setText(size);
  other->setText(QStringLiteral("3"));
  Click(Box("strandInchBox"));

  QCOMPARE(t_->services.messages.size(), 1);
  QTEST(t_->services.messages[0].caption, "caption");
  QTEST(t_->services.messages[0].text, "message");
  QCOMPARE(p->Rate(), 0.0f);
  QCOMPARE(Box("beadsPerInchBox")->text(), QString());
  // A zero size got as far as emptying the other box; an unreadable one did not.
  const bool readSize = t_->services.messages[0].text.startsWith(u"Floating");
  QCOMPARE(other->text(), readSize ? QString() : QStringLiteral("3"));
}

void BeadPageTest::areaExamples_data() { addAreaCaseRows(); }

// Size, then length Enter width Enter (to the spacing box), spacing Enter.
void BeadPageTest::areaExamples() {
  QFETCH(QString, sizeBox);
  QFETCH(QString, size);
  QFETCH(QString, length);
  QFETCH(QString, width);
  QFETCH(QString, spacing);
  EnterSize(Box(sizeBox), size);
  Click(Box("areaLengthBox"));
  Type(length);
  Key(Qt::Key_Return);
  QCOMPARE(Focused(), Box("areaWidthBox"));
  Type(width);
  Key(Qt::Key_Return);
  QCOMPARE(Focused(), Box("spacingBox"));
  if (!spacing.isEmpty()) {
    Type(spacing);
    Key(Qt::Key_Return);
    QCOMPARE(Focused(), Box("spacingBox"));  // Enter recomputes in place
  }
  QTEST(Box("areaBox")->text(), "square");
  QTEST(Box("hexStonesBox")->text(), "hexagonal");
  if (spacing == u".") QCOMPARE(Box("spacingBox")->text(), QString());
  QVERIFY(t_->services.messages.isEmpty());
}

void BeadPageTest::spacingKeepsBeadsPerInch() {
  EnterSize(Box("beadInchBox"), QStringLiteral("1/8"));
  Box("areaLengthBox")->setText(QStringLiteral("6 1/4"));
  Box("areaWidthBox")->setText(QStringLiteral("7 1/8"));
  Click(Box("spacingBox"));
  Type(QStringLiteral("1/4"));
  Key(Qt::Key_Return);
  QCOMPARE(Box("areaBox")->text(), QStringLiteral("712"));
  QCOMPARE(Box("beadsPerInchBox")->text(), QStringLiteral("8.00"));
  Click(Box("strandInchBox"));
  Type(QStringLiteral("10"));
  Key(Qt::Key_Tab);
  QCOMPARE(Box("beadsNeededBox")->text(), QStringLiteral("80.00"));
  // Emptying the spacing brings both patterns back.
  Click(Box("spacingBox"));
  Box("spacingBox")->clear();
  Click(Box("areaWidthBox"));
  Key(Qt::Key_Tab);
  QCOMPARE(Box("areaBox")->text(), QStringLiteral("2850"));
  QCOMPARE(Box("hexStonesBox")->text(), QStringLiteral("3291"));
}

void BeadPageTest::emptiedAreaBox() {
  EnterSize(Box("beadMmBox"), QStringLiteral("4"));
  Box("areaLengthBox")->setText(QStringLiteral("2"));
  Click(Box("areaWidthBox"));
  Type(QStringLiteral("1"));
  Key(Qt::Key_Tab);
  QCOMPARE(Box("areaBox")->text(), QStringLiteral("81"));
  // Emptied without leaving: a recalculation keeps the old counts.
  Box("areaLengthBox")->clear();
  Click(Box("beadCountBox"));
  Box("beadCountBox")->selectAll();
  Type(QStringLiteral("5"));
  QCOMPARE(Box("strandLengthBox")->text(), QStringLiteral("0.79"));
  QCOMPARE(Box("areaBox")->text(), QStringLiteral("81"));
  QCOMPARE(Box("hexStonesBox")->text(), QStringLiteral("93"));
  // Leaving the emptied box clears both counts.
  Click(Box("areaLengthBox"));
  Click(Box("strandInchBox"));
  QCOMPARE(Box("areaBox")->text(), QString());
  QCOMPARE(Box("hexStonesBox")->text(), QString());
  QVERIFY(t_->services.messages.isEmpty());
}

// An area too large for a whole count reports it and never shows a wrapped or
// negative count.
void BeadPageTest::hugeAreaIsAnError() {
  EnterSize(Box("beadMmBox"), QStringLiteral("4"));
  Box("areaWidthBox")->setText(QStringLiteral("1"));
  Click(Box("areaLengthBox"));
  Box("areaLengthBox")->setText(QStringLiteral("2"));
  Key(Qt::Key_Tab);
  QCOMPARE(Box("areaBox")->text(), QStringLiteral("81"));
  Click(Box("areaLengthBox"));
  Box("areaLengthBox")->setText(QStringLiteral("1E30"));
  Key(Qt::Key_Tab);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QStringLiteral("Orvane"));
  QCOMPARE(t_->services.messages[0].text, QStringLiteral("Too many stones to count for this area."));
  QCOMPARE(Box("areaBox")->text(), QStringLiteral("81"));
  QCOMPARE(Box("hexStonesBox")->text(), QStringLiteral("93"));
  // With a spacing too.
  QCOMPARE(Focused(), Box("areaWidthBox"));
  Box("spacingBox")->setText(QStringLiteral("0.01"));
  Key(Qt::Key_Tab);
  QCOMPARE(t_->services.messages.size(), 2);
  QCOMPARE(t_->services.messages[1].text, QStringLiteral("Too many stones to count for this area."));
  QCOMPARE(Box("areaBox")->text(), QStringLiteral("81"));
}

void BeadPageTest::clearEmptiesEverything() {
  BeadPage* p = Page();
  EnterSize(Box("beadMmBox"), QStringLiteral("4"));
  Type(QStringLiteral("10"));
  for (EntryBox* box : {Box("strandInchBox"), Box("areaLengthBox"), Box("areaWidthBox"), Box("spacingBox")})
    box->setText(QStringLiteral("1"));
  Click(Box("spacingBox"));
  Key(Qt::Key_Return);
  QCOMPARE(Box("areaBox")->text(), QStringLiteral("2"));  // 4 mm stones 1 in apart
  Box("beadInchBox")->setText(QStringLiteral("1/8"));

  Click(findNamed<QPushButton>(p, "clearButton"));
  for (EntryBox* box : p->findChildren<EntryBox*>())
    QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
  QCOMPARE(Focused(), Box("beadMmBox"));
  QCOMPARE(p->Marker(), BeadSizeMarker::Mm);
  QCOMPARE(p->Rate(), 0.0f);
  QCOMPARE(findNamed<QPushButton>(p, "clearButton")->toolTip(), QStringLiteral("Clear Data Entry"));
  // Clear from the keyboard too, while the caret is in beadMmBox.
  Key(Qt::Key_Tab);
  QCOMPARE(Focused(), Box("beadInchBox"));
  Box("beadMmBox")->setFocus();
  findNamed<QPushButton>(p, "clearButton")->click();
  QCOMPARE(p->Marker(), BeadSizeMarker::Mm);
  QVERIFY(t_->services.messages.isEmpty());
}

void BeadPageTest::reenteringThePageFocusesMillimetres() {
  BeadPage* p = Page();
  ColorTabWidget* pages = findNamed<ColorTabWidget>(t_->app->mainWindow(), "pages");
  EnterSize(Box("beadInchBox"), QStringLiteral("1/8"));
  Type(QStringLiteral("42"));
  Key(Qt::Key_Return);
  Type(QStringLiteral("17 1/2"));
  Click(Box("beadInchBox"));  // the caret in a filled size box while the page is left
  QCOMPARE(Box("beadsNeededBox")->text(), QStringLiteral("140.00"));
  // The user clicks the tabs of the page control's own tab strip.
  QTest::mouseClick(pages, Qt::LeftButton, {}, pages->TabRect(5).center());
  QCOMPARE(pages->ActivePageIndex(), 5);
  QVERIFY(!p->isVisible());
  // Qt hands the focus back to the box that had it before the show handler runs.
  QTest::mouseClick(pages, Qt::LeftButton, {}, pages->TabRect(2).center());
  QCOMPARE(pages->ActivePage(), p);
  QCOMPARE(Focused(), Box("beadMmBox"));
  QCOMPARE(p->Marker(), BeadSizeMarker::Mm);
  QCOMPARE(Box("beadInchBox")->text(), QStringLiteral("1/8"));

  // Leaving the empty beadMmBox empties the rate display, but the rate stays.
  Click(Box("strandInchBox"));
  QCOMPARE(Box("beadsPerInchBox")->text(), QString());
  QCOMPARE(Box("strandLengthBox")->text(), QString());
  Key(Qt::Key_Tab);
  QCOMPARE(Box("beadsNeededBox")->text(), QStringLiteral("140.00"));
  QVERIFY(t_->services.messages.isEmpty());
  // A new count now reads the empty millimetre box, and fails.
  Click(Box("beadCountBox"));
  Type(QStringLiteral("5"));
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].text, QStringLiteral("'' is not a valid floating point value."));
  QCOMPARE(p->Rate(), 0.0f);
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
  Box("strandInchBox")->setText(QStringLiteral("1.5"));  // a point elsewhere must not count
  EntryBox* edit = Box(box);
  FocusWidget(edit);
  edit->setText(start);
  edit->end(false);
  t_->services.beeps = 0;
  Type(keys);
  QTEST(edit->text(), "text");
  QTEST(t_->services.beeps, "beeps");
}

void BeadPageTest::tabOrderAndLayout() {
  BeadPage* p = Page();
  const QList<QWidget*> expected = {Box("beadInchBox"),
                                    Box("beadCountBox"),
                                    Box("strandInchBox"),
                                    Box("areaLengthBox"),
                                    Box("areaWidthBox"),
                                    Box("spacingBox"),
                                    findNamed<QPushButton>(p, "clearButton")};
  for (QWidget* next : expected) {
    Key(Qt::Key_Tab);
    QCOMPARE(Focused(), next);
  }
  QVERIFY(!findNamed<QPushButton>(p, "calculateButton")->isVisible());
  for (EntryBox* box : {Box("beadsPerInchBox"), Box("strandLengthBox"), Box("beadsNeededBox"), Box("areaBox"),
                        Box("hexStonesBox")}) {
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
