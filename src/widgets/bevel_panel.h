#pragma once

#include <QWidget>

namespace orvane {

// A panel with raised or lowered bevels and an optional centred caption, as
// the window descriptions use for groups and heading cells.
class BevelPanel : public QWidget {
  Q_OBJECT
 public:
  enum class Bevel { None, Raised, Lowered };

  explicit BevelPanel(QWidget* parent = nullptr);

  void setBevels(Bevel outer, Bevel inner, int width = 1);
  void setBorder(bool single);  // a one-pixel frame line around the panel
  void setCaption(const QString& caption);
  QString caption() const { return caption_; }
  void setColor(const QColor& color);

  // Space the bevels take on each side.
  int bevelExtent() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Bevel outer_ = Bevel::Raised;
  Bevel inner_ = Bevel::None;
  int width_ = 1;
  bool border_ = false;
  QString caption_;
};

}  // namespace orvane
