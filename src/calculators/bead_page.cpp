#include "calculators/bead_page.h"

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
#include "widgets/edit.h"
#include "widgets/look.h"
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

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int width, int height,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, bool heading = false) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(x, y, width, height);
  label->setAlignment(align);
  label->setFont(MakeFont(QStringLiteral("Arial"), heading ? 14 : 16, heading));
  return label;
}

// A column heading centred over a box column.
QLabel* MakeHeading(QWidget* parent, const QString& text, int column, int y) {
  return MakeLabel(parent, text, column - 10, y, kBoxWidth + 20, kHeaderHeight,
                   Qt::AlignHCenter | Qt::AlignBottom, true);
}

// Each box of the page and its text as the steps see it.
constexpr std::pair<TEdit * TBeadCalcPage::*, BoxText BeadBoxes::*> kBoxes[] = {
    {&TBeadCalcPage::BsMm, &BeadBoxes::BsMm},
    {&TBeadCalcPage::BsInch, &BeadBoxes::BsInch},
    {&TBeadCalcPage::NoBeads, &BeadBoxes::NoBeads},
    {&TBeadCalcPage::BeadsIn, &BeadBoxes::BeadsIn},
    {&TBeadCalcPage::Totalin, &BeadBoxes::Totalin},
    {&TBeadCalcPage::LenInch, &BeadBoxes::LenInch},
    {&TBeadCalcPage::TotalBeads, &BeadBoxes::TotalBeads},
    {&TBeadCalcPage::AreaL, &BeadBoxes::AreaL},
    {&TBeadCalcPage::AreaW, &BeadBoxes::AreaW},
    {&TBeadCalcPage::AreaRect, &BeadBoxes::AreaRect},
    {&TBeadCalcPage::AreaHex, &BeadBoxes::AreaHex},
    {&TBeadCalcPage::AreaSp, &BeadBoxes::AreaSp},
};

}  // namespace

TBeadCalcPage::TBeadCalcPage(DesktopServices& services, QWidget* parent)
    : TTabSheet(parent), services_(services) {
  CreateControls();
  BindHandlers();
}

