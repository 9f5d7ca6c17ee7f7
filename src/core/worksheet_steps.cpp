#include "core/worksheet_steps.h"

#include "core/text_rules.h"
#include "core/worksheet_file.h"

namespace orvane {

namespace {

QString sizeText(const QString& box) { return trimBlanks(asStored(box)); }

// A row without a size has no beads per inch and no length.
void clearRowSize(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  row.MmValue = 0;
  boxes.BeadsPerInch.clear();
  row.LengthValue = 0;
  boxes.Length.clear();
}

// The length of a row with a count, kept and shown from the unrounded value.
void writeRowLength(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  const long double length = rowLength(row.BeadCount, row.MmValue);
  row.LengthValue = storeRowValue(length);
  boxes.Length = worksheetNumberText(length);
}

// After a new size the length follows when the row has a count.
void showRowLength(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  if (row.BeadCount <= 0) return;
  writeRowLength(row, boxes);
}

}  // namespace

bool worksheetSizeFromMm(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  const QString t = sizeText(boxes.Mm);
  if (isNoSize(t)) {
    if (isNoSize(sizeText(boxes.Inch))) clearRowSize(row, boxes);
    return false;
  }
  const long double mm = notNegative(textToNumber(t), t);
  row.MmValue = storeRowValue(mm);
  boxes.BeadsPerInch = worksheetNumberText(beadsPerInchFromMm(mm));
  boxes.Inch.clear();
  showRowLength(row, boxes);
  return true;
}

bool worksheetSizeFromInch(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  const QString t = sizeText(boxes.Inch);
  if (isNoSize(t)) {
    if (isNoSize(sizeText(boxes.Mm))) clearRowSize(row, boxes);
    return false;
  }
  const long double inches = notNegative(inchTextToNumber(t), t);
  row.InchValue = storeRowValue(inches);
  row.MmValue = storeRowValue(mmFromInch(inches));
  boxes.BeadsPerInch = worksheetNumberText(beadsPerInchFromInch(inches));
  boxes.Mm.clear();
  showRowLength(row, boxes);
  return true;
}

void worksheetLoadedSize(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  if (!isNoSize(sizeText(boxes.Mm)))
    worksheetSizeFromMm(row, boxes);
  else
    worksheetSizeFromInch(row, boxes);
}

void worksheetLengthFromCount(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  row.BeadCount = lenientBeadCount(asStored(boxes.BeadCount));
  if (row.BeadCount <= 0) {
    row.LengthValue = 0;
    boxes.Length.clear();
    return;
  }
  writeRowLength(row, boxes);
}

QString worksheetTotal(const std::array<WorksheetRowValues, kWorksheetRows>& rows, double& totalValue) {
  totalValue = 0;
  const long double total = sumLengths(rows);
  totalValue = storeRowValue(total);
  return worksheetNumberText(total);
}

}  // namespace orvane
