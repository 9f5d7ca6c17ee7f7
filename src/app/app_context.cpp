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
  metal_.reset();
  help_.reset();
  calculator_.reset();
  worksheet_.reset();
  frac_.reset();
  main_.reset();
  if (ErrorServices() == &services_) SetErrorServices(nullptr);
}

void AppContext::CreateWindows() {
  main_ = std::make_unique<TMainFrm>(*this);
  frac_ = std::make_unique<TFracFrm>(*this);
  worksheet_ = std::make_unique<TWorksheetFrm>(*this);
  calculator_ = std::make_unique<TCalculatorFrm>(*this);
  help_ = std::make_unique<THelpFrm>(*this);
}

TMetalFrm* AppContext::MetalFrm() {
  if (!metal_) metal_ = std::make_unique<TMetalFrm>(services_);
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
