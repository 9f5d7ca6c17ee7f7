#include "desk_calculator/calculator_colors.h"

#include "widgets/look.h"

namespace orvane {

std::array<QColor, CalculatorColors::ColorCount> CalculatorColors::schemeColors(
    CalculatorColorScheme scheme) {
  // Order: disabled memory, display, display text, edit, function, memory,
  // number, operator.
  switch (scheme) {
    case CalculatorColorScheme::Dark:
      return {cl::Gray, cl::Black, cl::Aqua, cl::Black, cl::Teal, cl::Navy, cl::Maroon, cl::Blue};
    case CalculatorColorScheme::Ocean:
      return {cl::Gray, cl::Aqua, cl::Black, cl::Purple, cl::Navy, cl::Navy, cl::Aqua, cl::Blue};
    case CalculatorColorScheme::Plain:
      return {cl::Gray, cl::White, cl::Navy, cl::Black, cl::Navy, cl::Navy, cl::Blue, cl::Blue};
    case CalculatorColorScheme::Custom:
    case CalculatorColorScheme::Windows:
      break;
  }
  return {cl::Gray,
          systemColor(SysColor::Window),
          systemColor(SysColor::WindowText),
          cl::Maroon,
          cl::Navy,
          cl::Red,
          cl::Blue,
          cl::Red};
}

CalculatorColors::CalculatorColors(QObject* parent)
    : QObject(parent), colors_(schemeColors(CalculatorColorScheme::Windows)) {}

void CalculatorColors::assign(const CalculatorColors& other) {
  colors_ = other.colors_;
  scheme_ = other.scheme_;
  notifyColorsChanged();
}

void CalculatorColors::setColor(int index, const QColor& color) {
  colors_.at(index) = color;
  scheme_ = CalculatorColorScheme::Custom;
  notifyColorsChanged();
}

void CalculatorColors::setColorScheme(CalculatorColorScheme scheme) {
  scheme_ = scheme;
  if (scheme == CalculatorColorScheme::Custom) return;
  colors_ = schemeColors(scheme);
  notifyColorsChanged();
}

void CalculatorColors::notifyColorsChanged() { Q_EMIT colorsChanged(); }

}  // namespace orvane
