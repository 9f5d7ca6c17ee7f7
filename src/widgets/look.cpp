#include "widgets/look.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <optional>

#include "widgets/packed_image.h"

// The build's pixels live in a resource file of their own, kept uncompressed
// so they are read in place.
static void InitPackedResources() { Q_INIT_RESOURCE(packed); }

namespace orvane {

QFont MakeFont(const QString& family, int pixelSize, bool bold, bool italic, bool underline) {
  QString face = family;
  if (family == QLatin1String("MS Sans Serif") || family == QLatin1String("Arial"))
    face = QStringLiteral("Liberation Sans");
  else if (family == QLatin1String("Times New Roman"))
    face = QStringLiteral("Liberation Serif");
  QFont font(face);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  font.setStyleHint(family == QLatin1String("Times New Roman") ? QFont::Serif : QFont::SansSerif);
  return font;
}

QColor SystemColor(SysColor color) {
  const QPalette pal = QApplication::palette();
  switch (color) {
    case SysColor::BtnFace: return pal.color(QPalette::Button);
    case SysColor::Window: return pal.color(QPalette::Base);
    case SysColor::WindowText: return pal.color(QPalette::Text);
    case SysColor::Light3D: return pal.color(QPalette::Midlight);
    case SysColor::Highlight: return pal.color(QPalette::Highlight);
    case SysColor::HighlightText: return pal.color(QPalette::HighlightedText);
    case SysColor::BtnHighlight: return pal.color(QPalette::Light);
    case SysColor::BtnShadow: return pal.color(QPalette::Mid);
    case SysColor::GrayText: return pal.color(QPalette::Disabled, QPalette::Text);
    case SysColor::BtnText: return pal.color(QPalette::ButtonText);
    case SysColor::DarkShadow3D: return pal.color(QPalette::Shadow);
  }
  return {};
}

namespace {

double RelativeLuminance(const QColor& c) {
  auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  const QColor rgb = c.toRgb();
  return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double t) {
  const QColor a = from.toRgb(), b = to.toRgb();
  auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()));
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDarkColor(const QColor& color) {
  return ContrastRatio(color, Qt::white) > ContrastRatio(color, Qt::black);
}

QColor ReadableOn(const QColor& text, const QColor& background, double minimumRatio) {
  if (ContrastRatio(text, background) >= minimumRatio) return text;
  // Move away from the background in small steps, so the hue stays
  // recognisable.
  const QColor target = IsDarkColor(background) ? QColor(Qt::white) : QColor(Qt::black);
  for (int step = 1; step <= 20; ++step) {
    const QColor candidate = Mix(text, target, step / 20.0);
    if (ContrastRatio(candidate, background) >= minimumRatio) return candidate;
  }
  return target;
}

void SetBackground(QWidget* widget, const QColor& color) {
  // Only the window role: the palette passes on to the children, and their
  // edit boxes and buttons keep the desktop's colours.
  QPalette pal = widget->palette();
  pal.setColor(QPalette::Window, color);
  widget->setPalette(pal);
  widget->setAutoFillBackground(true);
}

void SetTextColor(QWidget* widget, const QColor& color) {
  QPalette pal = widget->palette();
  pal.setColor(QPalette::WindowText, color);
  pal.setColor(QPalette::Text, color);
  pal.setColor(QPalette::ButtonText, color);
  widget->setPalette(pal);
}

void DrawEdgeRing(QPainter& p, QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
  r.adjust(1, 1, -1, -1);
}

void SetPaper(QWidget* widget) {
  QPalette pal = widget->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(group, QPalette::Window, cl::White);
    pal.setColor(group, QPalette::Base, cl::White);
    pal.setColor(group, QPalette::WindowText, cl::Black);
    pal.setColor(group, QPalette::Text, cl::Black);
  }
  widget->setPalette(pal);
  widget->setAutoFillBackground(true);
}

