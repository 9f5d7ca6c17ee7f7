#include "core/pricing.h"

#include <QCoreApplication>
#include <optional>

#include "core/bench_input.h"
#include "core/text_rules.h"

namespace orvane {

// Through the text shown, so that the value used next is exactly the one seen.
long double roundToCents(long double amount) { return textToNumber(moneyText(amount)); }

PricingOutputs pricingEnter(const PricingInputs& in) {
  const std::optional<long double> materials = readAmount(in.Materials, amounts::kMoney);
  const std::optional<long double> hours = readAmount(in.Hours, amounts::kHours);
  const std::optional<long double> rate = readAmount(in.HourlyRate, amounts::kMoney);
  const long double overhead = readAmount(in.Overhead, amounts::kPercent).value_or(0);
  const std::optional<long double> wholesaleBy = readAmount(in.WholesaleMultiplier, amounts::kMultiplier);
  const std::optional<long double> retailBy = readAmount(in.RetailMultiplier, amounts::kMultiplier);

  PricingOutputs out;
  // Hours without a rate (or a rate without hours) is labour not yet known.
  if (hours.has_value() != rate.has_value()) {
    if (hours)
      //: Spoken after "Enter" as what is still needed (German: accusative, with article)
      out.Missing = QCoreApplication::translate("Pricing", "the hourly rate");
    else
      //: Spoken after "Enter" as what is still needed (German: accusative, with article)
      out.Missing = QCoreApplication::translate("Pricing", "the labour hours");
    return out;
  }
  const long double labour = hours ? roundToCents(*hours * *rate) : 0;
  if (hours) out.Labour = moneyText(labour);
  if (!materials && !hours) {
    //: Spoken after "Enter" as what is still needed (German: accusative, with article)
    out.Missing = QCoreApplication::translate("Pricing", "the materials or the labour hours");
    return out;
  }

  const long double cost =
      roundToCents(checkedResult((materials.value_or(0) + labour) * (1 + overhead / 100)));
  out.Cost = moneyText(cost);
  if (!wholesaleBy) {
    //: Spoken after "Enter" as what is still needed (German: accusative, with article)
    out.Missing = QCoreApplication::translate("Pricing", "the wholesale multiplier");
    return out;
  }
  const long double wholesale = roundToCents(cost * *wholesaleBy);
  out.Wholesale = moneyText(wholesale);
  if (!retailBy) {
    //: Spoken after "Enter" as what is still needed (German: accusative, with article)
    out.Missing = QCoreApplication::translate("Pricing", "the retail multiplier");
    return out;
  }
  out.Retail = moneyText(roundToCents(wholesale * *retailBy));
  out.Complete = true;
  return out;
}

}  // namespace orvane
