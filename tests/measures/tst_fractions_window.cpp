#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/main_window.h"
#include "find_child.h"
#include "measures/fractions_window.h"
#include "widget_fixture.h"
#include "widgets/string_grid.h"

using namespace orvane;

class FractionsWindowTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();
  void windowAndGrid();
  void rows_data();
  void rows();
  void navigation_data();
  void navigation();
  void escapeHidesAndShowingKeepsTheRow();
  void fractionsButtonShowsOrRaises();

 private:
  FractionsWindow* frac() const { return fixture->app->fractionsWindow(); }
  void showFrac() {
    QTest::mouseClick(findNamed<QPushButton>(fixture->app->mainWindow(), "fractionsButton"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(frac()));
  }

  std::unique_ptr<TestApp> fixture;
  std::unique_ptr<ModalDialogGuard> guard;
};

void FractionsWindowTest::init() {
  guard = std::make_unique<ModalDialogGuard>();
  fixture = std::make_unique<TestApp>();
  fixture->app->mainWindow()->show();
}

void FractionsWindowTest::cleanup() {
  QVERIFY2(!guard->tripped(), qPrintable(guard->seen()));
  fixture.reset();
  guard.reset();
}

void FractionsWindowTest::windowAndGrid() {
  QVERIFY(!frac()->isVisible());  // hidden until asked for
  QCOMPARE(frac()->windowTitle(), QStringLiteral("Fractions and Stone Size"));
  QCOMPARE(frac()->size(), QSize(609, 491));
  QVERIFY(!(frac()->windowFlags() & Qt::WindowMinimizeButtonHint));
  QVERIFY(!frac()->findChild<StringGrid*>(
      QStringLiteral("fractionGrid")));  // made when the window is first shown
  showFrac();
  StringGrid* grid = findNamed<StringGrid>(frac(), "fractionGrid");
  QVERIFY(grid && grid->isVisible());
  QCOMPARE(grid->geometry(), QRect(18, 18, 573, 424));
  QCOMPARE(grid->gridColumnCount(), 9);
  QCOMPARE(grid->gridRowCount(), 65);
  QCOMPARE(grid->fixedRows(), 1);
  QCOMPARE(grid->font().pixelSize(), 15);
  QCOMPARE(grid->defaultRowHeight(), 20);
  const QList<int> widths{50, 50, 56, 56, 56, 80, 75, 60, 60};
  const QStringList headings{"    /4",     "    /8",   "   /16", "   /32", "   /64",
                             "      Inch", "      MM", "    SS", "    PP"};
  for (int c = 0; c < 9; ++c) {
    QCOMPARE(grid->columnWidth(c), widths[c]);
    QCOMPARE(grid->cell(c, 0), headings[c]);
  }
  QCOMPARE(findNamed<QPushButton>(frac(), "closeButton")->text(), QStringLiteral("Close"));
  QCOMPARE(findNamed<QPushButton>(frac(), "closeButton")->geometry(), QRect(400, 454, 120, 27));
  QCOMPARE(findNamed<QToolButton>(frac(), "firstPageButton")->toolTip(), QStringLiteral("First Record"));
  QCOMPARE(findNamed<QToolButton>(frac(), "lastPageButton")->toolTip(), QStringLiteral("Last Record"));
  // Made late, the grid still comes between the Close button and the tool bar.
  giveFocusTo(findNamed<QPushButton>(frac(), "closeButton"));
  QTest::keyClick(findNamed<QPushButton>(frac(), "closeButton"), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), grid);
  QTest::keyClick(grid, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), findNamed<QToolButton>(frac(), "firstPageButton"));
  QTest::keyClick(findNamed<QToolButton>(frac(), "firstPageButton"), Qt::Key_Backtab);
  QCOMPARE(QApplication::focusWidget(), grid);
}

void FractionsWindowTest::rows_data() {
  QTest::addColumn<int>("row");
  QTest::addColumn<QStringList>("cells");
  // Column blanks 2, 2, 2, 3, 3, 4, 3, 2, 4 before each value's own blanks.
  QTest::newRow("1/64") << 1 << QStringList{"  ",         "  ",         "  ", "   ", "     1",
                                            "    0.0156", "     0.397", "  ", "    "};
  QTest::newRow("2/64, approximate") << 2
                                     << QStringList{"  ",         "  ",         "  ",      "     1", "     2",
                                                    "    0.0313", "     0.794", "   000~", "     1~"};
  QTest::newRow("16/64") << 16 << QStringList{"    1",      "    2",      "     4",  "     8", "    16",
                                              "    0.2500", "     6.350", "     30", "    "};
  QTest::newRow("26/64") << 26 << QStringList{"  ",         "  ",        "  ",      "    13", "    26",
                                              "    0.4063", "   10.319", "     46", "    "};
  QTest::newRow("64/64") << 64 << QStringList{"    4",      "    8",     "    16", "    32", "    64",
                                              "    1.0000", "   25.400", "  ",     "    "};
}

