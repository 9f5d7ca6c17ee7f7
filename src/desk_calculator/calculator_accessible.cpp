#include "desk_calculator/calculator_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QPointer>
#include <algorithm>
#include <array>
#include <iterator>

#include "desk_calculator/calculator_display.h"
#include "desk_calculator/calculator_pad.h"
#include "platform/error_boundary.h"

namespace orvane {

namespace {

// The keys in reading order: row by row, the memory column first.
constexpr CalculatorKey kReadingOrder[] = {
    CalculatorKey::MemoryClear,    CalculatorKey::Back,     CalculatorKey::ClearEntry,
    CalculatorKey::Clear,  //
    CalculatorKey::MemoryRecall,   CalculatorKey::Digit7,   CalculatorKey::Digit8,
    CalculatorKey::Digit9,         CalculatorKey::Divide,   CalculatorKey::SquareRoot,  //
    CalculatorKey::MemoryStore,    CalculatorKey::Digit4,   CalculatorKey::Digit5,
    CalculatorKey::Digit6,         CalculatorKey::Multiply, CalculatorKey::Percent,  //
    CalculatorKey::MemoryAdd,      CalculatorKey::Digit1,   CalculatorKey::Digit2,
    CalculatorKey::Digit3,         CalculatorKey::Subtract, CalculatorKey::Reciprocal,  //
    CalculatorKey::MemorySubtract, CalculatorKey::Digit0,   CalculatorKey::ChangeSign,
    CalculatorKey::Decimal,        CalculatorKey::Add,      CalculatorKey::Equals};
static_assert(std::size(kReadingOrder) == kCalculatorKeyCount - 1, "every key once");

}  // namespace

QString CalculatorKeyShortcut(CalculatorKey button) { return calculatorKeyTexts(button).keyboard; }

// Captions a speech synthesiser reads as a symbol or an abbreviation are
// said as what the key does.
QString CalculatorKeyHint(CalculatorKey button) {
  const CalculatorKeyTexts texts = calculatorKeyTexts(button);
  return texts.keyboard.isEmpty() ? texts.action
                                  : QStringLiteral("%1 (%2)").arg(texts.action, texts.keyboard);
}

namespace {

QRect ToScreen(const QWidget* w, const QRect& r) { return QRect(w->mapToGlobal(r.topLeft()), r.size()); }

// One painted key.
class CalcKeyAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  CalcKeyAccessible(CalculatorPad* calculator, CalculatorKey button)
      : calculator_(calculator), button_(button) {}

  CalculatorKey Button() const { return button_; }

