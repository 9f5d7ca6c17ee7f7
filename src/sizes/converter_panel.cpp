#include "sizes/converter_panel.h"

#include "app/app_context.h"

namespace orvane {

TSizeConverterPanel::TSizeConverterPanel(AppContext& app, QWidget* parent) : TPanel(parent), app_(app) {
  SetBevels(Bevel::Raised, Bevel::None, 2);
}

}  // namespace orvane
