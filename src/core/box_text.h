#pragma once

#include <QString>
#include <type_traits>

namespace orvane {

// One box as a window's step sees it: the text it holds, and whether the step
// wrote it. The window carries every written text over to its box, also when
// the step fails half-way, so that what was written before a failure stays;
// a box the step did not write keeps its caret, selection and undo history.
struct BoxText {
  QString text;
  bool written = false;

  void set(const QString& value) {
    text = value;
    written = true;
  }
  void clearText() { set(QString()); }
};

// Runs a window's step on the boxes it read and hands them to `show`
// afterwards, also when the step fails half-way (the failure then goes on):
// what a step wrote before a failure stays on screen. Returns what the step
// returns.
template <typename Boxes, typename Step, typename Show>
std::invoke_result_t<Step&, Boxes&> runShowingBoxes(Boxes& boxes, Step&& step, Show&& show) {
  using Result = std::invoke_result_t<Step&, Boxes&>;
  if constexpr (std::is_void_v<Result>) {
    try {
      step(boxes);
    } catch (...) {
      show(boxes);
      throw;
    }
    show(boxes);
  } else {
    Result result{};
    try {
      result = step(boxes);
    } catch (...) {
      show(boxes);
      throw;
    }
    show(boxes);
    return result;
  }
}

}  // namespace orvane
