#pragma once

#include <QString>

class QWidget;

namespace orvane {

// Has the screen reader speak `text` once (results written into boxes that do
// not have the focus), without moving the focus or changing what a sighted
// user sees. `source` is the window or page that wrote the results. Does
// nothing when no assistive technology is listening.
void announce(QWidget* source, const QString& text);

}  // namespace orvane
