#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

#include "bench_page_fixture.h"
#include "bench_tools/bench_window.h"
#include "bench_tools/casting_page.h"
#include "bench_tools/metal_page.h"
#include "bench_tools/pricing_page.h"
#include "platform/announcer.h"
#include "widget_fixture.h"
#include "widgets/entry_box.h"

using namespace orvane;

class BenchPagesTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void init();
  void cleanup();
  void castingExamples_data();
  void castingExamples();
  void modelDensityIsKeptPerMaterial();
  void castingBadInputLeavesTheBoxes_data();
  void castingBadInputLeavesTheBoxes();
  void pricingExample();
  void pricingBadInputLeavesTheBoxes();
  void metalCostCarriedIntoMaterials();
  void noMetalCostYetSaysSo();
  void keyFilters_data();
  void keyFilters();
  void tabOrderAndNames_data();
  void tabOrderAndNames();
  void captionsHaveTheirOwnLetters();
  void ctrlTabTurnsThePageFromAList_data();
  void ctrlTabTurnsThePageFromAList();
  void aPickIsSpokenWithItsResults_data();
  void aPickIsSpokenWithItsResults();
  void aMissingInputIsSaid_data();
  void aMissingInputIsSaid();

 private:
  BenchWindow* benchWindow() const { return app_->app->benchWindow(); }
  CastingPage* casting() const { return benchWindow()->castingPage(); }
  PricingPage* pricing() const { return benchWindow()->pricingPage(); }
  void showBeadNotice(QWidget* page) {
    benchWindow()->showPage(page);
    benchWindow()->show();
    QVERIFY(QTest::qWaitForWindowExposed(benchWindow()));
  }
  void typeInto(EntryBox* box, const QString& text) {
    giveFocusTo(box);
    box->clear();
    typeText(box, text);
    QTest::keyClick(box, Qt::Key_Return);
  }
  // Box object names (or lists, by their index) and texts in pairs, in order.
  void fill(QWidget* page, const QStringList& typed) {
    for (int i = 0; i < typed.size(); i += 2) {
      QWidget* w = page->findChild<QWidget*>(typed[i]);
      QVERIFY2(w, qPrintable(typed[i]));
      if (auto* list = qobject_cast<QComboBox*>(w))
        pick(list, typed[i + 1].toInt());
      else
        typeInto(static_cast<EntryBox*>(w), typed[i + 1]);
    }
  }
  QStringList castingResults() const {
    return {findNamed<EntryBox>(casting(), "gramBox")->text(),
            findNamed<EntryBox>(casting(), "pennyweightBox")->text(),
            findNamed<EntryBox>(casting(), "troyOunceBox")->text(),
            findNamed<EntryBox>(casting(), "costBox")->text()};
  }
  QStringList pricingResults() const {
    return {findNamed<EntryBox>(pricing(), "labourBox")->text(),
            findNamed<EntryBox>(pricing(), "costBox")->text(),
            findNamed<EntryBox>(pricing(), "wholesaleBox")->text(),
            findNamed<EntryBox>(pricing(), "retailBox")->text()};
  }

  std::unique_ptr<ModalDialogGuard> guard_;
  std::unique_ptr<TestApp> app_;
};

void BenchPagesTest::init() {
  guard_ = std::make_unique<ModalDialogGuard>();
  app_ = std::make_unique<TestApp>();
}

void BenchPagesTest::cleanup() {
  announceWithoutScreenReader(false);
  QVERIFY2(!guard_->tripped(), qPrintable(guard_->seen()));
  app_.reset();
  guard_.reset();
}

void BenchPagesTest::castingExamples_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("expected");  // g, dwt, ozt, cost
  QTest::newRow("2.50 g wax in sterling")
      << QStringList{"modelWeightBox", "2.50"} << QStringList{"25.90", "16.65", "0.833", ""};
  QTest::newRow("with 10 % allowance") << QStringList{"allowanceBox", "10", "modelWeightBox", "2.50"}
                                       << QStringList{"28.49", "18.32", "0.916", ""};
  // 2.5 x 15.5 / 1.10 = 35.227 g, at 40 a gram 1409.09.
  QTest::newRow("resin in 18 ct, per gram")
      << QStringList{"modelMaterialBox", "1",  "metalBox",       "4",  "priceUnitBox", "1",
                     "priceBox",         "40", "modelWeightBox", "2.5"}
      << QStringList{"35.23", "22.65", "1.133", "1409.09"};
  // Another material and another metal, each with a typed density: 2 x 8 / 0.8.
  QTest::newRow("Other material and metal")
      << QStringList{"modelMaterialBox", "2", "modelDensityBox", "0.8", "metalBox", "26",
                     "metalDensityBox",  "8", "modelWeightBox",  "2"}
      << QStringList{"20.00", "12.86", "0.643", ""};
}

