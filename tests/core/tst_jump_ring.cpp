#include <QTest>

#include "core/jump_ring.h"
#include "core/text_rules.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::RingDiameter)
Q_DECLARE_METATYPE(orvane::BenchSize)

class JumpRingTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void ratios_data();
  void ratios();
  void missingBoxes();
  void weaves_data();
  void weaves();
  void badInput_data();
  void badInput();
};

void JumpRingTest::ratios_data() {
  QTest::addColumn<RingDiameter>("measured");
  QTest::addColumn<BenchSize>("diameter");
  QTest::addColumn<BenchSize>("wire");
  QTest::addColumn<QString>("inner");
  QTest::addColumn<QString>("ratio");
  const BenchUnit mm = BenchUnit::Mm, inch = BenchUnit::Inch;
  // 5.0 / 1.3 = 3.846.
  QTest::newRow("5.0 mm ID, 1.3 mm wire")
      << RingDiameter::Inner << BenchSize{"5.0", "", mm} << BenchSize{"1.3", "", mm} << "5"
      << "3.85";
  // OD 7.6 - 2 x 1.3 = 5.0.
  QTest::newRow("the same ring by its outer diameter")
      << RingDiameter::Outer << BenchSize{"7.6", "", mm} << BenchSize{"1.3", "", mm} << "5"
      << "3.85";
  // 3/16" = 4.7625 mm over AWG 16's 1.2908 mm = 3.6896.
  QTest::newRow("3/16 inch ID, 16 gauge")
      << RingDiameter::Inner << BenchSize{"", "3/16", inch} << BenchSize{"1.2908", "", mm} << "4.7625"
      << "3.69";
  // 1/4" over 1/16" is exactly 4.
  QTest::newRow("both in inches") << RingDiameter::Inner << BenchSize{"", "1/4", inch}
                                  << BenchSize{"", "1/16", inch} << "6.35"
                                  << "4.00";
}

void JumpRingTest::ratios() {
  QFETCH(RingDiameter, measured);
  QFETCH(BenchSize, diameter);
  QFETCH(BenchSize, wire);
  QFETCH(QString, inner);
  QFETCH(QString, ratio);
  const JumpRingResult r = jumpRingEnter({measured, diameter, wire});
  QCOMPARE(r.innerMm, inner);
  QCOMPARE(r.aspectRatio, ratio);
}

void JumpRingTest::missingBoxes() {
  const JumpRingInputs in{RingDiameter::Inner, {"", "3/16", BenchUnit::Inch}, {}};
  const JumpRingResult r = jumpRingEnter(in, JumpRingField::Diameter);
  QCOMPARE(r.missing, JumpRingField::Wire);
  QCOMPARE(r.diameter.mm, QStringLiteral("4.7625"));
  QCOMPARE(r.aspectRatio, QString());
  QVERIFY_THROWS_EXCEPTION(ConversionError, jumpRingEnter(in, JumpRingField::Wire));
}

void JumpRingTest::weaves_data() {
  QTest::addColumn<QString>("weave");
  QTest::addColumn<QString>("inner");
  QTest::addColumn<QString>("wire");
  QTest::addColumn<QStringList>("shown");  // ratios, inner diameters in mm, fit
  // Byzantine 3.2 to 3.6 with 1.0 mm wire: 3.20 to 3.60 mm; 3.5 / 1.0 = 3.50.
  QTest::newRow("Byzantine, 1.0 mm wire, 3.5 mm ring")
      << "Byzantine"
      << "3.5"
      << "1.0" << QStringList{"3.2 to 3.6", "3.20 to 3.60", "Within the range"};
  // 3.2 x 1.3 = 4.16, 3.6 x 1.3 = 4.68; 5.0 / 1.3 = 3.85 is beyond 3.6.
  QTest::newRow("Byzantine, 1.3 mm wire, 5 mm ring")
      << "Byzantine"
      << "5"
      << "1.3" << QStringList{"3.2 to 3.6", "4.16 to 4.68", "Too loose"};
  // 3.3 x 1.3 = 4.29, 5.0 x 1.3 = 6.50; 3.9 / 1.3 = 3.00 is under 3.3.
  QTest::newRow("European 4-in-1, too tight")
      << "European 4-in-1"
      << "3.9"
      << "1.3" << QStringList{"3.3 to 5.0", "4.29 to 6.50", "Too tight"};
  // The range's ends belong to it: 3.2 / 1.0 and 5.4 / 1.0.
  QTest::newRow("at the least") << "Byzantine"
                                << "3.2"
                                << "1" << QStringList{"3.2 to 3.6", "3.20 to 3.60", "Within the range"};
  QTest::newRow("at the greatest") << "Full Persian"
                                   << "5.4"
                                   << "1" << QStringList{"4.8 to 5.4", "4.80 to 5.40", "Within the range"};
  // 0.8 x 4.0 = 3.20, 0.8 x 5.5 = 4.40: the wire alone gives the rings to make.
  QTest::newRow("the wire alone") << "Spiral 4-in-1"
                                  << ""
                                  << "0.8" << QStringList{"4.0 to 5.5", "3.20 to 4.40", ""};
  QTest::newRow("no wire yet") << "Box"
                               << "5"
                               << "" << QStringList{"", "", ""};
  // 1.6 x 3.5 = 5.60, 1.6 x 4.2 = 6.72; 6 / 1.6 = 3.75.
  QTest::newRow("Half Persian") << "Half Persian 3-in-1"
                                << "6"
                                << "1.6" << QStringList{"3.5 to 4.2", "5.60 to 6.72", "Within the range"};
}

