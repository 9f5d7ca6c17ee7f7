#include "measures/bead_page.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <utility>

#include "platform/announcer.h"
#include "platform/desktop_services.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"
#include "widgets/look.h"
#include "widgets/object_names.h"
#include "widgets/spoken_boxes.h"

namespace orvane {

namespace {

// Grid of the page: a label column on the left, two box columns with the
// "or" / "=" between them, the Clear button bottom right.
constexpr int kLabelLeft = 12;
constexpr int kColA = 214;
constexpr int kColB = 326;
constexpr int kBoxWidth = 80;
constexpr int kBoxHeight = 26;
constexpr int kHeaderHeight = 18;

// While the focus is being taken elsewhere from inside a focus change, the
// control that was about to get the focus never really had it: it must not
// see a focus-out either (its exit handler would run for a box never entered).
class FocusOutSwallower : public QObject {
 public:
  explicit FocusOutSwallower(QWidget* target) : target_(target) {
    if (target_) target_->installEventFilter(this);
  }
  ~FocusOutSwallower() override {
    if (target_) target_->removeEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::FocusOut; }

 private:
  QWidget* target_;
};

QLabel* makeLabel(QWidget* parent, const QString& text, int x, int y, int width, int height,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, bool heading = false) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(x, y, width, height);
  label->setAlignment(align);
  label->setFont(makeFont(QStringLiteral("Arial"), heading ? 14 : 16, heading));
  return label;
}

// A column heading centred over a box column.
QLabel* makeHeading(QWidget* parent, const QString& text, int column, int y) {
  return makeLabel(parent, text, column - 10, y, kBoxWidth + 20, kHeaderHeight,
                   Qt::AlignHCenter | Qt::AlignBottom, true);
}

}  // namespace

const std::pair<EntryBox * BeadPage::*, BoxText BeadBoxes::*> BeadPage::kBoxes[] = {
    {&BeadPage::beadMmBox, &BeadBoxes::beadMmBox},
    {&BeadPage::beadInchBox, &BeadBoxes::beadInchBox},
    {&BeadPage::beadCountBox, &BeadBoxes::beadCountBox},
    {&BeadPage::beadsPerInchBox, &BeadBoxes::beadsPerInchBox},
    {&BeadPage::strandInchBox, &BeadBoxes::strandInchBox},
    {&BeadPage::strandLengthBox, &BeadBoxes::strandLengthBox},
    {&BeadPage::beadsNeededBox, &BeadBoxes::beadsNeededBox},
    {&BeadPage::areaLengthBox, &BeadBoxes::areaLengthBox},
    {&BeadPage::areaWidthBox, &BeadBoxes::areaWidthBox},
    {&BeadPage::areaBox, &BeadBoxes::areaBox},
    {&BeadPage::hexStonesBox, &BeadBoxes::hexStonesBox},
    {&BeadPage::spacingBox, &BeadBoxes::spacingBox},
};

BeadPage::BeadPage(DesktopServices& services, QWidget* parent) : TabPage(parent), services_(services) {
  createControls();
  bindHandlers();
}

