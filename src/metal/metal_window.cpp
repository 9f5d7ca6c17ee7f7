#include "metal/metal_window.h"

#include <QComboBox>
#include <QLabel>

#include "metal/bench_boxes.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/edit.h"
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

constexpr unsigned Bit(MetalShape s) { return 1u << static_cast<unsigned>(s); }
constexpr unsigned kWire = Bit(MetalShape::RoundWire) | Bit(MetalShape::SquareWire);
constexpr unsigned kRing = Bit(MetalShape::RingBlank);
constexpr unsigned kStock = Bit(MetalShape::Sheet) | kRing;  // has a thickness
constexpr unsigned kCut = kWire | Bit(MetalShape::Sheet);    // has a length

QString AcrossCaption(MetalShape shape) {
  switch (shape) {
    case MetalShape::RoundWire:
      return QStringLiteral("Diameter");
    case MetalShape::SquareWire:
      return QStringLiteral("Side");
    case MetalShape::Sheet:
    case MetalShape::RingBlank:
      break;
  }
  return QStringLiteral("Width");
}

}  // namespace

TMetalFrm::TMetalFrm(DesktopServices& services, QWidget* parent) : QWidget(parent), services_(services) {
  // The Bench window may be wider for another page; this one keeps its
  // place at the top left.
  setMinimumSize(kClientWidth, kClientHeight);
  SetBackground(this, SystemColor(SysColor::Light3D));
  setFont(MakeFont(QStringLiteral("Arial"), 15));

  // Created in tab order: the inputs top to bottom, then the results column.
  CreateInputs();
  CreateResults();

  NameControls();
  LayOut();
  MetalBoxChange();
}

void TMetalFrm::NameControls() {
  const std::pair<QWidget*, const char*> names[] = {
      {MetalBox, "MetalBox"},       {DensityBox, "DensityBox"},
      {ShapeBox, "ShapeBox"},       {GaugeBox, "GaugeBox"},
      {RingSizeBox, "RingSizeBox"}, {InnerMm, "InnerMm"},
      {InnerInch, "InnerInch"},     {AcrossMm, "AcrossMm"},
      {AcrossInch, "AcrossInch"},   {ThickMm, "ThickMm"},
      {ThickInch, "ThickInch"},     {LengthMm, "LengthMm"},
      {LengthInch, "LengthInch"},   {AllowanceBox, "AllowanceBox"},
      {VolumeBox, "VolumeBox"},     {GramBox, "GramBox"},
      {DwtBox, "DwtBox"},           {TroyOunceBox, "TroyOunceBox"},
      {BlankMm, "BlankMm"},         {BlankInch, "BlankInch"},
      {PriceBox, "PriceBox"},       {PriceUnitBox, "PriceUnitBox"},
      {CostBox, "CostBox"},
  };
  for (const auto& [widget, name] : names) widget->setObjectName(QLatin1String(name));
}

