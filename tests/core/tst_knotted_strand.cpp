#include <QTest>

#include "core/knotted_strand.h"
#include "core/text_rules.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::StrandField)

class KnottedStrandTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void standardLengths();
  void counts_data();
  void counts();
  void missingBoxes();
  void badInput_data();
  void badInput();
};

void KnottedStrandTest::standardLengths() {
  const QStringList names = strandLengthNames();
  QCOMPARE(names.size(), 7);
  QCOMPARE(names[1], QStringLiteral("Princess (18\")"));
  QCOMPARE(names.last(), QStringLiteral("Anklet (10\")"));
}

void KnottedStrandTest::counts_data() {
  QTest::addColumn<QString>("mm");
  QTest::addColumn<QString>("inch");
  QTest::addColumn<bool>("fromInch");
  QTest::addColumn<QStringList>("boxes");  // bead, knot, clasp
  QTest::addColumn<QString>("beads");
  QTest::addColumn<QString>("leftOver");
  QTest::addColumn<QString>("shownMm");
  // By hand: 18" = 457.2 mm; 457.2 - 15 = 442.2; 442.2 / (8 + 1.5) = 46.55,
  // so 46 beads taking 437 mm, and 5.2 mm left over.
  QTest::newRow("18 inch, 8 mm beads, 1.5 mm knots, 15 mm clasp")
      << ""
      << "18" << true << QStringList{"8", "1.5", "15"} << "46"
      << "5.2"
      << "457.2";
  QTest::newRow("the same length in mm") << "457.2"
                                         << "" << false << QStringList{"8", "1.5", "15"} << "46"
                                         << "5.2"
                                         << "457.2";
  // 13" with beads and knots of exactly a quarter inch: 52, none over. In
  // binary 330.2 / 6.35 falls a hair under 52.
  QTest::newRow("a whole number of beads is not one short")
      << ""
      << "13" << true << QStringList{"5.35", "1.0", "0"} << "52"
      << "0.0"
      << "330.2";
  // 7 1/2" = 190.5; 190.5 - 10 = 180.5; / 6 = 30.08: 30 beads, 0.5 over.
  QTest::newRow("fraction of an inch, no knots") << ""
                                                 << "7 1/2" << true << QStringList{"6", "0", "10"} << "30"
                                                 << "0.5"
                                                 << "190.5";
  QTest::newRow("beads larger than the strand") << "20"
                                                << "" << false << QStringList{"25", "1", "5"} << "0"
                                                << "15.0"
                                                << "20";
}

void KnottedStrandTest::counts() {
  QFETCH(QString, mm);
  QFETCH(QString, inch);
  QFETCH(bool, fromInch);
  QFETCH(QStringList, boxes);
  QFETCH(QString, beads);
  QFETCH(QString, leftOver);
  QFETCH(QString, shownMm);
  const KnottedStrandResult r = knottedStrandEnter(
      {{mm, inch, fromInch ? BenchUnit::Inch : BenchUnit::Mm}, boxes[0], boxes[1], boxes[2]});
  QCOMPARE(r.beads, beads);
  QCOMPARE(r.leftOver, leftOver);
  QCOMPARE(r.length.mm, shownMm);
}

void KnottedStrandTest::missingBoxes() {
  const KnottedStrandInputs in{
      {QStringLiteral("400"), QString(), BenchUnit::Mm}, QStringLiteral("8"), QStringLiteral("1"), QString()};
  const KnottedStrandResult r = knottedStrandEnter(in, StrandField::Bead);
  QCOMPARE(r.missing, StrandField::Clasp);
  QCOMPARE(r.beads, QString());
  QCOMPARE(r.length.inch, QStringLiteral("15.74803"));  // the twin is written all the same
  QVERIFY_THROWS_EXCEPTION(ConversionError, knottedStrandEnter(in, StrandField::Clasp));
}

void KnottedStrandTest::badInput_data() {
  QTest::addColumn<QString>("inch");
  QTest::addColumn<QStringList>("boxes");  // bead, knot, clasp
  QTest::addColumn<QString>("message");
  QTest::newRow("bead of no size") << "18" << QStringList{"0", "1", "15"}
                                   << "'0' is zero: the bead size in mm must be more than 0";
  // With no knot, beads of 1e-400 mm once made a count of 403 digits.
  QTest::newRow("bead of 1e-400 mm") << "18" << QStringList{"1e-400", "0", "15"}
                                     << "'1e-400' is too small: the bead size in mm must be at least 0.1";
  QTest::newRow("strand under a millimetre")
      << "1/64" << QStringList{"8", "1", "0"}
      << "'1/64' is too small: the finished length in inches must be at least 0.0393701";
  QTest::newRow("knot of 1e-30 mm") << "18" << QStringList{"8", "1e-30", "15"}
                                    << "'1e-30' is too small: the knot size in mm must be at least 0.01";
  QTest::newRow("clasp under 0.1 mm") << "18" << QStringList{"8", "1", "0.05"}
                                      << "'0.05' is too small: the clasp length in mm must be at least 0.1";
  QTest::newRow("negative knot") << "18" << QStringList{"8", "-1", "15"}
                                 << "'-1' is below zero: the knot size in mm must be 0 or more";
  QTest::newRow("clasp takes it all")
      << "1/2" << QStringList{"8", "1", "15"}
      << "The clasp (15 mm) takes up the whole length (12.7 mm): nothing is left "
         "for beads";
  QTest::newRow("length beyond the limit")
      << "500" << QStringList{"8", "1", "15"}
      << "'500' is too large: the finished length in inches can be at most 400";
  QTest::newRow("letters in the clasp")
      << "18" << QStringList{"8", "1", "1o"} << "'1o' is not a valid floating point value";
}

void KnottedStrandTest::badInput() {
  QFETCH(QString, inch);
  QFETCH(QStringList, boxes);
  QFETCH(QString, message);
  try {
    knottedStrandEnter({{QString(), inch, BenchUnit::Inch}, boxes[0], boxes[1], boxes[2]});
    QFAIL("no failure");
  } catch (const ConversionError& e) {
    QCOMPARE(QString::fromStdString(e.what()), message);
  }
}

QTEST_GUILESS_MAIN(KnottedStrandTest)
#include "tst_knotted_strand.moc"
