#include "sizes/size_pages.h"

#include "core/grid_rows.h"
#include "core/size_tables.h"
#include "widgets/look.h"
#include "widgets/panel.h"
#include "widgets/string_grid.h"

namespace orvane {

TPanel* MakeHeadingCell(QWidget* parent, int left, int top, int width, int height, const QString& text) {
  auto* cell = new TPanel(parent);
  cell->setGeometry(left, top, width, height);
  cell->SetBevels(TPanel::Bevel::Raised, TPanel::Bevel::None, 1);
  cell->SetBorder(true);
  cell->setFont(MakeFont(QStringLiteral("Arial"), 15));
  cell->SetCaption(text);
  cell->setAccessibleName(QString(text).replace(u'\n', u' '));
  return cell;
}

namespace {

TPanel* MakeChartPanel(QWidget* page, int top, const QString& name) {
  auto* panel = new TPanel(page);
  panel->setObjectName(name);
  panel->setGeometry(18, top, 489, 298);
  panel->SetBevels(TPanel::Bevel::None, TPanel::Bevel::Lowered, 2);
  return panel;
}

// Read-only chart grid docked to the bottom of its panel, below the headings.
TStringGrid* MakeChartGrid(TPanel* panel, int cols, int rows, int fontPx, const QString& name) {
  auto* grid = new TStringGrid(cols, rows, 0, panel);
  grid->setObjectName(name);
  grid->setGeometry(2, 298 - 2 - 232, 485, 232);
  grid->setFont(MakeFont(QStringLiteral("Arial"), fontPx));
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid->setShowGrid(true);
  return grid;
}

}  // namespace

TPearlPlatePage::TPearlPlatePage(QWidget* parent) : TTabSheet(parent) {
  PearlPanel = MakeChartPanel(this, 20, QStringLiteral("PearlPanel"));
  MakeHeadingCell(PearlPanel, 2, 1, 62, 63, QStringLiteral("Pearl Plate (PP)"));
  MakeHeadingCell(PearlPanel, 64, 1, 60, 63, QStringLiteral("Stone Size (SS)"));
  MakeHeadingCell(PearlPanel, 124, 1, 167, 32, QStringLiteral("Millimeter Range"));
  MakeHeadingCell(PearlPanel, 124, 32, 84, 32, QStringLiteral("Low"));
  MakeHeadingCell(PearlPanel, 207, 32, 84, 32, QStringLiteral("High"));
  MakeHeadingCell(PearlPanel, 291, 1, 177, 32, QStringLiteral("Inch Range"));
  MakeHeadingCell(PearlPanel, 291, 32, 89, 32, QStringLiteral("Low"));
  MakeHeadingCell(PearlPanel, 379, 32, 89, 32, QStringLiteral("High"));
}

void TPearlPlatePage::BuildGrids() {
  if (PearlGrid) return;
  PearlGrid = MakeChartGrid(PearlPanel, 6, 37, 16, QStringLiteral("PearlGrid"));
  PearlGrid->setAccessibleName(QStringLiteral("Pearl plate chart"));
  PearlGrid->SetColumnNames({QStringLiteral("Pearl Plate (PP)"), QStringLiteral("Stone Size (SS)"),
                             QStringLiteral("Millimeter Range Low"), QStringLiteral("Millimeter Range High"),
                             QStringLiteral("Inch Range Low"), QStringLiteral("Inch Range High")});
  PearlGrid->SetColWidths({60, 60, 82, 82, 88, 88});
  GridRowWriter writer(*PearlGrid, GridPrefixes(GridKind::Pearl));
  for (int row = 0; row < int(PearlPlateTable.size()); ++row) writer.FillGridRow(PearlGridValues(row));
  ShowMadeLate(PearlGrid);
}

QList<TStringGrid*> TPearlPlatePage::NavigationGrids() const {
  return PearlGrid ? QList<TStringGrid*>{PearlGrid} : QList<TStringGrid*>{};
}

void TPearlPlatePage::TabSheet2Show() { PearlGrid->setFocus(); }

TStoneSizePage::TStoneSizePage(QWidget* parent) : TTabSheet(parent) {
  StonePanel = MakeChartPanel(this, 19, QStringLiteral("StonePanel"));
  MakeHeadingCell(StonePanel, 2, 1, 62, 63, QStringLiteral("Stone Size (SS)"));
  MakeHeadingCell(StonePanel, 64, 1, 202, 32, QStringLiteral("Millimeter Range"));
  MakeHeadingCell(StonePanel, 64, 32, 101, 32, QStringLiteral("Low"));
  MakeHeadingCell(StonePanel, 164, 32, 102, 32, QStringLiteral("High"));
  MakeHeadingCell(StonePanel, 266, 1, 202, 32, QStringLiteral("Inch Range"));
  MakeHeadingCell(StonePanel, 266, 32, 101, 32, QStringLiteral("Low"));
  MakeHeadingCell(StonePanel, 366, 32, 102, 32, QStringLiteral("High"));
}

void TStoneSizePage::BuildGrids() {
  if (StoneGrid) return;
  StoneGrid = MakeChartGrid(StonePanel, 5, 103, 15, QStringLiteral("StoneGrid"));
  StoneGrid->setAccessibleName(QStringLiteral("Stone size chart"));
  StoneGrid->SetColumnNames({QStringLiteral("Stone Size (SS)"), QStringLiteral("Millimeter Range Low"),
                             QStringLiteral("Millimeter Range High"), QStringLiteral("Inch Range Low"),
                             QStringLiteral("Inch Range High")});
  StoneGrid->SetColWidths({60, 100, 100, 100, 100});
  GridRowWriter writer(*StoneGrid, GridPrefixes(GridKind::Stone));
  for (int row = 0; row < int(StoneSizeTable.size()); ++row) writer.FillGridRow(StoneGridValues(row));
  ShowMadeLate(StoneGrid);
}

QList<TStringGrid*> TStoneSizePage::NavigationGrids() const {
  return StoneGrid ? QList<TStringGrid*>{StoneGrid} : QList<TStringGrid*>{};
}

void TStoneSizePage::TabSheet3Show() { StoneGrid->setFocus(); }

}  // namespace orvane
