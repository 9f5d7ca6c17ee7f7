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

// After a new size the length follows when the row has a count.
void ShowRowLength(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  if (row.BeadCount <= 0) return;
  row.LengthValue = RowLength(row.BeadCount, row.MmValue);
  boxes.Tot = WorksheetNumberText(row.LengthValue);
}

}  // namespace

bool WorksheetSizeFromMm(WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  const QString t = SizeText(boxes.Mm);
  if (IsNoSize(t)) {
    if (IsNoSize(SizeText(boxes.Inch))) ClearRowSize(row, boxes);
    return false;
  }
  row.MmValue = StoreSingle(NotNegative(TextToNumber(t), t));
  boxes.Bpi = WorksheetNumberText(BeadsPerInchFromMm(row.MmValue));
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
  row.InchValue = StoreSingle(NotNegative(InchTextToNumber(t), t));
  row.MmValue = MmFromInch(row.InchValue);
  boxes.Bpi = WorksheetNumberText(BeadsPerInchFromInch(row.InchValue));
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
  row.LengthValue = RowLength(row.BeadCount, row.MmValue);
  boxes.Tot = WorksheetNumberText(row.LengthValue);
}

QString WorksheetTotal(const std::array<WorksheetRowValues, kWorksheetRows>& rows, float& totalValue) {
  totalValue = 0;
  totalValue = SumLengths(rows);
  return WorksheetNumberText(totalValue);
}

}  // namespace orvane
