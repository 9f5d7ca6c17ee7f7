#include <QTest>

#include "core/bead_formulas.h"
#include "core/text_rules.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::BeadSizeMarker)

class BeadFormulasTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void strand_data();
  void strand();
  void zeroSizeIsDivisionByZero();
  void beadCount_data();
  void beadCount();
  void packedStones_data();
  void packedStones();
  void spacedStones_data();
  void spacedStones();
  void roundStoneCount_data();
  void roundStoneCount();
  void hugeAreasAreErrors_data();
  void hugeAreasAreErrors();
  void blanksAndValues();
};

// Size text, marker, count, desired length → the three shown results.
void BeadFormulasTest::strand_data() {
  QTest::addColumn<QString>("sizeText");
  QTest::addColumn<BeadSizeMarker>("marker");
  QTest::addColumn<int>("count");
  QTest::addColumn<QString>("desired");
  QTest::addColumn<QString>("rate");
  QTest::addColumn<QString>("length");
  QTest::addColumn<QString>("total");
  QTest::newRow("1/8 inch, 42 beads, 17 1/2 in") << "1/8" << BeadSizeMarker::Inch << 42 << "17 1/2"
                                                 << "8.00"
                                                 << "5.25"
                                                 << "140.00";
  QTest::newRow("6 mm, 20, 16 in") << "6" << BeadSizeMarker::Mm << 20 << "16"
                                   << "4.23"
                                   << "4.72"
                                   << "67.73";
  QTest::newRow("one bead of 6 mm") << "6" << BeadSizeMarker::Mm << 1 << "."
                                    << "4.23"
                                    << "0.24"
                                    << "0.00";
  QTest::newRow("no beads") << "4" << BeadSizeMarker::Mm << 0 << "1"
                            << "6.35"
                            << "0.00"
                            << "6.35";
  QTest::newRow("a million beads in exponent form") << "1" << BeadSizeMarker::Mm << 1 << "100000"
                                                    << "25.40"
                                                    << "0.04"
                                                    << "2.54E6";
  QTest::newRow("blanks around") << " 0.25 " << BeadSizeMarker::Inch << 10 << "3/4"
                                 << "4.00"
                                 << "2.50"
                                 << "3.00";
  QTest::newRow("mixed number whole part") << "1 1/2" << BeadSizeMarker::Inch << 2 << "3"
                                           << "0.67"
                                           << "3.00"
                                           << "2.00";
  // Fractions are read exactly: to the nearest thousandth 1/64 was 0.016 in,
  // 62.50 beads per inch.
  QTest::newRow("1/64 inch read exactly") << "1/64" << BeadSizeMarker::Inch << 64 << "1/2"
                                          << "64.00"
                                          << "1.00"
                                          << "32.00";
  // 25.4 / 8 is 3.175 exactly and shows rounded once, up; in single
  // precision it was 3.1749999 and showed 3.17.
  QTest::newRow("8 mm, a half to round") << "8" << BeadSizeMarker::Mm << 100 << "1"
                                         << "3.18"
                                         << "31.50"
                                         << "3.18";
}

void BeadFormulasTest::strand() {
  QFETCH(QString, sizeText);
  QFETCH(BeadSizeMarker, marker);
  QFETCH(int, count);
  QFETCH(QString, desired);
  const long double size = readBeadSize(sizeText, marker);
  const long double rate = beadsPerInch(size, marker);
  QTEST(formatBeadResult(rate), "rate");
  QTEST(formatBeadResult(strandLength(count, size, marker)), "length");
  QTEST(formatBeadResult(beadsForLength(inchTextToNumber(trimBlanks(desired)), rate)), "total");
}

