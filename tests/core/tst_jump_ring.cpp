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
