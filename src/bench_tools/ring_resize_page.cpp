#include "bench_tools/ring_resize_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "core/metal.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"

namespace orvane {

RingResizePage::RingResizePage(DesktopServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName(QStringLiteral("RingResizePage"));
  styleBenchPage(this);
  QGridLayout* grid = benchGrid(this);

  // Created in tab order, top to bottom.
  // The scale and the sizes are read by their index in the lists.
  //: The system of ring sizes: North American, British, French...
  scaleBox_ = makeBenchList(this, tr("Ring size scale"), ringScaleNames());
  //: Shown in a list while nothing is picked from it: choose an entry
  const QString pick = tr("Pick");
  //: The ring's size as it is, before resizing
  fromBox_ = makeBenchList(this, tr("Ring size now"), ringSizesOn(RingScale::NorthAmerica), pick);
  toBox_ = makeBenchList(this, tr("Ring size wanted"), ringSizesOn(RingScale::NorthAmerica), pick);
  //: Of the ring's band (metal stock)
  makeBenchSizeBoxes(this, thickness_, tr("Thickness"), services_,
                     [this](EntryBox*) { enterPressed(RingResizeField::Thickness); });
  makeBenchSizeBoxes(this, width_, tr("Width"), services_,
                     [this](EntryBox*) { enterPressed(RingResizeField::Width); });
  metalBox_ = makeBenchList(this, tr("Metal"), metalNames());
  densityBox_ = makeBenchBox(this, tr("Density in g/cm\u00b3"), KeyFilterKind::MmBox, services_,
                             [this] { enterPressed(RingResizeField::Density); });
  fromInnerBox_ = makeBenchResult(this, tr("Inner diameter now, in mm"));
  toInnerBox_ = makeBenchResult(this, tr("Inner diameter wanted, in mm"));
  //: The length of the ring blank (the straight stock bent into the ring) for the present size
  fromBlankBox_ = makeBenchResult(this, tr("Blank length now, in mm"));
  toBlankBox_ = makeBenchResult(this, tr("Blank length wanted, in mm"));
  changeMmBox_ = makeBenchResult(this, QString());
  changeInchBox_ = makeBenchResult(this, QString());
  gramsBox_ = makeBenchResult(this, QString());

  int row = 0;
  grid->addWidget(makeBenchCaption(this, tr("&Scale"), scaleBox_), row, 0);
  grid->addWidget(scaleBox_, row++, 1, 1, 2);
  grid->addWidget(makeBenchCaption(this, tr("Ring size &now"), fromBox_), row, 0);
  grid->addWidget(fromBox_, row++, 1);
  grid->addWidget(makeBenchCaption(this, tr("Ring size &wanted"), toBox_), row, 0);
  grid->addWidget(toBox_, row++, 1);
  const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignBottom;
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm"), centre), row, 1);
  grid->addWidget(makeBenchNote(this, tr("inches"), centre), row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("&Thickness"), thickness_.mm), row, 0);
  grid->addWidget(thickness_.mm, row, 1);
  grid->addWidget(thickness_.inch, row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("W&idth"), width_.mm), row, 0);
  grid->addWidget(width_.mm, row, 1);
  grid->addWidget(width_.inch, row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("&Metal"), metalBox_), row, 0);
  grid->addWidget(metalBox_, row++, 1, 1, 2);
  grid->addWidget(makeBenchCaption(this, tr("&Density"), densityBox_), row, 0);
  grid->addWidget(densityBox_, row, 1);
  grid->addWidget(makeBenchNote(this, QStringLiteral("g/cm\u00b3")), row++, 2);
  //: Heading of the column of figures for the ring's present size
  grid->addWidget(makeBenchNote(this, tr("now"), centre), row, 1);
  //: Heading of the column of figures for the size the ring is to have
  grid->addWidget(makeBenchNote(this, tr("wanted"), centre), row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("Inn&er diameter"), fromInnerBox_), row, 0);
  grid->addWidget(fromInnerBox_, row, 1);
  grid->addWidget(toInnerBox_, row, 2);
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm")), row++, 3);
  grid->addWidget(makeBenchCaption(this, tr("&Blank length"), fromBlankBox_), row, 0);
  grid->addWidget(fromBlankBox_, row, 1);
  grid->addWidget(toBlankBox_, row, 2);
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm")), row++, 3);
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm"), centre), row, 1);
  grid->addWidget(makeBenchNote(this, tr("inches"), centre), row++, 2);
  changeCaption_ = makeBenchCaption(this, QString(), changeMmBox_);
  grid->addWidget(changeCaption_, row, 0);
  grid->addWidget(changeMmBox_, row, 1);
  grid->addWidget(changeInchBox_, row++, 2);
  gramsCaption_ = makeBenchCaption(this, QString(), gramsBox_);
  grid->addWidget(gramsCaption_, row, 0);
  grid->addWidget(gramsBox_, row, 1);
  grid->addWidget(makeBenchNote(this, tr("grams")), row++, 2);
  auto* note = makeBenchNote(
      this, tr("Blank = \u03c0 \u00d7 (inner diameter + thickness): about 2.55 mm for each US size."));
  note->setWordWrap(true);
  grid->addWidget(note, row++, 0, 1, 4);
  grid->setColumnStretch(4, 1);
  grid->setRowStretch(row, 1);

  const std::pair<QWidget*, const char*> names[] = {
      {scaleBox_, "scaleBox"},
      {fromBox_, "fromBox"},
      {toBox_, "toBox"},
      {thickness_.mm, "thicknessMm"},
      {thickness_.inch, "thicknessInch"},
      {width_.mm, "widthMm"},
      {width_.inch, "widthInch"},
      {metalBox_, "metalBox"},
      {densityBox_, "densityBox"},
      {fromInnerBox_, "fromInnerBox"},
      {toInnerBox_, "toInnerBox"},
      {fromBlankBox_, "fromBlankBox"},
      {toBlankBox_, "toBlankBox"},
      {changeMmBox_, "changeMmBox"},
      {changeInchBox_, "changeInchBox"},
      {gramsBox_, "gramsBox"},
  };
  for (const auto& [widget, name] : names) widget->setObjectName(QLatin1String(name));

  guardedConnect(scaleBox_, &QComboBox::activated, this, &RingResizePage::onScalePicked);
  guardedConnect(fromBox_, &QComboBox::activated, this, [this] { calculate(RingResizeField::None); });
  guardedConnect(toBox_, &QComboBox::activated, this, [this] { calculate(RingResizeField::None); });
  guardedConnect(metalBox_, &QComboBox::activated, this, &RingResizePage::onMetalPicked);
  metalBox_->setCurrentIndex(1);  // sterling silver, as on the Metal page
  densityBox_->setReadOnlyBox(true);
  densityBox_->setFocusPolicy(Qt::StrongFocus);
  densityBox_->setText(metalDensityText(1));
  showChange(RingChange::None);
}

