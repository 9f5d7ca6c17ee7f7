#include "worksheet/worksheet_files.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "core/native_path.h"
#include "core/recent_files.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"

namespace orvane {

namespace {

// The names are padded with blanks so that the patterns line up in the list.
QString worksheetFilter() { return WorksheetFiles::tr("Bead Worksheet        (*.bws)"); }
QString allFilesFilter() { return WorksheetFiles::tr("All Files                       (*.*)"); }
QString openFilter() { return worksheetFilter() + QStringLiteral(";;") + allFilesFilter(); }
// Saving may also export the figures for a spreadsheet; loading keeps to
// worksheets.
QString saveFilter() {
  return worksheetFilter() + QStringLiteral(";;") + WorksheetFiles::tr("CSV (*.csv)") + QStringLiteral(";;") +
         allFilesFilter();
}
const QChar kCrLf[] = {u'\r', u'\n'};

QString crLf() { return QString(kCrLf, 2); }

// Everything up to and including the last separator, and the rest.
QString folderPart(const QString& path) { return path.left(path.lastIndexOf(u'/') + 1); }
QString namePart(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

// A name ending in ".csv" is an export for a spreadsheet, whatever the
// dialog's type list showed.
bool isCsvPath(const QString& path) {
  return namePart(path).endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
}

}  // namespace

WorksheetFiles::WorksheetFiles(DesktopServices& services, QWidget* window, Sheet sheet)
    : QObject(window), services_(services), window_(window), sheet_(std::move(sheet)) {}

void WorksheetFiles::prepareFileDialog(FileDialogRequest& request, const QString& dialogFileName) const {
  request.filter = openFilter();
  if (!lastWorksheetFile_.isEmpty()) {
    request.directory = folderPart(lastWorksheetFile_);
    request.fileName = namePart(lastWorksheetFile_);
  } else {
    request.directory = worksheetFolder_;
    request.fileName = namePart(dialogFileName);
  }
}

void WorksheetFiles::save() { (void)saveThroughDialog(true); }

// True when the worksheet is now in a worksheet file; a CSV export is none.
bool WorksheetFiles::saveThroughDialog(bool reportSuccess) {
  FileDialogRequest request;
  request.title = tr("Save Bead Worksheet");
  request.defaultSuffix = QStringLiteral("bws");
  request.overwritePrompt = true;
  prepareFileDialog(request, saveDialogFileName_);
  request.filter = saveFilter();
  const std::optional<QString> chosen = services_.saveFileName(window_, request);
  if (!chosen) return false;
  const QString path = *chosen;
  saveDialogFileName_ = path;
  if (isCsvPath(path)) {
    // An export is no worksheet: Load and the recent list keep to the .bws.
    saveCsvFile(path);
    return false;
  }
  lastWorksheetFile_ = path;
  return saveWorksheetTo(path, reportSuccess);
}

bool WorksheetFiles::saveWorksheetTo(const QString& path, bool reportSuccess) {
  const WorksheetText text = sheet_.typedText();
  QByteArray bytes;
  try {
    bytes = worksheetFileBytes(text);
  } catch (const UnencodableCharacterError& bad) {
    // Replacing the character would silently change the worksheet.
    const QString character = QString::fromUcs4(&bad.Character, 1);
    services_.showMessage(
        window_, MessageIcon::Error, tr("Error"),
        tr("Error: Bead Worksheet not Saved.") + crLf() + crLf() +
            //: %1 names the box ("Description of row 3"), %2 the character, %3 its code (00E9).
            tr("The %1 holds the character \"%2\" (U+%3), which a worksheet file cannot store.")
                .arg(QString::fromStdString(bad.what()), character,
                     QStringLiteral("%1").arg(uint(bad.Character), 4, 16, QLatin1Char('0')).toUpper()) +
            crLf() + crLf() + tr("Please change it and Save again."));
    return false;
  }

  saveWholeFile(path, bytes);
  const bool saved = QFileInfo::exists(path);
  if (saved) {
    rememberFile(path);
    markSaved(path, text);
  }
  if (reportSuccess || !saved) reportSaved(path);
  return saved;
}

void WorksheetFiles::saveCsvFile(const QString& path) {
  saveWholeFile(path, worksheetCsvBytes(sheet_.figures()));
  reportSaved(path);
}

void WorksheetFiles::reportSaved(const QString& path) {
  if (QFileInfo::exists(path))
    services_.showMessage(window_, MessageIcon::Information, tr("Information"),
                          tr("Success:  Bead Worksheet Saved."));
  else
    services_.showMessage(window_, MessageIcon::Error, tr("Error"),
                          tr("Error: Bead Worksheet not Saved.") + crLf() + crLf() + path + crLf() + crLf() +
                              tr("Please try to Save Again."));
}

void WorksheetFiles::load() {
  FileDialogRequest request;
  request.title = tr("Open Bead Worksheet");
  request.overwritePrompt = false;
  request.mustExist = false;
  prepareFileDialog(request, openDialogFileName_);
  const std::optional<QString> chosen = services_.openFileName(window_, request);
  if (!chosen) return;
  const QString path = *chosen;
  openDialogFileName_ = path;
  loadExistingFile(path);
}

void WorksheetFiles::loadFile(const QString& path) {
  runGuarded(window_, [&] { loadExistingFile(path); });
}

void WorksheetFiles::loadExistingFile(const QString& path) {
  // The whole file is read before any box changes: a file that cannot be
  // read, or is no file at all, leaves the worksheet as it was, and its
  // message names the cause. Only a file that can replace the rows asks
  // about unsaved ones.
  const LoadedWorksheet loaded = readWorksheetFile(loadWholeFile(path));
  if (!mayReplaceRows()) return;
  lastWorksheetFile_ = path;
  rememberFile(path);
  sheet_.showLoaded(loaded.Text);
  markSaved(path, sheet_.typedText());
  if (!loaded.CutTexts.isEmpty())
    services_.showMessage(
        window_, MessageIcon::Warning, QStringLiteral("Orvane"),
        tr("Some texts in %1 are longer than a box can hold; only their first %2 characters "
           "were loaded:")
                .arg(path)
                .arg(kBoxCapacity) +
            crLf() + crLf() + loaded.CutTexts.join(crLf()));
}

void WorksheetFiles::openRecentFile(const QString& path) {
  if (!pathExists(path)) {
    setRecentFiles(withoutRecentFile(recentFiles_, path));
    services_.showMessage(window_, MessageIcon::Error, tr("Error"),
                          tr("Error: Bead Worksheet not Loaded.") + crLf() + crLf() + path + crLf() + crLf() +
                              tr("The file is no longer there; it has been taken off the list of "
                                 "recent worksheets."));
    return;
  }
  loadFile(path);
}

void WorksheetFiles::setRecentMenu(QMenu* menu) {
  recentMenu_ = menu;
  fillRecentMenu();
}

void WorksheetFiles::setRecentFiles(const QStringList& files) {
  const QStringList tidy = tidyRecentFiles(files);
  if (tidy == recentFiles_) return;
  recentFiles_ = tidy;
  fillRecentMenu();
  Q_EMIT recentFilesChanged(recentFiles_);
}

void WorksheetFiles::rememberFile(const QString& path) { setRecentFiles(withRecentFile(recentFiles_, path)); }

// Numbered entries, the full path shown: two worksheets of the same name in
// different folders must be told apart.
void WorksheetFiles::fillRecentMenu() {
  if (!recentMenu_) return;
  // The entry being chosen may be the one that changed the list: the old
  // entries go once its signal is over.
  for (QAction* old : recentMenu_->actions()) {
    recentMenu_->removeAction(old);
    old->deleteLater();
  }
  if (recentFiles_.isEmpty()) {
    recentMenu_->addAction(tr("No recent worksheets"))->setEnabled(false);
    return;
  }
  for (int i = 0; i < recentFiles_.size(); ++i) {
    const QString path = recentFiles_[i];
    QString shown = shownPath(path);
    shown.replace(u'&', QStringLiteral("&&"));
    QAction* entry = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
    guardedConnect(entry, &QAction::triggered, window_, [this, path] { openRecentFile(path); });
  }
}

void WorksheetFiles::markSaved(const QString& path, const WorksheetText& text) {
  document_.Path = path;
  document_.Saved = text;
  Q_EMIT documentChanged();
}

bool WorksheetFiles::mayReplaceRows() {
  if (!isModified()) return true;
  switch (services_.askToSave(window_, tr("Unsaved Worksheet"), unsavedWorksheetQuestion(document_.Path))) {
    case UnsavedAnswer::Discard:
      return true;
    case UnsavedAnswer::Cancel:
      return false;
    case UnsavedAnswer::Save:
      break;
  }
  // The user goes on with what they were doing: no success box on the way.
  bool saved = false;
  runGuarded(window_, [&] {
    saved = document_.Path.isEmpty() || isCsvPath(document_.Path) ? saveThroughDialog(false)
                                                                  : saveWorksheetTo(document_.Path, false);
  });
  return saved && !isModified();
}

void WorksheetFiles::markRestored(const QString& path) {
  document_.Path = path;
  document_.Saved.reset();
  if (path.isEmpty())
    document_.Saved = WorksheetText{};
  else
    lastWorksheetFile_ = path;
  Q_EMIT documentChanged();
}

}  // namespace orvane
