#include "widgets/caption_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "widgets/look.h"

namespace orvane {

CaptionLabel::CaptionLabel(QWidget* parent) : QWidget(parent), textColor_(cl::Gray) {
  installLinkAccessibility();
  resize(150, 35);
  setFont(makeFont(QStringLiteral("Times New Roman"), 27));  // 20 points
}

void CaptionLabel::setCaption(const QString& caption) {
  caption_ = caption;
  setAccessibleName(QString(caption).remove(u'&'));
  update();
}

void CaptionLabel::setTextColor(const QColor& color) {
  textColor_ = color;
  update();
}

void CaptionLabel::setCaptionAlignment(Qt::Alignment horizontal) {
  alignment_ = horizontal & Qt::AlignHorizontal_Mask;
  update();
}

int CaptionLabel::textFlags() const {
  return static_cast<int>(alignment_) | Qt::AlignTop | Qt::TextExpandTabs | Qt::TextWordWrap |
         Qt::TextShowMnemonic;
}

void CaptionLabel::paintCaption(QPainter& p) const {
  p.setFont(font());
  p.setPen(textColor_);
  p.drawText(rect(), textFlags(), caption_);
}

void CaptionLabel::paintEvent(QPaintEvent*) {
  // Painted in one go into the widget's back buffer, over whatever the parent
  // drew beneath (the label is transparent unless told otherwise).
  QPainter p(this);
  paintCaption(p);
  if (hasFocus()) {
    // Around the caption, not the whole (often much wider) label.
    const QRect text = fontMetrics().boundingRect(rect(), textFlags(), caption_);
    drawLinkFocusFrame(this, p, text.adjusted(-2, 0, 2, 0).intersected(rect()));
  }
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) activateLink();
}

void CaptionLabel::setLinkTarget(const QString& target) {
  linkTarget_ = target;
  // Tab reaches a link; a click leaves the focus where it was.
  setFocusPolicy(target.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
}

void CaptionLabel::activateLink() { Q_EMIT clicked(); }

void CaptionLabel::keyPressEvent(QKeyEvent* event) {
  if (linkTarget_.isEmpty() || !isLinkActivationKey(event)) return QWidget::keyPressEvent(event);
  event->accept();
  if (!event->isAutoRepeat()) activateLink();
}

}  // namespace orvane
