#include "core/wire_gauges.h"

#include <QCoreApplication>
#include <cmath>

#include "core/chart_tables.h"
#include "core/text_rules.h"

namespace orvane {

namespace {

// Standard Wire Gauge diameters in inches, gauge 0 to 50, as the Imperial
// gauge defines them.
constexpr const char* kSwgInches[] = {
    ".324",  ".300",  ".276",  ".252",  ".232",  ".212",  ".192",  ".176",  ".160",  ".144",  ".128",
    ".116",  ".104",  ".092",  ".080",  ".072",  ".064",  ".056",  ".048",  ".040",  ".036",  ".032",
    ".028",  ".024",  ".022",  ".020",  ".018",  ".0164", ".0148", ".0136", ".0124", ".0116", ".0108",
    ".0100", ".0092", ".0084", ".0076", ".0068", ".0060", ".0052", ".0048", ".0044", ".0040", ".0036",
    ".0032", ".0028", ".0024", ".0020", ".0016", ".0012", ".0010"};

// The finest American gauges, beyond the Wire Gauge chart's 40: fine wire
// for stringing and wrapping is sold to 44.
constexpr int kFinestAmericanGauge = 44;

// The American gauge's defining rule: 0.005 inch at gauge 36, 92 times that
// at gauge 0000, in 39 equal ratios.
long double americanGaugeInches(int gauge) { return 0.005L * std::pow(92.0L, (36 - gauge) / 39.0L); }

std::vector<WireGauge> americanGauges() {
  std::vector<WireGauge> gauges;
  // As the chart gives its gauges: mm to four decimals, inches to six.
  const int chartFinest = int(textToNumber(QString::fromLatin1(WireGaugeTable[0].Gauge)));
  for (int gauge = kFinestAmericanGauge; gauge > chartFinest; --gauge) {
    const long double inches = americanGaugeInches(gauge);
    const QString mm = formatFixed(inches * kMmPerInch, 15, 4);
    gauges.push_back({QString::number(gauge), textToNumber(mm), mm, formatFixed(inches, 15, 6)});
  }
  for (const WireGaugeEntry& e : WireGaugeTable) {
    const QString mm = QString::fromLatin1(e.Millimeters).simplified();
    gauges.push_back({QString::fromLatin1(e.Gauge).simplified(), textToNumber(mm), mm,
                      QString::fromLatin1(e.Inches).simplified()});
  }
  return gauges;
}

std::vector<WireGauge> britishGauges() {
  std::vector<WireGauge> gauges;
  int gauge = 0;
  for (const char* inches : kSwgInches) {
    const QString inchText = u'0' + QString::fromLatin1(inches);
    const long double mm = textToNumber(inchText) * kMmPerInch;  // exact by definition
    gauges.push_back({QString::number(gauge++), mm, benchMmText(mm), inchText});
  }
  return gauges;
}

// The thickest gauge of either table is under 12 mm: a size beyond an inch is
// no wire gauge question.
constexpr long double kLargestWireMm = 25.4L;

}  // namespace

const std::vector<WireGauge>& wireGauges(GaugeSystem system) {
  static const std::vector<WireGauge> american = americanGauges();
  static const std::vector<WireGauge> british = britishGauges();
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

QString gaugeSystemName(GaugeSystem system) {
  return system == GaugeSystem::American ? QStringLiteral("AWG") : QStringLiteral("SWG");
}

QString beyondWireGauges(GaugeSystem system, long double mm) {
  const std::vector<WireGauge>& gauges = wireGauges(system);
  // Either table may run thin to thick or thick to thin.
  const bool thinFirst = gauges.front().mm < gauges.back().mm;
  const WireGauge& finest = thinFirst ? gauges[0] : gauges[gauges.size() - 1];
  const WireGauge& nextFinest = thinFirst ? gauges[1] : gauges[gauges.size() - 2];
  const WireGauge& thickest = thinFirst ? gauges[gauges.size() - 1] : gauges[0];
  const WireGauge& nextThickest = thinFirst ? gauges[gauges.size() - 2] : gauges[1];
  if (mm < finest.mm - (nextFinest.mm - finest.mm) / 2)
    //: %1 the gauge system (AWG or SWG), %2 its finest gauge, %3 that gauge's diameter
    return QCoreApplication::translate("WireGauges", "Finer than %1 %2 (%3 mm), the finest in the table")
        .arg(gaugeSystemName(system), finest.name, finest.mmText);
  if (mm > thickest.mm + (thickest.mm - nextThickest.mm) / 2)
    //: %1 the gauge system (AWG or SWG), %2 its thickest gauge, %3 that gauge's diameter
    return QCoreApplication::translate("WireGauges", "Thicker than %1 %2 (%3 mm), the thickest in the table")
        .arg(gaugeSystemName(system), thickest.name, thickest.mmText);
  return {};
}

GaugeReading gaugesForSize(const BenchSize& typed) {
  GaugeReading reading;
  const std::optional<long double> mm = readBenchSize(
      typed, reading.size,
      //: Names the box in a message ("'0' is zero: a wire diameter in mm must be more than 0"; German:
      //: nominative, with article)
      {QCoreApplication::translate("WireGauges", "a wire diameter"), kLargestWireMm, false, kFinestWireMm});
  if (!mm) return reading;
  reading.americanBeyond = beyondWireGauges(GaugeSystem::American, *mm);
  reading.britishBeyond = beyondWireGauges(GaugeSystem::British, *mm);
  if (reading.americanBeyond.isEmpty()) reading.american = nearestWireGauge(GaugeSystem::American, *mm);
  if (reading.britishBeyond.isEmpty()) reading.british = nearestWireGauge(GaugeSystem::British, *mm);
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
