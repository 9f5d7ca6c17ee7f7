#include "bench_tools/knotted_strand_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"

namespace orvane {

KnottedStrandPage::KnottedStrandPage(DesktopServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName(QStringLiteral("KnottedStrandPage"));
  styleBenchPage(this);
  QGridLayout* grid = benchGrid(this);
  auto numberBox = [this](const QString& name, StrandField field) {
    return makeBenchBox(this, name, KeyFilterKind::MmBox, services_, [this, field] { enterPressed(field); });
  };

  // Created in tab order, top to bottom.
  standardBox = makeBenchList(this, tr("Standard length"), strandLengthNames(),
                              //: Shown in an empty list: pick an entry
                              tr("Pick"));
  makeBenchSizeBoxes(
      this, length, tr("Finished length"), services_,
      [this](EntryBox*) { enterPressed(StrandField::Length); },
      [this] { standardBox->setCurrentIndex(-1); });  // a length typed by hand is no longer the pick
  beadBox = numberBox(tr("Bead size in mm"), StrandField::Bead);
  knotBox = numberBox(tr("Knot size in mm"), StrandField::Knot);
  knotBox->setText(QStringLiteral("1.0"));
  claspBox = numberBox(tr("Clasp length in mm"), StrandField::Clasp);
  beadCountBox = makeBenchResult(this,
                                 //: The number of beads that fit the strand
                                 tr("Beads"));
  leftOverBox = makeBenchResult(this,
                                //: The length that remains after the last bead and knot
                                tr("Left over in mm"));

  int row = 0;
  grid->addWidget(makeBenchCaption(this, tr("&Standard length"), standardBox), row, 0);
  grid->addWidget(standardBox, row++, 1, 1, 2);
  const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignBottom;
  grid->addWidget(makeBenchNote(this, tr("mm"), centre), row, 1);
  grid->addWidget(makeBenchNote(this, tr("inches"), centre), row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("&Finished length"), length.mm), row, 0);
  grid->addWidget(length.mm, row, 1);
  grid->addWidget(length.inch, row++, 2);
  const std::pair<const char*, EntryBox*> sizes[] = {{QT_TR_NOOP("&Bead size"), beadBox},
                                                     {QT_TR_NOOP("&Knot size"), knotBox},
                                                     {QT_TR_NOOP("&Clasp length"), claspBox}};
  for (const auto& [caption, box] : sizes) {
    grid->addWidget(makeBenchCaption(this, tr(caption), box), row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(makeBenchNote(this, tr("mm")), row++, 2);
  }
  grid->addWidget(makeBenchCaption(this,
                                   //: The number of beads that fit the strand
                                   tr("B&eads"), beadCountBox),
                  row, 0);
  grid->addWidget(beadCountBox, row++, 1);
  grid->addWidget(makeBenchCaption(this,
                                   //: The length that remains after the last bead and knot
                                   tr("&Left over"), leftOverBox),
                  row, 0);
  grid->addWidget(leftOverBox, row, 1);
  grid->addWidget(makeBenchNote(this, tr("mm")), row++, 2);
  auto* note = makeBenchNote(this, tr("Beads = (length \u2212 clasp) \u00f7 (bead + knot), rounded down."));
  note->setWordWrap(true);
  grid->addWidget(note, row++, 0, 1, 4);
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(row, 1);

  const std::pair<QWidget*, const char*> names[] = {
      {standardBox, "standardBox"},   {length.mm, "lengthMm"},      {length.inch, "lengthInch"},
      {beadBox, "beadBox"},           {knotBox, "knotBox"},         {claspBox, "claspBox"},
      {beadCountBox, "beadCountBox"}, {leftOverBox, "leftOverBox"},
  };
  for (const auto& [widget, name] : names) widget->setObjectName(QLatin1String(name));

  guardedConnect(standardBox, &QComboBox::activated, this, &KnottedStrandPage::onStandardPicked);
}

QString KnottedStrandPage::pageTitle() { return tr("Knotted Strand"); }

void KnottedStrandPage::enterPressed(StrandField field) {
  runGuarded(this, [this, field] { calculate(field); });
}

// Throws before anything is written: a bad box leaves every box as it was.
void KnottedStrandPage::calculate(StrandField entered, const QComboBox* picked) {
  const KnottedStrandInputs in{length.texts(), beadBox->text(), knotBox->text(), claspBox->text()};
  const KnottedStrandResult result = knottedStrandEnter(in, entered);
  length.show(result.length);
  // The box it needs next gets the caret, and the notice says what it needs;
  // a pick from the list leaves the caret where it is.
  EntryBox* needed = nullptr;
  QString missing;
  switch (result.missing) {
    case StrandField::Length:
      needed = length.source == BenchUnit::Mm ? length.mm : length.inch;
      //: Spoken after "Enter" as what is still needed (German: accusative, with article)
      missing = tr("the finished length");
      break;
    case StrandField::Bead:
      needed = beadBox;
      //: Spoken after "Enter" as what is still needed (German: accusative, with article)
      missing = tr("the bead size");
      break;
    case StrandField::Knot:
      needed = knotBox;
      //: Spoken after "Enter" as what is still needed (German: accusative, with article)
      missing = tr("the knot size");
      break;
    case StrandField::Clasp:
      needed = claspBox;
      //: Spoken after "Enter" as what is still needed (German: accusative, with article)
      missing = tr("the clasp length");
      break;
    case StrandField::None:
      break;
  }
  if (needed != nullptr && entered != StrandField::None) focusBenchBox(needed);
  writeResults(this, {{beadCountBox, result.beads}, {leftOverBox, result.leftOver}}, picked, missing);
}

// A standard length fills the inch box, as the lengths are known in inches.
void KnottedStrandPage::onStandardPicked() {
  const int picked = standardBox->currentIndex();
  if (picked < 0) return;
  length.show({QString(), QString::number(StandardStrandTable[size_t(picked)].Inches), BenchUnit::Inch});
  calculate(StrandField::None, standardBox);
}

}  // namespace orvane
