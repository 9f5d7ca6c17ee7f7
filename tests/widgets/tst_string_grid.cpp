#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <QVBoxLayout>

#include "widgets/string_grid.h"

using namespace orvane;

namespace {

// Four columns of 50 pixels, a heading and 30 data rows of 20 pixels; the
// frame leaves 200 pixels of rows below the heading, ten whole rows.
constexpr int kRows = 31;

void fill(StringGrid& grid) {
  for (int row = 0; row < grid.gridRowCount(); ++row)
    for (int col = 0; col < grid.gridColumnCount(); ++col)
      grid.setCell(col, row, QStringLiteral("r%1c%2").arg(row).arg(col));
}

struct Window {
  explicit Window(int fixedRows = 1, int width = 4 * 50 + 40)
      : grid(new StringGrid(4, kRows, fixedRows, &top)) {
    grid->setColWidths({50, 50, 50, 50});
    const int frame = 2 * grid->frameWidth();
    grid->setGeometry(0, 0, width + frame, 200 + grid->headingHeight() + frame);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fill(*grid);
    other = new QLineEdit(&top);
    other->setGeometry(0, 300, 100, 20);
    top.resize(400, 400);
    // A view lays itself out and scrolls only when in sight; the focus starts
    // elsewhere.
    top.show();
    other->setFocus();
    exposed = QTest::qWaitForWindowExposed(&top);
  }
  bool showBeadNotice() {
    top.show();
    grid->setFocus();
    return QTest::qWaitForWindowActive(&top);
  }
  QWidget top;
  StringGrid* grid;
  QLineEdit* other;
  bool exposed = false;
};

// The part of the grid under a point in the grid's coordinates (rows on the
// view's viewport, the heading on its header), where the pointer's events go,
// and the point in that part's coordinates.
QWidget* partAt(StringGrid& grid, QPoint at, QPoint& local) {
  QWidget* part = grid.childAt(at);
  if (!part) part = &grid;
  local = part->mapFrom(&grid, at);
  return part;
}

void clickOn(StringGrid& grid, QPoint at) {
  QPoint local;
  QWidget* part = partAt(grid, at, local);
  QTest::mouseClick(part, Qt::LeftButton, {}, local);
}

void wheelNotch(StringGrid& grid, QPoint at) {
  QPoint local;
  QWidget* part = partAt(grid, at, local);
  QWheelEvent notch(local, part->mapToGlobal(local), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(part, &notch);
}

QColor pixelAt(StringGrid& grid, QPoint at) {
  QImage image(grid.size(), QImage::Format_RGB32);
  image.fill(Qt::magenta);
  grid.render(&image);
  return image.pixelColor(at);
}

}  // namespace

class StringGridTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void cellsAndHeading_data();
  void cellsAndHeading();
  void rowWriterFillsWholeRowsAndStopsAtTheEnd();
  void keys_data();
  void keys();
  void clickSelectsTheRowUnderThePointer();
  void wheelScrollsWholeRows();
  void columnsWiderThanTheViewScrollSideways();
  void painting();
  void onlyAGridInSightClaimsTheFocus();
  void screenReaderReadsATable_data();
  void screenReaderReadsATable();
};

void StringGridTest::cellsAndHeading_data() {
  QTest::addColumn<int>("fixedRows");
  QTest::newRow("with a heading row") << 1;
  QTest::newRow("without a heading row") << 0;
}

