#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <memory>

class QWidget;

namespace orvane {

class DesktopServices;
class MainWindow;
class FractionsWindow;
class WorksheetWindow;
class CalculatorWindow;
class HelpWindow;
class MetalPage;
class RecoveryKeeper;
class BenchWindow;

// Owns the windows and lets one window reach another.
// The main window is built at start; the four others stay hidden until a
// button shows them, so each is built the first time it is asked for and
// then lives, with its contents, until the program ends.
class AppContext : public QObject {
  Q_OBJECT
 public:
  explicit AppContext(DesktopServices& services);
  ~AppContext();
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  // Builds the main window, the one shown at start.
  void createWindows();

  DesktopServices& services() const { return services_; }
  // Each accessor builds its window on first use. The main window comes
  // first and owns the others as their parent, so a window's creation may
  // rely on the main window, and on any other window by asking for it.
  MainWindow* mainWindow();
  FractionsWindow* fractionsWindow();
  WorksheetWindow* worksheetWindow();
  CalculatorWindow* calculatorWindow();
  HelpWindow* helpWindow();
  BenchWindow* benchWindow();
  // The Bench window's Metal page.
  MetalPage* metalPage();

  // The windows built so far, in the order main, fractions, worksheet,
  // calculator, help, bench.
  QList<QWidget*> builtWindows() const;

  // Shows the worksheet window with the file loaded (command line, another
  // copy, the desktop's file manager).
  void openWorksheet(const QString& path);

  // The worksheet window's recent files live in the user's settings; off in
  // tests, which must not touch them.
  bool keepRecentWorksheets = false;

  // Keeps the worksheet's unsaved rows in `folder` against a crash, in a file
  // of this copy's own. Off until called: tests must not touch the user's
  // folders.
  void keepUnsavedWorksheet(const QString& folder, const QString& instanceName);
  RecoveryKeeper* recovery() const { return recovery_.get(); }
  // At start: rows an earlier run left unsaved are offered back, and on yes
  // the worksheet opens with them, unsaved.
  void offerUnsavedWorksheet();

  // Ends the program (Exit button, main window closed) through
  // quitRequested. Asks first about an unsaved worksheet; false when the
  // user chose to stay.
  bool quit();

 Q_SIGNALS:
  // The program is to end; the application quits, a test counts.
  void quitRequested();

 private:
  DesktopServices& services_;
  // The main window owns the others as their Qt parent: they go with it.
  std::unique_ptr<MainWindow> main_;
  FractionsWindow* frac_ = nullptr;
  WorksheetWindow* worksheet_ = nullptr;
  CalculatorWindow* calculator_ = nullptr;
  HelpWindow* help_ = nullptr;
  BenchWindow* bench_ = nullptr;
  std::unique_ptr<RecoveryKeeper> recovery_;
  bool quitting_ = false;
};

}  // namespace orvane
