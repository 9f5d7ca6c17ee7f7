// The Metal, Casting, Stone Weight, Pricing, Gauges and Knotted Strand pages
// built under German: the lists show German names yet look up by their
// place, results are spoken with German box names, messages are German,
// and every caption keeps an Alt letter of its own.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <functional>
#include <memory>

#include "bench_page_fixture.h"
#include "bench_tools/casting_page.h"
#include "bench_tools/gauge_page.h"
#include "bench_tools/knotted_strand_page.h"
#include "bench_tools/metal_page.h"
#include "bench_tools/pricing_page.h"
#include "bench_tools/stone_weight_page.h"
#include "platform/announcer.h"
#include "platform/languages.h"
#include "recording_services.h"
#include "text_fit.h"

using namespace orvane;

using PageMaker = std::function<QWidget*(DesktopServices&)>;
Q_DECLARE_METATYPE(PageMaker)

namespace {

PageMaker metalPage() {
  return [](DesktopServices& s) { return new MetalPage(s); };
}
PageMaker castingPage() {
  return [](DesktopServices& s) { return new CastingPage(s); };
}
PageMaker stonePage() {
  return [](DesktopServices& s) { return new StoneWeightPage(s); };
}
PageMaker pricingPage() {
  return [](DesktopServices& s) { return new PricingPage(s); };
}
PageMaker gaugePage() {
  return [](DesktopServices& s) { return new GaugePage(s); };
}
PageMaker strandPage() {
  return [](DesktopServices& s) { return new KnottedStrandPage(s); };
}

// Types each pair of box object name and text, Enter after each.
void fill(QWidget* page, const QStringList& typed) {
  for (qsizetype i = 0; i + 1 < typed.size(); i += 2) {
    auto* box = findNamed<EntryBox>(page, qPrintable(typed[i]));
    giveFocusTo(box);
    box->selectAll();
    typeText(box, typed[i + 1]);
    QTest::keyClick(box, Qt::Key_Return);
  }
}

}  // namespace

class BenchCalculatorsGermanTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();
  void germanPickLooksUpItsEntry_data();
  void germanPickLooksUpItsEntry();
  void resultsAreSpokenInGerman_data();
  void resultsAreSpokenInGerman();
  void messagesAreGerman_data();
  void messagesAreGerman();
  void everyCaptionHasItsOwnAltLetter_data();
  void everyCaptionHasItsOwnAltLetter();
  void textsFitEveryForm_data();
  void textsFitEveryForm();

 private:
  QWidget* open(const PageMaker& make) {
    page_.reset(make(services_));
    page_->show();
    if (!QTest::qWaitForWindowExposed(page_.get())) return nullptr;
    return page_.get();
  }

  RecordingServices services_;
  std::unique_ptr<ModalDialogGuard> guard_;
  std::unique_ptr<QWidget> page_;
};

void BenchCalculatorsGermanTest::init() {
  QVERIFY(installLanguage(QStringLiteral("de")));
  services_.reset();
  setErrorServices(&services_);
  guard_ = std::make_unique<ModalDialogGuard>();
}

void BenchCalculatorsGermanTest::cleanup() {
  QVERIFY2(!guard_->tripped(), qPrintable(guard_->seen()));
  page_.reset();
  guard_.reset();
  setErrorServices(nullptr);
  announceWithoutScreenReader(false);
  installLanguage(QStringLiteral("en"));
}

void BenchCalculatorsGermanTest::germanPickLooksUpItsEntry_data() {
  QTest::addColumn<PageMaker>("make");
  QTest::addColumn<QString>("list");
  QTest::addColumn<QString>("item");  // as a German user sees it
  QTest::addColumn<QString>("english");
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("shown");
  QTest::newRow("Metal: sterling") << metalPage() << "metalBox"
                                   << "Sterlingsilber"
                                   << "Sterling silver"
                                   << "densityBox"
                                   << "10.36";
  // An alloy's density is mixed from its metals: the entry must be the alloy's.
  QTest::newRow("Metal: platinum 950 with iridium") << metalPage() << "metalBox"
                                                    << "Platin 950/Iridium"
                                                    << "Platinum 950/iridium"
                                                    << "densityBox"
                                                    << "21.50";
  QTest::newRow("Casting: wax") << castingPage() << "modelMaterialBox"
                                << "Wachs"
                                << "Wax"
                                << "modelDensityBox"
                                << "1.00";
  QTest::newRow("Casting: copper") << castingPage() << "metalBox"
                                   << "Kupfer"
                                   << "Copper"
                                   << "metalDensityBox"
                                   << "8.96";
  QTest::newRow("Stone: ruby") << stonePage() << "stoneBox"
                               << "Rubin"
                               << "Ruby"
                               << "gravityBox"
                               << "4.00";
  QTest::newRow("Stone: emerald") << stonePage() << "stoneBox"
                                  << "Smaragd"
                                  << "Emerald"
                                  << "gravityBox"
                                  << "2.72";
  QTest::newRow("Knotted strand: princess") << strandPage() << "standardBox"
                                            << "Prinzess (18\")"
                                            << "Princess (18\")"
                                            << "lengthInch"
                                            << "18";
}

