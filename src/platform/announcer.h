#pragma once

#include <QString>

class QWidget;

namespace orvane {

// Has the screen reader speak `text` once (results written into boxes that do
// not have the focus), without moving the focus or changing what a sighted
// user sees. `source` is the window or page that wrote the results. Does
// nothing when no assistive technology is listening.
//
// How: a notification object with `text` as its name appears for a while in
// `source`'s window; screen readers speak a notification as it starts
// showing, whatever has the focus. The same text twice is spoken twice. A
// change of the focused box's description is not used: Qt sends the object,
// not the new text, with that change, so nothing is spoken.
void announce(QWidget* source, const QString& text);

// Has announce() work as if a screen reader listened, where none can (tests
// on the offscreen platform read the notices it leaves in the window).
void announceWithoutScreenReader(bool on);

}  // namespace orvane
