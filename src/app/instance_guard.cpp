#include "app/instance_guard.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QWidget>
#include <QWindow>
#include <unistd.h>

namespace orvane {

namespace {
constexpr char kRaiseRequest[] = "raise\n";
QPointer<QWidget> gLastActive;
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
  if (server_) server_->close();
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
  if (server_) return;
  QLocalServer::removeServer(socketPath_);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(socketPath_)) {
    server_.reset();
    return;
  }
  connect(server_.get(), &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* client = server_->nextPendingConnection()) {
      connect(client, &QLocalSocket::readyRead, client, [client] {
        if (client->readAll().contains("raise")) RaiseLastActiveWindow();
        client->disconnectFromServer();
      });
      connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    }
  });
  // Remember the window the user worked in last, to raise it on request.
  connect(qApp, &QApplication::focusChanged, this, [](QWidget*, QWidget* now) {
    if (now) gLastActive = now->window();
  });
}

void InstanceGuard::ActivatePreviousInstance() {
  QLocalSocket socket;
  socket.connectToServer(socketPath_);
  if (!socket.waitForConnected(2000)) return;
  socket.write(kRaiseRequest);
  socket.waitForBytesWritten(2000);
  socket.waitForDisconnected(2000);
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
