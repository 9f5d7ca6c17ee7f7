#include "sizes/size_pages.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>

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

constexpr int kPanelHeight = 298;

BevelPanel* makeChartPanel(QWidget* page, int top, const QString& name) {
  auto* panel = new BevelPanel(page);
  panel->setObjectName(name);
  panel->setGeometry(18, top, 489, kPanelHeight);
  panel->setBevels(BevelPanel::Bevel::None, BevelPanel::Bevel::Lowered, 2);
  return panel;
}

constexpr int kHeadingRowHeight = 32;

enum class HeadingRow { Top, Bottom, Both };
struct HeadingCell {
  int left;
  int width;
  HeadingRow row;
  QString text;
};

// Lays the heading cells out in two rows of 32 px that share a border line,
// a row taller where a caption in a longer language needs more lines.
// Returns where the grid below them starts.
int placeHeadingCells(BevelPanel* panel, const QList<HeadingCell>& cells) {
  const QFontMetrics metrics(makeFont(QStringLiteral("Arial"), 15));
  const auto needs = [&metrics](const HeadingCell& cell) {
    // Inside its border and bevel, a pixel each side.
    const QRect inside(0, 0, cell.width - 4, 10000);
    return metrics.boundingRect(inside, Qt::AlignCenter | Qt::TextWordWrap, cell.text).height() + 4;
  };
  int top = kHeadingRowHeight, bottom = kHeadingRowHeight;
  for (const HeadingCell& cell : cells) {
    if (cell.row == HeadingRow::Top) top = std::max(top, needs(cell));
    if (cell.row == HeadingRow::Bottom) bottom = std::max(bottom, needs(cell));
  }
  for (const HeadingCell& cell : cells) {
    const int more = cell.row == HeadingRow::Both ? needs(cell) - (top + bottom - 1) : 0;
    if (more <= 0) continue;
    top += more / 2;
    bottom += more - more / 2;
  }
  for (const HeadingCell& cell : cells) {
    const int y = cell.row == HeadingRow::Bottom ? top : 1;
    const int height = cell.row == HeadingRow::Top      ? top
                       : cell.row == HeadingRow::Bottom ? bottom
                                                        : top + bottom - 1;
    makeHeadingCell(panel, cell.left, y, cell.width, height, cell.text);
  }
  return top + bottom;
}

// Read-only chart grid docked to the bottom of its panel, below the headings.
StringGrid* makeChartGrid(BevelPanel* panel, int top, int cols, int rows, int fontPx, const QString& name) {
  auto* grid = new StringGrid(cols, rows, 0, panel);
  grid->setObjectName(name);
  grid->setGeometry(2, top, 485, kPanelHeight - 2 - top);
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
  gridTop_ = placeHeadingCells(pearlHeading, {{2, 62, HeadingRow::Both, tr("Pearl Plate (PP)")},
                                              {64, 60, HeadingRow::Both, tr("Stone Size (SS)")},
                                              {124, 167, HeadingRow::Top, tr("Millimeter Range")},
                                              {124, 84, HeadingRow::Bottom, lowHeading()},
                                              {207, 84, HeadingRow::Bottom, highHeading()},
                                              {291, 177, HeadingRow::Top, tr("Inch Range")},
                                              {291, 89, HeadingRow::Bottom, lowHeading()},
                                              {379, 89, HeadingRow::Bottom, highHeading()}});
}

void PearlPlateChartPage::buildGrids() {
  if (pearlGrid) return;
  pearlGrid = makeChartGrid(pearlHeading, gridTop_, 6, 37, 16, QStringLiteral("pearlGrid"));
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
  gridTop_ = placeHeadingCells(stoneHeading, {{2, 62, HeadingRow::Both, tr("Stone Size (SS)")},
                                              {64, 202, HeadingRow::Top, tr("Millimeter Range")},
                                              {64, 101, HeadingRow::Bottom, lowHeading()},
                                              {164, 102, HeadingRow::Bottom, highHeading()},
                                              {266, 202, HeadingRow::Top, tr("Inch Range")},
                                              {266, 101, HeadingRow::Bottom, lowHeading()},
                                              {366, 102, HeadingRow::Bottom, highHeading()}});
}

void StoneSizeChartPage::buildGrids() {
  if (stoneGrid) return;
  stoneGrid = makeChartGrid(stoneHeading, gridTop_, 5, 103, 15, QStringLiteral("stoneGrid"));
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
