#include "core/bench_input.h"

#include <cmath>

#include "core/inch_text.h"
#include "core/text_rules.h"

namespace orvane {

namespace {

[[noreturn]] void refuse(const QString& text, const QString& why) {
  throw ConversionError(QStringLiteral("'%1' %2").arg(quotedText(text), why).toStdString());
}

}  // namespace

long double checkAmount(long double value, const QString& text, const AmountRule& rule) {
  const QString what = QString::fromUtf8(rule.what);
  if (!std::isfinite(value)) refuse(text, QStringLiteral("is not a valid floating point value"));
  if (value < 0) refuse(text, QStringLiteral("is below zero: %1 cannot be negative").arg(what));
  if (value == 0 && !rule.zeroAllowed)
    refuse(text, QStringLiteral("is zero: %1 must be above zero").arg(what));
  if (value > 0 && value < rule.smallest)
    refuse(text, QStringLiteral("is too small: %1 must be at least %2")
                     .arg(what, QString::fromUtf8(rule.smallestText)));
  if (value > rule.largest)
    refuse(
        text,
        QStringLiteral("is too large: %1 can be at most %2").arg(what, QString::fromUtf8(rule.largestText)));
  return value == 0 ? 0.0L : value;  // no "-0" goes on into a result
}

std::optional<long double> readAmount(const QString& box, const AmountRule& rule) {
  const QString text = trimBlanks(box);
  if (text.isEmpty()) return std::nullopt;
  return checkAmount(parseFiniteNumber(text), text, rule);
}

QString moneyText(long double amount) { return formatFixed(checkedResult(amount), 18, 2); }

}  // namespace orvane
