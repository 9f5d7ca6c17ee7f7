#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "bench_page_fixture.h"
#include "bench_tools/gauge_page.h"
#include "platform/error_boundary.h"
#include "widgets/entry_box.h"

using namespace orvane;

class GaugePageTest : public QObject, public BenchPageFixture<GaugePage> {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();
  void typedSizes_data();
  void typedSizes();
  void beyondTheTables();
  void pickedGauges_data();
  void pickedGauges();
  void badInputLeavesTheBoxes_data();
  void badInputLeavesTheBoxes();
  void tabOrderAndNames();

 private:
  QStringList onTabShown() const {
    return {findNamed<EntryBox>(page_.get(), "sizeMm")->text(),
            findNamed<EntryBox>(page_.get(), "sizeInch")->text(),
            findNamed<QComboBox>(page_.get(), "americanBox")->currentText(),
            findNamed<EntryBox>(page_.get(), "americanMm")->text(),
            findNamed<EntryBox>(page_.get(), "americanInch")->text(),
            findNamed<QComboBox>(page_.get(), "britishBox")->currentText(),
            findNamed<EntryBox>(page_.get(), "britishMm")->text(),
            findNamed<EntryBox>(page_.get(), "britishInch")->text()};
  }
};

void GaugePageTest::init() { openPage(); }

void GaugePageTest::cleanup() { closePage(); }

void GaugePageTest::typedSizes_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("typed");
  // size mm, size inches, AWG, its mm and inches, SWG, its mm and inches
  QTest::addColumn<QStringList>("shown");
  QTest::newRow("1 mm") << "sizeMm"
                        << "1"
                        << QStringList{"1", "0.03937", "18", "1.0236", "0.040300", "19", "1.016", "0.040"};
  QTest::newRow("1/16 inch, exactly")
      << "sizeInch"
      << "1/16" << QStringList{"1.5875", "1/16", "14", "1.6276", "0.064080", "16", "1.6256", "0.064"};
}

void GaugePageTest::typedSizes() {
  QFETCH(QString, box);
  QFETCH(QString, typed);
  QFETCH(QStringList, shown);
  auto* target = page_->findChild<EntryBox*>(box);
  QVERIFY(target);
  giveFocusTo(target);
  typeText(target, typed);
  QTest::keyClick(target, Qt::Key_Return);
  QCOMPARE(onTabShown(), shown);
  QVERIFY(services_.messages.isEmpty());
  QCOMPARE(QApplication::focusWidget(), target);
}

// A size finer than AWG 44 says so rather than naming AWG 44; SWG 49
// (0.0012" = 0.03048 mm) is still in its table.
void GaugePageTest::beyondTheTables() {
  giveFocusTo(findNamed<EntryBox>(page_.get(), "sizeMm"));
  typeText(findNamed<EntryBox>(page_.get(), "sizeMm"), QStringLiteral("1"));
  QTest::keyClick(findNamed<EntryBox>(page_.get(), "sizeMm"), Qt::Key_Return);
  QCOMPARE(findNamed<QLabel>(page_.get(), "beyondNote")->text(), QString());
  findNamed<EntryBox>(page_.get(), "sizeMm")->selectAll();
  typeText(findNamed<EntryBox>(page_.get(), "sizeMm"), QStringLiteral("0.03"));
  QTest::keyClick(findNamed<EntryBox>(page_.get(), "sizeMm"), Qt::Key_Return);
  QCOMPARE(onTabShown(), (QStringList{"0.03", "0.00118", "", "", "", "49", "0.03048", "0.0012"}));
  QCOMPARE(findNamed<QComboBox>(page_.get(), "americanBox")->currentIndex(), -1);
  QCOMPARE(findNamed<QLabel>(page_.get(), "beyondNote")->text(),
           QStringLiteral("Finer than AWG 44 (0.0502 mm), the finest in the table."));
  QVERIFY(services_.messages.isEmpty());
  // A size was typed: the caret stays where it was, nothing selected.
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(page_.get(), "sizeMm"));
  QVERIFY(!findNamed<EntryBox>(page_.get(), "sizeMm")->hasSelectedText());
  // Both beyond their tables.
  findNamed<EntryBox>(page_.get(), "sizeMm")->selectAll();
  typeText(findNamed<EntryBox>(page_.get(), "sizeMm"), QStringLiteral("20"));
  QTest::keyClick(findNamed<EntryBox>(page_.get(), "sizeMm"), Qt::Key_Return);
  QCOMPARE(onTabShown(), (QStringList{"20", "0.7874", "", "", "", "", "", ""}));
  QCOMPARE(findNamed<QLabel>(page_.get(), "beyondNote")->text(),
           QStringLiteral("Thicker than AWG 0000 (11.6840 mm), the thickest in the table. "
                          "Thicker than SWG 0 (8.2296 mm), the thickest in the table."));
  QVERIFY(!findNamed<EntryBox>(page_.get(), "sizeMm")->hasSelectedText());
  findNamed<EntryBox>(page_.get(), "sizeMm")->selectAll();
  typeText(findNamed<EntryBox>(page_.get(), "sizeMm"), QStringLiteral("0.03"));
  QTest::keyClick(findNamed<EntryBox>(page_.get(), "sizeMm"), Qt::Key_Return);
  // Under the least the box takes, a message, and the boxes stay.
  findNamed<EntryBox>(page_.get(), "sizeMm")->selectAll();
  typeText(findNamed<EntryBox>(page_.get(), "sizeMm"), QStringLiteral("0.009"));
  QTest::keyClick(findNamed<EntryBox>(page_.get(), "sizeMm"), Qt::Key_Return);
  QCOMPARE(services_.messages.size(), 1);
  QCOMPARE(services_.messages.first().text,
           QStringLiteral("'0.009' is too small: a wire diameter in mm must be at least 0.01."));
  QCOMPARE(findNamed<QComboBox>(page_.get(), "britishBox")->currentText(), QStringLiteral("49"));
}

