#include "widgets/focus.h"

#include <QWidget>

namespace orvane {

void focusNextControl(QWidget* from) {
  if (!from) return;
  QWidget* window = from->window();
  QWidget* w = from->nextInFocusChain();
  while (w && w != from) {
    if (w->window() == window && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
        w->isVisibleTo(window) && !w->focusProxy()) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
    w = w->nextInFocusChain();
  }
}

}  // namespace orvane
