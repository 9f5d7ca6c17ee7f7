#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "app/main_window.h"
#include "core/grid_rows.h"
#include "find_child.h"
#include "sizes/chart_pages.h"
#include "sizes/size_pages.h"
#include "widget_fixture.h"
#include "widgets/color_tab_widget.h"
#include "widgets/string_grid.h"

using namespace orvane;

namespace {

enum Page {
  About = 0,
  Tips = 1,
  BeadCalc = 2,
  Pearl = 3,
  Stone = 4,
  Weight = 5,
  Jump = 6,
  Wire = 7,
  Ring = 8,
  Links = 9
};

// Where the top row should be after a button: unchanged, at the selected row,
// or so that the selected row is the last fully visible one.
enum class Top { Keep, AtRow, RowAtBottom };

}  // namespace

Q_DECLARE_METATYPE(Top)

class ChartPagesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();
  void gridShape_data();
  void gridShape();
  void cells_data();
  void cells();
  void everyCellKeepsItsPrefix();
  void gridsBuiltWhenThePageIsFirstShown_data();
  void gridsBuiltWhenThePageIsFirstShown();
  void lateGridsKeepTheTabOrder();
  void pageShowFocusesGrid_data();
  void pageShowFocusesGrid();
  void pointerOverRingGridTakesFocus();
  void navigation_data();
  void navigation();
  void ringGridsMoveIndependently();
  void buttonsDoNothingElsewhere_data();
  void buttonsDoNothingElsewhere();

 private:
  // The grids are made when their page is first shown; this makes them all.
  StringGrid* gridNamed(const char* name) const {
    buildCharts();
    return main()->findChild<StringGrid*>(QLatin1String(name));
  }
  void buildCharts() const {
    findNamed<PearlPlateChartPage>(main(), "pearlPlatePage")->buildGrids();
    findNamed<StoneSizeChartPage>(main(), "stoneSizePage")->buildGrids();
    findNamed<JumpRingChartPage>(main(), "jumpRingPage")->buildGrids();
    findNamed<WireGaugeChartPage>(main(), "wireGaugePage")->buildGrids();
    findNamed<RingSizeChartPage>(main(), "ringSizePage")->buildGrids();
  }
  MainWindow* main() const { return fixture->app->mainWindow(); }
  ColorTabWidget* pages() const { return findNamed<ColorTabWidget>(main(), "pages"); }
  void showPage(int index) {
    giveFocusTo(pages());
    pages()->setActivePageIndex(index);
    QApplication::processEvents();
  }
  QToolButton* buttonFor(int n) const {
    QToolButton* buttons[] = {findNamed<QToolButton>(main(), "firstPageButton"),
                              findNamed<QToolButton>(main(), "previousPageButton"),
                              findNamed<QToolButton>(main(), "nextPageButton"),
                              findNamed<QToolButton>(main(), "lastPageButton")};
    return buttons[n - 1];
  }

  std::unique_ptr<TestApp> fixture;
  std::unique_ptr<ModalDialogGuard> guard;
};

void ChartPagesTest::init() {
  guard = std::make_unique<ModalDialogGuard>();
  fixture = std::make_unique<TestApp>();
}

void ChartPagesTest::cleanup() {
  QVERIFY2(!guard->tripped(), qPrintable(guard->seen()));
  fixture.reset();
  guard.reset();
}

void ChartPagesTest::gridShape_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("page");
  QTest::addColumn<QRect>("bounds");
  QTest::addColumn<int>("rows");
  QTest::addColumn<QList<int>>("widths");
  QTest::addColumn<QStringList>("headings");
  QTest::newRow("jumpRingGrid") << "jumpRingGrid" << int(Jump) << QRect(18, 20, 489, 298) << 22
                                << QList<int>{116, 116, 116, 116}
                                << QStringList{"        Size", "    Millimeters", "     Fraction",
                                               "      Inches"};
  QTest::newRow("wireGaugeGrid") << "wireGaugeGrid" << int(Wire) << QRect(18, 20, 489, 298) << 45
                                 << QList<int>{155, 155, 155}
                                 << QStringList{"    Brown & Sharp", "        Millimeters",
                                                "          Inches"};
  QTest::newRow("ringSizeGrid") << "ringSizeGrid" << int(Ring) << QRect(18, 20, 489, 130) << 87
                                << QList<int>{92, 92, 92, 93, 93}
                                << QStringList{" N. America", "    Dia. (IN)", "    Cir. (IN)", "  Dia. (MM)",
                                               "   Cir. (MM)"};
  QTest::newRow("ringSizeIntlGrid") << "ringSizeIntlGrid" << int(Ring) << QRect(18, 183, 489, 130) << 87
                                    << QList<int>{94, 75, 78, 80, 62, 73}
                                    << QStringList{" N. America", "   Britain", "   France",
                                                   " Germany",    " Japan",     "   Switz."};
}

