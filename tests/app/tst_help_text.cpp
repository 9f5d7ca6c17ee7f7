#include <QTest>

#include "app/help_text.h"
#include "platform/languages.h"

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

  // The pages compiled into the program read without a problem, in every
  // language written.
  void everyPageReads_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("memos");
    for (const char* language : {"en", "de"}) {
      QTest::addRow("license, %s", language) << "license" << language << 2;
      QTest::addRow("stone size, %s", language) << "stone_size" << language << 2;
      QTest::addRow("bead calculator, %s", language) << "bead_calculator" << language << 22;
      QTest::addRow("worksheet, %s", language) << "worksheet" << language << 7;
    }
  }

  void everyPageReads() {
    QFETCH(QString, name);
    QFETCH(QString, language);
    const HelpPage page = loadHelpPage(name, language);
    QCOMPARE(page.problems, QStringList());
    int memos = 0;
    for (const HelpBlock& block : page.blocks) memos += block.kind == HelpBlock::Kind::Memo;
    QTEST(memos, "memos");
    for (const HelpBlock& block : page.blocks)
      for (const QString& line : block.lines) QVERIFY2(!line.contains(u'{'), qPrintable(line));
  }

  // The calculator's memory has no keys of its own on the keyboard: the help
  // is where a user finds them, named as the keyboard of the language names
  // the Control key.
  void calculatorMemoryKeysAreWritten_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("control");
    QTest::newRow("en") << "en"
                        << "Ctrl+";
    QTest::newRow("de") << "de"
                        << "Strg+";
  }

  void calculatorMemoryKeysAreWritten() {
    QFETCH(QString, language);
    QFETCH(QString, control);
    QString text;
    for (const HelpBlock& block : loadHelpPage(QStringLiteral("bead_calculator"), language).blocks)
      text += block.lines.join(u' ') + u' ';
    for (QChar key : QStringLiteral("PSMRL"))
      QVERIFY2(text.contains(control + key), qPrintable(control + key));
  }

  // A language picks its own pages; one without its own help gets English.
  void pageInALanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("firstHeading");
    QTest::newRow("English") << "en"
                             << "License Agreement";
    QTest::newRow("German") << "de"
                            << "Lizenzvereinbarung";
    QTest::newRow("no language given") << ""
                                       << "License Agreement";
    QTest::newRow("no help of its own") << "fr"
                                        << "License Agreement";
    QTest::newRow("unknown") << "xx"
                             << "License Agreement";
  }

  void pageInALanguage() {
    QFETCH(QString, language);
    const HelpPage page = loadHelpPage(QStringLiteral("license"), language);
    QCOMPARE(page.problems, QStringList());
    QVERIFY(!page.blocks.isEmpty());
    QTEST(page.blocks.front().text, "firstHeading");
  }

  // The pseudo-language writes every text of the English help in its own
  // way, the memos' empty lines staying empty, so a text the translations
  // would miss shows plain.
  void pseudoLanguageWritesTheEnglishHelp() {
    const HelpPage english = loadHelpPage(QStringLiteral("bead_calculator"), QStringLiteral("en"));
    const HelpPage pseudo = loadHelpPage(QStringLiteral("bead_calculator"), QStringLiteral("pseudo"));
    QCOMPARE(pseudo.blocks.size(), english.blocks.size());
    for (qsizetype i = 0; i < english.blocks.size(); ++i) {
      const HelpBlock& block = pseudo.blocks[i];
      if (!block.text.isEmpty()) QVERIFY2(PseudoTranslator::isPseudo(block.text), qPrintable(block.text));
      QCOMPARE(block.lines.size(), english.blocks[i].lines.size());
      for (const QString& line : block.lines)
        QVERIFY2(line.isEmpty() || PseudoTranslator::isPseudo(line), qPrintable(line));
      for (const HelpPicture& picture : block.pictures) {
        QVERIFY2(PseudoTranslator::isPseudo(picture.description), qPrintable(picture.description));
        QVERIFY(picture.caption.isEmpty() || PseudoTranslator::isPseudo(picture.caption));
      }
    }
  }

  // A translated page has the English one's build: the same items in the same
  // order, the same pictures at the same sizes, memos of the same font and
  // fixed box; and every text of it is written in the language, not left
  // in English.
  void germanPagesFollowTheEnglish_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"license", "stone_size", "bead_calculator", "worksheet"})
      QTest::newRow(name) << name;
  }

  void germanPagesFollowTheEnglish() {
    QFETCH(QString, name);
    const HelpPage english = loadHelpPage(name, QStringLiteral("en"));
    const HelpPage german = loadHelpPage(name, QStringLiteral("de"));
    QCOMPARE(german.problems, QStringList());
    QCOMPARE(german.blocks.size(), english.blocks.size());
    for (qsizetype i = 0; i < english.blocks.size(); ++i) {
      const HelpBlock& en = english.blocks[i];
      const HelpBlock& de = german.blocks[i];
      const QByteArray where = QByteArray::number(i) + ": " + en.text.toUtf8() + en.lines.value(0).toUtf8();
      QVERIFY2(de.kind == en.kind, where);
      QVERIFY2(de.size == en.size && de.stretch == en.stretch && de.pixels == en.pixels, where);
      QVERIFY2(de.pictures.size() == en.pictures.size(), where);
      if (en.kind == HelpBlock::Kind::Heading) QVERIFY2(de.text != en.text, where);
      if (en.kind == HelpBlock::Kind::Memo) QVERIFY2(de.lines != en.lines, where);
      for (qsizetype k = 0; k < en.pictures.size(); ++k) {
        QVERIFY2(de.pictures[k].file == en.pictures[k].file, where);
        QVERIFY2(de.pictures[k].description != en.pictures[k].description, where);
        QVERIFY2(de.pictures[k].caption.isEmpty() == en.pictures[k].caption.isEmpty(), where);
        if (!en.pictures[k].caption.isEmpty())
          QVERIFY2(de.pictures[k].caption != en.pictures[k].caption, where);
      }
    }
  }
};

QTEST_GUILESS_MAIN(TestHelpText)
#include "tst_help_text.moc"
