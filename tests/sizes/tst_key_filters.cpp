#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include "core/key_filter.h"
#include "core/text_rules.h"
#include "platform/error_boundary.h"
#include "recording_services.h"
#include "widget_fixture.h"
#include "widgets/entry_box.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::KeyFilterKind)

class KeyFiltersTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();
  void typed_data();
  void typed();
  void pointJudgedOnOwnBox();
  void pointOverSelectionStillBeeps();
  void navigationKeysAlwaysWork();
  void keypadDecimalKeyTypesThePoint();
  void enterRunsOrMoves_data();
  void enterRunsOrMoves();
  void pasteIsNotFiltered();
  void editingShortcutsWorkInEveryBox_data();
  void editingShortcutsWorkInEveryBox();
  void errorBoxes_data();
  void errorBoxes();
  void longPastedTextIsShortenedInTheBox();
  void decimalComma_data();
  void decimalComma();
  void menuPasteReadsTheComma();

 private:
  RecordingServices services_;
  std::unique_ptr<ModalDialogGuard> guard_;
  std::unique_ptr<QWidget> window_;
  EntryBox* box_ = nullptr;
  EntryBox* next_ = nullptr;
  int runs_ = 0;
  void build(KeyFilterKind kind);
};

void KeyFiltersTest::init() {
  services_ = RecordingServices();
  setErrorServices(&services_);
  guard_ = std::make_unique<ModalDialogGuard>();
  runs_ = 0;
}

void KeyFiltersTest::cleanup() {
  QVERIFY2(!guard_->tripped(), qPrintable(guard_->seen()));
  window_.reset();
  setErrorServices(nullptr);
}

void KeyFiltersTest::build(KeyFilterKind kind) {
  window_ = std::make_unique<QWidget>();
  box_ = new EntryBox(window_.get());
  next_ = new EntryBox(window_.get());
  next_->move(0, 40);
  box_->setKeyFilter(kind, services_);
  connect(box_, &EntryBox::calculationWanted, this, [this] { ++runs_; });
  window_->show();
  giveFocusTo(box_);
}

void KeyFiltersTest::typed_data() {
  QTest::addColumn<KeyFilterKind>("kind");
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("beeps");
  QTest::newRow("mm digits and one point") << KeyFilterKind::MmBox << "2.3"
                                           << "2.3" << 0;
  QTest::newRow("mm second point beeps") << KeyFilterKind::MmBox << "2.3."
                                         << "2.3" << 1;
  QTest::newRow("mm letter beeps") << KeyFilterKind::MmBox << "2a"
                                   << "2" << 1;
  QTest::newRow("mm slash beeps") << KeyFilterKind::MmBox << "1/8"
                                  << "18" << 1;
  QTest::newRow("inch fraction") << KeyFilterKind::InchBox << "1 1/8"
                                 << "1 1/8" << 0;
  QTest::newRow("inch minus beeps") << KeyFilterKind::InchBox << "-1"
                                    << "1" << 1;
  QTest::newRow("designation silent") << KeyFilterKind::Designation << "a1."
                                      << "" << 0;
  QTest::newRow("weight point") << KeyFilterKind::Weight << "1.5"
                                << "1.5" << 0;
  QTest::newRow("weight space beeps") << KeyFilterKind::Weight << "1 5"
                                      << "15" << 1;
  QTest::newRow("bead count no point") << KeyFilterKind::BeadCountBox << "4.2"
                                       << "42" << 1;
  QTest::newRow("spacing any points") << KeyFilterKind::SpacingBox << "1.2.3"
                                      << "1.2.3" << 0;
  QTest::newRow("worksheet count space") << KeyFilterKind::WorksheetBeadCount << "1 2"
                                         << "1 2" << 0;
  QTest::newRow("worksheet inch points") << KeyFilterKind::WorksheetInch << "1/4.."
                                         << "1/4.." << 0;
  QTest::newRow("totalin one point") << KeyFilterKind::StrandInchBox << "17 1/2.."
                                     << "17 1/2." << 1;
}

