#include <QTest>

#include "core/text_rules.h"
#include "core/worksheet_rows.h"

using namespace orvane;

class WorksheetRowsTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void lenientBeadCount_data();
  void lenientBeadCount();
  void rowNumbers_data();
  void rowNumbers();
  void totalKeepsEveryLength();
  void zeroSizeIsADivisionByZero();
};

void WorksheetRowsTest::lenientBeadCount_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("count");
  QTest::newRow("plain") << "12" << 12;
  QTest::newRow("leading blanks") << "  7" << 7;
  QTest::newRow("leading zeros") << "007" << 7;
  QTest::newRow("signs") << "-3" << -3;
  QTest::newRow("plus") << "+4" << 4;
  QTest::newRow("largest") << "2147483647" << 2147483647;
  QTest::newRow("one past the largest") << "2147483648" << 0;
  QTest::newRow("trailing blank") << "5 " << 0;
  QTest::newRow("inner blank") << "1 2" << 0;
  QTest::newRow("empty") << "" << 0;
  QTest::newRow("sign only") << "-" << 0;
  QTest::newRow("very long") << "99999999999999999999" << 0;
}

void WorksheetRowsTest::lenientBeadCount() {
  QFETCH(QString, text);
  QFETCH(int, count);
  QCOMPARE(orvane::lenientBeadCount(text), count);
}

// Sizes in millimetres with a bead count, and the boxes' texts they give.
void WorksheetRowsTest::rowNumbers_data() {
  QTest::addColumn<double>("mm");
  QTest::addColumn<int>("count");
  QTest::addColumn<QString>("perInch");
  QTest::addColumn<QString>("length");
  QTest::newRow("4 mm") << 4.0 << 100 << "6.35"
                        << "15.75";
  // 3.175 exactly, rounded once and up (single precision showed 3.17).
  QTest::newRow("8 mm, a half to round") << 8.0 << 100 << "3.18"
                                         << "31.50";
  QTest::newRow("10 beads of 4 mm") << 4.0 << 10 << "6.35"
                                    << "1.57";
  QTest::newRow("million beads of an inch") << 25.4 << 1000000 << "1.00"
                                            << "1E6";
  QTest::newRow("1 234 567 inches") << 25.4 << 1234567 << "1.00"
                                    << "1.23457E6";
}

void WorksheetRowsTest::rowNumbers() {
  QFETCH(double, mm);
  QFETCH(int, count);
  QFETCH(QString, perInch);
  QFETCH(QString, length);
  QCOMPARE(worksheetNumberText(beadsPerInchFromMm(mm)), perInch);
  QCOMPARE(worksheetNumberText(rowLength(count, mm)), length);
}

void WorksheetRowsTest::totalKeepsEveryLength() {
  std::array<WorksheetRowValues, kWorksheetRows> rows{};
  rows[0].LengthValue = 16777216;  // 2^24: a single-precision sum lost the ones added to it
  for (int i = 1; i < kWorksheetRows; ++i) rows[i].LengthValue = 1;
  QCOMPARE(double(sumLengths(rows)), 16777225.0);
  QCOMPARE(worksheetNumberText(sumLengths(rows)), QString("1.67772E7"));
  rows[0].LengthValue = 0.1;
  rows[1].LengthValue = 0.2;
  QCOMPARE(worksheetNumberText(sumLengths(rows)), QString("8.30"));
}

void WorksheetRowsTest::zeroSizeIsADivisionByZero() {
  QVERIFY_THROWS_EXCEPTION(MathError, beadsPerInchFromMm(0));
  QVERIFY_THROWS_EXCEPTION(MathError, beadsPerInchFromInch(0));
  QCOMPARE(worksheetNumberText(rowLength(12, 0)), QString("0.00"));
}

QTEST_GUILESS_MAIN(WorksheetRowsTest)
#include "tst_worksheet_rows.moc"
