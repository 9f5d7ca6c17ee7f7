#include "widgets/string_grid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>

#include "sizes/grid_rows.h"
#include "widgets/look.h"

namespace orvane {

namespace {

// A column the caller gave no width: a table heading's usual section size.
constexpr int kDefaultColumnWidth = 100;

// Screen readers hear the selected row, told cell by cell under its heading,
// as the grid's description.
class GridAccessible : public QAccessibleWidget {
 public:
  explicit GridAccessible(TStringGrid* grid) : QAccessibleWidget(grid) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
      return static_cast<const TStringGrid*>(widget())->SelectedRowText();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* MakeGridAccessible(const QString& key, QObject* object) {
  if (key == QLatin1String(TStringGrid::staticMetaObject.className()))
    return new GridAccessible(static_cast<TStringGrid*>(object));
  return nullptr;
}

}  // namespace

TStringGrid::TStringGrid(int colCount, int rowCount, int fixedRows, QWidget* parent)
    : QFrame(parent),
      cols_(std::max(0, colCount)),
      dataRows_(std::max(0, rowCount - fixedRows)),
      fixedRows_(std::max(0, fixedRows)),
      widths_(cols_, kDefaultColumnWidth),
      cells_(qsizetype(cols_) * dataRows_),
      headings_(cols_) {
  // Once for all grids.
  static const bool accessibleInstalled = (QAccessible::installFactory(MakeGridAccessible), true);
  Q_UNUSED(accessibleInstalled);
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  // Cells on the window colour and the heading on the button face, whatever
  // colour the page behind the grid has. Set before the scroll bars exist, so
  // nothing has to pass it on to them.
  QPalette pal = palette();
  pal.setColor(QPalette::Base, SystemColor(SysColor::Window));
  pal.setColor(QPalette::Text, SystemColor(SysColor::WindowText));
  pal.setColor(QPalette::Button, SystemColor(SysColor::BtnFace));
  pal.setColor(QPalette::ButtonText, SystemColor(SysColor::BtnText));
  setPalette(pal);

  vbar_ = new QScrollBar(Qt::Vertical, this);
  hbar_ = new QScrollBar(Qt::Horizontal, this);
  for (QScrollBar* bar : {vbar_, hbar_}) {
    bar->hide();
    bar->setRange(0, 0);
    // Pointer movement over the bars reaches OnMouseMove too.
    bar->setMouseTracking(true);
    bar->installEventFilter(this);
    // Scrolled by hand, the grid no longer brings a pressed row into sight.
    connect(bar, &QScrollBar::valueChanged, this, [this] {
      delayedScroll_.stop();
      update();
    });
  }
  if (dataRows_ > 0 && cols_ > 0) currentRow_ = 0;
}

QString TStringGrid::Cell(int col, int row) const {
  if (col < 0 || col >= cols_ || row < 0 || row >= RowCount()) return {};
  return row < fixedRows_ ? headings_[col] : cells_[(row - fixedRows_) * cols_ + col];
}

// Cells outside the grid are ignored.
void TStringGrid::SetCell(int col, int row, const QString& text) {
  if (col < 0 || col >= cols_ || row < 0 || row >= RowCount()) return;
  QString& cell = row < fixedRows_ ? headings_[col] : cells_[(row - fixedRows_) * cols_ + col];
  if (cell == text) return;
  cell = text;
  update();
}

void TStringGrid::SetColWidths(std::initializer_list<int> widths) {
  SetColWidths(std::span<const int>(widths.begin(), widths.size()));
}

void TStringGrid::SetColWidths(std::span<const int> widths) {
  const int n = std::min(cols_, int(widths.size()));
  for (int c = 0; c < n; ++c) widths_[c] = std::max(0, widths[c]);
  InvalidateLayout();
}

void TStringGrid::SetDefaultRowHeight(int height) {
  rowHeight_ = std::max(1, height);
  InvalidateLayout();
}

void TStringGrid::setShowGrid(bool show) {
  showGrid_ = show;
  update();
}

void TStringGrid::setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy) {
  vPolicy_ = policy;
  InvalidateLayout();
}

void TStringGrid::setHorizontalScrollBarPolicy(Qt::ScrollBarPolicy policy) {
  hPolicy_ = policy;
  InvalidateLayout();
}

int TStringGrid::Row() const { return currentRow_ + fixedRows_; }

void TStringGrid::SetRow(int row) { setCurrentCell(row - fixedRows_, currentCol_); }

void TStringGrid::setCurrentCell(int dataRow, int col) {
  if (dataRow < 0 || dataRow >= dataRows_ || col < 0 || col >= cols_) return;
  const int oldRow = currentRow_;
  if (dataRow == currentRow_ && col == currentCol_) return;
  currentRow_ = dataRow;
  currentCol_ = col;
  ScrollToCurrent();
  CurrentChanged(oldRow);
}

void TStringGrid::CurrentChanged(int oldRow) {
  update();
  if (oldRow != currentRow_ && QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
}

int TStringGrid::TopRow() const {
  EnsureLayout();
  return vbar_->value() + fixedRows_;
}

void TStringGrid::SetTopRow(int row) {
  EnsureLayout();
  vbar_->setValue(row - fixedRows_);
}

int TStringGrid::VisibleRowCount() const {
  EnsureLayout();
  return std::max(1, dataArea_.height() / rowHeight_);
}

QRect TStringGrid::DataArea() const {
  EnsureLayout();
  return dataArea_;
}

QRect TStringGrid::CellRect(int col, int row) const {
  if (col < 0 || col >= cols_ || row < 0 || row >= RowCount()) return {};
  EnsureLayout();
  const int x = dataArea_.left() + ColumnLeft(col) - hbar_->value();
  if (row < fixedRows_) return {x, dataArea_.top() - HeadingHeight(), widths_[col], HeadingHeight()};
  const int y = dataArea_.top() + (row - fixedRows_) * rowHeight_ - VerticalOffset();
  const int line = showGrid_ ? 1 : 0;
  return {x, y, widths_[col] - line, rowHeight_ - line};
}

QString TStringGrid::SelectedRowText() const {
  if (currentRow_ < 0) return {};
  QStringList parts;
  for (int c = 0; c < cols_; ++c) {
    const QString value = cells_[currentRow_ * cols_ + c].trimmed();
    const QString heading = fixedRows_ > 0 ? headings_[c].trimmed() : QString();
    parts << (heading.isEmpty() ? value : heading + u' ' + value);
  }
  return parts.join(QStringLiteral(", "));
}

int TStringGrid::ColumnLeft(int col) const {
  int x = 0;
  for (int c = 0; c < col; ++c) x += widths_[c];
  return x;
}

int TStringGrid::ContentWidth() const { return ColumnLeft(cols_); }

// Rows scroll a whole row at a time, except that at the end of the range the
// last row sits on the bottom edge, as in a table view.
int TStringGrid::VerticalOffset() const {
  EnsureLayout();
  const int value = vbar_->value();
  if (value > 0 && value == vbar_->maximum())
    return std::max(0, dataRows_ * rowHeight_ - dataArea_.height());
  return value * rowHeight_;
}

int TStringGrid::DataRowAt(int y) const {
  const int pos = y - dataArea_.top() + VerticalOffset();
  if (pos < 0) return -1;
  const int row = pos / rowHeight_;
  return row < dataRows_ ? row : -1;
}

int TStringGrid::ColumnAt(int x) const {
  int pos = x - dataArea_.left() + hbar_->value();
  if (pos < 0) return -1;
  for (int c = 0; c < cols_; ++c) {
    if (pos < widths_[c]) return c;
    pos -= widths_[c];
  }
  return -1;
}

// A hidden grid, as most are while the program starts, lays itself out only
// when shown or asked about its rows.
void TStringGrid::InvalidateLayout() {
  layoutDirty_ = true;
  if (isVisible()) Relayout();
  update();
}

void TStringGrid::EnsureLayout() const {
  if (layoutDirty_ || laidOutSize_ != size()) const_cast<TStringGrid*>(this)->Relayout();
}

// Places the scroll bars as a scroll area would: inside the frame, the
// vertical one beside the heading row too, each shown when its policy says so
// or, as needed, when the rows or columns do not fit.
void TStringGrid::Relayout() {
  layoutDirty_ = false;
  laidOutSize_ = size();
  const QRect area = contentsRect();
  const int heading = HeadingHeight();
  const int contentWidth = ContentWidth();
  const int vExtent = vbar_->sizeHint().width();
  const int hExtent = hbar_->sizeHint().height();
  bool v = vPolicy_ == Qt::ScrollBarAlwaysOn, h = hPolicy_ == Qt::ScrollBarAlwaysOn;
  // One bar taking room can make the other needed; two rounds settle it.
  for (int round = 0; round < 2; ++round) {
    const int width = area.width() - (v ? vExtent : 0);
    const int height = area.height() - (h ? hExtent : 0) - heading;
    if (vPolicy_ == Qt::ScrollBarAsNeeded) v = v || dataRows_ * rowHeight_ > height;
    if (hPolicy_ == Qt::ScrollBarAsNeeded) h = h || contentWidth > width;
  }
  const int width = std::max(0, area.width() - (v ? vExtent : 0));
  const int height = std::max(0, area.height() - (h ? hExtent : 0) - heading);
  dataArea_ = QRect(area.left(), area.top() + heading, width, height);
  corner_ = v && h ? QRect(area.left() + width, area.top() + heading + height, vExtent, hExtent) : QRect();

  const int rowsInView = std::max(1, height / rowHeight_);
  vbar_->setRange(0, std::max(0, dataRows_ - rowsInView));
  vbar_->setPageStep(rowsInView);
  vbar_->setSingleStep(1);
  int columnsInView = 0;
  for (int c = cols_ - 1, used = 0; c >= 0; --c) {
    used += widths_[c];
    if (used > width) break;
    ++columnsInView;
  }
  hbar_->setRange(0, std::max(0, contentWidth - width));
  hbar_->setPageStep(width);
  hbar_->setSingleStep(std::max(width / (columnsInView + 1), 2));

  if (v) vbar_->setGeometry(area.left() + width, area.top(), vExtent, area.height() - (h ? hExtent : 0));
  if (h) hbar_->setGeometry(area.left(), area.top() + heading + height, width, hExtent);
  vbar_->setVisible(v);
  hbar_->setVisible(h);
}

// Scrolls just far enough to show the current cell: its row wholly, and its
// column from the left edge when it is wider than the view.
void TStringGrid::ScrollToCurrent() {
  if (currentRow_ < 0) return;
  EnsureLayout();
  const int viewHeight = dataArea_.height();
  const int top = currentRow_ * rowHeight_ - VerticalOffset();
  if (top < 0 || rowHeight_ > viewHeight)
    vbar_->setValue(currentRow_);
  else if (top + rowHeight_ > viewHeight)
    vbar_->setValue(currentRow_ - std::max(1, viewHeight / rowHeight_) + 1);
  const int viewWidth = dataArea_.width();
  const int left = ColumnLeft(currentCol_);
  const int cellWidth = widths_[currentCol_];
  if (left - hbar_->value() < 0 || cellWidth > viewWidth)
    hbar_->setValue(left);
  else if (left - hbar_->value() + cellWidth > viewWidth)
    hbar_->setValue(left - viewWidth + cellWidth);
}

bool TStringGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove && OnMouseMove) OnMouseMove();
  return QFrame::eventFilter(watched, event);
}

