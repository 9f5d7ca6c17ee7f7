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

  CalculatorColors& Colors() { return colors_; }
  bool ShowMemoryButtons() const { return showMemoryButtons_; }
  void SetShowMemoryButtons(bool show);
  PadBorder BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(PadBorder style);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool ctl3D);

  // Display text with its trailing blank; assigning feeds the calculator.
  QString Text() const { return engine_.Text(); }
  void SetText(const QString& text);
  void PressButton(CalculatorKey button);
  // A typed character: the key-press notification first, then the mapping
  // (Ctrl+C copies, Ctrl+V pastes).
  void TypeCharacter(QChar key);
  void CopyToClipboard();
  void PasteFromClipboard();

  long double Memory() const { return engine_.Memory(); }
  const ButtonInfo& Button(CalculatorKey button) const { return Buttons().at(button); }
  CalculatorKey PressedButton() const { return pressedButton_; }
  CalculatorKey ButtonAt(const QPoint& pos) const;
  // False for MC and MR while the memory is zero: they ignore clicks.
  bool ButtonAvailable(CalculatorKey button) const;
  CalculatorDisplay* Display() const { return display_; }
  // The key the keyboard rests on: the arrows move it, Space presses it.
  CalculatorKey FocusedKey() const { return focusedKey_; }
  void SetFocusedKey(CalculatorKey button);

  // The character a key event types for the calculator: Escape, Backspace and
  // Ctrl+letter as control codes; null for keys that type nothing.
  static QChar TypedCharacter(const QKeyEvent* event);

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
  const KeyArray<ButtonInfo>& Buttons() const;
  void Relayout();
  void ComputeLayout() const;
  void ApplyColors();
  void ApplyFrame();
  void PressFeedback(CalculatorKey button, bool starting);
  void RepaintButton(CalculatorKey button);
  QColor CaptionColor(CalculatorKey button) const;
  QColor CaptionPen(CalculatorKey button) const;
  int BorderWidth() const;
  // The nearest shown key from `from` in a direction (dx, dy): -1, 0 or 1.
  CalculatorKey KeyToward(CalculatorKey from, int dx, int dy) const;

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
