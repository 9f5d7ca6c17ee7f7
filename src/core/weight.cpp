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
  long double Apply(long double value) const { return divides ? value / by : value * by; }
};
constexpr Scale Times(long double by) { return {by, false}; }
constexpr Scale Over(long double by) { return {by, true}; }

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
    {"Carat", Over(5.0L), Times(5.0L), true, true, 0},
    {"Gram", Times(1.0L), Times(1.0L), true, true, 0},
    {"KGram", Times(1000.0L), Over(1000.0L), true, false, 0},
    {"Ounce", Times(kGramsPerOunce), Over(kGramsPerOunce), false, false, 1},
    {"Pound", Times(kGramsPerPound), Over(kGramsPerPound), false, false, 16},
    {"TroyOunce", Times(kGramsPerTroyOunce), Over(kGramsPerTroyOunce), false, false, 0},
    {"Pennyweight", Times(kGramsPerPennyweight), Over(kGramsPerPennyweight), false, false, 0},
    {"Grain", Times(kGramsPerGrain), Over(kGramsPerGrain), false, false, 0},
}};

QString General(long double value) { return FormatGeneral(CheckedResult(value)); }
QString Fixed4(long double value) { return FormatFixed(CheckedResult(value), 12, 4); }

// Grams are kept as a double; a weight too large for one is an overflow rather
// than an infinity written into the boxes.
double StoreGrams(long double grams) {
  CheckedResult(grams);
  if (std::fabs(grams) > std::numeric_limits<double>::max()) {
    const double g = static_cast<double>(grams);
    if (std::isinf(g)) throw MathError(kOverflow);
    return g;
  }
  return static_cast<double>(grams);
}

const UnitRow& Row(WeightUnit unit) { return kUnits[static_cast<size_t>(unit)]; }

}  // namespace

QString WeightMarker(WeightUnit unit) { return QString::fromLatin1(Row(unit).marker); }

std::optional<WeightUnit> WeightUnitOfMarker(const QString& marker) {
  for (int i = 0; i < kWeightBoxCount; ++i)
    if (marker == WeightMarker(static_cast<WeightUnit>(i))) return static_cast<WeightUnit>(i);
  return std::nullopt;
}

std::array<QString, kWeightBoxCount> ConvertWeight(WeightUnit source, long double value) {
  const UnitRow& from = Row(source);
  const long double g = StoreGrams(from.toGrams.Apply(value));
  std::array<QString, kWeightBoxCount> out;
  for (int i = 0; i < kWeightBoxCount; ++i) {
    const auto target = static_cast<WeightUnit>(i);
    if (target == source) continue;
    const UnitRow& to = Row(target);
    if (from.ounces != 0 && to.ounces != 0)
      out[i] = General(value * from.ounces / to.ounces);
    else if (from.metric && to.generalFromMetric)
      out[i] = General(to.fromGrams.Apply(g));
    else
      out[i] = Fixed4(to.fromGrams.Apply(g));
  }
  return out;
}

std::optional<WeightUnit> WeightEntered(const QString& marker, WeightBoxes& boxes) {
  const std::optional<WeightUnit> source = WeightUnitOfMarker(marker);
  if (!source) return std::nullopt;
  // Blanks and control characters around a pasted or typed weight do not count.
  const QString text = TrimBlanks(boxes[static_cast<size_t>(*source)].text);
  if (text.isEmpty() || text == QLatin1String(".")) return source;
  const long double value = TextToNumber(text);
  // A pasted "-5" would give weights that look sound but mean nothing.
  if (value < 0)
    throw ConversionError(QStringLiteral("'%1' is below zero: a weight cannot be negative")
                              .arg(QuotedText(text))
                              .toStdString());
  const auto results = ConvertWeight(*source, value);
  for (int i = 0; i < kWeightBoxCount; ++i)
    if (static_cast<WeightUnit>(i) != *source) boxes[i].Set(results[i]);
  return std::nullopt;
}

}  // namespace orvane
