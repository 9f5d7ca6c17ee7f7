#include "calculator/calc_colors.h"

#include "widgets/look.h"

namespace orvane {

std::array<QColor, TFxCalcColors::ColorCount> TFxCalcColors::SchemeColors(TFxCalcColorScheme scheme) {
  // Order: disabled memory, display, display text, edit, function, memory,
  // number, operator.
  switch (scheme) {
    case TFxCalcColorScheme::csDark:
      return {cl::Gray, cl::Black, cl::Aqua, cl::Black, cl::Teal, cl::Navy, cl::Maroon, cl::Blue};
    case TFxCalcColorScheme::csOcean:
      return {cl::Gray, cl::Aqua, cl::Black, cl::Purple, cl::Navy, cl::Navy, cl::Aqua, cl::Blue};
    case TFxCalcColorScheme::csPlain:
      return {cl::Gray, cl::White, cl::Navy, cl::Black, cl::Navy, cl::Navy, cl::Blue, cl::Blue};
    case TFxCalcColorScheme::csCustom:
    case TFxCalcColorScheme::csWindows:
      break;
  }
  return {cl::Gray,
          SystemColor(SysColor::Window),
          SystemColor(SysColor::WindowText),
          cl::Maroon,
          cl::Navy,
          cl::Red,
          cl::Blue,
          cl::Red};
}

TFxCalcColors::TFxCalcColors(QObject* parent)
    : QObject(parent), colors_(SchemeColors(TFxCalcColorScheme::csWindows)) {}

void TFxCalcColors::Assign(const TFxCalcColors& other) {
  colors_ = other.colors_;
  scheme_ = other.scheme_;
  Changed();
}

void TFxCalcColors::SetColor(int index, const QColor& color) {
  colors_.at(index) = color;
  scheme_ = TFxCalcColorScheme::csCustom;
  Changed();
}

void TFxCalcColors::SetColorScheme(TFxCalcColorScheme scheme) {
  scheme_ = scheme;
  if (scheme == TFxCalcColorScheme::csCustom) return;
  colors_ = SchemeColors(scheme);
  Changed();
}

void TFxCalcColors::Changed() { Q_EMIT changed(); }

}  // namespace orvane