// cell() gives back what was set; the heading row, when there is one, sits
// above the data rows and stays there while they scroll.
void StringGridTest::cellsAndHeading() {
  QFETCH(int, fixedRows);
  Window w(fixedRows);
  StringGrid& grid = *w.grid;
  // Outside the grid: ignored, nothing else changes.
  grid.setCell(4, fixedRows, QStringLiteral("x"));
  grid.setCell(0, grid.gridRowCount(), QStringLiteral("x"));
  grid.setCell(0, -1, QStringLiteral("x"));
  QCOMPARE(grid.cell(4, fixedRows), QString());
  QCOMPARE(grid.cell(0, grid.gridRowCount()), QString());
  for (int row = 0; row < grid.gridRowCount(); ++row)
    for (int col = 0; col < grid.gridColumnCount(); ++col)
      QCOMPARE(grid.cell(col, row), QStringLiteral("r%1c%2").arg(row).arg(col));
  QCOMPARE(grid.gridRow(), grid.firstDataRow());
  QCOMPARE(grid.currentRow(), 0);
  QCOMPARE(grid.currentColumn(), 0);
  QCOMPARE(grid.headingHeight(), fixedRows ? 20 : 0);
  QCOMPARE(grid.visibleRowCount(), 10);

  const QRect area = grid.dataArea();
  QCOMPARE(area.height(), 200);
  QCOMPARE(grid.cellRect(0, fixedRows).topLeft(), area.topLeft());
  grid.setTopRow(fixedRows + 5);
  QCOMPARE(grid.topRow(), fixedRows + 5);
  QCOMPARE(grid.cellRect(0, fixedRows + 5).top(), area.top());
  QVERIFY(!area.intersects(grid.cellRect(0, fixedRows)));  // scrolled away
  if (fixedRows) QCOMPARE(grid.cellRect(0, 0), QRect(area.left(), area.top() - 20, 50, 20));
}

void StringGridTest::rowWriterFillsWholeRowsAndStopsAtTheEnd() {
  StringGrid grid(3, 3, 1);  // a heading and two data rows
  static constexpr int kPrefixes[] = {2, 0, 1};
  GridRowWriter writer(grid, kPrefixes);
  writer.fillGridRow({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
  writer.fillGridRow({QStringLiteral("d")});  // short row: the rest left as spaces
  writer.fillGridRow({QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("g")});  // past the end
  QCOMPARE(writer.rowCounter(), 4);
  const QStringList expected = {QStringLiteral("  a"), QStringLiteral("b"), QStringLiteral(" c"),
                                QStringLiteral("  d"), QString(),           QStringLiteral(" ")};
  for (int i = 0; i < expected.size(); ++i) QCOMPARE(grid.cell(i % 3, 1 + i / 3), expected[i]);
  QCOMPARE(grid.cell(0, 0), QString());  // the heading row is not written by the row writer
}

void StringGridTest::keys_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<int>("startRow");  // data rows, from column 1
  QTest::addColumn<int>("startTop");
  QTest::addColumn<int>("row");
  QTest::addColumn<int>("col");
  QTest::addColumn<int>("top");
  QTest::addColumn<bool>("handled");
  const int none = Qt::NoModifier, ctrl = Qt::ControlModifier;
  QTest::newRow("down") << int(Qt::Key_Down) << none << 3 << 0 << 4 << 1 << 0 << true;
  QTest::newRow("down past the view scrolls one")
      << int(Qt::Key_Down) << none << 9 << 0 << 10 << 1 << 1 << true;
  QTest::newRow("down on the last row") << int(Qt::Key_Down) << none << 29 << 20 << 29 << 1 << 20 << false;
  QTest::newRow("up on the first row") << int(Qt::Key_Up) << none << 0 << 0 << 0 << 1 << 0 << false;
  QTest::newRow("up above the view") << int(Qt::Key_Up) << none << 12 << 12 << 11 << 1 << 11 << true;
  // A page is the rows that fit: from the current row's edge one view on.
  QTest::newRow("page down") << int(Qt::Key_PageDown) << none << 2 << 0 << 12 << 1 << 3 << true;
  QTest::newRow("page down near the end")
      << int(Qt::Key_PageDown) << none << 25 << 20 << 29 << 1 << 20 << true;
  QTest::newRow("page up") << int(Qt::Key_PageUp) << none << 15 << 15 << 5 << 1 << 5 << true;
  QTest::newRow("page up near the start") << int(Qt::Key_PageUp) << none << 4 << 0 << 0 << 1 << 0 << true;
  QTest::newRow("left") << int(Qt::Key_Left) << none << 5 << 5 << 5 << 0 << 5 << true;
  QTest::newRow("right") << int(Qt::Key_Right) << none << 5 << 5 << 5 << 2 << 5 << true;
  QTest::newRow("home: first column") << int(Qt::Key_Home) << none << 5 << 5 << 5 << 0 << 5 << true;
  QTest::newRow("end: last column") << int(Qt::Key_End) << none << 5 << 5 << 5 << 3 << 5 << true;
  QTest::newRow("ctrl+home") << int(Qt::Key_Home) << ctrl << 15 << 15 << 0 << 0 << 0 << true;
  QTest::newRow("ctrl+end") << int(Qt::Key_End) << ctrl << 5 << 5 << 29 << 3 << 20 << true;
}

// As a table view with whole-row selection: the row follows the keys, the
// view scrolls just far enough to keep it in sight, and a key that moves
// nothing is left to the parent.
void StringGridTest::keys() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(int, startRow);
  QFETCH(int, startTop);
  QFETCH(int, row);
  QFETCH(int, col);
  QFETCH(int, top);
  QFETCH(bool, handled);
  Window w;
  StringGrid& grid = *w.grid;
  grid.setCurrentCell(startRow, 1);
  grid.setTopRow(grid.firstDataRow() + startTop);
  QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
  QApplication::sendEvent(&grid, &press);
  QCOMPARE(press.isAccepted(), handled);
  QCOMPARE(grid.currentRow(), row);
  QCOMPARE(grid.gridRow(), row + 1);
  QCOMPARE(grid.currentColumn(), col);
  QCOMPARE(grid.topRow() - grid.firstDataRow(), top);
  QVERIFY(grid.dataArea().contains(grid.cellRect(0, grid.gridRow())));
}

