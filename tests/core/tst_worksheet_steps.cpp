#include <QTest>
#include <limits>

#include "core/text_rules.h"
#include "core/worksheet_steps.h"

using namespace orvane;

namespace {

using Rows = std::array<WorksheetRowValues, kWorksheetRows>;

// "Mm:4" is 4 typed into the millimetre box, which is then left; "Inch:1/4"
// the same for the inch box. Returns what the last step said about the caret.
bool leaveSizeBoxes(const QStringList& steps, WorksheetRowValues& row, WorksheetRowBoxes& boxes) {
  bool toCount = false;
  for (const QString& step : steps) {
    const QString text = step.section(u':', 1);
    if (step.startsWith("Mm:")) {
      boxes.Mm = text;
      toCount = worksheetSizeFromMm(row, boxes);
    } else {
      boxes.Inch = text;
      toCount = worksheetSizeFromInch(row, boxes);
    }
  }
  return toCount;
}

QStringList boxTexts(const WorksheetRowBoxes& b) {
  return {b.Mm, b.Inch, b.BeadCount, b.BeadsPerInch, b.Length};
}

// The message the user reads for a failure.
QString shownMessage(const std::exception& e) { return withFinalDot(QString::fromStdString(e.what())); }

}  // namespace

class WorksheetStepsTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void rowsWorkOutSizesAndLengths_data();
  void rowsWorkOutSizesAndLengths();
  void caretGoesOnToTheCountAfterASize_data();
  void caretGoesOnToTheCountAfterASize();
  void failedSizesKeepTheRow_data();
  void failedSizesKeepTheRow();
  void aFailureLeavesWhatWasAlreadyShown();
  void loadedRowsTakeOneSize_data();
  void loadedRowsTakeOneSize();
  void totalOfTheRows();
};

void WorksheetStepsTest::rowsWorkOutSizesAndLengths_data() {
  QTest::addColumn<QStringList>("steps");
  QTest::addColumn<QString>("count");
  QTest::addColumn<QStringList>("expected");  // Mm, Inch, Bpi, Tot, Total
  QTest::newRow("4 mm, 100 beads") << QStringList{"Mm:4"} << "100"
                                   << QStringList{"4", "", "6.35", "15.75", "15.75"};
  // 25.4 / 8 is 3.175 exactly: rounded once, up.
  QTest::newRow("8 mm, 100 beads") << QStringList{"Mm:8"} << "100"
                                   << QStringList{"8", "", "3.18", "31.50", "31.50"};
  // Fractions read exactly: to the nearest thousandth 1/64 was 62.50 per inch.
  QTest::newRow("1/64 inch, 64 beads")
      << QStringList{"Inch:1/64"} << "64" << QStringList{"", "1/64", "64.00", "1.00", "1.00"};
  QTest::newRow("3/16 inch, 1000 beads")
      << QStringList{"Inch:3/16"} << "1000" << QStringList{"", "3/16", "5.33", "187.50", "187.50"};
  QTest::newRow("10 beads of 4 mm") << QStringList{"Mm:4"} << "10"
                                    << QStringList{"4", "", "6.35", "1.57", "1.57"};
  QTest::newRow("1/4 inch") << QStringList{"Inch:1/4"} << "100"
                            << QStringList{"", "1/4", "4.00", "25.00", "25.00"};
  QTest::newRow("decimal inch") << QStringList{"Inch:0.25"} << "100"
                                << QStringList{"", "0.25", "4.00", "25.00", "25.00"};
  QTest::newRow("1/8 inch, 24 beads")
      << QStringList{"Inch:1/8"} << "24" << QStringList{"", "1/8", "8.00", "3.00", "3.00"};
  QTest::newRow("inch empties mm") << QStringList{"Mm:4", "Inch:1/4"} << "100"
                                   << QStringList{"", "1/4", "4.00", "25.00", "25.00"};
  QTest::newRow("mm empties inch") << QStringList{"Inch:1/4", "Mm:4"} << "100"
                                   << QStringList{"4", "", "6.35", "15.75", "15.75"};
  QTest::newRow("empty mm box keeps the inch size")
      << QStringList{"Inch:1/4", "Mm:"} << "24" << QStringList{"", "1/4", "4.00", "6.00", "6.00"};
  QTest::newRow("empty inch box keeps the mm size")
      << QStringList{"Mm:4", "Inch:"} << "24" << QStringList{"4", "", "6.35", "3.78", "3.78"};
  QTest::newRow("lone point in the mm box keeps the inch size")
      << QStringList{"Inch:1/4", "Mm:."} << "24" << QStringList{".", "1/4", "4.00", "6.00", "6.00"};
  QTest::newRow("count without size") << QStringList{} << "12" << QStringList{"", "", "", "0.00", "0.00"};
  QTest::newRow("lone point is no size")
      << QStringList{"Mm:."} << "3" << QStringList{".", "", "", "0.00", "0.00"};
  QTest::newRow("emptied size removes the length")
      << QStringList{"Mm:4", "Mm:"} << "5" << QStringList{"", "", "", "0.00", "0.00"};
  QTest::newRow("emptied inch size removes the length")
      << QStringList{"Inch:1/4", "Inch: "} << "5" << QStringList{"", " ", "", "0.00", "0.00"};
  QTest::newRow("blanks around a size")
      << QStringList{"Mm: 4 "} << "100" << QStringList{" 4 ", "", "6.35", "15.75", "15.75"};
  QTest::newRow("pasted TAB inside a fraction reads as a blank")
      << QStringList{"Inch:1\t1/2"} << "3" << QStringList{"", "1\t1/2", "0.67", "4.50", "4.50"};
  QTest::newRow("count too large for 32 bits")
      << QStringList{"Mm:4"} << "2147483648" << QStringList{"4", "", "6.35", "", "0.00"};
  QTest::newRow("count with trailing blank")
      << QStringList{"Mm:4"} << "5 " << QStringList{"4", "", "6.35", "", "0.00"};
  QTest::newRow("count behind a pasted TAB")
      << QStringList{"Mm:4"} << "\t10" << QStringList{"4", "", "6.35", "1.57", "1.57"};
  QTest::newRow("negative count") << QStringList{"Mm:4"} << "-3" << QStringList{"4", "", "6.35", "", "0.00"};
  QTest::newRow("zero count") << QStringList{"Mm:4"} << "0" << QStringList{"4", "", "6.35", "", "0.00"};
  QTest::newRow("a million inch beads")
      << QStringList{"Mm:25.4"} << "1000000" << QStringList{"25.4", "", "1.00", "1E6", "1E6"};
}

