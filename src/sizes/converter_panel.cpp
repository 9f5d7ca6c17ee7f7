#include "sizes/converter_panel.h"

#include <QAbstractItemView>
#include <QIcon>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include "core/box_text.h"
#include "core/size_tables.h"
#include "platform/announcer.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/edit.h"
#include "widgets/focus.h"
#include "widgets/look.h"
#include "widgets/spoken_boxes.h"

namespace orvane {

namespace {

constexpr int kListItemHeight = 18;
constexpr int kListVisibleItems = 12;

// The open list shows its items at a fixed height.
class FixedHeightDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kListItemHeight};
  }
};

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->move(left, top);
  label->adjustSize();
  return label;
}

}  // namespace

TDesignationBox::TDesignationBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  setMaxVisibleItems(kListVisibleItems);
  setItemDelegate(new FixedHeightDelegate(this));
  lineEdit()->setAcceptDrops(false);
  lineEdit()->setDragEnabled(false);
  setFocusPolicy(Qt::WheelFocus);
  GuardedConnect(this, &QComboBox::activated, this, [this] {
    if (OnChange) OnChange();
  });
}

void TDesignationBox::SetText(const QString& text) {
  setCurrentIndex(-1);
  setEditText(text);
}

void TDesignationBox::keyPressEvent(QKeyEvent* event) {
  // Nothing can be typed or pasted here, but an answer shown can be selected
  // and copied.
  if (event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Copy)) {
    QComboBox::keyPressEvent(event);
    return;
  }
  QChar key = TypedCharacter(event);
  if (key.isNull() || !OnKeyPress) {
    QComboBox::keyPressEvent(event);
    return;
  }
  bool handled = false;
  RunGuarded(this, [&] {
    OnKeyPress(key);
    handled = true;
  });
  if (!handled || key.isNull()) {
    event->accept();
    return;
  }
  QComboBox::keyPressEvent(event);
}

void TDesignationBox::inputMethodEvent(QInputMethodEvent* event) {
  // Composed characters would bypass the key filter: nothing is typed here.
  event->accept();
}

void TDesignationBox::wheelEvent(QWheelEvent* event) {
  // The wheel over the list enters it first, so that the pick it makes
  // converts at once, as a pick by mouse or keys does.
  if (!hasFocus() && isEnabled()) setFocus(Qt::MouseFocusReason);
  QComboBox::wheelEvent(event);
}

void TDesignationBox::focusInEvent(QFocusEvent* event) {
  QComboBox::focusInEvent(event);
  // Closing the drop-down list or coming back from another window is no new
  // entry into the box.
  if (returningFromElsewhere_) {
    returningFromElsewhere_ = false;
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
  }
  if (OnEnter) RunGuarded(this, OnEnter);
}

void TDesignationBox::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
    returningFromElsewhere_ = true;
}

TSizeConverterPanel::TSizeConverterPanel(DesktopServices& services, QWidget* parent)
    : TPanel(parent), services_(services) {
  SetBevels(Bevel::Raised, Bevel::None, 2);
  setFont(MakeFont(QStringLiteral("Arial"), 16));

  Label9 = MakeLabel(this, QStringLiteral("Pearl Plate"), 15, 11);
  Label10 = MakeLabel(this, QStringLiteral("Stone Size"), 108, 11);
  Label11 = MakeLabel(this, QStringLiteral("Millimeters"), 214, 11);
  Label12 = MakeLabel(this, QStringLiteral("Inches"), 356, 11);

  // Created in tab order: the two lists, the two size boxes, then the buttons.
  PearlBox = new TDesignationBox(this);
  PearlBox->setGeometry(16, 34, 81, 26);
  PearlBox->addItems(PearlBoxItems());
  PearlBox->SetText(QString());
  PearlBox->setAccessibleName(QStringLiteral("Pearl Plate"));
  PearlBox->OnEnter = [this] { PearlBoxEnter(); };
  PearlBox->OnKeyPress = [this](QChar& key) { PearlBoxKeyPress(key); };
  PearlBox->OnChange = [this] { PearlBoxChange(); };

  StoneBox = new TDesignationBox(this);
  StoneBox->setGeometry(109, 34, 92, 26);
  StoneBox->addItems(StoneBoxItems());
  StoneBox->SetText(QString());
  StoneBox->setAccessibleName(QStringLiteral("Stone Size"));
  StoneBox->OnEnter = [this] { StoneBoxEnter(); };
  StoneBox->OnKeyPress = [this](QChar& key) { StoneBoxKeyPress(key); };
  StoneBox->OnChange = [this] { StoneBoxChange(); };

  MmBox = new TEdit(this);
  MmBox->setGeometry(214, 34, 129, 26);
  MmBox->setAccessibleName(QStringLiteral("Millimeters"));
  MmBox->OnEnter = [this] { MmBoxEnter(); };
  MmBox->OnKeyPress = [this](QChar& key) { MmBoxKeyPress(key); };

  InchBox = new TEdit(this);
  InchBox->setGeometry(356, 34, 129, 26);
  InchBox->setAccessibleName(QStringLiteral("Inches"));
  InchBox->OnEnter = [this] { InchBoxEnter(); };
  InchBox->OnKeyPress = [this](QChar& key) { InchBoxKeyPress(key); };

  Label9->setBuddy(PearlBox);
  Label10->setBuddy(StoneBox);
  Label11->setBuddy(MmBox);
  Label12->setBuddy(InchBox);

  // Not a tab stop, and a click leaves the caret in the box the user was in.
  ClearBtn1 = new QPushButton(this);
  ClearBtn1->setGeometry(493, 33, 28, 25);
  ClearBtn1->setFont(MakeFont(QStringLiteral("MS Sans Serif"), 11, true));
  ClearBtn1->setIcon(Icon(QStringLiteral(":/icons/clear.svg")));
  ClearBtn1->setIconSize(QSize(16, 16));
  ClearBtn1->setToolTip(QStringLiteral("Clear Data Entry"));
  ClearBtn1->setAccessibleName(QStringLiteral("Clear Data Entry"));
  ClearBtn1->setFocusPolicy(Qt::NoFocus);
  GuardedConnect(ClearBtn1, &QPushButton::clicked, this, &TSizeConverterPanel::ClearBtnClick);

  // Never shown: Enter in the size boxes presses it from code.
  CalcBtn = new QPushButton(QStringLiteral("Calc"), this);
  CalcBtn->setGeometry(206, -6, 42, 25);
  CalcBtn->setFocusPolicy(Qt::NoFocus);
  CalcBtn->hide();
  GuardedConnect(CalcBtn, &QPushButton::clicked, this, &TSizeConverterPanel::CalcBtnClick);
}

