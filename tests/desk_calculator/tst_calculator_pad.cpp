#include <QApplication>
#include <QImage>
#include <QTest>
#include <algorithm>

#include "desk_calculator/calculator_display.h"
#include "desk_calculator/calculator_pad.h"
#include "recording_services.h"
#include "widget_fixture.h"
#include "widgets/look.h"

using namespace orvane;

namespace {

// A calculator on a plain parent, sized as in the calculator window.
struct Fixture {
  Fixture(int width = 269, int height = 237) {
    host.resize(width + 20, height + 20);
    calc = new CalculatorPad(services, &host);
    calc->setObjectName(QStringLiteral("FxCalc"));
    calc->setFont(makeFont(QStringLiteral("Arial"), 16, true));
    calc->setGeometry(4, 30, width, height);
    host.show();
    QApplication::setActiveWindow(&host);
    (void)QTest::qWaitForWindowActive(&host, 1000);
  }
  QPoint centreOf(CalculatorKey b) const { return calc->buttonFor(b).rect.center(); }
  void clickOn(CalculatorKey b) { QTest::mouseClick(calc, Qt::LeftButton, {}, centreOf(b)); }

  RecordingServices services;
  QWidget host;
  CalculatorPad* calc;
};

// How many pixels of exactly this colour the rectangle of the image holds.
int countColour(const QImage& image, const QRect& rect, const QColor& colour) {
  int n = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      if (image.pixelColor(x, y).rgb() == colour.rgb()) ++n;
  return n;
}

QImage grabImage(CalculatorPad* calc) { return calc->grab().toImage(); }

}  // namespace

class TestCalculatorControl : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void cleanup() { QVERIFY2(!guard.tripped(), qPrintable(guard.seen())); }

  void newControlDefaults();
  void layout_data();
  void layout();
  void layoutWithoutMemoryButtons();
  void borderShrinksClientArea();
  void mouseReleaseDecides();
  void greyMemoryButtonsIgnoreClicks();
  void keyMapping_data();
  void keyMapping();
  void copyAndPaste();
  void keyPressFlashesItsButton();
  void failureSoundsTheAlert();
  void captionColoursFollowGroups();
  void focusRectangleOnEquals();
  void arrowsMoveBetweenKeys_data();
  void arrowsMoveBetweenKeys();
  void spacePressesTheFocusedKey();
  void captionsReadableOnEveryPalette_data();
  void captionsReadableOnEveryPalette();
  void colourSchemes_data();
  void colourSchemes();
  void singleColourMakesSchemeCustom();

 private:
  ModalDialogGuard guard;
};

void TestCalculatorControl::newControlDefaults() {
  RecordingServices services;
  CalculatorPad calc(services);
  QCOMPARE(calc.size(), QSize(200, 140));
  QCOMPARE(calc.shownText(), QStringLiteral("0 "));
  QVERIFY(calc.showMemoryButtons());
  QCOMPARE(calc.borderStyle(), PadBorder::None);
  QCOMPARE(calc.focusPolicy(), Qt::StrongFocus);
  QCOMPARE(calc.colors().colorScheme(), CalculatorColorScheme::Custom);
  QCOMPARE(calc.colors().numberButtons(), cl::Blue);
  QCOMPARE(calc.colors().editButtons(), cl::Maroon);
  QCOMPARE(calc.display()->shownText(), QStringLiteral("0 "));
}

// Gap, margin, button width, memory gap and wide width, read back from the
// rectangles the control laid out.
void TestCalculatorControl::layout_data() {
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("height");
  QTest::addColumn<int>("gap");
  QTest::addColumn<int>("margin");
  QTest::addColumn<int>("buttonWidth");
  QTest::addColumn<int>("memoryGap");
  QTest::addColumn<int>("wideWidth");
  QTest::newRow("calculator window") << 269 << 237 << 4 << 6 << 39 << 7 << 53;
  QTest::newRow("just over 200") << 201 << 160 << 4 << 6 << 27 << 11 << 37;
  QTest::newRow("200 is small") << 200 << 160 << 2 << 4 << 30 << 4 << 40;
  QTest::newRow("small, leftover to memory gap") << 150 << 140 << 2 << 4 << 21 << 8 << 28;
}

