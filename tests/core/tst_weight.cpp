#include <QTest>

#include "core/text_rules.h"
#include "core/weight.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::WeightUnit)

class WeightTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void convert_data();
  void convert();
  void overflow_data();
  void overflow();
  void markers();
};

namespace {
// A null text stands for the source box, which the conversion leaves alone.
const QString kSource;
}  // namespace

void WeightTest::convert_data() {
  QTest::addColumn<WeightUnit>("source");
  QTest::addColumn<double>("value");
  QTest::addColumn<QStringList>("expected");  // carats, grams, kilograms, ounces, pounds

  // Fixed 4 and general formats are per cell: the same unit is general from
  // one source and fixed from another.
  QTest::newRow("1 carat") << WeightUnit::Carat << 1.0
                           << QStringList{kSource, "0.2", "0.0002", "0.0071", "0.0004"};
  QTest::newRow("100 grams") << WeightUnit::Gram << 100.0
                             << QStringList{"500", kSource, "0.1000", "3.5274", "0.2205"};
  QTest::newRow("1 kilogram") << WeightUnit::KGram << 1.0
                              << QStringList{"5000", "1000", kSource, "35.2740", "2.2046"};
  // Carats from the unrounded grams (28.349523 x 5), not from "28.3495" x 5.
  QTest::newRow("1 ounce") << WeightUnit::Ounce << 1.0
                           << QStringList{"141.7476", "28.3495", "0.0283", kSource, "0.0625"};
  QTest::newRow("2 pounds") << WeightUnit::Pound << 2.0
                            << QStringList{"4535.9237", "907.1847", "0.9072", "32", kSource};
  QTest::newRow("half a carat") << WeightUnit::Carat << 0.5
                                << QStringList{kSource, "0.1", "0.0001", "0.0035", "0.0002"};
  QTest::newRow("tiny gram in exponent form")
      << WeightUnit::Gram << 0.000002 << QStringList{"1E-5", kSource, "0.0000", "0.0000", "0.0000"};
  // Fixed results too long for 12 digits fall back to the exponent form.
  QTest::newRow("huge kilograms") << WeightUnit::KGram << 5e12
                                  << QStringList{"2.5E16", "5E15", kSource, "1.76369809748E14",
                                                 "1.10231131092E13"};
  QTest::newRow("fixed keeps 12 significant digits")
      << WeightUnit::Gram << 1234567890123.4
      << QStringList{"6172839450617", kSource, "1234567890.1200", "43548100780.4000", "2721756298.7700"};
  // Ounces and pounds from the defined pound (453.59237 g, 16 oz), worked
  // exactly: a rounded factor of 0.035274 oz/g showed 70548.0000 here.
  QTest::newRow("two million grams") << WeightUnit::Gram << 2000000.0
                                     << QStringList{"10000000", kSource, "2000.0000", "70547.9239",
                                                    "4409.2452"};
  QTest::newRow("ounce to carats exactly")
      << WeightUnit::Ounce << 1000.0 << QStringList{"141747.6156", "28349.5231", "28.3495", kSource, "62.5"};
  QTest::newRow("zero pounds") << WeightUnit::Pound << 0.0
                               << QStringList{"0.0000", "0.0000", "0.0000", "0", kSource};
}

void WeightTest::convert() {
  QFETCH(WeightUnit, source);
  QFETCH(double, value);
  QFETCH(QStringList, expected);
  const auto texts = convertWeight(source, value);
  for (int i = 0; i < kWeightUnitCount; ++i) {
    QCOMPARE(texts[i], expected[i]);
    QCOMPARE(texts[i].isNull(), expected[i].isNull());
  }
}

void WeightTest::overflow_data() {
  QTest::addColumn<WeightUnit>("source");
  QTest::addColumn<QString>("value");
  QTest::newRow("grams beyond a double") << WeightUnit::Gram << "1E309";
  QTest::newRow("ounces to grams beyond a double") << WeightUnit::Ounce << "1E308";
  QTest::newRow("kilograms to grams beyond a double") << WeightUnit::KGram << "1E306";
}

void WeightTest::overflow() {
  QFETCH(WeightUnit, source);
  QFETCH(QString, value);
  try {
    convertWeight(source, textToNumber(value));
    QFAIL("no overflow reported");
  } catch (const MathError& e) {
    QCOMPARE(QString::fromLatin1(e.what()), QString::fromLatin1(kOverflow));
  }
}

void WeightTest::markers() {
  const QStringList names{"Carat", "Gram", "KGram", "Ounce", "Pound"};
  for (int i = 0; i < kWeightUnitCount; ++i) {
    QCOMPARE(weightMarker(WeightUnit(i)), names[i]);
    QCOMPARE(weightUnitOfMarker(names[i]), std::optional<WeightUnit>(WeightUnit(i)));
  }
  QVERIFY(!weightUnitOfMarker(QString()).has_value());
  QVERIFY(!weightUnitOfMarker("MM").has_value());
}

QTEST_GUILESS_MAIN(WeightTest)
#include "tst_weight.moc"
