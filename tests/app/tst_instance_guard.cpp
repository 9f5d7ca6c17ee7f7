#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
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
};

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

QTEST_MAIN(InstanceGuardTest)
#include "tst_instance_guard.moc"
