#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include "core/calculator_engine.h"

using namespace orvane;

namespace {

// Presses a whitespace-separated key sequence: button names ("+/-", "sqrt",
// "1/x", "CE", "MS", ...) or runs of digits and points typed one by one.
void press(CalculatorEngine& engine, const QString& sequence) {
  static const QHash<QString, CalculatorKey> names = {{"+", CalculatorKey::Add},
                                                      {"-", CalculatorKey::Subtract},
                                                      {"*", CalculatorKey::Multiply},
                                                      {"/", CalculatorKey::Divide},
                                                      {"=", CalculatorKey::Equals},
                                                      {"%", CalculatorKey::Percent},
                                                      {"sqrt", CalculatorKey::SquareRoot},
                                                      {"1/x", CalculatorKey::Reciprocal},
                                                      {"+/-", CalculatorKey::ChangeSign},
                                                      {"C", CalculatorKey::Clear},
                                                      {"CE", CalculatorKey::ClearEntry},
                                                      {"Back", CalculatorKey::Back},
                                                      {"MC", CalculatorKey::MemoryClear},
                                                      {"MR", CalculatorKey::MemoryRecall},
                                                      {"MS", CalculatorKey::MemoryStore},
                                                      {"M+", CalculatorKey::MemoryAdd},
                                                      {"M-", CalculatorKey::MemorySubtract}};
  for (const QString& token : sequence.split(u' ', Qt::SkipEmptyParts)) {
    if (auto it = names.find(token); it != names.end()) {
      engine.pressButton(*it);
      continue;
    }
    for (const QChar ch : token) {
      QVERIFY2((ch >= u'0' && ch <= u'9') || ch == u'.', qPrintable("bad token " + token));
      engine.pressButton(ch == u'.' ? CalculatorKey::Decimal
                                    : keyAt(keyIndex(CalculatorKey::Digit0) + (ch.unicode() - u'0')));
    }
  }
}

}  // namespace

class TestCalcEngine : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void startsCleared();
  void sequences_data();
  void sequences();
  void eachKeyShows_data();
  void eachKeyShows();
  void errorStateRefusesAllButC();
  void memorySurvivesClearAndReportsChanges();
  void memoryOverflowResetsMemory();
  void characterMapping_data();
  void characterMapping();
  void pasteAndTextAssignment_data();
  void pasteAndTextAssignment();
  void emptyPasteChangesNothing();
  void pasteWithCommaAndPointIsRefused_data();
  void pasteWithCommaAndPointIsRefused();
  void longPasteMatchesKeyByKey_data();
  void longPasteMatchesKeyByKey();
  void longPasteIsOneQuickAction();
  void buttonPressedNotification();
};

void TestCalcEngine::startsCleared() {
  CalculatorEngine engine;
  QCOMPARE(engine.shownText(), QStringLiteral("0 "));
  QCOMPARE(double(engine.memory()), 0.0);
  QVERIFY(!engine.hasError());
}

