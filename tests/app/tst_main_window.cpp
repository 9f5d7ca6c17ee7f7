#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include "app/help_window.h"
#include "app/info_pages.h"
#include "app/main_window.h"
#include "core/maker_info.h"
#include "core/worksheet_file.h"
#include "core/worksheet_recovery.h"
#include "desk_calculator/calculator_pad.h"
#include "desk_calculator/calculator_window.h"
#include "find_child.h"
#include "measures/bead_page.h"
#include "measures/fractions_window.h"
#include "measures/weight_page.h"
#include "platform/languages.h"
#include "sizes/chart_pages.h"
#include "sizes/size_converter.h"
#include "sizes/size_pages.h"
#include "text_fit.h"
#include "widget_fixture.h"
#include "widgets/bevel_panel.h"
#include "widgets/color_tab_widget.h"
#include "widgets/entry_box.h"
#include "widgets/string_grid.h"
#include "worksheet/worksheet_window.h"

using namespace orvane;

class MainWindowTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();
  void frame();
  void pagesInOrder();
  void windowsCreatedHidden();
  void folders();
  void exitEndsProgram();
  void buttonsShowWindows_data();
  void buttonsShowWindows();
  void helpPageSelection();
  void referenceGridsFilled();
  void gridPagesTakeFocus();
  void navigation_data();
  void navigation();
  void navigationButtonsNeverTakeFocus();
  void everyBoxHasAnAccessibleName();
  void enterPressesTheFocusedButton_data();
  void enterPressesTheFocusedButton();
  void tabChain_data();
  void tabChain();
  void f1OpensHelp_data();
  void f1OpensHelp();
  void f1InHelpIsHarmless();
  void calculatorKey();
  void ctrlTabChangesPage_data();
  void ctrlTabChangesPage();
  void inGerman();
  void longerCaptionsKeepTheLayout_data();
  void longerCaptionsKeepTheLayout();
  void ownTextsTranslated();
  void restoreQuestionInEachLanguage_data();
  void restoreQuestionInEachLanguage();

 private:
  std::unique_ptr<TestApp> t_;
  std::unique_ptr<ModalDialogGuard> guard_;
  MainWindow* main() const { return t_->app->mainWindow(); }
  ColorTabWidget* pages() const { return findNamed<ColorTabWidget>(main(), "pages"); }
};

void MainWindowTest::init() {
  guard_ = std::make_unique<ModalDialogGuard>();
  t_ = std::make_unique<TestApp>();
}

void MainWindowTest::cleanup() {
  t_.reset();
  installLanguage(QStringLiteral("en"));
  QVERIFY2(!guard_->tripped(), qPrintable(guard_->seen()));
  guard_.reset();
}

void MainWindowTest::frame() {
  QCOMPARE(main()->windowTitle(), QStringLiteral("Orvane Version 2.0"));
  QCOMPARE(main()->size(), QSize(535, 515));
  QCOMPARE(main()->minimumSize(), main()->maximumSize());
  QVERIFY(main()->windowFlags() & Qt::WindowMinimizeButtonHint);
  QVERIFY(!(main()->windowFlags() & Qt::WindowMaximizeButtonHint));
  QCOMPARE(pages()->geometry(), QRect(0, 72, 533, 392));
  QCOMPARE(findNamed<BevelPanel>(main(), "buttonBar")->geometry(), QRect(0, 464, 534, 50));
  QCOMPARE(findNamed<QPushButton>(main(), "exitButton")->text(), QStringLiteral("Exit"));
  QCOMPARE(findNamed<QPushButton>(main(), "exitButton")->geometry(), QRect(448, 9, 73, 27));
  QCOMPARE(findNamed<QPushButton>(main(), "calculatorButton")->toolTip(),
           QStringLiteral("Math Calculator (F9)"));
  QCOMPARE(findNamed<QPushButton>(main(), "helpButton")->toolTip(), QStringLiteral("Help"));
  QCOMPARE(findNamed<QToolButton>(main(), "firstPageButton")->toolTip(), QStringLiteral("First Record"));
  QCOMPARE(findNamed<QToolButton>(main(), "lastPageButton")->toolTip(), QStringLiteral("Last Record"));
}

