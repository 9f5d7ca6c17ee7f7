#pragma once

#include <QColor>
#include <QObject>
#include <array>

namespace orvane {

enum class CalculatorColorScheme { Custom, Windows, Dark, Ocean, Plain };

// The calculator's eight colours, addressed by index, and the scheme they came
// from. Setting a single colour makes the set custom.
class CalculatorColors : public QObject {
  Q_OBJECT
 public:
  enum Index {
    DisabledMemoryButtonsIndex,
    DisplayIndex,
    DisplayTextIndex,
    EditButtonsIndex,
    FunctionButtonsIndex,
    MemoryButtonsIndex,
    NumberButtonsIndex,
    OperatorButtonsIndex,
    ColorCount
  };

  // The Windows colours, while the scheme reads custom.
  explicit CalculatorColors(QObject* parent = nullptr);

  // Copies the eight colours and the scheme (not the change notification).
  void Assign(const CalculatorColors& other);

  QColor Color(int index) const { return colors_.at(index); }
  void SetColor(int index, const QColor& color);

  CalculatorColorScheme ColorScheme() const { return scheme_; }
  // A scheme other than custom copies its colours; custom changes none.
  void SetColorScheme(CalculatorColorScheme scheme);

  QColor DisabledMemoryButtons() const { return Color(DisabledMemoryButtonsIndex); }
  QColor Display() const { return Color(DisplayIndex); }
  QColor DisplayText() const { return Color(DisplayTextIndex); }
  QColor EditButtons() const { return Color(EditButtonsIndex); }
  QColor FunctionButtons() const { return Color(FunctionButtonsIndex); }
  QColor MemoryButtons() const { return Color(MemoryButtonsIndex); }
  QColor NumberButtons() const { return Color(NumberButtonsIndex); }
  QColor OperatorButtons() const { return Color(OperatorButtonsIndex); }
  void SetDisabledMemoryButtons(const QColor& c) { SetColor(DisabledMemoryButtonsIndex, c); }
  void SetDisplay(const QColor& c) { SetColor(DisplayIndex, c); }
  void SetDisplayText(const QColor& c) { SetColor(DisplayTextIndex, c); }
  void SetEditButtons(const QColor& c) { SetColor(EditButtonsIndex, c); }
  void SetFunctionButtons(const QColor& c) { SetColor(FunctionButtonsIndex, c); }
  void SetMemoryButtons(const QColor& c) { SetColor(MemoryButtonsIndex, c); }
  void SetNumberButtons(const QColor& c) { SetColor(NumberButtonsIndex, c); }
  void SetOperatorButtons(const QColor& c) { SetColor(OperatorButtonsIndex, c); }

  // The eight colours of a scheme (the Windows ones for custom).
  static std::array<QColor, ColorCount> SchemeColors(CalculatorColorScheme scheme);

 Q_SIGNALS:
  // Any colour changed: the owner repaints.
  void changed();

 private:
  void Changed();

  std::array<QColor, ColorCount> colors_;
  CalculatorColorScheme scheme_ = CalculatorColorScheme::Custom;
};

}  // namespace orvane
