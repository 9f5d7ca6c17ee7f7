#include "widgets/spoken_boxes.h"

#include <QApplication>
#include <QWidget>

#include "core/spoken_results.h"
#include "platform/announcer.h"

namespace orvane {

void announceResults(QWidget* source, const QList<WrittenBox>& boxes) {
  QList<SpokenBox> spoken;
  spoken.reserve(boxes.size());
  for (const WrittenBox& written : boxes) {
    // A combo box's edit part may hold the focus for the combo box.
    QWidget* focus = QApplication::focusWidget();
    const bool focused = focus != nullptr && (focus == written.widget || written.widget->isAncestorOf(focus));
    spoken.append({written.widget->accessibleName(), written.text, focused,
                   written.widget->isVisibleTo(written.widget->window())});
  }
  announce(source, spokenResults(spoken));
}

}  // namespace orvane
