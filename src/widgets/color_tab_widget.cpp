#include "widgets/color_tab_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QToolTip>
#include <algorithm>

#include "platform/error_boundary.h"
#include "widgets/look.h"

namespace orvane {

namespace {

constexpr int kCaptionPadding = 6;  // on each side of a caption inside its tab
constexpr int kRaise = 2;           // the selected tab stands this much proud
constexpr int kPageInset = 4;       // page area border around the pages

QColor ParentColor(const QWidget* w) {
  const QWidget* parent = w->parentWidget();
  if (!parent) return SystemColor(SysColor::BtnFace);
  return parent->palette().color(parent->backgroundRole());
}

// ------------------------------------------------------------ accessibility

// The control a page belongs to: the page sits in the control's stack.
ColorTabWidget* ControlOf(const QWidget* page) {
  QWidget* stack = page->parentWidget();
  return stack ? qobject_cast<ColorTabWidget*>(stack->parentWidget()) : nullptr;
}

int IndexOfPage(const ColorTabWidget* control, const QWidget* page) {
  for (int i = 0; i < control->PageCount(); ++i)
    if (control->Page(i) == page) return i;
  return -1;
}

QRect ToScreen(const QWidget* w, const QRect& r) { return QRect(w->mapToGlobal(r.topLeft()), r.size()); }

// One tab of the strip: a page tab named by its caption, selected while its
// page is the current one. Pressing it chooses the page, as a click does;
// its one child is the page.
class PageTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  PageTabAccessible(ColorTabWidget* control, int index) : control_(control), index_(index) {}

  bool isValid() const override { return control_ && index_ < control_->PageCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    QAccessibleInterface* parentIface = parent();
    return parentIface ? parentIface->window() : nullptr;
  }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(control_); }
  int childCount() const override { return isValid() ? 1 : 0; }
  QAccessibleInterface* child(int index) const override {
    if (index != 0 || !isValid()) return nullptr;
    return QAccessible::queryAccessibleInterface(control_->Page(index_));
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return isValid() && child && child->object() == control_->Page(index_) ? 0 : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    QAccessibleInterface* page = child(0);
    return page && page->rect().contains(x, y) ? page : nullptr;
  }
  QAccessibleInterface* focusChild() const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    if (t == QAccessible::Name) return QString(control_->Caption(index_)).remove(u'&');
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return isValid() ? ToScreen(control_, control_->TabRect(index_)) : QRect(); }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.selectable = true;
    s.focusable = true;
    const bool current = control_->ActivePageIndex() == index_;
    s.selected = current;
    s.focused = current && control_->hasFocus();
    s.disabled = !Choosable();
    s.invisible = !control_->isVisible();
    s.offscreen = s.invisible;
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override {
    if (!isValid() || !Choosable()) return {};
    return {pressAction(), setFocusAction()};
  }
  void doAction(const QString& name) override {
    if (!isValid() || !Choosable()) return;
    if (name == pressAction()) {
      control_->SetActivePageIndex(index_);
    } else if (name == setFocusAction()) {
      control_->SetActivePageIndex(index_);
      control_->setFocus(Qt::OtherFocusReason);
    }
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  // A tab whose page is disabled cannot be chosen.
  bool Choosable() const { return control_->PageChoosable(index_); }

  QPointer<ColorTabWidget> control_;
  int index_;
};

// The control itself: the list of its page tabs.
class PageControlAccessible : public QAccessibleWidget {
 public:
  explicit PageControlAccessible(ColorTabWidget* control)
      : QAccessibleWidget(control, QAccessible::PageTabList) {}
  ~PageControlAccessible() override {
    for (QAccessible::Id id : std::as_const(tabs_))
      if (id) QAccessible::deleteAccessibleInterface(id);
  }

  ColorTabWidget* Control() const { return static_cast<ColorTabWidget*>(widget()); }

  int childCount() const override { return Control()->PageCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    while (tabs_.size() <= index) tabs_.append(0);
    if (!tabs_[index]) {
      auto* tab = new PageTabAccessible(Control(), index);
      tabs_[index] = QAccessible::registerAccessibleInterface(tab);
    }
    return QAccessible::accessibleInterface(tabs_[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < tabs_.size(); ++i)
      if (tabs_[i] && QAccessible::accessibleInterface(tabs_[i]) == child) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = Control()->mapFromGlobal(QPoint(x, y));
    const int tab = Control()->TabAt(local);
    if (tab >= 0) return child(tab);
    // Within the page area: the current page, reached through its tab.
    const int current = Control()->ActivePageIndex();
    if (current >= 0 && Control()->DisplayRect().contains(local)) return child(current);
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    if (Control()->hasFocus() && Control()->ActivePageIndex() >= 0)
      return child(Control()->ActivePageIndex());
    return QAccessibleWidget::focusChild();
  }

 private:
  mutable QList<QAccessible::Id> tabs_;
};

// A page: a pane named by its caption, held by its tab rather than by the
// stack it sits in, which screen readers never see.
class TabSheetAccessible : public QAccessibleWidget {
 public:
  explicit TabSheetAccessible(TabPage* page) : QAccessibleWidget(page, QAccessible::Pane) {}

