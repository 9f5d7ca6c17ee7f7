#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "app/main_window.h"
#include "core/text_rules.h"
#include "core/weight.h"
#include "find_child.h"
#include "measures/weight_page.h"
#include "widget_fixture.h"
#include "widgets/color_tab_widget.h"
#include "widgets/entry_box.h"

using namespace orvane;

Q_DECLARE_METATYPE(orvane::WeightUnit)

// The troy units of the Weight page: troy ounces, pennyweights and grains.
class WeightTroyTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();
  void convert_data();
  void convert();
  void markers();
  void pageFillsAllEight_data();
  void pageFillsAllEight();
  void roundTrip_data();
  void roundTrip();
  void troyBoxesFilterKeys();
  void clearEmptiesAllEight();
  void layout();
  void metalButtonAsksForTheCalculator();

 private:
  WeightPage* page() const { return findNamed<WeightPage>(app_->app->mainWindow(), "weightPage"); }
  QList<EntryBox*> entryBoxes() const {
    WeightPage* p = page();
    return {findNamed<EntryBox>(p, "caratBox"),       findNamed<EntryBox>(p, "gramBox"),
            findNamed<EntryBox>(p, "kilogramBox"),    findNamed<EntryBox>(p, "ounceBox"),
            findNamed<EntryBox>(p, "poundBox"),       findNamed<EntryBox>(p, "troyOunceBox"),
            findNamed<EntryBox>(p, "pennyweightBox"), findNamed<EntryBox>(p, "grainBox")};
  }
  QStringList boxTexts() const {
    QStringList texts;
    for (EntryBox* box : entryBoxes()) texts << box->text();
    return texts;
  }
  void showPage() {
    findNamed<ColorTabWidget>(app_->app->mainWindow(), "pages")->setActivePage(page());
    giveFocusTo(findNamed<EntryBox>(page(), "caratBox"));
  }
  void enter(int box, const QString& typed) {
    EntryBox* source = entryBoxes()[box];
    giveFocusTo(source);
    source->clear();
    typeText(source, typed);
    QTest::keyClick(source, Qt::Key_Return);
  }

  std::unique_ptr<ModalDialogGuard> guard_;
  std::unique_ptr<TestApp> app_;
};

namespace {
const QString kSource;  // the box typed in keeps its text
}

void WeightTroyTest::init() {
  guard_ = std::make_unique<ModalDialogGuard>();
  app_ = std::make_unique<TestApp>();
}

void WeightTroyTest::cleanup() {
  QVERIFY2(!guard_->tripped(), qPrintable(guard_->seen()));
  app_.reset();
  guard_.reset();
}

void WeightTroyTest::convert_data() {
  QTest::addColumn<WeightUnit>("source");
  QTest::addColumn<double>("value");
  // carats, grams, kilograms, ounces, pounds, troy ounces, pennyweights, grains
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("100 grams") << WeightUnit::Gram << 100.0
                             << QStringList{"500",    kSource,  "0.1000",  "3.5274",
                                            "0.2205", "3.2151", "64.3015", "1543.2358"};
  QTest::newRow("1 kilogram") << WeightUnit::KGram << 1.0
                              << QStringList{"5000",   "1000",    kSource,    "35.2740",
                                             "2.2046", "32.1507", "643.0149", "15432.3584"};
  QTest::newRow("1 carat") << WeightUnit::Carat << 1.0 << QStringList{kSource,  "0.2",    "0.0002", "0.0071",
                                                                      "0.0004", "0.0064", "0.1286", "3.0865"};
  // From a troy unit every box is rounded to 4 decimals.
  QTest::newRow("1 troy ounce") << WeightUnit::TroyOunce << 1.0
                                << QStringList{"155.5174", "31.1035", "0.0311",  "1.0971",
                                               "0.0686",   kSource,   "20.0000", "480.0000"};
  QTest::newRow("2.5 troy ounces") << WeightUnit::TroyOunce << 2.5
                                   << QStringList{"388.7935", "77.7587", "0.0778",  "2.7429",
                                                  "0.1714",   kSource,   "50.0000", "1200.0000"};
  QTest::newRow("1 pennyweight") << WeightUnit::Pennyweight << 1.0
                                 << QStringList{"7.7759", "1.5552", "0.0016", "0.0549",
                                                "0.0034", "0.0500", kSource,  "24.0000"};
  QTest::newRow("1 grain") << WeightUnit::Grain << 1.0 << QStringList{"0.3240", "0.0648", "0.0001", "0.0023",
                                                                      "0.0001", "0.0021", "0.0417", kSource};
  QTest::newRow("1 ounce") << WeightUnit::Ounce << 1.0
                           << QStringList{"141.7476", "28.3495", "0.0283",  kSource,
                                          "0.0625",   "0.9115",  "18.2292", "437.5000"};
}

