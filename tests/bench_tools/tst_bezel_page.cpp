#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "bench_page_fixture.h"
#include "bench_tools/bezel_page.h"
#include "widgets/entry_box.h"

using namespace orvane;

class BezelPageTest : public QObject, public BenchPageFixture<BezelPage> {
  Q_OBJECT
 private Q_SLOTS:
  void init() { openPage(); }
  void cleanup() { closePage(); }
  void roundThenOval();
  void badInputLeavesTheBoxes();
  void tabOrderAndMnemonics();

 private:
  EntryBox* box(const char* name) const { return page_->findChild<EntryBox*>(QLatin1String(name)); }
  QComboBox* shapeList() const { return page_->findChild<QComboBox*>(QStringLiteral("shapeBox")); }
  QStringList results() const {
    return {box("perimeterBox")->text(), box("stripMmBox")->text(), box("stripInchBox")->text()};
  }
};

void BezelPageTest::roundThenOval() {
  // pi x (10 + 0.3) = 32.358 mm, 1.274"
  QVERIFY(!box("widthMm")->isEnabled());
  typeInto(box("lengthMm"), QStringLiteral("10"));
  QCOMPARE(QApplication::focusWidget(), box("thicknessMm"));
  typeInto(box("thicknessMm"), QStringLiteral("0.3"));
  QCOMPARE(results(), (QStringList{"31.42", "32.36", "1.274"}));
  // An oval needs its width too.
  pick(shapeList(), 1);
  QVERIFY(box("widthMm")->isEnabled());
  QCOMPARE(box("lengthMm")->accessibleName(), QStringLiteral("Length in mm"));
  QCOMPARE(results(), (QStringList{"", "", ""}));
  typeInto(box("widthInch"), QStringLiteral("5/16"));  // 7.9375 mm
  QCOMPARE(box("widthMm")->text(), QStringLiteral("7.9375"));
  // pi x (3 x 8.96875 - root(18.96875 x 16.90625)) = 28.2694; + 0.9425 = 29.2118
  QCOMPARE(results(), (QStringList{"28.27", "29.21", "1.150"}));
  QVERIFY(services_.messages.isEmpty());
}

void BezelPageTest::badInputLeavesTheBoxes() {
  typeInto(box("lengthMm"), QStringLiteral("6"));
  typeInto(box("thicknessInch"), QStringLiteral("1/64"));  // 0.396875 mm
  QCOMPARE(results(), (QStringList{"18.85", "20.10", "0.791"}));
  EntryBox* thickness = box("thicknessMm");
  giveFocusTo(thickness);
  thickness->selectAll();
  thickness->insert(QStringLiteral("4"));  // a paste past the limit
  QTest::keyClick(thickness, Qt::Key_Return);
  QCOMPARE(services_.messages.size(), 1);
  QCOMPARE(services_.messages.first().text,
           QStringLiteral("'4' is too large: the strip's thickness in mm can be at most 3."));
  QCOMPARE(results(), (QStringList{"18.85", "20.10", "0.791"}));
  QCOMPARE(box("thicknessInch")->text(), QStringLiteral("1/64"));
}

void BezelPageTest::tabOrderAndMnemonics() {
  pick(shapeList(), 2);
  const QStringList order{
      "Stone shape",        "Length in mm",          "Length in inches",          "Width in mm",
      "Width in inches",    "Strip thickness in mm", "Strip thickness in inches", "Stone perimeter in mm",
      "Strip length in mm", "Strip length in inches"};
  QCOMPARE(tabOrderFrom(shapeList(), order.size()), order);
  QCOMPARE(BezelPage::pageTitle(), QStringLiteral("Bezel Strip"));
  QTest::keyClick(page_.get(), Qt::Key_T, Qt::AltModifier);
  QCOMPARE(QApplication::focusWidget(), box("thicknessMm"));
  QTest::keyClick(page_.get(), Qt::Key_L, Qt::AltModifier);
  QCOMPARE(QApplication::focusWidget(), box("lengthMm"));
}

QTEST_MAIN(BezelPageTest)
#include "tst_bezel_page.moc"
