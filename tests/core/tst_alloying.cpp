#include <QTest>

#include "core/alloying.h"
#include "core/text_rules.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::AlloyTask)

class AlloyingTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void additions_data();
  void additions();
  void theGoldBalances();
  void missingBoxes();
  void badInput_data();
  void badInput();
};

void AlloyingTest::additions_data() {
  QTest::addColumn<AlloyTask>("task");
  QTest::addColumn<QStringList>("boxes");  // grams, karat, karat wanted
  QTest::addColumn<QString>("added");
  QTest::addColumn<QString>("total");
  // 10 x (18 - 14) / 14 = 2.857
  QTest::newRow("18 ct down to 14 ct") << AlloyTask::LowerKarat << QStringList{"10", "18", "14"} << "2.86"
                                       << "12.86";
  // 5 x (22 - 9) / 9 = 7.222
  QTest::newRow("22 ct down to 9 ct") << AlloyTask::LowerKarat << QStringList{"5", "22", "9"} << "7.22"
                                      << "12.22";
  // 10 x (18 - 14) / (24 - 18) = 6.667
  QTest::newRow("14 ct up to 18 ct") << AlloyTask::RaiseKarat << QStringList{"10", "14", "18"} << "6.67"
                                     << "16.67";
  // From pure alloy (0 ct) to 12 ct takes its own weight of fine gold.
  QTest::newRow("alloy up to 12 ct") << AlloyTask::RaiseKarat << QStringList{"3", "0", "12"} << "3.00"
                                     << "6.00";
  // 100 x 75 / 925 = 8.108; the karats are not read.
  QTest::newRow("fine silver to sterling") << AlloyTask::Sterling << QStringList{"100", "x", ""} << "8.11"
                                           << "108.11";
  QTest::newRow("a gram of silver") << AlloyTask::Sterling << QStringList{"1", "", ""} << "0.08"
                                    << "1.08";
}

void AlloyingTest::additions() {
  QFETCH(AlloyTask, task);
  QFETCH(QStringList, boxes);
  QFETCH(QString, added);
  QFETCH(QString, total);
  const AlloyResult r = alloyEnter({task, boxes[0], boxes[1], boxes[2]});
  QCOMPARE(r.added, added);
  QCOMPARE(r.total, total);
}

// The gold in the piece before and after: alloy adds none, fine gold all of
// its weight, and the new weight carries the karat wanted.
void AlloyingTest::theGoldBalances() {
  const long double lowered = alloyToLowerKarat(7.5L, 22, 14);
  QVERIFY(qAbs(double(7.5L * 22 / 24 - (7.5L + lowered) * 14 / 24)) < 1e-12);
  const long double raised = fineGoldToRaiseKarat(7.5L, 10, 18);
  QVERIFY(qAbs(double(7.5L * 10 / 24 + raised - (7.5L + raised) * 18 / 24)) < 1e-12);
  const long double copper = copperForSterling(37);
  QCOMPARE(double(copper), 3.0);  // 37 x 75 / 925
  QVERIFY(qAbs(double(37 / (37 + copper)) - 0.925) < 1e-12);
}

void AlloyingTest::missingBoxes() {
  AlloyResult r = alloyEnter({AlloyTask::LowerKarat, QStringLiteral("10"), QString(), QStringLiteral("14")});
  QVERIFY(r.added.isEmpty());
  QCOMPARE(r.missing, AlloyField::From);
  r = alloyEnter({AlloyTask::Sterling, QStringLiteral(" "), QString(), QString()});
  QCOMPARE(r.missing, AlloyField::Grams);
  QVERIFY_THROWS_EXCEPTION(ConversionError, alloyEnter({AlloyTask::RaiseKarat, QStringLiteral("1"),
                                                        QStringLiteral("9"), QString()},
                                                       AlloyField::To));
}

void AlloyingTest::badInput_data() {
  QTest::addColumn<AlloyTask>("task");
  QTest::addColumn<QStringList>("boxes");
  QTest::addColumn<QString>("message");
  QTest::newRow("alloy cannot raise") << AlloyTask::LowerKarat << QStringList{"10", "14", "18"}
                                      << "Alloy only lowers the karat: 18 ct is not below 14 ct";
  QTest::newRow("the same karat") << AlloyTask::LowerKarat << QStringList{"10", "14", "14"}
                                  << "Alloy only lowers the karat: 14 ct is not below 14 ct";
  QTest::newRow("fine gold cannot lower") << AlloyTask::RaiseKarat << QStringList{"10", "18", "9.5"}
                                          << "Fine gold only raises the karat: 9.5 ct is not above 18 ct";
  QTest::newRow("fine gold never makes 24 ct")
      << AlloyTask::RaiseKarat << QStringList{"10", "18", "24"}
      << "Adding fine gold never reaches 24 ct: the karat wanted can be at most 23.99";
  QTest::newRow("no gold is 25 ct") << AlloyTask::LowerKarat << QStringList{"10", "25", "18"}
                                    << "'25' is too large: the gold's karat can be at most 24";
  QTest::newRow("alloy down to nothing") << AlloyTask::LowerKarat << QStringList{"10", "18", "0"}
                                         << "'0' is zero: the karat wanted must be more than 0";
  QTest::newRow("no weight") << AlloyTask::Sterling << QStringList{"0", "", ""}
                             << "'0' is zero: the weight in grams must be more than 0";
  QTest::newRow("letters") << AlloyTask::Sterling << QStringList{"ten", "", ""}
                           << "'ten' is not a valid floating point value";
}

void AlloyingTest::badInput() {
  QFETCH(AlloyTask, task);
  QFETCH(QStringList, boxes);
  QFETCH(QString, message);
  try {
    alloyEnter({task, boxes[0], boxes[1], boxes[2]});
    QFAIL("no error");
  } catch (const ConversionError& e) {
    QCOMPARE(QString::fromStdString(e.what()), message);
  }
}

QTEST_MAIN(AlloyingTest)
#include "tst_alloying.moc"
