#include "core/stone_weight.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

#include "core/bench_size_input.h"
#include "core/text_rules.h"

namespace orvane {

const std::array<GemEntry, 16> GemTable = {{
    {QT_TRANSLATE_NOOP("StoneWeight", "Diamond"), "3.52"},
    {QT_TRANSLATE_NOOP("StoneWeight", "Ruby"), "4.00"},
    {QT_TRANSLATE_NOOP("StoneWeight", "Sapphire"), "4.00"},
    {QT_TRANSLATE_NOOP("StoneWeight", "Emerald"), "2.72"},
    {QT_TRANSLATE_NOOP("StoneWeight", "Aquamarine"), "2.72"},
    {QT_TRANSLATE_NOOP("StoneWeight", "Spinel"), "3.60"},
    {QT_TRANSLATE_NOOP("StoneWeight", "Topaz"), "3.53"},
    {QT_TRANSLATE_NOOP("StoneWeight", "Tanzanite"), "3.35"},
    {QT_TRANSLATE_NOOP("StoneWeight", "Peridot"), "3.34"},
    {QT_TRANSLATE_NOOP("StoneWeight", "Amethyst"), "2.65"},
    {QT_TRANSLATE_NOOP("StoneWeight", "Citrine"), "2.65"},
    {QT_TRANSLATE_NOOP("StoneWeight", "Quartz"), "2.65"},
    {QT_TRANSLATE_NOOP("StoneWeight", "Garnet (almandine)"), "4.05"},
    {QT_TRANSLATE_NOOP("StoneWeight", "Tourmaline"), "3.06"},
    {QT_TRANSLATE_NOOP("StoneWeight", "Cubic zirconia"), "5.70"},
    {QT_TRANSLATE_NOOP("StoneWeight", "Moissanite"), "3.22"},
}};

// As shown and spoken; the page looks a stone up by its place in the list.
QStringList gemNames() {
  QStringList names;
  for (const GemEntry& g : GemTable) names << QCoreApplication::translate("StoneWeight", g.Name);
  //: A stone not in the list, whose specific gravity the user types
  names << QCoreApplication::translate("StoneWeight", "Other");
  return names;
}

QStringList stoneShapeNames() {
  const char* const shapes[] = {QT_TRANSLATE_NOOP("StoneWeight", "Round"),
                                QT_TRANSLATE_NOOP("StoneWeight", "Oval"),
                                QT_TRANSLATE_NOOP("StoneWeight", "Emerald cut or square"),
                                QT_TRANSLATE_NOOP("StoneWeight", "Cushion"),
                                QT_TRANSLATE_NOOP("StoneWeight", "Rectangle (baguette)"),
                                QT_TRANSLATE_NOOP("StoneWeight", "Pear"),
                                QT_TRANSLATE_NOOP("StoneWeight", "Heart"),
                                QT_TRANSLATE_NOOP("StoneWeight", "Marquise")};
  QStringList names;
  for (const char* shape : shapes) names << QCoreApplication::translate("StoneWeight", shape);
  return names;
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
  // L and W are the stone's length and width, SG its specific gravity.
  auto formula = [](const char* text) { return QCoreApplication::translate("StoneWeight", text); };
  if (diamond) {
    switch (shape) {
      case StoneShape::Round:
        return formula(QT_TRANSLATE_NOOP("StoneWeight", "diameter\u00b2 \u00d7 depth \u00d7 0.0061"));
      case StoneShape::Oval:
        return formula(QT_TRANSLATE_NOOP("StoneWeight", "((L + W) / 2)\u00b2 \u00d7 depth \u00d7 0.0062"));
      case StoneShape::EmeraldOrSquare:
      case StoneShape::Cushion:
      case StoneShape::Rectangle:
        return formula(
            QT_TRANSLATE_NOOP("StoneWeight", "L \u00d7 W \u00d7 depth \u00d7 0.0080 to 0.0106 by L/W"));
      case StoneShape::Pear:
        return formula(
            QT_TRANSLATE_NOOP("StoneWeight", "L \u00d7 W \u00d7 depth \u00d7 0.00615 to 0.00575 by L/W"));
      case StoneShape::Heart:
        return formula(QT_TRANSLATE_NOOP("StoneWeight", "L \u00d7 W \u00d7 depth \u00d7 0.0059"));
      case StoneShape::Marquise:
        return formula(
            QT_TRANSLATE_NOOP("StoneWeight", "L \u00d7 W \u00d7 depth \u00d7 0.00565 to 0.00595 by L/W"));
    }
  }
  switch (shape) {
    case StoneShape::Round:
      return formula(QT_TRANSLATE_NOOP("StoneWeight", "diameter\u00b2 \u00d7 depth \u00d7 SG \u00d7 0.0018"));
    case StoneShape::Oval:
      return formula(
          QT_TRANSLATE_NOOP("StoneWeight", "((L + W) / 2)\u00b2 \u00d7 depth \u00d7 SG \u00d7 0.0020"));
    case StoneShape::EmeraldOrSquare:
      return formula(QT_TRANSLATE_NOOP("StoneWeight", "L \u00d7 W \u00d7 depth \u00d7 SG \u00d7 0.0025"));
    case StoneShape::Cushion:
      return formula(
          QT_TRANSLATE_NOOP("StoneWeight", "((L + W) / 2)\u00b2 \u00d7 depth \u00d7 SG \u00d7 0.0022"));
    case StoneShape::Rectangle:
      return formula(QT_TRANSLATE_NOOP("StoneWeight", "L \u00d7 W \u00d7 depth \u00d7 SG \u00d7 0.0026"));
    case StoneShape::Pear:
    case StoneShape::Heart:
      return formula(QT_TRANSLATE_NOOP("StoneWeight", "L \u00d7 W \u00d7 depth \u00d7 SG \u00d7 0.0018"));
    case StoneShape::Marquise:
      return formula(QT_TRANSLATE_NOOP("StoneWeight", "L \u00d7 W \u00d7 depth \u00d7 SG \u00d7 0.0017"));
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
  // The boxes as messages name them ("'0' is zero: the depth in mm must be more than 0").
  auto named = [](const char* what) { return QCoreApplication::translate("StoneWeight", what); };
  //: Names a box in a message: "'0' is zero: %1 must be more than 0" (German: nominative, with article)
  const char* const gravityName = QT_TRANSLATE_NOOP("StoneWeight", "a specific gravity");
  //: Names a box in a message: "'0' is zero: %1 must be more than 0" (German: nominative, with article)
  const char* const leastName = QT_TRANSLATE_NOOP("StoneWeight", "the least diameter in mm");
  //: Names a box in a message: "'0' is zero: %1 must be more than 0" (German: nominative, with article)
  const char* const lengthName = QT_TRANSLATE_NOOP("StoneWeight", "the length in mm");
  //: Names a box in a message: "'0' is zero: %1 must be more than 0" (German: nominative, with article)
  const char* const greatestName = QT_TRANSLATE_NOOP("StoneWeight", "the greatest diameter in mm");
  //: Names a box in a message: "'0' is zero: %1 must be more than 0" (German: nominative, with article)
  const char* const widthName = QT_TRANSLATE_NOOP("StoneWeight", "the width in mm");
  //: Names a box in a message: "'0' is zero: %1 must be more than 0" (German: nominative, with article)
  const char* const depthName = QT_TRANSLATE_NOOP("StoneWeight", "the depth in mm");
  const BenchRange gravityRange{named(gravityName), kLargestGravity, false, kSmallestGravity};
  const BenchRange lengthRange{named(round ? leastName : lengthName), kLargestStoneMm, false,
                               kSmallestStoneMm};
  const BenchRange widthRange{named(round ? greatestName : widthName), kLargestStoneMm, false,
                              kSmallestStoneMm};
  const BenchRange depthRange{named(depthName), kLargestStoneMm, false, kSmallestStoneMm};

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
