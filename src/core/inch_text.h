#pragma once

#include <QString>

namespace orvane {

// The largest size any bench box takes, in millimetres (100 m): beyond it a
// typed size is surely a slip, and refusing it keeps every result and twin a
// plain number instead of an exponent of hundreds of digits.
inline constexpr long double kLargestSizeMm = 100000;

// An inch size as the bench windows read it: a decimal ("0.0625"), a fraction
// ("3/16", "17/16") or a whole number and a fraction ("1 1/64"), worked out
// exactly rather than to the nearest thousandth. Spaces at both ends are
// ignored. Throws FractionError for a malformed fraction or a zero
// denominator and ConversionError for a decimal that is no number or no finite
// one. "-0" reads as 0; other negative decimals are returned as they are, for
// the caller to refuse with its own words.
long double parseInchesExact(const QString& text);

// A number typed in a plain bench box (millimetres, grams, a density): the
// program's number rules, and finite ("1e999" is refused), with "-0" read as 0.
long double parseFiniteNumber(const QString& text);

}  // namespace orvane