QString RingResizePage::pageTitle() { return tr("Ring Resizing"); }

// A smaller size takes stock out; until both sizes are picked the captions
// speak of adding, as for the larger size most often asked for.
void RingResizePage::showChange(RingChange change) {
  if (change == RingChange::Remove) {
    changeCaption_->setText(tr("&Length to remove"));
    gramsCaption_->setText(tr("Met&al to remove"));
    changeMmBox_->setAccessibleName(tr("Length to remove in mm"));
    changeInchBox_->setAccessibleName(tr("Length to remove in inches"));
    gramsBox_->setAccessibleName(tr("Metal to remove in grams"));
  } else {
    changeCaption_->setText(tr("&Length to add"));
    gramsCaption_->setText(tr("Met&al to add"));
    changeMmBox_->setAccessibleName(tr("Length to add in mm"));
    changeInchBox_->setAccessibleName(tr("Length to add in inches"));
    gramsBox_->setAccessibleName(tr("Metal to add in grams"));
  }
}

void RingResizePage::enterPressed(RingResizeField field) {
  runGuarded(this, [this, field] { calculate(field); });
}

// Throws before anything is written: a bad box leaves every box as it was.
void RingResizePage::calculate(RingResizeField entered) {
  const RingResizeInputs in{RingScale(scaleBox_->currentIndex()),
                            fromBox_->currentIndex(),
                            toBox_->currentIndex(),
                            thickness_.texts(),
                            width_.texts(),
                            densityBox_->text()};
  const RingResizeResult result = ringResizeEnter(in, entered);
  thickness_.show(result.thickness);
  width_.show(result.width);
  showChange(result.change);
  setBoxText(fromInnerBox_, result.fromInnerMm);
  setBoxText(toInnerBox_, result.toInnerMm);
  setBoxText(fromBlankBox_, result.fromBlankMm);
  setBoxText(toBlankBox_, result.toBlankMm);
  writeResults(
      this,
      {{changeMmBox_, result.changeMm}, {changeInchBox_, result.changeInch}, {gramsBox_, result.grams}});
  if (!result.grams.isEmpty() || entered == RingResizeField::None) return;
  switch (result.missing) {
    case RingResizeField::From:
      fromBox_->setFocus(Qt::OtherFocusReason);
      break;
    case RingResizeField::To:
      toBox_->setFocus(Qt::OtherFocusReason);
      break;
    case RingResizeField::Thickness:
      focusBenchBox(thickness_.source == BenchUnit::Mm ? thickness_.mm : thickness_.inch);
      break;
    case RingResizeField::Width:
      focusBenchBox(width_.source == BenchUnit::Mm ? width_.mm : width_.inch);
      break;
    case RingResizeField::Density:
      focusBenchBox(densityBox_);
      break;
    case RingResizeField::None:
      break;
  }
}

// A new scale lists its own sizes; the sizes picked on the old one go.
void RingResizePage::onScalePicked() {
  const QStringList sizes = ringSizesOn(RingScale(scaleBox_->currentIndex()));
  for (QComboBox* list : {fromBox_, toBox_}) {
    list->clear();
    list->addItems(sizes);
    list->setCurrentIndex(-1);
  }
  calculate(RingResizeField::None);
}

// The list's density is shown beside it; for "Other" the user types one.
void RingResizePage::onMetalPicked() {
  const int metal = metalBox_->currentIndex();
  const bool other = metal == kOtherMetal;
  densityBox_->setReadOnlyBox(!other);
  if (!other) {
    densityBox_->setFocusPolicy(Qt::StrongFocus);  // still read aloud on Tab
    densityBox_->setText(metalDensityText(metal));
  } else {
    densityBox_->clear();
    focusBenchBox(densityBox_);
  }
  calculate(RingResizeField::None);
}

}  // namespace orvane
