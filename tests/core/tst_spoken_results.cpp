#include <QTest>

#include "core/spoken_results.h"

using namespace orvane;

namespace {

SpokenBox writtenResult(const QString& caption, const QString& text) {
  return {caption, BoxText{text, true}};
}

}  // namespace

class SpokenResultsTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void joinsWhatTheStepWrote_data();
  void joinsWhatTheStepWrote();
  void pickAndMissingInput_data();
  void pickAndMissingInput();
  void calculatorKeys_data();
  void calculatorKeys();
};

void SpokenResultsTest::joinsWhatTheStepWrote_data() {
  QTest::addColumn<QList<SpokenBox>>("boxes");
  QTest::addColumn<QString>("expected");

  SpokenBox focused = writtenResult(QStringLiteral("Millimeters"), QStringLiteral("4"));
  focused.focused = true;
  QTest::newRow("converter: the focused box is not repeated, the order is kept")
      << QList<SpokenBox>{focused, writtenResult(QStringLiteral("Inches"), QStringLiteral("0.15748")),
                          writtenResult(QStringLiteral("Pearl Plate"), QStringLiteral("31 - 32")),
                          writtenResult(QStringLiteral("Stone Size"), QStringLiteral("16 - 17"))}
      << QStringLiteral("Inches 0.15748, Pearl Plate 31 - 32, Stone Size 16 - 17");

  SpokenBox kept{QStringLiteral("Grams"), BoxText{QStringLiteral("62.2070"), false}};
  SpokenBox hidden = writtenResult(QStringLiteral("Blank length (mm)"), QStringLiteral("59.13"));
  hidden.shown = false;
  QTest::newRow("boxes not written, hidden or emptied are left out")
      << QList<SpokenBox>{kept, hidden, writtenResult(QStringLiteral("Carats"), QString()),
                          writtenResult(QStringLiteral("Ounces"), QStringLiteral(" 2.1943 "))}
      << QStringLiteral("Ounces 2.1943");

  QTest::newRow("a text without caption stands alone")
      << QList<SpokenBox>{writtenResult(QString(), QStringLiteral("36")),
                          writtenResult(QStringLiteral("Total"), QStringLiteral("12.5"))}
      << QStringLiteral("36, Total 12.5");

  QTest::newRow("nothing written: nothing to say")
      << QList<SpokenBox>{kept, writtenResult(QStringLiteral("Inches"), QStringLiteral("   "))} << QString();

  // Four notices in a row used to end in the same diameter: what the step
  // changed is heard first, what it wrote again after.
  SpokenBox same = writtenResult(QStringLiteral("Diameter in inches"), QStringLiteral("0.03937"));
  same.changed = false;
  QTest::newRow("changed first, repeated after, each in its order")
      << QList<SpokenBox>{same, writtenResult(QStringLiteral("Grams"), QStringLiteral("0.8137")),
                          writtenResult(QStringLiteral("Pennyweights"), QStringLiteral("0.5232"))}
      << QStringLiteral("Grams 0.8137, Pennyweights 0.5232, Diameter in inches 0.03937");

  QTest::newRow("caption and text trimmed")
      << QList<SpokenBox>{writtenResult(QStringLiteral(" Grams  "), QStringLiteral("\t25.90 "))}
      << QStringLiteral("Grams 25.90");
}

void SpokenResultsTest::joinsWhatTheStepWrote() {
  QFETCH(QList<SpokenBox>, boxes);
  QFETCH(QString, expected);
  QCOMPARE(spokenResults(boxes), expected);
}

void SpokenResultsTest::pickAndMissingInput_data() {
  QTest::addColumn<QList<SpokenBox>>("boxes");
  QTest::addColumn<QString>("lead");
  QTest::addColumn<QString>("missing");
  QTest::addColumn<QString>("expected");

  SpokenBox same = writtenResult(QStringLiteral("Density"), QStringLiteral("10.36"));
  same.changed = false;
  QTest::newRow("the chosen item before the results, even before what changed")
      << QList<SpokenBox>{same, writtenResult(QStringLiteral("Grams"), QStringLiteral("0.81"))}
      << QStringLiteral("Shape Sheet") << QString()
      << QStringLiteral("Shape Sheet, Grams 0.81, Density 10.36");
  QTest::newRow("a pick that changed nothing still says what was picked")
      << QList<SpokenBox>{writtenResult(QStringLiteral("Grams"), QString())} << QStringLiteral("Stone Ruby")
      << QString() << QStringLiteral("Stone Ruby");
  QTest::newRow("what the step stopped for comes last")
      << QList<SpokenBox>{writtenResult(QStringLiteral("Cost"), QString())} << QString()
      << QStringLiteral("the hourly rate") << QStringLiteral("Enter the hourly rate");
  QTest::newRow("pick, results and missing input together")
      << QList<SpokenBox>{writtenResult(QStringLiteral("Beads"), QString())}
      << QStringLiteral("Standard length Princess") << QStringLiteral("the bead size")
      << QStringLiteral("Standard length Princess, Enter the bead size");
}

void SpokenResultsTest::pickAndMissingInput() {
  QFETCH(QList<SpokenBox>, boxes);
  QFETCH(QString, lead);
  QFETCH(QString, missing);
  QFETCH(QString, expected);
  QCOMPARE(spokenResults(boxes, lead, missing), expected);
}

void SpokenResultsTest::calculatorKeys_data() {
  QTest::addColumn<int>("button");
  QTest::addColumn<bool>("displayChanged");
  QTest::addColumn<QString>("display");
  QTest::addColumn<double>("memory");
  QTest::addColumn<QString>("expected");

  QTest::newRow("= with a new display") << int(CalculatorKey::Equals) << true << "36 " << 0.0 << "36";
  QTest::newRow("a key that left the display") << int(CalculatorKey::Add) << false << "36 " << 0.0 << "";
  QTest::newRow("C on a display already 0") << int(CalculatorKey::Clear) << false << "0 " << 0.0 << "0";
  QTest::newRow("MR of the value already shown")
      << int(CalculatorKey::MemoryRecall) << false << "36 " << 36.0 << "36";
  QTest::newRow("M+") << int(CalculatorKey::MemoryAdd) << false << "36 " << 72.0 << "Memory 72";
  QTest::newRow("M- down to a fraction")
      << int(CalculatorKey::MemorySubtract) << false << "2 " << 0.5 << "Memory 0.5";
  QTest::newRow("MS") << int(CalculatorKey::MemoryStore) << false << "-4 " << -4.0 << "Memory -4";
  QTest::newRow("MC") << int(CalculatorKey::MemoryClear) << false << "36 " << 0.0 << "Memory cleared";
}

void SpokenResultsTest::calculatorKeys() {
  QFETCH(int, button);
  QFETCH(bool, displayChanged);
  QFETCH(QString, display);
  QFETCH(double, memory);
  QFETCH(QString, expected);
  QCOMPARE(spokenCalculatorKey(CalculatorKey(button), displayChanged, display, memory), expected);
}

QTEST_GUILESS_MAIN(SpokenResultsTest)
#include "tst_spoken_results.moc"
