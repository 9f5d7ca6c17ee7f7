#include <QTest>
#include <cmath>

#include "core/metal.h"
#include "core/text_rules.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::MetalShape)
Q_DECLARE_METATYPE(orvane::SizeSource)
Q_DECLARE_METATYPE(orvane::SizeTexts)

class MetalTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void troyFactors();
  void formulas_data();
  void formulas();
  void lists();
  void alloyDensities_data();
  void alloyDensities();
  void golds_data();
  void golds();
  void priceUnits_data();
  void priceUnits();
  void enter_data();
  void enter();
  void sizeTwins_data();
  void sizeTwins();
  void badInput_data();
  void badInput();
};

void MetalTest::troyFactors() {
  // 20 pennyweights and 480 grains to the troy ounce.
  QCOMPARE(double(kGramsPerPennyweight * 20), double(kGramsPerTroyOunce));
  QCOMPARE(double(kGramsPerGrain * 480), double(kGramsPerTroyOunce));
  QCOMPARE(double(kGramsPerTroyOunce), 31.1034768);
}

void MetalTest::formulas_data() {
  QTest::addColumn<double>("computed");
  QTest::addColumn<double>("expected");
  QTest::newRow("round wire 1 mm x 100 mm") << double(roundWireVolume(1, 100)) << 78.53981633974483;
  QTest::newRow("round wire 2 mm x 10 mm") << double(roundWireVolume(2, 10)) << 31.41592653589793;
  QTest::newRow("square wire 1.5 mm x 20 mm") << double(squareWireVolume(1.5, 20)) << 45.0;
  QTest::newRow("sheet 20 x 0.8 x 50") << double(sheetVolume(20, 0.8L, 50)) << 800.0;
  // Through the middle of the stock: inner diameter plus one thickness.
  QTest::newRow("size 7 blank, 1.5 mm stock")
      << double(ringBlankLength(17.323L, 1.5L, 0)) << 59.13419851852068;
  QTest::newRow("blank with 2.5 mm allowance")
      << double(ringBlankLength(17.323L, 1.5L, 2.5L)) << 61.63419851852068;
  QTest::newRow("1000 mm3 of sterling") << double(metalGrams(1000, 10.36L)) << 10.36;
}

