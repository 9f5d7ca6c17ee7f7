#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "bench_tools/bench_window.h"
#include "bench_tools/casting_page.h"
#include "bench_tools/metal_page.h"
#include "bench_tools/pricing_page.h"
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

 private:
  BenchWindow* Bench() const { return app_->app->benchWindow(); }
  CastingPage* Casting() const { return Bench()->castingPage(); }
  PricingPage* Pricing() const { return Bench()->pricingPage(); }
  void Show(QWidget* page) {
    Bench()->showPage(page);
    Bench()->show();
    QVERIFY(QTest::qWaitForWindowExposed(Bench()));
  }
  static void Pick(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
  }
  void Type(EntryBox* box, const QString& text) {
    FocusWidget(box);
    box->clear();
    TypeText(box, text);
    QTest::keyClick(box, Qt::Key_Return);
  }
  // Box object names (or lists, by their index) and texts in pairs, in order.
  void Fill(QWidget* page, const QStringList& typed) {
    for (int i = 0; i < typed.size(); i += 2) {
      QWidget* w = page->findChild<QWidget*>(typed[i]);
      QVERIFY2(w, qPrintable(typed[i]));
      if (auto* list = qobject_cast<QComboBox*>(w))
        Pick(list, typed[i + 1].toInt());
      else
        Type(static_cast<EntryBox*>(w), typed[i + 1]);
    }
  }
  QStringList CastingResults() const {
    return {Casting()->gramBox->text(), Casting()->pennyweightBox->text(), Casting()->troyOunceBox->text(),
            Casting()->costBox->text()};
  }
  QStringList PricingResults() const {
    return {Pricing()->labourBox->text(), Pricing()->costBox->text(), Pricing()->wholesaleBox->text(),
            Pricing()->retailBox->text()};
  }

  std::unique_ptr<ModalDialogGuard> guard_;
  std::unique_ptr<TestApp> app_;
};

void BenchPagesTest::init() {
  guard_ = std::make_unique<ModalDialogGuard>();
  app_ = std::make_unique<TestApp>();
  // Object names for Fill: the pages' members by role.
  CastingPage* c = Casting();
  const std::pair<QWidget*, const char*> names[] = {
      {c->modelWeightBox, "model"},
      {c->modelMaterialBox, "material"},
      {c->modelDensityBox, "modelDensity"},
      {c->metalBox, "metal"},
      {c->metalDensityBox, "metalDensity"},
      {c->allowanceBox, "allowance"},
      {c->priceBox, "price"},
      {c->priceUnitBox, "unit"},
      {c->fromMetalBox, "from"},
      {c->pieceWeightBox, "piece"},
      {c->toMetalBox, "to"},
  };
  for (const auto& [w, name] : names) w->setObjectName(QLatin1String(name));
}

void BenchPagesTest::cleanup() {
  QVERIFY2(!guard_->Tripped(), qPrintable(guard_->Seen()));
  app_.reset();
  guard_.reset();
}

void BenchPagesTest::castingExamples_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("expected");  // g, dwt, ozt, cost
  QTest::newRow("2.50 g wax in sterling")
      << QStringList{"model", "2.50"} << QStringList{"25.90", "16.65", "0.833", ""};
  QTest::newRow("with 10 % allowance")
      << QStringList{"allowance", "10", "model", "2.50"} << QStringList{"28.49", "18.32", "0.916", ""};
  // 2.5 x 15.5 / 1.10 = 35.227 g, at 40 a gram 1409.09.
  QTest::newRow("resin in 18 ct, per gram")
      << QStringList{"material", "1", "metal", "4", "unit", "1", "price", "40", "model", "2.5"}
      << QStringList{"35.23", "22.65", "1.133", "1409.09"};
  // Another material and another metal, each with a typed density: 2 x 8 / 0.8.
  QTest::newRow("Other material and metal")
      << QStringList{"material", "2", "modelDensity", "0.8", "metal", "26", "metalDensity", "8", "model", "2"}
      << QStringList{"20.00", "12.86", "0.643", ""};
}

