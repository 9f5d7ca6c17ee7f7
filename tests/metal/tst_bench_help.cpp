#include <QTest>

#include "app/help_text.h"

using namespace orvane;

static void InitResources() { Q_INIT_RESOURCE(orvane); }

// The bench calculators' help reads whole, a section per page.
class BenchHelpTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() { InitResources(); }
  void sections();
};

void BenchHelpTest::sections() {
  const HelpPage page = LoadHelpPage(QStringLiteral("bench"));
  QVERIFY2(page.problems.isEmpty(), qPrintable(page.problems.join(u'\n')));
  QStringList headings;
  for (const HelpBlock& b : page.blocks)
    if (b.kind == HelpBlock::Kind::Heading) headings << b.text;
  QCOMPARE(headings, (QStringList{"Stone Weight", "Gauges", "Knotted Strand", "Jump Ring"}));
}

QTEST_MAIN(BenchHelpTest)
#include "tst_bench_help.moc"
