#include <QTest>
#include <functional>
#include <stdexcept>
#include <utility>

#include "bead_cases.h"
#include "core/bead_steps.h"
#include "core/text_rules.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::BeadSizeMarker)
Q_DECLARE_METATYPE(orvane::BeadNotice)

namespace {

// A box the step left alone shows as "=", so that a kept text and a text
// written again cannot pass for each other.
const QString kKept = QStringLiteral("=");

QString seen(const BoxText& box) { return box.written ? box.text : kKept; }

constexpr std::pair<const char*, BoxText BeadBoxes::*> kAllBoxes[] = {
    {"beadMmBox", &BeadBoxes::beadMmBox},           {"beadInchBox", &BeadBoxes::beadInchBox},
    {"beadCountBox", &BeadBoxes::beadCountBox},     {"beadsPerInchBox", &BeadBoxes::beadsPerInchBox},
    {"strandInchBox", &BeadBoxes::strandInchBox},   {"strandLengthBox", &BeadBoxes::strandLengthBox},
    {"beadsNeededBox", &BeadBoxes::beadsNeededBox}, {"areaLengthBox", &BeadBoxes::areaLengthBox},
    {"areaWidthBox", &BeadBoxes::areaWidthBox},     {"areaBox", &BeadBoxes::areaBox},
    {"hexStonesBox", &BeadBoxes::hexStonesBox},     {"spacingBox", &BeadBoxes::spacingBox},
};

// The page as the steps see it, between the steps the user's actions run.
struct Page {
  BeadBoxes boxes;
  BeadState state;

  BoxText& boxNamed(const QString& name) {
    for (auto [boxName, box] : kAllBoxes)
      if (name == QLatin1String(boxName)) return boxes.*box;
    qFatal("no box %s", qPrintable(name));
  }
  // The user types into a box: a text the next step reads, not one it wrote.
  void typeInto(const QString& name, const QString& text) { boxNamed(name) = BoxText{text}; }
  // The window has carried the written texts over to its boxes.
  void settle() {
    for (auto [name, box] : kAllBoxes) (boxes.*box).written = false;
  }
  // The boxes a step wrote, as "name=text" in box order.
  QStringList writtenTexts() const {
    QStringList written;
    for (auto [name, box] : kAllBoxes)
      if ((boxes.*box).written) written << QLatin1String(name) + u'=' + (boxes.*box).text;
    return written;
  }
  // A size entered and its box left: the caret goes on to the count.
  void enterSize(const QString& sizeBox, const QString& size) {
    const BeadSizeMarker marker = sizeBox == u"beadMmBox" ? BeadSizeMarker::Mm : BeadSizeMarker::Inch;
    state.marker = marker;
    typeInto(sizeBox, size);
    QVERIFY(orvane::sizeBoxLeft(marker, boxes, state));
    settle();
  }
};

QString messageOf(const std::function<void()>& step) {
  try {
    step();
  } catch (const std::runtime_error& e) {
    return QString::fromUtf8(e.what());
  }
  return {};
}

}  // namespace

class BeadStepsTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void strand_data();
  void strand();
  void beadCountIsRewritten_data();
  void beadCountIsRewritten();
  void beadCountChanges_data();
  void beadCountChanges();
  void rewrittenCountFailureStopsTheCalculation();
  void sizeBoxLeft_data();
  void sizeBoxLeft();
  void sizeFailures_data();
  void sizeFailures();
  void notCalculated_data();
  void notCalculated();
  void desiredLength_data();
  void desiredLength();
  void area_data();
  void area();
  void spacingLeavesTheRate();
  void areaBoxesLeftOrEmptied_data();
  void areaBoxesLeftOrEmptied();
  void spacingEnterJudgesUntrimmedBoxes_data();
  void spacingEnterJudgesUntrimmedBoxes();
  void hugeAreaIsAnError();
  void clear();
};

