#include "sizes/size_pages.h"

#include "core/grid_rows.h"
#include "core/size_tables.h"
#include "widgets/bevel_panel.h"
#include "widgets/look.h"
#include "widgets/string_grid.h"

namespace orvane {

BevelPanel* MakeHeadingCell(QWidget* parent, int left, int top, int width, int height, const QString& text) {
  auto* cell = new BevelPanel(parent);
  cell->setGeometry(left, top, width, height);
  cell->SetBevels(BevelPanel::Bevel::Raised, BevelPanel::Bevel::None, 1);
  cell->SetBorder(true);
  cell->setFont(MakeFont(QStringLiteral("Arial"), 15));
  cell->SetCaption(text);
  cell->setAccessibleName(QString(text).replace(u'\n', u' '));
  return cell;
}

namespace {

BevelPanel* MakeChartPanel(QWidget* page, int top, const QString& name) {
  auto* panel = new BevelPanel(page);
  panel->setObjectName(name);
  panel->setGeometry(18, top, 489, 298);
  panel->SetBevels(BevelPanel::Bevel::None, BevelPanel::Bevel::Lowered, 2);
  return panel;
}

// Read-only chart grid docked to the bottom of its panel, below the headings.
StringGrid* MakeChartGrid(BevelPanel* panel, int cols, int rows, int fontPx, const QString& name) {
  auto* grid = new StringGrid(cols, rows, 0, panel);
  grid->setObjectName(name);
  grid->setGeometry(2, 298 - 2 - 232, 485, 232);
  grid->setFont(MakeFont(QStringLiteral("Arial"), fontPx));
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid->setShowGrid(true);
  return grid;
}

}  // namespace

PearlPlateChartPage::PearlPlateChartPage(QWidget* parent) : TabPage(parent) {
  pearlHeading = MakeChartPanel(this, 20, QStringLiteral("pearlHeading"));
  MakeHeadingCell(pearlHeading, 2, 1, 62, 63, QStringLiteral("Pearl Plate (PP)"));
  MakeHeadingCell(pearlHeading, 64, 1, 60, 63, QStringLiteral("Stone Size (SS)"));
  MakeHeadingCell(pearlHeading, 124, 1, 167, 32, QStringLiteral("Millimeter Range"));
  MakeHeadingCell(pearlHeading, 124, 32, 84, 32, QStringLiteral("Low"));
  MakeHeadingCell(pearlHeading, 207, 32, 84, 32, QStringLiteral("High"));
  MakeHeadingCell(pearlHeading, 291, 1, 177, 32, QStringLiteral("Inch Range"));
  MakeHeadingCell(pearlHeading, 291, 32, 89, 32, QStringLiteral("Low"));
  MakeHeadingCell(pearlHeading, 379, 32, 89, 32, QStringLiteral("High"));
}

void PearlPlateChartPage::BuildGrids() {
  if (pearlGrid) return;
  pearlGrid = MakeChartGrid(pearlHeading, 6, 37, 16, QStringLiteral("pearlGrid"));
  pearlGrid->setAccessibleName(QStringLiteral("Pearl plate chart"));
  pearlGrid->SetColumnNames({QStringLiteral("Pearl Plate (PP)"), QStringLiteral("Stone Size (SS)"),
                             QStringLiteral("Millimeter Range Low"), QStringLiteral("Millimeter Range High"),
                             QStringLiteral("Inch Range Low"), QStringLiteral("Inch Range High")});
  pearlGrid->SetColWidths({60, 60, 82, 82, 88, 88});
  GridRowWriter writer(*pearlGrid, GridPrefixes(GridKind::Pearl));
  for (int row = 0; row < int(PearlPlateTable.size()); ++row) writer.FillGridRow(PearlGridValues(row));
  ShowMadeLate(pearlGrid);
}

QList<StringGrid*> PearlPlateChartPage::NavigationGrids() const {
  return pearlGrid ? QList<StringGrid*>{pearlGrid} : QList<StringGrid*>{};
}

void PearlPlateChartPage::onPageShown() { pearlGrid->setFocus(); }

StoneSizeChartPage::StoneSizeChartPage(QWidget* parent) : TabPage(parent) {
  stoneHeading = MakeChartPanel(this, 19, QStringLiteral("stoneHeading"));
  MakeHeadingCell(stoneHeading, 2, 1, 62, 63, QStringLiteral("Stone Size (SS)"));
  MakeHeadingCell(stoneHeading, 64, 1, 202, 32, QStringLiteral("Millimeter Range"));
  MakeHeadingCell(stoneHeading, 64, 32, 101, 32, QStringLiteral("Low"));
  MakeHeadingCell(stoneHeading, 164, 32, 102, 32, QStringLiteral("High"));
  MakeHeadingCell(stoneHeading, 266, 1, 202, 32, QStringLiteral("Inch Range"));
  MakeHeadingCell(stoneHeading, 266, 32, 101, 32, QStringLiteral("Low"));
  MakeHeadingCell(stoneHeading, 366, 32, 102, 32, QStringLiteral("High"));
}

void StoneSizeChartPage::BuildGrids() {
  if (stoneGrid) return;
  stoneGrid = MakeChartGrid(stoneHeading, 5, 103, 15, QStringLiteral("stoneGrid"));
  stoneGrid->setAccessibleName(QStringLiteral("Stone size chart"));
  stoneGrid->SetColumnNames({QStringLiteral("Stone Size (SS)"), QStringLiteral("Millimeter Range Low"),
                             QStringLiteral("Millimeter Range High"), QStringLiteral("Inch Range Low"),
                             QStringLiteral("Inch Range High")});
  stoneGrid->SetColWidths({60, 100, 100, 100, 100});
  GridRowWriter writer(*stoneGrid, GridPrefixes(GridKind::Stone));
  for (int row = 0; row < int(StoneSizeTable.size()); ++row) writer.FillGridRow(StoneGridValues(row));
  ShowMadeLate(stoneGrid);
}

QList<StringGrid*> StoneSizeChartPage::NavigationGrids() const {
  return stoneGrid ? QList<StringGrid*>{stoneGrid} : QList<StringGrid*>{};
}

void StoneSizeChartPage::onPageShown() { stoneGrid->setFocus(); }

}  // namespace orvane
