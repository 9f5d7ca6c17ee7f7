#include <QTest>

#include "core/text_rules.h"

using namespace orvane;

class TextRulesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void textToNumber_data();
  void textToNumber();
  void textToNumberFails_data();
  void textToNumberFails();
  void textToInteger_data();
  void textToInteger();
  void trimming_data();
  void trimming();
  void fractionToDecimal_data();
  void fractionToDecimal();
  void fractionToDecimalFails_data();
  void fractionToDecimalFails();
  void inchText();
  void formatFixed_data();
  void formatFixed();
  void formatGeneral_data();
  void formatGeneral();
  void finalDot_data();
  void finalDot();
  void quotedTextIsIsolated_data();
  void quotedTextIsIsolated();
  void longQuotedTextIsShortenedWhole();
  void checkedArithmetic();
  void messagesSurviveANul();
  void negativeSizesAreRefused();
};

void TextRulesTest::textToNumber_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<double>("expected");
  QTest::newRow("plain") << "2.3" << 2.3;
  QTest::newRow("lone point") << "." << 0.0;
  QTest::newRow("trailing point") << "5." << 5.0;
  QTest::newRow("leading point") << ".25" << 0.25;
  QTest::newRow("spaces around") << "  12.5  " << 12.5;
  QTest::newRow("signs") << "-3.5" << -3.5;
  QTest::newRow("plus") << "+7" << 7.0;
  QTest::newRow("exponent") << "1.5E3" << 1500.0;
  QTest::newRow("small exponent") << "2e-2" << 0.02;
  QTest::newRow("signed exponent") << "1E+2" << 100.0;
}

void TextRulesTest::textToNumber() {
  QFETCH(QString, text);
  QFETCH(double, expected);
  QCOMPARE(double(orvane::textToNumber(text)), expected);
}

void TextRulesTest::textToNumberFails_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("empty") << "";
  QTest::newRow("blank") << "   ";
  QTest::newRow("two points") << "1.2.3";
  QTest::newRow("letters") << "abc";
  QTest::newRow("inner space") << "1 2";
  QTest::newRow("comma") << "1,5";
  QTest::newRow("sign only") << "-";
  QTest::newRow("exponent without digits") << "1E";
  QTest::newRow("range text") << "0.80 - 0.90";
  QTest::newRow("overflow") << "1E99999";
  QTest::newRow("fraction") << "1/2";
}

void TextRulesTest::textToNumberFails() {
  QFETCH(QString, text);
  try {
    orvane::textToNumber(text);
    QFAIL("no error");
  } catch (const ConversionError& e) {
    QCOMPARE(QString::fromStdString(e.what()),
             QStringLiteral("'%1' is not a valid floating point value").arg(text));
  }
}

void TextRulesTest::textToInteger_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("valid");
  QTest::addColumn<int>("expected");
  QTest::newRow("plain") << "42" << true << 42;
  QTest::newRow("leading blanks") << "  7" << true << 7;
  QTest::newRow("negative") << "-12" << true << -12;
  QTest::newRow("max") << "2147483647" << true << 2147483647;
  QTest::newRow("min") << "-2147483648" << true << int(-2147483648LL);
  QTest::newRow("too big") << "2147483648" << false << 0;
  QTest::newRow("trailing blank") << "7 " << false << 0;
  QTest::newRow("empty") << "" << false << 0;
  QTest::newRow("decimal") << "1.5" << false << 0;
  QTest::newRow("sign only") << "+" << false << 0;
}

void TextRulesTest::textToInteger() {
  QFETCH(QString, text);
  QFETCH(bool, valid);
  QFETCH(int, expected);
  // The reader that does not throw agrees with the one that does.
  QCOMPARE(readInteger(text).has_value(), valid);
  if (valid) QCOMPARE(*readInteger(text), expected);
  try {
    const int v = orvane::textToInteger(text);
    QVERIFY(valid);
    QCOMPARE(v, expected);
  } catch (const ConversionError& e) {
    QVERIFY(!valid);
    QCOMPARE(QString::fromStdString(e.what()), QStringLiteral("'%1' is not a valid integer value").arg(text));
  }
}

