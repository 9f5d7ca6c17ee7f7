#include "core/ring_resize.h"

#include <QCoreApplication>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "core/bench_input.h"
#include "core/chart_tables.h"
#include "core/inch_text.h"
#include "core/text_rules.h"

namespace orvane {

namespace {

const char* scaleText(const RingEquivalentEntry& e, RingScale scale) {
  switch (scale) {
    case RingScale::Britain:
      return e.Britain;
    case RingScale::France:
      return e.France;
    case RingScale::Germany:
      return e.Germany;
    case RingScale::Japan:
      return e.Japan;
    case RingScale::Switzerland:
      return e.Switz;
    case RingScale::NorthAmerica:
      break;
  }
  return e.NAmerica;
}

// The chart rows that carry a size on the scale; the chart pads its texts
// with spaces to line the columns up.
std::vector<int> rowsOn(RingScale scale) {
  std::vector<int> rows;
  for (int i = 0; i < int(RingEquivalentTable.size()); ++i)
    if (!QString::fromLatin1(scaleText(RingEquivalentTable[size_t(i)], scale)).trimmed().isEmpty())
      rows.push_back(i);
  return rows;
}

// A band wider than 50 mm or thicker than 10 mm is no ring.
constexpr long double kThickestMm = 10;
constexpr long double kWidestMm = 50;

QString fixed(long double value, int decimals) { return benchFixed(value, decimals); }

}  // namespace

QStringList ringScaleNames() {
  // In the order of RingScale.
  static const char* const kNames[] = {
      QT_TRANSLATE_NOOP("RingResize", "North America"), QT_TRANSLATE_NOOP("RingResize", "Britain"),
      QT_TRANSLATE_NOOP("RingResize", "France"),        QT_TRANSLATE_NOOP("RingResize", "Germany"),
      QT_TRANSLATE_NOOP("RingResize", "Japan"),         QT_TRANSLATE_NOOP("RingResize", "Switzerland"),
  };
  QStringList names;
  for (const char* name : kNames) names << QCoreApplication::translate("RingResize", name);
  return names;
}

QStringList ringSizesOn(RingScale scale) {
  QStringList sizes;
  for (int row : rowsOn(scale))
    sizes << QString::fromLatin1(scaleText(RingEquivalentTable[size_t(row)], scale)).simplified();
  return sizes;
}

long double ringSizeInnerMm(RingScale scale, int entry) {
  const std::vector<int> rows = rowsOn(scale);
  return textToNumber(QString::fromLatin1(RingSizeTable.at(size_t(rows.at(size_t(entry)))).DiaMm));
}

long double ringBlankMm(long double innerMm, long double thicknessMm) {
  return std::numbers::pi_v<long double> * (innerMm + thicknessMm);
}

RingResizeResult ringResizeEnter(const RingResizeInputs& in, RingResizeField entered) {
  RingResizeResult result;
  //: Of the ring's band, as a message names it
  const BenchRange thicknessRange{QCoreApplication::translate("RingResize", "the thickness"), kThickestMm};
  //: Of the ring's band, as a message names it
  const BenchRange widthRange{QCoreApplication::translate("RingResize", "the width"), kWidestMm};
  const int sizes = int(ringSizesOn(in.scale).size());
  const bool hasFrom = in.from >= 0 && in.from < sizes;
  const bool hasTo = in.to >= 0 && in.to < sizes;

  const std::optional<long double> thickness = readBenchSize(in.thickness, result.thickness, thicknessRange);
  const std::optional<long double> width = readBenchSize(in.width, result.width, widthRange);
  const std::optional<long double> density = readAmount(in.density, amounts::kDensity);
  if (entered == RingResizeField::Thickness && !thickness) throwEmptyBenchBox(thicknessRange.what);
  if (entered == RingResizeField::Width && !width) throwEmptyBenchBox(widthRange.what);
  if (entered == RingResizeField::Density && !density)
    throwEmptyBenchBox(QCoreApplication::translate("RingResize", "the density"));

  std::optional<long double> fromMm, toMm;
  if (hasFrom) {
    fromMm = ringSizeInnerMm(in.scale, in.from);
    result.fromInnerMm = fixed(*fromMm, 3);
  }
  if (hasTo) {
    toMm = ringSizeInnerMm(in.scale, in.to);
    result.toInnerMm = fixed(*toMm, 3);
  }
  if (thickness) {
    if (fromMm) result.fromBlankMm = fixed(ringBlankMm(*fromMm, *thickness), 2);
    if (toMm) result.toBlankMm = fixed(ringBlankMm(*toMm, *thickness), 2);
  }

  const std::pair<RingResizeField, bool> needed[] = {
      {RingResizeField::From, hasFrom},
      {RingResizeField::To, hasTo},
      {RingResizeField::Thickness, bool(thickness)},
      {RingResizeField::Width, bool(width)},
      {RingResizeField::Density, bool(density)},
  };
  for (const auto& [field, given] : needed)
    if (!given && result.missing == RingResizeField::None) result.missing = field;

  // The thickness drops out of the difference: the blank grows by pi times
  // the change of inner diameter, whatever the stock.
  if (!fromMm || !toMm) return result;
  const long double change = ringBlankMm(*toMm, 0) - ringBlankMm(*fromMm, 0);
  const long double length = std::fabs(change);
  // The chart gives diameters to thousandths: equal texts are the same size.
  if (result.fromInnerMm == result.toInnerMm) {
    result.change = RingChange::Same;
    result.changeMm = fixed(0, 2);
    result.changeInch = fixed(0, 3);
  } else {
    result.change = change > 0 ? RingChange::Add : RingChange::Remove;
    result.changeMm = fixed(length, 2);
    result.changeInch = fixed(length / kMmPerInch, 3);
  }
  if (thickness && width && density)
    result.grams =
        fixed(result.change == RingChange::Same ? 0 : length * *width * *thickness / 1000 * *density, 4);
  return result;
}

}  // namespace orvane
