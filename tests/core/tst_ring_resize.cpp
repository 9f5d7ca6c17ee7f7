#include <QTest>

#include "core/ring_resize.h"
#include "core/text_rules.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::RingScale)
Q_DECLARE_METATYPE(orvane::RingChange)

class RingResizeTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void scalesFollowTheChart_data();
  void scalesFollowTheChart();
  void resizes_data();
  void resizes();
  void inchesAndMissingBoxes();
  void badInput_data();
  void badInput();
};

void RingResizeTest::scalesFollowTheChart_data() {
  QTest::addColumn<RingScale>("scale");
  QTest::addColumn<QString>("size");
  QTest::addColumn<double>("innerMm");
  QTest::addColumn<QString>("first");
  QTest::newRow("US 7") << RingScale::NorthAmerica << "7" << 17.323 << "000";
  QTest::newRow("British M is US 6") << RingScale::Britain << "M" << 16.510 << "A";
  QTest::newRow("British O 1/2, spaced once in the chart") << RingScale::Britain << "O 1/2" << 17.526 << "A";
  QTest::newRow("French 54 is US 7") << RingScale::France << "54" << 17.323 << "37";
  QTest::newRow("German 18 is US 7 3/4") << RingScale::Germany << "18" << 17.932 << "10";
  QTest::newRow("Japanese 14 is US 7") << RingScale::Japan << "14" << 17.323 << "1";
  QTest::newRow("Swiss 16 1/2 is US 7 1/2") << RingScale::Switzerland << "16 1/2" << 17.729 << "1 1/2";
}

void RingResizeTest::scalesFollowTheChart() {
  QFETCH(RingScale, scale);
  QFETCH(QString, size);
  QFETCH(double, innerMm);
  QFETCH(QString, first);
  const QStringList sizes = ringSizesOn(scale);
  QCOMPARE(sizes.first(), first);
  QVERIFY(!sizes.contains(QString()));
  const int entry = int(sizes.indexOf(size));
  QVERIFY2(entry >= 0, qPrintable(size));
  QCOMPARE(double(ringSizeInnerMm(scale, entry)), innerMm);
  QCOMPARE(ringScaleNames().size(), 6);
}

void RingResizeTest::resizes_data() {
  QTest::addColumn<RingScale>("scale");
  QTest::addColumn<QString>("from");
  QTest::addColumn<QString>("to");
  QTest::addColumn<QStringList>("boxes");    // thickness mm, width mm, density
  QTest::addColumn<QStringList>("results");  // blank now, blank wanted, length mm, inches, grams
  QTest::addColumn<RingChange>("change");
  // By hand: pi x (17.323 + 1.5) = 59.134; pi x (18.136 + 1.5) = 61.688; the
  // difference pi x 0.813 = 2.554 mm (0.1006 inch), one US size; times 4 x 1.5
  // mm is 15.325 mm3, of sterling at 10.36 g/cm3 0.15876 g.
  QTest::newRow("US 7 to 8 in sterling")
      << RingScale::NorthAmerica << "7"
      << "8" << QStringList{"1.5", "4", "10.36"} << QStringList{"59.13", "61.69", "2.55", "0.101", "0.1588"}
      << RingChange::Add;
  // Down from 9 (18.948) to 7 (17.323): pi x 1.625 = 5.105 mm cut out; in
  // 18 ct at 15.5, 2 x 3 mm: 30.63 mm3, 0.4748 g.
  QTest::newRow("US 9 down to 7, 18 ct")
      << RingScale::NorthAmerica << "9"
      << "7" << QStringList{"2", "3", "15.5"} << QStringList{"65.81", "60.70", "5.11", "0.201", "0.4748"}
      << RingChange::Remove;
  // British M (16.510) to P (17.729): pi x 1.219 = 3.830 mm; 1 x 2 mm of
  // fine silver at 10.49: 7.659 mm3, 0.0803 g.
  QTest::newRow("British M to P") << RingScale::Britain << "M"
                                  << "P" << QStringList{"1", "2", "10.49"}
                                  << QStringList{"55.01", "58.84", "3.83", "0.151", "0.0803"}
                                  << RingChange::Add;
  QTest::newRow("the same size") << RingScale::France << "54"
                                 << "54" << QStringList{"1.5", "4", "10.36"}
                                 << QStringList{"59.13", "59.13", "0.00", "0.000", "0.0000"}
                                 << RingChange::Same;
}

