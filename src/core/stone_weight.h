#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace orvane {

// A gemstone of the Stone Weight list and its specific gravity, as shown.
struct GemEntry {
  const char* Name;
  const char* Gravity;
};
extern const std::array<GemEntry, 16> GemTable;

// The list: the table's stones, then "Other", whose gravity the user types.
QStringList gemNames();
inline constexpr int kOtherGem = int(GemTable.size());
inline constexpr int kDiamondGem = 0;

// Cut outlines with their bench factors.
enum class StoneShape { Round, Oval, EmeraldOrSquare, Cushion, Rectangle, Pear, Heart, Marquise };
QStringList stoneShapeNames();

// A round stone's diameter is measured across the girdle at its least and its
// greatest, and the two are averaged; the others take length and width.
bool isRoundShape(StoneShape shape);

// Carats from measurements in mm. A diamond is weighed by the diamond trade's
// own factors, without a gravity (the elongated cuts by their length to
// width ratio); every other stone by shape and specific gravity.
long double roundDiamondCarats(long double diameter, long double depth);
long double diamondCarats(StoneShape shape, long double length, long double width, long double depth);
long double stoneCarats(StoneShape shape, long double length, long double width, long double depth,
                        long double gravity);

// The diamond factor of a cut taken as length x width x depth x factor, by
// its length to width ratio (either way round): read in proportion between
// the table's ratios, the end factor beyond them. Zero for round and oval,
// which square the mean diameter instead.
long double diamondFactor(StoneShape shape, long double length, long double width);

// The formula the page shows for a shape (and for a diamond).
QString stoneFormula(StoneShape shape, bool diamond);

// The Stone Weight page's boxes when Enter is pressed or a list is picked.
struct StoneWeightInputs {
  int gem = kDiamondGem;  // entry of the stone list; kOtherGem for a typed gravity
  StoneShape shape = StoneShape::Round;
  QString gravity;  // specific gravity, read for "Other"
  QString length;   // least diameter of a round stone
  QString width;    // greatest diameter of a round stone; empty: the least alone
  QString depth;
};

// Boxes in the order of the page, for naming the one Enter was pressed in.
enum class StoneField { None, Gravity, Length, Width, Depth };

struct StoneWeightResult {
  QString carats;  // empty while a needed size is missing
  // The first needed box that is empty, where the caret goes next.
  StoneField missing = StoneField::None;
};

// Reads every box in order and fails on the first bad one (letters, zero or
// below, beyond the largest stone) before returning anything. Enter pressed
// in an empty box the result needs is a failure too.
StoneWeightResult stoneWeightEnter(const StoneWeightInputs& in, StoneField entered = StoneField::None);

}  // namespace orvane
