#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

class QPainter;

namespace orvane {

enum class TabPosition { Top, Bottom };

// The coloured tabs of a page control: their captions, fonts and colours,
// where each tab sits (wrapped onto several rows when asked), and how the
// strip and the page area's border are drawn. It knows nothing of the pages.
class TabStrip {
 public:
  TabStrip();

  void addTab(const QString& caption);
  int count() const { return static_cast<int>(tabs_.size()); }
  QString caption(int index) const { return tabs_.at(index).caption; }
  bool tabEnabled(int index) const { return index >= 0 && index < count() && tabs_[index].enabled; }
  void setTabEnabled(int index, bool enabled) { tabs_[index].enabled = enabled; }

  QColor activeColor() const { return activeColor_; }
  void setActiveColor(const QColor& color) { activeColor_ = color; }
  QColor inactiveColor() const { return inactiveColor_; }
  void setInactiveColor(const QColor& color) { inactiveColor_ = color; }
  // False when the font was already the one in use (nothing to lay out again).
  QFont activeFont() const { return activeFont_; }
  bool setActiveFont(const QFont& font);
  QFont inactiveFont() const { return inactiveFont_; }
  bool setInactiveFont(const QFont& font);
  bool multiLine() const { return multiLine_; }
  void setMultiLine(bool multiLine) { multiLine_ = multiLine; }
  void setPosition(TabPosition position) { position_ = position; }
  // Fixed tab size; 0 sizes the tabs by their captions.
  void setTabHeight(int height);
  void setTabWidth(int width);
  void setHottrack(bool enabled) { hottrack_ = enabled; }
  void setHottrackColors(const QColor& activeColor, const QColor& inactiveColor);
  // The tab under the pointer, -1 for none; true when that changes the look.
  bool setHotTab(int index);

  // Places the tabs in a control of this size; the row holding `current`
  // goes next to the page area.
  void layOut(const QSize& size, int current);
  QRect tabRect(int index) const { return tabRects_.value(index); }
  int rowCount() const { return rowCount_; }
  // The tab at a point, the selected one (drawn larger, on top) first.
  int tabAt(const QPoint& pos, int current) const;
  // The page area: the control less the strip.
  QRect displayRect(const QSize& size) const;

  // Paints the control: the parent's colour behind the strip, the page area
  // with its border, then the tabs, the selected one last.
  void paint(QPainter& painter, const QRect& bounds, const QColor& parentColor, const QColor& pageColor,
             int current, bool focused) const;

 private:
  struct Tab {
    QString caption;
    bool enabled = true;
  };

  QFont stripFont() const;
  int tabWidthFor(int index) const;
  int stripFontHeight() const;
  void forgetMeasurements();

  QList<Tab> tabs_;
  QList<QRect> tabRects_;
  // Caption widths by tab (-1 not yet measured) and the strip font's height
  // (-1 likewise), for the current pair of tab fonts.
  mutable QList<int> captionWidths_;
  mutable int stripFontHeight_ = -1;
  int rowCount_ = 0;
  int stripHeight_ = 0;
  int hotTab_ = -1;
  QColor activeColor_, inactiveColor_{160, 160, 164};
  QFont activeFont_, inactiveFont_;
  bool multiLine_ = false;
  TabPosition position_ = TabPosition::Top;
  int tabHeight_ = 0, tabWidth_ = 0;
  bool hottrack_ = false;
  QColor hotActiveColor_, hotInactiveColor_;
};

}  // namespace orvane