void BeadStepsTest::strand_data() { addStrandCaseRows(); }

// The user's path: size, count, desired length, each box left in turn.
void BeadStepsTest::strand() {
  QFETCH(QString, sizeBox);
  QFETCH(QString, size);
  QFETCH(QString, count);
  QFETCH(QString, desired);
  QFETCH(QString, rate);
  QFETCH(QString, oneBead);
  QFETCH(QString, length);
  QFETCH(QString, total);
  const QString other = sizeBox == u"beadMmBox" ? QStringLiteral("beadInchBox") : QStringLiteral("beadMmBox");
  Page p;
  p.typeInto(other, QStringLiteral("9"));  // a stale size in the other box
  p.state.marker = sizeBox == u"beadMmBox" ? BeadSizeMarker::Mm : BeadSizeMarker::Inch;
  p.typeInto(sizeBox, size);
  QVERIFY(orvane::sizeBoxLeft(p.state.marker, p.boxes, p.state));
  // A size with no count yet is one bead long.
  QCOMPARE(p.writtenTexts(), (QStringList{other + u'=', "beadCountBox=1", "beadsPerInchBox=" + rate,
                                          "strandLengthBox=" + oneBead, "beadsNeededBox="}));
  p.settle();

  p.typeInto(QStringLiteral("beadCountBox"), count);
  beadCountChanged(p.boxes, p.state);
  QCOMPARE(p.writtenTexts(), (QStringList{other + u'=', "beadsPerInchBox=" + rate,
                                          "strandLengthBox=" + length, "beadsNeededBox="}));
  p.settle();

  p.typeInto(QStringLiteral("strandInchBox"), desired);
  QCOMPARE(desiredLengthLeft(p.boxes, p.state), BeadNotice::None);
  QCOMPARE(p.writtenTexts(), QStringList{"beadsNeededBox=" + total});
  QCOMPARE(p.boxNamed(sizeBox).text, size);
  QCOMPARE(p.state.marker, sizeBox == u"beadMmBox" ? BeadSizeMarker::Mm : BeadSizeMarker::Inch);
  QCOMPARE(formatBeadResult(p.state.rate), rate);
}

// The count is written back as plain digits, which is a change of the count:
// the calculation runs once more and the length follows the count.
void BeadStepsTest::beadCountIsRewritten_data() {
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("after");  // "=" when the count is not rewritten
  QTest::addColumn<QString>("length");
  QTest::newRow("empty becomes 1") << ""
                                   << "1"
                                   << "0.24";
  QTest::newRow("leading zeros dropped") << "007"
                                         << "7"
                                         << "1.65";
  QTest::newRow("zero stays") << "0" << kKept << "0.00";
  QTest::newRow("plain count stays") << "20" << kKept << "4.72";
  QTest::newRow("beyond 32 bits becomes 1") << "2147483648"
                                            << "1"
                                            << "0.24";
  QTest::newRow("pasted text becomes 1") << "12a"
                                         << "1"
                                         << "0.24";
  QTest::newRow("trailing blank becomes 1") << "12 "
                                            << "1"
                                            << "0.24";
}

void BeadStepsTest::beadCountIsRewritten() {
  QFETCH(QString, before);
  QFETCH(QString, after);
  QFETCH(QString, length);
  Page p;
  p.typeInto(QStringLiteral("beadCountBox"), before);
  p.state.marker = BeadSizeMarker::Mm;
  p.typeInto(QStringLiteral("beadMmBox"), QStringLiteral("6"));
  beadCalculation(p.boxes, p.state);
  QCOMPARE(seen(p.boxes.beadCountBox), after);
  QCOMPARE(p.boxes.strandLengthBox.text, length);
  QCOMPARE(p.boxes.beadsPerInchBox.text, QStringLiteral("4.23"));
}