void StringGridTest::clickSelectsTheRowUnderThePointer() {
  Window w;
  QVERIFY(w.showBeadNotice());
  StringGrid& grid = *w.grid;
  grid.setTopRow(6);
  w.other->setFocus();
  QTRY_VERIFY(w.other->hasFocus());
  const QRect cell = grid.cellRect(2, 8);
  clickOn(grid, cell.center());
  QCOMPARE(grid.gridRow(), 8);
  QCOMPARE(grid.currentColumn(), 2);
  QVERIFY(grid.hasFocus());
  // The heading row and the room below the last column select nothing.
  clickOn(grid, grid.cellRect(1, 0).center());
  clickOn(grid, QPoint(grid.dataArea().left() + 205, cell.center().y()));
  QCOMPARE(grid.gridRow(), 8);
  QCOMPARE(grid.topRow(), 6);
  // A row cut by the bottom edge comes into sight after a pause; dragging
  // below the edge selects the rows there and scrolls them in.
  grid.setTopRow(1);
  grid.resize(grid.width(), grid.height() + 10);  // ten and a half rows
  const QRect cut = grid.cellRect(0, 11);
  QVERIFY(cut.bottom() > grid.dataArea().bottom() && cut.top() < grid.dataArea().bottom());
  clickOn(grid, cut.center() - QPoint(0, 5));
  QCOMPARE(grid.gridRow(), 11);
  QCOMPARE(grid.topRow(), 1);
  QTRY_COMPARE(grid.topRow(), 2);
  // Not when the wheel scrolls in the meantime.
  grid.setTopRow(1);
  clickOn(grid, cut.center() - QPoint(0, 5));
  wheelNotch(grid, cell.center());
  const int scrolled = grid.topRow();
  QVERIFY(scrolled > 2);
  QTest::qWait(QApplication::doubleClickInterval() + 200);
  QCOMPARE(grid.topRow(), scrolled);
  grid.setTopRow(1);
  // The rows' part keeps the pointer while the button is held.
  QWidget* rows = grid.viewport();
  const QPoint below = rows->mapFrom(&grid, QPoint(cell.center().x(), grid.dataArea().bottom() + 25));
  QTest::mousePress(rows, Qt::LeftButton, {}, rows->mapFrom(&grid, grid.cellRect(0, 3).center()));
  QTest::mouseMove(rows, below);
  QCOMPARE(grid.gridRow(), 12);
  QCOMPARE(grid.topRow(), 3);
  QTest::mouseRelease(rows, Qt::LeftButton, {}, below);
  QTest::qWait(QApplication::doubleClickInterval() + 200);  // the press's row is not brought back
  QCOMPARE(grid.topRow(), 3);

  // The focus goes and comes back; the row stays.
  QTest::keyClick(&grid, Qt::Key_Tab);
  QTRY_VERIFY(w.other->hasFocus());
  grid.setFocus();
  QTRY_VERIFY(grid.hasFocus());
  QCOMPARE(grid.gridRow(), 12);
}

