#include <QTest>

#include "core/bench_size_input.h"
#include "core/inch_text.h"
#include "core/text_rules.h"

using namespace orvane;

// The exact inch reader, and the bench boxes' reading and checking of sizes.
class BenchSizeInputTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void exact_data();
  void exact();
  void refused_data();
  void refused();
  void sizePairs_data();
  void sizePairs();
  void ranges_data();
  void ranges();
  void readable_data();
  void readable();
};

void BenchSizeInputTest::exact_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<double>("inches");
  // Sixteenths and sixty-fourths are exact in binary: compared exactly.
  QTest::newRow("1/16") << "1/16" << 0.0625;
  QTest::newRow("3/16") << "3/16" << 0.1875;
  QTest::newRow("1/64") << "1/64" << 0.015625;
  QTest::newRow("1 1/64") << "1 1/64" << 1.015625;
  QTest::newRow("blanks around and between") << "  2   3/8 " << 2.375;
  QTest::newRow("decimal") << "0.0625" << 0.0625;
  QTest::newRow("whole") << "18" << 18.0;
  QTest::newRow("improper") << "17/16" << 1.0625;
  QTest::newRow("space after the slash") << "1/ 4" << 0.25;
}

void BenchSizeInputTest::exact() {
  QFETCH(QString, typed);
  QFETCH(double, inches);
  QCOMPARE(double(parseInchesExact(typed)), inches);
}

void BenchSizeInputTest::refused_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("fraction");  // the fraction reader's error, not the number reader's
  QTest::newRow("letters") << "abc" << false;
  QTest::newRow("empty") << "" << false;
  QTest::newRow("nan") << "nan" << false;
  QTest::newRow("inf") << "inf" << false;
  QTest::newRow("zero denominator") << "1/0" << true;
  QTest::newRow("letter denominator") << "1/a" << true;
  QTest::newRow("two slashes") << "1/2/3" << true;
  QTest::newRow("no numerator") << "/4" << true;
  QTest::newRow("decimal numerator") << "1.5/4" << true;
  QTest::newRow("too many digits") << "1/12345678901" << true;
  QTest::newRow("negative fraction") << "-1/2" << true;
}

void BenchSizeInputTest::refused() {
  QFETCH(QString, typed);
  QFETCH(bool, fraction);
  if (fraction)
    QVERIFY_THROWS_EXCEPTION(FractionError, parseInchesExact(typed));
  else
    QVERIFY_THROWS_EXCEPTION(ConversionError, parseInchesExact(typed));
}

void BenchSizeInputTest::sizePairs_data() {
  QTest::addColumn<QString>("mm");
  QTest::addColumn<QString>("inch");
  QTest::addColumn<bool>("fromInch");
  QTest::addColumn<QString>("shownMm");
  QTest::addColumn<QString>("shownInch");
  QTest::newRow("1/16 inch is 1.5875 mm") << "9"
                                          << "1/16" << true << "1.5875"
                                          << "1/16";
  QTest::newRow("3/16 inch") << ""
                             << "3/16" << true << "4.7625"
                             << "3/16";
  QTest::newRow("1/64 inch to six decimals") << ""
                                             << "1/64" << true << "0.396875"
                                             << "1/64";
  QTest::newRow("mm to inches") << "5"
                                << "7" << false << "5"
                                << "0.19685";
  QTest::newRow("25.4 mm is one inch") << "25.4"
                                       << "" << false << "25.4"
                                       << "1";
  QTest::newRow("empty source empties the twin") << ""
                                                 << "2" << false << ""
                                                 << "";
}

void BenchSizeInputTest::sizePairs() {
  QFETCH(QString, mm);
  QFETCH(QString, inch);
  QFETCH(bool, fromInch);
  QFETCH(QString, shownMm);
  QFETCH(QString, shownInch);
  BenchSize shown;
  const auto value = readBenchSize({mm, inch, fromInch ? BenchUnit::Inch : BenchUnit::Mm}, shown,
                                   {QStringLiteral("a size"), 100});
  QCOMPARE(shown.mm, shownMm);
  QCOMPARE(shown.inch, shownInch);
  QCOMPARE(value.has_value(), !shownMm.isEmpty());
}

