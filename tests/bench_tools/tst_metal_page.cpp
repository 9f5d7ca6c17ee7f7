#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <ctime>

#include "app/main_window.h"
#include "bench_page_fixture.h"
#include "bench_tools/bench_window.h"
#include "bench_tools/casting_page.h"
#include "bench_tools/metal_page.h"
#include "bench_tools/pricing_page.h"
#include "measures/weight_page.h"
#include "widget_fixture.h"
#include "widgets/color_tab_widget.h"
#include "widgets/entry_box.h"

using namespace orvane;

namespace {

// The Weight page's Metal button, which opens the Bench window.
QPushButton* metalButton(MainWindow* main) {
  return main->findChild<WeightPage*>()->findChild<QPushButton*>(QStringLiteral("metalButton"));
}

}  // namespace

class MetalWindowTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();
  void opensFromTheWeightPage();
  void benchKeyOpensTheWindowAsLeft();
  void window();
  void examples_data();
  void examples();
  void enterWalksOnUntilTheWeightIsKnown();
  void gaugeFillsTheDiameter();
  void inchBoxTakesFractions();
  void badInputLeavesTheBoxes_data();
  void badInputLeavesTheBoxes();
  void keyFilters_data();
  void keyFilters();
  void otherMetalTakesATypedDensity();
  void shapeShowsItsRows_data();
  void shapeShowsItsRows();
  void tabOrderAndNames_data();
  void tabOrderAndNames();
  void firstOpeningIsQuick();

 private:
  MetalPage* metalPage() const { return app_->app->metalPage(); }
  BenchWindow* benchWindow() const { return app_->app->benchWindow(); }
  void showBeadNotice() {
    benchWindow()->showPage(metalPage());
    benchWindow()->show();
    QVERIFY(QTest::qWaitForWindowExposed(benchWindow()));
  }
  void typeInto(EntryBox* box, const QString& text, bool enter = true) {
    giveFocusTo(box);
    box->clear();
    typeText(box, text);
    if (enter) QTest::keyClick(box, Qt::Key_Return);
  }
  QStringList resultTexts() const {
    MetalPage* f = metalPage();
    return {findNamed<EntryBox>(f, "volumeBox")->text(),      findNamed<EntryBox>(f, "gramBox")->text(),
            findNamed<EntryBox>(f, "pennyweightBox")->text(), findNamed<EntryBox>(f, "troyOunceBox")->text(),
            findNamed<EntryBox>(f, "blankMmBox")->text(),     findNamed<EntryBox>(f, "blankInchBox")->text(),
            findNamed<EntryBox>(f, "costBox")->text()};
  }

  std::unique_ptr<ModalDialogGuard> guard_;
  std::unique_ptr<TestApp> app_;
};

void MetalWindowTest::init() {
  guard_ = std::make_unique<ModalDialogGuard>();
  app_ = std::make_unique<TestApp>();
}

void MetalWindowTest::cleanup() {
  QVERIFY2(!guard_->tripped(), qPrintable(guard_->seen()));
  app_.reset();
  guard_.reset();
}

void MetalWindowTest::opensFromTheWeightPage() {
  MainWindow* main = app_->app->mainWindow();
  main->show();
  main->findChild<ColorTabWidget*>(QStringLiteral("pages"))->setActivePage(main->findChild<WeightPage*>());
  QTest::mouseClick(metalButton(main), Qt::LeftButton);
  BenchWindow* bench = benchWindow();
  QTRY_VERIFY(bench->isVisible());
  QCOMPARE(findNamed<QTabWidget>(bench, "BenchPages")->currentWidget(), metalPage());
  // A second press raises the same window, back on its Metal page, rather
  // than making another.
  findNamed<EntryBox>(metalPage(), "acrossMmBox")->setText(QStringLiteral("2"));
  bench->showPage(bench->pricingPage());
  QTest::mouseClick(metalButton(main), Qt::LeftButton);
  QCOMPARE(benchWindow(), bench);
  QCOMPARE(findNamed<QTabWidget>(bench, "BenchPages")->currentWidget(), metalPage());
  QCOMPARE(findNamed<EntryBox>(metalPage(), "acrossMmBox")->text(), QStringLiteral("2"));
  const QWidgetList windows = QApplication::topLevelWidgets();
  QCOMPARE(
      std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return qobject_cast<BenchWindow*>(w); }),
      1);
  QVERIFY(metalButton(main)->toolTip().contains(QStringLiteral("Ctrl+B")));
}

