#include "platform/window_frame.h"

#include <QWidget>

namespace orvane {

void ConfigureFixedWindow(QWidget* window, const QString& caption, int clientWidth, int clientHeight,
                          bool minimiseButton) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (minimiseButton) flags |= Qt::WindowMinimizeButtonHint;
  window->setWindowFlags(flags);
  window->setWindowTitle(caption);
  window->setFixedSize(clientWidth, clientHeight);
}

void ShowWindow(QWidget* window) {
  if (window->isMinimized()) window->showNormal();
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace orvane