void TestCalcEngine::sequences_data() {
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("display");
  QTest::addColumn<int>("alerts");

  QTest::newRow("leading zeros absorbed") << "0 0 7"
                                          << "7 " << 0;
  QTest::newRow("zeros after the point stay") << "0 . 0 5"
                                              << "0.05 " << 0;
  QTest::newRow("trailing point stays visible") << "12."
                                                << "12. " << 0;
  QTest::newRow("second point ignored") << "1.2.3"
                                        << "1.23 " << 0;
  QTest::newRow("no precedence") << "2 + 3 * 4 ="
                                 << "20 " << 0;
  QTest::newRow("second = re-shows") << "2 + 3 * 4 = ="
                                     << "20 " << 0;
  QTest::newRow("one third") << "1 / 3 ="
                             << "0.333333333333333 " << 0;
  QTest::newRow("two thirds rounds up") << "2 / 3 ="
                                        << "0.666666666666667 " << 0;
  QTest::newRow("subtract to negative") << "3 - 10 ="
                                        << "-7 " << 0;
  QTest::newRow("percent after +") << "200 + 10 %"
                                   << "220 " << 0;
  QTest::newRow("percent after -") << "200 - 10 %"
                                   << "180 " << 0;
  QTest::newRow("percent after *") << "200 * 10 %"
                                   << "20 " << 0;
  QTest::newRow("percent after /") << "200 / 10 %"
                                   << "2000 " << 0;
  QTest::newRow("percent alone") << "C 50 %"
                                 << "0.5 " << 0;
  QTest::newRow("1 / 0 is an error") << "1 / 0 ="
                                     << "****** " << 1;
  QTest::newRow("0 / 0 is an error") << "0 / 0 ="
                                     << "****** " << 1;
  QTest::newRow("digit refused in error") << "1 / 0 = 5"
                                          << "****** " << 2;
  QTest::newRow("C leaves the error") << "1 / 0 = 5 C"
                                      << "0 " << 2;
  QTest::newRow("calculating after C") << "1 / 0 = C 4 + 4 ="
                                       << "8 " << 1;
  QTest::newRow("reciprocal of 0") << "0 1/x"
                                   << "****** " << 1;
  QTest::newRow("reciprocal") << "8 1/x"
                              << "0.125 " << 0;
  QTest::newRow("root of negative") << "9 +/- sqrt"
                                    << "****** " << 1;
  QTest::newRow("root") << "2 sqrt"
                        << "1.4142135623731 " << 0;
  // 9.64365076099295499...: the display rounds the value once, not twice.
  QTest::newRow("root rounded once") << "9 3 sqrt"
                                     << "9.64365076099295 " << 0;
  QTest::newRow("pending * on zero operand") << "5 * +"
                                             << "0 " << 0;
  QTest::newRow("pending / on zero operand") << "5 / +"
                                             << "****** " << 1;
  QTest::newRow("sign change while typing") << "5 +/- 3"
                                            << "53 " << 0;
  QTest::newRow("typed sign kept to =") << "5 +/- 3 ="
                                        << "-53 " << 0;
  QTest::newRow("typed sign in a sum") << "10 + 5 +/- 3 ="
                                       << "-43 " << 0;
  QTest::newRow("digit after = starts afresh") << "2 + 2 = 7 + 1 ="
                                               << "8 " << 0;
  QTest::newRow("operator after = continues") << "2 + 2 = + 1 ="
                                              << "5 " << 0;
  QTest::newRow("CE then point") << "12 CE ."
                                 << ". " << 0;
  QTest::newRow("CE then point then digit") << "12 CE . 5"
                                            << ".5 " << 0;
  QTest::newRow("CE keeps the pending sum") << "7 + 12 CE 3 ="
                                            << "10 " << 0;
  QTest::newRow("1E15") << "1000000 * 1000000000 ="
                        << "1E15 " << 0;
  QTest::newRow("15 digits stay fixed") << "123456789012345"
                                        << "123456789012345 " << 0;
  QTest::newRow("1E-5") << "0.00001 ="
                        << "1E-5 " << 0;
  QTest::newRow("0.0001 stays fixed") << "0.0001 ="
                                      << "0.0001 " << 0;
  QTest::newRow("Back removes a character") << "123 Back"
                                            << "12 " << 0;
  QTest::newRow("Back keeps the value") << "123 Back + 1 ="
                                        << "13 " << 0;
  QTest::newRow("Back on one character") << "5 Back"
                                         << "0 " << 0;
  QTest::newRow("Back to a trailing point") << "1.5 Back"
                                            << "1. " << 0;
  // Squaring 1E9 ten times passes the extended range (about 1.19E4932).
  QTest::newRow("overflow is an error")
      << QString("1000000000" + QString(" MS * MR =").repeated(10)) << "****** " << 1;
  QTest::newRow("largest squares still shown")
      << QString("1000000000" + QString(" MS * MR =").repeated(9)) << "1E4608 " << 0;
  QTest::newRow("memory round trip") << "7 MS C MR"
                                     << "7 " << 0;
  QTest::newRow("memory add and subtract") << "7 MS 5 M+ 2 M- MR"
                                           << "10 " << 0;
  QTest::newRow("MC empties memory") << "7 MS MC MR"
                                     << "0 " << 0;
  QTest::newRow("recall into a sum") << "4 MS C 10 + MR ="
                                     << "14 " << 0;
  QTest::newRow("MS then digit starts anew") << "7 MS 3"
                                             << "3 " << 0;
  // A new number never inherits the sign of a value it replaces on screen.
  QTest::newRow("digit after negative recall") << "4 +/- MS C MR 3 ="
                                               << "3 " << 0;
  QTest::newRow("digit after a negated result") << "2 + 3 = +/- 7 ="
                                                << "7 " << 0;
  QTest::newRow("no leading zero after a result") << "2 + 3 = +/- 7 8"
                                                  << "78 " << 0;
  QTest::newRow("no leading zero after Back") << "0. Back 7"
                                              << "7 " << 0;
  QTest::newRow("digit after root starts anew") << "9 sqrt 1"
                                                << "1 " << 0;
  QTest::newRow("digit after reciprocal starts anew") << "4 1/x 5 ="
                                                      << "5 " << 0;
  QTest::newRow("point after Back starts anew") << "5 Back . 5"
                                                << "0.5 " << 0;
  QTest::newRow("point after recall starts anew") << "7 MS 2 MR . 5"
                                                  << "0.5 " << 0;
  QTest::newRow("Back after recall") << "7 MS 123 MR Back"
                                     << "0 " << 0;
}

