#include "measures/weight_page.h"

#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "core/key_filter.h"
#include "platform/announcer.h"
#include "platform/desktop_services.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"
#include "widgets/focus.h"
#include "widgets/look.h"
#include "widgets/object_names.h"
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
constexpr int kButtonWidth = 80;

// The buttons' width, or what a longer caption needs.
int buttonWidth(const QPushButton* button) { return std::max(kButtonWidth, button->sizeHint().width()); }

}  // namespace

WeightPage::WeightPage(DesktopServices& services, QWidget* parent) : TabPage(parent), services_(services) {
  const QFont arial16 = makeFont(QStringLiteral("Arial"), 16);

  titleLabel = new QLabel(tr("Weight Conversion"), this);
  titleLabel->setFont(makeFont(QStringLiteral("Arial"), 19));
  titleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  titleLabel->setGeometry(0, 8, 525, 26);

  hintLabel = new QLabel(tr("(Enter data and hit Enter Key)"), this);
  hintLabel->setFont(makeFont(QStringLiteral("Arial"), 13));
  hintLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  hintLabel->setGeometry(0, 34, 525, 18);

  // Created in tab order: the eight boxes, the hidden Convert button, Clear,
  // Metal.
  caratBox = makeWeightBox(WeightUnit::Carat, tr("Carats"), kFirstBoxTop);
  gramBox = makeWeightBox(WeightUnit::Gram, tr("Grams"), kFirstBoxTop + kBoxPitch);
  kilogramBox = makeWeightBox(WeightUnit::KGram, tr("Kilograms"), kFirstBoxTop + 2 * kBoxPitch);
  ounceBox = makeWeightBox(WeightUnit::Ounce, tr("Ounces"), kFirstBoxTop + 3 * kBoxPitch);
  poundBox = makeWeightBox(WeightUnit::Pound, tr("Pounds"), kFirstBoxTop + 4 * kBoxPitch);
  troyOunceBox = makeWeightBox(WeightUnit::TroyOunce, tr("Troy Ounces"), kFirstBoxTop + 5 * kBoxPitch);
  pennyweightBox = makeWeightBox(WeightUnit::Pennyweight, tr("Pennyweights"), kFirstBoxTop + 6 * kBoxPitch);
  grainBox = makeWeightBox(WeightUnit::Grain, tr("Grains"), kFirstBoxTop + 7 * kBoxPitch);
  const int buttonTop = kFirstBoxTop + kWeightBoxCount * kBoxPitch;

  clearButton = new QPushButton(resourceIcon(QStringLiteral(":/icons/clear.svg")), tr("Clear"), this);
  clearButton->setFont(makeFont(QStringLiteral("Arial"), 15));
  clearButton->setIconSize(QSize(16, 16));
  // Right-aligned under the boxes; a longer caption widens it to the left.
  const int clearWidth = buttonWidth(clearButton);
  clearButton->setGeometry(kBoxLeft + kBoxWidth - clearWidth, buttonTop + 4, clearWidth, 27);
  clearButton->setToolTip(tr("Clear Data Entry"));
  clearButton->setAccessibleName(tr("Clear"));
  clearButton->setAccessibleDescription(tr("Clear Data Entry"));
  clearButton->setFocusPolicy(Qt::StrongFocus);
  clearButton->setAutoDefault(true);  // Enter on the focused button presses it
  guardedConnect(clearButton, &QPushButton::clicked, this, &WeightPage::onClearClicked);

  metalButton = new QPushButton(tr("Metal\u2026"), this);
  metalButton->setFont(makeFont(QStringLiteral("Arial"), 15));
  metalButton->setGeometry(kBoxLeft + kBoxWidth + 16, buttonTop + 4, buttonWidth(metalButton), 27);
  metalButton->setToolTip(tr("Weight of wire, sheet and ring blanks"));
  metalButton->setAccessibleDescription(tr("Opens the Metal Calculator"));
  metalButton->setFocusPolicy(Qt::StrongFocus);
  metalButton->setAutoDefault(true);
  guardedConnect(metalButton, &QPushButton::clicked, this, &WeightPage::onMetalClicked);

  nameChildren({{titleLabel, "titleLabel"},
                {hintLabel, "hintLabel"},
                {caratBox, "caratBox"},
                {gramBox, "gramBox"},
                {kilogramBox, "kilogramBox"},
                {ounceBox, "ounceBox"},
                {poundBox, "poundBox"},
                {troyOunceBox, "troyOunceBox"},
                {pennyweightBox, "pennyweightBox"},
                {grainBox, "grainBox"},
                {clearButton, "clearButton"},
                {metalButton, "metalButton"}});
}

void WeightPage::setBenchShortcut(const QKeySequence& key) {
  metalButton->setToolTip(tr("Metal weight and cost, casting and pricing: the Bench window (%1)")
                              .arg(key.toString(QKeySequence::NativeText)));
  metalButton->setAccessibleDescription(
      tr("Opens the Bench window on its Metal page; %1 opens it from anywhere")
          .arg(key.toString(QKeySequence::NativeText)));
}

EntryBox* WeightPage::makeWeightBox(WeightUnit unit, const QString& caption, int top) {
  auto* label = new QLabel(caption, this);
  label->setFont(makeFont(QStringLiteral("Arial"), 16));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Right-aligned against its box: a caption longer than the English ones
  // grows to the left, where the page is empty.
  const int width = std::max(kCaptionWidth, label->fontMetrics().horizontalAdvance(caption) + 2);
  label->setGeometry(kBoxLeft - kCaptionGap - width, top, width, kBoxHeight);

  auto* box = new EntryBox(this);
  box->setFont(makeFont(QStringLiteral("Arial"), 16));
  box->setGeometry(kBoxLeft, top, kBoxWidth, kBoxHeight);
  box->setAccessibleName(caption);
  label->setBuddy(box);
  // CaratBoxEnter ... PoundBoxEnter: the box entered last is the source unit.
  guardedConnect(box, &EntryBox::focusGained, this, [this, unit] { activeBox = weightMarker(unit); });
  box->setKeyFilter(KeyFilterKind::Weight, services_);
  guardedConnect(box, &EntryBox::calculationWanted, this, &WeightPage::onConvert);
  boxes_[static_cast<int>(unit)] = box;
  return box;
}

EntryBox* WeightPage::boxOf(WeightUnit unit) const { return boxes_[static_cast<int>(unit)]; }

void WeightPage::onConvert() {
  WeightBoxes boxes;
  for (int i = 0; i < kWeightBoxCount; ++i) boxes[i].text = boxes_[i]->text();
  // Nothing to convert: Enter just walks on to the next box.
  if (const std::optional<WeightUnit> walkOnFrom = weightEntered(activeBox, boxes)) {
    focusNextControl(boxOf(*walkOnFrom));
    return;
  }
  for (WeightUnit unit : kWeightWriteOrder) {
    const BoxText& result = boxes[static_cast<int>(unit)];
    if (result.written) boxOf(unit)->setText(result.text);
  }
  QList<WrittenBox> written;
  for (int i = 0; i < kWeightBoxCount; ++i) written.append({boxes_[i], boxes[i]});
  announceResults(this, written);
}

void WeightPage::onMetalClicked() { Q_EMIT metalWanted(); }

void WeightPage::onClearClicked() {
  for (EntryBox* box : boxes_) box->clear();
  announce(this, tr("Weights cleared"));
  caratBox->setFocus(Qt::OtherFocusReason);
  // The focus event does not arrive while the window is inactive; the caret
  // is in Carats all the same, so Carats is the source.
  activeBox = weightMarker(WeightUnit::Carat);
}

}  // namespace orvane
