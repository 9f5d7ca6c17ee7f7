#pragma once

#include <QString>

class QWidget;

namespace orvane {

// Sets a top-level window's caption and fixed client size, with only the
// title-bar buttons it should have.
void configureFixedWindow(QWidget* window, const QString& caption, int clientWidth, int clientHeight,
                          bool minimiseButton);

// Shows a window without blocking and brings it to the front; an already
// visible window only comes to the front.
void showWindow(QWidget* window);

}  // namespace orvane
