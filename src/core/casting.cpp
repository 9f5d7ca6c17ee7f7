#include "core/casting.h"

#include <QCoreApplication>
#include <optional>

#include "core/bench_input.h"
#include "core/text_rules.h"

namespace orvane {

QStringList modelMaterialNames() {
  return {QCoreApplication::translate("Casting", "Wax"),
          QCoreApplication::translate("Casting", "Castable resin"),
          //: A model material not in the list, whose density the user types
          QCoreApplication::translate("Casting", "Other")};
}

QString modelDensityText(ModelMaterial material) {
  switch (material) {
    case ModelMaterial::Wax:
      return QStringLiteral("1.00");
    case ModelMaterial::Resin:
      return QStringLiteral("1.10");
    case ModelMaterial::Other:
      break;
  }
  return {};
}

long double castMetalGrams(long double modelGrams, long double modelDensity, long double metalDensity,
                           long double allowancePercent) {
  return checkedResult(modelGrams * checkedDivide(metalDensity, modelDensity) * (1 + allowancePercent / 100));
}

long double metalToMetalGrams(long double grams, long double fromDensity, long double toDensity) {
  return checkedResult(grams * checkedDivide(toDensity, fromDensity));
}

namespace {

QString fixed(long double value, int decimals) { return formatFixed(checkedResult(value), 18, decimals); }

}  // namespace

CastingOutputs castingEnter(const CastingInputs& in) {
  // In the order of the boxes, so the first bad one is the one reported.
  const std::optional<long double> model = readAmount(in.ModelWeight, amounts::kWeight);
  const std::optional<long double> modelDensity = readAmount(in.ModelDensity, amounts::kDensity);
  const std::optional<long double> metalDensity = readAmount(in.MetalDensity, amounts::kDensity);
  const long double allowance = readAmount(in.Allowance, amounts::kPercent).value_or(0);
  const std::optional<long double> price = readAmount(in.Price, amounts::kPrice);

  CastingOutputs out;
  if (!model || !modelDensity || !metalDensity) return out;
  const long double grams = castMetalGrams(*model, *modelDensity, *metalDensity, allowance);
  out.Grams = fixed(grams, 2);
  out.Pennyweights = fixed(grams / kGramsPerPennyweight, 2);
  out.TroyOunces = fixed(grams / kGramsPerTroyOunce, 3);
  if (price) out.Cost = moneyText(metalCost(grams, *price, in.Unit));
  out.Complete = true;
  return out;
}

QString metalToMetalEnter(const QString& weight, const QString& fromDensity, const QString& toDensity) {
  const std::optional<long double> grams = readAmount(weight, amounts::kWeight);
  const std::optional<long double> from = readAmount(fromDensity, amounts::kDensity);
  const std::optional<long double> to = readAmount(toDensity, amounts::kDensity);
  if (!grams || !from || !to) return {};
  return fixed(metalToMetalGrams(*grams, *from, *to), 2);
}

}  // namespace orvane
