#include "app/main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QIcon>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include "app/app_context.h"
#include "app/help_window.h"
#include "app/info_pages.h"
#include "calculator/calculator_window.h"
#include "calculators/bead_page.h"
#include "calculators/fractions_window.h"
#include "calculators/weight_page.h"
#include "core/version.h"
#include "metal/bench_window.h"
#include "metal/metal_window.h"
#include "platform/guarded_connect.h"
#include "platform/window_frame.h"
#include "sizes/chart_pages.h"
#include "sizes/converter_panel.h"
#include "sizes/size_pages.h"
#include "widgets/ext_page_control.h"
#include "widgets/look.h"
#include "widgets/nav_bar.h"
#include "widgets/panel.h"
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
void StepPage(TExtPageControl* pages, int direction) {
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

TMainFrm::TMainFrm(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
  ConfigureFixedWindow(this, QStringLiteral("Orvane Version ") + QLatin1String(kVersion), 535, 515, true);
  setFont(MakeFont(QStringLiteral("MS Sans Serif"), 11));
  SetBackground(this, SystemColor(SysColor::BtnFace));
  FormCreate();
}

void TMainFrm::FormCreate() {
  StartFolder = QDir::currentPath();
  WorksheetFolder = StartFolder + QStringLiteral("/Worksheet/");

  // Created in tab order: the pages, then the button bar, then the converter.
  CreatePages();
  CreateButtonBar();
  Panel18 = new TSizeConverterPanel(app_.Services(), this);
  Panel18->setGeometry(1, 1, 531, 73);

  // The chart pages make their grids when first shown.
  PageControl1->SetActivePageIndex(0);
}

void TMainFrm::CreatePages() {
  PageControl1 = new TExtPageControl(this);
  PageControl1->setGeometry(0, 72, 533, 392);
  PageControl1->setFont(MakeFont(QStringLiteral("MS Sans Serif"), 16));
  PageControl1->SetMultiLine(true);
  PageControl1->SetPageColor(SystemColor(SysColor::Light3D));
  PageControl1->SetTabActiveColor(SystemColor(SysColor::BtnFace));
  PageControl1->SetTabActiveFont(MakeFont(QStringLiteral("MS Sans Serif"), 16, true));
  PageControl1->SetTabInactiveColor(SystemColor(SysColor::Light3D));
  PageControl1->SetTabInactiveFont(MakeFont(QStringLiteral("Arial"), 15));

  TabSheet1 = new TAboutPage(app_.Services());
  TabSheet10 = new TTipsPage;
  TabSheet8 = new TBeadCalcPage(app_.Services());
  TabSheet2 = new TPearlPlatePage();
  TabSheet3 = new TStoneSizePage();
  TabSheet5 = new TWeightPage(app_.Services());
  GuardedConnect(TabSheet5, &TWeightPage::metalWanted, this, &TMainFrm::showMetalBench);
  TabSheet7 = new TJumpRingPage();
  TabSheet6 = new TWireGaugePage();
  TabSheet4 = new TRingSizePage();
  TabSheet9 = new TLinksPage(app_.Services());
  PageControl1->AddPage(TabSheet1, QStringLiteral("About"));
  PageControl1->AddPage(TabSheet10, QStringLiteral("Tips"));
  PageControl1->AddPage(TabSheet8, QStringLiteral("Bead Calculator"));
  PageControl1->AddPage(TabSheet2, QStringLiteral("Pearl Plate"));
  PageControl1->AddPage(TabSheet3, QStringLiteral("Stone Size"));
  PageControl1->AddPage(TabSheet5, QStringLiteral("Weight"));
  PageControl1->AddPage(TabSheet7, QStringLiteral("Jump Ring"));
  PageControl1->AddPage(TabSheet6, QStringLiteral("Wire Gauge"));
  PageControl1->AddPage(TabSheet4, QStringLiteral("Ring Size"));
  PageControl1->AddPage(TabSheet9, QStringLiteral("Links"));
}

void TMainFrm::CreateButtonBar() {
  Panel21 = new TPanel(this);
  Panel21->setGeometry(0, 464, 534, 50);
  Panel21->SetBevels(TPanel::Bevel::Raised, TPanel::Bevel::None, 2);
  Panel21->SetColor(SystemColor(SysColor::Light3D));

  // Tab stops in order: Fractions, Worksheet, Exit. The record bar stays out
  // of the chain: the grid it moves already takes Up, Down, Ctrl+Home and
  // Ctrl+End, and on six of the ten pages a stop on it would do nothing.
  FracBtn = MakeButton(Panel21, 236, 86, QStringLiteral("Fractions"));
  WorksheetBtn = MakeButton(Panel21, 337, 96, QStringLiteral("Worksheet"));
  ExitBtn = MakeButton(Panel21, 448, 73, QStringLiteral("Exit"));

  auto* bar = new TNavigationBar(Panel21);
  GuardedConnect(bar, &TNavigationBar::stepChosen, this, &TMainFrm::Navigate);
  bar->setGeometry(10, 9, 121, 27);
  ToolBar1 = bar;
  ToolButton1 = bar->Buttons[0];
  ToolButton2 = bar->Buttons[1];
  ToolButton3 = bar->Buttons[2];
  ToolButton4 = bar->Buttons[3];

  BitBtn1 = MakePictureButton(Panel21, 140, QStringLiteral(":/icons/calculator.svg"),
                              QStringLiteral("Math Calculator"));
  HelpBtn = MakePictureButton(Panel21, 188, QStringLiteral(":/icons/help.svg"), QStringLiteral("Help"));
  // Tab walks the bar left to right.
  setTabOrder(BitBtn1, HelpBtn);
  setTabOrder(HelpBtn, FracBtn);
  setTabOrder(FracBtn, WorksheetBtn);
  setTabOrder(WorksheetBtn, ExitBtn);

  // Keys that work wherever the focus is in the window.
  const QKeySequence calculatorKey(Qt::Key_F9);
  BitBtn1->setToolTip(
      QStringLiteral("Math Calculator (%1)").arg(calculatorKey.toString(QKeySequence::NativeText)));
  AddShortcut(this, {QKeySequence(Qt::Key_F1)}, [this] { HelpBtnClick(); });
  AddShortcut(this, {calculatorKey}, [this] { CalculatorBtnClick(); });
  // The Bench window as it was left, from any page.
  const QKeySequence benchKey(Qt::CTRL | Qt::Key_B);
  TabSheet5->MetalBtn->setToolTip(
      QStringLiteral("Metal weight and cost, casting and pricing: the Bench window (%1)")
          .arg(benchKey.toString(QKeySequence::NativeText)));
  TabSheet5->MetalBtn->setAccessibleDescription(
      QStringLiteral("Opens the Bench window on its Metal page; %1 opens it from anywhere")
          .arg(benchKey.toString(QKeySequence::NativeText)));
  AddShortcut(this, {benchKey}, [this] { ShowWindow(app_.benchWindow()); });
  AddShortcut(this, {QKeySequence(Qt::CTRL | Qt::Key_Tab)}, [this] { StepPage(PageControl1, 1); });
  AddShortcut(this,
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
              [this] { StepPage(PageControl1, -1); });

  GuardedConnect(ExitBtn, &QAbstractButton::clicked, this, &TMainFrm::ExitBtnClick);
  GuardedConnect(BitBtn1, &QAbstractButton::clicked, this, &TMainFrm::CalculatorBtnClick);
  GuardedConnect(HelpBtn, &QAbstractButton::clicked, this, &TMainFrm::HelpBtnClick);
  GuardedConnect(FracBtn, &QAbstractButton::clicked, this, &TMainFrm::FracBtnClick);
  GuardedConnect(WorksheetBtn, &QAbstractButton::clicked, this, &TMainFrm::WorksheetBtnClick);
}

void TMainFrm::ExitBtnClick() { (void)app_.Quit(); }

void TMainFrm::CalculatorBtnClick() { ShowWindow(app_.CalculatorFrm()); }

void TMainFrm::FracBtnClick() { ShowWindow(app_.FracFrm()); }

void TMainFrm::showMetalBench() {
  BenchWindow* bench = app_.benchWindow();
  bench->showPage(bench->metalPage());
  ShowWindow(bench);
}

void TMainFrm::WorksheetBtnClick() { ShowWindow(app_.WorksheetFrm()); }

void TMainFrm::HelpBtnClick() {
  THelpFrm* help = app_.HelpFrm();
  // About leads to the licence, the Bead page to its own help; elsewhere the
  // window shows the page it showed last.
  if (PageControl1->ActivePage() == TabSheet1) help->ShowTopic(HelpTopic::License);
  if (PageControl1->ActivePage() == TabSheet8) help->ShowTopic(HelpTopic::BeadCalculator);
  ShowWindow(help);
}

void TMainFrm::Navigate(GridNavigation step) {
  for (TStringGrid* grid : PageControl1->ActivePage()->NavigationGrids()) NavigateGrid(*grid, step);
}

// Unsaved rows are asked about first; Cancel keeps the program running.
void TMainFrm::closeEvent(QCloseEvent* event) {
  if (app_.Quit())
    event->accept();
  else
    event->ignore();
}

}  // namespace orvane