void TestCalculatorControl::layout() {
  QFETCH(int, width);
  QFETCH(int, height);
  QFETCH(int, gap);
  QFETCH(int, margin);
  QFETCH(int, buttonWidth);
  QFETCH(int, memoryGap);
  QFETCH(int, wideWidth);
  Fixture f(width, height);
  CalculatorPad* c = f.calc;
  auto r = [&](CalculatorKey b) { return c->buttonFor(b).rect; };

  QCOMPARE(c->display()->geometry().topLeft(), QPoint(margin, margin));
  QCOMPARE(c->display()->width(), width - 2 * margin);
  QCOMPARE(c->display()->height(), c->fontMetrics().height() + 8);

  QCOMPARE(r(CalculatorKey::Digit7).width(), buttonWidth);
  QCOMPARE(r(CalculatorKey::MemoryRecall).left(), margin);
  QCOMPARE(r(CalculatorKey::Digit7).left() - (r(CalculatorKey::MemoryRecall).right() + 1), memoryGap);
  QCOMPARE(r(CalculatorKey::Digit8).left() - (r(CalculatorKey::Digit7).right() + 1), gap);
  QCOMPARE(r(CalculatorKey::MemoryStore).top() - (r(CalculatorKey::MemoryRecall).bottom() + 1), gap);
  // The keypad ends one margin from the bottom; "=" closes the last row.
  QCOMPARE(r(CalculatorKey::Equals).bottom() + 1, height - margin);
  QCOMPARE(r(CalculatorKey::Equals).left(), r(CalculatorKey::Digit7).left() + 4 * (buttonWidth + gap));
  QCOMPARE(r(CalculatorKey::MemorySubtract).top(), r(CalculatorKey::Equals).top());
  QVERIFY(r(CalculatorKey::MemoryClear).top() >= margin + c->display()->height() + margin);

  // Row 0: MC, an empty first column, then Back, CE and C wide.
  QCOMPARE(r(CalculatorKey::MemoryClear).top(), r(CalculatorKey::Back).top());
  QCOMPARE(r(CalculatorKey::Back).left(), r(CalculatorKey::Digit8).left());
  for (auto b : {CalculatorKey::Back, CalculatorKey::ClearEntry, CalculatorKey::Clear})
    QCOMPARE(r(b).width(), wideWidth);
  QCOMPARE(r(CalculatorKey::ClearEntry).left() - (r(CalculatorKey::Back).right() + 1), gap);
  QCOMPARE(r(CalculatorKey::Clear).left() - (r(CalculatorKey::ClearEntry).right() + 1), gap);
  QCOMPARE(c->buttonAt(QPoint(r(CalculatorKey::Digit7).center().x(), r(CalculatorKey::Back).center().y())),
           CalculatorKey::None);

  // Keypad order: rows 7 8 9 / Sqrt, 4 5 6 * %, 1 2 3 - 1/x, 0 +/- . + =.
  const CalculatorKey rows[4][5] = {{CalculatorKey::Digit7, CalculatorKey::Digit8, CalculatorKey::Digit9,
                                     CalculatorKey::Divide, CalculatorKey::SquareRoot},
                                    {CalculatorKey::Digit4, CalculatorKey::Digit5, CalculatorKey::Digit6,
                                     CalculatorKey::Multiply, CalculatorKey::Percent},
                                    {CalculatorKey::Digit1, CalculatorKey::Digit2, CalculatorKey::Digit3,
                                     CalculatorKey::Subtract, CalculatorKey::Reciprocal},
                                    {CalculatorKey::Digit0, CalculatorKey::ChangeSign, CalculatorKey::Decimal,
                                     CalculatorKey::Add, CalculatorKey::Equals}};
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 5; ++col) {
      QCOMPARE(r(rows[row][col]).left(), r(CalculatorKey::Digit7).left() + col * (buttonWidth + gap));
      QCOMPARE(r(rows[row][col]).top(),
               r(CalculatorKey::Digit7).top() + row * (r(CalculatorKey::Digit7).height() + gap));
      QVERIFY(c->buttonFor(rows[row][col]).visible);
    }
  QCOMPARE(c->buttonFor(CalculatorKey::Decimal).caption, QStringLiteral("."));
  QCOMPARE(c->buttonFor(CalculatorKey::SquareRoot).caption, QStringLiteral("Sqrt"));
}

