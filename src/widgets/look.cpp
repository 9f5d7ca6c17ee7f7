#include "widgets/look.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace orvane {

QFont makeFont(const QString& family, int pixelSize, bool bold, bool italic, bool underline) {
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

QColor systemColor(SysColor color) {
  const QPalette pal = QApplication::palette();
  switch (color) {
    case SysColor::BtnFace:
      return pal.color(QPalette::Button);
    case SysColor::Window:
      return pal.color(QPalette::Base);
    case SysColor::WindowText:
      return pal.color(QPalette::Text);
    case SysColor::Light3D:
      return pal.color(QPalette::Midlight);
    case SysColor::Highlight:
      return pal.color(QPalette::Highlight);
    case SysColor::HighlightText:
      return pal.color(QPalette::HighlightedText);
    case SysColor::BtnHighlight:
      return pal.color(QPalette::Light);
    case SysColor::BtnShadow:
      return pal.color(QPalette::Mid);
    case SysColor::GrayText:
      return pal.color(QPalette::Disabled, QPalette::Text);
    case SysColor::BtnText:
      return pal.color(QPalette::ButtonText);
    case SysColor::DarkShadow3D:
      return pal.color(QPalette::Shadow);
  }
  return {};
}

namespace {

double relativeLuminance(const QColor& c) {
  auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  const QColor rgb = c.toRgb();
  return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

QColor mix(const QColor& from, const QColor& to, double t) {
  const QColor a = from.toRgb(), b = to.toRgb();
  auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()));
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
  const double la = relativeLuminance(a), lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDarkColor(const QColor& color) {
  return contrastRatio(color, Qt::white) > contrastRatio(color, Qt::black);
}

QColor readableOn(const QColor& text, const QColor& background, double minimumRatio) {
  if (contrastRatio(text, background) >= minimumRatio) return text;
  // Move away from the background in small steps, so the hue stays
  // recognisable.
  const QColor target = isDarkColor(background) ? QColor(Qt::white) : QColor(Qt::black);
  for (int step = 1; step <= 20; ++step) {
    const QColor candidate = mix(text, target, step / 20.0);
    if (contrastRatio(candidate, background) >= minimumRatio) return candidate;
  }
  return target;
}

void setBackground(QWidget* widget, const QColor& color) {
  // Only the window role: the palette passes on to the children, and their
  // edit boxes and buttons keep the desktop's colours.
  QPalette pal = widget->palette();
  pal.setColor(QPalette::Window, color);
  widget->setPalette(pal);
  widget->setAutoFillBackground(true);
}

void setTextColor(QWidget* widget, const QColor& color) {
  QPalette pal = widget->palette();
  pal.setColor(QPalette::WindowText, color);
  pal.setColor(QPalette::Text, color);
  pal.setColor(QPalette::ButtonText, color);
  widget->setPalette(pal);
}

void drawEdgeRing(QPainter& p, QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
  r.adjust(1, 1, -1, -1);
}

void setPaper(QWidget* widget) {
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

QIcon resourceIcon(const QString& resource, int size) {
  // Never destroyed: the icons may outlive the application object at exit.
  static auto* icons = new QHash<QString, QIcon>;
  (void)size;  // the vector file is drawn sharp at whatever size is shown
  auto it = icons->constFind(resource);
  if (it == icons->cend()) it = icons->insert(resource, QIcon(resource));
  return *it;
}

}  // namespace orvane