void TStringGrid::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  Relayout();
}

bool TStringGrid::event(QEvent* event) {
  const bool handled = QFrame::event(event);
  switch (event->type()) {
    case QEvent::Show:
      EnsureLayout();
      break;
    case QEvent::StyleChange:
      // After the frame has taken the new style's width.
      InvalidateLayout();
      break;
    case QEvent::FocusIn:  // the selected row has other colours without the focus
    case QEvent::FocusOut:
    case QEvent::ActivationChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::EnabledChange:
      update();
      break;
    default:
      break;
  }
  return handled;
}

// The keys of a table view with whole-row selection: Up/Down, PageUp/PageDown
// and Ctrl+Home/Ctrl+End move the row, Left/Right, Home/End the column. A key
// that moves nothing goes on to the parent.
void TStringGrid::keyPressEvent(QKeyEvent* event) {
  if (event == QKeySequence::Copy) {
    if (currentRow_ >= 0) QGuiApplication::clipboard()->setText(cells_[currentRow_ * cols_ + currentCol_]);
    event->accept();
    return;
  }
  if (currentRow_ < 0) {
    QFrame::keyPressEvent(event);
    return;
  }
  EnsureLayout();
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  const int line = showGrid_ ? 1 : 0;
  int row = currentRow_, col = currentCol_;
  switch (event->key()) {
    case Qt::Key_Up:
      row = std::max(0, row - 1);
      break;
    case Qt::Key_Down:
      row = std::min(dataRows_ - 1, row + 1);
      break;
    case Qt::Key_Left:
      col = std::max(0, col - 1);
      break;
    case Qt::Key_Right:
      col = std::min(cols_ - 1, col + 1);
      break;
    case Qt::Key_PageUp: {
      // The row a page above the current row's bottom edge.
      const int pos = row * rowHeight_ + rowHeight_ - 1 - line - dataArea_.height();
      row = pos < 0 ? 0 : pos / rowHeight_;
      break;
    }
    case Qt::Key_PageDown: {
      const int pos = row * rowHeight_ + dataArea_.height();
      row = std::min(dataRows_ - 1, pos / rowHeight_);
      break;
    }
    case Qt::Key_Home:
      col = 0;
      if (ctrl) row = 0;
      break;
    case Qt::Key_End:
      col = cols_ - 1;
      if (ctrl) row = dataRows_ - 1;
      break;
    default:
      QFrame::keyPressEvent(event);
      return;
  }
  if (row == currentRow_ && col == currentCol_) {
    event->ignore();
    return;
  }
  setCurrentCell(row, col);
  event->accept();
}

