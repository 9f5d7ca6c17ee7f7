#include "widgets/color_tab_widget.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QToolTip>

#include "platform/error_boundary.h"
#include "widgets/color_tab_accessible.h"
#include "widgets/look.h"

namespace orvane {

namespace {

constexpr int kPageInset = 4;  // page area border around the pages

QColor parentColor(const QWidget* w) {
  const QWidget* parent = w->parentWidget();
  if (!parent) return systemColor(SysColor::BtnFace);
  return parent->palette().color(parent->backgroundRole());
}

}  // namespace

ColorTabWidget::ColorTabWidget(QWidget* parent) : QWidget(parent) {
  installColorTabAccessibility();
  strip_.setActiveFont(font());
  strip_.setInactiveFont(font());
  stack_ = new QStackedWidget(this);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(tr("Pages"));
  setAccessibleDescription(tr("Left and Right arrows or Ctrl+Tab change the page."));
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorTabWidget::addPage(TabPage* page, const QString& caption) {
  pages_.append(page);
  strip_.addTab(caption);
  stack_->addWidget(page);
  page->setAccessibleName(QString(caption).remove(u'&'));
  if (pageColor_.isValid()) setBackground(page, pageColor_);
  if (current_ < 0) {
    // The first page becomes the active one quietly; its show handler runs
    // when the window is shown.
    current_ = 0;
    stack_->setCurrentIndex(0);
  }
  updatePageStates();
  relayout();
}

int ColorTabWidget::activePageIndex() const { return current_; }

TabPage* ColorTabWidget::activePage() const { return current_ < 0 ? nullptr : pages_[current_]; }

TabPage* ColorTabWidget::page(int index) const { return pages_.at(index); }

void ColorTabWidget::setActivePage(TabPage* page) {
  for (int i = 0; i < pages_.size(); ++i)
    if (pages_[i] == page) return setActivePageIndex(i);
}

void ColorTabWidget::setActivePageIndex(int index) {
  if (!strip_.tabEnabled(index)) return;
  if (index == current_) return;
  const int previous = current_;
  current_ = index;
  // Enabled before it shows, so that the focus can move onto it; the page
  // going out of sight is disabled once hidden.
  pages_[index]->setEnabled(true);
  stack_->setCurrentIndex(index);
  updatePageStates();
  relayout();  // the selected row moves next to the page
  update();
  notifyPageChange(this, previous);
  TabPage* page = pages_[index];
  // Paged through with the arrows, the focus stays on the tabs: a page that
  // puts the focus into its first box when shown cannot while it is still
  // disabled (Qt gives no focus to a disabled widget).
  const bool keepFocus = arrowsPaging_ && hasFocus();
  if (keepFocus) page->setEnabled(false);
  runGuarded(this, [&] { page->onTabShown(); });
  if (keepFocus) updatePageStates();
  Q_EMIT activePageChanged();
}

// Hidden widgets still take the focus when asked for it (a screen reader
// can ask): the pages out of sight are kept disabled instead.
void ColorTabWidget::updatePageStates() {
  for (int i = 0; i < pages_.size(); ++i) pages_[i]->setEnabled(strip_.tabEnabled(i) && i == current_);
}

bool ColorTabWidget::pageChoosable(int index) const { return strip_.tabEnabled(index); }

void ColorTabWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // The focus lies on the current tab, for screen readers as on screen.
  notifyTabFocus(this);
}

TabPage* ColorTabWidget::pageByTabIndex(int tabIndex) const {
  if (tabIndex < 0 || tabIndex >= pages_.size())
    throw InvalidPageIndex(tr("Function GetPageIndexByTabIndex of component %1 of class %2 was "
                              "called with an invalid parameter (CurrentTabIndex = %3).")
                               .arg(objectName(), QStringLiteral("ColorTabWidget"))
                               .arg(tabIndex)
                               .toStdString());
  return pages_[tabIndex];
}

void ColorTabWidget::setTabActiveColor(const QColor& color) {
  strip_.setActiveColor(color);
  update();
}

void ColorTabWidget::setTabInactiveColor(const QColor& color) {
  strip_.setInactiveColor(color);
  update();
}

void ColorTabWidget::setTabActiveFont(const QFont& font) {
  if (strip_.setActiveFont(font)) relayout();
}

void ColorTabWidget::setTabInactiveFont(const QFont& font) {
  if (strip_.setInactiveFont(font)) relayout();
}

void ColorTabWidget::setPageColor(const QColor& color) {
  pageColor_ = color;
  for (TabPage* page : pages_) setBackground(page, color);
  update();
}

QColor ColorTabWidget::pageColor() const { return pageColor_.isValid() ? pageColor_ : parentColor(this); }

void ColorTabWidget::setMultiLine(bool multiLine) {
  strip_.setMultiLine(multiLine);
  relayout();
}

void ColorTabWidget::setTabPosition(TabPosition position) {
  strip_.setPosition(position);
  relayout();
}

void ColorTabWidget::setTabHeight(int height) {
  strip_.setTabHeight(height);
  relayout();
}

void ColorTabWidget::setTabWidth(int width) {
  strip_.setTabWidth(width);
  relayout();
}

void ColorTabWidget::setHottrack(bool enabled) {
  strip_.setHottrack(enabled);
  update();
}

void ColorTabWidget::setHottrackColors(const QColor& activeColor, const QColor& inactiveColor) {
  strip_.setHottrackColors(activeColor, inactiveColor);
  update();
}

void ColorTabWidget::setTabHints(const QStringList& hints) { hints_ = hints; }

void ColorTabWidget::setPageEnabled(int index, bool enabled) {
  strip_.setTabEnabled(index, enabled);
  updatePageStates();
  update();
}

void ColorTabWidget::relayout() {
  strip_.layOut(size(), current_);
  stack_->setGeometry(displayRect().adjusted(kPageInset, kPageInset, -kPageInset, -kPageInset));
  update();
}

QRect ColorTabWidget::displayRect() const { return strip_.displayRect(size()); }

int ColorTabWidget::tabAt(const QPoint& pos) const { return strip_.tabAt(pos, current_); }

void ColorTabWidget::paintControl(QPainter& painter) const {
  strip_.paint(painter, rect(), parentColor(this), pageColor(), current_, hasFocus());
}

void ColorTabWidget::selectTab(int index) {
  if (!strip_.tabEnabled(index)) return;
  setActivePageIndex(index);
}

void ColorTabWidget::setHotTab(int index) {
  if (strip_.setHotTab(index)) update();
}

void ColorTabWidget::paintEvent(QPaintEvent* event) {
  // The widget's backing store already double-buffers: the background and the
  // tabs reach the screen in one step, without flicker.
  QPainter p(this);
  p.setClipRegion(event->region());
  paintControl(p);
}

void ColorTabWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  relayout();
}

void ColorTabWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  if (!shownOnce_) {
    shownOnce_ = true;
    if (initialPage_ >= 0 && initialPage_ != current_ && initialPage_ < pages_.size()) {
      setActivePageIndex(initialPage_);
      return;
    }
  }
  // The active page shows with its window: run its show handler as well.
  if (current_ >= 0) runGuarded(this, [&] { pages_[current_]->onTabShown(); });
}

void ColorTabWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // The tabs are measured in their own fonts, which the widget's font and
  // palette leave alone: a change only needs a repaint.
  if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) update();
}

bool ColorTabWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int tab = tabAt(help->pos());
    if (tab >= 0 && tab < hints_.size() && !hints_[tab].isEmpty()) {
      QToolTip::showText(help->globalPos(), hints_[tab], this, tabRect(tab));
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

void ColorTabWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const int tab = tabAt(event->position().toPoint());
  if (tab < 0) return QWidget::mousePressEvent(event);
  selectTab(tab);
}

void ColorTabWidget::mouseMoveEvent(QMouseEvent* event) {
  setHotTab(tabAt(event->position().toPoint()));
  QWidget::mouseMoveEvent(event);
}

void ColorTabWidget::leaveEvent(QEvent* event) {
  setHotTab(-1);
  QWidget::leaveEvent(event);
}

void ColorTabWidget::keyPressEvent(QKeyEvent* event) {
  const int n = static_cast<int>(pages_.size());
  auto step = [&](int dir) {
    for (int k = 1; k <= n; ++k) {
      const int i = ((current_ + dir * k) % n + n) % n;
      if (strip_.tabEnabled(i)) return selectTab(i);
    }
  };
  if (n == 0) return QWidget::keyPressEvent(event);
  if (event->modifiers() & Qt::ControlModifier) {
    if (event->key() == Qt::Key_Tab) return step(1);
    if (event->key() == Qt::Key_Backtab) return step(-1);
  } else if (hasFocus() && (event->key() == Qt::Key_Right || event->key() == Qt::Key_Left)) {
    QScopedValueRollback<bool> arrows(arrowsPaging_, true);
    return step(event->key() == Qt::Key_Right ? 1 : -1);
  }
  QWidget::keyPressEvent(event);
}

}  // namespace orvane
