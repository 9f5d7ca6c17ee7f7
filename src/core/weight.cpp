#include "core/weight.h"

#include <cmath>
#include <limits>

#include "core/metal.h"
#include "core/text_rules.h"

namespace orvane {

namespace {

// How a value turns into another unit: times or divided by an exact decimal
// constant (dividing by 5 or 1000 keeps results exact that multiplying by
// 0.2 or 0.001 would not).
struct Scale {
  long double by;
  bool divides;
  long double apply(long double value) const { return divides ? value / by : value * by; }
};
constexpr Scale times(long double by) { return {by, false}; }
constexpr Scale over(long double by) { return {by, true}; }

struct UnitRow {
  const char* marker;
  Scale toGrams;
  Scale fromGrams;
  // Carats, grams and kilograms are exact decimal steps apart, so carats and
  // grams coming from one of them are written in full; everything else is
  // rounded to 4 decimals.
  bool metric;
  bool generalFromMetric;
  // Avoirdupois units go into each other directly: ounces per unit, 0 for
  // the other units.
  long double ounces;
};

// The avoirdupois units as defined, exactly: a pound is 453.59237 g and an
// ounce its sixteenth. Rounded factors (0.035274 oz per gram) spoil the last
// shown digits of large weights.
constexpr long double kGramsPerPound = 453.59237L;
constexpr long double kGramsPerOunce = kGramsPerPound / 16;

// Indexed by WeightUnit.
constexpr std::array<UnitRow, kWeightBoxCount> kUnits = {{
    {"Carat", over(5.0L), times(5.0L), true, true, 0},
    {"Gram", times(1.0L), times(1.0L), true, true, 0},
    {"KGram", times(1000.0L), over(1000.0L), true, false, 0},
    {"Ounce", times(kGramsPerOunce), over(kGramsPerOunce), false, false, 1},
    {"Pound", times(kGramsPerPound), over(kGramsPerPound), false, false, 16},
    {"TroyOunce", times(kGramsPerTroyOunce), over(kGramsPerTroyOunce), false, false, 0},
    {"Pennyweight", times(kGramsPerPennyweight), over(kGramsPerPennyweight), false, false, 0},
    {"Grain", times(kGramsPerGrain), over(kGramsPerGrain), false, false, 0},
}};

QString general(long double value) { return formatGeneral(checkedResult(value)); }
QString fixed4(long double value) { return formatFixed(checkedResult(value), 12, 4); }

// Grams are kept as a double; a weight too large for one is an overflow rather
// than an infinity written into the boxes.
double storeGrams(long double grams) {
  checkedResult(grams);
  if (std::fabs(grams) > std::numeric_limits<double>::max()) {
    const double g = static_cast<double>(grams);
    if (std::isinf(g)) throw MathError(kOverflow);
    return g;
  }
  return static_cast<double>(grams);
}

const UnitRow& gridRow(WeightUnit unit) { return kUnits[static_cast<size_t>(unit)]; }

}  // namespace

QString weightMarker(WeightUnit unit) { return QString::fromLatin1(gridRow(unit).marker); }

std::optional<WeightUnit> weightUnitOfMarker(const QString& marker) {
  for (int i = 0; i < kWeightBoxCount; ++i)
    if (marker == weightMarker(static_cast<WeightUnit>(i))) return static_cast<WeightUnit>(i);
  return std::nullopt;
}

std::array<QString, kWeightBoxCount> convertWeight(WeightUnit source, long double value) {
  const UnitRow& from = gridRow(source);
  const long double g = storeGrams(from.toGrams.apply(value));
  std::array<QString, kWeightBoxCount> out;
  for (int i = 0; i < kWeightBoxCount; ++i) {
    const auto target = static_cast<WeightUnit>(i);
    if (target == source) continue;
    const UnitRow& to = gridRow(target);
    if (from.ounces != 0 && to.ounces != 0)
      out[i] = general(value * from.ounces / to.ounces);
    else if (from.metric && to.generalFromMetric)
      out[i] = general(to.fromGrams.apply(g));
    else
      out[i] = fixed4(to.fromGrams.apply(g));
  }
  return out;
}

std::optional<WeightUnit> weightEntered(const QString& marker, WeightBoxes& boxes) {
  const std::optional<WeightUnit> source = weightUnitOfMarker(marker);
  if (!source) return std::nullopt;
  // Blanks and control characters around a pasted or typed weight do not count.
  const QString text = trimBlanks(boxes[static_cast<size_t>(*source)].text);
  if (text.isEmpty() || text == QLatin1String(".")) return source;
  const long double value = textToNumber(text);
  // A pasted "-5" would give weights that look sound but mean nothing.
  if (value < 0)
    throw ConversionError(
        QCoreApplication::translate("Weight", "'%1' is below zero: a weight cannot be negative")
            .arg(quotedText(text))
            .toStdString());
  const auto results = convertWeight(*source, value);
  for (int i = 0; i < kWeightBoxCount; ++i)
    if (static_cast<WeightUnit>(i) != *source) boxes[i].set(results[i]);
  return std::nullopt;
}

}  // namespace orvane