void MainWindowTest::pagesInOrder() {
  const QStringList captions{"About",  "Tips",      "Bead Calculator", "Pearl Plate", "Stone Size",
                             "Weight", "Jump Ring", "Wire Gauge",      "Ring Size",   "Links"};
  QCOMPARE(pages()->pageCount(), captions.size());
  for (int i = 0; i < captions.size(); ++i) QCOMPARE(pages()->caption(i), captions[i]);
  QCOMPARE(pages()->activePageIndex(), 0);
  QCOMPARE(static_cast<QWidget*>(pages()->page(3)),
           static_cast<QWidget*>(findNamed<PearlPlateChartPage>(main(), "pearlPlatePage")));
  QCOMPARE(static_cast<QWidget*>(pages()->page(8)),
           static_cast<QWidget*>(findNamed<RingSizeChartPage>(main(), "ringSizePage")));
}

// Only the main window is built at start; each other window is built hidden
// when first asked for, in any order, and is the same window from then on.
void MainWindowTest::windowsCreatedHidden() {
  QCOMPARE(t_->app->builtWindows(), QList<QWidget*>{main()});
  CalculatorWindow* calculator = t_->app->calculatorWindow();
  QCOMPARE(t_->app->builtWindows(), (QList<QWidget*>{main(), calculator}));
  QVERIFY(t_->app->fractionsWindow() && !t_->app->fractionsWindow()->isVisible());
  QVERIFY(t_->app->worksheetWindow() && !t_->app->worksheetWindow()->isVisible());
  QVERIFY(t_->app->calculatorWindow() && !t_->app->calculatorWindow()->isVisible());
  QVERIFY(t_->app->helpWindow() && !t_->app->helpWindow()->isVisible());
  QCOMPARE(t_->app->fractionsWindow()->windowTitle(), QStringLiteral("Fractions and Stone Size"));
  QCOMPARE(t_->app->fractionsWindow()->size(), QSize(609, 491));
  QCOMPARE(t_->app->worksheetWindow()->size(), QSize(762, 529));
  QCOMPARE(t_->app->calculatorWindow()->windowTitle(), QStringLiteral("Calculator"));
  QCOMPARE(t_->app->calculatorWindow()->size(), QSize(278, 245));
  QCOMPARE(t_->app->helpWindow()->windowTitle(), QStringLiteral("Help"));
  QCOMPARE(t_->app->helpWindow()->size(), QSize(448, 487));
  QCOMPARE(t_->app->calculatorWindow(), calculator);
  QCOMPARE(t_->app->builtWindows(),
           (QList<QWidget*>{main(), t_->app->fractionsWindow(), t_->app->worksheetWindow(), calculator,
                            t_->app->helpWindow()}));
}

void MainWindowTest::folders() {
  QCOMPARE(main()->startFolder, QDir::currentPath());
  QCOMPARE(main()->worksheetFolder, QDir::currentPath() + QStringLiteral("/Worksheet/"));
}

void MainWindowTest::exitEndsProgram() {
  main()->show();
  QTest::mouseClick(findNamed<QPushButton>(main(), "exitButton"), Qt::LeftButton);
  QCOMPARE(t_->quitRequests, 1);
  main()->close();
  QCOMPARE(t_->quitRequests, 2);
}

void MainWindowTest::buttonsShowWindows_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("window");
  QTest::newRow("fractions") << "fractionsButton"
                             << "Fractions and Stone Size";
  QTest::newRow("worksheet") << "worksheetButton"
                             << "Bead Worksheet";
  QTest::newRow("calculator") << "calculatorButton"
                              << "Calculator";
  QTest::newRow("help") << "helpButton"
                        << "Help";
}

// Showing is never modal; a second press keeps the window as it is.
void MainWindowTest::buttonsShowWindows() {
  QFETCH(QString, button);
  QFETCH(QString, window);
  main()->show();
  QPushButton* b = button == "fractionsButton"    ? findNamed<QPushButton>(main(), "fractionsButton")
                   : button == "worksheetButton"  ? findNamed<QPushButton>(main(), "worksheetButton")
                   : button == "calculatorButton" ? findNamed<QPushButton>(main(), "calculatorButton")
                                                  : findNamed<QPushButton>(main(), "helpButton");
  QTest::mouseClick(b, Qt::LeftButton);
  // The press built the window it shows, and only that one.
  const QList<QWidget*> built = t_->app->builtWindows();
  QCOMPARE(built.size(), 2);
  QWidget* shown = built[1];
  QVERIFY(shown->isVisible());
  QCOMPARE(shown->windowTitle().remove(QStringLiteral("[*]")), window);
  QVERIFY(!shown->isModal());
  // Owned by the main window: no task-bar entry of its own, kept in front of it.
  QVERIFY(shown->isWindow());
  QCOMPARE(shown->parentWidget(), static_cast<QWidget*>(main()));
  QVERIFY(shown->windowHandle());
  QCOMPARE(shown->windowHandle()->transientParent(), main()->windowHandle());
  QTest::mouseClick(b, Qt::LeftButton);
  QVERIFY(shown->isVisible());
  shown->close();
  QVERIFY(!shown->isVisible());
  QVERIFY(main()->isVisible());
  QCOMPARE(t_->quitRequests, 0);
  // Shown again, it is the same window.
  QTest::mouseClick(b, Qt::LeftButton);
  QCOMPARE(t_->app->builtWindows(), built);
  QVERIFY(shown->isVisible());
}

