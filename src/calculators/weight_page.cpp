#include "calculators/weight_page.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "core/key_filter.h"
#include "platform/announcer.h"
#include "platform/desktop_services.h"
#include "platform/guarded_connect.h"
#include "widgets/edit.h"
#include "widgets/focus.h"
#include "widgets/look.h"
#include "widgets/spoken_boxes.h"

namespace orvane {

namespace {

constexpr int kBoxLeft = 232;
constexpr int kBoxWidth = 160;
constexpr int kBoxHeight = 26;
constexpr int kFirstBoxTop = 60;
constexpr int kBoxPitch = 30;
constexpr int kCaptionWidth = 110;
constexpr int kCaptionGap = 8;

}  // namespace

TWeightPage::TWeightPage(DesktopServices& services, QWidget* parent)
    : TTabSheet(parent), services_(services) {
  const QFont arial16 = MakeFont(QStringLiteral("Arial"), 16);

  TitleLabel = new QLabel(QStringLiteral("Weight Conversion"), this);
  TitleLabel->setFont(MakeFont(QStringLiteral("Arial"), 19));
  TitleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  TitleLabel->setGeometry(0, 8, 525, 26);

  HintLabel = new QLabel(QStringLiteral("(Enter data and hit Enter Key)"), this);
  HintLabel->setFont(MakeFont(QStringLiteral("Arial"), 13));
  HintLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  HintLabel->setGeometry(0, 34, 525, 18);

  // Created in tab order: the eight boxes, the hidden Convert button, Clear,
  // Metal.
  CaratBox = MakeWeightBox(WeightUnit::Carat, QStringLiteral("Carats"), kFirstBoxTop);
  GramBox = MakeWeightBox(WeightUnit::Gram, QStringLiteral("Grams"), kFirstBoxTop + kBoxPitch);
  KGramBox = MakeWeightBox(WeightUnit::KGram, QStringLiteral("Kilograms"), kFirstBoxTop + 2 * kBoxPitch);
  OunceBox = MakeWeightBox(WeightUnit::Ounce, QStringLiteral("Ounces"), kFirstBoxTop + 3 * kBoxPitch);
  PoundBox = MakeWeightBox(WeightUnit::Pound, QStringLiteral("Pounds"), kFirstBoxTop + 4 * kBoxPitch);
  TroyOunceBox =
      MakeWeightBox(WeightUnit::TroyOunce, QStringLiteral("Troy Ounces"), kFirstBoxTop + 5 * kBoxPitch);
  PennyweightBox =
      MakeWeightBox(WeightUnit::Pennyweight, QStringLiteral("Pennyweights"), kFirstBoxTop + 6 * kBoxPitch);
  GrainBox = MakeWeightBox(WeightUnit::Grain, QStringLiteral("Grains"), kFirstBoxTop + 7 * kBoxPitch);
  const int buttonTop = kFirstBoxTop + kWeightBoxCount * kBoxPitch;

  wClearBtn = new QPushButton(Icon(QStringLiteral(":/icons/clear.svg")), QStringLiteral("Clear"), this);
  wClearBtn->setFont(MakeFont(QStringLiteral("Arial"), 15));
  wClearBtn->setIconSize(QSize(16, 16));
  wClearBtn->setGeometry(kBoxLeft + kBoxWidth - 80, buttonTop + 4, 80, 27);
  wClearBtn->setToolTip(QStringLiteral("Clear Data Entry"));
  wClearBtn->setAccessibleName(QStringLiteral("Clear"));
  wClearBtn->setAccessibleDescription(QStringLiteral("Clear Data Entry"));
  wClearBtn->setFocusPolicy(Qt::StrongFocus);
  wClearBtn->setAutoDefault(true);  // Enter on the focused button presses it
  GuardedConnect(wClearBtn, &QPushButton::clicked, this, &TWeightPage::wClearBtnClick);

  MetalBtn = new QPushButton(QStringLiteral("Metal\u2026"), this);
  MetalBtn->setFont(MakeFont(QStringLiteral("Arial"), 15));
  MetalBtn->setGeometry(kBoxLeft + kBoxWidth + 16, buttonTop + 4, 80, 27);
  MetalBtn->setToolTip(QStringLiteral("Weight of wire, sheet and ring blanks"));
  MetalBtn->setAccessibleDescription(QStringLiteral("Opens the Metal Calculator"));
  MetalBtn->setFocusPolicy(Qt::StrongFocus);
  MetalBtn->setAutoDefault(true);
  GuardedConnect(MetalBtn, &QPushButton::clicked, this, &TWeightPage::MetalBtnClick);
}

TEdit* TWeightPage::MakeWeightBox(WeightUnit unit, const QString& caption, int top) {
  auto* label = new QLabel(caption, this);
  label->setFont(MakeFont(QStringLiteral("Arial"), 16));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setGeometry(kBoxLeft - kCaptionGap - kCaptionWidth, top, kCaptionWidth, kBoxHeight);

  auto* box = new TEdit(this);
  box->setFont(MakeFont(QStringLiteral("Arial"), 16));
  box->setGeometry(kBoxLeft, top, kBoxWidth, kBoxHeight);
  box->setAccessibleName(caption);
  label->setBuddy(box);
  // CaratBoxEnter ... PoundBoxEnter: the box entered last is the source unit.
  GuardedConnect(box, &TEdit::entered, this, [this, unit] { ActiveBox = WeightMarker(unit); });
  box->SetKeyFilter(KeyFilterKind::Weight, services_);
  GuardedConnect(box, &TEdit::calculationWanted, this, &TWeightPage::ConvertBtnClick);
  boxes_[static_cast<int>(unit)] = box;
  return box;
}

TEdit* TWeightPage::BoxOf(WeightUnit unit) const { return boxes_[static_cast<int>(unit)]; }

void TWeightPage::ConvertBtnClick() {
  WeightBoxes boxes;
  for (int i = 0; i < kWeightBoxCount; ++i) boxes[i].text = boxes_[i]->text();
  // Nothing to convert: Enter just walks on to the next box.
  if (const std::optional<WeightUnit> walkOnFrom = WeightEntered(ActiveBox, boxes)) {
    FocusNextControl(BoxOf(*walkOnFrom));
    return;
  }
  for (WeightUnit unit : kWeightWriteOrder) {
    const BoxText& result = boxes[static_cast<int>(unit)];
    if (result.written) BoxOf(unit)->setText(result.text);
  }
  QList<WrittenBox> written;
  for (int i = 0; i < kWeightBoxCount; ++i) written.append({boxes_[i], boxes[i]});
  announceResults(this, written);
}

void TWeightPage::MetalBtnClick() { Q_EMIT metalWanted(); }

void TWeightPage::wClearBtnClick() {
  for (TEdit* box : boxes_) box->clear();
  announce(this, QStringLiteral("Weights cleared"));
  CaratBox->setFocus(Qt::OtherFocusReason);
  // The focus event does not arrive while the window is inactive; the caret
  // is in Carats all the same, so Carats is the source.
  ActiveBox = WeightMarker(WeightUnit::Carat);
}

}  // namespace orvane