void BeadPage::createControls() {
  auto box = [this](int x, int y, const QString& name, bool readOnly) {
    auto* edit = new EntryBox(this);
    edit->setGeometry(x, y, kBoxWidth, kBoxHeight);
    edit->setFont(makeFont(QStringLiteral("Arial"), 16));
    edit->setAccessibleName(name);
    if (readOnly) {
      edit->setReadOnlyBox(true);
    } else {
      // The page's own colour would otherwise show through the entry boxes.
      QPalette pal = edit->palette();
      pal.setColor(QPalette::Base, systemColor(SysColor::Window));
      edit->setPalette(pal);
    }
    return edit;
  };
  const auto rowLabel = [this](const QString& text, int y) {
    return makeLabel(this, text, kLabelLeft, y, kColA - kLabelLeft, kBoxHeight);
  };
  const auto between = [this](const QString& text, int y) {
    makeLabel(this, text, kColA + kBoxWidth, y, kColB - kColA - kBoxWidth, kBoxHeight, Qt::AlignCenter);
  };

  // Strand calculator. Boxes are created in tab order; labels take no focus.
  constexpr int rowSize = 22, rowRate = 52, rowCount = 100, rowLength = 144;
  makeHeading(this, QStringLiteral("MM"), kColA, rowSize - kHeaderHeight);
  makeHeading(this, QStringLiteral("Inches"), kColB, rowSize - kHeaderHeight);
  QLabel* bsMmLabel = rowLabel(QStringLiteral("Bead / Stone Size"), rowSize);
  beadMmBox = box(kColA, rowSize, QStringLiteral("Bead or stone size in millimeters"), false);
  bsMmLabel->setBuddy(beadMmBox);
  between(QStringLiteral("or"), rowSize);
  beadInchBox = box(kColB, rowSize, QStringLiteral("Bead or stone size in inches"), false);

  QLabel* noBeadsLabel = rowLabel(QStringLiteral("Number of Beads"), rowCount);
  beadCountBox = box(kColA, rowCount, QStringLiteral("Number of beads"), false);
  noBeadsLabel->setBuddy(beadCountBox);
  between(QStringLiteral("="), rowCount);

  QLabel* beadsInLabel = rowLabel(QStringLiteral("Beads per Inch"), rowRate);
  beadsPerInchBox = box(kColA, rowRate, QStringLiteral("Beads per inch"), true);
  beadsInLabel->setBuddy(beadsPerInchBox);

  QLabel* totalinLabel = rowLabel(QStringLiteral("Desired Length in Inches"), rowLength);
  strandInchBox = box(kColA, rowLength, QStringLiteral("Desired length in inches"), false);
  totalinLabel->setBuddy(strandInchBox);
  between(QStringLiteral("="), rowLength);

  calculateButton = new QPushButton(QStringLiteral("Calculate"), this);
  calculateButton->setGeometry(kColB + kBoxWidth + 16, rowLength, 75, 25);
  calculateButton->hide();

  makeHeading(this, QStringLiteral("Inches"), kColB, rowCount - kHeaderHeight);
  strandLengthBox = box(kColB, rowCount, QStringLiteral("Strand length in inches"), true);
  makeHeading(this, QStringLiteral("Beads"), kColB, rowLength - kHeaderHeight);
  beadsNeededBox = box(kColB, rowLength, QStringLiteral("Beads needed for the desired length"), true);

  // Stone area calculator, below a dividing line.
  auto* divider = new QFrame(this);
  divider->setFrameShape(QFrame::HLine);
  divider->setFrameShadow(QFrame::Sunken);
  divider->setGeometry(kLabelLeft, 180, 525 - 2 * kLabelLeft, 4);

  constexpr int rowArea = 208, rowPattern = 256, rowSpacing = 290;
  makeHeading(this, QStringLiteral("Length (In)"), kColA, rowArea - kHeaderHeight);
  makeHeading(this, QStringLiteral("Width (In)"), kColB, rowArea - kHeaderHeight);
  QLabel* areaLLabel = rowLabel(QStringLiteral("Desired Area In Inches"), rowArea);
  areaLengthBox = box(kColA, rowArea, QStringLiteral("Area length in inches"), false);
  areaLLabel->setBuddy(areaLengthBox);
  makeLabel(this, QStringLiteral("×"), kColA + kBoxWidth, rowArea, kColB - kColA - kBoxWidth, kBoxHeight,
            Qt::AlignCenter);
  areaWidthBox = box(kColB, rowArea, QStringLiteral("Area width in inches"), false);

  makeHeading(this, QStringLiteral("Square"), kColA, rowPattern - kHeaderHeight);
  makeHeading(this, QStringLiteral("Hexagonal"), kColB, rowPattern - kHeaderHeight);
  QLabel* areaRectLabel = rowLabel(QStringLiteral("Stone Pattern"), rowPattern);
  areaBox = box(kColA, rowPattern, QStringLiteral("Stones in a square pattern"), true);
  areaRectLabel->setBuddy(areaBox);
  hexStonesBox = box(kColB, rowPattern, QStringLiteral("Stones in a hexagonal pattern"), true);

  QLabel* areaSpLabel = rowLabel(QStringLiteral("Stone Spacing (In)"), rowSpacing);
  spacingBox = box(kColA, rowSpacing, QStringLiteral("Stone spacing in inches"), false);
  areaSpLabel->setBuddy(spacingBox);

  clearButton =
      new QPushButton(resourceIcon(QStringLiteral(":/icons/clear.svg")), QStringLiteral("Clear"), this);
  clearButton->setGeometry(433, rowSpacing - 1, 80, 28);
  clearButton->setFont(makeFont(QStringLiteral("Arial"), 15));
  clearButton->setIconSize(QSize(16, 16));
  clearButton->setToolTip(QStringLiteral("Clear Data Entry"));
  clearButton->setAccessibleName(QStringLiteral("Clear Data Entry"));
  clearButton->setAutoDefault(true);  // Enter on the focused button presses it

  nameChildren({{beadMmBox, "beadMmBox"},
                {beadInchBox, "beadInchBox"},
                {beadCountBox, "beadCountBox"},
                {beadsPerInchBox, "beadsPerInchBox"},
                {strandInchBox, "strandInchBox"},
                {calculateButton, "calculateButton"},
                {strandLengthBox, "strandLengthBox"},
                {beadsNeededBox, "beadsNeededBox"},
                {areaLengthBox, "areaLengthBox"},
                {areaWidthBox, "areaWidthBox"},
                {areaBox, "areaBox"},
                {hexStonesBox, "hexStonesBox"},
                {spacingBox, "spacingBox"},
                {clearButton, "clearButton"}});
}