void BeadFormulasTest::zeroSizeIsDivisionByZero() {
  for (const QString& text : {QStringLiteral("0"), QStringLiteral("0.00"), QStringLiteral(".")}) {
    const long double size = readBeadSize(text, BeadSizeMarker::Mm);
    QVERIFY_THROWS_EXCEPTION(MathError, beadsPerInch(size, BeadSizeMarker::Mm));
    try {
      beadsPerInch(size, BeadSizeMarker::Inch);
      QFAIL("a zero size must not give a rate");
    } catch (const MathError& e) {
      QCOMPARE(QString::fromLatin1(e.what()), QString::fromLatin1(kDivisionByZero));
    }
  }
  // An empty millimetre box is a conversion error, naming the empty text.
  try {
    readBeadSize(QString(), BeadSizeMarker::Mm);
    QFAIL("an empty size must not read");
  } catch (const ConversionError& e) {
    QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("'' is not a valid floating point value"));
  }
}

void BeadFormulasTest::beadCount_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("count");
  QTest::addColumn<bool>("positive");
  QTest::newRow("plain") << "42" << 42 << true;
  QTest::newRow("leading zeros") << "007" << 7 << true;
  QTest::newRow("zero") << "0" << 0 << false;
  QTest::newRow("empty") << "" << 1 << false;
  QTest::newRow("largest int") << "2147483647" << 2147483647 << true;
  QTest::newRow("beyond 32 bits") << "2147483648" << 1 << false;
  QTest::newRow("pasted letters") << "12a" << 1 << false;
  QTest::newRow("trailing blank") << "12 " << 1 << false;
}

void BeadFormulasTest::beadCount() {
  QFETCH(QString, text);
  QTEST(int(beadCountOrOne(text)), "count");
  QTEST(isPositiveWholeNumber(text), "positive");
}

void BeadFormulasTest::packedStones_data() {
  QTest::addColumn<QString>("sizeText");
  QTest::addColumn<BeadSizeMarker>("marker");
  QTest::addColumn<QString>("length");
  QTest::addColumn<QString>("width");
  QTest::addColumn<qint64>("square");
  QTest::addColumn<qint64>("hexagonal");
  QTest::newRow("1/8 on 6 1/4x7 1/8") << "1/8" << BeadSizeMarker::Inch << "6 1/4"
                                      << "7 1/8" << qint64(2850) << qint64(3291);
  QTest::newRow("4 mm on 2 x 1") << "4" << BeadSizeMarker::Mm << "2"
                                 << "1" << qint64(81) << qint64(93);
  QTest::newRow("lone point is 0") << "4" << BeadSizeMarker::Mm << "."
                                   << "1" << qint64(0) << qint64(0);
  // 1/2 inch stones: 2 per inch; 6.25 x 1 holds 12.5 x 2 = 25 stones.
  QTest::newRow("half inch") << "1/2" << BeadSizeMarker::Inch << "6.25"
                             << "1" << qint64(25) << qint64(29);
}

void BeadFormulasTest::packedStones() {
  QFETCH(QString, sizeText);
  QFETCH(BeadSizeMarker, marker);
  QFETCH(QString, length);
  QFETCH(QString, width);
  const long double rate = beadsPerInch(readBeadSize(sizeText, marker), marker);
  const StoneCounts counts = packedStoneCounts(inchTextToNumber(length), inchTextToNumber(width), rate);
  QTEST(counts.square, "square");
  QTEST(counts.hexagonal, "hexagonal");
}

void BeadFormulasTest::spacedStones_data() {
  QTest::addColumn<QString>("sizeText");
  QTest::addColumn<BeadSizeMarker>("marker");
  QTest::addColumn<QString>("spacing");
  QTest::addColumn<QString>("length");
  QTest::addColumn<QString>("width");
  QTest::addColumn<double>("spacedRate");
  QTest::addColumn<qint64>("square");
  // 25 x 28.5 = 712.5 stones: the tie goes to the even 712.
  QTest::newRow("1/8 inch spaced 1/4") << "1/8" << BeadSizeMarker::Inch << "1/4"
                                       << "6 1/4"
                                       << "7 1/8" << 4.0 << qint64(712);
  // Spacing is in inches even for a millimetre size: half of 0.01 in is 0.127 mm.
  QTest::newRow("4 mm spaced 0.01 in") << "4" << BeadSizeMarker::Mm << "0.01"
                                       << "2"
                                       << "1" << double(25.4L / (4.0L + 0.127L)) << qint64(76);
  QTest::newRow("zero spacing") << "4" << BeadSizeMarker::Mm << "."
                                << "2"
                                << "1" << 6.35 << qint64(81);
}

