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
  // The list's entries in the order of RingDiameter; read by index.
  measuredBox = makeBenchList(this, tr("Diameter measured"), {tr("Inner diameter"), tr("Outer diameter")});
  makeBenchSizeBoxes(this, diameter, tr("Inner diameter"), services_,
                     [this](EntryBox*) { enterPressed(JumpRingField::Diameter); });
  //: Shown in the American wire gauge list while no gauge is picked: American Wire Gauge
  const QString awg = tr("AWG");
  //: Shown in the British wire gauge list while no gauge is picked: Standard Wire Gauge
  const QString swg = tr("SWG");
  americanBox =
      makeBenchList(this, tr("Wire gauge, American (AWG)"), wireGaugeNames(GaugeSystem::American), awg);
  britishBox =
      makeBenchList(this, tr("Wire gauge, British (SWG)"), wireGaugeNames(GaugeSystem::British), swg);
  makeBenchSizeBoxes(
      this, wire, tr("Wire diameter"), services_, [this](EntryBox*) { enterPressed(JumpRingField::Wire); },
      [this] {
        // A wire typed by hand is no longer the picked gauge.
        americanBox->setCurrentIndex(-1);
        britishBox->setCurrentIndex(-1);
      });
  innerBox = makeBenchResult(this, tr("Inner diameter used, in mm"));
  ratioBox = makeBenchResult(this, tr("Aspect ratio"));
  //: Shown in a list while nothing is picked from it: choose an entry
  const QString pick = tr("Pick");
  //: A chainmaille weave
  weaveBox = makeBenchList(this, tr("Weave"), chainWeaveNames(), pick);
  weaveRatioBox = makeBenchResult(this, tr("Weave's aspect ratios"));
  weaveInnerBox = makeBenchResult(this, tr("Inner diameters for the weave, in mm"));
  //: Whether the ring typed above suits the picked weave
  weaveFitBox = makeBenchResult(this, tr("The ring for the weave"));
  // "3.84 to 4.32" and "Within the range" are wider than a number: the width
  // of the mm and inch columns together.
  for (EntryBox* box : {weaveRatioBox, weaveInnerBox, weaveFitBox})
    box->setFixedWidth(2 * diameter.mm->width() + grid->horizontalSpacing());

  int row = 0;
  grid->addWidget(makeBenchCaption(this, tr("&Measured"), measuredBox), row, 0);
  grid->addWidget(measuredBox, row++, 1, 1, 2);
  const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignBottom;
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm"), centre), row, 1);
  grid->addWidget(makeBenchNote(this, tr("inches"), centre), row++, 2);
  diameterCaption_ = makeBenchCaption(this, QString(), diameter.mm);
  grid->addWidget(diameterCaption_, row, 0);
  grid->addWidget(diameter.mm, row, 1);
  grid->addWidget(diameter.inch, row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("Wire &gauge"), americanBox), row, 0);
  grid->addWidget(americanBox, row, 1);
  grid->addWidget(britishBox, row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("&Wire diameter"), wire.mm), row, 0);
  grid->addWidget(wire.mm, row, 1);
  grid->addWidget(wire.inch, row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("Inner diameter &used"), innerBox), row, 0);
  grid->addWidget(innerBox, row, 1);
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm")), row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("&Aspect ratio"), ratioBox), row, 0);
  grid->addWidget(ratioBox, row++, 1);
  grid->addWidget(makeBenchCaption(this, tr("W&eave"), weaveBox), row, 0);
  grid->addWidget(weaveBox, row++, 1, 1, 2);
  grid->addWidget(makeBenchCaption(this, tr("Its aspect &ratios"), weaveRatioBox), row, 0);
  grid->addWidget(weaveRatioBox, row++, 1, 1, 2);
  grid->addWidget(makeBenchCaption(this, tr("Inner diameters &for it"), weaveInnerBox), row, 0);
  grid->addWidget(weaveInnerBox, row, 1, 1, 2);
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm")), row++, 3);
  grid->addWidget(makeBenchCaption(this, tr("This ri&ng"), weaveFitBox), row, 0);
  grid->addWidget(weaveFitBox, row++, 1, 1, 2);
  auto* note = makeBenchNote(this, tr("Aspect ratio = inner diameter \u00f7 wire diameter; inner diameter = "
                                      "outer diameter \u2212 2 \u00d7 wire."));
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

QString JumpRingPage::pageTitle() { return tr("Jump Ring"); }

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
  diameterCaption_->setText(outer ? tr("&Outer diameter") : tr("&Inner diameter"));
  nameBenchSizeBoxes(diameter, outer ? tr("Outer diameter") : tr("Inner diameter"));
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
