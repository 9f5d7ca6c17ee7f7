#include "widgets/spoken_boxes.h"

#include <QApplication>
#include <QWidget>

#include "core/spoken_results.h"
#include "platform/announcer.h"

namespace orvane {

void announceResults(QWidget* source, const QList<WrittenBox>& boxes, const QString& lead,
                     const QString& missing) {
  QWidget* focus = QApplication::focusWidget();
  QList<SpokenBox> spoken;
  spoken.reserve(boxes.size());
  for (const WrittenBox& written : boxes) {
    // A combo box's edit part may hold the focus for the combo box.
    const bool focused = focus != nullptr && (focus == written.widget || written.widget->isAncestorOf(focus));
    // Shown in its window, whether or not the window itself is on screen yet.
    const bool shown = written.widget->isVisibleTo(written.widget->window());
    spoken.append({written.widget->accessibleName(), written.text, focused, shown, written.changed});
  }
  announce(source, spokenResults(spoken, lead, missing));
}

}  // namespace orvane