  QAccessibleInterface* parent() const override {
    if (ColorTabWidget* control = ControlOf(widget())) {
      const int index = IndexOfPage(control, widget());
      if (QAccessibleInterface* list = QAccessible::queryAccessibleInterface(control); list && index >= 0)
        return list->child(index);
    }
    return QAccessibleWidget::parent();
  }
};

QAccessibleInterface* PageControlAccessibleFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("orvane::ColorTabWidget"))
    return new PageControlAccessible(static_cast<ColorTabWidget*>(object));
  if (className == QLatin1String("orvane::TabPage"))
    return new TabSheetAccessible(static_cast<TabPage*>(object));
  return nullptr;
}

// Before the first control or page exists, so that no interface of theirs
// is made (and kept) without the factory.
void InstallAccessibleFactory() {
  static const bool installed = [] {
    QAccessible::installFactory(&PageControlAccessibleFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace

TabPage::TabPage(QWidget* parent) : QWidget(parent) { InstallAccessibleFactory(); }

ColorTabWidget::ColorTabWidget(QWidget* parent) : QWidget(parent) {
  InstallAccessibleFactory();
  activeColor_ = SystemColor(SysColor::BtnFace);
  hotInactiveColor_ = SystemColor(SysColor::Highlight);
  activeFont_ = font();
  inactiveFont_ = font();
  stack_ = new QStackedWidget(this);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(QStringLiteral("Pages"));
  setAccessibleDescription(QStringLiteral("Left and Right arrows or Ctrl+Tab change the page."));
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorTabWidget::AddPage(TabPage* page, const QString& caption) {
  pages_.append({page, caption, true});
  stack_->addWidget(page);
  page->setAccessibleName(QString(caption).remove(u'&'));
  if (pageColor_.isValid()) SetBackground(page, pageColor_);
  if (current_ < 0) {
    // The first page becomes the active one quietly; its show handler runs
    // when the window is shown.
    current_ = 0;
    stack_->setCurrentIndex(0);
  }
  UpdatePageStates();
  Relayout();
}

int ColorTabWidget::ActivePageIndex() const { return current_; }

TabPage* ColorTabWidget::ActivePage() const { return current_ < 0 ? nullptr : pages_[current_].page; }

TabPage* ColorTabWidget::Page(int index) const { return pages_.at(index).page; }

void ColorTabWidget::SetActivePage(TabPage* page) {
  for (int i = 0; i < pages_.size(); ++i)
    if (pages_[i].page == page) return SetActivePageIndex(i);
}

void ColorTabWidget::SetActivePageIndex(int index) {
  if (index < 0 || index >= pages_.size() || !pages_[index].enabled) return;
  if (index == current_) return;
  const int previous = current_;
  current_ = index;
  // Enabled before it shows, so that the focus can move onto it; the page
  // going out of sight is disabled once hidden.
  pages_[index].page->setEnabled(true);
  stack_->setCurrentIndex(index);
  UpdatePageStates();
  Relayout();  // the selected row moves next to the page
  update();
  NotifyPageChange(previous);
  TabPage* page = pages_[index].page;
  // Paged through with the arrows, the focus stays on the tabs: a page that
  // puts the focus into its first box when shown cannot while it is still
  // disabled (Qt gives no focus to a disabled widget).
  const bool keepFocus = arrowsPaging_ && hasFocus();
  if (keepFocus) page->setEnabled(false);
  RunGuarded(this, [&] { page->Shown(); });
  if (keepFocus) UpdatePageStates();
  Q_EMIT Change();
}

// Hidden widgets still take the focus when asked for it (a screen reader
// can ask): the pages out of sight are kept disabled instead.
void ColorTabWidget::UpdatePageStates() {
  for (int i = 0; i < pages_.size(); ++i) pages_[i].page->setEnabled(pages_[i].enabled && i == current_);
}

bool ColorTabWidget::PageChoosable(int index) const {
  return index >= 0 && index < pages_.size() && pages_[index].enabled;
}

void ColorTabWidget::NotifyPageChange(int previous) {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this);
  if (!list) return;
  QAccessible::State selected;
  selected.selected = true;
  for (int i : {previous, current_}) {
    if (QAccessibleInterface* tab = i >= 0 ? list->child(i) : nullptr) {
      QAccessibleStateChangeEvent change(tab, selected);
      QAccessible::updateAccessibility(&change);
    }
  }
  if (hasFocus()) {
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(current_);
    QAccessible::updateAccessibility(&focus);
  }
  QAccessibleEvent selection(this, QAccessible::Selection);
  selection.setChild(current_);
  QAccessible::updateAccessibility(&selection);
}

void ColorTabWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // The focus lies on the current tab, for screen readers as on screen.
  if (QAccessible::isActive() && current_ >= 0) {
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(current_);
    QAccessible::updateAccessibility(&focus);
  }
}

TabPage* ColorTabWidget::PageByTabIndex(int tabIndex) const {
  if (tabIndex < 0 || tabIndex >= pages_.size())
    throw InvalidPageIndex(QStringLiteral("Function GetPageIndexByTabIndex of component %1 of class %2 was "
                                          "called with an invalid parameter (CurrentTabIndex = %3).")
                               .arg(objectName(), QStringLiteral("ColorTabWidget"))
                               .arg(tabIndex)
                               .toStdString());
  return pages_[tabIndex].page;
}

void ColorTabWidget::SetTabActiveColor(const QColor& color) {
  activeColor_ = color;
  update();
}

void ColorTabWidget::SetTabInactiveColor(const QColor& color) {
  inactiveColor_ = color;
  update();
}

void ColorTabWidget::SetTabActiveFont(const QFont& font) {
  if (font == activeFont_) return;
  activeFont_ = font;
  ForgetMeasurements();
  Relayout();
}

void ColorTabWidget::SetTabInactiveFont(const QFont& font) {
  if (font == inactiveFont_) return;
  inactiveFont_ = font;
  ForgetMeasurements();
  Relayout();
}

void ColorTabWidget::SetPageColor(const QColor& color) {
  pageColor_ = color;
  for (const PageEntry& e : pages_) SetBackground(e.page, color);
  update();
}

QColor ColorTabWidget::PageColor() const { return pageColor_.isValid() ? pageColor_ : ParentColor(this); }

void ColorTabWidget::SetMultiLine(bool multiLine) {
  multiLine_ = multiLine;
  Relayout();
}

void ColorTabWidget::SetTabPosition(TabPosition position) {
  position_ = position;
  Relayout();
}

void ColorTabWidget::SetTabHeight(int height) {
  tabHeight_ = std::max(0, height);
  Relayout();
}

void ColorTabWidget::SetTabWidth(int width) {
  tabWidth_ = std::max(0, width);
  Relayout();
}

void ColorTabWidget::ForgetMeasurements() {
  stripFontHeight_ = -1;
  captionWidths_.clear();
}

void ColorTabWidget::SetHottrack(bool enabled) {
  hottrack_ = enabled;
  update();
}

void ColorTabWidget::SetHottrackColors(const QColor& activeColor, const QColor& inactiveColor) {
  hotActiveColor_ = activeColor;
  hotInactiveColor_ = inactiveColor;
  update();
}

void ColorTabWidget::SetTabHints(const QStringList& hints) { hints_ = hints; }

void ColorTabWidget::SetPageEnabled(int index, bool enabled) {
  pages_[index].enabled = enabled;
  UpdatePageStates();
  update();
}

// Tabs are sized for the wider of the two fonts, so that a tab keeps its size
// whichever font it is drawn in.
QFont ColorTabWidget::StripFont() const {
  const int active = QFontMetrics(activeFont_).horizontalAdvance(u'W');
  const int inactive = QFontMetrics(inactiveFont_).horizontalAdvance(u'W');
  return inactive > active ? inactiveFont_ : activeFont_;
}

// Measured once per caption and pair of fonts: the strip is laid out again on
// every page added and every resize, and measuring text is the costly part.
int ColorTabWidget::TabWidthFor(int index) const {
  if (tabWidth_ > 0) return tabWidth_;
  while (captionWidths_.size() <= index) captionWidths_.append(-1);
  int& cached = captionWidths_[index];
  if (cached < 0) {
    // Wide enough in both fonts (the strip's font is one of them): a bold
    // caption must never be clipped.
    const QString& caption = pages_[index].caption;
    cached = std::max(QFontMetrics(activeFont_).horizontalAdvance(caption),
                      QFontMetrics(inactiveFont_).horizontalAdvance(caption));
  }
  return cached + 2 * kCaptionPadding;
}

int ColorTabWidget::StripFontHeight() const {
  if (stripFontHeight_ < 0) stripFontHeight_ = QFontMetrics(StripFont()).height();
  return stripFontHeight_;
}

void ColorTabWidget::Relayout() {
  tabRects_.clear();
  const int n = static_cast<int>(pages_.size());
  // With no pages there is no strip to measure: fonts set before the pages
  // are added are then never loaded just to be replaced.
  const int tabH = tabHeight_ > 0 ? tabHeight_ : n == 0 ? 0 : StripFontHeight() + 5;
  const int available = std::max(1, width() - 2 * kRaise);

  // Greedy rows of tabs in page order.
  QList<QList<int>> rows{{}};
  int used = 0;
  for (int i = 0; i < n; ++i) {
    const int w = TabWidthFor(i);
    if (multiLine_ && !rows.last().isEmpty() && used + w > available) {
      rows.append(QList<int>());
      used = 0;
    }
    rows.last().append(i);
    used += w;
  }
  rowCount_ = n == 0 ? 0 : static_cast<int>(rows.size());

  // The row holding the selected tab sits next to the page; the others keep
  // their cyclic order above it, as a multi-row tab control does.
  int selRow = 0;
  for (int r = 0; r < rows.size(); ++r)
    if (rows[r].contains(current_)) selRow = r;

  QList<QRect> rects(n);
  for (int r = 0; r < rows.size(); ++r) {
    const int visual = (r - selRow - 1 + rowCount_ * 2) % std::max(1, rowCount_);  // 0 = farthest from page
    const int fromPage = rowCount_ - 1 - visual;
    int x = kRaise;
    int total = 0;
    for (int i : rows[r]) total += TabWidthFor(i);
    // With several rows every row is stretched to the full width.
    const int extra = rowCount_ > 1 && tabWidth_ == 0 ? available - total : 0;
    for (int k = 0; k < rows[r].size(); ++k) {
      const int i = rows[r][k];
      int w = TabWidthFor(i);
      if (extra > 0) w += extra / rows[r].size() + (k < extra % rows[r].size() ? 1 : 0);
      const int y = position_ == TabPosition::Top ? kRaise + (rowCount_ - 1 - fromPage) * tabH
                                                  : height() - kRaise - (fromPage + 1) * tabH;
      rects[i] = QRect(x, y, w, tabH);
      x += w;
    }
  }
  tabRects_ = rects;
  stripHeight_ = rowCount_ * tabH + kRaise;
  stack_->setGeometry(DisplayRect().adjusted(kPageInset, kPageInset, -kPageInset, -kPageInset));
  update();
}

QRect ColorTabWidget::DisplayRect() const {
  if (position_ == TabPosition::Top) return QRect(0, stripHeight_, width(), height() - stripHeight_);
  return QRect(0, 0, width(), height() - stripHeight_);
}

QRect ColorTabWidget::TabRect(int index) const { return tabRects_.value(index); }

int ColorTabWidget::TabAt(const QPoint& pos) const {
  // The selected tab is drawn larger and on top of its neighbours.
  if (current_ >= 0 && TabRect(current_).adjusted(-kRaise, -kRaise, kRaise, 0).contains(pos)) return current_;
  for (int i = 0; i < tabRects_.size(); ++i)
    if (tabRects_[i].contains(pos)) return i;
  return -1;
}

void ColorTabWidget::SelectTab(int index) {
  if (index < 0 || !pages_[index].enabled) return;
  SetActivePageIndex(index);
}

void ColorTabWidget::SetHotTab(int index) {
  if (index == hotTab_) return;
  hotTab_ = index;
  if (hottrack_) update();
}

void ColorTabWidget::PaintControl(QPainter& p) const {
  const bool top = position_ == TabPosition::Top;
  const QColor light = SystemColor(SysColor::BtnHighlight);
  const QColor shadow = SystemColor(SysColor::BtnShadow);
  const QColor dark = SystemColor(SysColor::DarkShadow3D);

  // Behind and beside the tabs: the parent's colour.
  p.fillRect(rect(), ParentColor(this));

  // The page area with its raised border.
  const QRect area = DisplayRect();
  p.fillRect(area, PageColor());
  p.setPen(light);
  p.drawLine(area.topLeft(), area.topRight());
  p.drawLine(area.topLeft(), area.bottomLeft());
  p.setPen(dark);
  p.drawLine(area.bottomLeft(), area.bottomRight());
  p.drawLine(area.topRight(), area.bottomRight());
  p.setPen(shadow);
  p.drawLine(area.bottomLeft() + QPoint(1, -1), area.bottomRight() + QPoint(-1, -1));
  p.drawLine(area.topRight() + QPoint(-1, 1), area.bottomRight() + QPoint(-1, -1));

  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < tabRects_.size(); ++i) {
      const bool selected = i == current_;
      if (selected != (pass == 1)) continue;  // the selected tab last, on top
      const QRect nominal = tabRects_[i];
      QRect fill = nominal;
      QRect captionRect = nominal;
      if (selected) {
        fill = top ? nominal.adjusted(-kRaise, -kRaise, kRaise, 1)
                   : nominal.adjusted(-kRaise, -1, kRaise, kRaise);
        captionRect.translate(0, -1);
      } else {
        captionRect.translate(0, top ? 1 : -2);
      }
      p.fillRect(fill, selected ? activeColor_ : inactiveColor_);

      // Tab edges: light on the left and the outer side, dark on the right.
      const int outerY = top ? fill.top() : fill.bottom();
      const int innerY = top ? fill.bottom() : fill.top();
      p.setPen(light);
      p.drawLine(fill.left(), innerY, fill.left(), outerY + (top ? 2 : -2));
      p.drawLine(fill.left() + 2, outerY, fill.right() - 2, outerY);
      p.drawPoint(fill.left() + 1, outerY + (top ? 1 : -1));
      p.setPen(dark);
      p.drawLine(fill.right(), outerY + (top ? 2 : -2), fill.right(), innerY);
      p.drawPoint(fill.right() - 1, outerY + (top ? 1 : -1));
      p.setPen(shadow);
      p.drawLine(fill.right() - 1, outerY + (top ? 2 : -2), fill.right() - 1, innerY);
      if (selected) {
        // The selected tab opens into the page.
        p.setPen(activeColor_);
        p.drawLine(fill.left() + 1, innerY, fill.right() - 2, innerY);
      }

      QFont f = selected ? activeFont_ : inactiveFont_;
      p.setFont(f);
      QColor text = SystemColor(SysColor::WindowText);
      if (hottrack_ && i == hotTab_) {
        const QColor hot = selected ? hotActiveColor_ : hotInactiveColor_;
        if (hot.isValid()) text = hot;
      }
      const QRect r = captionRect.adjusted(2, 2, -2, -2);
      const int flags = Qt::AlignCenter | Qt::TextSingleLine;
      if (!pages_[i].enabled) {
        p.setPen(light);
        p.drawText(r.translated(1, 1), flags, pages_[i].caption);
        p.setPen(shadow);
      } else {
        p.setPen(text);
      }
      p.drawText(r, flags, pages_[i].caption);
      if (selected && hasFocus()) {
        QPen dots(SystemColor(SysColor::WindowText), 1, Qt::DotLine);
        p.setPen(dots);
        p.drawRect(r.adjusted(0, 0, -1, -1));
      }
    }
  }
}

