#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include "app/help_window.h"
#include "app/main_window.h"
#include "calculator/calculator_control.h"
#include "calculator/calculator_window.h"
#include "calculators/bead_page.h"
#include "calculators/fractions_window.h"
#include "calculators/weight_page.h"
#include "core/maker_info.h"
#include "sizes/chart_pages.h"
#include "sizes/converter_panel.h"
#include "sizes/size_pages.h"
#include "widget_fixture.h"
#include "widgets/edit.h"
#include "widgets/ext_page_control.h"
#include "widgets/panel.h"
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

 private:
  std::unique_ptr<TestApp> t_;
  std::unique_ptr<ModalDialogGuard> guard_;
  TMainFrm* main() const { return t_->app->MainFrm(); }
};

void MainWindowTest::init() {
  guard_ = std::make_unique<ModalDialogGuard>();
  t_ = std::make_unique<TestApp>();
}

void MainWindowTest::cleanup() {
  t_.reset();
  QVERIFY2(!guard_->Tripped(), qPrintable(guard_->Seen()));
  guard_.reset();
}

void MainWindowTest::frame() {
  QCOMPARE(main()->windowTitle(), QStringLiteral("Orvane Version 2.0"));
  QCOMPARE(main()->size(), QSize(535, 515));
  QCOMPARE(main()->minimumSize(), main()->maximumSize());
  QVERIFY(main()->windowFlags() & Qt::WindowMinimizeButtonHint);
  QVERIFY(!(main()->windowFlags() & Qt::WindowMaximizeButtonHint));
  QCOMPARE(main()->PageControl1->geometry(), QRect(0, 72, 533, 392));
  QCOMPARE(main()->Panel21->geometry(), QRect(0, 464, 534, 50));
  QCOMPARE(main()->ExitBtn->text(), QStringLiteral("Exit"));
  QCOMPARE(main()->ExitBtn->geometry(), QRect(448, 9, 73, 27));
  QCOMPARE(main()->BitBtn1->toolTip(), QStringLiteral("Math Calculator (F9)"));
  QCOMPARE(main()->HelpBtn->toolTip(), QStringLiteral("Help"));
  QCOMPARE(main()->ToolButton1->toolTip(), QStringLiteral("First Record"));
  QCOMPARE(main()->ToolButton4->toolTip(), QStringLiteral("Last Record"));
}

void MainWindowTest::pagesInOrder() {
  const QStringList captions{"About",  "Tips",      "Bead Calculator", "Pearl Plate", "Stone Size",
                             "Weight", "Jump Ring", "Wire Gauge",      "Ring Size",   "Links"};
  QCOMPARE(main()->PageControl1->PageCount(), captions.size());
  for (int i = 0; i < captions.size(); ++i) QCOMPARE(main()->PageControl1->Caption(i), captions[i]);
  QCOMPARE(main()->PageControl1->ActivePageIndex(), 0);
  QCOMPARE(static_cast<QWidget*>(main()->PageControl1->Page(3)), static_cast<QWidget*>(main()->TabSheet2));
  QCOMPARE(static_cast<QWidget*>(main()->PageControl1->Page(8)), static_cast<QWidget*>(main()->TabSheet4));
}

// Only the main window is built at start; each other window is built hidden
// when first asked for, in any order, and is the same window from then on.
void MainWindowTest::windowsCreatedHidden() {
  QCOMPARE(t_->app->BuiltWindows(), QList<QWidget*>{main()});
  TCalculatorFrm* calculator = t_->app->CalculatorFrm();
  QCOMPARE(t_->app->BuiltWindows(), (QList<QWidget*>{main(), calculator}));
  QVERIFY(t_->app->FracFrm() && !t_->app->FracFrm()->isVisible());
  QVERIFY(t_->app->WorksheetFrm() && !t_->app->WorksheetFrm()->isVisible());
  QVERIFY(t_->app->CalculatorFrm() && !t_->app->CalculatorFrm()->isVisible());
  QVERIFY(t_->app->HelpFrm() && !t_->app->HelpFrm()->isVisible());
  QCOMPARE(t_->app->FracFrm()->windowTitle(), QStringLiteral("Fractions and Stone Size"));
  QCOMPARE(t_->app->FracFrm()->size(), QSize(609, 491));
  QCOMPARE(t_->app->WorksheetFrm()->size(), QSize(762, 529));
  QCOMPARE(t_->app->CalculatorFrm()->windowTitle(), QStringLiteral("Calculator"));
  QCOMPARE(t_->app->CalculatorFrm()->size(), QSize(278, 245));
  QCOMPARE(t_->app->HelpFrm()->windowTitle(), QStringLiteral("Help"));
  QCOMPARE(t_->app->HelpFrm()->size(), QSize(448, 487));
  QCOMPARE(t_->app->CalculatorFrm(), calculator);
  QCOMPARE(t_->app->BuiltWindows(), (QList<QWidget*>{main(), t_->app->FracFrm(), t_->app->WorksheetFrm(),
                                                     calculator, t_->app->HelpFrm()}));
}

