#include "core/worksheet_steps.h"

#include "core/text_rules.h"
#include "core/worksheet_file.h"

namespace orvane {

namespace {

QString SizeText(const QString& box) { return TrimBlanks(AsStored(box)); }

// A row without a size has no beads per inch and no length.
void ClearRowSize(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  row.MmValue = 0;
  boxes.Bpi.clear();
  row.LengthValue = 0;
  boxes.Tot.clear();
}

// The length of a row with a count, kept and shown from the unrounded value.
void writeRowLength(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  const long double length = RowLength(row.BeadCount, row.MmValue);
  row.LengthValue = storeRowValue(length);
  boxes.Tot = WorksheetNumberText(length);
}

// After a new size the length follows when the row has a count.
void ShowRowLength(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  if (row.BeadCount <= 0) return;
  writeRowLength(row, boxes);
}

}  // namespace

bool WorksheetSizeFromMm(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  const QString t = SizeText(boxes.Mm);
  if (IsNoSize(t)) {
    if (IsNoSize(SizeText(boxes.Inch))) ClearRowSize(row, boxes);
    return false;
  }
  const long double mm = NotNegative(TextToNumber(t), t);
  row.MmValue = storeRowValue(mm);
  boxes.Bpi = WorksheetNumberText(BeadsPerInchFromMm(mm));
  boxes.Inch.clear();
  ShowRowLength(row, boxes);
  return true;
}

bool WorksheetSizeFromInch(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  const QString t = SizeText(boxes.Inch);
  if (IsNoSize(t)) {
    if (IsNoSize(SizeText(boxes.Mm))) ClearRowSize(row, boxes);
    return false;
  }
  const long double inches = NotNegative(InchTextToNumber(t), t);
  row.InchValue = storeRowValue(inches);
  row.MmValue = storeRowValue(MmFromInch(inches));
  boxes.Bpi = WorksheetNumberText(BeadsPerInchFromInch(inches));
  boxes.Mm.clear();
  ShowRowLength(row, boxes);
  return true;
}

void WorksheetLoadedSize(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  if (!IsNoSize(SizeText(boxes.Mm)))
    WorksheetSizeFromMm(row, boxes);
  else
    WorksheetSizeFromInch(row, boxes);
}

void WorksheetLengthFromCount(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  row.BeadCount = LenientBeadCount(AsStored(boxes.Nob));
  if (row.BeadCount <= 0) {
    row.LengthValue = 0;
    boxes.Tot.clear();
    return;
  }
  writeRowLength(row, boxes);
}

QString WorksheetTotal(const std::array<WorksheetRowValues, kWorksheetRows>& rows, double& totalValue) {
  totalValue = 0;
  const long double total = SumLengths(rows);
  totalValue = storeRowValue(total);
  return WorksheetNumberText(total);
}

}  // namespace orvane
