#include "widgets/tab_page.h"

#include "widgets/color_tab_accessible.h"

namespace orvane {

TabPage::TabPage(QWidget* parent) : QWidget(parent) { installColorTabAccessibility(); }

}  // namespace orvane
