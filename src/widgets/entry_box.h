#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <optional>

#include "core/key_filter.h"

namespace orvane {

class DesktopServices;

// A line edit that judges typed characters by its family's key filter and
// reports the events the windows work with as signals.
//  - A typed character is one a key produces (Enter is '\r', Backspace '\b',
//    Ctrl+letter its control code). Keys that produce none (arrows, Home, End,
//    Delete, Tab, Esc) and the editing shortcuts (Ctrl+A, C, X, V, Z, Shift+Z)
//    are never judged; pasted text is never filtered, except that a number
//    box reads a decimal comma in it as the point (see pastedNumberText).
//  - focusGained / focusLost: focus gained / lost, not counting a pop-up or another
//    window taking it for a while.
//  - changed: the text changed, by typing or by the program; setting the
//    same text again is not a change.
class EntryBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit EntryBox(QWidget* parent = nullptr);

  // The family's key filter judges every typed character: refused ones beep
  // (or vanish silently); Enter moves on to the next control or, in a family
  // whose Enter calculates, emits calculationWanted.
  void setKeyFilter(KeyFilterKind kind, DesktopServices& services);

  // Read-only box: button-face background, skipped by Tab.
  void setReadOnlyBox(bool readOnly);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 Q_SIGNALS:
  void focusGained();
  void focusLost();
  void changed();
  void calculationWanted();

 private:
  // Pastes from the clipboard (or the selection) where a number box must read
  // a comma in the text; false when there is none and Qt's own paste serves.
  bool pasteNumber(QClipboard::Mode mode);

  std::optional<KeyFilterKind> filter_;
  DesktopServices* services_ = nullptr;
  QString lastText_;
  bool returningFromElsewhere_ = false;
};

// Applies a family's key filter to a typed character: lets it through, or
// swallows it (with the default beep where the filter says so). Returns true
// for Enter, which is swallowed too and left to the caller's Enter action.
bool filterTypedKey(KeyFilterKind kind, const QString& boxText, QChar& key, DesktopServices& services);

// Select all, copy, cut, paste, undo, redo: keys that edit a box but type
// nothing, so no key filter sees them.
bool isEditingShortcut(const QKeyEvent* event);

// The character a key event types, or a null QChar for keys that type none.
QChar typedCharacter(const QKeyEvent* event);

}  // namespace orvane
