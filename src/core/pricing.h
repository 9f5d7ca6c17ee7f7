#pragma once

#include <QString>

namespace orvane {

// What a piece costs and sells for. Each sum is rounded to the cent before
// the next is worked out from it, so the figures shown add up as a customer
// would check them.
struct PricingInputs {
  QString Materials;   // money; empty is none
  QString Hours;       // labour hours
  QString HourlyRate;  // money per hour
  QString Overhead;    // %; empty is none
  QString WholesaleMultiplier;
  QString RetailMultiplier;
};

struct PricingOutputs {
  QString Labour, Cost, Wholesale, Retail;
  bool Complete = false;  // the retail price is shown
  // What the step stopped for when it could not go on ("the hourly rate"),
  // empty when nothing is needed or the retail price is shown.
  QString Missing;
};

// The default multipliers: wholesale is twice the cost, retail twice wholesale.
inline constexpr char kDefaultMultiplier[] = "2";

// A sum of money rounded to the cent, half a cent up.
long double roundToCents(long double amount);

// Enter on the Pricing page. Labour needs both hours and a rate (or neither);
// cost = (materials + labour) x (1 + overhead/100), wholesale = cost x its
// multiplier, retail = wholesale x its multiplier. Fails on the first bad box
// before anything is returned.
PricingOutputs pricingEnter(const PricingInputs& in);

}  // namespace orvane
