#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

#include "core/worksheet_recovery.h"

class QLockFile;
class QWidget;

namespace orvane {

class DesktopServices;
class WorksheetWindow;

// Keeps the worksheet's unsaved rows in a recovery file a moment after each
// change, so that a crash loses at most that moment's typing. The file is
// this copy's alone: locked for as long as the copy runs, and named after its
// instance, with a further slot for a second copy under the same name.
class RecoveryKeeper {
 public:
  // How long after the last change the rows are written.
  static constexpr int kDelayMs = 1000;

  RecoveryKeeper(DesktopServices& services, const QString& folder, const QString& instanceName);
  ~RecoveryKeeper();
  RecoveryKeeper(const RecoveryKeeper&) = delete;
  RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

  // The recovery file; empty when none could be had (no folder, no lock).
  QString FilePath() const { return path_; }

  // What an earlier run left unsaved, to offer back. A file that cannot be
  // read is set aside with a message, one without rows is removed; nothing
  // is returned for either.
  std::optional<RecoveredWorksheet> TakeLeftOver(QWidget* parent);
  // The rows offered back were declined: the file goes.
  void Discard();

  // Follows the worksheet's changes from now on.
  void Watch(WorksheetWindow* sheet);
  // The program ends normally, its rows saved or discarded: the file goes and
  // nothing more is written.
  void Finish();
  // Writes the rows now (the timer's work): the file while the worksheet is
  // unsaved, none once it is saved or typed back as it was.
  void WriteNow();

 private:
  void Warn(const QString& reason);

  DesktopServices& services_;
  QString path_;
  QString unavailable_;  // why there is no recovery file
  std::unique_ptr<QLockFile> lock_;
  QPointer<WorksheetWindow> sheet_;
  QTimer timer_;
  bool warned_ = false;
  bool finished_ = false;
};

}  // namespace orvane
