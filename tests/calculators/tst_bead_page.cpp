#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "app/main_window.h"
#include "calculators/bead_page.h"
#include "core/text_rules.h"
#include "widget_fixture.h"
#include "widgets/edit.h"
#include "widgets/ext_page_control.h"

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
  TBeadCalcPage* Page() const { return t_->app->MainFrm()->TabSheet8; }
  TEdit* Box(const QString& name) const { return Page()->findChild<TEdit*>(name); }
  static QWidget* Focused() { return QApplication::focusWidget(); }
  static void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(Focused(), key, mods);
  }
  static void Type(const QString& text) { QTest::keyClicks(Focused(), text); }
  static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }
  void EnterSize(TEdit* sizeBox, const QString& size);

  ModalDialogGuard guard_;
  std::unique_ptr<TestApp> t_;
};

void BeadPageTest::init() {
  t_ = std::make_unique<TestApp>();
  TMainFrm* main = t_->app->MainFrm();
  FocusWidget(main->PageControl1);
  main->PageControl1->SetActivePage(main->TabSheet8);
  QApplication::processEvents();
  // Names let the tests pick boxes by table rows.
  TBeadCalcPage* p = Page();
  const std::pair<TEdit*, const char*> names[] = {{p->BsMm, "BsMm"},
                                                  {p->BsInch, "BsInch"},
                                                  {p->NoBeads, "NoBeads"},
                                                  {p->BeadsIn, "BeadsIn"},
                                                  {p->Totalin, "Totalin"},
                                                  {p->LenInch, "LenInch"},
                                                  {p->TotalBeads, "TotalBeads"},
                                                  {p->AreaL, "AreaL"},
                                                  {p->AreaW, "AreaW"},
                                                  {p->AreaRect, "AreaRect"},
                                                  {p->AreaHex, "AreaHex"},
                                                  {p->AreaSp, "AreaSp"}};
  for (auto [box, name] : names) box->setObjectName(QString::fromLatin1(name));
  QCOMPARE(Focused(), p->BsMm);
}

void BeadPageTest::cleanup() {
  QVERIFY2(!guard_.Tripped(), qPrintable(guard_.Seen()));
  t_.reset();
}

// Types a size into its box (reached by Tab from BsMm for inches) and presses Enter.
void BeadPageTest::EnterSize(TEdit* sizeBox, const QString& size) {
  if (sizeBox == Page()->BsInch && Focused() == Page()->BsMm && Page()->BsMm->text().isEmpty())
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
  QTest::newRow("1/8 inch, 42 beads, 17 1/2") << "BsInch"
                                              << "1/8"
                                              << "42"
                                              << "17 1/2"
                                              << "8.00"
                                              << "5.25"
                                              << "140.00";
  QTest::newRow("6 mm, 20 beads, 16") << "BsMm"
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
  TBeadCalcPage* p = Page();
  TEdit* box = Box(sizeBox);
  TEdit* other = box == p->BsMm ? p->BsInch : p->BsMm;
  EnterSize(box, size);
  other->setText(QStringLiteral("9"));  // a stale size in the other box

  QCOMPARE(Focused(), p->NoBeads);
  QCOMPARE(p->NoBeads->text(), QStringLiteral("1"));
  Type(count);  // replaces the 1 the calculation wrote
  QCOMPARE(p->NoBeads->text(), count);
  QCOMPARE(other->text(), QString());
  Key(Qt::Key_Return);
  QCOMPARE(Focused(), p->Totalin);
  Type(desired);
  Key(Qt::Key_Tab);

  QTEST(p->BeadsIn->text(), "rate");
  QTEST(p->LenInch->text(), "length");
  QTEST(p->TotalBeads->text(), "total");
  QCOMPARE(box->text(), size);
  QVERIFY(t_->services.messages.isEmpty());
}

