#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "bench_page_fixture.h"
#include "bench_tools/seed_bead_page.h"
#include "widgets/entry_box.h"

using namespace orvane;

class SeedBeadPageTest : public QObject, public BenchPageFixture<SeedBeadPage> {
  Q_OBJECT
 private Q_SLOTS:
  void init() { openPage(); }
  void cleanup() { closePage(); }
  void loomBandInInches();
  void badInputLeavesTheBoxes();
  void tabOrderAndMnemonics();

 private:
  EntryBox* box(const char* name) const { return page_->findChild<EntryBox*>(QLatin1String(name)); }
  QComboBox* list(const char* name) const { return page_->findChild<QComboBox*>(QLatin1String(name)); }
  QStringList results() const {
    QStringList texts;
    for (const char* name : {"perGramBox", "perTubeBox", "perInchBox", "columnsBox", "rowsBox", "beadsBox",
                             "gramsBox", "tubesBox"})
      texts << box(name)->text();
    return texts;
  }
};

// 11/0 rounds, 1 x 2 inches on a loom: 25.4 / 1.4 = 18 columns, 50.8 / 2.0
// = 25 rows, 450 beads, 4.09 g bought as 4.1 g, one tube.
void SeedBeadPageTest::loomBandInInches() {
  pick(list("sizeBox"), 1);
  QCOMPARE(results(), (QStringList{"110", "1100", "18.1", "", "", "", "", ""}));
  typeInto(box("widthInch"), QStringLiteral("1"));
  QCOMPARE(QApplication::focusWidget(), box("lengthMm"));
  typeInto(box("lengthInch"), QStringLiteral("2"));
  QCOMPARE(results(), (QStringList{"110", "1100", "18.1", "18", "25", "450", "4.1", "1"}));
  QCOMPARE(box("widthMm")->text(), QStringLiteral("25.4"));
  // The same piece in peyote: two rows to a bead's width, 50.8 / 1.0 = 51
  // rows of 9: 459 beads, 4.2 g.
  pick(list("stitchBox"), 1);
  QCOMPARE(results(), (QStringList{"110", "1100", "18.1", "18", "51", "459", "4.2", "1"}));
  QVERIFY(services_.messages.isEmpty());
}

void SeedBeadPageTest::badInputLeavesTheBoxes() {
  pick(list("sizeBox"), 0);
  typeInto(box("widthMm"), QStringLiteral("10"));
  typeInto(box("lengthMm"), QStringLiteral("20"));
  const QStringList before = results();
  QVERIFY(!before.last().isEmpty());
  EntryBox* width = box("widthMm");
  giveFocusTo(width);
  width->selectAll();
  width->insert(QStringLiteral("-3"));  // a paste: not filtered
  QTest::keyClick(width, Qt::Key_Return);
  QCOMPARE(services_.messages.size(), 1);
  QCOMPARE(services_.messages.first().text,
           QStringLiteral("'-3' is below zero: the width in mm must be more than 0."));
  QCOMPARE(results(), before);
  QCOMPARE(box("widthInch")->text(), QStringLiteral("0.3937"));
}

void SeedBeadPageTest::tabOrderAndMnemonics() {
  const QStringList order{"Bead size",      "Stitch",           "Width in mm",    "Width in inches",
                          "Length in mm",   "Length in inches", "Beads per gram", "Beads per 10 g tube",
                          "Beads per inch", "Columns",          "Rows",           "Beads",
                          "Grams to buy",   "10 g tubes"};
  QCOMPARE(tabOrderFrom(list("sizeBox"), order.size()), order);
  QCOMPARE(SeedBeadPage::pageTitle(), QStringLiteral("Seed Beads"));
  QTest::keyClick(page_.get(), Qt::Key_L, Qt::AltModifier);
  QCOMPARE(QApplication::focusWidget(), box("lengthMm"));
  QTest::keyClick(page_.get(), Qt::Key_T, Qt::AltModifier);
  QCOMPARE(QApplication::focusWidget(), list("stitchBox"));
}

QTEST_MAIN(SeedBeadPageTest)
#include "tst_seed_bead_page.moc"
