#pragma once

#include <QChar>
#include <QString>

namespace orvane {

// The entry boxes' key filters, one kind per family of boxes.
enum class KeyFilterKind {
  MmBox,          // converter millimetres
  InchBox,        // converter inches
  Designation,    // pearlBox, stoneBox: nothing can be typed
  Weight,         // the five weight boxes
  BeadMmBox,      // bead size in millimetres
  BeadInchBox,    // bead size in inches
  BeadCountBox,   // number of beads
  StrandInchBox,  // strandInchBox, areaLengthBox, areaWidthBox, areaBox
  SpacingBox,     // stone spacing
  WorksheetMm,
  WorksheetInch,
  WorksheetBeadCount,
  Text,  // names and descriptions: anything typed goes in; Enter moves on
};

enum class KeyVerdict {
  Accept,   // the character goes into the box
  Swallow,  // dropped without a sound
  Beep,     // dropped with the default beep
  Enter,    // Enter: swallowed; the box's Enter action runs
};

enum class EnterAction { RunCalculation, NextControl };

inline constexpr QChar kEnterKey{u'\r'};
inline constexpr QChar kBackspaceKey{u'\b'};

// Decides on one typed character, given the text the box holds now. In a
// number box a "," is judged as the decimal point it stands for.
KeyVerdict filterKey(KeyFilterKind kind, QChar key, const QString& boxText);

// The character a typed key puts into a box of this kind: in every number box
// a "," is the decimal point and goes in as ".", whatever the locale; no box
// takes thousands separators, so it cannot mean anything else.
QChar numberBoxKey(KeyFilterKind kind, QChar key);

// Text pasted into a box: in a number box one "," and no "." is the decimal
// point and goes in as "."; a text with both, or with several commas, carries
// thousands separators no box reads and is refused (`refusal` says why; the
// box is left as it was). Other texts go in unchanged.
struct PastedText {
  QString text;
  QString refusal;
};
PastedText pastedNumberText(KeyFilterKind kind, const QString& pasted);
EnterAction enterActionOf(KeyFilterKind kind);

}  // namespace orvane