void BenchPagesTest::castingExamples() {
  QFETCH(QStringList, typed);
  QFETCH(QStringList, expected);
  showBeadNotice(casting());
  fill(casting(), typed);
  QCOMPARE(castingResults(), expected);
  // The weight is known: Enter leaves the caret where it is.
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(casting(), "modelWeightBox"));
  QVERIFY(app_->services.messages.isEmpty());

  // Metal to metal: a 10 g sterling piece in 18 ct gold is 14.96 g.
  fill(casting(), {"pieceWeightBox", "10"});
  QCOMPARE(findNamed<EntryBox>(casting(), "newWeightBox")->text(), QStringLiteral("14.96"));
  pick(findNamed<QComboBox>(casting(), "toMetalBox"), 0);  // fine silver: 10 x 10.49 / 10.36
  QCOMPARE(findNamed<EntryBox>(casting(), "newWeightBox")->text(), QStringLiteral("10.13"));
}

void BenchPagesTest::modelDensityIsKeptPerMaterial() {
  showBeadNotice(casting());
  QVERIFY(findNamed<EntryBox>(casting(), "modelDensityBox")->isReadOnly());  // wax: the bench rule
  QCOMPARE(findNamed<EntryBox>(casting(), "modelDensityBox")->text(), QStringLiteral("1.00"));
  pick(findNamed<QComboBox>(casting(), "modelMaterialBox"), 1);
  QVERIFY(!findNamed<EntryBox>(casting(), "modelDensityBox")->isReadOnly());
  QCOMPARE(findNamed<EntryBox>(casting(), "modelDensityBox")->text(), QStringLiteral("1.10"));
  typeInto(findNamed<EntryBox>(casting(), "modelDensityBox"), QStringLiteral("1.2"));
  pick(findNamed<QComboBox>(casting(), "modelMaterialBox"), 0);
  QCOMPARE(findNamed<EntryBox>(casting(), "modelDensityBox")->text(), QStringLiteral("1.00"));
  pick(findNamed<QComboBox>(casting(), "modelMaterialBox"), 1);
  QCOMPARE(findNamed<EntryBox>(casting(), "modelDensityBox")->text(), QStringLiteral("1.2"));
  // Other starts empty and takes the caret, so the density is typed next.
  pick(findNamed<QComboBox>(casting(), "modelMaterialBox"), 2);
  QCOMPARE(findNamed<EntryBox>(casting(), "modelDensityBox")->text(), QString());
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(casting(), "modelDensityBox"));
  // Without it there is no weight yet: Enter in the weight walks on.
  typeInto(findNamed<EntryBox>(casting(), "modelWeightBox"), QStringLiteral("2"));
  QCOMPARE(findNamed<EntryBox>(casting(), "gramBox")->text(), QString());
  QCOMPARE(QApplication::focusWidget(), findNamed<QComboBox>(casting(), "modelMaterialBox"));
}

void BenchPagesTest::castingBadInputLeavesTheBoxes_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("message");
  QTest::newRow("letters") << "modelWeightBox"
                           << "abc"
                           << "'abc' is not a valid floating point value.";
  QTest::newRow("zero weight") << "modelWeightBox"
                               << "0"
                               << "'0' is zero: a weight must be above zero.";
  QTest::newRow("nan allowance") << "allowanceBox"
                                 << "nan"
                                 << "'nan' is not a valid floating point value.";
  QTest::newRow("huge weight") << "modelWeightBox"
                               << "1e999"
                               << "'1e999' is not a valid floating point value.";
  QTest::newRow("negative price") << "priceBox"
                                  << "-3"
                                  << "'-3' is below zero: a price cannot be negative.";
}

