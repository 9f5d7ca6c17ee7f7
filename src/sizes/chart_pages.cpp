#include "sizes/chart_pages.h"

#include "app/app_context.h"

namespace orvane {

TJumpRingPage::TJumpRingPage(AppContext& app, QWidget* parent) : TTabSheet(parent), app_(app) {}

TWireGaugePage::TWireGaugePage(AppContext& app, QWidget* parent) : TTabSheet(parent), app_(app) {}

TRingSizePage::TRingSizePage(AppContext& app, QWidget* parent) : TTabSheet(parent), app_(app) {}

}  // namespace orvane
