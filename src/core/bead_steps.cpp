#include "core/bead_steps.h"

#include "core/text_rules.h"

namespace orvane {

namespace {

// Beads for the desired length at the current rate; an empty length (or a
// lone point) gives none.
void WriteBeadsForLength(BeadBoxes& boxes, long double rate) {
  const QString desired = TrimBlanks(boxes.strandInchBox.text);
  if (HoldsValue(desired))
    boxes.beadsNeededBox.Set(
        FormatBeadResult(BeadsForLength(NotNegative(InchTextToNumber(desired), desired), rate)));
  else
    boxes.beadsNeededBox.Clear();
}

// The count as plain digits. A rewritten count is a change like any other:
// the calculation runs once more, and any failure in it stops the caller too.
void WriteBeadCount(qint32 count, BeadBoxes& boxes, BeadState& state) {
  const QString digits = QString::number(count);
  if (boxes.beadCountBox.text == digits) return;
  boxes.beadCountBox.Set(digits);
  BeadCountChanged(boxes, state);
}

void StoneAreaStep(long double size, BeadBoxes& boxes, const BeadState& state) {
  const QString length = TrimBlanks(boxes.areaLengthBox.text);
  const QString width = TrimBlanks(boxes.areaWidthBox.text);
  if (length.isEmpty() || width.isEmpty()) return;
  const long double lengthInches = NotNegative(InchTextToNumber(length), length);
  const long double widthInches = NotNegative(InchTextToNumber(width), width);

  const QString spacing = TrimBlanks(boxes.spacingBox.text);
  if (spacing.isEmpty()) {
    const StoneCounts counts = PackedStoneCounts(lengthInches, widthInches, state.rate);
    boxes.areaBox.Set(QString::number(counts.square));
    boxes.hexStonesBox.Set(QString::number(counts.hexagonal));
    return;
  }
  // Spaced stones are counted in the square pattern only.
  const long double spacedRate =
      SpacedRate(size, NotNegative(InchTextToNumber(spacing), spacing), state.marker);
  boxes.areaBox.Set(QString::number(SpacedSquareCount(lengthInches, widthInches, spacedRate)));
  boxes.hexStonesBox.Clear();
}

bool Calculated(const BeadState& state) { return state.rate > 0; }

}  // namespace

QString BeadNoticeText(BeadNotice notice) {
  switch (notice) {
    case BeadNotice::BeadsPerInchNotCalculated:
      return QStringLiteral(
          "Error: Beads per Inch not calculated.\n\n       Please enter bead size\n       and try again.");
    case BeadNotice::StoneAreaNotCalculated:
      return QStringLiteral(
          "Error: Stone Area not calculated.\n\n       Please enter stone size\n       and try again.");
    case BeadNotice::None:
      break;
  }
  return {};
}

void BeadCalculation(BeadBoxes& boxes, BeadState& state) {
  state.rate = 0;
  if (state.marker == BeadSizeMarker::None) return;
  const bool mm = state.marker == BeadSizeMarker::Mm;
  const long double size = ReadBeadSize(mm ? boxes.beadMmBox.text : boxes.beadInchBox.text, state.marker);
  (mm ? boxes.beadInchBox : boxes.beadMmBox).Clear();

  state.rate = BeadsPerInch(size, state.marker);
  boxes.beadsPerInchBox.Set(FormatBeadResult(state.rate));

  const qint32 count = BeadCountOrOne(boxes.beadCountBox.text);
  WriteBeadCount(count, boxes, state);
  boxes.strandLengthBox.Set(FormatBeadResult(StrandLength(count, size, state.marker)));

  WriteBeadsForLength(boxes, state.rate);
  StoneAreaStep(size, boxes, state);
}

void BeadCountChanged(BeadBoxes& boxes, BeadState& state) {
  if (IsPositiveWholeNumber(boxes.beadCountBox.text))
    BeadCalculation(boxes, state);
  else
    boxes.strandLengthBox.Clear();
}

bool SizeBoxLeft(BeadSizeMarker box, BeadBoxes& boxes, BeadState& state) {
  const BoxText& left = box == BeadSizeMarker::Inch ? boxes.beadInchBox : boxes.beadMmBox;
  if (!HoldsValue(TrimBlanks(left.text))) {
    boxes.beadsPerInchBox.Clear();
    boxes.strandLengthBox.Clear();
    return false;
  }
  state.marker = box;
  BeadCalculation(boxes, state);
  return true;
}

BeadNotice DesiredLengthLeft(BeadBoxes& boxes, const BeadState& state) {
  if (!Calculated(state)) {
    boxes.beadsNeededBox.Clear();
    return BeadNotice::BeadsPerInchNotCalculated;
  }
  WriteBeadsForLength(boxes, state.rate);
  return BeadNotice::None;
}

BeadNotice AreaBoxLeft(AreaSide side, BeadBoxes& boxes, BeadState& state) {
  if (!Calculated(state)) {
    boxes.beadsNeededBox.Clear();
    return BeadNotice::StoneAreaNotCalculated;
  }
  if (HoldsValue(TrimBlanks((side == AreaSide::Length ? boxes.areaLengthBox : boxes.areaWidthBox).text))) {
    BeadCalculation(boxes, state);
  } else {
    boxes.areaBox.Clear();
    boxes.hexStonesBox.Clear();
  }
  return BeadNotice::None;
}

BeadNotice SpacingEntered(BeadBoxes& boxes, BeadState& state) {
  if (!Calculated(state)) {
    boxes.beadsNeededBox.Clear();
    return BeadNotice::StoneAreaNotCalculated;
  }
  // Untrimmed on purpose: a box holding only blanks counts as filled here.
  if (!boxes.areaLengthBox.text.isEmpty() && !boxes.areaWidthBox.text.isEmpty()) {
    if (boxes.spacingBox.text == u".") boxes.spacingBox.Clear();
    BeadCalculation(boxes, state);
  } else {
    boxes.areaBox.Clear();
    boxes.hexStonesBox.Clear();
  }
  return BeadNotice::None;
}

void ClearBeadPage(BeadBoxes& boxes, BeadState& state) {
  state = BeadState{};
  for (BoxText* box :
       {&boxes.beadMmBox, &boxes.beadInchBox, &boxes.beadCountBox, &boxes.strandLengthBox,
        &boxes.beadsPerInchBox, &boxes.strandInchBox, &boxes.beadsNeededBox, &boxes.areaWidthBox,
        &boxes.areaLengthBox, &boxes.areaBox, &boxes.hexStonesBox, &boxes.spacingBox})
    box->Clear();
}

}  // namespace orvane
