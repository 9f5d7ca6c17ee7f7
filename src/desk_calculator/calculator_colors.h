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
  void assign(const CalculatorColors& other);

  QColor color(int index) const { return colors_.at(index); }
  void setColor(int index, const QColor& color);

  CalculatorColorScheme colorScheme() const { return scheme_; }
  // A scheme other than custom copies its colours; custom changes none.
  void setColorScheme(CalculatorColorScheme scheme);

  QColor disabledMemoryButtons() const { return color(DisabledMemoryButtonsIndex); }
  QColor display() const { return color(DisplayIndex); }
  QColor displayText() const { return color(DisplayTextIndex); }
  QColor editButtons() const { return color(EditButtonsIndex); }
  QColor functionButtons() const { return color(FunctionButtonsIndex); }
  QColor memoryButtons() const { return color(MemoryButtonsIndex); }
  QColor numberButtons() const { return color(NumberButtonsIndex); }
  QColor operatorButtons() const { return color(OperatorButtonsIndex); }
  void setDisabledMemoryButtons(const QColor& c) { setColor(DisabledMemoryButtonsIndex, c); }
  void setDisplay(const QColor& c) { setColor(DisplayIndex, c); }
  void setDisplayText(const QColor& c) { setColor(DisplayTextIndex, c); }
  void setEditButtons(const QColor& c) { setColor(EditButtonsIndex, c); }
  void setFunctionButtons(const QColor& c) { setColor(FunctionButtonsIndex, c); }
  void setMemoryButtons(const QColor& c) { setColor(MemoryButtonsIndex, c); }
  void setNumberButtons(const QColor& c) { setColor(NumberButtonsIndex, c); }
  void setOperatorButtons(const QColor& c) { setColor(OperatorButtonsIndex, c); }

  // The eight colours of a scheme (the Windows ones for custom).
  static std::array<QColor, ColorCount> schemeColors(CalculatorColorScheme scheme);

 Q_SIGNALS:
  // Any colour changed: the owner repaints.
  void colorsChanged();

 private:
  void notifyColorsChanged();

  std::array<QColor, ColorCount> colors_;
  CalculatorColorScheme scheme_ = CalculatorColorScheme::Custom;
};

}  // namespace orvane