void TestCalcEngine::sequences() {
  QFETCH(QString, keys);
  QFETCH(QString, display);
  QFETCH(int, alerts);
  int heard = 0;
  CalculatorEngine engine;
  QObject::connect(&engine, &CalculatorEngine::alerted, [&] { ++heard; });
  press(engine, keys);
  QCOMPARE(engine.shownText(), display);
  QCOMPARE(heard, alerts);
}

// The display after each single press of a sequence.
void TestCalcEngine::eachKeyShows_data() {
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QStringList>("displays");
  QTest::newRow("zeros then seven") << "0 0 7" << QStringList{"0 ", "0 ", "7 "};
  QTest::newRow("zero point zero five") << "0 . 0 5" << QStringList{"0 ", "0. ", "0.0 ", "0.05 "};
  QTest::newRow("immediate execution") << "2 + 3 * 4 =" << QStringList{"2 ", "2 ", "3 ", "5 ", "4 ", "20 "};
  QTest::newRow("sign change") << "5 +/- 3 =" << QStringList{"5 ", "-5 ", "53 ", "-53 "};
}

void TestCalcEngine::eachKeyShows() {
  QFETCH(QString, keys);
  QFETCH(QStringList, displays);
  CalculatorEngine engine;
  const QStringList tokens = keys.split(u' ');
  QCOMPARE(tokens.size(), displays.size());
  for (int i = 0; i < tokens.size(); ++i) {
    press(engine, tokens[i]);
    QCOMPARE(engine.shownText(), displays[i]);
  }
}

void TestCalcEngine::errorStateRefusesAllButC() {
  int alerts = 0;
  CalculatorEngine engine;
  QObject::connect(&engine, &CalculatorEngine::alerted, [&] { ++alerts; });
  press(engine, "6 MS 1 / 0 =");
  QCOMPARE(alerts, 1);
  QVERIFY(engine.hasError());
  for (int b = keyIndex(CalculatorKey::Back); b < kCalculatorKeyCount; ++b) {
    if (b == keyIndex(CalculatorKey::Clear)) continue;
    engine.pressButton(CalculatorKey(b));
    QCOMPARE(engine.shownText(), QStringLiteral("****** "));
  }
  QCOMPARE(alerts, 1 + kCalculatorKeyCount - 2);
  QCOMPARE(double(engine.memory()), 6.0);  // MC was refused too
  engine.pressButton(CalculatorKey::Clear);
  QCOMPARE(engine.shownText(), QStringLiteral("0 "));
  QVERIFY(!engine.hasError());
  press(engine, "MR");
  QCOMPARE(engine.shownText(), QStringLiteral("6 "));
}

void TestCalcEngine::memorySurvivesClearAndReportsChanges() {
  CalculatorEngine engine;
  int changes = 0;
  QObject::connect(&engine, &CalculatorEngine::memoryChanged, [&] { ++changes; });
  press(engine, "0 MS");
  QCOMPARE(changes, 0);  // storing zero keeps the memory empty
  press(engine, "7 MS");
  QCOMPARE(changes, 1);
  press(engine, "3 M+");
  QCOMPARE(changes, 1);  // non-zero to non-zero is no change of state
  QCOMPARE(double(engine.memory()), 10.0);
  press(engine, "C");
  QCOMPARE(double(engine.memory()), 10.0);
  press(engine, "10 M-");
  QCOMPARE(changes, 2);
  QCOMPARE(double(engine.memory()), 0.0);
  press(engine, "4 MS MC");
  QCOMPARE(changes, 4);
}

void TestCalcEngine::memoryOverflowResetsMemory() {
  int alerts = 0;
  CalculatorEngine engine;
  QObject::connect(&engine, &CalculatorEngine::alerted, [&] { ++alerts; });
  // 1E4932 is just below the largest extended value; twice it is not.
  press(engine, "1000000000" + QString(" MS * MR =").repeated(9));
  press(engine, "* 1" + QString(300, u'0') + " = * 1" + QString(24, u'0') + " =");
  QCOMPARE(engine.shownText(), QStringLiteral("1E4932 "));
  int memoryChanges = 0;
  QObject::connect(&engine, &CalculatorEngine::memoryChanged, [&] { ++memoryChanges; });
  press(engine, "MC MS");
  QCOMPARE(memoryChanges, 2);
  press(engine, "M+");
  QVERIFY(engine.hasError());
  QCOMPARE(engine.shownText(), QStringLiteral("****** "));
  QCOMPARE(double(engine.memory()), 0.0);
  QCOMPARE(memoryChanges, 3);
  QCOMPARE(alerts, 1);
}

