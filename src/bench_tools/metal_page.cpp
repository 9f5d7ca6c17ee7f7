#include "bench_tools/metal_page.h"

#include <QComboBox>
#include <QLabel>

#include "bench_tools/bench_page_kit.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"
#include "widgets/focus.h"
#include "widgets/look.h"

namespace orvane {

namespace {

constexpr int kClientWidth = 644;
constexpr int kClientHeight = 330;
constexpr int kTop = 14;
constexpr int kBoxHeight = 24;
// Inputs on the left: caption, millimetre column, inch column.
constexpr int kInCaptionLeft = 12, kInCaptionWidth = 120;
constexpr int kMmLeft = 140, kInchLeft = 248, kSizeWidth = 100;
// Results on the right.
constexpr int kOutCaptionLeft = 364, kOutCaptionWidth = 150;
constexpr int kOutLeft = 520, kOutWidth = 110;

constexpr unsigned bit(MetalShape s) { return 1u << static_cast<unsigned>(s); }
constexpr unsigned kWire = bit(MetalShape::RoundWire) | bit(MetalShape::SquareWire);
constexpr unsigned kRing = bit(MetalShape::RingBlank);
constexpr unsigned kStock = bit(MetalShape::Sheet) | kRing;  // has a thickness
constexpr unsigned kCut = kWire | bit(MetalShape::Sheet);    // has a length

// The caption, with the letter Alt takes it by: each its own on the page.
QString acrossCaption(MetalShape shape) {
  switch (shape) {
    case MetalShape::RoundWire:
      return QStringLiteral("Di&ameter");
    case MetalShape::SquareWire:
      return QStringLiteral("Sid&e");
    case MetalShape::Sheet:
    case MetalShape::RingBlank:
      break;
  }
  return QStringLiteral("&Width");
}

}  // namespace

MetalPage::MetalPage(DesktopServices& services, QWidget* parent) : QWidget(parent), services_(services) {
  // The Bench window may be wider for another page; this one keeps its
  // place at the top left.
  setMinimumSize(kClientWidth, kClientHeight);
  setBackground(this, systemColor(SysColor::Light3D));
  setFont(makeFont(QStringLiteral("Arial"), 15));

  // Created in tab order: the inputs top to bottom, then the results column.
  createInputs();
  createResults();

  nameControls();
  showRowsForShape();
  showMetalDensity();
  calculate();
}

QString MetalPage::metalCost() const { return costBox->text(); }

void MetalPage::nameControls() {
  const std::pair<QWidget*, const char*> names[] = {
      {metalBox, "metalBox"},
      {densityBox, "densityBox"},
      {shapeBox, "shapeBox"},
      {gaugeBox, "gaugeBox"},
      {ringSizeBox, "ringSizeBox"},
      {innerMmBox, "innerMmBox"},
      {innerInchBox, "innerInchBox"},
      {acrossMmBox, "acrossMmBox"},
      {acrossInchBox, "acrossInchBox"},
      {thicknessMmBox, "thicknessMmBox"},
      {thicknessInchBox, "thicknessInchBox"},
      {lengthMmBox, "lengthMmBox"},
      {lengthInchBox, "lengthInchBox"},
      {allowanceBox, "allowanceBox"},
      {volumeBox, "volumeBox"},
      {gramBox, "gramBox"},
      {pennyweightBox, "pennyweightBox"},
      {troyOunceBox, "troyOunceBox"},
      {blankMmBox, "blankMmBox"},
      {blankInchBox, "blankInchBox"},
      {priceBox, "priceBox"},
      {priceUnitBox, "priceUnitBox"},
      {costBox, "costBox"},
      {acrossLabel, "acrossLabel"},
  };
  for (const auto& [widget, name] : names) widget->setObjectName(QLatin1String(name));
}

void MetalPage::createInputs() {
  metalBox = new QComboBox(this);
  metalBox->addItems(metalNames());
  metalBox->setMaxVisibleItems(metalBox->count());
  metalBox->setCurrentIndex(1);  // sterling silver, the metal most often drawn into wire
  addRow(inputs_, QStringLiteral("&Metal"), {metalBox});
  densityBox = makeBox(QStringLiteral("Density in g/cm\u00b3"), kSizeWidth);
  auto* densityUnit = new QLabel(QStringLiteral("g/cm\u00b3"), this);
  densityUnit->resize(kSizeWidth, kBoxHeight);
  addRow(inputs_, QStringLiteral("&Density"), {densityBox, densityUnit});

  shapeBox = new QComboBox(this);
  shapeBox->addItems(metalShapeNames());
  addRow(inputs_, QStringLiteral("S&hape"), {shapeBox});

  gaugeBox = new QComboBox(this);
  gaugeBox->addItems(metalWireGaugeNames());
  gaugeBox->setPlaceholderText(QStringLiteral("Pick"));
  gaugeBox->setCurrentIndex(-1);
  addRow(inputs_, QStringLiteral("&Gauge (B&&S)"), {gaugeBox}, kWire);
  gaugeBox->setAccessibleName(QStringLiteral("Wire gauge, Brown and Sharp"));

  ringSizeBox = new QComboBox(this);
  ringSizeBox->addItems(ringSizeNames());
  ringSizeBox->setPlaceholderText(QStringLiteral("Pick"));
  ringSizeBox->setCurrentIndex(-1);
  addRow(inputs_, QStringLiteral("Ring si&ze (US)"), {ringSizeBox}, kRing);
  ringSizeBox->setAccessibleName(QStringLiteral("Ring size, North American"));

  mmHeading_ = new QLabel(QStringLiteral("mm"), this);
  inchHeading_ = new QLabel(QStringLiteral("inches"), this);
  for (QLabel* h : {mmHeading_, inchHeading_}) {
    h->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    h->resize(kSizeWidth, 20);
  }
  inputs_.push_back({nullptr, {mmHeading_, inchHeading_}, ~0u, 22});

  innerMmBox = makeResult(QStringLiteral("Inner diameter in mm"));
  innerInchBox = makeResult(QStringLiteral("Inner diameter in inches"));
  for (EntryBox* box : {innerMmBox, innerInchBox}) box->resize(kSizeWidth, kBoxHeight);
  addRow(inputs_, QStringLiteral("&Inner diameter"), {innerMmBox, innerInchBox}, kRing);

  acrossMmBox = makeSizeBox(QString(), false, &acrossSource_);
  acrossInchBox = makeSizeBox(QString(), true, &acrossSource_);
  addRow(inputs_, QString(), {acrossMmBox, acrossInchBox});
  acrossLabel = inputs_.back().caption;
  // A diameter typed by hand is no longer the picked gauge.
  for (EntryBox* box : {acrossMmBox, acrossInchBox})
    guardedConnect(box, &QLineEdit::textEdited, gaugeBox, [this] { gaugeBox->setCurrentIndex(-1); });

  thicknessMmBox = makeSizeBox(QStringLiteral("Thickness in mm"), false, &thickSource_);
  thicknessInchBox = makeSizeBox(QStringLiteral("Thickness in inches"), true, &thickSource_);
  addRow(inputs_, QStringLiteral("&Thickness"), {thicknessMmBox, thicknessInchBox}, kStock);

  lengthMmBox = makeSizeBox(QStringLiteral("Length in mm"), false, &lengthSource_);
  lengthInchBox = makeSizeBox(QStringLiteral("Length in inches"), true, &lengthSource_);
  addRow(inputs_, QStringLiteral("&Length"), {lengthMmBox, lengthInchBox}, kCut);

  allowanceBox = makeBox(QStringLiteral("Allowance for saw cut and filing in mm"), kSizeWidth);
  allowanceBox->setText(QStringLiteral("0"));
  allowanceBox->setToolTip(QStringLiteral("Extra length for the saw cut and filing"));
  addRow(inputs_, QStringLiteral("All&owance (mm)"), {allowanceBox}, kRing);

  guardedConnect(metalBox, &QComboBox::activated, this, &MetalPage::onMetalPicked);
  guardedConnect(shapeBox, &QComboBox::activated, this, &MetalPage::onShapePicked);
  guardedConnect(gaugeBox, &QComboBox::activated, this, &MetalPage::onGaugePicked);
  guardedConnect(ringSizeBox, &QComboBox::activated, this, [this] { calculate(ringSizeBox); });
}

void MetalPage::createResults() {
  volumeBox = makeResult(QStringLiteral("Volume (mm\u00b3)"));
  gramBox = makeResult(QStringLiteral("Grams"));
  pennyweightBox = makeResult(QStringLiteral("Pennyweights"));
  troyOunceBox = makeResult(QStringLiteral("Troy ounces"));
  blankMmBox = makeResult(QStringLiteral("Blank length (mm)"));
  blankInchBox = makeResult(QStringLiteral("Blank length (inches)"));
  priceBox = makeBox(QStringLiteral("Metal price"), kOutWidth);
  priceUnitBox = new QComboBox(this);
  priceUnitBox->addItems(priceUnitNames());
  priceUnitBox->setAccessibleName(QStringLiteral("Price per"));
  priceUnitBox->resize(kOutWidth, kBoxHeight);
  costBox = makeResult(QStringLiteral("Metal cost"));
  addRow(results_, QStringLiteral("&Volume (mm\u00b3)"), {volumeBox});
  addRow(results_, QStringLiteral("Gram&s"), {gramBox});
  addRow(results_, QStringLiteral("Pe&nnyweights"), {pennyweightBox});
  addRow(results_, QStringLiteral("Tro&y ounces"), {troyOunceBox});
  addRow(results_, QStringLiteral("&Blank length (mm)"), {blankMmBox}, kRing);
  addRow(results_, QStringLiteral("Blan&k length (inches)"), {blankInchBox}, kRing);
  addRow(results_, QStringLiteral("P&rice"), {priceBox});
  addRow(results_, QStringLiteral("&Per"), {priceUnitBox});
  addRow(results_, QStringLiteral("Metal &cost"), {costBox});
  guardedConnect(priceUnitBox, &QComboBox::activated, this, [this] { calculate(priceUnitBox); });
}

// A number box whose Enter works everything out.
EntryBox* MetalPage::makeBox(const QString& name, int width) {
  auto* box = new EntryBox(this);
  box->setAccessibleName(name);
  box->resize(width, kBoxHeight);
  box->setKeyFilter(KeyFilterKind::MmBox, services_);
  guardedConnect(box, &EntryBox::calculationWanted, this, [this, box] { enterPressed(box); });
  return box;
}

// A result: read-only, yet reached by Tab so that it can be read aloud and copied.
EntryBox* MetalPage::makeResult(const QString& name) {
  auto* box = new EntryBox(this);
  box->setAccessibleName(name);
  box->resize(kOutWidth, kBoxHeight);
  box->setReadOnlyBox(true);
  box->setFocusPolicy(Qt::StrongFocus);
  return box;
}

EntryBox* MetalPage::makeSizeBox(const QString& name, bool inch, SizeSource* source) {
  auto* box = makeBox(name, kSizeWidth);
  if (inch) box->setKeyFilter(KeyFilterKind::InchBox, services_);
  const SizeSource mine = inch ? SizeSource::Inch : SizeSource::Mm;
  guardedConnect(box, &QLineEdit::textEdited, this, [source, mine] { *source = mine; });
  return box;
}

void MetalPage::addRow(std::vector<Row>& column, const QString& caption, std::vector<QWidget*> fields,
                       unsigned shapes, int height) {
  auto* label = new QLabel(caption, this);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setBuddy(fields.front());
  if (fields.front()->accessibleName().isEmpty())
    fields.front()->setAccessibleName(QString(caption).remove(u'&'));
  column.push_back({label, std::move(fields), shapes, height});
}

MetalShape MetalPage::chosenShape() const { return static_cast<MetalShape>(shapeBox->currentIndex()); }

// Rows the shape does not use are hidden and the rest close up, in both columns.
void MetalPage::showRowsForShape() {
  const unsigned shape = bit(chosenShape());
  acrossLabel->setText(acrossCaption(chosenShape()));
  const QString across = QString(acrossLabel->text()).remove(u'&');
  acrossMmBox->setAccessibleName(across + QStringLiteral(" in mm"));
  acrossInchBox->setAccessibleName(across + QStringLiteral(" in inches"));

  auto place = [shape](std::vector<Row>& column, int captionLeft, int captionWidth, int fieldLeft) {
    int top = kTop;
    for (Row& row : column) {
      const bool shown = (row.shapes & shape) != 0;
      if (row.caption) row.caption->setVisible(shown);
      for (QWidget* f : row.fields) f->setVisible(shown);
      if (!shown) continue;
      if (row.caption) row.caption->setGeometry(captionLeft, top, captionWidth, kBoxHeight);
      for (size_t i = 0; i < row.fields.size(); ++i) {
        QWidget* f = row.fields[i];
        // A list in the inputs spans both size columns.
        const bool combo = qobject_cast<QComboBox*>(f) != nullptr && fieldLeft == kMmLeft;
        const int width = combo ? kInchLeft + kSizeWidth - kMmLeft : f->width();
        const int height = row.height == 30 ? kBoxHeight : row.height - 2;
        f->setGeometry(i == 0 ? fieldLeft : kInchLeft, top, width, height);
      }
      top += row.height;
    }
  };
  place(inputs_, kInCaptionLeft, kInCaptionWidth, kMmLeft);
  place(results_, kOutCaptionLeft, kOutCaptionWidth, kOutLeft);
}

void MetalPage::enterPressed(EntryBox* box) {
  runGuarded(this, [this, box] {
    if (calculate()) return;
    // Enter has just filled the millimetre box's inch twin: moving into the
    // twin would only invite typing over the size, so go on past it.
    const bool mmWithTwin = (box == acrossMmBox && acrossInchBox->isVisible()) ||
                            (box == thicknessMmBox && thicknessInchBox->isVisible()) ||
                            (box == lengthMmBox && lengthInchBox->isVisible());
    focusNextControl(mmWithTwin ? twinOf(box) : box);
  });
}

EntryBox* MetalPage::twinOf(EntryBox* mm) const {
  if (mm == acrossMmBox) return acrossInchBox;
  if (mm == thicknessMmBox) return thicknessInchBox;
  return lengthInchBox;
}

bool MetalPage::calculate(const QComboBox* picked) {
  MetalInputs in;
  in.Shape = chosenShape();
  in.Density = densityBox->text();
  in.Across = {acrossMmBox->text(), acrossInchBox->text(), acrossSource_};
  in.Thickness = {thicknessMmBox->text(), thicknessInchBox->text(), thickSource_};
  in.Length = {lengthMmBox->text(), lengthInchBox->text(), lengthSource_};
  in.RingSize = ringSizeBox->currentIndex();
  in.Allowance = allowanceBox->text();
  in.Price = priceBox->text();
  in.Unit = static_cast<PriceUnit>(priceUnitBox->currentIndex());
  // Throws before anything is written: a bad box leaves every box as it was.
  const MetalOutputs out = metalEnter(in);

  // Only the twin of the box typed in is new; the typed box keeps its text.
  std::vector<BoxWrite> writes;
  auto writeSize = [&writes](const SizeTexts& texts, EntryBox* mm, EntryBox* inch) {
    writes.emplace_back(texts.Source == SizeSource::Mm ? inch : mm,
                        texts.Source == SizeSource::Mm ? texts.Inch : texts.Mm);
  };
  writeSize(out.Across, acrossMmBox, acrossInchBox);
  if (in.Shape == MetalShape::Sheet || in.Shape == MetalShape::RingBlank)
    writeSize(out.Thickness, thicknessMmBox, thicknessInchBox);
  if (in.Shape != MetalShape::RingBlank) writeSize(out.Length, lengthMmBox, lengthInchBox);
  writes.insert(writes.end(), {{innerMmBox, out.InnerDiameterMm},
                               {innerInchBox, out.InnerDiameterInch},
                               {volumeBox, out.Volume},
                               {gramBox, out.Grams},
                               {pennyweightBox, out.Pennyweights},
                               {troyOunceBox, out.TroyOunces},
                               {blankMmBox, out.blankMmBox},
                               {blankInchBox, out.blankInchBox},
                               {costBox, out.Cost}});
  writeResults(this, writes, picked);
  if (!out.Cost.isEmpty()) Q_EMIT metalCostChanged();
  return out.Complete;
}

void MetalPage::onMetalPicked() {
  showMetalDensity();
  calculate(metalBox);
}

// The list's density is shown beside it; for "Other" the user types one.
void MetalPage::showMetalDensity() {
  const int metal = metalBox->currentIndex();
  const bool other = metal == kOtherMetal;
  densityBox->setReadOnlyBox(!other);
  if (!other) {
    densityBox->setFocusPolicy(Qt::StrongFocus);  // still read aloud on Tab
    densityBox->setText(metalDensityText(metal));
  } else {
    densityBox->clear();
    densityBox->setFocus(Qt::OtherFocusReason);
  }
}

void MetalPage::onShapePicked() {
  showRowsForShape();
  calculate(shapeBox);
}

// The gauge's diameter from the Wire Gauge chart, in millimetres.
void MetalPage::onGaugePicked() {
  const int gauge = gaugeBox->currentIndex();
  if (gauge < 0) return;
  acrossMmBox->setText(wireGaugeMillimeters(gauge));
  acrossSource_ = SizeSource::Mm;
  calculate(gaugeBox);
}

}  // namespace orvane