// Any button selects the row under the pointer; the focus comes with the
// click. A row cut by the edge comes wholly into sight only after a pause
// long enough to tell a double click, as in a table view.
void TStringGrid::mousePressEvent(QMouseEvent* event) {
  EnsureLayout();
  const QPoint at = event->position().toPoint();
  pressedInData_ = dataArea_.contains(at);
  if (!pressedInData_) return;
  const int row = DataRowAt(at.y()), col = ColumnAt(at.x());
  if (row < 0 || col < 0) return;
  if (row != currentRow_ || col != currentCol_) {
    const int oldRow = currentRow_;
    currentRow_ = row;
    currentCol_ = col;
    CurrentChanged(oldRow);
  }
  pressedRow_ = row;
  pressedCol_ = col;
  delayedScroll_.start(QApplication::doubleClickInterval() + 100, this);
}

void TStringGrid::timerEvent(QTimerEvent* event) {
  if (event->timerId() != delayedScroll_.timerId()) {
    QFrame::timerEvent(event);
    return;
  }
  delayedScroll_.stop();
  if (pressedRow_ == currentRow_ && pressedCol_ == currentCol_) ScrollToCurrent();
}

void TStringGrid::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove();
  // Dragging with the left button from a row carries the selection along,
  // also onto rows out of sight beyond the edges, which then scroll in.
  if (!(event->buttons() & Qt::LeftButton) || !pressedInData_) return;
  EnsureLayout();
  const QPoint at = event->position().toPoint();
  const int row = DataRowAt(at.y()), col = ColumnAt(at.x());
  if (row >= 0 && col >= 0) setCurrentCell(row, col);
}

