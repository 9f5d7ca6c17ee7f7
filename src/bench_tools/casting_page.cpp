#include "bench_tools/casting_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "bench_tools/bench_boxes.h"
#include "core/casting.h"
#include "core/metal.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"
#include "widgets/focus.h"
#include "widgets/look.h"

namespace orvane {

namespace {

constexpr int kSterling = 1;  // the metal most often cast at the bench

QLabel* unitLabel(QWidget* parent, const QString& text) { return new QLabel(text, parent); }

// The metal list without "Other": the metal to metal side has no density box.
QStringList listedMetals() {
  QStringList names = MetalNames();
  names.removeLast();
  return names;
}

}  // namespace

CastingPage::CastingPage(DesktopServices& services, QWidget* parent) : QWidget(parent), services_(services) {
  SetBackground(this, SystemColor(SysColor::Light3D));
  resinDensity_ = modelDensityText(ModelMaterial::Resin);
  // Created in tab order: the casting inputs, its results, then metal to metal.
  createCasting();
  createMetalToMetal();
  onModelMaterialChanged();
  onMetalChanged();
}

void CastingPage::createCasting() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(12, 12, 12, 12);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  auto enter = [this](EntryBox* box) { onEnter(box, &CastingPage::calculateCasting); };
  int row = 0;
  auto add = [&](const QString& caption, QWidget* field, const QString& unit = {}) {
    grid->addWidget(makeCaption(this, caption, field), row, 0, Qt::AlignRight);
    grid->addWidget(field, row, 1);
    if (!unit.isEmpty()) grid->addWidget(unitLabel(this, unit), row, 2);
    ++row;
  };

  modelWeightBox = makeNumberBox(this, services_, QStringLiteral("Model weight in grams"), enter);
  add(QStringLiteral("Model weight"), modelWeightBox, QStringLiteral("g"));
  modelMaterialBox = new QComboBox(this);
  modelMaterialBox->addItems(modelMaterialNames());
  add(QStringLiteral("Model material"), modelMaterialBox);
  modelDensityBox = makeNumberBox(this, services_, QStringLiteral("Model density in g/cm\u00b3"), enter);
  add(QStringLiteral("Model density"), modelDensityBox, QStringLiteral("g/cm\u00b3"));
  metalBox = new QComboBox(this);
  metalBox->addItems(MetalNames());
  metalBox->setMaxVisibleItems(metalBox->count());
  metalBox->setCurrentIndex(kSterling);
  add(QStringLiteral("Metal"), metalBox);
  metalDensityBox = makeNumberBox(this, services_, QStringLiteral("Metal density in g/cm\u00b3"), enter);
  add(QStringLiteral("Metal density"), metalDensityBox, QStringLiteral("g/cm\u00b3"));
  allowanceBox =
      makeNumberBox(this, services_, QStringLiteral("Allowance for sprue and button in per cent"), enter);
  allowanceBox->setText(QStringLiteral("0"));
  allowanceBox->setToolTip(QStringLiteral("Extra metal for the sprue and button"));
  add(QStringLiteral("Allowance"), allowanceBox, QStringLiteral("%"));
  priceBox = makeNumberBox(this, services_, QStringLiteral("Metal price"), enter);
  add(QStringLiteral("Metal price"), priceBox);
  priceUnitBox = new QComboBox(this);
  priceUnitBox->addItems(priceUnitNames());
  priceUnitBox->setAccessibleName(QStringLiteral("Price per"));
  add(QStringLiteral("Per"), priceUnitBox);

  // The results beside the inputs.
  row = 0;
  auto result = [&](const QString& caption, EntryBox* box) {
    grid->addWidget(makeCaption(this, caption, box), row, 3, Qt::AlignRight);
    grid->addWidget(box, row++, 4);
  };
  gramBox = makeResultBox(this, QStringLiteral("Metal weight in grams"));
  result(QStringLiteral("Metal (g)"), gramBox);
  pennyweightBox = makeResultBox(this, QStringLiteral("Pennyweights"));
  result(QStringLiteral("Pennyweights"), pennyweightBox);
  troyOunceBox = makeResultBox(this, QStringLiteral("Troy ounces"));
  result(QStringLiteral("Troy ounces"), troyOunceBox);
  costBox = makeResultBox(this, QStringLiteral("Metal cost"));
  result(QStringLiteral("Metal cost"), costBox);
  grid->setColumnMinimumWidth(2, 40);
  grid->setColumnStretch(5, 1);
  grid->setRowStretch(9, 1);

  GuardedConnect(modelMaterialBox, &QComboBox::activated, this, &CastingPage::onModelMaterialChanged);
  GuardedConnect(metalBox, &QComboBox::activated, this, &CastingPage::onMetalChanged);
  GuardedConnect(priceUnitBox, &QComboBox::activated, this, [this] { calculateCasting(); });
}

