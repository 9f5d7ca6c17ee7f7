#include <QTest>
#include <cmath>

#include "core/chart_tables.h"
#include "core/fraction_table.h"
#include "core/size_tables.h"
#include "core/text_rules.h"

using namespace orvane;

namespace {

double Num(const char* text) { return double(TextToNumber(QString::fromLatin1(text))); }

// "5/64" -> 0.078125, "1" -> 1.
double FractionValue(QString text) {
  const qsizetype slash = text.indexOf(u'/');
  if (slash < 0) return TextToNumber(text);
  return text.left(slash).trimmed().toDouble() / text.mid(slash + 1).trimmed().toDouble();
}

// A cell value right-aligned in its column's width, as the fractions grid
// writes it: n blanks before a one-digit value, n - 1 before two digits.
QString Aligned(int value, int blanksForOneDigit) {
  if (value <= 0) return QString();
  const QString digits = QString::number(value);
  return QString(blanksForOneDigit + 1 - int(digits.size()), u' ') + digits;
}

// n / d rounded half up to `decimals`, in whole integer steps, as text.
QString HalfUp(long long n, long long d, int decimals) {
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
    const double diaIn = Num(e.DiaIn), cirIn = Num(e.CirIn), diaMm = Num(e.DiaMm), cirMm = Num(e.CirMm);
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
    const double inches = Num(e.Inches);
    QCOMPARE(std::abs(FractionValue(fraction) - inches) > 1e-9, approximate);
    QVERIFY2(std::abs(inches * 25.4 - Num(e.Millimeters)) < 0.00001, size);
  }
}

void ChartTablesTest::wireGaugeMillimetresMatchInches() {
  double previous = 0;
  for (const WireGaugeEntry& e : WireGaugeTable) {
    const QByteArray gauge(e.Gauge);
    const double mm = Num(e.Millimeters);
    QVERIFY2(mm > previous, gauge);  // thicker wire from gauge 40 down to 0000
    QVERIFY2(std::abs(Num(e.Inches) * 25.4 - mm) <= 0.0001, gauge);
    previous = mm;
  }
}

// Columns /4 to MM of row n are what n/64 inch makes of them, in their
// aligned texts; checked against an independent reckoning.
void ChartTablesTest::fractionRowsFollowTheSixtyFourths() {
  for (int n = 1; n <= 64; ++n) {
    const QStringList v = FractionValues(n - 1);
    QCOMPARE(v.size(), 9);
    const QString at = QStringLiteral("n = %1").arg(n);
    QVERIFY2(v[0] == Aligned(n % 16 == 0 ? n / 16 : 0, 2), qPrintable(at));
    QVERIFY2(v[1] == Aligned(n % 8 == 0 ? n / 8 : 0, 2), qPrintable(at));
    QVERIFY2(v[2] == Aligned(n % 4 == 0 ? n / 4 : 0, 3), qPrintable(at));
    QVERIFY2(v[3] == Aligned(n % 2 == 0 ? n / 2 : 0, 2), qPrintable(at));
    QVERIFY2(v[4] == Aligned(n, 2), qPrintable(at));
    QVERIFY2(v[5] == HalfUp(n, 64, 4), qPrintable(at));
    QString mm = HalfUp(254LL * n, 640, 3);  // n x 25.4 / 64
    if (mm.size() < 6) mm.prepend(QStringLiteral("  "));
    QVERIFY2(v[6] == mm, qPrintable(at));
  }
}

void ChartTablesTest::fractionStoneAndPearlColumns() {
  for (int n = 1; n <= 64; ++n) {
    const QStringList v = FractionValues(n - 1);
    const QString at = QStringLiteral("n = %1").arg(n);
    QVERIFY2(v[7].isEmpty() == (n == 1 || n >= 62), qPrintable(at));
    QVERIFY2(v[8].isEmpty() == (n < 2 || n > 11), qPrintable(at));
    if (!v[7].isEmpty()) QVERIFY2(v[7].size() == 5, qPrintable(at));  // right-aligned
  }
  QCOMPARE(FractionValues(1)[7], QStringLiteral(" 000~"));
  QCOMPARE(FractionValues(1)[8], QStringLiteral(" 1~"));
  QCOMPARE(FractionValues(4)[8], QStringLiteral("13"));
  QCOMPARE(FractionValues(60)[7], QStringLiteral("   99"));
}

