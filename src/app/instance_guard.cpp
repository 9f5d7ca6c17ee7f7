#include "app/instance_guard.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cerrno>
#include <cstring>
#include <memory>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace orvane {

namespace {
constexpr char kRaiseRequest[] = "raise\n";
constexpr int kTimeoutMs = 2000;
QPointer<QWidget> gLastActive;

// The socket address of a path; false when the path does not fit.
bool SocketAddress(const QString& path, sockaddr_un& address) {
  const QByteArray encoded = QFile::encodeName(path);
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (encoded.isEmpty() || encoded.size() >= qsizetype(sizeof address.sun_path)) return false;
  std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
  return true;
}

// Waits for `events` on fd; false on time-out or error.
bool WaitFor(int fd, short events, int timeoutMs) {
  pollfd p{fd, events, 0};
  int rc;
  do rc = ::poll(&p, 1, timeoutMs);
  while (rc < 0 && errno == EINTR);
  return rc > 0;
}
}  // namespace

InstanceGuard::InstanceGuard(const QString& guardName, const QString& folder)
    : lockPath_(folder + u'/' + guardName + QStringLiteral(".lock")),
      socketPath_(folder + u'/' + guardName + QStringLiteral(".socket")),
      lock_(std::make_unique<QLockFile>(lockPath_)) {
  // Never stale while the holder lives; a crashed holder's lock is taken over.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) {
    first_ = true;
  } else {
    // Only a lock that another copy holds makes this copy the second one.
    first_ = lock_->error() != QLockFile::LockFailedError;
  }
}

InstanceGuard::~InstanceGuard() {
  if (listenFd_ < 0) return;
  delete listenNotifier_;
  ::close(listenFd_);
  ::unlink(QFile::encodeName(socketPath_).constData());
}

QString InstanceGuard::DefaultTitle(const QString& executablePath) {
  QString name = QFileInfo(executablePath).fileName();
  const qsizetype dot = name.indexOf(u'.');
  if (dot >= 0) name.truncate(dot);
  if (name.size() > 1) name = name.left(1) + name.mid(1).toLower();
  return name;
}

QString InstanceGuard::RuntimeFolder() {
  QString folder = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
  if (folder.isEmpty() || !QFileInfo(folder).isWritable())
    folder = QDir::tempPath() + QStringLiteral("/orvane-") + QString::number(getuid());
  QDir().mkpath(folder);
  return folder;
}

void InstanceGuard::Listen() {
  if (listenFd_ >= 0) return;
  sockaddr_un address;
  if (!SocketAddress(socketPath_, address)) return;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  // A socket file left by a crashed copy is ours to replace: we hold the lock.
  ::unlink(address.sun_path);
  // Only this user may knock: the socket is made without rights for others.
  const mode_t oldMask = ::umask(0077);
  const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::umask(oldMask);
  if (!bound || ::listen(fd, 8) != 0) {
    ::close(fd);
    return;
  }
  listenFd_ = fd;
  listenNotifier_ = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
  connect(listenNotifier_, &QSocketNotifier::activated, this, [this] { AcceptClients(); });
  // Remember the window the user worked in last, to raise it on request.
  connect(qApp, &QApplication::focusChanged, this, [](QWidget*, QWidget* now) {
    if (now) gLastActive = now->window();
  });
}

void InstanceGuard::AcceptClients() {
  for (;;) {
    const int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (client < 0) {
      if (errno == EINTR) continue;
      return;  // no more waiting (EAGAIN) or a client that already left
    }
    ServeClient(client);
  }
}

// Reads the client's request as it arrives, then hangs up, which tells the
// client it was heard. A client that says nothing is dropped after a while.
void InstanceGuard::ServeClient(int fd) {
  struct Client {
    int fd;
    QSocketNotifier* notifier;
    QByteArray received;
  };
  auto client = std::make_shared<Client>(Client{fd, new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this), {}});
  auto hangUp = [client] {
    if (client->fd < 0) return;
    client->notifier->setEnabled(false);
    client->notifier->deleteLater();
    ::close(client->fd);
    client->fd = -1;
  };
  connect(client->notifier, &QSocketNotifier::activated, client->notifier, [client, hangUp] {
    char buffer[64];
    ssize_t n;
    while ((n = ::recv(client->fd, buffer, sizeof buffer, 0)) > 0 && client->received.size() < 256)
      client->received.append(buffer, n);
    const bool ended = n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
    const bool complete = client->received.contains('\n') || client->received.size() >= 256;
    if (!ended && !complete) return;  // more to come
    hangUp();
    if (client->received.contains("raise")) RaiseLastActiveWindow();
  });
  QTimer::singleShot(kTimeoutMs, this, hangUp);
}

void InstanceGuard::ActivatePreviousInstance() {
  sockaddr_un address;
  if (!SocketAddress(socketPath_, address)) return;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  // A first copy that hangs must not hang this one: every wait is bounded.
  const timeval timeout{kTimeoutMs / 1000, 0};
  ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
      ::send(fd, kRaiseRequest, sizeof kRaiseRequest - 1, MSG_NOSIGNAL) == ssize_t(sizeof kRaiseRequest - 1)) {
    // Wait until the first copy has read the request and hung up.
    char byte;
    while (WaitFor(fd, POLLIN, kTimeoutMs) && ::recv(fd, &byte, 1, 0) > 0) {
    }
  }
  ::close(fd);
}

void InstanceGuard::RaiseLastActiveWindow() {
  QWidget* target = QApplication::activeModalWidget();
  if (!target) target = gLastActive;
  if (!target || !target->isVisible()) {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && w->isWindow() && w->testAttribute(Qt::WA_QuitOnClose)) {
        target = w;
        break;
      }
  }
  if (!target) return;
  if (target->isMinimized()) {
    target->showNormal();
    return;
  }
  target->raise();
  target->activateWindow();
}

}  // namespace orvane
