#include <QTest>
#include <numbers>

#include "core/bezel.h"
#include "core/text_rules.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::StoneOutline)

class BezelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void perimeters();
  void strips_data();
  void strips();
  void missingAndBad();
};

void BezelTest::perimeters() {
  constexpr double pi = std::numbers::pi;
  // Ramanujan's rule is exact for a circle and within a few parts in a million
  // for the ellipses stones are cut in.
  QCOMPARE(double(ellipsePerimeter(10, 10)), 10 * pi);
  // 8 x 6: pi x (21 - sqrt(15 x 13)) = 22.1035 (the series gives 22.1035).
  QVERIFY(qAbs(double(ellipsePerimeter(8, 6)) - 22.10349) < 1e-5);
  QCOMPARE(double(ellipsePerimeter(6, 8)), double(ellipsePerimeter(8, 6)));
  // 20 x 10: 48.4422 by the series; the rule gives 48.4421.
  QVERIFY(qAbs(double(ellipsePerimeter(20, 10)) - 48.4422) < 2e-4);
  QCOMPARE(double(stoneOutlinePerimeter(StoneOutline::Rectangle, 10, 8)), 36.0);
  // The strip adds pi x thickness whatever the outline.
  for (StoneOutline o : {StoneOutline::Round, StoneOutline::Oval, StoneOutline::Rectangle})
    QVERIFY(qAbs(double(bezelStripMm(o, 9, 7, 0.5L) - stoneOutlinePerimeter(o, 9, 7)) - pi / 2) < 1e-12);
}

void BezelTest::strips_data() {
  QTest::addColumn<StoneOutline>("outline");
  QTest::addColumn<QStringList>("typed");  // length mm, width mm, thickness (mm or, with ", inches)
  QTest::addColumn<QStringList>("shown");  // perimeter, strip mm, strip inches, thickness mm
  // pi x (10 + 0.3) = 32.358 mm, 1.274"
  QTest::newRow("round 10 mm, 0.3 mm strip")
      << StoneOutline::Round << QStringList{"10", "", "0.3"} << QStringList{"31.42", "32.36", "1.274", "0.3"};
  // 22.1035 + pi x 0.5 = 23.6743
  QTest::newRow("oval 8 x 6, 0.5 mm strip")
      << StoneOutline::Oval << QStringList{"8", "6", "0.5"} << QStringList{"22.10", "23.67", "0.932", "0.5"};
  // 2 x (10 + 8) + pi x 0.4 = 37.257
  QTest::newRow("rectangle 10 x 8, 0.4 mm strip") << StoneOutline::Rectangle << QStringList{"10", "8", "0.4"}
                                                  << QStringList{"36.00", "37.26", "1.467", "0.4"};
  // 1/64" = 0.396875 mm: pi x (6 + 0.396875) = 20.0964
  QTest::newRow("round 6 mm, 1/64 inch strip") << StoneOutline::Round << QStringList{"6", "", "\"1/64"}
                                               << QStringList{"18.85", "20.10", "0.791", "0.396875"};
}

void BezelTest::strips() {
  QFETCH(StoneOutline, outline);
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  BenchSize thickness{typed[2], {}, BenchUnit::Mm};
  if (typed[2].startsWith(u'"')) thickness = {{}, typed[2].mid(1), BenchUnit::Inch};
  const BezelResult r =
      bezelEnter({outline, {typed[0], {}, BenchUnit::Mm}, {typed[1], {}, BenchUnit::Mm}, thickness});
  QCOMPARE((QStringList{r.perimeterMm, r.stripMm, r.stripInch, r.thickness.mm}), shown);
}

void BezelTest::missingAndBad() {
  // A round stone does not read the width, even a bad one.
  BezelResult r = bezelEnter({StoneOutline::Round, {QStringLiteral("5"), {}}, {QStringLiteral("x"), {}}, {}});
  QCOMPARE(r.perimeterMm, QStringLiteral("15.71"));
  QVERIFY(r.stripMm.isEmpty());
  QCOMPARE(r.missing, BezelField::Thickness);
  r = bezelEnter({StoneOutline::Oval, {QStringLiteral("5"), {}}, {}, {QStringLiteral("0.3"), {}}});
  QVERIFY(r.perimeterMm.isEmpty());
  QCOMPARE(r.missing, BezelField::Width);
  QVERIFY_THROWS_EXCEPTION(
      ConversionError,
      bezelEnter({StoneOutline::Oval, {QStringLiteral("5"), {}}, {}, {}}, BezelField::Width));
  const std::pair<BezelInputs, const char*> bad[] = {
      {{StoneOutline::Round, {QStringLiteral("0"), {}}, {}, {}},
       "'0' is zero: the diameter in mm must be more than 0"},
      {{StoneOutline::Oval, {QStringLiteral("8"), {}}, {QStringLiteral("101"), {}}, {}},
       "'101' is too large: the width in mm can be at most 100"},
      {{StoneOutline::Rectangle,
        {QStringLiteral("8"), {}},
        {QStringLiteral("6"), {}},
        {{}, QStringLiteral("1/8"), BenchUnit::Inch}},
       "'1/8' is too large: the strip's thickness in inches can be at most 0.11811"},
  };
  for (const auto& [in, message] : bad) {
    try {
      bezelEnter(in);
      QFAIL(message);
    } catch (const ConversionError& e) {
      QCOMPARE(QString::fromStdString(e.what()), QString::fromUtf8(message));
    }
  }
}

QTEST_MAIN(BezelTest)
#include "tst_bezel.moc"