// Spaces only at both ends for the number rules; control characters as well
// for texts read from a file or a pasted box.
void TextRulesTest::trimming_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("spaces");
  QTest::addColumn<QString>("blanks");
  QTest::newRow("spaces") << "  1 1/2  "
                          << "1 1/2"
                          << "1 1/2";
  QTest::newRow("tab and CR") << "\t 4 \r"
                              << "\t 4 \r"
                              << "4";
  QTest::newRow("inner kept") << " a \t b "
                              << "a \t b"
                              << "a \t b";
  QTest::newRow("only blanks") << " \t "
                               << "\t"
                               << "";
  QTest::newRow("empty") << ""
                         << ""
                         << "";
}

void TextRulesTest::trimming() {
  QFETCH(QString, text);
  QTEST(trimSpaces(text), "spaces");
  QTEST(trimBlanks(text), "blanks");
}

void TextRulesTest::fractionToDecimal_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<double>("expected");
  QTest::addColumn<double>("lookup");  // what the size look-ups key on
  QTest::newRow("eighth") << "1/8" << 0.125 << 0.125;
  QTest::newRow("mixed") << "1 1/2" << 1.5 << 1.5;
  QTest::newRow("spaces around") << "  3/4  " << 0.75 << 0.75;
  QTest::newRow("sixteenth") << "1/16" << 0.0625 << double(0.062f);
  QTest::newRow("three sixteenths") << "3/16" << 0.1875 << double(0.188f);
  QTest::newRow("sixty-fourth") << "1/64" << 0.015625 << double(0.016f);
  QTest::newRow("mixed sixty-fourths") << "1 63/64" << 1.984375 << double(1.984f);
  QTest::newRow("third") << "1/3" << double(1.0L / 3) << double(0.333f);
  QTest::newRow("two thirds") << "2/3" << double(2.0L / 3) << double(0.667f);
  QTest::newRow("empty numerator") << "/4" << 0.0 << 0.0;
  QTest::newRow("decimal whole part") << "1.5 1/2" << 2.0 << 2.0;
  QTest::newRow("mixed with many spaces") << "17  1/2" << 17.5 << 17.5;
  QTest::newRow("numerator that a thousandfold would overflow") << "3000000/4" << 750000.0 << 750000.0;
}

void TextRulesTest::fractionToDecimal() {
  QFETCH(QString, text);
  QFETCH(double, expected);
  QFETCH(double, lookup);
  QCOMPARE(double(orvane::fractionToDecimal(text)), expected);
  QCOMPARE(double(inchTextToNumber(text)), expected);
  QCOMPARE(double(inchLookupValue(text)), lookup);
}

void TextRulesTest::fractionToDecimalFails_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("message");
  QTest::newRow("empty denominator") << "1/"
                                     << "convert"
                                     << "'' is not a valid integer value";
  QTest::newRow("zero denominator") << "1/0"
                                    << "math"
                                    << "Floating point division by zero";
  QTest::newRow("zero over zero") << "0/0"
                                  << "math"
                                  << "Invalid floating point operation";
  QTest::newRow("decimal numerator") << "1.5/2"
                                     << "convert"
                                     << "'1.5' is not a valid integer value";
  QTest::newRow("space after slash") << "1 1/ 2"
                                     << "convert"
                                     << "'1 1/' is not a valid floating point value";
  QTest::newRow("letter") << "1/x"
                          << "fraction"
                          << "Cannot convert Fraction to Decimal.";
  QTest::newRow("minus") << "-1/2"
                         << "fraction"
                         << "Cannot convert Fraction to Decimal.";
  QTest::newRow("two slashes") << "1/2/3"
                               << "convert"
                               << "'1/2' is not a valid integer value";
  QTest::newRow("numerator beyond 32 bits") << "3000000000/4"
                                            << "convert"
                                            << "'3000000000' is not a valid integer value";
}

void TextRulesTest::fractionToDecimalFails() {
  QFETCH(QString, text);
  QFETCH(QString, kind);
  QFETCH(QString, message);
  try {
    orvane::fractionToDecimal(text);
    QFAIL("no error");
  } catch (const ConversionError& e) {
    QCOMPARE(kind, QStringLiteral("convert"));
    QCOMPARE(QString::fromStdString(e.what()), message);
  } catch (const MathError& e) {
    QCOMPARE(kind, QStringLiteral("math"));
    QCOMPARE(QString::fromStdString(e.what()), message);
  } catch (const FractionError& e) {
    QCOMPARE(kind, QStringLiteral("fraction"));
    QCOMPARE(QString::fromStdString(e.what()), message);
  }
}

