#include <QTest>

#include "app/help_text.h"

using namespace orvane;

static void initResources() { Q_INIT_RESOURCE(orvane); }

// The Bead Calculator help reads whole, with a section per bench page.
class BenchHelpTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() { initResources(); }
  void sections();
};

void BenchHelpTest::sections() {
  const HelpPage page = loadHelpPage(QStringLiteral("bead_calculator"));
  QVERIFY2(page.problems.isEmpty(), qPrintable(page.problems.join(u'\n')));
  QStringList headings;
  for (const HelpBlock& b : page.blocks)
    if (b.kind == HelpBlock::Kind::Heading) headings << b.text;
  for (const char* section :
       {"Bench: Metal", "Bench: Casting", "Bench: Stone Weight", "Bench: Pricing", "Bench: Gauges",
        "Bench: Knotted Strand", "Bench: Jump Ring", "Bench: Ring Resizing", "Bench: Alloying",
        "Bench: Seed Beads", "Bench: Bezel Strip"})
    QVERIFY2(headings.contains(QLatin1String(section)), section);
}

QTEST_MAIN(BenchHelpTest)
#include "tst_bench_help.moc"
