#include "core/bezel.h"

#include <QCoreApplication>
#include <cmath>
#include <numbers>
#include <optional>

#include "core/text_rules.h"

namespace orvane {

namespace {
constexpr long double kPi = std::numbers::pi_v<long double>;
// A stone of 10 cm is a paperweight; a bezel strip thicker than 3 mm is a
// tube, not a strip.
constexpr long double kLargestStoneMm = 100;
constexpr long double kThickestStripMm = 3;
}  // namespace

QStringList stoneOutlineNames() {
  //: A stone's outline (girdle)
  return {QCoreApplication::translate("Bezel", "Round"), QCoreApplication::translate("Bezel", "Oval"),
          QCoreApplication::translate("Bezel", "Rectangle")};
}

long double ellipsePerimeter(long double lengthMm, long double widthMm) {
  const long double a = lengthMm / 2, b = widthMm / 2;
  return kPi * (3 * (a + b) - std::sqrt((3 * a + b) * (a + 3 * b)));
}

long double stoneOutlinePerimeter(StoneOutline outline, long double lengthMm, long double widthMm) {
  switch (outline) {
    case StoneOutline::Oval:
      return ellipsePerimeter(lengthMm, widthMm);
    case StoneOutline::Rectangle:
      return 2 * (lengthMm + widthMm);
    case StoneOutline::Round:
      break;
  }
  return kPi * lengthMm;
}

long double bezelStripMm(StoneOutline outline, long double lengthMm, long double widthMm,
                         long double thicknessMm) {
  return stoneOutlinePerimeter(outline, lengthMm, widthMm) + kPi * thicknessMm;
}

BezelResult bezelEnter(const BezelInputs& in, BezelField entered) {
  BezelResult result;
  const bool round = in.outline == StoneOutline::Round;
  //: Of the stone, as a message names it
  const BenchRange lengthRange{round ? QCoreApplication::translate("Bezel", "the diameter")
                                     : QCoreApplication::translate("Bezel", "the length"),
                               kLargestStoneMm};
  //: Of the stone, as a message names it
  const BenchRange widthRange{QCoreApplication::translate("Bezel", "the width"), kLargestStoneMm};
  //: Of the bezel strip, as a message names it
  const BenchRange thicknessRange{QCoreApplication::translate("Bezel", "the strip's thickness"),
                                  kThickestStripMm};

  const std::optional<long double> length = readBenchSize(in.length, result.length, lengthRange);
  std::optional<long double> width;
  if (round)
    result.width = in.width;
  else
    width = readBenchSize(in.width, result.width, widthRange);
  const std::optional<long double> thickness = readBenchSize(in.thickness, result.thickness, thicknessRange);

  const std::pair<BezelField, const BenchRange*> fields[] = {{BezelField::Length, &lengthRange},
                                                             {BezelField::Width, &widthRange},
                                                             {BezelField::Thickness, &thicknessRange}};
  const bool given[] = {bool(length), round || bool(width), bool(thickness)};
  for (size_t i = 0; i < std::size(fields); ++i) {
    if (given[i]) continue;
    if (fields[i].first == entered) throwEmptyBenchBox(fields[i].second->what);
    if (result.missing == BezelField::None) result.missing = fields[i].first;
  }
  if (!length || (!round && !width)) return result;
  const long double across = round ? *length : *width;
  result.perimeterMm = benchFixed(stoneOutlinePerimeter(in.outline, *length, across), 2);
  if (!thickness) return result;
  const long double strip = bezelStripMm(in.outline, *length, across, *thickness);
  result.stripMm = benchFixed(strip, 2);
  result.stripInch = benchFixed(strip / kMmPerInch, 3);
  return result;
}

}  // namespace orvane
