#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <atomic>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "app/instance_guard.h"

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
  void secondCopyGivesUpWithoutAFirst();
  void leftoverSocketAndSilentClientDoNotBlock();
};

namespace {

// Runs a second copy's request on its own thread while this thread's event
// loop serves it; returns how long the second copy waited, in ms.
qint64 TimedRequest(const QString& folder) {
  QElapsedTimer timer;
  timer.start();
  std::atomic<bool> done = false;
  std::thread secondCopy([&] {
    InstanceGuard second(QStringLiteral("PREVINST:orvane"), folder);
    second.ActivatePreviousInstance();
    done = true;
  });
  while (!done) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  secondCopy.join();
  return timer.elapsed();
}

}  // namespace

void InstanceGuardTest::defaultTitle_data() {
  QTest::addColumn<QString>("path");
  QTest::addColumn<QString>("title");
  QTest::newRow("plain") << "/usr/bin/orvane" << "orvane";
  QTest::newRow("extension dropped") << "C:/Apps/Orvane.exe" << "Orvane";
  QTest::newRow("from the first point") << "ORVANE.bin.old" << "Orvane";
  QTest::newRow("first letter kept") << "./oRVANE" << "orvane";
}

void InstanceGuardTest::defaultTitle() {
  QFETCH(QString, path);
  QFETCH(QString, title);
  QCOMPARE(InstanceGuard::DefaultTitle(path), title);
}

void InstanceGuardTest::secondCopyIsRefused() {
  QTemporaryDir dir;
  InstanceGuard first(QStringLiteral("PREVINST:orvane"), dir.path());
  QVERIFY(first.FirstInstance());
  InstanceGuard second(QStringLiteral("PREVINST:orvane"), dir.path());
  QVERIFY(!second.FirstInstance());
}

void InstanceGuardTest::otherNamesDoNotMeet() {
  QTemporaryDir dir;
  InstanceGuard first(QStringLiteral("PREVINST:orvane"), dir.path());
  InstanceGuard other(QStringLiteral("PREVINST:orvane2"), dir.path());
  QVERIFY(first.FirstInstance());
  QVERIFY(other.FirstInstance());
}

// A lock that cannot be made at all must not keep the program from starting.
void InstanceGuardTest::unusableFolderStillStarts() {
  InstanceGuard guard(QStringLiteral("PREVINST:orvane"), QStringLiteral("/proc/no-such-folder"));
  QVERIFY(guard.FirstInstance());
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
  QVERIFY(guard.FirstInstance());
}

void InstanceGuardTest::minimisedFirstCopyIsRestored() {
  QTemporaryDir dir;
  InstanceGuard first(QStringLiteral("PREVINST:orvane"), dir.path());
  first.Listen();
  QWidget window;
  window.setAttribute(Qt::WA_QuitOnClose, true);
  window.show();
  window.showMinimized();
  QTRY_VERIFY(window.isMinimized());
  std::thread secondCopy([&] {
    InstanceGuard second(QStringLiteral("PREVINST:orvane"), dir.path());
    if (!second.FirstInstance()) second.ActivatePreviousInstance();
  });
  QTRY_VERIFY(!window.isMinimized());
  secondCopy.join();
  QVERIFY(window.isVisible());
}

void InstanceGuardTest::secondCopyGivesUpWithoutAFirst() {
  QTemporaryDir dir;
  InstanceGuard first(QStringLiteral("PREVINST:orvane"), dir.path());  // holds the lock, never listens
  InstanceGuard second(QStringLiteral("PREVINST:orvane"), dir.path());
  QElapsedTimer timer;
  timer.start();
  second.ActivatePreviousInstance();
  QVERIFY(timer.elapsed() < 3000);
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
  first.Listen();
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
  QVERIFY(TimedRequest(dir.path()) < 1500);
  ::close(silent);
}

QTEST_MAIN(InstanceGuardTest)
#include "tst_instance_guard.moc"
