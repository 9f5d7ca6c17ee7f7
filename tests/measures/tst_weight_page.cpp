#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>

#include "app/main_window.h"
#include "find_child.h"
#include "measures/weight_page.h"
#include "widget_fixture.h"
#include "widgets/color_tab_widget.h"
#include "widgets/entry_box.h"

using namespace orvane;

class WeightPageTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();
  void convertsFromTheEnteredBox_data();
  void convertsFromTheEnteredBox();
  void nothingToConvertMovesOn_data();
  void nothingToConvertMovesOn();
  void nothingHappensBeforeAnyBoxIsEntered();
  void sourceFollowsTheFocus();
  void keyFilter_data();
  void keyFilter();
  void pastedTextThatIsNoNumber();
  void pastedNegativeWeightIsRefused_data();
  void pastedNegativeWeightIsRefused();
  void clearEmptiesAndReturnsToCarats();

 private:
  WeightPage* page() const { return findNamed<WeightPage>(app_->app->mainWindow(), "weightPage"); }
  QList<EntryBox*> entryBoxes() const {
    return {findNamed<EntryBox>(page(), "caratBox"), findNamed<EntryBox>(page(), "gramBox"),
            findNamed<EntryBox>(page(), "kilogramBox"), findNamed<EntryBox>(page(), "ounceBox"),
            findNamed<EntryBox>(page(), "poundBox")};
  }
  QStringList boxTexts() const {
    QStringList texts;
    for (EntryBox* box : entryBoxes()) texts << box->text();
    return texts;
  }
  void showPage() {
    findNamed<ColorTabWidget>(app_->app->mainWindow(), "pages")->setActivePage(page());
    giveFocusTo(findNamed<EntryBox>(page(), "caratBox"));
  }

  std::unique_ptr<ModalDialogGuard> guard_;
  std::unique_ptr<TestApp> app_;
};

void WeightPageTest::init() {
  guard_ = std::make_unique<ModalDialogGuard>();
  app_ = std::make_unique<TestApp>();
}

void WeightPageTest::cleanup() {
  QVERIFY2(!guard_->tripped(), qPrintable(guard_->seen()));
  app_.reset();
  guard_.reset();
}

void WeightPageTest::convertsFromTheEnteredBox_data() {
  QTest::addColumn<int>("box");  // 0 carats ... 4 pounds
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QStringList>("expected");  // carats, grams, kilograms, ounces, pounds
  QTest::newRow("carats 1") << 0 << "1" << QStringList{"1", "0.2", "0.0002", "0.0071", "0.0004"};
  QTest::newRow("pounds 2") << 4 << "2" << QStringList{"4535.9237", "907.1847", "0.9072", "32", "2"};
  // The source box keeps the text as typed.
  QTest::newRow("trailing point") << 1 << "5." << QStringList{"25", "5.", "0.0050", "0.1764", "0.0110"};
  QTest::newRow("leading point") << 0 << ".5" << QStringList{".5", "0.1", "0.0001", "0.0035", "0.0002"};
}

void WeightPageTest::convertsFromTheEnteredBox() {
  QFETCH(int, box);
  QFETCH(QString, typed);
  QFETCH(QStringList, expected);
  showPage();
  EntryBox* source = entryBoxes()[box];
  giveFocusTo(source);
  typeText(source, typed);
  QTest::keyClick(source, Qt::Key_Return);
  QCOMPARE(boxTexts(), expected);
  QCOMPARE(QApplication::focusWidget(), source);  // a conversion leaves the caret where it is
  QCOMPARE(app_->services.beeps, 0);
  QVERIFY(app_->services.messages.isEmpty());
}

void WeightPageTest::nothingToConvertMovesOn_data() {
  QTest::addColumn<int>("box");
  QTest::addColumn<QString>("typed");
  QTest::newRow("empty carats") << 0 << "";
  QTest::newRow("lone point in grams") << 1 << ".";
  QTest::newRow("empty pounds goes to Troy Ounces") << 4 << "";
}

