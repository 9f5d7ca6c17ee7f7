#include "widgets/color_tab_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include "widgets/color_tab_widget.h"

namespace orvane {

namespace {

// The control a page belongs to: the page sits in the control's stack.
ColorTabWidget* controlOf(const QWidget* page) {
  QWidget* stack = page->parentWidget();
  return stack ? qobject_cast<ColorTabWidget*>(stack->parentWidget()) : nullptr;
}

int indexOfPage(const ColorTabWidget* control, const QWidget* page) {
  for (int i = 0; i < control->pageCount(); ++i)
    if (control->page(i) == page) return i;
  return -1;
}

QRect toScreen(const QWidget* w, const QRect& r) { return QRect(w->mapToGlobal(r.topLeft()), r.size()); }

// One tab of the strip: a page tab named by its caption, selected while its
// page is the current one. Pressing it chooses the page, as a click does;
// its one child is the page.
class PageTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  PageTabAccessible(ColorTabWidget* control, int index) : control_(control), index_(index) {}

  bool isValid() const override { return control_ && index_ < control_->pageCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    QAccessibleInterface* parentIface = parent();
    return parentIface ? parentIface->window() : nullptr;
  }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(control_); }
  int childCount() const override { return isValid() ? 1 : 0; }
  QAccessibleInterface* child(int index) const override {
    if (index != 0 || !isValid()) return nullptr;
    return QAccessible::queryAccessibleInterface(control_->page(index_));
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return isValid() && child && child->object() == control_->page(index_) ? 0 : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    QAccessibleInterface* page = child(0);
    return page && page->rect().contains(x, y) ? page : nullptr;
  }
  QAccessibleInterface* focusChild() const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    if (t == QAccessible::Name) return QString(control_->caption(index_)).remove(u'&');
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return isValid() ? toScreen(control_, control_->tabRect(index_)) : QRect(); }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.selectable = true;
    s.focusable = true;
    const bool current = control_->activePageIndex() == index_;
    s.selected = current;
    s.focused = current && control_->hasFocus();
    s.disabled = !choosable();
    s.invisible = !control_->isVisible();
    s.offscreen = s.invisible;
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override {
    if (!isValid() || !choosable()) return {};
    return {pressAction(), setFocusAction()};
  }
  void doAction(const QString& name) override {
    if (!isValid() || !choosable()) return;
    if (name == pressAction()) {
      control_->setActivePageIndex(index_);
    } else if (name == setFocusAction()) {
      control_->setActivePageIndex(index_);
      control_->setFocus(Qt::OtherFocusReason);
    }
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  // A tab whose page is disabled cannot be chosen.
  bool choosable() const { return control_->pageChoosable(index_); }

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

  ColorTabWidget* control() const { return static_cast<ColorTabWidget*>(widget()); }

  int childCount() const override { return control()->pageCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    while (tabs_.size() <= index) tabs_.append(0);
    if (!tabs_[index]) {
      auto* tab = new PageTabAccessible(control(), index);
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
    const QPoint local = control()->mapFromGlobal(QPoint(x, y));
    const int tab = control()->tabAt(local);
    if (tab >= 0) return child(tab);
    // Within the page area: the current page, reached through its tab.
    const int current = control()->activePageIndex();
    if (current >= 0 && control()->displayRect().contains(local)) return child(current);
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    if (control()->hasFocus() && control()->activePageIndex() >= 0)
      return child(control()->activePageIndex());
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
    if (ColorTabWidget* control = controlOf(widget())) {
      const int index = indexOfPage(control, widget());
      if (QAccessibleInterface* list = QAccessible::queryAccessibleInterface(control); list && index >= 0)
        return list->child(index);
    }
    return QAccessibleWidget::parent();
  }
};

QAccessibleInterface* pageControlAccessibleFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("orvane::ColorTabWidget"))
    return new PageControlAccessible(static_cast<ColorTabWidget*>(object));
  if (className == QLatin1String("orvane::TabPage"))
    return new TabSheetAccessible(static_cast<TabPage*>(object));
  return nullptr;
}

}  // namespace

void installColorTabAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&pageControlAccessibleFactory);
    return true;
  }();
  (void)installed;
}

void notifyPageChange(ColorTabWidget* control, int previous) {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(control);
  if (!list) return;
  const int current = control->activePageIndex();
  QAccessible::State selected;
  selected.selected = true;
  for (int i : {previous, current}) {
    if (QAccessibleInterface* tab = i >= 0 ? list->child(i) : nullptr) {
      QAccessibleStateChangeEvent change(tab, selected);
      QAccessible::updateAccessibility(&change);
    }
  }
  if (control->hasFocus()) notifyTabFocus(control);
  QAccessibleEvent selection(control, QAccessible::Selection);
  selection.setChild(current);
  QAccessible::updateAccessibility(&selection);
}

void notifyTabFocus(ColorTabWidget* control) {
  if (!QAccessible::isActive() || control->activePageIndex() < 0) return;
  QAccessibleEvent focus(control, QAccessible::Focus);
  focus.setChild(control->activePageIndex());
  QAccessible::updateAccessibility(&focus);
}

}  // namespace orvane