void BeadStepsTest::beadCountChanges_data() {
  QTest::addColumn<QString>("count");
  QTest::addColumn<QStringList>("written");
  QTest::newRow("positive count recalculates")
      << "5"
      << QStringList{"beadInchBox=", "beadsPerInchBox=4.23", "strandLengthBox=1.18", "beadsNeededBox="};
  QTest::newRow("leading zeros rewritten")
      << "07"
      << QStringList{"beadInchBox=", "beadCountBox=7", "beadsPerInchBox=4.23", "strandLengthBox=1.65",
                     "beadsNeededBox="};
  // Zero, empty or no number: no count to calculate with.
  QTest::newRow("zero") << "0" << QStringList{"strandLengthBox="};
  QTest::newRow("emptied") << "" << QStringList{"strandLengthBox="};
  QTest::newRow("pasted text") << "5x" << QStringList{"strandLengthBox="};
}

void BeadStepsTest::beadCountChanges() {
  QFETCH(QString, count);
  Page p;
  p.enterSize(QStringLiteral("beadMmBox"), QStringLiteral("6"));
  const long double rate = p.state.rate;
  p.typeInto(QStringLiteral("beadCountBox"), count);
  beadCountChanged(p.boxes, p.state);
  QTEST(p.writtenTexts(), "written");
  QCOMPARE(p.state.rate, rate);
}

// When the recalculation after a rewritten count fails, the failure stops the
// calculation that rewrote it: what the inner run wrote stays.
void BeadStepsTest::rewrittenCountFailureStopsTheCalculation() {
  Page p;
  p.typeInto(QStringLiteral("areaLengthBox"), QStringLiteral("2"));
  p.typeInto(QStringLiteral("areaWidthBox"), QStringLiteral("1x"));
  p.typeInto(QStringLiteral("beadCountBox"), QStringLiteral("007"));
  p.typeInto(QStringLiteral("beadMmBox"), QStringLiteral("6"));
  p.state.marker = BeadSizeMarker::Mm;
  QCOMPARE(messageOf([&] { beadCalculation(p.boxes, p.state); }),
           QStringLiteral("'1x' is not a valid floating point value"));
  QCOMPARE(p.writtenTexts(), (QStringList{"beadInchBox=", "beadCountBox=7", "beadsPerInchBox=4.23",
                                          "strandLengthBox=1.65", "beadsNeededBox="}));
}

// Leaving a size box: a size calculates and sends the caret to the count;
// an empty box only empties the rate and the length.
void BeadStepsTest::sizeBoxLeft_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("calculated");
  QTest::addColumn<QStringList>("written");
  QTest::newRow("mm size") << "beadMmBox"
                           << "6" << true
                           << QStringList{"beadInchBox=", "beadsPerInchBox=4.23", "strandLengthBox=4.72",
                                          "beadsNeededBox=67.73"};
  QTest::newRow("inch size") << "beadInchBox"
                             << "1/4" << true
                             << QStringList{"beadMmBox=", "beadsPerInchBox=4.00", "strandLengthBox=5.00",
                                            "beadsNeededBox=64.00"};
  QTest::newRow("empty mm") << "beadMmBox"
                            << "" << false << QStringList{"beadsPerInchBox=", "strandLengthBox="};
  QTest::newRow("lone point") << "beadMmBox"
                              << "." << false << QStringList{"beadsPerInchBox=", "strandLengthBox="};
  QTest::newRow("blanks only") << "beadInchBox"
                               << "  " << false << QStringList{"beadsPerInchBox=", "strandLengthBox="};
}

