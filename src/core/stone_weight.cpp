#include "core/stone_weight.h"

#include <algorithm>
#include <optional>

#include "core/bench_size_input.h"
#include "core/text_rules.h"

namespace orvane {

const std::array<GemEntry, 16> GemTable = {{
    {"Diamond", "3.52"},
    {"Ruby", "4.00"},
    {"Sapphire", "4.00"},
    {"Emerald", "2.72"},
    {"Aquamarine", "2.72"},
    {"Spinel", "3.60"},
    {"Topaz", "3.53"},
    {"Tanzanite", "3.35"},
    {"Peridot", "3.34"},
    {"Amethyst", "2.65"},
    {"Citrine", "2.65"},
    {"Quartz", "2.65"},
    {"Garnet (almandine)", "4.05"},
    {"Tourmaline", "3.06"},
    {"Cubic zirconia", "5.70"},
    {"Moissanite", "3.22"},
}};

QStringList gemNames() {
  QStringList names;
  for (const GemEntry& g : GemTable) names << QString::fromLatin1(g.Name);
  names << QStringLiteral("Other");
  return names;
}

QStringList stoneShapeNames() {
  return {QStringLiteral("Round"),
          QStringLiteral("Oval"),
          QStringLiteral("Emerald cut or square"),
          QStringLiteral("Cushion"),
          QStringLiteral("Rectangle (baguette)"),
          QStringLiteral("Pear"),
          QStringLiteral("Heart"),
          QStringLiteral("Marquise")};
}

bool isRoundShape(StoneShape shape) { return shape == StoneShape::Round; }

long double roundDiamondCarats(long double diameter, long double depth) {
  return diameter * diameter * depth * 0.0061L;
}

namespace {

// The diamond tables give the elongated cuts a factor by length to width
// ratio; a longer stone has less of its depth under the table.
struct RatioFactor {
  long double ratio;
  long double factor;
};
constexpr RatioFactor kEmeraldCut[] = {
    {1.00L, 0.0080L}, {1.50L, 0.0092L}, {2.00L, 0.0100L}, {2.50L, 0.0106L}};
constexpr RatioFactor kMarquise[] = {
    {1.50L, 0.00565L}, {2.00L, 0.00580L}, {2.50L, 0.00585L}, {3.00L, 0.00595L}};
constexpr RatioFactor kPear[] = {{1.25L, 0.00615L}, {1.50L, 0.00600L}, {1.66L, 0.00590L}, {2.00L, 0.00575L}};

template <size_t N>
long double factorByRatio(const RatioFactor (&table)[N], long double ratio) {
  if (ratio <= table[0].ratio) return table[0].factor;
  for (size_t i = 1; i < N; ++i) {
    if (ratio > table[i].ratio) continue;
    const RatioFactor& a = table[i - 1];
    const RatioFactor& b = table[i];
    return a.factor + (b.factor - a.factor) * (ratio - a.ratio) / (b.ratio - a.ratio);
  }
  return table[N - 1].factor;
}

// The coloured-stone factor of each shape, the gravity apart.
long double colouredFactor(StoneShape shape) {
  switch (shape) {
    case StoneShape::Round:
    case StoneShape::Pear:
    case StoneShape::Heart:
      return 0.0018L;
    case StoneShape::Oval:
      return 0.0020L;
    case StoneShape::EmeraldOrSquare:
      return 0.0025L;
    case StoneShape::Cushion:
      return 0.0022L;
    case StoneShape::Rectangle:
      return 0.0026L;
    case StoneShape::Marquise:
      return 0.0017L;
  }
  return 0;
}

// Round, oval and a coloured cushion are weighed by the mean of their two
// diameters, squared.
long double meanSquared(long double length, long double width) {
  const long double mean = (length + width) / 2;
  return mean * mean;
}

}  // namespace

long double diamondFactor(StoneShape shape, long double length, long double width) {
  const long double ratio = std::max(length, width) / std::min(length, width);
  switch (shape) {
    case StoneShape::Round:
    case StoneShape::Oval:
      return 0;
    // The four-sided cuts share the emerald cut's table.
    case StoneShape::EmeraldOrSquare:
    case StoneShape::Cushion:
    case StoneShape::Rectangle:
      return factorByRatio(kEmeraldCut, ratio);
    case StoneShape::Pear:
      return factorByRatio(kPear, ratio);
    case StoneShape::Heart:
      return 0.0059L;
    case StoneShape::Marquise:
      return factorByRatio(kMarquise, ratio);
  }
  return 0;
}

long double diamondCarats(StoneShape shape, long double length, long double width, long double depth) {
  switch (shape) {
    case StoneShape::Round:
      return roundDiamondCarats((length + width) / 2, depth);
    case StoneShape::Oval:
      return meanSquared(length, width) * depth * 0.0062L;
    default:
      break;
  }
  return length * width * depth * diamondFactor(shape, length, width);
}

long double stoneCarats(StoneShape shape, long double length, long double width, long double depth,
                        long double gravity) {
  const long double factor = colouredFactor(shape);
  switch (shape) {
    case StoneShape::Round:
    case StoneShape::Oval:
    case StoneShape::Cushion:
      return meanSquared(length, width) * depth * gravity * factor;
    default:
      break;
  }
  return length * width * depth * gravity * factor;
}

QString stoneFormula(StoneShape shape, bool diamond) {
  if (diamond) {
    switch (shape) {
      case StoneShape::Round:
        return QStringLiteral("diameter\u00b2 \u00d7 depth \u00d7 0.0061");
      case StoneShape::Oval:
        return QStringLiteral("((L + W) / 2)\u00b2 \u00d7 depth \u00d7 0.0062");
      case StoneShape::EmeraldOrSquare:
      case StoneShape::Cushion:
      case StoneShape::Rectangle:
        return QStringLiteral("L \u00d7 W \u00d7 depth \u00d7 0.0080 to 0.0106 by L/W");
      case StoneShape::Pear:
        return QStringLiteral("L \u00d7 W \u00d7 depth \u00d7 0.00615 to 0.00575 by L/W");
      case StoneShape::Heart:
        return QStringLiteral("L \u00d7 W \u00d7 depth \u00d7 0.0059");
      case StoneShape::Marquise:
        return QStringLiteral("L \u00d7 W \u00d7 depth \u00d7 0.00565 to 0.00595 by L/W");
    }
  }
  switch (shape) {
    case StoneShape::Round:
      return QStringLiteral("diameter\u00b2 \u00d7 depth \u00d7 SG \u00d7 0.0018");
    case StoneShape::Oval:
      return QStringLiteral("((L + W) / 2)\u00b2 \u00d7 depth \u00d7 SG \u00d7 0.0020");
    case StoneShape::EmeraldOrSquare:
      return QStringLiteral("L \u00d7 W \u00d7 depth \u00d7 SG \u00d7 0.0025");
    case StoneShape::Cushion:
      return QStringLiteral("((L + W) / 2)\u00b2 \u00d7 depth \u00d7 SG \u00d7 0.0022");
    case StoneShape::Rectangle:
      return QStringLiteral("L \u00d7 W \u00d7 depth \u00d7 SG \u00d7 0.0026");
    case StoneShape::Pear:
    case StoneShape::Heart:
      return QStringLiteral("L \u00d7 W \u00d7 depth \u00d7 SG \u00d7 0.0018");
    case StoneShape::Marquise:
      return QStringLiteral("L \u00d7 W \u00d7 depth \u00d7 SG \u00d7 0.0017");
  }
  return {};
}

namespace {

// Larger than any cut stone; beyond it a typing slip is the likelier reading.
constexpr long double kLargestStoneMm = 200;
// Below a tenth of a millimetre no stone is cut or measured.
constexpr long double kSmallestStoneMm = 0.1L;
// Above the densest gem material (and osmium, 22.6); below amber (1.05),
// the lightest.
constexpr long double kLargestGravity = 25;
constexpr long double kSmallestGravity = 1;

}  // namespace

StoneWeightResult stoneWeightEnter(const StoneWeightInputs& in, StoneField entered) {
  const bool round = isRoundShape(in.shape);
  const bool diamondRule = in.gem == kDiamondGem;
  const BenchRange gravityRange{QStringLiteral("a specific gravity"), kLargestGravity, false,
                                kSmallestGravity};
  const BenchRange lengthRange{
      round ? QStringLiteral("the least diameter in mm") : QStringLiteral("the length in mm"),
      kLargestStoneMm, false, kSmallestStoneMm};
  const BenchRange widthRange{
      round ? QStringLiteral("the greatest diameter in mm") : QStringLiteral("the width in mm"),
      kLargestStoneMm, false, kSmallestStoneMm};
  const BenchRange depthRange{QStringLiteral("the depth in mm"), kLargestStoneMm, false, kSmallestStoneMm};

  // In the order of the page, so the first bad box is the one reported.
  std::optional<long double> gravity;
  if (in.gem >= 0 && in.gem < kOtherGem)
    gravity = textToNumber(QString::fromLatin1(GemTable[size_t(in.gem)].Gravity));
  else
    gravity = readBenchNumber(in.gravity, gravityRange);
  const std::optional<long double> length = readBenchNumber(in.length, lengthRange);
  std::optional<long double> width = readBenchNumber(in.width, widthRange);
  const std::optional<long double> depth = readBenchNumber(in.depth, depthRange);
  if (round && !width) width = length;  // one diameter measured

  StoneWeightResult result;
  const std::pair<StoneField, bool> needed[] = {
      {StoneField::Gravity, !diamondRule && !gravity},
      {StoneField::Length, !length},
      {StoneField::Width, !round && !width},
      {StoneField::Depth, !depth},
  };
  for (const auto& [field, missing] : needed) {
    if (!missing) continue;
    if (field == entered) {
      const QString what = field == StoneField::Gravity  ? gravityRange.what
                           : field == StoneField::Length ? lengthRange.what
                           : field == StoneField::Width  ? widthRange.what
                                                         : depthRange.what;
      throwEmptyBenchBox(what);
    }
    if (result.missing == StoneField::None) result.missing = field;
  }
  if (result.missing != StoneField::None) return result;

  const long double carats = diamondRule ? diamondCarats(in.shape, *length, *width, *depth)
                                         : stoneCarats(in.shape, *length, *width, *depth, *gravity);
  result.carats = benchReadable(carats, 2);
  return result;
}

}  // namespace orvane
