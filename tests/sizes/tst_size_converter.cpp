#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "app/main_window.h"
#include "find_child.h"
#include "sizes/size_converter.h"
#include "widget_fixture.h"
#include "widgets/entry_box.h"

using namespace orvane;

namespace {

// One notch of the mouse wheel over the list. Down picks the next item.
void turnWheel(QComboBox* box, bool down) {
  const QPointF at(box->width() / 2.0, box->height() / 2.0);
  QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, down ? -120 : 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(box, &wheel);
}

}  // namespace

class ConverterPanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();
  void millimetres_data();
  void millimetres();
  void inches_data();
  void inches();
  void stopsEarly_data();
  void stopsEarly();
  void sizeBoxKeys_data();
  void sizeBoxKeys();
  void designationBoxesTakeNoTyping();
  void picks_data();
  void picks();
  void wheelOverAnUnfocusedList();
  void programTextIsNoPick();
  void rangeInMillimetresBeeps();
  void markerFollowsTheFocus();
  void clearEmptiesEverything();
  void tabOrder();

 private:
  SizeConverter* panel() const { return findNamed<SizeConverter>(app_->app->mainWindow(), "sizeConverter"); }
  QStringList boxTexts() const {
    return {findNamed<DesignationBox>(panel(), "pearlBox")->shownText(),
            findNamed<DesignationBox>(panel(), "stoneBox")->shownText(),
            findNamed<EntryBox>(panel(), "mmBox")->text(), findNamed<EntryBox>(panel(), "inchBox")->text()};
  }
  void convert(EntryBox* box, const QString& typed) {
    giveFocusTo(box);
    box->clear();
    typeText(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
  }
  void pick(DesignationBox* box, const QString& how, int index);

  std::unique_ptr<ModalDialogGuard> guard_;
  std::unique_ptr<TestApp> app_;
};

void ConverterPanelTest::init() {
  guard_ = std::make_unique<ModalDialogGuard>();
  app_ = std::make_unique<TestApp>();
}

void ConverterPanelTest::cleanup() {
  QVERIFY2(!guard_->tripped(), qPrintable(guard_->seen()));
  app_.reset();
  guard_.reset();
}

void ConverterPanelTest::millimetres_data() {
  QTest::addColumn<QString>("mm");
  QTest::addColumn<QString>("inch");
  QTest::addColumn<QString>("pearl");
  QTest::addColumn<QString>("stone");
  QTest::newRow("shared boundary") << "2.3"
                                   << "0.09055"
                                   << "16 - 17"
                                   << "7 - 8";
  QTest::newRow("below both tables") << "0.79"
                                     << "0.03110"
                                     << ""
                                     << "";
  QTest::newRow("point only") << "."
                              << "0.00000"
                              << "keep"
                              << "keep";
}

void ConverterPanelTest::millimetres() {
  QFETCH(QString, mm);
  QFETCH(QString, inch);
  QFETCH(QString, pearl);
  QFETCH(QString, stone);
  // Earlier answers, so that a kept or emptied designation box shows.
  convert(findNamed<EntryBox>(panel(), "mmBox"), QStringLiteral("1.5"));
  QCOMPARE(findNamed<DesignationBox>(panel(), "pearlBox")->shownText(), QStringLiteral("8 - 9"));
  QCOMPARE(findNamed<DesignationBox>(panel(), "stoneBox")->shownText(), QStringLiteral("3 - 4"));
  convert(findNamed<EntryBox>(panel(), "mmBox"), mm);
  if (pearl == QLatin1String("keep")) pearl = QStringLiteral("8 - 9");
  if (stone == QLatin1String("keep")) stone = QStringLiteral("3 - 4");
  QCOMPARE(boxTexts(), (QStringList{pearl, stone, mm, inch}));
  QCOMPARE(app_->services.beeps, 0);
  QVERIFY(app_->services.messages.isEmpty());
}