void TestCalculatorControl::layoutWithoutMemoryButtons() {
  Fixture f(269, 237);
  f.calc->setShowMemoryButtons(false);
  for (int b = keyIndex(CalculatorKey::MemoryClear); b <= keyIndex(CalculatorKey::MemorySubtract); ++b)
    QVERIFY(!f.calc->buttonFor(CalculatorKey(b)).visible);
  // T = 269 - 12 - 16 = 241: width 48, and the margin grows by 2 to 8.
  const QRect seven = f.calc->buttonFor(CalculatorKey::Digit7).rect;
  QCOMPARE(seven.width(), 48);
  QCOMPARE(seven.left(), 8);
  QCOMPARE(f.calc->display()->geometry(), QRect(8, 8, 5 * 48 + 16, f.calc->fontMetrics().height() + 8));
  QCOMPARE(f.calc->buttonAt(QPoint(10, f.calc->buttonFor(CalculatorKey::Equals).rect.center().y())),
           CalculatorKey::Digit0);
  f.calc->setShowMemoryButtons(true);
  QVERIFY(f.calc->buttonFor(CalculatorKey::MemoryAdd).visible);
  QCOMPARE(f.calc->buttonFor(CalculatorKey::Digit7).rect.left(), 6 + 39 + 7);
}

void TestCalculatorControl::borderShrinksClientArea() {
  Fixture f(269, 237);
  const int line = f.calc->fontMetrics().height();
  f.calc->setBorderStyle(PadBorder::Single);
  // Sunken edge of 2 pixels: the client area is 265 x 233, so BW = 38.
  QCOMPARE(f.calc->display()->geometry(), QRect(8, 8, 265 - 12, line + 8));
  QCOMPARE(f.calc->buttonFor(CalculatorKey::Digit7).rect.width(), 38);
  QCOMPARE(f.calc->buttonFor(CalculatorKey::Equals).rect.right() + 1, 269 - 2 - 6);
  QCOMPARE(f.calc->buttonFor(CalculatorKey::Equals).rect.bottom() + 1, 237 - 2 - 6);
  // Without the 3-D look: a one-pixel line, and a lower display.
  f.calc->setCtl3D(false);
  QCOMPARE(f.calc->display()->geometry(), QRect(7, 7, 267 - 12, line + 6));
  QVERIFY(!f.calc->display()->ctl3D());
  f.calc->setBorderStyle(PadBorder::None);
  QCOMPARE(f.calc->display()->geometry().topLeft(), QPoint(6, 6));
}