void MainWindowTest::helpPageSelection() {
  HelpWindow* help = t_->app->helpWindow();
  auto helpPage = [&] {
    return findNamed<ColorTabWidget>(help, "pages")
        ->caption(findNamed<ColorTabWidget>(help, "pages")->activePageIndex());
  };
  main()->show();
  QCOMPARE(helpPage(), QStringLiteral("License"));
  pages()->setActivePageIndex(2);
  QTest::mouseClick(findNamed<QPushButton>(main(), "helpButton"), Qt::LeftButton);
  QCOMPARE(helpPage(), QStringLiteral("Bead Calculator"));
  pages()->setActivePageIndex(5);  // any other page keeps the help page
  QTest::mouseClick(findNamed<QPushButton>(main(), "helpButton"), Qt::LeftButton);
  QCOMPARE(helpPage(), QStringLiteral("Bead Calculator"));
  pages()->setActivePageIndex(0);
  QTest::mouseClick(findNamed<QPushButton>(main(), "helpButton"), Qt::LeftButton);
  QCOMPARE(helpPage(), QStringLiteral("License"));
  help->close();
  QCOMPARE(helpPage(), QStringLiteral("Stone Size"));
  pages()->setActivePageIndex(3);
  QTest::mouseClick(findNamed<QPushButton>(main(), "helpButton"), Qt::LeftButton);
  QCOMPARE(helpPage(), QStringLiteral("Stone Size"));
  QVERIFY(help->isVisible());
}

void MainWindowTest::referenceGridsFilled() {
  findNamed<PearlPlateChartPage>(main(), "pearlPlatePage")
      ->buildGrids();  // made when their pages are first shown
  findNamed<StoneSizeChartPage>(main(), "stoneSizePage")->buildGrids();
  StringGrid* pearl =
      findNamed<StringGrid>(findNamed<PearlPlateChartPage>(main(), "pearlPlatePage"), "pearlGrid");
  StringGrid* stone =
      findNamed<StringGrid>(findNamed<StoneSizeChartPage>(main(), "stoneSizePage"), "stoneGrid");
  QCOMPARE(pearl->gridRowCount(), 37);
  QCOMPARE(pearl->gridColumnCount(), 6);
  QCOMPARE(stone->gridRowCount(), 103);
  QCOMPARE(stone->gridColumnCount(), 5);
  const QStringList first{"     1", "   000", "      0.80", "      0.90", "    0.0315", "    0.0354"};
  for (int c = 0; c < 6; ++c) QCOMPARE(pearl->cell(c, 0), first[c]);
  QCOMPARE(pearl->cell(2, 21), QStringLiteral("      2.80"));  // PP 22 runs 2.80 ...
  QCOMPARE(pearl->cell(3, 21), QStringLiteral("      2.85"));
  QCOMPARE(pearl->cell(3, 22), QStringLiteral("      3.00"));  // ... PP 23 2.85 to 3.00
  QCOMPARE(pearl->cell(1, 4), QStringLiteral("     2"));       // PP 5 and 6 are both SS 2
  QCOMPARE(pearl->cell(1, 5), QStringLiteral("     2"));
  QCOMPARE(stone->cell(0, 0), QStringLiteral("   000"));
  QCOMPARE(stone->cell(1, 2), QStringLiteral("      1.000"));
  QCOMPARE(stone->cell(2, 102), QStringLiteral("     24.470"));
  QCOMPARE(stone->cell(4, 102), QStringLiteral("      0.9634"));
  QCOMPARE(pearl->columnWidth(5), 88);
  QCOMPARE(stone->columnWidth(1), 100);
  QCOMPARE(pearl->gridRow(), 0);
}

