#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QRect>
#include <QString>

class QPainter;
class QWidget;

namespace orvane {

// Fonts are named as the window descriptions name them; the nearest free
// faces stand in (MS Sans Serif and Arial by Liberation Sans, Times New Roman
// by Liberation Serif). Sizes are character heights in pixels.
QFont makeFont(const QString& family, int pixelSize, bool bold = false, bool italic = false,
               bool underline = false);

// The sixteen fixed colours.
namespace cl {
inline const QColor Black{0, 0, 0}, Maroon{128, 0, 0}, Green{0, 128, 0}, Olive{128, 128, 0}, Navy{0, 0, 128},
    Purple{128, 0, 128}, Teal{0, 128, 128}, Gray{128, 128, 128}, Silver{192, 192, 192}, Red{255, 0, 0},
    Lime{0, 255, 0}, Yellow{255, 255, 0}, Blue{0, 0, 255}, Fuchsia{255, 0, 255}, Aqua{0, 255, 255},
    White{255, 255, 255};
}  // namespace cl

// System colours follow the running desktop palette.
enum class SysColor {
  BtnFace,
  Window,
  WindowText,
  Light3D,
  Highlight,
  HighlightText,
  BtnHighlight,
  BtnShadow,
  GrayText,
  BtnText,
  DarkShadow3D
};
QColor systemColor(SysColor color);

// How far apart two colours are to the eye: the ratio of their relative
// luminances, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// Whether white text stands out more on this colour than black text.
bool isDarkColor(const QColor& color);

// The text colour itself when it stands out enough from the background;
// otherwise the same hue lightened (on a dark background) or darkened (on a
// light one) just far enough to be read.
QColor readableOn(const QColor& text, const QColor& background, double minimumRatio = 3.0);

// Fills the widget's background with a colour, keeping the rest of its palette.
void setBackground(QWidget* widget, const QColor& color);
void setTextColor(QWidget* widget, const QColor& color);

// One ring of a 3-D edge, a pixel wide, just inside r: top and left in one
// colour, bottom and right in the other; r then shrinks by the ring. The
// sides are filled, not stroked, so they lie on their own pixels at any
// scale (a stroked line sits half a pixel off at twice the scale).
void drawEdgeRing(QPainter& p, QRect& r, const QColor& topLeft, const QColor& bottomRight);

// White paper with black writing for the widget and what it holds, boxes
// included, whatever colours the desktop gives its windows and text.
void setPaper(QWidget* widget);

// The icon of a vector resource file, read once and shared by every button
// that shows it (each QIcon made from a path would parse the file again and
// keep its own drawn sizes). `size` is the size the caller shows it at; the
// file is drawn for the screen's pixel ratio at whatever size is shown.
QIcon resourceIcon(const QString& resource, int size = 16);

}  // namespace orvane
