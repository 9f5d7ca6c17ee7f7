#include "platform/window_frame.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace orvane {

namespace {

// The program's own top-level windows are plain widgets, which Qt describes
// as a "filler": screen readers are told they are frames, as an application
// window is.
QAccessibleInterface* windowFactory(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr || !widget->isWindow()) return nullptr;
  // Asked once per class up the hierarchy: only the object's own class, and
  // only the program's own windows (Qt's dialogs, menus and tips keep theirs).
  if (className != QLatin1String(object->metaObject()->className())) return nullptr;
  if (!className.startsWith(QLatin1String("orvane::"))) return nullptr;
  return new QAccessibleWidget(widget, QAccessible::Window);
}

[[maybe_unused]] const bool windowFactoryInstalled = [] {
  QAccessible::installFactory(windowFactory);
  return true;
}();

}  // namespace

void configureFixedWindow(QWidget* window, const QString& caption, int clientWidth, int clientHeight,
                          bool minimiseButton) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (minimiseButton) flags |= Qt::WindowMinimizeButtonHint;
  window->setWindowFlags(flags);
  window->setWindowTitle(caption);
  window->setFixedSize(clientWidth, clientHeight);
}

void showWindow(QWidget* window) {
  if (window->isMinimized()) window->showNormal();
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace orvane
