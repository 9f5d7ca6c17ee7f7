#include "calculators/weight.h"

#include <cmath>
#include <limits>

#include "sizes/text_rules.h"

namespace orvane {

namespace {

constexpr long double kCaratsPerGram = 5.0L;
constexpr long double kGramsPerKilogram = 1000.0L;
constexpr long double kKilogramsPerGram = 0.001L;
constexpr long double kOuncesPerGram = 0.035274L;
constexpr long double kPoundsPerGram = 0.00220462L;
constexpr long double kGramsPerOunce = 28.349523L;
constexpr long double kGramsPerPound = 453.59237L;
constexpr long double kOuncesPerPound = 16.0L;

QString General(long double value) { return FormatGeneral(CheckedResult(value)); }
QString Fixed4(long double value) { return FormatFixed(CheckedResult(value), 12, 4); }

// Grams are kept as a double; a weight too large for one is an overflow rather
// than an infinity written into the boxes.
double StoreGrams(long double grams) {
  CheckedResult(grams);
  if (std::fabs(grams) > std::numeric_limits<double>::max()) {
    const double g = static_cast<double>(grams);
    if (std::isinf(g)) throw EMathError(kOverflow);
    return g;
  }
  return static_cast<double>(grams);
}

constexpr int At(WeightUnit unit) { return static_cast<int>(unit); }

}  // namespace

QString WeightMarker(WeightUnit unit) {
  switch (unit) {
    case WeightUnit::Carat:
      return QStringLiteral("Carat");
    case WeightUnit::Gram:
      return QStringLiteral("Gram");
    case WeightUnit::KGram:
      return QStringLiteral("KGram");
    case WeightUnit::Ounce:
      return QStringLiteral("Ounce");
    case WeightUnit::Pound:
      return QStringLiteral("Pound");
  }
  return {};
}

std::optional<WeightUnit> WeightUnitOfMarker(const QString& marker) {
  for (int i = 0; i < kWeightUnitCount; ++i)
    if (marker == WeightMarker(static_cast<WeightUnit>(i))) return static_cast<WeightUnit>(i);
  return std::nullopt;
}

std::array<QString, kWeightUnitCount> ConvertWeight(WeightUnit source, long double value) {
  std::array<QString, kWeightUnitCount> out;
  switch (source) {
    case WeightUnit::Carat: {
      const long double g = StoreGrams(CheckedDivide(value, kCaratsPerGram));
      out[At(WeightUnit::Gram)] = General(g);
      out[At(WeightUnit::KGram)] = Fixed4(g / kGramsPerKilogram);
      out[At(WeightUnit::Ounce)] = Fixed4(g * kOuncesPerGram);
      out[At(WeightUnit::Pound)] = Fixed4(g * kPoundsPerGram);
      break;
    }
    case WeightUnit::Gram: {
      const long double g = StoreGrams(value);
      out[At(WeightUnit::Carat)] = General(g * kCaratsPerGram);
      out[At(WeightUnit::KGram)] = Fixed4(g / kGramsPerKilogram);
      out[At(WeightUnit::Ounce)] = Fixed4(g * kOuncesPerGram);
      out[At(WeightUnit::Pound)] = Fixed4(g * kPoundsPerGram);
      break;
    }
    case WeightUnit::KGram: {
      const long double g = StoreGrams(value * kGramsPerKilogram);
      out[At(WeightUnit::Carat)] = General(g * kCaratsPerGram);
      out[At(WeightUnit::Gram)] = General(g);
      out[At(WeightUnit::Ounce)] = Fixed4(g * kOuncesPerGram);
      out[At(WeightUnit::Pound)] = Fixed4(g * kPoundsPerGram);
      break;
    }
    case WeightUnit::Ounce: {
      const long double g = StoreGrams(value * kGramsPerOunce);
      out[At(WeightUnit::Carat)] = Fixed4(g * kCaratsPerGram);
      out[At(WeightUnit::Gram)] = Fixed4(g);
      out[At(WeightUnit::KGram)] = Fixed4(g * kKilogramsPerGram);
      out[At(WeightUnit::Pound)] = General(value / kOuncesPerPound);
      break;
    }
    case WeightUnit::Pound: {
      const long double g = StoreGrams(value * kGramsPerPound);
      out[At(WeightUnit::Carat)] = Fixed4(g * kCaratsPerGram);
      out[At(WeightUnit::Gram)] = Fixed4(g);
      out[At(WeightUnit::KGram)] = Fixed4(g * kKilogramsPerGram);
      out[At(WeightUnit::Ounce)] = General(value * kOuncesPerPound);
      break;
    }
  }
  return out;
}

}  // namespace orvane
