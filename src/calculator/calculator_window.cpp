#include "calculator/calculator_window.h"

#include "app/app_context.h"
#include "widgets/look.h"

namespace orvane {

TCalculatorFrm::TCalculatorFrm(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  ConfigureFixedWindow(this, QStringLiteral("Calculator"), 278, 245, false);
  setAttribute(Qt::WA_QuitOnClose, false);
  SetBackground(this, SystemColor(SysColor::Light3D));
}

}  // namespace orvane