// Whole rows per wheel step, as many as the desktop asks for, through the
// scroll bar as in a scroll area.
void TStringGrid::wheelEvent(QWheelEvent* event) {
  const QPoint delta = event->angleDelta();
  QScrollBar* bar = std::abs(delta.x()) > std::abs(delta.y()) ? hbar_ : vbar_;
  EnsureLayout();
  QCoreApplication::sendEvent(bar, event);
}

void TStringGrid::paintEvent(QPaintEvent* event) {
  EnsureLayout();
  QPainter painter(this);
  if (corner_.isValid()) {
    QStyleOption option;
    option.initFrom(this);
    option.rect = corner_;
    style()->drawPrimitive(QStyle::PE_PanelScrollAreaCorner, &option, &painter, this);
  }
  drawFrame(&painter);
  const QRect dirty = event->rect();
  if (HeadingHeight() > 0) {
    const QRect heading(dataArea_.left(), dataArea_.top() - HeadingHeight(), dataArea_.width(), HeadingHeight());
    if (heading.intersects(dirty)) PaintHeading(painter, heading);
  }
  if (dataArea_.intersects(dirty)) PaintCells(painter, dataArea_ & dirty);
}

// Each heading as a table heading section; the room to the right of the last
// one as a heading's empty area.
void TStringGrid::PaintHeading(QPainter& painter, const QRect& heading) {
  painter.save();
  painter.translate(heading.topLeft());
  const QRect area(QPoint(0, 0), heading.size());
  painter.setClipRect(area);
  QStyleOptionHeader base;
  base.initFrom(this);
  base.state = QStyle::State_None | QStyle::State_Raised | QStyle::State_Horizontal;
  if (isEnabled()) base.state |= QStyle::State_Enabled;
  base.orientation = Qt::Horizontal;
  base.section = 0;
  QStyleOptionHeader option = base;
  if (window()->isActiveWindow()) option.state |= QStyle::State_Active;
  option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  option.iconAlignment = Qt::AlignVCenter;
  option.selectedPosition = QStyleOptionHeader::NotAdjacent;
  int x = area.left() - hbar_->value();
  for (int c = 0; c < cols_; ++c) {
    const int w = widths_[c];
    if (x + w > area.left() && x <= area.right() && w > 0) {
      option.rect = QRect(x, area.top(), w, area.height());
      option.section = c;
      option.text = headings_[c];
      option.position = cols_ == 1  ? QStyleOptionHeader::OnlyOneSection
                        : c == 0    ? QStyleOptionHeader::Beginning
                        : c == cols_ - 1 ? QStyleOptionHeader::End
                                         : QStyleOptionHeader::Middle;
      style()->drawControl(QStyle::CE_Header, &option, &painter, this);
    }
    x += w;
  }
  if (x <= area.right()) {
    base.rect = QRect(x, area.top(), area.right() - x + 1, area.height());
    style()->drawControl(QStyle::CE_HeaderEmptyArea, &base, &painter, this);
  }
  painter.restore();
}

