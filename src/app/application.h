#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QApplication;

namespace orvane {

class AppContext;

struct RunOptions {
  // Ends the event loop once the main window's first frame has been painted,
  // so a start-up measurement covers exactly lock, windows, grids and paint.
  bool quitAfterFirstPaint = false;
  // Runs after the application object exists and before any window is made
  // (the look checks use it to put on another palette).
  std::function<void(QApplication&)> beforeWindows;
  // Runs once the main window's first frame is on the screen (the benchmark
  // opens the other windows from here).
  std::function<void(AppContext&)> afterFirstPaint;
};

// What the command line asks for. Qt's own options (-platform, -style, ...)
// are accepted and left to Qt.
struct CommandLine {
  bool help = false;
  bool version = false;
  QString error;      // a mistake on the command line, said as for a terminal
  QString worksheet;  // the worksheet file to open, if any
  QString language;   // --language: a language code, empty for the desktop's
};
CommandLine parseCommandLine(const QStringList& arguments);
// The texts --help and --version print.
QString commandLineHelp();
QString commandLineVersion();

// The whole program: single-instance check, the main window (the others are
// built when first shown), the event loop.
// Returns the process exit code.
int runOrvane(int argc, char** argv, const RunOptions& options = {});

// The language the program speaks: --language when given (false, with
// English in place, for one it does not speak), else the desktop's.
bool installProgramLanguage(const QString& requested);

// The program's names (from its application id) and the folder of its own
// where anything Qt keeps for it between runs is written.
void useOwnSettings();

// The icon of the program's windows and of its desktop entry.
inline constexpr const char* kAppIconResource = ":/app/org.orvane.Orvane.svg";

}  // namespace orvane