void RingResizeTest::resizes() {
  QFETCH(RingScale, scale);
  QFETCH(QString, from);
  QFETCH(QString, to);
  QFETCH(QStringList, boxes);
  QFETCH(QStringList, results);
  QFETCH(RingChange, change);
  const QStringList sizes = ringSizesOn(scale);
  const RingResizeResult r = ringResizeEnter({scale,
                                              int(sizes.indexOf(from)),
                                              int(sizes.indexOf(to)),
                                              {boxes[0], {}, BenchUnit::Mm},
                                              {boxes[1], {}, BenchUnit::Mm},
                                              boxes[2]});
  QCOMPARE((QStringList{r.fromBlankMm, r.toBlankMm, r.changeMm, r.changeInch, r.grams}), results);
  QCOMPARE(r.change, change);
  QCOMPARE(r.missing, RingResizeField::None);
}

void RingResizeTest::inchesAndMissingBoxes() {
  const QStringList us = ringSizesOn(RingScale::NorthAmerica);
  const int seven = int(us.indexOf(QStringLiteral("7"))), eight = int(us.indexOf(QStringLiteral("8")));
  // 1/16" thick is 1.5875 mm: blanks pi x 18.9105 and pi x 19.7235.
  RingResizeResult r = ringResizeEnter({RingScale::NorthAmerica,
                                        seven,
                                        eight,
                                        {{}, QStringLiteral("1/16"), BenchUnit::Inch},
                                        {},
                                        QStringLiteral("10.36")});
  QCOMPARE(r.thickness.mm, QStringLiteral("1.5875"));
  QCOMPARE(r.fromBlankMm, QStringLiteral("59.41"));
  QCOMPARE(r.toBlankMm, QStringLiteral("61.96"));
  // The length needs only the sizes; the weight waits for the width.
  QCOMPARE(r.changeMm, QStringLiteral("2.55"));
  QVERIFY(r.grams.isEmpty());
  QCOMPARE(r.missing, RingResizeField::Width);
  r = ringResizeEnter({RingScale::NorthAmerica, seven, -1, {}, {}, QStringLiteral("10.36")});
  QCOMPARE(r.fromInnerMm, QStringLiteral("17.323"));
  QVERIFY(r.changeMm.isEmpty() && r.fromBlankMm.isEmpty());
  QCOMPARE(r.missing, RingResizeField::To);
  QVERIFY_THROWS_EXCEPTION(
      ConversionError,
      ringResizeEnter({RingScale::NorthAmerica, seven, eight, {}, {}, {}}, RingResizeField::Thickness));
}

void RingResizeTest::badInput_data() {
  QTest::addColumn<QStringList>("boxes");  // thickness mm, width inches, density
  QTest::addColumn<QString>("message");
  QTest::newRow("no thickness") << QStringList{"0", "", ""}
                                << "'0' is zero: the thickness in mm must be more than 0";
  QTest::newRow("a bar, not a band") << QStringList{"12", "", ""}
                                     << "'12' is too large: the thickness in mm can be at most 10";
  QTest::newRow("width in inches beyond the limit")
      << QStringList{"1", "2 1/2", ""} << "'2 1/2' is too large: the width in inches can be at most 1.9685";
  QTest::newRow("density of nothing")
      << QStringList{"1", "", "0"} << "'0' is zero: a density must be above zero";
}

void RingResizeTest::badInput() {
  QFETCH(QStringList, boxes);
  QFETCH(QString, message);
  try {
    ringResizeEnter({RingScale::NorthAmerica,
                     0,
                     1,
                     {boxes[0], {}, BenchUnit::Mm},
                     {{}, boxes[1], BenchUnit::Inch},
                     boxes[2]});
    QFAIL("no error");
  } catch (const ConversionError& e) {
    QCOMPARE(QString::fromStdString(e.what()), message);
  }
}

QTEST_MAIN(RingResizeTest)
#include "tst_ring_resize.moc"
