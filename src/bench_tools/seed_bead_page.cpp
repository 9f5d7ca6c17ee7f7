#include "bench_tools/seed_bead_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"

namespace orvane {

SeedBeadPage::SeedBeadPage(DesktopServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName(QStringLiteral("SeedBeadPage"));
  styleBenchPage(this);
  QGridLayout* grid = benchGrid(this);

  // Created in tab order, top to bottom.
  sizeBox_ = makeBenchList(this, QStringLiteral("Bead size"), seedBeadNames(), QStringLiteral("Pick"));
  stitchBox_ = makeBenchList(this, QStringLiteral("Stitch"), beadStitchNames());
  makeBenchSizeBoxes(this, width_, QStringLiteral("Width"), services_,
                     [this](EntryBox*) { enterPressed(SeedBeadField::Width); });
  makeBenchSizeBoxes(this, length_, QStringLiteral("Length"), services_,
                     [this](EntryBox*) { enterPressed(SeedBeadField::Length); });
  perGramBox_ = makeBenchResult(this, QStringLiteral("Beads per gram"));
  perTubeBox_ = makeBenchResult(this, QStringLiteral("Beads per 10 g tube"));
  perInchBox_ = makeBenchResult(this, QStringLiteral("Beads per inch"));
  columnsBox_ = makeBenchResult(this, QStringLiteral("Columns"));
  rowsBox_ = makeBenchResult(this, QStringLiteral("Rows"));
  beadsBox_ = makeBenchResult(this, QStringLiteral("Beads"));
  gramsBox_ = makeBenchResult(this, QStringLiteral("Grams to buy"));
  tubesBox_ = makeBenchResult(this, QStringLiteral("10 g tubes"));

  int row = 0;
  grid->addWidget(makeBenchCaption(this, QStringLiteral("Bead &size"), sizeBox_), row, 0);
  grid->addWidget(sizeBox_, row++, 1, 1, 2);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("S&titch"), stitchBox_), row, 0);
  grid->addWidget(stitchBox_, row++, 1, 1, 2);
  const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignBottom;
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm"), centre), row, 1);
  grid->addWidget(makeBenchNote(this, QStringLiteral("inches"), centre), row++, 2);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("&Width"), width_.mm), row, 0);
  grid->addWidget(width_.mm, row, 1);
  grid->addWidget(width_.inch, row++, 2);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("&Length"), length_.mm), row, 0);
  grid->addWidget(length_.mm, row, 1);
  grid->addWidget(length_.inch, row++, 2);
  const std::pair<const char*, EntryBox*> results[] = {
      {"Beads per &gram", perGramBox_},
      {"Per 10 g t&ube", perTubeBox_},
      {"Beads per &inch", perInchBox_},
  };
  for (const auto& [caption, box] : results) {
    grid->addWidget(makeBenchCaption(this, QString::fromUtf8(caption), box), row, 0);
    grid->addWidget(box, row++, 1);
  }
  grid->addWidget(makeBenchCaption(this, QStringLiteral("&Columns \u00d7 rows"), columnsBox_), row, 0);
  grid->addWidget(columnsBox_, row, 1);
  grid->addWidget(rowsBox_, row++, 2);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("&Beads"), beadsBox_), row, 0);
  grid->addWidget(beadsBox_, row++, 1);
  grid->addWidget(makeBenchCaption(this, QStringLiteral("Grams to bu&y"), gramsBox_), row, 0);
  grid->addWidget(gramsBox_, row, 1);
  grid->addWidget(tubesBox_, row, 2);
  grid->addWidget(makeBenchNote(this, QStringLiteral("tubes of 10 g")), row++, 3);
  auto* note =
      makeBenchNote(this, QStringLiteral("Miyuki's figures. Loom and peyote: columns = width \u00f7 bead "
                                         "length along the hole; brick: width \u00f7 bead width."));
  note->setWordWrap(true);
  grid->addWidget(note, row++, 0, 1, 5);
  grid->setColumnStretch(4, 1);
  grid->setRowStretch(row, 1);

  const std::pair<QWidget*, const char*> names[] = {
      {sizeBox_, "sizeBox"},       {stitchBox_, "stitchBox"},   {width_.mm, "widthMm"},
      {width_.inch, "widthInch"},  {length_.mm, "lengthMm"},    {length_.inch, "lengthInch"},
      {perGramBox_, "perGramBox"}, {perTubeBox_, "perTubeBox"}, {perInchBox_, "perInchBox"},
      {columnsBox_, "columnsBox"}, {rowsBox_, "rowsBox"},       {beadsBox_, "beadsBox"},
      {gramsBox_, "gramsBox"},     {tubesBox_, "tubesBox"},
  };
  for (const auto& [widget, name] : names) widget->setObjectName(QLatin1String(name));

  for (QComboBox* list : {sizeBox_, stitchBox_})
    guardedConnect(list, &QComboBox::activated, this, [this] { calculate(SeedBeadField::None); });
}

QString SeedBeadPage::pageTitle() { return QStringLiteral("Seed Beads"); }

void SeedBeadPage::enterPressed(SeedBeadField field) {
  runGuarded(this, [this, field] { calculate(field); });
}

// Throws before anything is written: a bad box leaves every box as it was.
void SeedBeadPage::calculate(SeedBeadField entered) {
  const SeedBeadInputs in{sizeBox_->currentIndex(), BeadStitch(stitchBox_->currentIndex()), width_.texts(),
                          length_.texts()};
  const SeedBeadResult result = seedBeadEnter(in, entered);
  width_.show(result.width);
  length_.show(result.length);
  // The bead's own figures are spoken only while the piece is not counted:
  // once it is, its count and grams are what was asked for.
  const bool counted = !result.beads.isEmpty();
  for (const auto& [box, text] :
       {std::pair{perGramBox_, result.perGram}, std::pair{perTubeBox_, result.perTube},
        std::pair{perInchBox_, result.perInch}})
    if (counted) setBoxText(box, text);
  std::vector<BoxWrite> writes;
  if (!counted)
    writes = {{perGramBox_, result.perGram}, {perTubeBox_, result.perTube}, {perInchBox_, result.perInch}};
  writes.insert(writes.end(), {{columnsBox_, result.columns},
                               {rowsBox_, result.rows},
                               {beadsBox_, result.beads},
                               {gramsBox_, result.grams},
                               {tubesBox_, result.tubes}});
  writeResults(this, writes);
  if (counted || entered == SeedBeadField::None) return;
  if (result.missing == SeedBeadField::Width)
    focusBenchBox(width_.source == BenchUnit::Mm ? width_.mm : width_.inch);
  else if (result.missing == SeedBeadField::Length)
    focusBenchBox(length_.source == BenchUnit::Mm ? length_.mm : length_.inch);
  else if (result.perGram.isEmpty())
    sizeBox_->setFocus(Qt::OtherFocusReason);
}

}  // namespace orvane
