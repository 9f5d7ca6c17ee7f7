#include "core/worksheet_document.h"

namespace orvane {

namespace {

bool SameRow(const WorksheetRowText& a, const WorksheetRowText& b) {
  return a.Desc == b.Desc && a.Mm == b.Mm && a.Inch == b.Inch && a.Nob == b.Nob;
}

QString FileName(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

}  // namespace

bool SameTypedText(const WorksheetText& a, const WorksheetText& b) {
  if (a.Project != b.Project) return false;
  for (int i = 0; i < kWorksheetRows; ++i)
    if (!SameRow(a.Rows[i], b.Rows[i])) return false;
  return true;
}

bool HoldsAnything(const WorksheetText& text) { return !SameTypedText(text, WorksheetText{}); }

bool WorksheetDocument::IsModified(const WorksheetText& now) const {
  return !Saved || !SameTypedText(now, *Saved);
}

QString WorksheetCaption(const QString& path) {
  const QString title = QStringLiteral("Bead Worksheet");
  if (path.isEmpty()) return title + QStringLiteral("[*]");
  // Qt shows a doubled placeholder as a literal "[*]" in the name.
  QString name = FileName(path);
  name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
  return name + QStringLiteral("[*] - ") + title;
}

QString UnsavedWorksheetQuestion(const QString& path) {
  const QString which = path.isEmpty() ? QStringLiteral("The bead worksheet")
                                       : QStringLiteral("The bead worksheet \"%1\"").arg(FileName(path));
  return which + QStringLiteral(" has changes that are not saved.\n\nSave them first?");
}

}  // namespace orvane