void MetalWindowTest::benchKeyOpensTheWindowAsLeft() {
  MainWindow* main = app_->app->mainWindow();
  main->show();
  QVERIFY(QTest::qWaitForWindowExposed(main));
  giveFocusTo(main->findChild<QPushButton*>(QStringLiteral("exitButton")));
  QTest::keyClick(main->findChild<QPushButton*>(QStringLiteral("exitButton")), Qt::Key_B,
                  Qt::ControlModifier);
  QTRY_VERIFY(benchWindow()->isVisible());
  benchWindow()->showPage(benchWindow()->castingPage());
  benchWindow()->close();
  giveFocusTo(main->findChild<QPushButton*>(QStringLiteral("exitButton")));
  QTest::keyClick(main->findChild<QPushButton*>(QStringLiteral("exitButton")), Qt::Key_B,
                  Qt::ControlModifier);
  QTRY_VERIFY(benchWindow()->isVisible());
  QCOMPARE(findNamed<QTabWidget>(benchWindow(), "BenchPages")->currentWidget(), benchWindow()->castingPage());
}

void MetalWindowTest::window() {
  showBeadNotice();
  QCOMPARE(benchWindow()->windowTitle(), QStringLiteral("Bench"));
  QCOMPARE(benchWindow()->minimumSize(), benchWindow()->maximumSize());
  QVERIFY(!(benchWindow()->windowFlags() & Qt::WindowMaximizeButtonHint));
  QStringList tabs;
  for (int i = 0; i < findNamed<QTabWidget>(benchWindow(), "BenchPages")->count(); ++i)
    tabs << findNamed<QTabWidget>(benchWindow(), "BenchPages")->tabText(i);
  QCOMPARE(tabs, (QStringList{"Metal", "Casting", "Stone Weight", "Pricing", "Gauges", "Knotted Strand",
                              "Jump Ring", "Ring Resizing", "Alloying", "Seed Beads", "Bezel Strip"}));
  // Every page fits the window without being cut.
  for (int i = 0; i < findNamed<QTabWidget>(benchWindow(), "BenchPages")->count(); ++i) {
    QWidget* page = findNamed<QTabWidget>(benchWindow(), "BenchPages")->widget(i);
    QVERIFY2(page->minimumSizeHint().width() <=
                     findNamed<QTabWidget>(benchWindow(), "BenchPages")->currentWidget()->width() &&
                 page->minimumSizeHint().height() <=
                     findNamed<QTabWidget>(benchWindow(), "BenchPages")->currentWidget()->height(),
             qPrintable(tabs[i]));
  }
  typeInto(findNamed<EntryBox>(metalPage(), "acrossMmBox"), QStringLiteral("1"));
  // Esc from a box hides the window; it keeps its texts for next time.
  QTest::keyClick(findNamed<EntryBox>(metalPage(), "acrossMmBox"), Qt::Key_Escape);
  QVERIFY(!benchWindow()->isVisible());
  showBeadNotice();
  QCOMPARE(findNamed<EntryBox>(metalPage(), "acrossMmBox")->text(), QStringLiteral("1"));
  QTest::mouseClick(findNamed<QPushButton>(benchWindow(), "closeButton"), Qt::LeftButton);
  QVERIFY(!benchWindow()->isVisible());
}

