#include "measures/bead_page.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <algorithm>
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
// "or" / "=" between them, the Clear button bottom right. The columns are as
// below unless a caption needs more room.
constexpr int kPageWidth = 525;
constexpr int kLabelLeft = 12;
constexpr int kColA = 214;
constexpr int kColB = 326;
constexpr int kBoxWidth = 80;
constexpr int kBoxHeight = 26;
constexpr int kHeaderHeight = 18;
constexpr int kHeadingWidth = kBoxWidth + 20;
constexpr int kClearRight = 513;
constexpr int kClearWidth = 80;

QFont captionFont(bool heading) { return makeFont(QStringLiteral("Arial"), heading ? 14 : 16, heading); }

int widest(const QFont& font, const QStringList& texts) {
  const QFontMetrics metrics(font);
  int width = 0;
  for (const QString& text : texts) width = std::max(width, metrics.horizontalAdvance(text));
  return width;
}

// Where the two box columns start and how wide their headings are.
struct Columns {
  int a = kColA;
  int b = kColB;
  int headingWidth = kHeadingWidth;
};

// Columns moved right and apart as far as the captions, headings and the
// words between the boxes need, never closer than the page has them.
Columns measureColumns(const QStringList& rowCaptions, const QStringList& headings,
                       const QStringList& betweens) {
  Columns col;
  col.a = std::max(kColA, kLabelLeft + widest(captionFont(false), rowCaptions) + 8);
  col.headingWidth = std::max(kHeadingWidth, widest(captionFont(true), headings) + 4);
  // Two headings side by side, and the word between the boxes, keep a gap.
  const int gap = std::max({kColB - kColA - kBoxWidth, col.headingWidth - kBoxWidth + 12,
                            widest(captionFont(false), betweens) + 16});
  col.b = col.a + kBoxWidth + gap;
  return col;
}

