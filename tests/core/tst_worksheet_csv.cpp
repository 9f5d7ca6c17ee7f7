#include <QTest>

#include "core/worksheet_csv.h"

using namespace orvane;

class WorksheetCsvTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void quotesOnlyWhatNeedsIt_data();
  void quotesOnlyWhatNeedsIt();
  void textCellsNeverRunAsFormulas_data();
  void textCellsNeverRunAsFormulas();
  void figuresAreNumbersOrGuardedText_data();
  void figuresAreNumbersOrGuardedText();
  void writesHeaderUsedRowsAndTotal();
  void emptySheetHasHeaderAndTotalOnly();
  void keepsEveryCharacterAsUtf8();
};

void WorksheetCsvTest::quotesOnlyWhatNeedsIt_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("field");
  QTest::newRow("plain") << "Seed beads"
                         << "Seed beads";
  QTest::newRow("empty") << ""
                         << "";
  QTest::newRow("fraction") << "1/8"
                            << "1/8";
  QTest::newRow("comma") << "Red, round"
                         << "\"Red, round\"";
  QTest::newRow("quote") << "6\" strand"
                         << "\"6\"\" strand\"";
  QTest::newRow("only a quote") << "\""
                                << "\"\"\"\"";
  QTest::newRow("line feed") << "a\nb"
                             << "\"a\nb\"";
  QTest::newRow("carriage return") << "a\rb"
                                   << "\"a\rb\"";
  QTest::newRow("semicolon and tab stay bare") << "a;b\tc"
                                               << "a;b\tc";
  QTest::newRow("leading blank kept") << " x"
                                      << " x";
}

void WorksheetCsvTest::quotesOnlyWhatNeedsIt() {
  QFETCH(QString, text);
  QFETCH(QString, field);
  QCOMPARE(csvField(text), field);
}

void WorksheetCsvTest::textCellsNeverRunAsFormulas_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("cell");
  QTest::newRow("plain") << "Seed beads"
                         << "Seed beads";
  QTest::newRow("empty") << ""
                         << "";
  QTest::newRow("equals") << "=1+1"
                          << "'=1+1";
  QTest::newRow("plus") << "+1"
                        << "'+1";
  QTest::newRow("minus") << "-5 beads"
                         << "'-5 beads";
  QTest::newRow("at") << "@SUM(A1)"
                      << "'@SUM(A1)";
  QTest::newRow("tab") << "\t=1"
                       << "'\t=1";
  QTest::newRow("carriage return") << "\r=1"
                                   << "'\r=1";
  QTest::newRow("equals later on") << "a=1+1"
                                   << "a=1+1";
  QTest::newRow("a number stays a number") << "12"
                                           << "12";
}

void WorksheetCsvTest::textCellsNeverRunAsFormulas() {
  QFETCH(QString, text);
  QFETCH(QString, cell);
  QCOMPARE(csvTextCell(text), cell);
}

void WorksheetCsvTest::figuresAreNumbersOrGuardedText_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("number");  // csvNumberCell: counts and worked-out figures
  QTest::addColumn<QString>("mm");      // csvMmCell
  QTest::addColumn<QString>("inch");    // csvInchCell
  QTest::newRow("empty") << ""
                         << ""
                         << ""
                         << "";
  QTest::newRow("whole") << "24"
                         << "24"
                         << "24"
                         << "24";
  QTest::newRow("decimal") << "6.35"
                           << "6.35"
                           << "6.35"
                           << "6.35";
  QTest::newRow("trailing point") << "4."
                                  << "4"
                                  << "4"
                                  << "4";
  QTest::newRow("leading point") << ".5"
                                 << "0.5"
                                 << "0.5"
                                 << "0.5";
  QTest::newRow("lone point: no size") << "."
                                       << "'."
                                       << "'."
                                       << "'.";
  QTest::newRow("fraction") << "1/8"
                            << "'1/8"
                            << "'1/8"
                            << "0.125";
  QTest::newRow("mixed fraction") << "1 1/8"
                                  << "'1 1/8"
                                  << "'1 1/8"
                                  << "1.125";
  // Read exactly: to the nearest thousandth in single precision these were
  // written as 0.0160000007599592 and 0.333000004291534.
  QTest::newRow("sixty-fourth") << "1/64"
                                << "'1/64"
                                << "'1/64"
                                << "0.015625";
  QTest::newRow("third") << "1/3"
                         << "'1/3"
                         << "'1/3"
                         << "0.333333333333333";
  QTest::newRow("negative") << "-5"
                            << "'-5"
                            << "'-5"
                            << "'-5";
  QTest::newRow("formula") << "=1+1"
                           << "'=1+1"
                           << "'=1+1"
                           << "'=1+1";
  QTest::newRow("exponent") << "1e2"
                            << "'1e2"
                            << "100"
                            << "100";
  QTest::newRow("two points") << "1.2.3"
                              << "'1.2.3"
                              << "'1.2.3"
                              << "'1.2.3";
  QTest::newRow("no inch size") << "1/a"
                                << "'1/a"
                                << "'1/a"
                                << "'1/a";
  QTest::newRow("beyond any double") << "1e4000"
                                     << "'1e4000"
                                     << "'1e4000"
                                     << "'1e4000";
  QTest::newRow("not a number") << "nan"
                                << "'nan"
                                << "'nan"
                                << "'nan";
}

