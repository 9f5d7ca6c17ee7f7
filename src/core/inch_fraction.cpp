#include "core/inch_fraction.h"

#include "core/text_rules.h"

namespace orvane {

namespace {

[[noreturn]] void ThrowBadFraction() { throw EFractionError(kFractionMessage); }

// Plain digits, at most nine of them so that the value is exact.
long double WholeDigits(const QString& text) {
  if (text.isEmpty() || text.size() > 9) ThrowBadFraction();
  long double value = 0;
  for (QChar c : text) {
    if (c < u'0' || c > u'9') ThrowBadFraction();
    value = value * 10 + (c.unicode() - u'0');
  }
  return value;
}

}  // namespace

long double parseInchesExactly(const QString& typed) {
  QString text = TrimBlanks(typed);
  if (!text.contains(u'/')) return TextToNumber(text);

  const bool negative = text.startsWith(u'-');
  if (negative) text = TrimBlanks(text.mid(1));
  // "w n/d": the whole number is optional, the fraction's parts plain digits.
  long double whole = 0;
  const qsizetype space = text.lastIndexOf(u' ');
  if (space >= 0) {
    whole = WholeDigits(TrimBlanks(text.left(space)));
    text = text.mid(space + 1);
  }
  const qsizetype slash = text.indexOf(u'/');
  if (slash < 0 || text.indexOf(u'/', slash + 1) >= 0) ThrowBadFraction();
  const long double numerator = WholeDigits(text.left(slash));
  const long double denominator = WholeDigits(text.mid(slash + 1));
  if (denominator == 0) ThrowBadFraction();
  const long double value = whole + numerator / denominator;
  return negative ? -value : value;
}

}  // namespace orvane
