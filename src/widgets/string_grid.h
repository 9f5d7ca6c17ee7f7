#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QTableView>
#include <span>

namespace orvane {

// The texts of a string grid: the data cells in one flat list, row after row,
// and the headings as the model's column headers. One allocation per grid
// instead of one item object per cell.
class StringGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  StringGridModel(int colCount, int dataRowCount, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  const QString& shownText(int col, int dataRow) const { return cells_[dataRow * cols_ + col]; }
  const QString& heading(int col) const { return headings_[col]; }
  void setShownText(int col, int dataRow, const QString& text);
  // A whole data row at once, with one change notice for the row.
  void setRowTexts(int dataRow, QList<QString>&& texts);
  void setHeading(int col, const QString& text);

 private:
  int cols_;
  int rows_;
  QList<QString> cells_;
  QList<QString> headings_;
};

// A read-only text grid with whole-row selection, addressed as the charts
// describe it: cells by (column, row), where rows below fixedRows are the
// heading, shown as the table's header, which never scrolls away.
class StringGrid : public QTableView {
  Q_OBJECT
 public:
  StringGrid(int colCount, int rowCount, int fixedRows, QWidget* parent = nullptr);

  int gridColumnCount() const { return model_->columnCount(); }
  int gridRowCount() const { return model_->rowCount() + fixedRows_; }
  int fixedRows() const { return fixedRows_; }
  // The first row below the heading, and the last row of the grid.
  int firstDataRow() const { return fixedRows_; }
  int lastRow() const { return gridRowCount() - 1; }

  QString cell(int col, int row) const;
  void setCell(int col, int row, const QString& text);
  // Column headings a screen reader announces for a grid whose headings are
  // drawn outside it, above the grid; the grid shows no heading row for them.
  void setColumnNames(const QStringList& names);
  void setColWidths(std::initializer_list<int> widths);
  void setColWidths(std::span<const int> widths);
  void setDefaultRowHeight(int height);

  int defaultRowHeight() const;
  // The heading row's height: 0 for a grid without one.
  int headingHeight() const;

  // The selected row and the top visible data row, in grid rows.
  int gridRow() const;
  void setGridRow(int row);
  int topRow() const;
  void setTopRow(int row);
  // Data rows that fit wholly in the visible area.
  int visibleRowCount() const;

  // The current cell in data rows (the heading row not counted), as item
  // views name it; -1 when there is none.
  int currentRow() const { return currentCell().row(); }
  int currentColumn() const { return currentCell().column(); }
  void setCurrentCell(int dataRow, int col);

  // Where the data rows are shown, and where a cell is drawn, in the grid's
  // own coordinates (a cell scrolled away lies outside the data area).
  QRect dataArea() const;
  QRect cellRect(int col, int row) const;

 Q_SIGNALS:
  // The pointer moved anywhere over the grid: cells, heading row or scroll
  // bars, with or without a button held.
  void mouseMoved();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  friend class GridRowWriter;
  // Qt tells screen readers that a table's current cell has the focus, in
  // sight or not: a hidden grid puts its current cell aside (the selection
  // stays) and takes it back when shown.
  QModelIndex currentCell() const;
  void parkCurrentCell();
  QPersistentModelIndex parkedCell_;
  StringGridModel* model_;
  int fixedRows_;
};

// Shows a widget made after the rest of its window (a grid made when its page
// is first shown) with its parent, and puts it where it would stand in the tab
// order had it been made with the parent: after the last focusable widget that
// comes before the parent.
void showMadeLate(QWidget* widget);

enum class GridNavigation { First, Prior, Next, Last };

// Moves a grid's selected row for the First / Prior / Next / Last buttons,
// scrolling only as far as needed to keep it in sight.
void navigateGrid(StringGrid& grid, GridNavigation step);

// Writes the next row of a reference grid: the counter names the row and
// moves on by one; each cell is its column's prefix spaces and the value.
class GridRowWriter {
 public:
  GridRowWriter(StringGrid& grid, std::span<const int> prefixes);
  void fillGridRow(const QStringList& values);
  int rowCounter() const { return row_; }

 private:
  StringGrid& grid_;
  std::span<const int> prefixes_;
  int row_;
};

}  // namespace orvane
