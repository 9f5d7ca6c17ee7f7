#include "calculators/fractions_window.h"

#include "app/app_context.h"
#include "widgets/look.h"

namespace orvane {

TFracFrm::TFracFrm(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  ConfigureFixedWindow(this, QStringLiteral("Fractions and Stone Size"), 609, 491, false);
  setAttribute(Qt::WA_QuitOnClose, false);
  SetBackground(this, SystemColor(SysColor::Light3D));
}

}  // namespace orvane
