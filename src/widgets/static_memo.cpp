#include "widgets/static_memo.h"

#include <QEvent>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <QtMath>
#include <climits>

namespace orvane {

namespace {
// The margin the edit box's document would keep around the text.
constexpr qreal kMargin = 1;
}  // namespace

TStaticMemo::TStaticMemo(QWidget* parent) : QWidget(parent) {
  setBackgroundRole(QPalette::Base);
  setForegroundRole(QPalette::Text);
  setAutoFillBackground(true);
  // A click takes the focus from the boxes, as on the edit box it stands
  // in for; Tab passes it by.
  setFocusPolicy(Qt::ClickFocus);
}

TStaticMemo::~TStaticMemo() = default;

void TStaticMemo::SetLines(const QStringList& lines) {
  lines_ = lines;
  layouts_.clear();
  setAccessibleDescription(toPlainText());
  update();
}

void TStaticMemo::resizeEvent(QResizeEvent* event) {
  layouts_.clear();
  QWidget::resizeEvent(event);
}

void TStaticMemo::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) layouts_.clear();
  QWidget::changeEvent(event);
}

// Line by line as the edit box's plain text layout does it: lines are as
// wide as the widget less the margins, wrap at word boundaries (anywhere
// when a word is too long), and stack by their height including leading.
void TStaticMemo::LayOut() {
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  const qreal lineWidth = width() > 0 ? width() - 2 * kMargin : qreal(INT_MAX);
  qreal y = kMargin;
  for (const QString& text : lines_) {
    auto layout = std::make_unique<QTextLayout>(text, font());
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    qreal blockTop = y;
    qreal height = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
      line.setLeadingIncluded(true);
      line.setLineWidth(lineWidth);
      line.setPosition(QPointF(kMargin, height));
      height += line.height();
      if (line.leading() < 0) height += qCeil(line.leading());
    }
    layout->endLayout();
    layout->setPosition(QPointF(0, blockTop));
    // The next line starts below this one's box, as in the edit box.
    y += QRectF(QPointF(0, 0), layout->boundingRect().bottomRight()).height();
    layouts_.push_back(std::move(layout));
  }
}

void TStaticMemo::paintEvent(QPaintEvent* event) {
  if (layouts_.empty() && !lines_.isEmpty()) LayOut();
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  const QRectF clip = event->rect();
  for (const auto& layout : layouts_) {
    const QRectF box = layout->boundingRect().translated(layout->position());
    if (box.top() > clip.bottom()) break;
    if (box.bottom() < clip.top()) continue;
    layout->draw(&painter, QPointF(0, 0));
  }
}

}  // namespace orvane