void ColorTabWidget::paintEvent(QPaintEvent* event) {
  // The widget's backing store already double-buffers: the background and the
  // tabs reach the screen in one step, without flicker.
  QPainter p(this);
  p.setClipRegion(event->region());
  PaintControl(p);
}

void ColorTabWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Relayout();
}

void ColorTabWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  if (!shownOnce_) {
    shownOnce_ = true;
    if (initialPage_ >= 0 && initialPage_ != current_ && initialPage_ < pages_.size()) {
      SetActivePageIndex(initialPage_);
      return;
    }
  }
  // The active page shows with its window: run its show handler as well.
  if (current_ >= 0) RunGuarded(this, [&] { pages_[current_].page->Shown(); });
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
    const int tab = TabAt(help->pos());
    if (tab >= 0 && tab < hints_.size() && !hints_[tab].isEmpty()) {
      QToolTip::showText(help->globalPos(), hints_[tab], this, TabRect(tab));
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
  const int tab = TabAt(event->position().toPoint());
  if (tab < 0) return QWidget::mousePressEvent(event);
  SelectTab(tab);
}

void ColorTabWidget::mouseMoveEvent(QMouseEvent* event) {
  SetHotTab(TabAt(event->position().toPoint()));
  QWidget::mouseMoveEvent(event);
}

void ColorTabWidget::leaveEvent(QEvent* event) {
  SetHotTab(-1);
  QWidget::leaveEvent(event);
}

void ColorTabWidget::keyPressEvent(QKeyEvent* event) {
  const int n = static_cast<int>(pages_.size());
  auto step = [&](int dir) {
    for (int k = 1; k <= n; ++k) {
      const int i = ((current_ + dir * k) % n + n) % n;
      if (pages_[i].enabled) return SelectTab(i);
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