// A stone size or pearl plate without "~" is the one whose range holds the
// row's millimetres, as the size converter finds it.
void ChartTablesTest::fractionSizesAgreeWithSizeTables() {
  for (int n = 1; n <= 64; ++n) {
    const QStringList v = FractionValues(n - 1);
    const int key = SizeLookupKey(TextToNumber(v[6]));
    const QString ss = v[7].trimmed(), pp = v[8].trimmed();
    const QString at = QStringLiteral("n = %1, %2 mm").arg(n).arg(v[6].trimmed());
    if (!ss.isEmpty() && !ss.endsWith(u'~')) QVERIFY2(ss == StoneAnswer(key), qPrintable(at));
    if (!pp.isEmpty() && !pp.endsWith(u'~')) QVERIFY2(pp == PearlAnswer(key), qPrintable(at));
  }
  QCOMPARE(FractionValues(57)[7], QStringLiteral("   95"));
}

void ChartTablesTest::chartRows_data() {
  QTest::addColumn<QStringList>("values");
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("jump 0, approximate")
      << JumpGridValues(0) << QStringList{"  0", "  1.98120", "~5/64\"", "0.078000"};
  QTest::newRow("jump 1 1/2") << JumpGridValues(3)
                              << QStringList{"  1  1/2", "  3.57188", "  9/64\"", "0.140625"};
  QTest::newRow("jump 10, no spaces")
      << JumpGridValues(12) << QStringList{"10", "11.90625", "15/32\"", "0.468750"};
  QTest::newRow("jump 18, whole inch")
      << JumpGridValues(20) << QStringList{"18", "25.40000", "   1\"", "1.000000"};
  QTest::newRow("wire 40") << WireGridValues(0) << QStringList{"  40", "  0.0799", "0.003145"};
  QTest::newRow("wire 9") << WireGridValues(31) << QStringList{"   9", "  2.9058", "0.114400"};
  QTest::newRow("wire 0000") << WireGridValues(43) << QStringList{"0000", "11.6840", "0.460000"};
  QTest::newRow("ring 000") << RingNGridValues(0)
                            << QStringList{"  000", "0.394", "1.238", "10.008", "31.440"};
  QTest::newRow("ring 13 3/4") << RingNGridValues(78)
                               << QStringList{"13  3/4", "0.898", "2.821", "22.809", "71.657"};
  QTest::newRow("ring 14, mended") << RingNGridValues(79)
                                   << QStringList{"14", "0.906", "2.846", "23.012", "72.296"};
  QTest::newRow("ring 15") << RingNGridValues(85) << QStringList{"15", "0.938", "2.947", "23.825", "74.849"};
  QTest::newRow("int 000, Germany only")
      << RingIntGridValues(0) << QStringList{"  000", "", "", "10", "", ""};
  QTest::newRow("int 00, none") << RingIntGridValues(1) << QStringList{"   00", "", "", "", "", ""};
  QTest::newRow("int 3 3/4, Switz. unaligned")
      << RingIntGridValues(22) << QStringList{"3  3/4", "H", "", "", "", "6  1/2"};
  QTest::newRow("int 6, every country")
      << RingIntGridValues(36) << QStringList{"6", "M", "51  1/2", "16  1/2", "12", "12  3/4"};
  QTest::newRow("int 7 1/4, one space")
      << RingIntGridValues(41) << QStringList{"7  1/4", "O 1/2", "", "17  1/2", "", ""};
  QTest::newRow("int 13 1/4, one space")
      << RingIntGridValues(75) << QStringList{"13  1/4", "", "69  3/4", "22 1/2", "", ""};
  QTest::newRow("int 15") << RingIntGridValues(85) << QStringList{"15", "", "74", "", "", ""};
}

void ChartTablesTest::chartRows() {
  QFETCH(QStringList, values);
  QFETCH(QStringList, expected);
  QCOMPARE(values, expected);
}

QTEST_GUILESS_MAIN(ChartTablesTest)
#include "tst_chart_tables.moc"
