#include "widgets/fx_label.h"

#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/error_boundary.h"
#include "widgets/look.h"

namespace orvane {

namespace {

// Nearest integer, halves to even.
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int Index(TFxColorScheme scheme) { return static_cast<int>(scheme); }

QColor Blend(const QColor& from, const QColor& to, int num, int den) {
  auto channel = [&](int a, int b) { return RoundEven(a + num * static_cast<double>(b - a) / den); };
  return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                channel(from.blue(), to.blue()));
}

}  // namespace

QPoint DirectionVector(TFxShadeDirection direction) {
  switch (direction) {
    case TFxShadeDirection::sdNone:
      return {0, 0};
    case TFxShadeDirection::sdUp:
      return {0, -1};
    case TFxShadeDirection::sdUpRight:
      return {1, -1};
    case TFxShadeDirection::sdRight:
      return {1, 0};
    case TFxShadeDirection::sdDownRight:
      return {1, 1};
    case TFxShadeDirection::sdDown:
      return {0, 1};
    case TFxShadeDirection::sdDownLeft:
      return {-1, 1};
    case TFxShadeDirection::sdLeft:
      return {-1, 0};
    case TFxShadeDirection::sdUpLeft:
      return {-1, -1};
  }
  return {0, 0};
}

QColor EffectRgb(const QColor& color) { return color.isValid() ? color : QColor(255, 255, 255); }

TFxLabel::TFxLabel(QWidget* parent) : QWidget(parent) {
  InstallLinkAccessibility();
  schemes_ = {{{cl::White, cl::Black, cl::Gray},
               {cl::White, cl::Gray, cl::Black},
               {cl::White, cl::Black, cl::Gray},
               {cl::White, cl::Black, cl::Silver},
               {cl::Yellow, cl::Black, cl::Olive},
               {cl::Aqua, cl::Navy, cl::Teal}}};
  resize(150, 35);
  setFont(MakeFont(QStringLiteral("Times New Roman"), 27));  // 20 points
  textColor_ = schemes_[Index(scheme_)].text;
  color_ = SystemColor(SysColor::BtnFace);
}

void TFxLabel::Changed() { update(); }

void TFxLabel::SetCaption(const QString& caption) {
  caption_ = caption;
  setAccessibleName(QString(caption).remove(u'&'));
  Changed();
}

void TFxLabel::SetTextColor(const QColor& color) {
  textColor_ = color;
  Changed();
}

void TFxLabel::SetAlignment(Qt::Alignment horizontal) {
  alignment_ = horizontal & Qt::AlignHorizontal_Mask;
  Changed();
}

void TFxLabel::SetWordWrap(bool wrap) {
  wordWrap_ = wrap;
  Changed();
}

void TFxLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Changed();
}

void TFxLabel::SetColor(const QColor& color) {
  color_ = color;
  Changed();
}

void TFxLabel::SetShowAccelChar(bool show) {
  showAccel_ = show;
  Changed();
}

void TFxLabel::SetColorScheme(TFxColorScheme scheme) {
  // Another scheme's colours become the custom row too, so that switching to
  // the custom scheme afterwards keeps what is on screen.
  if (scheme != TFxColorScheme::csCustom) schemes_[Index(TFxColorScheme::csCustom)] = schemes_[Index(scheme)];
  const SchemeColors& row = schemes_[Index(scheme)];
  scheme_ = scheme;
  settings_.HighlightColor = row.highlight;
  settings_.ShadowColor = row.shadow;
  textColor_ = row.text;
  Changed();
}

