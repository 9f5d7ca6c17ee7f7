#include "bench_tools/bench_boxes.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include "platform/announcer.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"

namespace orvane {

EntryBox* makeNumberBox(QWidget* parent, DesktopServices& services, const QString& name,
                        std::function<void(EntryBox*)> enter) {
  auto* box = new EntryBox(parent);
  box->setAccessibleName(name);
  box->setFixedWidth(kBenchBoxWidth);
  box->SetKeyFilter(KeyFilterKind::mmBox, services);
  GuardedConnect(box, &EntryBox::calculationWanted, parent, [box, enter = std::move(enter)] { enter(box); });
  return box;
}

EntryBox* makeResultBox(QWidget* parent, const QString& name) {
  auto* box = new EntryBox(parent);
  box->setAccessibleName(name);
  box->setFixedWidth(kBenchBoxWidth);
  box->SetReadOnlyBox(true);
  box->setFocusPolicy(Qt::StrongFocus);
  return box;
}

QLabel* makeCaption(QWidget* parent, const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  if (buddy->accessibleName().isEmpty()) buddy->setAccessibleName(QString(text).remove(u'&'));
  return label;
}

void writeResults(QWidget* source, const std::vector<BoxWrite>& writes) {
  QStringList spoken;
  for (const auto& [box, text] : writes) {
    box->setText(text);
    if (!text.isEmpty() && box != QApplication::focusWidget() && box->isVisible())
      spoken << box->accessibleName() + u' ' + text;
  }
  announce(source, spoken.join(QStringLiteral(", ")));
}

}  // namespace orvane
