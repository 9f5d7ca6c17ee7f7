#include <QTest>
#include <stdexcept>

#include "core/converter_steps.h"
#include "core/text_rules.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::SizeEntry)
Q_DECLARE_METATYPE(orvane::ConverterBox)

namespace {

// A box the step left alone shows as "=", so that a kept text and a text
// written again cannot pass for each other.
const QString kKept = QStringLiteral("=");

QString seen(const BoxText& box) { return box.written ? box.text : kKept; }

QStringList seen(const ConverterBoxes& boxes) {
  return {seen(boxes.pearlBox), seen(boxes.stoneBox), seen(boxes.mmBox), seen(boxes.inchBox)};
}

// The panel after an earlier conversion of 1.5 mm, with `typed` in the box
// the marker names.
ConverterBoxes after15Mm(ConverterBox marker, const QString& typed) {
  ConverterBoxes boxes{{QStringLiteral("8 - 9")},
                       {QStringLiteral("3 - 4")},
                       {QStringLiteral("1.5")},
                       {QStringLiteral("0.05906")}};
  (marker == ConverterBox::Inch ? boxes.inchBox : boxes.mmBox).text = typed;
  return boxes;
}

}  // namespace

class ConverterStepsTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void millimetres_data();
  void millimetres();
  void inches_data();
  void inches();
  void failures_data();
  void failures();
  void pickedRangeIsRefused_data();
  void pickedRangeIsRefused();
  void fractionDesignationsStay_data();
  void fractionDesignationsStay();
  void lookupFollowsTheMillimetreText_data();
  void lookupFollowsTheMillimetreText();
  void picks_data();
  void picks();
  void pickNeedsItsListActive_data();
  void pickNeedsItsListActive();
};

void ConverterStepsTest::millimetres_data() {
  QTest::addColumn<QString>("mm");
  QTest::addColumn<QString>("inch");
  QTest::addColumn<QString>("pearl");
  QTest::addColumn<QString>("stone");
  QTest::newRow("shared boundary") << "2.3"
                                   << "0.09055"
                                   << "16 - 17"
                                   << "7 - 8";
  QTest::newRow("inside both") << "2.35"
                               << "0.09252"
                               << "17"
                               << "8";
  QTest::newRow("PP boundary inside an SS") << "2.4"
                                            << "0.09449"
                                            << "17 - 18"
                                            << "8";
  QTest::newRow("1.8") << "1.8"
                       << "0.07087"
                       << "11 - 12"
                       << "5";
  QTest::newRow("two PP in one SS") << "1.3"
                                    << "0.05118"
                                    << "5 - 6"
                                    << "2";
  QTest::newRow("lowest end") << "0.8"
                              << "0.03150"
                              << "1"
                              << "000";
  QTest::newRow("below both tables") << "0.79"
                                     << "0.03110"
                                     << ""
                                     << "";
  QTest::newRow("top of pearl plates") << "4.6"
                                       << "0.18110"
                                       << "37"
                                       << "19 - 20";
  QTest::newRow("beyond pearl plates") << "4.7"
                                       << "0.18504"
                                       << ""
                                       << "20";
  QTest::newRow("top of stone sizes") << "24.47"
                                      << "0.96339"
                                      << ""
                                      << "100";
  QTest::newRow("just beyond stone sizes") << "24.471"
                                           << "0.96343"
                                           << ""
                                           << "";
  QTest::newRow("one inch of millimetres") << "25.4"
                                           << "1.00000"
                                           << ""
                                           << "";
  // The key rounds an odd whole thousandth up and any fraction up.
  QTest::newRow("odd thousandth goes up") << "7.069"
                                          << "0.27831"
                                          << ""
                                          << "34";
  QTest::newRow("fraction of a thousandth") << "7.0685"
                                            << "0.27829"
                                            << ""
                                            << "33 - 34";
  QTest::newRow("2.3004 is not 2.300") << "2.3004"
                                       << "0.09057"
                                       << "17"
                                       << "8";
  QTest::newRow("trailing point") << "3."
                                  << "0.11811"
                                  << "23 - 24"
                                  << "11 - 12";
  QTest::newRow("blanks around") << " 2.3 "
                                 << "0.09055"
                                 << "16 - 17"
                                 << "7 - 8";
  // Worked in extended precision and rounded once: in single precision these
  // showed 7874.01563 and 1000.00397.
  QTest::newRow("200,000 mm") << "200000"
                              << "7874.01575"
                              << ""
                              << "";
  QTest::newRow("25,400.1 mm") << "25400.1"
                               << "1000.00394"
                               << ""
                               << "";
  // Nothing to look up: the designations keep the earlier answers.
  QTest::newRow("point only") << "."
                              << "0.00000" << kKept << kKept;
  QTest::newRow("emptied") << ""
                           << "" << kKept << kKept;
  QTest::newRow("blanks only") << "   "
                               << "" << kKept << kKept;
}

