#pragma once

#include <QAccessible>
#include <QKeySequence>
#include <QRect>
#include <QString>

class QFont;
class QLabel;
class QPushButton;
class QWidget;

namespace orvane {

class EntryBox;

// The look every part of the worksheet window shares.
QFont worksheetFont(bool bold = false);
QLabel* makeWorksheetLabel(QWidget* parent, const QString& text, const QRect& geometry, Qt::Alignment align);
// A box named for the screen reader and, for tests and scripts, by `objectName`.
EntryBox* makeWorksheetBox(QWidget* parent, const QRect& geometry, const QString& accessibleName,
                           const QString& objectName, bool readOnly = false);
QPushButton* makeWorksheetButton(QWidget* parent, const QString& caption);
// The bar's buttons are tab stops after the boxes; Enter on the focused one
// presses it, as Space does. A shortcut is shown in the tooltip; `bind` is
// false where the window handles the key itself.
void makeKeyboardButton(QPushButton* button, const QString& hint, const QKeySequence& shortcut,
                        bool bind = true);

// The length limits hold for what the user types or pastes; a loaded text is
// shown whole, and may then only be shortened.
void setLimitedText(EntryBox* box, int limit, const QString& text);
void relaxLimit(EntryBox* box, int limit);

// While it lives, the boxes' accessibility events do not reach the screen
// reader: filling every box at once sends hundreds, and a screen reader
// flooded with them drops what is said next. Whoever fills says what changed
// once it is over.
class QuietAccessibility {
 public:
  QuietAccessibility();
  ~QuietAccessibility();
  QuietAccessibility(const QuietAccessibility&) = delete;
  QuietAccessibility& operator=(const QuietAccessibility&) = delete;

 private:
  QAccessible::UpdateHandler previous_;
};

}  // namespace orvane
