#pragma once

#include <QList>
#include <QString>

#include "core/box_text.h"

class QWidget;

namespace orvane {

// A box a window's step may have written, what the step left for it, and
// whether that differs from what the box held before the step.
struct WrittenBox {
  QWidget* widget;
  BoxText text;
  bool changed = true;
};

// Has the screen reader speak what a step wrote into boxes other than the
// focused one, what changed first, each captioned with its box's accessible
// name; `lead` (a list's chosen item) is said first, `missing` (what the
// step stopped for) last. Says nothing when there is nothing to say. The rule
// itself is spokenResults(); this only gathers each box's facts from its
// widget.
void announceResults(QWidget* source, const QList<WrittenBox>& boxes, const QString& lead = {},
                     const QString& missing = {});

}  // namespace orvane
