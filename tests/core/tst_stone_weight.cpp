#include <QTest>
#include <cmath>

#include "core/stone_weight.h"
#include "core/text_rules.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::StoneShape)
Q_DECLARE_METATYPE(orvane::StoneField)

class StoneWeightTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void list();
  void carats_data();
  void carats();
  void diamondFactors_data();
  void diamondFactors();
  void missingBoxes_data();
  void missingBoxes();
  void badInput_data();
  void badInput();
};

void StoneWeightTest::list() {
  const QStringList names = gemNames();
  QCOMPARE(names.first(), QStringLiteral("Diamond"));
  QCOMPARE(names.last(), QStringLiteral("Other"));
  QCOMPARE(names.size(), kOtherGem + 1);
  QCOMPARE(QString::fromLatin1(GemTable[kDiamondGem].Gravity), QStringLiteral("3.52"));
  for (const GemEntry& g : GemTable) QVERIFY(textToNumber(QString::fromLatin1(g.Gravity)) > 2);
  QCOMPARE(stoneShapeNames().size(), int(StoneShape::Marquise) + 1);
  QCOMPARE(stoneShapeNames()[int(StoneShape::Cushion)], QStringLiteral("Cushion"));
  QCOMPARE(stoneShapeNames()[int(StoneShape::Heart)], QStringLiteral("Heart"));
}

