#include "sizes/converter_panel.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
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

// A designation list as screen readers see it: a combo box named by its
// caption, its value the text it shows. (Qt names a combo box by its current
// text on Linux, so the caption would never be heard.) The children are Qt's
// own: the drop-down list and the edit part.
class DesignationBoxAccessible : public QAccessibleWidget {
 public:
  explicit DesignationBoxAccessible(TDesignationBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  TDesignationBox* Box() const { return static_cast<TDesignationBox*>(widget()); }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Box()->Text();
    return QAccessibleWidget::text(t);
  }
  int childCount() const override { return 2; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(Box()->view());
    if (index == 1) return QAccessible::queryAccessibleInterface(Box()->lineEdit());
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    if (child->object() == Box()->view()) return 0;
    if (child->object() == Box()->lineEdit()) return 1;
    return -1;
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = Box()->view()->isVisible();
    return s;
  }
  QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
  void doAction(const QString& name) override {
    if (name == showMenuAction())
      Box()->showPopup();
    else
      QAccessibleWidget::doAction(name);
  }
};

QAccessibleInterface* designationBoxFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("orvane::TDesignationBox"))
    return new DesignationBoxAccessible(static_cast<TDesignationBox*>(object));
  return nullptr;
}

}  // namespace

TDesignationBox::TDesignationBox(QWidget* parent) : QComboBox(parent) {
  static const bool accessibleInstalled = [] {
    QAccessible::installFactory(designationBoxFactory);
    return true;
  }();
  Q_UNUSED(accessibleInstalled);
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  setMaxVisibleItems(kListVisibleItems);
  setItemDelegate(new FixedHeightDelegate(this));
  lineEdit()->setAcceptDrops(false);
  lineEdit()->setDragEnabled(false);
  setFocusPolicy(Qt::WheelFocus);
  // Only a user's pick, never the program's own change of the item.
  connect(this, &QComboBox::activated, this, &TDesignationBox::picked);
}

void TDesignationBox::addItems(const QStringList& texts) {
  QComboBox::addItems(texts);
  // The blank item empties the boxes: it is read out by what it does.
  for (int i = 0; i < count(); ++i)
    if (itemText(i).trimmed().isEmpty()) setItemData(i, QStringLiteral("None"), Qt::AccessibleTextRole);
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
  const QChar key = TypedCharacter(event);
  if (key.isNull()) {
    QComboBox::keyPressEvent(event);
    return;
  }
  // Nothing typed goes in; Enter moves on.
  event->accept();
  if (FilterKey(KeyFilterKind::Designation, key, Text()) == KeyVerdict::Enter) FocusNextControl(this);
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
  Q_EMIT entered();
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
  PearlBox->lineEdit()->setAccessibleName(QStringLiteral("Pearl Plate"));
  GuardedConnect(PearlBox, &TDesignationBox::entered, this, &TSizeConverterPanel::PearlBoxEnter);
  GuardedConnect(PearlBox, &TDesignationBox::picked, this, &TSizeConverterPanel::PearlBoxChange);

  StoneBox = new TDesignationBox(this);
  StoneBox->setGeometry(109, 34, 92, 26);
  StoneBox->addItems(StoneBoxItems());
  StoneBox->SetText(QString());
  StoneBox->setAccessibleName(QStringLiteral("Stone Size"));
  StoneBox->lineEdit()->setAccessibleName(QStringLiteral("Stone Size"));
  GuardedConnect(StoneBox, &TDesignationBox::entered, this, &TSizeConverterPanel::StoneBoxEnter);
  GuardedConnect(StoneBox, &TDesignationBox::picked, this, &TSizeConverterPanel::StoneBoxChange);

  MmBox = new TEdit(this);
  MmBox->setGeometry(214, 34, 129, 26);
  MmBox->setAccessibleName(QStringLiteral("Millimeters"));
  MmBox->SetKeyFilter(KeyFilterKind::MmBox, services_);
  GuardedConnect(MmBox, &TEdit::entered, this, &TSizeConverterPanel::MmBoxEnter);
  GuardedConnect(MmBox, &TEdit::calculationWanted, this, &TSizeConverterPanel::CalcBtnClick);

  InchBox = new TEdit(this);
  InchBox->setGeometry(356, 34, 129, 26);
  InchBox->setAccessibleName(QStringLiteral("Inches"));
  InchBox->SetKeyFilter(KeyFilterKind::InchBox, services_);
  GuardedConnect(InchBox, &TEdit::entered, this, &TSizeConverterPanel::InchBoxEnter);
  GuardedConnect(InchBox, &TEdit::calculationWanted, this, &TSizeConverterPanel::CalcBtnClick);

  Label9->setBuddy(PearlBox);
  Label10->setBuddy(StoneBox);
  Label11->setBuddy(MmBox);
  Label12->setBuddy(InchBox);

  // A tab stop, yet a click leaves the caret in the box the user was in.
  ClearBtn1 = new QPushButton(this);
  ClearBtn1->setGeometry(493, 33, 28, 25);
  ClearBtn1->setFont(MakeFont(QStringLiteral("MS Sans Serif"), 11, true));
  ClearBtn1->setIcon(Icon(QStringLiteral(":/icons/clear.svg")));
  ClearBtn1->setIconSize(QSize(16, 16));
  ClearBtn1->setToolTip(QStringLiteral("Clear Data Entry"));
  ClearBtn1->setAccessibleName(QStringLiteral("Clear Data Entry"));
  ClearBtn1->setFocusPolicy(Qt::TabFocus);
  ClearBtn1->setAutoDefault(true);  // Enter on the focused button presses it
  GuardedConnect(ClearBtn1, &QPushButton::clicked, this, &TSizeConverterPanel::ClearBtnClick);
}

void TSizeConverterPanel::MmBoxEnter() { ActiveBox = ConverterBox::Mm; }
void TSizeConverterPanel::InchBoxEnter() { ActiveBox = ConverterBox::Inch; }
void TSizeConverterPanel::PearlBoxEnter() { ActiveBox = ConverterBox::Pearl; }
void TSizeConverterPanel::StoneBoxEnter() { ActiveBox = ConverterBox::Stone; }

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
