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
  WeightPage* Page() const { return findNamed<WeightPage>(app_->app->mainWindow(), "weightPage"); }
  QList<EntryBox*> Boxes() const {
    return {findNamed<EntryBox>(Page(), "caratBox"), findNamed<EntryBox>(Page(), "gramBox"),
            findNamed<EntryBox>(Page(), "kilogramBox"), findNamed<EntryBox>(Page(), "ounceBox"),
            findNamed<EntryBox>(Page(), "poundBox")};
  }
  QStringList Texts() const {
    QStringList texts;
    for (EntryBox* box : Boxes()) texts << box->text();
    return texts;
  }
  void ShowPage() {
    findNamed<ColorTabWidget>(app_->app->mainWindow(), "pages")->SetActivePage(Page());
    FocusWidget(findNamed<EntryBox>(Page(), "caratBox"));
  }

  std::unique_ptr<ModalDialogGuard> guard_;
  std::unique_ptr<TestApp> app_;
};

void WeightPageTest::init() {
  guard_ = std::make_unique<ModalDialogGuard>();
  app_ = std::make_unique<TestApp>();
}

void WeightPageTest::cleanup() {
  QVERIFY2(!guard_->Tripped(), qPrintable(guard_->Seen()));
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
  ShowPage();
  EntryBox* source = Boxes()[box];
  FocusWidget(source);
  TypeText(source, typed);
  QTest::keyClick(source, Qt::Key_Return);
  QCOMPARE(Texts(), expected);
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
  ShowPage();
  // Leftovers of an earlier conversion must survive.
  for (int i = 0; i < Boxes().size(); ++i)
    if (i != box) Boxes()[i]->setText(QStringLiteral("7"));
  EntryBox* source = Boxes()[box];
  FocusWidget(source);
  TypeText(source, typed);
  const QStringList before = Texts();
  QTest::keyClick(source, Qt::Key_Return);
  QCOMPARE(Texts(), before);
  QWidget* next = box + 1 < Boxes().size() ? static_cast<QWidget*>(Boxes()[box + 1])
                                           : findNamed<EntryBox>(Page(), "troyOunceBox");
  QCOMPARE(QApplication::focusWidget(), next);
  QVERIFY(app_->services.messages.isEmpty());
}

void WeightPageTest::nothingHappensBeforeAnyBoxIsEntered() {
  findNamed<EntryBox>(Page(), "gramBox")->setText(QStringLiteral("100"));
  Page()->onConvert();
  QCOMPARE(Texts(), (QStringList{"", "100", "", "", ""}));
}

void WeightPageTest::sourceFollowsTheFocus() {
  ShowPage();
  TypeText(findNamed<EntryBox>(Page(), "caratBox"), QStringLiteral("10"));
  // Tab into grams without Enter: grams are now the source.
  QTest::keyClick(findNamed<EntryBox>(Page(), "caratBox"), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(Page(), "gramBox"));
  TypeText(findNamed<EntryBox>(Page(), "gramBox"), QStringLiteral("100"));
  QTest::keyClick(findNamed<EntryBox>(Page(), "gramBox"), Qt::Key_Return);
  QCOMPARE(Texts(), (QStringList{"500", "100", "0.1000", "3.5274", "0.2205"}));
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
  ShowPage();
  QGuiApplication::clipboard()->setText(QStringLiteral("99"));
  EntryBox* box = findNamed<EntryBox>(Page(), "ounceBox");
  FocusWidget(box);
  box->setText(start);
  if (selectAll) box->selectAll();
  QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QCOMPARE(box->text(), expected);
  QCOMPARE(app_->services.beeps, beeps);
  QCOMPARE(findNamed<EntryBox>(Page(), "poundBox")->text(), QString());  // no conversion ran
}

void WeightPageTest::pastedTextThatIsNoNumber() {
  ShowPage();
  EntryBox* grams = findNamed<EntryBox>(Page(), "gramBox");
  FocusWidget(grams);
  TypeText(grams, QStringLiteral("100"));
  QTest::keyClick(grams, Qt::Key_Return);
  const QStringList before = Texts();
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
  QCOMPARE(Texts(), after);
}

void WeightPageTest::pastedNegativeWeightIsRefused_data() {
  QTest::addColumn<int>("unit");
  QTest::addColumn<QString>("pasted");
  for (int unit = 0; unit < kWeightBoxCount; ++unit)
    QTest::newRow(qPrintable(WeightMarker(WeightUnit(unit)))) << unit << "-5";
  QTest::newRow("Gram, blanks around") << int(WeightUnit::Gram) << " -0.5 ";
  QTest::newRow("Grain, exponent") << int(WeightUnit::Grain) << "-1e2";
}

// Every box, troy ones too: the message, the pasted text kept where it was
// pasted, and no other box changed.
void WeightPageTest::pastedNegativeWeightIsRefused() {
  QFETCH(int, unit);
  QFETCH(QString, pasted);
  ShowPage();
  const QList<EntryBox*> all{
      findNamed<EntryBox>(Page(), "caratBox"),       findNamed<EntryBox>(Page(), "gramBox"),
      findNamed<EntryBox>(Page(), "kilogramBox"),    findNamed<EntryBox>(Page(), "ounceBox"),
      findNamed<EntryBox>(Page(), "poundBox"),       findNamed<EntryBox>(Page(), "troyOunceBox"),
      findNamed<EntryBox>(Page(), "pennyweightBox"), findNamed<EntryBox>(Page(), "grainBox")};
  auto texts = [&all] {
    QStringList t;
    for (EntryBox* box : all) t << box->text();
    return t;
  };
  EntryBox* grams = findNamed<EntryBox>(Page(), "gramBox");
  FocusWidget(grams);
  TypeText(grams, QStringLiteral("100"));
  QTest::keyClick(grams, Qt::Key_Return);
  QStringList expected = texts();
  QCOMPARE(expected[int(WeightUnit::Carat)], QStringLiteral("500"));

  EntryBox* target = all[unit];
  FocusWidget(target);
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
  ShowPage();
  EntryBox* pounds = findNamed<EntryBox>(Page(), "poundBox");
  FocusWidget(pounds);
  TypeText(pounds, QStringLiteral("2"));
  QTest::keyClick(pounds, Qt::Key_Return);
  QTest::mouseClick(findNamed<QPushButton>(Page(), "clearButton"), Qt::LeftButton);
  QCOMPARE(Texts(), QStringList(5, QString()));
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(Page(), "caratBox"));
  QCOMPARE(Page()->activeBox, QStringLiteral("Carat"));
  // Enter in the empty Carats only walks on to Grams.
  QTest::keyClick(findNamed<EntryBox>(Page(), "caratBox"), Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(Page(), "gramBox"));
  QCOMPARE(Texts(), QStringList(5, QString()));
  QCOMPARE(app_->services.beeps, 0);
}

QTEST_MAIN(WeightPageTest)
#include "tst_weight_page.moc"
