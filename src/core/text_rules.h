#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <stdexcept>

namespace orvane {

// The program's own message for one of the fixed texts below, in the user's
// language.
QString errorText(const char* english);

// what() is the message as the user sees it, before the final "." is added.
// Made from one of the fixed texts below, an error carries it translated;
// from a std::string, as it is (the caller has translated it).
struct ConversionError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
struct MathError : std::runtime_error {
  using std::runtime_error::runtime_error;
  explicit MathError(const char* english) : std::runtime_error(errorText(english).toStdString()) {}
};
struct FractionError : std::runtime_error {
  using std::runtime_error::runtime_error;
  explicit FractionError(const char* english) : std::runtime_error(errorText(english).toStdString()) {}
};
struct FileError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

inline constexpr long double kMmPerInch = 25.4L;

long double textToNumber(const QString& text);
qint32 textToInteger(const QString& text);
// What textToInteger reads, or nothing where it would fail.
std::optional<qint32> readInteger(const QString& text);
// An inch fraction ("1/64", "1 1/8", "17/16") read exactly: 1/64 is 0.015625.
long double fractionToDecimal(const QString& text);
// An inch box's text: a fraction as above, else a decimal number.
long double inchTextToNumber(const QString& text);
// The same text as the pearl-plate and stone-size look-ups read it: a
// fraction to the nearest thousandth in single precision, so that their
// answers stay on the keys the tables were always searched with.
long double inchLookupValue(const QString& text);
QString formatFixed(long double value, int precision, int decimals);
QString formatGeneral(long double value);

// Spaces removed from both ends, as the number rules and the converter read a
// box; trimBlanks also removes control characters, as the worksheet file and
// the bead page read theirs.
QString trimSpaces(const QString& text);
QString trimBlanks(const QString& text);

// A bead size, length or spacing read from a box: a pasted negative value
// would give answers that look sound but mean nothing, so it is refused.
long double notNegative(long double value, const QString& text);

// Rounds an extended result to a 32-bit float, as the size look-up keys were
// made; a finite value too large for a float is an overflow, not a silent
// infinity. No shown figure goes through it.
float storeSingle(long double value);

// Checked extended arithmetic: IEEE does not trap, so the faults the user must
// hear about are raised here with the program's own texts.
long double checkedDivide(long double numerator, long double denominator);
long double checkedResult(long double value);

// A user's text as a message quotes it: shortened when very long, and set
// apart so that right-to-left text in it cannot reorder the sentence.
QString quotedText(const QString& text);

// "'text' is not a valid floating point value", in the user's language.
QString notAFloatText(const QString& text);

// The error box text: a "." is added unless the text already ends in "." or
// in a character below it.
QString withFinalDot(const QString& message);

// The English texts are the look-up keys of their translations.
inline constexpr char kFractionMessage[] =
    QT_TRANSLATE_NOOP("TextRules", "Cannot convert Fraction to Decimal.");
inline constexpr char kDivisionByZero[] = QT_TRANSLATE_NOOP("TextRules", "Floating point division by zero");
inline constexpr char kInvalidOperation[] =
    QT_TRANSLATE_NOOP("TextRules", "Invalid floating point operation");
inline constexpr char kOverflow[] = QT_TRANSLATE_NOOP("TextRules", "Floating point overflow");

}  // namespace orvane
