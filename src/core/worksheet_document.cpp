#include "core/worksheet_document.h"

#include <QCoreApplication>

namespace orvane {

namespace {

bool sameRow(const WorksheetRowText& a, const WorksheetRowText& b) {
  return a.Desc == b.Desc && a.Mm == b.Mm && a.Inch == b.Inch && a.BeadCount == b.BeadCount;
}

QString fileName(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

}  // namespace

bool sameTypedText(const WorksheetText& a, const WorksheetText& b) {
  if (a.Project != b.Project) return false;
  for (int i = 0; i < kWorksheetRows; ++i)
    if (!sameRow(a.Rows[i], b.Rows[i])) return false;
  return true;
}

bool holdsAnything(const WorksheetText& text) { return !sameTypedText(text, WorksheetText{}); }

bool WorksheetDocument::isModified(const WorksheetText& now) const {
  return !Saved || !sameTypedText(now, *Saved);
}

QString worksheetCaption(const QString& path) {
  const QString title = QCoreApplication::translate("WorksheetDocument", "Bead Worksheet");
  if (path.isEmpty()) return title + QStringLiteral("[*]");
  // Qt shows a doubled placeholder as a literal "[*]" in the name.
  QString name = fileName(path);
  name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
  //: The window title: %1 the file's name, %2 "Bead Worksheet".
  return QCoreApplication::translate("WorksheetDocument", "%1[*] - %2").arg(name, title);
}

QString unsavedWorksheetQuestion(const QString& path) {
  if (path.isEmpty())
    return QCoreApplication::translate(
        "WorksheetDocument", "The bead worksheet has changes that are not saved.\n\nSave them first?");
  return QCoreApplication::translate(
             "WorksheetDocument",
             "The bead worksheet \"%1\" has changes that are not saved.\n\nSave them first?")
      .arg(fileName(path));
}

}  // namespace orvane
