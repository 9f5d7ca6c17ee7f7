#pragma once

#include <QString>

namespace orvane {

// One box as a window's step sees it: the text it holds, and whether the step
// wrote it. The window carries every written text over to its box, also when
// the step fails half-way, so that what was written before a failure stays;
// a box the step did not write keeps its caret, selection and undo history.
struct BoxText {
  QString text;
  bool written = false;

  void Set(const QString& value) {
    text = value;
    written = true;
  }
  void Clear() { Set(QString()); }
};

}  // namespace orvane
