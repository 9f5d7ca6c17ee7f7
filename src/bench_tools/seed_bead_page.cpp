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
  // The size and the stitch are read by their index in the lists.
  //: Shown in a list while nothing is picked from it: choose an entry
  const QString pick = tr("Pick");
  sizeBox_ = makeBenchList(this, tr("Bead size"), seedBeadNames(), pick);
  //: The beadwork stitch the piece is worked in
  stitchBox_ = makeBenchList(this, tr("Stitch"), beadStitchNames());
  //: Of the beaded piece
  makeBenchSizeBoxes(this, width_, tr("Width"), services_,
                     [this](EntryBox*) { enterPressed(SeedBeadField::Width); });
  //: Of the beaded piece
  makeBenchSizeBoxes(this, length_, tr("Length"), services_,
                     [this](EntryBox*) { enterPressed(SeedBeadField::Length); });
  perGramBox_ = makeBenchResult(this, tr("Beads per gram"));
  //: Seed beads are sold in tubes of 10 grams
  perTubeBox_ = makeBenchResult(this, tr("Beads per 10 g tube"));
  perInchBox_ = makeBenchResult(this, tr("Beads per inch"));
  //: Beads across the piece's width
  columnsBox_ = makeBenchResult(this, tr("Columns"));
  //: Rows of beads along the piece's length
  rowsBox_ = makeBenchResult(this, tr("Rows"));
  //: The number of beads in the piece
  beadsBox_ = makeBenchResult(this, tr("Beads"));
  gramsBox_ = makeBenchResult(this, tr("Grams to buy"));
  tubesBox_ = makeBenchResult(this, tr("10 g tubes"));

  int row = 0;
  grid->addWidget(makeBenchCaption(this, tr("Bead &size"), sizeBox_), row, 0);
  grid->addWidget(sizeBox_, row++, 1, 1, 2);
  grid->addWidget(makeBenchCaption(this, tr("S&titch"), stitchBox_), row, 0);
  grid->addWidget(stitchBox_, row++, 1, 1, 2);
  const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignBottom;
  grid->addWidget(makeBenchNote(this, QStringLiteral("mm"), centre), row, 1);
  grid->addWidget(makeBenchNote(this, tr("inches"), centre), row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("&Width"), width_.mm), row, 0);
  grid->addWidget(width_.mm, row, 1);
  grid->addWidget(width_.inch, row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("&Length"), length_.mm), row, 0);
  grid->addWidget(length_.mm, row, 1);
  grid->addWidget(length_.inch, row++, 2);
  const std::pair<QString, EntryBox*> results[] = {
      {tr("Beads per &gram"), perGramBox_},
      //: Beads in a tube of 10 grams
      {tr("Per 10 g t&ube"), perTubeBox_},
      {tr("Beads per &inch"), perInchBox_},
  };
  for (const auto& [caption, box] : results) {
    grid->addWidget(makeBenchCaption(this, caption, box), row, 0);
    grid->addWidget(box, row++, 1);
  }
  grid->addWidget(makeBenchCaption(this, tr("&Columns \u00d7 rows"), columnsBox_), row, 0);
  grid->addWidget(columnsBox_, row, 1);
  grid->addWidget(rowsBox_, row++, 2);
  grid->addWidget(makeBenchCaption(this, tr("&Beads"), beadsBox_), row, 0);
  grid->addWidget(beadsBox_, row++, 1);
  grid->addWidget(makeBenchCaption(this, tr("Grams to bu&y"), gramsBox_), row, 0);
  grid->addWidget(gramsBox_, row, 1);
  grid->addWidget(tubesBox_, row, 2);
  grid->addWidget(makeBenchNote(this, tr("tubes of 10 g")), row++, 3);
  auto* note = makeBenchNote(this, tr("Miyuki's figures. Loom and peyote: columns = width \u00f7 bead length "
                                      "along the hole; brick: width \u00f7 bead width."));
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

QString SeedBeadPage::pageTitle() { return tr("Seed Beads"); }

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