void MetalWindowTest::examples_data() {
  QTest::addColumn<int>("metal");
  QTest::addColumn<int>("shape");
  QTest::addColumn<int>("ringSize");
  QTest::addColumn<QStringList>("typed");  // box object names and texts, in pairs, Enter after each
  // volume, grams, pennyweights, troy ounces, blank mm, blank inches, cost
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("100 mm of 1.0 mm sterling wire")
      << 1 << 0 << -1 << QStringList{"acrossMmBox", "1.0", "lengthMmBox", "100"}
      << QStringList{"78.54", "0.8137", "0.5232", "0.0262", "", "", ""};
  QTest::newRow("size 7 fine silver blank from 1.5 mm stock")
      << 0 << 3 << 40 << QStringList{"acrossMmBox", "4", "thicknessMmBox", "1.5"}
      << QStringList{"354.81", "3.7219", "2.3932", "0.1197", "59.13", "2.328", ""};
  QTest::newRow("blank with an allowance and a price")
      << 0 << 3 << 40
      << QStringList{"acrossMmBox", "4", "thicknessMmBox", "1.5", "allowanceBox", "2.5", "priceBox", "30"}
      << QStringList{"369.81", "3.8793", "2.4944", "0.1247", "61.63", "2.427", "3.74"};
  QTest::newRow("18 ct sheet priced per troy ounce")
      << 4 << 2 << -1
      << QStringList{"acrossMmBox", "20", "thicknessMmBox", "0.8", "lengthMmBox", "50", "priceBox", "2000"}
      << QStringList{"800.00", "12.4000", "7.9734", "0.3987", "", "", "797.34"};
  // Fractions of an inch are exact: 1/16 is 0.0625, not 0.062.
  QTest::newRow("square copper wire in inches")
      << 20 << 1 << -1 << QStringList{"acrossInchBox", "1/16", "lengthInchBox", "6"}
      << QStringList{"384.07", "3.4413", "2.2128", "0.1106", "", "", ""};
  QTest::newRow("1/16 inch sterling wire 6 inches long, priced per gram")
      << 1 << 0 << -1
      << QStringList{"acrossInchBox", "1/16", "lengthInchBox", "6", "priceUnitBox", "1", "priceBox", "2"}
      << QStringList{"301.65", "3.1251", "2.0095", "0.1005", "", "", "6.25"};
  // Pt 950 with ruthenium is 20.70 g/cm3: 78.54 mm3 weigh 1.6258 g; 0.052271 ozt at 1000.
  QTest::newRow("platinum 950/ruthenium wire")
      << 16 << 0 << -1 << QStringList{"acrossMmBox", "1", "lengthMmBox", "100", "priceBox", "1000"}
      << QStringList{"78.54", "1.6258", "1.0454", "0.0523", "", "", "52.27"};
}

void MetalWindowTest::examples() {
  QFETCH(int, metal);
  QFETCH(int, shape);
  QFETCH(int, ringSize);
  QFETCH(QStringList, typed);
  QFETCH(QStringList, expected);
  showBeadNotice();
  pick(findNamed<QComboBox>(metalPage(), "metalBox"), metal);
  pick(findNamed<QComboBox>(metalPage(), "shapeBox"), shape);
  if (ringSize >= 0) pick(findNamed<QComboBox>(metalPage(), "ringSizeBox"), ringSize);
  for (int i = 0; i < typed.size(); i += 2) {
    if (auto* list = metalPage()->findChild<QComboBox*>(typed[i])) {
      pick(list, typed[i + 1].toInt());
      continue;
    }
    auto* box = metalPage()->findChild<EntryBox*>(typed[i]);
    QVERIFY2(box, qPrintable(typed[i]));
    typeInto(box, typed[i + 1]);
  }
  QCOMPARE(resultTexts(), expected);
  QVERIFY(app_->services.messages.isEmpty());
  QCOMPARE(app_->services.beeps, 0);
}