void TestCalculatorControl::mouseReleaseDecides() {
  Fixture f;
  CalculatorPad* c = f.calc;
  QTest::mousePress(c, Qt::LeftButton, {}, f.centreOf(CalculatorKey::Digit7));
  QCOMPARE(c->pressedButton(), CalculatorKey::Digit7);
  QVERIFY(c->hasFocus());
  QTest::mouseRelease(c, Qt::LeftButton, {}, f.centreOf(CalculatorKey::Digit8));
  QCOMPARE(c->pressedButton(), CalculatorKey::None);
  QCOMPARE(c->shownText(), QStringLiteral("0 "));

  QTest::mousePress(c, Qt::LeftButton, {}, f.centreOf(CalculatorKey::Digit7));
  QTest::mouseRelease(c, Qt::LeftButton, {}, f.centreOf(CalculatorKey::Digit7) + QPoint(5, 5));
  QCOMPARE(c->shownText(), QStringLiteral("7 "));

  // Outside every button nothing is pressed; the right button presses nothing.
  QTest::mousePress(c, Qt::LeftButton, {}, QPoint(2, 2));
  QCOMPARE(c->pressedButton(), CalculatorKey::None);
  QTest::mouseRelease(c, Qt::LeftButton, {}, QPoint(2, 2));
  QTest::mouseClick(c, Qt::RightButton, {}, f.centreOf(CalculatorKey::Digit9));
  QCOMPARE(c->shownText(), QStringLiteral("7 "));
  // A click on the display only gives the calculator the focus.
  QWidget other(&f.host);
  other.setFocusPolicy(Qt::StrongFocus);
  other.show();
  giveFocusTo(&other);
  QTest::mouseClick(c->display(), Qt::LeftButton);
  QVERIFY(c->hasFocus());
  f.clickOn(CalculatorKey::Add);
  f.clickOn(CalculatorKey::Digit2);
  f.clickOn(CalculatorKey::Equals);
  QCOMPARE(c->shownText(), QStringLiteral("9 "));
}

void TestCalculatorControl::greyMemoryButtonsIgnoreClicks() {
  Fixture f;
  CalculatorPad* c = f.calc;
  auto memoryCaptionsGrey = [&] {
    const QImage image = grabImage(c);
    return countColour(image, c->buttonFor(CalculatorKey::MemoryRecall).rect, cl::Gray) > 0 &&
           countColour(image, c->buttonFor(CalculatorKey::MemoryRecall).rect, cl::Red) == 0 &&
           countColour(image, c->buttonFor(CalculatorKey::MemoryStore).rect, cl::Red) > 0;
  };
  QVERIFY(memoryCaptionsGrey());
  f.clickOn(CalculatorKey::MemoryStore);  // storing the zero shown keeps them grey
  QVERIFY(memoryCaptionsGrey());

  QTest::keyClicks(c, "5");
  QTest::mousePress(c, Qt::LeftButton, {}, f.centreOf(CalculatorKey::MemoryRecall));
  QCOMPARE(c->pressedButton(), CalculatorKey::None);
  QTest::mouseRelease(c, Qt::LeftButton, {}, f.centreOf(CalculatorKey::MemoryRecall));
  f.clickOn(CalculatorKey::MemoryClear);
  QCOMPARE(c->shownText(), QStringLiteral("5 "));

  f.clickOn(CalculatorKey::MemoryStore);
  QVERIFY(!memoryCaptionsGrey());
  QTest::keyClicks(c, "3");
  f.clickOn(CalculatorKey::MemoryRecall);
  QCOMPARE(c->shownText(), QStringLiteral("5 "));
  f.clickOn(CalculatorKey::MemoryClear);
  QVERIFY(memoryCaptionsGrey());
  // The keyboard shortcut still acts on a grey button.
  QTest::keyClick(c, Qt::Key_R, Qt::ControlModifier);
  QCOMPARE(c->shownText(), QStringLiteral("0 "));
}

