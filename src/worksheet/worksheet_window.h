#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "core/report_template.h"
#include "core/worksheet_document.h"
#include "core/worksheet_file.h"
#include "core/worksheet_rows.h"
#include "core/worksheet_steps.h"

class QLabel;
class QMenu;
class QPrinter;
class QPushButton;

namespace orvane {

class DesktopServices;
class EntryBox;
class BevelPanel;
struct FileDialogRequest;

// The bead worksheet: ten rows of description, bead size and count, with the
// beads per inch, the length of each row and the total; saved, loaded and
// printed as a whole.
class WorksheetWindow : public QWidget {
  Q_OBJECT
 public:
  explicit WorksheetWindow(DesktopServices& services, QWidget* parent = nullptr);
  ~WorksheetWindow() override;

  BevelPanel* projectPanel;  // project name
  BevelPanel* rowsPanel;     // the rows and the total
  BevelPanel* buttonBar;     // button bar
  EntryBox* projectBox;
  std::array<EntryBox*, kWorksheetRows> descriptionBoxes{}, mmBoxes{}, inchBoxes{}, countBoxes{},
      perInchBoxes{}, lengthBoxes{};
  EntryBox* totalBox;
  QPushButton* loadButton;
  QPushButton* saveButton;
  QPushButton* printButton;
  QPushButton* calculatorButton;
  QPushButton* helpButton;
  QPushButton* clearButton;
  QPushButton* recentButton;  // the recent worksheets, as a menu
  QPushButton* closeButton;

  // Row values, index k - 1 for row k.
  std::array<WorksheetRowValues, kWorksheetRows> rows{};
  double totalValue = 0;
  QString lastWorksheetFile;
  // Where the file dialogs start before any file was loaded or saved.
  QString worksheetFolder;

  void RowSizeFromMm(int k);
  void RowSizeFromInch(int k);
  void RowLengthFromCount(int k);
  void RecomputeTotal();

  void recomputeTotal_();
  void onCloseClicked();
  void onClearClicked();
  void onCalculatorClicked();
  void onHelpClicked();
  void onLoadClicked();
  void onSaveClicked();
  void onPrintClicked();

  // Loads a worksheet file as the Load button does once a file is chosen,
  // with the same messages; failures are reported, never thrown.
  void LoadFile(const QString& path);

  // The worksheets loaded or saved last, the latest first. The window keeps
  // the list; whoever keeps it between runs sets it and hears of changes.
  QStringList RecentFiles() const { return recentFiles_; }
  void SetRecentFiles(const QStringList& files);
  // Reopens an entry of the list; a file no longer there is dropped from it.
  void OpenRecentFile(const QString& path);

  // The value of a report variable, or nothing for names the engine supplies.
  std::optional<QString> reportValue(const QString& name) const;

  WorksheetText TypedText() const;

  // Unsaved changes: the typed boxes differ from what was last loaded or
  // saved. The title carries the mark.
  bool IsModified() const { return isWindowModified(); }
  // The worksheet file the rows were last loaded from or saved to.
  QString DocumentPath() const { return document_.Path; }
  // Before unsaved rows are replaced or the program ends: asks Save, Discard
  // or Cancel. True when the rows may go: nothing unsaved, saved (through the
  // save dialog when there is no file yet), or discarded; false on Cancel or
  // a save that failed or was cancelled.
  bool MayReplaceRows();
  // rows kept from a run that ended without saving: shown as they were typed,
  // and unsaved.
  void RestoreUnsaved(const QString& path, const WorksheetText& text);

 private:
  void buildContents();
  void CreateTopPanel();
  void CreateRowPanel();
  void CreateButtonBar();
  void CreateRow(int k, int top);
  void BindRowHandlers(int k);
  // A computation of one row (core/worksheet_steps.h); true when the caret is
  // to go on to the row's bead count.
  using RowStep = std::function<bool(WorksheetRowValues&, WorksheetRowBoxes&)>;
  bool RunRowStep(int k, const RowStep& step);
  void MoveFocusTo(QWidget* box);
  void SetLimitedText(EntryBox* box, int limit, const QString& text);
  void RelaxLimit(EntryBox* box, int limit);
  void PrepareFileDialog(FileDialogRequest& request, const QString& dialogFileName) const;
  void ApplyLoaded(const WorksheetText& text);
  bool SaveThroughDialog(bool reportSuccess);
  bool SaveWorksheetTo(const QString& path, bool reportSuccess);
  void MarkSaved(const QString& path, const WorksheetText& text);
  void UpdateModified();
  void LoadExistingFile(const QString& path);
  void SaveCsvFile(const QString& path);
  void ReportSaved(const QString& path);
  void RememberFile(const QString& path);
  void FillRecentMenu();
  bool eventFilter(QObject* watched, QEvent* event) override;

  // The printed page's layout, read from its resource when first printed:
  // nothing at start-up needs it.
  const ReportTemplate& reportTemplate();

  DesktopServices& services_;
  std::optional<ReportTemplate> report1_;
  std::unique_ptr<QPrinter> printer_;
  // The name each file dialog last returned; proposed again when no worksheet
  // has been saved or loaded yet.
  QString saveDialogFileName_, openDialogFileName_;
  // The box the user entered last: a box that gets a focus-out without having
  // had the focus (the focus moved on inside another box's exit) is no exit.
  QWidget* enteredBox_ = nullptr;
  bool loading_ = false;
  QStringList recentFiles_;
  QMenu* recentMenu_ = nullptr;
  WorksheetDocument document_;
 Q_SIGNALS:
  // The Calculator and Help buttons: those windows are someone else's to show.
  void calculatorWanted();
  void helpWanted();
  // The recent list changed by a load, a save or a file found missing.
  void recentFilesChanged(const QStringList& files);
  // A typed box changed, or the worksheet was loaded or saved.
  void documentChanged();
};

}  // namespace orvane
