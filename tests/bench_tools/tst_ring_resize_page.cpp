#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "bench_page_fixture.h"
#include "bench_tools/ring_resize_page.h"
#include "widgets/entry_box.h"

using namespace orvane;

class RingResizePageTest : public QObject, public BenchPageFixture<RingResizePage> {
  Q_OBJECT
 private Q_SLOTS:
  void init() { openPage(); }
  void cleanup() { closePage(); }
  void usSevenToEightInSterling();
  void downOnAnotherScale();
  void badInputLeavesTheBoxes();
  void tabOrderAndMnemonics();

 private:
  EntryBox* box(const char* name) const { return page_->findChild<EntryBox*>(QLatin1String(name)); }
  QComboBox* list(const char* name) const { return page_->findChild<QComboBox*>(QLatin1String(name)); }
  void pickSize(const char* name, const QString& size) {
    QComboBox* l = list(name);
    QVERIFY(l);
    pick(l, l->findText(size));
  }
  QStringList results() const {
    QStringList texts;
    for (const char* name : {"fromInnerBox", "toInnerBox", "fromBlankBox", "toBlankBox", "changeMmBox",
                             "changeInchBox", "gramsBox"})
      texts << box(name)->text();
    return texts;
  }
};

// By hand: pi x (17.323 + 1.5) and pi x (18.136 + 1.5); the difference pi x
// 0.813 = 2.554 mm; 2.554 x 4 x 1.5 mm3 of sterling (10.36) = 0.1588 g.
void RingResizePageTest::usSevenToEightInSterling() {
  pickSize("fromBox", QStringLiteral("7"));
  pickSize("toBox", QStringLiteral("8"));
  QCOMPARE(box("fromInnerBox")->text(), QStringLiteral("17.323"));
  QCOMPARE(box("changeMmBox")->text(), QStringLiteral("2.55"));
  typeInto(box("thicknessMm"), QStringLiteral("1.5"));
  // The width is still needed: Enter walks on to it.
  QCOMPARE(QApplication::focusWidget(), box("widthMm"));
  typeInto(box("widthMm"), QStringLiteral("4"));
  QCOMPARE(results(), (QStringList{"17.323", "18.136", "59.13", "61.69", "2.55", "0.101", "0.1588"}));
  QCOMPARE(box("thicknessInch")->text(), QStringLiteral("0.05906"));
  QCOMPARE(box("densityBox")->text(), QStringLiteral("10.36"));
  QCOMPARE(box("gramsBox")->accessibleName(), QStringLiteral("Metal to add in grams"));
  QVERIFY(services_.messages.isEmpty());
}

// British P (17.729) down to M (16.510) in 18 ct: pi x 1.219 = 3.83 mm cut
// out; 3.83 x 2 x 1 mm3 at 15.5 = 0.1187 g.
void RingResizePageTest::downOnAnotherScale() {
  pick(list("scaleBox"), 1);
  QCOMPARE(list("fromBox")->itemText(0), QStringLiteral("A"));
  pickSize("fromBox", QStringLiteral("P"));
  pickSize("toBox", QStringLiteral("M"));
  pick(list("metalBox"), list("metalBox")->findText(QStringLiteral("Gold 18 ct yellow")));
  typeInto(box("thicknessMm"), QStringLiteral("1"));
  typeInto(box("widthMm"), QStringLiteral("2"));
  QCOMPARE(results(), (QStringList{"17.729", "16.510", "58.84", "55.01", "3.83", "0.151", "0.1187"}));
  QCOMPARE(box("changeMmBox")->accessibleName(), QStringLiteral("Length to remove in mm"));
  // A metal not in the list: its density typed.
  pick(list("metalBox"), list("metalBox")->count() - 1);
  QCOMPARE(QApplication::focusWidget(), box("densityBox"));
  QVERIFY(box("gramsBox")->text().isEmpty());
  typeInto(box("densityBox"), QStringLiteral("10"));
  QCOMPARE(box("gramsBox")->text(), QStringLiteral("0.0766"));
  // A new scale drops the sizes picked on the old one.
  pick(list("scaleBox"), 2);
  QCOMPARE(list("fromBox")->currentIndex(), -1);
  QVERIFY(box("changeMmBox")->text().isEmpty());
}

void RingResizePageTest::badInputLeavesTheBoxes() {
  pickSize("fromBox", QStringLiteral("7"));
  pickSize("toBox", QStringLiteral("8"));
  typeInto(box("thicknessMm"), QStringLiteral("1.5"));
  typeInto(box("widthMm"), QStringLiteral("4"));
  const QStringList before = results();
  EntryBox* thickness = box("thicknessMm");
  giveFocusTo(thickness);
  thickness->selectAll();
  thickness->insert(QStringLiteral("11"));  // a paste: not filtered
  QTest::keyClick(thickness, Qt::Key_Return);
  QCOMPARE(services_.messages.size(), 1);
  QCOMPARE(services_.messages.first().text,
           QStringLiteral("'11' is too large: the thickness in mm can be at most 10."));
  QCOMPARE(results(), before);
  QCOMPARE(box("thicknessInch")->text(), QStringLiteral("0.05906"));
}

void RingResizePageTest::tabOrderAndMnemonics() {
  const QStringList order{"Ring size scale",       "Ring size now",
                          "Ring size wanted",      "Thickness in mm",
                          "Thickness in inches",   "Width in mm",
                          "Width in inches",       "Metal",
                          "Density in g/cm\u00b3", "Inner diameter now, in mm"};
  QCOMPARE(tabOrderFrom(list("scaleBox"), order.size()), order);
  QCOMPARE(RingResizePage::pageTitle(), QStringLiteral("Ring Resizing"));
  QTest::keyClick(page_.get(), Qt::Key_I, Qt::AltModifier);
  QCOMPARE(QApplication::focusWidget(), box("widthMm"));
  QTest::keyClick(page_.get(), Qt::Key_W, Qt::AltModifier);
  QCOMPARE(QApplication::focusWidget(), list("toBox"));
}

QTEST_MAIN(RingResizePageTest)
#include "tst_ring_resize_page.moc"
