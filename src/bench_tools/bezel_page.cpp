#include "bench_tools/bezel_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"

namespace orvane {

BezelPage::BezelPage(DesktopServices& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(QStringLiteral("BezelPage"));
  styleBenchPage(this);
  QGridLayout* grid = benchGrid(this);

  // Created in tab order, top to bottom.
  // The shape is read by its index in the list.
  shapeBox_ = makeBenchList(this, tr("Stone shape"), stoneOutlineNames());
  //: Of a round stone
  makeBenchSizeBoxes(this, length_, tr("Diameter"), services_,
                     [this](EntryBox*) { enterPressed(BezelField::Length); });
  //: Of the stone
  makeBenchSizeBoxes(this, width_, tr("Width"), services_,
                     [this](EntryBox*) { enterPressed(BezelField::Width); });
  //: Of the bezel strip (its metal's thickness)
  makeBenchSizeBoxes(this, thickness_, tr("Strip thickness"), services_,
                     [this](EntryBox*) { enterPressed(BezelField::Thickness); });
  perimeterBox_ = makeBenchResult(this, tr("Stone perimeter in mm"));
  //: The length of bezel strip to cut
  stripMmBox_ = makeBenchResult(this, tr("Strip length in mm"));
  stripInchBox_ = makeBenchResult(this, tr("Strip length in inches"));

  int row = 0;
  grid->addWidget(makeBenchCaption(this, tr("Stone &shape"), shapeBox_), row, 0);
  grid->addWidget(shapeBox_, row++, 1, 1, 2);
  const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignBottom;
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm"), centre), row, 1);
  grid->addWidget(makeBenchNote(this, tr("inches"), centre), row++, 2);
  lengthCaption_ = makeBenchCaption(this, QString(), length_.mm);
  grid->addWidget(lengthCaption_, row, 0);
  grid->addWidget(length_.mm, row, 1);
  grid->addWidget(length_.inch, row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("W&idth"), width_.mm), row, 0);
  grid->addWidget(width_.mm, row, 1);
  grid->addWidget(width_.inch, row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("Strip &thickness"), thickness_.mm), row, 0);
  grid->addWidget(thickness_.mm, row, 1);
  grid->addWidget(thickness_.inch, row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("Stone &perimeter"), perimeterBox_), row, 0);
  grid->addWidget(perimeterBox_, row, 1);
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm")), row++, 2);
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm"), centre), row, 1);
  grid->addWidget(makeBenchNote(this, tr("inches"), centre), row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("Strip le&ngth"), stripMmBox_), row, 0);
  grid->addWidget(stripMmBox_, row, 1);
  grid->addWidget(stripInchBox_, row++, 2);
  auto* note = makeBenchNote(this, tr("Strip = stone perimeter + \u03c0 \u00d7 thickness, along the strip's "
                                      "middle; an oval by Ramanujan's rule."));
  note->setWordWrap(true);
  grid->addWidget(note, row++, 0, 1, 4);
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(row, 1);

  const std::pair<QWidget*, const char*> names[] = {
      {shapeBox_, "shapeBox"},
      {length_.mm, "lengthMm"},
      {length_.inch, "lengthInch"},
      {width_.mm, "widthMm"},
      {width_.inch, "widthInch"},
      {thickness_.mm, "thicknessMm"},
      {thickness_.inch, "thicknessInch"},
      {perimeterBox_, "perimeterBox"},
      {stripMmBox_, "stripMmBox"},
      {stripInchBox_, "stripInchBox"},
  };
  for (const auto& [widget, name] : names) widget->setObjectName(QLatin1String(name));

  guardedConnect(shapeBox_, &QComboBox::activated, this, &BezelPage::onShapePicked);
  runGuarded(this, [this] { onShapePicked(); });
}

QString BezelPage::pageTitle() { return tr("Bezel Strip"); }

void BezelPage::enterPressed(BezelField field) {
  runGuarded(this, [this, field] { calculate(field); });
}

// Throws before anything is written: a bad box leaves every box as it was.
void BezelPage::calculate(BezelField entered) {
  const BezelInputs in{StoneOutline(shapeBox_->currentIndex()), length_.texts(), width_.texts(),
                       thickness_.texts()};
  const BezelResult result = bezelEnter(in, entered);
  length_.show(result.length);
  width_.show(result.width);
  thickness_.show(result.thickness);
  // The perimeter is a step on the way; the strip is what is cut.
  setBoxText(perimeterBox_, result.perimeterMm);
  writeResults(this, {{stripMmBox_, result.stripMm}, {stripInchBox_, result.stripInch}});
  if (!result.stripMm.isEmpty() || entered == BezelField::None) return;
  const BenchSizeBoxes* missing = nullptr;
  switch (result.missing) {
    case BezelField::Length:
      missing = &length_;
      break;
    case BezelField::Width:
      missing = &width_;
      break;
    case BezelField::Thickness:
      missing = &thickness_;
      break;
    case BezelField::None:
      return;
  }
  focusBenchBox(missing->source == BenchUnit::Mm ? missing->mm : missing->inch);
}

// A round stone has one size across; the others a length and a width.
void BezelPage::onShapePicked() {
  const bool round = StoneOutline(std::max(0, shapeBox_->currentIndex())) == StoneOutline::Round;
  lengthCaption_->setText(round ? tr("&Diameter") : tr("&Length"));
  nameBenchSizeBoxes(length_, round ? tr("Diameter") : tr("Length"));
  width_.mm->setEnabled(!round);
  width_.inch->setEnabled(!round);
  calculate(BezelField::None);
}

}  // namespace orvane
