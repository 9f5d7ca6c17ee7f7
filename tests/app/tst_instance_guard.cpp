#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <atomic>
#include <csignal>
#include <cstring>
#include <thread>

#include "app/instance_guard.h"
#include "core/native_path.h"

using namespace orvane;

class InstanceGuardTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void defaultTitle_data();
  void defaultTitle();
  void secondCopyIsRefused();
  void otherNamesDoNotMeet();
  void unusableFolderStillStarts();
  void crashedHolderIsTakenOver();
  void minimisedFirstCopyIsRestored();
  void silentLockHolderDoesNotStopAStart_data();
  void silentLockHolderDoesNotStopAStart();
  void runtimeFolderIsPrivate_data();
  void runtimeFolderIsPrivate();
  void noFolderNoGuard();
  void leftoverSocketAndSilentClientDoNotBlock();
  void secondCopyHandsOverAFile_data();
  void secondCopyHandsOverAFile();
  void fileRequestWithoutAFirstCopyGoesNowhere();
};

namespace {

// Runs a second copy's request on its own thread while this thread's event
// loop serves it; returns how long the second copy waited, in ms.
qint64 timedRequest(const QString& folder) {
  QElapsedTimer timer;
  timer.start();
  std::atomic<bool> done = false;
  std::thread secondCopy([&] {
    InstanceGuard second(QStringLiteral("PREVINST:orvane"), folder);
    second.activatePreviousInstance();
    done = true;
  });
  while (!done) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  secondCopy.join();
  return timer.elapsed();
}

// Whether a copy starting now would run as the first, asked on its own thread
// while this thread's event loop serves a first copy's socket.
bool startsAsFirst(const QString& folder) {
  std::atomic<bool> done = false, first = false;
  std::thread copy([&] {
    InstanceGuard guard(QStringLiteral("PREVINST:orvane"), folder);
    first = guard.firstInstance();
    done = true;
  });
  while (!done) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  copy.join();
  return first;
}

void setEnv(const char* name, const QString& value) {
  if (value.isNull())
    qunsetenv(name);
  else
    qputenv(name, QFile::encodeName(value));
}

}  // namespace

void InstanceGuardTest::defaultTitle_data() {
  QTest::addColumn<QString>("path");
  QTest::addColumn<QString>("title");
  QTest::newRow("plain") << "/usr/bin/orvane"
                         << "orvane";
  QTest::newRow("extension dropped") << "C:/Apps/Orvane.exe"
                                     << "Orvane";
  QTest::newRow("from the first point") << "ORVANE.bin.old"
                                        << "Orvane";
  QTest::newRow("first letter kept") << "./oRVANE"
                                     << "orvane";
}

void InstanceGuardTest::defaultTitle() {
  QFETCH(QString, path);
  QFETCH(QString, title);
  QCOMPARE(InstanceGuard::defaultTitle(path), title);
}

void InstanceGuardTest::secondCopyIsRefused() {
  QTemporaryDir dir;
  InstanceGuard first(QStringLiteral("PREVINST:orvane"), dir.path());
  QVERIFY(first.firstInstance());
  first.listen();
  QVERIFY(!startsAsFirst(dir.path()));
}

void InstanceGuardTest::otherNamesDoNotMeet() {
  QTemporaryDir dir;
  InstanceGuard first(QStringLiteral("PREVINST:orvane"), dir.path());
  InstanceGuard other(QStringLiteral("PREVINST:orvane2"), dir.path());
  QVERIFY(first.firstInstance());
  QVERIFY(other.firstInstance());
}

// A lock that cannot be made at all must not keep the program from starting.
void InstanceGuardTest::unusableFolderStillStarts() {
  InstanceGuard guard(QStringLiteral("PREVINST:orvane"), QStringLiteral("/proc/no-such-folder"));
  QVERIFY(guard.firstInstance());
}

