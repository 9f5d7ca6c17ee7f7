#include <QTest>

#include "core/chart_tables.h"
#include "core/text_rules.h"
#include "core/wire_gauges.h"

using namespace orvane;

class WireGaugesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void tables();
  void nearest_data();
  void nearest();
  void picks_data();
  void picks();
  void badSizes_data();
  void badSizes();
};

void WireGaugesTest::tables() {
  // AWG is the Wire Gauge chart itself.
  const auto& awg = wireGauges(GaugeSystem::American);
  QCOMPARE(awg.size(), WireGaugeTable.size());
  QCOMPARE(awg[20].name, QStringLiteral("20"));
  QCOMPARE(awg[20].mmText, QStringLiteral("0.8118"));
  QCOMPARE(awg.back().name, QStringLiteral("0000"));
  // SWG 0 to 30, inch by inch as the table states, mm at 25.4 exactly.
  const auto& swg = wireGauges(GaugeSystem::British);
  QCOMPARE(swg.size(), size_t(31));
  QCOMPARE(swg[0].inchText, QStringLiteral("0.324"));
  QCOMPARE(swg[0].mmText, QStringLiteral("8.2296"));
  QCOMPARE(swg[18].inchText, QStringLiteral("0.048"));
  QCOMPARE(swg[18].mmText, QStringLiteral("1.2192"));
  QCOMPARE(swg[27].mmText, QStringLiteral("0.41656"));
  QCOMPARE(swg[30].name, QStringLiteral("30"));
  QCOMPARE(swg[30].mmText, QStringLiteral("0.31496"));
  for (size_t i = 1; i < swg.size(); ++i) QVERIFY(swg[i].mm < swg[i - 1].mm);
}

void WireGaugesTest::nearest_data() {
  QTest::addColumn<QString>("mm");
  QTest::addColumn<QString>("inch");
  QTest::addColumn<bool>("fromInch");
  QTest::addColumn<QString>("awg");
  QTest::addColumn<QString>("swg");
  QTest::newRow("1 mm") << "1"
                        << "" << false << "18"
                        << "19";  // AWG 18 1.0236, SWG 19 1.016
  QTest::newRow("0.8 mm") << "0.8"
                          << "" << false << "20"
                          << "21";  // 0.8118 / 0.8128
  QTest::newRow("1/16 inch") << ""
                             << "1/16" << true << "14"
                             << "16";  // 1.5875: 1.6276 / 1.6256
  QTest::newRow("thicker than any gauge") << "20"
                                          << "" << false << "0000"
                                          << "0";
  QTest::newRow("thinner than any gauge") << "0.01"
                                          << "" << false << "40"
                                          << "30";
}

void WireGaugesTest::nearest() {
  QFETCH(QString, mm);
  QFETCH(QString, inch);
  QFETCH(bool, fromInch);
  QFETCH(QString, awg);
  QFETCH(QString, swg);
  const GaugeReading r = gaugesForSize({mm, inch, fromInch ? BenchUnit::Inch : BenchUnit::Mm});
  QCOMPARE(wireGauges(GaugeSystem::American).at(size_t(r.american)).name, awg);
  QCOMPARE(wireGauges(GaugeSystem::British).at(size_t(r.british)).name, swg);
  if (fromInch) QCOMPARE(r.size.mm, QStringLiteral("1.5875"));
}

void WireGaugesTest::picks_data() {
  QTest::addColumn<bool>("british");
  QTest::addColumn<QString>("gauge");
  QTest::addColumn<QString>("mm");
  QTest::addColumn<QString>("inch");
  QTest::addColumn<QString>("other");
  QTest::newRow("AWG 20") << false << "20"
                          << "0.8118"
                          << "0.03196"
                          << "21";
  QTest::newRow("SWG 18") << true << "18"
                          << "1.2192"
                          << "0.048"
                          << "17";  // AWG 17 1.1496, 16 1.2908
  QTest::newRow("SWG 0") << true << "0"
                         << "8.2296"
                         << "0.324"
                         << "0";
}

void WireGaugesTest::picks() {
  QFETCH(bool, british);
  QFETCH(QString, gauge);
  QFETCH(QString, mm);
  QFETCH(QString, inch);
  QFETCH(QString, other);
  const GaugeSystem system = british ? GaugeSystem::British : GaugeSystem::American;
  const int entry = int(wireGaugeNames(system).indexOf(gauge));
  const GaugeReading r = gaugesForPick(system, entry);
  QCOMPARE(r.size.mm, mm);
  QCOMPARE(r.size.inch, inch);
  QCOMPARE(british ? r.british : r.american, entry);
  const GaugeSystem otherSystem = british ? GaugeSystem::American : GaugeSystem::British;
  QCOMPARE(wireGauges(otherSystem).at(size_t(british ? r.american : r.british)).name, other);
}

void WireGaugesTest::badSizes_data() {
  QTest::addColumn<QString>("mm");
  QTest::addColumn<QString>("message");
  QTest::newRow("zero") << "0"
                        << "'0' is zero: a wire diameter in mm must be more than 0";
  QTest::newRow("beyond an inch") << "30"
                                  << "'30' is too large: a wire diameter in mm can be at most 25.4";
  QTest::newRow("letters") << "x"
                           << "'x' is not a valid floating point value";
}

void WireGaugesTest::badSizes() {
  QFETCH(QString, mm);
  QFETCH(QString, message);
  try {
    gaugesForSize({mm, QString(), BenchUnit::Mm});
    QFAIL("no failure");
  } catch (const ConversionError& e) {
    QCOMPARE(QString::fromStdString(e.what()), message);
  }
  // Nothing typed is no gauge, and no failure.
  const GaugeReading none = gaugesForSize({QString(), QStringLiteral("3"), BenchUnit::Mm});
  QCOMPARE(none.american, -1);
  QCOMPARE(none.size.inch, QString());
}

QTEST_GUILESS_MAIN(WireGaugesTest)
#include "tst_wire_gauges.moc"