void MainWindowTest::gridPagesTakeFocus() {
  giveFocusTo(findNamed<QPushButton>(main(), "exitButton"));
  pages()->setActivePageIndex(4);
  QCOMPARE(QApplication::focusWidget(),
           static_cast<QWidget*>(
               findNamed<StringGrid>(findNamed<StoneSizeChartPage>(main(), "stoneSizePage"), "stoneGrid")));
  pages()->setActivePageIndex(3);
  QCOMPARE(QApplication::focusWidget(),
           static_cast<QWidget*>(
               findNamed<StringGrid>(findNamed<PearlPlateChartPage>(main(), "pearlPlatePage"), "pearlGrid")));
}

void MainWindowTest::navigation_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("buttons");  // F, P, N, L in turn
  QTest::addColumn<int>("row");
  QTest::newRow("last") << 3 << "L" << 36;
  QTest::newRow("next at the bottom stays") << 3 << "LN" << 36;
  QTest::newRow("prior at the top stays") << 3 << "P" << 0;
  QTest::newRow("next then prior") << 3 << "NNP" << 1;
  QTest::newRow("first after last") << 4 << "LF" << 0;
  QTest::newRow("stone last") << 4 << "L" << 102;
  QTest::newRow("weight page does nothing") << 5 << "NN" << 0;
  QTest::newRow("about page does nothing") << 0 << "L" << 0;
}

void MainWindowTest::navigation() {
  QFETCH(int, page);
  QFETCH(QString, buttons);
  QFETCH(int, row);
  main()->show();
  findNamed<PearlPlateChartPage>(main(), "pearlPlatePage")
      ->buildGrids();  // also the rows where the grid's page is not shown
  findNamed<StoneSizeChartPage>(main(), "stoneSizePage")->buildGrids();
  pages()->setActivePageIndex(page);
  StringGrid* grid =
      page == 4
          ? findNamed<StringGrid>(findNamed<StoneSizeChartPage>(main(), "stoneSizePage"), "stoneGrid")
          : findNamed<StringGrid>(findNamed<PearlPlateChartPage>(main(), "pearlPlatePage"), "pearlGrid");
  for (QChar b : buttons) {
    QToolButton* button = b == u'F'   ? findNamed<QToolButton>(main(), "firstPageButton")
                          : b == u'P' ? findNamed<QToolButton>(main(), "previousPageButton")
                          : b == u'N' ? findNamed<QToolButton>(main(), "nextPageButton")
                                      : findNamed<QToolButton>(main(), "lastPageButton");
    QTest::mouseClick(button, Qt::LeftButton);
  }
  QCOMPARE(grid->gridRow(), row);
  QVERIFY(grid->topRow() <= row && row < grid->topRow() + grid->visibleRowCount());
  QCOMPARE(t_->services.beeps, 0);
}

void MainWindowTest::navigationButtonsNeverTakeFocus() {
  pages()->setActivePageIndex(3);
  giveFocusTo(findNamed<StringGrid>(findNamed<PearlPlateChartPage>(main(), "pearlPlatePage"), "pearlGrid"));
  QTest::mouseClick(findNamed<QToolButton>(main(), "nextPageButton"), Qt::LeftButton);
  QCOMPARE(QApplication::focusWidget(),
           static_cast<QWidget*>(
               findNamed<StringGrid>(findNamed<PearlPlateChartPage>(main(), "pearlPlatePage"), "pearlGrid")));
}

// Screen-reader users need a name on every box they can type in or read.
void MainWindowTest::everyBoxHasAnAccessibleName() {
  QStringList unnamed;
  for (QWidget* window :
       {static_cast<QWidget*>(main()), static_cast<QWidget*>(t_->app->fractionsWindow()),
        static_cast<QWidget*>(t_->app->worksheetWindow()), static_cast<QWidget*>(t_->app->calculatorWindow()),
        static_cast<QWidget*>(t_->app->helpWindow())}) {
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
      if (!qobject_cast<QComboBox*>(box->parentWidget()) && box->accessibleName().isEmpty())
        unnamed << window->windowTitle() + u':' + box->objectName();
    for (QComboBox* box : window->findChildren<QComboBox*>())
      if (box->accessibleName().isEmpty()) unnamed << window->windowTitle() + u':' + box->objectName();
    for (StringGrid* grid : window->findChildren<StringGrid*>())
      if (grid->accessibleName().isEmpty()) unnamed << window->windowTitle() + u':' + grid->objectName();
  }
  QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
}