void StoneWeightTest::carats_data() {
  QTest::addColumn<int>("gem");
  QTest::addColumn<StoneShape>("shape");
  QTest::addColumn<QString>("gravity");
  QTest::addColumn<QString>("length");
  QTest::addColumn<QString>("width");
  QTest::addColumn<QString>("depth");
  QTest::addColumn<QString>("carats");
  // Worked by hand: ((8 + 6) / 2)^2 x 4 x 4.00 x 0.0020 = 49 x 16 x 0.002 = 1.568.
  QTest::newRow("oval sapphire 8 x 6 x 4") << 2 << StoneShape::Oval << ""
                                           << "8"
                                           << "6"
                                           << "4"
                                           << "1.57";
  // 6.5^2 x 3.9 x 0.0061 = 42.25 x 3.9 x 0.0061 = 1.00513: the diamond's own
  // factor, not 3.52 x 0.0018 (which would give 1.04).
  QTest::newRow("round diamond 6.5 x 3.9") << 0 << StoneShape::Round << ""
                                           << "6.5"
                                           << ""
                                           << "3.9"
                                           << "1.01";
  // Least 6.4 and greatest 6.6 average to 6.5.
  QTest::newRow("round diamond, two diameters") << 0 << StoneShape::Round << ""
                                                << "6.4"
                                                << "6.6"
                                                << "3.9"
                                                << "1.01";
  // 6^2 x 4 x 2.65 x 0.0018 = 0.68688.
  QTest::newRow("round amethyst 6 x 4") << 9 << StoneShape::Round << ""
                                        << "6"
                                        << ""
                                        << "4"
                                        << "0.69";
  // 10 x 8 x 5 x 2.72 x 0.0025 = 2.72.
  QTest::newRow("emerald cut emerald 10 x 8 x 5") << 3 << StoneShape::EmeraldOrSquare << ""
                                                  << "10"
                                                  << "8"
                                                  << "5"
                                                  << "2.72";
  // 8 x 6 x 4 x 4.05 x 0.0026 = 2.02176.
  QTest::newRow("baguette garnet 8 x 6 x 4") << 12 << StoneShape::Rectangle << ""
                                             << "8"
                                             << "6"
                                             << "4"
                                             << "2.02";
  // 9 x 6 x 4 x 3.53 x 0.0018 = 1.37232.
  QTest::newRow("pear topaz 9 x 6 x 4") << 6 << StoneShape::Pear << ""
                                        << "9"
                                        << "6"
                                        << "4"
                                        << "1.37";
  // 10 x 5 x 3.5 x 3.34 x 0.0017 = 0.99365.
  QTest::newRow("marquise peridot 10 x 5 x 3.5") << 8 << StoneShape::Marquise << ""
                                                 << "10"
                                                 << "5"
                                                 << "3.5"
                                                 << "0.99";
  // A coloured cushion squares the mean of length and width: 7^2 x 4 x 4.00
  // x 0.0022 = 1.7248 (8 x 6 x 4 x 4.00 x 0.0026 would be 1.9968, 16 % high).
  QTest::newRow("cushion sapphire 8 x 6 x 4") << 2 << StoneShape::Cushion << ""
                                              << "8"
                                              << "6"
                                              << "4"
                                              << "1.72";
  // 7 x 7 x 4 x 2.65 x 0.0018 = 0.93492: a coloured heart keeps the pear's factor.
  QTest::newRow("heart amethyst 7 x 7 x 4") << 9 << StoneShape::Heart << ""
                                            << "7"
                                            << "7"
                                            << "4"
                                            << "0.93";
  // Diamonds by the diamond tables, no gravity:
  // oval 7^2 x 3.8 x 0.0062 = 1.15444 (the coloured rule x 3.52 gave 1.31).
  QTest::newRow("oval diamond 8 x 6 x 3.8") << 0 << StoneShape::Oval << ""
                                            << "8"
                                            << "6"
                                            << "3.8"
                                            << "1.15";
  // Emerald cut, L/W 1.4: 0.0080 + 0.8 x (0.0092 - 0.0080) = 0.00896;
  // 7 x 5 x 3.5 = 122.5; x 0.00896 = 1.0976.
  QTest::newRow("emerald cut diamond 7 x 5 x 3.5") << 0 << StoneShape::EmeraldOrSquare << ""
                                                   << "7"
                                                   << "5"
                                                   << "3.5"
                                                   << "1.10";
  // Pear, L/W 1.5: 9 x 6 x 3.6 x 0.0060 = 1.1664.
  QTest::newRow("pear diamond 9 x 6 x 3.6") << 0 << StoneShape::Pear << ""
                                            << "9"
                                            << "6"
                                            << "3.6"
                                            << "1.17";
  // Heart: 7 x 7 x 4.2 x 0.0059 = 1.21422.
  QTest::newRow("heart diamond 7 x 7 x 4.2") << 0 << StoneShape::Heart << ""
                                             << "7"
                                             << "7"
                                             << "4.2"
                                             << "1.21";
  // Marquise, L/W 2: 10 x 5 x 3 x 0.0058 = 0.87.
  QTest::newRow("marquise diamond 10 x 5 x 3") << 0 << StoneShape::Marquise << ""
                                               << "10"
                                               << "5"
                                               << "3"
                                               << "0.87";
  // A cushion diamond takes the four-sided cuts' table: 6 x 6 x 4 x 0.0080 = 1.152.
  QTest::newRow("cushion diamond 6 x 6 x 4") << 0 << StoneShape::Cushion << ""
                                             << "6"
                                             << "6"
                                             << "4"
                                             << "1.15";
  // Melee: 1.0^2 x 0.6 x 0.0061 = 0.00366, to two significant digits.
  QTest::newRow("1 mm melee diamond") << 0 << StoneShape::Round << ""
                                      << "1.0"
                                      << ""
                                      << "0.6"
                                      << "0.0037";
  // The smallest stone the page takes: 0.1^3 x 2.65 x 0.0018 = 0.00000477.
  QTest::newRow("0.1 mm quartz") << 11 << StoneShape::Round << ""
                                 << "0.1"
                                 << ""
                                 << "0.1"
                                 << "0.0000048";
  // 3 x 3 x 2 x 0.0061 = 0.1098: two decimals from 0.095 up.
  QTest::newRow("3 mm diamond") << 0 << StoneShape::Round << ""
                                << "3"
                                << ""
                                << "2"
                                << "0.11";
  // A typed gravity: 5 x 5 x 3 x 1.0 x 0.0025 = 0.1875, shown half up.
  QTest::newRow("other, square, SG 1") << kOtherGem << StoneShape::EmeraldOrSquare << "1"
                                       << "5"
                                       << "5"
                                       << "3"
                                       << "0.19";
  // The list's gravity wins over a text left in the box from "Other".
  QTest::newRow("listed stone ignores the gravity box") << 2 << StoneShape::Oval << "junk"
                                                        << "8"
                                                        << "6"
                                                        << "4"
                                                        << "1.57";
}