void BenchPagesTest::castingBadInputLeavesTheBoxes() {
  QFETCH(QString, box);
  QFETCH(QString, pasted);
  QFETCH(QString, message);
  showBeadNotice(casting());
  fill(casting(), {"priceBox", "30", "modelWeightBox", "2.50"});
  const QStringList before = castingResults();
  QCOMPARE(before, (QStringList{"25.90", "16.65", "0.833", "24.98"}));
  auto* target = casting()->findChild<EntryBox*>(box);
  giveFocusTo(target);
  target->selectAll();
  target->insert(pasted);  // a paste: not filtered
  QTest::keyClick(target, Qt::Key_Return);
  QCOMPARE(app_->services.messages.size(), 1);
  QCOMPARE(app_->services.messages.first().caption, QStringLiteral("Orvane"));
  QCOMPARE(app_->services.messages.first().text, message);
  QCOMPARE(castingResults(), before);
  QCOMPARE(target->text(), pasted);
}

void BenchPagesTest::pricingExample() {
  showBeadNotice(pricing());
  QCOMPARE(findNamed<EntryBox>(pricing(), "wholesaleMultiplierBox")->text(), QStringLiteral("2"));
  QCOMPARE(findNamed<EntryBox>(pricing(), "retailMultiplierBox")->text(), QStringLiteral("2"));
  typeInto(findNamed<EntryBox>(pricing(), "materialsBox"), QStringLiteral("25.90"));
  // Materials alone already give every price.
  QCOMPARE(pricingResults(), (QStringList{"", "25.90", "51.80", "103.60"}));
  // Hours without a rate: labour is not known yet, so Enter walks on to the rate.
  typeInto(findNamed<EntryBox>(pricing(), "hoursBox"), QStringLiteral("2"));
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(pricing(), "hourlyRateBox"));
  QCOMPARE(pricingResults(), (QStringList{"", "", "", ""}));
  typeInto(findNamed<EntryBox>(pricing(), "hourlyRateBox"), QStringLiteral("30"));
  typeInto(findNamed<EntryBox>(pricing(), "overheadBox"), QStringLiteral("20"));
  QCOMPARE(pricingResults(), (QStringList{"60.00", "103.08", "206.16", "412.32"}));
  QCOMPARE(QApplication::focusWidget(), findNamed<EntryBox>(pricing(), "overheadBox"));
  QVERIFY(app_->services.messages.isEmpty());
}

void BenchPagesTest::pricingBadInputLeavesTheBoxes() {
  showBeadNotice(pricing());
  typeInto(findNamed<EntryBox>(pricing(), "materialsBox"), QStringLiteral("10"));
  const QStringList before = pricingResults();
  giveFocusTo(findNamed<EntryBox>(pricing(), "retailMultiplierBox"));
  findNamed<EntryBox>(pricing(), "retailMultiplierBox")->selectAll();
  findNamed<EntryBox>(pricing(), "retailMultiplierBox")->insert(QStringLiteral("-0"));
  QTest::keyClick(findNamed<EntryBox>(pricing(), "retailMultiplierBox"), Qt::Key_Return);
  QCOMPARE(app_->services.messages.size(), 1);
  QCOMPARE(app_->services.messages.first().text,
           QStringLiteral("'-0' is zero: a multiplier must be above zero."));
  QCOMPARE(pricingResults(), before);
}

void BenchPagesTest::metalCostCarriedIntoMaterials() {
  // The Metal page's cost, then Casting's: the last one worked out is taken.
  showBeadNotice(benchWindow()->metalPage());
  MetalPage* metal = benchWindow()->metalPage();
  typeInto(findNamed<EntryBox>(metal, "priceBox"), QStringLiteral("30"));
  typeInto(findNamed<EntryBox>(metal, "acrossMmBox"), QStringLiteral("1.0"));
  typeInto(findNamed<EntryBox>(metal, "lengthMmBox"), QStringLiteral("100"));
  QCOMPARE(findNamed<EntryBox>(metal, "costBox")->text(), QStringLiteral("0.78"));
  showBeadNotice(pricing());
  QTest::mouseClick(findNamed<QPushButton>(pricing(), "useMetalCostButton"), Qt::LeftButton);
  QCOMPARE(findNamed<EntryBox>(pricing(), "materialsBox")->text(), QStringLiteral("0.78"));
  QCOMPARE(pricingResults(), (QStringList{"", "0.78", "1.56", "3.12"}));

  showBeadNotice(casting());
  fill(casting(), {"priceBox", "30", "modelWeightBox", "2.50"});
  showBeadNotice(pricing());
  // By keyboard this time: the button is a Tab stop after Materials.
  giveFocusTo(findNamed<EntryBox>(pricing(), "materialsBox"));
  QTest::keyClick(findNamed<EntryBox>(pricing(), "materialsBox"), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), findNamed<QPushButton>(pricing(), "useMetalCostButton"));
  QTest::keyClick(findNamed<QPushButton>(pricing(), "useMetalCostButton"), Qt::Key_Space);
  QCOMPARE(findNamed<EntryBox>(pricing(), "materialsBox")->text(), QStringLiteral("24.98"));
  QCOMPARE(pricingResults(), (QStringList{"", "24.98", "49.96", "99.92"}));
  QVERIFY(app_->services.messages.isEmpty());
}

