// The Jump Ring, Ring Resizing, Alloying, Seed Beads and Bezel Strip pages
// built in German: lists read by their index (not their shown text) still
// find their tables, results and spoken notices come in German with the
// figures as in English, and the messages name the boxes in German.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <functional>
#include <memory>

#include "bench_page_fixture.h"
#include "bench_tools/alloying_page.h"
#include "bench_tools/bezel_page.h"
#include "bench_tools/jump_ring_page.h"
#include "bench_tools/ring_resize_page.h"
#include "bench_tools/seed_bead_page.h"
#include "core/metal.h"
#include "platform/announcer.h"
#include "platform/languages.h"
#include "recording_services.h"

using namespace orvane;

using PageMaker = std::function<QWidget*(DesktopServices&)>;
Q_DECLARE_METATYPE(PageMaker)

namespace {

QString textOf(QWidget* page, const char* name) { return findNamed<EntryBox>(page, name)->text(); }

// The caption that leads to `buddy`, as shown.
QString captionOf(QWidget* page, QWidget* buddy) {
  for (QLabel* label : page->findChildren<QLabel*>())
    if (label->buddy() == buddy) return label->text();
  return {};
}

}  // namespace

class GermanBenchPagesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase();
  void cleanupTestCase();
  void init();
  void cleanup();
  void jumpRingWeaveByIndex();
  void ringResizeScaleAndMetalByIndex();
  void seedBeadSizeAndStitchByIndex();
  void alloyingTaskByIndex();
  void messagesNameTheBoxInGerman_data();
  void messagesNameTheBoxInGerman();

 private:
  // The page is shown once the caller has waited for it.
  template <typename Page>
  Page* open() {
    auto* page = new Page(services_);
    page_.reset(page);
    page->show();
    return page;
  }

  RecordingServices services_;
  std::unique_ptr<ModalDialogGuard> guard_;
  std::unique_ptr<QWidget> page_;
};

void GermanBenchPagesTest::initTestCase() {
  QVERIFY(installLanguage(QStringLiteral("de")));
  announceWithoutScreenReader(true);
}

void GermanBenchPagesTest::cleanupTestCase() {
  announceWithoutScreenReader(false);
  installLanguage(QStringLiteral("en"));
}

void GermanBenchPagesTest::init() {
  services_.reset();
  setErrorServices(&services_);
  guard_ = std::make_unique<ModalDialogGuard>();
}

void GermanBenchPagesTest::cleanup() {
  QVERIFY2(!guard_->tripped(), qPrintable(guard_->seen()));
  page_.reset();
  guard_.reset();
  setErrorServices(nullptr);
}

// Byzantine (the second weave) with 1.3 mm wire: 3.2 to 3.6, rings of 4.16 to
// 4.68 mm; a 5.0 mm ring (3.85) is too loose.
void GermanBenchPagesTest::jumpRingWeaveByIndex() {
  JumpRingPage* page = open<JumpRingPage>();
  QVERIFY(QTest::qWaitForWindowExposed(page));
  QCOMPARE(JumpRingPage::pageTitle(), QStringLiteral("Biegering"));
  auto* weaves = findNamed<QComboBox>(page, "weaveBox");
  QCOMPARE(weaves->itemText(1), QStringLiteral("Byzantinisch"));
  QCOMPARE(weaves->placeholderText(), QStringLiteral("Auswählen"));
  typeInto(findNamed<EntryBox>(page, "wireMm"), QStringLiteral("1.3"));
  typeInto(findNamed<EntryBox>(page, "diameterMm"), QStringLiteral("5.0"));
  QCOMPARE(textOf(page, "ratioBox"), QStringLiteral("3.85"));
  giveFocusTo(weaves);
  takeNotices(page);
  pick(weaves, 1);
  QCOMPARE(textOf(page, "weaveRatioBox"), QStringLiteral("3.2 bis 3.6"));
  QCOMPARE(textOf(page, "weaveInnerBox"), QStringLiteral("4.16 bis 4.68"));
  QCOMPARE(textOf(page, "weaveFitBox"), QStringLiteral("Zu locker"));
  const QStringList notices = takeNotices(page);
  QCOMPARE(notices.size(), 1);
  QVERIFY2(notices.first().startsWith(QStringLiteral("Geflecht Byzantinisch, Seitenverhältnisse des "
                                                     "Geflechts 3.2 bis 3.6, ")),
           qPrintable(notices.first()));
  QVERIFY2(notices.first().contains(QStringLiteral("Der Ring für das Geflecht Zu locker")),
           qPrintable(notices.first()));
  // The outer diameter, picked by its index, renames the boxes and their caption.
  pick(findNamed<QComboBox>(page, "measuredBox"), 1);
  QCOMPARE(findNamed<EntryBox>(page, "diameterInch")->accessibleName(),
           QStringLiteral("Außendurchmesser in Zoll"));
  QCOMPARE(captionOf(page, findNamed<EntryBox>(page, "diameterMm")), QStringLiteral("&Außendurchmesser"));
  QVERIFY(services_.messages.isEmpty());
}

