#pragma once

#include <QString>

#include "core/calculator_engine.h"

namespace orvane {

class CalculatorDisplay;
class CalculatorPad;

// Screen readers see the calculator as a group holding its display, readable
// as text, and one push button per key, named by its caption, whose press
// action does what a click on the key does. The keys stay painted by the
// control; these interfaces only describe them.
//
// Installed by the control before any interface of it is asked for.
void installCalculatorAccessibility();

// The keyboard key that presses a calculator key ("7", "Ctrl+P", "Enter or
// =" ...), for its description and tooltip.
QString calculatorKeyShortcut(CalculatorKey button);
// "Memory add (Ctrl+P)": what the key does and its keyboard key.
QString calculatorKeyHint(CalculatorKey button);

// Tells screen readers that the keyboard now rests on `button`.
void notifyCalculatorKeyFocused(CalculatorPad* calculator, CalculatorKey button);

// Tells screen readers that the display's text changed from `before`.
void notifyCalculatorDisplayChanged(CalculatorDisplay* display, const QString& before);

}  // namespace orvane
