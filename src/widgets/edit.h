#pragma once

#include <QLineEdit>
#include <functional>

#include "core/key_filter.h"

namespace orvane {

class DesktopServices;

// A line edit that reports the four events the windows work with.
//  - OnKeyPress: a typed character (Enter is '\r', Backspace '\b', Ctrl+letter
//    its control code). The handler may set the key to a null QChar to
//    swallow it. Keys that produce no character (arrows, Home, End, Delete,
//    Tab, Esc) and the editing shortcuts (Ctrl+A, C, X, V, Z, Shift+Z) never
//    reach it. Pasted text is never filtered.
//  - OnEnter / OnExit: focus gained / lost.
//  Each runs inside the error boundary.
//  - OnChange: the text changed, by typing or by the program; setting the same
//    text again is not a change.
class TEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TEdit(QWidget* parent = nullptr);

  std::function<void(QChar& key)> OnKeyPress;
  std::function<void()> OnEnter;
  std::function<void()> OnExit;
  std::function<void()> OnChange;

  // Installs the standard key filter of a family of boxes as OnKeyPress:
  // refused characters beep (or vanish silently), Enter either runs the
  // calculation or moves to the next control.
  void SetKeyFilter(KeyFilterKind kind, DesktopServices& services, std::function<void()> runCalculation = {});

  // Read-only box: button-face background, skipped by Tab.
  void SetReadOnlyBox(bool readOnly);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QString lastText_;
  bool returningFromElsewhere_ = false;
};

// Applies a family's key filter to a typed character: lets it through, or
// swallows it (with the default beep where the filter says so). Returns true
// for Enter, which is swallowed too and left to the caller's Enter action.
bool FilterTypedKey(KeyFilterKind kind, const QString& boxText, QChar& key, DesktopServices& services);

// Select all, copy, cut, paste, undo, redo: keys that edit a box but type
// nothing, so no key filter sees them.
bool IsEditingShortcut(const QKeyEvent* event);

// The character a key event types, or a null QChar for keys that type none.
QChar TypedCharacter(const QKeyEvent* event);

}  // namespace orvane
