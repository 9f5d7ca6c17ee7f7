#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <stdexcept>

#include "widgets/tab_page.h"
#include "widgets/tab_strip.h"

class QPainter;
class QStackedWidget;

namespace orvane {

// Raised when a tab index is asked for that matches no page.
class InvalidPageIndex : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The page control with coloured tabs: the active and the inactive tabs have
// their own fill and font, the page area and the strip behind the tabs their
// own colours. The tabs (TabStrip) can wrap onto several rows; the pages sit
// in a stack below them. The control wires the two to the mouse, the keys
// and screen readers.
//
// Screen readers see a page tab list with one page tab per page, the current
// one selected; each tab holds its page, and pressing a tab chooses its page.
// Only the current page is enabled, so nothing on a page out of sight can
// take the focus, whoever asks.
class ColorTabWidget : public QWidget {
  Q_OBJECT
 public:
  explicit ColorTabWidget(QWidget* parent = nullptr);

  void addPage(TabPage* page, const QString& caption);
  int activePageIndex() const;
  void setActivePageIndex(int index);
  TabPage* activePage() const;
  void setActivePage(TabPage* page);
  int pageCount() const { return static_cast<int>(pages_.size()); }
  TabPage* page(int index) const;
  QString caption(int index) const { return strip_.caption(index); }

  void setTabActiveColor(const QColor& color);
  void setTabInactiveColor(const QColor& color);
  void setTabActiveFont(const QFont& font);
  void setTabInactiveFont(const QFont& font);
  // Colour of the page area; unset, the page area takes the parent's colour.
  void setPageColor(const QColor& color);
  void setMultiLine(bool multiLine);
  void setTabPosition(TabPosition position);
  // Fixed tab size; 0 sizes the tabs by their captions.
  void setTabHeight(int height);
  void setTabWidth(int width);
  // Caption colour of the tab under the pointer, by kind of tab; an invalid
  // colour means no change. By default only inactive tabs light up, in the
  // highlight colour.
  void setHottrack(bool enabled);
  void setHottrackColors(const QColor& activeColor, const QColor& inactiveColor);
  // Line n is the tooltip of page n's tab.
  void setTabHints(const QStringList& hints);
  void setPageEnabled(int index, bool enabled);
  // Whether page n can be made the active page (it is not disabled).
  bool pageChoosable(int index) const;
  // When 0 or more, this page becomes active when the control is first shown,
  // whatever page was chosen before.
  void setInitialPage(int index) { initialPage_ = index; }

  QColor tabActiveColor() const { return strip_.activeColor(); }
  QColor tabInactiveColor() const { return strip_.inactiveColor(); }
  QFont tabActiveFont() const { return strip_.activeFont(); }
  QFont tabInactiveFont() const { return strip_.inactiveFont(); }
  QColor pageColor() const;
  bool multiLine() const { return strip_.multiLine(); }

  // Where tab n sits, in the control's coordinates, and how many rows the
  // strip has (for the layout and for tests).
  QRect tabRect(int index) const { return strip_.tabRect(index); }
  int gridRowCount() const { return strip_.rowCount(); }
  int tabAt(const QPoint& pos) const;
  // The page area: the control less the tab strip.
  QRect displayRect() const;

  // The tab index of a page, or the page of a tab: throws InvalidPageIndex
  // for an index that matches no page.
  TabPage* pageByTabIndex(int tabIndex) const;

  // Paints the control into a painter: the background and then the tabs.
  void paintControl(QPainter& painter) const;

 Q_SIGNALS:
  // After the active page changed and its show handler ran.
  void activePageChanged();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void relayout();
  void selectTab(int index);
  void updatePageStates();
  void setHotTab(int index);

  QList<TabPage*> pages_;
  QStackedWidget* stack_;
  TabStrip strip_;
  int current_ = -1;
  QColor pageColor_;
  QStringList hints_;
  int initialPage_ = -1;
  bool shownOnce_ = false;
  bool arrowsPaging_ = false;  // a page change by Left or Right on the tabs
};

}  // namespace orvane
