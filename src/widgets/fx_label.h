#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>
#include <array>
#include <functional>

#include "widgets/url_label.h"

class QPainter;

namespace orvane {

enum class TFxAppearance { apNone, apCustom, apFlying, apRaised, apSunken, apShadow };
enum class TFxColorScheme { csCustom, csText, csWindows, csEmbossed, csGold, csSteel };
enum class TFxShadeDirection {
  sdNone,
  sdUp,
  sdUpRight,
  sdRight,
  sdDownRight,
  sdDown,
  sdDownLeft,
  sdLeft,
  sdUpLeft
};
enum class TFxShadeStyle { ssPlain, ssExtrude, ssGraduated };
enum class TFxGraduateStyle { gsNone, gsHorizontal, gsVertical };

// One step in a shade direction (x to the right, y downwards).
QPoint DirectionVector(TFxShadeDirection direction);

// An invalid QColor stands for "no colour"; as an effect colour it draws white.
struct TFxCustomSettings {
  QColor HighlightColor{255, 255, 255};
  QColor ShadowColor{0, 0, 0};
  int HighlightDepth = 1;  // 0 ... 255
  int ShadowDepth = 1;
  TFxShadeDirection HighlightDirection = TFxShadeDirection::sdUpLeft;
  TFxShadeDirection ShadowDirection = TFxShadeDirection::sdDownRight;
  TFxShadeStyle HighlightStyle = TFxShadeStyle::ssPlain;
  TFxShadeStyle ShadowStyle = TFxShadeStyle::ssPlain;
  TFxGraduateStyle GraduateStyle = TFxGraduateStyle::gsNone;
  QColor GraduateFromColor{128, 128, 128};
};

// A label whose caption can carry a shadow and a highlight copy (plain,
// extruded or graduated) and a colour ramp, so that text looks raised,
// sunken, flying or embossed. Given a link target it is also a link for the
// keyboard and for screen readers.
class TFxLabel : public QWidget, public TLinkWidget {
  Q_OBJECT
 public:
  explicit TFxLabel(QWidget* parent = nullptr);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  QColor TextColor() const { return textColor_; }
  void SetTextColor(const QColor& color);
  Qt::Alignment Alignment() const { return alignment_; }
  void SetAlignment(Qt::Alignment horizontal);
  void SetWordWrap(bool wrap);
  void SetTransparent(bool transparent);
  void SetColor(const QColor& color);  // the fill when not transparent
  void SetShowAccelChar(bool show);

  TFxAppearance Appearance() const { return appearance_; }
  void SetAppearance(TFxAppearance appearance);
  TFxColorScheme ColorScheme() const { return scheme_; }
  void SetColorScheme(TFxColorScheme scheme);
  const TFxCustomSettings& CustomSettings() const { return settings_; }

  // A colour of its own makes the scheme custom; a depth, direction or style
  // of its own makes the appearance custom.
  void SetHighlightColor(const QColor& color);
  void SetShadowColor(const QColor& color);
  void SetHighlightDepth(int depth);
  void SetShadowDepth(int depth);
  void SetHighlightDirection(TFxShadeDirection direction);
  void SetShadowDirection(TFxShadeDirection direction);
  void SetHighlightStyle(TFxShadeStyle style);
  void SetShadowStyle(TFxShadeStyle style);
  void SetGraduateStyle(TFxGraduateStyle style);
  void SetGraduateFromColor(const QColor& color);

  // Runs inside the error boundary when the label is clicked (and, for a
  // link, on Enter or Space).
  std::function<void()> OnClick;

  // The address its click opens: non-empty makes it a link that Tab reaches.
  QString LinkTarget() const override { return linkTarget_; }
  void SetLinkTarget(const QString& target);
  void ActivateLink() override;

  // Draws the label as it appears on screen into a painter of its size.
  void Render(QPainter& painter) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct SchemeColors {
    QColor highlight, shadow, text;
  };
  int TextFlags() const;
  void DrawCaption(QPainter& p, const QRect& r, const QColor& color) const;
  void DrawLayers(QPainter& p, const QRect& r, QPoint vec, int depth, TFxShadeStyle style,
                  const QColor& effect, int dx, int dy) const;
  void DrawGraduatedCaption(QPainter& p, const QRect& r) const;
  void Changed();
  void ShapeChanged();  // a depth, direction or style of its own

  QString caption_;
  QColor textColor_;
  QColor color_;
  Qt::Alignment alignment_ = Qt::AlignLeft;
  bool wordWrap_ = true;
  bool transparent_ = true;
  bool showAccel_ = true;
  TFxAppearance appearance_ = TFxAppearance::apRaised;
  TFxColorScheme scheme_ = TFxColorScheme::csWindows;
  TFxCustomSettings settings_;
  std::array<SchemeColors, 6> schemes_;
  bool applyingPreset_ = false;
  QString linkTarget_;
};

// The colour that an effect colour draws in: "no colour" draws white.
QColor EffectRgb(const QColor& color);

}  // namespace orvane