void ConverterStepsTest::millimetres() {
  QFETCH(QString, mm);
  QFETCH(QString, inch);
  QFETCH(QString, pearl);
  QFETCH(QString, stone);
  ConverterBoxes boxes = after15Mm(ConverterBox::Mm, mm);
  QCOMPARE(convertSize(ConverterBox::Mm, {}, boxes), SizeEntry::Converted);
  // The typed box is never rewritten.
  QCOMPARE(seen(boxes), (QStringList{pearl, stone, kKept, inch}));
}

void ConverterStepsTest::inches_data() {
  QTest::addColumn<QString>("inch");
  QTest::addColumn<QString>("mm");
  QTest::addColumn<QString>("pearl");
  QTest::addColumn<QString>("stone");
  // 3.17500 is read back from the millimetre text: key 3176, not the
  // boundary at 3175.
  QTest::newRow("fraction") << "1/8"
                            << "3.17500"
                            << "24"
                            << "12";
  QTest::newRow("whole inch") << "1"
                              << "25.40000"
                              << ""
                              << "";
  QTest::newRow("mixed number") << "1 1/2"
                                << "38.10000"
                                << ""
                                << "";
  QTest::newRow("decimal") << "0.1"
                           << "2.54000"
                           << "19"
                           << "9";
  // Fractions are read exactly (to the nearest thousandth 1/16 showed
  // 1.57480, 1/64 0.40640 and 3/16 4.77520); the designations stay on the
  // keys they always had.
  QTest::newRow("sixteenth exactly") << "1/16"
                                     << "1.58750"
                                     << "9"
                                     << "4";
  QTest::newRow("sixty-fourth exactly, a half rounded up") << "1/64"
                                                           << "0.39688"
                                                           << ""
                                                           << "";
  QTest::newRow("three sixteenths exactly") << "3/16"
                                            << "4.76250"
                                            << ""
                                            << "20";
  QTest::newRow("blanks around") << " 3/32 "
                                 << "2.38125"
                                 << "17"
                                 << "8";
  QTest::newRow("empty numerator") << "/4"
                                   << "0.00000"
                                   << ""
                                   << "";
  QTest::newRow("emptied") << ""
                           << "" << kKept << kKept;
}

void ConverterStepsTest::inches() {
  QFETCH(QString, inch);
  QFETCH(QString, mm);
  QFETCH(QString, pearl);
  QFETCH(QString, stone);
  ConverterBoxes boxes = after15Mm(ConverterBox::Inch, inch);
  QCOMPARE(convertSize(ConverterBox::Inch, {}, boxes), SizeEntry::Converted);
  QCOMPARE(seen(boxes), (QStringList{pearl, stone, mm, kKept}));
}