void StoneWeightTest::carats() {
  QFETCH(int, gem);
  QFETCH(StoneShape, shape);
  QFETCH(QString, gravity);
  QFETCH(QString, length);
  QFETCH(QString, width);
  QFETCH(QString, depth);
  QFETCH(QString, carats);
  const StoneWeightResult result = stoneWeightEnter({gem, shape, gravity, length, width, depth});
  QCOMPARE(result.carats, carats);
  QCOMPARE(result.missing, StoneField::None);
}

void StoneWeightTest::diamondFactors_data() {
  QTest::addColumn<StoneShape>("shape");
  QTest::addColumn<double>("length");
  QTest::addColumn<double>("width");
  QTest::addColumn<double>("factor");
  // The tables' own ratios, a ratio between two read in proportion, and the
  // ends held beyond the table. Length and width either way round.
  QTest::newRow("square emerald cut") << StoneShape::EmeraldOrSquare << 6.0 << 6.0 << 0.0080;
  QTest::newRow("emerald cut 1.5") << StoneShape::EmeraldOrSquare << 9.0 << 6.0 << 0.0092;
  QTest::newRow("emerald cut 1.75: (0.0092 + 0.0100) / 2")
      << StoneShape::EmeraldOrSquare << 7.0 << 4.0 << 0.0096;
  QTest::newRow("emerald cut 2.5") << StoneShape::EmeraldOrSquare << 10.0 << 4.0 << 0.0106;
  QTest::newRow("baguette 3: beyond the table") << StoneShape::Rectangle << 6.0 << 2.0 << 0.0106;
  QTest::newRow("emerald cut, width first") << StoneShape::EmeraldOrSquare << 6.0 << 9.0 << 0.0092;
  QTest::newRow("marquise 1.5") << StoneShape::Marquise << 9.0 << 6.0 << 0.00565;
  QTest::newRow("marquise 2.25: 0.00580 + 0.5 x 0.00005") << StoneShape::Marquise << 9.0 << 4.0 << 0.005825;
  QTest::newRow("marquise 3") << StoneShape::Marquise << 12.0 << 4.0 << 0.00595;
  QTest::newRow("marquise 1.2: below the table") << StoneShape::Marquise << 6.0 << 5.0 << 0.00565;
  QTest::newRow("pear 1.25") << StoneShape::Pear << 5.0 << 4.0 << 0.00615;
  QTest::newRow("pear 4/3: 0.00615 - 1/3 x 0.00015") << StoneShape::Pear << 8.0 << 6.0 << 0.0061;
  QTest::newRow("pear 1.66") << StoneShape::Pear << 8.3 << 5.0 << 0.0059;
  QTest::newRow("pear 2") << StoneShape::Pear << 10.0 << 5.0 << 0.00575;
  QTest::newRow("pear 2.5: beyond the table") << StoneShape::Pear << 10.0 << 4.0 << 0.00575;
  QTest::newRow("heart, any ratio") << StoneShape::Heart << 8.0 << 7.0 << 0.0059;
}

void StoneWeightTest::diamondFactors() {
  QFETCH(StoneShape, shape);
  QFETCH(double, length);
  QFETCH(double, width);
  QFETCH(double, factor);
  QVERIFY2(std::fabs(double(diamondFactor(shape, length, width)) - factor) < 1e-12,
           qPrintable(QString::number(double(diamondFactor(shape, length, width)), 'g', 17)));
}

