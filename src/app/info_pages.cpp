#include "app/info_pages.h"

#include "app/app_context.h"

namespace orvane {

TAboutPage::TAboutPage(AppContext& app, QWidget* parent) : TTabSheet(parent), app_(app) {}

TTipsPage::TTipsPage(AppContext& app, QWidget* parent) : TTabSheet(parent), app_(app) {}

TLinksPage::TLinksPage(AppContext& app, QWidget* parent) : TTabSheet(parent), app_(app) {}

}  // namespace orvane
