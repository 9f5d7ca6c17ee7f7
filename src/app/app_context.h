#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace orvane {

class DesktopServices;
class TMainFrm;
class TFracFrm;
class TWorksheetFrm;
class TCalculatorFrm;
class THelpFrm;
class TMetalFrm;

// Owns the five windows for the whole run, creates them in their fixed order
// and lets one window reach another.
class AppContext {
 public:
  explicit AppContext(DesktopServices& services);
  ~AppContext();
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  // Main, fractions, worksheet, calculator, help: each window's creation may
  // rely on the ones before it.
  void CreateWindows();

  DesktopServices& Services() const { return services_; }
  TMainFrm* MainFrm() const { return main_.get(); }
  TFracFrm* FracFrm() const { return frac_.get(); }
  TWorksheetFrm* WorksheetFrm() const { return worksheet_.get(); }
  TCalculatorFrm* CalculatorFrm() const { return calculator_.get(); }
  THelpFrm* HelpFrm() const { return help_.get(); }
  // Built the first time it is asked for: most runs never open it.
  TMetalFrm* MetalFrm();

  // Ends the program (Exit button, main window closed). Tests replace it.
  std::function<void()> OnQuit;
  void Quit();

  // Shows a secondary window without blocking and brings it to the front; an
  // already visible window only comes to the front.
  static void ShowWindow(QWidget* window);

 private:
  DesktopServices& services_;
  std::unique_ptr<TMainFrm> main_;
  std::unique_ptr<TFracFrm> frac_;
  std::unique_ptr<TWorksheetFrm> worksheet_;
  std::unique_ptr<TCalculatorFrm> calculator_;
  std::unique_ptr<THelpFrm> help_;
  std::unique_ptr<TMetalFrm> metal_;
};

// Sets a top-level window's caption and fixed client size, with only the
// title-bar buttons it should have.
void ConfigureFixedWindow(QWidget* window, const QString& caption, int clientWidth, int clientHeight,
                          bool minimiseButton);

}  // namespace orvane
