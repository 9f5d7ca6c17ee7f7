#pragma once

#include <QBasicTimer>
#include <QFrame>
#include <QList>
#include <QStringList>
#include <functional>
#include <span>

class QScrollBar;

namespace orvane {

// A read-only text grid with whole-row selection, addressed as the charts
// describe it: cells by (column, row), where rows below FixedRows are the
// heading, which is drawn in the heading style and never scrolls away.
//
// Every chart is built and filled at start-up, so the grid is one painted
// widget with two scroll bars: the texts sit in one flat list, and the rows,
// heading and selection are drawn by the style as a table view would draw
// them, without an item model, views or per-cell objects.
class TStringGrid : public QFrame {
  Q_OBJECT
 public:
  TStringGrid(int colCount, int rowCount, int fixedRows, QWidget* parent = nullptr);

  int ColCount() const { return cols_; }
  int RowCount() const { return dataRows_ + fixedRows_; }
  int FixedRows() const { return fixedRows_; }
  // The first row below the heading, and the last row of the grid.
  int FirstDataRow() const { return fixedRows_; }
  int LastRow() const { return RowCount() - 1; }

  QString Cell(int col, int row) const;
  void SetCell(int col, int row, const QString& text);
  void SetColWidths(std::initializer_list<int> widths);
  void SetColWidths(std::span<const int> widths);
  void SetDefaultRowHeight(int height);

  int columnWidth(int col) const { return col >= 0 && col < cols_ ? widths_[col] : 0; }
  int RowHeight() const { return rowHeight_; }
  // The heading row's height: 0 for a grid without one.
  int HeadingHeight() const { return fixedRows_ > 0 ? rowHeight_ : 0; }

  // The selected row and the top visible data row, in grid rows.
  int Row() const;
  void SetRow(int row);
  int TopRow() const;
  void SetTopRow(int row);
  // Data rows that fit wholly in the visible area.
  int VisibleRowCount() const;

  // The current cell in data rows (the heading row not counted), as item
  // views usually name it; -1 when there is none.
  int currentRow() const { return currentRow_; }
  int currentColumn() const { return currentRow_ < 0 ? -1 : currentCol_; }
  void setCurrentCell(int dataRow, int col);

  // Where the data rows are shown, and where a cell is drawn, in the grid's
  // own coordinates (a cell scrolled away lies outside the data area).
  QRect DataArea() const;
  QRect CellRect(int col, int row) const;
  // The selected row's texts, each after its heading, for screen readers.
  QString SelectedRowText() const;

  void setShowGrid(bool show);
  bool showGrid() const { return showGrid_; }
  void setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy);
  void setHorizontalScrollBarPolicy(Qt::ScrollBarPolicy policy);
  QScrollBar* verticalScrollBar() const {
    EnsureLayout();
    return vbar_;
  }
  QScrollBar* horizontalScrollBar() const {
    EnsureLayout();
    return hbar_;
  }

  // The pointer moved anywhere over the grid: cells, heading row or scroll
  // bars, with or without a button held.
  std::function<void()> OnMouseMove;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  friend class GridRowWriter;
  void Relayout();
  void InvalidateLayout();
  void EnsureLayout() const;
  // Pixels of data rows scrolled above the data area.
  int VerticalOffset() const;
  // The data row and column under a point in the data area, or -1.
  int DataRowAt(int y) const;
  int ColumnAt(int x) const;
  int ColumnLeft(int col) const;
  int ContentWidth() const;
  void ScrollToCurrent();
  void CurrentChanged(int oldRow);
  void PaintHeading(QPainter& painter, const QRect& heading);
  void PaintCells(QPainter& painter, const QRect& dirty);

  int cols_;
  int dataRows_;
  int fixedRows_;
  int rowHeight_ = 20;
  int currentRow_ = -1;
  int currentCol_ = 0;
  bool showGrid_ = true;
  bool layoutDirty_ = true;
  bool pressedInData_ = false;
  int pressedRow_ = -1;
  int pressedCol_ = -1;
  QBasicTimer delayedScroll_;
  Qt::ScrollBarPolicy vPolicy_ = Qt::ScrollBarAsNeeded;
  Qt::ScrollBarPolicy hPolicy_ = Qt::ScrollBarAsNeeded;
  QSize laidOutSize_;
  QRect dataArea_;
  QRect corner_;
  QList<int> widths_;
  QList<QString> cells_;
  QList<QString> headings_;
  QScrollBar* vbar_;
  QScrollBar* hbar_;
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
