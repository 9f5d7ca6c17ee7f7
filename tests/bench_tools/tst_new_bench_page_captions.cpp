#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <memory>

#include "bench_tools/alloying_page.h"
#include "bench_tools/bezel_page.h"
#include "bench_tools/jump_ring_page.h"
#include "bench_tools/ring_resize_page.h"
#include "bench_tools/seed_bead_page.h"
#include "platform/error_boundary.h"
#include "platform/languages.h"
#include "recording_services.h"

using namespace orvane;

using PageMaker = std::function<QWidget*(DesktopServices&)>;
Q_DECLARE_METATYPE(PageMaker)

// Every caption of the Jump Ring, Ring Resizing, Alloying, Seed Beads and
// Bezel Strip pages carries an Alt letter, none twice on a page, and leads to
// its box, in English and in German (whose captions mark letters of their own).
// The captions that change with a pick are checked in each of their forms.
class NewBenchPageCaptionsTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void cleanup() { installLanguage(QStringLiteral("en")); }
  void mnemonics_data();
  void mnemonics();
};

void NewBenchPageCaptionsTest::mnemonics_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<PageMaker>("make");
  QTest::addColumn<QString>("list");  // a list whose picks change captions
  QTest::addColumn<int>("picks");
  for (const char* language : {"en", "de"}) {
    auto row = [language](const char* page) -> QTestData& {
      return QTest::addRow("%s %s", page, language) << language;
    };
    row("Jump Ring") << PageMaker([](DesktopServices& s) { return new JumpRingPage(s); }) << "measuredBox"
                     << 2;
    row("Ring Resizing") << PageMaker([](DesktopServices& s) { return new RingResizePage(s); }) << "scaleBox"
                         << 1;
    row("Alloying") << PageMaker([](DesktopServices& s) { return new AlloyingPage(s); }) << "taskBox" << 3;
    row("Seed Beads") << PageMaker([](DesktopServices& s) { return new SeedBeadPage(s); }) << "stitchBox"
                      << 1;
    row("Bezel Strip") << PageMaker([](DesktopServices& s) { return new BezelPage(s); }) << "shapeBox" << 3;
  }
}

void NewBenchPageCaptionsTest::mnemonics() {
  QFETCH(QString, language);
  QFETCH(PageMaker, make);
  QFETCH(QString, list);
  QFETCH(int, picks);
  QVERIFY(installLanguage(language));
  RecordingServices services;
  setErrorServices(&services);
  std::unique_ptr<QWidget> page(make(services));
  auto* picker = page->findChild<QComboBox*>(list);
  QVERIFY(picker);
  for (int pick = 0; pick < picks; ++pick) {
    picker->setCurrentIndex(pick);
    Q_EMIT picker->activated(pick);
    QStringList letters;
    for (QLabel* label : page->findChildren<QLabel*>()) {
      if (!label->buddy()) continue;  // headings and notes
      const QString text = label->text();
      const qsizetype amp = text.indexOf(u'&');
      QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text));
      const QString letter = text.mid(amp + 1, 1).toLower();
      QVERIFY2(!letters.contains(letter), qPrintable(QStringLiteral("%1 twice: %2").arg(letter, text)));
      letters << letter;
      QVERIFY(label->buddy()->focusPolicy() & Qt::TabFocus);
    }
    QVERIFY(letters.size() >= 4);
  }
  QVERIFY(services.messages.isEmpty());
  page.reset();
  setErrorServices(nullptr);
}

QTEST_MAIN(NewBenchPageCaptionsTest)
#include "tst_new_bench_page_captions.moc"
