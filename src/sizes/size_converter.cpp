#include "sizes/size_converter.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QIcon>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QWheelEvent>
#include <algorithm>

#include "core/box_text.h"
#include "core/size_tables.h"
#include "platform/announcer.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"
#include "widgets/focus.h"
#include "widgets/look.h"
#include "widgets/object_names.h"
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

QLabel* makeLabel(QWidget* parent, const QString& text, int left, int top) {
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
  explicit DesignationBoxAccessible(DesignationBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  DesignationBox* designationBox() const { return static_cast<DesignationBox*>(widget()); }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return designationBox()->shownText();
    return QAccessibleWidget::text(t);
  }
  int childCount() const override { return 2; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(designationBox()->view());
    if (index == 1) return QAccessible::queryAccessibleInterface(designationBox()->lineEdit());
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    if (child->object() == designationBox()->view()) return 0;
    if (child->object() == designationBox()->lineEdit()) return 1;
    return -1;
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = designationBox()->view()->isVisible();
    return s;
  }
  QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
  void doAction(const QString& name) override {
    if (name == showMenuAction())
      designationBox()->showPopup();
    else
      QAccessibleWidget::doAction(name);
  }
};

QAccessibleInterface* designationBoxFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("orvane::DesignationBox"))
    return new DesignationBoxAccessible(static_cast<DesignationBox*>(object));
  return nullptr;
}

}  // namespace

DesignationBox::DesignationBox(QWidget* parent) : QComboBox(parent) {
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
  connect(this, &QComboBox::activated, this, &DesignationBox::picked);
}

void DesignationBox::addItems(const QStringList& texts) {
  QComboBox::addItems(texts);
  // The blank item empties the boxes: it is read out by what it does.
  for (int i = 0; i < count(); ++i)
    if (itemText(i).trimmed().isEmpty())
      setItemData(i, tr("None", "the blank item of a size list"), Qt::AccessibleTextRole);
}

void DesignationBox::setShownText(const QString& text) {
  setCurrentIndex(-1);
  setEditText(text);
}

void DesignationBox::keyPressEvent(QKeyEvent* event) {
  // Nothing can be typed or pasted here, but an answer shown can be selected
  // and copied.
  if (event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Copy)) {
    QComboBox::keyPressEvent(event);
    return;
  }
  const QChar key = typedCharacter(event);
  if (key.isNull()) {
    QComboBox::keyPressEvent(event);
    return;
  }
  // Nothing typed goes in; Enter moves on.
  event->accept();
  if (filterKey(KeyFilterKind::Designation, key, shownText()) == KeyVerdict::Enter) focusNextControl(this);
}

void DesignationBox::inputMethodEvent(QInputMethodEvent* event) {
  // Composed characters would bypass the key filter: nothing is typed here.
  event->accept();
}

void DesignationBox::wheelEvent(QWheelEvent* event) {
  // The wheel over the list enters it first, so that the pick it makes
  // converts at once, as a pick by mouse or keys does.
  if (!hasFocus() && isEnabled()) setFocus(Qt::MouseFocusReason);
  QComboBox::wheelEvent(event);
}

void DesignationBox::focusInEvent(QFocusEvent* event) {
  QComboBox::focusInEvent(event);
  // Closing the drop-down list or coming back from another window is no new
  // entry into the box.
  if (returningFromElsewhere_) {
    returningFromElsewhere_ = false;
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
  }
  Q_EMIT entered();
}

void DesignationBox::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
    returningFromElsewhere_ = true;
}