void TMetalFrm::CreateInputs() {
  MetalBox = new QComboBox(this);
  MetalBox->addItems(MetalNames());
  MetalBox->setMaxVisibleItems(MetalBox->count());
  MetalBox->setCurrentIndex(1);  // sterling silver, the metal most often drawn into wire
  AddRow(inputs_, QStringLiteral("Metal"), {MetalBox});
  DensityBox = MakeBox(QStringLiteral("Density in g/cm\u00b3"), kSizeWidth);
  auto* densityUnit = new QLabel(QStringLiteral("g/cm\u00b3"), this);
  densityUnit->resize(kSizeWidth, kBoxHeight);
  AddRow(inputs_, QStringLiteral("Density"), {DensityBox, densityUnit});

  ShapeBox = new QComboBox(this);
  ShapeBox->addItems(MetalShapeNames());
  AddRow(inputs_, QStringLiteral("Shape"), {ShapeBox});

  GaugeBox = new QComboBox(this);
  GaugeBox->addItems(WireGaugeNames());
  GaugeBox->setPlaceholderText(QStringLiteral("Pick"));
  GaugeBox->setCurrentIndex(-1);
  AddRow(inputs_, QStringLiteral("Gauge (B&&S)"), {GaugeBox}, kWire);
  GaugeBox->setAccessibleName(QStringLiteral("Wire gauge, Brown and Sharp"));

  RingSizeBox = new QComboBox(this);
  RingSizeBox->addItems(RingSizeNames());
  RingSizeBox->setPlaceholderText(QStringLiteral("Pick"));
  RingSizeBox->setCurrentIndex(-1);
  AddRow(inputs_, QStringLiteral("Ring size (US)"), {RingSizeBox}, kRing);
  RingSizeBox->setAccessibleName(QStringLiteral("Ring size, North American"));

  mmHeading_ = new QLabel(QStringLiteral("mm"), this);
  inchHeading_ = new QLabel(QStringLiteral("inches"), this);
  for (QLabel* h : {mmHeading_, inchHeading_}) {
    h->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    h->resize(kSizeWidth, 20);
  }
  inputs_.push_back({nullptr, {mmHeading_, inchHeading_}, ~0u, 22});

  InnerMm = MakeResult(QStringLiteral("Inner diameter in mm"));
  InnerInch = MakeResult(QStringLiteral("Inner diameter in inches"));
  for (TEdit* box : {InnerMm, InnerInch}) box->resize(kSizeWidth, kBoxHeight);
  AddRow(inputs_, QStringLiteral("Inner diameter"), {InnerMm, InnerInch}, kRing);

  AcrossMm = MakeSizeBox(QString(), false, &acrossSource_);
  AcrossInch = MakeSizeBox(QString(), true, &acrossSource_);
  AddRow(inputs_, QString(), {AcrossMm, AcrossInch});
  AcrossLabel = inputs_.back().caption;
  // A diameter typed by hand is no longer the picked gauge.
  for (TEdit* box : {AcrossMm, AcrossInch})
    GuardedConnect(box, &QLineEdit::textEdited, GaugeBox, [this] { GaugeBox->setCurrentIndex(-1); });

  ThickMm = MakeSizeBox(QStringLiteral("Thickness in mm"), false, &thickSource_);
  ThickInch = MakeSizeBox(QStringLiteral("Thickness in inches"), true, &thickSource_);
  AddRow(inputs_, QStringLiteral("Thickness"), {ThickMm, ThickInch}, kStock);

  LengthMm = MakeSizeBox(QStringLiteral("Length in mm"), false, &lengthSource_);
  LengthInch = MakeSizeBox(QStringLiteral("Length in inches"), true, &lengthSource_);
  AddRow(inputs_, QStringLiteral("Length"), {LengthMm, LengthInch}, kCut);

  AllowanceBox = MakeBox(QStringLiteral("Allowance for saw cut and filing in mm"), kSizeWidth);
  AllowanceBox->setText(QStringLiteral("0"));
  AllowanceBox->setToolTip(QStringLiteral("Extra length for the saw cut and filing"));
  AddRow(inputs_, QStringLiteral("Allowance (mm)"), {AllowanceBox}, kRing);

  GuardedConnect(MetalBox, &QComboBox::activated, this, &TMetalFrm::MetalBoxChange);
  GuardedConnect(ShapeBox, &QComboBox::activated, this, &TMetalFrm::ShapeBoxChange);
  GuardedConnect(GaugeBox, &QComboBox::activated, this, &TMetalFrm::GaugeBoxChange);
  GuardedConnect(RingSizeBox, &QComboBox::activated, this, [this] { CalcBtnClick(); });
}

void TMetalFrm::CreateResults() {
  VolumeBox = MakeResult(QStringLiteral("Volume (mm\u00b3)"));
  GramBox = MakeResult(QStringLiteral("Grams"));
  DwtBox = MakeResult(QStringLiteral("Pennyweights"));
  TroyOunceBox = MakeResult(QStringLiteral("Troy ounces"));
  BlankMm = MakeResult(QStringLiteral("Blank length (mm)"));
  BlankInch = MakeResult(QStringLiteral("Blank length (inches)"));
  PriceBox = MakeBox(QStringLiteral("Metal price"), kOutWidth);
  PriceUnitBox = new QComboBox(this);
  PriceUnitBox->addItems(priceUnitNames());
  PriceUnitBox->setAccessibleName(QStringLiteral("Price per"));
  PriceUnitBox->resize(kOutWidth, kBoxHeight);
  CostBox = MakeResult(QStringLiteral("Metal cost"));
  for (TEdit* box : {VolumeBox, GramBox, DwtBox, TroyOunceBox})
    AddRow(results_, box->accessibleName(), {box});
  for (TEdit* box : {BlankMm, BlankInch}) AddRow(results_, box->accessibleName(), {box}, kRing);
  AddRow(results_, QStringLiteral("Price"), {PriceBox});
  AddRow(results_, QStringLiteral("Per"), {PriceUnitBox});
  AddRow(results_, CostBox->accessibleName(), {CostBox});
  GuardedConnect(PriceUnitBox, &QComboBox::activated, this, [this] { CalcBtnClick(); });
}

// A number box whose Enter works everything out.
TEdit* TMetalFrm::MakeBox(const QString& name, int width) {
  auto* box = new TEdit(this);
  box->setAccessibleName(name);
  box->resize(width, kBoxHeight);
  box->SetKeyFilter(KeyFilterKind::MmBox, services_);
  GuardedConnect(box, &TEdit::calculationWanted, this, [this, box] { EnterPressed(box); });
  return box;
}

// A result: read-only, yet reached by Tab so that it can be read aloud and copied.
TEdit* TMetalFrm::MakeResult(const QString& name) {
  auto* box = new TEdit(this);
  box->setAccessibleName(name);
  box->resize(kOutWidth, kBoxHeight);
  box->SetReadOnlyBox(true);
  box->setFocusPolicy(Qt::StrongFocus);
  return box;
}

TEdit* TMetalFrm::MakeSizeBox(const QString& name, bool inch, SizeSource* source) {
  auto* box = MakeBox(name, kSizeWidth);
  if (inch) box->SetKeyFilter(KeyFilterKind::InchBox, services_);
  const SizeSource mine = inch ? SizeSource::Inch : SizeSource::Mm;
  GuardedConnect(box, &QLineEdit::textEdited, this, [source, mine] { *source = mine; });
  return box;
}