// Tab walks the page, then the button bar, then the converter panel, and back
// to the page. The record bar is left out of the chain: the grid it moves
// already answers Up, Down, Ctrl+Home and Ctrl+End, and a stop that does
// nothing on six of the ten pages would only cost an extra key press.
void MainWindowTest::tabChain_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QStringList>("chain");
  // The whole button bar, left to right.
  const QStringList frame{"Fractions",  "Worksheet",   "Exit",   "Pearl Plate",
                          "Stone Size", "Millimeters", "Inches", "Clear Data Entry"};
  // The record buttons are tab stops too: a keyboard user reaches every control.
  const QStringList bar{"First Record",    "Prior Record", "Next Record", "Last Record",
                        "Math Calculator", "Help",         "Fractions"};
  // The About page's web address is a link: Tab reaches it.
  QTest::newRow("about") << 0 << (frame + QStringList{"page control", maker::kWebSite} + bar);
  QTest::newRow("weight") << 5
                          << (frame +
                              QStringList{"page control", "Carats", "Grams", "Kilograms", "Ounces", "Pounds",
                                          "Troy Ounces", "Pennyweights", "Grains", "Clear", "Metal\u2026"} +
                              bar);
  QTest::newRow("pearl plate") << 3 << (frame + QStringList{"page control", "Pearl plate chart"} + bar);
}

void MainWindowTest::tabChain() {
  QFETCH(int, page);
  QFETCH(QStringList, chain);
  pages()->setActivePageIndex(page);
  giveFocusTo(findNamed<QPushButton>(main(), "fractionsButton"));
  QStringList seen;
  for (qsizetype i = 0; i < chain.size() - 1; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* w = QApplication::focusWidget();
    if (w == pages())
      seen << QStringLiteral("page control");
    else if (auto* button = qobject_cast<QPushButton*>(w); button && button->accessibleName().isEmpty())
      seen << button->text();
    else
      seen << (w ? w->accessibleName() : QStringLiteral("nothing"));
  }
  QCOMPARE(seen, chain.mid(1));
}

// Keyboard users tab to a button and press Enter, as they would on any desktop.
void MainWindowTest::enterPressesTheFocusedButton_data() {
  QTest::addColumn<QString>("button");
  QTest::newRow("Fractions") << "fractionsButton";
  QTest::newRow("Worksheet") << "worksheetButton";
  QTest::newRow("Exit") << "exitButton";
  QTest::newRow("weight Clear") << "weightClearButton";
  QTest::newRow("bead Clear") << "beadClearButton";
  QTest::newRow("fractions Close") << "closeButton";
}

void MainWindowTest::enterPressesTheFocusedButton() {
  QFETCH(QString, button);
  WeightPage* weight = findNamed<WeightPage>(main(), "weightPage");
  BeadPage* bead = findNamed<BeadPage>(main(), "beadPage");
  FractionsWindow* frac = t_->app->fractionsWindow();
  main()->show();
  QPushButton* b = nullptr;
  if (button == "weightClearButton") {
    pages()->setActivePageIndex(5);
    findNamed<EntryBox>(weight, "gramBox")->setText(QStringLiteral("100"));
    b = findNamed<QPushButton>(weight, "clearButton");
  } else if (button == "beadClearButton") {
    pages()->setActivePageIndex(2);
    findNamed<EntryBox>(bead, "beadCountBox")->setText(QStringLiteral("12"));
    b = findNamed<QPushButton>(bead, "clearButton");
  } else if (button == "closeButton") {
    findNamed<QPushButton>(main(), "fractionsButton")->click();
    b = findNamed<QPushButton>(frac, "closeButton");
  } else {
    b = button == "fractionsButton"   ? findNamed<QPushButton>(main(), "fractionsButton")
        : button == "worksheetButton" ? findNamed<QPushButton>(main(), "worksheetButton")
                                      : findNamed<QPushButton>(main(), "exitButton");
  }
  giveFocusTo(b);
  QTest::keyClick(b, Qt::Key_Return);
  if (button == "fractionsButton") QVERIFY(frac->isVisible());
  if (button == "worksheetButton") QVERIFY(t_->app->worksheetWindow()->isVisible());
  if (button == "exitButton") QCOMPARE(t_->quitRequests, 1);
  if (button == "weightClearButton") {
    QCOMPARE(findNamed<EntryBox>(weight, "gramBox")->text(), QString());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(findNamed<EntryBox>(weight, "caratBox")));
  }
  if (button == "beadClearButton") {
    QCOMPARE(findNamed<EntryBox>(bead, "beadCountBox")->text(), QString());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(findNamed<EntryBox>(bead, "beadMmBox")));
  }
  if (button == "closeButton") QVERIFY(!frac->isVisible());
}

