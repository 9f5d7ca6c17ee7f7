#pragma once

#include <QList>
#include <QString>

#include "core/box_text.h"
#include "core/calculator_engine.h"

namespace orvane {

// One box as the screen reader hears it after a step: its caption, what the
// step left in it, and whether the user is in it (the screen reader reads
// the focused box by itself, so it is not repeated).
struct SpokenBox {
  QString caption;  // empty when the text alone says what it is
  BoxText box;
  bool focused = false;
  bool shown = true;  // a box the window hides is not read out either
};

// What is spoken after a step, in the order given: each box the step wrote
// that is shown, not focused and not left empty, as "caption text", joined by
// ", " ("Inches 0.15748, Pearl Plate 31 - 32"). Empty when there is nothing
// to say.
QString spokenResults(const QList<SpokenBox>& boxes);

// What is spoken after a calculator key: after MC, MS, M+ and M- the memory
// ("Memory 36", "Memory cleared"); after any other key the display
// (`display`, its padding blank allowed) when the key changed it, and always
// after C and MR, which a user presses to hear where things stand. Empty when
// there is nothing new to say.
QString spokenCalculatorKey(CalculatorKey button, bool displayChanged, const QString& display,
                            long double memory);

}  // namespace orvane