namespace {

// The style's touch for an icon mode, as the SVG icon engine applies it.
QPixmap StyleTouched(QIcon::Mode mode, const QPixmap& drawn) {
  QStyle* style = QApplication::style();
  if (!style) return drawn;
  QStyleOption option(0);
  option.palette = QGuiApplication::palette();
  QPixmap touched = style->generatedIconPixmap(mode, drawn, &option);
  return touched.isNull() ? drawn : touched;
}

// Hands out the pixmap drawn up front at one size (and its disabled look,
// made from it when first asked for) and leaves every other size, mode and state to an SVG icon of the same file,
// made only when first needed. The SVG icon engine would parse the file once
// to check it and again for each size and mode it draws.
class PredrawnSvgEngine : public QIconEngine {
 public:
  PredrawnSvgEngine(QString resource, QSize defaultSize, QPixmap drawn)
      : resource_(std::move(resource)),
        defaultSize_(defaultSize),
        drawn_(drawn),
        normal_(StyleTouched(QIcon::Normal, drawn)) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    if (const QPixmap* ready = Ready(size, mode, state)) return *ready;
    return Svg().pixmap(size, 1.0, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    if (Ready(size, mode, state)) return size;
    if (defaultSize_.isEmpty()) return Svg().actualSize(size, mode, state);
    return defaultSize_.scaled(size, Qt::KeepAspectRatio);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Svg().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QIconEngine* clone() const override { return new PredrawnSvgEngine(*this); }
  QString key() const override { return QStringLiteral("svg"); }

 private:
  const QPixmap* Ready(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    if (state != QIcon::Off || size != normal_.size()) return nullptr;
    if (mode == QIcon::Normal) return &normal_;
    if (mode != QIcon::Disabled) return nullptr;
    if (disabled_.isNull()) disabled_ = StyleTouched(QIcon::Disabled, drawn_);
    return disabled_.isNull() ? nullptr : &disabled_;
  }
  QIcon& Svg() {
    if (!svg_) svg_ = QIcon(resource_);
    return *svg_;
  }

  QString resource_;
  QSize defaultSize_;
  QPixmap drawn_;
  QPixmap normal_;
  QPixmap disabled_;
  std::optional<QIcon> svg_;
};

// Drawn by the build as the SVG icon engine draws it, so the pixels match;
// a size the build did not draw (an unusual pixel ratio) is left to the SVG
// icon engine, which the program then loads as a plug-in.
QIcon PredrawnIcon(const QString& resource, int size) {
  const int pixels = qRound(size * qApp->devicePixelRatio());
  QSize drawingSize;
  const QImage packed = PackedImage(resource, pixels, &drawingSize);
  if (packed.isNull() || packed.size() != QSize(pixels, pixels)) return QIcon(resource);
  return QIcon(new PredrawnSvgEngine(resource, drawingSize, QPixmap::fromImage(packed)));
}

}  // namespace

QIcon Icon(const QString& resource, int size) {
  // Never destroyed: the icons may outlive the application object at exit.
  static auto* icons = new QHash<QPair<QString, int>, QIcon>;
  const QPair<QString, int> key(resource, size);
  auto it = icons->constFind(key);
  if (it == icons->cend()) it = icons->insert(key, PredrawnIcon(resource, size));
  return *it;
}

QImage PackedImage(const QString& resource, int pixels, QSize* sourceSize) {
  static const bool ready = (InitPackedResources(), true);
  (void)ready;
  if (!resource.startsWith(QLatin1String(":/"))) return {};
  QString name = QStringLiteral(":/packed/") + resource.mid(2);
  if (pixels > 0) name += QLatin1Char('@') + QString::number(pixels);
  const QResource packed(name);
  if (!packed.isValid() || packed.compressionAlgorithm() != QResource::NoCompression) return {};
  // Compiled-in bytes last as long as the program, so the image may point
  // into them when they are aligned as an image needs.
  QImage image = ViewPackedImage(packed.data(), packed.size(), sourceSize);
  if (image.isNull()) image = UnpackImage(packed.data(), packed.size(), sourceSize);
  return image;
}

}  // namespace orvane
