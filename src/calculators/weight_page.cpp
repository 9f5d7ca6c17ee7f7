#include "calculators/weight_page.h"

#include "app/app_context.h"

namespace orvane {

TWeightPage::TWeightPage(AppContext& app, QWidget* parent) : TTabSheet(parent), app_(app) {}

}  // namespace orvane