void BenchPagesTest::noMetalCostYetSaysSo() {
  showBeadNotice(pricing());
  findNamed<EntryBox>(pricing(), "materialsBox")->setText(QStringLiteral("5"));
  QTest::mouseClick(findNamed<QPushButton>(pricing(), "useMetalCostButton"), Qt::LeftButton);
  QCOMPARE(app_->services.messages.size(), 1);
  QCOMPARE(app_->services.messages.first().icon, MessageIcon::Information);
  QVERIFY(app_->services.messages.first().text.contains(QStringLiteral("no metal cost yet")));
  QCOMPARE(findNamed<EntryBox>(pricing(), "materialsBox")->text(), QStringLiteral("5"));
}

void BenchPagesTest::keyFilters_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("box");  // accessible name
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("expected");
  QTest::addColumn<int>("beeps");
  QTest::newRow("model weight: digits and one point") << 1 << "Model weight in grams"
                                                      << "-2.5.0g"
                                                      << "2.50" << 3;
  QTest::newRow("piece weight: no letters") << 1 << "Piece weight in grams"
                                            << "1e9"
                                            << "19" << 1;
  QTest::newRow("materials: no minus") << 3 << "Materials"
                                       << "-12.50"
                                       << "12.50" << 1;
  QTest::newRow("overhead: no percent sign") << 3 << "Overhead in per cent"
                                             << "15%"
                                             << "015" << 1;
}

void BenchPagesTest::keyFilters() {
  QFETCH(int, page);
  QFETCH(QString, box);
  QFETCH(QString, typed);
  QFETCH(QString, expected);
  QFETCH(int, beeps);
  showBeadNotice(findNamed<QTabWidget>(benchWindow(), "BenchPages")->widget(page));
  EntryBox* target = nullptr;
  for (EntryBox* e :
       findNamed<QTabWidget>(benchWindow(), "BenchPages")->widget(page)->findChildren<EntryBox*>())
    if (e->accessibleName() == box) target = e;
  QVERIFY2(target, qPrintable(box));
  giveFocusTo(target);
  typeText(target, typed);
  QCOMPARE(target->text(), expected);
  QCOMPARE(app_->services.beeps, beeps);
}

void BenchPagesTest::tabOrderAndNames_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QStringList>("order");
  QTest::newRow("Casting") << 1
                           << QStringList{"Model weight in grams",
                                          "Model material",
                                          "Model density in g/cm\u00b3",
                                          "Metal",
                                          "Metal density in g/cm\u00b3",
                                          "Allowance for sprue and button in per cent",
                                          "Metal price",
                                          "Per",
                                          "Metal weight in grams",
                                          "Pennyweights",
                                          "Troy ounces",
                                          "Metal cost",
                                          "Piece in",
                                          "Piece weight in grams",
                                          "Made in",
                                          "Weight in the new metal in grams",
                                          "Close"};
  QTest::newRow("Pricing") << 3
                           << QStringList{"Materials",
                                          "Use metal cost",
                                          "Labour hours",
                                          "Hourly rate",
                                          "Overhead in per cent",
                                          "Wholesale multiplier",
                                          "Retail multiplier",
                                          "Labour",
                                          "Cost",
                                          "Wholesale",
                                          "Retail",
                                          "Close"};
}

