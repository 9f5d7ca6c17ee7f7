#include <QAccessible>
#include <QApplication>
#include <QSet>
#include <QTest>

#include "desk_calculator/calculator_display.h"
#include "desk_calculator/calculator_pad.h"
#include "recording_services.h"
#include "widget_fixture.h"
#include "widgets/look.h"

using namespace orvane;

namespace {

// A calculator on a plain parent, sized as in the calculator window.
struct Fixture {
  Fixture() {
    host.resize(300, 280);
    calc = new CalculatorPad(services, &host);
    calc->setFont(makeFont(QStringLiteral("Arial"), 16, true));
    calc->setGeometry(4, 30, 269, 237);
    host.show();
    QApplication::setActiveWindow(&host);
    (void)QTest::qWaitForWindowActive(&host, 1000);
  }
  QAccessibleInterface* calculatorInterface() const { return QAccessible::queryAccessibleInterface(calc); }
  // The key a screen reader finds by its name.
  QAccessibleInterface* keyInterface(const QString& name) const {
    QAccessibleInterface* iface = calculatorInterface();
    for (int i = 1; i < iface->childCount(); ++i)
      if (iface->child(i)->text(QAccessible::Name) == name) return iface->child(i);
    return nullptr;
  }
  void press(const QString& name) const {
    QAccessibleInterface* key = keyInterface(name);
    QVERIFY2(key, qPrintable(name));
    key->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  }
  QString displayText() const {
    QAccessibleTextInterface* text = calculatorInterface()->child(0)->textInterface();
    return text ? text->text(0, text->characterCount()) : QStringLiteral("(no text)");
  }

  RecordingServices services;
  QWidget host;
  CalculatorPad* calc;
};

const QStringList kReadingOrder{"MC", "Back", "CE", "C", "MR",  "7", "8",  "9", "/", "Sqrt",
                                "MS", "4",    "5",  "6", "*",   "%", "M+", "1", "2", "3",
                                "-",  "1/x",  "M-", "0", "+/-", ".", "+",  "="};

}  // namespace

class TestCalculatorAccessible : public QObject {
  Q_OBJECT
 private:
  ModalDialogGuard guard;

 private Q_SLOTS:
  void cleanup() { QVERIFY2(!guard.tripped(), qPrintable(guard.seen())); }

  // The display first, then one push button per painted key, in reading
  // order, each where it is drawn.
  void keysAreButtonsWhereTheyArePainted() {
    Fixture f;
    QAccessibleInterface* iface = f.calculatorInterface();
    QCOMPARE(iface->text(QAccessible::Name), "Calculator");
    QCOMPARE(iface->childCount(), 1 + 28);
    QAccessibleInterface* display = iface->child(0);
    QCOMPARE(display->object(), static_cast<QObject*>(f.calc->display()));
    QCOMPARE(display->parent(), iface);
    QStringList names;
    for (int i = 1; i < iface->childCount(); ++i) {
      QAccessibleInterface* key = iface->child(i);
      QCOMPARE(key->role(), QAccessible::Button);
      QCOMPARE(key->parent(), iface);
      QCOMPARE(iface->indexOfChild(key), i);
      names << key->text(QAccessible::Name);
      const CalculatorKey b = f.calc->buttonAt(f.calc->mapFromGlobal(key->rect().center()));
      QVERIFY2(b != CalculatorKey::None && f.calc->buttonFor(b).caption == names.last(),
               qPrintable(names.last()));
      QCOMPARE(key->rect().size(), f.calc->buttonFor(b).rect.size());
      QCOMPARE(iface->childAt(key->rect().center().x(), key->rect().center().y()), key);
    }
    QCOMPARE(names, kReadingOrder);
    // Each key names what it does and the keyboard key that presses it.
    QCOMPARE(f.keyInterface("Sqrt")->text(QAccessible::Description), "Square root (@); Space presses it");
    QCOMPARE(f.keyInterface("M+")->text(QAccessible::Description), "Memory add (Ctrl+P); Space presses it");
    QCOMPARE(f.keyInterface("7")->text(QAccessible::Description), "Digit 7 (7); Space presses it");
    // Esc clears and closes the window: the hint says both.
    QCOMPARE(f.keyInterface("C")->text(QAccessible::Description),
             "Clear (Esc, which also closes the window); Space presses it");
    // One table names every key: each has a caption of its own, words and a keyboard key.
    QSet<QString> captions;
    for (int i = 1; i < kCalculatorKeyCount; ++i) {
      const CalculatorKeyTexts texts = calculatorKeyTexts(keyAt(i));
      QVERIFY2(!texts.caption.isEmpty() && !texts.action.isEmpty() && !texts.keyboard.isEmpty(),
               qPrintable(QString::number(i)));
      captions.insert(texts.caption);
    }
    QCOMPARE(captions.size(), kCalculatorKeyCount - 1);

    // Without the memory column its keys are gone.
    f.calc->setShowMemoryButtons(false);
    QCOMPARE(iface->childCount(), 1 + 23);
    QVERIFY(!f.keyInterface("MC") && !f.keyInterface("M-"));
    QCOMPARE(iface->child(1)->text(QAccessible::Name), "Back");
  }