// F1 opens the help wherever the focus is; from the main window it picks the
// page as the Help button does.
void MainWindowTest::f1OpensHelp_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("helpPage");
  QTest::newRow("main, bead calculator") << "main" << 2 << "Bead Calculator";
  QTest::newRow("main, about") << "main" << 0 << "License";
  QTest::newRow("fractions") << "fractions" << -1 << "Stone Size";
  QTest::newRow("calculator") << "calculator" << -1 << "Stone Size";
}

void MainWindowTest::f1OpensHelp() {
  QFETCH(QString, window);
  QFETCH(int, page);
  QFETCH(QString, helpPage);
  HelpWindow* help = t_->app->helpWindow();
  findNamed<ColorTabWidget>(help, "pages")->setActivePage(findNamed<TabPage>(help, "stoneSizePage"));
  QWidget* focus = nullptr;
  if (window == "main") {
    pages()->setActivePageIndex(page);
    focus = findNamed<EntryBox>(findNamed<SizeConverter>(main(), "sizeConverter"), "mmBox");
  } else if (window == "fractions") {
    findNamed<QPushButton>(main(), "fractionsButton")->click();
    focus = findNamed<QPushButton>(t_->app->fractionsWindow(), "closeButton");
  } else {
    findNamed<QPushButton>(main(), "calculatorButton")->click();
    focus = findNamed<CalculatorPad>(t_->app->calculatorWindow(), "calculatorPad");
  }
  giveFocusTo(focus);
  QVERIFY(!help->isVisible());
  QTest::keyClick(focus, Qt::Key_F1);
  QVERIFY(help->isVisible());
  QCOMPARE(findNamed<ColorTabWidget>(help, "pages")
               ->caption(findNamed<ColorTabWidget>(help, "pages")->activePageIndex()),
           helpPage);
  QCOMPARE(t_->services.beeps, 0);
}

void MainWindowTest::f1InHelpIsHarmless() {
  HelpWindow* help = t_->app->helpWindow();
  pages()->setActivePageIndex(2);
  findNamed<QPushButton>(main(), "helpButton")->click();
  giveFocusTo(help);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  QVERIFY(help->isVisible());
  QCOMPARE(findNamed<ColorTabWidget>(help, "pages")
               ->caption(findNamed<ColorTabWidget>(help, "pages")->activePageIndex()),
           QStringLiteral("Bead Calculator"));
  QCOMPARE(pages()->activePageIndex(), 2);
}

void MainWindowTest::calculatorKey() {
  giveFocusTo(findNamed<EntryBox>(findNamed<SizeConverter>(main(), "sizeConverter"), "mmBox"));
  QTest::keyClicks(findNamed<EntryBox>(findNamed<SizeConverter>(main(), "sizeConverter"), "mmBox"),
                   QStringLiteral("12"));
  QTest::keyClick(findNamed<EntryBox>(findNamed<SizeConverter>(main(), "sizeConverter"), "mmBox"),
                  Qt::Key_F9);
  QVERIFY(t_->app->calculatorWindow()->isVisible());
  QCOMPARE(findNamed<EntryBox>(findNamed<SizeConverter>(main(), "sizeConverter"), "mmBox")->text(),
           QStringLiteral("12"));
}

// Ctrl+Tab and Ctrl+Shift+Tab step through the pages wherever the focus is,
// round the ends.
void MainWindowTest::ctrlTabChangesPage_data() {
  QTest::addColumn<QString>("focus");
  QTest::addColumn<int>("from");
  QTest::addColumn<bool>("back");
  QTest::addColumn<int>("to");
  QTest::newRow("converter box") << "mmBox" << 0 << false << 1;
  QTest::newRow("converter box, back") << "mmBox" << 3 << true << 2;
  QTest::newRow("grid") << "grid" << 3 << false << 4;
  QTest::newRow("weight box") << "gramBox" << 5 << true << 4;
  QTest::newRow("bar button wraps forward") << "exitButton" << 9 << false << 0;
  QTest::newRow("page control wraps back") << "pages" << 0 << true << 9;
  QTest::newRow("designation list") << "pearlBox" << 9 << false << 0;
}