void StringGridTest::wheelScrollsWholeRows() {
  Window w;
  StringGrid& grid = *w.grid;
  const QPoint at = grid.dataArea().center();
  wheelNotch(grid, at);
  QCOMPARE(grid.topRow(), 1 + QApplication::wheelScrollLines());
  QCOMPARE(grid.gridRow(), 1);  // scrolling selects nothing
  // At the end the last row sits on the bottom edge.
  for (int i = 0; i < 20; ++i) wheelNotch(grid, at);
  QCOMPARE(grid.topRow(), 21);
  QCOMPARE(grid.cellRect(0, kRows - 1).bottom() + 1, grid.dataArea().bottom());  // the grid line below it
}

void StringGridTest::columnsWiderThanTheViewScrollSideways() {
  Window w(1, 120);  // 120 pixels for 200 of columns
  StringGrid& grid = *w.grid;
  QVERIFY(grid.horizontalScrollBar()->isVisibleTo(&grid));
  QCOMPARE(grid.horizontalScrollBar()->maximum(), 200 - grid.dataArea().width());
  QTest::keyClick(&grid, Qt::Key_End);
  QCOMPARE(grid.currentColumn(), 3);
  QCOMPARE(grid.cellRect(3, 1).right() + 1, grid.dataArea().right());  // flush with the right edge
  QCOMPARE(grid.cellRect(3, 0).left(), grid.cellRect(3, 1).left());    // the heading moves with it
  QTest::keyClick(&grid, Qt::Key_Home);
  QCOMPARE(grid.horizontalScrollBar()->value(), 0);
  grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QCOMPARE(grid.dataArea().height(), 200);
  QVERIFY(!grid.horizontalScrollBar()->isVisibleTo(&grid));

  // On a grid in sight the bar comes as soon as the columns grow.
  Window shown;
  QVERIFY(shown.showBeadNotice());
  QScrollBar* bar = shown.grid->horizontalScrollBar();
  QVERIFY(!bar->isVisible());
  shown.grid->setColWidths({100, 100, 100, 100});
  QTRY_VERIFY(bar->isVisible());
  QCOMPARE(bar->maximum(), 400 - bar->width());
}

// The colours a table view draws: cells on Base, the selected row on
// Highlight (inactive without the focus), grid lines in the style's colour,
// the heading on the button face; the heading stays when the rows scroll.
void StringGridTest::painting() {
  Window w;
  StringGrid& grid = *w.grid;
  grid.setGridRow(3);
  const QRect selected = grid.cellRect(1, 3), plain = grid.cellRect(1, 5);
  const QPalette pal = grid.palette();
  QStyleOptionViewItem option;
  option.initFrom(&grid);
  const QColor line =
      QColor::fromRgba(QRgb(grid.style()->styleHint(QStyle::SH_Table_GridLineColor, &option, &grid)));
  QCOMPARE(pixelAt(grid, plain.topLeft() + QPoint(1, 1)), pal.color(QPalette::Base));
  QCOMPARE(pixelAt(grid, selected.topLeft() + QPoint(1, 1)),
           pal.color(QPalette::Inactive, QPalette::Highlight));
  QCOMPARE(pixelAt(grid, plain.bottomLeft() + QPoint(5, 1)), line);  // below the cell
  QCOMPARE(pixelAt(grid, plain.topRight() + QPoint(1, 5)), line);    // right of it
  // Text is drawn: some pixel of the cell is neither Base nor the grid line.
  QImage image(grid.size(), QImage::Format_RGB32);
  grid.render(&image);
  bool text = false;
  for (int x = plain.left(); x <= plain.right() && !text; ++x)
    for (int y = plain.top(); y <= plain.bottom() && !text; ++y)
      text = image.pixelColor(x, y) != pal.color(QPalette::Base);
  QVERIFY(text);
  const QRect heading = grid.cellRect(1, 0);
  const QColor headingColor = pixelAt(grid, heading.center() + QPoint(20, 0));
  QVERIFY(headingColor != pal.color(QPalette::Base));
  grid.setTopRow(15);
  QCOMPARE(pixelAt(grid, heading.center() + QPoint(20, 0)), headingColor);
  QCOMPARE(pixelAt(grid, selected.topLeft() + QPoint(1, 1)), pal.color(QPalette::Base));  // scrolled away
}

