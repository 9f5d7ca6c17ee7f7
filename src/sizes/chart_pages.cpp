#include "sizes/chart_pages.h"

#include "core/chart_tables.h"
#include "core/grid_rows.h"
#include "platform/guarded_connect.h"
#include "widgets/look.h"
#include "widgets/string_grid.h"

namespace orvane {

namespace {

// A chart grid with its heading row, placed straight on its page.
StringGrid* MakeChartGrid(QWidget* page, int cols, int rows, const QRect& bounds, const QString& name,
                          const QString& accessibleName, bool horizontalScroll) {
  auto* grid = new StringGrid(cols, rows, 1, page);
  grid->setObjectName(name);
  grid->setAccessibleName(accessibleName);
  grid->setGeometry(bounds);
  grid->setFont(MakeFont(QStringLiteral("Arial"), 16));
  grid->setShowGrid(true);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  grid->setHorizontalScrollBarPolicy(horizontalScroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  return grid;
}

// Headings into row 0, then the data rows from row 1 through the row writer.
template <typename Values>
void FillChart(StringGrid& grid, std::initializer_list<int> widths, const QStringList& headings,
               GridKind kind, int entries, Values values) {
  grid.SetColWidths(widths);
  for (int c = 0; c < headings.size(); ++c) grid.SetCell(c, 0, headings[c]);
  GridRowWriter writer(grid, GridPrefixes(kind));
  for (int entry = 0; entry < entries; ++entry) writer.FillGridRow(values(entry));
}

}  // namespace

JumpRingChartPage::JumpRingChartPage(QWidget* parent) : TabPage(parent) {}

void JumpRingChartPage::BuildGrids() {
  if (jumpRingGrid) return;
  jumpRingGrid = MakeChartGrid(this, 4, int(JumpRingTable.size()) + 1, QRect(18, 20, 489, 298),
                               QStringLiteral("jumpRingGrid"), QStringLiteral("Jump ring chart"), false);
  FillChart(*jumpRingGrid, {116, 116, 116, 116}, JumpGridHeadings(), GridKind::Jump,
            int(JumpRingTable.size()), JumpGridValues);
  ShowMadeLate(jumpRingGrid);
}

QList<StringGrid*> JumpRingChartPage::NavigationGrids() const {
  return jumpRingGrid ? QList<StringGrid*>{jumpRingGrid} : QList<StringGrid*>{};
}

void JumpRingChartPage::onPageShown() { jumpRingGrid->setFocus(); }

WireGaugeChartPage::WireGaugeChartPage(QWidget* parent) : TabPage(parent) {}

void WireGaugeChartPage::BuildGrids() {
  if (wireGaugeGrid) return;
  wireGaugeGrid = MakeChartGrid(this, 3, int(WireGaugeTable.size()) + 1, QRect(18, 20, 489, 298),
                                QStringLiteral("wireGaugeGrid"), QStringLiteral("Wire gauge chart"), true);
  FillChart(*wireGaugeGrid, {155, 155, 155}, WireGridHeadings(), GridKind::Wire, int(WireGaugeTable.size()),
            WireGridValues);
  ShowMadeLate(wireGaugeGrid);
}

QList<StringGrid*> WireGaugeChartPage::NavigationGrids() const {
  return wireGaugeGrid ? QList<StringGrid*>{wireGaugeGrid} : QList<StringGrid*>{};
}

void WireGaugeChartPage::onPageShown() { wireGaugeGrid->setFocus(); }

RingSizeChartPage::RingSizeChartPage(QWidget* parent) : TabPage(parent) {}

void RingSizeChartPage::BuildGrids() {
  if (ringSizeGrid) return;
  // Lower grid first, as it comes first in the tab order.
  ringSizeIntlGrid =
      MakeChartGrid(this, 6, int(RingEquivalentTable.size()) + 1, QRect(18, 183, 489, 130),
                    QStringLiteral("ringSizeIntlGrid"), QStringLiteral("International ring sizes"), true);
  ringSizeGrid =
      MakeChartGrid(this, 5, int(RingSizeTable.size()) + 1, QRect(18, 20, 489, 130),
                    QStringLiteral("ringSizeGrid"), QStringLiteral("North American ring sizes"), true);
  FillChart(*ringSizeGrid, {92, 92, 92, 93, 93}, RingNGridHeadings(), GridKind::RingN,
            int(RingSizeTable.size()), RingNGridValues);
  FillChart(*ringSizeIntlGrid, {94, 75, 78, 80, 62, 73}, RingIntGridHeadings(), GridKind::RingInt,
            int(RingEquivalentTable.size()), RingIntGridValues);
  ShowMadeLate(ringSizeIntlGrid);
  ShowMadeLate(ringSizeGrid);
  QWidget::setTabOrder(ringSizeIntlGrid, ringSizeGrid);
  // Whichever grid the pointer is over takes the keys and the wheel.
  GuardedConnect(ringSizeGrid, &StringGrid::mouseMoved, this, &RingSizeChartPage::onRingSizeGridHover);
  GuardedConnect(ringSizeIntlGrid, &StringGrid::mouseMoved, this,
                 &RingSizeChartPage::onRingSizeIntlGridHover);
}

QList<StringGrid*> RingSizeChartPage::NavigationGrids() const {
  return ringSizeGrid ? QList<StringGrid*>{ringSizeGrid, ringSizeIntlGrid} : QList<StringGrid*>{};
}

void RingSizeChartPage::onPageShown() { ringSizeGrid->setFocus(); }

void RingSizeChartPage::onRingSizeGridHover() { ringSizeGrid->setFocus(); }

void RingSizeChartPage::onRingSizeIntlGridHover() { ringSizeIntlGrid->setFocus(); }

}  // namespace orvane