// However a filled size box is left, the caret lands in NoBeads; the control
// that was about to get the focus neither gets it nor sees enter or exit.
void BeadPageTest::sizeBoxLeftAnyWayLandsInBeadCount_data() {
  QTest::addColumn<QString>("sizeBox");
  QTest::addColumn<QString>("how");  // a key, or "click:<box>"
  QTest::newRow("mm by Enter") << "BsMm"
                               << "Enter";
  QTest::newRow("mm by Tab") << "BsMm"
                             << "Tab";
  QTest::newRow("mm by click on inches") << "BsMm"
                                         << "click:BsInch";
  QTest::newRow("mm by click on desired length") << "BsMm"
                                                 << "click:Totalin";
  QTest::newRow("mm by click on area width") << "BsMm"
                                             << "click:AreaW";
  QTest::newRow("mm by click on square count") << "BsMm"
                                               << "click:AreaRect";
  QTest::newRow("inches by Enter") << "BsInch"
                                   << "Enter";
  QTest::newRow("inches by Backtab") << "BsInch"
                                     << "Backtab";
  QTest::newRow("inches by click on mm") << "BsInch"
                                         << "click:BsMm";
  QTest::newRow("inches by click on spacing") << "BsInch"
                                              << "click:AreaSp";
}

void BeadPageTest::sizeBoxLeftAnyWayLandsInBeadCount() {
  QFETCH(QString, sizeBox);
  QFETCH(QString, how);
  TBeadCalcPage* p = Page();
  TEdit* box = Box(sizeBox);
  const bool mm = box == p->BsMm;
  if (!mm) Key(Qt::Key_Tab);
  QCOMPARE(Focused(), box);
  Type(mm ? QStringLiteral("6.35") : QStringLiteral("1/4"));
  // Texts that the skipped boxes' handlers would act on if they ran.
  p->AreaL->setText(QStringLiteral("2"));
  p->AreaW->setText(QStringLiteral("1"));
  p->Totalin->setText(QStringLiteral("10"));

  if (how == u"Enter")
    Key(Qt::Key_Return);
  else if (how == u"Tab")
    Key(Qt::Key_Tab);
  else if (how == u"Backtab")
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
  else
    Click(Box(how.mid(6)));

  QCOMPARE(Focused(), p->NoBeads);
  QCOMPARE(p->window()->focusWidget(), p->NoBeads);
  // An enter handler of the other size box would have switched the marker; an
  // exit handler of it (left empty) would have wiped the results.
  QCOMPARE(p->Marker(), mm ? BeadSizeMarker::Mm : BeadSizeMarker::Inch);
  QCOMPARE(p->BeadsIn->text(), QStringLiteral("4.00"));
  QCOMPARE(p->LenInch->text(), QStringLiteral("0.25"));
  QCOMPARE(p->TotalBeads->text(), QStringLiteral("40.00"));
  QCOMPARE(p->AreaRect->text(), QStringLiteral("32"));
  QVERIFY(t_->services.messages.isEmpty());

  // The focus is really there: typing and Enter work on from NoBeads, and the
  // intercepted control takes the focus normally afterwards.
  Type(QStringLiteral("8"));
  QCOMPARE(p->NoBeads->text(), QStringLiteral("8"));
  QCOMPARE(p->LenInch->text(), QStringLiteral("2.00"));
  Key(Qt::Key_Return);
  QCOMPARE(Focused(), p->Totalin);
  Click(mm ? p->BsInch : p->BsMm);
  QCOMPARE(p->Marker(), mm ? BeadSizeMarker::Inch : BeadSizeMarker::Mm);
}