void MetalTest::formulas() {
  QFETCH(double, computed);
  QFETCH(double, expected);
  QVERIFY2(std::fabs(computed - expected) < 1e-9 * std::max(1.0, expected),
           qPrintable(QStringLiteral("%1 vs %2").arg(computed, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

void MetalTest::lists() {
  const QStringList metals = metalNames();
  QCOMPARE(metals.size(), 27);
  QCOMPARE(metals.first(), QStringLiteral("Fine silver"));
  QCOMPARE(metals[1], QStringLiteral("Sterling silver"));
  QCOMPARE(metalDensityText(1), QStringLiteral("10.36"));
  // Pure platinum says so: jewellery platinum is one of the 950 alloys after it.
  QCOMPARE(metals[14], QStringLiteral("Platinum (pure)"));
  QCOMPARE(metalDensityText(14), QStringLiteral("21.45"));
  QCOMPARE(metals.last(), QStringLiteral("Other"));
  QCOMPARE(kOtherMetal, 26);
  QCOMPARE(metals.size(), kOtherMetal + 1);
  for (int i = 0; i < kOtherMetal; ++i) QVERIFY(textToNumber(metalDensityText(i)) > 0);

  // The chart's lists with their column padding taken out.
  const QStringList rings = ringSizeNames();
  QCOMPARE(rings.size(), 86);
  QCOMPARE(rings.first(), QStringLiteral("000"));
  QCOMPARE(rings[7], QStringLiteral("1 1/8"));
  QCOMPARE(rings[40], QStringLiteral("7"));
  QCOMPARE(double(ringInnerDiameter(40)), 17.323);
  const QStringList gauges = metalWireGaugeNames();
  QCOMPARE(gauges.size(), 44);
  QCOMPARE(gauges.first(), QStringLiteral("40"));
  QCOMPARE(gauges[20], QStringLiteral("20"));
  QCOMPARE(wireGaugeMillimeters(20), QStringLiteral("0.8118"));
  QCOMPARE(gauges.last(), QStringLiteral("0000"));
  QCOMPARE(wireGaugeMillimeters(43), QStringLiteral("11.6840"));
}

void MetalTest::alloyDensities_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("density");
  // 1 / (0.95 / 21.45 + 0.05 / 22.56) = 21.503, and so on.
  QTest::newRow("Pt950/Ir") << "Platinum 950/iridium"
                            << "21.50";
  QTest::newRow("Pt950/Ru") << "Platinum 950/ruthenium"
                            << "20.70";
  QTest::newRow("Pt950/Co") << "Platinum 950/cobalt"
                            << "20.04";
  QTest::newRow("Pd950/Ru") << "Palladium 950/ruthenium"
                            << "12.04";
}

void MetalTest::alloyDensities() {
  QFETCH(QString, name);
  QFETCH(QString, density);
  const int entry = int(metalNames().indexOf(name));
  QVERIFY2(entry >= 0, qPrintable(name));
  QCOMPARE(metalDensityText(entry), density);
  // A single metal is its own density.
  QCOMPARE(double(mixtureDensity({{1, 12.02L}})), 12.02);
}

void MetalTest::golds_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("density");
  // A typical make-up by mass of each alloy, from which its density follows
  // by the rule of mixtures (Au 19.32, Ag 10.49, Cu 8.96, Zn 7.13, Ni 8.90,
  // Pd 12.02): the listed figure must be within 2 % of it.
  QTest::addColumn<QList<double>>("shares");  // Au, Ag, Cu, Zn, Ni, Pd
  // 1 / (.375/19.32 + .10/10.49 + .475/8.96 + .05/7.13) = 1 / .08897 = 11.24.
  QTest::newRow("9 ct yellow") << "Gold 9 ct yellow"
                               << "11.2" << QList<double>{.375, .10, .475, .05, 0, 0};
  // 1 / (.03028 + .02567 + .01348 + .00912) = 12.73.
  QTest::newRow("14 ct white, nickel") << "Gold 14 ct white (nickel)"
                                       << "12.7" << QList<double>{.585, 0, .23, .065, .12, 0};
  // 1 / (.03028 + .01907 + .00725 + .01248) = 14.48.
  QTest::newRow("14 ct white, palladium") << "Gold 14 ct white (palladium)"
                                          << "14.3" << QList<double>{.585, .20, .065, 0, 0, .15};
  // 1 / (.03028 + .00906 + .03571) = 13.32.
  QTest::newRow("14 ct rose") << "Gold 14 ct rose"
                              << "13.2" << QList<double>{.585, .095, .32, 0, 0, 0};
  // 1 / (.03882 + .01116 + .01348 + .00421) = 14.78.
  QTest::newRow("18 ct white, nickel") << "Gold 18 ct white (nickel)"
                                       << "14.7" << QList<double>{.75, 0, .10, .03, .12, 0};
  // 1 / (.03882 + .00763 + .00781 + .00832) = 15.98.
  QTest::newRow("18 ct white, palladium") << "Gold 18 ct white (palladium)"
                                          << "16.0" << QList<double>{.75, .08, .07, 0, 0, .10};
  // 1 / (.03882 + .00286 + .02455) = 15.10.
  QTest::newRow("18 ct rose") << "Gold 18 ct rose"
                              << "15.1" << QList<double>{.75, .03, .22, 0, 0, 0};
}

void MetalTest::golds() {
  QFETCH(QString, name);
  QFETCH(QString, density);
  QFETCH(QList<double>, shares);
  const int entry = int(metalNames().indexOf(name));
  QVERIFY2(entry >= 0, qPrintable(name));
  QCOMPARE(metalDensityText(entry), density);
  const long double elements[] = {19.32L, 10.49L, 8.96L, 7.13L, 8.90L, 12.02L};
  long double volumePerGram = 0, total = 0;
  for (int i = 0; i < 6; ++i) {
    volumePerGram += shares[i] / elements[i];
    total += shares[i];
  }
  QVERIFY(std::fabs(double(total) - 1) < 1e-9);
  const double mixed = double(1 / volumePerGram);
  QVERIFY2(std::fabs(mixed / textToNumber(density) - 1) < 0.02, qPrintable(QString::number(mixed)));
}

void MetalTest::priceUnits_data() {
  QTest::addColumn<int>("unit");
  QTest::addColumn<double>("cost");
  QTest::newRow("per troy ounce") << int(PriceUnit::TroyOunce) << 100.0;
  QTest::newRow("per gram") << int(PriceUnit::Gram) << 3110.34768;
  QTest::newRow("per pennyweight") << int(PriceUnit::Pennyweight) << 2000.0;
}

void MetalTest::priceUnits() {
  QFETCH(int, unit);
  QFETCH(double, cost);
  QCOMPARE(priceUnitNames().size(), 3);
  // One troy ounce of metal at 100 a unit.
  QCOMPARE(double(metalCost(kGramsPerTroyOunce, 100, PriceUnit(unit))), cost);
}

namespace {
SizeTexts mmSize(const QString& text) { return {text, QString(), SizeSource::Mm}; }
SizeTexts inchSize(const QString& text) { return {QString(), text, SizeSource::Inch}; }
}  // namespace

void MetalTest::enter_data() {
  QTest::addColumn<MetalShape>("shape");
  QTest::addColumn<QString>("density");
  QTest::addColumn<SizeTexts>("across");
  QTest::addColumn<SizeTexts>("thickness");
  QTest::addColumn<SizeTexts>("length");
  QTest::addColumn<int>("ringSize");
  QTest::addColumn<QString>("allowance");
  QTest::addColumn<QString>("price");
  // volume, grams, pennyweights, troy ounces, blank mm, blank inches, cost, inner mm
  QTest::addColumn<QStringList>("expected");
  QTest::addColumn<bool>("complete");

  QTest::newRow("100 mm of 1.0 mm sterling round wire")
      << MetalShape::RoundWire << "10.36" << mmSize("1.0") << mmSize("") << mmSize("100") << -1 << ""
      << "" << QStringList{"78.54", "0.8137", "0.5232", "0.0262", "", "", "", ""} << true;
  QTest::newRow("size 7 blank, 4 x 1.5 mm fine silver")
      << MetalShape::RingBlank << "10.49" << mmSize("4") << mmSize("1.5") << mmSize("") << 40 << "0"
      << "" << QStringList{"354.81", "3.7219", "2.3932", "0.1197", "59.13", "2.328", "", "17.323"} << true;
  QTest::newRow("allowance lengthens the blank and its weight")
      << MetalShape::RingBlank << "10.49" << mmSize("4") << mmSize("1.5") << mmSize("") << 40 << "2.5"
      << "30" << QStringList{"369.81", "3.8793", "2.4944", "0.1247", "61.63", "2.427", "3.74", "17.323"}
      << true;
  // 1/16 is 0.0625 inch exactly, not the converter's nearest thousandth.
  QTest::newRow("square copper wire sized in inches")
      << MetalShape::SquareWire << "8.96" << inchSize("1/16") << mmSize("") << inchSize("6") << -1 << ""
      << "" << QStringList{"384.07", "3.4413", "2.2128", "0.1106", "", "", "", ""} << true;
  QTest::newRow("1/16 inch sterling wire 6 inches long")
      << MetalShape::RoundWire << "10.36" << inchSize("1/16") << mmSize("") << inchSize("6") << -1 << ""
      << "" << QStringList{"301.65", "3.1251", "2.0095", "0.1005", "", "", "", ""} << true;
  QTest::newRow("the same wire typed as a decimal")
      << MetalShape::RoundWire << "10.36" << inchSize("0.0625") << mmSize("") << inchSize("6") << -1 << ""
      << "" << QStringList{"301.65", "3.1251", "2.0095", "0.1005", "", "", "", ""} << true;
  // 3.1250867 g is 2.0094774 dwt at 10.00 a pennyweight, 3.1250867 g at 1.00 a gram.
  QTest::newRow("priced per gram") << MetalShape::RoundWire << "10.36" << inchSize("1/16") << mmSize("")
                                   << inchSize("6") << -1 << ""
                                   << "1g"
                                   << QStringList{"301.65", "3.1251", "2.0095", "0.1005", "", "", "3.13", ""}
                                   << true;
  QTest::newRow("priced per pennyweight")
      << MetalShape::RoundWire << "10.36" << inchSize("1/16") << mmSize("") << inchSize("6") << -1 << ""
      << "10dwt" << QStringList{"301.65", "3.1251", "2.0095", "0.1005", "", "", "20.09", ""} << true;
  QTest::newRow("18 ct sheet with a price")
      << MetalShape::Sheet << "15.5" << mmSize("20") << mmSize("0.8") << mmSize("50") << -1 << ""
      << "2000" << QStringList{"800.00", "12.4000", "7.9734", "0.3987", "", "", "797.34", ""} << true;
  // The finest wire the boxes take: 1 mm of 0.01 mm sterling is 0.0000785 mm3,
  // 8.137e-7 g, 5.232e-7 dwt, 2.616e-8 ozt: two significant digits each.
  QTest::newRow("1 mm of 0.01 mm sterling")
      << MetalShape::RoundWire << "10.36" << mmSize("0.01") << mmSize("") << mmSize("1") << -1 << ""
      << "" << QStringList{"0.000079", "0.00000081", "0.00000052", "0.000000026", "", "", "", ""} << true;
  // 10 mm of 0.1 mm wire: 0.0785398 mm3 x 16.0 = 0.00125664 g, 0.000808 dwt, 0.0000404 ozt.
  QTest::newRow("10 mm of 0.1 mm 18 ct white palladium gold")
      << MetalShape::RoundWire << "16.0" << mmSize("0.1") << mmSize("") << mmSize("10") << -1 << ""
      << "" << QStringList{"0.079", "0.0013", "0.00081", "0.000040", "", "", "", ""} << true;
  QTest::newRow("no length yet") << MetalShape::RoundWire << "10.36" << mmSize("1") << mmSize("")
                                 << mmSize("") << -1 << ""
                                 << "2000" << QStringList{"", "", "", "", "", "", "", ""} << false;
  QTest::newRow("no density: volume only")
      << MetalShape::Sheet << " " << mmSize("20") << mmSize("0.8") << mmSize("50") << -1 << ""
      << "2000" << QStringList{"800.00", "", "", "", "", "", "", ""} << false;
  QTest::newRow("ring size not picked")
      << MetalShape::RingBlank << "10.49" << mmSize("4") << mmSize("1.5") << mmSize("") << -1 << ""
      << "" << QStringList{"", "", "", "", "", "", "", ""} << false;
  // Sizes a shape does not use are not read, bad or not.
  QTest::newRow("wire ignores the thickness box")
      << MetalShape::RoundWire << "10.36" << mmSize("1.0") << mmSize("x") << mmSize("100") << -1 << ""
      << "" << QStringList{"78.54", "0.8137", "0.5232", "0.0262", "", "", "", ""} << true;
  QTest::newRow("ring ignores the length box")
      << MetalShape::RingBlank << "10.49" << mmSize("4") << mmSize("1.5") << mmSize("x") << 40 << ""
      << "" << QStringList{"354.81", "3.7219", "2.3932", "0.1197", "59.13", "2.328", "", "17.323"} << true;
}

void MetalTest::enter() {
  QFETCH(MetalShape, shape);
  QFETCH(QString, density);
  QFETCH(SizeTexts, across);
  QFETCH(SizeTexts, thickness);
  QFETCH(SizeTexts, length);
  QFETCH(int, ringSize);
  QFETCH(QString, allowance);
  QFETCH(QString, price);
  QFETCH(QStringList, expected);
  QFETCH(bool, complete);
  MetalInputs in;
  in.Shape = shape;
  in.Density = density;
  in.Across = across;
  in.Thickness = thickness;
  in.Length = length;
  in.RingSize = ringSize;
  in.Allowance = allowance;
  // A price row may name its unit after the figure ("1g", "10dwt").
  in.Price = price;
  if (price.endsWith(QStringLiteral("dwt"))) {
    in.Price.chop(3);
    in.Unit = PriceUnit::Pennyweight;
  } else if (price.endsWith(u'g')) {
    in.Price.chop(1);
    in.Unit = PriceUnit::Gram;
  }
  const MetalOutputs out = metalEnter(in);
  const QStringList got{out.Volume,     out.Grams,        out.Pennyweights, out.TroyOunces,
                        out.blankMmBox, out.blankInchBox, out.Cost,         out.InnerDiameterMm};
  QCOMPARE(got, expected);
  QCOMPARE(out.Complete, complete);
}

void MetalTest::sizeTwins_data() {
  QTest::addColumn<SizeTexts>("typed");
  QTest::addColumn<QString>("mm");
  QTest::addColumn<QString>("inch");
  QTest::newRow("mm gives inches") << mmSize("1.0") << "1.0"
                                   << "0.03937";
  QTest::newRow("gauge 20 in mm") << mmSize("0.8118") << "0.8118"
                                  << "0.03196";
  QTest::newRow("fraction gives mm") << inchSize("1/8") << "3.17500"
                                     << "1/8";
  // Exact: a sixth decimal shows where the fraction has one.
  QTest::newRow("1/16") << inchSize("1/16") << "1.58750"
                        << "1/16";
  QTest::newRow("3/16") << inchSize("3/16") << "4.76250"
                        << "3/16";
  QTest::newRow("1/64") << inchSize("1/64") << "0.396875"
                        << "1/64";
  QTest::newRow("1 1/64") << inchSize("1 1/64") << "25.796875"
                          << "1 1/64";
  QTest::newRow("mixed number") << inchSize("1 1/2") << "38.10000"
                                << "1 1/2";
  QTest::newRow("decimal inch") << inchSize("0.25") << "6.35000"
                                << "0.25";
  // Emptying the source empties its twin: no stale size is left showing.
  QTest::newRow("empty mm") << SizeTexts{"", "0.5", SizeSource::Mm} << ""
                            << "";
  QTest::newRow("empty inch") << SizeTexts{"12.7", " ", SizeSource::Inch} << ""
                              << " ";
}

void MetalTest::sizeTwins() {
  QFETCH(SizeTexts, typed);
  QFETCH(QString, mm);
  QFETCH(QString, inch);
  MetalInputs in;
  in.Shape = MetalShape::SquareWire;
  in.Across = typed;
  const MetalOutputs out = metalEnter(in);
  QCOMPARE(out.Across.Mm, mm);
  QCOMPARE(out.Across.Inch, inch);
  QCOMPARE(out.Across.Source, typed.Source);
}

void MetalTest::badInput_data() {
  QTest::addColumn<QString>("density");
  QTest::addColumn<SizeTexts>("across");
  QTest::addColumn<QString>("allowance");
  QTest::addColumn<QString>("price");
  QTest::addColumn<QString>("message");
  QTest::addColumn<bool>("fraction");
  QTest::newRow("pasted text as density") << "abc" << mmSize("1") << ""
                                          << ""
                                          << "'abc' is not a valid floating point value" << false;
  QTest::newRow("negative density") << "-2" << mmSize("1") << ""
                                    << ""
                                    << "'-2' is below zero: a density cannot be negative" << false;
  QTest::newRow("negative width") << "10" << mmSize("-1") << ""
                                  << ""
                                  << "'-1' is below zero: a size or length cannot be negative" << false;
  QTest::newRow("negative inch width") << "10" << inchSize("-1/2") << ""
                                       << ""
                                       << "Cannot convert Fraction to Decimal." << true;
  QTest::newRow("two points in a width") << "10" << mmSize("1.2.3") << ""
                                         << ""
                                         << "'1.2.3' is not a valid floating point value" << false;
  QTest::newRow("zero denominator") << "10" << inchSize("1/0") << ""
                                    << ""
                                    << "Cannot convert Fraction to Decimal." << true;
  QTest::newRow("negative allowance") << "10" << mmSize("4") << "-3"
                                      << ""
                                      << "'-3' is below zero: an allowance cannot be negative" << false;
  // Not finite, or beyond what any bench is asked for.
  QTest::newRow("nan") << "10" << mmSize("nan") << ""
                       << ""
                       << "'nan' is not a valid floating point value" << false;
  QTest::newRow("inf") << "10" << mmSize("inf") << ""
                       << ""
                       << "'inf' is not a valid floating point value" << false;
  QTest::newRow("1e999 taken by extended precision")
      << "10" << mmSize("1e999") << ""
      << ""
      << "'1e999' is not a valid floating point value" << false;
  QTest::newRow("beyond 100 metres") << "10" << mmSize("100000.1") << ""
                                     << ""
                                     << "'100000.1' is too large: a size or length can be at most 100,000 mm"
                                     << false;
  QTest::newRow("inches beyond 100 metres")
      << "10" << inchSize("4000") << ""
      << ""
      << "'4000' is too large: a size or length can be at most 100,000 mm" << false;
  QTest::newRow("under a hundredth of a mm")
      << "10" << mmSize("0.009") << ""
      << ""
      << "'0.009' is too small: a size or length must be at least 0.01 mm" << false;
  QTest::newRow("1e-400 mm") << "10" << mmSize("1e-400") << ""
                             << ""
                             << "'1e-400' is too small: a size or length must be at least 0.01 mm" << false;
  QTest::newRow("under a hundredth of a mm in inches")
      << "10" << inchSize("1/4000") << ""
      << ""
      << "'1/4000' is too small: a size or length must be at least 0.01 mm" << false;
  QTest::newRow("zero width") << "10" << mmSize("0") << ""
                              << ""
                              << "'0' is zero: a size or length must be above zero" << false;
  QTest::newRow("minus zero is zero") << "10" << mmSize("-0") << ""
                                      << ""
                                      << "'-0' is zero: a size or length must be above zero" << false;
  QTest::newRow("zero inch fraction") << "10" << inchSize("0/16") << ""
                                      << ""
                                      << "'0/16' is zero: a size or length must be above zero" << false;
  QTest::newRow("density of 0") << "0" << mmSize("4") << ""
                                << ""
                                << "'0' is zero: a density must be above zero" << false;
  QTest::newRow("huge price") << "10" << mmSize("4") << ""
                              << "1e20"
                              << "'1e20' is too large: a price can be at most 10,000,000" << false;
  QTest::newRow("negative price") << "10" << mmSize("4") << ""
                                  << "-5"
                                  << "'-5' is below zero: a price cannot be negative" << false;
  // The first bad box in the window's order is the one reported.
  QTest::newRow("density before width") << "x" << mmSize("y") << ""
                                        << ""
                                        << "'x' is not a valid floating point value" << false;
}

void MetalTest::badInput() {
  QFETCH(QString, density);
  QFETCH(SizeTexts, across);
  QFETCH(QString, allowance);
  QFETCH(QString, price);
  QFETCH(QString, message);
  QFETCH(bool, fraction);
  MetalInputs in;
  in.Shape = MetalShape::RingBlank;
  in.Density = density;
  in.Across = across;
  in.Thickness = mmSize("1.5");
  in.RingSize = 40;
  in.Allowance = allowance;
  in.Price = price;
  try {
    metalEnter(in);
    QFAIL("no failure reported");
  } catch (const FractionError& e) {
    QVERIFY(fraction);
    QCOMPARE(QString::fromStdString(e.what()), message);
  } catch (const std::runtime_error& e) {
    QVERIFY(!fraction);
    QCOMPARE(QString::fromStdString(e.what()), message);
  }
}

QTEST_GUILESS_MAIN(MetalTest)
#include "tst_metal.moc"
