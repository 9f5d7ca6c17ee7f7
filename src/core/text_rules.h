#pragma once

#include <QString>
#include <optional>
#include <stdexcept>

namespace orvane {

// what() is the message as the user sees it, before the final "." is added.
struct ConversionError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
struct MathError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
struct FractionError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
struct FileError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

inline constexpr long double kMmPerInch = 25.4L;

long double TextToNumber(const QString& text);
qint32 TextToInteger(const QString& text);
// What TextToInteger reads, or nothing where it would fail.
std::optional<qint32> ReadInteger(const QString& text);
// An inch fraction ("1/64", "1 1/8", "17/16") read exactly: 1/64 is 0.015625.
long double FractionToDecimal(const QString& text);
// An inch box's text: a fraction as above, else a decimal number.
long double InchTextToNumber(const QString& text);
// The same text as the pearl-plate and stone-size look-ups read it: a
// fraction to the nearest thousandth in single precision, so that their
// answers stay on the keys the tables were always searched with.
long double InchLookupValue(const QString& text);
QString FormatFixed(long double value, int precision, int decimals);
QString FormatGeneral(long double value);

// Spaces removed from both ends, as the number rules and the converter read a
// box; TrimBlanks also removes control characters, as the worksheet file and
// the bead page read theirs.
QString TrimSpaces(const QString& text);
QString TrimBlanks(const QString& text);

// A bead size, length or spacing read from a box: a pasted negative value
// would give answers that look sound but mean nothing, so it is refused.
long double NotNegative(long double value, const QString& text);

// Rounds an extended result to a 32-bit float, as the size look-up keys were
// made; a finite value too large for a float is an overflow, not a silent
// infinity. No shown figure goes through it.
float StoreSingle(long double value);

// Checked extended arithmetic: IEEE does not trap, so the faults the user must
// hear about are raised here with the program's own texts.
long double CheckedDivide(long double numerator, long double denominator);
long double CheckedResult(long double value);

// A user's text as a message quotes it: shortened when very long, and set
// apart so that right-to-left text in it cannot reorder the sentence.
QString QuotedText(const QString& text);

// The error box text: a "." is added unless the text already ends in "." or
// in a character below it.
QString WithFinalDot(const QString& message);

inline constexpr char kFractionMessage[] = "Cannot convert Fraction to Decimal.";
inline constexpr char kDivisionByZero[] = "Floating point division by zero";
inline constexpr char kInvalidOperation[] = "Invalid floating point operation";
inline constexpr char kOverflow[] = "Floating point overflow";

}  // namespace orvane