void KeyFiltersTest::typed() {
  QFETCH(KeyFilterKind, kind);
  QFETCH(QString, keys);
  QFETCH(QString, text);
  QFETCH(int, beeps);
  build(kind);
  QTest::keyClicks(box_, keys);
  QCOMPARE(box_->text(), text);
  QCOMPARE(services_.beeps, beeps);
}

void KeyFiltersTest::pointJudgedOnOwnBox() {
  build(KeyFilterKind::StrandInchBox);
  next_->setKeyFilter(KeyFilterKind::StrandInchBox, services_);
  box_->setText(QStringLiteral("2.5"));
  giveFocusTo(next_);
  QTest::keyClicks(next_, QStringLiteral("."));
  QCOMPARE(next_->text(), QStringLiteral("."));
  QCOMPARE(services_.beeps, 0);
}

void KeyFiltersTest::pointOverSelectionStillBeeps() {
  build(KeyFilterKind::MmBox);
  box_->setText(QStringLiteral("2.5"));
  box_->selectAll();
  QTest::keyClick(box_, Qt::Key_Period);
  QCOMPARE(box_->text(), QStringLiteral("2.5"));
  QCOMPARE(services_.beeps, 1);
}

void KeyFiltersTest::navigationKeysAlwaysWork() {
  build(KeyFilterKind::Designation);
  box_->setText(QStringLiteral("PP  10"));
  box_->setCursorPosition(6);
  QTest::keyClick(box_, Qt::Key_Home);
  QCOMPARE(box_->cursorPosition(), 0);
  QTest::keyClick(box_, Qt::Key_Delete);
  QCOMPARE(box_->text(), QStringLiteral("P  10"));
  QCOMPARE(services_.beeps, 0);
}

// Layouts with a decimal comma put a comma on the key pad's decimal key.
void KeyFiltersTest::keypadDecimalKeyTypesThePoint() {
  build(KeyFilterKind::MmBox);
  QTest::keyClick(box_, Qt::Key_2, Qt::KeypadModifier);
  QTest::keyClick(box_, Qt::Key_Comma, Qt::KeypadModifier);
  QTest::keyClick(box_, Qt::Key_5, Qt::KeypadModifier);
  QTest::keyClick(box_, Qt::Key_Comma, Qt::KeypadModifier);  // a second point beeps
  QCOMPARE(box_->text(), QStringLiteral("2.5"));
  QCOMPARE(services_.beeps, 1);
  QTest::keyClick(box_, Qt::Key_Comma);  // the main keyboard's comma is a point too: a second one
  QCOMPARE(box_->text(), QStringLiteral("2.5"));
  QCOMPARE(services_.beeps, 2);
}

void KeyFiltersTest::enterRunsOrMoves_data() {
  QTest::addColumn<KeyFilterKind>("kind");
  QTest::addColumn<bool>("runs");
  QTest::newRow("mm runs") << KeyFilterKind::MmBox << true;
  QTest::newRow("inch runs") << KeyFilterKind::InchBox << true;
  QTest::newRow("weight runs") << KeyFilterKind::Weight << true;
  QTest::newRow("spacing runs") << KeyFilterKind::SpacingBox << true;
  QTest::newRow("designation moves") << KeyFilterKind::Designation << false;
  QTest::newRow("bead size moves") << KeyFilterKind::BeadMmBox << false;
  QTest::newRow("bead count moves") << KeyFilterKind::BeadCountBox << false;
  QTest::newRow("length moves") << KeyFilterKind::StrandInchBox << false;
  QTest::newRow("worksheet moves") << KeyFilterKind::WorksheetMm << false;
}

void KeyFiltersTest::enterRunsOrMoves() {
  QFETCH(KeyFilterKind, kind);
  QFETCH(bool, runs);
  build(kind);
  QTest::keyClick(box_, Qt::Key_Return);
  QCOMPARE(runs_, runs ? 1 : 0);
  QCOMPARE(QApplication::focusWidget(), runs ? box_ : next_);
  QCOMPARE(box_->text(), QString());
  QCOMPARE(services_.beeps, 0);
}

