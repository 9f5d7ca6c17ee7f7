#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "bench_page_fixture.h"
#include "bench_tools/knotted_strand_page.h"
#include "platform/error_boundary.h"
#include "widgets/entry_box.h"

using namespace orvane;

class KnottedStrandPageTest : public QObject, public BenchPageFixture<KnottedStrandPage> {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();
  void examples_data();
  void examples();
  void enterWalksOnToWhatIsMissing();
  void badInputLeavesTheBoxes_data();
  void badInputLeavesTheBoxes();
  void tabOrderAndNames();

 private:
  QStringList boxValues() const {
    QStringList texts;
    for (EntryBox* b :
         {findNamed<EntryBox>(page_.get(), "lengthMm"), findNamed<EntryBox>(page_.get(), "lengthInch"),
          findNamed<EntryBox>(page_.get(), "beadBox"), findNamed<EntryBox>(page_.get(), "knotBox"),
          findNamed<EntryBox>(page_.get(), "claspBox"), findNamed<EntryBox>(page_.get(), "beadCountBox"),
          findNamed<EntryBox>(page_.get(), "leftOverBox")})
      texts << b->text();
    return texts;
  }
};

void KnottedStrandPageTest::init() { openPage(); }

void KnottedStrandPageTest::cleanup() { closePage(); }

void KnottedStrandPageTest::examples_data() {
  QTest::addColumn<int>("standard");  // -1: the length typed
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("shown");  // mm, inches, bead, knot, clasp, beads, left over
  QTest::newRow("princess pick, 8 mm beads, 1.5 mm knots, 15 mm clasp")
      << 1 << QStringList{"beadBox", "8", "knotBox", "1.5", "claspBox", "15"}
      << QStringList{"457.2", "18", "8", "1.5", "15", "46", "5.2"};
  QTest::newRow("18 inches typed") << -1 << QStringList{"lengthInch", "18",  "beadBox",  "8",
                                                        "knotBox",    "1.5", "claspBox", "15"}
                                   << QStringList{"457.2", "18", "8", "1.5", "15", "46", "5.2"};
  // 7 1/2" = 190.5 mm; 180.5 / 7 = 25.79: 25 beads, 5.5 mm over.
  QTest::newRow("fraction of an inch, knot left at 1.0")
      << -1 << QStringList{"lengthInch", "7 1/2", "beadBox", "6", "claspBox", "10"}
      << QStringList{"190.5", "7 1/2", "6", "1.0", "10", "25", "5.5"};
}

void KnottedStrandPageTest::examples() {
  QFETCH(int, standard);
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  if (standard >= 0) {
    findNamed<QComboBox>(page_.get(), "standardBox")->setCurrentIndex(standard);
    Q_EMIT findNamed<QComboBox>(page_.get(), "standardBox")->activated(standard);
  }
  for (int i = 0; i < typed.size(); i += 2) {
    auto* box = page_->findChild<EntryBox*>(typed[i]);
    QVERIFY2(box, qPrintable(typed[i]));
    typeInto(box, typed[i + 1]);
  }
  QCOMPARE(boxValues(), shown);
  QVERIFY(services_.messages.isEmpty());
  // A picked length typed over by hand is no longer the pick.
  if (standard >= 0) {
    typeInto(findNamed<EntryBox>(page_.get(), "lengthMm"), QStringLiteral("400"));
    QCOMPARE(findNamed<QComboBox>(page_.get(), "standardBox")->currentIndex(), -1);
    QCOMPARE(findNamed<EntryBox>(page_.get(), "lengthInch")->text(), QStringLiteral("15.74803"));
  }
}

