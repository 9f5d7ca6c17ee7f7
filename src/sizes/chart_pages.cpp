#include "sizes/chart_pages.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "core/chart_tables.h"
#include "core/grid_rows.h"
#include "platform/guarded_connect.h"
#include "widgets/look.h"
#include "widgets/string_grid.h"

namespace orvane {

namespace {

// A chart grid with its heading row, placed straight on its page.
StringGrid* makeChartGrid(QWidget* page, int cols, int rows, const QRect& bounds, const QString& name,
                          const QString& accessibleName, bool horizontalScroll) {
  auto* grid = new StringGrid(cols, rows, 1, page);
  grid->setObjectName(name);
  grid->setAccessibleName(accessibleName);
  grid->setGeometry(bounds);
  grid->setFont(makeFont(QStringLiteral("Arial"), 16));
  grid->setShowGrid(true);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  grid->setHorizontalScrollBarPolicy(horizontalScroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  return grid;
}

// Headings into row 0, then the data rows from row 1 through the row writer.
// A column is as wide as given, or as its heading needs in a longer
// language; the grid then scrolls sideways.
template <typename Values>
void fillChart(StringGrid& grid, std::initializer_list<int> widths, const QStringList& headings,
               GridKind kind, int entries, Values values) {
  const QHeaderView* header = grid.horizontalHeader();
  const QFontMetrics metrics(header->font());
  const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
  std::vector<int> columns(widths);
  for (int c = 0; c < headings.size() && c < int(columns.size()); ++c)
    columns[c] = std::max(columns[c], metrics.horizontalAdvance(headings[c]) + margin);
  grid.setColWidths(columns);
  for (int c = 0; c < headings.size(); ++c) grid.setCell(c, 0, headings[c]);
  GridRowWriter writer(grid, gridPrefixes(kind));
  for (int entry = 0; entry < entries; ++entry) writer.fillGridRow(values(entry));
}

}  // namespace

JumpRingChartPage::JumpRingChartPage(QWidget* parent) : TabPage(parent) {}

void JumpRingChartPage::buildGrids() {
  if (jumpRingGrid) return;
  jumpRingGrid = makeChartGrid(this, 4, int(JumpRingTable.size()) + 1, QRect(18, 20, 489, 298),
                               QStringLiteral("jumpRingGrid"), tr("Jump ring chart"), false);
  fillChart(*jumpRingGrid, {116, 116, 116, 116}, jumpGridHeadings(), GridKind::Jump,
            int(JumpRingTable.size()), jumpGridValues);
  showMadeLate(jumpRingGrid);
}

QList<StringGrid*> JumpRingChartPage::navigationGrids() const {
  return jumpRingGrid ? QList<StringGrid*>{jumpRingGrid} : QList<StringGrid*>{};
}

void JumpRingChartPage::onPageShown() { jumpRingGrid->setFocus(); }

WireGaugeChartPage::WireGaugeChartPage(QWidget* parent) : TabPage(parent) {}

void WireGaugeChartPage::buildGrids() {
  if (wireGaugeGrid) return;
  wireGaugeGrid = makeChartGrid(this, 3, int(WireGaugeTable.size()) + 1, QRect(18, 20, 489, 298),
                                QStringLiteral("wireGaugeGrid"), tr("Wire gauge chart"), true);
  fillChart(*wireGaugeGrid, {155, 155, 155}, wireGridHeadings(), GridKind::Wire, int(WireGaugeTable.size()),
            wireGridValues);
  showMadeLate(wireGaugeGrid);
}

QList<StringGrid*> WireGaugeChartPage::navigationGrids() const {
  return wireGaugeGrid ? QList<StringGrid*>{wireGaugeGrid} : QList<StringGrid*>{};
}

void WireGaugeChartPage::onPageShown() { wireGaugeGrid->setFocus(); }

RingSizeChartPage::RingSizeChartPage(QWidget* parent) : TabPage(parent) {}

void RingSizeChartPage::buildGrids() {
  if (ringSizeGrid) return;
  // Lower grid first, as it comes first in the tab order.
  ringSizeIntlGrid = makeChartGrid(this, 6, int(RingEquivalentTable.size()) + 1, QRect(18, 183, 489, 130),
                                   QStringLiteral("ringSizeIntlGrid"), tr("International ring sizes"), true);
  ringSizeGrid = makeChartGrid(this, 5, int(RingSizeTable.size()) + 1, QRect(18, 20, 489, 130),
                               QStringLiteral("ringSizeGrid"), tr("North American ring sizes"), true);
  fillChart(*ringSizeGrid, {92, 92, 92, 93, 93}, ringNGridHeadings(), GridKind::RingN,
            int(RingSizeTable.size()), ringNGridValues);
  fillChart(*ringSizeIntlGrid, {94, 75, 78, 80, 62, 73}, ringIntGridHeadings(), GridKind::RingInt,
            int(RingEquivalentTable.size()), ringIntGridValues);
  showMadeLate(ringSizeIntlGrid);
  showMadeLate(ringSizeGrid);
  QWidget::setTabOrder(ringSizeIntlGrid, ringSizeGrid);
  // Whichever grid the pointer is over takes the keys and the wheel.
  guardedConnect(ringSizeGrid, &StringGrid::mouseMoved, this, &RingSizeChartPage::onRingSizeGridHover);
  guardedConnect(ringSizeIntlGrid, &StringGrid::mouseMoved, this,
                 &RingSizeChartPage::onRingSizeIntlGridHover);
}

QList<StringGrid*> RingSizeChartPage::navigationGrids() const {
  return ringSizeGrid ? QList<StringGrid*>{ringSizeGrid, ringSizeIntlGrid} : QList<StringGrid*>{};
}

void RingSizeChartPage::onPageShown() { ringSizeGrid->setFocus(); }

void RingSizeChartPage::onRingSizeGridHover() { ringSizeGrid->setFocus(); }

void RingSizeChartPage::onRingSizeIntlGridHover() { ringSizeIntlGrid->setFocus(); }

}  // namespace orvane