void MainWindowTest::folders() {
  QCOMPARE(main()->StartFolder, QDir::currentPath());
  QCOMPARE(main()->WorksheetFolder, QDir::currentPath() + QStringLiteral("/Worksheet/"));
}

void MainWindowTest::exitEndsProgram() {
  main()->show();
  QTest::mouseClick(main()->ExitBtn, Qt::LeftButton);
  QCOMPARE(t_->quitRequests, 1);
  main()->close();
  QCOMPARE(t_->quitRequests, 2);
}

void MainWindowTest::buttonsShowWindows_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("window");
  QTest::newRow("fractions") << "FracBtn"
                             << "Fractions and Stone Size";
  QTest::newRow("worksheet") << "WorksheetBtn"
                             << "Bead Worksheet";
  QTest::newRow("calculator") << "BitBtn1"
                              << "Calculator";
  QTest::newRow("help") << "HelpBtn"
                        << "Help";
}

// Showing is never modal; a second press keeps the window as it is.
void MainWindowTest::buttonsShowWindows() {
  QFETCH(QString, button);
  QFETCH(QString, window);
  main()->show();
  QPushButton* b = button == "FracBtn"        ? main()->FracBtn
                   : button == "WorksheetBtn" ? main()->WorksheetBtn
                   : button == "BitBtn1"      ? main()->BitBtn1
                                              : main()->HelpBtn;
  QTest::mouseClick(b, Qt::LeftButton);
  // The press built the window it shows, and only that one.
  const QList<QWidget*> built = t_->app->BuiltWindows();
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
  QCOMPARE(t_->app->BuiltWindows(), built);
  QVERIFY(shown->isVisible());
}

void MainWindowTest::helpPageSelection() {
  THelpFrm* help = t_->app->HelpFrm();
  auto helpPage = [&] { return help->HelpPageControl1->Caption(help->HelpPageControl1->ActivePageIndex()); };
  main()->show();
  QCOMPARE(helpPage(), QStringLiteral("License"));
  main()->PageControl1->SetActivePageIndex(2);
  QTest::mouseClick(main()->HelpBtn, Qt::LeftButton);
  QCOMPARE(helpPage(), QStringLiteral("Bead Calculator"));
  main()->PageControl1->SetActivePageIndex(5);  // any other page keeps the help page
  QTest::mouseClick(main()->HelpBtn, Qt::LeftButton);
  QCOMPARE(helpPage(), QStringLiteral("Bead Calculator"));
  main()->PageControl1->SetActivePageIndex(0);
  QTest::mouseClick(main()->HelpBtn, Qt::LeftButton);
  QCOMPARE(helpPage(), QStringLiteral("License"));
  help->close();
  QCOMPARE(helpPage(), QStringLiteral("Stone Size"));
  main()->PageControl1->SetActivePageIndex(3);
  QTest::mouseClick(main()->HelpBtn, Qt::LeftButton);
  QCOMPARE(helpPage(), QStringLiteral("Stone Size"));
  QVERIFY(help->isVisible());
}

void MainWindowTest::referenceGridsFilled() {
  main()->TabSheet2->BuildGrids();  // made when their pages are first shown
  main()->TabSheet3->BuildGrids();
  TStringGrid* pearl = main()->TabSheet2->PearlGrid;
  TStringGrid* stone = main()->TabSheet3->StoneGrid;
  QCOMPARE(pearl->RowCount(), 37);
  QCOMPARE(pearl->ColCount(), 6);
  QCOMPARE(stone->RowCount(), 103);
  QCOMPARE(stone->ColCount(), 5);
  const QStringList first{"     1", "   000", "      0.80", "      0.90", "    0.0315", "    0.0354"};
  for (int c = 0; c < 6; ++c) QCOMPARE(pearl->Cell(c, 0), first[c]);
  QCOMPARE(pearl->Cell(2, 21), QStringLiteral("      2.80"));  // PP 22 runs 2.80 ...
  QCOMPARE(pearl->Cell(3, 21), QStringLiteral("      2.85"));
  QCOMPARE(pearl->Cell(3, 22), QStringLiteral("      3.00"));  // ... PP 23 2.85 to 3.00
  QCOMPARE(pearl->Cell(1, 4), QStringLiteral("     2"));       // PP 5 and 6 are both SS 2
  QCOMPARE(pearl->Cell(1, 5), QStringLiteral("     2"));
  QCOMPARE(stone->Cell(0, 0), QStringLiteral("   000"));
  QCOMPARE(stone->Cell(1, 2), QStringLiteral("      1.000"));
  QCOMPARE(stone->Cell(2, 102), QStringLiteral("     24.470"));
  QCOMPARE(stone->Cell(4, 102), QStringLiteral("      0.9634"));
  QCOMPARE(pearl->columnWidth(5), 88);
  QCOMPARE(stone->columnWidth(1), 100);
  QCOMPARE(pearl->Row(), 0);
}