// A text that is no size stops the step with the program's error; the other
// size box is already emptied and the designations keep their answers.
void ConverterStepsTest::failures_data() {
  QTest::addColumn<ConverterBox>("marker");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");
  QTest::newRow("two points") << ConverterBox::Mm << "1.2.3"
                              << "'1.2.3' is not a valid floating point value";
  QTest::newRow("letter in millimetres") << ConverterBox::Mm << "2a"
                                         << "'2a' is not a valid floating point value";
  QTest::newRow("blank inside millimetres") << ConverterBox::Mm << "2 3"
                                            << "'2 3' is not a valid floating point value";
  QTest::newRow("negative millimetres") << ConverterBox::Mm << "-2"
                                        << "'-2' is below zero: a size or length cannot be negative";
  QTest::newRow("letter in inches") << ConverterBox::Inch << "1x"
                                    << "'1x' is not a valid floating point value";
  QTest::newRow("negative inches") << ConverterBox::Inch << "-0.5"
                                   << "'-0.5' is below zero: a size or length cannot be negative";
  QTest::newRow("no denominator") << ConverterBox::Inch << "1/"
                                  << "'' is not a valid integer value";
  QTest::newRow("zero denominator") << ConverterBox::Inch << "1/0"
                                    << "Floating point division by zero";
  QTest::newRow("decimal numerator") << ConverterBox::Inch << "1.5/2"
                                     << "'1.5' is not a valid integer value";
  QTest::newRow("blank after the slash") << ConverterBox::Inch << "1 1/ 2"
                                         << "'1 1/' is not a valid floating point value";
  QTest::newRow("two points in inches") << ConverterBox::Inch << "1..5"
                                        << "'1..5' is not a valid floating point value";
  QTest::newRow("letter in a fraction") << ConverterBox::Inch << "1/a" << kFractionMessage;
}

void ConverterStepsTest::failures() {
  QFETCH(ConverterBox, marker);
  QFETCH(QString, text);
  QFETCH(QString, message);
  ConverterBoxes boxes = after15Mm(marker, text);
  try {
    convertSize(marker, {}, boxes);
    QFAIL("a text that is no size must not convert");
  } catch (const std::runtime_error& e) {
    QCOMPARE(QString::fromUtf8(e.what()), message);
  }
  const bool inches = marker == ConverterBox::Inch;
  QCOMPARE(seen(boxes), (QStringList{kKept, kKept, inches ? QString() : kKept, inches ? kKept : QString()}));
}

// A range a pick wrote is shown for reading: Enter on it is refused (the
// panel beeps) after the other size box is emptied.
void ConverterStepsTest::pickedRangeIsRefused_data() {
  QTest::addColumn<ConverterBox>("marker");
  QTest::addColumn<QString>("text");
  QTest::addColumn<SizeEntry>("entry");
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("millimetre range") << ConverterBox::Mm << "1.20 - 1.30" << SizeEntry::Refused
                                    << QStringList{kKept, kKept, kKept, ""};
  QTest::newRow("millimetre range with blanks")
      << ConverterBox::Mm << " 1.20 - 1.30 " << SizeEntry::Refused << QStringList{kKept, kKept, kKept, ""};
  QTest::newRow("inch range") << ConverterBox::Inch << "0.0472 - 0.0512" << SizeEntry::Refused
                              << QStringList{kKept, kKept, "", kKept};
  // The millimetre range in the inch box is only a text that is no size.
  QTest::newRow("a size again converts")
      << ConverterBox::Mm << "1.2" << SizeEntry::Converted << QStringList{"4 - 5", "1 - 2", kKept, "0.04724"};
}

void ConverterStepsTest::pickedRangeIsRefused() {
  QFETCH(ConverterBox, marker);
  QFETCH(QString, text);
  const PickedRanges ranges{QStringLiteral("1.20 - 1.30"), QStringLiteral("0.0472 - 0.0512")};
  ConverterBoxes boxes = after15Mm(marker, text);
  QTEST(convertSize(marker, ranges, boxes), "entry");
  QTEST(seen(boxes), "expected");
}

