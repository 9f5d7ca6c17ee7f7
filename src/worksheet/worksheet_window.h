#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "core/worksheet_file.h"
#include "core/worksheet_recovery.h"
#include "core/worksheet_rows.h"

class QPushButton;

namespace orvane {

class DesktopServices;
class EntryBox;
class WorksheetFiles;
class WorksheetPrinting;
class WorksheetRowsPanel;

// The bead worksheet: ten rows of description, bead size and count, with the
// beads per inch, the length of each row and the total; saved, loaded and
// printed as a whole. The window lays out the project name, the rows panel
// and the button bar, and wires the buttons to the rows, the files and the
// printing it owns. Its boxes carry object names for tests and scripts:
// projectBox, descriptionBox1..10, mmBox1.., inchBox1.., countBox1..,
// perInchBox1.., lengthBox1.., totalBox, and the buttons loadButton,
// saveButton, printButton, calculatorButton, helpButton, clearButton,
// recentButton, closeButton.
class WorksheetWindow : public QWidget {
  Q_OBJECT
 public:
  explicit WorksheetWindow(DesktopServices& services, QWidget* parent = nullptr);
  ~WorksheetWindow() override;

  // Where the file dialogs start before any file was loaded or saved.
  void setWorksheetFolder(const QString& folder);
  // The worksheet file the dialogs start at, once one was loaded or saved.
  QString lastWorksheetFile() const;

  // Loads a worksheet file as the Load button does once a file is chosen,
  // with the same messages; failures are reported, never thrown.
  void loadFile(const QString& path);

  // The worksheets loaded or saved last, the latest first. The window keeps
  // the list; whoever keeps it between runs sets it and hears of changes.
  QStringList recentFiles() const;
  void setRecentFiles(const QStringList& files);
  // Reopens an entry of the list; a file no longer there is dropped from it.
  void openRecentFile(const QString& path);

  // The value of a report variable, or nothing for names the engine supplies.
  std::optional<QString> reportValue(const QString& name) const;

  WorksheetText typedText() const;
  // The row values as the steps left them, index k - 1 for row k, and the
  // total length they add up to.
  const std::array<WorksheetRowValues, kWorksheetRows>& rowValues() const;
  double totalLength() const;

  // Unsaved changes: the typed boxes differ from what was last loaded or
  // saved. The title carries the mark.
  bool isModified() const { return isWindowModified(); }
  // The worksheet file the rows were last loaded from or saved to.
  QString documentPath() const;
  // Before unsaved rows are replaced or the program ends: asks Save, Discard
  // or Cancel. True when the rows may go: nothing unsaved, saved (through the
  // save dialog when there is no file yet), or discarded; false on Cancel or
  // a save that failed or was cancelled.
  bool mayReplaceRows();
  // rows kept from a run that ended without saving: shown as they were typed,
  // and unsaved.
  void restoreUnsaved(const QString& path, const WorksheetText& text);

  // What a crash must not lose: the unsaved rows, or unsaved rows Clear All
  // took away while Ctrl+Z can still bring them back. Nothing when all is
  // saved.
  std::optional<RecoveredWorksheet> unsavedWork() const;
  // Clear All empties the worksheet; Ctrl+Z brings back what it held until
  // the next change.
  bool canUndoClear() const { return cleared_.has_value(); }
  void undoClear();

 Q_SIGNALS:
  // The Calculator and Help buttons: those windows are someone else's to show.
  void calculatorWanted();
  void helpWanted();
  // The recent list changed by a load, a save or a file found missing.
  void recentFilesChanged(const QStringList& files);
  // A typed box changed, or the worksheet was loaded, saved or cleared.
  void documentChanged();

 private:
  void createTopPanel();
  void createButtonBar();
  void showText(const WorksheetText& text);
  void showLoaded(const WorksheetText& text);
  void clearAll();
  void updateModified();
  bool eventFilter(QObject* watched, QEvent* event) override;

  DesktopServices& services_;
  EntryBox* projectBox_ = nullptr;
  WorksheetRowsPanel* rowsPanel_ = nullptr;
  WorksheetFiles* files_ = nullptr;
  std::unique_ptr<WorksheetPrinting> printing_;
  // What Clear All took away, while Ctrl+Z can bring it back, and whether it
  // was unsaved then.
  std::optional<WorksheetText> cleared_;
  bool clearedUnsaved_ = false;
  // Boxes change while the worksheet is filled or cleared: no edit of the user's.
  bool filling_ = false;
};

}  // namespace orvane
