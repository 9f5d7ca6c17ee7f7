#pragma once

#include <QString>
#include <array>
#include <optional>

#include "core/box_text.h"

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
QString weightMarker(WeightUnit unit);
std::optional<WeightUnit> weightUnitOfMarker(const QString& marker);

// The texts the eight boxes show for `value` typed in the `source` box, indexed
// by WeightUnit. The source's own entry is a null string: its box keeps what
// the user typed. Grams are the pivot, held as a double; every result comes
// from the unrounded grams (ounces and pounds from each other directly), never
// from another result's text. Throws MathError when the grams overflow.
std::array<QString, kWeightBoxCount> convertWeight(WeightUnit source, long double value);

// The eight weight boxes, indexed by WeightUnit.
using WeightBoxes = std::array<BoxText, kWeightBoxCount>;

// The order the boxes of a conversion are written in: grams, the pivot, first.
inline constexpr std::array<WeightUnit, kWeightBoxCount> kWeightWriteOrder = {
    WeightUnit::Gram,  WeightUnit::Carat,     WeightUnit::KGram,       WeightUnit::Ounce,
    WeightUnit::Pound, WeightUnit::TroyOunce, WeightUnit::Pennyweight, WeightUnit::Grain};

// Enter in a weight box: the box the marker names is the source, and every
// other box is written with its converted value; the source keeps its text.
// A marker that names no box does nothing. A source holding nothing to
// convert (empty, or a lone point) writes nothing and is returned: Enter
// walks on from it to the next control. Throws the program's errors for a
// text that is no number or is below zero; nothing is written then.
std::optional<WeightUnit> weightEntered(const QString& marker, WeightBoxes& boxes);

}  // namespace orvane