void BeadPageTest::emptySizeBoxLetsTheFocusGo() {
  TBeadCalcPage* p = Page();
  // A size first, so that leaving an empty box has results to clear.
  EnterSize(p->BsMm, QStringLiteral("6"));
  Key(Qt::Key_Return);  // to Totalin
  Type(QStringLiteral("16"));
  Click(p->BsMm);
  QCOMPARE(p->TotalBeads->text(), QStringLiteral("67.73"));
  for (const QString& text : {QString(), QStringLiteral("."), QStringLiteral("  ")}) {
    Click(p->BsMm);
    p->BsMm->setText(text);
    Key(Qt::Key_Tab);
    QCOMPARE(Focused(), p->BsInch);
    QCOMPARE(p->Marker(), BeadSizeMarker::Inch);
    QCOMPARE(p->BeadsIn->text(), QString());
    QCOMPARE(p->LenInch->text(), QString());
    // The rate and the other results stay.
    QCOMPARE(p->TotalBeads->text(), QStringLiteral("67.73"));
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
  TBeadCalcPage* p = Page();
  p->NoBeads->setText(before);  // a count without a size cannot be calculated yet
  t_->services.messages.clear();
  EnterSize(p->BsMm, QStringLiteral("6"));
  QTEST(p->NoBeads->text(), "after");
  QTEST(p->LenInch->text(), "length");
  QCOMPARE(p->BeadsIn->text(), QStringLiteral("4.23"));
  QVERIFY(t_->services.messages.isEmpty());
}

void BeadPageTest::beadCountChanges() {
  TBeadCalcPage* p = Page();
  EnterSize(p->BsMm, QStringLiteral("6"));
  Type(QStringLiteral("0"));
  QCOMPARE(p->LenInch->text(), QString());  // zero is no count to calculate with
  Type(QStringLiteral("07"));
  QCOMPARE(p->NoBeads->text(), QStringLiteral("7"));  // 007 recalculated and rewritten
  QCOMPARE(p->LenInch->text(), QStringLiteral("1.65"));
  Key(Qt::Key_Backspace);
  QCOMPARE(p->LenInch->text(), QString());
  QVERIFY(t_->services.messages.isEmpty());
}

// A calculation writes only the boxes whose results it computes: the count
// being edited keeps its caret and its undo history.
void BeadPageTest::editingTheCountKeepsCaretAndUndo() {
  TBeadCalcPage* p = Page();
  EnterSize(p->BsMm, QStringLiteral("6"));
  Type(QStringLiteral("15"));
  p->NoBeads->setCursorPosition(1);
  Type(QStringLiteral("2"));
  QCOMPARE(p->NoBeads->text(), QStringLiteral("125"));
  QCOMPARE(p->LenInch->text(), QStringLiteral("29.53"));
  QCOMPARE(p->NoBeads->cursorPosition(), 2);
  QVERIFY(p->NoBeads->isUndoAvailable());
  p->NoBeads->undo();
  QCOMPARE(p->NoBeads->text(), QStringLiteral("15"));
  QCOMPARE(p->LenInch->text(), QStringLiteral("3.54"));
}

// The rewrite of the count runs the calculation once more; when that inner run
// fails, the outer one stops too: one box, not two.
void BeadPageTest::nestedRecalculationFailureStopsOuterRun() {
  TBeadCalcPage* p = Page();
  p->AreaL->setText(QStringLiteral("2"));
  p->AreaW->setText(QStringLiteral("1x"));
  p->NoBeads->setText(QStringLiteral("007"));
  t_->services.messages.clear();
  EnterSize(p->BsMm, QStringLiteral("6"));
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QStringLiteral("Orvane"));
  QCOMPARE(t_->services.messages[0].text, QStringLiteral("'1x' is not a valid floating point value."));
  QCOMPARE(p->NoBeads->text(), QStringLiteral("7"));
  QCOMPARE(p->LenInch->text(), QStringLiteral("1.65"));  // written by the inner run before its failure
}

// Leaving a box that needs the rate before there is one.
void BeadPageTest::notCalculatedBoxes_data() {
  QTest::addColumn<QString>("setup");  // "", "clear" or "zero"
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("how");  // "Tab" or "Enter"
  QTest::addColumn<QString>("message");
  QTest::newRow("desired length, nothing yet") << ""
                                               << "Totalin"
                                               << "16"
                                               << "Tab" << kRateError;
  QTest::newRow("desired length empty") << ""
                                        << "Totalin"
                                        << ""
                                        << "Tab" << kRateError;
  QTest::newRow("desired length after Clear") << "clear"
                                              << "Totalin"
                                              << "16"
                                              << "Enter" << kRateError;
  QTest::newRow("desired length after zero size") << "zero"
                                                  << "Totalin"
                                                  << "16"
                                                  << "Tab" << kRateError;
  QTest::newRow("square count box left") << ""
                                         << "AreaRect"
                                         << ""
                                         << "Tab" << kRateError;
  QTest::newRow("area length") << ""
                               << "AreaL"
                               << "2"
                               << "Tab" << kAreaError;
  QTest::newRow("area width empty") << ""
                                    << "AreaW"
                                    << ""
                                    << "Tab" << kAreaError;
  QTest::newRow("spacing left") << "clear"
                                << "AreaSp"
                                << "1/4"
                                << "Tab" << kAreaError;
  QTest::newRow("spacing Enter") << ""
                                 << "AreaSp"
                                 << "."
                                 << "Enter" << kAreaError;
}