void WeightPageTest::nothingToConvertMovesOn() {
  QFETCH(int, box);
  QFETCH(QString, typed);
  showPage();
  // Leftovers of an earlier conversion must survive.
  for (int i = 0; i < entryBoxes().size(); ++i)
    if (i != box) entryBoxes()[i]->setText(QStringLiteral("7"));
  EntryBox* source = entryBoxes()[box];
  giveFocusTo(source);
  typeText(source, typed);
  const QStringList before = boxTexts();
  QTest::keyClick(source, Qt::Key_Return);
  QCOMPARE(boxTexts(), before);
  QWidget* next = box + 1 < entryBoxes().size() ? static_cast<QWidget*>(entryBoxes()[box + 1])
                                                : findNamed<EntryBox>(page(), "troyOunceBox");
  QCOMPARE(QApplication::focusWidget(), next);
  QVERIFY(app_->services.messages.isEmpty());
}

void WeightPageTest::nothingHappensBeforeAnyBoxIsEntered() {
  findNamed<EntryBox>(page(), "gramBox")->setText(QStringLiteral("100"));
  page()->onConvert();
  QCOMPARE(boxTexts(), (QStringList{"", "100", "", "", ""}));
}

void WeightPageTest::sourceFollowsTheFocus() {
  showPage();
  typeText(findNamed<EntryBox>(page(), "caratBox"), QStringLiteral("10"));
  // Tab into grams without Enter: grams are now the source.
  QTest::keyClick(findNamed<EntryBox>(page(), "caratBox"), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(page(), "gramBox"));
  typeText(findNamed<EntryBox>(page(), "gramBox"), QStringLiteral("100"));
  QTest::keyClick(findNamed<EntryBox>(page(), "gramBox"), Qt::Key_Return);
  QCOMPARE(boxTexts(), (QStringList{"500", "100", "0.1000", "3.5274", "0.2205"}));
}

void WeightPageTest::keyFilter_data() {
  QTest::addColumn<QString>("start");
  QTest::addColumn<bool>("selectAll");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("expected");
  QTest::addColumn<int>("beeps");
  QTest::newRow("digit") << "1" << false << int(Qt::Key_5) << 0 << "15" << 0;
  QTest::newRow("first point") << "1" << false << int(Qt::Key_Period) << 0 << "1." << 0;
  QTest::newRow("second point") << "1.5" << false << int(Qt::Key_Period) << 0 << "1.5" << 1;
  QTest::newRow("point over the selected point") << "." << true << int(Qt::Key_Period) << 0 << "." << 1;
  QTest::newRow("backspace") << "12" << false << int(Qt::Key_Backspace) << 0 << "1" << 0;
  QTest::newRow("letter") << "1" << false << int(Qt::Key_A) << 0 << "1" << 1;
  QTest::newRow("blank") << "1" << false << int(Qt::Key_Space) << 0 << "1" << 1;
  QTest::newRow("slash") << "1" << false << int(Qt::Key_Slash) << 0 << "1" << 1;
  // Editing keys type no character: the paste works, as in every box.
  QTest::newRow("paste key") << "1" << false << int(Qt::Key_V) << int(Qt::ControlModifier) << "199" << 0;
}

void WeightPageTest::keyFilter() {
  QFETCH(QString, start);
  QFETCH(bool, selectAll);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, expected);
  QFETCH(int, beeps);
  showPage();
  QGuiApplication::clipboard()->setText(QStringLiteral("99"));
  EntryBox* box = findNamed<EntryBox>(page(), "ounceBox");
  giveFocusTo(box);
  box->setText(start);
  if (selectAll) box->selectAll();
  QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QCOMPARE(box->text(), expected);
  QCOMPARE(app_->services.beeps, beeps);
  QCOMPARE(findNamed<EntryBox>(page(), "poundBox")->text(), QString());  // no conversion ran
}