void CastingPage::createMetalToMetal() {
  auto* grid = static_cast<QGridLayout*>(layout());
  auto enter = [this](EntryBox* box) { onEnter(box, &CastingPage::calculateMetalToMetal); };
  auto* heading = new QLabel(QStringLiteral("Metal to metal"), this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  grid->addWidget(heading, 4, 3, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
  int row = 5;
  auto add = [&](const QString& caption, QWidget* field) {
    grid->addWidget(makeCaption(this, caption, field), row, 3, Qt::AlignRight);
    grid->addWidget(field, row++, 4);
  };
  fromMetalBox = new QComboBox(this);
  fromMetalBox->addItems(listedMetals());
  fromMetalBox->setMaxVisibleItems(fromMetalBox->count());
  fromMetalBox->setCurrentIndex(kSterling);
  fromMetalBox->setAccessibleName(QStringLiteral("Metal to metal: piece made in"));
  add(QStringLiteral("Piece in"), fromMetalBox);
  pieceWeightBox = makeNumberBox(this, services_, QStringLiteral("Piece weight in grams"), enter);
  add(QStringLiteral("Weight (g)"), pieceWeightBox);
  toMetalBox = new QComboBox(this);
  toMetalBox->addItems(listedMetals());
  toMetalBox->setMaxVisibleItems(toMetalBox->count());
  toMetalBox->setCurrentIndex(4);  // 18 ct yellow gold
  toMetalBox->setAccessibleName(QStringLiteral("Metal to metal: made in"));
  add(QStringLiteral("Made in"), toMetalBox);
  newWeightBox = makeResultBox(this, QStringLiteral("Weight in the new metal in grams"));
  add(QStringLiteral("New weight (g)"), newWeightBox);
  for (QComboBox* list : {modelMaterialBox, metalBox, priceUnitBox, fromMetalBox, toMetalBox})
    list->setFixedWidth(kBenchListWidth);
  for (QComboBox* list : {fromMetalBox, toMetalBox})
    GuardedConnect(list, &QComboBox::activated, this, [this] { calculateMetalToMetal(); });
}

// Enter works the side out; while a weight cannot be known yet, it walks on.
void CastingPage::onEnter(EntryBox* box, bool (CastingPage::*calculate)()) {
  RunGuarded(this, [this, box, calculate] {
    if (!(this->*calculate)()) FocusNextControl(box);
  });
}

bool CastingPage::calculateCasting() {
  CastingInputs in;
  in.ModelWeight = modelWeightBox->text();
  in.ModelDensity = modelDensityBox->text();
  in.MetalDensity = metalDensityBox->text();
  in.Allowance = allowanceBox->text();
  in.Price = priceBox->text();
  in.Unit = static_cast<PriceUnit>(priceUnitBox->currentIndex());
  // Throws before anything is written: a bad box leaves every box as it was.
  const CastingOutputs out = castingEnter(in);
  writeResults(this, {{gramBox, out.Grams},
                      {pennyweightBox, out.Pennyweights},
                      {troyOunceBox, out.TroyOunces},
                      {costBox, out.Cost}});
  if (!out.Cost.isEmpty()) Q_EMIT metalCostChanged();
  return out.Complete;
}

bool CastingPage::calculateMetalToMetal() {
  const QString grams =
      metalToMetalEnter(pieceWeightBox->text(), MetalDensityText(fromMetalBox->currentIndex()),
                        MetalDensityText(toMetalBox->currentIndex()));
  writeResults(this, {{newWeightBox, grams}});
  return !grams.isEmpty();
}

// Wax is 1.00 by the bench rule; a resin's density and another material's
// are the user's to type, and kept while another material is picked.
void CastingPage::onModelMaterialChanged() {
  const auto material = static_cast<ModelMaterial>(modelMaterialBox->currentIndex());
  if (shownMaterial_ == int(ModelMaterial::Resin)) resinDensity_ = modelDensityBox->text();
  if (shownMaterial_ == int(ModelMaterial::Other)) otherDensity_ = modelDensityBox->text();
  shownMaterial_ = int(material);
  const bool typed = material != ModelMaterial::Wax;
  modelDensityBox->SetReadOnlyBox(!typed);
  modelDensityBox->setFocusPolicy(Qt::StrongFocus);  // read aloud on Tab when fixed
  switch (material) {
    case ModelMaterial::Wax:
      modelDensityBox->setText(modelDensityText(material));
      break;
    case ModelMaterial::Resin:
      modelDensityBox->setText(resinDensity_);
      break;
    case ModelMaterial::Other:
      modelDensityBox->setText(otherDensity_);
      modelDensityBox->setFocus(Qt::OtherFocusReason);
      break;
  }
  calculateCasting();
}

void CastingPage::onMetalChanged() {
  const int metal = metalBox->currentIndex();
  const bool other = metal == kOtherMetal;
  metalDensityBox->SetReadOnlyBox(!other);
  metalDensityBox->setFocusPolicy(Qt::StrongFocus);
  if (other) {
    metalDensityBox->clear();
    metalDensityBox->setFocus(Qt::OtherFocusReason);
  } else {
    metalDensityBox->setText(MetalDensityText(metal));
  }
  calculateCasting();
}

}  // namespace orvane
