#include "core/metal.h"

#include <numbers>
#include <optional>

#include "core/chart_tables.h"
#include "core/text_rules.h"

namespace orvane {

const std::array<MetalEntry, 15> MetalTable = {{
    {"Fine silver", "10.49"},
    {"Sterling silver", "10.36"},
    {"Gold 24 ct", "19.32"},
    {"Gold 22 ct yellow", "17.8"},
    {"Gold 18 ct yellow", "15.5"},
    {"Gold 14 ct yellow", "13.1"},
    {"Gold 10 ct yellow", "11.6"},
    {"Platinum", "21.45"},
    {"Palladium", "12.02"},
    {"Copper", "8.96"},
    {"Brass", "8.5"},
    {"Bronze", "8.8"},
    {"Niobium", "8.57"},
    {"Titanium", "4.51"},
    {"Aluminium", "2.70"},
}};

QStringList MetalNames() {
  QStringList names;
  for (const MetalEntry& m : MetalTable) names << QString::fromLatin1(m.Name);
  names << QStringLiteral("Other");
  return names;
}

QStringList MetalShapeNames() {
  return {QStringLiteral("Round wire"), QStringLiteral("Square wire"), QStringLiteral("Sheet or bar"),
          QStringLiteral("Ring blank")};
}

long double RoundWireVolume(long double diameter, long double length) {
  return std::numbers::pi_v<long double> * diameter * diameter / 4 * length;
}

long double SquareWireVolume(long double side, long double length) { return side * side * length; }

long double SheetVolume(long double width, long double thickness, long double length) {
  return width * thickness * length;
}

long double RingBlankLength(long double innerDiameter, long double thickness, long double allowance) {
  return std::numbers::pi_v<long double> * (innerDiameter + thickness) + allowance;
}

// A cubic centimetre is a thousand cubic millimetres.
long double MetalGrams(long double volume, long double density) { return volume / 1000 * density; }

namespace {

// The charts line their columns up with spaces ("1  1/8"); a list shows the
// plain size.
QString PlainSize(const char* chartText) { return QString::fromLatin1(chartText).simplified(); }

}  // namespace

QStringList RingSizeNames() {
  QStringList names;
  for (const RingSizeEntry& r : RingSizeTable) names << PlainSize(r.NAmerica);
  return names;
}

long double RingInnerDiameter(int entry) {
  return TextToNumber(QString::fromLatin1(RingSizeTable.at(size_t(entry)).DiaMm));
}

QStringList WireGaugeNames() {
  QStringList names;
  for (const WireGaugeEntry& w : WireGaugeTable) names << PlainSize(w.Gauge);
  return names;
}

QString WireGaugeMillimeters(int entry) { return PlainSize(WireGaugeTable.at(size_t(entry)).Millimeters); }

namespace {

QString Fixed(long double value, int decimals) { return FormatFixed(CheckedResult(value), 12, decimals); }

// Texts the converter uses for the two halves of a size.
QString MmText(long double mm) { return FormatFixed(CheckedResult(mm), 9, 5); }
QString InchText(long double inches) { return FormatFixed(CheckedResult(inches), 10, 5); }

long double NotBelowZero(long double value, const QString& text, const char* what) {
  if (value < 0)
    throw EConvertError(QStringLiteral("'%1' is below zero: %2 cannot be negative")
                            .arg(text, QLatin1String(what))
                            .toStdString());
  return value;
}

// A plain number box: nothing when empty.
std::optional<long double> ReadAmount(const QString& box, const char* what) {
  const QString text = TrimBlanks(box);
  if (text.isEmpty()) return std::nullopt;
  return NotBelowZero(TextToNumber(text), text, what);
}

// A size pair: the source box read as typed (fractions in the inch box), the
// other box rewritten as its equivalent; both empty when the source is.
std::optional<long double> ReadSize(const SizeTexts& in, SizeTexts& out) {
  out = in;
  const bool fromInch = in.Source == SizeSource::Inch;
  const QString text = TrimBlanks(fromInch ? in.Inch : in.Mm);
  if (text.isEmpty()) {
    (fromInch ? out.Mm : out.Inch).clear();
    return std::nullopt;
  }
  const long double typed = NotNegative(fromInch ? InchTextToNumber(text) : TextToNumber(text), text);
  const long double mm = fromInch ? CheckedResult(typed * kMmPerInch) : typed;
  if (fromInch)
    out.Mm = MmText(mm);
  else
    out.Inch = InchText(mm / kMmPerInch);
  return mm;
}

}  // namespace

MetalOutputs MetalEnter(const MetalInputs& in) {
  MetalOutputs out;
  out.Across = in.Across;
  out.Thickness = in.Thickness;
  out.Length = in.Length;

  // Read in the order of the boxes, so the first bad one is the one reported.
  const std::optional<long double> density = ReadAmount(in.Density, "a density");
  const std::optional<long double> across = ReadSize(in.Across, out.Across);
  std::optional<long double> thickness, length, innerDiameter;
  long double allowance = 0;
  if (in.Shape == MetalShape::Sheet || in.Shape == MetalShape::RingBlank)
    thickness = ReadSize(in.Thickness, out.Thickness);
  if (in.Shape == MetalShape::RingBlank) {
    if (in.RingSize >= 0 && in.RingSize < int(RingSizeTable.size()))
      innerDiameter = RingInnerDiameter(in.RingSize);
    const QString allowanceText = TrimBlanks(in.Allowance);
    if (!allowanceText.isEmpty()) allowance = NotNegative(TextToNumber(allowanceText), allowanceText);
  } else {
    length = ReadSize(in.Length, out.Length);
  }
  const std::optional<long double> price = ReadAmount(in.Price, "a price");

  if (innerDiameter) {
    out.InnerDiameterMm = Fixed(*innerDiameter, 3);
    out.InnerDiameterInch = Fixed(*innerDiameter / kMmPerInch, 3);
    if (thickness) {
      length = CheckedResult(RingBlankLength(*innerDiameter, *thickness, allowance));
      out.BlankMm = Fixed(*length, 2);
      out.BlankInch = Fixed(*length / kMmPerInch, 3);
    }
  }

  std::optional<long double> volume;
  switch (in.Shape) {
    case MetalShape::RoundWire:
      if (across && length) volume = RoundWireVolume(*across, *length);
      break;
    case MetalShape::SquareWire:
      if (across && length) volume = SquareWireVolume(*across, *length);
      break;
    case MetalShape::Sheet:
    case MetalShape::RingBlank:
      if (across && thickness && length) volume = SheetVolume(*across, *thickness, *length);
      break;
  }
  if (!volume) return out;
  out.Volume = Fixed(*volume, 2);
  if (!density) return out;

  const long double grams = CheckedResult(MetalGrams(*volume, *density));
  const long double troyOunces = grams / kGramsPerTroyOunce;
  out.Grams = Fixed(grams, 4);
  out.Pennyweights = Fixed(grams / kGramsPerPennyweight, 4);
  out.TroyOunces = Fixed(troyOunces, 4);
  out.Complete = true;
  if (price) out.Cost = Fixed(troyOunces * *price, 2);
  return out;
}

}  // namespace orvane
