// The real program's start-up, ending after the main window's first frame:
// lock, five windows, every grid filled, first paint.
#include "app/application.h"

int main(int argc, char** argv) {
  orvane::RunOptions options;
  options.quitAfterFirstPaint = true;
  return orvane::RunOrvane(argc, argv, options);
}
