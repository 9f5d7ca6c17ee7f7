#include <QTest>

#include "core/pricing.h"
#include "core/text_rules.h"

using namespace orvane;

class PricingTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void enter_data();
  void enter();
  void badInput_data();
  void badInput();
};

void PricingTest::enter_data() {
  QTest::addColumn<QStringList>("typed");     // materials, hours, rate, overhead, wholesale x, retail x
  QTest::addColumn<QStringList>("expected");  // labour, cost, wholesale, retail, what is missing
  // (25.90 + 2 x 30) x 1.20 = 103.08; x 2 = 206.16; x 2 = 412.32.
  QTest::newRow("materials, labour and overhead") << QStringList{"25.90", "2", "30", "20", "2", "2"}
                                                  << QStringList{"60.00", "103.08", "206.16", "412.32", ""};
  QTest::newRow("materials only, no overhead")
      << QStringList{"10", "", "", "", "2", "2.5"} << QStringList{"", "10.00", "20.00", "50.00", ""};
  QTest::newRow("labour only") << QStringList{"", "1.5", "45", "0", "2", "2"}
                               << QStringList{"67.50", "67.50", "135.00", "270.00", ""};
  // Each sum to the cent before the next: 0.125 x 1.1 = 0.1375 -> 0.14 -> 0.42 (not 0.41).
  QTest::newRow("cents carried as shown")
      << QStringList{"0.125", "", "", "10", "3", "1"} << QStringList{"", "0.14", "0.42", "0.42", ""};
  QTest::newRow("hours without a rate wait")
      << QStringList{"10", "2", "", "", "2", "2"} << QStringList{"", "", "", "", "the hourly rate"};
  QTest::newRow("a rate without hours waits")
      << QStringList{"10", "", "30", "", "2", "2"} << QStringList{"", "", "", "", "the labour hours"};
  QTest::newRow("nothing typed") << QStringList{"", "", "", "", "2", "2"}
                                 << QStringList{"", "", "", "", "the materials or the labour hours"};
  QTest::newRow("no retail multiplier") << QStringList{"10", "", "", "", "2", ""}
                                        << QStringList{"", "10.00", "20.00", "", "the retail multiplier"};
  QTest::newRow("no wholesale multiplier") << QStringList{"10", "", "", "", "", "2"}
                                           << QStringList{"", "10.00", "", "", "the wholesale multiplier"};
}

void PricingTest::enter() {
  QFETCH(QStringList, typed);
  QFETCH(QStringList, expected);
  const PricingOutputs out = pricingEnter({typed[0], typed[1], typed[2], typed[3], typed[4], typed[5]});
  QCOMPARE((QStringList{out.Labour, out.Cost, out.Wholesale, out.Retail, out.Missing}), expected);
  QCOMPARE(out.Complete, !expected[3].isEmpty());
}

void PricingTest::badInput_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QString>("message");
  QTest::newRow("letters in materials")
      << QStringList{"x", "", "", "", "2", "2"} << "'x' is not a valid floating point value";
  QTest::newRow("negative rate") << QStringList{"10", "2", "-30", "", "2", "2"}
                                 << "'-30' is below zero: an amount of money cannot be negative";
  QTest::newRow("zero multiplier") << QStringList{"10", "", "", "", "0", "2"}
                                   << "'0' is zero: a multiplier must be above zero";
  QTest::newRow("huge multiplier") << QStringList{"10", "", "", "", "2", "1e300"}
                                   << "'1e300' is too large: a multiplier can be at most 100";
  QTest::newRow("inf overhead") << QStringList{"10", "", "", "inf", "2", "2"}
                                << "'inf' is not a valid floating point value";
}

void PricingTest::badInput() {
  QFETCH(QStringList, typed);
  QFETCH(QString, message);
  try {
    pricingEnter({typed[0], typed[1], typed[2], typed[3], typed[4], typed[5]});
    QFAIL("taken");
  } catch (const ConversionError& e) {
    QCOMPARE(QString::fromStdString(e.what()), message);
  }
}

QTEST_GUILESS_MAIN(PricingTest)
#include "tst_pricing.moc"