// Tab visits every control top to bottom, inputs first, and each one tells a
// screen reader what it is.
void BenchPagesTest::tabOrderAndNames() {
  QFETCH(int, page);
  QFETCH(QStringList, order);
  showBeadNotice(findNamed<QTabWidget>(benchWindow(), "BenchPages")->widget(page));
  QWidget* first = findNamed<QTabWidget>(benchWindow(), "BenchPages")->widget(page)->nextInFocusChain();
  while (!(first->focusPolicy() & Qt::TabFocus) || !first->isVisible()) first = first->nextInFocusChain();
  giveFocusTo(first);
  QStringList visited;
  for (int i = 0; i < order.size(); ++i) {
    QWidget* w = QApplication::focusWidget();
    QVERIFY(w);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    QString name = a->text(QAccessible::Name);
    if (qobject_cast<QComboBox*>(w)) {
      QCOMPARE(a->role(), QAccessible::ComboBox);
      const auto labels = a->relations(QAccessible::Label);
      QVERIFY2(!labels.isEmpty(), qPrintable(w->accessibleName()));
      name = labels.first().first->text(QAccessible::Name);
    } else if (qobject_cast<QLineEdit*>(w)) {
      QCOMPARE(a->role(), QAccessible::EditableText);
    } else {
      QCOMPARE(a->role(), QAccessible::Button);
    }
    visited << name;
    QTest::keyClick(w, Qt::Key_Tab);
  }
  QCOMPARE(visited, order);
}

namespace {

// The letter Alt takes a caption by: the one after a single "&".
QChar mnemonicOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] != u'&') return caption[i + 1].toLower();
    ++i;  // "&&" is a plain "&"
  }
  return {};
}

}  // namespace

// Every caption of every page, and every button on it, has an Alt letter,
// and no two on one page share one (the Metal page in each of its shapes).
void BenchPagesTest::captionsHaveTheirOwnLetters() {
  QTabWidget* pages = findNamed<QTabWidget>(benchWindow(), "BenchPages");
  for (int i = 0; i < pages->count(); ++i) {
    QWidget* page = pages->widget(i);
    showBeadNotice(page);
    QComboBox* shapes = page == benchWindow()->metalPage() ? findNamed<QComboBox>(page, "shapeBox") : nullptr;
    for (int shape = 0; shape < (shapes ? shapes->count() : 1); ++shape) {
      if (shapes) pick(shapes, shape);
      QMap<QChar, QString> taken;
      QStringList captions;
      for (QLabel* label : page->findChildren<QLabel*>())
        if (label->buddy() && label->isVisibleTo(page)) captions << label->text();
      for (QAbstractButton* button : page->findChildren<QAbstractButton*>())
        if (button->isVisibleTo(page)) captions << button->text();
      QVERIFY2(!captions.isEmpty(), qPrintable(pages->tabText(i)));
      for (const QString& caption : captions) {
        const QChar letter = mnemonicOf(caption);
        const QString where = pages->tabText(i) + QStringLiteral(": ") + caption;
        QVERIFY2(!letter.isNull(), qPrintable(where + QStringLiteral(" has no Alt letter")));
        QVERIFY2(!taken.contains(letter),
                 qPrintable(where + QStringLiteral(" shares its letter with ") + taken.value(letter)));
        taken.insert(letter, caption);
      }
    }
  }
}

void BenchPagesTest::ctrlTabTurnsThePageFromAList_data() {
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("list");
  QTest::newRow("Metal") << "Metal"
                         << "metalBox";
  QTest::newRow("Stone") << "Stone Weight"
                         << "stoneBox";
  QTest::newRow("AWG") << "Gauges"
                       << "americanBox";
}

// A list takes Ctrl+Tab for a letter to search for unless the window turns
// the page first, as it does from every other box.
void BenchPagesTest::ctrlTabTurnsThePageFromAList() {
  QFETCH(QString, title);
  QFETCH(QString, list);
  QTabWidget* pages = findNamed<QTabWidget>(benchWindow(), "BenchPages");
  int index = 0;
  while (index < pages->count() && pages->tabText(index) != title) ++index;
  QVERIFY(index < pages->count());
  showBeadNotice(pages->widget(index));
  QApplication::setActiveWindow(benchWindow());
  QVERIFY(QTest::qWaitForWindowActive(benchWindow()));
  auto* box = findNamed<QComboBox>(pages->widget(index), qPrintable(list));
  giveFocusTo(box);
  const QString before = box->currentText();
  QTest::keyClick(box, Qt::Key_Tab, Qt::ControlModifier);
  QCOMPARE(pages->currentIndex(), (index + 1) % pages->count());
  QCOMPARE(box->currentText(), before);  // not taken as a search
  // The focus follows into the new page, for the screen reader to name.
  QVERIFY(pages->currentWidget()->isAncestorOf(QApplication::focusWidget()));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(pages->currentIndex(), index);
}