void BeadPageTest::notCalculatedBoxes() {
  QFETCH(QString, setup);
  QFETCH(QString, box);
  QFETCH(QString, text);
  QFETCH(QString, how);
  TBeadCalcPage* p = Page();
  if (setup == u"clear") {
    EnterSize(p->BsMm, QStringLiteral("6"));
    Click(p->bClearBtn);
  } else if (setup == u"zero") {
    EnterSize(p->BsMm, QStringLiteral("0"));
    t_->services.Reset();
  }
  p->TotalBeads->setText(QStringLiteral("stale"));
  p->AreaRect->setText(QStringLiteral("11"));
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
  QCOMPARE(p->TotalBeads->text(), QString());
  QCOMPARE(p->AreaRect->text(), QStringLiteral("11"));  // area boxes keep their contents
  if (box != u"AreaRect") QCOMPARE(Box(box)->text(), text);
}

void BeadPageTest::sizeFailures_data() {
  QTest::addColumn<QString>("sizeBox");
  QTest::addColumn<QString>("size");  // pasted, so unfiltered
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("message");
  QTest::newRow("zero mm") << "BsMm"
                           << "0"
                           << "Orvane"
                           << "Floating point division by zero.";
  QTest::newRow("bad fraction") << "BsInch"
                                << "1/a"
                                << "Error"
                                << "Cannot convert Fraction to Decimal.";
  QTest::newRow("1.2.3 pasted") << "BsMm"
                                << "1.2.3"
                                << "Orvane"
                                << "'1.2.3' is not a valid floating point value.";
}

// A failed calculation reports, leaves the rate at 0 and the focus where the
// user took it.
void BeadPageTest::sizeFailures() {
  QFETCH(QString, sizeBox);
  QFETCH(QString, size);
  TBeadCalcPage* p = Page();
  TEdit* box = Box(sizeBox);
  TEdit* other = box == p->BsMm ? p->BsInch : p->BsMm;
  Click(box);
  box->setText(size);
  other->setText(QStringLiteral("3"));
  Click(p->Totalin);

  QCOMPARE(t_->services.messages.size(), 1);
  QTEST(t_->services.messages[0].caption, "caption");
  QTEST(t_->services.messages[0].text, "message");
  QCOMPARE(p->Rate(), 0.0f);
  QCOMPARE(p->BeadsIn->text(), QString());
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
  QTest::newRow("1/8 on 6 1/4x7 1/8") << "BsInch"
                                      << "1/8"
                                      << "6 1/4"
                                      << "7 1/8"
                                      << ""
                                      << "2850"
                                      << "3291";
  QTest::newRow("spaced 1/4: 712.5") << "BsInch"
                                     << "1/8"
                                     << "6 1/4"
                                     << "7 1/8"
                                     << "1/4"
                                     << "712"
                                     << "";
  QTest::newRow("lone point spacing is emptied") << "BsMm"
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
  TBeadCalcPage* p = Page();
  EnterSize(Box(sizeBox), size);
  Click(p->AreaL);
  Type(length);
  Key(Qt::Key_Return);
  QCOMPARE(Focused(), p->AreaW);
  Type(width);
  Key(Qt::Key_Return);
  QCOMPARE(Focused(), p->AreaSp);
  if (!spacing.isEmpty()) {
    Type(spacing);
    Key(Qt::Key_Return);
    QCOMPARE(Focused(), p->AreaSp);  // Enter recomputes in place
  }
  QTEST(p->AreaRect->text(), "square");
  QTEST(p->AreaHex->text(), "hexagonal");
  if (spacing == u".") QCOMPARE(p->AreaSp->text(), QString());
  QVERIFY(t_->services.messages.isEmpty());
}

void BeadPageTest::spacingKeepsBeadsPerInch() {
  TBeadCalcPage* p = Page();
  EnterSize(p->BsInch, QStringLiteral("1/8"));
  p->AreaL->setText(QStringLiteral("6 1/4"));
  p->AreaW->setText(QStringLiteral("7 1/8"));
  Click(p->AreaSp);
  Type(QStringLiteral("1/4"));
  Key(Qt::Key_Return);
  QCOMPARE(p->AreaRect->text(), QStringLiteral("712"));
  QCOMPARE(p->BeadsIn->text(), QStringLiteral("8.00"));
  Click(p->Totalin);
  Type(QStringLiteral("10"));
  Key(Qt::Key_Tab);
  QCOMPARE(p->TotalBeads->text(), QStringLiteral("80.00"));
  // Emptying the spacing brings both patterns back.
  Click(p->AreaSp);
  p->AreaSp->clear();
  Click(p->AreaW);
  Key(Qt::Key_Tab);
  QCOMPARE(p->AreaRect->text(), QStringLiteral("2850"));
  QCOMPARE(p->AreaHex->text(), QStringLiteral("3291"));
}

