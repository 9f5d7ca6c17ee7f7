#include "worksheet/worksheet_window.h"

#include "app/app_context.h"
#include "widgets/look.h"

namespace orvane {

TWorksheetFrm::TWorksheetFrm(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  ConfigureFixedWindow(this, QStringLiteral("Bead Worksheet"), 762, 529, false);
  setAttribute(Qt::WA_QuitOnClose, false);
  SetBackground(this, SystemColor(SysColor::Light3D));
}

}  // namespace orvane
