#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/bench_size_input.h"

namespace orvane {

// The two wire gauges jewellers meet: American (Brown & Sharpe, as the Wire
// Gauge chart gives it) and British Imperial Standard Wire Gauge.
enum class GaugeSystem { American, British };

struct WireGauge {
  QString name;  // "20", "000"
  long double mm;
  QString mmText;    // as shown
  QString inchText;  // as shown
};

// Thinnest first for AWG (as the chart lists it: 40 to 0000), thickest first
// for SWG (0 to 30, as its table is written).
const std::vector<WireGauge>& wireGauges(GaugeSystem system);
QStringList wireGaugeNames(GaugeSystem system);

// The gauge whose diameter is nearest, by the difference in mm.
int nearestWireGauge(GaugeSystem system, long double mm);

// What the Gauges page shows: the size in both boxes and, for each system,
// the nearest (or picked) gauge with its diameters.
struct GaugeReading {
  BenchSize size;
  int american = -1;
  int british = -1;
};

// The size typed in mm or inches: the nearest gauge of each system. Empty
// boxes give no gauge; a size of zero or below, letters or more than an inch
// fail before anything is returned.
GaugeReading gaugesForSize(const BenchSize& typed);

// A gauge picked from one list: its diameter fills the size boxes and the
// other list shows the gauge nearest to it.
GaugeReading gaugesForPick(GaugeSystem system, int entry);

}  // namespace orvane
