#include "widgets/string_grid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

#include "core/grid_rows.h"
#include "widgets/look.h"

namespace orvane {

StringGridModel::StringGridModel(int colCount, int dataRowCount, QObject* parent)
    : QAbstractTableModel(parent),
      cols_(std::max(0, colCount)),
      rows_(std::max(0, dataRowCount)),
      cells_(qsizetype(cols_) * rows_),
      headings_(cols_) {}

int StringGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int StringGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_ || index.column() >= cols_) return {};
  if (role == Qt::DisplayRole) return shownText(index.column(), index.row());
  return {};
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= cols_) return {};
  switch (role) {
    case Qt::DisplayRole:
      return headings_[section];
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
      return {};
  }
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void StringGridModel::setShownText(int col, int dataRow, const QString& text) {
  if (col < 0 || col >= cols_ || dataRow < 0 || dataRow >= rows_) return;
  QString& cell = cells_[dataRow * cols_ + col];
  if (cell == text) return;
  cell = text;
  const QModelIndex at = index(dataRow, col);
  Q_EMIT dataChanged(at, at, {Qt::DisplayRole});
}

void StringGridModel::setRowTexts(int dataRow, QList<QString>&& texts) {
  if (dataRow < 0 || dataRow >= rows_ || cols_ == 0) return;
  const int n = std::min(cols_, int(texts.size()));
  for (int c = 0; c < n; ++c) cells_[dataRow * cols_ + c] = std::move(texts[c]);
  Q_EMIT dataChanged(index(dataRow, 0), index(dataRow, cols_ - 1), {Qt::DisplayRole});
}

void StringGridModel::setHeading(int col, const QString& text) {
  if (col < 0 || col >= cols_ || headings_[col] == text) return;
  headings_[col] = text;
  Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
}

namespace {

// The heading row has the grid's row height, so the view never needs the
// header's size hint, which measures every heading text again after each
// change of a heading or of the font.
class HeadingRow : public QHeaderView {
 public:
  explicit HeadingRow(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}
  QSize sizeHint() const override {
    if (maximumHeight() >= QWIDGETSIZE_MAX) return QHeaderView::sizeHint();
    return {length(), maximumHeight()};
  }
};

}  // namespace

