#include "bench_tools/jump_ring_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"

namespace orvane {

JumpRingPage::JumpRingPage(DesktopServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName(QStringLiteral("JumpRingPage"));
  styleBenchPage(this);
  QGridLayout* grid = benchGrid(this);

  // Created in tab order, top to bottom.
  measuredBox = makeBenchList(this, QStringLiteral("Diameter measured"),
                              {QStringLiteral("Inner diameter"), QStringLiteral("Outer diameter")});
  makeBenchSizeBoxes(this, diameter, QStringLiteral("Inner diameter"), services_,
                     [this](EntryBox*) { enterPressed(JumpRingField::Diameter); });
  americanBox = makeBenchList(this, QStringLiteral("Wire gauge, American (AWG)"),
                              wireGaugeNames(GaugeSystem::American), QStringLiteral("AWG"));
  britishBox = makeBenchList(this, QStringLiteral("Wire gauge, British (SWG)"),
                             wireGaugeNames(GaugeSystem::British), QStringLiteral("SWG"));
  makeBenchSizeBoxes(
      this, wire, QStringLiteral("Wire diameter"), services_,
      [this](EntryBox*) { enterPressed(JumpRingField::Wire); },
      [this] {
        // A wire typed by hand is no longer the picked gauge.
        americanBox->setCurrentIndex(-1);
        britishBox->setCurrentIndex(-1);
      });
  innerBox = makeBenchResult(this, QStringLiteral("Inner diameter used, in mm"));
  ratioBox = makeBenchResult(this, QStringLiteral("Aspect ratio"));
  weaveBox = makeBenchList(this, QStringLiteral("Weave"), chainWeaveNames(), QStringLiteral("Pick"));
  weaveRatioBox = makeBenchResult(this, QStringLiteral("Weave's aspect ratios"));
  weaveInnerBox = makeBenchResult(this, QStringLiteral("Inner diameters for the weave, in mm"));
  weaveFitBox = makeBenchResult(this, QStringLiteral("The ring for the weave"));
  // "3.84 to 4.32" and "Within the range" are wider than a number: the width
  // of the mm and inch columns together.
  for (EntryBox* box : {weaveRatioBox, weaveInnerBox, weaveFitBox})
    box->setFixedWidth(2 * diameter.mm->width() + grid->horizontalSpacing());

  int row = 0;
  grid->addWidget(makeBenchCaption(this, QStringLiteral("&Measured"), measuredBox), row, 0);
  grid->addWidget(measuredBox, row++, 1, 1, 2);
  const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignBottom;
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm"), centre), row, 1);
  grid->addWidget(makeBenchNote(this, QStringLiteral("inches"), centre), row++, 2);
  diameterCaption_ = makeBenchCaption(this, QString(), diameter.mm);
  grid->addWidget(diameterCaption_, row, 0);
  grid->addWidget(diameter.mm, row, 1);
  grid->addWidget(diameter.inch, row++, 2);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("Wire &gauge"), americanBox), row, 0);
  grid->addWidget(americanBox, row, 1);
  grid->addWidget(britishBox, row++, 2);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("&Wire diameter"), wire.mm), row, 0);
  grid->addWidget(wire.mm, row, 1);
  grid->addWidget(wire.inch, row++, 2);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("Inner diameter &used"), innerBox), row, 0);
  grid->addWidget(innerBox, row, 1);
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm")), row++, 2);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("&Aspect ratio"), ratioBox), row, 0);
  grid->addWidget(ratioBox, row++, 1);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("W&eave"), weaveBox), row, 0);
  grid->addWidget(weaveBox, row++, 1, 1, 2);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("Its aspect &ratios"), weaveRatioBox), row, 0);
  grid->addWidget(weaveRatioBox, row++, 1, 1, 2);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("Inner diameters &for it"), weaveInnerBox), row, 0);
  grid->addWidget(weaveInnerBox, row, 1, 1, 2);
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm")), row++, 3);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("This ri&ng"), weaveFitBox), row, 0);
  grid->addWidget(weaveFitBox, row++, 1, 1, 2);
  auto* note = makeBenchNote(this, QStringLiteral("Aspect ratio = inner diameter \u00f7 wire diameter; inner "
                                                  "diameter = outer diameter \u2212 2 \u00d7 wire."));
  note->setWordWrap(true);
  grid->addWidget(note, row++, 0, 1, 5);
  grid->setColumnStretch(4, 1);
  grid->setRowStretch(row, 1);

  const std::pair<QWidget*, const char*> names[] = {
      {measuredBox, "measuredBox"}, {diameter.mm, "diameterMm"},      {diameter.inch, "diameterInch"},
      {americanBox, "americanBox"}, {britishBox, "britishBox"},       {wire.mm, "wireMm"},
      {wire.inch, "wireInch"},      {innerBox, "innerBox"},           {ratioBox, "ratioBox"},
      {weaveBox, "weaveBox"},       {weaveRatioBox, "weaveRatioBox"}, {weaveInnerBox, "weaveInnerBox"},
      {weaveFitBox, "weaveFitBox"},
  };
  for (const auto& [widget, name] : names) widget->setObjectName(QLatin1String(name));

  guardedConnect(measuredBox, &QComboBox::activated, this, &JumpRingPage::onMeasuredChanged);
  guardedConnect(americanBox, &QComboBox::activated, this, &JumpRingPage::onAmericanPicked);
  guardedConnect(britishBox, &QComboBox::activated, this, &JumpRingPage::onBritishPicked);
  guardedConnect(weaveBox, &QComboBox::activated, this, &JumpRingPage::onWeavePicked);
  runGuarded(this, [this] {
    showMeasured();
    calculate(JumpRingField::None);
  });
}

