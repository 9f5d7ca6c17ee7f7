#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "app/main_window.h"
#include "desk_calculator/calculator_display.h"
#include "desk_calculator/calculator_pad.h"
#include "desk_calculator/calculator_window.h"
#include "find_child.h"
#include "platform/announcer.h"
#include "widget_fixture.h"
#include "widgets/look.h"

using namespace orvane;

class TestCalculatorWindow : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { t = std::make_unique<TestApp>(); }
  void cleanup() {
    announceWithoutScreenReader(false);
    t.reset();
    QVERIFY2(!guard.tripped(), qPrintable(guard.seen()));
  }

  void createdHiddenAsDesigned();
  void mainWindowButtonShowsItReadyToType();
  void escapeHidesAndClearsKeepingMemory();
  void closingOnlyHides();
  void reopeningSpeaksNothingOld();

 private:
  void showFromMainWindow() {
    QTest::mouseClick(findNamed<QPushButton>(t->app->mainWindow(), "calculatorButton"), Qt::LeftButton);
    CalculatorWindow* w = t->app->calculatorWindow();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
  }

  // The notices a screen reader would hear now in the window.
  static QStringList shownNotices(QWidget* w) {
    QStringList texts;
    for (QWidget* notice : w->findChildren<QWidget*>(QStringLiteral("spokenNotice")))
      if (notice->isVisible()) texts << notice->accessibleName();
    return texts;
  }
  static CalculatorPad* pad(CalculatorWindow* w) {
    return w->findChild<CalculatorPad*>(QStringLiteral("calculatorPad"));
  }

  ModalDialogGuard guard;
  std::unique_ptr<TestApp> t;
};

void TestCalculatorWindow::createdHiddenAsDesigned() {
  CalculatorWindow* w = t->app->calculatorWindow();
  QVERIFY(!w->isVisible());
  QCOMPARE(w->objectName(), QStringLiteral("calculatorWindow"));
  QCOMPARE(w->windowTitle(), QStringLiteral("Calculator"));
  QCOMPARE(w->size(), QSize(278, 245));
  QCOMPARE(w->minimumSize(), w->maximumSize());
  const Qt::WindowFlags flags = w->windowFlags();
  QVERIFY(flags & Qt::WindowStaysOnTopHint);
  QVERIFY(flags & Qt::WindowCloseButtonHint);
  QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
  QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
  QCOMPARE(w->palette().color(QPalette::Window), cl::Navy);

  CalculatorPad* c = pad(w);
  QCOMPARE(c->objectName(), QStringLiteral("calculatorPad"));
  QCOMPARE(c->geometry(), QRect(4, 4, 269, 237));
  QVERIFY(c->font().bold());
  QCOMPARE(c->font().pixelSize(), 16);
  QCOMPARE(c->colors().colorScheme(), CalculatorColorScheme::Custom);
  QCOMPARE(c->colors().operatorButtons(), cl::Red);
  QCOMPARE(c->colors().functionButtons(), cl::Navy);
  QCOMPARE(c->buttonFor(CalculatorKey::Digit7).rect.width(), 39);
  QCOMPARE(c->buttonFor(CalculatorKey::Back).rect.width(), 53);
  QCOMPARE(c->shownText(), QStringLiteral("0 "));
}

void TestCalculatorWindow::mainWindowButtonShowsItReadyToType() {
  showFromMainWindow();
  CalculatorWindow* w = t->app->calculatorWindow();
  QVERIFY(w->isVisible());
  QVERIFY(pad(w)->hasFocus());
  QCOMPARE(pad(w)->display()->shownText(), QStringLiteral("0 "));
  QTest::keyClicks(QApplication::focusWidget(), "6*7");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCOMPARE(pad(w)->shownText(), QStringLiteral("42 "));
  // Showing it again only brings it to the front, as it was left.
  showFromMainWindow();
  QCOMPARE(pad(w)->shownText(), QStringLiteral("42 "));
}

void TestCalculatorWindow::escapeHidesAndClearsKeepingMemory() {
  showFromMainWindow();
  CalculatorWindow* w = t->app->calculatorWindow();
  CalculatorPad* c = pad(w);
  QTest::keyClicks(c, "7");
  QTest::keyClick(c, Qt::Key_M, Qt::ControlModifier);
  QTest::keyClicks(c, "5+2");
  QTest::keyClick(c, Qt::Key_Escape);
  QVERIFY(!w->isVisible());
  QCOMPARE(c->shownText(), QStringLiteral("0 "));
  QCOMPARE(t->services.alerts, 0);

  showFromMainWindow();
  QVERIFY(c->hasFocus());
  QCOMPARE(c->display()->shownText(), QStringLiteral("0 "));
  QTest::mouseClick(c, Qt::LeftButton, {}, c->buttonFor(CalculatorKey::MemoryRecall).rect.center());
  QCOMPARE(c->shownText(), QStringLiteral("7 "));
}

void TestCalculatorWindow::closingOnlyHides() {
  showFromMainWindow();
  CalculatorWindow* w = t->app->calculatorWindow();
  QTest::keyClicks(pad(w), "12+");
  QVERIFY(w->close());
  QVERIFY(!w->isVisible());
  QCOMPARE(t->quitRequests, 0);
  showFromMainWindow();
  QCOMPARE(t->app->calculatorWindow(), w);
  QTest::keyClicks(pad(w), "3=");
  QCOMPARE(pad(w)->shownText(), QStringLiteral("15 "));
}

// 7, Esc and the calculator opened again within the notices' lifetime: what
// was said before it closed is not said again when it opens.
void TestCalculatorWindow::reopeningSpeaksNothingOld() {
  announceWithoutScreenReader(true);
  showFromMainWindow();
  CalculatorWindow* w = t->app->calculatorWindow();
  QTest::keyClicks(pad(w), "7");
  QTRY_COMPARE(shownNotices(w), QStringList{QStringLiteral("7")});
  QTest::keyClick(pad(w), Qt::Key_Escape);
  QVERIFY(!w->isVisible());
  QCoreApplication::processEvents();
  showFromMainWindow();
  QCoreApplication::processEvents();
  QCOMPARE(shownNotices(w), QStringList());
  // What is new is still heard.
  QTest::keyClicks(pad(w), "8");
  QTRY_COMPARE(shownNotices(w), QStringList{QStringLiteral("8")});
}

QTEST_MAIN(TestCalculatorWindow)
#include "tst_calculator_window.moc"
