#include "desk_calculator/calculator_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
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

QString calculatorKeyShortcut(CalculatorKey button) { return calculatorKeyTexts(button).keyboard; }

// Captions a speech synthesiser reads as a symbol or an abbreviation are
// said as what the key does.
QString calculatorKeyHint(CalculatorKey button) {
  const CalculatorKeyTexts texts = calculatorKeyTexts(button);
  //: A calculator key's tip: %1 what it does, %2 the keyboard key that presses it.
  return texts.keyboard.isEmpty()
             ? texts.action
             : QCoreApplication::translate("CalculatorKeys", "%1 (%2)").arg(texts.action, texts.keyboard);
}

namespace {

QRect toScreen(const QWidget* w, const QRect& r) { return QRect(w->mapToGlobal(r.topLeft()), r.size()); }

// One painted key.
class CalcKeyAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  CalcKeyAccessible(CalculatorPad* calculator, CalculatorKey button)
      : calculator_(calculator), button_(button) {}

  CalculatorKey buttonFor() const { return button_; }

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
    if (t == QAccessible::Name) return calculator_->buttonFor(button_).caption;
    if (t == QAccessible::Description)
      //: A calculator key's description for the screen reader; %1 says what it does.
      return QCoreApplication::translate("CalculatorKeys", "%1; Space presses it")
          .arg(calculatorKeyHint(button_));
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    return isValid() ? toScreen(calculator_, calculator_->buttonFor(button_).rect) : QRect();
  }
  QAccessible::Role role() const override { return QAccessible::Button; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    // The grey memory keys ignore clicks: unavailable, as a disabled button.
    s.disabled = !calculator_->buttonAvailable(button_) || !calculator_->isEnabled();
    s.pressed = calculator_->pressedButton() == button_;
    s.invisible = !calculator_->isVisible() || !calculator_->buttonFor(button_).visible;
    s.offscreen = s.invisible;
    // One tab stop for the keypad: the arrows move the keyboard between keys.
    s.focusable = true;
    s.focused = calculator_->hasFocus() && calculator_->focusedKey() == button_;
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
    runGuarded(calculator, [calculator, this] { calculator->pressButton(button_); });
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

  CalculatorPad* calculator() const { return static_cast<CalculatorPad*>(widget()); }

  int childCount() const override { return 1 + static_cast<int>(shownKeys().size()); }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(calculator()->display());
    const QList<CalculatorKey> keys = shownKeys();
    if (index < 1 || index > keys.size()) return nullptr;
    return keyInterface(keys[index - 1]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    if (child->object() == calculator()->display()) return 0;
    if (child->object()) return -1;
    const QList<CalculatorKey> keys = shownKeys();
    for (int i = 0; i < keys.size(); ++i)
      if (keys_[keys[i]] && QAccessible::accessibleInterface(keys_[keys[i]]) == child) return i + 1;
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    if (!calculator()->hasFocus() || !calculator()->buttonFor(calculator()->focusedKey()).visible)
      return nullptr;
    return keyInterface(calculator()->focusedKey());
  }
  int indexOfKey(CalculatorKey button) const {
    const int i = static_cast<int>(shownKeys().indexOf(button));
    return i < 0 ? -1 : i + 1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = calculator()->mapFromGlobal(QPoint(x, y));
    if (calculator()->display()->geometry().contains(local)) return child(0);
    const CalculatorKey hit = calculator()->buttonAt(local);
    return hit == CalculatorKey::None ? nullptr : keyInterface(hit);
  }

 private:
  QList<CalculatorKey> shownKeys() const {
    QList<CalculatorKey> keys;
    for (CalculatorKey b : kReadingOrder)
      if (calculator()->buttonFor(b).visible) keys.append(b);
    return keys;
  }
  QAccessibleInterface* keyInterface(CalculatorKey b) const {
    if (!keys_[b])
      keys_[b] = QAccessible::registerAccessibleInterface(new CalcKeyAccessible(calculator(), b));
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

  CalculatorDisplay* display() const { return static_cast<CalculatorDisplay*>(widget()); }
  QString displayValue() const { return display()->shownText().trimmed(); }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return displayValue();
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
    const QString value = displayValue();
    if (endOffset < 0 || endOffset > value.size()) endOffset = int(value.size());
    startOffset = std::clamp(startOffset, 0, static_cast<int>(endOffset));
    return value.mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(displayValue().size()); }
  // The value is drawn right-aligned and centred vertically.
  QRect characterRect(int offset) const override {
    const QString value = displayValue();
    if (offset < 0 || offset >= value.size()) return {};
    const QFontMetrics fm(display()->font());
    const QRect inner = display()->rect().adjusted(2, 2, -2, -2);
    const int right = inner.right() - fm.horizontalAdvance(display()->shownText().mid(value.size()));
    const int left = right - fm.horizontalAdvance(value) + fm.horizontalAdvance(value.left(offset));
    const QRect r(left, inner.center().y() - fm.height() / 2, fm.horizontalAdvance(value.at(offset)),
                  fm.height());
    return toScreen(display(), r);
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

QAccessibleInterface* calculatorAccessibleFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("orvane::CalculatorPad"))
    return new CalculatorAccessible(static_cast<CalculatorPad*>(object));
  if (className == QLatin1String("orvane::CalculatorDisplay"))
    return new CalcDisplayAccessible(static_cast<CalculatorDisplay*>(object));
  return nullptr;
}

}  // namespace

void installCalculatorAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&calculatorAccessibleFactory);
    return true;
  }();
  (void)installed;
}

void notifyCalculatorKeyFocused(CalculatorPad* calculator, CalculatorKey button) {
  if (!QAccessible::isActive() || !calculator->hasFocus()) return;
  auto* iface = static_cast<CalculatorAccessible*>(QAccessible::queryAccessibleInterface(calculator));
  const int index = iface != nullptr ? iface->indexOfKey(button) : -1;
  if (index < 0) return;
  QAccessibleEvent focus(calculator, QAccessible::Focus);
  focus.setChild(index);
  QAccessible::updateAccessibility(&focus);
}

void notifyCalculatorDisplayChanged(CalculatorDisplay* display, const QString& before) {
  if (!QAccessible::isActive()) return;
  const QString now = display->shownText().trimmed();
  const QString old = before.trimmed();
  if (now == old) return;
  QAccessibleTextUpdateEvent event(display, 0, old, now);
  QAccessible::updateAccessibility(&event);
  // No value-change event: the display is text, and Qt's bridge logs a
  // warning for a value change on an object without a value.
}

}  // namespace orvane
