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
    QVERIFY2(!guard.Tripped(), qPrintable(guard.Seen()));
  }

  void createdHiddenAsDesigned();
  void mainWindowButtonShowsItReadyToType();
  void escapeHidesAndClearsKeepingMemory();
  void closingOnlyHides();
  void reopeningSpeaksNothingOld();

 private:
  void ShowFromMainWindow() {
    QTest::mouseClick(findNamed<QPushButton>(t->app->mainWindow(), "calculatorButton"), Qt::LeftButton);
    CalculatorWindow* w = t->app->calculatorWindow();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
  }

  // The notices a screen reader would hear now in the window.
  static QStringList ShownNotices(QWidget* w) {
    QStringList texts;
    for (QWidget* notice : w->findChildren<QWidget*>(QStringLiteral("spokenNotice")))
      if (notice->isVisible()) texts << notice->accessibleName();
    return texts;
  }
  static CalculatorPad* Pad(CalculatorWindow* w) {
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

  CalculatorPad* c = Pad(w);
  QCOMPARE(c->objectName(), QStringLiteral("calculatorPad"));
  QCOMPARE(c->geometry(), QRect(4, 4, 269, 237));
  QVERIFY(c->font().bold());
  QCOMPARE(c->font().pixelSize(), 16);
  QCOMPARE(c->Colors().ColorScheme(), CalculatorColorScheme::Custom);
  QCOMPARE(c->Colors().OperatorButtons(), cl::Red);
  QCOMPARE(c->Colors().FunctionButtons(), cl::Navy);
  QCOMPARE(c->Button(CalculatorKey::Digit7).rect.width(), 39);
  QCOMPARE(c->Button(CalculatorKey::Back).rect.width(), 53);
  QCOMPARE(c->Text(), QStringLiteral("0 "));
}

void TestCalculatorWindow::mainWindowButtonShowsItReadyToType() {
  ShowFromMainWindow();
  CalculatorWindow* w = t->app->calculatorWindow();
  QVERIFY(w->isVisible());
  QVERIFY(Pad(w)->hasFocus());
  QCOMPARE(Pad(w)->Display()->Text(), QStringLiteral("0 "));
  QTest::keyClicks(QApplication::focusWidget(), "6*7");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCOMPARE(Pad(w)->Text(), QStringLiteral("42 "));
  // Showing it again only brings it to the front, as it was left.
  ShowFromMainWindow();
  QCOMPARE(Pad(w)->Text(), QStringLiteral("42 "));
}

void TestCalculatorWindow::escapeHidesAndClearsKeepingMemory() {
  ShowFromMainWindow();
  CalculatorWindow* w = t->app->calculatorWindow();
  CalculatorPad* c = Pad(w);
  QTest::keyClicks(c, "7");
  QTest::keyClick(c, Qt::Key_M, Qt::ControlModifier);
  QTest::keyClicks(c, "5+2");
  QTest::keyClick(c, Qt::Key_Escape);
  QVERIFY(!w->isVisible());
  QCOMPARE(c->Text(), QStringLiteral("0 "));
  QCOMPARE(t->services.alerts, 0);

  ShowFromMainWindow();
  QVERIFY(c->hasFocus());
  QCOMPARE(c->Display()->Text(), QStringLiteral("0 "));
  QTest::mouseClick(c, Qt::LeftButton, {}, c->Button(CalculatorKey::MemoryRecall).rect.center());
  QCOMPARE(c->Text(), QStringLiteral("7 "));
}

void TestCalculatorWindow::closingOnlyHides() {
  ShowFromMainWindow();
  CalculatorWindow* w = t->app->calculatorWindow();
  QTest::keyClicks(Pad(w), "12+");
  QVERIFY(w->close());
  QVERIFY(!w->isVisible());
  QCOMPARE(t->quitRequests, 0);
  ShowFromMainWindow();
  QCOMPARE(t->app->calculatorWindow(), w);
  QTest::keyClicks(Pad(w), "3=");
  QCOMPARE(Pad(w)->Text(), QStringLiteral("15 "));
}

// 7, Esc and the calculator opened again within the notices' lifetime: what
// was said before it closed is not said again when it opens.
void TestCalculatorWindow::reopeningSpeaksNothingOld() {
  announceWithoutScreenReader(true);
  ShowFromMainWindow();
  CalculatorWindow* w = t->app->calculatorWindow();
  QTest::keyClicks(Pad(w), "7");
  QTRY_COMPARE(ShownNotices(w), QStringList{QStringLiteral("7")});
  QTest::keyClick(Pad(w), Qt::Key_Escape);
  QVERIFY(!w->isVisible());
  QCoreApplication::processEvents();
  ShowFromMainWindow();
  QCoreApplication::processEvents();
  QCOMPARE(ShownNotices(w), QStringList());
  // What is new is still heard.
  QTest::keyClicks(Pad(w), "8");
  QTRY_COMPARE(ShownNotices(w), QStringList{QStringLiteral("8")});
}

QTEST_MAIN(TestCalculatorWindow)
#include "tst_calculator_window.moc"
