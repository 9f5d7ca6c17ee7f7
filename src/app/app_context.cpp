#include "app/app_context.h"

#include <QCoreApplication>
#include <QSettings>
#include <QWidget>

#include "app/help_window.h"
#include "app/main_window.h"
#include "calculator/calculator_window.h"
#include "calculators/fractions_window.h"
#include "metal/bench_window.h"
#include "metal/metal_window.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "platform/window_frame.h"
#include "widgets/ext_page_control.h"
#include "worksheet/worksheet_window.h"

static void InitOrvaneResources() { Q_INIT_RESOURCE(orvane); }

namespace {
const QString kRecentWorksheetsKey = QStringLiteral("RecentWorksheets");
}

namespace orvane {

AppContext::AppContext(DesktopServices& services) : services_(services) {
  InitOrvaneResources();
  SetErrorServices(&services_);
  OnQuit = [] { QCoreApplication::quit(); };
}

AppContext::~AppContext() {
  // The secondary windows first: the main window is their parent.
  bench_.reset();
  help_.reset();
  calculator_.reset();
  worksheet_.reset();
  frac_.reset();
  main_.reset();
  if (ErrorServices() == &services_) SetErrorServices(nullptr);
}

void AppContext::CreateWindows() { (void)MainFrm(); }

TMainFrm* AppContext::MainFrm() {
  if (!main_) main_ = std::make_unique<TMainFrm>(*this);
  return main_.get();
}

// The secondary windows are children of the main window: they stay in front
// of it and take no task-bar entry of their own.
TFracFrm* AppContext::FracFrm() {
  if (!frac_) {
    frac_ = std::make_unique<TFracFrm>(services_, MainFrm());
    GuardedConnect(frac_.get(), &TFracFrm::helpWanted, frac_.get(), [this] { ShowWindow(HelpFrm()); });
  }
  return frac_.get();
}

TWorksheetFrm* AppContext::WorksheetFrm() {
  if (!worksheet_) {
    TMainFrm* main = MainFrm();
    worksheet_ = std::make_unique<TWorksheetFrm>(services_, main);
    worksheet_->WorksheetFolder = main->WorksheetFolder;
    GuardedConnect(worksheet_.get(), &TWorksheetFrm::calculatorWanted, worksheet_.get(),
                   [this] { ShowWindow(CalculatorFrm()); });
    GuardedConnect(worksheet_.get(), &TWorksheetFrm::helpWanted, worksheet_.get(), [this] {
      THelpFrm* help = HelpFrm();
      help->HelpPageControl1->SetActivePage(help->TabSheet1);
      ShowWindow(help);
    });
    if (KeepRecentWorksheets) {
      worksheet_->SetRecentFiles(QSettings().value(kRecentWorksheetsKey).toStringList());
      TWorksheetFrm* sheet = worksheet_.get();
      GuardedConnect(sheet, &TWorksheetFrm::recentFilesChanged, sheet,
                     [sheet] { QSettings().setValue(kRecentWorksheetsKey, sheet->RecentFiles()); });
    }
  }
  return worksheet_.get();
}

TCalculatorFrm* AppContext::CalculatorFrm() {
  if (!calculator_) {
    calculator_ = std::make_unique<TCalculatorFrm>(services_, MainFrm());
    GuardedConnect(calculator_.get(), &TCalculatorFrm::helpWanted, calculator_.get(),
                   [this] { ShowWindow(HelpFrm()); });
  }
  return calculator_.get();
}

THelpFrm* AppContext::HelpFrm() {
  if (!help_) help_ = std::make_unique<THelpFrm>(*this, MainFrm());
  return help_.get();
}

QList<QWidget*> AppContext::BuiltWindows() const {
  QList<QWidget*> built;
  for (QWidget* w : std::initializer_list<QWidget*>{main_.get(), frac_.get(), worksheet_.get(),
                                                    calculator_.get(), help_.get(), bench_.get()})
    if (w) built << w;
  return built;
}

BenchWindow* AppContext::benchWindow() {
  if (!bench_) bench_ = std::make_unique<BenchWindow>(services_, MainFrm());
  return bench_.get();
}

TMetalFrm* AppContext::MetalFrm() { return benchWindow()->metalPage(); }

void AppContext::OpenWorksheet(const QString& path) {
  // The worksheet window belongs to the main window: a minimised main window
  // would keep it out of sight.
  if (MainFrm()->isMinimized()) MainFrm()->showNormal();
  TWorksheetFrm* worksheet = WorksheetFrm();
  ShowWindow(worksheet);
  worksheet->LoadFile(path);
}

void AppContext::Quit() {
  if (OnQuit) OnQuit();
}

}  // namespace orvane