void TestCalcEngine::characterMapping_data() {
  QTest::addColumn<QString>("chars");
  QTest::addColumn<QString>("display");
  QTest::addColumn<double>("memory");
  QTest::newRow("digits and operators") << "12+3*2="
                                        << "30 " << 0.0;
  QTest::newRow("minus and divide") << "9-1/4="
                                    << "2 " << 0.0;
  QTest::newRow("point") << "1.5"
                         << "1.5 " << 0.0;
  QTest::newRow("percent") << "200+10%"
                           << "220 " << 0.0;
  QTest::newRow("at sign is root") << "16@"
                                   << "4 " << 0.0;
  QTest::newRow("r is reciprocal") << "4r"
                                   << "0.25 " << 0.0;
  QTest::newRow("R does nothing") << "4R"
                                  << "4 " << 0.0;
  QTest::newRow("comma is the decimal point") << "1,5"
                                              << "1.5 " << 0.0;
  QTest::newRow("backspace") << "12\b"
                             << "1 " << 0.0;
  QTest::newRow("escape is C") << "12+3\x1b"
                               << "0 " << 0.0;
  QTest::newRow("Ctrl+P adds to memory") << "5\x10\x10"
                                         << "5 " << 10.0;
  QTest::newRow("Ctrl+S subtracts from memory") << "5\x13"
                                                << "5 " << -5.0;
  QTest::newRow("Ctrl+R recalls") << "5\x10\x1b\x12"
                                  << "5 " << 5.0;
  QTest::newRow("Ctrl+L clears memory") << "5\x10\x0c\x12"
                                        << "0 " << 0.0;
  QTest::newRow("Enter character maps to nothing") << "5\r"
                                                   << "5 " << 0.0;
  QTest::newRow("Ctrl+C and Ctrl+V need the control") << "5\x03\x16"
                                                      << "5 " << 0.0;
}

void TestCalcEngine::characterMapping() {
  QFETCH(QString, chars);
  QFETCH(QString, display);
  QFETCH(double, memory);
  CalculatorEngine engine;
  for (const QChar ch : chars) engine.pressChar(ch);
  QCOMPARE(engine.shownText(), display);
  QCOMPARE(double(engine.memory()), memory);
}

void TestCalcEngine::pasteAndTextAssignment_data() {
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("assigned");
  QTest::newRow("sum") << ""
                       << "12+3="
                       << "15 "
                       << "15 ";
  QTest::newRow("r is filtered only from a paste") << ""
                                                   << "2r"
                                                   << "2 "
                                                   << "0.5 ";
  QTest::newRow("clears what was there") << "9 + 9"
                                         << "1+1="
                                         << "2 "
                                         << "2 ";
  QTest::newRow("nothing accepted still clears") << "9 + 9"
                                                 << "abc"
                                                 << "0 "
                                                 << "0 ";
  QTest::newRow("blanks and letters skipped") << ""
                                              << " 3 x 4 * 2 = "
                                              << "68 "
                                              << "68 ";
  QTest::newRow("leaves the error state") << "1 / 0 ="
                                          << "7"
                                          << "7 "
                                          << "7 ";
  QTest::newRow("decimal commas") << ""
                                  << "2,5+1,25="
                                  << "3.75 "
                                  << "3.75 ";
  QTest::newRow("Escape character") << ""
                                    << "5\x1b"
                                       "6"
                                    << "56 "
                                    << "6 ";
}

void TestCalcEngine::pasteAndTextAssignment() {
  QFETCH(QString, before);
  QFETCH(QString, text);
  QFETCH(QString, pasted);
  QFETCH(QString, assigned);
  CalculatorEngine pasting, assigning;
  press(pasting, before);
  press(assigning, before);
  pasting.paste(text);
  assigning.setShownText(text);
  QCOMPARE(pasting.shownText(), pasted);
  QCOMPARE(assigning.shownText(), assigned);
}

void TestCalcEngine::pasteWithCommaAndPointIsRefused_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("German thousands") << "1.234,5";
  QTest::newRow("English thousands") << "1,234.5";
}

