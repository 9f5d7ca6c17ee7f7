#include "widgets/entry_box.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "core/text_rules.h"
#include "platform/desktop_services.h"
#include "widgets/focus.h"
#include "widgets/look.h"

namespace orvane {

QChar typedCharacter(const QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return QChar(u'\r');
    case Qt::Key_Backspace:
      return QChar(u'\b');
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return {};
    default:
      break;
  }
  if (event->modifiers() & Qt::ControlModifier) {
    const int k = event->key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return QChar(char16_t(k - Qt::Key_A + 1));
    return {};
  }
  const QString text = event->text();
  if (text.isEmpty() || !text[0].isPrint()) return {};
  // The key pad's decimal key types the keyboard layout's separator (a comma
  // on many layouts); here the decimal point is "." whatever the layout, and
  // the key pad must serve for entering numbers.
  if ((event->modifiers() & Qt::KeypadModifier) && text == QLatin1String(",")) return QChar(u'.');
  return text[0];
}

EntryBox::EntryBox(QWidget* parent) : QLineEdit(parent) {
  // Passed on, not handled here: the receivers' connections guard them.
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (text() == lastText_) return;
    lastText_ = text();
    Q_EMIT changed();
  });
}

bool isEditingShortcut(const QKeyEvent* event) {
  static constexpr QKeySequence::StandardKey kEditing[] = {QKeySequence::SelectAll, QKeySequence::Copy,
                                                           QKeySequence::Cut,       QKeySequence::Paste,
                                                           QKeySequence::Undo,      QKeySequence::Redo};
  for (QKeySequence::StandardKey k : kEditing)
    if (event->matches(k)) return true;
  return false;
}

bool filterTypedKey(KeyFilterKind kind, const QString& boxText, QChar& key, DesktopServices& services) {
  switch (filterKey(kind, key, boxText)) {
    case KeyVerdict::Accept:
      return false;
    case KeyVerdict::Beep:
      services.beep();
      key = QChar();
      return false;
    case KeyVerdict::Swallow:
      key = QChar();
      return false;
    case KeyVerdict::Enter:
      key = QChar();
      return true;
  }
  return false;
}

void EntryBox::setKeyFilter(KeyFilterKind kind, DesktopServices& services) {
  filter_ = kind;
  services_ = &services;
}

void EntryBox::setReadOnlyBox(bool readOnly) {
  setReadOnly(readOnly);
  if (readOnly) {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, systemColor(SysColor::BtnFace));
    setPalette(pal);
    setFocusPolicy(Qt::ClickFocus);
  } else {
    setPalette(QPalette());
    setFocusPolicy(Qt::StrongFocus);
  }
}

bool EntryBox::pasteNumber(QClipboard::Mode mode) {
  if (!filter_ || isReadOnly()) return false;
  const QString clip = QGuiApplication::clipboard()->text(mode);
  const PastedText pasted = pastedNumberText(*filter_, clip);
  if (pasted.refusal.isEmpty() && pasted.text == clip) return false;
  if (!pasted.refusal.isEmpty()) {
    services_->showMessage(this, MessageIcon::Error, QStringLiteral("Orvane"), withFinalDot(pasted.refusal));
    return true;
  }
  insert(pasted.text);
  return true;
}

namespace {

// The standard menu's Paste: named in newer Qt, known by its caption before.
QAction* pasteActionOf(const QMenu* menu) {
  // Qt's own text, in Qt's own translation: not one of ours to translate.
  static const char* const qtPaste = "&Paste";
  const QString caption = QLineEdit::tr(qtPaste);
  for (QAction* action : menu->actions())
    if (action->objectName() == QLatin1String("edit-paste") || action->text().startsWith(caption))
      return action;
  return nullptr;
}

}  // namespace

void EntryBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  if (!menu) return;
  // The menu's Paste must read a decimal comma as the keyboard's paste does.
  if (QAction* pasteAction = pasteActionOf(menu)) {
    disconnect(pasteAction, &QAction::triggered, nullptr, nullptr);
    connect(pasteAction, &QAction::triggered, this, [this] {
      if (!pasteNumber(QClipboard::Clipboard)) paste();
    });
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void EntryBox::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the X selection: the same rule as any paste.
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
      rect().contains(event->position().toPoint()) && filter_ && !isReadOnly()) {
    const QString selection = QGuiApplication::clipboard()->text(QClipboard::Selection);
    const PastedText pasted = pastedNumberText(*filter_, selection);
    if (!pasted.refusal.isEmpty() || pasted.text != selection) {
      deselect();
      setCursorPosition(cursorPositionAt(event->position().toPoint()));
      pasteNumber(QClipboard::Selection);
      event->accept();
      return;
    }
  }
  QLineEdit::mouseReleaseEvent(event);
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste) && pasteNumber(QClipboard::Clipboard)) {
    event->accept();
    return;
  }
  // The filters judge typed characters; select, copy, cut, paste, undo and
  // redo type none and work in every box.
  QChar key = isEditingShortcut(event) ? QChar() : typedCharacter(event);
  if (key.isNull() || !filter_) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const QChar original = key;
  key = numberBoxKey(*filter_, key);
  if (filterTypedKey(*filter_, text(), key, *services_)) {
    event->accept();
    if (enterActionOf(*filter_) == EnterAction::NextControl)
      focusNextControl(this);
    else
      Q_EMIT calculationWanted();
    return;
  }
  if (key.isNull()) {
    event->accept();
    return;
  }
  // Control characters stand for keys (Ctrl+V) whose text is not the character.
  const bool typesAsIs = !original.isPrint() || event->text().startsWith(original);
  if (key == original && typesAsIs) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  // The key pad or the decimal comma replaced the character: type the replacement.
  QKeyEvent replaced(QEvent::KeyPress, 0, Qt::NoModifier, QString(key));
  QLineEdit::keyPressEvent(&replaced);
}

void EntryBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // Coming back from another window or a pop-up is no new entry into the box.
  if (returningFromElsewhere_) {
    returningFromElsewhere_ = false;
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
  }
  Q_EMIT focusGained();
}

void EntryBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A pop-up menu or another window taking the focus is no exit from the box.
  if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) {
    returningFromElsewhere_ = true;
    return;
  }
  Q_EMIT focusLost();
}

}  // namespace orvane