void ConverterPanelTest::inches_data() {
  QTest::addColumn<QString>("inch");
  QTest::addColumn<QString>("mm");
  QTest::addColumn<QString>("pearl");
  QTest::addColumn<QString>("stone");
  // 3.17500 is read back from the box: key 3176, not the boundary at 3175.
  QTest::newRow("fraction") << "1/8"
                            << "3.17500"
                            << "24"
                            << "12";
  QTest::newRow("blanks around") << " 3/32 "
                                 << "2.38125"
                                 << "17"
                                 << "8";
  // Fractions are read exactly, not to the nearest thousandth (0.40640 and
  // 4.77520 before); the stone size stays on its look-up key.
  QTest::newRow("a sixty-fourth") << "1/64"
                                  << "0.39688"
                                  << ""
                                  << "";
  QTest::newRow("three sixteenths") << "3/16"
                                    << "4.76250"
                                    << ""
                                    << "20";
}

void ConverterPanelTest::inches() {
  QFETCH(QString, inch);
  QFETCH(QString, mm);
  QFETCH(QString, pearl);
  QFETCH(QString, stone);
  convert(findNamed<EntryBox>(panel(), "inchBox"), inch);
  QCOMPARE(boxTexts(), (QStringList{pearl, stone, mm, inch}));
  QCOMPARE(app_->services.beeps, 0);
  QVERIFY(app_->services.messages.isEmpty());
}

void ConverterPanelTest::stopsEarly_data() {
  QTest::addColumn<bool>("inInches");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<int>("beeps");
  QTest::addColumn<QString>("message");  // the "Orvane" error box, or none
  QTest::addColumn<QString>("other");    // the other size box afterwards
  QTest::newRow("two points") << false << "1.2.3" << 0 << "'1.2.3' is not a valid floating point value."
                              << "";
  // Pasted text that is no size says what is wrong with it.
  // A right-to-left mark must not turn the sentence around: the quoted text
  // is set apart in an isolate.
  QTest::newRow("right-to-left mark")
      << false << "\u200F2a" << 0 << "'\u2068\u200F2a\u2069' is not a valid floating point value."
      << "";
  QTest::newRow("emptied millimetres") << false << "" << 0 << ""
                                       << "";
  QTest::newRow("no denominator") << true << "1/" << 0 << "'' is not a valid integer value."
                                  << "";
  QTest::newRow("zero denominator") << true << "1/0" << 0 << "Floating point division by zero."
                                    << "";
}

void ConverterPanelTest::stopsEarly() {
  QFETCH(bool, inInches);
  QFETCH(QString, pasted);
  QFETCH(int, beeps);
  QFETCH(QString, message);
  QFETCH(QString, other);
  convert(findNamed<EntryBox>(panel(), "mmBox"), QStringLiteral("2.3"));
  EntryBox* box = inInches ? findNamed<EntryBox>(panel(), "inchBox") : findNamed<EntryBox>(panel(), "mmBox");
  giveFocusTo(box);
  box->clear();
  // Pasted text is not filtered.
  QGuiApplication::clipboard()->setText(pasted);
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(box->text(), pasted);
  QTest::keyClick(box, Qt::Key_Return);

  QCOMPARE(app_->services.beeps, beeps);
  if (message.isEmpty()) {
    QVERIFY(app_->services.messages.isEmpty());
  } else {
    QCOMPARE(app_->services.messages.size(), 1);
    QCOMPARE(app_->services.messages.first().caption, QStringLiteral("Orvane"));
    QCOMPARE(app_->services.messages.first().icon, MessageIcon::Error);
    QCOMPARE(app_->services.messages.first().text, message);
  }
  QCOMPARE(box->text(), pasted);
  QCOMPARE(
      (inInches ? findNamed<EntryBox>(panel(), "mmBox") : findNamed<EntryBox>(panel(), "inchBox"))->text(),
      other);
  // The designation boxes keep the answers of the last conversion.
  QCOMPARE(findNamed<DesignationBox>(panel(), "pearlBox")->shownText(), QStringLiteral("16 - 17"));
  QCOMPARE(findNamed<DesignationBox>(panel(), "stoneBox")->shownText(), QStringLiteral("7 - 8"));
}

