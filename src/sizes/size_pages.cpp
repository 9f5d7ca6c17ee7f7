#include "sizes/size_pages.h"

#include <QCoreApplication>

#include "core/grid_rows.h"
#include "core/size_tables.h"
#include "widgets/bevel_panel.h"
#include "widgets/look.h"
#include "widgets/string_grid.h"

namespace orvane {

QString spokenHeading(const QString& shown) {
  // A translation may break a long word over two lines where it may.
  QString spoken = shown;
  spoken.replace(u'\n', u' ');
  spoken.remove(QChar(0x00AD));
  return spoken;
}

BevelPanel* makeHeadingCell(QWidget* parent, int left, int top, int width, int height, const QString& text) {
  auto* cell = new BevelPanel(parent);
  cell->setGeometry(left, top, width, height);
  cell->setBevels(BevelPanel::Bevel::Raised, BevelPanel::Bevel::None, 1);
  cell->setBorder(true);
  cell->setFont(makeFont(QStringLiteral("Arial"), 15));
  cell->setCaption(text);
  cell->setAccessibleName(spokenHeading(text));
  return cell;
}

namespace {

BevelPanel* makeChartPanel(QWidget* page, int top, const QString& name) {
  auto* panel = new BevelPanel(page);
  panel->setObjectName(name);
  panel->setGeometry(18, top, 489, 298);
  panel->setBevels(BevelPanel::Bevel::None, BevelPanel::Bevel::Lowered, 2);
  return panel;
}

// Read-only chart grid docked to the bottom of its panel, below the headings.
StringGrid* makeChartGrid(BevelPanel* panel, int cols, int rows, int fontPx, const QString& name) {
  auto* grid = new StringGrid(cols, rows, 0, panel);
  grid->setObjectName(name);
  grid->setGeometry(2, 298 - 2 - 232, 485, 232);
  grid->setFont(makeFont(QStringLiteral("Arial"), fontPx));
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid->setShowGrid(true);
  return grid;
}

// The sub-headings under both ranges, shared by the two charts.
QString lowHeading() {
  //: The low end of a size range (column heading under "Millimeter Range").
  return QCoreApplication::translate("SizeChartPages", "Low");
}

QString highHeading() {
  //: The high end of a size range (column heading under "Millimeter Range").
  return QCoreApplication::translate("SizeChartPages", "High");
}

}  // namespace

PearlPlateChartPage::PearlPlateChartPage(QWidget* parent) : TabPage(parent) {
  pearlHeading = makeChartPanel(this, 20, QStringLiteral("pearlHeading"));
  makeHeadingCell(pearlHeading, 2, 1, 62, 63, tr("Pearl Plate (PP)"));
  makeHeadingCell(pearlHeading, 64, 1, 60, 63, tr("Stone Size (SS)"));
  makeHeadingCell(pearlHeading, 124, 1, 167, 32, tr("Millimeter Range"));
  makeHeadingCell(pearlHeading, 124, 32, 84, 32, lowHeading());
  makeHeadingCell(pearlHeading, 207, 32, 84, 32, highHeading());
  makeHeadingCell(pearlHeading, 291, 1, 177, 32, tr("Inch Range"));
  makeHeadingCell(pearlHeading, 291, 32, 89, 32, lowHeading());
  makeHeadingCell(pearlHeading, 379, 32, 89, 32, highHeading());
}

void PearlPlateChartPage::buildGrids() {
  if (pearlGrid) return;
  pearlGrid = makeChartGrid(pearlHeading, 6, 37, 16, QStringLiteral("pearlGrid"));
  pearlGrid->setAccessibleName(tr("Pearl plate chart"));
  pearlGrid->setColumnNames({spokenHeading(tr("Pearl Plate (PP)")), spokenHeading(tr("Stone Size (SS)")),
                             tr("Millimeter Range Low"), tr("Millimeter Range High"), tr("Inch Range Low"),
                             tr("Inch Range High")});
  pearlGrid->setColWidths({60, 60, 82, 82, 88, 88});
  GridRowWriter writer(*pearlGrid, gridPrefixes(GridKind::Pearl));
  for (int row = 0; row < int(PearlPlateTable.size()); ++row) writer.fillGridRow(pearlGridValues(row));
  showMadeLate(pearlGrid);
}

QList<StringGrid*> PearlPlateChartPage::navigationGrids() const {
  return pearlGrid ? QList<StringGrid*>{pearlGrid} : QList<StringGrid*>{};
}

void PearlPlateChartPage::onPageShown() { pearlGrid->setFocus(); }

StoneSizeChartPage::StoneSizeChartPage(QWidget* parent) : TabPage(parent) {
  stoneHeading = makeChartPanel(this, 19, QStringLiteral("stoneHeading"));
  makeHeadingCell(stoneHeading, 2, 1, 62, 63, tr("Stone Size (SS)"));
  makeHeadingCell(stoneHeading, 64, 1, 202, 32, tr("Millimeter Range"));
  makeHeadingCell(stoneHeading, 64, 32, 101, 32, lowHeading());
  makeHeadingCell(stoneHeading, 164, 32, 102, 32, highHeading());
  makeHeadingCell(stoneHeading, 266, 1, 202, 32, tr("Inch Range"));
  makeHeadingCell(stoneHeading, 266, 32, 101, 32, lowHeading());
  makeHeadingCell(stoneHeading, 366, 32, 102, 32, highHeading());
}

void StoneSizeChartPage::buildGrids() {
  if (stoneGrid) return;
  stoneGrid = makeChartGrid(stoneHeading, 5, 103, 15, QStringLiteral("stoneGrid"));
  stoneGrid->setAccessibleName(tr("Stone size chart"));
  stoneGrid->setColumnNames({spokenHeading(tr("Stone Size (SS)")), tr("Millimeter Range Low"),
                             tr("Millimeter Range High"), tr("Inch Range Low"), tr("Inch Range High")});
  stoneGrid->setColWidths({60, 100, 100, 100, 100});
  GridRowWriter writer(*stoneGrid, gridPrefixes(GridKind::Stone));
  for (int row = 0; row < int(StoneSizeTable.size()); ++row) writer.fillGridRow(stoneGridValues(row));
  showMadeLate(stoneGrid);
}

QList<StringGrid*> StoneSizeChartPage::navigationGrids() const {
  return stoneGrid ? QList<StringGrid*>{stoneGrid} : QList<StringGrid*>{};
}

void StoneSizeChartPage::onPageShown() { stoneGrid->setFocus(); }

}  // namespace orvane