SizeConverter::SizeConverter(DesktopServices& services, QWidget* parent)
    : BevelPanel(parent), services_(services) {
  setBevels(Bevel::Raised, Bevel::None, 2);
  setFont(makeFont(QStringLiteral("Arial"), 16));

  pearlCaption = makeLabel(this, tr("Pearl Plate"), 15, 11);
  stoneCaption = makeLabel(this, tr("Stone Size"), 108, 11);
  mmCaption = makeLabel(this, tr("Millimeters"), 214, 11);
  inchCaption = makeLabel(this, tr("Inches"), 356, 11);

  // Created in tab order: the two lists, the two size boxes, then the buttons.
  pearlBox = new DesignationBox(this);
  pearlBox->setGeometry(16, 34, 81, 26);
  pearlBox->addItems(pearlBoxItems());
  pearlBox->setShownText(QString());
  pearlBox->setAccessibleName(pearlCaption->text());
  pearlBox->lineEdit()->setAccessibleName(pearlCaption->text());
  guardedConnect(pearlBox, &DesignationBox::entered, this, &SizeConverter::onPearlBoxEntered);
  guardedConnect(pearlBox, &DesignationBox::picked, this, &SizeConverter::onPearlPicked);

  stoneBox = new DesignationBox(this);
  stoneBox->setGeometry(109, 34, 92, 26);
  stoneBox->addItems(stoneBoxItems());
  stoneBox->setShownText(QString());
  stoneBox->setAccessibleName(stoneCaption->text());
  stoneBox->lineEdit()->setAccessibleName(stoneCaption->text());
  guardedConnect(stoneBox, &DesignationBox::entered, this, &SizeConverter::onStoneBoxEntered);
  guardedConnect(stoneBox, &DesignationBox::picked, this, &SizeConverter::onStonePicked);

  mmBox = new EntryBox(this);
  mmBox->setGeometry(214, 34, 129, 26);
  mmBox->setAccessibleName(mmCaption->text());
  mmBox->setKeyFilter(KeyFilterKind::MmBox, services_);
  guardedConnect(mmBox, &EntryBox::focusGained, this, &SizeConverter::onMmBoxEntered);
  guardedConnect(mmBox, &EntryBox::calculationWanted, this, &SizeConverter::onCalculate);

  inchBox = new EntryBox(this);
  inchBox->setGeometry(356, 34, 129, 26);
  inchBox->setAccessibleName(inchCaption->text());
  inchBox->setKeyFilter(KeyFilterKind::InchBox, services_);
  guardedConnect(inchBox, &EntryBox::focusGained, this, &SizeConverter::onInchBoxEntered);
  guardedConnect(inchBox, &EntryBox::calculationWanted, this, &SizeConverter::onCalculate);

  pearlCaption->setBuddy(pearlBox);
  stoneCaption->setBuddy(stoneBox);
  mmCaption->setBuddy(mmBox);
  inchCaption->setBuddy(inchBox);

  // A tab stop, yet a click leaves the caret in the box the user was in.
  clearButton = new QPushButton(this);
  clearButton->setGeometry(493, 33, 28, 25);
  clearButton->setFont(makeFont(QStringLiteral("MS Sans Serif"), 11, true));
  clearButton->setIcon(resourceIcon(QStringLiteral(":/icons/clear.svg")));
  clearButton->setIconSize(QSize(16, 16));
  clearButton->setToolTip(tr("Clear Data Entry"));
  clearButton->setAccessibleName(tr("Clear Data Entry"));
  clearButton->setFocusPolicy(Qt::TabFocus);
  clearButton->setAutoDefault(true);  // Enter on the focused button presses it
  guardedConnect(clearButton, &QPushButton::clicked, this, &SizeConverter::onClearClicked);

  makeRoomForCaptions();

  nameChildren({{pearlCaption, "pearlCaption"},
                {stoneCaption, "stoneCaption"},
                {mmCaption, "mmCaption"},
                {inchCaption, "inchCaption"},
                {pearlBox, "pearlBox"},
                {stoneBox, "stoneBox"},
                {mmBox, "mmBox"},
                {inchBox, "inchBox"},
                {clearButton, "clearButton"}});
}

