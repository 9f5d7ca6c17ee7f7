#include "bench_tools/casting_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>

#include "bench_tools/bench_page_kit.h"
#include "core/casting.h"
#include "core/metal.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"
#include "widgets/focus.h"

namespace orvane {

namespace {

constexpr int kSterling = 1;  // the metal most often cast at the bench

// The metal list without "Other": the metal to metal side has no density box.
QStringList listedMetals() {
  QStringList names = metalNames();
  names.removeLast();
  return names;
}

}  // namespace

CastingPage::CastingPage(DesktopServices& services, QWidget* parent) : QWidget(parent), services_(services) {
  // The Bench window's face and font from the start, so that the lists are
  // measured in the font they show.
  styleBenchPage(this);
  resinDensity_ = modelDensityText(ModelMaterial::Resin);
  // Created in tab order: the casting inputs, its results, then metal to metal.
  createCasting();
  createMetalToMetal();
  nameChildren();
  onModelMaterialChanged();
  onMetalChanged();
  calculateCasting();
}

QString CastingPage::metalCost() const { return costBox->text(); }

EntryBox* CastingPage::numberBox(const QString& name, bool (CastingPage::*calculate)(const QComboBox*)) {
  auto* box = makeBenchBox(this, name, KeyFilterKind::MmBox, services_, {});
  guardedConnect(box, &EntryBox::calculationWanted, this,
                 [this, box, calculate] { onEnter(box, calculate); });
  return box;
}

void CastingPage::nameChildren() {
  const std::pair<QWidget*, const char*> names[] = {
      {modelWeightBox, "modelWeightBox"},
      {modelMaterialBox, "modelMaterialBox"},
      {modelDensityBox, "modelDensityBox"},
      {metalBox, "metalBox"},
      {metalDensityBox, "metalDensityBox"},
      {allowanceBox, "allowanceBox"},
      {priceBox, "priceBox"},
      {priceUnitBox, "priceUnitBox"},
      {gramBox, "gramBox"},
      {pennyweightBox, "pennyweightBox"},
      {troyOunceBox, "troyOunceBox"},
      {costBox, "costBox"},
      {fromMetalBox, "fromMetalBox"},
      {pieceWeightBox, "pieceWeightBox"},
      {toMetalBox, "toMetalBox"},
      {newWeightBox, "newWeightBox"},
  };
  for (const auto& [widget, name] : names) widget->setObjectName(QLatin1String(name));
}

void CastingPage::createCasting() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(12, 12, 12, 12);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  int row = 0;
  auto add = [&](const QString& caption, QWidget* field, const QString& unit = {}) {
    grid->addWidget(makeBenchCaption(this, caption, field), row, 0, Qt::AlignRight);
    grid->addWidget(field, row, 1);
    if (!unit.isEmpty()) grid->addWidget(makeBenchNote(this, unit), row, 2);
    ++row;
  };

  modelWeightBox = numberBox(tr("Model weight in grams"), &CastingPage::calculateCasting);
  add(tr("Model weig&ht"), modelWeightBox, QStringLiteral("g"));
  modelMaterialBox = makeBenchList(this, QString(), modelMaterialNames());
  add(tr("M&odel material"), modelMaterialBox);
  modelDensityBox = numberBox(tr("Model density in g/cm\u00b3"), &CastingPage::calculateCasting);
  add(tr("Mo&del density"), modelDensityBox, tr("g/cm\u00b3"));
  metalBox = makeBenchList(this, QString(), metalNames());
  metalBox->setMaxVisibleItems(metalBox->count());
  metalBox->setCurrentIndex(kSterling);
  add(tr("&Metal"), metalBox);
  metalDensityBox = numberBox(tr("Metal density in g/cm\u00b3"), &CastingPage::calculateCasting);
  add(tr("Metal den&sity"), metalDensityBox, tr("g/cm\u00b3"));
  allowanceBox = numberBox(tr("Allowance for sprue and button in per cent"), &CastingPage::calculateCasting);
  allowanceBox->setText(QStringLiteral("0"));
  allowanceBox->setToolTip(tr("Extra metal for the sprue and button"));
  //: Extra metal for the sprue and button, in per cent
  add(tr("A&llowance"), allowanceBox, QStringLiteral("%"));
  priceBox = numberBox(tr("Metal price"), &CastingPage::calculateCasting);
  add(tr("Metal p&rice"), priceBox);
  //: A metal price is per troy ounce, gram or pennyweight
  priceUnitBox = makeBenchList(this, tr("Price per"), priceUnitNames());
  //: The unit a metal price is given in: "Per" troy ounce, gram or pennyweight
  add(tr("&Per"), priceUnitBox);

  // The results beside the inputs.
  row = 0;
  auto result = [&](const QString& caption, EntryBox* box) {
    grid->addWidget(makeBenchCaption(this, caption, box), row, 3, Qt::AlignRight);
    grid->addWidget(box, row++, 4);
  };
  gramBox = makeBenchResult(this, tr("Metal weight in grams"));
  //: The weight of metal the model takes, in grams
  result(tr("Metal (&g)"), gramBox);
  pennyweightBox = makeBenchResult(this, tr("Pennyweights"));
  result(tr("Penn&yweights"), pennyweightBox);
  troyOunceBox = makeBenchResult(this, tr("Troy ounces"));
  result(tr("Troy o&unces"), troyOunceBox);
  costBox = makeBenchResult(this, tr("Metal cost"));
  result(tr("Metal &cost"), costBox);
  grid->setColumnMinimumWidth(2, 40);
  grid->setColumnStretch(5, 1);
  grid->setRowStretch(9, 1);

