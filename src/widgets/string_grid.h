#pragma once

#include <QStringList>
#include <QTableWidget>
#include <functional>
#include <span>

namespace orvane {

// A read-only text grid with whole-row selection, addressed as the charts
// describe it: cells by (column, row), where rows below FixedRows are the
// heading, which is drawn in the heading style and never scrolls away.
class TStringGrid : public QTableWidget {
  Q_OBJECT
 public:
  TStringGrid(int colCount, int rowCount, int fixedRows, QWidget* parent = nullptr);

  int ColCount() const { return columnCount(); }
  int RowCount() const { return rowCount() + fixedRows_; }
  int FixedRows() const { return fixedRows_; }
  // The first row below the heading, and the last row of the grid.
  int FirstDataRow() const { return fixedRows_; }
  int LastRow() const { return RowCount() - 1; }

  QString Cell(int col, int row) const;
  void SetCell(int col, int row, const QString& text);
  void SetColWidths(std::initializer_list<int> widths);
  void SetColWidths(std::span<const int> widths);
  void SetDefaultRowHeight(int height);

  // The selected row and the top visible data row, in grid rows.
  int Row() const;
  void SetRow(int row);
  int TopRow() const;
  void SetTopRow(int row);
  // Data rows that fit wholly in the visible area.
  int VisibleRowCount() const;

  // The pointer moved anywhere over the grid: cells, heading row or scroll
  // bars, with or without a button held.
  std::function<void()> OnMouseMove;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  int fixedRows_;
};

enum class GridNavigation { First, Prior, Next, Last };

// Moves a grid's selected row for the First / Prior / Next / Last buttons,
// scrolling only as far as needed to keep it in sight.
void NavigateGrid(TStringGrid& grid, GridNavigation step);

// Writes the next row of a reference grid: the counter names the row and
// moves on by one; each cell is its column's prefix spaces and the value.
class GridRowWriter {
 public:
  GridRowWriter(TStringGrid& grid, std::span<const int> prefixes);
  void FillGridRow(const QStringList& values);
  int RowCounter() const { return row_; }

 private:
  TStringGrid& grid_;
  std::span<const int> prefixes_;
  int row_;
};

}  // namespace orvane
