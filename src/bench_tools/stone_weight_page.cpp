#include "bench_tools/stone_weight_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "bench_tools/bench_page_kit.h"
#include "core/text_rules.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"

namespace orvane {

StoneWeightPage::StoneWeightPage(DesktopServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName(QStringLiteral("StoneWeightPage"));
  styleBenchPage(this);
  QGridLayout* grid = benchGrid(this);
  auto numberBox = [this](const QString& name, StoneField field) {
    return makeBenchBox(this, name, KeyFilterKind::MmBox, services_, [this, field] { enterPressed(field); });
  };

  // Created in tab order, top to bottom.
  stoneBox = makeBenchList(this, tr("Stone"), gemNames());
  gravityBox = numberBox(tr("Specific gravity"), StoneField::Gravity);
  shapeBox = makeBenchList(this, tr("Shape"), stoneShapeNames());
  lengthBox = numberBox(QString(), StoneField::Length);
  widthBox = numberBox(QString(), StoneField::Width);
  depthBox = numberBox(tr("Depth in mm"), StoneField::Depth);
  caratBox = makeBenchResult(this, tr("Weight in carats"));

  int row = 0;
  grid->addWidget(makeBenchCaption(this, tr("&Stone"), stoneBox), row, 0);
  grid->addWidget(stoneBox, row++, 1, 1, 2);
  grid->addWidget(makeBenchCaption(this, tr("Specific &gravity"), gravityBox), row, 0);
  grid->addWidget(gravityBox, row++, 1);
  grid->addWidget(makeBenchCaption(this, tr("S&hape"), shapeBox), row, 0);
  grid->addWidget(shapeBox, row++, 1, 1, 2);
  lengthCaption_ = makeBenchCaption(this, QString(), lengthBox);
  grid->addWidget(lengthCaption_, row, 0);
  grid->addWidget(lengthBox, row, 1);
  grid->addWidget(makeBenchNote(this, tr("mm")), row++, 2);
  widthCaption_ = makeBenchCaption(this, QString(), widthBox);
  grid->addWidget(widthCaption_, row, 0);
  grid->addWidget(widthBox, row, 1);
  widthNote_ = makeBenchNote(this, QString());
  grid->addWidget(widthNote_, row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("&Depth"), depthBox), row, 0);
  grid->addWidget(depthBox, row, 1);
  grid->addWidget(makeBenchNote(this, tr("mm")), row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("&Weight"), caratBox), row, 0);
  grid->addWidget(caratBox, row, 1);
  grid->addWidget(makeBenchNote(this, tr("ct")), row++, 2);
  formulaLabel = makeBenchNote(this, QString());
  formulaLabel->setObjectName(QStringLiteral("formulaLabel"));
  grid->addWidget(formulaLabel, row++, 1, 1, 3);  // a ratio rule is long: into the stretch

  auto* note = makeBenchNote(this, tr("These are estimates by the usual bench factors: a stone's cut "
                                      "and proportions can move its true weight by several per cent. "
                                      "Weigh a loose stone to be sure."));
  note->setObjectName(QStringLiteral("estimateNote"));
  note->setWordWrap(true);
  grid->addWidget(note, row++, 0, 1, 4);
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(row, 1);
  setAccessibleDescription(note->text());

  const std::pair<QWidget*, const char*> names[] = {
      {stoneBox, "stoneBox"}, {gravityBox, "gravityBox"}, {shapeBox, "shapeBox"}, {lengthBox, "lengthBox"},
      {widthBox, "widthBox"}, {depthBox, "depthBox"},     {caratBox, "caratBox"},
  };
  for (const auto& [widget, name] : names) widget->setObjectName(QLatin1String(name));

  guardedConnect(stoneBox, &QComboBox::activated, this, &StoneWeightPage::onStoneChanged);
  guardedConnect(shapeBox, &QComboBox::activated, this, &StoneWeightPage::onShapeChanged);
  runGuarded(this, [this] {
    showStone();
    showShape();
    calculate(StoneField::None);
  });
}

QString StoneWeightPage::pageTitle() { return tr("Stone Weight"); }

StoneShape StoneWeightPage::shape() const { return static_cast<StoneShape>(shapeBox->currentIndex()); }

StoneWeightInputs StoneWeightPage::inputs() const {
  return {stoneBox->currentIndex(), shape(),          gravityBox->text(),
          lengthBox->text(),        widthBox->text(), depthBox->text()};
}

EntryBox* StoneWeightPage::boxOf(StoneField field) const {
  switch (field) {
    case StoneField::Gravity:
      return gravityBox;
    case StoneField::Length:
      return lengthBox;
    case StoneField::Width:
      return widthBox;
    case StoneField::Depth:
      return depthBox;
    case StoneField::None:
      break;
  }
  return nullptr;
}

void StoneWeightPage::enterPressed(StoneField field) {
  runGuarded(this, [this, field] { calculate(field); });
}

// Throws before anything is written: a bad box leaves every box as it was.
void StoneWeightPage::calculate(StoneField entered, const QComboBox* picked) {
  const StoneWeightResult result = stoneWeightEnter(inputs(), entered);
  writeResults(this, {{caratBox, result.carats}}, picked);
  if (!result.carats.isEmpty()) return;
  // Enter walks on to what is still needed; a pick from a list does not move the caret.
  if (entered != StoneField::None) focusBenchBox(boxOf(result.missing));
}

void StoneWeightPage::onStoneChanged() {
  showStone();
  showShape();  // the formula differs for a diamond
  calculate(StoneField::None, stoneBox);
}

void StoneWeightPage::onShapeChanged() {
  showShape();
  calculate(StoneField::None, shapeBox);
}

// The list's gravity is shown beside it; for "Other" the user types one.
void StoneWeightPage::showStone() {
  const int stone = stoneBox->currentIndex();
  const bool other = stone == kOtherGem;
  gravityBox->setReadOnlyBox(!other);
  if (!other) {
    gravityBox->setFocusPolicy(Qt::StrongFocus);  // still read aloud on Tab
    gravityBox->setText(QString::fromLatin1(GemTable[size_t(stone)].Gravity));
  } else {
    gravityBox->clear();
    if (isVisible()) focusBenchBox(gravityBox);
  }
}

// A round stone is measured across twice (least and greatest) and averaged;
// the other outlines by length and width.
void StoneWeightPage::showShape() {
  const bool round = isRoundShape(shape());
  lengthCaption_->setText(round ? tr("&Least diameter") : tr("&Length"));
  widthCaption_->setText(round ? tr("Greatest d&iameter") : tr("W&idth"));
  lengthBox->setAccessibleName(round ? tr("Least diameter in mm") : tr("Length in mm"));
  widthBox->setAccessibleName(round ? tr("Greatest diameter in mm, if it differs") : tr("Width in mm"));
  //: Beside the greatest diameter of a round stone, which may be left empty
  widthNote_->setText(round ? tr("mm, if it differs") : tr("mm"));
  const bool diamond = stoneBox->currentIndex() == kDiamondGem;
  formulaLabel->setText(QStringLiteral("ct = ") + stoneFormula(shape(), diamond));
  //: %1 the formula the weight is worked out by
  formulaLabel->setAccessibleName(tr("Formula: %1").arg(formulaLabel->text()));
}

}  // namespace orvane
