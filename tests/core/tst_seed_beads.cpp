#include <QTest>

#include "core/seed_beads.h"
#include "core/text_rules.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::BeadStitch)

class SeedBeadsTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void sizes_data();
  void sizes();
  void pieces_data();
  void pieces();
  void gramsRoundUpToATenth();
  void missingAndBad();
};

void SeedBeadsTest::sizes_data() {
  QTest::addColumn<QString>("size");
  QTest::addColumn<QStringList>("shown");  // per gram, per tube, per inch
  // Per inch: 25.4 mm over the bead's length along the hole.
  QTest::newRow("15/0") << "15/0 round" << QStringList{"250", "2500", "25.4"};
  QTest::newRow("11/0") << "11/0 round" << QStringList{"110", "1100", "18.1"};         // 25.4 / 1.4
  QTest::newRow("8/0") << "8/0 round" << QStringList{"36", "360", "11.5"};             // 25.4 / 2.2
  QTest::newRow("6/0") << "6/0 round" << QStringList{"13", "130", "8.8"};              // 25.4 / 2.9
  QTest::newRow("cylinder") << "11/0 cylinder" << QStringList{"200", "2000", "19.5"};  // 25.4 / 1.3
}

void SeedBeadsTest::sizes() {
  QFETCH(QString, size);
  QFETCH(QStringList, shown);
  const int entry = int(seedBeadNames().indexOf(size));
  QVERIFY2(entry >= 0, qPrintable(size));
  const SeedBeadResult r = seedBeadEnter({entry, BeadStitch::Loom, {}, {}});
  QCOMPARE((QStringList{r.perGram, r.perTube, r.perInch}), shown);
  QVERIFY(r.beads.isEmpty());
  QCOMPARE(r.missing, SeedBeadField::Width);
}

void SeedBeadsTest::pieces_data() {
  QTest::addColumn<QString>("size");
  QTest::addColumn<BeadStitch>("stitch");
  QTest::addColumn<QStringList>("typed");  // width mm, length inches
  QTest::addColumn<QStringList>("shown");  // columns, rows, beads, grams, tubes
  // 1" wide: 25.4 / 1.4 = 18.1 columns, 18; 2" long: 50.8 / 2.0 = 25.4 rows,
  // 25; 450 beads, 450 / 110 = 4.09 g, bought as 4.1.
  QTest::newRow("loom, 11/0, 1 x 2 inches") << "11/0 round" << BeadStitch::Loom << QStringList{"25.4", "2"}
                                            << QStringList{"18", "25", "450", "4.1", "1"};
  // 25.4 / 1.3 = 19.5, 20 columns; 25.4 / 0.8 = 31.75, 32 rows of 10 beads:
  // 320 beads, 1.6 g.
  QTest::newRow("peyote, cylinders, 1 inch square")
      << "11/0 cylinder" << BeadStitch::Peyote << QStringList{"25.4", "1"}
      << QStringList{"20", "32", "320", "1.6", "1"};
  // 30 / 3.0 = 10 columns; 7/8" = 22.225 mm / 2.2 = 10.1, 10 rows; five rows
  // of 10 and five of 9: 95 beads, 2.64 g, 2.7.
  QTest::newRow("brick, 8/0") << "8/0 round" << BeadStitch::Brick << QStringList{"30", "7/8"}
                              << QStringList{"10", "10", "95", "2.7", "1"};
  // 40 / 2.9 = 13.8, 14 columns; 9" = 228.6 / 4.0 = 57.15, 57 rows: 798
  // beads, 798 / 13 = 61.38 g, 61.4, seven tubes.
  QTest::newRow("loom, 6/0, a long band") << "6/0 round" << BeadStitch::Loom << QStringList{"40", "9"}
                                          << QStringList{"14", "57", "798", "61.4", "7"};
  // Odd count peyote: 5 / 1.0 = 5 columns; 3/32" = 2.381 / 0.75 = 3.2, 3
  // rows of 3, 2 and 3 beads: 8, 0.032 g, 0.1.
  QTest::newRow("odd count peyote, 15/0") << "15/0 round" << BeadStitch::Peyote << QStringList{"5", "3/32"}
                                          << QStringList{"5", "3", "8", "0.1", "1"};
  // Narrower than a bead still takes one column.
  QTest::newRow("a single column") << "8/0 round" << BeadStitch::Brick << QStringList{"1", "1"}
                                   << QStringList{"1", "12", "12", "0.4", "1"};
}

void SeedBeadsTest::pieces() {
  QFETCH(QString, size);
  QFETCH(BeadStitch, stitch);
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  const SeedBeadResult r = seedBeadEnter({int(seedBeadNames().indexOf(size)),
                                          stitch,
                                          {typed[0], {}, BenchUnit::Mm},
                                          {{}, typed[1], BenchUnit::Inch}});
  QCOMPARE((QStringList{r.columns, r.rows, r.beads, r.grams, r.tubes}), shown);
}

void SeedBeadsTest::gramsRoundUpToATenth() {
  const SeedBeadSize& eleven = SeedBeadTable[1];  // 110 a gram
  QCOMPARE(double(gramsToBuy(220, eleven)), 2.0);
  QCOMPARE(double(gramsToBuy(221, eleven)), 2.1);
  QCOMPARE(double(gramsToBuy(1, eleven)), 0.1);
  // 1100 beads fill exactly one tube; one more needs a second.
  QCOMPARE(seedBeadEnter({1,
                          BeadStitch::Loom,
                          {QStringLiteral("15.4"), {}, BenchUnit::Mm},
                          {QStringLiteral("200"), {}, BenchUnit::Mm}})
               .tubes,
           QStringLiteral("1"));
}

void SeedBeadsTest::missingAndBad() {
  // Sizes typed before a bead is picked are read and shown, nothing counted.
  SeedBeadResult r = seedBeadEnter(
      {-1, BeadStitch::Loom, {{}, QStringLiteral("1"), BenchUnit::Inch}, {QStringLiteral("10"), {}}});
  QCOMPARE(r.width.mm, QStringLiteral("25.4"));
  QCOMPARE(r.length.inch, QStringLiteral("0.3937"));
  QVERIFY(r.perGram.isEmpty() && r.beads.isEmpty());
  r = seedBeadEnter({0, BeadStitch::Loom, {QStringLiteral("10"), {}}, {}});
  QCOMPARE(r.missing, SeedBeadField::Length);
  QVERIFY_THROWS_EXCEPTION(
      ConversionError,
      seedBeadEnter({0, BeadStitch::Loom, {QStringLiteral("10"), {}}, {}}, SeedBeadField::Length));
  try {
    seedBeadEnter({0, BeadStitch::Loom, {QStringLiteral("2001"), {}}, {}});
    QFAIL("no error");
  } catch (const ConversionError& e) {
    QCOMPARE(QString::fromStdString(e.what()),
             QStringLiteral("'2001' is too large: the width in mm can be at most 2000"));
  }
}

QTEST_MAIN(SeedBeadsTest)
#include "tst_seed_beads.moc"
