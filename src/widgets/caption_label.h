#pragma once

#include <QColor>
#include <QWidget>

#include "widgets/url_label.h"

class QPainter;

namespace orvane {

// A caption drawn as plain text in a colour of its own, over whatever its
// parent draws beneath. Given a link target it is also a link for the
// keyboard and for screen readers.
class CaptionLabel : public QWidget, public LinkWidget {
  Q_OBJECT
 public:
  explicit CaptionLabel(QWidget* parent = nullptr);

  QString caption() const { return caption_; }
  void setCaption(const QString& caption);
  QColor textColor() const { return textColor_; }
  void setTextColor(const QColor& color);
  Qt::Alignment captionAlignment() const { return alignment_; }
  void setCaptionAlignment(Qt::Alignment horizontal);

  // The address its click opens: non-empty makes it a link that Tab reaches.
  QString linkTarget() const override { return linkTarget_; }
  void setLinkTarget(const QString& target);
  void activateLink() override;

  // Draws the label as it appears on screen into a painter of its size.
  void paintCaption(QPainter& painter) const;

 Q_SIGNALS:
  // A click, and for a link Enter or Space.
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int textFlags() const;

  QString caption_;
  QColor textColor_;
  Qt::Alignment alignment_ = Qt::AlignLeft;
  QString linkTarget_;
};

}  // namespace orvane
