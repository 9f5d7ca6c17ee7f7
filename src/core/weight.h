#pragma once

#include <QString>
#include <array>
#include <optional>

namespace orvane {

// The units of the Weight page, in the order of its boxes: the metric and
// avoirdupois units, then the troy units that metal is traded in.
enum class WeightUnit { Carat, Gram, KGram, Ounce, Pound, TroyOunce, Pennyweight, Grain };
inline constexpr int kWeightUnitCount = 5;  // carats to pounds
inline constexpr int kTroyUnitCount = 3;
inline constexpr int kWeightBoxCount = kWeightUnitCount + kTroyUnitCount;

// The active-box marker of a unit ("Carat", "Gram", "KGram", "Ounce", "Pound",
// "TroyOunce", "Pennyweight", "Grain") and back; an unknown or empty marker
// names no unit.
QString WeightMarker(WeightUnit unit);
std::optional<WeightUnit> WeightUnitOfMarker(const QString& marker);

// The texts the eight boxes show for `value` typed in the `source` box, indexed
// by WeightUnit. The source's own entry is a null string: its box keeps what
// the user typed. Grams are the pivot, held as a double; every result comes
// from the unrounded grams (ounces and pounds from each other directly), never
// from another result's text. Throws EMathError when the grams overflow.
std::array<QString, kWeightBoxCount> ConvertWeight(WeightUnit source, long double value);

}  // namespace orvane
