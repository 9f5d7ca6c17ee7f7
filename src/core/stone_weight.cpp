#include "core/stone_weight.h"

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
          QStringLiteral("Rectangle (cushion, baguette)"),
          QStringLiteral("Pear or heart"),
          QStringLiteral("Marquise")};
}

bool isRoundShape(StoneShape shape) { return shape == StoneShape::Round; }

long double roundDiamondCarats(long double diameter, long double depth) {
  return diameter * diameter * depth * 0.0061L;
}

namespace {

// The bench factor of each shape, the gravity apart.
long double ShapeFactor(StoneShape shape) {
  switch (shape) {
    case StoneShape::Round:
    case StoneShape::PearOrHeart:
      return 0.0018L;
    case StoneShape::Oval:
      return 0.0020L;
    case StoneShape::EmeraldOrSquare:
      return 0.0025L;
    case StoneShape::Rectangle:
      return 0.0026L;
    case StoneShape::Marquise:
      return 0.0017L;
  }
  return 0;
}

}  // namespace

long double stoneCarats(StoneShape shape, long double length, long double width, long double depth,
                        long double gravity) {
  const long double factor = ShapeFactor(shape);
  switch (shape) {
    case StoneShape::Round: {
      const long double diameter = (length + width) / 2;
      return diameter * diameter * depth * gravity * factor;
    }
    case StoneShape::Oval: {
      const long double across = (length + width) / 2;
      return across * across * depth * gravity * factor;
    }
    case StoneShape::EmeraldOrSquare:
    case StoneShape::Rectangle:
    case StoneShape::PearOrHeart:
    case StoneShape::Marquise:
      break;
  }
  return length * width * depth * gravity * factor;
}

QString stoneFormula(StoneShape shape, bool diamond) {
  if (diamond && shape == StoneShape::Round)
    return QStringLiteral("diameter\u00b2 \u00d7 depth \u00d7 0.0061");
  switch (shape) {
    case StoneShape::Round:
      return QStringLiteral("diameter\u00b2 \u00d7 depth \u00d7 SG \u00d7 0.0018");
    case StoneShape::Oval:
      return QStringLiteral("((L + W) / 2)\u00b2 \u00d7 depth \u00d7 SG \u00d7 0.0020");
    case StoneShape::EmeraldOrSquare:
      return QStringLiteral("L \u00d7 W \u00d7 depth \u00d7 SG \u00d7 0.0025");
    case StoneShape::Rectangle:
      return QStringLiteral("L \u00d7 W \u00d7 depth \u00d7 SG \u00d7 0.0026");
    case StoneShape::PearOrHeart:
      return QStringLiteral("L \u00d7 W \u00d7 depth \u00d7 SG \u00d7 0.0018");
    case StoneShape::Marquise:
      return QStringLiteral("L \u00d7 W \u00d7 depth \u00d7 SG \u00d7 0.0017");
  }
  return {};
}

namespace {

// Larger than any cut stone; beyond it a typing slip is the likelier reading.
constexpr long double kLargestStoneMm = 200;
// Above the densest gem material (and osmium, 22.6).
constexpr long double kLargestGravity = 25;

}  // namespace

StoneWeightResult stoneWeightEnter(const StoneWeightInputs& in, StoneField entered) {
  const bool round = isRoundShape(in.shape);
  const bool diamondRule = round && in.gem == kDiamondGem;
  const BenchRange gravityRange{QStringLiteral("a specific gravity"), kLargestGravity};
  const BenchRange lengthRange{
      round ? QStringLiteral("the least diameter in mm") : QStringLiteral("the length in mm"),
      kLargestStoneMm};
  const BenchRange widthRange{
      round ? QStringLiteral("the greatest diameter in mm") : QStringLiteral("the width in mm"),
      kLargestStoneMm};
  const BenchRange depthRange{QStringLiteral("the depth in mm"), kLargestStoneMm};

  // In the order of the page, so the first bad box is the one reported.
  std::optional<long double> gravity;
  if (in.gem >= 0 && in.gem < kOtherGem)
    gravity = TextToNumber(QString::fromLatin1(GemTable[size_t(in.gem)].Gravity));
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

  const long double carats = diamondRule ? roundDiamondCarats((*length + *width) / 2, *depth)
                                         : stoneCarats(in.shape, *length, *width, *depth, *gravity);
  result.carats = benchFixed(carats, 2);
  return result;
}

}  // namespace orvane