// The data rows drawn as a table view's item delegate draws them, then the
// grid lines over the rows and columns there are.
void TStringGrid::PaintCells(QPainter& painter, const QRect& dirty) {
  painter.save();
  // Drawn from the data area's corner, as a view draws on its viewport, so
  // that smoothed edges fall on the same pixels.
  painter.translate(dataArea_.topLeft());
  const QRect area = dirty.translated(-dataArea_.topLeft());
  painter.setClipRect(area);
  painter.fillRect(area, palette().brush(QPalette::Base));
  const int line = showGrid_ ? 1 : 0;
  const int offsetY = VerticalOffset(), offsetX = hbar_->value();
  const int first = std::max(0, (area.top() + offsetY) / rowHeight_);
  const int last = std::min(dataRows_ - 1, (area.bottom() + offsetY) / rowHeight_);

  QStyleOptionViewItem base;
  base.initFrom(this);
  base.state &= ~QStyle::State_MouseOver;
  base.font = font();
  base.fontMetrics = QFontMetrics(base.font);
  if (!hasFocus()) base.state &= ~QStyle::State_Active;
  base.state &= ~QStyle::State_HasFocus;
  const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
  base.decorationSize = QSize(icon, icon);
  base.decorationPosition = QStyleOptionViewItem::Left;
  base.decorationAlignment = Qt::AlignCenter;
  base.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  base.textElideMode = Qt::ElideNone;
  base.showDecorationSelected = true;
  base.features = QStyleOptionViewItem::HasDisplay;
  base.locale = locale();
  base.locale.setNumberOptions(QLocale::OmitGroupSeparator);
  base.widget = this;
  if (base.state & QStyle::State_Enabled) base.palette.setCurrentColorGroup(QPalette::Normal);

  for (int row = first; row <= last; ++row) {
    const int y = row * rowHeight_ - offsetY;
    int x = -offsetX;
    for (int c = 0; c < cols_; ++c) {
      const int w = widths_[c];
      if (x + w > area.left() && x <= area.right() && w > 0) {
        QStyleOptionViewItem option = base;
        option.rect = QRect(x, y, w - line, rowHeight_ - line);
        option.text = cells_[row * cols_ + c];
        if (row == currentRow_) {
          option.state |= QStyle::State_Selected;
          if (c == currentCol_ && hasFocus()) option.state |= QStyle::State_HasFocus;
        }
        style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &option, &painter, this);
        style()->drawControl(QStyle::CE_ItemViewItem, &option, &painter, this);
      }
      x += w;
    }
  }

  if (showGrid_ && dataRows_ > 0 && cols_ > 0) {
    const QStyleOption* hintOption = &base;
    const QColor gridColor =
        QColor::fromRgba(QRgb(style()->styleHint(QStyle::SH_Table_GridLineColor, hintOption, this)));
    painter.setPen(QPen(gridColor, 1, Qt::SolidLine));
    // Each line through the middle of its row of pixels, so that at any scale
    // it covers the same pixels as a table view's grid line.
    painter.translate(0.5, 0.5);
    // Lines only over the rows and columns there are.
    const int right = std::min(area.right(), ContentWidth() - offsetX - 1);
    const int bottom = std::min(area.bottom(), dataRows_ * rowHeight_ - offsetY - 1);
    for (int row = first; row <= last; ++row) {
      const int y = (row + 1) * rowHeight_ - offsetY - 1;
      painter.drawLine(area.left(), y, right, y);
    }
    int x = -offsetX;
    for (int c = 0; c < cols_; ++c) {
      x += widths_[c];
      if (x - 1 >= area.left() && x - 1 <= area.right()) painter.drawLine(x - 1, area.top(), x - 1, bottom);
    }
  }
  painter.restore();
}

