#include <QTest>

#include "app/application.h"
#include "core/native_path.h"

using namespace orvane;

class CommandLineTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void parses_data();
  void parses();
  void helpNamesTheProgramAndTheFile();
};

void CommandLineTest::parses_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<QString>("worksheet");
  QTest::addColumn<bool>("help");
  QTest::addColumn<bool>("version");
  QTest::addColumn<bool>("error");
  QTest::newRow("nothing") << QStringList{"orvane"} << "" << false << false << false;
  QTest::newRow("a file") << QStringList{"orvane", "p.bws"} << "p.bws" << false << false << false;
  QTest::newRow("a file with blanks")
      << QStringList{"orvane", "/home/a/My beads.bws"} << "/home/a/My beads.bws" << false << false << false;
  QTest::newRow("a file after --") << QStringList{"orvane", "--", "-odd.bws"} << "-odd.bws" << false << false
                                   << false;
  QTest::newRow("--help") << QStringList{"orvane", "--help"} << "" << true << false << false;
  QTest::newRow("-h") << QStringList{"orvane", "-h"} << "" << true << false << false;
  QTest::newRow("--version") << QStringList{"orvane", "--version"} << "" << false << true << false;
  QTest::newRow("-v") << QStringList{"orvane", "-v"} << "" << false << true << false;
  // Qt reads these itself; their values are no file.
  QTest::newRow("-platform with its value")
      << QStringList{"orvane", "-platform", "offscreen", "p.bws"} << "p.bws" << false << false << false;
  QTest::newRow("-style=") << QStringList{"orvane", "-style=fusion"} << "" << false << false << false;
  QTest::newRow("-reverse takes no value")
      << QStringList{"orvane", "-reverse", "p.bws"} << "p.bws" << false << false << false;
  // The name's bytes as the system gave them, kept through the parsing.
  QTest::newRow("a file name that is not UTF-8")
      << QStringList{"orvane", pathFromNative("bad\xff\xfename.bws")} << pathFromNative("bad\xff\xfename.bws")
      << false << false << false;
  QTest::newRow("two files") << QStringList{"orvane", "a.bws", "b.bws"} << "" << false << false << true;
  QTest::newRow("an unknown option") << QStringList{"orvane", "--print"} << "" << false << false << true;
}

void CommandLineTest::parses() {
  QFETCH(QStringList, arguments);
  QFETCH(QString, worksheet);
  QFETCH(bool, help);
  QFETCH(bool, version);
  QFETCH(bool, error);
  const CommandLine line = parseCommandLine(arguments);
  QCOMPARE(line.worksheet, worksheet);
  QCOMPARE(line.help, help);
  QCOMPARE(line.version, version);
  QCOMPARE(!line.error.isEmpty(), error);
}

void CommandLineTest::helpNamesTheProgramAndTheFile() {
  const QString help = commandLineHelp();
  QVERIFY2(help.startsWith("Usage: orvane [options] [worksheet]\n"), qPrintable(help));
  QVERIFY(help.contains("--version"));
  QVERIFY(!help.contains("platform"));  // Qt's own options stay out of sight
  QCOMPARE(commandLineVersion(), QString("Orvane 2.0\n"));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