void TMetalFrm::AddRow(std::vector<Row>& column, const QString& caption, std::vector<QWidget*> fields,
                       unsigned shapes, int height) {
  auto* label = new QLabel(caption, this);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setBuddy(fields.front());
  if (fields.front()->accessibleName().isEmpty())
    fields.front()->setAccessibleName(QString(caption).remove(u'&'));
  column.push_back({label, std::move(fields), shapes, height});
}

MetalShape TMetalFrm::Shape() const { return static_cast<MetalShape>(ShapeBox->currentIndex()); }

// Rows the shape does not use are hidden and the rest close up, in both columns.
void TMetalFrm::LayOut() {
  const unsigned shape = Bit(Shape());
  const QString across = AcrossCaption(Shape());
  AcrossLabel->setText(across);
  AcrossMm->setAccessibleName(across + QStringLiteral(" in mm"));
  AcrossInch->setAccessibleName(across + QStringLiteral(" in inches"));

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

void TMetalFrm::EnterPressed(TEdit* box) {
  RunGuarded(this, [this, box] {
    if (CalcBtnClick()) return;
    // Enter has just filled the millimetre box's inch twin: moving into the
    // twin would only invite typing over the size, so go on past it.
    const bool mmWithTwin = (box == AcrossMm && AcrossInch->isVisible()) ||
                            (box == ThickMm && ThickInch->isVisible()) ||
                            (box == LengthMm && LengthInch->isVisible());
    FocusNextControl(mmWithTwin ? TwinOf(box) : box);
  });
}

TEdit* TMetalFrm::TwinOf(TEdit* mm) const {
  if (mm == AcrossMm) return AcrossInch;
  if (mm == ThickMm) return ThickInch;
  return LengthInch;
}

bool TMetalFrm::CalcBtnClick() {
  MetalInputs in;
  in.Shape = Shape();
  in.Density = DensityBox->text();
  in.Across = {AcrossMm->text(), AcrossInch->text(), acrossSource_};
  in.Thickness = {ThickMm->text(), ThickInch->text(), thickSource_};
  in.Length = {LengthMm->text(), LengthInch->text(), lengthSource_};
  in.RingSize = RingSizeBox->currentIndex();
  in.Allowance = AllowanceBox->text();
  in.Price = PriceBox->text();
  in.Unit = static_cast<PriceUnit>(PriceUnitBox->currentIndex());
  // Throws before anything is written: a bad box leaves every box as it was.
  const MetalOutputs out = MetalEnter(in);

  // Only the twin of the box typed in is new; the typed box keeps its text.
  std::vector<BoxWrite> writes;
  auto writeSize = [&writes](const SizeTexts& texts, TEdit* mm, TEdit* inch) {
    writes.emplace_back(texts.Source == SizeSource::Mm ? inch : mm,
                        texts.Source == SizeSource::Mm ? texts.Inch : texts.Mm);
  };
  writeSize(out.Across, AcrossMm, AcrossInch);
  if (in.Shape == MetalShape::Sheet || in.Shape == MetalShape::RingBlank)
    writeSize(out.Thickness, ThickMm, ThickInch);
  if (in.Shape != MetalShape::RingBlank) writeSize(out.Length, LengthMm, LengthInch);
  writes.insert(writes.end(), {{InnerMm, out.InnerDiameterMm},
                               {InnerInch, out.InnerDiameterInch},
                               {VolumeBox, out.Volume},
                               {GramBox, out.Grams},
                               {DwtBox, out.Pennyweights},
                               {TroyOunceBox, out.TroyOunces},
                               {BlankMm, out.BlankMm},
                               {BlankInch, out.BlankInch},
                               {CostBox, out.Cost}});
  writeResults(this, writes);
  if (!out.Cost.isEmpty()) Q_EMIT metalCostChanged();
  return out.Complete;
}

// The list's density is shown beside it; for "Other" the user types one.
void TMetalFrm::MetalBoxChange() {
  const int metal = MetalBox->currentIndex();
  const bool other = metal == kOtherMetal;
  DensityBox->SetReadOnlyBox(!other);
  if (!other) {
    DensityBox->setFocusPolicy(Qt::StrongFocus);  // still read aloud on Tab
    DensityBox->setText(MetalDensityText(metal));
  } else {
    DensityBox->clear();
    DensityBox->setFocus(Qt::OtherFocusReason);
  }
  CalcBtnClick();
}

void TMetalFrm::ShapeBoxChange() {
  LayOut();
  CalcBtnClick();
}

// The gauge's diameter from the Wire Gauge chart, in millimetres.
void TMetalFrm::GaugeBoxChange() {
  const int gauge = GaugeBox->currentIndex();
  if (gauge < 0) return;
  AcrossMm->setText(WireGaugeMillimeters(gauge));
  acrossSource_ = SizeSource::Mm;
  CalcBtnClick();
}

}  // namespace orvane
