#pragma once

class QWidget;

namespace orvane {

// Moves the keyboard focus to the next control in the window's tab order that
// takes the focus by Tab, going forward (as Tab does, without a Tab key).
void focusNextControl(QWidget* from);

}  // namespace orvane
