#include "desk_calculator/calculator_display.h"

#include <QMouseEvent>
#include <QPainter>

#include "widgets/look.h"

namespace orvane {

CalculatorDisplay::CalculatorDisplay(QWidget* calculator) : QWidget(calculator) {
  setAccessibleName(tr("Calculator display"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CalculatorDisplay::setShownText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  // Screen readers read the number, not the blank that pads it.
  setAccessibleDescription(text.trimmed());
  update();
}

void CalculatorDisplay::setColors(const QColor& background, const QColor& text) {
  background_ = background;
  textColor_ = text;
  update();
}

void CalculatorDisplay::setCtl3D(bool ctl3D) {
  ctl3D_ = ctl3D;
  update();
}

void CalculatorDisplay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRect r = rect();
  p.fillRect(r, background_);
  if (ctl3D_) {
    // Lowered bevel, two pixels wide.
    for (int i = 0; i < 2; ++i)
      drawEdgeRing(p, r, systemColor(SysColor::BtnShadow), systemColor(SysColor::BtnHighlight));
  } else {
    p.setPen(systemColor(SysColor::WindowText));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    r.adjust(1, 1, -1, -1);
  }
  // A long entry keeps its last digits in view and stays inside the bevel.
  p.setClipRect(r);
  p.setFont(font());
  p.setPen(textColor_);
  p.drawText(r, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, text_);
}

void CalculatorDisplay::mousePressEvent(QMouseEvent* event) {
  if (QWidget* calculator = parentWidget()) calculator->setFocus(Qt::MouseFocusReason);
  event->accept();
}

}  // namespace orvane