void ChartPagesTest::gridShape() {
  QFETCH(QString, name);
  QFETCH(int, page);
  QFETCH(QRect, bounds);
  QFETCH(int, rows);
  QFETCH(QList<int>, widths);
  QFETCH(QStringList, headings);
  StringGrid* grid = gridNamed(qPrintable(name));
  QVERIFY(grid);
  QCOMPARE(grid->parentWidget(), pages()->page(page));
  QCOMPARE(grid->geometry(), bounds);
  QCOMPARE(grid->gridRowCount(), rows);
  QCOMPARE(grid->fixedRows(), 1);
  QCOMPARE(grid->gridColumnCount(), int(widths.size()));
  for (int c = 0; c < widths.size(); ++c) {
    QCOMPARE(grid->columnWidth(c), widths[c]);
    QCOMPARE(grid->cell(c, 0), headings[c]);
  }
  QCOMPARE(grid->cell(0, rows), QString());  // nothing below the last row
  QCOMPARE(grid->font().pixelSize(), 16);
  QCOMPARE(grid->defaultRowHeight(), 20);
  QCOMPARE(grid->headingHeight(), 20);
  QCOMPARE(grid->gridRow(), 1);
  QVERIFY(!grid->accessibleName().isEmpty());
}

void ChartPagesTest::cells_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("col");
  QTest::addColumn<int>("row");
  QTest::addColumn<QString>("text");
  // Column prefixes: jump 8, 4, 6, 4; wire 11, 9, 8; ring 5, 6, 6, 5, 5;
  // international 5, 3, 3, 3, 4, 2.
  QTest::newRow("jump first size") << "jumpRingGrid" << 0 << 1 << "          0";
  QTest::newRow("jump ~ fraction") << "jumpRingGrid" << 2 << 1 << "      ~5/64\"";
  QTest::newRow("jump ~ fraction 1/2") << "jumpRingGrid" << 2 << 2 << "      ~3/32\"";
  QTest::newRow("jump mixed size") << "jumpRingGrid" << 0 << 4 << "          1  1/2";
  QTest::newRow("jump last size") << "jumpRingGrid" << 0 << 21 << "        18";
  QTest::newRow("jump last fraction") << "jumpRingGrid" << 2 << 21 << "         1\"";
  QTest::newRow("jump last inches") << "jumpRingGrid" << 3 << 21 << "    1.000000";
  QTest::newRow("wire first") << "wireGaugeGrid" << 1 << 1 << "           0.0799";
  QTest::newRow("wire last gauge") << "wireGaugeGrid" << 0 << 44 << "           0000";
  QTest::newRow("wire last inches") << "wireGaugeGrid" << 2 << 44 << "        0.460000";
  QTest::newRow("ring first") << "ringSizeGrid" << 0 << 1 << "       000";
  QTest::newRow("ring 14 dia in") << "ringSizeGrid" << 1 << 80 << "      0.906";
  QTest::newRow("ring 14 cir in") << "ringSizeGrid" << 2 << 80 << "      2.846";
  QTest::newRow("ring 14 dia mm") << "ringSizeGrid" << 3 << 80 << "     23.012";
  QTest::newRow("ring 14 cir mm") << "ringSizeGrid" << 4 << 80 << "     72.296";
  QTest::newRow("ring last") << "ringSizeGrid" << 4 << 86 << "     74.849";
  QTest::newRow("int empty Britain") << "ringSizeIntlGrid" << 1 << 1 << "   ";
  QTest::newRow("int empty Switz.") << "ringSizeIntlGrid" << 5 << 1 << "  ";
  QTest::newRow("int Germany 10") << "ringSizeIntlGrid" << 3 << 1 << "   10";
  QTest::newRow("int O 1/2") << "ringSizeIntlGrid" << 1 << 42 << "   O 1/2";
  QTest::newRow("int 22 1/2") << "ringSizeIntlGrid" << 3 << 76 << "   22 1/2";
  QTest::newRow("int 6  1/2") << "ringSizeIntlGrid" << 5 << 23 << "  6  1/2";
  QTest::newRow("int Japan  1") << "ringSizeIntlGrid" << 4 << 7 << "     1";
  QTest::newRow("int last France") << "ringSizeIntlGrid" << 2 << 86 << "   74";
}

