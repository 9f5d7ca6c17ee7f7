#pragma once

namespace orvane {

struct RunOptions {
  bool quitAfterFirstPaint = false;  // for start-up measurements
};

// The whole program: single-instance check, the five windows, the event loop.
// Returns the process exit code.
int RunOrvane(int argc, char** argv, const RunOptions& options = {});

}  // namespace orvane