void BenchPagesTest::castingExamples() {
  QFETCH(QStringList, typed);
  QFETCH(QStringList, expected);
  Show(Casting());
  Fill(Casting(), typed);
  QCOMPARE(CastingResults(), expected);
  // The weight is known: Enter leaves the caret where it is.
  QCOMPARE(QApplication::focusWidget(), Casting()->modelWeightBox);
  QVERIFY(app_->services.messages.isEmpty());

  // Metal to metal: a 10 g sterling piece in 18 ct gold is 14.96 g.
  Fill(Casting(), {"piece", "10"});
  QCOMPARE(Casting()->newWeightBox->text(), QStringLiteral("14.96"));
  Pick(Casting()->toMetalBox, 0);  // fine silver: 10 x 10.49 / 10.36
  QCOMPARE(Casting()->newWeightBox->text(), QStringLiteral("10.13"));
}

void BenchPagesTest::modelDensityIsKeptPerMaterial() {
  Show(Casting());
  QVERIFY(Casting()->modelDensityBox->isReadOnly());  // wax: the bench rule
  QCOMPARE(Casting()->modelDensityBox->text(), QStringLiteral("1.00"));
  Pick(Casting()->modelMaterialBox, 1);
  QVERIFY(!Casting()->modelDensityBox->isReadOnly());
  QCOMPARE(Casting()->modelDensityBox->text(), QStringLiteral("1.10"));
  Type(Casting()->modelDensityBox, QStringLiteral("1.2"));
  Pick(Casting()->modelMaterialBox, 0);
  QCOMPARE(Casting()->modelDensityBox->text(), QStringLiteral("1.00"));
  Pick(Casting()->modelMaterialBox, 1);
  QCOMPARE(Casting()->modelDensityBox->text(), QStringLiteral("1.2"));
  // Other starts empty and takes the caret, so the density is typed next.
  Pick(Casting()->modelMaterialBox, 2);
  QCOMPARE(Casting()->modelDensityBox->text(), QString());
  QCOMPARE(QApplication::focusWidget(), Casting()->modelDensityBox);
  // Without it there is no weight yet: Enter in the weight walks on.
  Type(Casting()->modelWeightBox, QStringLiteral("2"));
  QCOMPARE(Casting()->gramBox->text(), QString());
  QCOMPARE(QApplication::focusWidget(), Casting()->modelMaterialBox);
}

void BenchPagesTest::castingBadInputLeavesTheBoxes_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("message");
  QTest::newRow("letters") << "model"
                           << "abc"
                           << "'abc' is not a valid floating point value.";
  QTest::newRow("zero weight") << "model"
                               << "0"
                               << "'0' is zero: a weight must be above zero.";
  QTest::newRow("nan allowance") << "allowance"
                                 << "nan"
                                 << "'nan' is not a valid floating point value.";
  QTest::newRow("huge weight") << "model"
                               << "1e999"
                               << "'1e999' is not a valid floating point value.";
  QTest::newRow("negative price") << "price"
                                  << "-3"
                                  << "'-3' is below zero: a price cannot be negative.";
}

void BenchPagesTest::castingBadInputLeavesTheBoxes() {
  QFETCH(QString, box);
  QFETCH(QString, pasted);
  QFETCH(QString, message);
  Show(Casting());
  Fill(Casting(), {"price", "30", "model", "2.50"});
  const QStringList before = CastingResults();
  QCOMPARE(before, (QStringList{"25.90", "16.65", "0.833", "24.98"}));
  auto* target = Casting()->findChild<EntryBox*>(box);
  FocusWidget(target);
  target->selectAll();
  target->insert(pasted);  // a paste: not filtered
  QTest::keyClick(target, Qt::Key_Return);
  QCOMPARE(app_->services.messages.size(), 1);
  QCOMPARE(app_->services.messages.first().caption, QStringLiteral("Orvane"));
  QCOMPARE(app_->services.messages.first().text, message);
  QCOMPARE(CastingResults(), before);
  QCOMPARE(target->text(), pasted);
}