// Dropping one separator would make 1.2345 or 1234.5 of it without a word:
// the paste is refused with the alert and the calculation goes on.
void TestCalcEngine::pasteWithCommaAndPointIsRefused() {
  QFETCH(QString, text);
  CalculatorEngine engine;
  QSignalSpy alerts(&engine, &CalculatorEngine::alerted);
  press(engine, "9 + 8");
  engine.paste(text);
  QCOMPARE(engine.shownText(), QStringLiteral("8 "));
  QCOMPARE(alerts.size(), 1);
  press(engine, "=");
  QCOMPARE(engine.shownText(), QStringLiteral("17 "));
}

void TestCalcEngine::emptyPasteChangesNothing() {
  CalculatorEngine engine;
  press(engine, "9 + 8");
  engine.paste(QString());
  QCOMPARE(engine.shownText(), QStringLiteral("8 "));
  press(engine, "=");
  QCOMPARE(engine.shownText(), QStringLiteral("17 "));
}

// Long entries fed in one go are read once, not at every digit; the result
// must be what the same characters give typed one by one.
void TestCalcEngine::longPasteMatchesKeyByKey_data() {
  QTest::addColumn<QString>("text");
  const QString forty = QString(40, u'7');
  QTest::newRow("long sum") << forty + "+1=";
  QTest::newRow("long then operator then long") << forty + "/" + QString(35, u'3') + "=";
  QTest::newRow("many decimals") << "0." + QString(60, u'0') + "5*3=";
  QTest::newRow("long entry left open") << "12" + forty;
  QTest::newRow("second point in a long entry") << "1" + forty + "." + forty + "." + "9";
  QTest::newRow("zeros absorbed before a long entry") << QString(50, u'0') + forty;
  QTest::newRow("percent of a long entry") << "200+" + forty + "%";
  QTest::newRow("too large") << QString(5000, u'9') + "+1=";
  QTest::newRow("too large at the end") << QString(5000, u'9');
  QTest::newRow("equals then long entry") << "2+2=" + forty;
}

void TestCalcEngine::longPasteMatchesKeyByKey() {
  QFETCH(QString, text);
  int pasteAlerts = 0, keyAlerts = 0;
  CalculatorEngine pasting, typing;
  QObject::connect(&pasting, &CalculatorEngine::alerted, [&] { ++pasteAlerts; });
  QObject::connect(&typing, &CalculatorEngine::alerted, [&] { ++keyAlerts; });
  pasting.paste(text);
  for (const QChar ch : text) typing.pressChar(ch);
  QCOMPARE(pasting.shownText(), typing.shownText());
  QCOMPARE(pasting.hasError(), typing.hasError());
  // One paste is one action: it sounds at most once.
  QCOMPARE(pasteAlerts > 0, keyAlerts > 0);
  QVERIFY(pasteAlerts <= 1);
  // Carry on with the value, so what the engine holds counts, not only its text.
  press(pasting, "* 2 =");
  press(typing, "* 2 =");
  QCOMPARE(pasting.shownText(), typing.shownText());
}

// "0." and 100,000 digits: the display changes once, no key flashes, and it
// is done at once (bounds far above the few milliseconds it takes).
void TestCalcEngine::longPasteIsOneQuickAction() {
  const QString digits = QString(100000, u'3');
  CalculatorEngine engine;
  int displayChanges = 0, flashes = 0;
  QObject::connect(&engine, &CalculatorEngine::displayChanged, [&] { ++displayChanges; });
  QObject::connect(&engine, &CalculatorEngine::pressFeedback, [&](CalculatorKey, bool) { ++flashes; });
  QElapsedTimer timer;
  timer.start();
  engine.paste("0." + digits);
  QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
  QCOMPARE(engine.shownText(), "0." + digits + " ");
  QCOMPARE(displayChanges, 1);
  QCOMPARE(flashes, 0);
  timer.restart();
  press(engine, "* 3 =");
  QCOMPARE(engine.shownText(), QStringLiteral("1 "));
  engine.setShownText(QString(4000, u'3') + "." + digits + "+");
  QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
  QCOMPARE(engine.shownText(), QStringLiteral("3.33333333333333E3999 "));
}

void TestCalcEngine::buttonPressedNotification() {
  CalculatorEngine engine;
  QList<CalculatorKey> fired;
  QObject::connect(&engine, &CalculatorEngine::buttonPressed, [&](CalculatorKey b) { fired << b; });
  press(engine, "1 / 0 = 5 C");
  // The failing = is reported; the 5 refused by the error state is not.
  QCOMPARE(fired, (QList<CalculatorKey>{CalculatorKey::Digit1, CalculatorKey::Divide, CalculatorKey::Digit0,
                                        CalculatorKey::Equals, CalculatorKey::Clear}));
}

QTEST_GUILESS_MAIN(TestCalcEngine)
#include "tst_calculator_engine.moc"