void MainWindowTest::ctrlTabChangesPage() {
  QFETCH(QString, focus);
  QFETCH(int, from);
  QFETCH(bool, back);
  QFETCH(int, to);
  pages()->setActivePageIndex(from);
  QWidget* target =
      focus == "mmBox" ? static_cast<QWidget*>(
                             findNamed<EntryBox>(findNamed<SizeConverter>(main(), "sizeConverter"), "mmBox"))
      : focus == "grid" ? static_cast<QWidget*>(findNamed<StringGrid>(
                              findNamed<PearlPlateChartPage>(main(), "pearlPlatePage"), "pearlGrid"))
      : focus == "gramBox"
          ? static_cast<QWidget*>(findNamed<EntryBox>(findNamed<WeightPage>(main(), "weightPage"), "gramBox"))
      : focus == "exitButton" ? static_cast<QWidget*>(findNamed<QPushButton>(main(), "exitButton"))
      : focus == "pages"      ? static_cast<QWidget*>(pages())
                              : static_cast<QWidget*>(findNamed<DesignationBox>(
                               findNamed<SizeConverter>(main(), "sizeConverter"), "pearlBox"));
  giveFocusTo(target);
  QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                  back ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
  QCOMPARE(pages()->activePageIndex(), to);
  QCOMPARE(t_->services.beeps, 0);
}

// Built in German, the window speaks German and still converts, with "." as
// the decimal point.
void MainWindowTest::inGerman() {
  t_.reset();
  QVERIFY(installLanguage(QStringLiteral("de")));
  t_ = std::make_unique<TestApp>();
  const QStringList captions{"Über",    "Tipps",     "Perlenrechner", "Perlenplatte", "Steingröße",
                             "Gewicht", "Biegering", "Drahtstärke",   "Ringgröße",    "Links"};
  for (int i = 0; i < captions.size(); ++i) QCOMPARE(pages()->caption(i), captions[i]);
  QCOMPARE(findNamed<QPushButton>(main(), "fractionsButton")->text(), QStringLiteral("Brüche"));
  QCOMPARE(findNamed<QPushButton>(main(), "worksheetButton")->text(), QStringLiteral("Arbeitsblatt"));
  QCOMPARE(findNamed<QPushButton>(main(), "exitButton")->text(), QStringLiteral("Beenden"));
  QCOMPARE(findNamed<QPushButton>(main(), "calculatorButton")->toolTip(), QStringLiteral("Rechner (F9)"));
  QCOMPARE(findNamed<QPushButton>(main(), "helpButton")->accessibleName(), QStringLiteral("Hilfe"));
  QCOMPARE(findNamed<QLabel>(main(), "tipsHeading")->text(), QStringLiteral("Willkommen bei Orvane"));
  // German captions fit two rows of tabs: the window keeps its English size.
  QCOMPARE(main()->size(), QSize(535, 515));

  main()->show();
  auto* converter = findNamed<SizeConverter>(main(), "sizeConverter");
  auto* mm = findNamed<EntryBox>(converter, "mmBox");
  giveFocusTo(mm);
  typeText(mm, QStringLiteral("2.3"));
  QTest::keyClick(mm, Qt::Key_Return);
  QCOMPARE(findNamed<EntryBox>(converter, "inchBox")->text(), QStringLiteral("0.09055"));
  QCOMPARE(findNamed<DesignationBox>(converter, "pearlBox")->shownText(), QStringLiteral("16 - 17"));
  QCOMPARE(findNamed<DesignationBox>(converter, "stoneBox")->shownText(), QStringLiteral("7 - 8"));
  // Exit still ends the program.
  QTest::mouseClick(findNamed<QPushButton>(main(), "exitButton"), Qt::LeftButton);
  QCOMPARE(t_->quitRequests, 1);
}

void MainWindowTest::longerCaptionsKeepTheLayout_data() {
  QTest::addColumn<QString>("language");
  QTest::newRow("en") << "en";
  QTest::newRow("de") << "de";
  QTest::newRow("pseudo") << QString::fromLatin1(kPseudoLanguage);
}

