#include "app/main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QIcon>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>

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

QPushButton* makeButton(QWidget* parent, int left, int width, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(left, 9, width, 27);
  button->setFont(makeFont(QStringLiteral("Arial"), 15));
  button->setAutoDefault(true);  // Enter on the focused button presses it, as Space does
  return button;
}

QPushButton* makePictureButton(QWidget* parent, int left, const QString& icon, const QString& hint) {
  auto* button = new QPushButton(parent);
  button->setGeometry(left, 9, 33, 27);
  button->setIcon(resourceIcon(icon));
  button->setIconSize(QSize(16, 16));
  button->setToolTip(hint);
  button->setAccessibleName(hint);
  return button;
}

// A caption longer than its button's place (another language) widens the
// button; the row then keeps to the right edge, closing its gaps as far as it
// must, but never reaching left of `leftLimit`. Captions that fit leave every
// button where it was.
void fitButtonRow(const QList<QPushButton*>& row, int leftLimit) {
  constexpr int kPadding = 12;  // the frame and a little air on each side
  QList<int> widths;
  bool widened = false;
  for (QPushButton* button : row) {
    const int needed =
        button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&')) + kPadding;
    widths << std::max(button->width(), needed);
    widened = widened || widths.last() > button->width();
  }
  if (!widened) return;
  const int right = row.last()->geometry().right() + 1;
  const int gaps = int(row.size()) - 1;
  int used = 0;
  for (int w : widths) used += w;
  const int englishGap = row[1]->x() - row[0]->geometry().right() - 1;
  const int gap = gaps > 0 ? std::clamp((right - leftLimit - used) / gaps, 2, englishGap) : 0;
  int x = right;
  for (qsizetype i = row.size() - 1; i >= 0; --i) {
    x -= widths[i];
    row[i]->setGeometry(x, row[i]->y(), widths[i], row[i]->height());
    x -= gap;
  }
}

// The next page that can be shown, one way or the other, round the end.
void stepPage(ColorTabWidget* pages, int direction) {
  const int n = pages->pageCount();
  const int from = pages->activePageIndex();
  for (int k = 1; k < n && pages->activePageIndex() == from; ++k)
    pages->setActivePageIndex(((from + direction * k) % n + n) % n);
}

void addShortcut(QWidget* window, const QList<QKeySequence>& keys, std::function<void()> action) {
  auto* shortcut = new QShortcut(window);
  shortcut->setKeys(keys);
  shortcut->setContext(Qt::WindowShortcut);
  guardedConnect(shortcut, &QShortcut::activated, window, std::move(action));
}

}  // namespace

MainWindow::MainWindow(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  configureFixedWindow(this, tr("Orvane Version %1").arg(QLatin1String(kVersion)), 535, 515, true);
  setFont(makeFont(QStringLiteral("MS Sans Serif"), 11));
  setBackground(this, systemColor(SysColor::BtnFace));
  buildContents();
}

void MainWindow::buildContents() {
  startFolder = QDir::currentPath();
  worksheetFolder = startFolder + QStringLiteral("/Worksheet/");

  // Created in tab order: the pages, then the button bar, then the converter.
  createPages();
  createButtonBar();
  sizeConverter = new SizeConverter(app_.services(), this);
  sizeConverter->setGeometry(1, 1, 531, 73);
  makeRoomForTabRows();

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
  pages->setActivePageIndex(0);
}

void MainWindow::createPages() {
  pages = new ColorTabWidget(this);
  pages->setGeometry(0, 72, 533, 392);
  pages->setFont(makeFont(QStringLiteral("MS Sans Serif"), 16));
  pages->setMultiLine(true);
  pages->setPageColor(systemColor(SysColor::Light3D));
  pages->setTabActiveColor(systemColor(SysColor::BtnFace));
  pages->setTabActiveFont(makeFont(QStringLiteral("MS Sans Serif"), 16, true));
  pages->setTabInactiveColor(systemColor(SysColor::Light3D));
  pages->setTabInactiveFont(makeFont(QStringLiteral("Arial"), 15));

  aboutPage = new AboutPage(app_.services());
  tipsPage = new TipsPage;
  beadPage = new BeadPage(app_.services());
  pearlPlatePage = new PearlPlateChartPage();
  stoneSizePage = new StoneSizeChartPage();
  weightPage = new WeightPage(app_.services());
  guardedConnect(weightPage, &WeightPage::metalWanted, this, &MainWindow::showMetalBench);
  jumpRingPage = new JumpRingChartPage();
  wireGaugePage = new WireGaugeChartPage();
  ringSizePage = new RingSizeChartPage();
  linksPage = new LinksPage(app_.services());
  //: Tab of the page about the program (name, version, rights)
  pages->addPage(aboutPage, tr("About"));
  //: Tab of the page with hints on using the program
  pages->addPage(tipsPage, tr("Tips"));
  pages->addPage(beadPage, tr("Bead Calculator"));
  //: Tab of the Pearl Plate (PP) size chart
  pages->addPage(pearlPlatePage, tr("Pearl Plate"));
  //: Tab of the Stone Size (SS) chart
  pages->addPage(stoneSizePage, tr("Stone Size"));
  //: Tab of the weight converter (carats, grams, ounces...)
  pages->addPage(weightPage, tr("Weight"));
  //: Tab of the jump ring chart (the open metal rings that join parts)
  pages->addPage(jumpRingPage, tr("Jump Ring"));
  pages->addPage(wireGaugePage, tr("Wire Gauge"));
  //: Tab of the finger ring size chart
  pages->addPage(ringSizePage, tr("Ring Size"));
  //: Tab of the page with web and mail links
  pages->addPage(linksPage, tr("Links"));
}

