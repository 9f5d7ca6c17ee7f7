#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "app/main_window.h"
#include "core/text_rules.h"
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
  BeadPage* Page() const { return t_->app->mainWindow()->beadPage; }
  EntryBox* Box(const QString& name) const { return Page()->findChild<EntryBox*>(name); }
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
  FocusWidget(main->pages);
  main->pages->SetActivePage(main->beadPage);
  QApplication::processEvents();
  // Names let the tests pick boxes by table rows.
  BeadPage* p = Page();
  const std::pair<EntryBox*, const char*> names[] = {
      {p->beadMmBox, "beadMmBox"},           {p->beadInchBox, "beadInchBox"},
      {p->beadCountBox, "beadCountBox"},     {p->beadsPerInchBox, "beadsPerInchBox"},
      {p->strandInchBox, "strandInchBox"},   {p->strandLengthBox, "strandLengthBox"},
      {p->beadsNeededBox, "beadsNeededBox"}, {p->areaLengthBox, "areaLengthBox"},
      {p->areaWidthBox, "areaWidthBox"},     {p->areaBox, "areaBox"},
      {p->hexStonesBox, "hexStonesBox"},     {p->spacingBox, "spacingBox"}};
  for (auto [box, name] : names) box->setObjectName(QString::fromLatin1(name));
  QCOMPARE(Focused(), p->beadMmBox);
}

void BeadPageTest::cleanup() {
  QVERIFY2(!guard_.Tripped(), qPrintable(guard_.Seen()));
  t_.reset();
}

// Types a size into its box (reached by Tab from beadMmBox for inches) and presses Enter.
void BeadPageTest::EnterSize(EntryBox* sizeBox, const QString& size) {
  if (sizeBox == Page()->beadInchBox && Focused() == Page()->beadMmBox && Page()->beadMmBox->text().isEmpty())
    Key(Qt::Key_Tab);
  else
    Click(sizeBox);
  QCOMPARE(Focused(), sizeBox);
  Type(size);
  Key(Qt::Key_Return);
}

void BeadPageTest::strandExamples_data() {
  QTest::addColumn<QString>("sizeBox");
  QTest::addColumn<QString>("size");
  QTest::addColumn<QString>("count");
  QTest::addColumn<QString>("desired");
  QTest::addColumn<QString>("rate");
  QTest::addColumn<QString>("length");
  QTest::addColumn<QString>("total");
  QTest::newRow("1/8 inch, 42 beads, 17 1/2") << "beadInchBox"
                                              << "1/8"
                                              << "42"
                                              << "17 1/2"
                                              << "8.00"
                                              << "5.25"
                                              << "140.00";
  QTest::newRow("6 mm, 20 beads, 16") << "beadMmBox"
                                      << "6"
                                      << "20"
                                      << "16"
                                      << "4.23"
                                      << "4.72"
                                      << "67.73";
}

