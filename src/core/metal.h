#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace orvane {

// Troy weights in grams, exact by definition: a pennyweight is a twentieth of
// a troy ounce, a grain 64.79891 mg.
inline constexpr long double kGramsPerTroyOunce = 31.1034768L;
inline constexpr long double kGramsPerPennyweight = 1.55517384L;
inline constexpr long double kGramsPerGrain = 0.06479891L;

// A metal of the Metal Calculator's list and its density in g/cm3, as shown.
struct MetalEntry {
  const char* Name;
  const char* Density;
};
extern const std::array<MetalEntry, 15> MetalTable;

// The list: the table's metals, then "Other", whose density the user types.
QStringList MetalNames();
inline constexpr int kOtherMetal = int(MetalTable.size());

enum class MetalShape { RoundWire, SquareWire, Sheet, RingBlank };
QStringList MetalShapeNames();

// Volumes in mm3 from sizes in mm.
long double RoundWireVolume(long double diameter, long double length);
long double SquareWireVolume(long double side, long double length);
long double SheetVolume(long double width, long double thickness, long double length);

// The stock length that bends into a ring: the circumference through the
// middle of the stock, plus what the saw cut and filing take away.
long double RingBlankLength(long double innerDiameter, long double thickness, long double allowance);

// Grams of a volume in mm3 of a metal of density g/cm3.
long double MetalGrams(long double volume, long double density);

// The pick lists that fill a size: North American ring sizes with their inner
// diameter, and Brown & Sharp wire gauges with their diameter, from the charts.
QStringList RingSizeNames();
long double RingInnerDiameter(int entry);
QStringList WireGaugeNames();
QString WireGaugeMillimeters(int entry);

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
  QString Price;        // per troy ounce
};

// What Enter writes back. A result whose inputs are not all given is empty.
struct MetalOutputs {
  SizeTexts Across, Thickness, Length;
  QString InnerDiameterMm, InnerDiameterInch;
  QString Volume;  // mm3
  QString Grams, Pennyweights, TroyOunces;
  QString BlankMm, BlankInch;
  QString Cost;
  // Every size and the density are given, so the weight is shown.
  bool Complete = false;
};

// Enter in the Metal Calculator. Reads every box the shape uses and fails on
// the first text that is no number or is below zero (EConvertError,
// EFractionError) or on an overflow (EMathError) before anything is returned,
// so the window's boxes stay as they were.
MetalOutputs MetalEnter(const MetalInputs& in);

}  // namespace orvane