// A row as the user fills it: sizes left one after the other, then the count.
void WorksheetStepsTest::rowsWorkOutSizesAndLengths() {
  QFETCH(QStringList, steps);
  QFETCH(QString, count);
  QFETCH(QStringList, expected);
  Rows rows{};
  WorksheetRowBoxes boxes;
  leaveSizeBoxes(steps, rows[0], boxes);
  boxes.BeadCount = count;
  worksheetLengthFromCount(rows[0], boxes);
  double total = -1;
  const QString totalText = worksheetTotal(rows, total);
  QCOMPARE((QStringList{boxes.Mm, boxes.Inch, boxes.BeadsPerInch, boxes.Length, totalText}), expected);
  QCOMPARE(boxes.BeadCount, count);
  QCOMPARE(total, rows[0].LengthValue);
}

void WorksheetStepsTest::caretGoesOnToTheCountAfterASize_data() {
  QTest::addColumn<QStringList>("steps");
  QTest::addColumn<bool>("toCount");
  QTest::newRow("size in mm") << QStringList{"Mm:4"} << true;
  QTest::newRow("size in inches") << QStringList{"Inch:1/8"} << true;
  QTest::newRow("no mm") << QStringList{"Mm:"} << false;
  QTest::newRow("no inch") << QStringList{"Inch:"} << false;
  QTest::newRow("lone point") << QStringList{"Mm:."} << false;
  QTest::newRow("empty mm box beside an inch size") << QStringList{"Inch:1/8", "Mm:"} << false;
}

void WorksheetStepsTest::caretGoesOnToTheCountAfterASize() {
  QFETCH(QStringList, steps);
  QFETCH(bool, toCount);
  WorksheetRowValues row;
  WorksheetRowBoxes boxes;
  QCOMPARE(leaveSizeBoxes(steps, row, boxes), toCount);
}

void WorksheetStepsTest::failedSizesKeepTheRow_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("message");
  QTest::addColumn<float>("mmValue");
  QTest::newRow("letters in mm") << "Mm"
                                 << "abc"
                                 << "'abc' is not a valid floating point value." << 4.0f;
  QTest::newRow("two points in mm") << "Mm"
                                    << "1.2.3"
                                    << "'1.2.3' is not a valid floating point value." << 4.0f;
  QTest::newRow("negative mm") << "Mm"
                               << "-8"
                               << "'-8' is below zero: a size or length cannot be negative." << 4.0f;
  QTest::newRow("mm beyond a double") << "Mm"
                                      << "1E309"
                                      << "Floating point overflow." << 4.0f;
  // The size is stored before the division by it fails.
  QTest::newRow("zero mm") << "Mm"
                           << "00"
                           << "Floating point division by zero." << 0.0f;
  QTest::newRow("zero inch") << "Inch"
                             << "0.0"
                             << "Floating point division by zero." << 0.0f;
  QTest::newRow("fraction letter") << "Inch"
                                   << "1/x"
                                   << "Cannot convert Fraction to Decimal." << 4.0f;
  QTest::newRow("fraction over zero") << "Inch"
                                      << "1/0"
                                      << "Floating point division by zero." << 4.0f;
}