void BeadFormulasTest::spacedStones() {
  QFETCH(QString, sizeText);
  QFETCH(BeadSizeMarker, marker);
  QFETCH(QString, spacing);
  QFETCH(QString, length);
  QFETCH(QString, width);
  QFETCH(double, spacedRate);
  const long double size = readBeadSize(sizeText, marker);
  const long double rate = spacedRateFor(size, inchTextToNumber(spacing), marker);
  QCOMPARE(double(rate), spacedRate);
  QTEST(spacedSquareCount(inchTextToNumber(length), inchTextToNumber(width), rate), "square");
}

void BeadFormulasTest::roundStoneCount_data() {
  QTest::addColumn<float>("count");
  QTest::addColumn<qint64>("rounded");
  QTest::newRow("tie down to even") << 712.5f << qint64(712);
  QTest::newRow("tie up to even") << 713.5f << qint64(714);
  QTest::newRow("half to zero") << 0.5f << qint64(0);
  QTest::newRow("above half") << 80.645f << qint64(81);
  QTest::newRow("below half") << 93.49f << qint64(93);
  QTest::newRow("large whole float") << 1.0e18f << qint64(999999984306749440LL);
}

void BeadFormulasTest::roundStoneCount() {
  QFETCH(float, count);
  QTEST(orvane::roundStoneCount(count), "rounded");
}

// Counts beyond a whole number must fail loudly, never wrap to a negative or
// nonsense count.
void BeadFormulasTest::hugeAreasAreErrors_data() {
  QTest::addColumn<QString>("length");
  QTest::addColumn<QString>("width");
  QTest::addColumn<QString>("message");
  QTest::newRow("1E30 inches long") << "1E30"
                                    << "1" << QString::fromLatin1(kStoneCountTooLarge);
  QTest::newRow("1E19 x 1") << "1E19"
                            << "1" << QString::fromLatin1(kStoneCountTooLarge);
  QTest::newRow("square of 1E30 by 1E30") << "1E30"
                                          << "1E30" << QString::fromLatin1(kStoneCountTooLarge);
  QTest::newRow("square beyond extended precision") << "1E3000"
                                                    << "1E3000" << QString::fromLatin1(kOverflow);
}

void BeadFormulasTest::hugeAreasAreErrors() {
  QFETCH(QString, length);
  QFETCH(QString, width);
  QFETCH(QString, message);
  try {
    packedStoneCounts(textToNumber(length), textToNumber(width), 8.0f);
    QFAIL("an area this large must not give a count");
  } catch (const MathError& e) {
    QCOMPARE(QString::fromLatin1(e.what()), message);
  }
  try {
    spacedSquareCount(textToNumber(length), textToNumber(width), 4.0f);
    QFAIL("an area this large must not give a spaced count");
  } catch (const MathError& e) {
    QCOMPARE(QString::fromLatin1(e.what()), message);
  }
}

void BeadFormulasTest::blanksAndValues() {
  QCOMPARE(trimBlanks(QStringLiteral("  1 1/2 \t")), QStringLiteral("1 1/2"));
  QCOMPARE(trimBlanks(QStringLiteral("   ")), QString());
  QVERIFY(!holdsValue(QString()));
  QVERIFY(!holdsValue(QStringLiteral(".")));
  QVERIFY(holdsValue(QStringLiteral("0")));
  QVERIFY(holdsValue(QStringLiteral("..")));  // not a value, but the reader reports that
}

QTEST_GUILESS_MAIN(BeadFormulasTest)
#include "tst_bead_formulas.moc"