void TextRulesTest::inchText() {
  QCOMPARE(double(inchTextToNumber("0.25")), 0.25);
  QCOMPARE(double(inchTextToNumber("1 1/8")), 1.125);
  QVERIFY_THROWS_EXCEPTION(ConversionError, inchTextToNumber("1 1"));
}

void TextRulesTest::formatFixed_data() {
  QTest::addColumn<double>("value");
  QTest::addColumn<bool>("single");
  QTest::addColumn<int>("precision");
  QTest::addColumn<int>("decimals");
  QTest::addColumn<QString>("expected");
  QTest::newRow("half up") << 0.125 << false << 6 << 2 << "0.13";
  QTest::newRow("filled zeros") << 25.4 << false << 9 << 5 << "25.40000";
  QTest::newRow("precision bound") << 12345.678 << false << 6 << 2 << "12345.70";
  QTest::newRow("exponent form") << 1234567.0 << false << 6 << 2 << "1.23457E6";
  QTest::newRow("one inch in mm") << 25.4 << true << 9 << 5 << "25.40000";
  QTest::newRow("zero") << 0.0 << false << 10 << 5 << "0.00000";
  QTest::newRow("negative") << -2.5 << false << 6 << 2 << "-2.50";
  QTest::newRow("rounds to zero") << 0.001 << false << 6 << 2 << "0.00";
  QTest::newRow("carry") << 9.999 << false << 6 << 2 << "10.00";
  QTest::newRow("carry into exponent form") << 999999.999 << false << 6 << 2 << "1E6";
  QTest::newRow("big") << 1e20 << false << 6 << 2 << "1E20";
  QTest::newRow("beads per inch") << 8.0 << false << 6 << 2 << "8.00";
  QTest::newRow("strand") << 17.5 * 8.0 << false << 6 << 2 << "140.00";
}

void TextRulesTest::formatFixed() {
  QFETCH(double, value);
  QFETCH(bool, single);
  QFETCH(int, precision);
  QFETCH(int, decimals);
  QFETCH(QString, expected);
  const long double v = single ? static_cast<long double>(static_cast<float>(value)) : value;
  QCOMPARE(orvane::formatFixed(v, precision, decimals), expected);
}

void TextRulesTest::formatGeneral_data() {
  QTest::addColumn<QString>("value");  // parsed, so the case keeps extended precision
  QTest::addColumn<QString>("expected");
  QTest::newRow("zero") << "0"
                        << "0";
  QTest::newRow("negative zero") << "-0"
                                 << "0";
  QTest::newRow("integer") << "500"
                           << "500";
  QTest::newRow("fraction") << "1234.5"
                            << "1234.5";
  QTest::newRow("15 digits") << "123456789012345"
                             << "123456789012345";
  QTest::newRow("1E15") << "1E15"
                        << "1E15";
  QTest::newRow("1.5E-10") << "1.5E-10"
                           << "1.5E-10";
  QTest::newRow("1E-5") << "0.00001"
                        << "1E-5";
  QTest::newRow("0.0001") << "0.0001"
                          << "0.0001";
  QTest::newRow("0.05") << "0.05"
                        << "0.05";
  QTest::newRow("2.5E16") << "25000000000000000"
                          << "2.5E16";
  QTest::newRow("negative") << "-12.25"
                            << "-12.25";
  QTest::newRow("rounded to 15") << "0.1234567890123456789"
                                 << "0.123456789012346";
  // Digits 16 to 18 read 499: rounding to 18 digits first would make them 500.
  QTest::newRow("rounded once") << "9.6436507609929549957"
                                << "9.64365076099295";
  QTest::newRow("rounded once, negative") << "-9.6436507609929549957"
                                          << "-9.64365076099295";
  QTest::newRow("exact half rounds up") << "1234567890123455"
                                        << "1.23456789012346E15";
  QTest::newRow("nines carry") << "999999999999999.5"
                               << "1E15";
}

void TextRulesTest::formatGeneral() {
  QFETCH(QString, value);
  QFETCH(QString, expected);
  QCOMPARE(orvane::formatGeneral(orvane::textToNumber(value)), expected);
}

void TextRulesTest::finalDot_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("expected");
  QTest::newRow("added") << "Floating point division by zero"
                         << "Floating point division by zero.";
  QTest::newRow("kept") << "Done."
                        << "Done.";
  QTest::newRow("below point") << "value (x)"
                               << "value (x)";
  QTest::newRow("quote") << "'1.2.3' is not a valid floating point value"
                         << "'1.2.3' is not a valid floating point value.";
}