void MetalWindowTest::enterWalksOnUntilTheWeightIsKnown() {
  showBeadNotice();
  typeInto(findNamed<EntryBox>(metalPage(), "acrossMmBox"), QStringLiteral("1"));
  // The inch twin is filled at once; the weight waits for a length.
  QCOMPARE(findNamed<EntryBox>(metalPage(), "acrossInchBox")->text(), QStringLiteral("0.03937"));
  QCOMPARE(findNamed<EntryBox>(metalPage(), "gramBox")->text(), QString());
  // The caret goes on past the twin it just filled, to the next size.
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(metalPage(), "lengthMmBox"));
  typeInto(findNamed<EntryBox>(metalPage(), "lengthMmBox"), QStringLiteral("100"));
  QCOMPARE(findNamed<EntryBox>(metalPage(), "gramBox")->text(), QStringLiteral("0.8137"));
  QCOMPARE(QApplication::focusWidget(),
           findNamed<EntryBox>(metalPage(), "lengthMmBox"));  // done: the caret stays
  // Emptying the length empties the results that needed it.
  typeInto(findNamed<EntryBox>(metalPage(), "lengthMmBox"), QString());
  QCOMPARE(findNamed<EntryBox>(metalPage(), "lengthInchBox")->text(), QString());
  QCOMPARE(resultTexts(), QStringList(7, QString()));
}

void MetalWindowTest::gaugeFillsTheDiameter() {
  showBeadNotice();
  typeInto(findNamed<EntryBox>(metalPage(), "lengthMmBox"), QStringLiteral("100"));
  // By keyboard, as a user picks: gauge 20 is the 21st entry from gauge 40.
  giveFocusTo(findNamed<QComboBox>(metalPage(), "gaugeBox"));
  pick(findNamed<QComboBox>(metalPage(), "gaugeBox"), 19);
  QTest::keyClick(findNamed<QComboBox>(metalPage(), "gaugeBox"), Qt::Key_Down);
  QCOMPARE(findNamed<QComboBox>(metalPage(), "gaugeBox")->currentText(), QStringLiteral("20"));
  QCOMPARE(findNamed<EntryBox>(metalPage(), "acrossMmBox")->text(), QStringLiteral("0.8118"));
  QCOMPARE(findNamed<EntryBox>(metalPage(), "acrossInchBox")->text(), QStringLiteral("0.03196"));
  QCOMPARE(findNamed<EntryBox>(metalPage(), "gramBox")->text(),
           QStringLiteral("0.5362"));  // pi/4 x 0.8118^2 x 100 x 10.36 / 1000
  // A diameter typed by hand is no longer that gauge.
  typeInto(findNamed<EntryBox>(metalPage(), "acrossMmBox"), QStringLiteral("1"));
  QCOMPARE(findNamed<QComboBox>(metalPage(), "gaugeBox")->currentIndex(), -1);
}

void MetalWindowTest::inchBoxTakesFractions() {
  showBeadNotice();
  typeInto(findNamed<EntryBox>(metalPage(), "acrossInchBox"), QStringLiteral("1 1/2"));
  QCOMPARE(findNamed<EntryBox>(metalPage(), "acrossMmBox")->text(), QStringLiteral("38.10000"));
  // The box typed in last is the source, whichever it is.
  typeInto(findNamed<EntryBox>(metalPage(), "acrossMmBox"), QStringLiteral("25.4"));
  QCOMPARE(findNamed<EntryBox>(metalPage(), "acrossInchBox")->text(), QStringLiteral("1.00000"));
}

void MetalWindowTest::badInputLeavesTheBoxes_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("message");
  QTest::newRow("negative length") << "lengthMmBox"
                                   << "-5"
                                   << "Orvane"
                                   << "'-5' is below zero: a size or length cannot be negative.";
  QTest::newRow("text for a price") << "priceBox"
                                    << "ten"
                                    << "Orvane"
                                    << "'ten' is not a valid floating point value.";
  QTest::newRow("negative price") << "priceBox"
                                  << "-1"
                                  << "Orvane"
                                  << "'-1' is below zero: a price cannot be negative.";
  QTest::newRow("letter in a fraction") << "acrossInchBox"
                                        << "1/a"
                                        << "Error"
                                        << "Cannot convert Fraction to Decimal.";
  // Pasted values that are no finite size: refused, and no twin shows them.
  QTest::newRow("nan") << "acrossMmBox"
                       << "nan"
                       << "Orvane"
                       << "'nan' is not a valid floating point value.";
  QTest::newRow("1e999") << "acrossMmBox"
                         << "1e999"
                         << "Orvane"
                         << "'1e999' is not a valid floating point value.";
  QTest::newRow("beyond 100 metres") << "lengthMmBox"
                                     << "1e300"
                                     << "Orvane"
                                     << "'1e300' is too large: a size or length can be at most 100,000 mm.";
  QTest::newRow("minus zero is zero") << "acrossMmBox"
                                      << "-0"
                                      << "Orvane"
                                      << "'-0' is zero: a size or length must be above zero.";
}

