#pragma once

#include <QString>
#include <optional>

namespace orvane {

// How the bench calculators read their number boxes. A box holding nothing
// (or only blanks) is a value not given yet; anything else must be a number
// within the box's range, or the step stops with ConversionError (a fraction
// that cannot be read: FractionError) before it has written anything.

// The range a box accepts: from a least value above zero (or zero, where zero
// means something, as a knot of no size does) up to a stated largest value.
// `what` names the box in messages ("the depth in mm"), in the user's language
// (the caller translates it; the messages are worded so that German can take
// it as the subject: "der Innendurchmesser"). Without a least value
// a paste of 1e-400 would go on into results of hundreds of digits.
struct BenchRange {
  QString what;
  long double largest;
  bool zeroAllowed = false;
  long double smallest = 0;  // above zero, the least the box takes
};

// A plain number box; its value checked against the range.
std::optional<long double> readBenchNumber(const QString& text, const BenchRange& range);

// Checks a value read elsewhere against a range; `text` is what the message quotes.
long double checkInBenchRange(long double value, const QString& text, const BenchRange& range);

// One size in two boxes, millimetres and inches: the box typed in last is the
// source and the other shows its equivalent.
enum class BenchUnit { Mm, Inch };
struct BenchSize {
  QString mm;
  QString inch;
  BenchUnit source = BenchUnit::Mm;
};

// Reads the source box (inches exactly, fractions too) and returns the size in
// millimetres; `shown` gets both boxes as they are to be shown, the twin
// rewritten (emptied when the source is empty). The range is in millimetres
// and names the size without its unit ("the diameter"); a message adds the
// unit of the box and gives the largest value in it.
std::optional<long double> readBenchSize(const BenchSize& typed, BenchSize& shown, const BenchRange& range);

// Enter was pressed in a box that the calculation needs and it is empty;
// `what` as in BenchRange.
[[noreturn]] void throwEmptyBenchBox(const QString& what);

// Sizes as the twin boxes show them: millimetres to six decimals and inches
// to five, trailing zeros dropped, so that exact sizes read exactly (1/64 inch
// is 0.396875 mm).
QString benchMmText(long double mm);
QString benchInchText(long double inches);

// A result to a fixed number of decimals; never "nan" or "inf" (MathError).
QString benchFixed(long double value, int decimals);

// A result to at least `decimals` decimals, and more where a small value
// would otherwise read as nothing: enough for two significant digits (a
// 1 mm diamond is 0.0037 ct, not 0.00).
QString benchReadable(long double value, int decimals);

}  // namespace orvane
