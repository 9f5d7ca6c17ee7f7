#include <QTest>

#include "core/casting.h"
#include "core/text_rules.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::PriceUnit)

class CastingTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void materials();
  void enter_data();
  void enter();
  void metalToMetal_data();
  void metalToMetal();
  void badInput_data();
  void badInput();
};

void CastingTest::materials() {
  QCOMPARE(modelMaterialNames(), (QStringList{"Wax", "Castable resin", "Other"}));
  QCOMPARE(modelDensityText(ModelMaterial::Wax), QStringLiteral("1.00"));
  QCOMPARE(modelDensityText(ModelMaterial::Resin), QStringLiteral("1.10"));
  QCOMPARE(modelDensityText(ModelMaterial::Other), QString());
}

void CastingTest::enter_data() {
  QTest::addColumn<QString>("model");
  QTest::addColumn<QString>("modelDensity");
  QTest::addColumn<QString>("metalDensity");
  QTest::addColumn<QString>("allowance");
  QTest::addColumn<QString>("price");
  QTest::addColumn<PriceUnit>("unit");
  QTest::addColumn<QStringList>("expected");  // g, dwt, ozt, cost
  // 2.50 x 10.36 / 1.00 = 25.90 g; 25.90 / 1.55517384 = 16.654 dwt; / 31.1034768 = 0.8327 ozt.
  QTest::newRow("2.50 g wax in sterling")
      << "2.50"
      << "1.00"
      << "10.36"
      << ""
      << "" << PriceUnit::TroyOunce << QStringList{"25.90", "16.65", "0.833", ""};
  QTest::newRow("with 10 % allowance")
      << "2.50"
      << "1.00"
      << "10.36"
      << "10"
      << "" << PriceUnit::TroyOunce << QStringList{"28.49", "18.32", "0.916", ""};
  // 2.50 x 15.5 / 1.10 = 35.227 g of 18 ct; at 40.00 a gram 1409.09.
  QTest::newRow("resin model in 18 ct, priced per gram")
      << "2.5"
      << "1.10"
      << "15.5"
      << "0"
      << "40" << PriceUnit::Gram << QStringList{"35.23", "22.65", "1.133", "1409.09"};
  // 25.90 g = 16.6541 dwt at 1.50 = 24.98; = 0.83271 ozt at 30 = 24.98.
  QTest::newRow("priced per pennyweight")
      << "2.50"
      << "1.00"
      << "10.36"
      << ""
      << "1.50" << PriceUnit::Pennyweight << QStringList{"25.90", "16.65", "0.833", "24.98"};
  QTest::newRow("priced per troy ounce")
      << "2.50"
      << "1.00"
      << "10.36"
      << ""
      << "30" << PriceUnit::TroyOunce << QStringList{"25.90", "16.65", "0.833", "24.98"};
  QTest::newRow("no model weight yet") << ""
                                       << "1.00"
                                       << "10.36"
                                       << ""
                                       << "30" << PriceUnit::TroyOunce << QStringList{"", "", "", ""};
  QTest::newRow("Other material without a density")
      << "2.50"
      << " "
      << "10.36"
      << ""
      << "" << PriceUnit::TroyOunce << QStringList{"", "", "", ""};
}

void CastingTest::enter() {
  QFETCH(QString, model);
  QFETCH(QString, modelDensity);
  QFETCH(QString, metalDensity);
  QFETCH(QString, allowance);
  QFETCH(QString, price);
  QFETCH(PriceUnit, unit);
  QFETCH(QStringList, expected);
  const CastingOutputs out = castingEnter({model, modelDensity, metalDensity, allowance, price, unit});
  QCOMPARE((QStringList{out.Grams, out.Pennyweights, out.TroyOunces, out.Cost}), expected);
  QCOMPARE(out.Complete, !expected.first().isEmpty());
}

void CastingTest::metalToMetal_data() {
  QTest::addColumn<QString>("weight");
  QTest::addColumn<QString>("from");
  QTest::addColumn<QString>("to");
  QTest::addColumn<QString>("expected");
  // 10 x 15.5 / 10.36 = 14.961 g.
  QTest::newRow("sterling piece in 18 ct") << "10"
                                           << "10.36"
                                           << "15.5"
                                           << "14.96";
  QTest::newRow("and back") << "14.96"
                            << "15.5"
                            << "10.36"
                            << "10.00";
  QTest::newRow("no weight") << ""
                             << "10.36"
                             << "15.5"
                             << "";
}

void CastingTest::metalToMetal() {
  QFETCH(QString, weight);
  QFETCH(QString, from);
  QFETCH(QString, to);
  QFETCH(QString, expected);
  QCOMPARE(metalToMetalEnter(weight, from, to), expected);
}

void CastingTest::badInput_data() {
  QTest::addColumn<QString>("model");
  QTest::addColumn<QString>("modelDensity");
  QTest::addColumn<QString>("allowance");
  QTest::addColumn<QString>("message");
  QTest::newRow("letters") << "abc"
                           << "1.00"
                           << ""
                           << "'abc' is not a valid floating point value";
  QTest::newRow("zero weight") << "0"
                               << "1.00"
                               << ""
                               << "'0' is zero: a weight must be above zero";
  QTest::newRow("minus zero is zero") << "-0"
                                      << "1.00"
                                      << ""
                                      << "'-0' is zero: a weight must be above zero";
  QTest::newRow("negative weight") << "-2"
                                   << "1.00"
                                   << ""
                                   << "'-2' is below zero: a weight cannot be negative";
  QTest::newRow("density of 0") << "2.5"
                                << "0"
                                << ""
                                << "'0' is zero: a density must be above zero";
  QTest::newRow("density too small to divide by")
      << "2.5"
      << "1e-200"
      << ""
      << "'1e-200' is too small: a density must be at least 0.1 g/cm\u00b3";
  QTest::newRow("nan") << "nan"
                       << "1.00"
                       << ""
                       << "'nan' is not a valid floating point value";
  QTest::newRow("beyond a double") << "1e999"
                                   << "1.00"
                                   << ""
                                   << "'1e999' is not a valid floating point value";
  QTest::newRow("a weight beyond the limit") << "1e50"
                                             << "1.00"
                                             << ""
                                             << "'1e50' is too large: a weight can be at most 1,000,000 g";
  QTest::newRow("negative allowance") << "2.5"
                                      << "1.00"
                                      << "-10"
                                      << "'-10' is below zero: a percentage cannot be negative";
}

void CastingTest::badInput() {
  QFETCH(QString, model);
  QFETCH(QString, modelDensity);
  QFETCH(QString, allowance);
  QFETCH(QString, message);
  try {
    castingEnter({model, modelDensity, QStringLiteral("10.36"), allowance, {}, PriceUnit::Gram});
    QFAIL("taken");
  } catch (const ConversionError& e) {
    QCOMPARE(QString::fromStdString(e.what()), message);
  }
}

QTEST_GUILESS_MAIN(CastingTest)
#include "tst_casting.moc"