void BeadPage::bindHandlers() {
  // Enter moves on from every box, and the leaving handlers work; only in
  // the spacing box does it recompute, with the caret staying.
  beadMmBox->setKeyFilter(KeyFilterKind::BeadMmBox, services_);
  beadInchBox->setKeyFilter(KeyFilterKind::BeadInchBox, services_);
  beadCountBox->setKeyFilter(KeyFilterKind::BeadCountBox, services_);
  for (EntryBox* box : {strandInchBox, areaLengthBox, areaWidthBox, areaBox})
    box->setKeyFilter(KeyFilterKind::StrandInchBox, services_);
  spacingBox->setKeyFilter(KeyFilterKind::SpacingBox, services_);
  guardedConnect(spacingBox, &EntryBox::calculationWanted, this, &BeadPage::onSpacingEnter);

  guardedConnect(beadMmBox, &EntryBox::focusGained, this, &BeadPage::onBeadMmEntered);
  guardedConnect(beadMmBox, &EntryBox::focusLost, this, &BeadPage::onBeadMmLeft);
  guardedConnect(beadInchBox, &EntryBox::focusGained, this, &BeadPage::onBeadInchEntered);
  guardedConnect(beadInchBox, &EntryBox::focusLost, this, &BeadPage::onBeadInchLeft);
  guardedConnect(beadCountBox, &EntryBox::changed, this, [this] {
    // A step that rewrote the count has run the recalculation itself.
    if (!writingBoxes_) onBeadCountChanged();
  });
  guardedConnect(strandInchBox, &EntryBox::focusLost, this, &BeadPage::onStrandLengthLeft);
  guardedConnect(areaLengthBox, &EntryBox::focusLost, this, &BeadPage::onAreaLengthLeft);
  guardedConnect(areaWidthBox, &EntryBox::focusLost, this, &BeadPage::onAreaWidthLeft);
  guardedConnect(areaBox, &EntryBox::focusLost, this, &BeadPage::onStrandLengthLeft);
  guardedConnect(spacingBox, &EntryBox::focusLost, this, &BeadPage::onAreaWidthLeft);

  guardedConnect(calculateButton, &QPushButton::clicked, this, &BeadPage::onCalculate);
  guardedConnect(clearButton, &QPushButton::clicked, this, &BeadPage::onClearClicked);
}

void BeadPage::onPageShown() {
  // Qt may already have handed the focus back to the size box the user left
  // this page from; leaving it now must not steal the focus from beadMmBox.
  QScopedValueRollback<bool> showing(showingPage_, true);
  beadMmBox->setFocus(Qt::OtherFocusReason);
  beadMmBox->selectAll();
}

BeadBoxes BeadPage::readBoxes() const {
  BeadBoxes boxes;
  for (auto [box, text] : kBoxes) (boxes.*text).text = (this->*box)->text();
  return boxes;
}

void BeadPage::writeBoxes(const BeadBoxes& boxes) {
  QScopedValueRollback<bool> writing(writingBoxes_, true);
  for (auto [box, text] : kBoxes)
    if ((boxes.*text).written) (this->*box)->setText((boxes.*text).text);
}

