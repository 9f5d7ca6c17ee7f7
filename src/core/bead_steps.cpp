#include "core/bead_steps.h"

#include <QCoreApplication>

#include "core/text_rules.h"

namespace orvane {

namespace {

// Beads for the desired length at the current rate; an empty length (or a
// lone point) gives none.
void writeBeadsForLength(BeadBoxes& boxes, long double rate) {
  const QString desired = trimBlanks(boxes.strandInchBox.text);
  if (holdsValue(desired))
    boxes.beadsNeededBox.set(
        formatBeadResult(beadsForLength(notNegative(inchTextToNumber(desired), desired), rate)));
  else
    boxes.beadsNeededBox.clearText();
}

// The count as plain digits. A rewritten count is a change like any other:
// the calculation runs once more, and any failure in it stops the caller too.
void writeBeadCount(qint32 count, BeadBoxes& boxes, BeadState& state) {
  const QString digits = QString::number(count);
  if (boxes.beadCountBox.text == digits) return;
  boxes.beadCountBox.set(digits);
  beadCountChanged(boxes, state);
}

void stoneAreaStep(long double size, BeadBoxes& boxes, const BeadState& state) {
  const QString length = trimBlanks(boxes.areaLengthBox.text);
  const QString width = trimBlanks(boxes.areaWidthBox.text);
  if (length.isEmpty() || width.isEmpty()) return;
  const long double lengthInches = notNegative(inchTextToNumber(length), length);
  const long double widthInches = notNegative(inchTextToNumber(width), width);

  const QString spacing = trimBlanks(boxes.spacingBox.text);
  if (spacing.isEmpty()) {
    const StoneCounts counts = packedStoneCounts(lengthInches, widthInches, state.rate);
    boxes.areaBox.set(QString::number(counts.square));
    boxes.hexStonesBox.set(QString::number(counts.hexagonal));
    return;
  }
  // Spaced stones are counted in the square pattern only.
  const long double spacedRate =
      spacedRateFor(size, notNegative(inchTextToNumber(spacing), spacing), state.marker);
  boxes.areaBox.set(QString::number(spacedSquareCount(lengthInches, widthInches, spacedRate)));
  boxes.hexStonesBox.clearText();
}

bool calculated(const BeadState& state) { return state.rate > 0; }

}  // namespace

QString beadNoticeText(BeadNotice notice) {
  switch (notice) {
    case BeadNotice::BeadsPerInchNotCalculated:
      //: The indented lines are centred under the first one in the message box.
      return QCoreApplication::translate(
          "BeadSteps",
          "Error: Beads per Inch not calculated.\n\n       Please enter bead size\n       and try again.");
    case BeadNotice::StoneAreaNotCalculated:
      //: The indented lines are centred under the first one in the message box.
      return QCoreApplication::translate(
          "BeadSteps",
          "Error: Stone Area not calculated.\n\n       Please enter stone size\n       and try again.");
    case BeadNotice::None:
      break;
  }
  return {};
}

void beadCalculation(BeadBoxes& boxes, BeadState& state) {
  state.rate = 0;
  if (state.marker == BeadSizeMarker::None) return;
  const bool mm = state.marker == BeadSizeMarker::Mm;
  const long double size = readBeadSize(mm ? boxes.beadMmBox.text : boxes.beadInchBox.text, state.marker);
  (mm ? boxes.beadInchBox : boxes.beadMmBox).clearText();

  state.rate = beadsPerInch(size, state.marker);
  boxes.beadsPerInchBox.set(formatBeadResult(state.rate));

  const qint32 count = beadCountOrOne(boxes.beadCountBox.text);
  writeBeadCount(count, boxes, state);
  boxes.strandLengthBox.set(formatBeadResult(strandLength(count, size, state.marker)));

  writeBeadsForLength(boxes, state.rate);
  stoneAreaStep(size, boxes, state);
}

void beadCountChanged(BeadBoxes& boxes, BeadState& state) {
  if (isPositiveWholeNumber(boxes.beadCountBox.text))
    beadCalculation(boxes, state);
  else
    boxes.strandLengthBox.clearText();
}

bool sizeBoxLeft(BeadSizeMarker box, BeadBoxes& boxes, BeadState& state) {
  const BoxText& left = box == BeadSizeMarker::Inch ? boxes.beadInchBox : boxes.beadMmBox;
  if (!holdsValue(trimBlanks(left.text))) {
    boxes.beadsPerInchBox.clearText();
    boxes.strandLengthBox.clearText();
    return false;
  }
  state.marker = box;
  beadCalculation(boxes, state);
  return true;
}

BeadNotice desiredLengthLeft(BeadBoxes& boxes, const BeadState& state) {
  if (!calculated(state)) {
    boxes.beadsNeededBox.clearText();
    return BeadNotice::BeadsPerInchNotCalculated;
  }
  writeBeadsForLength(boxes, state.rate);
  return BeadNotice::None;
}

BeadNotice areaBoxLeft(AreaSide side, BeadBoxes& boxes, BeadState& state) {
  if (!calculated(state)) {
    boxes.beadsNeededBox.clearText();
    return BeadNotice::StoneAreaNotCalculated;
  }
  if (holdsValue(trimBlanks((side == AreaSide::Length ? boxes.areaLengthBox : boxes.areaWidthBox).text))) {
    beadCalculation(boxes, state);
  } else {
    boxes.areaBox.clearText();
    boxes.hexStonesBox.clearText();
  }
  return BeadNotice::None;
}

BeadNotice spacingEntered(BeadBoxes& boxes, BeadState& state) {
  if (!calculated(state)) {
    boxes.beadsNeededBox.clearText();
    return BeadNotice::StoneAreaNotCalculated;
  }
  // Untrimmed on purpose: a box holding only blanks counts as filled here.
  if (!boxes.areaLengthBox.text.isEmpty() && !boxes.areaWidthBox.text.isEmpty()) {
    if (boxes.spacingBox.text == u".") boxes.spacingBox.clearText();
    beadCalculation(boxes, state);
  } else {
    boxes.areaBox.clearText();
    boxes.hexStonesBox.clearText();
  }
  return BeadNotice::None;
}

void clearBeadPage(BeadBoxes& boxes, BeadState& state) {
  state = BeadState{};
  for (BoxText* box :
       {&boxes.beadMmBox, &boxes.beadInchBox, &boxes.beadCountBox, &boxes.strandLengthBox,
        &boxes.beadsPerInchBox, &boxes.strandInchBox, &boxes.beadsNeededBox, &boxes.areaWidthBox,
        &boxes.areaLengthBox, &boxes.areaBox, &boxes.hexStonesBox, &boxes.spacingBox})
    box->clearText();
}

}  // namespace orvane
