#include "widgets/look.h"

#include <QApplication>
#include <QWidget>

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

}  // namespace orvane