void BeadPageTest::emptiedAreaBox() {
  TBeadCalcPage* p = Page();
  EnterSize(p->BsMm, QStringLiteral("4"));
  p->AreaL->setText(QStringLiteral("2"));
  Click(p->AreaW);
  Type(QStringLiteral("1"));
  Key(Qt::Key_Tab);
  QCOMPARE(p->AreaRect->text(), QStringLiteral("81"));
  // Emptied without leaving: a recalculation keeps the old counts.
  p->AreaL->clear();
  Click(p->NoBeads);
  p->NoBeads->selectAll();
  Type(QStringLiteral("5"));
  QCOMPARE(p->LenInch->text(), QStringLiteral("0.79"));
  QCOMPARE(p->AreaRect->text(), QStringLiteral("81"));
  QCOMPARE(p->AreaHex->text(), QStringLiteral("93"));
  // Leaving the emptied box clears both counts.
  Click(p->AreaL);
  Click(p->Totalin);
  QCOMPARE(p->AreaRect->text(), QString());
  QCOMPARE(p->AreaHex->text(), QString());
  QVERIFY(t_->services.messages.isEmpty());
}

// An area too large for a whole count reports it and never shows a wrapped or
// negative count.
void BeadPageTest::hugeAreaIsAnError() {
  TBeadCalcPage* p = Page();
  EnterSize(p->BsMm, QStringLiteral("4"));
  p->AreaW->setText(QStringLiteral("1"));
  Click(p->AreaL);
  p->AreaL->setText(QStringLiteral("2"));
  Key(Qt::Key_Tab);
  QCOMPARE(p->AreaRect->text(), QStringLiteral("81"));
  Click(p->AreaL);
  p->AreaL->setText(QStringLiteral("1E30"));
  Key(Qt::Key_Tab);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].caption, QStringLiteral("Orvane"));
  QCOMPARE(t_->services.messages[0].text, QStringLiteral("Too many stones to count for this area."));
  QCOMPARE(p->AreaRect->text(), QStringLiteral("81"));
  QCOMPARE(p->AreaHex->text(), QStringLiteral("93"));
  // With a spacing too.
  QCOMPARE(Focused(), p->AreaW);
  p->AreaSp->setText(QStringLiteral("0.01"));
  Key(Qt::Key_Tab);
  QCOMPARE(t_->services.messages.size(), 2);
  QCOMPARE(t_->services.messages[1].text, QStringLiteral("Too many stones to count for this area."));
  QCOMPARE(p->AreaRect->text(), QStringLiteral("81"));
}

void BeadPageTest::clearEmptiesEverything() {
  TBeadCalcPage* p = Page();
  EnterSize(p->BsMm, QStringLiteral("4"));
  Type(QStringLiteral("10"));
  for (TEdit* box : {p->Totalin, p->AreaL, p->AreaW, p->AreaSp}) box->setText(QStringLiteral("1"));
  Click(p->AreaSp);
  Key(Qt::Key_Return);
  QCOMPARE(p->AreaRect->text(), QStringLiteral("2"));  // 4 mm stones 1 in apart
  p->BsInch->setText(QStringLiteral("1/8"));

  Click(p->bClearBtn);
  for (TEdit* box : p->findChildren<TEdit*>()) QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
  QCOMPARE(Focused(), p->BsMm);
  QCOMPARE(p->Marker(), BeadSizeMarker::Mm);
  QCOMPARE(p->Rate(), 0.0f);
  QCOMPARE(p->bClearBtn->toolTip(), QStringLiteral("Clear Data Entry"));
  // Clear from the keyboard too, while the caret is in BsMm.
  Key(Qt::Key_Tab);
  QCOMPARE(Focused(), p->BsInch);
  p->BsMm->setFocus();
  p->bClearBtn->click();
  QCOMPARE(p->Marker(), BeadSizeMarker::Mm);
  QVERIFY(t_->services.messages.isEmpty());
}

