#include "app/app_context.h"

#include <QCoreApplication>
#include <QWidget>

#include "app/desktop_services.h"
#include "app/error_boundary.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "calculator/calculator_window.h"
#include "calculators/fractions_window.h"
#include "metal/metal_window.h"
#include "worksheet/worksheet_window.h"

static void InitOrvaneResources() { Q_INIT_RESOURCE(orvane); }

namespace orvane {

AppContext::AppContext(DesktopServices& services) : services_(services) {
  InitOrvaneResources();
  SetErrorServices(&services_);
  OnQuit = [] { QCoreApplication::quit(); };
}

AppContext::~AppContext() {
  // The secondary windows first: the main window is their parent.
  metal_.reset();
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

// A child window of the main window: it stays in front of it and takes no
// task-bar entry of its own.
template <class Window>
Window* AppContext::Secondary(std::unique_ptr<Window>& slot) {
  if (!slot) {
    TMainFrm* main = MainFrm();
    slot = std::make_unique<Window>(*this, main);
  }
  return slot.get();
}

TFracFrm* AppContext::FracFrm() { return Secondary(frac_); }
TWorksheetFrm* AppContext::WorksheetFrm() { return Secondary(worksheet_); }
TCalculatorFrm* AppContext::CalculatorFrm() { return Secondary(calculator_); }
THelpFrm* AppContext::HelpFrm() { return Secondary(help_); }

QList<QWidget*> AppContext::BuiltWindows() const {
  QList<QWidget*> built;
  for (QWidget* w : std::initializer_list<QWidget*>{main_.get(), frac_.get(), worksheet_.get(), calculator_.get(),
                                                    help_.get(), metal_.get()})
    if (w) built << w;
  return built;
}

TMetalFrm* AppContext::MetalFrm() {
  if (!metal_) {
    TMainFrm* main = MainFrm();
    metal_ = std::make_unique<TMetalFrm>(services_, main);
  }
  return metal_.get();
}

void AppContext::Quit() {
  if (OnQuit) OnQuit();
}

void AppContext::ShowWindow(QWidget* window) {
  if (window->isMinimized()) window->showNormal();
  window->show();
  window->raise();
  window->activateWindow();
}

void ConfigureFixedWindow(QWidget* window, const QString& caption, int clientWidth, int clientHeight,
                          bool minimiseButton) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (minimiseButton) flags |= Qt::WindowMinimizeButtonHint;
  window->setWindowFlags(flags);
  window->setWindowTitle(caption);
  window->setFixedSize(clientWidth, clientHeight);
}

}  // namespace orvane