void ConverterPanelTest::sizeBoxKeys_data() {
  QTest::addColumn<bool>("inInches");
  QTest::addColumn<QString>("start");
  QTest::addColumn<bool>("selectAll");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("expected");
  QTest::addColumn<int>("beeps");
  QTest::newRow("mm digit") << false << "2" << false << int(Qt::Key_3) << "23" << 0;
  QTest::newRow("mm second point") << false << "2.3" << false << int(Qt::Key_Period) << "2.3" << 1;
  QTest::newRow("mm point over the selected point")
      << false << "." << true << int(Qt::Key_Period) << "." << 1;
  QTest::newRow("mm slash") << false << "1" << false << int(Qt::Key_Slash) << "1" << 1;
  QTest::newRow("mm blank") << false << "1" << false << int(Qt::Key_Space) << "1" << 1;
  QTest::newRow("mm letter") << false << "1" << false << int(Qt::Key_E) << "1" << 1;
  QTest::newRow("mm backspace") << false << "12" << false << int(Qt::Key_Backspace) << "1" << 0;
  QTest::newRow("inch slash") << true << "1" << false << int(Qt::Key_Slash) << "1/" << 0;
  QTest::newRow("inch blank") << true << "1" << false << int(Qt::Key_Space) << "1 " << 0;
  QTest::newRow("inch second point") << true << "0.5" << false << int(Qt::Key_Period) << "0.5" << 1;
  QTest::newRow("inch minus") << true << "1" << false << int(Qt::Key_Minus) << "1" << 1;
}

void ConverterPanelTest::sizeBoxKeys() {
  QFETCH(bool, inInches);
  QFETCH(QString, start);
  QFETCH(bool, selectAll);
  QFETCH(int, key);
  QFETCH(QString, expected);
  QFETCH(int, beeps);
  EntryBox* box = inInches ? findNamed<EntryBox>(panel(), "inchBox") : findNamed<EntryBox>(panel(), "mmBox");
  giveFocusTo(box);
  box->setText(start);
  if (selectAll) box->selectAll();
  QTest::keyClick(box, Qt::Key(key));
  QCOMPARE(box->text(), expected);
  QCOMPARE(app_->services.beeps, beeps);
}

