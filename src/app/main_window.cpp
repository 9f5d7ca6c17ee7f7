#include "app/main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QIcon>
#include <QPushButton>
#include <QShortcut>

#include "app/app_context.h"
#include "app/help_window.h"
#include "app/info_pages.h"
#include "bench_tools/bench_window.h"
#include "bench_tools/metal_page.h"
#include "core/version.h"
#include "desk_calculator/calculator_window.h"
#include "measures/bead_page.h"
#include "measures/fractions_window.h"
#include "measures/weight_page.h"
#include "platform/guarded_connect.h"
#include "platform/window_frame.h"
#include "sizes/chart_pages.h"
#include "sizes/size_converter.h"
#include "sizes/size_pages.h"
#include "widgets/bevel_panel.h"
#include "widgets/color_tab_widget.h"
#include "widgets/look.h"
#include "widgets/navigation_bar.h"
#include "widgets/object_names.h"
#include "widgets/string_grid.h"
#include "worksheet/worksheet_window.h"

namespace orvane {

namespace {

QPushButton* MakeButton(QWidget* parent, int left, int width, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(left, 9, width, 27);
  button->setFont(MakeFont(QStringLiteral("Arial"), 15));
  button->setAutoDefault(true);  // Enter on the focused button presses it, as Space does
  return button;
}

QPushButton* MakePictureButton(QWidget* parent, int left, const QString& icon, const QString& hint) {
  auto* button = new QPushButton(parent);
  button->setGeometry(left, 9, 33, 27);
  button->setIcon(Icon(icon));
  button->setIconSize(QSize(16, 16));
  button->setToolTip(hint);
  button->setAccessibleName(hint);
  return button;
}

// The next page that can be shown, one way or the other, round the end.
void StepPage(ColorTabWidget* pages, int direction) {
  const int n = pages->PageCount();
  const int from = pages->ActivePageIndex();
  for (int k = 1; k < n && pages->ActivePageIndex() == from; ++k)
    pages->SetActivePageIndex(((from + direction * k) % n + n) % n);
}

void AddShortcut(QWidget* window, const QList<QKeySequence>& keys, std::function<void()> action) {
  auto* shortcut = new QShortcut(window);
  shortcut->setKeys(keys);
  shortcut->setContext(Qt::WindowShortcut);
  GuardedConnect(shortcut, &QShortcut::activated, window, std::move(action));
}

}  // namespace

MainWindow::MainWindow(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  ConfigureFixedWindow(this, QStringLiteral("Orvane Version ") + QLatin1String(kVersion), 535, 515, true);
  setFont(MakeFont(QStringLiteral("MS Sans Serif"), 11));
  SetBackground(this, SystemColor(SysColor::BtnFace));
  buildContents();
}

void MainWindow::buildContents() {
  startFolder = QDir::currentPath();
  worksheetFolder = startFolder + QStringLiteral("/Worksheet/");

  // Created in tab order: the pages, then the button bar, then the converter.
  CreatePages();
  CreateButtonBar();
  sizeConverter = new SizeConverter(app_.Services(), this);
  sizeConverter->setGeometry(1, 1, 531, 73);

  nameChildren({{sizeConverter, "sizeConverter"},
                {pages, "pages"},
                {buttonBar, "buttonBar"},
                {aboutPage, "aboutPage"},
                {tipsPage, "tipsPage"},
                {beadPage, "beadPage"},
                {pearlPlatePage, "pearlPlatePage"},
                {stoneSizePage, "stoneSizePage"},
                {weightPage, "weightPage"},
                {jumpRingPage, "jumpRingPage"},
                {wireGaugePage, "wireGaugePage"},
                {ringSizePage, "ringSizePage"},
                {linksPage, "linksPage"},
                {calculatorButton, "calculatorButton"},
                {helpButton, "helpButton"},
                {fractionsButton, "fractionsButton"},
                {worksheetButton, "worksheetButton"},
                {exitButton, "exitButton"}});

  // The chart pages make their grids when first shown.
  pages->SetActivePageIndex(0);
}

void MainWindow::CreatePages() {
  pages = new ColorTabWidget(this);
  pages->setGeometry(0, 72, 533, 392);
  pages->setFont(MakeFont(QStringLiteral("MS Sans Serif"), 16));
  pages->SetMultiLine(true);
  pages->SetPageColor(SystemColor(SysColor::Light3D));
  pages->SetTabActiveColor(SystemColor(SysColor::BtnFace));
  pages->SetTabActiveFont(MakeFont(QStringLiteral("MS Sans Serif"), 16, true));
  pages->SetTabInactiveColor(SystemColor(SysColor::Light3D));
  pages->SetTabInactiveFont(MakeFont(QStringLiteral("Arial"), 15));

  aboutPage = new AboutPage(app_.Services());
  tipsPage = new TipsPage;
  beadPage = new BeadPage(app_.Services());
  pearlPlatePage = new PearlPlateChartPage();
  stoneSizePage = new StoneSizeChartPage();
  weightPage = new WeightPage(app_.Services());
  GuardedConnect(weightPage, &WeightPage::metalWanted, this, &MainWindow::showMetalBench);
  jumpRingPage = new JumpRingChartPage();
  wireGaugePage = new WireGaugeChartPage();
  ringSizePage = new RingSizeChartPage();
  linksPage = new LinksPage(app_.Services());
  pages->AddPage(aboutPage, QStringLiteral("About"));
  pages->AddPage(tipsPage, QStringLiteral("Tips"));
  pages->AddPage(beadPage, QStringLiteral("Bead Calculator"));
  pages->AddPage(pearlPlatePage, QStringLiteral("Pearl Plate"));
  pages->AddPage(stoneSizePage, QStringLiteral("Stone Size"));
  pages->AddPage(weightPage, QStringLiteral("Weight"));
  pages->AddPage(jumpRingPage, QStringLiteral("Jump Ring"));
  pages->AddPage(wireGaugePage, QStringLiteral("Wire Gauge"));
  pages->AddPage(ringSizePage, QStringLiteral("Ring Size"));
  pages->AddPage(linksPage, QStringLiteral("Links"));
}

void MainWindow::CreateButtonBar() {
  buttonBar = new BevelPanel(this);
  buttonBar->setGeometry(0, 464, 534, 50);
  buttonBar->SetBevels(BevelPanel::Bevel::Raised, BevelPanel::Bevel::None, 2);
  buttonBar->SetColor(SystemColor(SysColor::Light3D));

  // Tab stops in order: Fractions, Worksheet, Exit. The record bar stays out
  // of the chain: the grid it moves already takes Up, Down, Ctrl+Home and
  // Ctrl+End, and on six of the ten pages a stop on it would do nothing.
  fractionsButton = MakeButton(buttonBar, 236, 86, QStringLiteral("Fractions"));
  worksheetButton = MakeButton(buttonBar, 337, 96, QStringLiteral("Worksheet"));
  exitButton = MakeButton(buttonBar, 448, 73, QStringLiteral("Exit"));

  auto* bar = new NavigationBar(buttonBar);
  GuardedConnect(bar, &NavigationBar::stepChosen, this, &MainWindow::Navigate);
  bar->setGeometry(10, 9, 121, 27);
  bar->setObjectName(QStringLiteral("pageButtonBar"));

  calculatorButton = MakePictureButton(buttonBar, 140, QStringLiteral(":/icons/calculator.svg"),
                                       QStringLiteral("Math Calculator"));
  helpButton = MakePictureButton(buttonBar, 188, QStringLiteral(":/icons/help.svg"), QStringLiteral("Help"));
  // Tab walks the bar left to right.
  setTabOrder(calculatorButton, helpButton);
  setTabOrder(helpButton, fractionsButton);
  setTabOrder(fractionsButton, worksheetButton);
  setTabOrder(worksheetButton, exitButton);

  // Keys that work wherever the focus is in the window.
  const QKeySequence calculatorKey(Qt::Key_F9);
  calculatorButton->setToolTip(
      QStringLiteral("Math Calculator (%1)").arg(calculatorKey.toString(QKeySequence::NativeText)));
  AddShortcut(this, {QKeySequence(Qt::Key_F1)}, [this] { onHelpClicked(); });
  AddShortcut(this, {calculatorKey}, [this] { onCalculatorClicked(); });
  // The Bench window as it was left, from any page.
  const QKeySequence benchKey(Qt::CTRL | Qt::Key_B);
  weightPage->setBenchShortcut(benchKey);
  AddShortcut(this, {benchKey}, [this] { ShowWindow(app_.benchWindow()); });
  AddShortcut(this, {QKeySequence(Qt::CTRL | Qt::Key_Tab)}, [this] { StepPage(pages, 1); });
  AddShortcut(this,
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
              [this] { StepPage(pages, -1); });

  GuardedConnect(exitButton, &QAbstractButton::clicked, this, &MainWindow::onExitClicked);
  GuardedConnect(calculatorButton, &QAbstractButton::clicked, this, &MainWindow::onCalculatorClicked);
  GuardedConnect(helpButton, &QAbstractButton::clicked, this, &MainWindow::onHelpClicked);
  GuardedConnect(fractionsButton, &QAbstractButton::clicked, this, &MainWindow::onFractionsClicked);
  GuardedConnect(worksheetButton, &QAbstractButton::clicked, this, &MainWindow::onWorksheetClicked);
}

void MainWindow::onExitClicked() { (void)app_.Quit(); }

void MainWindow::onCalculatorClicked() { ShowWindow(app_.calculatorWindow()); }

void MainWindow::onFractionsClicked() { ShowWindow(app_.fractionsWindow()); }

void MainWindow::showMetalBench() {
  BenchWindow* bench = app_.benchWindow();
  bench->showPage(bench->metalPage());
  ShowWindow(bench);
}

void MainWindow::onWorksheetClicked() { ShowWindow(app_.worksheetWindow()); }

void MainWindow::onHelpClicked() {
  HelpWindow* help = app_.helpWindow();
  // About leads to the licence, the Bead page to its own help; elsewhere the
  // window shows the page it showed last.
  if (pages->ActivePage() == aboutPage) help->ShowTopic(HelpTopic::License);
  if (pages->ActivePage() == beadPage) help->ShowTopic(HelpTopic::BeadCalculator);
  ShowWindow(help);
}

void MainWindow::Navigate(GridNavigation step) {
  for (StringGrid* grid : pages->ActivePage()->NavigationGrids()) NavigateGrid(*grid, step);
}

// Unsaved rows are asked about first; Cancel keeps the program running.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (app_.Quit())
    event->accept();
  else
    event->ignore();
}

}  // namespace orvane
