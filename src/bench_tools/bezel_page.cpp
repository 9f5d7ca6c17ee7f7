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
  shapeBox_ = makeBenchList(this, QStringLiteral("Stone shape"), stoneOutlineNames());
  makeBenchSizeBoxes(this, length_, QStringLiteral("Diameter"), services_,
                     [this](EntryBox*) { enterPressed(BezelField::Length); });
  makeBenchSizeBoxes(this, width_, QStringLiteral("Width"), services_,
                     [this](EntryBox*) { enterPressed(BezelField::Width); });
  makeBenchSizeBoxes(this, thickness_, QStringLiteral("Strip thickness"), services_,
                     [this](EntryBox*) { enterPressed(BezelField::Thickness); });
  perimeterBox_ = makeBenchResult(this, QStringLiteral("Stone perimeter in mm"));
  stripMmBox_ = makeBenchResult(this, QStringLiteral("Strip length in mm"));
  stripInchBox_ = makeBenchResult(this, QStringLiteral("Strip length in inches"));

  int row = 0;
  grid->addWidget(makeBenchCaption(this, QStringLiteral("Stone &shape"), shapeBox_), row, 0);
  grid->addWidget(shapeBox_, row++, 1, 1, 2);
  const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignBottom;
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm"), centre), row, 1);
  grid->addWidget(makeBenchNote(this, QStringLiteral("inches"), centre), row++, 2);
  lengthCaption_ = makeBenchCaption(this, QString(), length_.mm);
  grid->addWidget(lengthCaption_, row, 0);
  grid->addWidget(length_.mm, row, 1);
  grid->addWidget(length_.inch, row++, 2);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("W&idth"), width_.mm), row, 0);
  grid->addWidget(width_.mm, row, 1);
  grid->addWidget(width_.inch, row++, 2);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("Strip &thickness"), thickness_.mm), row, 0);
  grid->addWidget(thickness_.mm, row, 1);
  grid->addWidget(thickness_.inch, row++, 2);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("Stone &perimeter"), perimeterBox_), row, 0);
  grid->addWidget(perimeterBox_, row, 1);
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm")), row++, 2);
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm"), centre), row, 1);
  grid->addWidget(makeBenchNote(this, QStringLiteral("inches"), centre), row++, 2);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("Strip le&ngth"), stripMmBox_), row, 0);
  grid->addWidget(stripMmBox_, row, 1);
  grid->addWidget(stripInchBox_, row++, 2);
  auto* note =
      makeBenchNote(this, QStringLiteral("Strip = stone perimeter + \u03c0 \u00d7 thickness, along the "
                                         "strip's middle; an oval by Ramanujan's rule."));
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

QString BezelPage::pageTitle() { return QStringLiteral("Bezel Strip"); }

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
  const QString name = round ? QStringLiteral("Diameter") : QStringLiteral("Length");
  lengthCaption_->setText(round ? QStringLiteral("&Diameter") : QStringLiteral("&Length"));
  length_.mm->setAccessibleName(name + QStringLiteral(" in mm"));
  length_.inch->setAccessibleName(name + QStringLiteral(" in inches"));
  width_.mm->setEnabled(!round);
  width_.inch->setEnabled(!round);
  calculate(BezelField::None);
}

}  // namespace orvane