void TBeadCalcPage::CreateControls() {
  auto box = [this](int x, int y, const QString& name, bool readOnly) {
    auto* edit = new TEdit(this);
    edit->setGeometry(x, y, kBoxWidth, kBoxHeight);
    edit->setFont(MakeFont(QStringLiteral("Arial"), 16));
    edit->setAccessibleName(name);
    if (readOnly) {
      edit->SetReadOnlyBox(true);
    } else {
      // The page's own colour would otherwise show through the entry boxes.
      QPalette pal = edit->palette();
      pal.setColor(QPalette::Base, SystemColor(SysColor::Window));
      edit->setPalette(pal);
    }
    return edit;
  };
  const auto rowLabel = [this](const QString& text, int y) {
    return MakeLabel(this, text, kLabelLeft, y, kColA - kLabelLeft, kBoxHeight);
  };
  const auto between = [this](const QString& text, int y) {
    MakeLabel(this, text, kColA + kBoxWidth, y, kColB - kColA - kBoxWidth, kBoxHeight, Qt::AlignCenter);
  };

  // Strand calculator. Boxes are created in tab order; labels take no focus.
  constexpr int rowSize = 22, rowRate = 52, rowCount = 100, rowLength = 144;
  MakeHeading(this, QStringLiteral("MM"), kColA, rowSize - kHeaderHeight);
  MakeHeading(this, QStringLiteral("Inches"), kColB, rowSize - kHeaderHeight);
  QLabel* bsMmLabel = rowLabel(QStringLiteral("Bead / Stone Size"), rowSize);
  BsMm = box(kColA, rowSize, QStringLiteral("Bead or stone size in millimeters"), false);
  bsMmLabel->setBuddy(BsMm);
  between(QStringLiteral("or"), rowSize);
  BsInch = box(kColB, rowSize, QStringLiteral("Bead or stone size in inches"), false);

  QLabel* noBeadsLabel = rowLabel(QStringLiteral("Number of Beads"), rowCount);
  NoBeads = box(kColA, rowCount, QStringLiteral("Number of beads"), false);
  noBeadsLabel->setBuddy(NoBeads);
  between(QStringLiteral("="), rowCount);

  QLabel* beadsInLabel = rowLabel(QStringLiteral("Beads per Inch"), rowRate);
  BeadsIn = box(kColA, rowRate, QStringLiteral("Beads per inch"), true);
  beadsInLabel->setBuddy(BeadsIn);

  QLabel* totalinLabel = rowLabel(QStringLiteral("Desired Length in Inches"), rowLength);
  Totalin = box(kColA, rowLength, QStringLiteral("Desired length in inches"), false);
  totalinLabel->setBuddy(Totalin);
  between(QStringLiteral("="), rowLength);

  BcalcBtn = new QPushButton(QStringLiteral("Calculate"), this);
  BcalcBtn->setGeometry(kColB + kBoxWidth + 16, rowLength, 75, 25);
  BcalcBtn->hide();

  MakeHeading(this, QStringLiteral("Inches"), kColB, rowCount - kHeaderHeight);
  LenInch = box(kColB, rowCount, QStringLiteral("Strand length in inches"), true);
  MakeHeading(this, QStringLiteral("Beads"), kColB, rowLength - kHeaderHeight);
  TotalBeads = box(kColB, rowLength, QStringLiteral("Beads needed for the desired length"), true);

  // Stone area calculator, below a dividing line.
  auto* divider = new QFrame(this);
  divider->setFrameShape(QFrame::HLine);
  divider->setFrameShadow(QFrame::Sunken);
  divider->setGeometry(kLabelLeft, 180, 525 - 2 * kLabelLeft, 4);

  constexpr int rowArea = 208, rowPattern = 256, rowSpacing = 290;
  MakeHeading(this, QStringLiteral("Length (In)"), kColA, rowArea - kHeaderHeight);
  MakeHeading(this, QStringLiteral("Width (In)"), kColB, rowArea - kHeaderHeight);
  QLabel* areaLLabel = rowLabel(QStringLiteral("Desired Area In Inches"), rowArea);
  AreaL = box(kColA, rowArea, QStringLiteral("Area length in inches"), false);
  areaLLabel->setBuddy(AreaL);
  MakeLabel(this, QStringLiteral("×"), kColA + kBoxWidth, rowArea, kColB - kColA - kBoxWidth, kBoxHeight,
            Qt::AlignCenter);
  AreaW = box(kColB, rowArea, QStringLiteral("Area width in inches"), false);

  MakeHeading(this, QStringLiteral("Square"), kColA, rowPattern - kHeaderHeight);
  MakeHeading(this, QStringLiteral("Hexagonal"), kColB, rowPattern - kHeaderHeight);
  QLabel* areaRectLabel = rowLabel(QStringLiteral("Stone Pattern"), rowPattern);
  AreaRect = box(kColA, rowPattern, QStringLiteral("Stones in a square pattern"), true);
  areaRectLabel->setBuddy(AreaRect);
  AreaHex = box(kColB, rowPattern, QStringLiteral("Stones in a hexagonal pattern"), true);

  QLabel* areaSpLabel = rowLabel(QStringLiteral("Stone Spacing (In)"), rowSpacing);
  AreaSp = box(kColA, rowSpacing, QStringLiteral("Stone spacing in inches"), false);
  areaSpLabel->setBuddy(AreaSp);

  bClearBtn = new QPushButton(Icon(QStringLiteral(":/icons/clear.svg")), QStringLiteral("Clear"), this);
  bClearBtn->setGeometry(433, rowSpacing - 1, 80, 28);
  bClearBtn->setFont(MakeFont(QStringLiteral("Arial"), 15));
  bClearBtn->setIconSize(QSize(16, 16));
  bClearBtn->setToolTip(QStringLiteral("Clear Data Entry"));
  bClearBtn->setAccessibleName(QStringLiteral("Clear Data Entry"));
  bClearBtn->setAutoDefault(true);  // Enter on the focused button presses it
}