void BenchPagesTest::aPickIsSpokenWithItsResults_data() {
  QTest::addColumn<QString>("title");
  QTest::addColumn<QStringList>("typed");  // object names and texts, lists by index
  QTest::addColumn<QString>("list");
  QTest::addColumn<int>("picked");
  QTest::addColumn<QString>("spoken");
  // The twin written again but not changed comes last.
  QTest::newRow("Metal: shape") << "Metal" << QStringList{"acrossMmBox", "1", "lengthMmBox", "100"}
                                << "shapeBox" << 1
                                << "^Shape Square wire, Volume \\(mm\u00b3\\) [\\d.]+, Grams [\\d.]+, .*"
                                   "Side in inches 0\\.03937, Length in inches [\\d.]+$";
  QTest::newRow("Metal: metal") << "Metal" << QStringList{"acrossMmBox", "1", "lengthMmBox", "100"}
                                << "metalBox" << 0
                                << "^Metal [^,]+, Grams [\\d.]+, Pennyweights [\\d.]+, Troy ounces [\\d.]+, "
                                   "Diameter in inches 0\\.03937, Length in inches [\\d.]+, Volume";
  QTest::newRow("Casting: model material")
      << "Casting" << QStringList{"modelWeightBox", "2.5"} << "modelMaterialBox" << 1
      << "^Model material Castable resin, Metal weight in grams [\\d.]+, Pennyweights";
  QTest::newRow("Stone: stone") << "Stone Weight"
                                << QStringList{"lengthBox", "6", "widthBox", "6", "depthBox", "4"}
                                << "stoneBox" << 1 << "^Stone [^,]+, Weight in carats [\\d.]+$";
}

// The chosen item is said first, then the results it changed.
void BenchPagesTest::aPickIsSpokenWithItsResults() {
  QFETCH(QString, title);
  QFETCH(QStringList, typed);
  QFETCH(QString, list);
  QFETCH(int, picked);
  QFETCH(QString, spoken);
  QTabWidget* pages = findNamed<QTabWidget>(benchWindow(), "BenchPages");
  QWidget* page = nullptr;
  for (int i = 0; i < pages->count(); ++i)
    if (pages->tabText(i) == title) page = pages->widget(i);
  QVERIFY(page);
  announceWithoutScreenReader(true);
  showBeadNotice(page);
  fill(page, typed);
  auto* box = findNamed<QComboBox>(page, qPrintable(list));
  giveFocusTo(box);
  takeNotices(benchWindow());
  pick(box, picked);
  const QStringList notices = takeNotices(benchWindow());
  QCOMPARE(notices.size(), 1);
  QVERIFY2(QRegularExpression(spoken).match(notices.first()).hasMatch(), qPrintable(notices.first()));
  QVERIFY2(notices.first().contains(box->currentText()), qPrintable(notices.first()));
}

void BenchPagesTest::aMissingInputIsSaid_data() {
  QTest::addColumn<QString>("title");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QString>("spoken");
  QTest::newRow("Pricing: hours but no rate")
      << "Pricing" << QStringList{"materialsBox", "10", "hoursBox", "2"} << "Enter the hourly rate";
  QTest::newRow("Pricing: a rate but no hours")
      << "Pricing" << QStringList{"hourlyRateBox", "30"} << "Enter the labour hours";
  QTest::newRow("Knotted Strand: no clasp length")
      << "Knotted Strand" << QStringList{"lengthMm", "400", "beadBox", "8"} << "Enter the clasp length";
}

// A step that stops for an input says which, after what it could work out.
void BenchPagesTest::aMissingInputIsSaid() {
  QFETCH(QString, title);
  QFETCH(QStringList, typed);
  QFETCH(QString, spoken);
  QTabWidget* pages = findNamed<QTabWidget>(benchWindow(), "BenchPages");
  QWidget* page = nullptr;
  for (int i = 0; i < pages->count(); ++i)
    if (pages->tabText(i) == title) page = pages->widget(i);
  QVERIFY(page);
  announceWithoutScreenReader(true);
  showBeadNotice(page);
  takeNotices(benchWindow());
  fill(page, typed);
  const QStringList notices = takeNotices(benchWindow());
  QVERIFY2(!notices.isEmpty() && notices.last().endsWith(spoken), qPrintable(notices.join(u'|')));
}

QTEST_MAIN(BenchPagesTest)
#include "tst_bench_pages.moc"