void StringGridTest::screenReaderReadsATable_data() {
  QTest::addColumn<int>("fixedRows");
  QTest::newRow("heading row as column headings") << 1;
  QTest::newRow("names given for headings drawn elsewhere") << 0;
}

// A screen reader gets a table: data rows and columns, every cell's text with
// its leading blanks, a heading for every column, and the selected row.
void StringGridTest::screenReaderReadsATable() {
  QFETCH(int, fixedRows);
  Window w(fixedRows);
  StringGrid& grid = *w.grid;
  grid.setAccessibleName(QStringLiteral("Chart"));
  grid.setCell(0, fixedRows + 3, QStringLiteral("   1.5"));
  if (!fixedRows) grid.setColumnNames({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&grid);
  QVERIFY(iface);
  QCOMPARE(iface->role(), QAccessible::Table);
  QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Chart"));
  QAccessibleTableInterface* table = iface->tableInterface();
  QVERIFY(table);
  QCOMPARE(table->rowCount(), kRows - fixedRows);  // the heading row is not a data row
  QCOMPARE(table->columnCount(), 4);
  for (int row = 0; row < table->rowCount(); ++row)
    for (int col = 0; col < 4; ++col) {
      QAccessibleInterface* cell = table->cellAt(row, col);
      QVERIFY(cell);
      QCOMPARE(cell->text(QAccessible::Name), grid.cell(col, row + fixedRows));
    }
  QCOMPARE(table->cellAt(3, 0)->text(QAccessible::Name), QStringLiteral("   1.5"));
  const QStringList headings =
      fixedRows ? QStringList{"r0c0", "r0c1", "r0c2", "r0c3"} : QStringList{"A", "B", "C", QString()};
  for (int col = 0; col < 4; ++col) {
    QCOMPARE(table->columnDescription(col), headings[col]);
    const QList<QAccessibleInterface*> header =
        table->cellAt(0, col)->tableCellInterface()->columnHeaderCells();
    QCOMPARE(header.size(), 1);
    QCOMPARE(header[0]->text(QAccessible::Name), headings[col]);
  }
  grid.setGridRow(fixedRows + 7);
  QCOMPARE(table->selectedRows(), QList<int>{7});
  QVERIFY(table->cellAt(7, 2)->state().selected);
  QVERIFY(!table->cellAt(6, 2)->state().selected);
}

// Qt calls a table's current cell focused whether or not the table is in
// sight: a hidden grid must not, yet keep its row.
void StringGridTest::onlyAGridInSightClaimsTheFocus() {
  Window w;
  QVERIFY(w.exposed);
  w.grid->setGridRow(3);
  const auto focusedCell = [&] {
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(w.grid)->tableInterface();
    const int row = w.grid->gridRow() - w.grid->fixedRows();
    return table->cellAt(row, 0)->state().focused;
  };
  QVERIFY(focusedCell());
  w.grid->hide();
  QVERIFY(!focusedCell());
  QCOMPARE(w.grid->gridRow(), 3);
  // A row chosen while out of sight is kept aside too.
  w.grid->setGridRow(5);
  QCOMPARE(w.grid->gridRow(), 5);
  QVERIFY(!focusedCell());
  w.grid->show();
  QCOMPARE(w.grid->gridRow(), 5);
  QVERIFY(focusedCell());
  QVERIFY(w.grid->selectionModel()->isRowSelected(5 - w.grid->fixedRows(), QModelIndex()));
}

QTEST_MAIN(StringGridTest)
#include "tst_string_grid.moc"