void ChartPagesTest::cells() {
  QFETCH(QString, name);
  QFETCH(int, col);
  QFETCH(int, row);
  QFETCH(QString, text);
  QCOMPARE(gridNamed(qPrintable(name))->cell(col, row), text);
}

// Every data cell of the six reference grids, also an empty one, holds its
// column's prefix: no cell is ever left without text.
void ChartPagesTest::everyCellKeepsItsPrefix() {
  const struct {
    const char* name;
    GridKind kind;
  } grids[] = {{"pearlGrid", GridKind::Pearl},    {"stoneGrid", GridKind::Stone},
               {"jumpRingGrid", GridKind::Jump},  {"wireGaugeGrid", GridKind::Wire},
               {"ringSizeGrid", GridKind::RingN}, {"ringSizeIntlGrid", GridKind::RingInt}};
  for (const auto& g : grids) {
    StringGrid* grid = gridNamed(g.name);
    const auto prefixes = gridPrefixes(g.kind);
    QCOMPARE(grid->gridColumnCount(), int(prefixes.size()));
    for (int row = grid->firstDataRow(); row < grid->gridRowCount(); ++row)
      for (int col = 0; col < grid->gridColumnCount(); ++col) {
        const QString cell = grid->cell(col, row);
        const QString at =
            QStringLiteral("%1 (%2, %3): '%4'").arg(QLatin1String(g.name)).arg(col).arg(row).arg(cell);
        QVERIFY2(cell.size() >= prefixes[col] && cell.left(prefixes[col]).trimmed().isEmpty(),
                 qPrintable(at));
      }
  }
}

void ChartPagesTest::pageShowFocusesGrid_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("name");
  QTest::newRow("Pearl Plate") << int(Pearl) << "pearlGrid";
  QTest::newRow("Stone Size") << int(Stone) << "stoneGrid";
  QTest::newRow("Jump Ring") << int(Jump) << "jumpRingGrid";
  QTest::newRow("Wire Gauge") << int(Wire) << "wireGaugeGrid";
  QTest::newRow("Ring Size") << int(Ring) << "ringSizeGrid";
}

void ChartPagesTest::gridsBuiltWhenThePageIsFirstShown_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QStringList>("names");
  QTest::newRow("Pearl Plate") << int(Pearl) << QStringList{"pearlGrid"};
  QTest::newRow("Stone Size") << int(Stone) << QStringList{"stoneGrid"};
  QTest::newRow("Jump Ring") << int(Jump) << QStringList{"jumpRingGrid"};
  QTest::newRow("Wire Gauge") << int(Wire) << QStringList{"wireGaugeGrid"};
  QTest::newRow("Ring Size") << int(Ring) << QStringList{"ringSizeGrid", "ringSizeIntlGrid"};
}

// Nothing of a chart exists until its page is shown; then it is filled and
// in sight at once, and it stays, with its selected row, for the whole run.
void ChartPagesTest::gridsBuiltWhenThePageIsFirstShown() {
  QFETCH(int, page);
  QFETCH(QStringList, names);
  main()->show();
  QVERIFY(QTest::qWaitForWindowExposed(main()));
  TabPage* sheet = pages()->page(page);
  QVERIFY(sheet->findChildren<StringGrid*>().isEmpty());
  QVERIFY(sheet->navigationGrids().isEmpty());
  showPage(page);
  QList<StringGrid*> grids;
  for (const QString& name : names) {
    auto* grid = sheet->findChild<StringGrid*>(name);
    QVERIFY2(grid, qPrintable(name));
    QVERIFY(grid->isVisible());
    QVERIFY(!grid->cell(0, grid->lastRow()).trimmed().isEmpty());
    grid->setGridRow(grid->firstDataRow() + 4);
    grids << grid;
  }
  QCOMPARE(sheet->navigationGrids().size(), names.size());
  showPage(Weight);
  showPage(page);
  QCOMPARE(sheet->findChildren<StringGrid*>().size(), names.size());
  for (StringGrid* grid : grids) {
    QCOMPARE(sheet->findChild<StringGrid*>(grid->objectName()), grid);
    QCOMPARE(grid->gridRow(), grid->firstDataRow() + 4);
  }
}