void KeyFiltersTest::pasteIsNotFiltered() {
  build(KeyFilterKind::MmBox);
  QApplication::clipboard()->setText(QStringLiteral("1.2.3"));
  QTest::keyClick(box_, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(box_->text(), QStringLiteral("1.2.3"));
  QCOMPARE(services_.beeps, 0);
}

// The filters judge typed characters only: select all, copy, cut, paste,
// undo and redo work in every box, silently.
void KeyFiltersTest::editingShortcutsWorkInEveryBox_data() {
  QTest::addColumn<KeyFilterKind>("kind");
  const std::pair<const char*, KeyFilterKind> kinds[] = {
      {"mm", KeyFilterKind::MmBox},
      {"inch", KeyFilterKind::InchBox},
      {"weight", KeyFilterKind::Weight},
      {"bead size", KeyFilterKind::BeadMmBox},
      {"bead count", KeyFilterKind::BeadCountBox},
      {"spacing", KeyFilterKind::SpacingBox},
      {"worksheet count", KeyFilterKind::WorksheetBeadCount}};
  for (const auto& [name, kind] : kinds) QTest::newRow(name) << kind;
}

void KeyFiltersTest::editingShortcutsWorkInEveryBox() {
  QFETCH(KeyFilterKind, kind);
  build(kind);
  box_->setText(QStringLiteral("12"));
  box_->setCursorPosition(2);
  QTest::keyClick(box_, Qt::Key_A, Qt::ControlModifier);
  QCOMPARE(box_->selectedText(), QStringLiteral("12"));
  QTest::keyClick(box_, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12"));
  QTest::keyClick(box_, Qt::Key_X, Qt::ControlModifier);
  QCOMPARE(box_->text(), QString());
  QTest::keyClick(box_, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(box_, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(box_->text(), QStringLiteral("1212"));
  QTest::keyClick(box_, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(box_->text(), QStringLiteral("12"));
  QTest::keyClick(box_, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(box_->text(), QStringLiteral("1212"));
  QCOMPARE(services_.beeps, 0);
  QCOMPARE(runs_, 0);
}

void KeyFiltersTest::errorBoxes_data() {
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("text");
  QTest::newRow("two points") << "1.2.3"
                              << "Orvane"
                              << "'1.2.3' is not a valid floating point value.";
  QTest::newRow("no denominator") << "1/"
                                  << "Orvane"
                                  << "'' is not a valid integer value.";
  QTest::newRow("zero denominator") << "1/0"
                                    << "Orvane"
                                    << "Floating point division by zero.";
  QTest::newRow("bad character") << "1/a"
                                 << "Error"
                                 << "Cannot convert Fraction to Decimal.";
}

// A failing handler stops where it failed; what it wrote before stays.
void KeyFiltersTest::errorBoxes() {
  QFETCH(QString, input);
  QFETCH(QString, caption);
  QFETCH(QString, text);
  build(KeyFilterKind::InchBox);
  runGuarded(box_, [&] {
    box_->setText(QStringLiteral("written"));
    next_->setText(formatFixed(inchTextToNumber(input), 9, 5));
  });
  QCOMPARE(box_->text(), QStringLiteral("written"));
  QCOMPARE(next_->text(), QString());
  QCOMPARE(services_.messages.size(), 1);
  QCOMPARE(services_.messages[0].caption, caption);
  QCOMPARE(services_.messages[0].text, text);
  QVERIFY(services_.messages[0].icon == MessageIcon::Error);
}

void KeyFiltersTest::longPastedTextIsShortenedInTheBox() {
  build(KeyFilterKind::MmBox);
  const QString pasted = QString(5000, u'1') + QStringLiteral("..");
  runGuarded(box_, [&] { textToNumber(pasted); });
  QCOMPARE(services_.messages.size(), 1);
  const QString text = services_.messages[0].text;
  QVERIFY(text.size() < 300);
  QVERIFY(text.startsWith(QStringLiteral("'111")));
  QVERIFY(text.endsWith(QStringLiteral("..' is not a valid floating point value.")));
}

// Every kind of number box, the Bench's too (they use the converter's kinds):
// a comma typed or pasted is the decimal point and shows as "."; a pasted
// text with thousands separators is refused and changes nothing.
void KeyFiltersTest::decimalComma_data() {
  QTest::addColumn<KeyFilterKind>("kind");
  QTest::addColumn<QString>("typed");  // what "2,5" typed key by key leaves
  QTest::addColumn<int>("beeps");
  QTest::newRow("mm") << KeyFilterKind::MmBox << "2.5" << 0;
  QTest::newRow("inch") << KeyFilterKind::InchBox << "2.5" << 0;
  QTest::newRow("weight") << KeyFilterKind::Weight << "2.5" << 0;
  QTest::newRow("bead mm") << KeyFilterKind::BeadMmBox << "2.5" << 0;
  QTest::newRow("bead inch") << KeyFilterKind::BeadInchBox << "2.5" << 0;
  QTest::newRow("strand length") << KeyFilterKind::StrandInchBox << "2.5" << 0;
  QTest::newRow("spacing") << KeyFilterKind::SpacingBox << "2.5" << 0;
  QTest::newRow("worksheet mm") << KeyFilterKind::WorksheetMm << "2.5" << 0;
  QTest::newRow("worksheet inch") << KeyFilterKind::WorksheetInch << "2.5" << 0;
  // A count takes no decimal point, typed as "." or as ",".
  QTest::newRow("bead count") << KeyFilterKind::BeadCountBox << "25" << 1;
  QTest::newRow("worksheet count") << KeyFilterKind::WorksheetBeadCount << "25" << 1;
}

void KeyFiltersTest::decimalComma() {
  QFETCH(KeyFilterKind, kind);
  QFETCH(QString, typed);
  QFETCH(int, beeps);
  build(kind);
  QTest::keyClicks(box_, QStringLiteral("2,5"));
  QCOMPARE(box_->text(), typed);
  QCOMPARE(services_.beeps, beeps);

  box_->clear();
  QApplication::clipboard()->setText(QStringLiteral("2,5"));
  QTest::keyClick(box_, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(box_->text(), QStringLiteral("2.5"));
  QTest::keyClick(box_, Qt::Key_Z, Qt::ControlModifier);  // one step to undo, as any paste
  QCOMPARE(box_->text(), QString());

  next_->setText(QStringLiteral("8"));
  box_->setText(QStringLiteral("7"));
  box_->end(false);
  for (const QString& pasted :
       {QStringLiteral("1.234,5"), QStringLiteral("1,234.5"), QStringLiteral("1,234,567")}) {
    services_.messages.clear();
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(box_, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(box_->text(), QStringLiteral("7"));
    QCOMPARE(next_->text(), QStringLiteral("8"));
    QCOMPARE(services_.messages.size(), 1);
    QCOMPARE(services_.messages[0].caption, QStringLiteral("Orvane"));
    QCOMPARE(services_.messages[0].icon, MessageIcon::Error);
    QCOMPARE(services_.messages[0].text,
             QStringLiteral("'%1' has %2: a number here takes one decimal point and no thousands separators.")
                 .arg(pasted, pasted.contains(u'.') ? QStringLiteral("both \".\" and \",\"")
                                                    : QStringLiteral("more than one \",\"")));
  }
  QCOMPARE(services_.beeps, beeps);
}

// The box's context menu pastes by the same rule; a text box takes the comma as it is.
void KeyFiltersTest::menuPasteReadsTheComma() {
  for (const KeyFilterKind kind : {KeyFilterKind::WorksheetMm, KeyFilterKind::Text}) {
    build(kind);
    QApplication::clipboard()->setText(QStringLiteral("2,5"));
    QContextMenuEvent event(QContextMenuEvent::Keyboard, box_->rect().center(),
                            box_->mapToGlobal(box_->rect().center()));
    QApplication::sendEvent(box_, &event);
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
    QAction* paste = nullptr;
    for (QAction* action : menu->actions())
      if (action->text().startsWith(QLineEdit::tr("&Paste"))) paste = action;
    QVERIFY(paste);
    paste->trigger();
    menu->close();
    QCOMPARE(box_->text(), kind == KeyFilterKind::Text ? QStringLiteral("2,5") : QStringLiteral("2.5"));
  }
}

QTEST_MAIN(KeyFiltersTest)
#include "tst_key_filters.moc"