void FractionsWindowTest::rows() {
  QFETCH(int, row);
  QFETCH(QStringList, cells);
  frac()->buildGrid();
  for (int c = 0; c < 9; ++c) QCOMPARE(findNamed<StringGrid>(frac(), "fractionGrid")->cell(c, row), cells[c]);
}

void FractionsWindowTest::navigation_data() {
  QTest::addColumn<int>("startRow");
  QTest::addColumn<int>("startTop");
  QTest::addColumn<int>("button");
  QTest::addColumn<int>("row");
  QTest::addColumn<int>("top");  // -1: the selected row is the last one in sight
  QTest::newRow("first from the end") << 64 << 45 << 1 << 1 << 1;
  QTest::newRow("prior on row 1") << 1 << 1 << 2 << 1 << 1;
  QTest::newRow("prior above the top") << 30 << 30 << 2 << 29 << 29;
  QTest::newRow("next in view") << 3 << 1 << 3 << 4 << 1;
  QTest::newRow("next below the view") << 20 << 1 << 3 << 21 << 2;
  QTest::newRow("next on row 64") << 64 << 45 << 3 << 64 << 45;
  QTest::newRow("last") << 1 << 1 << 4 << 64 << -1;
}

void FractionsWindowTest::navigation() {
  QFETCH(int, startRow);
  QFETCH(int, startTop);
  QFETCH(int, button);
  QFETCH(int, row);
  QFETCH(int, top);
  showFrac();
  StringGrid* grid = findNamed<StringGrid>(frac(), "fractionGrid");
  const int visible = grid->visibleRowCount();
  QCOMPARE(visible, 20);  // 400 pixels of rows below the heading
  if (top == -1) top = row - visible + 1;
  grid->setGridRow(startRow);
  grid->setTopRow(startTop);
  QCOMPARE(grid->topRow(), startTop);

  QToolButton* buttons[] = {
      findNamed<QToolButton>(frac(), "firstPageButton"), findNamed<QToolButton>(frac(), "previousPageButton"),
      findNamed<QToolButton>(frac(), "nextPageButton"), findNamed<QToolButton>(frac(), "lastPageButton")};
  QTest::mouseClick(buttons[button - 1], Qt::LeftButton);

  QCOMPARE(grid->gridRow(), row);
  QCOMPARE(grid->topRow(), top);
  QCOMPARE(QApplication::focusWidget(), grid);
}

void FractionsWindowTest::escapeHidesAndShowingKeepsTheRow() {
  showFrac();
  StringGrid* grid = findNamed<StringGrid>(frac(), "fractionGrid");
  QCOMPARE(QApplication::focusWidget(), grid);
  QCOMPARE(grid->gridRow(), 1);
  for (int i = 0; i < 40; ++i)
    QTest::mouseClick(findNamed<QToolButton>(frac(), "nextPageButton"), Qt::LeftButton);
  QCOMPARE(grid->gridRow(), 41);
  const int top = grid->topRow();
  QVERIFY(top > 1);

  giveFocusTo(findNamed<QPushButton>(frac(), "closeButton"));  // Esc works wherever the focus is
  QTest::keyClick(findNamed<QPushButton>(frac(), "closeButton"), Qt::Key_Escape);
  QTRY_VERIFY(!frac()->isVisible());
  QVERIFY(fixture->app->mainWindow()->isVisible());

  showFrac();
  QCOMPARE(grid->gridRow(), 41);
  QCOMPARE(grid->topRow(), top);
  QCOMPARE(QApplication::focusWidget(), grid);

  QTest::keyClick(grid, Qt::Key_Escape);
  QTRY_VERIFY(!frac()->isVisible());
  QTest::mouseClick(findNamed<QPushButton>(fixture->app->mainWindow(), "fractionsButton"), Qt::LeftButton);
  QTRY_VERIFY(frac()->isVisible());
  QTest::mouseClick(findNamed<QPushButton>(frac(), "closeButton"), Qt::LeftButton);
  QVERIFY(!frac()->isVisible());
  QCOMPARE(grid->gridRow(), 41);
  QCOMPARE(fixture->quitRequests, 0);  // closing it never ends the program
}

// Pressed again while the window is open, the button changes nothing in it.
void FractionsWindowTest::fractionsButtonShowsOrRaises() {
  showFrac();
  findNamed<StringGrid>(frac(), "fractionGrid")->setGridRow(20);
  QTest::mouseClick(findNamed<QToolButton>(frac(), "nextPageButton"), Qt::LeftButton);
  giveFocusTo(findNamed<QPushButton>(fixture->app->mainWindow(), "fractionsButton"));
  QTest::mouseClick(findNamed<QPushButton>(fixture->app->mainWindow(), "fractionsButton"), Qt::LeftButton);
  QVERIFY(frac()->isVisible());
  QVERIFY(!frac()->isModal());
  QCOMPARE(findNamed<StringGrid>(frac(), "fractionGrid")->gridRow(), 21);
  QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(frac()));
}

QTEST_MAIN(FractionsWindowTest)
#include "tst_fractions_window.moc"