// Whatever the marker, the designations are looked up from the millimetre
// text as it stands once the size boxes are done.
// Every sixty-fourth of the Fractions window, with the pearl plate and stone
// size the converter answered before fractions were read exactly: reading
// them exactly must not move a single answer.
void ConverterStepsTest::fractionDesignationsStay_data() {
  QTest::addColumn<QString>("inch");
  QTest::addColumn<QString>("pearl");
  QTest::addColumn<QString>("stone");
  static const struct {
    const char* inch;
    const char* pearl;
    const char* stone;
  } kAnswers[] = {
      {"1/64", "", ""},     {"1/32", "", ""},     {"3/64", "4", "1"},    {"1/16", "9", "4"},
      {"5/64", "13", "6"},  {"3/32", "17", "8"},  {"7/64", "21", "10"},  {"1/8", "24", "12"},
      {"9/64", "28", "14"}, {"5/32", "31", "16"}, {"11/64", "35", "18"}, {"3/16", "", "20"},
      {"13/64", "", "23"},  {"7/32", "", "25"},   {"15/64", "", "27"},   {"1/4", "", "30"},
      {"17/64", "", "32"},  {"9/32", "", "34"},   {"19/64", "", "36"},   {"5/16", "", "37"},
      {"21/64", "", "39"},  {"11/32", "", "41"},  {"23/64", "", "42"},   {"3/8", "", "43"},
      {"25/64", "", "45"},  {"13/32", "", "46"},  {"27/64", "", "47"},   {"7/16", "", "48"},
      {"29/64", "", "49"},  {"15/32", "", "50"},  {"31/64", "", "52"},   {"1/2", "", "53"},
      {"33/64", "", "55"},  {"17/32", "", "57"},  {"35/64", "", "58"},   {"9/16", "", "60"},
      {"37/64", "", "61"},  {"19/32", "", "63"},  {"39/64", "", "64"},   {"5/8", "", "66"},
      {"41/64", "", "68"},  {"21/32", "", "69"},  {"43/64", "", "71"},   {"11/16", "", "73"},
      {"45/64", "", "74"},  {"23/32", "", "76"},  {"47/64", "", "77"},   {"3/4", "", "79"},
      {"49/64", "", "80"},  {"25/32", "", "82"},  {"51/64", "", "84"},   {"13/16", "", "85"},
      {"53/64", "", "87"},  {"27/32", "", "88"},  {"55/64", "", "90"},   {"7/8", "", "92"},
      {"57/64", "", "93"},  {"29/32", "", "95"},  {"59/64", "", "96"},   {"15/16", "", "98"},
      {"61/64", "", "99"},  {"31/32", "", ""},    {"63/64", "", ""},     {"1", "", ""},
  };
  for (const auto& a : kAnswers) QTest::newRow(a.inch) << a.inch << a.pearl << a.stone;
}

void ConverterStepsTest::fractionDesignationsStay() {
  QFETCH(QString, inch);
  QFETCH(QString, pearl);
  QFETCH(QString, stone);
  ConverterBoxes boxes;
  boxes.inchBox.text = inch;
  convertSize(ConverterBox::Inch, {}, boxes);
  QCOMPARE(boxes.pearlBox.text, pearl);
  QCOMPARE(boxes.stoneBox.text, stone);
}

void ConverterStepsTest::lookupFollowsTheMillimetreText_data() {
  QTest::addColumn<ConverterBox>("marker");
  QTest::addColumn<QString>("mm");
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("no box entered yet")
      << ConverterBox::None << "2.3" << QStringList{"16 - 17", "7 - 8", kKept, kKept};
  QTest::newRow("list active") << ConverterBox::Pearl << "0.8" << QStringList{"1", "000", kKept, kKept};
  QTest::newRow("nothing in millimetres")
      << ConverterBox::None << "" << QStringList{kKept, kKept, kKept, kKept};
}

void ConverterStepsTest::lookupFollowsTheMillimetreText() {
  QFETCH(ConverterBox, marker);
  QFETCH(QString, mm);
  ConverterBoxes boxes = after15Mm(ConverterBox::Mm, mm);
  QCOMPARE(convertSize(marker, {}, boxes), SizeEntry::Converted);
  QTEST(seen(boxes), "expected");
}