void WeightTroyTest::convert() {
  QFETCH(WeightUnit, source);
  QFETCH(double, value);
  QFETCH(QStringList, expected);
  const auto texts = convertWeight(source, value);
  QCOMPARE(int(texts.size()), expected.size());
  for (int i = 0; i < expected.size(); ++i) {
    QCOMPARE(texts[i], expected[i]);
    QCOMPARE(texts[i].isNull(), expected[i].isNull());
  }
}

void WeightTroyTest::markers() {
  const QStringList names{"TroyOunce", "Pennyweight", "Grain"};
  for (int i = 0; i < names.size(); ++i) {
    const auto unit = WeightUnit(kWeightUnitCount + i);
    QCOMPARE(weightMarker(unit), names[i]);
    QCOMPARE(weightUnitOfMarker(names[i]), std::optional<WeightUnit>(unit));
  }
}

void WeightTroyTest::pageFillsAllEight_data() {
  QTest::addColumn<int>("box");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("grams fill the troy boxes")
      << 1 << "100"
      << QStringList{"500", "100", "0.1000", "3.5274", "0.2205", "3.2151", "64.3015", "1543.2358"};
  QTest::newRow("troy ounces fill the rest")
      << 5 << "1"
      << QStringList{"155.5174", "31.1035", "0.0311", "1.0971", "0.0686", "1", "20.0000", "480.0000"};
  QTest::newRow("pennyweights") << 6 << "20" << QStringList{"155.5174", "31.1035", "0.0311", "1.0971",
                                                            "0.0686",   "1.0000",  "20",     "480.0000"};
  QTest::newRow("grains with a leading point")
      << 7 << ".5" << QStringList{"0.1620", "0.0324", "0.0000", "0.0011", "0.0001", "0.0010", "0.0208", ".5"};
}

void WeightTroyTest::pageFillsAllEight() {
  QFETCH(int, box);
  QFETCH(QString, typed);
  QFETCH(QStringList, expected);
  showPage();
  enter(box, typed);
  QCOMPARE(boxTexts(), expected);
  QCOMPARE(QApplication::focusWidget(), entryBoxes()[box]);
  QCOMPARE(app_->services.beeps, 0);
  QVERIFY(app_->services.messages.isEmpty());
}

// Grams to troy ounces and back agree to what the troy ounce box shows: half
// its last digit, 0.00005 troy ounce, plus half the last digit of the grams.
void WeightTroyTest::roundTrip_data() {
  QTest::addColumn<QString>("grams");
  for (const char* g : {"100", "1", "31.1034768", "0.5", "12345.678", "2.2"}) QTest::newRow(g) << QString(g);
}

void WeightTroyTest::roundTrip() {
  QFETCH(QString, grams);
  showPage();
  enter(1, grams);
  const QString troy = findNamed<EntryBox>(page(), "troyOunceBox")->text();
  enter(5, troy);
  const QString back = findNamed<EntryBox>(page(), "gramBox")->text();
  const double tolerance = 0.00005 * 31.1034768 + 0.00005;
  QVERIFY2(std::fabs(double(textToNumber(back) - textToNumber(grams))) <= tolerance,
           qPrintable(grams + " -> " + troy + " -> " + back));
  // And troy ounces come back unchanged from the grams they gave.
  enter(1, back);
  QCOMPARE(findNamed<EntryBox>(page(), "troyOunceBox")->text(), troy);
}

