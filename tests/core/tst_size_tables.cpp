#include <QTest>

#include "core/grid_rows.h"
#include "core/size_tables.h"
#include "core/text_rules.h"

using namespace orvane;

class SizeTablesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void tablesAreContinuous();
  void inchColumnsFollowMillimetres();
  void lookupKey_data();
  void lookupKey();
  void answers_data();
  void answers();
  void pearlNumbersForStone_data();
  void pearlNumbersForStone();
  void boxItems();
  void gridValues();
};

// Ranges touch: the high end of an entry is the low end of the next.
void SizeTablesTest::tablesAreContinuous() {
  QCOMPARE(PearlPlateTable.size(), size_t(37));
  QCOMPARE(StoneSizeTable.size(), size_t(103));
  for (size_t i = 0; i + 1 < PearlPlateTable.size(); ++i) {
    QCOMPARE(PearlPlateTable[i].PP, int(i) + 1);
    QCOMPARE(QLatin1String(PearlPlateTable[i].MmHigh), QLatin1String(PearlPlateTable[i + 1].MmLow));
    QCOMPARE(QLatin1String(PearlPlateTable[i].InchHigh), QLatin1String(PearlPlateTable[i + 1].InchLow));
  }
  for (size_t i = 0; i + 1 < StoneSizeTable.size(); ++i) {
    QCOMPARE(QLatin1String(StoneSizeTable[i].MmHigh), QLatin1String(StoneSizeTable[i + 1].MmLow));
    QVERIFY(thousandths(StoneSizeTable[i].MmLow) < thousandths(StoneSizeTable[i].MmHigh));
  }
}

// Each inch text is its millimetre text / 25.4, rounded half up to 4 decimals.
void SizeTablesTest::inchColumnsFollowMillimetres() {
  auto check = [](const char* mm, const char* inch) {
    const long double v = textToNumber(QLatin1String(mm)) / kMmPerInch;
    QCOMPARE(formatFixed(v, 18, 4), QLatin1String(inch));
  };
  for (const auto& e : PearlPlateTable) {
    check(e.MmLow, e.InchLow);
    check(e.MmHigh, e.InchHigh);
  }
  for (const auto& e : StoneSizeTable) {
    check(e.MmLow, e.InchLow);
    check(e.MmHigh, e.InchHigh);
  }
}

void SizeTablesTest::lookupKey_data() {
  QTest::addColumn<QString>("mm");
  QTest::addColumn<int>("key");
  QTest::newRow("even thousandth stays") << "2.3" << 2300;
  QTest::newRow("fraction goes up") << "2.3004" << 2301;
  QTest::newRow("odd thousandth goes up") << "7.069" << 7070;
  QTest::newRow("half thousandth") << "7.0685" << 7069;
  QTest::newRow("eighth inch") << "3.17500" << 3176;
  QTest::newRow("zero") << "0" << 0;
}

void SizeTablesTest::lookupKey() {
  QFETCH(QString, mm);
  QFETCH(int, key);
  QCOMPARE(sizeLookupKey(textToNumber(mm)), key);
}

void SizeTablesTest::answers_data() {
  QTest::addColumn<QString>("mm");
  QTest::addColumn<QString>("pearl");
  QTest::addColumn<QString>("stone");
  QTest::newRow("2.3 boundary") << "2.3"
                                << "16 - 17"
                                << "7 - 8";
  QTest::newRow("2.35 inside") << "2.35"
                               << "17"
                               << "8";
  QTest::newRow("2.4") << "2.4"
                       << "17 - 18"
                       << "8";
  QTest::newRow("1.8") << "1.8"
                       << "11 - 12"
                       << "5";
  QTest::newRow("0.8 lower end") << "0.8"
                                 << "1"
                                 << "000";
  QTest::newRow("0.9") << "0.9"
                       << "1 - 2"
                       << "000 - 00";
  QTest::newRow("0.79 below") << "0.79"
                              << ""
                              << "";
  QTest::newRow("1.3 shared stone") << "1.3"
                                    << "5 - 6"
                                    << "2";
  QTest::newRow("4.6 pearl upper end") << "4.6"
                                       << "37"
                                       << "19 - 20";
  QTest::newRow("4.7 beyond pearl") << "4.7"
                                    << ""
                                    << "20";
  QTest::newRow("24.22") << "24.22"
                         << ""
                         << "99 - 100";
  QTest::newRow("24.47 stone upper end") << "24.47"
                                         << ""
                                         << "100";
  QTest::newRow("24.471 beyond") << "24.471"
                                 << ""
                                 << "";
  QTest::newRow("one inch") << "25.4"
                            << ""
                            << "";
  QTest::newRow("7.069") << "7.069"
                         << ""
                         << "34";
  QTest::newRow("7.0685") << "7.0685"
                          << ""
                          << "33 - 34";
  QTest::newRow("eighth inch") << "3.17500"
                               << "24"
                               << "12";
  QTest::newRow("huge") << "1E30"
                        << ""
                        << "";
}

