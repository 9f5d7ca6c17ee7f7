#include "app/instance_guard.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cerrno>
#include <climits>
#include <cstring>
#include <memory>

#include "core/native_path.h"

namespace orvane {

namespace {
constexpr char kPingRequest[] = "ping\n";
constexpr char kPingAnswer[] = "here\n";
constexpr char kRaiseRequest[] = "raise\n";
constexpr char kRaiseAnswer[] = "raised\n";
// "open " and the path's bytes percent-encoded, which keeps a line break in a
// file name from ending the request early.
constexpr char kOpenRequest[] = "open ";
constexpr char kOpenAnswer[] = "opened\n";
// Room for the longest path, encoded.
constexpr qsizetype kMaxRequest = 16 * 1024;
constexpr int kTimeoutMs = 2000;
// How long a second copy waits for a first copy that holds the lock but is
// still starting and not yet listening.
constexpr int kStartingCopyMs = 1500;
QPointer<QWidget> gLastActive;

// The socket address of a path; false when the path does not fit.
bool socketAddress(const QString& path, sockaddr_un& address) {
  const QByteArray encoded = QFile::encodeName(path);
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (encoded.isEmpty() || encoded.size() >= qsizetype(sizeof address.sun_path)) return false;
  std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
  return true;
}

// Waits for `events` on fd; false on time-out or error.
bool waitFor(int fd, short events, int timeoutMs) {
  pollfd p{fd, events, 0};
  int rc;
  do rc = ::poll(&p, 1, timeoutMs);
  while (rc < 0 && errno == EINTR);
  return rc > 0;
}

// A folder only this user can use: a real directory (no link), owned by the
// user, with no rights for anyone else.
bool isPrivateFolder(const QString& path) {
  struct stat info {};
  if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0 &&
         ::access(QFile::encodeName(path).constData(), W_OK | X_OK) == 0;
}

enum class Exchange { NoListener, Answered, Refused };

// Sends one request on the socket and reads the answer up to the hang-up.
// Answered only when a process of this same user sent the expected answer.
Exchange ask(const QString& socketPath, const QByteArray& request, const char* answer) {
  sockaddr_un address;
  if (!socketAddress(socketPath, address)) return Exchange::NoListener;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return Exchange::NoListener;
  // A first copy that hangs must not hang this one: every wait is bounded.
  const timeval timeout{kTimeoutMs / 1000, 0};
  ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return Exchange::NoListener;
  }
  ucred peer{};
  socklen_t size = sizeof peer;
  QByteArray received;
  if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid()) {
    const size_t length = size_t(request.size());
    if (::send(fd, request.constData(), length, MSG_NOSIGNAL) == ssize_t(length)) {
      char buffer[64];
      ssize_t n = 0;
      while (received.size() < 256 && waitFor(fd, POLLIN, kTimeoutMs) &&
             (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0)
        received.append(buffer, n);
    }
  }
  ::close(fd);
  return received == answer ? Exchange::Answered : Exchange::Refused;
}
}  // namespace

InstanceGuard::InstanceGuard(const QString& guardName, const QString& folder) {
  // Without a folder of this user's own there is no guard: a lock or socket
  // in a place others can write to could be planted to keep Orvane from
  // starting.
  if (folder.isEmpty()) return;
  lockPath_ = folder + u'/' + guardName + QStringLiteral(".lock");
  socketPath_ = folder + u'/' + guardName + QStringLiteral(".socket");
  lock_ = std::make_unique<QLockFile>(lockPath_);
  // Never stale while the holder lives; a crashed holder's lock is taken over.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0) || lock_->error() != QLockFile::LockFailedError) return;
  // A held lock proves nothing by itself (its process may be another program
  // that took over the number): only a copy that answers makes this one the
  // second. A first copy that is still starting gets a moment to listen.
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    const Exchange answer = ask(socketPath_, kPingRequest, kPingAnswer);
    if (answer == Exchange::Answered) {
      first_ = false;
      return;
    }
    if (answer == Exchange::Refused || waited.elapsed() >= kStartingCopyMs) return;
    ::usleep(50 * 1000);
  }
}

InstanceGuard::~InstanceGuard() {
  if (listenFd_ < 0) return;
  delete listenNotifier_;
  ::close(listenFd_);
  ::unlink(QFile::encodeName(socketPath_).constData());
}

