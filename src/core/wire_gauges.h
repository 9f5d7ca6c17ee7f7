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

// Thinnest first for AWG (as the chart lists it, from 44 to 0000), thickest
// first for SWG (0 to 50, as its table is written).
const std::vector<WireGauge>& wireGauges(GaugeSystem system);
QStringList wireGaugeNames(GaugeSystem system);

// The thinnest wire the bench takes: finer than any drawn for jewellery, and
// a limit that keeps an aspect ratio from running to hundreds of digits.
inline constexpr long double kFinestWireMm = 0.01L;

// The gauge whose diameter is nearest, by the difference in mm.
int nearestWireGauge(GaugeSystem system, long double mm);

// "AWG", "SWG".
QString gaugeSystemName(GaugeSystem system);

// A diameter more than half a step beyond a table's finest or thickest gauge
// has no gauge there: what the page says instead ("Finer than AWG 44 (0.0502
// mm), the finest in the table"); empty within the table.
QString beyondWireGauges(GaugeSystem system, long double mm);

// What the Gauges page shows: the size in both boxes and, for each system,
// the nearest (or picked) gauge with its diameters.
struct GaugeReading {
  BenchSize size;
  int american = -1;
  int british = -1;
  // Set, with no gauge, where the size is beyond that system's table.
  QString americanBeyond;
  QString britishBeyond;
};

// The size typed in mm or inches: the nearest gauge of each system, or the
// word that it is beyond the table. Empty boxes give no gauge; a size under
// 0.01 mm, letters or more than an inch fail before anything is returned.
GaugeReading gaugesForSize(const BenchSize& typed);

// A gauge picked from one list: its diameter fills the size boxes and the
// other list shows the gauge nearest to it.
GaugeReading gaugesForPick(GaugeSystem system, int entry);

}  // namespace orvane