void TFxLabel::SetAppearance(TFxAppearance appearance) {
  applyingPreset_ = true;
  appearance_ = appearance;
  const SchemeColors& row = schemes_[Index(scheme_)];
  settings_.HighlightColor = row.highlight;
  auto set = [this](TFxShadeDirection hd, int hdepth, TFxShadeDirection sd, int sdepth) {
    settings_.HighlightDirection = hd;
    settings_.HighlightDepth = hdepth;
    settings_.ShadowDirection = sd;
    settings_.ShadowDepth = sdepth;
  };
  using D = TFxShadeDirection;
  switch (appearance) {
    case TFxAppearance::apNone:
      set(D::sdNone, 0, D::sdNone, 0);
      break;
    case TFxAppearance::apCustom:
      break;
    case TFxAppearance::apFlying:
      set(D::sdDownRight, 1, D::sdDownRight, 5);
      settings_.HighlightColor = row.shadow;
      break;
    case TFxAppearance::apRaised:
      set(D::sdUpLeft, 1, D::sdDownRight, 1);
      break;
    case TFxAppearance::apSunken:
      set(D::sdDownRight, 1, D::sdUpLeft, 1);
      break;
    case TFxAppearance::apShadow:
      set(D::sdNone, 0, D::sdDownRight, 2);
      break;
  }
  applyingPreset_ = false;
  Changed();
}

void TFxLabel::SetHighlightColor(const QColor& color) {
  settings_.HighlightColor = color;
  if (!applyingPreset_) scheme_ = TFxColorScheme::csCustom;
  Changed();
}

void TFxLabel::SetShadowColor(const QColor& color) {
  settings_.ShadowColor = color;
  if (!applyingPreset_) scheme_ = TFxColorScheme::csCustom;
  Changed();
}

void TFxLabel::SetGraduateFromColor(const QColor& color) {
  settings_.GraduateFromColor = color;
  if (!applyingPreset_) scheme_ = TFxColorScheme::csCustom;
  Changed();
}

void TFxLabel::ShapeChanged() {
  if (!applyingPreset_) appearance_ = TFxAppearance::apCustom;
  Changed();
}

void TFxLabel::SetHighlightDepth(int depth) {
  settings_.HighlightDepth = std::clamp(depth, 0, 255);
  ShapeChanged();
}

void TFxLabel::SetShadowDepth(int depth) {
  settings_.ShadowDepth = std::clamp(depth, 0, 255);
  ShapeChanged();
}

void TFxLabel::SetHighlightDirection(TFxShadeDirection direction) {
  settings_.HighlightDirection = direction;
  ShapeChanged();
}

void TFxLabel::SetShadowDirection(TFxShadeDirection direction) {
  settings_.ShadowDirection = direction;
  ShapeChanged();
}

void TFxLabel::SetHighlightStyle(TFxShadeStyle style) {
  settings_.HighlightStyle = style;
  ShapeChanged();
}

void TFxLabel::SetShadowStyle(TFxShadeStyle style) {
  settings_.ShadowStyle = style;
  ShapeChanged();
}

void TFxLabel::SetGraduateStyle(TFxGraduateStyle style) {
  settings_.GraduateStyle = style;
  ShapeChanged();
}

int TFxLabel::TextFlags() const {
  int flags = static_cast<int>(alignment_) | Qt::AlignTop | Qt::TextExpandTabs;
  if (wordWrap_) flags |= Qt::TextWordWrap;
  if (showAccel_) flags |= Qt::TextShowMnemonic;
  return flags;
}

void TFxLabel::DrawCaption(QPainter& p, const QRect& r, const QColor& color) const {
  p.setPen(color);
  p.drawText(r, TextFlags(), caption_);
}

void TFxLabel::DrawLayers(QPainter& p, const QRect& r, QPoint vec, int depth, TFxShadeStyle style,
                          const QColor& effect, int dx, int dy) const {
  auto layer = [&](int m, const QColor& c) {
    DrawCaption(p, r.translated(m * vec.x() + dx, m * vec.y() + dy), c);
  };
  if (style == TFxShadeStyle::ssPlain || depth <= 1) {
    layer(depth, effect);
    return;
  }
  // Farthest layer first, so the nearer ones lie on top.
  for (int m = depth; m >= 1; --m) {
    if (style == TFxShadeStyle::ssExtrude)
      layer(m, effect);
    else
      layer(m, Blend(effect, textColor_, depth - m, depth - 1));
  }
}