// Longer captions widen their buttons without pushing one onto another or
// out of the bar, and tabs that need more rows make the window taller
// rather than the pages shorter.
void MainWindowTest::longerCaptionsKeepTheLayout() {
  QFETCH(QString, language);
  const int englishPageHeight = pages()->displayRect().height();
  t_.reset();
  QVERIFY(installLanguage(language));
  t_ = std::make_unique<TestApp>();
  main()->show();
  QCOMPARE(pages()->displayRect().height(), englishPageHeight);
  auto* bar = findNamed<BevelPanel>(main(), "buttonBar");
  QVERIFY(main()->rect().contains(bar->geometry()));
  QCOMPARE(bar->geometry().top(), pages()->geometry().bottom() + 1);
  QWidget* left = findNamed<QWidget>(main(), "pageButtonBar");
  for (const char* name :
       {"calculatorButton", "helpButton", "fractionsButton", "worksheetButton", "exitButton"}) {
    auto* button = findNamed<QPushButton>(main(), name);
    QVERIFY2(button->x() > left->geometry().right(), name);
    QVERIFY2(bar->rect().contains(button->geometry()), name);
    left = button;
  }
  QVERIFY2(textsThatDoNotFit(bar).isEmpty(), qPrintable(textsThatDoNotFit(bar).join(u'\n')));
  QVERIFY2(textsThatDoNotFit(pages()).isEmpty(), qPrintable(textsThatDoNotFit(pages()).join(u'\n')));
}

// Every text of the window's own (title, tabs, button bar, the About, Tips
// and Links pages) comes through the translations; names and addresses stay
// as they are.
void MainWindowTest::ownTextsTranslated() {
  t_.reset();
  QVERIFY(installLanguage(QString::fromLatin1(kPseudoLanguage)));
  t_ = std::make_unique<TestApp>();
  main()->show();
  QVERIFY(PseudoTranslator::isPseudo(main()->windowTitle()));
  for (int i = 0; i < pages()->pageCount(); ++i) QVERIFY(PseudoTranslator::isPseudo(pages()->caption(i)));
  const QStringList names{"Orvane", maker::kShopName, "https://" + maker::kProgramPage,
                          "https://" + maker::kWebSite, maker::kWebSite};
  QStringList plain;
  for (const char* name : {"aboutPage", "tipsPage", "linksPage"}) {
    auto* page = findNamed<TabPage>(main(), name);
    pages()->setActivePage(page);
    QApplication::processEvents();
    plain += untranslatedTexts(page, names);
  }
  for (const char* name :
       {"calculatorButton", "helpButton", "fractionsButton", "worksheetButton", "exitButton"})
    plain += untranslatedTexts(findNamed<QPushButton>(main(), name));
  QVERIFY2(plain.isEmpty(), qPrintable(plain.join(u'\n')));
}

void MainWindowTest::restoreQuestionInEachLanguage_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("file");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("question");  // {file} stands for the file's path
  QTest::newRow("en, never saved")
      << "en"
      << ""
      << "Restore Worksheet"
      << "Restore the unsaved worksheet?\n\nOrvane ended before the worksheet was "
         "saved. Yes opens it with its rows, unsaved; No throws them away.";
  QTest::newRow("en, from a file")
      << "en"
      << "bracelet.bws"
      << "Restore Worksheet"
      << "Restore the unsaved worksheet?\n\nOrvane ended before the worksheet {file} "
         "was saved. Yes opens it with its rows, unsaved; No throws them away.";
  QTest::newRow("de, from a file")
      << "de"
      << "bracelet.bws"
      << "Arbeitsblatt wiederherstellen"
      << "Das nicht gespeicherte Arbeitsblatt wiederherstellen?\n\nOrvane wurde beendet, bevor das "
         "Arbeitsblatt {file} gespeichert war. „Ja“ öffnet es mit seinen Zeilen, nicht gespeichert; „Nein“ "
         "verwirft sie.";
}

// Rows a crashed run left are offered back in a whole sentence of the
// program's language, the file named where the language puts it.
void MainWindowTest::restoreQuestionInEachLanguage() {
  QFETCH(QString, language);
  QFETCH(QString, file);
  QFETCH(QString, caption);
  QFETCH(QString, question);
  QTemporaryDir dir;
  const QString path = file.isEmpty() ? QString() : dir.filePath(file);
  RecoveredWorksheet left;
  left.Path = path;
  left.Text.Project = QStringLiteral("Left over");
  saveWholeFile(dir.filePath(recoveryFileName(QStringLiteral("Test"), 1)), recoveryFileBytes(left));

  t_.reset();
  QVERIFY(installLanguage(language));
  t_ = std::make_unique<TestApp>();
  t_->app->keepUnsavedWorksheet(dir.path(), QStringLiteral("Test"));
  t_->services.yesNoAnswers.push_back(false);
  t_->app->offerUnsavedWorksheet();
  QCOMPARE(t_->services.questions.size(), 1);
  QCOMPARE(t_->services.questions[0].caption, caption);
  QCOMPARE(t_->services.questions[0].text, QString(question).replace(QStringLiteral("{file}"), path));
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