void WeightPageTest::pastedTextThatIsNoNumber() {
  showPage();
  EntryBox* grams = findNamed<EntryBox>(page(), "gramBox");
  giveFocusTo(grams);
  typeText(grams, QStringLiteral("100"));
  QTest::keyClick(grams, Qt::Key_Return);
  const QStringList before = boxTexts();
  // Pasting is possible through the edit menu only; setText stands in for it.
  grams->setText(QStringLiteral("1.2.3"));
  QTest::keyClick(grams, Qt::Key_Return);
  QCOMPARE(app_->services.messages.size(), 1);
  const RecordedMessage& m = app_->services.messages.first();
  QCOMPARE(m.caption, QStringLiteral("Orvane"));
  QCOMPARE(m.text, QStringLiteral("'1.2.3' is not a valid floating point value."));
  QCOMPARE(m.icon, MessageIcon::Error);
  QStringList after = before;
  after[1] = QStringLiteral("1.2.3");
  QCOMPARE(boxTexts(), after);
}

void WeightPageTest::pastedNegativeWeightIsRefused_data() {
  QTest::addColumn<int>("unit");
  QTest::addColumn<QString>("pasted");
  for (int unit = 0; unit < kWeightBoxCount; ++unit)
    QTest::newRow(qPrintable(weightMarker(WeightUnit(unit)))) << unit << "-5";
  QTest::newRow("Gram, blanks around") << int(WeightUnit::Gram) << " -0.5 ";
  QTest::newRow("Grain, exponent") << int(WeightUnit::Grain) << "-1e2";
}

// Every box, troy ones too: the message, the pasted text kept where it was
// pasted, and no other box changed.
void WeightPageTest::pastedNegativeWeightIsRefused() {
  QFETCH(int, unit);
  QFETCH(QString, pasted);
  showPage();
  const QList<EntryBox*> all{
      findNamed<EntryBox>(page(), "caratBox"),       findNamed<EntryBox>(page(), "gramBox"),
      findNamed<EntryBox>(page(), "kilogramBox"),    findNamed<EntryBox>(page(), "ounceBox"),
      findNamed<EntryBox>(page(), "poundBox"),       findNamed<EntryBox>(page(), "troyOunceBox"),
      findNamed<EntryBox>(page(), "pennyweightBox"), findNamed<EntryBox>(page(), "grainBox")};
  auto texts = [&all] {
    QStringList t;
    for (EntryBox* box : all) t << box->text();
    return t;
  };
  EntryBox* grams = findNamed<EntryBox>(page(), "gramBox");
  giveFocusTo(grams);
  typeText(grams, QStringLiteral("100"));
  QTest::keyClick(grams, Qt::Key_Return);
  QStringList expected = texts();
  QCOMPARE(expected[int(WeightUnit::Carat)], QStringLiteral("500"));

  EntryBox* target = all[unit];
  giveFocusTo(target);
  target->selectAll();
  target->insert(pasted);  // a paste: not filtered as typed keys are
  QTest::keyClick(target, Qt::Key_Return);
  QCOMPARE(app_->services.messages.size(), 1);
  const RecordedMessage& m = app_->services.messages.first();
  QCOMPARE(m.caption, QStringLiteral("Orvane"));
  QCOMPARE(m.text, QStringLiteral("'%1' is below zero: a weight cannot be negative.").arg(pasted.trimmed()));
  QCOMPARE(m.icon, MessageIcon::Error);
  expected[unit] = pasted;
  QCOMPARE(texts(), expected);
}

void WeightPageTest::clearEmptiesAndReturnsToCarats() {
  showPage();
  EntryBox* pounds = findNamed<EntryBox>(page(), "poundBox");
  giveFocusTo(pounds);
  typeText(pounds, QStringLiteral("2"));
  QTest::keyClick(pounds, Qt::Key_Return);
  QTest::mouseClick(findNamed<QPushButton>(page(), "clearButton"), Qt::LeftButton);
  QCOMPARE(boxTexts(), QStringList(5, QString()));
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(page(), "caratBox"));
  QCOMPARE(page()->activeBox, QStringLiteral("Carat"));
  // Enter in the empty Carats only walks on to Grams.
  QTest::keyClick(findNamed<EntryBox>(page(), "caratBox"), Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(page(), "gramBox"));
  QCOMPARE(boxTexts(), QStringList(5, QString()));
  QCOMPARE(app_->services.beeps, 0);
}

QTEST_MAIN(WeightPageTest)
#include "tst_weight_page.moc"