void InstanceGuardTest::crashedHolderIsTakenOver() {
  QTemporaryDir dir;
  const pid_t child = fork();
  if (child == 0) {
    // Take the lock and die without releasing it.
    new InstanceGuard(QStringLiteral("PREVINST:orvane"), dir.path());
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  QVERIFY(QFile::exists(dir.path() + QStringLiteral("/PREVINST:orvane.lock")));
  InstanceGuard guard(QStringLiteral("PREVINST:orvane"), dir.path());
  QVERIFY(guard.firstInstance());
}

void InstanceGuardTest::minimisedFirstCopyIsRestored() {
  QTemporaryDir dir;
  InstanceGuard first(QStringLiteral("PREVINST:orvane"), dir.path());
  first.listen();
  QWidget window;
  window.setAttribute(Qt::WA_QuitOnClose, true);
  window.show();
  window.showMinimized();
  QTRY_VERIFY(window.isMinimized());
  std::thread secondCopy([&] {
    InstanceGuard second(QStringLiteral("PREVINST:orvane"), dir.path());
    if (!second.firstInstance()) second.activatePreviousInstance();
  });
  QTRY_VERIFY(!window.isMinimized());
  secondCopy.join();
  QVERIFY(window.isVisible());
}

// A lock proves nothing unless a live copy answers behind it: a copy that
// holds it but never listens (still starting and stuck, or another program
// that took over its process number) does not keep the program from starting.
void InstanceGuardTest::silentLockHolderDoesNotStopAStart_data() {
  QTest::addColumn<bool>("planted");
  QTest::newRow("holder that never listens") << false;
  QTest::newRow("live process of another kind") << true;
}

void InstanceGuardTest::silentLockHolderDoesNotStopAStart() {
  QFETCH(bool, planted);
  QTemporaryDir dir;
  std::unique_ptr<InstanceGuard> holder;
  pid_t child = 0;
  const QString lockPath = dir.path() + QStringLiteral("/PREVINST:orvane.lock");
  if (planted) {
    // Another live process holds the lock and has nothing to say.
    child = fork();
    if (child == 0) {
      QLockFile lock(lockPath);
      lock.setStaleLockTime(0);
      if (lock.tryLock(0)) ::pause();
      _exit(1);
    }
    QTRY_VERIFY(QFile::exists(lockPath));
  } else {
    holder = std::make_unique<InstanceGuard>(QStringLiteral("PREVINST:orvane"), dir.path());
    QVERIFY(holder->firstInstance());
  }
  QElapsedTimer timer;
  timer.start();
  InstanceGuard second(QStringLiteral("PREVINST:orvane"), dir.path());
  const bool first = second.firstInstance();
  const bool answered = second.activatePreviousInstance();
  if (child > 0) {
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
  }
  QVERIFY(first);
  QVERIFY(!answered);
  QVERIFY(timer.elapsed() < 5000);
}

// The lock and socket live where only this user can reach them: the runtime
// folder when it is private, else a folder made private in the temporary
// folder; one that is not private is refused, and there is no guard then.
void InstanceGuardTest::runtimeFolderIsPrivate_data() {
  QTest::addColumn<QString>("runtime");   // how XDG_RUNTIME_DIR is set up
  QTest::addColumn<QString>("fallback");  // how <tmp>/orvane-<uid> is found
  QTest::addColumn<QString>("used");      // which folder is used
  QTest::newRow("private runtime folder") << "private"
                                          << "missing"
                                          << "runtime";
  QTest::newRow("no runtime folder") << "unset"
                                     << "missing"
                                     << "fallback";
  QTest::newRow("runtime folder open to others") << "open"
                                                 << "missing"
                                                 << "fallback";
  QTest::newRow("own private fallback") << "unset"
                                        << "private"
                                        << "fallback";
  QTest::newRow("fallback open to others") << "unset"
                                           << "open"
                                           << "none";
  QTest::newRow("fallback is a link") << "unset"
                                      << "link"
                                      << "none";
  QTest::newRow("fallback of another user") << "unset"
                                            << "foreign"
                                            << "none";
}

void InstanceGuardTest::runtimeFolderIsPrivate() {
  QFETCH(QString, runtime);
  QFETCH(QString, fallback);
  QFETCH(QString, used);
  if (fallback == QLatin1String("foreign") && ::geteuid() != 0)
    QSKIP("only root can give a folder to another user");
  QTemporaryDir base;
  const QString runtimeDir = base.path() + QStringLiteral("/run");
  const QString tmp = base.path() + QStringLiteral("/tmp");
  const QString fallbackDir = tmp + QStringLiteral("/orvane-") + QString::number(::geteuid());
  QVERIFY(QDir().mkpath(runtimeDir) && QDir().mkpath(tmp));
  ::chmod(QFile::encodeName(runtimeDir).constData(), runtime == QLatin1String("open") ? 0777 : 0700);
  if (fallback == QLatin1String("link")) {
    const QString elsewhere = base.path() + QStringLiteral("/elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    ::chmod(QFile::encodeName(elsewhere).constData(), 0700);
    QVERIFY(QFile::link(elsewhere, fallbackDir));
  } else if (fallback != QLatin1String("missing")) {
    QVERIFY(QDir().mkpath(fallbackDir));
    ::chmod(QFile::encodeName(fallbackDir).constData(), fallback == QLatin1String("open") ? 0777 : 0700);
    if (fallback == QLatin1String("foreign"))
      QCOMPARE(::chown(QFile::encodeName(fallbackDir).constData(), 65534, 65534), 0);
  }
  const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR"), oldTmp = qgetenv("TMPDIR");
  setEnv("XDG_RUNTIME_DIR", runtime == QLatin1String("unset") ? QString() : runtimeDir);
  setEnv("TMPDIR", tmp);
  const QString folder = InstanceGuard::runtimeFolder();
  qputenv("XDG_RUNTIME_DIR", oldRuntime);
  qputenv("TMPDIR", oldTmp);

  const QString expected = used == QLatin1String("runtime")    ? runtimeDir
                           : used == QLatin1String("fallback") ? fallbackDir
                                                               : QString();
  QCOMPARE(folder, expected);
  if (used == QLatin1String("fallback")) {
    struct stat info {};
    QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(int(info.st_mode & 0777), 0700);
  }
}

// No private folder: the program starts, and there is no one to ask.
void InstanceGuardTest::noFolderNoGuard() {
  InstanceGuard first(QStringLiteral("PREVINST:orvane"), QString());
  InstanceGuard second(QStringLiteral("PREVINST:orvane"), QString());
  QVERIFY(first.firstInstance());
  QVERIFY(second.firstInstance());
  QVERIFY(!second.activatePreviousInstance());
}

// A socket file left by a crashed copy is replaced, only this user may use
// the new one, and a client that connects and says nothing keeps no one else
// waiting: the next request is heard and answered at once.
void InstanceGuardTest::leftoverSocketAndSilentClientDoNotBlock() {
  QTemporaryDir dir;
  const QString socketPath = dir.path() + QStringLiteral("/PREVINST:orvane.socket");
  {
    QFile leftover(socketPath);
    QVERIFY(leftover.open(QIODevice::WriteOnly));
  }
  InstanceGuard first(QStringLiteral("PREVINST:orvane"), dir.path());
  first.listen();
  struct stat info {};
  QCOMPARE(::stat(QFile::encodeName(socketPath).constData(), &info), 0);
  QVERIFY(S_ISSOCK(info.st_mode));
  QCOMPARE(int(info.st_mode & 077), 0);

  const int silent = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray path = QFile::encodeName(socketPath);
  std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
  QCOMPARE(::connect(silent, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  QCoreApplication::processEvents();

  // Answered by the first copy, not ended by the second copy's own time-out.
  QVERIFY(timedRequest(dir.path()) < 1500);
  ::close(silent);
}

void InstanceGuardTest::secondCopyHandsOverAFile_data() {
  QTest::addColumn<QString>("given");
  QTest::addColumn<QString>("received");
  const QString here = QDir::currentPath();
  QTest::newRow("absolute") << "/home/ann/Project.bws"
                            << "/home/ann/Project.bws";
  QTest::newRow("relative, from the second copy's folder") << "beads/p.bws" << here + "/beads/p.bws";
  QTest::newRow("blanks, percent and a line break") << "/tmp/a b%20c\nnext line.bws"
                                                    << "/tmp/a b%20c\nnext line.bws";
  QTest::newRow("beyond ASCII") << QString::fromUtf8("/tmp/Perlen \xc3\xa4\xe6\xb0\xb4.bws")
                                << QString::fromUtf8("/tmp/Perlen \xc3\xa4\xe6\xb0\xb4.bws");
  QTest::newRow("a long path") << "/" + QString(3000, u'x') << "/" + QString(3000, u'x');
  // As the command line gives it: the bytes kept, not made U+FFFD.
  QTest::newRow("not UTF-8") << pathFromNative("/tmp/bad\xff\xfename.bws")
                             << pathFromNative("/tmp/bad\xff\xfename.bws");
  QTest::newRow("not UTF-8, relative") << pathFromNative("bad\xff\xfename.bws")
                                       << pathFromNative(QFile::encodeName(here) + "/bad\xff\xfename.bws");
}

// The file reaches the first copy whole, after the second copy has its
// answer, and the second copy learns that it was heard.
void InstanceGuardTest::secondCopyHandsOverAFile() {
  QFETCH(QString, given);
  QFETCH(QString, received);
  QTemporaryDir dir;
  InstanceGuard first(QStringLiteral("PREVINST:orvane"), dir.path());
  first.listen();
  QSignalSpy requested(&first, &InstanceGuard::fileOpenRequested);
  std::atomic<bool> done = false, answered = false;
  std::thread secondCopy([&] {
    InstanceGuard second(QStringLiteral("PREVINST:orvane"), dir.path());
    answered = !second.firstInstance() && second.openInPreviousInstance(given);
    done = true;
  });
  while (!done) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  secondCopy.join();
  QVERIFY(answered);
  QVERIFY(requested.wait(2000) || requested.size() == 1);
  QCOMPARE(requested.size(), 1);
  QCOMPARE(requested[0].at(0).toString(), received);
}

void InstanceGuardTest::fileRequestWithoutAFirstCopyGoesNowhere() {
  QTemporaryDir dir;
  InstanceGuard alone(QStringLiteral("PREVINST:orvane"), dir.path());
  QVERIFY(alone.firstInstance());
  QVERIFY(!alone.openInPreviousInstance(QStringLiteral("/tmp/x.bws")));
  InstanceGuard unguarded(QStringLiteral("PREVINST:orvane"), QString());
  QVERIFY(!unguarded.openInPreviousInstance(QStringLiteral("/tmp/x.bws")));
}

QTEST_MAIN(InstanceGuardTest)
#include "tst_instance_guard.moc"
