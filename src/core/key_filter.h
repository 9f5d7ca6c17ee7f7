#pragma once

#include <QChar>
#include <QString>

namespace orvane {

// The entry boxes' key filters, one kind per family of boxes.
enum class KeyFilterKind {
  mmBox,          // converter millimetres
  inchBox,        // converter inches
  Designation,    // pearlBox, stoneBox: nothing can be typed
  Weight,         // the five weight boxes
  beadMmBox,      // bead size in millimetres
  beadInchBox,    // bead size in inches
  beadCountBox,   // number of beads
  strandInchBox,  // strandInchBox, areaLengthBox, areaWidthBox, areaBox
  spacingBox,     // stone spacing
  WorksheetMm,
  WorksheetInch,
  WorksheetNob,
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

// Decides on one typed character, given the text the box holds now.
KeyVerdict FilterKey(KeyFilterKind kind, QChar key, const QString& boxText);
EnterAction EnterActionOf(KeyFilterKind kind);

}  // namespace orvane