void TFxLabel::DrawGraduatedCaption(QPainter& p, const QRect& r) const {
  // The caption as a mask, then the sixteen bands of the ramp poured into it.
  QImage mask(size(), QImage::Format_ARGB32_Premultiplied);
  mask.fill(Qt::transparent);
  {
    QPainter mp(&mask);
    mp.setFont(font());
    DrawCaption(mp, r, QColor(241, 9, 254));
    mp.setCompositionMode(QPainter::CompositionMode_SourceIn);
    const bool horizontal = settings_.GraduateStyle == TFxGraduateStyle::gsHorizontal;
    const QRect textRect = QFontMetrics(font()).boundingRect(r, TextFlags(), caption_);
    const int origin = horizontal ? textRect.left() : r.top();
    const int span = horizontal ? textRect.width() : r.height();
    for (int i = 0; i < 16; ++i) {
      const int from = origin + RoundEven(i * (span - 1) / 15.0);
      const int to = origin + RoundEven((i + 1) * (span - 1) / 15.0);
      const QColor band = Blend(
          settings_.GraduateFromColor.isValid() ? settings_.GraduateFromColor : cl::White, textColor_, i, 15);
      const QRect bandRect =
          horizontal ? QRect(from, 0, to - from + 1, height()) : QRect(0, from, width(), to - from + 1);
      mp.fillRect(bandRect, band);
    }
  }
  p.drawImage(0, 0, mask);
}

void TFxLabel::Render(QPainter& p) const {
  const QRect r = rect();
  const QPoint h = DirectionVector(settings_.HighlightDirection) * settings_.HighlightDepth;
  const QPoint s = DirectionVector(settings_.ShadowDirection) * settings_.ShadowDepth;
  const int lo = std::min({0, h.x(), h.y(), s.x(), s.y()});
  const int hi = std::max({0, h.x(), h.y(), s.x(), s.y()});
  int adjust = 0;
  if (alignment_ & Qt::AlignHCenter)
    adjust = (hi - lo) / 2;
  else if (alignment_ & Qt::AlignRight)
    adjust = hi - lo;

  if (!transparent_) p.fillRect(r, color_);
  p.setFont(font());
  const int dx = -lo - adjust, dy = -lo;
  DrawLayers(p, r, DirectionVector(settings_.ShadowDirection), settings_.ShadowDepth, settings_.ShadowStyle,
             EffectRgb(settings_.ShadowColor), dx, dy);
  DrawLayers(p, r, DirectionVector(settings_.HighlightDirection), settings_.HighlightDepth,
             settings_.HighlightStyle, EffectRgb(settings_.HighlightColor), dx, dy);
  if (settings_.GraduateStyle == TFxGraduateStyle::gsNone)
    DrawCaption(p, r.translated(dx, dy), textColor_);
  else
    DrawGraduatedCaption(p, r.translated(dx, dy));
}

void TFxLabel::paintEvent(QPaintEvent*) {
  // Painted in one go into the widget's back buffer, over whatever the parent
  // drew beneath (the label is transparent unless told otherwise).
  QPainter p(this);
  Render(p);
  if (hasFocus()) {
    // Around the caption, not the whole (often much wider) label.
    const QRect text = fontMetrics().boundingRect(rect(), TextFlags(), caption_);
    DrawLinkFocusFrame(this, p, text.adjusted(-2, 0, 2, 0).intersected(rect()));
  }
}

void TFxLabel::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) ActivateLink();
}

void TFxLabel::SetLinkTarget(const QString& target) {
  linkTarget_ = target;
  // Tab reaches a link; a click leaves the focus where it was.
  setFocusPolicy(target.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
}

void TFxLabel::ActivateLink() {
  if (OnClick) RunGuarded(this, [&] { OnClick(); });
}

void TFxLabel::keyPressEvent(QKeyEvent* event) {
  if (linkTarget_.isEmpty() || !IsLinkActivationKey(event)) return QWidget::keyPressEvent(event);
  event->accept();
  if (!event->isAutoRepeat()) ActivateLink();
}

}  // namespace orvane