void KnottedStrandPageTest::enterWalksOnToWhatIsMissing() {
  typeInto(findNamed<EntryBox>(page_.get(), "lengthMm"), QStringLiteral("400"));
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(page_.get(), "beadBox"));
  typeInto(findNamed<EntryBox>(page_.get(), "beadBox"), QStringLiteral("8"));
  // The knot is filled already (1.0): on to the clasp.
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(page_.get(), "claspBox"));
  typeInto(findNamed<EntryBox>(page_.get(), "claspBox"), QStringLiteral("0"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "beadCountBox")->text(), QStringLiteral("44"));  // 400 / 9 = 44.4
  QCOMPARE(findNamed<EntryBox>(page_.get(), "leftOverBox")->text(), QStringLiteral("4.0"));
  QVERIFY(services_.messages.isEmpty());
}

void KnottedStrandPageTest::badInputLeavesTheBoxes_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("message");
  QTest::newRow("bead of no size") << "beadBox"
                                   << "0"
                                   << "'0' is zero: the bead size in mm must be more than 0.";
  QTest::newRow("negative knot") << "knotBox"
                                 << "-1"
                                 << "'-1' is below zero: the knot size in mm must be 0 or more.";
  QTest::newRow("clasp longer than the strand")
      << "claspBox"
      << "99"
      << "The clasp (99 mm) takes up the whole length (50.8 mm): nothing is left for beads.";
  QTest::newRow("letters") << "lengthMm"
                           << "ten"
                           << "'ten' is not a valid floating point value.";
  QTest::newRow("inf") << "beadBox"
                       << "inf"
                       << "'inf' is not a valid floating point value.";
  QTest::newRow("empty") << "claspBox"
                         << ""
                         << "Nothing typed for the clasp length in mm: type a number, then press Enter.";
}

void KnottedStrandPageTest::badInputLeavesTheBoxes() {
  QFETCH(QString, box);
  QFETCH(QString, pasted);
  QFETCH(QString, message);
  typeInto(findNamed<EntryBox>(page_.get(), "lengthInch"), QStringLiteral("2"));
  typeInto(findNamed<EntryBox>(page_.get(), "beadBox"), QStringLiteral("4"));
  typeInto(findNamed<EntryBox>(page_.get(), "claspBox"), QStringLiteral("10"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "beadCountBox")->text(), QStringLiteral("8"));  // 40.8 / 5
  QStringList before = boxValues();
  auto* target = page_->findChild<EntryBox*>(box);
  QVERIFY(target);
  giveFocusTo(target);
  target->selectAll();
  target->insert(pasted);  // a paste: not filtered
  QTest::keyClick(target, Qt::Key_Return);
  QCOMPARE(services_.messages.size(), 1);
  QCOMPARE(services_.messages.first().caption, QStringLiteral("Orvane"));
  QCOMPARE(services_.messages.first().text, message);
  const QStringList names{"lengthMm", "lengthInch",   "beadBox",    "knotBox",
                          "claspBox", "beadCountBox", "leftOverBox"};
  before[names.indexOf(box)] = pasted;
  QCOMPARE(boxValues(), before);
  QCOMPARE(target->text(), pasted);
}

void KnottedStrandPageTest::tabOrderAndNames() {
  const QStringList order{"Standard length", "Finished length in mm", "Finished length in inches",
                          "Bead size in mm", "Knot size in mm",       "Clasp length in mm",
                          "Beads",           "Left over in mm"};
  QCOMPARE(tabOrderFrom(findNamed<QComboBox>(page_.get(), "standardBox"), order.size()), order);
  QCOMPARE(KnottedStrandPage::pageTitle(), QStringLiteral("Knotted Strand"));
  // Digits and one point in the millimetre boxes; fractions in the inch box.
  giveFocusTo(findNamed<EntryBox>(page_.get(), "claspBox"));
  typeText(findNamed<EntryBox>(page_.get(), "claspBox"), QStringLiteral("1/2"));
  giveFocusTo(findNamed<EntryBox>(page_.get(), "lengthInch"));
  typeText(findNamed<EntryBox>(page_.get(), "lengthInch"), QStringLiteral("1/2"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "claspBox")->text(), QStringLiteral("12"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "lengthInch")->text(), QStringLiteral("1/2"));
  QCOMPARE(services_.beeps, 1);
}

QTEST_MAIN(KnottedStrandPageTest)
#include "tst_knotted_strand_page.moc"
