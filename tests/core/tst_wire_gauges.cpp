#include <QTest>
#include <cmath>

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
  // AWG is the Wire Gauge chart, 40 to 0000, after the finer 44 to 41 worked
  // out by the gauge's rule d = 0.005 x 92^((36 - n) / 39) inch:
  // 44: 92^(-8/39) = e^(-0.92755) = 0.39553, 0.0019776 in, 0.050232 mm;
  // 41: 92^(-5/39) = e^(-0.57972) = 0.56005, 0.0028003 in, 0.071127 mm.
  const auto& awg = wireGauges(GaugeSystem::American);
  QCOMPARE(awg.size(), WireGaugeTable.size() + 4);
  QCOMPARE(awg[0].name, QStringLiteral("44"));
  QCOMPARE(awg[0].mmText, QStringLiteral("0.0502"));
  QCOMPARE(awg[0].inchText, QStringLiteral("0.001978"));
  QCOMPARE(awg[3].name, QStringLiteral("41"));
  QCOMPARE(awg[3].mmText, QStringLiteral("0.0711"));
  QCOMPARE(awg[3].inchText, QStringLiteral("0.002800"));
  QCOMPARE(awg[4].name, QStringLiteral("40"));
  QCOMPARE(awg[4].mmText, QStringLiteral("0.0799"));
  QCOMPARE(awg[24].name, QStringLiteral("20"));
  QCOMPARE(awg[24].mmText, QStringLiteral("0.8118"));
  QCOMPARE(awg.back().name, QStringLiteral("0000"));
  // The chart follows the same rule (its mm from inches to four figures, so
  // within 0.1 %): the finer gauges continue it.
  for (size_t i = 4; i < awg.size(); ++i) {
    const int n = awg[i].name.startsWith(u'0') && awg[i].name.size() > 1 ? 1 - int(awg[i].name.size())
                                                                         : awg[i].name.toInt();
    const double rule = 0.005 * std::pow(92.0, (36 - n) / 39.0) * 25.4;
    QVERIFY2(std::fabs(double(awg[i].mm) / rule - 1) < 0.001, qPrintable(awg[i].name));
    QVERIFY(awg[i].mm > awg[i - 1].mm);
  }
  // SWG 0 to 50, inch by inch as the table states, mm at 25.4 exactly.
  const auto& swg = wireGauges(GaugeSystem::British);
  QCOMPARE(swg.size(), size_t(51));
  QCOMPARE(swg[0].inchText, QStringLiteral("0.324"));
  QCOMPARE(swg[0].mmText, QStringLiteral("8.2296"));
  QCOMPARE(swg[18].inchText, QStringLiteral("0.048"));
  QCOMPARE(swg[18].mmText, QStringLiteral("1.2192"));
  QCOMPARE(swg[27].mmText, QStringLiteral("0.41656"));
  QCOMPARE(swg[30].name, QStringLiteral("30"));
  QCOMPARE(swg[30].mmText, QStringLiteral("0.31496"));
  QCOMPARE(swg[40].inchText, QStringLiteral("0.0048"));
  QCOMPARE(swg[40].mmText, QStringLiteral("0.12192"));
  QCOMPARE(swg[50].name, QStringLiteral("50"));
  QCOMPARE(swg[50].inchText, QStringLiteral("0.0010"));
  QCOMPARE(swg[50].mmText, QStringLiteral("0.0254"));
  for (size_t i = 1; i < swg.size(); ++i) QVERIFY(swg[i].mm < swg[i - 1].mm);
}

void WireGaugesTest::nearest_data() {
  QTest::addColumn<QString>("mm");
  QTest::addColumn<QString>("inch");
  QTest::addColumn<bool>("fromInch");
  QTest::addColumn<QString>("awg");  // the gauge, or what is said beyond the table
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
  // AWG 40 no longer finds SWG 30 (0.315 mm): SWG 44 is 0.0032" = 0.08128 mm.
  QTest::newRow("AWG 40's diameter") << "0.0799"
                                     << "" << false << "40"
                                     << "44";
  QTest::newRow("0.05 mm") << "0.05"
                           << "" << false << "44"
                           << "47";  // 0.0502 / 0.0508
  // Half a step beyond AWG 44: 0.0502 - (0.0564 - 0.0502) / 2 = 0.0471.
  QTest::newRow("0.047 mm, finer than AWG")
      << "0.047"
      << "" << false << "Finer than AWG 44 (0.0502 mm), the finest in the table"
      << "47";
  // SWG 50 is 0.0254 mm, 49 0.03048: beyond under 0.02286.
  QTest::newRow("0.02 mm, finer than both")
      << "0.02"
      << "" << false << "Finer than AWG 44 (0.0502 mm), the finest in the table"
      << "Finer than SWG 50 (0.0254 mm), the finest in the table";
  QTest::newRow("the least the box takes")
      << "0.01"
      << "" << false << "Finer than AWG 44 (0.0502 mm), the finest in the table"
      << "Finer than SWG 50 (0.0254 mm), the finest in the table";
  // SWG 0 is 8.2296 mm, 1 7.62: beyond over 8.5344.
  QTest::newRow("9 mm, thicker than SWG") << "9"
                                          << "" << false << "00"
                                          << "Thicker than SWG 0 (8.2296 mm), the thickest in the table";
  // AWG 0000 is 11.684 mm, 000 10.4038: beyond over 12.3241.
  QTest::newRow("20 mm, thicker than both")
      << "20"
      << "" << false << "Thicker than AWG 0000 (11.6840 mm), the thickest in the table"
      << "Thicker than SWG 0 (8.2296 mm), the thickest in the table";
}

void WireGaugesTest::nearest() {
  QFETCH(QString, mm);
  QFETCH(QString, inch);
  QFETCH(bool, fromInch);
  QFETCH(QString, awg);
  QFETCH(QString, swg);
  const GaugeReading r = gaugesForSize({mm, inch, fromInch ? BenchUnit::Inch : BenchUnit::Mm});
  auto said = [](GaugeSystem system, int entry, const QString& beyond) {
    // A gauge or the word beyond the table, never both.
    if (entry < 0) return beyond;
    return beyond.isEmpty() ? wireGauges(system).at(size_t(entry)).name : QStringLiteral("both");
  };
  QCOMPARE(said(GaugeSystem::American, r.american, r.americanBeyond), awg);
  QCOMPARE(said(GaugeSystem::British, r.british, r.britishBeyond), swg);
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
  QTest::newRow("under a hundredth of a mm")
      << "0.009"
      << "'0.009' is too small: a wire diameter in mm must be at least 0.01";
  QTest::newRow("1e-400") << "1e-400"
                          << "'1e-400' is too small: a wire diameter in mm must be at least 0.01";
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