void BenchCalculatorsGermanTest::germanPickLooksUpItsEntry() {
  QFETCH(PageMaker, make);
  QFETCH(QString, list);
  QFETCH(QString, item);
  QFETCH(QString, english);
  QFETCH(QString, box);
  QFETCH(QString, shown);
  QWidget* page = open(make);
  QVERIFY(page);
  auto* picker = findNamed<QComboBox>(page, qPrintable(list));
  QCOMPARE(picker->findText(english), -1);
  const int index = picker->findText(item);
  QVERIFY2(index >= 0, qPrintable(item));
  // Start from another entry, so that the pick has something to change.
  pick(picker, index == 0 ? 1 : 0);
  pick(picker, index);
  QCOMPARE(findNamed<EntryBox>(page, qPrintable(box))->text(), shown);
  QVERIFY(services_.messages.isEmpty());
}

void BenchCalculatorsGermanTest::resultsAreSpokenInGerman_data() {
  QTest::addColumn<PageMaker>("make");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QString>("list");  // picked after typing, when not empty
  QTest::addColumn<QString>("item");
  QTest::addColumn<QString>("box");  // a result box and its text
  QTest::addColumn<QString>("result");
  QTest::addColumn<QStringList>("heard");
  // 100 mm of 1.0 mm sterling wire.
  QTest::newRow("Metal: sterling wire")
      << metalPage() << QStringList{"acrossMmBox", "1.0", "lengthMmBox", "100"} << ""
      << ""
      << "gramBox"
      << "0.8137" << QStringList{"Gramm 0.8137", "Feinunzen"};
  // The picked metal is said first, by its German name, with the new weight.
  QTest::newRow("Metal: a pick") << metalPage() << QStringList{"acrossMmBox", "1.0", "lengthMmBox", "100"}
                                 << "metalBox"
                                 << "Kupfer"
                                 << "gramBox"
                                 << "0.7037" << QStringList{"Metall Kupfer", "Gramm 0.7037"};
  // 2.50 g of wax takes 25.90 g of sterling.
  QTest::newRow("Casting: wax model") << castingPage() << QStringList{"modelWeightBox", "2.50"} << ""
                                      << ""
                                      << "gramBox"
                                      << "25.90" << QStringList{"Metallgewicht in Gramm 25.90", "Feinunzen"};
  // A round sapphire (SG 4.00) of 8 and 6 mm across, 4 mm deep: 7^2 x 4 x 4.00 x 0.0018.
  QTest::newRow("Stone: round sapphire")
      << stonePage() << QStringList{"lengthBox", "8", "widthBox", "6", "depthBox", "4"} << "stoneBox"
      << "Saphir"
      << "caratBox"
      << "1.41" << QStringList{"Stein Saphir", "Gewicht in Karat 1.41"};
  QTest::newRow("Pricing: hours without a rate")
      << pricingPage() << QStringList{"materialsBox", "10", "hoursBox", "2"} << ""
      << ""
      << "costBox"
      << "" << QStringList{"den Stundensatz"};
  QTest::newRow("Knotted strand: no clasp yet")
      << strandPage() << QStringList{"lengthMm", "400", "beadBox", "8"} << ""
      << ""
      << "beadCountBox"
      << "" << QStringList{"die Verschlusslänge"};
  QTest::newRow("Gauges: beyond the tables")
      << gaugePage() << QStringList{"sizeMm", "20"} << ""
      << ""
      << "americanMm"
      << "" << QStringList{"Dicker als AWG 0000 (11.6840 mm), die dickste Stärke der Tabelle"};
}

void BenchCalculatorsGermanTest::resultsAreSpokenInGerman() {
  QFETCH(PageMaker, make);
  QFETCH(QStringList, typed);
  QFETCH(QString, list);
  QFETCH(QString, item);
  QFETCH(QString, box);
  QFETCH(QString, result);
  QFETCH(QStringList, heard);
  announceWithoutScreenReader(true);
  QWidget* page = open(make);
  QVERIFY(page);
  fill(page, typed);
  if (!list.isEmpty()) {
    auto* picker = findNamed<QComboBox>(page, qPrintable(list));
    takeNotices(page);
    const int index = picker->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    pick(picker, index);
  }
  QCOMPARE(findNamed<EntryBox>(page, qPrintable(box))->text(), result);
  const QString spoken = takeNotices(page).join(u'|');
  for (const QString& words : heard) QVERIFY2(spoken.contains(words), qPrintable(spoken));
  QVERIFY(services_.messages.isEmpty());
}

