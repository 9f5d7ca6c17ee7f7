#include "widgets/bevel_panel.h"

#include <QPainter>

#include "widgets/look.h"

namespace orvane {

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void BevelPanel::setBevels(Bevel outer, Bevel inner, int width) {
  outer_ = outer;
  inner_ = inner;
  width_ = width;
  update();
}

void BevelPanel::setBorder(bool single) {
  border_ = single;
  update();
}

void BevelPanel::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void BevelPanel::setColor(const QColor& color) { setBackground(this, color); }

int BevelPanel::bevelExtent() const {
  return (border_ ? 1 : 0) + (outer_ != Bevel::None ? width_ : 0) + (inner_ != Bevel::None ? width_ : 0);
}

namespace {
void drawBevel(QPainter& p, QRect& r, BevelPanel::Bevel bevel, int width, const QPalette& pal) {
  if (bevel == BevelPanel::Bevel::None) return;
  const QColor light = pal.color(QPalette::Light);
  const QColor dark = pal.color(QPalette::Mid);
  const QColor topLeft = bevel == BevelPanel::Bevel::Raised ? light : dark;
  const QColor bottomRight = bevel == BevelPanel::Bevel::Raised ? dark : light;
  for (int i = 0; i < width; ++i) drawEdgeRing(p, r, topLeft, bottomRight);
}
}  // namespace

void BevelPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRect r = rect();
  if (border_) {
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    r.adjust(1, 1, -1, -1);
  }
  drawBevel(p, r, outer_, width_, palette());
  drawBevel(p, r, inner_, width_, palette());
  if (!caption_.isEmpty()) {
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, caption_);
  }
}

}  // namespace orvane
