#include <QTest>
#include <stdexcept>

#include "core/weight.h"

using namespace orvane;

namespace {

// A box the step left alone shows as "=", so that a kept text and a text
// written again cannot pass for each other.
const QString kKept = QStringLiteral("=");

// Every box holds a leftover of an earlier conversion; `marker` names the
// box that holds `typed`.
WeightBoxes boxesWith(const QString& marker, const QString& typed) {
  WeightBoxes boxes;
  for (BoxText& box : boxes) box.text = QStringLiteral("7");
  if (const std::optional<WeightUnit> unit = weightUnitOfMarker(marker)) boxes[int(*unit)].text = typed;
  return boxes;
}

QStringList seen(const WeightBoxes& boxes) {
  QStringList seen;
  for (const BoxText& box : boxes) seen << (box.written ? box.text : kKept);
  return seen;
}

}  // namespace

class WeightStepsTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void convertsFromTheMarkedBox_data();
  void convertsFromTheMarkedBox();
  void nothingToConvertWalksOn_data();
  void nothingToConvertWalksOn();
  void noSourceDoesNothing_data();
  void noSourceDoesNothing();
  void textThatIsNoNumber_data();
  void textThatIsNoNumber();
};

void WeightStepsTest::convertsFromTheMarkedBox_data() {
  QTest::addColumn<QString>("marker");
  QTest::addColumn<QString>("typed");
  // carats, grams, kilograms, ounces, pounds, troy ounces, pennyweights, grains
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("carats 1") << "Carat"
                            << "1" << QStringList{kKept,    "0.2",    "0.0002", "0.0071",
                                                  "0.0004", "0.0064", "0.1286", "3.0865"};
  QTest::newRow("grams 100") << "Gram"
                             << "100" << QStringList{"500",    kKept,    "0.1000",  "3.5274",
                                                     "0.2205", "3.2151", "64.3015", "1543.2358"};
  QTest::newRow("kilograms 1") << "KGram"
                               << "1" << QStringList{"5000",   "1000",    kKept,      "35.2740",
                                                     "2.2046", "32.1507", "643.0149", "15432.3584"};
  QTest::newRow("ounces 1") << "Ounce"
                            << "1" << QStringList{"141.7476", "28.3495", "0.0283",  kKept,
                                                  "0.0625",   "0.9115",  "18.2292", "437.5000"};
  QTest::newRow("pounds 2") << "Pound"
                            << "2" << QStringList{"4535.9237", "907.1847", "0.9072",   "32",
                                                  kKept,       "29.1667",  "583.3333", "14000.0000"};
  QTest::newRow("troy ounce 1") << "TroyOunce"
                                << "1" << QStringList{"155.5174", "31.1035", "0.0311",  "1.0971",
                                                      "0.0686",   kKept,     "20.0000", "480.0000"};
  QTest::newRow("grain 1") << "Grain"
                           << "1" << QStringList{"0.3240", "0.0648", "0.0001", "0.0023",
                                                 "0.0001", "0.0021", "0.0417", kKept};
  // "5." and ".5" are numbers; the source box keeps the text as typed.
  QTest::newRow("trailing point") << "Gram"
                                  << "5." << QStringList{"25",     kKept,    "0.0050", "0.1764",
                                                         "0.0110", "0.1608", "3.2151", "77.1618"};
  QTest::newRow("leading point") << "Carat"
                                 << ".5" << QStringList{kKept,    "0.1",    "0.0001", "0.0035",
                                                        "0.0002", "0.0032", "0.0643", "1.5432"};
  // Blanks and control characters around a pasted weight do not count.
  QTest::newRow("blanks and a tab around")
      << "Gram"
      << "\t 100 "
      << QStringList{"500", kKept, "0.1000", "3.5274", "0.2205", "3.2151", "64.3015", "1543.2358"};
}

void WeightStepsTest::convertsFromTheMarkedBox() {
  QFETCH(QString, marker);
  QFETCH(QString, typed);
  WeightBoxes boxes = boxesWith(marker, typed);
  QCOMPARE(weightEntered(marker, boxes), std::nullopt);
  QTEST(seen(boxes), "expected");
  QCOMPARE(boxes[int(*weightUnitOfMarker(marker))].text, typed);
}

// An empty source, or a lone point, is nothing to convert: no box changes and
// the source is handed back for the caret to walk on from.
void WeightStepsTest::nothingToConvertWalksOn_data() {
  QTest::addColumn<QString>("marker");
  QTest::addColumn<QString>("typed");
  QTest::newRow("empty carats") << "Carat"
                                << "";
  QTest::newRow("lone point in grams") << "Gram"
                                       << ".";
  QTest::newRow("blanks in pounds") << "Pound"
                                    << "   ";
  QTest::newRow("lone point among blanks") << "Grain"
                                           << " . ";
  QTest::newRow("control character only") << "Ounce"
                                          << "\t";
}

void WeightStepsTest::nothingToConvertWalksOn() {
  QFETCH(QString, marker);
  QFETCH(QString, typed);
  WeightBoxes boxes = boxesWith(marker, typed);
  QCOMPARE(weightEntered(marker, boxes), weightUnitOfMarker(marker));
  QCOMPARE(seen(boxes), QStringList(kWeightBoxCount, kKept));
}

// Before any box has been entered the marker names none: Enter does nothing.
void WeightStepsTest::noSourceDoesNothing_data() {
  QTest::addColumn<QString>("marker");
  QTest::newRow("no box entered") << "";
  QTest::newRow("marker of another page") << "MM";
  QTest::newRow("wrong case") << "gram";
}

void WeightStepsTest::noSourceDoesNothing() {
  QFETCH(QString, marker);
  WeightBoxes boxes = boxesWith(QStringLiteral("Gram"), QStringLiteral("100"));
  QCOMPARE(weightEntered(marker, boxes), std::nullopt);
  QCOMPARE(seen(boxes), QStringList(kWeightBoxCount, kKept));
}

// A pasted text that is no number fails before any box is written.
void WeightStepsTest::textThatIsNoNumber_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("message");
  QTest::newRow("two points") << "1.2.3"
                              << "'1.2.3' is not a valid floating point value";
  QTest::newRow("fraction") << "1/2"
                            << "'1/2' is not a valid floating point value";
  QTest::newRow("too heavy for a double") << "1E309"
                                          << "Floating point overflow";
}

void WeightStepsTest::textThatIsNoNumber() {
  QFETCH(QString, typed);
  WeightBoxes boxes = boxesWith(QStringLiteral("Gram"), typed);
  try {
    weightEntered(QStringLiteral("Gram"), boxes);
    QFAIL("a text that is no weight must not convert");
  } catch (const std::runtime_error& e) {
    QTEST(QString::fromUtf8(e.what()), "message");
  }
  QCOMPARE(seen(boxes), QStringList(kWeightBoxCount, kKept));
}

QTEST_APPLESS_MAIN(WeightStepsTest)
#include "tst_weight_steps.moc"