void BenchCalculatorsGermanTest::messagesAreGerman_data() {
  QTest::addColumn<PageMaker>("make");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QString>("words");  // in the message
  QTest::newRow("Knotted strand: clasp as long as the strand")
      << strandPage() << QStringList{"claspBox", "50", "beadBox", "8", "lengthMm", "50"}
      << "Der Verschluss (50 mm) nimmt die ganze Länge (50 mm) ein: Für Perlen bleibt nichts übrig";
  QTest::newRow("Stone: a depth beyond any stone")
      << stonePage() << QStringList{"depthBox", "300"} << "Tiefe in mm";
  QTest::newRow("Gauges: a diameter of nothing")
      << gaugePage() << QStringList{"sizeMm", "0"} << "Drahtdurchmesser";
}

// The program's own words in a refusal are German; the figures keep ".".
void BenchCalculatorsGermanTest::messagesAreGerman() {
  QFETCH(PageMaker, make);
  QFETCH(QStringList, typed);
  QFETCH(QString, words);
  QWidget* page = open(make);
  QVERIFY(page);
  fill(page, typed);
  QCOMPARE(services_.messages.size(), 1);
  QVERIFY2(services_.messages.first().text.contains(words), qPrintable(services_.messages.first().text));
}

void BenchCalculatorsGermanTest::everyCaptionHasItsOwnAltLetter_data() {
  QTest::addColumn<PageMaker>("make");
  QTest::addColumn<QString>("list");  // a list whose picks change the captions
  QTest::addColumn<int>("picks");
  QTest::newRow("Metal") << metalPage() << "shapeBox" << int(MetalShape::RingBlank) + 1;
  QTest::newRow("Casting") << castingPage() << "" << 1;
  QTest::newRow("Stone Weight") << stonePage() << "shapeBox" << 2;
  QTest::newRow("Pricing") << pricingPage() << "" << 1;
  QTest::newRow("Gauges") << gaugePage() << "" << 1;
  QTest::newRow("Knotted Strand") << strandPage() << "" << 1;
}

// Alt and a caption's letter must reach its box in German too: each caption
// shown has a marked letter, none twice on the page, the button's included.
void BenchCalculatorsGermanTest::everyCaptionHasItsOwnAltLetter() {
  QFETCH(PageMaker, make);
  QFETCH(QString, list);
  QFETCH(int, picks);
  QWidget* page = open(make);
  QVERIFY(page);
  for (int picked = 0; picked < picks; ++picked) {
    if (!list.isEmpty()) pick(findNamed<QComboBox>(page, qPrintable(list)), picked);
    QStringList texts;
    for (QLabel* label : page->findChildren<QLabel*>())
      if (label->buddy() && label->isVisible()) texts << label->text();
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>())
      if (button->isVisible()) texts << button->text();
    QStringList letters;
    for (const QString& text : texts) {
      const QString plain = QString(text).replace(QStringLiteral("&&"), QString());
      const qsizetype amp = plain.indexOf(u'&');
      QVERIFY2(amp >= 0 && amp + 1 < plain.size(), qPrintable(text));
      const QString letter = plain.mid(amp + 1, 1).toLower();
      QVERIFY2(!letters.contains(letter), qPrintable(QStringLiteral("%1 twice: %2").arg(letter, text)));
      letters << letter;
    }
    QVERIFY(letters.size() >= 3);
  }
}

void BenchCalculatorsGermanTest::textsFitEveryForm_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<PageMaker>("make");
  QTest::addColumn<QString>("list");  // a list whose picks change the captions
  QTest::addColumn<int>("picks");
  for (const char* language : {"de", kPseudoLanguage}) {
    QTest::addRow("%s Metal", language)
        << language << metalPage() << "shapeBox" << int(MetalShape::RingBlank) + 1;
    QTest::addRow("%s Casting", language) << language << castingPage() << "" << 1;
    QTest::addRow("%s Stone Weight", language) << language << stonePage() << "shapeBox" << 2;
    QTest::addRow("%s Pricing", language) << language << pricingPage() << "" << 1;
    QTest::addRow("%s Gauges", language) << language << gaugePage() << "" << 1;
    QTest::addRow("%s Knotted Strand", language) << language << strandPage() << "" << 1;
  }
}

// In every form a page takes (each metal shape, a round stone and another),
// no caption or list entry is cut, in German or in the longer
// pseudo-language; and under the pseudo-language no text is left English.
void BenchCalculatorsGermanTest::textsFitEveryForm() {
  QFETCH(QString, language);
  QFETCH(PageMaker, make);
  QFETCH(QString, list);
  QFETCH(int, picks);
  QVERIFY(installLanguage(language));
  QWidget* page = open(make);
  QVERIFY(page);
  for (int picked = 0; picked < picks; ++picked) {
    if (!list.isEmpty()) pick(findNamed<QComboBox>(page, qPrintable(list)), picked);
    QCoreApplication::processEvents();
    const QStringList cut = textsThatDoNotFit(page);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    if (language == QLatin1String(kPseudoLanguage)) {
      const QStringList plain = untranslatedTexts(page);
      QVERIFY2(plain.isEmpty(), qPrintable(plain.join(u'\n')));
    }
  }
}

QTEST_MAIN(BenchCalculatorsGermanTest)
#include "tst_bench_calculators_german.moc"
