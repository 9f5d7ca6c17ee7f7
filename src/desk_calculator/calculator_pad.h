#pragma once

#include <QRect>
#include <QWidget>
#include <array>

#include "core/calculator_engine.h"
#include "desk_calculator/calculator_colors.h"

class QKeyEvent;

namespace orvane {

class DesktopServices;
class CalculatorDisplay;

enum class PadBorder { None, Single };

// The desk calculator control: a display and a keypad it draws itself, driven
// by mouse, keyboard and clipboard.
class CalculatorPad : public QWidget {
  Q_OBJECT
 public:
  // The services give the alert sound and the clipboard.
  explicit CalculatorPad(DesktopServices& services, QWidget* parent = nullptr);
  ~CalculatorPad() override;

  struct ButtonInfo {
    QRect rect;
    QString caption;
    bool visible = false;
  };

  CalculatorColors& colors() { return colors_; }
  bool showMemoryButtons() const { return showMemoryButtons_; }
  void setShowMemoryButtons(bool show);
  PadBorder borderStyle() const { return borderStyle_; }
  void setBorderStyle(PadBorder style);
  bool ctl3D() const { return ctl3D_; }
  void setCtl3D(bool ctl3D);

  // Display text with its trailing blank; assigning feeds the calculator.
  QString shownText() const { return engine_.shownText(); }
  void setShownText(const QString& text);
  void pressButton(CalculatorKey button);
  // A typed character: the key-press notification first, then the mapping
  // (Ctrl+C copies, Ctrl+V pastes).
  void typeCharacter(QChar key);
  void copyToClipboard();
  void pasteFromClipboard();

  long double memory() const { return engine_.memory(); }
  const ButtonInfo& buttonFor(CalculatorKey button) const { return keyButtons().at(button); }
  CalculatorKey pressedButton() const { return pressedButton_; }
  CalculatorKey buttonAt(const QPoint& pos) const;
  // False for MC and MR while the memory is zero: they ignore clicks.
  bool buttonAvailable(CalculatorKey button) const;
  CalculatorDisplay* display() const { return display_; }
  // The key the keyboard rests on: the arrows move it, Space presses it.
  CalculatorKey focusedKey() const { return focusedKey_; }
  void setFocusedKey(CalculatorKey button);

  // The character a key event types for the calculator: Escape, Backspace and
  // Ctrl+letter as control codes; null for keys that type nothing.
  static QChar typedCharacter(const QKeyEvent* event);

 Q_SIGNALS:
  // After every processed press, with the key still drawn pressed.
  void buttonPressed(CalculatorKey button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // The keypad as laid out for the current size and settings. A hidden
  // control gets no resize events, so the layout is brought up to date
  // whenever it is read.
  const KeyArray<ButtonInfo>& keyButtons() const;
  void relayout();
  void computeLayout() const;
  void applyColors();
  void applyFrame();
  void pressFeedback(CalculatorKey button, bool starting);
  void repaintButton(CalculatorKey button);
  QColor captionColor(CalculatorKey button) const;
  QFont captionFont(const ButtonInfo& info) const;
  QColor captionPen(CalculatorKey button) const;
  int borderWidth() const;
  // The nearest shown key from `from` in a direction (dx, dy): -1, 0 or 1.
  CalculatorKey keyToward(CalculatorKey from, int dx, int dy) const;

  DesktopServices& services_;
  CalculatorEngine engine_;
  CalculatorColors colors_;
  CalculatorDisplay* display_ = nullptr;
  mutable KeyArray<ButtonInfo> buttons_;
  mutable QSize laidOutSize_;
  mutable bool layoutDirty_ = true;
  CalculatorKey pressedButton_ = CalculatorKey::None;
  bool displayChanged_ = false;  // since the last processed press
  CalculatorKey focusedKey_ = CalculatorKey::Equals;
  bool showMemoryButtons_ = true;
  PadBorder borderStyle_ = PadBorder::None;
  bool ctl3D_ = true;
};

}  // namespace orvane
