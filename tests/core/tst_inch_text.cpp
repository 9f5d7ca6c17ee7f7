#include <QTest>
#include <cmath>

#include "core/inch_text.h"
#include "core/text_rules.h"

using namespace orvane;

class InchTextTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void exact_data();
  void exact();
  void refused_data();
  void refused();
};

void InchTextTest::exact_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<double>("inches");
  // Binary fractions come out exact, not to the nearest thousandth.
  QTest::newRow("1/16") << "1/16" << 0.0625;
  QTest::newRow("3/16") << "3/16" << 0.1875;
  QTest::newRow("1/64") << "1/64" << 0.015625;
  QTest::newRow("1 1/64") << "1 1/64" << 1.015625;
  QTest::newRow("improper 17/16") << "17/16" << 1.0625;
  QTest::newRow("spaces around the slash and the ends") << "  2  3 / 8 " << 2.375;
  QTest::newRow("a third, correctly rounded") << "1/3" << 1.0 / 3.0;
  QTest::newRow("decimal") << "0.0625" << 0.0625;
  QTest::newRow("whole") << "6" << 6.0;
  QTest::newRow("zero fraction") << "0/8" << 0.0;
  QTest::newRow("minus zero reads as zero") << "-0" << 0.0;
}

void InchTextTest::exact() {
  QFETCH(QString, text);
  QFETCH(double, inches);
  const long double read = parseInchesExact(text);
  QCOMPARE(double(read), inches);
  QVERIFY(!std::signbit(read));
}

void InchTextTest::refused_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("fraction");  // the fraction message, else a number message
  QTest::newRow("zero denominator") << "1/0" << true;
  QTest::newRow("no denominator") << "1/" << true;
  QTest::newRow("no numerator") << "/4" << true;
  QTest::newRow("two slashes") << "1/2/3" << true;
  QTest::newRow("negative fraction") << "-1/2" << true;
  QTest::newRow("decimal numerator") << "1.5/2" << true;
  QTest::newRow("three parts") << "1 2 3/4" << true;
  QTest::newRow("letters") << "abc" << false;
  QTest::newRow("empty") << "" << false;
  QTest::newRow("nan") << "nan" << false;
  QTest::newRow("inf") << "inf" << false;
  QTest::newRow("beyond a double") << "1e999" << false;
}

void InchTextTest::refused() {
  QFETCH(QString, text);
  QFETCH(bool, fraction);
  try {
    parseInchesExact(text);
    QFAIL("taken");
  } catch (const FractionError& e) {
    QVERIFY(fraction);
    QCOMPARE(QString::fromStdString(e.what()), QString::fromLatin1(kFractionMessage));
  } catch (const ConversionError& e) {
    QVERIFY(!fraction);
    QVERIFY(QString::fromStdString(e.what()).endsWith(QStringLiteral("is not a valid floating point value")));
  }
}

QTEST_GUILESS_MAIN(InchTextTest)
#include "tst_inch_text.moc"
