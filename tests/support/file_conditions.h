#pragma once

#include <linux/capability.h>

#include <QString>

namespace orvane {

// Makes the calling thread obey file permissions even when the tests run as
// root, as CI does: the capabilities that override them are left out of its
// effective set until this is destroyed.
class ObeyFilePermissions {
 public:
  ObeyFilePermissions();
  ~ObeyFilePermissions();
  ObeyFilePermissions(const ObeyFilePermissions&) = delete;
  ObeyFilePermissions& operator=(const ObeyFilePermissions&) = delete;

  // Whether permissions now hold; if not, why() says what stood in the way.
  bool active() const { return why_.isEmpty(); }
  QString why() const { return why_; }

 private:
  bool dropped_ = false;
  __user_cap_data_struct saved_[2]{};
  QString why_;
};

// A small file system of its own (tmpfs) mounted on an empty folder, for
// tests that need a full or read-only disk. Mounting needs root; where it is
// not allowed, mounted() is false and why() says why.
class ScopedTmpfs {
 public:
  ScopedTmpfs(const QString& folder, const QString& options);
  ~ScopedTmpfs();
  ScopedTmpfs(const ScopedTmpfs&) = delete;
  ScopedTmpfs& operator=(const ScopedTmpfs&) = delete;

  bool mounted() const { return why_.isEmpty(); }
  QString why() const { return why_; }

 private:
  QString folder_;
  QString why_;
};

// Writes zeros into `path` until the file system refuses; returns the bytes
// written. The disk is then full.
qint64 fillDisk(const QString& path);

}  // namespace orvane
