#include "core/inch_text.h"

#include <cmath>
#include <cstdint>

#include "core/text_rules.h"

namespace orvane {

namespace {

[[noreturn]] void throwFraction() { throw FractionError(kFractionMessage); }

// Whole digits only; nine at most keeps the value exact in a 64-bit integer
// and far beyond any size a bench is asked for.
std::uint64_t wholeDigits(const QString& part) {
  if (part.isEmpty() || part.size() > 9) throwFraction();
  std::uint64_t value = 0;
  for (QChar c : part) {
    if (c < u'0' || c > u'9') throwFraction();
    value = value * 10 + (c.unicode() - u'0');
  }
  return value;
}

}  // namespace

long double parseFiniteNumber(const QString& text) {
  const long double value = textToNumber(text);
  if (!std::isfinite(value) || std::fabs(value) > 1e300L)
    throw ConversionError(notAFloatText(trimSpaces(text)).toStdString());
  return value == 0 ? 0.0L : value;  // "-0" is plain 0
}

long double parseInchesExact(const QString& text) {
  const QString s = trimSpaces(text);
  const qsizetype slash = s.indexOf(u'/');
  if (slash < 0) return parseFiniteNumber(s);
  if (s.indexOf(u'/', slash + 1) >= 0) throwFraction();

  // "W N/D" or "N/D": the whole part, if any, is split off at the last space
  // before the slash; spaces around the slash are allowed, as people type them.
  const QString before = s.left(slash).trimmed();
  const QString denominatorText = s.mid(slash + 1).trimmed();
  const qsizetype space = before.lastIndexOf(u' ');
  const QString wholeText = space < 0 ? QString() : before.left(space).trimmed();
  const QString numeratorText = space < 0 ? before : before.mid(space + 1);

  const std::uint64_t whole = wholeText.isEmpty() ? 0 : wholeDigits(wholeText);
  const std::uint64_t numerator = wholeDigits(numeratorText);
  const std::uint64_t denominator = wholeDigits(denominatorText);
  if (denominator == 0) throwFraction();
  // Exact for every binary fraction (1/16, 1/64 ...), and correctly rounded
  // in extended precision for the rest.
  return static_cast<long double>(whole) +
         static_cast<long double>(numerator) / static_cast<long double>(denominator);
}

}  // namespace orvane
