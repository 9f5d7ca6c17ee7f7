#pragma once

#include <QList>
#include <QString>

#include "core/box_text.h"
#include "core/calculator_engine.h"

namespace orvane {

// One box as the screen reader hears it after a step, in plain facts the
// window gathers: its caption, what the step left in it, whether the focus is
// in it (also in a part of it, such as a list's edit line: the screen reader
// reads the focused box by itself, so it is not repeated), whether it is
// shown in its window, and whether the step changed its text.
struct SpokenBox {
  QString caption;  // empty when the text alone says what it is
  BoxText box;
  bool focused = false;
  bool shown = true;    // a box the window hides is not read out either
  bool changed = true;  // false when the step wrote the text the box already held
};

// What is spoken after a step: each box the step wrote that is shown, not
// focused and not left empty (blanks trimmed), as "caption text", joined by
// ", " ("Inches 0.15748, Pearl Plate 31 - 32"). The boxes whose text the
// step changed come first, the rest after, each group in the order given, so
// that what is new is heard before what is repeated. `lead` (a list's chosen
// item, "Shape Sheet") is said before all of them, `missing` (what the step
// stopped for, "the hourly rate") after them as "Enter the hourly rate".
// Empty when there is nothing to say.
QString spokenResults(const QList<SpokenBox>& boxes, const QString& lead = {}, const QString& missing = {});

// What is spoken after a calculator key: after MC, MS, M+ and M- the memory
// ("Memory 36", "Memory cleared"); after any other key the display
// (`display`, its padding blank allowed) when the key changed it, and always
// after C and MR, which a user presses to hear where things stand. Empty when
// there is nothing new to say.
QString spokenCalculatorKey(CalculatorKey button, bool displayChanged, const QString& display,
                            long double memory);

}  // namespace orvane
