// Prints, as JSON, what each chart of the program shows: its accessible name,
// its column headings and every cell text with its leading blanks, built
// straight from the tables. The whole-program accessibility test compares a
// screen reader's view of each chart with this.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "core/chart_tables.h"
#include "core/fraction_table.h"
#include "core/grid_rows.h"
#include "core/size_tables.h"

using namespace orvane;

namespace {

QJsonObject Chart(const QStringList& headings, std::span<const int> prefixes, int entries,
                  QStringList (*values)(int)) {
  QJsonArray rows;
  for (int entry = 0; entry < entries; ++entry) {
    const QStringList texts = values(entry);
    QJsonArray row;
    for (int c = 0; c < int(prefixes.size()); ++c)
      row.append(GridCellText(prefixes[c], c < texts.size() ? texts[c] : QString()));
    rows.append(row);
  }
  return {{QStringLiteral("headings"), QJsonArray::fromStringList(headings)}, {QStringLiteral("rows"), rows}};
}

}  // namespace

int main() {
  const QString low = QStringLiteral(" Range Low"), high = QStringLiteral(" Range High");
  const QString mm = QStringLiteral("Millimeter"), inch = QStringLiteral("Inch");
  QJsonObject charts;
  charts[QStringLiteral("Pearl plate chart")] =
      Chart({QStringLiteral("Pearl Plate (PP)"), QStringLiteral("Stone Size (SS)"), mm + low, mm + high,
             inch + low, inch + high},
            GridPrefixes(GridKind::Pearl), int(PearlPlateTable.size()), PearlGridValues);
  charts[QStringLiteral("Stone size chart")] =
      Chart({QStringLiteral("Stone Size (SS)"), mm + low, mm + high, inch + low, inch + high},
            GridPrefixes(GridKind::Stone), int(StoneSizeTable.size()), StoneGridValues);
  charts[QStringLiteral("Jump ring chart")] =
      Chart(JumpGridHeadings(), GridPrefixes(GridKind::Jump), int(JumpRingTable.size()), JumpGridValues);
  charts[QStringLiteral("Wire gauge chart")] =
      Chart(WireGridHeadings(), GridPrefixes(GridKind::Wire), int(WireGaugeTable.size()), WireGridValues);
  charts[QStringLiteral("North American ring sizes")] =
      Chart(RingNGridHeadings(), GridPrefixes(GridKind::RingN), int(RingSizeTable.size()), RingNGridValues);
  charts[QStringLiteral("International ring sizes")] =
      Chart(RingIntGridHeadings(), GridPrefixes(GridKind::RingInt), int(RingEquivalentTable.size()),
            RingIntGridValues);
  charts[QStringLiteral("Fractions of an inch")] =
      Chart(FractionHeadings(), FractionPrefixes(), int(FractionTable.size()), FractionValues);
  std::fputs(QJsonDocument(charts).toJson(QJsonDocument::Compact).constData(), stdout);
  return 0;
}
