#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "app/application.h"

using namespace orvane;

namespace {

// What one run of the whole program showed, recorded from inside it.
struct Observed {
  int exitCode = -1;
  bool mainPainted = false;
  bool paintedBeforeQuit = false;
  QString paintedTitle;
  QList<QSize> appIconSizes;
  bool mainHasAppIcon = false;
  QStringList visibleAtFirstPaint;
  QStringList builtAtFirstPaint;
};

class PaintSpy : public QObject {
 public:
  explicit PaintSpy(Observed& seen) : seen_(seen) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      auto* w = qobject_cast<QWidget*>(watched);
      if (w && w->isWindow() && !seen_.mainPainted) {
        seen_.mainPainted = true;
        seen_.paintedTitle = w->windowTitle();
        // The screen as the user first sees it (quitting closes the windows).
        seen_.appIconSizes = QApplication::windowIcon().availableSizes();
        seen_.mainHasAppIcon = w->windowIcon().cacheKey() == QApplication::windowIcon().cacheKey();
        for (QWidget* top : QApplication::topLevelWidgets())
          if (top->isVisible()) seen_.visibleAtFirstPaint << top->windowTitle();
        for (QWidget* top : QApplication::topLevelWidgets())
          if (!top->windowTitle().isEmpty()) seen_.builtAtFirstPaint << top->windowTitle();
      }
    }
    return false;
  }

 private:
  Observed& seen_;
};

}  // namespace

class ApplicationTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase();
  void quitsOnlyAfterTheMainWindowPainted();
  void windowsCarryTheApplicationIcon();
  void onlyTheMainWindowIsShownAtStart();

 private:
  Observed seen_;
};

void ApplicationTest::initTestCase() {
  // A lock folder of its own, apart from any running copy.
  QTemporaryDir runtime;
  QVERIFY(runtime.isValid());
  qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  // The program keeps unsaved rows in the state folder: never the user's.
  QTemporaryDir state;
  QVERIFY(state.isValid());
  qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());

  static char name[] = "tst_application";
  static char* argv[] = {name, nullptr};
  int argc = 1;
  PaintSpy* spy = nullptr;
  RunOptions options;
  options.quitAfterFirstPaint = true;
  options.beforeWindows = [&](QApplication& app) {
    spy = new PaintSpy(seen_);
    spy->setParent(&app);
    app.installEventFilter(spy);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app,
                     [this] { seen_.paintedBeforeQuit = seen_.mainPainted; });
  };
  seen_.exitCode = runOrvane(argc, argv, options);
}

void ApplicationTest::quitsOnlyAfterTheMainWindowPainted() {
  QCOMPARE(seen_.exitCode, 0);
  QVERIFY2(seen_.paintedBeforeQuit, "the event loop ended before the main window was painted");
  QCOMPARE(seen_.paintedTitle, QStringLiteral("Orvane Version 2.0"));
}

void ApplicationTest::windowsCarryTheApplicationIcon() {
  // Drawn from the vector icon at the sizes title bars and task switchers use.
  for (int size : {16, 32, 64, 128})
    QVERIFY2(seen_.appIconSizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
  QVERIFY(seen_.mainHasAppIcon);
}

void ApplicationTest::onlyTheMainWindowIsShownAtStart() {
  QCOMPARE(seen_.visibleAtFirstPaint, QStringList{QStringLiteral("Orvane Version 2.0")});
  // The hidden windows are built when first shown, not at start.
  QCOMPARE(seen_.builtAtFirstPaint, QStringList{QStringLiteral("Orvane Version 2.0")});
}

QTEST_APPLESS_MAIN(ApplicationTest)
#include "tst_application.moc"