void MainWindowTest::gridPagesTakeFocus() {
  FocusWidget(main()->ExitBtn);
  main()->PageControl1->SetActivePageIndex(4);
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(main()->TabSheet3->StoneGrid));
  main()->PageControl1->SetActivePageIndex(3);
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(main()->TabSheet2->PearlGrid));
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
  main()->TabSheet2->BuildGrids();  // also the rows where the grid's page is not shown
  main()->TabSheet3->BuildGrids();
  main()->PageControl1->SetActivePageIndex(page);
  TStringGrid* grid = page == 4 ? main()->TabSheet3->StoneGrid : main()->TabSheet2->PearlGrid;
  for (QChar b : buttons) {
    QToolButton* button = b == u'F'   ? main()->ToolButton1
                          : b == u'P' ? main()->ToolButton2
                          : b == u'N' ? main()->ToolButton3
                                      : main()->ToolButton4;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  QCOMPARE(grid->Row(), row);
  QVERIFY(grid->TopRow() <= row && row < grid->TopRow() + grid->VisibleRowCount());
  QCOMPARE(t_->services.beeps, 0);
}

void MainWindowTest::navigationButtonsNeverTakeFocus() {
  main()->PageControl1->SetActivePageIndex(3);
  FocusWidget(main()->TabSheet2->PearlGrid);
  QTest::mouseClick(main()->ToolButton3, Qt::LeftButton);
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(main()->TabSheet2->PearlGrid));
}

// Screen-reader users need a name on every box they can type in or read.
void MainWindowTest::everyBoxHasAnAccessibleName() {
  QStringList unnamed;
  for (QWidget* window :
       {static_cast<QWidget*>(main()), static_cast<QWidget*>(t_->app->FracFrm()),
        static_cast<QWidget*>(t_->app->WorksheetFrm()), static_cast<QWidget*>(t_->app->CalculatorFrm()),
        static_cast<QWidget*>(t_->app->HelpFrm())}) {
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
      if (!qobject_cast<QComboBox*>(box->parentWidget()) && box->accessibleName().isEmpty())
        unnamed << window->windowTitle() + u':' + box->objectName();
    for (QComboBox* box : window->findChildren<QComboBox*>())
      if (box->accessibleName().isEmpty()) unnamed << window->windowTitle() + u':' + box->objectName();
    for (TStringGrid* grid : window->findChildren<TStringGrid*>())
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
  main()->PageControl1->SetActivePageIndex(page);
  FocusWidget(main()->FracBtn);
  QStringList seen;
  for (qsizetype i = 0; i < chain.size() - 1; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* w = QApplication::focusWidget();
    if (w == main()->PageControl1)
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
  QTest::newRow("Fractions") << "FracBtn";
  QTest::newRow("Worksheet") << "WorksheetBtn";
  QTest::newRow("Exit") << "ExitBtn";
  QTest::newRow("weight Clear") << "wClearBtn";
  QTest::newRow("bead Clear") << "bClearBtn";
  QTest::newRow("fractions Close") << "CloseBtn";
}

void MainWindowTest::enterPressesTheFocusedButton() {
  QFETCH(QString, button);
  TWeightPage* weight = main()->TabSheet5;
  TBeadCalcPage* bead = main()->TabSheet8;
  TFracFrm* frac = t_->app->FracFrm();
  main()->show();
  QPushButton* b = nullptr;
  if (button == "wClearBtn") {
    main()->PageControl1->SetActivePageIndex(5);
    weight->GramBox->setText(QStringLiteral("100"));
    b = weight->wClearBtn;
  } else if (button == "bClearBtn") {
    main()->PageControl1->SetActivePageIndex(2);
    bead->NoBeads->setText(QStringLiteral("12"));
    b = bead->bClearBtn;
  } else if (button == "CloseBtn") {
    main()->FracBtn->click();
    b = frac->CloseBtn;
  } else {
    b = button == "FracBtn"        ? main()->FracBtn
        : button == "WorksheetBtn" ? main()->WorksheetBtn
                                   : main()->ExitBtn;
  }
  FocusWidget(b);
  QTest::keyClick(b, Qt::Key_Return);
  if (button == "FracBtn") QVERIFY(frac->isVisible());
  if (button == "WorksheetBtn") QVERIFY(t_->app->WorksheetFrm()->isVisible());
  if (button == "ExitBtn") QCOMPARE(t_->quitRequests, 1);
  if (button == "wClearBtn") {
    QCOMPARE(weight->GramBox->text(), QString());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(weight->CaratBox));
  }
  if (button == "bClearBtn") {
    QCOMPARE(bead->NoBeads->text(), QString());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(bead->BsMm));
  }
  if (button == "CloseBtn") QVERIFY(!frac->isVisible());
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
  THelpFrm* help = t_->app->HelpFrm();
  help->HelpPageControl1->SetActivePage(help->TabSheet6);
  QWidget* focus = nullptr;
  if (window == "main") {
    main()->PageControl1->SetActivePageIndex(page);
    focus = main()->Panel18->MmBox;
  } else if (window == "fractions") {
    main()->FracBtn->click();
    focus = t_->app->FracFrm()->CloseBtn;
  } else {
    main()->BitBtn1->click();
    focus = t_->app->CalculatorFrm()->FxCalculator1;
  }
  FocusWidget(focus);
  QVERIFY(!help->isVisible());
  QTest::keyClick(focus, Qt::Key_F1);
  QVERIFY(help->isVisible());
  QCOMPARE(help->HelpPageControl1->Caption(help->HelpPageControl1->ActivePageIndex()), helpPage);
  QCOMPARE(t_->services.beeps, 0);
}