void ConverterPanelTest::designationBoxesTakeNoTyping() {
  for (DesignationBox* box :
       {findNamed<DesignationBox>(panel(), "pearlBox"), findNamed<DesignationBox>(panel(), "stoneBox")}) {
    giveFocusTo(box);
    box->setShownText(QStringLiteral("5, 6"));
    QGuiApplication::clipboard()->setText(QStringLiteral("PP  12"));
    QTest::keyClicks(box, QStringLiteral("a7. /"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->shownText(), QStringLiteral("5, 6"));
    QCOMPARE(box->count(), box == findNamed<DesignationBox>(panel(), "pearlBox") ? 38 : 104);
  }
  QCOMPARE(app_->services.beeps, 0);
  // What a list shows can still be selected and copied.
  giveFocusTo(findNamed<DesignationBox>(panel(), "stoneBox"));
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(findNamed<DesignationBox>(panel(), "stoneBox"), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(findNamed<DesignationBox>(panel(), "stoneBox"), Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("5, 6"));
  QCOMPARE(findNamed<DesignationBox>(panel(), "stoneBox")->shownText(), QStringLiteral("5, 6"));
  // Enter walks on: pearlBox -> stoneBox -> mmBox.
  giveFocusTo(findNamed<DesignationBox>(panel(), "pearlBox"));
  QTest::keyClick(findNamed<DesignationBox>(panel(), "pearlBox"), Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget(), findNamed<DesignationBox>(panel(), "stoneBox"));
  QTest::keyClick(findNamed<DesignationBox>(panel(), "stoneBox"), Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(panel(), "mmBox"));
  QCOMPARE(findNamed<DesignationBox>(panel(), "stoneBox")->count(), 104);  // Enter added no item
  QCOMPARE(boxTexts(), (QStringList{"5, 6", "5, 6", "", ""}));
}

void ConverterPanelTest::pick(DesignationBox* box, const QString& how, int index) {
  if (how == QLatin1String("keys")) {
    giveFocusTo(box);
    // From no selection the first Down lands on the blank item.
    for (int i = box->currentIndex(); i < index; ++i) QTest::keyClick(box, Qt::Key_Down);
    for (int i = box->currentIndex(); i > index; --i) QTest::keyClick(box, Qt::Key_Up);
  } else if (how == QLatin1String("wheel")) {
    giveFocusTo(box);
    for (int turns = 0; turns < 200 && box->currentIndex() != index; ++turns)
      turnWheel(box, box->currentIndex() < index);
  } else {
    giveFocusTo(box);
    box->showPopup();
    QAbstractItemView* view = box->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    const QPoint pos = view->visualRect(item).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, pos);
    QTRY_VERIFY(!view->isVisible());
  }
  QCOMPARE(box->currentIndex(), index);
}

void ConverterPanelTest::picks_data() {
  QTest::addColumn<bool>("stoneList");
  QTest::addColumn<QString>("how");
  QTest::addColumn<int>("index");
  QTest::addColumn<QStringList>("expected");  // pearlBox, stoneBox, mmBox, inchBox
  QTest::newRow("PP 5 by keys") << false << "keys" << 5
                                << QStringList{"PP    5", "2", "1.20 - 1.30", "0.0472 - 0.0512"};
  QTest::newRow("PP 1 by mouse") << false << "mouse" << 1
                                 << QStringList{"PP    1 ", "000", "0.80 - 0.90", "0.0315 - 0.0354"};
  QTest::newRow("PP 23 by wheel") << false << "wheel" << 23
                                  << QStringList{"PP  23", "11", "2.85 - 3.00", "0.1122 - 0.1181"};
  QTest::newRow("SS 000 by keys") << true << "keys" << 1
                                  << QStringList{"1", "SS  000", "0.800 - 0.900", "0.0315 - 0.0354"};
  QTest::newRow("SS 2 by wheel") << true << "wheel" << 5
                                 << QStringList{"5, 6", "SS    2", "1.200 - 1.350", "0.0472 - 0.0531"};
  QTest::newRow("SS 100 by mouse") << true << "mouse" << 103
                                   << QStringList{"", "SS 100", "24.220 - 24.470", "0.9535 - 0.9634"};
}

void ConverterPanelTest::picks() {
  QFETCH(bool, stoneList);
  QFETCH(QString, how);
  QFETCH(int, index);
  QFETCH(QStringList, expected);
  // Something to overwrite in every box.
  convert(findNamed<EntryBox>(panel(), "mmBox"), QStringLiteral("2.3"));
  pick(stoneList ? findNamed<DesignationBox>(panel(), "stoneBox")
                 : findNamed<DesignationBox>(panel(), "pearlBox"),
       how, index);
  QCOMPARE(boxTexts(), expected);
  QVERIFY(app_->services.messages.isEmpty());

  // The blank item empties the other three boxes.
  DesignationBox* box = stoneList ? findNamed<DesignationBox>(panel(), "stoneBox")
                                  : findNamed<DesignationBox>(panel(), "pearlBox");
  pick(box, how, 0);
  QStringList blank(4, QString());
  blank[stoneList ? 1 : 0] = stoneList ? QString() : QStringLiteral("  ");
  QCOMPARE(boxTexts(), blank);
  QCOMPARE(app_->services.beeps, 0);
}

void ConverterPanelTest::wheelOverAnUnfocusedList() {
  convert(findNamed<EntryBox>(panel(), "mmBox"), QStringLiteral("2.3"));
  // A wheel turn over the list enters it and picks: the pick converts at once.
  DesignationBox* box = findNamed<DesignationBox>(panel(), "stoneBox");
  giveFocusTo(findNamed<EntryBox>(panel(), "mmBox"));
  turnWheel(box, true);
  turnWheel(box, true);
  QCOMPARE(QApplication::focusWidget(), box);
  QCOMPARE(box->currentIndex(), 1);
  QCOMPARE(boxTexts(), (QStringList{"1", "SS  000", "0.800 - 0.900", "0.0315 - 0.0354"}));
}

void ConverterPanelTest::programTextIsNoPick() {
  // Both lists hold a user's pick, and the caret is in pearlBox.
  pick(findNamed<DesignationBox>(panel(), "stoneBox"), QStringLiteral("keys"), 5);
  pick(findNamed<DesignationBox>(panel(), "pearlBox"), QStringLiteral("keys"), 5);
  QSignalSpy pearlPicks(findNamed<DesignationBox>(panel(), "pearlBox"), &QComboBox::activated);
  QSignalSpy stonePicks(findNamed<DesignationBox>(panel(), "stoneBox"), &QComboBox::activated);
  // The lookup writes both lists while pearlBox is the active box: were a
  // written text a pick, pearlBox would convert it and empty the size boxes.
  findNamed<EntryBox>(panel(), "mmBox")->setText(QStringLiteral("2.3"));
  findNamed<EntryBox>(panel(), "inchBox")->setText(QStringLiteral("keep"));
  panel()->onCalculate();
  QCOMPARE(boxTexts(), (QStringList{"16 - 17", "7 - 8", "2.3", "keep"}));
  QCOMPARE(pearlPicks.size(), 0);
  QCOMPARE(stonePicks.size(), 0);
  // A written text selects no item: the arrow keys start again from the top.
  QCOMPARE(findNamed<DesignationBox>(panel(), "pearlBox")->currentIndex(), -1);
  QCOMPARE(findNamed<DesignationBox>(panel(), "stoneBox")->currentIndex(), -1);
}

void ConverterPanelTest::rangeInMillimetresBeeps() {
  pick(findNamed<DesignationBox>(panel(), "pearlBox"), QStringLiteral("mouse"), 5);
  giveFocusTo(findNamed<EntryBox>(panel(), "mmBox"));
  QTest::keyClick(findNamed<EntryBox>(panel(), "mmBox"), Qt::Key_Return);
  QCOMPARE(app_->services.beeps, 1);
  QVERIFY(app_->services.messages.isEmpty());
  QCOMPARE(boxTexts(), (QStringList{"PP    5", "2", "1.20 - 1.30", ""}));
}

void ConverterPanelTest::markerFollowsTheFocus() {
  giveFocusTo(findNamed<EntryBox>(panel(), "mmBox"));
  typeText(findNamed<EntryBox>(panel(), "mmBox"), QStringLiteral("2.3"));
  // Entering the inch box without Enter makes the next Enter an inch conversion.
  QTest::keyClick(findNamed<EntryBox>(panel(), "mmBox"), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(panel(), "inchBox"));
  typeText(findNamed<EntryBox>(panel(), "inchBox"), QStringLiteral("1/8"));
  QTest::keyClick(findNamed<EntryBox>(panel(), "inchBox"), Qt::Key_Return);
  QCOMPARE(boxTexts(), (QStringList{"24", "12", "3.17500", "1/8"}));
  // A pick while the caret is elsewhere does nothing until the list is entered.
  panel()->onMmBoxEntered();
  findNamed<DesignationBox>(panel(), "pearlBox")->setCurrentIndex(3);
  panel()->onPearlPicked();
  QCOMPARE(findNamed<EntryBox>(panel(), "mmBox")->text(), QStringLiteral("3.17500"));
}

void ConverterPanelTest::clearEmptiesEverything() {
  convert(findNamed<EntryBox>(panel(), "mmBox"), QStringLiteral("2.3"));
  QTest::mouseClick(findNamed<QPushButton>(panel(), "clearButton"), Qt::LeftButton);
  QCOMPARE(boxTexts(), QStringList(4, QString()));
  QCOMPARE(findNamed<DesignationBox>(panel(), "pearlBox")->currentIndex(), -1);
  QCOMPARE(panel()->activeBox, ConverterBox::Mm);
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(panel(), "mmBox"));  // the caret stays in the box
  QTest::keyClick(findNamed<EntryBox>(panel(), "mmBox"), Qt::Key_Return);
  QCOMPARE(boxTexts(), QStringList(4, QString()));
  QCOMPARE(app_->services.beeps, 0);
  QVERIFY(app_->services.messages.isEmpty());
}

void ConverterPanelTest::tabOrder() {
  giveFocusTo(findNamed<DesignationBox>(panel(), "pearlBox"));
  QCOMPARE(panel()->activeBox, ConverterBox::Pearl);
  const QList<QWidget*> order{findNamed<DesignationBox>(panel(), "stoneBox"),
                              findNamed<EntryBox>(panel(), "mmBox"), findNamed<EntryBox>(panel(), "inchBox")};
  const QList<ConverterBox> markers{ConverterBox::Stone, ConverterBox::Mm, ConverterBox::Inch};
  for (int i = 0; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), order[i]);
    QCOMPARE(panel()->activeBox, markers[i]);
  }
  // Clear is the last tab stop; the hidden Calc button is none.
  QTest::keyClick(findNamed<EntryBox>(panel(), "inchBox"), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), findNamed<QPushButton>(panel(), "clearButton"));
  QTest::keyClick(findNamed<QPushButton>(panel(), "clearButton"), Qt::Key_Tab);
  QVERIFY(!panel()->isAncestorOf(QApplication::focusWidget()));
}

QTEST_MAIN(ConverterPanelTest)
#include "tst_size_converter.moc"
