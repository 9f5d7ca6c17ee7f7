#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <initializer_list>

namespace orvane {

// Troy weights in grams, exact by definition: a pennyweight is a twentieth of
// a troy ounce, a grain 64.79891 mg.
inline constexpr long double kGramsPerTroyOunce = 31.1034768L;
inline constexpr long double kGramsPerPennyweight = 1.55517384L;
inline constexpr long double kGramsPerGrain = 0.06479891L;

// A metal of the Metal Calculator's list (its English name, shown in the
// user's language) and its density in g/cm3, as shown; a 950 alloy has no density text but its two metals'
// densities, 95 and 5 % by mass.
struct MetalEntry {
  const char* Name;
  const char* Density;
  long double Base = 0;
  long double Addition = 0;
};
extern const std::array<MetalEntry, 26> MetalTable;

// The density an entry shows and the arithmetic uses: an alloy's to two
// decimals, from the rule of mixtures.
QString metalDensityText(int entry);

// The list as shown: the table's metals, then "Other", whose density the user
// types.
QStringList metalNames();
inline constexpr int kOtherMetal = int(MetalTable.size());

// The density of an alloy from the shares by mass of its metals and their
// densities: the volumes of the parts add up, so 1/rho = sum of w/rho.
struct AlloyPart {
  long double massShare;
  long double density;
};
long double mixtureDensity(std::initializer_list<AlloyPart> parts);

// Metal prices are quoted per troy ounce, per gram or per pennyweight.
enum class PriceUnit { TroyOunce, Gram, Pennyweight };
QStringList priceUnitNames();
long double gramsPerPriceUnit(PriceUnit unit);
// The cost of `grams` of metal at `price` per unit.
long double metalCost(long double grams, long double price, PriceUnit unit);

enum class MetalShape { RoundWire, SquareWire, Sheet, RingBlank };
QStringList metalShapeNames();

// Volumes in mm3 from sizes in mm.
long double roundWireVolume(long double diameter, long double length);
long double squareWireVolume(long double side, long double length);
long double sheetVolume(long double width, long double thickness, long double length);

// The stock length that bends into a ring: the circumference through the
// middle of the stock, plus what the saw cut and filing take away.
long double ringBlankLength(long double innerDiameter, long double thickness, long double allowance);

// Grams of a volume in mm3 of a metal of density g/cm3.
long double metalGrams(long double volume, long double density);

// The pick lists that fill a size: North American ring sizes with their inner
// diameter, and Brown & Sharp wire gauges with their diameter, from the charts.
QStringList ringSizeNames();
long double ringInnerDiameter(int entry);
QStringList metalWireGaugeNames();
QString wireGaugeMillimeters(int entry);

// One size of the window: a millimetre box and an inch box, the one the user
// edited last being the source and the other its equivalent.
enum class SizeSource { Mm, Inch };
struct SizeTexts {
  QString Mm;
  QString Inch;
  SizeSource Source = SizeSource::Mm;
};

// What the window's boxes hold when Enter is pressed.
struct MetalInputs {
  MetalShape Shape = MetalShape::RoundWire;
  QString Density;      // g/cm3
  SizeTexts Across;     // diameter, side or width
  SizeTexts Thickness;  // sheet and ring blank
  SizeTexts Length;     // wire and sheet
  int RingSize = -1;    // entry of the ring size list
  QString Allowance;    // mm; empty is none
  QString Price;        // per PriceUnit
  PriceUnit Unit = PriceUnit::TroyOunce;
};

// What Enter writes back. A result whose inputs are not all given is empty.
struct MetalOutputs {
  SizeTexts Across, Thickness, Length;
  QString InnerDiameterMm, InnerDiameterInch;
  QString Volume;  // mm3
  QString Grams, Pennyweights, TroyOunces;
  QString blankMmBox, blankInchBox;
  QString Cost;
  // Every size and the density are given, so the weight is shown.
  bool Complete = false;
};

// Enter in the Metal Calculator. Reads every box the shape uses (inch boxes
// exactly: 1/16 is 0.0625) and fails on the first text that is no number, is
// below zero, is zero where a size or density must be above it, or is beyond
// its limit (ConversionError, FractionError), before anything is returned, so
// the window's boxes stay as they were.
MetalOutputs metalEnter(const MetalInputs& in);

}  // namespace orvane