  bool isValid() const override { return !calculator_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    QAccessibleInterface* p = parent();
    return p ? p->window() : nullptr;
  }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(calculator_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    if (t == QAccessible::Name) return calculator_->Button(button_).caption;
    if (t == QAccessible::Description)
      return CalculatorKeyHint(button_) + QStringLiteral("; Space presses it");
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    return isValid() ? ToScreen(calculator_, calculator_->Button(button_).rect) : QRect();
  }
  QAccessible::Role role() const override { return QAccessible::Button; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    // The grey memory keys ignore clicks: unavailable, as a disabled button.
    s.disabled = !calculator_->ButtonAvailable(button_) || !calculator_->isEnabled();
    s.pressed = calculator_->PressedButton() == button_;
    s.invisible = !calculator_->isVisible() || !calculator_->Button(button_).visible;
    s.offscreen = s.invisible;
    // One tab stop for the keypad: the arrows move the keyboard between keys.
    s.focusable = true;
    s.focused = calculator_->hasFocus() && calculator_->FocusedKey() == button_;
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  QStringList actionNames() const override {
    if (!isValid() || state().disabled) return {};
    return {pressAction()};
  }
  // As a click on the key: a grey memory key does nothing.
  void doAction(const QString& name) override {
    if (name != pressAction() || !isValid() || state().disabled) return;
    CalculatorPad* calculator = calculator_;
    RunGuarded(calculator, [calculator, this] { calculator->PressButton(button_); });
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<CalculatorPad> calculator_;
  CalculatorKey button_;
};

// The whole control: the display first, then the keys it shows.
class CalculatorAccessible : public QAccessibleWidget {
 public:
  explicit CalculatorAccessible(CalculatorPad* calculator)
      : QAccessibleWidget(calculator, QAccessible::Grouping) {}
  ~CalculatorAccessible() override {
    for (QAccessible::Id id : keys_)
      if (id) QAccessible::deleteAccessibleInterface(id);
  }

  CalculatorPad* Calculator() const { return static_cast<CalculatorPad*>(widget()); }

  int childCount() const override { return 1 + static_cast<int>(ShownKeys().size()); }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(Calculator()->Display());
    const QList<CalculatorKey> keys = ShownKeys();
    if (index < 1 || index > keys.size()) return nullptr;
    return Key(keys[index - 1]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    if (child->object() == Calculator()->Display()) return 0;
    if (child->object()) return -1;
    const QList<CalculatorKey> keys = ShownKeys();
    for (int i = 0; i < keys.size(); ++i)
      if (keys_[keys[i]] && QAccessible::accessibleInterface(keys_[keys[i]]) == child) return i + 1;
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    if (!Calculator()->hasFocus() || !Calculator()->Button(Calculator()->FocusedKey()).visible)
      return nullptr;
    return Key(Calculator()->FocusedKey());
  }
  int IndexOfKey(CalculatorKey button) const {
    const int i = static_cast<int>(ShownKeys().indexOf(button));
    return i < 0 ? -1 : i + 1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = Calculator()->mapFromGlobal(QPoint(x, y));
    if (Calculator()->Display()->geometry().contains(local)) return child(0);
    const CalculatorKey hit = Calculator()->ButtonAt(local);
    return hit == CalculatorKey::None ? nullptr : Key(hit);
  }

 private:
  QList<CalculatorKey> ShownKeys() const {
    QList<CalculatorKey> keys;
    for (CalculatorKey b : kReadingOrder)
      if (Calculator()->Button(b).visible) keys.append(b);
    return keys;
  }
  QAccessibleInterface* Key(CalculatorKey b) const {
    if (!keys_[b])
      keys_[b] = QAccessible::registerAccessibleInterface(new CalcKeyAccessible(Calculator(), b));
    return QAccessible::accessibleInterface(keys_[b]);
  }

  mutable KeyArray<QAccessible::Id> keys_{};
};

// The display: read-only text holding the value, without the blank that
// pads it on screen.
class CalcDisplayAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit CalcDisplayAccessible(CalculatorDisplay* display)
      : QAccessibleWidget(display, QAccessible::EditableText) {}

  CalculatorDisplay* Display() const { return static_cast<CalculatorDisplay*>(widget()); }
  QString Value() const { return Display()->Text().trimmed(); }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Value();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.editable = false;
    s.focusable = false;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  // The focus stays with the calculator: the display takes none.
  QStringList actionNames() const override { return {}; }

  void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override {
    const QString value = Value();
    if (endOffset < 0 || endOffset > value.size()) endOffset = value.size();
    startOffset = std::clamp(startOffset, 0, static_cast<int>(endOffset));
    return value.mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(Value().size()); }
  // The value is drawn right-aligned and centred vertically.
  QRect characterRect(int offset) const override {
    const QString value = Value();
    if (offset < 0 || offset >= value.size()) return {};
    const QFontMetrics fm(Display()->font());
    const QRect inner = Display()->rect().adjusted(2, 2, -2, -2);
    const int right = inner.right() - fm.horizontalAdvance(Display()->Text().mid(value.size()));
    const int left = right - fm.horizontalAdvance(value) + fm.horizontalAdvance(value.left(offset));
    const QRect r(left, inner.center().y() - fm.height() / 2, fm.horizontalAdvance(value.at(offset)),
                  fm.height());
    return ToScreen(Display(), r);
  }
  int offsetAtPoint(const QPoint& point) const override {
    for (int i = 0; i < characterCount(); ++i)
      if (characterRect(i).contains(point)) return i;
    return -1;
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }
};

QAccessibleInterface* CalculatorAccessibleFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("orvane::CalculatorPad"))
    return new CalculatorAccessible(static_cast<CalculatorPad*>(object));
  if (className == QLatin1String("orvane::CalculatorDisplay"))
    return new CalcDisplayAccessible(static_cast<CalculatorDisplay*>(object));
  return nullptr;
}

}  // namespace

void InstallCalculatorAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&CalculatorAccessibleFactory);
    return true;
  }();
  (void)installed;
}

void NotifyCalculatorKeyFocused(CalculatorPad* calculator, CalculatorKey button) {
  if (!QAccessible::isActive() || !calculator->hasFocus()) return;
  auto* iface = static_cast<CalculatorAccessible*>(QAccessible::queryAccessibleInterface(calculator));
  const int index = iface != nullptr ? iface->IndexOfKey(button) : -1;
  if (index < 0) return;
  QAccessibleEvent focus(calculator, QAccessible::Focus);
  focus.setChild(index);
  QAccessible::updateAccessibility(&focus);
}

void NotifyCalculatorDisplayChanged(CalculatorDisplay* display, const QString& before) {
  if (!QAccessible::isActive()) return;
  const QString now = display->Text().trimmed();
  const QString old = before.trimmed();
  if (now == old) return;
  QAccessibleTextUpdateEvent event(display, 0, old, now);
  QAccessible::updateAccessibility(&event);
  // No value-change event: the display is text, and Qt's bridge logs a
  // warning for a value change on an object without a value.
}

}  // namespace orvane