void BeadPageTest::reenteringThePageFocusesMillimetres() {
  TBeadCalcPage* p = Page();
  TExtPageControl* pages = t_->app->MainFrm()->PageControl1;
  EnterSize(p->BsInch, QStringLiteral("1/8"));
  Type(QStringLiteral("42"));
  Key(Qt::Key_Return);
  Type(QStringLiteral("17 1/2"));
  Click(p->BsInch);  // the caret in a filled size box while the page is left
  QCOMPARE(p->TotalBeads->text(), QStringLiteral("140.00"));
  // The user clicks the tabs of the page control's own tab strip.
  QTest::mouseClick(pages, Qt::LeftButton, {}, pages->TabRect(5).center());
  QCOMPARE(pages->ActivePageIndex(), 5);
  QVERIFY(!p->isVisible());
  // Qt hands the focus back to the box that had it before the show handler runs.
  QTest::mouseClick(pages, Qt::LeftButton, {}, pages->TabRect(2).center());
  QCOMPARE(pages->ActivePage(), p);
  QCOMPARE(Focused(), p->BsMm);
  QCOMPARE(p->Marker(), BeadSizeMarker::Mm);
  QCOMPARE(p->BsInch->text(), QStringLiteral("1/8"));

  // Leaving the empty BsMm empties the rate display, but the rate stays.
  Click(p->Totalin);
  QCOMPARE(p->BeadsIn->text(), QString());
  QCOMPARE(p->LenInch->text(), QString());
  Key(Qt::Key_Tab);
  QCOMPARE(p->TotalBeads->text(), QStringLiteral("140.00"));
  QVERIFY(t_->services.messages.isEmpty());
  // A new count now reads the empty millimetre box, and fails.
  Click(p->NoBeads);
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
  QTest::newRow("mm: digits and one point") << "BsMm"
                                            << ""
                                            << "1.5.a/ 2"
                                            << "1.52" << 4;
  QTest::newRow("inches: fractions and blanks") << "BsInch"
                                                << ""
                                                << "1 1/2.x"
                                                << "1 1/2." << 1;
  QTest::newRow("count: digits only") << "NoBeads"
                                      << ""
                                      << "4.2-"
                                      << "42" << 2;
  QTest::newRow("desired length: one point") << "Totalin"
                                             << ""
                                             << "17 1/2.5."
                                             << "17 1/2.5" << 1;
  QTest::newRow("area length judged on itself") << "AreaL"
                                                << ""
                                                << "2.5"
                                                << "2.5" << 0;
  QTest::newRow("area width: one point") << "AreaW"
                                         << "1."
                                         << ".1e"
                                         << "1.1" << 2;
  QTest::newRow("spacing: any number of points") << "AreaSp"
                                                 << ""
                                                 << "..1/4 x"
                                                 << "..1/4 " << 1;
}

void BeadPageTest::keyFilters() {
  QFETCH(QString, box);
  QFETCH(QString, start);
  QFETCH(QString, keys);
  TBeadCalcPage* p = Page();
  p->Totalin->setText(QStringLiteral("1.5"));  // a point elsewhere must not count
  TEdit* edit = Box(box);
  FocusWidget(edit);
  edit->setText(start);
  edit->end(false);
  t_->services.beeps = 0;
  Type(keys);
  QTEST(edit->text(), "text");
  QTEST(t_->services.beeps, "beeps");
}

void BeadPageTest::tabOrderAndLayout() {
  TBeadCalcPage* p = Page();
  const QList<QWidget*> expected = {p->BsInch, p->NoBeads, p->Totalin,  p->AreaL,
                                    p->AreaW,  p->AreaSp,  p->bClearBtn};
  for (QWidget* next : expected) {
    Key(Qt::Key_Tab);
    QCOMPARE(Focused(), next);
  }
  QVERIFY(!p->BcalcBtn->isVisible());
  for (TEdit* box : {p->BeadsIn, p->LenInch, p->TotalBeads, p->AreaRect, p->AreaHex}) {
    QVERIFY(box->isReadOnly());
    QVERIFY(!(box->focusPolicy() & Qt::TabFocus));
  }
  for (TEdit* box : p->findChildren<TEdit*>()) {
    QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(box->objectName()));
    QCOMPARE(box->size(), QSize(80, 26));
    QCOMPARE(box->font().pixelSize(), 16);
  }
  const QList<QWidget*> children = p->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (QWidget* w : children) {
    if (!w->isVisible()) continue;
    QVERIFY2(QRect(0, 0, 526, 331).contains(w->geometry()), qPrintable(w->metaObject()->className()));
  }
  const QList<TEdit*> boxes = p->findChildren<TEdit*>();
  for (TEdit* a : boxes)
    for (TEdit* b : boxes)
      if (a != b) QVERIFY2(!a->geometry().intersects(b->geometry()), qPrintable(a->objectName()));
}

QTEST_MAIN(BeadPageTest)
#include "tst_bead_page.moc"