void WorksheetCsvTest::figuresAreNumbersOrGuardedText() {
  QFETCH(QString, text);
  QFETCH(QString, number);
  QFETCH(QString, mm);
  QFETCH(QString, inch);
  QCOMPARE(csvNumberCell(text), number);
  QCOMPARE(csvMmCell(text), mm);
  QCOMPARE(csvInchCell(text), inch);
}

void WorksheetCsvTest::writesHeaderUsedRowsAndTotal() {
  WorksheetCsv sheet;
  sheet.Project = "  Necklace, \"Blue\"  ";
  sheet.Rows[0] = {"Crystal rondelle", "4", "", "36", "6.35", "5.67"};
  sheet.Rows[2] = {" Seed beads ", "", "1/8", "24", "8.00", "3.00"};
  sheet.Rows[6] = {"", "", "", "", "", ""};
  sheet.Rows[9] = {"Clasp", "", "", "", "", ""};
  sheet.Total = "8.67";
  const QByteArray expected =
      "Project,Row,Description,Size MM,Size Inch,Size Inch as Typed,Number of Beads,Beads per Inch,Length "
      "Inches\r\n"
      "\"Necklace, \"\"Blue\"\"\",1,Crystal rondelle,4,,,36,6.35,5.67\r\n"
      "\"Necklace, \"\"Blue\"\"\",3,Seed beads,,0.125,'1/8,24,8.00,3.00\r\n"
      "\"Necklace, \"\"Blue\"\"\",10,Clasp,,,,,,\r\n"
      "\"Necklace, \"\"Blue\"\"\",Total,,,,,,,8.67\r\n";
  QCOMPARE(worksheetCsvBytes(sheet), expected);
}

void WorksheetCsvTest::emptySheetHasHeaderAndTotalOnly() {
  const QByteArray expected =
      "Project,Row,Description,Size MM,Size Inch,Size Inch as Typed,Number of Beads,Beads per Inch,Length "
      "Inches\r\n"
      ",Total,,,,,,,\r\n";
  QCOMPARE(worksheetCsvBytes(WorksheetCsv{}), expected);
}

void WorksheetCsvTest::keepsEveryCharacterAsUtf8() {
  WorksheetCsv sheet;
  // Characters a worksheet file cannot hold go into a CSV file unchanged.
  sheet.Rows[1].Desc = QString::fromUtf8("Perle \xe2\x80\x93 \xe6\xb0\xb4\xe6\x99\xb6 \xf0\x9f\x92\x8e");
  const QByteArray bytes = worksheetCsvBytes(sheet);
  QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));  // no byte-order mark: the header is the first cell
  QVERIFY(bytes.contains(",2,Perle \xe2\x80\x93 \xe6\xb0\xb4\xe6\x99\xb6 \xf0\x9f\x92\x8e,,,,,,\r\n"));
}

QTEST_GUILESS_MAIN(WorksheetCsvTest)
#include "tst_worksheet_csv.moc"
