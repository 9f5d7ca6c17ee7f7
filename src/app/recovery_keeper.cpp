#include "app/recovery_keeper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include "core/text_rules.h"
#include "core/worksheet_document.h"
#include "platform/desktop_services.h"
#include "platform/guarded_connect.h"
#include "worksheet/worksheet_window.h"

namespace orvane {

namespace {

// More copies than this under one name would be a runaway start loop.
constexpr int kSlots = 8;

bool exists(const QString& path) {
  const QFileInfo info(path);
  return info.exists() || info.isSymLink();
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(DesktopServices& services, const QString& folder, const QString& instanceName)
    : services_(services), folder_(folder), instanceName_(instanceName) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelayMs);
  // The reasons complete the sentence of the warning that shows them.
  if (folder.isEmpty()) {
    //: Why the worksheet cannot be kept safe against a crash; completes that sentence
    unavailable_ = tr("there is no home folder to keep it in");
    return;
  }
  if (!QDir().mkpath(folder)) {
    //: Why the worksheet cannot be kept safe against a crash; completes that sentence
    unavailable_ = tr("the folder %1 cannot be made").arg(folder);
    return;
  }
  // Typed work is the user's own business: a folder found looser is
  // tightened too.
  tightenRecoveryFolder(folder);
  for (int slot = 1; slot <= kSlots; ++slot) {
    const QString path = folder + u'/' + recoveryFileName(instanceName, slot);
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    // Held only while its copy runs: a crashed copy's lock is taken over.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
      lock_ = std::move(lock);
      path_ = path;
      return;
    }
    if (lock->error() != QLockFile::LockFailedError) {
      //: Why the worksheet cannot be kept safe against a crash; completes that sentence
      unavailable_ = tr("the folder %1 cannot be written").arg(folder);
      return;
    }
  }
  //: Why the worksheet cannot be kept safe against a crash; completes that sentence
  unavailable_ = tr("too many copies of the program are running");
}

RecoveryKeeper::~RecoveryKeeper() = default;

std::vector<RecoveryKeeper::LeftOver> RecoveryKeeper::takeLeftOvers(QWidget* parent) {
  std::vector<LeftOver> found;
  if (path_.isEmpty()) return found;
  const auto take = [&](const QString& file) {
    if (!exists(file)) return false;
    const RecoveryReading reading = readRecoveryFile(file);
    if (!reading.Worksheet) {
      const QString aside = setAsideRecoveryFile(file);
      //: The recovery file that could not be read
      QString where = tr("It will be replaced.");
      //: %1 is the new name of the recovery file that could not be read
      if (!aside.isEmpty()) where = tr("It has been set aside as %1.").arg(aside);
      //: %1 the recovery file, %2 why it cannot be read, %3 what becomes of it
      services_.showMessage(parent, MessageIcon::Warning, QStringLiteral("Orvane"),
                            tr("The unsaved worksheet kept from an earlier run cannot be read "
                               "from %1: %2.\n\n%3")
                                .arg(file, reading.Problem, where));
      return false;
    }
    if (!holdsAnything(reading.Worksheet->Text)) {
      QFile::remove(file);
      return false;
    }
    found.push_back({file, *reading.Worksheet});
    return true;
  };
  take(path_);
  for (int slot = 1; slot <= kSlots; ++slot) {
    const QString file = folder_ + u'/' + recoveryFileName(instanceName_, slot);
    if (file == path_ || !exists(file)) continue;
    // A copy still running holds its lock: its file is no left-over.
    auto lock = std::make_unique<QLockFile>(file + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) continue;
    if (take(file)) leftOverLocks_[file] = std::move(lock);
  }
  return found;
}

void RecoveryKeeper::discardLeftOver(const QString& file) {
  QFile::remove(file);
  releaseLeftOver(file);
}

void RecoveryKeeper::adoptLeftOver(const QString& file) {
  if (file == path_) return;
  writeNow();
  // Only once the rows are safe in this copy's file does the other go.
  if (!path_.isEmpty() && exists(path_)) QFile::remove(file);
  releaseLeftOver(file);
}

void RecoveryKeeper::releaseLeftOver(const QString& file) { leftOverLocks_.erase(file); }

void RecoveryKeeper::watch(WorksheetWindow* sheet) {
  sheet_ = sheet;
  // Not restarted by later changes: steady typing is written every moment.
  guardedConnect(sheet, &WorksheetWindow::documentChanged, sheet, [this] {
    if (!finished_ && !timer_.isActive()) timer_.start();
  });
  guardedConnect(&timer_, &QTimer::timeout, sheet, [this] { writeNow(); });
}

void RecoveryKeeper::finish() {
  finished_ = true;
  timer_.stop();
  if (!path_.isEmpty()) QFile::remove(path_);
}

void RecoveryKeeper::writeNow() {
  timer_.stop();
  if (!sheet_ || finished_) return;
  const std::optional<RecoveredWorksheet> unsaved = sheet_->unsavedWork();
  if (!unsaved) {
    if (!path_.isEmpty() && exists(path_)) QFile::remove(path_);
    return;
  }
  if (path_.isEmpty()) {
    warn(unavailable_);
    return;
  }
  try {
    writeRecoveryFile(path_, recoveryFileBytes(*unsaved));
    warned_ = false;
  } catch (const std::exception& failure) {
    warn(QString::fromStdString(failure.what()));
  }
}

// Once, not after every key: the user can still save by hand.
void RecoveryKeeper::warn(const QString& reason) {
  if (warned_) return;
  warned_ = true;
  services_.showMessage(sheet_, MessageIcon::Warning, QStringLiteral("Orvane"),
                        //: %1 is the reason, ending with a full stop
                        tr("The unsaved worksheet cannot be kept safe against a crash: %1\n\n"
                           "Save it to keep it.")
                            .arg(withFinalDot(reason)));
}

}  // namespace orvane
