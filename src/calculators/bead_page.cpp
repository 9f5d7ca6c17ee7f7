#include "calculators/bead_page.h"

#include "app/app_context.h"

namespace orvane {

TBeadCalcPage::TBeadCalcPage(AppContext& app, QWidget* parent) : TTabSheet(parent), app_(app) {}

}  // namespace orvane
