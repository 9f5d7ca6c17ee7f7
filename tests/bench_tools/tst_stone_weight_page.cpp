#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "bench_page_fixture.h"
#include "bench_tools/stone_weight_page.h"
#include "platform/error_boundary.h"
#include "widgets/entry_box.h"

using namespace orvane;

class StoneWeightPageTest : public QObject, public BenchPageFixture<StoneWeightPage> {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();
  void examples_data();
  void examples();
  void enterWalksOnToWhatIsMissing();
  void otherStoneTakesATypedGravity();
  void badInputLeavesTheBoxes_data();
  void badInputLeavesTheBoxes();
  void keyFilter();
  void tabOrderAndNames();
};

void StoneWeightPageTest::init() { openPage(); }

void StoneWeightPageTest::cleanup() { closePage(); }

void StoneWeightPageTest::examples_data() {
  QTest::addColumn<int>("stone");
  QTest::addColumn<int>("shape");
  QTest::addColumn<QStringList>("typed");  // box object names and texts, in pairs, Enter after each
  QTest::addColumn<QString>("carats");
  QTest::newRow("oval sapphire 8 x 6 x 4")
      << 2 << int(StoneShape::Oval) << QStringList{"lengthBox", "8", "widthBox", "6", "depthBox", "4"}
      << "1.57";
  QTest::newRow("6.5 mm round diamond 3.9 mm deep")
      << 0 << int(StoneShape::Round) << QStringList{"lengthBox", "6.5", "depthBox", "3.9"} << "1.01";
  // The diamond's own oval factor: 7^2 x 3.8 x 0.0062 = 1.15444.
  QTest::newRow("oval diamond 8 x 6 x 3.8")
      << 0 << int(StoneShape::Oval) << QStringList{"lengthBox", "8", "widthBox", "6", "depthBox", "3.8"}
      << "1.15";
  // Melee: 1.0^2 x 0.6 x 0.0061 = 0.00366.
  QTest::newRow("1 mm melee diamond")
      << 0 << int(StoneShape::Round) << QStringList{"lengthBox", "1.0", "depthBox", "0.6"} << "0.0037";
  // 5 x 5 x 3 x 2.0 x 0.0025 = 0.375.
  QTest::newRow("square stone of a typed gravity")
      << kOtherGem << int(StoneShape::EmeraldOrSquare)
      << QStringList{"gravityBox", "2", "lengthBox", "5", "widthBox", "5", "depthBox", "3"} << "0.38";
}

void StoneWeightPageTest::examples() {
  QFETCH(int, stone);
  QFETCH(int, shape);
  QFETCH(QStringList, typed);
  QFETCH(QString, carats);
  pick(findNamed<QComboBox>(page_.get(), "stoneBox"), stone);
  pick(findNamed<QComboBox>(page_.get(), "shapeBox"), shape);
  for (int i = 0; i < typed.size(); i += 2) {
    auto* box = page_->findChild<EntryBox*>(typed[i]);
    QVERIFY2(box, qPrintable(typed[i]));
    typeInto(box, typed[i + 1]);
  }
  QCOMPARE(findNamed<EntryBox>(page_.get(), "caratBox")->text(), carats);
  QVERIFY(services_.messages.isEmpty());
  QCOMPARE(services_.beeps, 0);
  // A change of stone works the weight out again from the same sizes.
  if (stone == 2) {
    pick(findNamed<QComboBox>(page_.get(), "stoneBox"), 9);  // amethyst, 2.65: 49 x 4 x 2.65 x 0.002 = 1.0388
    QCOMPARE(findNamed<EntryBox>(page_.get(), "caratBox")->text(), QStringLiteral("1.04"));
  }
}

void StoneWeightPageTest::enterWalksOnToWhatIsMissing() {
  pick(findNamed<QComboBox>(page_.get(), "shapeBox"), int(StoneShape::Oval));
  // A diamond to start with: the diamond's oval factor, no gravity.
  QCOMPARE(findNamed<QLabel>(page_.get(), "formulaLabel")->text(),
           QStringLiteral("ct = ((L + W) / 2)\u00b2 \u00d7 depth \u00d7 0.0062"));
  typeInto(findNamed<EntryBox>(page_.get(), "lengthBox"), QStringLiteral("8"));
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(page_.get(), "widthBox"));
  typeInto(findNamed<EntryBox>(page_.get(), "widthBox"), QStringLiteral("6"));
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(page_.get(), "depthBox"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "caratBox")->text(), QString());
  // A round stone needs one diameter only: from the least diameter to the depth.
  pick(findNamed<QComboBox>(page_.get(), "shapeBox"), int(StoneShape::Round));
  findNamed<EntryBox>(page_.get(), "widthBox")->clear();
  typeInto(findNamed<EntryBox>(page_.get(), "lengthBox"), QStringLiteral("6.5"));
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(page_.get(), "depthBox"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "widthBox")->accessibleName(),
           QStringLiteral("Greatest diameter in mm, if it differs"));
  typeInto(findNamed<EntryBox>(page_.get(), "depthBox"), QStringLiteral("3.9"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "caratBox")->text(), QStringLiteral("1.01"));
  QCOMPARE(QApplication::focusWidget(),
           findNamed<EntryBox>(page_.get(), "depthBox"));  // done: the caret stays
  QVERIFY(services_.messages.isEmpty());
}