// The user's path: size, Enter, count, Enter, desired length, Tab.
void BeadPageTest::strandExamples() {
  QFETCH(QString, sizeBox);
  QFETCH(QString, size);
  QFETCH(QString, count);
  QFETCH(QString, desired);
  BeadPage* p = Page();
  EntryBox* box = Box(sizeBox);
  EntryBox* other = box == p->beadMmBox ? p->beadInchBox : p->beadMmBox;
  EnterSize(box, size);
  other->setText(QStringLiteral("9"));  // a stale size in the other box

  QCOMPARE(Focused(), p->beadCountBox);
  QCOMPARE(p->beadCountBox->text(), QStringLiteral("1"));
  Type(count);  // replaces the 1 the calculation wrote
  QCOMPARE(p->beadCountBox->text(), count);
  QCOMPARE(other->text(), QString());
  Key(Qt::Key_Return);
  QCOMPARE(Focused(), p->strandInchBox);
  Type(desired);
  Key(Qt::Key_Tab);

  QTEST(p->beadsPerInchBox->text(), "rate");
  QTEST(p->strandLengthBox->text(), "length");
  QTEST(p->beadsNeededBox->text(), "total");
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
  const bool mm = box == p->beadMmBox;
  if (!mm) Key(Qt::Key_Tab);
  QCOMPARE(Focused(), box);
  Type(mm ? QStringLiteral("6.35") : QStringLiteral("1/4"));
  // Texts that the skipped boxes' handlers would act on if they ran.
  p->areaLengthBox->setText(QStringLiteral("2"));
  p->areaWidthBox->setText(QStringLiteral("1"));
  p->strandInchBox->setText(QStringLiteral("10"));

  if (how == u"Enter")
    Key(Qt::Key_Return);
  else if (how == u"Tab")
    Key(Qt::Key_Tab);
  else if (how == u"Backtab")
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
  else
    Click(Box(how.mid(6)));

  QCOMPARE(Focused(), p->beadCountBox);
  QCOMPARE(p->window()->focusWidget(), p->beadCountBox);
  // An enter handler of the other size box would have switched the marker; an
  // exit handler of it (left empty) would have wiped the results.
  QCOMPARE(p->Marker(), mm ? BeadSizeMarker::Mm : BeadSizeMarker::Inch);
  QCOMPARE(p->beadsPerInchBox->text(), QStringLiteral("4.00"));
  QCOMPARE(p->strandLengthBox->text(), QStringLiteral("0.25"));
  QCOMPARE(p->beadsNeededBox->text(), QStringLiteral("40.00"));
  QCOMPARE(p->areaBox->text(), QStringLiteral("32"));
  QVERIFY(t_->services.messages.isEmpty());

  // The focus is really there: typing and Enter work on from beadCountBox, and the
  // intercepted control takes the focus normally afterwards.
  Type(QStringLiteral("8"));
  QCOMPARE(p->beadCountBox->text(), QStringLiteral("8"));
  QCOMPARE(p->strandLengthBox->text(), QStringLiteral("2.00"));
  Key(Qt::Key_Return);
  QCOMPARE(Focused(), p->strandInchBox);
  Click(mm ? p->beadInchBox : p->beadMmBox);
  QCOMPARE(p->Marker(), mm ? BeadSizeMarker::Inch : BeadSizeMarker::Mm);
}

