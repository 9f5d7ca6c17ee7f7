#include "core/wire_gauges.h"

#include <cmath>

#include "core/chart_tables.h"
#include "core/text_rules.h"

namespace orvane {

namespace {

// Standard Wire Gauge diameters in inches, gauge 0 to 30.
constexpr const char* kSwgInches[] = {".324", ".300", ".276", ".252",  ".232",  ".212",  ".192", ".176",
                                      ".160", ".144", ".128", ".116",  ".104",  ".092",  ".080", ".072",
                                      ".064", ".056", ".048", ".040",  ".036",  ".032",  ".028", ".024",
                                      ".022", ".020", ".018", ".0164", ".0148", ".0136", ".0124"};

std::vector<WireGauge> AmericanGauges() {
  std::vector<WireGauge> gauges;
  for (const WireGaugeEntry& e : WireGaugeTable) {
    const QString mm = QString::fromLatin1(e.Millimeters).simplified();
    gauges.push_back({QString::fromLatin1(e.Gauge).simplified(), TextToNumber(mm), mm,
                      QString::fromLatin1(e.Inches).simplified()});
  }
  return gauges;
}

std::vector<WireGauge> BritishGauges() {
  std::vector<WireGauge> gauges;
  int gauge = 0;
  for (const char* inches : kSwgInches) {
    const QString inchText = u'0' + QString::fromLatin1(inches);
    const long double mm = TextToNumber(inchText) * kMmPerInch;  // exact by definition
    gauges.push_back({QString::number(gauge++), mm, benchMmText(mm), inchText});
  }
  return gauges;
}

// The thickest gauge of either table is under 12 mm: a size beyond an inch is
// no wire gauge question.
constexpr long double kLargestWireMm = 25.4L;

}  // namespace

const std::vector<WireGauge>& wireGauges(GaugeSystem system) {
  static const std::vector<WireGauge> american = AmericanGauges();
  static const std::vector<WireGauge> british = BritishGauges();
  return system == GaugeSystem::American ? american : british;
}

QStringList wireGaugeNames(GaugeSystem system) {
  QStringList names;
  for (const WireGauge& g : wireGauges(system)) names << g.name;
  return names;
}

int nearestWireGauge(GaugeSystem system, long double mm) {
  const std::vector<WireGauge>& gauges = wireGauges(system);
  int best = 0;
  for (int i = 1; i < int(gauges.size()); ++i)
    if (std::fabs(gauges[size_t(i)].mm - mm) < std::fabs(gauges[size_t(best)].mm - mm)) best = i;
  return best;
}

GaugeReading gaugesForSize(const BenchSize& typed) {
  GaugeReading reading;
  const std::optional<long double> mm =
      readBenchSize(typed, reading.size, {QStringLiteral("a wire diameter"), kLargestWireMm});
  if (!mm) return reading;
  reading.american = nearestWireGauge(GaugeSystem::American, *mm);
  reading.british = nearestWireGauge(GaugeSystem::British, *mm);
  return reading;
}

GaugeReading gaugesForPick(GaugeSystem system, int entry) {
  const WireGauge& picked = wireGauges(system).at(size_t(entry));
  GaugeReading reading;
  // Each size as its own table states it, the other unit worked out.
  if (system == GaugeSystem::American)
    reading.size = {picked.mmText, benchInchText(picked.mm / kMmPerInch), BenchUnit::Mm};
  else
    reading.size = {picked.mmText, picked.inchText, BenchUnit::Inch};
  const int other = nearestWireGauge(
      system == GaugeSystem::American ? GaugeSystem::British : GaugeSystem::American, picked.mm);
  reading.american = system == GaugeSystem::American ? entry : other;
  reading.british = system == GaugeSystem::British ? entry : other;
  return reading;
}

}  // namespace orvane
