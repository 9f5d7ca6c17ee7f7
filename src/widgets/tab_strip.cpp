#include "widgets/tab_strip.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "widgets/look.h"

namespace orvane {

namespace {

constexpr int kCaptionPadding = 6;  // on each side of a caption inside its tab
constexpr int kRaise = 2;           // the selected tab stands this much proud

}  // namespace

TabStrip::TabStrip()
    : activeColor_(systemColor(SysColor::BtnFace)), hotInactiveColor_(systemColor(SysColor::Highlight)) {}

void TabStrip::addTab(const QString& caption) { tabs_.append({caption, true}); }

bool TabStrip::setActiveFont(const QFont& font) {
  if (font == activeFont_) return false;
  activeFont_ = font;
  forgetMeasurements();
  return true;
}

bool TabStrip::setInactiveFont(const QFont& font) {
  if (font == inactiveFont_) return false;
  inactiveFont_ = font;
  forgetMeasurements();
  return true;
}

void TabStrip::setTabHeight(int height) { tabHeight_ = std::max(0, height); }

void TabStrip::setTabWidth(int width) { tabWidth_ = std::max(0, width); }

void TabStrip::setHottrackColors(const QColor& activeColor, const QColor& inactiveColor) {
  hotActiveColor_ = activeColor;
  hotInactiveColor_ = inactiveColor;
}

bool TabStrip::setHotTab(int index) {
  if (index == hotTab_) return false;
  hotTab_ = index;
  return hottrack_;
}

void TabStrip::forgetMeasurements() {
  stripFontHeight_ = -1;
  captionWidths_.clear();
}

// Tabs are sized for the wider of the two fonts, so that a tab keeps its size
// whichever font it is drawn in.
QFont TabStrip::stripFont() const {
  const int active = QFontMetrics(activeFont_).horizontalAdvance(u'W');
  const int inactive = QFontMetrics(inactiveFont_).horizontalAdvance(u'W');
  return inactive > active ? inactiveFont_ : activeFont_;
}

// Measured once per caption and pair of fonts: the strip is laid out again on
// every page added and every resize, and measuring text is the costly part.
int TabStrip::tabWidthFor(int index) const {
  if (tabWidth_ > 0) return tabWidth_;
  while (captionWidths_.size() <= index) captionWidths_.append(-1);
  int& cached = captionWidths_[index];
  if (cached < 0) {
    // Wide enough in both fonts (the strip's font is one of them): a bold
    // caption must never be clipped.
    const QString& caption = tabs_[index].caption;
    cached = std::max(QFontMetrics(activeFont_).horizontalAdvance(caption),
                      QFontMetrics(inactiveFont_).horizontalAdvance(caption));
  }
  return cached + 2 * kCaptionPadding;
}

int TabStrip::stripFontHeight() const {
  if (stripFontHeight_ < 0) stripFontHeight_ = QFontMetrics(stripFont()).height();
  return stripFontHeight_;
}

void TabStrip::layOut(const QSize& size, int current) {
  tabRects_.clear();
  const int n = count();
  // With no tabs there is no strip to measure: fonts set before the pages
  // are added are then never loaded just to be replaced.
  const int tabH = tabHeight_ > 0 ? tabHeight_ : n == 0 ? 0 : stripFontHeight() + 5;
  const int available = std::max(1, size.width() - 2 * kRaise);

  // Greedy rows of tabs in page order.
  QList<QList<int>> rows{{}};
  int used = 0;
  for (int i = 0; i < n; ++i) {
    const int w = tabWidthFor(i);
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
    if (rows[r].contains(current)) selRow = r;

  QList<QRect> rects(n);
  for (int r = 0; r < rows.size(); ++r) {
    const int visual = (r - selRow - 1 + rowCount_ * 2) % std::max(1, rowCount_);  // 0 = farthest from page
    const int fromPage = rowCount_ - 1 - visual;
    int x = kRaise;
    int total = 0;
    for (int i : rows[r]) total += tabWidthFor(i);
    // With several rows every row is stretched to the full width.
    const int extra = rowCount_ > 1 && tabWidth_ == 0 ? available - total : 0;
    for (int k = 0; k < rows[r].size(); ++k) {
      const int i = rows[r][k];
      int w = tabWidthFor(i);
      if (extra > 0) w += extra / rows[r].size() + (k < extra % rows[r].size() ? 1 : 0);
      const int y = position_ == TabPosition::Top ? kRaise + (rowCount_ - 1 - fromPage) * tabH
                                                  : size.height() - kRaise - (fromPage + 1) * tabH;
      rects[i] = QRect(x, y, w, tabH);
      x += w;
    }
  }
  tabRects_ = rects;
  stripHeight_ = rowCount_ * tabH + kRaise;
}

QRect TabStrip::displayRect(const QSize& size) const {
  if (position_ == TabPosition::Top)
    return QRect(0, stripHeight_, size.width(), size.height() - stripHeight_);
  return QRect(0, 0, size.width(), size.height() - stripHeight_);
}

int TabStrip::tabAt(const QPoint& pos, int current) const {
  if (current >= 0 && tabRect(current).adjusted(-kRaise, -kRaise, kRaise, 0).contains(pos)) return current;
  for (int i = 0; i < tabRects_.size(); ++i)
    if (tabRects_[i].contains(pos)) return i;
  return -1;
}

void TabStrip::paint(QPainter& p, const QRect& bounds, const QColor& parentColor, const QColor& pageColor,
                     int current, bool focused) const {
  const bool top = position_ == TabPosition::Top;
  const QColor light = systemColor(SysColor::BtnHighlight);
  const QColor shadow = systemColor(SysColor::BtnShadow);
  const QColor dark = systemColor(SysColor::DarkShadow3D);

  // Behind and beside the tabs: the parent's colour.
  p.fillRect(bounds, parentColor);

  // The page area with its raised border.
  const QRect area = displayRect(bounds.size());
  p.fillRect(area, pageColor);
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
      const bool selected = i == current;
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
      QColor text = systemColor(SysColor::WindowText);
      if (hottrack_ && i == hotTab_) {
        const QColor hot = selected ? hotActiveColor_ : hotInactiveColor_;
        if (hot.isValid()) text = hot;
      }
      const QRect r = captionRect.adjusted(2, 2, -2, -2);
      const int flags = Qt::AlignCenter | Qt::TextSingleLine;
      if (!tabs_[i].enabled) {
        p.setPen(light);
        p.drawText(r.translated(1, 1), flags, tabs_[i].caption);
        p.setPen(shadow);
      } else {
        p.setPen(text);
      }
      p.drawText(r, flags, tabs_[i].caption);
      if (selected && focused) {
        QPen dots(systemColor(SysColor::WindowText), 1, Qt::DotLine);
        p.setPen(dots);
        p.drawRect(r.adjusted(0, 0, -1, -1));
      }
    }
  }
}

}  // namespace orvane
