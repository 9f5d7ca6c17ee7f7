#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "core/worksheet_recovery.h"

class QLockFile;
class QWidget;

namespace orvane {

class DesktopServices;
class WorksheetWindow;

// Keeps the worksheet's unsaved rows in a recovery file at most a moment
// after a change, also while the user types on without a pause, so that a
// crash loses at most that moment's typing. The file is
// this copy's alone: locked for as long as the copy runs, and named after its
// instance, with a further slot for a second copy under the same name.
class RecoveryKeeper {
  Q_DECLARE_TR_FUNCTIONS(RecoveryKeeper)

 public:
  // The longest the rows wait after a change before they are written: a
  // change while they wait does not put the write off.
  static constexpr int kDelayMs = 1000;

  RecoveryKeeper(DesktopServices& services, const QString& folder, const QString& instanceName);
  ~RecoveryKeeper();
  RecoveryKeeper(const RecoveryKeeper&) = delete;
  RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

  // The recovery file; empty when none could be had (no folder, no lock).
  QString filePath() const { return path_; }

  // What earlier runs left unsaved, to offer back: this copy's own file
  // first, then those of copies under the same name that ended without
  // removing theirs (their lock is free). A file that cannot be read is set
  // aside with a message, one without rows is removed; nothing is returned
  // for either. The files returned are held until discarded or adopted.
  struct LeftOver {
    QString file;
    RecoveredWorksheet worksheet;
  };
  std::vector<LeftOver> takeLeftOvers(QWidget* parent);
  // Rows offered back were declined: their file goes.
  void discardLeftOver(const QString& file);
  // Rows offered back are in the worksheet now: they are written to this
  // copy's own file before the one they came from goes.
  void adoptLeftOver(const QString& file);
  // A left-over file neither taken nor declined stays for a later start.
  void releaseLeftOver(const QString& file);

  // Follows the worksheet's changes from now on.
  void watch(WorksheetWindow* sheet);
  // The program ends normally, its rows saved or discarded: the file goes and
  // nothing more is written.
  void finish();
  // Writes the rows now (the timer's work): the file while the worksheet is
  // unsaved, none once it is saved or typed back as it was.
  void writeNow();

 private:
  void warn(const QString& reason);

  DesktopServices& services_;
  QString path_;
  QString unavailable_;  // why there is no recovery file
  std::unique_ptr<QLockFile> lock_;
  // The locks of crashed copies' files while their rows are offered.
  std::map<QString, std::unique_ptr<QLockFile>> leftOverLocks_;
  QString folder_, instanceName_;
  QPointer<WorksheetWindow> sheet_;
  QTimer timer_;
  bool warned_ = false;
  bool finished_ = false;
};

}  // namespace orvane
