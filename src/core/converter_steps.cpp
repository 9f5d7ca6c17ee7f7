#include "core/converter_steps.h"

#include <optional>

#include "core/size_tables.h"
#include "core/text_rules.h"

namespace orvane {

namespace {

QString range(const char* low, const char* high) {
  return trimSpaces(QLatin1String(low)) + QStringLiteral(" - ") + trimSpaces(QLatin1String(high));
}

// A size typed or pasted into mmBox or inchBox. A range that a pick wrote is
// no size to convert and is refused; any other text that is not a size says
// what is wrong with it, as the other pages do.
std::optional<long double> sizeOf(const QString& text, const QString& pickedRange, bool inches) {
  if (text == trimSpaces(pickedRange)) return std::nullopt;
  return notNegative(inches ? inchTextToNumber(text) : textToNumber(text), text);
}

// The look-up key of an inch entry: the inches as the tables have always been
// searched with them (fractions to the nearest thousandth, in single
// precision) in millimetres to the converter's five decimals. The millimetres
// shown are exact; the pearl-plate and stone-size answers stay where they were.
int inchLookupKey(const QString& inch) {
  const long double inches = inchLookupValue(inch);
  return sizeLookupKey(textToNumber(formatFixed(storeSingle(inches * kMmPerInch), 9, 5)));
}

void showRanges(const char* mmLow, const char* mmHigh, const char* inchLow, const char* inchHigh,
                ConverterBoxes& boxes, PickedRanges& ranges) {
  ranges.mm = range(mmLow, mmHigh);
  ranges.inch = range(inchLow, inchHigh);
  boxes.mmBox.set(ranges.mm);
  boxes.inchBox.set(ranges.inch);
}

}  // namespace

SizeEntry convertSize(ConverterBox active, const PickedRanges& ranges, ConverterBoxes& boxes) {
  std::optional<int> inchKey;
  if (active == ConverterBox::Mm) {
    boxes.inchBox.clearText();
    const QString mm = trimSpaces(boxes.mmBox.text);
    if (!mm.isEmpty()) {
      const std::optional<long double> size = sizeOf(mm, ranges.mm, false);
      if (!size) return SizeEntry::Refused;
      boxes.inchBox.set(formatFixed(checkedResult(*size / kMmPerInch), 10, 5));
    }
  } else if (active == ConverterBox::Inch) {
    boxes.mmBox.clearText();
    const QString inch = trimSpaces(boxes.inchBox.text);
    if (!inch.isEmpty()) {
      const std::optional<long double> size = sizeOf(inch, ranges.inch, true);
      if (!size) return SizeEntry::Refused;
      boxes.mmBox.set(formatFixed(checkedResult(*size * kMmPerInch), 9, 5));
      inchKey = inchLookupKey(inch);
    }
  }

  // The designations come from the millimetre text as it now stands, or after
  // an inch entry from the inches' own look-up key. A box holding only blanks
  // counts as empty, as it does above.
  const QString mmText = trimSpaces(boxes.mmBox.text);
  if (mmText.isEmpty() || mmText == QLatin1String(".")) return SizeEntry::Converted;
  const int key = inchKey ? *inchKey : sizeLookupKey(textToNumber(mmText));
  boxes.pearlBox.set(pearlAnswer(key));
  boxes.stoneBox.set(stoneAnswer(key));
  return SizeEntry::Converted;
}

void pearlPlatePicked(ConverterBox active, int index, ConverterBoxes& boxes, PickedRanges& ranges) {
  if (active != ConverterBox::Pearl) return;
  boxes.stoneBox.clearText();
  boxes.mmBox.clearText();
  boxes.inchBox.clearText();
  if (index < 1 || index > int(PearlPlateTable.size())) return;
  const PearlPlateEntry& e = PearlPlateTable[index - 1];
  boxes.stoneBox.set(trimSpaces(QLatin1String(e.SS)));
  showRanges(e.MmLow, e.MmHigh, e.InchLow, e.InchHigh, boxes, ranges);
}

void stoneSizePicked(ConverterBox active, int index, ConverterBoxes& boxes, PickedRanges& ranges) {
  if (active != ConverterBox::Stone) return;
  boxes.pearlBox.clearText();
  boxes.mmBox.clearText();
  boxes.inchBox.clearText();
  if (index < 1 || index > int(StoneSizeTable.size())) return;
  const StoneSizeEntry& e = StoneSizeTable[index - 1];
  boxes.pearlBox.set(pearlNumbersForStone(trimSpaces(QLatin1String(e.SS))));
  showRanges(e.MmLow, e.MmHigh, e.InchLow, e.InchHigh, boxes, ranges);
}

}  // namespace orvane