void BeadPageTest::emptySizeBoxLetsTheFocusGo() {
  BeadPage* p = Page();
  // A size first, so that leaving an empty box has results to clear.
  EnterSize(p->beadMmBox, QStringLiteral("6"));
  Key(Qt::Key_Return);  // to strandInchBox
  Type(QStringLiteral("16"));
  Click(p->beadMmBox);
  QCOMPARE(p->beadsNeededBox->text(), QStringLiteral("67.73"));
  for (const QString& text : {QString(), QStringLiteral("."), QStringLiteral("  ")}) {
    Click(p->beadMmBox);
    p->beadMmBox->setText(text);
    Key(Qt::Key_Tab);
    QCOMPARE(Focused(), p->beadInchBox);
    QCOMPARE(p->Marker(), BeadSizeMarker::Inch);
    QCOMPARE(p->beadsPerInchBox->text(), QString());
    QCOMPARE(p->strandLengthBox->text(), QString());
    // The rate and the other results stay.
    QCOMPARE(p->beadsNeededBox->text(), QStringLiteral("67.73"));
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
  BeadPage* p = Page();
  p->beadCountBox->setText(before);  // a count without a size cannot be calculated yet
  t_->services.messages.clear();
  EnterSize(p->beadMmBox, QStringLiteral("6"));
  QTEST(p->beadCountBox->text(), "after");
  QTEST(p->strandLengthBox->text(), "length");
  QCOMPARE(p->beadsPerInchBox->text(), QStringLiteral("4.23"));
  QVERIFY(t_->services.messages.isEmpty());
}

void BeadPageTest::beadCountChanges() {
  BeadPage* p = Page();
  EnterSize(p->beadMmBox, QStringLiteral("6"));
  Type(QStringLiteral("0"));
  QCOMPARE(p->strandLengthBox->text(), QString());  // zero is no count to calculate with
  Type(QStringLiteral("07"));
  QCOMPARE(p->beadCountBox->text(), QStringLiteral("7"));  // 007 recalculated and rewritten
  QCOMPARE(p->strandLengthBox->text(), QStringLiteral("1.65"));
  Key(Qt::Key_Backspace);
  QCOMPARE(p->strandLengthBox->text(), QString());
  QVERIFY(t_->services.messages.isEmpty());
}

// A calculation writes only the boxes whose results it computes: the count
// being edited keeps its caret and its undo history.
void BeadPageTest::editingTheCountKeepsCaretAndUndo() {
  BeadPage* p = Page();
  EnterSize(p->beadMmBox, QStringLiteral("6"));
  Type(QStringLiteral("15"));
  p->beadCountBox->setCursorPosition(1);
  Type(QStringLiteral("2"));
  QCOMPARE(p->beadCountBox->text(), QStringLiteral("125"));
  QCOMPARE(p->strandLengthBox->text(), QStringLiteral("29.53"));
  QCOMPARE(p->beadCountBox->cursorPosition(), 2);
  QVERIFY(p->beadCountBox->isUndoAvailable());
  p->beadCountBox->undo();
  QCOMPARE(p->beadCountBox->text(), QStringLiteral("15"));
  QCOMPARE(p->strandLengthBox->text(), QStringLiteral("3.54"));
}

// The rewrite of the count runs the calculation once more; when that inner run
// fails, the outer one stops too: one box, not two.
void BeadPageTest::nestedRecalculationFailureStopsOuterRun() {
  BeadPage* p = Page();
  p->areaLengthBox->setText(QStringLiteral("2"));
  p->areaWidthBox->setText(QStringLiteral("1x"));
  p->beadCountBox->setText(QStringLiteral("007"));
  t_->services.messages.clear();
  EnterSize(p->beadMmBox, QStringLiteral("6"));
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QStringLiteral("Orvane"));
  QCOMPARE(t_->services.messages[0].text, QStringLiteral("'1x' is not a valid floating point value."));
  QCOMPARE(p->beadCountBox->text(), QStringLiteral("7"));
  QCOMPARE(p->strandLengthBox->text(),
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
    EnterSize(p->beadMmBox, QStringLiteral("6"));
    Click(p->clearButton);
  } else if (setup == u"zero") {
    EnterSize(p->beadMmBox, QStringLiteral("0"));
    t_->services.Reset();
  }
  p->beadsNeededBox->setText(QStringLiteral("stale"));
  p->areaBox->setText(QStringLiteral("11"));
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
  QCOMPARE(p->beadsNeededBox->text(), QString());
  QCOMPARE(p->areaBox->text(), QStringLiteral("11"));  // area boxes keep their contents
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
  EntryBox* other = box == p->beadMmBox ? p->beadInchBox : p->beadMmBox;
  Click(box);
  box->setText(size);
  other->setText(QStringLiteral("3"));
  Click(p->strandInchBox);

  QCOMPARE(t_->services.messages.size(), 1);
  QTEST(t_->services.messages[0].caption, "caption");
  QTEST(t_->services.messages[0].text, "message");
  QCOMPARE(p->Rate(), 0.0f);
  QCOMPARE(p->beadsPerInchBox->text(), QString());
  // A zero size got as far as emptying the other box; an unreadable one did not.
  const bool readSize = t_->services.messages[0].text.startsWith(u"Floating");
  QCOMPARE(other->text(), readSize ? QString() : QStringLiteral("3"));
}

void BeadPageTest::areaExamples_data() {
  QTest::addColumn<QString>("sizeBox");
  QTest::addColumn<QString>("size");
  QTest::addColumn<QString>("length");
  QTest::addColumn<QString>("width");
  QTest::addColumn<QString>("spacing");
  QTest::addColumn<QString>("square");
  QTest::addColumn<QString>("hexagonal");
  QTest::newRow("1/8 on 6 1/4x7 1/8") << "beadInchBox"
                                      << "1/8"
                                      << "6 1/4"
                                      << "7 1/8"
                                      << ""
                                      << "2850"
                                      << "3291";
  QTest::newRow("spaced 1/4: 712.5") << "beadInchBox"
                                     << "1/8"
                                     << "6 1/4"
                                     << "7 1/8"
                                     << "1/4"
                                     << "712"
                                     << "";
  QTest::newRow("lone point spacing is emptied") << "beadMmBox"
                                                 << "4"
                                                 << "2"
                                                 << "1"
                                                 << "."
                                                 << "81"
                                                 << "93";
}