// What a step wrote reaches the boxes also when it fails half-way.
template <typename Step>
void BeadPage::runStep(Step&& step) {
  BeadBoxes boxes = readBoxes();
  runShowingBoxes(boxes, step, [this](const BeadBoxes& written) { writeBoxes(written); });
  // Row by row, left to right, as the page reads.
  announceResults(this, {{beadMmBox, boxes.beadMmBox},
                         {beadInchBox, boxes.beadInchBox},
                         {beadsPerInchBox, boxes.beadsPerInchBox},
                         {beadCountBox, boxes.beadCountBox},
                         {strandLengthBox, boxes.strandLengthBox},
                         {strandInchBox, boxes.strandInchBox},
                         {beadsNeededBox, boxes.beadsNeededBox},
                         {areaLengthBox, boxes.areaLengthBox},
                         {areaWidthBox, boxes.areaWidthBox},
                         {areaBox, boxes.areaBox},
                         {hexStonesBox, boxes.hexStonesBox},
                         {spacingBox, boxes.spacingBox}});
}

void BeadPage::onBeadMmEntered() { state_.marker = BeadSizeMarker::Mm; }

void BeadPage::onBeadInchEntered() { state_.marker = BeadSizeMarker::Inch; }

void BeadPage::onBeadMmLeft() { leaveSizeBox(BeadSizeMarker::Mm); }

void BeadPage::onBeadInchLeft() { leaveSizeBox(BeadSizeMarker::Inch); }

void BeadPage::leaveSizeBox(BeadSizeMarker box) {
  bool calculated = false;
  runStep([&](BeadBoxes& boxes) { calculated = sizeBoxLeft(box, boxes, state_); });
  if (calculated) focusNoBeadsInstead();
}

void BeadPage::focusNoBeadsInstead() {
  // A page being switched away hides its boxes: the focus goes where the user took it.
  if (!beadCountBox->isVisible() || showingPage_) return;
  // Called while the focus is moving: Qt already names the control that was
  // about to receive it.
  QWidget* intercepted = QApplication::focusWidget();
  if (intercepted == beadCountBox) return;
  FocusOutSwallower swallower(intercepted);
  beadCountBox->setFocus(Qt::OtherFocusReason);
  beadCountBox->selectAll();  // typing a count replaces the 1 the calculation wrote
}

void BeadPage::onBeadCountChanged() {
  runStep([this](BeadBoxes& boxes) { beadCountChanged(boxes, state_); });
}

void BeadPage::onCalculate() {
  runStep([this](BeadBoxes& boxes) { beadCalculation(boxes, state_); });
}

void BeadPage::onStrandLengthLeft() {
  BeadNotice notice = BeadNotice::None;
  runStep([&](BeadBoxes& boxes) { notice = desiredLengthLeft(boxes, state_); });
  showBeadNotice(notice);
}

void BeadPage::onAreaLengthLeft() {
  BeadNotice notice = BeadNotice::None;
  runStep([&](BeadBoxes& boxes) { notice = areaBoxLeft(AreaSide::Length, boxes, state_); });
  showBeadNotice(notice);
}

void BeadPage::onAreaWidthLeft() {
  BeadNotice notice = BeadNotice::None;
  runStep([&](BeadBoxes& boxes) { notice = areaBoxLeft(AreaSide::Width, boxes, state_); });
  showBeadNotice(notice);
}

void BeadPage::onSpacingEnter() {
  BeadNotice notice = BeadNotice::None;
  runStep([&](BeadBoxes& boxes) { notice = spacingEntered(boxes, state_); });
  showBeadNotice(notice);
}

void BeadPage::onClearClicked() {
  runStep([this](BeadBoxes& boxes) { clearBeadPage(boxes, state_); });
  announce(this, QStringLiteral("Bead calculator cleared"));
  // A box that already has the focus gets no new enter event.
  const bool hadFocus = beadMmBox->hasFocus();
  beadMmBox->setFocus(Qt::OtherFocusReason);
  if (hadFocus) onBeadMmEntered();
}

void BeadPage::showBeadNotice(BeadNotice notice) {
  if (notice == BeadNotice::None) return;
  services_.showMessage(window(), MessageIcon::Error, QStringLiteral("Error"), beadNoticeText(notice), true);
}

}  // namespace orvane