void StoneWeightTest::missingBoxes_data() {
  QTest::addColumn<int>("gem");
  QTest::addColumn<StoneShape>("shape");
  QTest::addColumn<QStringList>("boxes");  // gravity, length, width, depth
  QTest::addColumn<StoneField>("missing");
  QTest::newRow("nothing yet") << 2 << StoneShape::Oval << QStringList{"", "", "", ""} << StoneField::Length;
  QTest::newRow("oval needs a width")
      << 2 << StoneShape::Oval << QStringList{"", "8", "", "4"} << StoneField::Width;
  QTest::newRow("round does not") << 2 << StoneShape::Round << QStringList{"", "8", "", ""}
                                  << StoneField::Depth;
  QTest::newRow("other needs a gravity")
      << kOtherGem << StoneShape::Oval << QStringList{"", "8", "6", "4"} << StoneField::Gravity;
}

void StoneWeightTest::missingBoxes() {
  QFETCH(int, gem);
  QFETCH(StoneShape, shape);
  QFETCH(QStringList, boxes);
  QFETCH(StoneField, missing);
  const StoneWeightInputs in{gem, shape, boxes[0], boxes[1], boxes[2], boxes[3]};
  const StoneWeightResult result = stoneWeightEnter(in);
  QCOMPARE(result.missing, missing);
  QCOMPARE(result.carats, QString());
  // Enter in that very box asks for it; Enter elsewhere walks on to it.
  QVERIFY_THROWS_EXCEPTION(ConversionError, stoneWeightEnter(in, missing));
}

void StoneWeightTest::badInput_data() {
  QTest::addColumn<int>("gem");
  QTest::addColumn<QStringList>("boxes");  // gravity, length, width, depth
  QTest::addColumn<QString>("message");
  QTest::newRow("letters") << 2 << QStringList{"", "8", "six", "4"}
                           << "'six' is not a valid floating point value";
  QTest::newRow("zero depth") << 2 << QStringList{"", "8", "6", "0"}
                              << "'0' is zero: the depth in mm must be more than 0";
  QTest::newRow("negative length") << 2 << QStringList{"", "-8", "6", "4"}
                                   << "'-8' is below zero: the length in mm must be more than 0";
  QTest::newRow("SG of 0") << kOtherGem << QStringList{"0", "8", "6", "4"}
                           << "'0' is zero: a specific gravity must be more than 0";
  QTest::newRow("SG beyond any stone") << kOtherGem << QStringList{"40", "8", "6", "4"}
                                       << "'40' is too large: a specific gravity can be at most 25";
  QTest::newRow("nan") << 2 << QStringList{"", "nan", "6", "4"}
                       << "'nan' is not a valid floating point value";
  QTest::newRow("inf") << 2 << QStringList{"", "8", "inf", "4"}
                       << "'inf' is not a valid floating point value";
  QTest::newRow("beyond the largest stone")
      << 2 << QStringList{"", "8", "6", "1e6"} << "'1e6' is too large: the depth in mm can be at most 200";
  QTest::newRow("under a tenth of a millimetre")
      << 2 << QStringList{"", "8", "6", "0.09"}
      << "'0.09' is too small: the depth in mm must be at least 0.1";
  QTest::newRow("far under") << 2 << QStringList{"", "1e-400", "6", "4"}
                             << "'1e-400' is too small: the length in mm must be at least 0.1";
  QTest::newRow("SG lighter than any gem") << kOtherGem << QStringList{"0.5", "8", "6", "4"}
                                           << "'0.5' is too small: a specific gravity must be at least 1";
  QTest::newRow("empty box where Enter was pressed")
      << 2 << QStringList{"", "8", "6", ""}
      << "Nothing typed for the depth in mm: type a number, then press Enter";
}

void StoneWeightTest::badInput() {
  QFETCH(int, gem);
  QFETCH(QStringList, boxes);
  QFETCH(QString, message);
  try {
    stoneWeightEnter({gem, StoneShape::Oval, boxes[0], boxes[1], boxes[2], boxes[3]}, StoneField::Depth);
    QFAIL("no failure");
  } catch (const ConversionError& e) {
    QCOMPARE(QString::fromStdString(e.what()), message);
  }
}

QTEST_GUILESS_MAIN(StoneWeightTest)
#include "tst_stone_weight.moc"