void ConverterStepsTest::picks_data() {
  QTest::addColumn<ConverterBox>("list");  // the list picked in
  QTest::addColumn<int>("index");
  QTest::addColumn<QStringList>("expected");  // pearlBox, stoneBox, mmBox, inchBox
  QTest::newRow("PP 1") << ConverterBox::Pearl << 1
                        << QStringList{kKept, "000", "0.80 - 0.90", "0.0315 - 0.0354"};
  QTest::newRow("PP 5") << ConverterBox::Pearl << 5
                        << QStringList{kKept, "2", "1.20 - 1.30", "0.0472 - 0.0512"};
  QTest::newRow("PP 23") << ConverterBox::Pearl << 23
                         << QStringList{kKept, "11", "2.85 - 3.00", "0.1122 - 0.1181"};
  QTest::newRow("PP 37") << ConverterBox::Pearl << 37
                         << QStringList{kKept, "19", "4.50 - 4.60", "0.1772 - 0.1811"};
  QTest::newRow("SS 000") << ConverterBox::Stone << 1
                          << QStringList{"1", kKept, "0.800 - 0.900", "0.0315 - 0.0354"};
  QTest::newRow("SS 2") << ConverterBox::Stone << 5
                        << QStringList{"5, 6", kKept, "1.200 - 1.350", "0.0472 - 0.0531"};
  QTest::newRow("SS 11") << ConverterBox::Stone << 14
                         << QStringList{"23", kKept, "2.850 - 3.000", "0.1122 - 0.1181"};
  QTest::newRow("SS 19") << ConverterBox::Stone << 22
                         << QStringList{"36, 37", kKept, "4.400 - 4.600", "0.1732 - 0.1811"};
  QTest::newRow("SS 20") << ConverterBox::Stone << 23
                         << QStringList{"", kKept, "4.600 - 4.800", "0.1811 - 0.1890"};
  QTest::newRow("SS 45 crosses 10 mm")
      << ConverterBox::Stone << 48 << QStringList{"", kKept, "9.852 - 10.187", "0.3879 - 0.4011"};
  QTest::newRow("SS 100") << ConverterBox::Stone << 103
                          << QStringList{"", kKept, "24.220 - 24.470", "0.9535 - 0.9634"};
  // The blank item, or no item at all, empties the other three boxes.
  QTest::newRow("PP blank item") << ConverterBox::Pearl << 0 << QStringList{kKept, "", "", ""};
  QTest::newRow("SS no item") << ConverterBox::Stone << -1 << QStringList{"", kKept, "", ""};
  QTest::newRow("beyond the table") << ConverterBox::Pearl << 38 << QStringList{kKept, "", "", ""};
}

void ConverterStepsTest::picks() {
  QFETCH(ConverterBox, list);
  QFETCH(int, index);
  QFETCH(QStringList, expected);
  ConverterBoxes boxes = after15Mm(ConverterBox::Mm, QStringLiteral("2.3"));
  PickedRanges ranges;
  if (list == ConverterBox::Pearl)
    pearlPlatePicked(list, index, boxes, ranges);
  else
    stoneSizePicked(list, index, boxes, ranges);
  QCOMPARE(seen(boxes), expected);
  // The ranges shown are remembered, so that Enter on them is refused.
  const bool shown = !expected[2].isEmpty();
  QCOMPARE(ranges.mm, shown ? expected[2] : QString());
  QCOMPARE(ranges.inch, shown ? expected[3] : QString());
}

// A pick made while the list is not the active box converts nothing.
void ConverterStepsTest::pickNeedsItsListActive_data() {
  QTest::addColumn<bool>("stoneList");
  QTest::addColumn<ConverterBox>("marker");
  QTest::newRow("PP while in millimetres") << false << ConverterBox::Mm;
  QTest::newRow("PP while in the stone list") << false << ConverterBox::Stone;
  QTest::newRow("SS while in the pearl list") << true << ConverterBox::Pearl;
  QTest::newRow("SS before any box") << true << ConverterBox::None;
}

void ConverterStepsTest::pickNeedsItsListActive() {
  QFETCH(bool, stoneList);
  QFETCH(ConverterBox, marker);
  ConverterBoxes boxes = after15Mm(ConverterBox::Mm, QStringLiteral("2.3"));
  PickedRanges ranges{QStringLiteral("earlier"), QStringLiteral("earlier")};
  if (stoneList)
    stoneSizePicked(marker, 5, boxes, ranges);
  else
    pearlPlatePicked(marker, 5, boxes, ranges);
  QCOMPARE(seen(boxes), QStringList(4, kKept));
  QCOMPARE(ranges.mm, QStringLiteral("earlier"));
  QCOMPARE(ranges.inch, QStringLiteral("earlier"));
}

QTEST_APPLESS_MAIN(ConverterStepsTest)
#include "tst_converter_steps.moc"