QLabel* makeLabel(QWidget* parent, const QString& text, int x, int y, int width, int height,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, bool heading = false) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(x, y, width, height);
  label->setAlignment(align);
  label->setFont(captionFont(heading));
  return label;
}

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
  // Every caption first: the columns are made wide enough for the longest.
  //: Millimetres, as a column heading.
  const QString mmHeading = tr("MM");
  const QString inchHeading = tr("Inches");
  const QString beadsHeading = tr("Beads");
  //: Length of the area in inches, as a column heading.
  const QString lengthHeading = tr("Length (In)");
  //: Width of the area in inches, as a column heading.
  const QString widthHeading = tr("Width (In)");
  //: Stones set in a square pattern (rows side by side), as a column heading.
  const QString squareHeading = tr("Square");
  //: Stones set in a hexagonal pattern (nested rows), as a column heading.
  const QString hexagonalHeading = tr("Hexagonal");
  const QString sizeCaption = tr("Bead / Stone Size");
  const QString rateCaption = tr("Beads per Inch");
  const QString countCaption = tr("Number of Beads");
  const QString lengthCaption = tr("Desired Length in Inches");
  const QString areaCaption = tr("Desired Area In Inches");
  const QString patternCaption = tr("Stone Pattern");
  const QString spacingCaption = tr("Stone Spacing (In)");
  //: Between the millimetre and the inch box: type the size in either.
  const QString orText = tr("or");
  const QString equals = QStringLiteral("="), times = QStringLiteral("\u00d7");
  const Columns col = measureColumns(
      {sizeCaption, rateCaption, countCaption, lengthCaption, areaCaption, patternCaption, spacingCaption},
      {mmHeading, inchHeading, beadsHeading, lengthHeading, widthHeading, squareHeading, hexagonalHeading},
      {orText, equals, times});

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
  const auto rowLabel = [this, &col](const QString& text, int y) {
    return makeLabel(this, text, kLabelLeft, y, col.a - kLabelLeft, kBoxHeight);
  };
  const auto between = [this, &col](const QString& text, int y) {
    makeLabel(this, text, col.a + kBoxWidth, y, col.b - col.a - kBoxWidth, kBoxHeight, Qt::AlignCenter);
  };
  const auto heading = [this, &col](const QString& text, int x, int y) {
    makeLabel(this, text, x + kBoxWidth / 2 - col.headingWidth / 2, y, col.headingWidth, kHeaderHeight,
              Qt::AlignHCenter | Qt::AlignBottom, true);
  };

  // Strand calculator. Boxes are created in tab order; labels take no focus.
  constexpr int rowSize = 22, rowRate = 52, rowCount = 100, rowLength = 144;
  heading(mmHeading, col.a, rowSize - kHeaderHeight);
  heading(inchHeading, col.b, rowSize - kHeaderHeight);
  QLabel* bsMmLabel = rowLabel(sizeCaption, rowSize);
  beadMmBox = box(col.a, rowSize, tr("Bead or stone size in millimeters"), false);
  bsMmLabel->setBuddy(beadMmBox);
  between(orText, rowSize);
  beadInchBox = box(col.b, rowSize, tr("Bead or stone size in inches"), false);

  QLabel* noBeadsLabel = rowLabel(countCaption, rowCount);
  beadCountBox = box(col.a, rowCount, tr("Number of beads"), false);
  noBeadsLabel->setBuddy(beadCountBox);
  between(equals, rowCount);

  QLabel* beadsInLabel = rowLabel(rateCaption, rowRate);
  beadsPerInchBox = box(col.a, rowRate, tr("Beads per inch"), true);
  beadsInLabel->setBuddy(beadsPerInchBox);

  QLabel* totalinLabel = rowLabel(lengthCaption, rowLength);
  strandInchBox = box(col.a, rowLength, tr("Desired length in inches"), false);
  totalinLabel->setBuddy(strandInchBox);
  between(equals, rowLength);

  calculateButton = new QPushButton(tr("Calculate"), this);
  calculateButton->setGeometry(col.b + kBoxWidth + 16, rowLength, 75, 25);
  calculateButton->hide();

  heading(inchHeading, col.b, rowCount - kHeaderHeight);
  strandLengthBox = box(col.b, rowCount, tr("Strand length in inches"), true);
  heading(beadsHeading, col.b, rowLength - kHeaderHeight);
  beadsNeededBox = box(col.b, rowLength, tr("Beads needed for the desired length"), true);

  // Stone area calculator, below a dividing line.
  auto* divider = new QFrame(this);
  divider->setFrameShape(QFrame::HLine);
  divider->setFrameShadow(QFrame::Sunken);
  divider->setGeometry(kLabelLeft, 180, kPageWidth - 2 * kLabelLeft, 4);

  constexpr int rowArea = 208, rowPattern = 256, rowSpacing = 290;
  heading(lengthHeading, col.a, rowArea - kHeaderHeight);
  heading(widthHeading, col.b, rowArea - kHeaderHeight);
  QLabel* areaLLabel = rowLabel(areaCaption, rowArea);
  areaLengthBox = box(col.a, rowArea, tr("Area length in inches"), false);
  areaLLabel->setBuddy(areaLengthBox);
  between(times, rowArea);
  areaWidthBox = box(col.b, rowArea, tr("Area width in inches"), false);

  heading(squareHeading, col.a, rowPattern - kHeaderHeight);
  heading(hexagonalHeading, col.b, rowPattern - kHeaderHeight);
  QLabel* areaRectLabel = rowLabel(patternCaption, rowPattern);
  areaBox = box(col.a, rowPattern, tr("Stones in a square pattern"), true);
  areaRectLabel->setBuddy(areaBox);
  hexStonesBox = box(col.b, rowPattern, tr("Stones in a hexagonal pattern"), true);

  QLabel* areaSpLabel = rowLabel(spacingCaption, rowSpacing);
  spacingBox = box(col.a, rowSpacing, tr("Stone spacing in inches"), false);
  areaSpLabel->setBuddy(spacingBox);

  clearButton = new QPushButton(resourceIcon(QStringLiteral(":/icons/clear.svg")), tr("Clear"), this);
  clearButton->setFont(makeFont(QStringLiteral("Arial"), 15));
  clearButton->setIconSize(QSize(16, 16));
  // Right-aligned on the page; a longer caption widens it to the left.
  const int clearWidth = std::max(kClearWidth, clearButton->sizeHint().width());
  clearButton->setGeometry(kClearRight - clearWidth, rowSpacing - 1, clearWidth, 28);
  clearButton->setToolTip(tr("Clear Data Entry"));
  clearButton->setAccessibleName(tr("Clear Data Entry"));
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
  announce(this, tr("Bead calculator cleared"));
  // A box that already has the focus gets no new enter event.
  const bool hadFocus = beadMmBox->hasFocus();
  beadMmBox->setFocus(Qt::OtherFocusReason);
  if (hadFocus) onBeadMmEntered();
}

void BeadPage::showBeadNotice(BeadNotice notice) {
  if (notice == BeadNotice::None) return;
  services_.showMessage(window(), MessageIcon::Error, tr("Error"), beadNoticeText(notice), true);
}

}  // namespace orvane
