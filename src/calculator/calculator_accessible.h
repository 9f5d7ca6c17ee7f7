#pragma once

#include <QString>

#include "core/calc_engine.h"

namespace orvane {

class TFxCalcPanel;
class TFxCalculator;

// Screen readers see the calculator as a group holding its display, readable
// as text, and one push button per key, named by its caption, whose press
// action does what a click on the key does. The keys stay painted by the
// control; these interfaces only describe them.
//
// Installed by the control before any interface of it is asked for.
void InstallCalculatorAccessibility();

// The keyboard key that presses a calculator key ("7", "Ctrl+P", "Enter or
// =" ...), for its description and tooltip.
QString CalculatorKeyShortcut(TFxCalculatorButton button);
// "Memory add (Ctrl+P)": what the key does and its keyboard key.
QString CalculatorKeyHint(TFxCalculatorButton button);

// Tells screen readers that the keyboard now rests on `button`.
void NotifyCalculatorKeyFocused(TFxCalculator* calculator, TFxCalculatorButton button);

// Tells screen readers that the display's text changed from `before`.
void NotifyCalculatorDisplayChanged(TFxCalcPanel* display, const QString& before);

}  // namespace orvane