void TBeadCalcPage::BindHandlers() {
  // Enter moves on from every box, and the leaving handlers work; only in
  // the spacing box does it recompute, with the caret staying.
  BsMm->SetKeyFilter(KeyFilterKind::BsMm, services_);
  BsInch->SetKeyFilter(KeyFilterKind::BsInch, services_);
  NoBeads->SetKeyFilter(KeyFilterKind::NoBeads, services_);
  for (TEdit* box : {Totalin, AreaL, AreaW, AreaRect}) box->SetKeyFilter(KeyFilterKind::Totalin, services_);
  AreaSp->SetKeyFilter(KeyFilterKind::AreaSp, services_);
  GuardedConnect(AreaSp, &TEdit::calculationWanted, this, &TBeadCalcPage::AreaSpEnter);

  GuardedConnect(BsMm, &TEdit::entered, this, &TBeadCalcPage::BsMmEnter);
  GuardedConnect(BsMm, &TEdit::left, this, &TBeadCalcPage::BsMmExit);
  GuardedConnect(BsInch, &TEdit::entered, this, &TBeadCalcPage::BsInchEnter);
  GuardedConnect(BsInch, &TEdit::left, this, &TBeadCalcPage::BsInchExit);
  GuardedConnect(NoBeads, &TEdit::changed, this, [this] {
    // A step that rewrote the count has run the recalculation itself.
    if (!writingBoxes_) NoBeadsChange();
  });
  GuardedConnect(Totalin, &TEdit::left, this, &TBeadCalcPage::TotalinExit);
  GuardedConnect(AreaL, &TEdit::left, this, &TBeadCalcPage::AreaLExit);
  GuardedConnect(AreaW, &TEdit::left, this, &TBeadCalcPage::AreaWExit);
  GuardedConnect(AreaRect, &TEdit::left, this, &TBeadCalcPage::TotalinExit);
  GuardedConnect(AreaSp, &TEdit::left, this, &TBeadCalcPage::AreaWExit);

  GuardedConnect(BcalcBtn, &QPushButton::clicked, this, &TBeadCalcPage::BcalcBtnClick);
  GuardedConnect(bClearBtn, &QPushButton::clicked, this, &TBeadCalcPage::bClearBtnClick);
}

void TBeadCalcPage::TabSheet8Show() {
  // Qt may already have handed the focus back to the size box the user left
  // this page from; leaving it now must not steal the focus from BsMm.
  QScopedValueRollback<bool> showing(showingPage_, true);
  BsMm->setFocus(Qt::OtherFocusReason);
  BsMm->selectAll();
}

BeadBoxes TBeadCalcPage::ReadBoxes() const {
  BeadBoxes boxes;
  for (auto [box, text] : kBoxes) (boxes.*text).text = (this->*box)->text();
  return boxes;
}

void TBeadCalcPage::WriteBoxes(const BeadBoxes& boxes) {
  QScopedValueRollback<bool> writing(writingBoxes_, true);
  for (auto [box, text] : kBoxes)
    if ((boxes.*text).written) (this->*box)->setText((boxes.*text).text);
}

