#include "file_conditions.h"

#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace orvane {

namespace {

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool capGet(__user_cap_data_struct (&data)[2]) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return syscall(SYS_capget, &header, data) == 0;
}

bool capSet(__user_cap_data_struct (&data)[2]) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return syscall(SYS_capset, &header, data) == 0;
}

}  // namespace

ObeyFilePermissions::ObeyFilePermissions() {
  if (!capGet(saved_)) {
    why_ = QStringLiteral("reading the capabilities failed: ") + systemReason(errno);
    return;
  }
  __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
  // Both capabilities lie in the first 32 bits.
  lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
  if (lowered[0].effective == saved_[0].effective) return;  // not root: permissions hold already
  if (!capSet(lowered)) {
    why_ = QStringLiteral("lowering the capabilities failed: ") + systemReason(errno);
    return;
  }
  dropped_ = true;
}

ObeyFilePermissions::~ObeyFilePermissions() {
  if (dropped_) capSet(saved_);
}

ScopedTmpfs::ScopedTmpfs(const QString& folder, const QString& options) : folder_(folder) {
  QDir().mkpath(folder);
  if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.toLatin1().constData()) !=
      0)
    why_ = QStringLiteral("cannot mount a tmpfs on %1 (needs root): %2").arg(folder, systemReason(errno));
}

ScopedTmpfs::~ScopedTmpfs() {
  if (mounted()) ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
}

qint64 fillDisk(const QString& path) {
  QFile filler(path);
  if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return 0;
  const QByteArray block(4096, '\0');
  qint64 total = 0;
  for (;;) {
    const qint64 n = filler.write(block);
    if (n <= 0) break;
    total += n;
  }
  return total;
}

}  // namespace orvane
