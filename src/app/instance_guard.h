#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QLockFile;
class QSocketNotifier;
class QWidget;

namespace orvane {

// One running copy per user and executable name. The first copy holds a lock
// file named "PREVINST:" + the default title and listens on a local socket of
// the same name; a second copy asks it there to come to the front, or to open
// a file, then ends.
// The socket is a plain Unix-domain socket watched by the event loop, which
// spares every start the loading of Qt's network library.
class InstanceGuard : public QObject {
  Q_OBJECT
 public:
  // `folder` holds the lock and the socket (the user's private runtime
  // folder); an empty one means no guard at all.
  InstanceGuard(const QString& guardName, const QString& folder);
  ~InstanceGuard() override;

  // The default title of an executable: its file name without folder and
  // without everything from the first ".", all letters after the first in
  // lower case ("Orvane.exe" -> "Orvane").
  static QString defaultTitle(const QString& executablePath);
  // XDG_RUNTIME_DIR, or else a folder of this user's own in the temporary
  // folder, made with rights for the user only; empty when neither is
  // private to this user.
  static QString runtimeFolder();

  // False only when another copy holds the guard and answers on the socket.
  // A guard that cannot be set up at all (say the folder is not writable), or
  // a lock whose holder does not answer, does not stop the program: this
  // copy then runs as the first.
  bool firstInstance() const { return first_; }

  // First copy: answer other copies' requests (call once the app exists).
  void listen();
  // Second copy: ask the first copy to come to the front. Gives up quietly;
  // true when the first copy answered.
  bool activatePreviousInstance();
  // Second copy: hand a file to the first copy to open (fileOpenRequested
  // there). A relative path is taken from this copy's current folder. Gives
  // up quietly; true when the first copy answered.
  bool openInPreviousInstance(const QString& path);

  // Brings the most recently active window of this copy to the front,
  // restoring it when minimised; a pop-up of it is raised instead.
  static void raiseLastActiveWindow();

 Q_SIGNALS:
  // First copy: another copy asked to open this file (an absolute path). Sent
  // once the other copy has its answer, so a message box the opening shows
  // does not keep it waiting.
  void fileOpenRequested(const QString& path);

 private:
  QString lockPath_;
  QString socketPath_;
  void acceptClients();
  void serveClient(int fd);

  std::unique_ptr<QLockFile> lock_;
  int listenFd_ = -1;
  QSocketNotifier* listenNotifier_ = nullptr;
  bool first_ = true;
};

}  // namespace orvane
