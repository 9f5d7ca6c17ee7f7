#include "worksheet/worksheet_controls.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "platform/window_frame.h"
#include "widgets/entry_box.h"
#include "widgets/look.h"

namespace orvane {

QFont worksheetFont(bool bold) { return makeFont(QStringLiteral("Arial"), 15, bold); }

QLabel* makeWorksheetLabel(QWidget* parent, const QString& text, const QRect& geometry, Qt::Alignment align) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setAlignment(align);
  label->setWordWrap(true);
  label->setFont(worksheetFont());
  return label;
}

EntryBox* makeWorksheetBox(QWidget* parent, const QRect& geometry, const QString& accessibleName,
                           const QString& objectName, bool readOnly) {
  auto* box = new EntryBox(parent);
  box->setObjectName(objectName);
  box->setGeometry(geometry);
  box->setFont(worksheetFont());
  box->setAccessibleName(accessibleName);
  // The panels' face colour must not reach the boxes the user types in.
  QPalette pal = box->palette();
  pal.setColor(QPalette::Base, systemColor(SysColor::Window));
  box->setPalette(pal);
  if (readOnly) box->setReadOnlyBox(true);
  // A box that never had its caret placed reports a caret move when it is
  // first entered, before its focus; a screen reader takes that for a quiet
  // focus change and never names the box.
  box->setCursorPosition(0);
  return box;
}

QPushButton* makeWorksheetButton(QWidget* parent, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  QPalette pal = button->palette();
  pal.setColor(QPalette::Button, systemColor(SysColor::BtnFace));
  button->setPalette(pal);
  return button;
}

void makeKeyboardButton(QPushButton* button, const QString& hint, const QKeySequence& shortcut, bool bind) {
  button->setFocusPolicy(Qt::StrongFocus);
  button->setAutoDefault(true);
  if (bind && !shortcut.isEmpty()) button->setShortcut(shortcut);
  const QString keys = shortcut.toString(QKeySequence::NativeText);
  button->setToolTip(keys.isEmpty() ? hint : QStringLiteral("%1 (%2)").arg(hint, keys));
}

void setLimitedText(EntryBox* box, int limit, const QString& text) {
  box->setMaxLength(std::max<int>({limit, int(text.size()), box->maxLength()}));
  box->setText(text);
  relaxLimit(box, limit);
}

void relaxLimit(EntryBox* box, int limit) { box->setMaxLength(std::max(limit, int(box->text().size()))); }

namespace {
void dropEvent(QAccessibleEvent*) {}
}  // namespace

QuietAccessibility::QuietAccessibility() : previous_(QAccessible::installUpdateHandler(dropEvent)) {}

QuietAccessibility::~QuietAccessibility() { QAccessible::installUpdateHandler(previous_); }

}  // namespace orvane
