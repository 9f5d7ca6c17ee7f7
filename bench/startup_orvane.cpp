// The real program's start-up, ending after the main window's first frame:
// lock, the main window on its About page, first paint. The chart pages and the
// other windows are built when first shown (bench/first_open.cpp times the windows).
#include "app/application.h"

int main(int argc, char** argv) {
  orvane::RunOptions options;
  options.quitAfterFirstPaint = true;
  return orvane::runOrvane(argc, argv, options);
}