void SizeTablesTest::answers() {
  QFETCH(QString, mm);
  QFETCH(QString, pearl);
  QFETCH(QString, stone);
  const int key = sizeLookupKey(textToNumber(mm));
  QCOMPARE(pearlAnswer(key), pearl);
  QCOMPARE(stoneAnswer(key), stone);
}

void SizeTablesTest::pearlNumbersForStone_data() {
  QTest::addColumn<QString>("ss");
  QTest::addColumn<QString>("pp");
  QTest::newRow("000") << "000"
                       << "1";
  QTest::newRow("2") << "2"
                     << "5, 6";
  QTest::newRow("11") << "11"
                      << "23";
  QTest::newRow("19") << "19"
                      << "36, 37";
  QTest::newRow("20") << "20"
                      << "";
  QTest::newRow("100") << "100"
                       << "";
}

void SizeTablesTest::pearlNumbersForStone() {
  QFETCH(QString, ss);
  QFETCH(QString, pp);
  QCOMPARE(orvane::pearlNumbersForStone(ss), pp);
}

void SizeTablesTest::boxItems() {
  const QStringList pearl = pearlBoxItems();
  QCOMPARE(pearl.size(), 38);
  QCOMPARE(pearl[0], QStringLiteral("  "));
  QCOMPARE(pearl[1], QStringLiteral("PP    1 "));
  QCOMPARE(pearl[2], QStringLiteral("PP    2 "));
  QCOMPARE(pearl[3], QStringLiteral("PP    3"));
  QCOMPARE(pearl[9], QStringLiteral("PP    9"));
  QCOMPARE(pearl[10], QStringLiteral("PP  10"));
  QCOMPARE(pearl[37], QStringLiteral("PP  37"));
  const QStringList stone = stoneBoxItems();
  QCOMPARE(stone.size(), 104);
  QVERIFY(stone[0].isEmpty());
  QCOMPARE(stone[1], QStringLiteral("SS  000"));
  QCOMPARE(stone[2], QStringLiteral("SS   00"));
  QCOMPARE(stone[3], QStringLiteral("SS    0"));
  QCOMPARE(stone[4], QStringLiteral("SS    1"));
  QCOMPARE(stone[12], QStringLiteral("SS    9"));
  QCOMPARE(stone[13], QStringLiteral("SS  10"));
  QCOMPARE(stone[102], QStringLiteral("SS  99"));
  QCOMPARE(stone[103], QStringLiteral("SS 100"));
}

void SizeTablesTest::gridValues() {
  QCOMPARE(pearlGridValues(0), (QStringList{" 1", "000", "0.80", "0.90", "0.0315", "0.0354"}));
  QCOMPARE(pearlGridValues(36), (QStringList{"37", " 19", "4.50", "4.60", "0.1772", "0.1811"}));
  QCOMPARE(stoneGridValues(2), (QStringList{"  0", " 1.000", " 1.100", "0.0394", "0.0433"}));
  QCOMPARE(stoneGridValues(102), (QStringList{"100", "24.220", "24.470", "0.9535", "0.9634"}));
  QCOMPARE(gridCellText(4, QStringLiteral(" 1")), QStringLiteral("     1"));
  QCOMPARE(gridCellText(5, QString()), QStringLiteral("     "));
}

QTEST_GUILESS_MAIN(SizeTablesTest)
#include "tst_size_tables.moc"