// What a step wrote reaches the boxes also when it fails half-way.
template <typename Step>
void TBeadCalcPage::RunStep(Step&& step) {
  BeadBoxes boxes = ReadBoxes();
  RunShowingBoxes(boxes, step, [this](const BeadBoxes& written) { WriteBoxes(written); });
  // Row by row, left to right, as the page reads.
  announceResults(this, {{BsMm, boxes.BsMm},
                         {BsInch, boxes.BsInch},
                         {BeadsIn, boxes.BeadsIn},
                         {NoBeads, boxes.NoBeads},
                         {LenInch, boxes.LenInch},
                         {Totalin, boxes.Totalin},
                         {TotalBeads, boxes.TotalBeads},
                         {AreaL, boxes.AreaL},
                         {AreaW, boxes.AreaW},
                         {AreaRect, boxes.AreaRect},
                         {AreaHex, boxes.AreaHex},
                         {AreaSp, boxes.AreaSp}});
}

void TBeadCalcPage::BsMmEnter() { state_.marker = BeadSizeMarker::Mm; }

void TBeadCalcPage::BsInchEnter() { state_.marker = BeadSizeMarker::Inch; }

void TBeadCalcPage::BsMmExit() { LeaveSizeBox(BeadSizeMarker::Mm); }

void TBeadCalcPage::BsInchExit() { LeaveSizeBox(BeadSizeMarker::Inch); }

void TBeadCalcPage::LeaveSizeBox(BeadSizeMarker box) {
  bool calculated = false;
  RunStep([&](BeadBoxes& boxes) { calculated = SizeBoxLeft(box, boxes, state_); });
  if (calculated) FocusNoBeadsInstead();
}

void TBeadCalcPage::FocusNoBeadsInstead() {
  // A page being switched away hides its boxes: the focus goes where the user took it.
  if (!NoBeads->isVisible() || showingPage_) return;
  // Called while the focus is moving: Qt already names the control that was
  // about to receive it.
  QWidget* intercepted = QApplication::focusWidget();
  if (intercepted == NoBeads) return;
  FocusOutSwallower swallower(intercepted);
  NoBeads->setFocus(Qt::OtherFocusReason);
  NoBeads->selectAll();  // typing a count replaces the 1 the calculation wrote
}

void TBeadCalcPage::NoBeadsChange() {
  RunStep([this](BeadBoxes& boxes) { BeadCountChanged(boxes, state_); });
}

void TBeadCalcPage::BcalcBtnClick() {
  RunStep([this](BeadBoxes& boxes) { BeadCalculation(boxes, state_); });
}

void TBeadCalcPage::TotalinExit() {
  BeadNotice notice = BeadNotice::None;
  RunStep([&](BeadBoxes& boxes) { notice = DesiredLengthLeft(boxes, state_); });
  Show(notice);
}

void TBeadCalcPage::AreaLExit() {
  BeadNotice notice = BeadNotice::None;
  RunStep([&](BeadBoxes& boxes) { notice = AreaBoxLeft(AreaSide::Length, boxes, state_); });
  Show(notice);
}

void TBeadCalcPage::AreaWExit() {
  BeadNotice notice = BeadNotice::None;
  RunStep([&](BeadBoxes& boxes) { notice = AreaBoxLeft(AreaSide::Width, boxes, state_); });
  Show(notice);
}

void TBeadCalcPage::AreaSpEnter() {
  BeadNotice notice = BeadNotice::None;
  RunStep([&](BeadBoxes& boxes) { notice = SpacingEntered(boxes, state_); });
  Show(notice);
}

void TBeadCalcPage::bClearBtnClick() {
  RunStep([this](BeadBoxes& boxes) { ClearBeadPage(boxes, state_); });
  announce(this, QStringLiteral("Bead calculator cleared"));
  // A box that already has the focus gets no new enter event.
  const bool hadFocus = BsMm->hasFocus();
  BsMm->setFocus(Qt::OtherFocusReason);
  if (hadFocus) BsMmEnter();
}

void TBeadCalcPage::Show(BeadNotice notice) {
  if (notice == BeadNotice::None) return;
  services_.ShowMessage(window(), MessageIcon::Error, QStringLiteral("Error"), BeadNoticeText(notice), true);
}

}  // namespace orvane