void MetalWindowTest::badInputLeavesTheBoxes() {
  QFETCH(QString, box);
  QFETCH(QString, pasted);
  QFETCH(QString, caption);
  QFETCH(QString, message);
  showBeadNotice();
  typeInto(findNamed<EntryBox>(metalPage(), "acrossMmBox"), QStringLiteral("1.0"));
  typeInto(findNamed<EntryBox>(metalPage(), "lengthMmBox"), QStringLiteral("100"));
  typeInto(findNamed<EntryBox>(metalPage(), "priceBox"), QStringLiteral("25"));
  const QStringList before = resultTexts();
  const QString inchBefore = findNamed<EntryBox>(metalPage(), "acrossInchBox")->text();
  auto* target = metalPage()->findChild<EntryBox*>(box);
  QVERIFY(target);
  giveFocusTo(target);
  target->selectAll();
  target->insert(pasted);  // a paste: not filtered
  QTest::keyClick(target, Qt::Key_Return);
  QCOMPARE(app_->services.messages.size(), 1);
  QCOMPARE(app_->services.messages.first().caption, caption);
  QCOMPARE(app_->services.messages.first().text, message);
  QCOMPARE(app_->services.messages.first().icon, MessageIcon::Error);
  QCOMPARE(resultTexts(), before);
  QCOMPARE(target->text(), pasted);
  if (box != "acrossInchBox") QCOMPARE(findNamed<EntryBox>(metalPage(), "acrossInchBox")->text(), inchBefore);
  for (EntryBox* shown : metalPage()->findChildren<EntryBox*>()) {
    if (shown == target) continue;
    QVERIFY2(!shown->text().contains(u'E') &&
                 !shown->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive) &&
                 !shown->text().contains(QStringLiteral("inf"), Qt::CaseInsensitive),
             qPrintable(shown->objectName() + ": " + shown->text()));
  }
}

void MetalWindowTest::keyFilters_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("expected");
  QTest::addColumn<int>("beeps");
  QTest::newRow("mm: digits and one point") << "acrossMmBox"
                                            << "1.5.2"
                                            << "1.52" << 1;
  QTest::newRow("mm: no slash or letters") << "lengthMmBox"
                                           << "3/4x"
                                           << "34" << 2;
  QTest::newRow("inch: fraction and space") << "acrossInchBox"
                                            << "1 3/4"
                                            << "1 3/4" << 0;
  QTest::newRow("inch: no letters") << "lengthInchBox"
                                    << "2e"
                                    << "2" << 1;
  QTest::newRow("price: no minus") << "priceBox"
                                   << "-12.50"
                                   << "12.50" << 1;
}

void MetalWindowTest::keyFilters() {
  QFETCH(QString, box);
  QFETCH(QString, typed);
  QFETCH(QString, expected);
  QFETCH(int, beeps);
  showBeadNotice();
  pick(findNamed<QComboBox>(metalPage(), "shapeBox"), 2);  // every size box shown
  auto* target = metalPage()->findChild<EntryBox*>(box);
  QVERIFY(target);
  typeInto(target, typed, false);
  QCOMPARE(target->text(), expected);
  QCOMPARE(app_->services.beeps, beeps);
}