void JumpRingTest::weaves() {
  QFETCH(QString, weave);
  QFETCH(QString, inner);
  QFETCH(QString, wire);
  QFETCH(QStringList, shown);
  const int entry = int(chainWeaveNames().indexOf(weave));
  QVERIFY2(entry >= 0, qPrintable(weave));
  const JumpRingResult r =
      jumpRingEnter({RingDiameter::Inner, {inner, "", BenchUnit::Mm}, {wire, "", BenchUnit::Mm}, entry});
  QCOMPARE((QStringList{r.weaveRatios, r.weaveInnerMm, r.weaveFit}), shown);
  // Without a weave picked, none of it.
  const JumpRingResult none =
      jumpRingEnter({RingDiameter::Inner, {inner, "", BenchUnit::Mm}, {wire, "", BenchUnit::Mm}});
  QCOMPARE((QStringList{none.weaveRatios, none.weaveInnerMm, none.weaveFit}), (QStringList{"", "", ""}));
  QCOMPARE(none.aspectRatio, r.aspectRatio);
}

void JumpRingTest::badInput_data() {
  QTest::addColumn<RingDiameter>("measured");
  QTest::addColumn<QString>("diameter");
  QTest::addColumn<QString>("wire");
  QTest::addColumn<QString>("message");
  QTest::newRow("zero wire") << RingDiameter::Inner << "5"
                             << "0"
                             << "'0' is zero: the wire diameter in mm must be more than 0";
  QTest::newRow("no hole") << RingDiameter::Outer << "2.6"
                           << "1.3"
                           << "An outer diameter of 2.6 mm leaves no hole with 1.3 mm wire: it must be more "
                              "than twice the wire";
  QTest::newRow("negative ring") << RingDiameter::Inner << "-5"
                                 << "1"
                                 << "'-5' is below zero: the inner diameter in mm must be more than 0";
  // A wire of 1e-400 mm once gave an aspect ratio of 5E400.
  QTest::newRow("wire of 1e-400 mm")
      << RingDiameter::Inner << "5"
      << "1e-400"
      << "'1e-400' is too small: the wire diameter in mm must be at least 0.01";
  QTest::newRow("wire under 0.01 mm")
      << RingDiameter::Inner << "5"
      << "0.009"
      << "'0.009' is too small: the wire diameter in mm must be at least 0.01";
  QTest::newRow("ring under 0.1 mm") << RingDiameter::Inner << "0.05"
                                     << "0.01"
                                     << "'0.05' is too small: the inner diameter in mm must be at least 0.1";
  QTest::newRow("a hole under 0.1 mm")
      << RingDiameter::Outer << "2.65"
      << "1.3"
      << "An outer diameter of 2.65 mm leaves a hole of 0.05 mm with 1.3 mm wire: "
         "the inner diameter must be at least 0.1 mm";
  QTest::newRow("wire beyond an inch") << RingDiameter::Inner << "5"
                                       << "26"
                                       << "'26' is too large: the wire diameter in mm can be at most 25.4";
}

void JumpRingTest::badInput() {
  QFETCH(RingDiameter, measured);
  QFETCH(QString, diameter);
  QFETCH(QString, wire);
  QFETCH(QString, message);
  try {
    jumpRingEnter({measured, {diameter, "", BenchUnit::Mm}, {wire, "", BenchUnit::Mm}});
    QFAIL("no failure");
  } catch (const ConversionError& e) {
    QCOMPARE(QString::fromStdString(e.what()), message);
  }
}

QTEST_GUILESS_MAIN(JumpRingTest)
#include "tst_jump_ring.moc"
