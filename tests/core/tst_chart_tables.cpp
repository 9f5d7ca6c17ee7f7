#include <QTest>
#include <cmath>

#include "core/chart_tables.h"
#include "core/fraction_table.h"
#include "core/size_tables.h"
#include "core/text_rules.h"

using namespace orvane;

namespace {

double num(const char* text) { return double(textToNumber(QString::fromLatin1(text))); }

// "5/64" -> 0.078125, "1" -> 1.
double fractionValue(QString text) {
  const qsizetype slash = text.indexOf(u'/');
  if (slash < 0) return textToNumber(text);
  return text.left(slash).trimmed().toDouble() / text.mid(slash + 1).trimmed().toDouble();
}

// A cell value right-aligned in its column's width, as the fractions grid
// writes it: n blanks before a one-digit value, n - 1 before two digits.
QString aligned(int value, int blanksForOneDigit) {
  if (value <= 0) return QString();
  const QString digits = QString::number(value);
  return QString(blanksForOneDigit + 1 - int(digits.size()), u' ') + digits;
}

// n / d rounded half up to `decimals`, in whole integer steps, as text.
QString halfUp(long long n, long long d, int decimals) {
  long long scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  const long long q = (2 * n * scale + d) / (2 * d);
  return QStringLiteral("%1.%2").arg(q / scale).arg(q % scale, decimals, 10, QLatin1Char('0'));
}

}  // namespace

class ChartTablesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void ringSizesGrowAndAgree();
  void ringEquivalentsFollowTheSameSizes();
  void jumpRingFractionsMarkOnlyApproximations();
  void wireGaugeMillimetresMatchInches();
  void fractionRowsFollowTheSixtyFourths();
  void fractionStoneAndPearlColumns();
  void fractionSizesAgreeWithSizeTables();
  void chartRows_data();
  void chartRows();
};

// Each size is a larger ring than the one before, and its four measures
// describe one circle: mm = in x 25.4, circumference = pi x diameter.
void ChartTablesTest::ringSizesGrowAndAgree() {
  double previous = 0;
  for (const RingSizeEntry& e : RingSizeTable) {
    const QByteArray size(e.NAmerica);
    const double diaIn = num(e.DiaIn), cirIn = num(e.CirIn), diaMm = num(e.DiaMm), cirMm = num(e.CirMm);
    QVERIFY2(diaIn > previous, size);
    QVERIFY2(std::abs(diaIn * 25.4 - diaMm) <= 0.0006, size);
    QVERIFY2(std::abs(M_PI * diaIn - cirIn) <= 0.0006, size);
    QVERIFY2(std::abs(M_PI * diaMm - cirMm) <= 0.002, size);
    previous = diaIn;
  }
}

void ChartTablesTest::ringEquivalentsFollowTheSameSizes() {
  for (size_t i = 0; i < RingSizeTable.size(); ++i)
    QCOMPARE(QByteArray(RingEquivalentTable[i].NAmerica), QByteArray(RingSizeTable[i].NAmerica));
}

// "~" stands before a fraction exactly when it differs from the inch value;
// the millimetres are the inches x 25.4 in every row.
void ChartTablesTest::jumpRingFractionsMarkOnlyApproximations() {
  for (const JumpRingEntry& e : JumpRingTable) {
    const QByteArray size(e.Size);
    QString fraction = QLatin1String(e.Fraction);
    const bool approximate = fraction.startsWith(u'~');
    if (approximate) fraction.remove(0, 1);
    const double inches = num(e.Inches);
    QCOMPARE(std::abs(fractionValue(fraction) - inches) > 1e-9, approximate);
    QVERIFY2(std::abs(inches * 25.4 - num(e.Millimeters)) < 0.00001, size);
  }
}

void ChartTablesTest::wireGaugeMillimetresMatchInches() {
  double previous = 0;
  for (const WireGaugeEntry& e : WireGaugeTable) {
    const QByteArray gauge(e.Gauge);
    const double mm = num(e.Millimeters);
    QVERIFY2(mm > previous, gauge);  // thicker wire from gauge 40 down to 0000
    QVERIFY2(std::abs(num(e.Inches) * 25.4 - mm) <= 0.0001, gauge);
    previous = mm;
  }
}

// Columns /4 to MM of row n are what n/64 inch makes of them, in their
// aligned texts; checked against an independent reckoning.
void ChartTablesTest::fractionRowsFollowTheSixtyFourths() {
  for (int n = 1; n <= 64; ++n) {
    const QStringList v = fractionValues(n - 1);
    QCOMPARE(v.size(), 9);
    const QString at = QStringLiteral("n = %1").arg(n);
    QVERIFY2(v[0] == aligned(n % 16 == 0 ? n / 16 : 0, 2), qPrintable(at));
    QVERIFY2(v[1] == aligned(n % 8 == 0 ? n / 8 : 0, 2), qPrintable(at));
    QVERIFY2(v[2] == aligned(n % 4 == 0 ? n / 4 : 0, 3), qPrintable(at));
    QVERIFY2(v[3] == aligned(n % 2 == 0 ? n / 2 : 0, 2), qPrintable(at));
    QVERIFY2(v[4] == aligned(n, 2), qPrintable(at));
    QVERIFY2(v[5] == halfUp(n, 64, 4), qPrintable(at));
    QString mm = halfUp(254LL * n, 640, 3);  // n x 25.4 / 64
    if (mm.size() < 6) mm.prepend(QStringLiteral("  "));
    QVERIFY2(v[6] == mm, qPrintable(at));
  }
}