// Size, then length Enter width Enter (to the spacing box), spacing Enter.
void BeadPageTest::areaExamples() {
  QFETCH(QString, sizeBox);
  QFETCH(QString, size);
  QFETCH(QString, length);
  QFETCH(QString, width);
  QFETCH(QString, spacing);
  BeadPage* p = Page();
  EnterSize(Box(sizeBox), size);
  Click(p->areaLengthBox);
  Type(length);
  Key(Qt::Key_Return);
  QCOMPARE(Focused(), p->areaWidthBox);
  Type(width);
  Key(Qt::Key_Return);
  QCOMPARE(Focused(), p->spacingBox);
  if (!spacing.isEmpty()) {
    Type(spacing);
    Key(Qt::Key_Return);
    QCOMPARE(Focused(), p->spacingBox);  // Enter recomputes in place
  }
  QTEST(p->areaBox->text(), "square");
  QTEST(p->hexStonesBox->text(), "hexagonal");
  if (spacing == u".") QCOMPARE(p->spacingBox->text(), QString());
  QVERIFY(t_->services.messages.isEmpty());
}

void BeadPageTest::spacingKeepsBeadsPerInch() {
  BeadPage* p = Page();
  EnterSize(p->beadInchBox, QStringLiteral("1/8"));
  p->areaLengthBox->setText(QStringLiteral("6 1/4"));
  p->areaWidthBox->setText(QStringLiteral("7 1/8"));
  Click(p->spacingBox);
  Type(QStringLiteral("1/4"));
  Key(Qt::Key_Return);
  QCOMPARE(p->areaBox->text(), QStringLiteral("712"));
  QCOMPARE(p->beadsPerInchBox->text(), QStringLiteral("8.00"));
  Click(p->strandInchBox);
  Type(QStringLiteral("10"));
  Key(Qt::Key_Tab);
  QCOMPARE(p->beadsNeededBox->text(), QStringLiteral("80.00"));
  // Emptying the spacing brings both patterns back.
  Click(p->spacingBox);
  p->spacingBox->clear();
  Click(p->areaWidthBox);
  Key(Qt::Key_Tab);
  QCOMPARE(p->areaBox->text(), QStringLiteral("2850"));
  QCOMPARE(p->hexStonesBox->text(), QStringLiteral("3291"));
}

void BeadPageTest::emptiedAreaBox() {
  BeadPage* p = Page();
  EnterSize(p->beadMmBox, QStringLiteral("4"));
  p->areaLengthBox->setText(QStringLiteral("2"));
  Click(p->areaWidthBox);
  Type(QStringLiteral("1"));
  Key(Qt::Key_Tab);
  QCOMPARE(p->areaBox->text(), QStringLiteral("81"));
  // Emptied without leaving: a recalculation keeps the old counts.
  p->areaLengthBox->clear();
  Click(p->beadCountBox);
  p->beadCountBox->selectAll();
  Type(QStringLiteral("5"));
  QCOMPARE(p->strandLengthBox->text(), QStringLiteral("0.79"));
  QCOMPARE(p->areaBox->text(), QStringLiteral("81"));
  QCOMPARE(p->hexStonesBox->text(), QStringLiteral("93"));
  // Leaving the emptied box clears both counts.
  Click(p->areaLengthBox);
  Click(p->strandInchBox);
  QCOMPARE(p->areaBox->text(), QString());
  QCOMPARE(p->hexStonesBox->text(), QString());
  QVERIFY(t_->services.messages.isEmpty());
}

// An area too large for a whole count reports it and never shows a wrapped or
// negative count.
void BeadPageTest::hugeAreaIsAnError() {
  BeadPage* p = Page();
  EnterSize(p->beadMmBox, QStringLiteral("4"));
  p->areaWidthBox->setText(QStringLiteral("1"));
  Click(p->areaLengthBox);
  p->areaLengthBox->setText(QStringLiteral("2"));
  Key(Qt::Key_Tab);
  QCOMPARE(p->areaBox->text(), QStringLiteral("81"));
  Click(p->areaLengthBox);
  p->areaLengthBox->setText(QStringLiteral("1E30"));
  Key(Qt::Key_Tab);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QStringLiteral("Orvane"));
  QCOMPARE(t_->services.messages[0].text, QStringLiteral("Too many stones to count for this area."));
  QCOMPARE(p->areaBox->text(), QStringLiteral("81"));
  QCOMPARE(p->hexStonesBox->text(), QStringLiteral("93"));
  // With a spacing too.
  QCOMPARE(Focused(), p->areaWidthBox);
  p->spacingBox->setText(QStringLiteral("0.01"));
  Key(Qt::Key_Tab);
  QCOMPARE(t_->services.messages.size(), 2);
  QCOMPARE(t_->services.messages[1].text, QStringLiteral("Too many stones to count for this area."));
  QCOMPARE(p->areaBox->text(), QStringLiteral("81"));
}

