#pragma once

#include <QList>

#include "core/box_text.h"

class QWidget;

namespace orvane {

// A box a window's step may have written, and what the step left for it.
struct WrittenBox {
  QWidget* widget;
  BoxText text;
};

// Has the screen reader speak what a step wrote into boxes other than the
// focused one, in the order given, each captioned with its box's accessible
// name. Says nothing when no such box got a text.
void announceResults(QWidget* source, const QList<WrittenBox>& boxes);

}  // namespace orvane