  // The press action of every key does what a click on it does.
  void pressingAKeyActsAsAClick() {
    for (const QString& name : kReadingOrder) {
      Fixture pressed, clicked;
      for (Fixture* f : {&pressed, &clicked}) {
        f->calc->setShownText(QStringLiteral("42.5"));
        f->calc->pressButton(CalculatorKey::MemoryStore);  // so that MC and MR act
        f->calc->pressButton(CalculatorKey::Add);
        f->calc->setShownText(QStringLiteral("3"));
      }
      pressed.press(name);
      CalculatorKey b = CalculatorKey::None;
      for (int i = keyIndex(CalculatorKey::Back); i < kCalculatorKeyCount; ++i)
        if (clicked.calc->buttonFor(CalculatorKey(i)).caption == name) b = CalculatorKey(i);
      QTest::mouseClick(clicked.calc, Qt::LeftButton, {}, clicked.calc->buttonFor(b).rect.center());
      QVERIFY2(pressed.calc->shownText() == clicked.calc->shownText(),
               qPrintable(name + ": " + pressed.calc->shownText()));
      QVERIFY2(pressed.calc->memory() == clicked.calc->memory(), qPrintable(name));
      QCOMPARE(pressed.calc->pressedButton(), CalculatorKey::None);  // the key flashed, and came back up
    }
  }

  // A sum typed through the keys, read back from the display as text.
  void displayReadsAsTextWithItsValue() {
    Fixture f;
    QAccessibleInterface* display = f.calculatorInterface()->child(0);
    QCOMPARE(display->role(), QAccessible::EditableText);
    QVERIFY(display->state().readOnly);
    QCOMPARE(f.displayText(), "0");
    for (const char* key : {"7", "+", "8", ".", "5", "="}) f.press(QString::fromLatin1(key));
    QCOMPARE(f.calc->shownText(), "15.5 ");
    QCOMPARE(f.displayText(), "15.5");
    QCOMPARE(display->text(QAccessible::Value), "15.5");
    QCOMPARE(display->textInterface()->text(3, 4), "5");
    QVERIFY(display->textInterface()->characterRect(0).width() > 0);
  }

  // MC and MR are grey and ignore clicks while the memory is zero: they read
  // as unavailable and their press does nothing.
  void greyMemoryKeysAreUnavailable() {
    Fixture f;
    f.press("5");
    for (const char* name : {"MC", "MR"}) {
      QAccessibleInterface* key = f.keyInterface(QString::fromLatin1(name));
      QVERIFY(key->state().disabled);
      QVERIFY(key->actionInterface()->actionNames().isEmpty());
      key->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    QCOMPARE(f.displayText(), "5");
    f.press("MS");
    QVERIFY(!f.keyInterface("MR")->state().disabled);
    f.press("C");
    f.press("MR");
    QCOMPARE(f.displayText(), "5");
  }
};

QTEST_MAIN(TestCalculatorAccessible)
#include "tst_calculator_accessible.moc"