void BenchPagesTest::pricingExample() {
  Show(Pricing());
  QCOMPARE(Pricing()->wholesaleMultiplierBox->text(), QStringLiteral("2"));
  QCOMPARE(Pricing()->retailMultiplierBox->text(), QStringLiteral("2"));
  Type(Pricing()->materialsBox, QStringLiteral("25.90"));
  // Materials alone already give every price.
  QCOMPARE(PricingResults(), (QStringList{"", "25.90", "51.80", "103.60"}));
  // Hours without a rate: labour is not known yet, so Enter walks on to the rate.
  Type(Pricing()->hoursBox, QStringLiteral("2"));
  QCOMPARE(QApplication::focusWidget(), Pricing()->hourlyRateBox);
  QCOMPARE(PricingResults(), (QStringList{"", "", "", ""}));
  Type(Pricing()->hourlyRateBox, QStringLiteral("30"));
  Type(Pricing()->overheadBox, QStringLiteral("20"));
  QCOMPARE(PricingResults(), (QStringList{"60.00", "103.08", "206.16", "412.32"}));
  QCOMPARE(QApplication::focusWidget(), Pricing()->overheadBox);
  QVERIFY(app_->services.messages.isEmpty());
}

void BenchPagesTest::pricingBadInputLeavesTheBoxes() {
  Show(Pricing());
  Type(Pricing()->materialsBox, QStringLiteral("10"));
  const QStringList before = PricingResults();
  FocusWidget(Pricing()->retailMultiplierBox);
  Pricing()->retailMultiplierBox->selectAll();
  Pricing()->retailMultiplierBox->insert(QStringLiteral("-0"));
  QTest::keyClick(Pricing()->retailMultiplierBox, Qt::Key_Return);
  QCOMPARE(app_->services.messages.size(), 1);
  QCOMPARE(app_->services.messages.first().text,
           QStringLiteral("'-0' is zero: a multiplier must be above zero."));
  QCOMPARE(PricingResults(), before);
}

void BenchPagesTest::metalCostCarriedIntoMaterials() {
  // The Metal page's cost, then Casting's: the last one worked out is taken.
  Show(Bench()->metalPage());
  MetalPage* metal = Bench()->metalPage();
  Type(metal->priceBox, QStringLiteral("30"));
  Type(metal->acrossMmBox, QStringLiteral("1.0"));
  Type(metal->lengthMmBox, QStringLiteral("100"));
  QCOMPARE(metal->costBox->text(), QStringLiteral("0.78"));
  Show(Pricing());
  QTest::mouseClick(Pricing()->useMetalCostButton, Qt::LeftButton);
  QCOMPARE(Pricing()->materialsBox->text(), QStringLiteral("0.78"));
  QCOMPARE(PricingResults(), (QStringList{"", "0.78", "1.56", "3.12"}));

  Show(Casting());
  Fill(Casting(), {"price", "30", "model", "2.50"});
  Show(Pricing());
  // By keyboard this time: the button is a Tab stop after Materials.
  FocusWidget(Pricing()->materialsBox);
  QTest::keyClick(Pricing()->materialsBox, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), Pricing()->useMetalCostButton);
  QTest::keyClick(Pricing()->useMetalCostButton, Qt::Key_Space);
  QCOMPARE(Pricing()->materialsBox->text(), QStringLiteral("24.98"));
  QCOMPARE(PricingResults(), (QStringList{"", "24.98", "49.96", "99.92"}));
  QVERIFY(app_->services.messages.isEmpty());
}

void BenchPagesTest::noMetalCostYetSaysSo() {
  Show(Pricing());
  Pricing()->materialsBox->setText(QStringLiteral("5"));
  QTest::mouseClick(Pricing()->useMetalCostButton, Qt::LeftButton);
  QCOMPARE(app_->services.messages.size(), 1);
  QCOMPARE(app_->services.messages.first().icon, MessageIcon::Information);
  QVERIFY(app_->services.messages.first().text.contains(QStringLiteral("no metal cost yet")));
  QCOMPARE(Pricing()->materialsBox->text(), QStringLiteral("5"));
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
  Show(Bench()->pages->widget(page));
  EntryBox* target = nullptr;
  for (EntryBox* e : Bench()->pages->widget(page)->findChildren<EntryBox*>())
    if (e->accessibleName() == box) target = e;
  QVERIFY2(target, qPrintable(box));
  FocusWidget(target);
  TypeText(target, typed);
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
  Show(Bench()->pages->widget(page));
  QWidget* first = Bench()->pages->widget(page)->nextInFocusChain();
  while (!(first->focusPolicy() & Qt::TabFocus) || !first->isVisible()) first = first->nextInFocusChain();
  FocusWidget(first);
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

QTEST_MAIN(BenchPagesTest)
#include "tst_bench_pages.moc"
