#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "core/worksheet_csv.h"
#include "core/worksheet_document.h"
#include "core/worksheet_file.h"

class QMenu;
class QWidget;

namespace orvane {

class DesktopServices;
struct FileDialogRequest;

// The worksheet as a document: Load and Save with their dialogs and
// messages, the question before unsaved rows go, the recent list and its
// menu. The window owns it and gives it the texts to save and the way to
// show what was loaded.
class WorksheetFiles : public QObject {
  Q_OBJECT
 public:
  struct Sheet {
    std::function<WorksheetText()> typedText;
    std::function<WorksheetCsv()> figures;
    // Shows a loaded worksheet in every box.
    std::function<void(const WorksheetText&)> showLoaded;
  };

  WorksheetFiles(DesktopServices& services, QWidget* window, Sheet sheet);

  void save();
  void load();
  // Loads a file as Load does once it is chosen, with the same messages;
  // failures are reported, never thrown.
  void loadFile(const QString& path);

  // The menu of the recent worksheets, kept filled from the list.
  void setRecentMenu(QMenu* menu);
  QStringList recentFiles() const { return recentFiles_; }
  void setRecentFiles(const QStringList& files);
  // Reopens an entry of the list; a file no longer there is dropped from it.
  void openRecentFile(const QString& path);

  // See WorksheetWindow::mayReplaceRows.
  bool mayReplaceRows();
  // Rows given back after a crash were shown: what `path` holds is unknown,
  // so they stay unsaved until saved.
  void markRestored(const QString& path);

  bool isModified() const { return document_.isModified(sheet_.typedText()); }
  // True when `text` differs from what was last loaded or saved.
  bool differsFromSaved(const WorksheetText& text) const { return document_.isModified(text); }
  QString documentPath() const { return document_.Path; }
  // Where the dialogs start: the last file's folder, else this folder.
  QString lastWorksheetFile() const { return lastWorksheetFile_; }
  void setWorksheetFolder(const QString& folder) { worksheetFolder_ = folder; }

 Q_SIGNALS:
  // The file or what it holds changed: the title and the mark follow.
  void documentChanged();
  void recentFilesChanged(const QStringList& files);

 private:
  void prepareFileDialog(FileDialogRequest& request, const QString& dialogFileName) const;
  bool saveThroughDialog(bool reportSuccess);
  bool saveWorksheetTo(const QString& path, bool reportSuccess);
  void saveCsvFile(const QString& path);
  void reportSaved(const QString& path);
  void loadExistingFile(const QString& path);
  void markSaved(const QString& path, const WorksheetText& text);
  void rememberFile(const QString& path);
  void fillRecentMenu();

  DesktopServices& services_;
  QWidget* window_;
  Sheet sheet_;
  WorksheetDocument document_;
  QString lastWorksheetFile_;
  QString worksheetFolder_;
  // The name each file dialog last returned; proposed again when no worksheet
  // has been saved or loaded yet.
  QString saveDialogFileName_, openDialogFileName_;
  QStringList recentFiles_;
  QMenu* recentMenu_ = nullptr;
};

}  // namespace orvane
