#include <QHeaderView>
#include <QTest>

#include "widgets/string_grid.h"

using namespace orvane;

// What the grid hands its view (and so the screen and a screen reader) must
// be what Cell() reports: the heading row as the header, the data rows below.
class StringGridTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void viewShowsTheCells_data();
  void viewShowsTheCells();
  void rowWriterFillsWholeRowsAndStopsAtTheEnd();
};

void StringGridTest::viewShowsTheCells_data() {
  QTest::addColumn<int>("fixedRows");
  QTest::newRow("with a heading row") << 1;
  QTest::newRow("without a heading row") << 0;
}

void StringGridTest::viewShowsTheCells() {
  QFETCH(int, fixedRows);
  TStringGrid grid(3, 4, fixedRows);
  for (int row = 0; row < grid.RowCount(); ++row)
    for (int col = 0; col < grid.ColCount(); ++col)
      grid.SetCell(col, row, QStringLiteral("r%1c%2").arg(row).arg(col));
  // Outside the grid: ignored, nothing else changes.
  grid.SetCell(3, fixedRows, QStringLiteral("x"));
  grid.SetCell(0, grid.RowCount(), QStringLiteral("x"));
  grid.SetCell(0, -1, QStringLiteral("x"));

  const QAbstractItemModel* model = grid.model();
  QCOMPARE(model->rowCount(), 4 - fixedRows);
  QCOMPARE(model->columnCount(), 3);
  QCOMPARE(grid.horizontalHeader()->isHidden(), fixedRows == 0);
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) {
      const QString expected = QStringLiteral("r%1c%2").arg(row).arg(col);
      QCOMPARE(grid.Cell(col, row), expected);
      const QVariant shown = row < fixedRows
                                 ? model->headerData(col, Qt::Horizontal, Qt::DisplayRole)
                                 : model->data(model->index(row - fixedRows, col), Qt::DisplayRole);
      QCOMPARE(shown.toString(), expected);
    }
  }
  // Read-only: cells can be selected, never edited.
  const Qt::ItemFlags flags = model->flags(model->index(0, 0));
  QVERIFY(flags & Qt::ItemIsSelectable);
  QVERIFY(!(flags & Qt::ItemIsEditable));
  QCOMPARE(grid.Row(), grid.FirstDataRow());
}

void StringGridTest::rowWriterFillsWholeRowsAndStopsAtTheEnd() {
  TStringGrid grid(3, 3, 1);  // a heading and two data rows
  static constexpr int kPrefixes[] = {2, 0, 1};
  GridRowWriter writer(grid, kPrefixes);
  writer.FillGridRow({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
  writer.FillGridRow({QStringLiteral("d")});  // short row: the rest left as spaces
  writer.FillGridRow({QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("g")});  // past the end
  QCOMPARE(writer.RowCounter(), 4);
  const QStringList expected = {QStringLiteral("  a"), QStringLiteral("b"), QStringLiteral(" c"),
                                QStringLiteral("  d"), QString(),          QStringLiteral(" ")};
  for (int i = 0; i < expected.size(); ++i) {
    const int col = i % 3, row = 1 + i / 3;
    QCOMPARE(grid.Cell(col, row), expected[i]);
    QCOMPARE(grid.model()->data(grid.model()->index(row - 1, col)).toString(), expected[i]);
  }
  QCOMPARE(grid.Cell(0, 0), QString());  // the heading row is not written by the row writer
}

QTEST_MAIN(StringGridTest)
#include "tst_string_grid.moc"