void TSizeConverterPanel::MmBoxEnter() { ActiveBox = QStringLiteral("MM"); }
void TSizeConverterPanel::InchBoxEnter() { ActiveBox = QStringLiteral("Inch"); }
void TSizeConverterPanel::PearlBoxEnter() { ActiveBox = QStringLiteral("Pearl"); }
void TSizeConverterPanel::StoneBoxEnter() { ActiveBox = QStringLiteral("Stone"); }

void TSizeConverterPanel::SizeBoxKeyPress(KeyFilterKind kind, const QString& boxText, QChar& key) {
  if (FilterTypedKey(kind, boxText, key, services_)) CalcBtn->click();
}

void TSizeConverterPanel::MmBoxKeyPress(QChar& key) {
  SizeBoxKeyPress(KeyFilterKind::MmBox, MmBox->text(), key);
}

void TSizeConverterPanel::InchBoxKeyPress(QChar& key) {
  SizeBoxKeyPress(KeyFilterKind::InchBox, InchBox->text(), key);
}

void TSizeConverterPanel::DesignationKeyPress(TDesignationBox* box, QChar& key) {
  const KeyVerdict verdict = FilterKey(KeyFilterKind::Designation, key, box->Text());
  key = QChar();
  if (verdict == KeyVerdict::Enter) FocusNextControl(box);
}

void TSizeConverterPanel::PearlBoxKeyPress(QChar& key) { DesignationKeyPress(PearlBox, key); }
void TSizeConverterPanel::StoneBoxKeyPress(QChar& key) { DesignationKeyPress(StoneBox, key); }

ConverterBoxes TSizeConverterPanel::ReadBoxes() const {
  return {{PearlBox->Text()}, {StoneBox->Text()}, {MmBox->text()}, {InchBox->text()}};
}

void TSizeConverterPanel::WriteBoxes(const ConverterBoxes& boxes) {
  if (boxes.PearlBox.written) PearlBox->SetText(boxes.PearlBox.text);
  if (boxes.StoneBox.written) StoneBox->SetText(boxes.StoneBox.text);
  if (boxes.MmBox.written) MmBox->setText(boxes.MmBox.text);
  if (boxes.InchBox.written) InchBox->setText(boxes.InchBox.text);
}

// What a step wrote reaches the boxes also when it fails half-way.
template <typename Step>
void TSizeConverterPanel::RunStep(Step&& step) {
  ConverterBoxes boxes = ReadBoxes();
  RunShowingBoxes(boxes, step, [this](const ConverterBoxes& written) { WriteBoxes(written); });
  // The converted size first, then the designations that go with it.
  announceResults(this, {{MmBox, boxes.MmBox},
                         {InchBox, boxes.InchBox},
                         {PearlBox, boxes.PearlBox},
                         {StoneBox, boxes.StoneBox}});
}

void TSizeConverterPanel::PearlBoxChange() {
  RunStep([this](ConverterBoxes& boxes) {
    PearlPlatePicked(ActiveBox, PearlBox->currentIndex(), boxes, ranges_);
  });
}

void TSizeConverterPanel::StoneBoxChange() {
  RunStep([this](ConverterBoxes& boxes) {
    StoneSizePicked(ActiveBox, StoneBox->currentIndex(), boxes, ranges_);
  });
}

void TSizeConverterPanel::CalcBtnClick() {
  SizeEntry entry = SizeEntry::Converted;
  RunStep([&](ConverterBoxes& boxes) { entry = ConvertSize(ActiveBox, ranges_, boxes); });
  if (entry == SizeEntry::Refused) services_.Beep();
}

void TSizeConverterPanel::ClearBtnClick() {
  PearlBox->SetText(QString());
  StoneBox->SetText(QString());
  MmBox->clear();
  InchBox->clear();
  announce(this, QStringLiteral("Sizes cleared"));
}

}  // namespace orvane