// Grids made after the window still stand where the page stands in the tab
// order: after the page control, before the button bar; the lower ring grid
// before the upper.
void ChartPagesTest::lateGridsKeepTheTabOrder() {
  main()->show();
  QVERIFY(QTest::qWaitForWindowActive(main()));
  showPage(Pearl);
  showPage(Ring);
  giveFocusTo(pages());
  QTest::keyClick(pages(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), gridNamed("ringSizeIntlGrid"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), gridNamed("ringSizeGrid"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(),
           findNamed<QToolButton>(main(), "firstPageButton"));  // the bar's first stop
  QTest::keyClick(findNamed<QToolButton>(main(), "firstPageButton"), Qt::Key_Backtab);
  QCOMPARE(QApplication::focusWidget(), gridNamed("ringSizeGrid"));
}

// Also when the page is entered a second time with the focus elsewhere.
void ChartPagesTest::pageShowFocusesGrid() {
  QFETCH(int, page);
  QFETCH(QString, name);
  for (int pass = 0; pass < 2; ++pass) {
    showPage(Weight);
    giveFocusTo(findNamed<QPushButton>(main(), "fractionsButton"));
    pages()->setActivePageIndex(page);
    QApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), gridNamed(qPrintable(name)));
  }
}

void ChartPagesTest::pointerOverRingGridTakesFocus() {
  showPage(Ring);
  StringGrid* upper = gridNamed("ringSizeGrid");
  StringGrid* lower = gridNamed("ringSizeIntlGrid");
  QCOMPARE(QApplication::focusWidget(), upper);
  QTest::mouseMove(lower, lower->dataArea().topLeft() + QPoint(40, 30));
  QTRY_COMPARE(QApplication::focusWidget(), lower);
  QTest::mouseMove(upper, QPoint(100, 10));  // over the heading row
  QTRY_COMPARE(QApplication::focusWidget(), upper);
  QTest::mouseMove(lower->verticalScrollBar(), QPoint(5, 40));
  QTRY_COMPARE(QApplication::focusWidget(), lower);
  QCOMPARE(upper->gridRow(), 1);  // moving the pointer selects nothing
  QCOMPARE(lower->gridRow(), 1);
}

void ChartPagesTest::navigation_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("startRow");
  QTest::addColumn<int>("startTop");
  QTest::addColumn<int>("button");
  QTest::addColumn<int>("row");
  QTest::addColumn<Top>("top");
  // Grids without a heading row start at row 0, the charts at row 1.
  QTest::newRow("pearl first") << int(Pearl) << "pearlGrid" << 20 << 15 << 1 << 0 << Top::AtRow;
  QTest::newRow("pearl prior at the top") << int(Pearl) << "pearlGrid" << 0 << 0 << 2 << 0 << Top::Keep;
  QTest::newRow("pearl next scrolls one")
      << int(Pearl) << "pearlGrid" << 10 << 0 << 3 << 11 << Top::RowAtBottom;
  QTest::newRow("pearl next at the bottom") << int(Pearl) << "pearlGrid" << 36 << 26 << 3 << 36 << Top::Keep;
  QTest::newRow("stone last") << int(Stone) << "stoneGrid" << 0 << 0 << 4 << 102 << Top::RowAtBottom;
  QTest::newRow("stone prior scrolls one") << int(Stone) << "stoneGrid" << 50 << 50 << 2 << 49 << Top::AtRow;
  QTest::newRow("stone next in view") << int(Stone) << "stoneGrid" << 3 << 0 << 3 << 4 << Top::Keep;
  QTest::newRow("jump prior never heading") << int(Jump) << "jumpRingGrid" << 1 << 1 << 2 << 1 << Top::Keep;
  QTest::newRow("jump last") << int(Jump) << "jumpRingGrid" << 1 << 1 << 4 << 21 << Top::RowAtBottom;
  QTest::newRow("jump next in view") << int(Jump) << "jumpRingGrid" << 5 << 1 << 3 << 6 << Top::Keep;
  QTest::newRow("jump first from below") << int(Jump) << "jumpRingGrid" << 21 << 9 << 1 << 1 << Top::AtRow;
  QTest::newRow("wire first") << int(Wire) << "wireGaugeGrid" << 44 << 32 << 1 << 1 << Top::AtRow;
  QTest::newRow("wire next at the bottom")
      << int(Wire) << "wireGaugeGrid" << 44 << 32 << 3 << 44 << Top::Keep;
  QTest::newRow("wire prior in view") << int(Wire) << "wireGaugeGrid" << 30 << 25 << 2 << 29 << Top::Keep;
  QTest::newRow("wire last") << int(Wire) << "wireGaugeGrid" << 10 << 1 << 4 << 44 << Top::RowAtBottom;
}