  guardedConnect(modelMaterialBox, &QComboBox::activated, this, [this] {
    onModelMaterialChanged();
    calculateCasting(modelMaterialBox);
  });
  guardedConnect(metalBox, &QComboBox::activated, this, [this] {
    onMetalChanged();
    calculateCasting(metalBox);
  });
  guardedConnect(priceUnitBox, &QComboBox::activated, this, [this] { calculateCasting(priceUnitBox); });
}

void CastingPage::createMetalToMetal() {
  auto* grid = static_cast<QGridLayout*>(layout());
  //: Heading: a piece's weight made again in another metal
  auto* heading = new QLabel(tr("Metal to metal"), this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  grid->addWidget(heading, 4, 3, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
  int row = 5;
  auto add = [&](const QString& caption, QWidget* field) {
    grid->addWidget(makeBenchCaption(this, caption, field), row, 3, Qt::AlignRight);
    grid->addWidget(field, row++, 4);
  };
  fromMetalBox = makeBenchList(this, tr("Metal to metal: piece made in"), listedMetals());
  fromMetalBox->setMaxVisibleItems(fromMetalBox->count());
  fromMetalBox->setCurrentIndex(kSterling);
  //: The metal the piece is made in now
  add(tr("P&iece in"), fromMetalBox);
  pieceWeightBox = numberBox(tr("Piece weight in grams"), &CastingPage::calculateMetalToMetal);
  add(tr("&Weight (g)"), pieceWeightBox);
  toMetalBox = makeBenchList(this, tr("Metal to metal: made in"), listedMetals());
  toMetalBox->setMaxVisibleItems(toMetalBox->count());
  toMetalBox->setCurrentIndex(4);  // 18 ct yellow gold
  //: The metal the piece is to be made in
  add(tr("M&ade in"), toMetalBox);
  newWeightBox = makeBenchResult(this, tr("Weight in the new metal in grams"));
  add(tr("&New weight (g)"), newWeightBox);
  // The lists line up, as wide as the longest metal's name needs in the
  // user's language.
  const QComboBox* lists[] = {modelMaterialBox, metalBox, priceUnitBox, fromMetalBox, toMetalBox};
  int width = kBenchListWidth;
  for (const QComboBox* list : lists) width = std::max(width, benchListWidth(list, kBenchListWidth));
  for (QComboBox* list : {modelMaterialBox, metalBox, priceUnitBox, fromMetalBox, toMetalBox})
    list->setFixedWidth(width);
  for (QComboBox* list : {fromMetalBox, toMetalBox})
    guardedConnect(list, &QComboBox::activated, this, [this, list] { calculateMetalToMetal(list); });
}

// Enter works the side out; while a weight cannot be known yet, it walks on.
void CastingPage::onEnter(EntryBox* box, bool (CastingPage::*calculate)(const QComboBox*)) {
  runGuarded(this, [this, box, calculate] {
    if (!(this->*calculate)(nullptr)) focusNextControl(box);
  });
}

bool CastingPage::calculateCasting(const QComboBox* picked) {
  CastingInputs in;
  in.ModelWeight = modelWeightBox->text();
  in.ModelDensity = modelDensityBox->text();
  in.MetalDensity = metalDensityBox->text();
  in.Allowance = allowanceBox->text();
  in.Price = priceBox->text();
  in.Unit = static_cast<PriceUnit>(priceUnitBox->currentIndex());
  // Throws before anything is written: a bad box leaves every box as it was.
  const CastingOutputs out = castingEnter(in);
  writeResults(this,
               {{gramBox, out.Grams},
                {pennyweightBox, out.Pennyweights},
                {troyOunceBox, out.TroyOunces},
                {costBox, out.Cost}},
               picked);
  if (!out.Cost.isEmpty()) Q_EMIT metalCostChanged();
  return out.Complete;
}

bool CastingPage::calculateMetalToMetal(const QComboBox* picked) {
  const QString grams =
      metalToMetalEnter(pieceWeightBox->text(), metalDensityText(fromMetalBox->currentIndex()),
                        metalDensityText(toMetalBox->currentIndex()));
  writeResults(this, {{newWeightBox, grams}}, picked);
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
  modelDensityBox->setReadOnlyBox(!typed);
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
}

void CastingPage::onMetalChanged() {
  const int metal = metalBox->currentIndex();
  const bool other = metal == kOtherMetal;
  metalDensityBox->setReadOnlyBox(!other);
  metalDensityBox->setFocusPolicy(Qt::StrongFocus);
  if (other) {
    metalDensityBox->clear();
    metalDensityBox->setFocus(Qt::OtherFocusReason);
  } else {
    metalDensityBox->setText(metalDensityText(metal));
  }
}

}  // namespace orvane
