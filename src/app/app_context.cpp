#include "app/app_context.h"

#include <QCoreApplication>
#include <QSettings>
#include <QWidget>

#include "app/help_window.h"
#include "app/main_window.h"
#include "app/recovery_keeper.h"
#include "bench_tools/bench_window.h"
#include "bench_tools/metal_page.h"
#include "core/recent_files.h"
#include "desk_calculator/calculator_window.h"
#include "measures/fractions_window.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "platform/window_frame.h"
#include "widgets/color_tab_widget.h"
#include "worksheet/worksheet_window.h"

static void initOrvaneResources() { Q_INIT_RESOURCE(orvane); }

namespace {
const QString kRecentWorksheetsKey = QStringLiteral("RecentWorksheets");
}

namespace orvane {

AppContext::AppContext(DesktopServices& services) : services_(services) {
  initOrvaneResources();
  setErrorServices(&services_);
}

AppContext::~AppContext() {
  // The main window takes the others, its children, with it.
  main_.reset();
  recovery_.reset();
  if (errorServices() == &services_) setErrorServices(nullptr);
}

void AppContext::createWindows() { (void)mainWindow(); }

MainWindow* AppContext::mainWindow() {
  if (!main_) main_ = std::make_unique<MainWindow>(*this);
  return main_.get();
}

// The secondary windows are children of the main window: they stay in front
// of it and take no task-bar entry of their own.
FractionsWindow* AppContext::fractionsWindow() {
  if (!frac_) {
    frac_ = new FractionsWindow(services_, mainWindow());
    guardedConnect(frac_, &FractionsWindow::helpWanted, frac_, [this] {
      HelpWindow* help = helpWindow();
      help->showTopic(HelpTopic::Fractions);
      showWindow(help);
    });
  }
  return frac_;
}

WorksheetWindow* AppContext::worksheetWindow() {
  if (!worksheet_) {
    MainWindow* main = mainWindow();
    worksheet_ = new WorksheetWindow(services_, main);
    worksheet_->setWorksheetFolder(main->worksheetFolder);
    guardedConnect(worksheet_, &WorksheetWindow::calculatorWanted, worksheet_,
                   [this] { showWindow(calculatorWindow()); });
    guardedConnect(worksheet_, &WorksheetWindow::helpWanted, worksheet_, [this] {
      HelpWindow* help = helpWindow();
      help->showTopic(HelpTopic::Worksheet);
      showWindow(help);
    });
    if (recovery_) recovery_->watch(worksheet_);
    if (keepRecentWorksheets) {
      worksheet_->setRecentFiles(recentFilesFromSetting(QSettings().value(kRecentWorksheetsKey)));
      WorksheetWindow* sheet = worksheet_;
      guardedConnect(sheet, &WorksheetWindow::recentFilesChanged, sheet, [sheet] {
        QSettings().setValue(kRecentWorksheetsKey, recentFilesSetting(sheet->recentFiles()));
      });
    }
  }
  return worksheet_;
}

CalculatorWindow* AppContext::calculatorWindow() {
  if (!calculator_) {
    calculator_ = new CalculatorWindow(services_, mainWindow());
    guardedConnect(calculator_, &CalculatorWindow::helpWanted, calculator_,
                   [this] { showWindow(helpWindow()); });
  }
  return calculator_;
}

HelpWindow* AppContext::helpWindow() {
  if (!help_) help_ = new HelpWindow(mainWindow());
  return help_;
}

QList<QWidget*> AppContext::builtWindows() const {
  QList<QWidget*> built;
  for (QWidget* w :
       std::initializer_list<QWidget*>{main_.get(), frac_, worksheet_, calculator_, help_, bench_})
    if (w) built << w;
  return built;
}

BenchWindow* AppContext::benchWindow() {
  if (!bench_) bench_ = new BenchWindow(services_, mainWindow());
  return bench_;
}

MetalPage* AppContext::metalPage() { return benchWindow()->metalPage(); }

void AppContext::openWorksheet(const QString& path) {
  // The worksheet window belongs to the main window: a minimised main window
  // would keep it out of sight.
  if (mainWindow()->isMinimized()) mainWindow()->showNormal();
  WorksheetWindow* worksheet = worksheetWindow();
  showWindow(worksheet);
  worksheet->loadFile(path);
}

void AppContext::keepUnsavedWorksheet(const QString& folder, const QString& instanceName) {
  recovery_ = std::make_unique<RecoveryKeeper>(services_, folder, instanceName);
  if (worksheet_) recovery_->watch(worksheet_);
}

// One question for each worksheet left over, crashed copies' too. Restoring
// a second one over a first asks about the first, as a Load would; Cancel
// there leaves the file for a later start.
void AppContext::offerUnsavedWorksheet() {
  if (!recovery_) return;
  for (const RecoveryKeeper::LeftOver& left : recovery_->takeLeftOvers(mainWindow())) {
    // Whole sentences, one with the file's name and one without, so that a
    // translation can put the name where its grammar wants it.
    QString question;
    if (left.worksheet.Path.isEmpty()) {
      question =
          tr("Restore the unsaved worksheet?\n\nOrvane ended before the worksheet was saved. "
             "Yes opens it with its rows, unsaved; No throws them away.");
    } else {
      //: %1 is the worksheet file's path
      question = tr("Restore the unsaved worksheet?\n\nOrvane ended before the worksheet %1 was saved. "
                    "Yes opens it with its rows, unsaved; No throws them away.")
                     .arg(left.worksheet.Path);
    }
    if (!services_.askYesNo(mainWindow(), tr("Restore Worksheet"), question)) {
      recovery_->discardLeftOver(left.file);
      continue;
    }
    WorksheetWindow* sheet = worksheetWindow();
    showWindow(sheet);
    if (!sheet->mayReplaceRows()) {
      recovery_->releaseLeftOver(left.file);
      continue;
    }
    runGuarded(sheet, [&] { sheet->restoreUnsaved(left.worksheet.Path, left.worksheet.Text); });
    recovery_->adoptLeftOver(left.file);
  }
}

bool AppContext::quit() {
  // Qt closes every window on its way out, which comes back here through the
  // main window's close: the question has been answered by then.
  if (!quitting_ && worksheet_ && worksheet_->isModified()) {
    // The question is about these rows: they are shown with it.
    if (mainWindow()->isMinimized()) mainWindow()->showNormal();
    showWindow(worksheet_);
    if (!worksheet_->mayReplaceRows()) return false;
  }
  quitting_ = true;
  if (recovery_) recovery_->finish();
  Q_EMIT quitRequested();
  return true;
}

}  // namespace orvane
