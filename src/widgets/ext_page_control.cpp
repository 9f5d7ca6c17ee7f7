#include "widgets/ext_page_control.h"

#include <QTabBar>

#include "app/error_boundary.h"
#include "widgets/look.h"

namespace orvane {

TExtPageControl::TExtPageControl(QWidget* parent) : QTabWidget(parent) {
  tabBar()->setExpanding(false);
  tabBar()->setUsesScrollButtons(false);
  tabBar()->setElideMode(Qt::ElideNone);
  connect(this, &QTabWidget::currentChanged, this, &TExtPageControl::PageChanged);
}

void TExtPageControl::AddPage(TTabSheet* page, const QString& caption) {
  addTab(page, caption);
  if (!pageColor_.isValid()) return;
  SetBackground(page, pageColor_);
}

void TExtPageControl::SetTabActiveColor(const QColor& color) { activeColor_ = color; }
void TExtPageControl::SetTabInactiveColor(const QColor& color) { inactiveColor_ = color; }
void TExtPageControl::SetTabActiveFont(const QFont& font) { activeFont_ = font; }
void TExtPageControl::SetTabInactiveFont(const QFont& font) { inactiveFont_ = font; }
void TExtPageControl::SetMultiLine(bool multiLine) { multiLine_ = multiLine; }

void TExtPageControl::SetPageColor(const QColor& color) {
  pageColor_ = color;
  for (int i = 0; i < count(); ++i) SetBackground(widget(i), color);
}

void TExtPageControl::PageChanged(int index) {
  if (index < 0) return;
  RunGuarded(this, [&] { Page(index)->Shown(); });
  Q_EMIT Change();
}

}  // namespace orvane
