#pragma once

#include <QString>
#include <QStringList>

#include "core/bench_size_input.h"

namespace orvane {

// The outline of a stone's girdle that a bezel wraps.
enum class StoneOutline { Round, Oval, Rectangle };
// The outlines as shown, in the user's language and StoneOutline's order.
QStringList stoneOutlineNames();

// The girdle's perimeter from its length and width (a round stone's
// diameter twice); an oval's by Ramanujan's first approximation.
long double ellipsePerimeter(long double lengthMm, long double widthMm);
long double stoneOutlinePerimeter(StoneOutline outline, long double lengthMm, long double widthMm);

// The strip measured along its middle: the outline offset outward by half
// the strip's thickness, which for any convex outline adds pi x thickness
// (the corners of a rectangle bend round quarter circles).
long double bezelStripMm(StoneOutline outline, long double lengthMm, long double widthMm,
                         long double thicknessMm);

struct BezelInputs {
  StoneOutline outline = StoneOutline::Round;
  BenchSize length;  // a round stone's diameter
  BenchSize width;   // not read for a round stone
  BenchSize thickness;
};

enum class BezelField { None, Length, Width, Thickness };

struct BezelResult {
  BenchSize length, width, thickness;  // as they are to be shown
  QString perimeterMm;                 // the stone's, two decimals
  QString stripMm, stripInch;          // two and three decimals
  BezelField missing = BezelField::None;
};

// Reads the sizes the outline needs, in page order, and fails on the first
// bad one before returning anything.
BezelResult bezelEnter(const BezelInputs& in, BezelField entered = BezelField::None);

}  // namespace orvane
