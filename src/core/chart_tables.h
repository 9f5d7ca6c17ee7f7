#pragma once

#include <QStringList>
#include <array>

namespace orvane {

// The jump ring, wire gauge and ring size charts as they are shown: every
// text keeps its own leading and inner spaces, which line the columns up in
// the charts' proportional font together with the column prefixes.

struct JumpRingEntry {
  const char* Size;
  const char* Millimeters;
  int FractionSpaces;    // spaces before the fraction
  const char* Fraction;  // "~" marks an approximate fraction
  const char* Inches;
};

struct WireGaugeEntry {
  const char* Gauge;  // Brown & Sharp
  const char* Millimeters;
  const char* Inches;
};

struct RingSizeEntry {
  const char* NAmerica;
  const char* DiaIn;
  const char* CirIn;
  const char* DiaMm;
  const char* CirMm;
};

// An empty text is a size with no equivalent in that country.
struct RingEquivalentEntry {
  const char* NAmerica;
  const char* Britain;
  const char* France;
  const char* Germany;
  const char* Japan;
  const char* Switz;
};

extern const std::array<JumpRingEntry, 21> JumpRingTable;
extern const std::array<WireGaugeEntry, 44> WireGaugeTable;
extern const std::array<RingSizeEntry, 86> RingSizeTable;
extern const std::array<RingEquivalentEntry, 86> RingEquivalentTable;

// A chart's heading word in the user's language after its leading spaces,
// which centre it in its column: the English text keeps exactly `spaces`.
QString chartHeading(const char* context, const char* english, int spaces);

// Heading row texts of the four chart grids.
QStringList jumpGridHeadings();
QStringList wireGridHeadings();
QStringList ringNGridHeadings();
QStringList ringIntGridHeadings();

// Value texts of one data row (0-based table entry), without the column
// prefixes that the grid row writer adds.
QStringList jumpGridValues(int entry);
QStringList wireGridValues(int entry);
QStringList ringNGridValues(int entry);
QStringList ringIntGridValues(int entry);

}  // namespace orvane
