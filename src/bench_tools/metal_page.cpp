#include "bench_tools/metal_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>

#include "bench_tools/bench_page_kit.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"
#include "widgets/focus.h"
#include "widgets/look.h"

namespace orvane {

namespace {

constexpr int kBoxHeight = 24;
constexpr int kRowHeight = 30;      // a box and the gap below it
constexpr int kHeadingHeight = 22;  // the "mm" and "inches" headings
// Inputs on the left: caption, millimetre column, inch column; results on
// the right. The captions' columns are as wide as their longest caption.
constexpr int kInCaptionWidth = 120, kSizeWidth = 100, kInSpacing = 8;
constexpr int kOutCaptionWidth = 150, kOutWidth = 110, kOutSpacing = 6;
constexpr int kColumnGap = 16;
// A list in the inputs spans both size columns.
constexpr int kListWidth = 2 * kSizeWidth + kInSpacing;

constexpr unsigned bit(MetalShape s) { return 1u << static_cast<unsigned>(s); }
constexpr unsigned kWire = bit(MetalShape::RoundWire) | bit(MetalShape::SquareWire);
constexpr unsigned kRing = bit(MetalShape::RingBlank);
constexpr unsigned kStock = bit(MetalShape::Sheet) | kRing;  // has a thickness
constexpr unsigned kCut = kWire | bit(MetalShape::Sheet);    // has a length

QGridLayout* columnGrid(int captionWidth, int spacing) {
  auto* grid = new QGridLayout;
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(spacing);
  grid->setVerticalSpacing(0);  // each row's height holds its gap
  grid->setColumnMinimumWidth(0, captionWidth);
  return grid;
}

}  // namespace

// The caption, with the letter Alt takes it by: each its own on the page.
QString MetalPage::acrossCaption(MetalShape shape) {
  switch (shape) {
    case MetalShape::RoundWire:
      return tr("Di&ameter");
    case MetalShape::SquareWire:
      //: The side of square wire
      return tr("Sid&e");
    case MetalShape::Sheet:
    case MetalShape::RingBlank:
      break;
  }
  return tr("&Width");
}

// The caption without its Alt letter, as the boxes are named.
QString MetalPage::acrossName(MetalShape shape) {
  switch (shape) {
    case MetalShape::RoundWire:
      return tr("Diameter");
    case MetalShape::SquareWire:
      //: The side of square wire
      return tr("Side");
    case MetalShape::Sheet:
    case MetalShape::RingBlank:
      break;
  }
  return tr("Width");
}

MetalPage::MetalPage(DesktopServices& services, QWidget* parent) : QWidget(parent), services_(services) {
  setBackground(this, systemColor(SysColor::Light3D));
  setFont(makeFont(QStringLiteral("Arial"), 15));
  // The two columns keep their place at the top left, however wide the
  // Bench window is for another page.
  auto* page = new QGridLayout(this);
  page->setContentsMargins(12, 14, 14, 12);
  page->setHorizontalSpacing(kColumnGap);
  inputsGrid_ = columnGrid(kInCaptionWidth, kInSpacing);
  resultsGrid_ = columnGrid(kOutCaptionWidth, kOutSpacing);
  page->addLayout(inputsGrid_, 0, 0, Qt::AlignTop);
  page->addLayout(resultsGrid_, 0, 1, Qt::AlignTop);
  page->setColumnStretch(2, 1);
  page->setRowStretch(1, 1);

  // Created in tab order: the inputs top to bottom, then the results column.
  createInputs();
  createResults();

  nameControls();
  holdCaptionWidths();
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
  addRow(inputs_, tr("&Metal"), {metalBox});
  densityBox = makeBox(tr("Density in g/cm\u00b3"), kSizeWidth);
  //: Unit symbol: grams per cubic centimetre
  auto* densityUnit = new QLabel(tr("g/cm\u00b3"), this);
  densityUnit->setFixedHeight(kBoxHeight);
  addRow(inputs_, tr("&Density"), {densityBox, densityUnit});

  shapeBox = new QComboBox(this);
  shapeBox->addItems(metalShapeNames());
  addRow(inputs_, tr("S&hape"), {shapeBox});

  gaugeBox = new QComboBox(this);
  gaugeBox->addItems(metalWireGaugeNames());
  //: Shown in an empty list: pick an entry
  gaugeBox->setPlaceholderText(tr("Pick"));
  gaugeBox->setCurrentIndex(-1);
  addRow(inputs_, tr("&Gauge (B&&S)"), {gaugeBox}, kWire);
  gaugeBox->setAccessibleName(tr("Wire gauge, Brown and Sharp"));

  ringSizeBox = new QComboBox(this);
  ringSizeBox->addItems(ringSizeNames());
  //: Shown in an empty list: pick an entry
  ringSizeBox->setPlaceholderText(tr("Pick"));
  ringSizeBox->setCurrentIndex(-1);
  addRow(inputs_, tr("Ring si&ze (US)"), {ringSizeBox}, kRing);
  ringSizeBox->setAccessibleName(tr("Ring size, North American"));

  //: Unit symbol: millimetres
  mmHeading_ = new QLabel(tr("mm"), this);
  inchHeading_ = new QLabel(tr("inches"), this);
  for (QLabel* h : {mmHeading_, inchHeading_}) {
    h->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    h->setFixedHeight(kHeadingHeight - 2);
  }
  addRow(inputs_, QString(), {mmHeading_, inchHeading_}, ~0u, kHeadingHeight);

  innerMmBox = makeResult(tr("Inner diameter in mm"), kSizeWidth);
  innerInchBox = makeResult(tr("Inner diameter in inches"), kSizeWidth);
  addRow(inputs_, tr("&Inner diameter"), {innerMmBox, innerInchBox}, kRing);

  acrossMmBox = makeSizeBox(QString(), false, &acrossSource_);
  acrossInchBox = makeSizeBox(QString(), true, &acrossSource_);
  addRow(inputs_, QString(), {acrossMmBox, acrossInchBox});
  acrossLabel = inputs_.back().caption;
  // A diameter typed by hand is no longer the picked gauge.
  for (EntryBox* box : {acrossMmBox, acrossInchBox})
    guardedConnect(box, &QLineEdit::textEdited, gaugeBox, [this] { gaugeBox->setCurrentIndex(-1); });

  //: The thickness of sheet or of a ring blank
  thicknessMmBox = makeSizeBox(tr("Thickness in mm"), false, &thickSource_);
  //: The thickness of sheet or of a ring blank
  thicknessInchBox = makeSizeBox(tr("Thickness in inches"), true, &thickSource_);
  //: The thickness of sheet or of a ring blank
  addRow(inputs_, tr("&Thickness"), {thicknessMmBox, thicknessInchBox}, kStock);

  lengthMmBox = makeSizeBox(tr("Length in mm"), false, &lengthSource_);
  lengthInchBox = makeSizeBox(tr("Length in inches"), true, &lengthSource_);
  addRow(inputs_, tr("&Length"), {lengthMmBox, lengthInchBox}, kCut);

  allowanceBox = makeBox(tr("Allowance for saw cut and filing in mm"), kSizeWidth);
  allowanceBox->setText(QStringLiteral("0"));
  allowanceBox->setToolTip(tr("Extra length for the saw cut and filing"));
  //: Extra length of a ring blank for the saw cut and filing
  addRow(inputs_, tr("All&owance (mm)"), {allowanceBox}, kRing);

  guardedConnect(metalBox, &QComboBox::activated, this, &MetalPage::onMetalPicked);
  guardedConnect(shapeBox, &QComboBox::activated, this, &MetalPage::onShapePicked);
  guardedConnect(gaugeBox, &QComboBox::activated, this, &MetalPage::onGaugePicked);
  guardedConnect(ringSizeBox, &QComboBox::activated, this, [this] { calculate(ringSizeBox); });
}

void MetalPage::createResults() {
  volumeBox = makeResult(tr("Volume (mm\u00b3)"), kOutWidth);
  gramBox = makeResult(tr("Grams"), kOutWidth);
  pennyweightBox = makeResult(tr("Pennyweights"), kOutWidth);
  troyOunceBox = makeResult(tr("Troy ounces"), kOutWidth);
  blankMmBox = makeResult(tr("Blank length (mm)"), kOutWidth);
  blankInchBox = makeResult(tr("Blank length (inches)"), kOutWidth);
  priceBox = makeBox(tr("Metal price"), kOutWidth);
  priceUnitBox = new QComboBox(this);
  priceUnitBox->addItems(priceUnitNames());
  //: A metal price is per troy ounce, gram or pennyweight
  priceUnitBox->setAccessibleName(tr("Price per"));
  priceUnitBox->setFixedSize(benchListWidth(priceUnitBox, kOutWidth), kBoxHeight);
  // A wider list widens its column, the boxes keeping their place on the left.
  resultsGrid_->setColumnMinimumWidth(1, priceUnitBox->width());
  costBox = makeResult(tr("Metal cost"), kOutWidth);
  addRow(results_, tr("&Volume (mm\u00b3)"), {volumeBox});
  addRow(results_, tr("Gram&s"), {gramBox});
  addRow(results_, tr("Pe&nnyweights"), {pennyweightBox});
  addRow(results_, tr("Tro&y ounces"), {troyOunceBox});
  addRow(results_, tr("&Blank length (mm)"), {blankMmBox}, kRing);
  addRow(results_, tr("Blan&k length (inches)"), {blankInchBox}, kRing);
  addRow(results_, tr("P&rice"), {priceBox});
  //: The unit a metal price is given in: "Per" troy ounce, gram or pennyweight
  addRow(results_, tr("&Per"), {priceUnitBox});
  addRow(results_, tr("Metal &cost"), {costBox});
  guardedConnect(priceUnitBox, &QComboBox::activated, this, [this] { calculate(priceUnitBox); });
}

// A number box whose Enter works everything out.
EntryBox* MetalPage::makeBox(const QString& name, int width) {
  auto* box = new EntryBox(this);
  box->setAccessibleName(name);
  box->setFixedSize(width, kBoxHeight);
  box->setKeyFilter(KeyFilterKind::MmBox, services_);
  guardedConnect(box, &EntryBox::calculationWanted, this, [this, box] { enterPressed(box); });
  return box;
}

// A result: read-only, yet reached by Tab so that it can be read aloud and copied.
EntryBox* MetalPage::makeResult(const QString& name, int width) {
  auto* box = new EntryBox(this);
  box->setAccessibleName(name);
  box->setFixedSize(width, kBoxHeight);
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
  QGridLayout* grid = &column == &inputs_ ? inputsGrid_ : resultsGrid_;
  const int row = int(column.size());
  QLabel* label = nullptr;
  if (height == kRowHeight) {
    label = new QLabel(caption, this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFixedHeight(kBoxHeight);
    label->setBuddy(fields.front());
    if (fields.front()->accessibleName().isEmpty())
      fields.front()->setAccessibleName(QString(caption).remove(u'&'));
    grid->addWidget(label, row, 0, Qt::AlignTop);
  }
  for (size_t i = 0; i < fields.size(); ++i) {
    QWidget* f = fields[i];
    if (auto* list = qobject_cast<QComboBox*>(f); list && grid == inputsGrid_) {
      list->setFixedSize(benchListWidth(list, kListWidth), kBoxHeight);
      // A wider list widens the inch column, the boxes keeping their place.
      const int inchColumn = list->width() - kSizeWidth - kInSpacing;
      if (inchColumn > grid->columnMinimumWidth(2)) grid->setColumnMinimumWidth(2, inchColumn);
      grid->addWidget(list, row, 1, 1, 2, Qt::AlignTop | Qt::AlignLeft);
    } else {
      grid->addWidget(f, row, int(i) + 1, Qt::AlignTop);
    }
  }
  column.push_back({label, std::move(fields), shapes, height, row});
}

// Each column's captions take the width of the longest of every shape's, so
// that the boxes stay where they are when another shape hides or shows rows.
void MetalPage::holdCaptionWidths() {
  auto widest = [](const std::vector<Row>& column) {
    int width = 0;
    for (const Row& row : column)
      if (row.caption) width = std::max(width, row.caption->sizeHint().width());
    return width;
  };
  int across = 0;
  for (MetalShape shape : {MetalShape::RoundWire, MetalShape::SquareWire, MetalShape::Sheet}) {
    acrossLabel->setText(acrossCaption(shape));
    across = std::max(across, acrossLabel->sizeHint().width());
  }
  inputsGrid_->setColumnMinimumWidth(0, std::max({kInCaptionWidth, across, widest(inputs_)}));
  resultsGrid_->setColumnMinimumWidth(0, std::max(kOutCaptionWidth, widest(results_)));
}

MetalShape MetalPage::chosenShape() const { return static_cast<MetalShape>(shapeBox->currentIndex()); }

// Rows the shape does not use are hidden and the rest close up, in both columns.
void MetalPage::showRowsForShape() {
  const unsigned shape = bit(chosenShape());
  acrossLabel->setText(acrossCaption(chosenShape()));
  const QString across = acrossName(chosenShape());
  //: A size's box for millimetres, %1 the size ("Diameter in mm")
  acrossMmBox->setAccessibleName(tr("%1 in mm").arg(across));
  //: A size's box for inches, %1 the size ("Diameter in inches")
  acrossInchBox->setAccessibleName(tr("%1 in inches").arg(across));

  for (auto* column : {&inputs_, &results_}) {
    QGridLayout* grid = column == &inputs_ ? inputsGrid_ : resultsGrid_;
    for (Row& row : *column) {
      const bool shown = (row.shapes & shape) != 0;
      if (row.caption) row.caption->setVisible(shown);
      for (QWidget* f : row.fields) f->setVisible(shown);
      grid->setRowMinimumHeight(row.gridRow, shown ? row.height : 0);
    }
  }
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