void MainWindowTest::f1InHelpIsHarmless() {
  THelpFrm* help = t_->app->HelpFrm();
  main()->PageControl1->SetActivePageIndex(2);
  main()->HelpBtn->click();
  FocusWidget(help);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  QVERIFY(help->isVisible());
  QCOMPARE(help->HelpPageControl1->Caption(help->HelpPageControl1->ActivePageIndex()),
           QStringLiteral("Bead Calculator"));
  QCOMPARE(main()->PageControl1->ActivePageIndex(), 2);
}

void MainWindowTest::calculatorKey() {
  FocusWidget(main()->Panel18->MmBox);
  QTest::keyClicks(main()->Panel18->MmBox, QStringLiteral("12"));
  QTest::keyClick(main()->Panel18->MmBox, Qt::Key_F9);
  QVERIFY(t_->app->CalculatorFrm()->isVisible());
  QCOMPARE(main()->Panel18->MmBox->text(), QStringLiteral("12"));
}

// Ctrl+Tab and Ctrl+Shift+Tab step through the pages wherever the focus is,
// round the ends.
void MainWindowTest::ctrlTabChangesPage_data() {
  QTest::addColumn<QString>("focus");
  QTest::addColumn<int>("from");
  QTest::addColumn<bool>("back");
  QTest::addColumn<int>("to");
  QTest::newRow("converter box") << "MmBox" << 0 << false << 1;
  QTest::newRow("converter box, back") << "MmBox" << 3 << true << 2;
  QTest::newRow("grid") << "grid" << 3 << false << 4;
  QTest::newRow("weight box") << "GramBox" << 5 << true << 4;
  QTest::newRow("bar button wraps forward") << "ExitBtn" << 9 << false << 0;
  QTest::newRow("page control wraps back") << "pages" << 0 << true << 9;
  QTest::newRow("designation list") << "PearlBox" << 9 << false << 0;
}

void MainWindowTest::ctrlTabChangesPage() {
  QFETCH(QString, focus);
  QFETCH(int, from);
  QFETCH(bool, back);
  QFETCH(int, to);
  main()->PageControl1->SetActivePageIndex(from);
  QWidget* target = focus == "MmBox"     ? static_cast<QWidget*>(main()->Panel18->MmBox)
                    : focus == "grid"    ? static_cast<QWidget*>(main()->TabSheet2->PearlGrid)
                    : focus == "GramBox" ? static_cast<QWidget*>(main()->TabSheet5->GramBox)
                    : focus == "ExitBtn" ? static_cast<QWidget*>(main()->ExitBtn)
                    : focus == "pages"   ? static_cast<QWidget*>(main()->PageControl1)
                                         : static_cast<QWidget*>(main()->Panel18->PearlBox);
  FocusWidget(target);
  QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                  back ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
  QCOMPARE(main()->PageControl1->ActivePageIndex(), to);
  QCOMPARE(t_->services.beeps, 0);
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
