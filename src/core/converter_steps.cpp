#include "core/converter_steps.h"

#include <optional>

#include "core/size_tables.h"
#include "core/text_rules.h"

namespace orvane {

namespace {

QString Range(const char* low, const char* high) {
  return TrimSpaces(QLatin1String(low)) + QStringLiteral(" - ") + TrimSpaces(QLatin1String(high));
}

// A size typed or pasted into mmBox or inchBox. A range that a pick wrote is
// no size to convert and is refused; any other text that is not a size says
// what is wrong with it, as the other pages do.
std::optional<long double> SizeOf(const QString& text, const QString& pickedRange, bool inches) {
  if (text == TrimSpaces(pickedRange)) return std::nullopt;
  return NotNegative(inches ? InchTextToNumber(text) : TextToNumber(text), text);
}

// The look-up key of an inch entry: the inches as the tables have always been
// searched with them (fractions to the nearest thousandth, in single
// precision) in millimetres to the converter's five decimals. The millimetres
// shown are exact; the pearl-plate and stone-size answers stay where they were.
int inchLookupKey(const QString& inch) {
  const long double inches = InchLookupValue(inch);
  return SizeLookupKey(TextToNumber(FormatFixed(StoreSingle(inches * kMmPerInch), 9, 5)));
}

void ShowRanges(const char* mmLow, const char* mmHigh, const char* inchLow, const char* inchHigh,
                ConverterBoxes& boxes, PickedRanges& ranges) {
  ranges.mm = Range(mmLow, mmHigh);
  ranges.inch = Range(inchLow, inchHigh);
  boxes.mmBox.Set(ranges.mm);
  boxes.inchBox.Set(ranges.inch);
}

}  // namespace

SizeEntry ConvertSize(ConverterBox active, const PickedRanges& ranges, ConverterBoxes& boxes) {
  std::optional<int> inchKey;
  if (active == ConverterBox::Mm) {
    boxes.inchBox.Clear();
    const QString mm = TrimSpaces(boxes.mmBox.text);
    if (!mm.isEmpty()) {
      const std::optional<long double> size = SizeOf(mm, ranges.mm, false);
      if (!size) return SizeEntry::Refused;
      boxes.inchBox.Set(FormatFixed(CheckedResult(*size / kMmPerInch), 10, 5));
    }
  } else if (active == ConverterBox::Inch) {
    boxes.mmBox.Clear();
    const QString inch = TrimSpaces(boxes.inchBox.text);
    if (!inch.isEmpty()) {
      const std::optional<long double> size = SizeOf(inch, ranges.inch, true);
      if (!size) return SizeEntry::Refused;
      boxes.mmBox.Set(FormatFixed(CheckedResult(*size * kMmPerInch), 9, 5));
      inchKey = inchLookupKey(inch);
    }
  }

  // The designations come from the millimetre text as it now stands, or after
  // an inch entry from the inches' own look-up key. A box holding only blanks
  // counts as empty, as it does above.
  const QString mmText = TrimSpaces(boxes.mmBox.text);
  if (mmText.isEmpty() || mmText == QLatin1String(".")) return SizeEntry::Converted;
  const int key = inchKey ? *inchKey : SizeLookupKey(TextToNumber(mmText));
  boxes.pearlBox.Set(PearlAnswer(key));
  boxes.stoneBox.Set(StoneAnswer(key));
  return SizeEntry::Converted;
}

void PearlPlatePicked(ConverterBox active, int index, ConverterBoxes& boxes, PickedRanges& ranges) {
  if (active != ConverterBox::Pearl) return;
  boxes.stoneBox.Clear();
  boxes.mmBox.Clear();
  boxes.inchBox.Clear();
  if (index < 1 || index > int(PearlPlateTable.size())) return;
  const PearlPlateEntry& e = PearlPlateTable[index - 1];
  boxes.stoneBox.Set(TrimSpaces(QLatin1String(e.SS)));
  ShowRanges(e.MmLow, e.MmHigh, e.InchLow, e.InchHigh, boxes, ranges);
}

void StoneSizePicked(ConverterBox active, int index, ConverterBoxes& boxes, PickedRanges& ranges) {
  if (active != ConverterBox::Stone) return;
  boxes.pearlBox.Clear();
  boxes.mmBox.Clear();
  boxes.inchBox.Clear();
  if (index < 1 || index > int(StoneSizeTable.size())) return;
  const StoneSizeEntry& e = StoneSizeTable[index - 1];
  boxes.pearlBox.Set(PearlNumbersForStone(TrimSpaces(QLatin1String(e.SS))));
  ShowRanges(e.MmLow, e.MmHigh, e.InchLow, e.InchHigh, boxes, ranges);
}

}  // namespace orvane
