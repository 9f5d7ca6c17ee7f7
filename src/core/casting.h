#pragma once

#include <QString>
#include <QStringList>

#include "core/metal.h"

namespace orvane {

// What a model for casting is made of. Wax is taken at 1.00 g/cm3, the bench
// rule; castable resins vary, so their density can be changed.
enum class ModelMaterial { Wax, Resin, Other };
QStringList modelMaterialNames();
// The density a material starts with, as the box shows it; empty for Other.
QString modelDensityText(ModelMaterial material);

// The metal a model takes: its weight scaled by the densities, plus an
// allowance in per cent for the sprue and button.
long double castMetalGrams(long double modelGrams, long double modelDensity, long double metalDensity,
                           long double allowancePercent);

// A piece of known weight in one metal, made in another.
long double metalToMetalGrams(long double grams, long double fromDensity, long double toDensity);

struct CastingInputs {
  QString ModelWeight;  // g
  QString ModelDensity;
  QString MetalDensity;
  QString Allowance;  // %; empty is none
  QString Price;
  PriceUnit Unit = PriceUnit::TroyOunce;
};

struct CastingOutputs {
  QString Grams, Pennyweights, TroyOunces, Cost;
  bool Complete = false;  // the weight is shown
};

// Enter on the casting side. Reads every box and fails on the first bad one
// before anything is returned; a weight or density not yet given leaves the
// results empty.
CastingOutputs castingEnter(const CastingInputs& in);

// Enter on the metal to metal side: the weight in the second metal, or empty
// while no weight is given.
QString metalToMetalEnter(const QString& weight, const QString& fromDensity, const QString& toDensity);

}  // namespace orvane
