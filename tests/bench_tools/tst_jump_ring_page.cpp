#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "bench_page_fixture.h"
#include "bench_tools/jump_ring_page.h"
#include "platform/error_boundary.h"
#include "widgets/entry_box.h"

using namespace orvane;

class JumpRingPageTest : public QObject, public BenchPageFixture<JumpRingPage> {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();
  void examples_data();
  void examples();
  void gaugeFillsTheWire();
  void weave();
  void badInputLeavesTheBoxes_data();
  void badInputLeavesTheBoxes();
  void tabOrderAndNames();

 private:
  QStringList boxValues() const {
    QStringList texts;
    for (EntryBox* b :
         {findNamed<EntryBox>(page_.get(), "diameterMm"), findNamed<EntryBox>(page_.get(), "diameterInch"),
          findNamed<EntryBox>(page_.get(), "wireMm"), findNamed<EntryBox>(page_.get(), "wireInch"),
          findNamed<EntryBox>(page_.get(), "innerBox"), findNamed<EntryBox>(page_.get(), "ratioBox")})
      texts << b->text();
    return texts;
  }
};

void JumpRingPageTest::init() { openPage(); }

void JumpRingPageTest::cleanup() { closePage(); }

void JumpRingPageTest::examples_data() {
  QTest::addColumn<int>("measured");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("shown");  // diameter mm, inches, wire mm, inches, inner mm, ratio
  QTest::newRow("5.0 mm ID of 1.3 mm wire") << 0 << QStringList{"diameterMm", "5.0", "wireMm", "1.3"}
                                            << QStringList{"5.0", "0.19685", "1.3", "0.05118", "5", "3.85"};
  QTest::newRow("the same ring by its OD") << 1 << QStringList{"diameterMm", "7.6", "wireMm", "1.3"}
                                           << QStringList{"7.6", "0.29921", "1.3", "0.05118", "5", "3.85"};
  // 1/4" over 1/16": 6.35 / 1.5875 = 4 exactly.
  QTest::newRow("both in inch fractions") << 0 << QStringList{"diameterInch", "1/4", "wireInch", "1/16"}
                                          << QStringList{"6.35", "1/4", "1.5875", "1/16", "6.35", "4.00"};
}

void JumpRingPageTest::examples() {
  QFETCH(int, measured);
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  pick(findNamed<QComboBox>(page_.get(), "measuredBox"), measured);
  for (int i = 0; i < typed.size(); i += 2) {
    auto* box = page_->findChild<EntryBox*>(typed[i]);
    QVERIFY2(box, qPrintable(typed[i]));
    typeInto(box, typed[i + 1]);
  }
  QCOMPARE(boxValues(), shown);
  QVERIFY(services_.messages.isEmpty());
  QCOMPARE(services_.beeps, 0);
}

void JumpRingPageTest::gaugeFillsTheWire() {
  typeInto(findNamed<EntryBox>(page_.get(), "diameterInch"), QStringLiteral("3/16"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "diameterMm")->text(), QStringLiteral("4.7625"));
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(page_.get(), "wireMm"));  // on to the wire
  pick(findNamed<QComboBox>(page_.get(), "americanBox"),
       findNamed<QComboBox>(page_.get(), "americanBox")->findText(QStringLiteral("16")));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "wireMm")->text(), QStringLiteral("1.2908"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "ratioBox")->text(), QStringLiteral("3.69"));  // 4.7625 / 1.2908
  // SWG 16 is 0.064": 4.7625 / 1.6256 = 2.93; the other list lets go.
  pick(findNamed<QComboBox>(page_.get(), "britishBox"),
       findNamed<QComboBox>(page_.get(), "britishBox")->findText(QStringLiteral("16")));
  QCOMPARE(findNamed<QComboBox>(page_.get(), "americanBox")->currentIndex(), -1);
  QCOMPARE(findNamed<EntryBox>(page_.get(), "wireInch")->text(), QStringLiteral("0.064"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "ratioBox")->text(), QStringLiteral("2.93"));
  // A wire typed by hand is no gauge.
  typeInto(findNamed<EntryBox>(page_.get(), "wireMm"), QStringLiteral("1"));
  QCOMPARE(findNamed<QComboBox>(page_.get(), "britishBox")->currentIndex(), -1);
  QCOMPARE(findNamed<EntryBox>(page_.get(), "ratioBox")->text(), QStringLiteral("4.76"));
  QVERIFY(services_.messages.isEmpty());
}