void BenchSizeInputTest::ranges_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("fromInch");
  QTest::addColumn<bool>("zeroAllowed");
  QTest::addColumn<QString>("message");  // empty: accepted
  QTest::newRow("zero") << "0" << false << false << "'0' is zero: the size in mm must be more than 0";
  QTest::newRow("zero allowed") << "0" << false << true << "";
  QTest::newRow("negative") << "-2" << false << true
                            << "'-2' is below zero: the size in mm must be 0 or more";
  // A minus before a fraction is no fraction the reader knows.
  QTest::newRow("negative fraction") << "-1/4" << true << false << "Cannot convert Fraction to Decimal.";
  QTest::newRow("limit itself") << "50.8" << false << false << "";
  QTest::newRow("beyond the limit") << "50.81" << false << false
                                    << "'50.81' is too large: the size in mm can be at most 50.8";
  QTest::newRow("beyond the limit in inches")
      << "2 1/64" << true << false << "'2 1/64' is too large: the size in inches can be at most 2";
  QTest::newRow("overflowing exponent")
      << "1e5000" << false << false << "'1e5000' is not a valid floating point value";
  QTest::newRow("tiny exponent is zero")
      << "1e-5000" << false << false << "'1e-5000' is zero: the size in mm must be more than 0";
  // The least size, 0.0254 mm here: a thousandth of an inch.
  QTest::newRow("the least itself") << "0.0254" << false << false << "";
  QTest::newRow("under the least") << "0.025" << false << false
                                   << "'0.025' is too small: the size in mm must be at least 0.0254";
  QTest::newRow("far under the least, still finite")
      << "1e-400" << false << false << "'1e-400' is too small: the size in mm must be at least 0.0254";
  QTest::newRow("under the least in inches")
      << "1/2000" << true << false << "'1/2000' is too small: the size in inches must be at least 0.001";
  QTest::newRow("zero where zero is allowed") << "0" << false << true << "";
  QTest::newRow("just above zero where zero is allowed")
      << "0.001" << false << true << "'0.001' is too small: the size in mm must be at least 0.0254";
}

void BenchSizeInputTest::ranges() {
  QFETCH(QString, typed);
  QFETCH(bool, fromInch);
  QFETCH(bool, zeroAllowed);
  QFETCH(QString, message);
  BenchSize shown;
  const BenchSize in{fromInch ? QString() : typed, fromInch ? typed : QString(),
                     fromInch ? BenchUnit::Inch : BenchUnit::Mm};
  try {
    readBenchSize(in, shown, {QStringLiteral("the size"), 50.8L, zeroAllowed, 0.0254L});
    QCOMPARE(QString(), message);
  } catch (const std::exception& e) {
    QCOMPARE(QString::fromStdString(e.what()), message);
  }
}

void BenchSizeInputTest::readable_data() {
  QTest::addColumn<double>("value");
  QTest::addColumn<int>("decimals");
  QTest::addColumn<QString>("shown");
  QTest::newRow("as many decimals as asked") << 1.006 << 2 << "1.01";
  QTest::newRow("large") << 12345.678 << 2 << "12345.68";
  QTest::newRow("two digits at the decimals asked") << 0.12 << 2 << "0.12";
  QTest::newRow("rounds up to two digits") << 0.0951 << 2 << "0.10";
  QTest::newRow("one more decimal") << 0.094 << 2 << "0.094";
  QTest::newRow("melee diamond") << 0.00366 << 2 << "0.0037";
  QTest::newRow("fine wire's grams") << 0.00000081367 << 4 << "0.00000081";
  QTest::newRow("zero stays at its decimals") << 0.0 << 4 << "0.0000";
  QTest::newRow("no more than eighteen decimals") << 1e-30 << 2 << "0.000000000000000000";
}

void BenchSizeInputTest::readable() {
  QFETCH(double, value);
  QFETCH(int, decimals);
  QFETCH(QString, shown);
  QCOMPARE(benchReadable(value, decimals), shown);
}

QTEST_GUILESS_MAIN(BenchSizeInputTest)
#include "tst_bench_size_input.moc"