void BeadStepsTest::sizeBoxLeft() {
  QFETCH(QString, box);
  QFETCH(QString, text);
  QFETCH(bool, calculated);
  Page p;
  p.enterSize(QStringLiteral("beadMmBox"), QStringLiteral("2"));
  p.typeInto(QStringLiteral("beadCountBox"), QStringLiteral("20"));
  p.typeInto(QStringLiteral("strandInchBox"), QStringLiteral("16"));
  p.typeInto(QStringLiteral("beadMmBox"), QString());
  p.typeInto(box, text);
  const long double earlierRate = p.state.rate;
  // The box's own enter handler has named it; leaving it empty keeps that.
  const BeadSizeMarker marker = box == u"beadMmBox" ? BeadSizeMarker::Mm : BeadSizeMarker::Inch;
  p.state.marker = marker;
  QCOMPARE(orvane::sizeBoxLeft(marker, p.boxes, p.state), calculated);
  QTEST(p.writtenTexts(), "written");
  QCOMPARE(p.state.marker, marker);
  // The rate stays when the box was empty, so the desired length still works.
  if (!calculated) QCOMPARE(p.state.rate, earlierRate);
}

// A failed calculation leaves the rate at 0; a size read before the failure
// has already emptied the other size box.
void BeadStepsTest::sizeFailures_data() {
  QTest::addColumn<QString>("sizeBox");
  QTest::addColumn<QString>("size");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QStringList>("written");
  QTest::newRow("zero mm") << "beadMmBox"
                           << "0" << kDivisionByZero << QStringList{"beadInchBox="};
  QTest::newRow("0.00 inches") << "beadInchBox"
                               << "0.00" << kDivisionByZero << QStringList{"beadMmBox="};
  QTest::newRow("lone point read as zero") << "beadMmBox"
                                           << "." << kDivisionByZero << QStringList{"beadInchBox="};
  QTest::newRow("zero fraction") << "beadInchBox"
                                 << "0/8" << kDivisionByZero << QStringList{"beadMmBox="};
  QTest::newRow("bad fraction") << "beadInchBox"
                                << "1/a" << kFractionMessage << QStringList{};
  QTest::newRow("1.2.3 pasted") << "beadMmBox"
                                << "1.2.3"
                                << "'1.2.3' is not a valid floating point value" << QStringList{};
  QTest::newRow("empty mm") << "beadMmBox"
                            << ""
                            << "'' is not a valid floating point value" << QStringList{};
  QTest::newRow("negative inches") << "beadInchBox"
                                   << "-0.125"
                                   << "'-0.125' is below zero: a size or length cannot be negative"
                                   << QStringList{};
}

void BeadStepsTest::sizeFailures() {
  QFETCH(QString, sizeBox);
  QFETCH(QString, size);
  Page p;
  p.enterSize(QStringLiteral("beadMmBox"), QStringLiteral("6"));
  p.typeInto(QStringLiteral("beadMmBox"), QStringLiteral("3"));
  p.typeInto(QStringLiteral("beadInchBox"), QStringLiteral("3"));
  p.typeInto(sizeBox, size);
  p.state.marker = sizeBox == u"beadMmBox" ? BeadSizeMarker::Mm : BeadSizeMarker::Inch;
  QTEST(messageOf([&] { beadCalculation(p.boxes, p.state); }), "message");
  QCOMPARE(p.state.rate, 0.0f);
  QTEST(p.writtenTexts(), "written");
}

// Leaving a box that needs the rate before there is one: the results that
// need it are emptied and the user is told; nothing else changes.
void BeadStepsTest::notCalculated_data() {
  QTest::addColumn<QString>("step");
  QTest::addColumn<QString>("text");  // in the box left
  QTest::addColumn<BeadNotice>("notice");
  QTest::newRow("desired length") << "strandInchBox"
                                  << "16" << BeadNotice::BeadsPerInchNotCalculated;
  QTest::newRow("desired length empty") << "strandInchBox"
                                        << "" << BeadNotice::BeadsPerInchNotCalculated;
  QTest::newRow("area length") << "areaLengthBox"
                               << "2" << BeadNotice::StoneAreaNotCalculated;
  QTest::newRow("area width empty") << "areaWidthBox"
                                    << "" << BeadNotice::StoneAreaNotCalculated;
  QTest::newRow("spacing Enter") << "spacingBox"
                                 << "." << BeadNotice::StoneAreaNotCalculated;
}

