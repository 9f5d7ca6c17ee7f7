#include "app/app_context.h"

#include <QCoreApplication>
#include <QSettings>
#include <QWidget>

#include "app/help_window.h"
#include "app/main_window.h"
#include "app/recovery_keeper.h"
#include "calculator/calculator_window.h"
#include "calculators/fractions_window.h"
#include "core/recent_files.h"
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
}

AppContext::~AppContext() {
  // The main window takes the others, its children, with it.
  main_.reset();
  recovery_.reset();
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
    frac_ = new TFracFrm(services_, MainFrm());
    GuardedConnect(frac_, &TFracFrm::helpWanted, frac_, [this] { ShowWindow(HelpFrm()); });
  }
  return frac_;
}

TWorksheetFrm* AppContext::WorksheetFrm() {
  if (!worksheet_) {
    TMainFrm* main = MainFrm();
    worksheet_ = new TWorksheetFrm(services_, main);
    worksheet_->WorksheetFolder = main->WorksheetFolder;
    GuardedConnect(worksheet_, &TWorksheetFrm::calculatorWanted, worksheet_,
                   [this] { ShowWindow(CalculatorFrm()); });
    GuardedConnect(worksheet_, &TWorksheetFrm::helpWanted, worksheet_, [this] {
      THelpFrm* help = HelpFrm();
      help->ShowTopic(HelpTopic::Worksheet);
      ShowWindow(help);
    });
    if (recovery_) recovery_->Watch(worksheet_);
    if (KeepRecentWorksheets) {
      worksheet_->SetRecentFiles(RecentFilesFromSetting(QSettings().value(kRecentWorksheetsKey)));
      TWorksheetFrm* sheet = worksheet_;
      GuardedConnect(sheet, &TWorksheetFrm::recentFilesChanged, sheet, [sheet] {
        QSettings().setValue(kRecentWorksheetsKey, RecentFilesSetting(sheet->RecentFiles()));
      });
    }
  }
  return worksheet_;
}

TCalculatorFrm* AppContext::CalculatorFrm() {
  if (!calculator_) {
    calculator_ = new TCalculatorFrm(services_, MainFrm());
    GuardedConnect(calculator_, &TCalculatorFrm::helpWanted, calculator_, [this] { ShowWindow(HelpFrm()); });
  }
  return calculator_;
}

THelpFrm* AppContext::HelpFrm() {
  if (!help_) help_ = new THelpFrm(MainFrm());
  return help_;
}

QList<QWidget*> AppContext::BuiltWindows() const {
  QList<QWidget*> built;
  for (QWidget* w :
       std::initializer_list<QWidget*>{main_.get(), frac_, worksheet_, calculator_, help_, bench_})
    if (w) built << w;
  return built;
}

BenchWindow* AppContext::benchWindow() {
  if (!bench_) bench_ = new BenchWindow(services_, MainFrm());
  return bench_;
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

void AppContext::KeepUnsavedWorksheet(const QString& folder, const QString& instanceName) {
  recovery_ = std::make_unique<RecoveryKeeper>(services_, folder, instanceName);
  if (worksheet_) recovery_->Watch(worksheet_);
}

void AppContext::OfferUnsavedWorksheet() {
  if (!recovery_) return;
  const std::optional<RecoveredWorksheet> left = recovery_->TakeLeftOver(MainFrm());
  if (!left) return;
  const QString which = left->Path.isEmpty() ? QStringLiteral("the worksheet")
                                             : QStringLiteral("the worksheet %1").arg(left->Path);
  if (!services_.AskYesNo(
          MainFrm(), QStringLiteral("Restore Worksheet"),
          QStringLiteral("Restore the unsaved worksheet?\n\nOrvane ended before %1 was saved. "
                         "Yes opens it with its rows, unsaved; No throws them away.")
              .arg(which))) {
    recovery_->Discard();
    return;
  }
  TWorksheetFrm* sheet = WorksheetFrm();
  ShowWindow(sheet);
  RunGuarded(sheet, [&] { sheet->RestoreUnsaved(left->Path, left->Text); });
}

bool AppContext::Quit() {
  // Qt closes every window on its way out, which comes back here through the
  // main window's close: the question has been answered by then.
  if (!quitting_ && worksheet_ && worksheet_->IsModified()) {
    // The question is about these rows: they are shown with it.
    if (MainFrm()->isMinimized()) MainFrm()->showNormal();
    ShowWindow(worksheet_);
    if (!worksheet_->MayReplaceRows()) return false;
  }
  quitting_ = true;
  if (recovery_) recovery_->Finish();
  Q_EMIT quitRequested();
  return true;
}

}  // namespace orvane