void TestCalculatorControl::keyMapping_data() {
  QTest::addColumn<QString>("before");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("display");
  QTest::addColumn<double>("memory");
  QTest::newRow("Delete clears the entry") << "7+12" << int(Qt::Key_Delete) << 0 << "0 " << 0.0;
  QTest::newRow("Shift+Delete does not")
      << "7+12" << int(Qt::Key_Delete) << int(Qt::ShiftModifier) << "12 " << 0.0;
  QTest::newRow("F9 changes sign") << "12" << int(Qt::Key_F9) << 0 << "-12 " << 0.0;
  QTest::newRow("Ctrl+F9 does not") << "12" << int(Qt::Key_F9) << int(Qt::ControlModifier) << "12 " << 0.0;
  QTest::newRow("Enter evaluates once") << "7+12" << int(Qt::Key_Return) << 0 << "19 " << 0.0;
  QTest::newRow("keypad Enter") << "7*2" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "14 " << 0.0;
  QTest::newRow("Ctrl+M stores") << "12" << int(Qt::Key_M) << int(Qt::ControlModifier) << "12 " << 12.0;
  QTest::newRow("Escape clears") << "7+12" << int(Qt::Key_Escape) << 0 << "0 " << 0.0;
  QTest::newRow("Backspace") << "123" << int(Qt::Key_Backspace) << 0 << "12 " << 0.0;
  QTest::newRow("Ctrl+P adds to memory") << "4" << int(Qt::Key_P) << int(Qt::ControlModifier) << "4 " << 4.0;
  QTest::newRow("Ctrl+S subtracts") << "4" << int(Qt::Key_S) << int(Qt::ControlModifier) << "4 " << -4.0;
  QTest::newRow("at sign is root") << "81" << int(Qt::Key_At) << int(Qt::ShiftModifier) << "9 " << 0.0;
  QTest::newRow("plain M does nothing") << "12" << int(Qt::Key_M) << 0 << "12 " << 0.0;
  // The key pad's decimal key types a comma on many layouts.
  QTest::newRow("key pad decimal comma is the point")
      << "12" << int(Qt::Key_Comma) << int(Qt::KeypadModifier) << "12. " << 0.0;
  QTest::newRow("comma elsewhere is the point too") << "12" << int(Qt::Key_Comma) << 0 << "12. " << 0.0;
}

void TestCalculatorControl::keyMapping() {
  QFETCH(QString, before);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, display);
  QFETCH(double, memory);
  Fixture f;
  QTest::keyClicks(f.calc, before);
  QTest::keyClick(f.calc, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QCOMPARE(f.calc->shownText(), display);
  QCOMPARE(double(f.calc->memory()), memory);
}