void MetalWindowTest::otherMetalTakesATypedDensity() {
  showBeadNotice();
  QCOMPARE(findNamed<EntryBox>(metalPage(), "densityBox")->text(),
           QStringLiteral("10.36"));  // sterling to start with
  QVERIFY(findNamed<EntryBox>(metalPage(), "densityBox")->isReadOnly());
  pick(findNamed<QComboBox>(metalPage(), "metalBox"), 14);
  QCOMPARE(findNamed<QComboBox>(metalPage(), "metalBox")->currentText(), QStringLiteral("Platinum (pure)"));
  QCOMPARE(findNamed<EntryBox>(metalPage(), "densityBox")->text(), QStringLiteral("21.45"));
  typeInto(findNamed<EntryBox>(metalPage(), "acrossMmBox"), QStringLiteral("1"));
  typeInto(findNamed<EntryBox>(metalPage(), "lengthMmBox"), QStringLiteral("100"));
  QCOMPARE(findNamed<EntryBox>(metalPage(), "gramBox")->text(),
           QStringLiteral("1.6847"));  // 78.54 mm3 of platinum
  pick(findNamed<QComboBox>(metalPage(), "metalBox"), kOtherMetal);
  QVERIFY(!findNamed<EntryBox>(metalPage(), "densityBox")->isReadOnly());
  QCOMPARE(findNamed<EntryBox>(metalPage(), "densityBox")->text(), QString());
  QCOMPARE(findNamed<EntryBox>(metalPage(), "gramBox")->text(), QString());  // no density, no weight
  QCOMPARE(findNamed<EntryBox>(metalPage(), "volumeBox")->text(), QStringLiteral("78.54"));
  typeInto(findNamed<EntryBox>(metalPage(), "densityBox"), QStringLiteral("10"));
  QCOMPARE(findNamed<EntryBox>(metalPage(), "gramBox")->text(), QStringLiteral("0.7854"));
}

void MetalWindowTest::shapeShowsItsRows_data() {
  QTest::addColumn<int>("shape");
  QTest::addColumn<QString>("across");
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<QStringList>("hidden");
  QTest::newRow("round wire") << 0 << "Diameter" << QStringList{"gaugeBox", "lengthMmBox", "lengthInchBox"}
                              << QStringList{"thicknessMmBox", "ringSizeBox", "innerMmBox", "allowanceBox",
                                             "blankMmBox"};
  QTest::newRow("square wire") << 1 << "Side" << QStringList{"gaugeBox", "lengthMmBox"}
                               << QStringList{"thicknessInchBox", "ringSizeBox", "blankInchBox"};
  QTest::newRow("sheet") << 2 << "Width" << QStringList{"thicknessMmBox", "thicknessInchBox", "lengthMmBox"}
                         << QStringList{"gaugeBox", "ringSizeBox", "allowanceBox", "blankMmBox"};
  QTest::newRow("ring blank") << 3 << "Width"
                              << QStringList{"ringSizeBox",  "innerMmBox", "innerInchBox", "thicknessMmBox",
                                             "allowanceBox", "blankMmBox", "blankInchBox"}
                              << QStringList{"gaugeBox", "lengthMmBox", "lengthInchBox"};
}

void MetalWindowTest::shapeShowsItsRows() {
  QFETCH(int, shape);
  QFETCH(QString, across);
  QFETCH(QStringList, shown);
  QFETCH(QStringList, hidden);
  showBeadNotice();
  pick(findNamed<QComboBox>(metalPage(), "shapeBox"), shape);
  // The caption carries its Alt letter; its box is named without it.
  QCOMPARE(findNamed<QLabel>(metalPage(), "acrossLabel")->text().remove(u'&'), across);
  QCOMPARE(findNamed<EntryBox>(metalPage(), "acrossMmBox")->accessibleName(), across + " in mm");
  QCOMPARE(findNamed<EntryBox>(metalPage(), "acrossInchBox")->accessibleName(), across + " in inches");
  for (const QString& name : shown) {
    auto* w = metalPage()->findChild<QWidget*>(name);
    QVERIFY2(w && w->isVisible(), qPrintable(name));
    QVERIFY2(metalPage()->rect().contains(w->geometry()), qPrintable(name));
  }
  for (const QString& name : hidden)
    QVERIFY2(!metalPage()->findChild<QWidget*>(name)->isVisible(), qPrintable(name));
  // No two shown controls overlap.
  const QList<QWidget*> all = metalPage()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  for (QWidget* a : all)
    for (QWidget* b : all)
      if (a != b && a->isVisible() && b->isVisible())
        QVERIFY2(!a->geometry().intersects(b->geometry()),
                 qPrintable(a->objectName() + a->accessibleName() + " / " + b->objectName() +
                            b->accessibleName()));
}

