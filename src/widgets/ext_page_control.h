#pragma once

#include <QColor>
#include <QFont>
#include <QTabWidget>

namespace orvane {

class TStringGrid;

// A page of a page control. Shown is called each time the page becomes the
// active page (the page's show handler).
class TTabSheet : public QWidget {
  Q_OBJECT
 public:
  explicit TTabSheet(QWidget* parent = nullptr) : QWidget(parent) {}
  virtual void Shown() {}
  // The grids that the main window's First / Prior / Next / Last buttons move
  // while this page is active, in the order they move.
  virtual QList<TStringGrid*> NavigationGrids() const { return {}; }
};

// The page control with coloured tabs: active and inactive tab colours and
// fonts, and the colour of the page area.
class TExtPageControl : public QTabWidget {
  Q_OBJECT
 public:
  explicit TExtPageControl(QWidget* parent = nullptr);

  void AddPage(TTabSheet* page, const QString& caption);
  int ActivePageIndex() const { return currentIndex(); }
  void SetActivePageIndex(int index) { setCurrentIndex(index); }
  TTabSheet* ActivePage() const { return static_cast<TTabSheet*>(currentWidget()); }
  void SetActivePage(TTabSheet* page) { setCurrentWidget(page); }
  int PageCount() const { return count(); }
  TTabSheet* Page(int index) const { return static_cast<TTabSheet*>(widget(index)); }

  void SetTabActiveColor(const QColor& color);
  void SetTabInactiveColor(const QColor& color);
  void SetTabActiveFont(const QFont& font);
  void SetTabInactiveFont(const QFont& font);
  void SetPageColor(const QColor& color);
  void SetMultiLine(bool multiLine);

 Q_SIGNALS:
  // After the active page changed and its show handler ran.
  void Change();

 private:
  void PageChanged(int index);

  QColor activeColor_, inactiveColor_, pageColor_;
  QFont activeFont_, inactiveFont_;
  bool multiLine_ = false;
};

}  // namespace orvane