// German sizes 17 to 18 (the chart's 16.916 and 17.932 mm): pi x 1.016 =
// 3.19 mm of 1.5 x 4 mm sterling (10.36 g/cm3) to add, 0.1984 g.
void GermanBenchPagesTest::ringResizeScaleAndMetalByIndex() {
  RingResizePage* page = open<RingResizePage>();
  QVERIFY(QTest::qWaitForWindowExposed(page));
  auto* scale = findNamed<QComboBox>(page, "scaleBox");
  QCOMPARE(scale->itemText(int(RingScale::Germany)), QStringLiteral("Deutschland"));
  pick(scale, int(RingScale::Germany));
  const QStringList sizes = ringSizesOn(RingScale::Germany);
  auto* from = findNamed<QComboBox>(page, "fromBox");
  auto* to = findNamed<QComboBox>(page, "toBox");
  QCOMPARE(from->count(), sizes.size());
  pick(from, int(sizes.indexOf(QStringLiteral("17"))));
  pick(to, int(sizes.indexOf(QStringLiteral("18"))));
  QCOMPARE(textOf(page, "fromInnerBox"), QStringLiteral("16.916"));
  QCOMPARE(textOf(page, "toInnerBox"), QStringLiteral("17.932"));
  // Sterling, the list's second metal, as in English: its density looked up by index.
  QCOMPARE(textOf(page, "densityBox"), QStringLiteral("10.36"));
  typeInto(findNamed<EntryBox>(page, "thicknessMm"), QStringLiteral("1.5"));
  typeInto(findNamed<EntryBox>(page, "widthMm"), QStringLiteral("4"));
  QCOMPARE(textOf(page, "changeMmBox"), QStringLiteral("3.19"));
  QCOMPARE(textOf(page, "gramsBox"), QStringLiteral("0.1984"));
  QCOMPARE(captionOf(page, findNamed<EntryBox>(page, "changeMmBox")), QStringLiteral("Einzusetzende &Länge"));
  // The other way round takes metal out: the captions and names say so.
  pick(from, int(sizes.indexOf(QStringLiteral("18"))));
  pick(to, int(sizes.indexOf(QStringLiteral("17"))));
  QCOMPARE(captionOf(page, findNamed<EntryBox>(page, "gramsBox")), QStringLiteral("Zu entfernendes Met&all"));
  QCOMPARE(findNamed<EntryBox>(page, "changeInchBox")->accessibleName(),
           QStringLiteral("Zu entfernende Länge in Zoll"));
  QCOMPARE(textOf(page, "gramsBox"), QStringLiteral("0.1984"));
  QVERIFY(services_.messages.isEmpty());
}

// 11/0 rounds in peyote, 1 x 2 inches: 18 columns, 51 rows, 459 beads, 4.2 g.
void GermanBenchPagesTest::seedBeadSizeAndStitchByIndex() {
  SeedBeadPage* page = open<SeedBeadPage>();
  QVERIFY(QTest::qWaitForWindowExposed(page));
  QCOMPARE(findNamed<QComboBox>(page, "sizeBox")->itemText(1), QStringLiteral("11/0 rund"));
  pick(findNamed<QComboBox>(page, "sizeBox"), 1);
  pick(findNamed<QComboBox>(page, "stitchBox"), int(BeadStitch::Peyote));
  QCOMPARE(findNamed<QComboBox>(page, "stitchBox")->currentText(), QStringLiteral("Peyote-Stich"));
  typeInto(findNamed<EntryBox>(page, "widthInch"), QStringLiteral("1"));
  takeNotices(page);
  typeInto(findNamed<EntryBox>(page, "lengthInch"), QStringLiteral("2"));
  QCOMPARE(textOf(page, "perGramBox"), QStringLiteral("110"));
  QCOMPARE(textOf(page, "beadsBox"), QStringLiteral("459"));
  QCOMPARE(textOf(page, "gramsBox"), QStringLiteral("4.2"));
  const QStringList notices = takeNotices(page);
  QCOMPARE(notices.size(), 1);
  QVERIFY2(notices.first().contains(QStringLiteral("Spalten 18, Reihen 51, Anzahl Perlen 459, Zu kaufende "
                                                   "Gramm 4.2, 10-g-Röhrchen 1")),
           qPrintable(notices.first()));
  QVERIFY(services_.messages.isEmpty());
}

