#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "bench_page_fixture.h"
#include "bench_tools/alloying_page.h"
#include "widgets/entry_box.h"

using namespace orvane;

class AlloyingPageTest : public QObject, public BenchPageFixture<AlloyingPage> {
  Q_OBJECT
 private Q_SLOTS:
  void init() { openPage(); }
  void cleanup() { closePage(); }
  void examples_data();
  void examples();
  void wrongWayIsRefused();
  void tabOrderAndMnemonics();

 private:
  EntryBox* box(const QString& name) const { return page_->findChild<EntryBox*>(name); }
  QComboBox* taskList() const { return page_->findChild<QComboBox*>(QStringLiteral("taskBox")); }
};

void AlloyingPageTest::examples_data() {
  QTest::addColumn<int>("task");
  QTest::addColumn<QStringList>("typed");  // box names and texts
  QTest::addColumn<QStringList>("shown");  // added, total
  QTest::addColumn<QString>("addedName");
  // 10 x (18 - 14) / 14 = 2.857
  QTest::newRow("18 ct down to 14 ct")
      << 0 << QStringList{"gramsBox", "10", "fromKaratBox", "18", "toKaratBox", "14"}
      << QStringList{"2.86", "12.86"} << "Alloy to add in grams";
  // 10 x (18 - 14) / (24 - 18) = 6.667
  QTest::newRow("14 ct up to 18 ct") << 1 << QStringList{"gramsBox", "10",         "fromKaratBox",
                                                         "14",       "toKaratBox", "18"}
                                     << QStringList{"6.67", "16.67"} << "Fine gold to add in grams";
  // 31.1 x 75 / 925 = 2.522
  QTest::newRow("a troy ounce of fine silver to sterling")
      << 2 << QStringList{"gramsBox", "31.1"} << QStringList{"2.52", "33.62"} << "Copper to add in grams";
}

void AlloyingPageTest::examples() {
  QFETCH(int, task);
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  QFETCH(QString, addedName);
  pick(taskList(), task);
  for (int i = 0; i < typed.size(); i += 2) {
    QVERIFY2(box(typed[i]), qPrintable(typed[i]));
    typeInto(box(typed[i]), typed[i + 1]);
  }
  QCOMPARE((QStringList{box("addedBox")->text(), box("totalBox")->text()}), shown);
  QCOMPARE(box("addedBox")->accessibleName(), addedName);
  // Sterling has no karats to type.
  QCOMPARE(box("fromKaratBox")->isEnabled(), task != 2);
  QVERIFY(services_.messages.isEmpty());
}

void AlloyingPageTest::wrongWayIsRefused() {
  typeInto(box("gramsBox"), QStringLiteral("10"));
  // Enter walks on to the karats still needed.
  QCOMPARE(QApplication::focusWidget(), box("fromKaratBox"));
  typeInto(box("fromKaratBox"), QStringLiteral("14"));
  QCOMPARE(QApplication::focusWidget(), box("toKaratBox"));
  typeInto(box("toKaratBox"), QStringLiteral("18"));
  QCOMPARE(services_.messages.size(), 1);
  QCOMPARE(services_.messages.first().text,
           QStringLiteral("Alloy only lowers the karat: 18 ct is not below 14 ct."));
  QVERIFY(box("addedBox")->text().isEmpty());
  pick(taskList(), 1);  // the same karats make sense for fine gold
  QCOMPARE(box("addedBox")->text(), QStringLiteral("6.67"));
}

void AlloyingPageTest::tabOrderAndMnemonics() {
  const QStringList order{"Task",         "Weight in grams",       "Gold's karat",
                          "Karat wanted", "Alloy to add in grams", "Resulting weight in grams"};
  QCOMPARE(tabOrderFrom(taskList(), order.size()), order);
  QCOMPARE(AlloyingPage::pageTitle(), QStringLiteral("Alloying"));
  QTest::keyClick(page_.get(), Qt::Key_N, Qt::AltModifier);
  QCOMPARE(QApplication::focusWidget(), box("toKaratBox"));
  QTest::keyClick(page_.get(), Qt::Key_K, Qt::AltModifier);
  QCOMPARE(QApplication::focusWidget(), box("fromKaratBox"));
}

QTEST_MAIN(AlloyingPageTest)
#include "tst_alloying_page.moc"