void ChartPagesTest::navigation() {
  QFETCH(int, page);
  QFETCH(QString, name);
  QFETCH(int, startRow);
  QFETCH(int, startTop);
  QFETCH(int, button);
  QFETCH(int, row);
  QFETCH(Top, top);
  showPage(page);
  StringGrid* grid = gridNamed(qPrintable(name));
  QCOMPARE(QApplication::focusWidget(), grid);
  grid->setCurrentCell(startRow - grid->fixedRows(), 2);  // a column other than the first
  grid->setTopRow(startTop);
  QCOMPARE(grid->topRow(), startTop);

  QTest::mouseClick(buttonFor(button), Qt::LeftButton);

  QCOMPARE(grid->gridRow(), row);
  QCOMPARE(grid->currentColumn(), 2);
  const int visible = grid->visibleRowCount();
  QVERIFY(visible >= 5);
  const int expectedTop = top == Top::Keep ? startTop : top == Top::AtRow ? row : row - visible + 1;
  QCOMPARE(grid->topRow(), expectedTop);
  // The selected row is wholly in sight.
  const QRect cell = grid->cellRect(0, row);
  QVERIFY(grid->dataArea().contains(cell));
  QCOMPARE(QApplication::focusWidget(), grid);  // the button never takes the focus
}

// One press moves both ring grids, each from its own selected row.
void ChartPagesTest::ringGridsMoveIndependently() {
  showPage(Ring);
  StringGrid* upper = gridNamed("ringSizeGrid");
  StringGrid* lower = gridNamed("ringSizeIntlGrid");
  lower->setGridRow(10);  // as after a click into the lower grid
  QTest::mouseClick(findNamed<QToolButton>(main(), "nextPageButton"), Qt::LeftButton);
  QCOMPARE(upper->gridRow(), 2);
  QCOMPARE(lower->gridRow(), 11);
  QTest::mouseClick(findNamed<QToolButton>(main(), "previousPageButton"), Qt::LeftButton);
  QTest::mouseClick(findNamed<QToolButton>(main(), "previousPageButton"), Qt::LeftButton);
  QCOMPARE(upper->gridRow(), 1);
  QCOMPARE(lower->gridRow(), 9);
  QTest::mouseClick(findNamed<QToolButton>(main(), "lastPageButton"), Qt::LeftButton);
  QCOMPARE(upper->gridRow(), 86);
  QCOMPARE(lower->gridRow(), 86);
  QCOMPARE(upper->topRow(), 86 - upper->visibleRowCount() + 1);
  QCOMPARE(lower->topRow(), 86 - lower->visibleRowCount() + 1);
  QTest::mouseClick(findNamed<QToolButton>(main(), "firstPageButton"), Qt::LeftButton);
  QCOMPARE(upper->gridRow(), 1);
  QCOMPARE(lower->gridRow(), 1);
  QCOMPARE(upper->topRow(), 1);
  QCOMPARE(lower->topRow(), 1);
  QCOMPARE(QApplication::focusWidget(), upper);
}

void ChartPagesTest::buttonsDoNothingElsewhere_data() {
  QTest::addColumn<int>("page");
  QTest::newRow("About") << int(About);
  QTest::newRow("Tips") << int(Tips);
  QTest::newRow("Bead Calculator") << int(BeadCalc);
  QTest::newRow("Weight") << int(Weight);
  QTest::newRow("Links") << int(Links);
}

void ChartPagesTest::buttonsDoNothingElsewhere() {
  QFETCH(int, page);
  const char* names[] = {"pearlGrid",     "stoneGrid",    "jumpRingGrid",
                         "wireGaugeGrid", "ringSizeGrid", "ringSizeIntlGrid"};
  for (const char* name : names) gridNamed(name)->setGridRow(5);
  showPage(page);
  QWidget* focus = QApplication::focusWidget();
  for (int b = 1; b <= 4; ++b) QTest::mouseClick(buttonFor(b), Qt::LeftButton);
  for (const char* name : names) QCOMPARE(gridNamed(name)->gridRow(), 5);
  QCOMPARE(pages()->activePageIndex(), page);
  QCOMPARE(QApplication::focusWidget(), focus);
  QCOMPARE(fixture->services.beeps, 0);
  QCOMPARE(fixture->services.messages.size(), 0);
}

QTEST_MAIN(ChartPagesTest)
#include "tst_chart_pages.moc"