// 100 g of fine silver takes 8.11 g of copper to make sterling.
void GermanBenchPagesTest::alloyingTaskByIndex() {
  AlloyingPage* page = open<AlloyingPage>();
  QVERIFY(QTest::qWaitForWindowExposed(page));
  auto* task = findNamed<QComboBox>(page, "taskBox");
  pick(task, int(AlloyTask::Sterling));
  QCOMPARE(task->currentText(), QStringLiteral("Feinsilber zu Sterlingsilber"));
  QVERIFY(!findNamed<EntryBox>(page, "fromKaratBox")->isEnabled());
  takeNotices(page);
  typeInto(findNamed<EntryBox>(page, "gramsBox"), QStringLiteral("100"));
  QCOMPARE(textOf(page, "addedBox"), QStringLiteral("8.11"));
  QCOMPARE(captionOf(page, findNamed<EntryBox>(page, "addedBox")), QStringLiteral("&Zuzugebendes Kupfer"));
  const QStringList notices = takeNotices(page);
  QCOMPARE(notices.size(), 1);
  QVERIFY2(notices.first().startsWith(QStringLiteral("Zuzugebendes Kupfer in Gramm 8.11, Endgewicht in Gramm "
                                                     "108.11")),
           qPrintable(notices.first()));
  QVERIFY(services_.messages.isEmpty());
}

void GermanBenchPagesTest::messagesNameTheBoxInGerman_data() {
  QTest::addColumn<PageMaker>("make");
  QTest::addColumn<QStringList>("picks");  // list object names and indices
  QTest::addColumn<QStringList>("first");  // boxes typed into before, and their texts
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("message");
  const PageMaker jumpRing = [](DesktopServices& s) { return new JumpRingPage(s); };
  const PageMaker ringResize = [](DesktopServices& s) { return new RingResizePage(s); };
  const PageMaker alloying = [](DesktopServices& s) { return new AlloyingPage(s); };
  const PageMaker bezel = [](DesktopServices& s) { return new BezelPage(s); };
  QTest::newRow("nothing typed")
      << alloying << QStringList{} << QStringList{} << "gramsBox"
      << ""
      << "Es fehlt das Gewicht in Gramm: Geben Sie eine Zahl ein und drücken Sie dann die Eingabetaste.";
  QTest::newRow("too large, in inches")
      << bezel << QStringList{} << QStringList{} << "thicknessInch"
      << "1/4"
      << "'1/4' ist zu groß: die Stärke des Zargenbands in Zoll darf höchstens 0.11811 betragen.";
  QTest::newRow("too small, in mm")
      << jumpRing << QStringList{} << QStringList{} << "wireMm"
      << "0.001"
      << "'0.001' ist zu klein: der Drahtdurchmesser in mm muss mindestens 0.01 betragen.";
  QTest::newRow("a zero density") << ringResize << QStringList{"metalBox", QString::number(kOtherMetal)}
                                  << QStringList{} << "densityBox"
                                  << "0"
                                  << "'0' ist null: eine Dichte muss größer als null sein.";
  QTest::newRow("a density beyond its limit")
      << ringResize << QStringList{"metalBox", QString::number(kOtherMetal)} << QStringList{} << "densityBox"
      << "1000"
      << "'1000' ist zu groß: eine Dichte darf höchstens 100 g/cm\u00b3 betragen.";
  QTest::newRow("karats the wrong way") << alloying << QStringList{"taskBox", "0"}
                                        << QStringList{"gramsBox", "10", "fromKaratBox", "18"} << "toKaratBox"
                                        << "22"
                                        << "Legierung senkt das Karat nur: 22 kt liegt nicht unter 18 kt.";
}

void GermanBenchPagesTest::messagesNameTheBoxInGerman() {
  QFETCH(PageMaker, make);
  QFETCH(QStringList, picks);
  QFETCH(QStringList, first);
  QFETCH(QString, box);
  QFETCH(QString, typed);
  QFETCH(QString, message);
  page_.reset(make(services_));
  page_->show();
  QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
  for (qsizetype i = 0; i + 1 < picks.size(); i += 2)
    pick(findNamed<QComboBox>(page_.get(), qPrintable(picks[i])), picks[i + 1].toInt());
  for (qsizetype i = 0; i + 1 < first.size(); i += 2)
    typeInto(findNamed<EntryBox>(page_.get(), qPrintable(first[i])), first[i + 1]);
  auto* target = findNamed<EntryBox>(page_.get(), qPrintable(box));
  giveFocusTo(target);
  target->selectAll();
  target->insert(typed);  // a paste: not filtered
  QTest::keyClick(target, Qt::Key_Return);
  QCOMPARE(services_.messages.size(), 1);
  QCOMPARE(services_.messages.first().caption, QStringLiteral("Orvane"));
  QCOMPARE(services_.messages.first().text, message);
}

QTEST_MAIN(GermanBenchPagesTest)
#include "tst_ring_and_bead_pages_german.moc"