void BeadStepsTest::notCalculated() {
  QFETCH(QString, step);
  QFETCH(QString, text);
  QFETCH(BeadNotice, notice);
  Page p;
  p.typeInto(QStringLiteral("areaLengthBox"), QStringLiteral("2"));
  p.typeInto(QStringLiteral("areaWidthBox"), QStringLiteral("1"));
  p.typeInto(QStringLiteral("beadsNeededBox"), QStringLiteral("stale"));
  p.typeInto(QStringLiteral("areaBox"), QStringLiteral("11"));
  p.typeInto(step, text);
  BeadNotice given = BeadNotice::None;
  if (step == u"strandInchBox")
    given = desiredLengthLeft(p.boxes, p.state);
  else if (step == u"spacingBox")
    given = spacingEntered(p.boxes, p.state);
  else
    given = areaBoxLeft(step == u"areaLengthBox" ? AreaSide::Length : AreaSide::Width, p.boxes, p.state);
  QCOMPARE(given, notice);
  QCOMPARE(p.writtenTexts(), QStringList{"beadsNeededBox="});
  QCOMPARE(p.state.rate, 0.0f);
  QCOMPARE(beadNoticeText(notice),
           notice == BeadNotice::BeadsPerInchNotCalculated
               ? QStringLiteral("Error: Beads per Inch not calculated.\n\n       Please enter bead size\n"
                                "       and try again.")
               : QStringLiteral("Error: Stone Area not calculated.\n\n       Please enter stone size\n"
                                "       and try again."));
}

void BeadStepsTest::desiredLength_data() {
  QTest::addColumn<QString>("desired");
  QTest::addColumn<QString>("total");
  QTest::addColumn<QString>("message");
  QTest::newRow("fraction") << "17 1/2"
                            << "140.00"
                            << "";
  QTest::newRow("blanks around") << " 10 "
                                 << "80.00"
                                 << "";
  QTest::newRow("empty") << ""
                         << ""
                         << "";
  QTest::newRow("lone point") << "."
                              << ""
                              << "";
  QTest::newRow("a million beads") << "125000"
                                   << "1E6"
                                   << "";
  QTest::newRow("negative") << "-1" << kKept << "'-1' is below zero: a size or length cannot be negative";
  QTest::newRow("bad fraction") << "1/x" << kKept << kFractionMessage;
}

void BeadStepsTest::desiredLength() {
  QFETCH(QString, desired);
  QFETCH(QString, total);
  Page p;
  p.enterSize(QStringLiteral("beadInchBox"), QStringLiteral("1/8"));
  p.typeInto(QStringLiteral("strandInchBox"), desired);
  QTEST(messageOf([&] { QCOMPARE(desiredLengthLeft(p.boxes, p.state), BeadNotice::None); }), "message");
  QCOMPARE(seen(p.boxes.beadsNeededBox), total);
  QCOMPARE(p.state.rate, 8.0f);
}

void BeadStepsTest::area_data() { addAreaCaseRows(); }

// Size, length and width entered, then Enter in the spacing box.
void BeadStepsTest::area() {
  QFETCH(QString, sizeBox);
  QFETCH(QString, size);
  QFETCH(QString, length);
  QFETCH(QString, width);
  QFETCH(QString, spacing);
  Page p;
  p.enterSize(sizeBox, size);
  p.typeInto(QStringLiteral("areaLengthBox"), length);
  p.typeInto(QStringLiteral("areaWidthBox"), width);
  p.typeInto(QStringLiteral("spacingBox"), spacing);
  QCOMPARE(spacingEntered(p.boxes, p.state), BeadNotice::None);
  QTEST(p.boxes.areaBox.text, "square");
  QTEST(p.boxes.hexStonesBox.text, "hexagonal");
  QVERIFY(p.boxes.areaBox.written && p.boxes.hexStonesBox.written);
  QCOMPARE(seen(p.boxes.spacingBox), spacing == u"." ? QString() : kKept);
}

