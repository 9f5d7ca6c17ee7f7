#pragma once

#include <QString>
#include <optional>

namespace orvane {

// How one bench box is read: what it holds (for the message), the largest
// value it takes and whether zero makes sense in it. A value beyond the limit
// is a slip of the keyboard or a paste, and would only fill the results with
// exponents.
// The texts are English and marked for translation in the "BenchInput"
// context; a message translates them as it names them.
struct AmountRule {
  const char* what;     // "a density", as a message names it
  long double largest;  // in the box's own unit
  const char* largestText;
  bool zeroAllowed;
  // Above zero, the least a divisor takes: a density of 1e-200 would make
  // a weight of an exponent of hundreds of digits.
  long double smallest = 0;
  const char* smallestText = "";
};

namespace amounts {
// A hundredth of a millimetre is finer than any wire or sheet the bench works.
// The limits with thousands are translated too: where a comma is the decimal
// sign, "100,000" would read as a hundred.
inline constexpr AmountRule kSize{QT_TRANSLATE_NOOP("BenchInput", "a size or length"),
                                  100000,
                                  QT_TRANSLATE_NOOP("BenchInput", "100,000 mm"),
                                  false,
                                  0.01L,
                                  "0.01 mm"};
inline constexpr AmountRule kAllowanceMm{QT_TRANSLATE_NOOP("BenchInput", "an allowance"), 100000,
                                         QT_TRANSLATE_NOOP("BenchInput", "100,000 mm"), true};
inline constexpr AmountRule kDensity{
    QT_TRANSLATE_NOOP("BenchInput", "a density"), 100, "100 g/cm\u00b3", false, 0.1L, "0.1 g/cm\u00b3"};
// A milligram is the least a jeweller's scale reads.
inline constexpr AmountRule kWeight{QT_TRANSLATE_NOOP("BenchInput", "a weight"),
                                    1000000,
                                    QT_TRANSLATE_NOOP("BenchInput", "1,000,000 g"),
                                    false,
                                    0.001L,
                                    "0.001 g"};
inline constexpr AmountRule kPrice{QT_TRANSLATE_NOOP("BenchInput", "a price"), 10000000,
                                   QT_TRANSLATE_NOOP("BenchInput", "10,000,000"), true};
inline constexpr AmountRule kMoney{QT_TRANSLATE_NOOP("BenchInput", "an amount of money"), 10000000,
                                   QT_TRANSLATE_NOOP("BenchInput", "10,000,000"), true};
inline constexpr AmountRule kPercent{QT_TRANSLATE_NOOP("BenchInput", "a percentage"), 1000,
                                     QT_TRANSLATE_NOOP("BenchInput", "1,000 %"), true};
inline constexpr AmountRule kHours{QT_TRANSLATE_NOOP("BenchInput", "a number of hours"), 10000,
                                   QT_TRANSLATE_NOOP("BenchInput", "10,000 hours"), true};
inline constexpr AmountRule kMultiplier{QT_TRANSLATE_NOOP("BenchInput", "a multiplier"), 100, "100", false};
}  // namespace amounts

// The value in a box, checked against its rule; nothing when the box is empty
// (or blank). Throws ConversionError with the program's message for text that
// is no number ("nan", "inf" included), a negative value, a zero where zero
// makes no sense ("-0" counts as zero) and a value beyond the limits.
std::optional<long double> readAmount(const QString& box, const AmountRule& rule);

// The same checks for a value read otherwise (an inch size in millimetres);
// `text` is what the user typed, for the message.
long double checkAmount(long double value, const QString& text, const AmountRule& rule);

// Money as shown: two decimals, and never an exponent for the sums the
// limits allow.
QString moneyText(long double amount);

}  // namespace orvane
