#include "core/bench_input.h"

#include <QCoreApplication>
#include <cmath>

#include "core/inch_text.h"
#include "core/text_rules.h"

namespace orvane {

namespace {

// A text of the rule's, marked where the rules are written.
QString ruleText(const char* text) { return QCoreApplication::translate("BenchInput", text); }

[[noreturn]] void refuse(const QString& message) { throw ConversionError(message.toStdString()); }

}  // namespace

long double checkAmount(long double value, const QString& text, const AmountRule& rule) {
  const QString quoted = quotedText(text);
  const QString what = ruleText(rule.what);
  if (!std::isfinite(value))
    refuse(QCoreApplication::translate("BenchInput", "'%1' is not a valid floating point value").arg(quoted));
  if (value < 0)
    refuse(QCoreApplication::translate("BenchInput", "'%1' is below zero: %2 cannot be negative")
               .arg(quoted, what));
  if (value == 0 && !rule.zeroAllowed)
    refuse(
        QCoreApplication::translate("BenchInput", "'%1' is zero: %2 must be above zero").arg(quoted, what));
  if (value > 0 && value < rule.smallest)
    refuse(QCoreApplication::translate("BenchInput", "'%1' is too small: %2 must be at least %3")
               .arg(quoted, what, ruleText(rule.smallestText)));
  if (value > rule.largest)
    refuse(QCoreApplication::translate("BenchInput", "'%1' is too large: %2 can be at most %3")
               .arg(quoted, what, ruleText(rule.largestText)));
  return value == 0 ? 0.0L : value;  // no "-0" goes on into a result
}

std::optional<long double> readAmount(const QString& box, const AmountRule& rule) {
  const QString text = trimBlanks(box);
  if (text.isEmpty()) return std::nullopt;
  return checkAmount(parseFiniteNumber(text), text, rule);
}

QString moneyText(long double amount) { return formatFixed(checkedResult(amount), 18, 2); }

}  // namespace orvane