void GaugePageTest::pickedGauges_data() {
  QTest::addColumn<bool>("british");
  QTest::addColumn<QString>("gauge");
  QTest::addColumn<QStringList>("shown");
  QTest::newRow("AWG 20") << false << "20" << QStringList{"0.8118",   "0.03196", "20",     "0.8118",
                                                          "0.031960", "21",      "0.8128", "0.032"};
  // AWG 40, 0.0799 mm: SWG 44 is 0.0032" = 0.08128 mm.
  QTest::newRow("AWG 40") << false << "40" << QStringList{"0.0799",   "0.00315", "40",      "0.0799",
                                                          "0.003145", "44",      "0.08128", "0.0032"};
  QTest::newRow("SWG 27") << true << "27" << QStringList{"0.41656",  "0.0164", "26",      "0.4049",
                                                         "0.015940", "27",     "0.41656", "0.0164"};
}

// Picked by keyboard, as a user picks: the list opened on the gauge before.
void GaugePageTest::pickedGauges() {
  QFETCH(bool, british);
  QFETCH(QString, gauge);
  QFETCH(QStringList, shown);
  QComboBox* list = british ? findNamed<QComboBox>(page_.get(), "britishBox")
                            : findNamed<QComboBox>(page_.get(), "americanBox");
  const int entry = list->findText(gauge);
  QVERIFY(entry > 0);
  list->setCurrentIndex(entry - 1);
  giveFocusTo(list);
  QTest::keyClick(list, Qt::Key_Down);
  QCOMPARE(onTabShown(), shown);
  QVERIFY(services_.messages.isEmpty());
}

void GaugePageTest::badInputLeavesTheBoxes_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("message");
  QTest::newRow("zero") << "sizeMm"
                        << "0"
                        << "Orvane"
                        << "'0' is zero: a wire diameter in mm must be more than 0.";
  QTest::newRow("beyond an inch") << "sizeInch"
                                  << "1 1/2"
                                  << "Orvane"
                                  << "'1 1/2' is too large: a wire diameter in inches can be at most 1.";
  QTest::newRow("letters") << "sizeMm"
                           << "abc"
                           << "Orvane"
                           << "'abc' is not a valid floating point value.";
  QTest::newRow("bad fraction") << "sizeInch"
                                << "1/0"
                                << "Error"
                                << "Cannot convert Fraction to Decimal.";
  QTest::newRow("empty") << "sizeMm"
                         << ""
                         << "Orvane"
                         << "Nothing typed for the diameter: type a number, then press Enter.";
}

void GaugePageTest::badInputLeavesTheBoxes() {
  QFETCH(QString, box);
  QFETCH(QString, pasted);
  QFETCH(QString, caption);
  QFETCH(QString, message);
  giveFocusTo(findNamed<EntryBox>(page_.get(), "sizeMm"));
  typeText(findNamed<EntryBox>(page_.get(), "sizeMm"), QStringLiteral("1"));
  QTest::keyClick(findNamed<EntryBox>(page_.get(), "sizeMm"), Qt::Key_Return);
  QStringList before = onTabShown();
  auto* target = page_->findChild<EntryBox*>(box);
  giveFocusTo(target);
  target->selectAll();
  target->insert(pasted);  // a paste: not filtered
  QTest::keyClick(target, Qt::Key_Return);
  QCOMPARE(services_.messages.size(), 1);
  QCOMPARE(services_.messages.first().caption, caption);
  QCOMPARE(services_.messages.first().text, message);
  before[box == "sizeMm" ? 0 : 1] = pasted;
  QCOMPARE(onTabShown(), before);
}

void GaugePageTest::tabOrderAndNames() {
  const QStringList order{
      "Diameter in mm",     "Diameter in inches",     "American wire gauge (AWG, Brown and Sharpe)",
      "AWG diameter in mm", "AWG diameter in inches", "British Standard Wire Gauge (SWG)",
      "SWG diameter in mm", "SWG diameter in inches"};
  QCOMPARE(tabOrderFrom(findNamed<EntryBox>(page_.get(), "sizeMm"), order.size()), order);
  QCOMPARE(GaugePage::pageTitle(), QStringLiteral("Gauges"));
}

QTEST_MAIN(GaugePageTest)
#include "tst_gauge_page.moc"
