#pragma once

#include <QWidget>

namespace orvane {

// The calculator's display: right-justified text on its own colours, with a
// lowered bevel in the 3-D look and a single line otherwise. A click on it
// gives the calculator the keyboard focus.
class CalculatorDisplay : public QWidget {
  Q_OBJECT
 public:
  explicit CalculatorDisplay(QWidget* calculator);

  QString shownText() const { return text_; }
  void setShownText(const QString& text);
  void setColors(const QColor& background, const QColor& text);
  void setCtl3D(bool ctl3D);
  bool ctl3D() const { return ctl3D_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString text_;
  QColor background_;
  QColor textColor_;
  bool ctl3D_ = true;
};

}  // namespace orvane