// The spaced rate counts the stones only: the beads per inch stay unspaced.
void BeadStepsTest::spacingLeavesTheRate() {
  Page p;
  p.enterSize(QStringLiteral("beadInchBox"), QStringLiteral("1/8"));
  p.typeInto(QStringLiteral("areaLengthBox"), QStringLiteral("6 1/4"));
  p.typeInto(QStringLiteral("areaWidthBox"), QStringLiteral("7 1/8"));
  p.typeInto(QStringLiteral("spacingBox"), QStringLiteral("1/4"));
  spacingEntered(p.boxes, p.state);
  QCOMPARE(p.boxes.areaBox.text, QStringLiteral("712"));
  QCOMPARE(p.boxes.beadsPerInchBox.text, QStringLiteral("8.00"));
  QCOMPARE(p.state.rate, 8.0f);
  p.settle();
  p.typeInto(QStringLiteral("strandInchBox"), QStringLiteral("10"));
  desiredLengthLeft(p.boxes, p.state);
  QCOMPARE(p.boxes.beadsNeededBox.text, QStringLiteral("80.00"));
  // Emptying the spacing brings both patterns back.
  p.typeInto(QStringLiteral("spacingBox"), QString());
  areaBoxLeft(AreaSide::Width, p.boxes, p.state);
  QCOMPARE(p.boxes.areaBox.text, QStringLiteral("2850"));
  QCOMPARE(p.boxes.hexStonesBox.text, QStringLiteral("3291"));
}

// Leaving an area box judges that box alone; a calculation that finds either
// box empty keeps the counts shown.
void BeadStepsTest::areaBoxesLeftOrEmptied_data() {
  QTest::addColumn<QString>(
      "step");  // "areaLengthBox", "areaWidthBox" (box left) or "beadCountBox" (count changed)
  QTest::addColumn<QString>("length");
  QTest::addColumn<QString>("width");
  QTest::addColumn<QString>("square");
  QTest::addColumn<QString>("hexagonal");
  QTest::newRow("length left filled") << "areaLengthBox"
                                      << "4"
                                      << "1"
                                      << "161"
                                      << "186";
  QTest::newRow("length left empty") << "areaLengthBox"
                                     << ""
                                     << "1"
                                     << ""
                                     << "";
  QTest::newRow("length left as a lone point") << "areaLengthBox"
                                               << "."
                                               << "1"
                                               << ""
                                               << "";
  QTest::newRow("width left empty, length filled") << "areaWidthBox"
                                                   << "2"
                                                   << ""
                                                   << ""
                                                   << "";
  // The box left is the one judged: an empty length does not stop a width.
  QTest::newRow("width left filled, length empty") << "areaWidthBox"
                                                   << ""
                                                   << "1" << kKept << kKept;
  QTest::newRow("count changed, length emptied") << "beadCountBox"
                                                 << ""
                                                 << "1" << kKept << kKept;
}

void BeadStepsTest::areaBoxesLeftOrEmptied() {
  QFETCH(QString, step);
  QFETCH(QString, length);
  QFETCH(QString, width);
  Page p;
  p.typeInto(QStringLiteral("areaLengthBox"), QStringLiteral("2"));
  p.typeInto(QStringLiteral("areaWidthBox"), QStringLiteral("1"));
  p.enterSize(QStringLiteral("beadMmBox"), QStringLiteral("4"));
  QCOMPARE(p.boxes.areaBox.text, QStringLiteral("81"));
  p.typeInto(QStringLiteral("areaLengthBox"), length);
  p.typeInto(QStringLiteral("areaWidthBox"), width);
  if (step == u"beadCountBox") {
    p.typeInto(QStringLiteral("beadCountBox"), QStringLiteral("5"));
    beadCountChanged(p.boxes, p.state);
    QCOMPARE(p.boxes.strandLengthBox.text, QStringLiteral("0.79"));
  } else {
    QCOMPARE(areaBoxLeft(step == u"areaLengthBox" ? AreaSide::Length : AreaSide::Width, p.boxes, p.state),
             BeadNotice::None);
  }
  QTEST(seen(p.boxes.areaBox), "square");
  QTEST(seen(p.boxes.hexStonesBox), "hexagonal");
}

