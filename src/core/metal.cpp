#include "core/metal.h"

#include <QCoreApplication>
#include <numbers>
#include <optional>

#include "core/bench_input.h"
#include "core/bench_size_input.h"
#include "core/chart_tables.h"
#include "core/inch_text.h"
#include "core/text_rules.h"

namespace orvane {

long double mixtureDensity(std::initializer_list<AlloyPart> parts) {
  long double volumePerGram = 0;
  for (const AlloyPart& part : parts) volumePerGram += part.massShare / part.density;
  return checkedDivide(1, volumePerGram);
}

namespace {
// Element densities in g/cm3, from which the 950 alloys are mixed.
constexpr long double kPlatinum = 21.45L, kIridium = 22.56L, kRuthenium = 12.45L, kCobalt = 8.90L,
                      kPalladium = 12.02L;
}  // namespace

const std::array<MetalEntry, 26> MetalTable = {{
    {QT_TRANSLATE_NOOP("Metal", "Fine silver"), "10.49"},
    {QT_TRANSLATE_NOOP("Metal", "Sterling silver"), "10.36"},
    {QT_TRANSLATE_NOOP("Metal", "Gold 24 ct"), "19.32"},
    {QT_TRANSLATE_NOOP("Metal", "Gold 22 ct yellow"), "17.8"},
    {QT_TRANSLATE_NOOP("Metal", "Gold 18 ct yellow"), "15.5"},
    // Whites differ by what bleaches them: nickel is lighter than palladium.
    {QT_TRANSLATE_NOOP("Metal", "Gold 18 ct white (nickel)"), "14.7"},
    {QT_TRANSLATE_NOOP("Metal", "Gold 18 ct white (palladium)"), "16.0"},
    {QT_TRANSLATE_NOOP("Metal", "Gold 18 ct rose"), "15.1"},
    {QT_TRANSLATE_NOOP("Metal", "Gold 14 ct yellow"), "13.1"},
    {QT_TRANSLATE_NOOP("Metal", "Gold 14 ct white (nickel)"), "12.7"},
    {QT_TRANSLATE_NOOP("Metal", "Gold 14 ct white (palladium)"), "14.3"},
    {QT_TRANSLATE_NOOP("Metal", "Gold 14 ct rose"), "13.2"},
    {QT_TRANSLATE_NOOP("Metal", "Gold 10 ct yellow"), "11.6"},
    {QT_TRANSLATE_NOOP("Metal", "Gold 9 ct yellow"), "11.2"},
    {QT_TRANSLATE_NOOP("Metal", "Platinum (pure)"), "21.45"},
    {QT_TRANSLATE_NOOP("Metal", "Platinum 950/iridium"), nullptr, kPlatinum, kIridium},
    {QT_TRANSLATE_NOOP("Metal", "Platinum 950/ruthenium"), nullptr, kPlatinum, kRuthenium},
    {QT_TRANSLATE_NOOP("Metal", "Platinum 950/cobalt"), nullptr, kPlatinum, kCobalt},
    {QT_TRANSLATE_NOOP("Metal", "Palladium"), "12.02"},
    {QT_TRANSLATE_NOOP("Metal", "Palladium 950/ruthenium"), nullptr, kPalladium, kRuthenium},
    {QT_TRANSLATE_NOOP("Metal", "Copper"), "8.96"},
    {QT_TRANSLATE_NOOP("Metal", "Brass"), "8.5"},
    {QT_TRANSLATE_NOOP("Metal", "Bronze"), "8.8"},
    {QT_TRANSLATE_NOOP("Metal", "Niobium"), "8.57"},
    {QT_TRANSLATE_NOOP("Metal", "Titanium"), "4.51"},
    {QT_TRANSLATE_NOOP("Metal", "Aluminium"), "2.70"},
}};

QString metalDensityText(int entry) {
  const MetalEntry& m = MetalTable.at(size_t(entry));
  if (m.Density) return QString::fromLatin1(m.Density);
  return formatFixed(mixtureDensity({{0.95L, m.Base}, {0.05L, m.Addition}}), 12, 2);
}

// The names as shown and spoken, in the user's language; the window looks a
// metal up by its place in the list, never by this text.
QStringList metalNames() {
  QStringList names;
  for (const MetalEntry& m : MetalTable) names << QCoreApplication::translate("Metal", m.Name);
  //: A metal not in the list, whose density the user types
  names << QCoreApplication::translate("Metal", "Other");
  return names;
}

QStringList priceUnitNames() {
  //: Shown after "Per": a metal price per troy ounce
  return {QCoreApplication::translate("Metal", "troy ounce"),
          //: Shown after "Per": a metal price per gram
          QCoreApplication::translate("Metal", "gram"),
          //: Shown after "Per": a metal price per pennyweight (dwt)
          QCoreApplication::translate("Metal", "pennyweight")};
}

long double gramsPerPriceUnit(PriceUnit unit) {
  switch (unit) {
    case PriceUnit::Gram:
      return 1;
    case PriceUnit::Pennyweight:
      return kGramsPerPennyweight;
    case PriceUnit::TroyOunce:
      break;
  }
  return kGramsPerTroyOunce;
}

long double metalCost(long double grams, long double price, PriceUnit unit) {
  return checkedResult(grams / gramsPerPriceUnit(unit) * price);
}

QStringList metalShapeNames() {
  return {QCoreApplication::translate("Metal", "Round wire"),
          QCoreApplication::translate("Metal", "Square wire"),
          QCoreApplication::translate("Metal", "Sheet or bar"),
          QCoreApplication::translate("Metal", "Ring blank")};
}

long double roundWireVolume(long double diameter, long double length) {
  return std::numbers::pi_v<long double> * diameter * diameter / 4 * length;
}

long double squareWireVolume(long double side, long double length) { return side * side * length; }

long double sheetVolume(long double width, long double thickness, long double length) {
  return width * thickness * length;
}

long double ringBlankLength(long double innerDiameter, long double thickness, long double allowance) {
  return std::numbers::pi_v<long double> * (innerDiameter + thickness) + allowance;
}

// A cubic centimetre is a thousand cubic millimetres.
long double metalGrams(long double volume, long double density) { return volume / 1000 * density; }

namespace {

// The charts line their columns up with spaces ("1  1/8"); a list shows the
// plain size.
QString plainSize(const char* chartText) { return QString::fromLatin1(chartText).simplified(); }

}  // namespace

QStringList ringSizeNames() {
  QStringList names;
  for (const RingSizeEntry& r : RingSizeTable) names << plainSize(r.NAmerica);
  return names;
}

long double ringInnerDiameter(int entry) {
  return textToNumber(QString::fromLatin1(RingSizeTable.at(size_t(entry)).DiaMm));
}

QStringList metalWireGaugeNames() {
  QStringList names;
  for (const WireGaugeEntry& w : WireGaugeTable) names << plainSize(w.Gauge);
  return names;
}

QString wireGaugeMillimeters(int entry) { return plainSize(WireGaugeTable.at(size_t(entry)).Millimeters); }

namespace {

// Eighteen digits before the exponent form: the limits on the boxes keep
// every result below that.
QString fixed(long double value, int decimals) { return formatFixed(checkedResult(value), 18, decimals); }

// A fine wire's weight is a few millionths of a gram: more decimals there
// rather than "0.0000".
QString readable(long double value, int decimals) { return benchReadable(value, decimals); }

// Texts the converter uses for the two halves of a size, except that a sixth
// millimetre decimal is kept where it is not zero: 1/64 inch is 0.396875 mm
// exactly, and a jeweller checking a fraction should see all of it.
QString mmText(long double mm) {
  QString text = formatFixed(checkedResult(mm), 10, 6);
  if (text.endsWith(u'0')) text.chop(1);
  return text;
}
QString inchText(long double inches) { return formatFixed(checkedResult(inches), 10, 5); }

// A size pair: the source box read as typed (inch fractions exactly), the
// other box rewritten as its equivalent; both empty when the source is.
std::optional<long double> readSize(const SizeTexts& in, SizeTexts& out) {
  out = in;
  const bool fromInch = in.Source == SizeSource::Inch;
  const QString text = trimBlanks(fromInch ? in.Inch : in.Mm);
  if (text.isEmpty()) {
    (fromInch ? out.Mm : out.Inch).clear();
    return std::nullopt;
  }
  const long double mm = checkAmount(fromInch ? parseInchesExact(text) * kMmPerInch : parseFiniteNumber(text),
                                     text, amounts::kSize);
  if (fromInch)
    out.Mm = mmText(mm);
  else
    out.Inch = inchText(mm / kMmPerInch);
  return mm;
}

}  // namespace

MetalOutputs metalEnter(const MetalInputs& in) {
  MetalOutputs out;
  out.Across = in.Across;
  out.Thickness = in.Thickness;
  out.Length = in.Length;

  // Read in the order of the boxes, so the first bad one is the one reported.
  const std::optional<long double> density = readAmount(in.Density, amounts::kDensity);
  const std::optional<long double> across = readSize(in.Across, out.Across);
  std::optional<long double> thickness, length, innerDiameter;
  long double allowance = 0;
  if (in.Shape == MetalShape::Sheet || in.Shape == MetalShape::RingBlank)
    thickness = readSize(in.Thickness, out.Thickness);
  if (in.Shape == MetalShape::RingBlank) {
    if (in.RingSize >= 0 && in.RingSize < int(RingSizeTable.size()))
      innerDiameter = ringInnerDiameter(in.RingSize);
    allowance = readAmount(in.Allowance, amounts::kAllowanceMm).value_or(0);
  } else {
    length = readSize(in.Length, out.Length);
  }
  const std::optional<long double> price = readAmount(in.Price, amounts::kPrice);

  if (innerDiameter) {
    out.InnerDiameterMm = fixed(*innerDiameter, 3);
    out.InnerDiameterInch = fixed(*innerDiameter / kMmPerInch, 3);
    if (thickness) {
      length = checkedResult(ringBlankLength(*innerDiameter, *thickness, allowance));
      out.blankMmBox = fixed(*length, 2);
      out.blankInchBox = fixed(*length / kMmPerInch, 3);
    }
  }

  std::optional<long double> volume;
  switch (in.Shape) {
    case MetalShape::RoundWire:
      if (across && length) volume = roundWireVolume(*across, *length);
      break;
    case MetalShape::SquareWire:
      if (across && length) volume = squareWireVolume(*across, *length);
      break;
    case MetalShape::Sheet:
    case MetalShape::RingBlank:
      if (across && thickness && length) volume = sheetVolume(*across, *thickness, *length);
      break;
  }
  if (!volume) return out;
  out.Volume = readable(*volume, 2);
  if (!density) return out;

  const long double grams = checkedResult(metalGrams(*volume, *density));
  const long double troyOunces = grams / kGramsPerTroyOunce;
  out.Grams = readable(grams, 4);
  out.Pennyweights = readable(grams / kGramsPerPennyweight, 4);
  out.TroyOunces = readable(troyOunces, 4);
  out.Complete = true;
  if (price) out.Cost = moneyText(metalCost(grams, *price, in.Unit));
  return out;
}

}  // namespace orvane