void ChartTablesTest::fractionStoneAndPearlColumns() {
  for (int n = 1; n <= 64; ++n) {
    const QStringList v = fractionValues(n - 1);
    const QString at = QStringLiteral("n = %1").arg(n);
    QVERIFY2(v[7].isEmpty() == (n == 1 || n >= 62), qPrintable(at));
    QVERIFY2(v[8].isEmpty() == (n < 2 || n > 11), qPrintable(at));
    if (!v[7].isEmpty()) QVERIFY2(v[7].size() == 5, qPrintable(at));  // right-aligned
  }
  QCOMPARE(fractionValues(1)[7], QStringLiteral(" 000~"));
  QCOMPARE(fractionValues(1)[8], QStringLiteral(" 1~"));
  QCOMPARE(fractionValues(4)[8], QStringLiteral("13"));
  QCOMPARE(fractionValues(60)[7], QStringLiteral("   99"));
}

// A stone size or pearl plate without "~" is the one whose range holds the
// row's millimetres, as the size converter finds it.
void ChartTablesTest::fractionSizesAgreeWithSizeTables() {
  for (int n = 1; n <= 64; ++n) {
    const QStringList v = fractionValues(n - 1);
    const int key = sizeLookupKey(textToNumber(v[6]));
    const QString ss = v[7].trimmed(), pp = v[8].trimmed();
    const QString at = QStringLiteral("n = %1, %2 mm").arg(n).arg(v[6].trimmed());
    if (!ss.isEmpty() && !ss.endsWith(u'~')) QVERIFY2(ss == stoneAnswer(key), qPrintable(at));
    if (!pp.isEmpty() && !pp.endsWith(u'~')) QVERIFY2(pp == pearlAnswer(key), qPrintable(at));
  }
  QCOMPARE(fractionValues(57)[7], QStringLiteral("   95"));
}

void ChartTablesTest::chartRows_data() {
  QTest::addColumn<QStringList>("values");
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("jump 0, approximate")
      << jumpGridValues(0) << QStringList{"  0", "  1.98120", "~5/64\"", "0.078000"};
  QTest::newRow("jump 1 1/2") << jumpGridValues(3)
                              << QStringList{"  1  1/2", "  3.57188", "  9/64\"", "0.140625"};
  QTest::newRow("jump 10, no spaces")
      << jumpGridValues(12) << QStringList{"10", "11.90625", "15/32\"", "0.468750"};
  QTest::newRow("jump 18, whole inch")
      << jumpGridValues(20) << QStringList{"18", "25.40000", "   1\"", "1.000000"};
  QTest::newRow("wire 40") << wireGridValues(0) << QStringList{"  40", "  0.0799", "0.003145"};
  QTest::newRow("wire 9") << wireGridValues(31) << QStringList{"   9", "  2.9058", "0.114400"};
  QTest::newRow("wire 0000") << wireGridValues(43) << QStringList{"0000", "11.6840", "0.460000"};
  QTest::newRow("ring 000") << ringNGridValues(0)
                            << QStringList{"  000", "0.394", "1.238", "10.008", "31.440"};
  QTest::newRow("ring 13 3/4") << ringNGridValues(78)
                               << QStringList{"13  3/4", "0.898", "2.821", "22.809", "71.657"};
  QTest::newRow("ring 14, mended") << ringNGridValues(79)
                                   << QStringList{"14", "0.906", "2.846", "23.012", "72.296"};
  QTest::newRow("ring 15") << ringNGridValues(85) << QStringList{"15", "0.938", "2.947", "23.825", "74.849"};
  QTest::newRow("int 000, Germany only")
      << ringIntGridValues(0) << QStringList{"  000", "", "", "10", "", ""};
  QTest::newRow("int 00, none") << ringIntGridValues(1) << QStringList{"   00", "", "", "", "", ""};
  QTest::newRow("int 3 3/4, Switz. unaligned")
      << ringIntGridValues(22) << QStringList{"3  3/4", "H", "", "", "", "6  1/2"};
  QTest::newRow("int 6, every country")
      << ringIntGridValues(36) << QStringList{"6", "M", "51  1/2", "16  1/2", "12", "12  3/4"};
  QTest::newRow("int 7 1/4, one space")
      << ringIntGridValues(41) << QStringList{"7  1/4", "O 1/2", "", "17  1/2", "", ""};
  QTest::newRow("int 13 1/4, one space")
      << ringIntGridValues(75) << QStringList{"13  1/4", "", "69  3/4", "22 1/2", "", ""};
  QTest::newRow("int 15") << ringIntGridValues(85) << QStringList{"15", "", "74", "", "", ""};
}

void ChartTablesTest::chartRows() {
  QFETCH(QStringList, values);
  QFETCH(QStringList, expected);
  QCOMPARE(values, expected);
}

QTEST_GUILESS_MAIN(ChartTablesTest)
#include "tst_chart_tables.moc"
