#pragma once

#include <QString>
#include <optional>

#include "core/worksheet_file.h"

namespace orvane {

// Two worksheets whose typed boxes hold the same texts.
bool sameTypedText(const WorksheetText& a, const WorksheetText& b);

// True when any typed box holds anything, a blank included.
bool holdsAnything(const WorksheetText& text);

// What the worksheet held when it was last loaded or saved, and from where.
// Typing a change and typing it back leaves the worksheet unmodified, as the
// comparison is with that snapshot, not with a count of edits.
struct WorksheetDocument {
  QString Path;  // the worksheet file; empty before the first load or save
  // The texts the file holds; nothing when unknown (rows given back after a
  // crash), which keeps the worksheet modified until it is saved or loaded.
  std::optional<WorksheetText> Saved = WorksheetText{};

  bool isModified(const WorksheetText& now) const;
};

// The worksheet window's title, with Qt's "[*]" placeholder for the mark of
// unsaved changes: "Bead Worksheet[*]" before any file, else the file's name
// first, "bracelet.bws[*] - Bead Worksheet".
QString worksheetCaption(const QString& path);

// The text of the question asked before unsaved rows are replaced or the
// program ends.
QString unsavedWorksheetQuestion(const QString& path);

}  // namespace orvane