// Byzantine with 1.3 mm wire (AWG 16 is near): rings of 3.2 x 1.3 = 4.16 to
// 3.6 x 1.3 = 4.68 mm; a 5.0 mm ring, 3.85, is too loose; 4.5 mm, 3.46, fits.
void JumpRingPageTest::weave() {
  typeInto(findNamed<EntryBox>(page_.get(), "wireMm"), QStringLiteral("1.3"));
  pick(findNamed<QComboBox>(page_.get(), "weaveBox"),
       findNamed<QComboBox>(page_.get(), "weaveBox")->findText(QStringLiteral("Byzantine")));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "weaveRatioBox")->text(), QStringLiteral("3.2 to 3.6"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "weaveInnerBox")->text(), QStringLiteral("4.16 to 4.68"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "weaveFitBox")->text(), QString());
  typeInto(findNamed<EntryBox>(page_.get(), "diameterMm"), QStringLiteral("5.0"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "ratioBox")->text(), QStringLiteral("3.85"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "weaveFitBox")->text(), QStringLiteral("Too loose"));
  findNamed<EntryBox>(page_.get(), "diameterMm")->selectAll();
  typeInto(findNamed<EntryBox>(page_.get(), "diameterMm"), QStringLiteral("4.5"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "ratioBox")->text(), QStringLiteral("3.46"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "weaveFitBox")->text(), QStringLiteral("Within the range"));
  QVERIFY(services_.messages.isEmpty());
}

void JumpRingPageTest::badInputLeavesTheBoxes_data() {
  QTest::addColumn<int>("measured");
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("message");
  QTest::newRow("zero wire") << 0 << "wireMm"
                             << "0"
                             << "Orvane"
                             << "'0' is zero: the wire diameter in mm must be more than 0.";
  QTest::newRow("no hole")
      << 1 << "diameterMm"
      << "2"
      << "Orvane"
      << "An outer diameter of 2 mm leaves no hole with 1.3 mm wire: it must be more than "
         "twice the wire.";
  QTest::newRow("letters") << 0 << "diameterInch"
                           << "x"
                           << "Orvane"
                           << "'x' is not a valid floating point value.";
  QTest::newRow("bad fraction") << 0 << "wireInch"
                                << "1//16"
                                << "Error"
                                << "Cannot convert Fraction to Decimal.";
  // Once an aspect ratio of 5E400.
  QTest::newRow("wire of 1e-400 mm")
      << 0 << "wireMm"
      << "1e-400"
      << "Orvane"
      << "'1e-400' is too small: the wire diameter in mm must be at least 0.01.";
  QTest::newRow("nan") << 0 << "wireMm"
                       << "nan"
                       << "Orvane"
                       << "'nan' is not a valid floating point value.";
  QTest::newRow("empty") << 0 << "diameterMm"
                         << ""
                         << "Orvane"
                         << "Nothing typed for the inner diameter: type a number, then press Enter.";
}

void JumpRingPageTest::badInputLeavesTheBoxes() {
  QFETCH(int, measured);
  QFETCH(QString, box);
  QFETCH(QString, pasted);
  QFETCH(QString, caption);
  QFETCH(QString, message);
  pick(findNamed<QComboBox>(page_.get(), "measuredBox"), measured);
  typeInto(findNamed<EntryBox>(page_.get(), "diameterMm"),
           measured ? QStringLiteral("7.6") : QStringLiteral("5"));
  typeInto(findNamed<EntryBox>(page_.get(), "wireMm"), QStringLiteral("1.3"));
  QCOMPARE(findNamed<EntryBox>(page_.get(), "ratioBox")->text(), QStringLiteral("3.85"));
  QStringList before = boxValues();
  auto* target = page_->findChild<EntryBox*>(box);
  QVERIFY(target);
  giveFocusTo(target);
  target->selectAll();
  target->insert(pasted);  // a paste: not filtered
  QTest::keyClick(target, Qt::Key_Return);
  QCOMPARE(services_.messages.size(), 1);
  QCOMPARE(services_.messages.first().caption, caption);
  QCOMPARE(services_.messages.first().text, message);
  const QStringList names{"diameterMm", "diameterInch", "wireMm", "wireInch"};
  before[names.indexOf(box)] = pasted;
  QCOMPARE(boxValues(), before);
}

void JumpRingPageTest::tabOrderAndNames() {
  const QStringList order{"Diameter measured",
                          "Inner diameter in mm",
                          "Inner diameter in inches",
                          "Wire gauge, American (AWG)",
                          "Wire gauge, British (SWG)",
                          "Wire diameter in mm",
                          "Wire diameter in inches",
                          "Inner diameter used, in mm",
                          "Aspect ratio",
                          "Weave",
                          "Weave's aspect ratios",
                          "Inner diameters for the weave, in mm",
                          "The ring for the weave"};
  QCOMPARE(tabOrderFrom(findNamed<QComboBox>(page_.get(), "measuredBox"), order.size()), order);
  pick(findNamed<QComboBox>(page_.get(), "measuredBox"), 1);
  QCOMPARE(findNamed<EntryBox>(page_.get(), "diameterMm")->accessibleName(),
           QStringLiteral("Outer diameter in mm"));
  QCOMPARE(JumpRingPage::pageTitle(), QStringLiteral("Jump Ring"));
}

QTEST_MAIN(JumpRingPageTest)
#include "tst_jump_ring_page.moc"