void WeightTroyTest::troyBoxesFilterKeys() {
  showPage();
  for (EntryBox* box :
       {findNamed<EntryBox>(page(), "troyOunceBox"), findNamed<EntryBox>(page(), "pennyweightBox"),
        findNamed<EntryBox>(page(), "grainBox")}) {
    giveFocusTo(box);
    box->setText(QStringLiteral("1.5"));
    const int before = app_->services.beeps;
    QTest::keyClick(box, Qt::Key_Period);  // a second point
    QTest::keyClick(box, Qt::Key_Slash);
    QTest::keyClick(box, Qt::Key_A);
    QCOMPARE(box->text(), QStringLiteral("1.5"));
    QCOMPARE(app_->services.beeps, before + 3);
  }
  // An empty last box walks on to Clear, as Pounds did before.
  findNamed<EntryBox>(page(), "grainBox")->clear();
  QTest::keyClick(findNamed<EntryBox>(page(), "grainBox"), Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget(), findNamed<QPushButton>(page(), "clearButton"));
}

void WeightTroyTest::clearEmptiesAllEight() {
  showPage();
  enter(6, QStringLiteral("3"));
  QVERIFY(!findNamed<EntryBox>(page(), "grainBox")->text().isEmpty());
  QTest::mouseClick(findNamed<QPushButton>(page(), "clearButton"), Qt::LeftButton);
  QCOMPARE(boxTexts(), QStringList(8, QString()));
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(page(), "caratBox"));
}

void WeightTroyTest::layout() {
  showPage();
  const QList<EntryBox*> boxes = entryBoxes();
  for (int i = 1; i < boxes.size(); ++i) {
    QCOMPARE(boxes[i]->x(), boxes[0]->x());
    QVERIFY(boxes[i]->geometry().top() > boxes[i - 1]->geometry().bottom());
    QVERIFY(boxes[i]->isVisible());
  }
  // Clear and Metal below the last row, inside the page.
  for (QWidget* button : {static_cast<QWidget*>(findNamed<QPushButton>(page(), "clearButton")),
                          static_cast<QWidget*>(findNamed<QPushButton>(page(), "metalButton"))}) {
    QVERIFY(button->isVisible());
    QVERIFY(button->geometry().top() > findNamed<EntryBox>(page(), "grainBox")->geometry().bottom());
    QVERIFY2(page()->rect().contains(button->geometry()),
             qPrintable(QStringLiteral("%1 at %2 on a page %3 high")
                            .arg(button->accessibleName())
                            .arg(button->geometry().bottom())
                            .arg(page()->height())));
  }
  QVERIFY(!findNamed<QPushButton>(page(), "clearButton")
               ->geometry()
               .intersects(findNamed<QPushButton>(page(), "metalButton")->geometry()));
  QCOMPARE(findNamed<QPushButton>(page(), "metalButton")->text(), QStringLiteral("Metal\u2026"));
}

void WeightTroyTest::metalButtonAsksForTheCalculator() {
  showPage();
  QSignalSpy wanted(page(), &WeightPage::metalWanted);
  QTest::mouseClick(findNamed<QPushButton>(page(), "metalButton"), Qt::LeftButton);
  QCOMPARE(wanted.count(), 1);
  giveFocusTo(findNamed<QPushButton>(page(), "metalButton"));
  QTest::keyClick(findNamed<QPushButton>(page(), "metalButton"), Qt::Key_Return);
  QCOMPARE(wanted.count(), 2);
}

QTEST_MAIN(WeightTroyTest)
#include "tst_weight_troy.moc"