void SizeConverter::makeRoomForCaptions() {
  // A designation list as wide as its caption (up to the next one) and its
  // longest entry need; the size boxes, whose figures are short, give up the
  // room. In English everything stays where it is placed above.
  constexpr int kGap = 8;
  const auto moreForEntries = [](const DesignationBox* box) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    const QRect field =
        box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    const QFontMetrics metrics(box->font());
    int widest = 0;
    for (int i = 0; i < box->count(); ++i)
      widest = std::max(widest, metrics.horizontalAdvance(box->itemText(i)));
    return std::max(0, widest - field.width());
  };
  const int pearlMore = std::max(pearlCaption->width() + kGap - (stoneCaption->x() - pearlCaption->x()),
                                 moreForEntries(pearlBox));
  const int stoneMore =
      std::max(stoneCaption->width() + kGap - (mmCaption->x() - stoneCaption->x()), moreForEntries(stoneBox));
  const int shift = std::max(0, pearlMore) + std::max(0, stoneMore);
  if (shift == 0) return;
  const int mmLess = (shift + 1) / 2, inchLess = shift / 2;
  const auto moveBy = [](QWidget* w, int dx, int widen) {
    w->setGeometry(w->x() + dx, w->y(), w->width() + widen, w->height());
  };
  moveBy(pearlBox, 0, std::max(0, pearlMore));
  moveBy(stoneCaption, std::max(0, pearlMore), 0);
  moveBy(stoneBox, std::max(0, pearlMore), std::max(0, stoneMore));
  moveBy(mmCaption, shift, 0);
  moveBy(mmBox, shift, -mmLess);
  moveBy(inchCaption, shift - mmLess, 0);
  moveBy(inchBox, shift - mmLess, -inchLess);
}

void SizeConverter::onMmBoxEntered() { activeBox = ConverterBox::Mm; }
void SizeConverter::onInchBoxEntered() { activeBox = ConverterBox::Inch; }
void SizeConverter::onPearlBoxEntered() { activeBox = ConverterBox::Pearl; }
void SizeConverter::onStoneBoxEntered() { activeBox = ConverterBox::Stone; }

ConverterBoxes SizeConverter::readBoxes() const {
  return {{pearlBox->shownText()}, {stoneBox->shownText()}, {mmBox->text()}, {inchBox->text()}};
}

void SizeConverter::writeBoxes(const ConverterBoxes& boxes) {
  if (boxes.pearlBox.written) pearlBox->setShownText(boxes.pearlBox.text);
  if (boxes.stoneBox.written) stoneBox->setShownText(boxes.stoneBox.text);
  if (boxes.mmBox.written) mmBox->setText(boxes.mmBox.text);
  if (boxes.inchBox.written) inchBox->setText(boxes.inchBox.text);
}

// What a step wrote reaches the boxes also when it fails half-way.
template <typename Step>
void SizeConverter::runStep(Step&& step) {
  ConverterBoxes boxes = readBoxes();
  runShowingBoxes(boxes, step, [this](const ConverterBoxes& written) { writeBoxes(written); });
  // The converted size first, then the designations that go with it.
  announceResults(this, {{mmBox, boxes.mmBox},
                         {inchBox, boxes.inchBox},
                         {pearlBox, boxes.pearlBox},
                         {stoneBox, boxes.stoneBox}});
}

void SizeConverter::onPearlPicked() {
  runStep([this](ConverterBoxes& boxes) {
    pearlPlatePicked(activeBox, pearlBox->currentIndex(), boxes, ranges_);
  });
}

void SizeConverter::onStonePicked() {
  runStep([this](ConverterBoxes& boxes) {
    stoneSizePicked(activeBox, stoneBox->currentIndex(), boxes, ranges_);
  });
}

void SizeConverter::onCalculate() {
  SizeEntry entry = SizeEntry::Converted;
  runStep([&](ConverterBoxes& boxes) { entry = convertSize(activeBox, ranges_, boxes); });
  if (entry == SizeEntry::Refused) services_.beep();
}

void SizeConverter::onClearClicked() {
  pearlBox->setShownText(QString());
  stoneBox->setShownText(QString());
  mmBox->clear();
  inchBox->clear();
  announce(this, tr("Sizes cleared"));
}

}  // namespace orvane