void TextRulesTest::finalDot() {
  QFETCH(QString, text);
  QFETCH(QString, expected);
  QCOMPARE(withFinalDot(text), expected);
}

// The quoted text of a message is set apart when it can change the direction
// of the sentence, so a right-to-left mark or word cannot turn it around.
void TextRulesTest::quotedTextIsIsolated_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("quoted");  // between the quotes of the message
  QTest::newRow("left to right only") << "1.2.3"
                                      << "1.2.3";
  QTest::newRow("right-to-left mark") << "\u200F1.2.3"
                                      << "\u2068\u200F1.2.3\u2069";
  QTest::newRow("hebrew word") << "\u05E9\u05DC\u05D5\u05DD"
                               << "\u2068\u05E9\u05DC\u05D5\u05DD\u2069";
  QTest::newRow("arabic digits") << "\u0661\u0662"
                                 << "\u2068\u0661\u0662\u2069";
  QTest::newRow("override left open") << "\u202E12"
                                      << "\u2068\u202E12\u2069";
  QTest::newRow("isolate left open") << "\u20671"
                                     << "\u2068\u20671\u2069\u2069";
  QTest::newRow("closing mark of its own") << "\u20692"
                                           << "\u20682\u2069";
  QTest::newRow("nul shown") << QString(QStringLiteral("4\u00002")) << "4\u24002";
}

void TextRulesTest::quotedTextIsIsolated() {
  QFETCH(QString, text);
  QFETCH(QString, quoted);
  QCOMPARE(quotedText(text), quoted);
  // The conversion messages quote through it.
  try {
    orvane::textToNumber(text);
    QFAIL("read as a number");
  } catch (const ConversionError& e) {
    QCOMPARE(QString::fromStdString(e.what()),
             u'\'' + quoted + QStringLiteral("' is not a valid floating point value"));
  }
}

// A very long text loses its middle, never half a character, and stays
// isolated as a whole.
void TextRulesTest::longQuotedTextIsShortenedWhole() {
  const QString emoji = QStringLiteral("\U0001F48E");
  for (int shift : {0, 1}) {
    const QString text =
        QString(99 + shift, u'\u05D0') + emoji + QString(2000, u'1') + emoji + QString(99 + shift, u'2');
    const QString quoted = quotedText(text);
    QVERIFY(quoted.size() < 220);
    QVERIFY(quoted.isValidUtf16());
    QVERIFY(quoted.startsWith(QStringLiteral("\u2068\u05D0")));
    QVERIFY(quoted.endsWith(QStringLiteral("2\u2069")));
    QVERIFY(quoted.contains(QStringLiteral(" \u2026 ")));
  }
}

void TextRulesTest::checkedArithmetic() {
  QVERIFY_THROWS_EXCEPTION(MathError, checkedDivide(1, 0));
  QVERIFY_THROWS_EXCEPTION(MathError, storeSingle(1e300L));
  QCOMPARE(storeSingle(1.0L / 25.4L), float(1.0L / 25.4L));
  QCOMPARE(orvane::formatFixed(storeSingle(1.0L / 25.4L), 10, 5), QStringLiteral("0.03937"));
}

// what() is a C string: a NUL inside the quoted text must not end it.
void TextRulesTest::messagesSurviveANul() {
  const QString pasted = QStringLiteral("4") + QChar(u'\0') + QStringLiteral("2");
  try {
    orvane::textToNumber(pasted);
    QFAIL("no error");
  } catch (const ConversionError& e) {
    QCOMPARE(QString::fromStdString(e.what()),
             QStringLiteral("'4\u24002' is not a valid floating point value"));
  }
}

void TextRulesTest::negativeSizesAreRefused() {
  QCOMPARE(double(notNegative(0, QStringLiteral("0"))), 0.0);
  QCOMPARE(double(notNegative(2.5L, QStringLiteral("2.5"))), 2.5);
  try {
    notNegative(-5, QStringLiteral("-5"));
    QFAIL("no error");
  } catch (const ConversionError& e) {
    QCOMPARE(QString::fromStdString(e.what()),
             QStringLiteral("'-5' is below zero: a size or length cannot be negative"));
  }
}

QTEST_GUILESS_MAIN(TextRulesTest)
#include "tst_text_rules.moc"