void StoneWeightPageTest::otherStoneTakesATypedGravity() {
  QCOMPARE(findNamed<EntryBox>(page_.get(), "gravityBox")->text(), QStringLiteral("3.52"));
  QVERIFY(findNamed<EntryBox>(page_.get(), "gravityBox")->isReadOnly());
  pick(findNamed<QComboBox>(page_.get(), "stoneBox"), kOtherGem);
  QVERIFY(!findNamed<EntryBox>(page_.get(), "gravityBox")->isReadOnly());
  QCOMPARE(findNamed<EntryBox>(page_.get(), "gravityBox")->text(), QString());
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(page_.get(), "gravityBox"));
  pick(findNamed<QComboBox>(page_.get(), "stoneBox"), 1);
  QCOMPARE(findNamed<EntryBox>(page_.get(), "gravityBox")->text(), QStringLiteral("4.00"));
  QVERIFY(findNamed<EntryBox>(page_.get(), "gravityBox")->isReadOnly());
}

void StoneWeightPageTest::badInputLeavesTheBoxes_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("message");
  QTest::newRow("letters") << "widthBox"
                           << "six"
                           << "'six' is not a valid floating point value.";
  QTest::newRow("zero depth") << "depthBox"
                              << "0"
                              << "'0' is zero: the depth in mm must be more than 0.";
  QTest::newRow("negative length") << "lengthBox"
                                   << "-8"
                                   << "'-8' is below zero: the length in mm must be more than 0.";
  QTest::newRow("SG of 0") << "gravityBox"
                           << "0"
                           << "'0' is zero: a specific gravity must be more than 0.";
  QTest::newRow("nan") << "depthBox"
                       << "nan"
                       << "'nan' is not a valid floating point value.";
  QTest::newRow("inf") << "lengthBox"
                       << "inf"
                       << "'inf' is not a valid floating point value.";
  QTest::newRow("under a tenth of a mm") << "depthBox"
                                         << "0.05"
                                         << "'0.05' is too small: the depth in mm must be at least 0.1.";
  QTest::newRow("beyond the largest stone") << "lengthBox"
                                            << "250"
                                            << "'250' is too large: the length in mm can be at most 200.";
  QTest::newRow("empty") << "depthBox"
                         << ""
                         << "Nothing typed for the depth in mm: type a number, then press Enter.";
}

void StoneWeightPageTest::badInputLeavesTheBoxes() {
  QFETCH(QString, box);
  QFETCH(QString, pasted);
  QFETCH(QString, message);
  pick(findNamed<QComboBox>(page_.get(), "stoneBox"), kOtherGem);
  pick(findNamed<QComboBox>(page_.get(), "shapeBox"), int(StoneShape::Oval));
  typeInto(findNamed<EntryBox>(page_.get(), "gravityBox"), QStringLiteral("4"));
  typeInto(findNamed<EntryBox>(page_.get(), "lengthBox"), QStringLiteral("8"));
  typeInto(findNamed<EntryBox>(page_.get(), "widthBox"), QStringLiteral("6"));
  typeInto(findNamed<EntryBox>(page_.get(), "depthBox"), QStringLiteral("4"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "caratBox")->text(), QStringLiteral("1.57"));
  auto* target = page_->findChild<EntryBox*>(box);
  QVERIFY(target);
  const QList<EntryBox*> boxes = page_->findChildren<EntryBox*>();
  QStringList before;
  for (EntryBox* b : boxes)
    if (b != target) before << b->text();
  giveFocusTo(target);
  target->selectAll();
  target->insert(pasted);  // a paste: not filtered
  QTest::keyClick(target, Qt::Key_Return);
  QCOMPARE(services_.messages.size(), 1);
  QCOMPARE(services_.messages.first().caption, QStringLiteral("Orvane"));
  QCOMPARE(services_.messages.first().icon, MessageIcon::Error);
  QCOMPARE(services_.messages.first().text, message);
  QStringList after;
  for (EntryBox* b : boxes)
    if (b != target) after << b->text();
  QCOMPARE(after, before);
  QCOMPARE(target->text(), pasted);
}

void StoneWeightPageTest::keyFilter() {
  giveFocusTo(findNamed<EntryBox>(page_.get(), "depthBox"));
  typeText(findNamed<EntryBox>(page_.get(), "depthBox"), QStringLiteral("3.9.5x/"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "depthBox")->text(), QStringLiteral("3.95"));
  QCOMPARE(services_.beeps, 3);
}

// Tab visits every control top to bottom, and each one tells a screen reader
// what it is.
void StoneWeightPageTest::tabOrderAndNames() {
  const QStringList order{"Stone",
                          "Specific gravity",
                          "Shape",
                          "Least diameter in mm",
                          "Greatest diameter in mm, if it differs",
                          "Depth in mm",
                          "Weight in carats"};
  QCOMPARE(tabOrderFrom(findNamed<QComboBox>(page_.get(), "stoneBox"), order.size()), order);
  QCOMPARE(StoneWeightPage::pageTitle(), QStringLiteral("Stone Weight"));
  QCOMPARE(page_->objectName(), QStringLiteral("StoneWeightPage"));
  auto* note = page_->findChild<QLabel*>(QStringLiteral("estimateNote"));
  QVERIFY(note && note->isVisible());
  QVERIFY(note->text().contains(QStringLiteral("estimates by the usual bench factors")));
}

QTEST_MAIN(StoneWeightPageTest)
#include "tst_stone_weight_page.moc"