void TestCalculatorControl::copyAndPaste() {
  Fixture f;
  QTest::keyClicks(f.calc, "1+2=");
  QTest::keyClick(f.calc, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(f.services.clipboard, QStringLiteral("3 "));

  f.services.clipboard = QStringLiteral("12+3=");
  QTest::keyClick(f.calc, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(f.calc->shownText(), QStringLiteral("15 "));

  f.services.clipboard = QStringLiteral("2r");
  QTest::keyClick(f.calc, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(f.calc->shownText(), QStringLiteral("2 "));

  f.services.clipboard.clear();
  QTest::keyClick(f.calc, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(f.calc->shownText(), QStringLiteral("2 "));

  f.calc->setShownText(QStringLiteral("2r"));
  QCOMPARE(f.calc->shownText(), QStringLiteral("0.5 "));
  QCOMPARE(f.calc->display()->shownText(), QStringLiteral("0.5 "));
}

void TestCalculatorControl::keyPressFlashesItsButton() {
  Fixture f;
  QList<CalculatorKey> sunkenWhileProcessed;
  QObject::connect(f.calc, &CalculatorPad::buttonPressed,
                   [&](CalculatorKey) { sunkenWhileProcessed << f.calc->pressedButton(); });
  QTest::keyClicks(f.calc, "4*");
  QTest::keyClick(f.calc, Qt::Key_Return);
  QCOMPARE(sunkenWhileProcessed,
           (QList<CalculatorKey>{CalculatorKey::Digit4, CalculatorKey::Multiply, CalculatorKey::Equals}));
  QCOMPARE(f.calc->pressedButton(), CalculatorKey::None);
}

void TestCalculatorControl::failureSoundsTheAlert() {
  Fixture f;
  QTest::keyClicks(f.calc, "1/0=");
  QCOMPARE(f.calc->shownText(), QStringLiteral("****** "));
  QCOMPARE(f.services.alerts, 1);
  f.clickOn(CalculatorKey::Digit5);
  QCOMPARE(f.services.alerts, 2);
  QCOMPARE(f.services.beeps, 0);
  QVERIFY(f.services.messages.isEmpty());
  QTest::keyClick(f.calc, Qt::Key_Escape);
  QCOMPARE(f.calc->shownText(), QStringLiteral("0 "));
}

void TestCalculatorControl::captionColoursFollowGroups() {
  Fixture f;
  CalculatorColors& colors = f.calc->colors();
  colors.setColorScheme(CalculatorColorScheme::Plain);
  colors.setEditButtons(cl::Green);
  colors.setFunctionButtons(cl::Purple);
  colors.setMemoryButtons(cl::Olive);
  colors.setNumberButtons(cl::Teal);
  colors.setOperatorButtons(cl::Fuchsia);
  const QImage image = grabImage(f.calc);
  const struct {
    CalculatorKey button;
    QColor colour;
  } expected[] = {{CalculatorKey::Back, cl::Green},        {CalculatorKey::SquareRoot, cl::Purple},
                  {CalculatorKey::MemoryStore, cl::Olive}, {CalculatorKey::MemoryRecall, cl::Gray},
                  {CalculatorKey::Digit8, cl::Teal},       {CalculatorKey::Equals, cl::Fuchsia}};
  for (const auto& e : expected)
    QVERIFY2(countColour(image, f.calc->buttonFor(e.button).rect, e.colour) > 0,
             qPrintable(f.calc->buttonFor(e.button).caption));
  // The display takes its own two colours.
  const QRect display = f.calc->display()->geometry();
  QVERIFY(countColour(image, display, cl::White) > display.width() * display.height() / 2);
  QVERIFY(countColour(image, display, cl::Navy) > 0);
}

// The strongest contrast any pixel inside the button's face has with the face.
static double bestCaptionContrast(const QImage& image, const QRect& button, const QColor& face) {
  double best = 1;
  const QRect inside = button.adjusted(3, 3, -3, -3);
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      best = std::max(best, contrastRatio(image.pixelColor(x, y), face));
  return best;
}

void TestCalculatorControl::captionsReadableOnEveryPalette_data() {
  QTest::addColumn<QColor>("face");
  QTest::addColumn<bool>("exactColours");
  QTest::newRow("light desktop: the window's colours as they are") << QColor(240, 240, 240) << true;
  QTest::newRow("dark desktop") << QColor(53, 53, 53) << false;
  QTest::newRow("very dark desktop") << QColor(20, 20, 24) << false;
}

void TestCalculatorControl::captionsReadableOnEveryPalette() {
  QFETCH(QColor, face);
  QFETCH(bool, exactColours);
  const QPalette saved = QApplication::palette();
  QPalette pal = saved;
  pal.setColor(QPalette::Button, face);
  pal.setColor(QPalette::Window, face);
  QApplication::setPalette(pal);
  {
    Fixture f;
    f.calc->hide();  // not focused: no focus rectangle over "="
    CalculatorColors& colors = f.calc->colors();
    colors.setEditButtons(cl::Maroon);
    colors.setFunctionButtons(cl::Navy);
    colors.setMemoryButtons(cl::Red);
    colors.setNumberButtons(cl::Blue);
    colors.setOperatorButtons(cl::Red);
    f.calc->pressButton(CalculatorKey::Digit7);
    f.calc->pressButton(CalculatorKey::MemoryStore);  // MC and MR in their enabled colour
    const QImage image = grabImage(f.calc);
    const struct {
      CalculatorKey button;
      QColor colour;
    } captions[] = {{CalculatorKey::Clear, cl::Maroon},
                    {CalculatorKey::SquareRoot, cl::Navy},
                    {CalculatorKey::MemoryRecall, cl::Red},
                    {CalculatorKey::Digit8, cl::Blue},
                    {CalculatorKey::Divide, cl::Red}};
    for (const auto& c : captions) {
      const QRect rect = f.calc->buttonFor(c.button).rect;
      const QString name = f.calc->buttonFor(c.button).caption;
      if (exactColours)
        QVERIFY2(countColour(image, rect, c.colour) > 0, qPrintable(name));
      else
        QVERIFY2(bestCaptionContrast(image, rect, face) >= 4.5, qPrintable(name));
    }
  }
  QApplication::setPalette(saved);
}

void TestCalculatorControl::focusRectangleOnEquals() {
  Fixture f;
  QWidget other(&f.host);
  other.setFocusPolicy(Qt::StrongFocus);
  other.show();
  giveFocusTo(&other);
  QVERIFY(!f.calc->hasFocus());
  const QRect equals = f.calc->buttonFor(CalculatorKey::Equals).rect;
  const QImage unfocused = grabImage(f.calc).copy(equals);
  giveFocusTo(f.calc);
  QVERIFY(f.calc->hasFocus());
  const QImage focused = grabImage(f.calc).copy(equals);
  QVERIFY(focused != unfocused);
  // Only "=" changes with the focus.
  const QRect eight = f.calc->buttonFor(CalculatorKey::Digit8).rect;
  giveFocusTo(&other);
  const QImage eightUnfocused = grabImage(f.calc).copy(eight);
  giveFocusTo(f.calc);
  QCOMPARE(grabImage(f.calc).copy(eight), eightUnfocused);
}

void TestCalculatorControl::arrowsMoveBetweenKeys_data() {
  QTest::addColumn<int>("from");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("to");
  QTest::newRow("= left") << int(CalculatorKey::Equals) << int(Qt::Key_Left) << int(CalculatorKey::Add);
  QTest::newRow("= up") << int(CalculatorKey::Equals) << int(Qt::Key_Up) << int(CalculatorKey::Reciprocal);
  QTest::newRow("7 right") << int(CalculatorKey::Digit7) << int(Qt::Key_Right) << int(CalculatorKey::Digit8);
  QTest::newRow("8 down") << int(CalculatorKey::Digit8) << int(Qt::Key_Down) << int(CalculatorKey::Digit5);
  QTest::newRow("0 left into the memory column")
      << int(CalculatorKey::Digit0) << int(Qt::Key_Left) << int(CalculatorKey::MemorySubtract);
  QTest::newRow("MC down") << int(CalculatorKey::MemoryClear) << int(Qt::Key_Down)
                           << int(CalculatorKey::MemoryRecall);
  QTest::newRow("= right: the edge holds")
      << int(CalculatorKey::Equals) << int(Qt::Key_Right) << int(CalculatorKey::Equals);
  QTest::newRow("= down: the edge holds")
      << int(CalculatorKey::Equals) << int(Qt::Key_Down) << int(CalculatorKey::Equals);
}

void TestCalculatorControl::arrowsMoveBetweenKeys() {
  QFETCH(int, from);
  QFETCH(int, key);
  QFETCH(int, to);
  Fixture f;
  giveFocusTo(f.calc);
  QCOMPARE(f.calc->focusedKey(), CalculatorKey::Equals);  // where the dotted frame has always been
  f.calc->setFocusedKey(CalculatorKey(from));
  QTest::keyClick(f.calc, Qt::Key(key));
  QCOMPARE(int(f.calc->focusedKey()), to);
  // The arrows type nothing.
  QCOMPARE(f.calc->shownText(), QStringLiteral("0 "));
}

void TestCalculatorControl::spacePressesTheFocusedKey() {
  Fixture f;
  giveFocusTo(f.calc);
  const QRect seven = f.calc->buttonFor(CalculatorKey::Digit7).rect;
  const QImage before = grabImage(f.calc).copy(seven);
  f.calc->setFocusedKey(CalculatorKey::Digit7);
  // The dotted frame moves with the keyboard.
  QVERIFY(grabImage(f.calc).copy(seven) != before);
  QTest::keyClick(f.calc, Qt::Key_Space);
  QTest::keyClick(f.calc, Qt::Key_Space);
  QCOMPARE(f.calc->shownText(), QStringLiteral("77 "));
  // A grey memory key ignores Space as it ignores a click.
  f.calc->setFocusedKey(CalculatorKey::MemoryRecall);
  QTest::keyClick(f.calc, Qt::Key_Space);
  QCOMPARE(f.calc->shownText(), QStringLiteral("77 "));
}

void TestCalculatorControl::colourSchemes_data() {
  QTest::addColumn<int>("scheme");
  QTest::addColumn<QList<QColor>>("colours");
  QTest::newRow("dark") << int(CalculatorColorScheme::Dark)
                        << QList<QColor>{cl::Gray, cl::Black, cl::Aqua,   cl::Black,
                                         cl::Teal, cl::Navy,  cl::Maroon, cl::Blue};
  QTest::newRow("ocean") << int(CalculatorColorScheme::Ocean)
                         << QList<QColor>{cl::Gray, cl::Aqua, cl::Black, cl::Purple,
                                          cl::Navy, cl::Navy, cl::Aqua,  cl::Blue};
  QTest::newRow("plain") << int(CalculatorColorScheme::Plain)
                         << QList<QColor>{cl::Gray, cl::White, cl::Navy, cl::Black,
                                          cl::Navy, cl::Navy,  cl::Blue, cl::Blue};
  QTest::newRow("windows") << int(CalculatorColorScheme::Windows)
                           << QList<QColor>{cl::Gray,
                                            systemColor(SysColor::Window),
                                            systemColor(SysColor::WindowText),
                                            cl::Maroon,
                                            cl::Navy,
                                            cl::Red,
                                            cl::Blue,
                                            cl::Red};
}

void TestCalculatorControl::colourSchemes() {
  QFETCH(int, scheme);
  QFETCH(QList<QColor>, colours);
  CalculatorColors colors;
  colors.setColorScheme(CalculatorColorScheme::Dark);
  colors.setColorScheme(CalculatorColorScheme(scheme));
  QCOMPARE(int(colors.colorScheme()), scheme);
  for (int i = 0; i < CalculatorColors::ColorCount; ++i) QCOMPARE(colors.color(i), colours[i]);
  // Custom keeps the colours as they are.
  colors.setColorScheme(CalculatorColorScheme::Custom);
  for (int i = 0; i < CalculatorColors::ColorCount; ++i) QCOMPARE(colors.color(i), colours[i]);
}

void TestCalculatorControl::singleColourMakesSchemeCustom() {
  Fixture f;
  CalculatorColors& colors = f.calc->colors();
  colors.setColorScheme(CalculatorColorScheme::Ocean);
  colors.setDisplay(cl::Yellow);
  QCOMPARE(colors.colorScheme(), CalculatorColorScheme::Custom);
  QCOMPARE(colors.displayText(), cl::Black);
  const QRect display = f.calc->display()->geometry();
  QVERIFY(countColour(grabImage(f.calc), display, cl::Yellow) > display.width() * display.height() / 2);

  CalculatorColors copy;
  copy.setColorScheme(CalculatorColorScheme::Dark);
  colors.assign(copy);
  QCOMPARE(colors.colorScheme(), CalculatorColorScheme::Dark);
  QCOMPARE(colors.display(), cl::Black);
  QVERIFY(countColour(grabImage(f.calc), display, cl::Black) > display.width() * display.height() / 2);
}

QTEST_MAIN(TestCalculatorControl)
#include "tst_calculator_pad.moc"