// Enter in the spacing box takes the area boxes as they are: blanks count as
// filled there, while the calculation itself trims them.
void BeadStepsTest::spacingEnterJudgesUntrimmedBoxes_data() {
  QTest::addColumn<QString>("length");
  QTest::addColumn<QString>("width");
  QTest::addColumn<QStringList>("written");
  QTest::newRow("blanks in the length calculate")
      << "  "
      << "1"
      << QStringList{"beadInchBox=", "beadsPerInchBox=6.35", "strandLengthBox=0.16", "beadsNeededBox="};
  QTest::newRow("empty length empties the counts") << ""
                                                   << "1" << QStringList{"areaBox=", "hexStonesBox="};
  QTest::newRow("empty width empties the counts") << "2"
                                                  << "" << QStringList{"areaBox=", "hexStonesBox="};
}

void BeadStepsTest::spacingEnterJudgesUntrimmedBoxes() {
  QFETCH(QString, length);
  QFETCH(QString, width);
  Page p;
  p.typeInto(QStringLiteral("areaLengthBox"), QStringLiteral("2"));
  p.typeInto(QStringLiteral("areaWidthBox"), QStringLiteral("1"));
  p.enterSize(QStringLiteral("beadMmBox"), QStringLiteral("4"));
  p.typeInto(QStringLiteral("areaLengthBox"), length);
  p.typeInto(QStringLiteral("areaWidthBox"), width);
  QCOMPARE(spacingEntered(p.boxes, p.state), BeadNotice::None);
  QTEST(p.writtenTexts(), "written");
}

// An area too large for a whole count is an error, never a wrapped count.
void BeadStepsTest::hugeAreaIsAnError() {
  for (const QString& spacing : {QString(), QStringLiteral("0.01")}) {
    Page p;
    p.typeInto(QStringLiteral("areaLengthBox"), QStringLiteral("2"));
    p.typeInto(QStringLiteral("areaWidthBox"), QStringLiteral("1"));
    p.enterSize(QStringLiteral("beadMmBox"), QStringLiteral("4"));
    p.typeInto(QStringLiteral("areaLengthBox"), QStringLiteral("1E30"));
    p.typeInto(QStringLiteral("spacingBox"), spacing);
    QCOMPARE(messageOf([&] { areaBoxLeft(AreaSide::Length, p.boxes, p.state); }),
             QString::fromLatin1(kStoneCountTooLarge));
    QCOMPARE(seen(p.boxes.areaBox), kKept);
    QCOMPARE(seen(p.boxes.hexStonesBox), kKept);
  }
}

void BeadStepsTest::clear() {
  Page p;
  for (auto [name, box] : kAllBoxes) p.typeInto(QLatin1String(name), QStringLiteral("1"));
  p.enterSize(QStringLiteral("beadMmBox"), QStringLiteral("4"));
  QVERIFY(p.state.rate > 0);
  clearBeadPage(p.boxes, p.state);
  for (auto [name, box] : kAllBoxes) {
    QVERIFY2((p.boxes.*box).written && (p.boxes.*box).text.isEmpty(), name);
  }
  QCOMPARE(p.state.marker, BeadSizeMarker::None);
  QCOMPARE(p.state.rate, 0.0f);
}

QTEST_APPLESS_MAIN(BeadStepsTest)
#include "tst_bead_steps.moc"
