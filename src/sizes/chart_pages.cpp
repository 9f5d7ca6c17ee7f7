#include "sizes/chart_pages.h"

#include "core/chart_tables.h"
#include "core/grid_rows.h"
#include "platform/guarded_connect.h"
#include "widgets/look.h"
#include "widgets/string_grid.h"

namespace orvane {

namespace {

// A chart grid with its heading row, placed straight on its page.
TStringGrid* MakeChartGrid(QWidget* page, int cols, int rows, const QRect& bounds, const QString& name,
                           const QString& accessibleName, bool horizontalScroll) {
  auto* grid = new TStringGrid(cols, rows, 1, page);
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
void FillChart(TStringGrid& grid, std::initializer_list<int> widths, const QStringList& headings,
               GridKind kind, int entries, Values values) {
  grid.SetColWidths(widths);
  for (int c = 0; c < headings.size(); ++c) grid.SetCell(c, 0, headings[c]);
  GridRowWriter writer(grid, GridPrefixes(kind));
  for (int entry = 0; entry < entries; ++entry) writer.FillGridRow(values(entry));
}

}  // namespace

TJumpRingPage::TJumpRingPage(QWidget* parent) : TTabSheet(parent) {}

void TJumpRingPage::BuildGrids() {
  if (JumpGrid) return;
  JumpGrid = MakeChartGrid(this, 4, int(JumpRingTable.size()) + 1, QRect(18, 20, 489, 298),
                           QStringLiteral("JumpGrid"), QStringLiteral("Jump ring chart"), false);
  FillChart(*JumpGrid, {116, 116, 116, 116}, JumpGridHeadings(), GridKind::Jump, int(JumpRingTable.size()),
            JumpGridValues);
  ShowMadeLate(JumpGrid);
}

QList<TStringGrid*> TJumpRingPage::NavigationGrids() const {
  return JumpGrid ? QList<TStringGrid*>{JumpGrid} : QList<TStringGrid*>{};
}

void TJumpRingPage::TabSheet7Show() { JumpGrid->setFocus(); }

TWireGaugePage::TWireGaugePage(QWidget* parent) : TTabSheet(parent) {}

void TWireGaugePage::BuildGrids() {
  if (WireGrid) return;
  WireGrid = MakeChartGrid(this, 3, int(WireGaugeTable.size()) + 1, QRect(18, 20, 489, 298),
                           QStringLiteral("WireGrid"), QStringLiteral("Wire gauge chart"), true);
  FillChart(*WireGrid, {155, 155, 155}, WireGridHeadings(), GridKind::Wire, int(WireGaugeTable.size()),
            WireGridValues);
  ShowMadeLate(WireGrid);
}

QList<TStringGrid*> TWireGaugePage::NavigationGrids() const {
  return WireGrid ? QList<TStringGrid*>{WireGrid} : QList<TStringGrid*>{};
}

void TWireGaugePage::TabSheet6Show() { WireGrid->setFocus(); }

TRingSizePage::TRingSizePage(QWidget* parent) : TTabSheet(parent) {}

void TRingSizePage::BuildGrids() {
  if (RingNGrid) return;
  // Lower grid first, as it comes first in the tab order.
  RingIntGrid =
      MakeChartGrid(this, 6, int(RingEquivalentTable.size()) + 1, QRect(18, 183, 489, 130),
                    QStringLiteral("RingIntGrid"), QStringLiteral("International ring sizes"), true);
  RingNGrid = MakeChartGrid(this, 5, int(RingSizeTable.size()) + 1, QRect(18, 20, 489, 130),
                            QStringLiteral("RingNGrid"), QStringLiteral("North American ring sizes"), true);
  FillChart(*RingNGrid, {92, 92, 92, 93, 93}, RingNGridHeadings(), GridKind::RingN, int(RingSizeTable.size()),
            RingNGridValues);
  FillChart(*RingIntGrid, {94, 75, 78, 80, 62, 73}, RingIntGridHeadings(), GridKind::RingInt,
            int(RingEquivalentTable.size()), RingIntGridValues);
  ShowMadeLate(RingIntGrid);
  ShowMadeLate(RingNGrid);
  QWidget::setTabOrder(RingIntGrid, RingNGrid);
  // Whichever grid the pointer is over takes the keys and the wheel.
  GuardedConnect(RingNGrid, &TStringGrid::mouseMoved, this, &TRingSizePage::RingNGridMouseMove);
  GuardedConnect(RingIntGrid, &TStringGrid::mouseMoved, this, &TRingSizePage::RingIntGridMouseMove);
}

QList<TStringGrid*> TRingSizePage::NavigationGrids() const {
  return RingNGrid ? QList<TStringGrid*>{RingNGrid, RingIntGrid} : QList<TStringGrid*>{};
}

void TRingSizePage::TabSheet4Show() { RingNGrid->setFocus(); }

void TRingSizePage::RingNGridMouseMove() { RingNGrid->setFocus(); }

void TRingSizePage::RingIntGridMouseMove() { RingIntGrid->setFocus(); }

}  // namespace orvane
