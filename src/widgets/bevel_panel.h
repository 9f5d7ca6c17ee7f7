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

  void SetBevels(Bevel outer, Bevel inner, int width = 1);
  void SetBorder(bool single);  // a one-pixel frame line around the panel
  void SetCaption(const QString& caption);
  QString Caption() const { return caption_; }
  void SetColor(const QColor& color);

  // Space the bevels take on each side.
  int BevelExtent() const;

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