QString InstanceGuard::defaultTitle(const QString& executablePath) {
  QString name = QFileInfo(executablePath).fileName();
  const qsizetype dot = name.indexOf(u'.');
  if (dot >= 0) name.truncate(dot);
  if (name.size() > 1) name = name.left(1) + name.mid(1).toLower();
  return name;
}

QString InstanceGuard::runtimeFolder() {
  const QString runtime = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
  if (!runtime.isEmpty() && isPrivateFolder(runtime)) return runtime;
  // The temporary folder is shared by all users: the folder there is made
  // private, and one that someone else made or opened up is not used.
  const QString folder = QDir::tempPath() + QStringLiteral("/orvane-") + QString::number(::geteuid());
  ::mkdir(QFile::encodeName(folder).constData(), 0700);
  return isPrivateFolder(folder) ? folder : QString();
}

void InstanceGuard::listen() {
  if (listenFd_ >= 0) return;
  sockaddr_un address;
  if (!socketAddress(socketPath_, address)) return;
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
  connect(listenNotifier_, &QSocketNotifier::activated, this, [this] { acceptClients(); });
  // Remember the window the user worked in last, to raise it on request.
  connect(qApp, &QApplication::focusChanged, this, [](QWidget*, QWidget* now) {
    if (now) gLastActive = now->window();
  });
}

void InstanceGuard::acceptClients() {
  for (;;) {
    const int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (client < 0) {
      if (errno == EINTR) continue;
      return;  // no more waiting (EAGAIN) or a client that already left
    }
    serveClient(client);
  }
}

// Reads the client's request as it arrives, then hangs up, which tells the
// client it was heard. A client that says nothing is dropped after a while.
void InstanceGuard::serveClient(int fd) {
  struct Client {
    int fd;
    QSocketNotifier* notifier;
    QByteArray received;
  };
  auto client =
      std::make_shared<Client>(Client{fd, new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this), {}});
  auto hangUp = [client] {
    if (client->fd < 0) return;
    client->notifier->setEnabled(false);
    client->notifier->deleteLater();
    ::close(client->fd);
    client->fd = -1;
  };
  connect(client->notifier, &QSocketNotifier::activated, client->notifier, [this, client, hangUp] {
    char buffer[512];
    ssize_t n;
    while ((n = ::recv(client->fd, buffer, sizeof buffer, 0)) > 0 && client->received.size() < kMaxRequest)
      client->received.append(buffer, n);
    const bool ended = n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
    const bool complete = client->received.contains('\n') || client->received.size() >= kMaxRequest;
    if (!ended && !complete) return;  // more to come
    // The answer tells the other copy that a live copy of Orvane heard it.
    const char* answer = nullptr;
    if (client->received == kRaiseRequest) {
      raiseLastActiveWindow();
      answer = kRaiseAnswer;
    } else if (client->received == kPingRequest) {
      answer = kPingAnswer;
    } else if (client->received.startsWith(kOpenRequest) && client->received.endsWith('\n')) {
      const QByteArray encoded = client->received.sliced(qsizetype(std::strlen(kOpenRequest))).chopped(1);
      const QString path = pathFromNative(QByteArray::fromPercentEncoding(encoded));
      if (!path.isEmpty()) {
        QTimer::singleShot(0, this, [this, path] { Q_EMIT fileOpenRequested(path); });
        answer = kOpenAnswer;
      }
    }
    if (answer) ::send(client->fd, answer, std::strlen(answer), MSG_NOSIGNAL | MSG_DONTWAIT);
    hangUp();
  });
  QTimer::singleShot(kTimeoutMs, this, hangUp);
}

bool InstanceGuard::activatePreviousInstance() {
  if (socketPath_.isEmpty()) return false;
  return ask(socketPath_, kRaiseRequest, kRaiseAnswer) == Exchange::Answered;
}

bool InstanceGuard::openInPreviousInstance(const QString& path) {
  if (socketPath_.isEmpty() || path.isEmpty()) return false;
  // The name's own bytes: a name that is not valid UTF-8 still opens its file.
  QByteArray native = nativePath(path);
  if (!native.startsWith('/')) {
    char folder[PATH_MAX];
    if (!::getcwd(folder, sizeof folder)) return false;
    native = QByteArray(folder) + '/' + native;
  }
  const QByteArray request = kOpenRequest + native.toPercentEncoding() + '\n';
  return ask(socketPath_, request, kOpenAnswer) == Exchange::Answered;
}

void InstanceGuard::raiseLastActiveWindow() {
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
