#include <QTest>

#include "app/help_text.h"

using namespace orvane;

Q_DECLARE_METATYPE(HelpBlock::Kind)

static void initResources() { Q_INIT_RESOURCE(orvane); }

class TestHelpText : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() { initResources(); }

  // Each item of the format, as the window lays it out.
  void readsEachItem() {
    const HelpPage page =
        parseHelpPage(QStringLiteral("# a note for the writer\n"
                                     "heading Stone Size\n"
                                     "\n"
                                     "memo\n"
                                     "|Note that if |\n"
                                     "||\n"
                                     "|the end.|\n"
                                     "memo 15 361x185\r\n"
                                     "|big|\r\n"
                                     "picture help.png 257x67 | Millimeters 3.17500\n"
                                     "picture wide.png 320x43 stretch | A box\n"
                                     "pair 97x97\n"
                                     "|a.png|Left picture|Left|\n"
                                     "|b.png|Right picture|Right|\n"
                                     "skip 12\n"));
    QCOMPARE(page.problems, QStringList());
    QCOMPARE(page.blocks.size(), 7);
    using K = HelpBlock::Kind;
    QCOMPARE(page.blocks[0].kind, K::Heading);
    QCOMPARE(page.blocks[0].text, QStringLiteral("Stone Size"));
    QCOMPARE(page.blocks[1].kind, K::Memo);
    // Spaces at the ends of a line and empty lines are kept.
    QCOMPARE(page.blocks[1].lines, QStringList({"Note that if ", "", "the end."}));
    QCOMPARE(page.blocks[1].pixels, 13);
    QVERIFY(page.blocks[1].size.isEmpty());
    QCOMPARE(page.blocks[2].pixels, 15);
    QCOMPARE(page.blocks[2].size, QSize(361, 185));
    QCOMPARE(page.blocks[2].lines, QStringList{"big"});
    QCOMPARE(page.blocks[3].kind, K::Picture);
    QCOMPARE(page.blocks[3].size, QSize(257, 67));
    QCOMPARE(page.blocks[3].stretch, false);
    QCOMPARE(page.blocks[3].pictures.front().file, QStringLiteral("help.png"));
    QCOMPARE(page.blocks[3].pictures.front().description, QStringLiteral("Millimeters 3.17500"));
    QCOMPARE(page.blocks[4].stretch, true);
    QCOMPARE(page.blocks[5].kind, K::Pair);
    QCOMPARE(page.blocks[5].pictures.size(), 2);
    QCOMPARE(page.blocks[5].pictures[1].file, QStringLiteral("b.png"));
    QCOMPARE(page.blocks[5].pictures[1].description, QStringLiteral("Right picture"));
    QCOMPARE(page.blocks[5].pictures[1].caption, QStringLiteral("Right"));
    QCOMPARE(page.blocks[6].kind, K::Skip);
    QCOMPARE(page.blocks[6].pixels, 12);
  }

  void reportsWhatItCannotRead_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::newRow("unknown item") << "heading A\ntable 3\n"
                                  << "line 2: table 3";
    QTest::newRow("memo without lines") << "memo\nheading A\n"
                                        << "line 1: memo";
    QTest::newRow("memo size not a number") << "memo big\n|x|\n"
                                            << "line 1: memo big";
    QTest::newRow("line without its closing bar") << "memo\n|x\n"
                                                  << "line 1: memo";
    QTest::newRow("picture without description") << "picture a.png 10x10\n"
                                                 << "line 1: picture a.png 10x10";
    QTest::newRow("picture size") << "picture a.png 10 | A\n"
                                  << "line 1: picture a.png 10 | A";
    QTest::newRow("pair with one picture") << "pair 9x9\n|a.png|A|a|\n"
                                           << "line 1: pair 9x9";
    QTest::newRow("skip not a number") << "skip some\n"
                                       << "line 1: skip some";
  }

  void reportsWhatItCannotRead() {
    QFETCH(QString, text);
    QTEST(parseHelpPage(text).problems.value(0), "problem");
  }

  // The pages compiled into the program read without a problem.
  void everyPageReads_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("memos");
    QTest::newRow("license") << "license" << 2;
    QTest::newRow("stone size") << "stone_size" << 2;
    QTest::newRow("bead calculator") << "bead_calculator" << 22;
    QTest::newRow("worksheet") << "worksheet" << 7;
  }

  void everyPageReads() {
    QFETCH(QString, name);
    const HelpPage page = loadHelpPage(name);
    QCOMPARE(page.problems, QStringList());
    int memos = 0;
    for (const HelpBlock& block : page.blocks) memos += block.kind == HelpBlock::Kind::Memo;
    QTEST(memos, "memos");
    for (const HelpBlock& block : page.blocks)
      for (const QString& line : block.lines) QVERIFY2(!line.contains(u'{'), qPrintable(line));
  }

  // The calculator's memory has no keys of its own on the keyboard: the help
  // is where a user finds them.
  void calculatorMemoryKeysAreWritten() {
    QString text;
    for (const HelpBlock& block : loadHelpPage(QStringLiteral("bead_calculator")).blocks)
      text += block.lines.join(u' ') + u' ';
    for (const char* key : {"Ctrl+P", "Ctrl+S", "Ctrl+M", "Ctrl+R", "Ctrl+L"})
      QVERIFY2(text.contains(QLatin1String(key)), key);
  }
};

QTEST_GUILESS_MAIN(TestHelpText)
#include "tst_help_text.moc"
