#pragma once

#include <QList>
#include <QWidget>

namespace orvane {

class StringGrid;

// A page of a page control. Shown is called each time the page becomes the
// active page (the page's show handler), and when its window is shown with
// the page already active.
class TabPage : public QWidget {
  Q_OBJECT
 public:
  explicit TabPage(QWidget* parent = nullptr);
  // The default show handler reports it, for pages that need no class of
  // their own.
  virtual void onTabShown() { Q_EMIT shown(); }
  // The grids that the main window's First / Prior / Next / Last buttons move
  // while this page is active, in the order they move.
  virtual QList<StringGrid*> navigationGrids() const { return {}; }

 Q_SIGNALS:
  void shown();
};

}  // namespace orvane