// A row of 4 mm and 100 beads, then a size that cannot be worked out: the
// step fails, and the row's other boxes and its length stay as they were.
void WorksheetStepsTest::failedSizesKeepTheRow() {
  QFETCH(QString, box);
  QFETCH(QString, pasted);
  QFETCH(QString, message);
  QFETCH(float, mmValue);
  WorksheetRowValues row;
  WorksheetRowBoxes boxes;
  leaveSizeBoxes({"Mm:4"}, row, boxes);
  boxes.BeadCount = "100";
  worksheetLengthFromCount(row, boxes);
  const double length = row.LengthValue;

  WorksheetRowBoxes expected = boxes;
  QString caught;
  try {
    if (box == "Mm") {
      boxes.Mm = expected.Mm = pasted;
      worksheetSizeFromMm(row, boxes);
    } else {
      boxes.Inch = expected.Inch = pasted;
      worksheetSizeFromInch(row, boxes);
    }
  } catch (const std::exception& e) {
    caught = shownMessage(e);
  }
  QCOMPARE(caught, message);
  QCOMPARE(row.MmValue, mmValue);
  QCOMPARE(boxTexts(boxes), boxTexts(expected));
  QCOMPARE(boxTexts(boxes).mid(3), (QStringList{"6.35", "15.75"}));
  QCOMPARE(row.BeadCount, 100);
  QCOMPARE(row.LengthValue, length);
}

// A size whose length overflows: the beads per inch is already shown and the
// inch box emptied when the length fails; the length stays as it was.
void WorksheetStepsTest::aFailureLeavesWhatWasAlreadyShown() {
  WorksheetRowValues row;
  WorksheetRowBoxes boxes;
  boxes.Inch = "1/4";
  worksheetSizeFromInch(row, boxes);
  boxes.BeadCount = "2147483647";
  worksheetLengthFromCount(row, boxes);
  const double length = row.LengthValue;
  const QString lengthText = boxes.Length;
  QCOMPARE(lengthText, QString("5.36871E8"));

  boxes.Mm = "1E308";
  QVERIFY_THROWS_EXCEPTION(MathError, worksheetSizeFromMm(row, boxes));
  QCOMPARE(row.MmValue, 1e308);
  QCOMPARE(boxes.BeadsPerInch, QString("0.00"));
  QCOMPARE(boxes.Inch, QString());
  QCOMPARE(boxes.Length, lengthText);
  QCOMPARE(row.LengthValue, length);
}

void WorksheetStepsTest::loadedRowsTakeOneSize_data() {
  QTest::addColumn<QString>("mm");
  QTest::addColumn<QString>("inch");
  QTest::addColumn<QString>("count");
  QTest::addColumn<QStringList>("expected");  // Mm, Inch, Bpi, Tot
  QTest::newRow("both sizes: the mm one wins") << "4"
                                               << "1/4"
                                               << "10" << QStringList{"4", "", "6.35", "1.57"};
  QTest::newRow("inch size") << ""
                             << "1/8"
                             << "24" << QStringList{"", "1/8", "8.00", "3.00"};
  QTest::newRow("lone point for mm takes the inch size") << "."
                                                         << "1/4"
                                                         << "1" << QStringList{"", "1/4", "4.00", "0.25"};
  QTest::newRow("no size") << ""
                           << ""
                           << "5" << QStringList{"", "", "", "0.00"};
  QTest::newRow("no count") << "6"
                            << ""
                            << "" << QStringList{"6", "", "4.23", ""};
}

// A loaded row is worked out as if the user had left its boxes in turn; the
// row's values start from nothing.
void WorksheetStepsTest::loadedRowsTakeOneSize() {
  QFETCH(QString, mm);
  QFETCH(QString, inch);
  QFETCH(QString, count);
  QFETCH(QStringList, expected);
  WorksheetRowValues row;
  WorksheetRowBoxes boxes{mm, inch, {}, {}, {}};
  worksheetLoadedSize(row, boxes);
  boxes.BeadCount = count;
  worksheetLengthFromCount(row, boxes);
  QCOMPARE((QStringList{boxes.Mm, boxes.Inch, boxes.BeadsPerInch, boxes.Length}), expected);
}

void WorksheetStepsTest::totalOfTheRows() {
  Rows rows{};
  double total = -1;
  QCOMPARE(worksheetTotal(rows, total), QString("0.00"));
  QCOMPARE(total, 0.0);

  // Rows in any order add up.
  WorksheetRowBoxes boxes;
  for (int i : {6, 1}) {
    boxes = {};
    leaveSizeBoxes({i == 6 ? "Mm:4" : "Mm:2"}, rows[i], boxes);
    boxes.BeadCount = "12";
    worksheetLengthFromCount(rows[i], boxes);
  }
  QCOMPARE(worksheetTotal(rows, total), QString("2.83"));  // 1.889764 + 0.944882
  QCOMPARE(total, rows[1].LengthValue + rows[6].LengthValue);

  // A total too large to keep fails, and the kept total is none.
  rows[0].LengthValue = rows[9].LengthValue = std::numeric_limits<double>::max();
  QVERIFY_THROWS_EXCEPTION(MathError, worksheetTotal(rows, total));
  QCOMPARE(total, 0.0);
}

QTEST_GUILESS_MAIN(WorksheetStepsTest)
#include "tst_worksheet_steps.moc"