void BeadPageTest::clearEmptiesEverything() {
  BeadPage* p = Page();
  EnterSize(p->beadMmBox, QStringLiteral("4"));
  Type(QStringLiteral("10"));
  for (EntryBox* box : {p->strandInchBox, p->areaLengthBox, p->areaWidthBox, p->spacingBox})
    box->setText(QStringLiteral("1"));
  Click(p->spacingBox);
  Key(Qt::Key_Return);
  QCOMPARE(p->areaBox->text(), QStringLiteral("2"));  // 4 mm stones 1 in apart
  p->beadInchBox->setText(QStringLiteral("1/8"));

  Click(p->clearButton);
  for (EntryBox* box : p->findChildren<EntryBox*>())
    QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
  QCOMPARE(Focused(), p->beadMmBox);
  QCOMPARE(p->Marker(), BeadSizeMarker::Mm);
  QCOMPARE(p->Rate(), 0.0f);
  QCOMPARE(p->clearButton->toolTip(), QStringLiteral("Clear Data Entry"));
  // Clear from the keyboard too, while the caret is in beadMmBox.
  Key(Qt::Key_Tab);
  QCOMPARE(Focused(), p->beadInchBox);
  p->beadMmBox->setFocus();
  p->clearButton->click();
  QCOMPARE(p->Marker(), BeadSizeMarker::Mm);
  QVERIFY(t_->services.messages.isEmpty());
}

void BeadPageTest::reenteringThePageFocusesMillimetres() {
  BeadPage* p = Page();
  ColorTabWidget* pages = t_->app->mainWindow()->pages;
  EnterSize(p->beadInchBox, QStringLiteral("1/8"));
  Type(QStringLiteral("42"));
  Key(Qt::Key_Return);
  Type(QStringLiteral("17 1/2"));
  Click(p->beadInchBox);  // the caret in a filled size box while the page is left
  QCOMPARE(p->beadsNeededBox->text(), QStringLiteral("140.00"));
  // The user clicks the tabs of the page control's own tab strip.
  QTest::mouseClick(pages, Qt::LeftButton, {}, pages->TabRect(5).center());
  QCOMPARE(pages->ActivePageIndex(), 5);
  QVERIFY(!p->isVisible());
  // Qt hands the focus back to the box that had it before the show handler runs.
  QTest::mouseClick(pages, Qt::LeftButton, {}, pages->TabRect(2).center());
  QCOMPARE(pages->ActivePage(), p);
  QCOMPARE(Focused(), p->beadMmBox);
  QCOMPARE(p->Marker(), BeadSizeMarker::Mm);
  QCOMPARE(p->beadInchBox->text(), QStringLiteral("1/8"));

  // Leaving the empty beadMmBox empties the rate display, but the rate stays.
  Click(p->strandInchBox);
  QCOMPARE(p->beadsPerInchBox->text(), QString());
  QCOMPARE(p->strandLengthBox->text(), QString());
  Key(Qt::Key_Tab);
  QCOMPARE(p->beadsNeededBox->text(), QStringLiteral("140.00"));
  QVERIFY(t_->services.messages.isEmpty());
  // A new count now reads the empty millimetre box, and fails.
  Click(p->beadCountBox);
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
  BeadPage* p = Page();
  p->strandInchBox->setText(QStringLiteral("1.5"));  // a point elsewhere must not count
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
  const QList<QWidget*> expected = {p->beadInchBox,  p->beadCountBox, p->strandInchBox, p->areaLengthBox,
                                    p->areaWidthBox, p->spacingBox,   p->clearButton};
  for (QWidget* next : expected) {
    Key(Qt::Key_Tab);
    QCOMPARE(Focused(), next);
  }
  QVERIFY(!p->calculateButton->isVisible());
  for (EntryBox* box :
       {p->beadsPerInchBox, p->strandLengthBox, p->beadsNeededBox, p->areaBox, p->hexStonesBox}) {
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
