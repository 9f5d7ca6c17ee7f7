#pragma once

#include <QString>

namespace orvane {

class TFxCalcPanel;

// Screen readers see the calculator as a group holding its display, readable
// as text, and one push button per key, named by its caption, whose press
// action does what a click on the key does. The keys stay painted by the
// control; these interfaces only describe them.
//
// Installed by the control before any interface of it is asked for.
void InstallCalculatorAccessibility();

// Tells screen readers that the display's text changed from `before`.
void NotifyCalculatorDisplayChanged(TFxCalcPanel* display, const QString& before);

}  // namespace orvane
