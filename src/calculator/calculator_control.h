#pragma once

#include <QRect>
#include <QWidget>
#include <array>

#include "calculator/calc_colors.h"
#include "core/calc_engine.h"

class QKeyEvent;

namespace orvane {

class DesktopServices;
class TFxCalcPanel;

enum class TFxBorderStyle { bsNone, bsSingle };

// The desk calculator control: a display and a keypad it draws itself, driven
// by mouse, keyboard and clipboard.
class TFxCalculator : public QWidget {
  Q_OBJECT
 public:
  // The services give the alert sound and the clipboard.
  explicit TFxCalculator(DesktopServices& services, QWidget* parent = nullptr);
  ~TFxCalculator() override;

  struct ButtonInfo {
    QRect rect;
    QString caption;
    bool visible = false;
  };

  TFxCalcColors& Colors() { return colors_; }
  bool ShowMemoryButtons() const { return showMemoryButtons_; }
  void SetShowMemoryButtons(bool show);
  TFxBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFxBorderStyle style);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool ctl3D);

  // Display text with its trailing blank; assigning feeds the calculator.
  QString Text() const { return engine_.Text(); }
  void SetText(const QString& text);
  void PressButton(TFxCalculatorButton button);
  // A typed character: the key-press notification first, then the mapping
  // (Ctrl+C copies, Ctrl+V pastes).
  void TypeCharacter(QChar key);
  void CopyToClipboard();
  void PasteFromClipboard();

  long double Memory() const { return engine_.Memory(); }
  const ButtonInfo& Button(TFxCalculatorButton button) const { return Buttons().at(button); }
  TFxCalculatorButton PressedButton() const { return pressedButton_; }
  TFxCalculatorButton ButtonAt(const QPoint& pos) const;
  // False for MC and MR while the memory is zero: they ignore clicks.
  bool ButtonAvailable(TFxCalculatorButton button) const;
  TFxCalcPanel* Display() const { return display_; }
  // The key the keyboard rests on: the arrows move it, Space presses it.
  TFxCalculatorButton FocusedKey() const { return focusedKey_; }
  void SetFocusedKey(TFxCalculatorButton button);

  // The character a key event types for the calculator: Escape, Backspace and
  // Ctrl+letter as control codes; null for keys that type nothing.
  static QChar TypedCharacter(const QKeyEvent* event);

 Q_SIGNALS:
  // After every processed press, with the key still drawn pressed.
  void buttonPressed(TFxCalculatorButton button);

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
  const std::array<ButtonInfo, kCalculatorButtonCount>& Buttons() const;
  void Relayout();
  void ComputeLayout() const;
  void ApplyColors();
  void ApplyFrame();
  void PressFeedback(TFxCalculatorButton button, bool starting);
  void RepaintButton(TFxCalculatorButton button);
  QColor CaptionColor(TFxCalculatorButton button) const;
  QColor CaptionPen(TFxCalculatorButton button) const;
  int BorderWidth() const;
  // The nearest shown key from `from` in a direction (dx, dy): -1, 0 or 1.
  TFxCalculatorButton KeyToward(TFxCalculatorButton from, int dx, int dy) const;

  DesktopServices& services_;
  TFxCalcEngine engine_;
  TFxCalcColors colors_;
  TFxCalcPanel* display_ = nullptr;
  mutable std::array<ButtonInfo, kCalculatorButtonCount> buttons_;
  mutable QSize laidOutSize_;
  mutable bool layoutDirty_ = true;
  TFxCalculatorButton pressedButton_ = cbNone;
  bool displayChanged_ = false;  // since the last processed press
  TFxCalculatorButton focusedKey_ = cbEquals;
  bool showMemoryButtons_ = true;
  TFxBorderStyle borderStyle_ = TFxBorderStyle::bsNone;
  bool ctl3D_ = true;
};

}  // namespace orvane
