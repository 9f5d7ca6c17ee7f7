// The real program's start-up, ending after the main window's first frame:
// lock, the main window with every grid filled, first paint. The other
// windows are built when first opened (bench/first_open.cpp times that).
#include "app/application.h"

int main(int argc, char** argv) {
  orvane::RunOptions options;
  options.quitAfterFirstPaint = true;
  return orvane::RunOrvane(argc, argv, options);
}