QString JumpRingPage::pageTitle() { return QStringLiteral("Jump Ring"); }

void JumpRingPage::enterPressed(JumpRingField field) {
  runGuarded(this, [this, field] { calculate(field); });
}

// Throws before anything is written: a bad box leaves every box as it was.
void JumpRingPage::calculate(JumpRingField entered, const QComboBox* picked) {
  const RingDiameter measured = measuredBox->currentIndex() == 1 ? RingDiameter::Outer : RingDiameter::Inner;
  const JumpRingResult result =
      jumpRingEnter({measured, diameter.texts(), wire.texts(), weaveBox->currentIndex()}, entered);
  diameter.show(result.diameter);
  wire.show(result.wire);
  // The inner diameter is news only when the outer one was measured.
  std::vector<BoxWrite> writes{{ratioBox, result.aspectRatio}};
  if (measured == RingDiameter::Outer) writes.emplace_back(innerBox, result.innerMm);
  writes.emplace_back(weaveRatioBox, result.weaveRatios);
  writes.emplace_back(weaveInnerBox, result.weaveInnerMm);
  writes.emplace_back(weaveFitBox, result.weaveFit);
  writeResults(this, writes, picked);
  setBoxText(innerBox, result.innerMm);
  if (!result.aspectRatio.isEmpty()) return;
  if (entered == JumpRingField::None) return;  // a pick leaves the caret where it is
  const BenchSizeBoxes& missing = result.missing == JumpRingField::Diameter ? diameter : wire;
  focusBenchBox(missing.source == BenchUnit::Mm ? missing.mm : missing.inch);
}

void JumpRingPage::onMeasuredChanged() {
  showMeasured();
  calculate(JumpRingField::None, measuredBox);
}

void JumpRingPage::showMeasured() {
  const bool outer = measuredBox->currentIndex() == 1;
  const QString name = outer ? QStringLiteral("Outer diameter") : QStringLiteral("Inner diameter");
  diameterCaption_->setText(outer ? QStringLiteral("&Outer diameter") : QStringLiteral("&Inner diameter"));
  diameter.mm->setAccessibleName(name + QStringLiteral(" in mm"));
  diameter.inch->setAccessibleName(name + QStringLiteral(" in inches"));
}

// A gauge's diameter fills the wire boxes, as its own table states it.
void JumpRingPage::pickGauge(GaugeSystem system, int entry) {
  if (entry < 0) return;
  const QComboBox* picked = system == GaugeSystem::American ? americanBox : britishBox;
  const GaugeReading reading = gaugesForPick(system, entry);
  (system == GaugeSystem::American ? britishBox : americanBox)->setCurrentIndex(-1);
  wire.show(reading.size);
  calculate(JumpRingField::None, picked);
}

void JumpRingPage::onAmericanPicked() { pickGauge(GaugeSystem::American, americanBox->currentIndex()); }

void JumpRingPage::onBritishPicked() { pickGauge(GaugeSystem::British, britishBox->currentIndex()); }

void JumpRingPage::onWeavePicked() { calculate(JumpRingField::None, weaveBox); }

}  // namespace orvane