StringGrid::StringGrid(int colCount, int rowCount, int fixedRows, QWidget* parent)
    : QTableView(parent),
      model_(new StringGridModel(colCount, rowCount - std::max(0, fixedRows), this)),
      fixedRows_(std::max(0, fixedRows)) {
  // Header shape settled before the model arrives, so the view lays out once.
  auto* heading = new HeadingRow(this);
  heading->setVisible(fixedRows_ > 0);
  setHorizontalHeader(heading);
  verticalHeader()->hide();
  setDefaultRowHeight(20);
  setModel(model_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setWordWrap(false);
  setTabKeyNavigation(false);
  setMouseTracking(true);
  setCornerButtonEnabled(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  heading->setSectionResizeMode(QHeaderView::Fixed);
  heading->setHighlightSections(false);
  heading->setSectionsClickable(false);
  heading->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  heading->setTextElideMode(Qt::ElideNone);
  setTextElideMode(Qt::ElideNone);
  // Cells on the window colour and the heading on the button face, whatever
  // colour the page behind the grid has.
  QPalette pal = palette();
  pal.setColor(QPalette::Base, systemColor(SysColor::Window));
  pal.setColor(QPalette::Text, systemColor(SysColor::WindowText));
  pal.setColor(QPalette::Button, systemColor(SysColor::BtnFace));
  pal.setColor(QPalette::ButtonText, systemColor(SysColor::BtnText));
  setPalette(pal);
  if (model_->rowCount() > 0 && colCount > 0) setCurrentCell(0, 0);

  // Pointer movement over any part of the grid reaches OnMouseMove, even
  // with no button held.
  for (QWidget* part :
       {static_cast<QWidget*>(this), viewport(), heading->viewport(),
        static_cast<QWidget*>(verticalScrollBar()), static_cast<QWidget*>(horizontalScrollBar())}) {
    part->setMouseTracking(true);
    part->installEventFilter(this);
  }
}

QString StringGrid::cell(int col, int row) const {
  if (col < 0 || col >= gridColumnCount() || row < 0 || row >= gridRowCount()) return {};
  return row < fixedRows_ ? model_->heading(col) : model_->shownText(col, row - fixedRows_);
}

// Cells outside the grid are ignored.
void StringGrid::setCell(int col, int row, const QString& text) {
  if (row < 0) return;
  if (row < fixedRows_)
    model_->setHeading(col, text);
  else
    model_->setShownText(col, row - fixedRows_, text);
}

void StringGrid::setColumnNames(const QStringList& names) {
  if (fixedRows_ > 0) return;  // the heading row names the columns
  for (int c = 0; c < names.size(); ++c) model_->setHeading(c, names[c]);
}

void StringGrid::setCurrentCell(int dataRow, int col) {
  const QModelIndex at = model_->index(dataRow, col);
  if (!at.isValid()) return;
  setCurrentIndex(at);
  if (!isVisible()) parkCurrentCell();
}

QModelIndex StringGrid::currentCell() const {
  if (currentIndex().isValid() || !parkedCell_.isValid()) return currentIndex();
  return parkedCell_;
}

void StringGrid::parkCurrentCell() {
  if (!currentIndex().isValid() || selectionModel() == nullptr) return;
  parkedCell_ = currentIndex();
  selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void StringGrid::hideEvent(QHideEvent* event) {
  QTableView::hideEvent(event);
  parkCurrentCell();
}

void StringGrid::showEvent(QShowEvent* event) {
  if (parkedCell_.isValid() && !currentIndex().isValid() && selectionModel() != nullptr)
    selectionModel()->setCurrentIndex(parkedCell_, QItemSelectionModel::NoUpdate);
  parkedCell_ = QPersistentModelIndex();
  QTableView::showEvent(event);
}

void StringGrid::setColWidths(std::initializer_list<int> widths) {
  setColWidths(std::span<const int>(widths.begin(), widths.size()));
}

void StringGrid::setColWidths(std::span<const int> widths) {
  const int n = std::min(gridColumnCount(), int(widths.size()));
  for (int c = 0; c < n; ++c) setColumnWidth(c, std::max(0, widths[c]));
}

void StringGrid::setDefaultRowHeight(int height) {
  height = std::max(1, height);
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(height);
  horizontalHeader()->setFixedHeight(height);
}

int StringGrid::defaultRowHeight() const { return verticalHeader()->defaultSectionSize(); }

int StringGrid::headingHeight() const { return fixedRows_ > 0 ? horizontalHeader()->maximumHeight() : 0; }

int StringGrid::gridRow() const { return currentRow() + fixedRows_; }

void StringGrid::setGridRow(int row) {
  const int col = currentColumn() < 0 ? 0 : currentColumn();
  setCurrentCell(row - fixedRows_, col);
}

int StringGrid::topRow() const { return verticalScrollBar()->value() + fixedRows_; }

void StringGrid::setTopRow(int row) { verticalScrollBar()->setValue(row - fixedRows_); }

int StringGrid::visibleRowCount() const {
  const int h = defaultRowHeight();
  return h > 0 ? std::max(1, viewport()->height() / h) : 1;
}

QRect StringGrid::dataArea() const { return viewport()->geometry(); }

QRect StringGrid::cellRect(int col, int row) const {
  if (col < 0 || col >= gridColumnCount() || row < 0 || row >= gridRowCount()) return {};
  const QPoint origin = viewport()->geometry().topLeft();
  if (row < fixedRows_) {
    const QHeaderView* heading = horizontalHeader();
    return {origin.x() + heading->sectionViewportPosition(col), origin.y() - headingHeight(),
            heading->sectionSize(col), headingHeight()};
  }
  return visualRect(model_->index(row - fixedRows_, col)).translated(origin);
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) Q_EMIT mouseMoved();
  return QTableView::eventFilter(watched, event);
}

void StringGrid::focusInEvent(QFocusEvent* event) {
  // Keep the selected row when the focus comes back; the view would otherwise
  // reset the current cell on some focus reasons.
  const int row = currentRow(), col = currentColumn();
  QTableView::focusInEvent(event);
  if (row >= 0 && (currentRow() != row || currentColumn() != col)) setCurrentCell(row, col);
}

void showMadeLate(QWidget* widget) {
  widget->show();
  QWidget* parent = widget->parentWidget();
  if (!parent) return;
  for (QWidget* before = parent->previousInFocusChain();
       before && before != widget && before != parent->window(); before = before->previousInFocusChain()) {
    if (before->focusPolicy() & Qt::TabFocus && !parent->isAncestorOf(before)) {
      QWidget::setTabOrder(before, widget);
      return;
    }
  }
}

void navigateGrid(StringGrid& grid, GridNavigation step) {
  const int first = grid.fixedRows();
  const int last = grid.gridRowCount() - 1;
  if (last < first) return;
  int r = grid.gridRow() < first ? first : grid.gridRow();
  switch (step) {
    case GridNavigation::First:
      r = first;
      break;
    case GridNavigation::Prior:
      if (r > first) --r;
      break;
    case GridNavigation::Next:
      if (r < last) ++r;
      break;
    case GridNavigation::Last:
      r = last;
      break;
  }
  const int top = grid.topRow();
  const int visible = grid.visibleRowCount();
  grid.setGridRow(r);
  // The view scrolls on its own to show the current cell; put the top row
  // where the rule wants it.
  int newTop = top;
  if (r < top)
    newTop = r;
  else if (top + visible - 1 < r)
    newTop = r - visible + 1;
  grid.setTopRow(newTop);
}

GridRowWriter::GridRowWriter(StringGrid& grid, std::span<const int> prefixes)
    : grid_(grid), prefixes_(prefixes), row_(grid.fixedRows()) {}

void GridRowWriter::fillGridRow(const QStringList& values) {
  QList<QString> texts;
  texts.reserve(grid_.gridColumnCount());
  for (int c = 0; c < grid_.gridColumnCount(); ++c) {
    const int prefix = c < int(prefixes_.size()) ? prefixes_[c] : 0;
    texts.append(gridCellText(prefix, c < values.size() ? values[c] : QString()));
  }
  if (row_ >= grid_.fixedRows()) grid_.model_->setRowTexts(row_ - grid_.fixedRows(), std::move(texts));
  ++row_;
}

}  // namespace orvane
