#include "platform/announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

namespace orvane {

void announce(QWidget* source, const QString& text) {
  if (text.isEmpty() || !QAccessible::isActive())
    return;
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr)
    target = source;
  if (target == nullptr)
    return;
  // Screen readers speak a change of the focused object's description; the
  // old description is put back at once so the box reads as before.
  const QString original = target->accessibleDescription();
  target->setAccessibleDescription(text);
  target->setAccessibleDescription(original);
}

}  // namespace orvane