void NavigateGrid(TStringGrid& grid, GridNavigation step) {
  const int first = grid.FixedRows();
  const int last = grid.RowCount() - 1;
  if (last < first) return;
  int r = grid.Row() < first ? first : grid.Row();
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
  const int top = grid.TopRow();
  const int visible = grid.VisibleRowCount();
  grid.SetRow(r);
  // Setting the row scrolls on its own to show it; put the top row where the
  // rule wants it.
  int newTop = top;
  if (r < top)
    newTop = r;
  else if (top + visible - 1 < r)
    newTop = r - visible + 1;
  grid.SetTopRow(newTop);
}

GridRowWriter::GridRowWriter(TStringGrid& grid, std::span<const int> prefixes)
    : grid_(grid), prefixes_(prefixes), row_(grid.FixedRows()) {}

void GridRowWriter::FillGridRow(const QStringList& values) {
  const int dataRow = row_ - grid_.FixedRows();
  ++row_;
  if (dataRow < 0 || dataRow >= grid_.dataRows_) return;
  QString* cells = grid_.cells_.data() + qsizetype(dataRow) * grid_.cols_;
  for (int c = 0; c < grid_.cols_; ++c) {
    const int prefix = c < int(prefixes_.size()) ? prefixes_[c] : 0;
    cells[c] = GridCellText(prefix, c < values.size() ? values[c] : QString());
  }
  grid_.update();
}

}  // namespace orvane