// The pages are laid out for the room that two rows of tabs leave them.
// Captions long enough to need a third row (another language) make the window
// taller by that row rather than cutting the pages short.
void MainWindow::makeRoomForTabRows() {
  constexpr int kTabRowsLaidOut = 2;
  const int extraRows = pages->gridRowCount() - kTabRowsLaidOut;
  if (extraRows <= 0) return;
  const int extra = extraRows * pages->tabRect(0).height();
  setFixedSize(width(), height() + extra);
  pages->resize(pages->width(), pages->height() + extra);
  buttonBar->move(buttonBar->x(), buttonBar->y() + extra);
}

void MainWindow::createButtonBar() {
  buttonBar = new BevelPanel(this);
  buttonBar->setGeometry(0, 464, 534, 50);
  buttonBar->setBevels(BevelPanel::Bevel::Raised, BevelPanel::Bevel::None, 2);
  buttonBar->setColor(systemColor(SysColor::Light3D));

  // Tab stops in order: Fractions, Worksheet, Exit. The record bar stays out
  // of the chain: the grid it moves already takes Up, Down, Ctrl+Home and
  // Ctrl+End, and on six of the ten pages a stop on it would do nothing.
  fractionsButton = makeButton(buttonBar, 236, 86, tr("Fractions"));
  worksheetButton = makeButton(buttonBar, 337, 96, tr("Worksheet"));
  //: Ends the program
  exitButton = makeButton(buttonBar, 448, 73, tr("Exit"));
  // Longer captions may take the room up to the Help button (188 + 33) and a
  // little air.
  fitButtonRow({fractionsButton, worksheetButton, exitButton}, 229);

  auto* bar = new NavigationBar(buttonBar);
  guardedConnect(bar, &NavigationBar::stepChosen, this, &MainWindow::navigate);
  bar->setGeometry(10, 9, 121, 27);
  bar->setObjectName(QStringLiteral("pageButtonBar"));

  calculatorButton =
      makePictureButton(buttonBar, 140, QStringLiteral(":/icons/calculator.svg"), tr("Math Calculator"));
  helpButton = makePictureButton(buttonBar, 188, QStringLiteral(":/icons/help.svg"), tr("Help"));
  // Tab walks the bar left to right.
  setTabOrder(calculatorButton, helpButton);
  setTabOrder(helpButton, fractionsButton);
  setTabOrder(fractionsButton, worksheetButton);
  setTabOrder(worksheetButton, exitButton);

  // Keys that work wherever the focus is in the window.
  const QKeySequence calculatorKey(Qt::Key_F9);
  //: %1 is the key that opens the calculator
  calculatorButton->setToolTip(
      tr("Math Calculator (%1)").arg(calculatorKey.toString(QKeySequence::NativeText)));
  addShortcut(this, {QKeySequence(Qt::Key_F1)}, [this] { onHelpClicked(); });
  addShortcut(this, {calculatorKey}, [this] { onCalculatorClicked(); });
  // The Bench window as it was left, from any page.
  const QKeySequence benchKey(Qt::CTRL | Qt::Key_B);
  weightPage->setBenchShortcut(benchKey);
  addShortcut(this, {benchKey}, [this] { showWindow(app_.benchWindow()); });
  addShortcut(this, {QKeySequence(Qt::CTRL | Qt::Key_Tab)}, [this] { stepPage(pages, 1); });
  addShortcut(this,
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
              [this] { stepPage(pages, -1); });

  guardedConnect(exitButton, &QAbstractButton::clicked, this, &MainWindow::onExitClicked);
  guardedConnect(calculatorButton, &QAbstractButton::clicked, this, &MainWindow::onCalculatorClicked);
  guardedConnect(helpButton, &QAbstractButton::clicked, this, &MainWindow::onHelpClicked);
  guardedConnect(fractionsButton, &QAbstractButton::clicked, this, &MainWindow::onFractionsClicked);
  guardedConnect(worksheetButton, &QAbstractButton::clicked, this, &MainWindow::onWorksheetClicked);
}

void MainWindow::onExitClicked() { (void)app_.quit(); }

void MainWindow::onCalculatorClicked() { showWindow(app_.calculatorWindow()); }

void MainWindow::onFractionsClicked() { showWindow(app_.fractionsWindow()); }

void MainWindow::showMetalBench() {
  BenchWindow* bench = app_.benchWindow();
  bench->showPage(bench->metalPage());
  showWindow(bench);
}

void MainWindow::onWorksheetClicked() { showWindow(app_.worksheetWindow()); }

void MainWindow::onHelpClicked() {
  HelpWindow* help = app_.helpWindow();
  // About leads to the licence, the Bead page to its own help; elsewhere the
  // window shows the page it showed last.
  if (pages->activePage() == aboutPage) help->showTopic(HelpTopic::License);
  if (pages->activePage() == beadPage) help->showTopic(HelpTopic::BeadCalculator);
  showWindow(help);
}

void MainWindow::navigate(GridNavigation step) {
  for (StringGrid* grid : pages->activePage()->navigationGrids()) navigateGrid(*grid, step);
}

// Unsaved rows are asked about first; Cancel keeps the program running.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (app_.quit())
    event->accept();
  else
    event->ignore();
}

}  // namespace orvane
