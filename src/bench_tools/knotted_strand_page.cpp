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
  standardBox =
      makeBenchList(this, QStringLiteral("Standard length"), strandLengthNames(), QStringLiteral("Pick"));
  makeBenchSizeBoxes(
      this, length, QStringLiteral("Finished length"), services_,
      [this](EntryBox*) { enterPressed(StrandField::Length); },
      [this] { standardBox->setCurrentIndex(-1); });  // a length typed by hand is no longer the pick
  beadBox = numberBox(QStringLiteral("Bead size in mm"), StrandField::Bead);
  knotBox = numberBox(QStringLiteral("Knot size in mm"), StrandField::Knot);
  knotBox->setText(QStringLiteral("1.0"));
  claspBox = numberBox(QStringLiteral("Clasp length in mm"), StrandField::Clasp);
  beadCountBox = makeBenchResult(this, QStringLiteral("Beads"));
  leftOverBox = makeBenchResult(this, QStringLiteral("Left over in mm"));

  int row = 0;
  grid->addWidget(makeBenchCaption(this, QStringLiteral("&Standard length"), standardBox), row, 0);
  grid->addWidget(standardBox, row++, 1, 1, 2);
  const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignBottom;
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm"), centre), row, 1);
  grid->addWidget(makeBenchNote(this, QStringLiteral("inches"), centre), row++, 2);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("&Finished length"), length.mm), row, 0);
  grid->addWidget(length.mm, row, 1);
  grid->addWidget(length.inch, row++, 2);
  const std::pair<const char*, EntryBox*> sizes[] = {
      {"&Bead size", beadBox}, {"&Knot size", knotBox}, {"&Clasp length", claspBox}};
  for (const auto& [caption, box] : sizes) {
    grid->addWidget(makeBenchCaption(this, QString::fromUtf8(caption), box), row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(makeBenchNote(this, QStringLiteral("mm")), row++, 2);
  }
  grid->addWidget(makeBenchCaption(this, QStringLiteral("B&eads"), beadCountBox), row, 0);
  grid->addWidget(beadCountBox, row++, 1);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("&Left over"), leftOverBox), row, 0);
  grid->addWidget(leftOverBox, row, 1);
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm")), row++, 2);
  auto* note =
      makeBenchNote(this, QStringLiteral("Beads = (length \u2212 clasp) \u00f7 (bead + knot), rounded "
                                         "down."));
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

QString KnottedStrandPage::pageTitle() { return QStringLiteral("Knotted Strand"); }

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
      missing = QStringLiteral("the finished length");
      break;
    case StrandField::Bead:
      needed = beadBox;
      missing = QStringLiteral("the bead size");
      break;
    case StrandField::Knot:
      needed = knotBox;
      missing = QStringLiteral("the knot size");
      break;
    case StrandField::Clasp:
      needed = claspBox;
      missing = QStringLiteral("the clasp length");
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