void MetalWindowTest::tabOrderAndNames_data() {
  QTest::addColumn<int>("shape");
  QTest::addColumn<QStringList>("order");
  QTest::newRow("round wire") << 0
                              << QStringList{"Metal",
                                             "Density in g/cm\u00b3",
                                             "Shape",
                                             "Gauge (B&S)",
                                             "Diameter in mm",
                                             "Diameter in inches",
                                             "Length in mm",
                                             "Length in inches",
                                             "Volume (mm\u00b3)",
                                             "Grams",
                                             "Pennyweights",
                                             "Troy ounces",
                                             "Metal price",
                                             "Per",
                                             "Metal cost",
                                             "Close"};
  QTest::newRow("ring blank") << 3
                              << QStringList{"Metal",
                                             "Density in g/cm\u00b3",
                                             "Shape",
                                             "Ring size (US)",
                                             "Inner diameter in mm",
                                             "Inner diameter in inches",
                                             "Width in mm",
                                             "Width in inches",
                                             "Thickness in mm",
                                             "Thickness in inches",
                                             "Allowance for saw cut and filing in mm",
                                             "Volume (mm\u00b3)",
                                             "Grams",
                                             "Pennyweights",
                                             "Troy ounces",
                                             "Blank length (mm)",
                                             "Blank length (inches)",
                                             "Metal price",
                                             "Per",
                                             "Metal cost",
                                             "Close"};
}

// Tab visits every shown control top to bottom, left column first, and each
// one tells a screen reader what it is.
void MetalWindowTest::tabOrderAndNames() {
  QFETCH(int, shape);
  QFETCH(QStringList, order);
  showBeadNotice();
  pick(findNamed<QComboBox>(metalPage(), "shapeBox"), shape);
  giveFocusTo(findNamed<QComboBox>(metalPage(), "metalBox"));
  QStringList visited;
  for (int i = 0; i < order.size(); ++i) {
    QWidget* w = QApplication::focusWidget();
    QVERIFY(w);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    QVERIFY(a);
    QString name = a->text(QAccessible::Name);
    if (qobject_cast<QComboBox*>(w)) {
      // A list's name is its current item; its caption comes as its label.
      QCOMPARE(a->role(), QAccessible::ComboBox);
      const auto labels = a->relations(QAccessible::Label);
      QVERIFY(!labels.isEmpty());
      name = labels.first().first->text(QAccessible::Name);
    } else if (qobject_cast<QLineEdit*>(w))
      QCOMPARE(a->role(), QAccessible::EditableText);
    else
      QCOMPARE(a->role(), QAccessible::Button);
    visited << name;
    QTest::keyClick(w, Qt::Key_Tab);
  }
  QCOMPARE(visited, order);
  // Round again through the page tabs.
  QCOMPARE(QAccessible::queryAccessibleInterface(QApplication::focusWidget())->role(),
           QAccessible::PageTabList);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), findNamed<QComboBox>(metalPage(), "metalBox"));
}

// Most runs never open the window, so it is built when first asked for; that
// must not be felt. Processor time, so a busy machine does not fail it.
void MetalWindowTest::firstOpeningIsQuick() {
  const std::clock_t start = std::clock();
  showBeadNotice();
  const double ms = 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC;
  QVERIFY2(ms < 100, qPrintable(QString::number(ms) + " ms"));
}

QTEST_MAIN(MetalWindowTest)
#include "tst_metal_page.moc"
