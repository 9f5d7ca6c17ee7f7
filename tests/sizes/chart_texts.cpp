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

QJsonObject chart(const QStringList& headings, std::span<const int> prefixes, int entries,
                  QStringList (*values)(int)) {
  QJsonArray rows;
  for (int entry = 0; entry < entries; ++entry) {
    const QStringList texts = values(entry);
    QJsonArray row;
    for (int c = 0; c < int(prefixes.size()); ++c)
      row.append(gridCellText(prefixes[c], c < texts.size() ? texts[c] : QString()));
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
      chart({QStringLiteral("Pearl Plate (PP)"), QStringLiteral("Stone Size (SS)"), mm + low, mm + high,
             inch + low, inch + high},
            gridPrefixes(GridKind::Pearl), int(PearlPlateTable.size()), pearlGridValues);
  charts[QStringLiteral("Stone size chart")] =
      chart({QStringLiteral("Stone Size (SS)"), mm + low, mm + high, inch + low, inch + high},
            gridPrefixes(GridKind::Stone), int(StoneSizeTable.size()), stoneGridValues);
  charts[QStringLiteral("Jump ring chart")] =
      chart(jumpGridHeadings(), gridPrefixes(GridKind::Jump), int(JumpRingTable.size()), jumpGridValues);
  charts[QStringLiteral("Wire gauge chart")] =
      chart(wireGridHeadings(), gridPrefixes(GridKind::Wire), int(WireGaugeTable.size()), wireGridValues);
  charts[QStringLiteral("North American ring sizes")] =
      chart(ringNGridHeadings(), gridPrefixes(GridKind::RingN), int(RingSizeTable.size()), ringNGridValues);
  charts[QStringLiteral("International ring sizes")] =
      chart(ringIntGridHeadings(), gridPrefixes(GridKind::RingInt), int(RingEquivalentTable.size()),
            ringIntGridValues);
  charts[QStringLiteral("Fractions of an inch")] =
      chart(fractionHeadings(), fractionPrefixes(), int(FractionTable.size()), fractionValues);
  std::fputs(QJsonDocument(charts).toJson(QJsonDocument::Compact).constData(), stdout);
  return 0;
}
