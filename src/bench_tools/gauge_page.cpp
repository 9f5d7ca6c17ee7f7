#include "bench_tools/gauge_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "core/text_rules.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"
#include "widgets/spoken_boxes.h"

namespace orvane {

GaugePage::GaugePage(DesktopServices& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(QStringLiteral("GaugePage"));
  styleBenchPage(this);
  QGridLayout* grid = benchGrid(this);

  // Created in tab order: the size, then each gauge with its diameters.
  makeBenchSizeBoxes(this, size, tr("Diameter"), services_, [this](EntryBox* box) { enterPressed(box); });
  americanBox = makeBenchList(this, tr("American wire gauge (AWG, Brown and Sharpe)"),
                              wireGaugeNames(GaugeSystem::American),
                              //: Shown in an empty list: pick an entry
                              tr("Pick"));
  americanMm = makeBenchResult(this, tr("AWG diameter in mm"));
  americanInch = makeBenchResult(this, tr("AWG diameter in inches"));
  britishBox = makeBenchList(this, tr("British Standard Wire Gauge (SWG)"),
                             wireGaugeNames(GaugeSystem::British), tr("Pick"));
  britishMm = makeBenchResult(this, tr("SWG diameter in mm"));
  britishInch = makeBenchResult(this, tr("SWG diameter in inches"));

  const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignBottom;
  //: Column heading over the gauge numbers
  grid->addWidget(makeBenchNote(this, tr("gauge"), centre), 0, 1);
  grid->addWidget(makeBenchNote(this, tr("mm"), centre), 0, 2);
  grid->addWidget(makeBenchNote(this, tr("inches"), centre), 0, 3);
  grid->addWidget(makeBenchCaption(this, tr("&Diameter"), size.mm), 1, 0);
  grid->addWidget(size.mm, 1, 2);
  grid->addWidget(size.inch, 1, 3);
  grid->addWidget(makeBenchCaption(this, tr("&American (AWG)"), americanBox), 2, 0);
  grid->addWidget(americanBox, 2, 1);
  grid->addWidget(americanMm, 2, 2);
  grid->addWidget(americanInch, 2, 3);
  grid->addWidget(makeBenchCaption(this, tr("&British (SWG)"), britishBox), 3, 0);
  grid->addWidget(britishBox, 3, 1);
  grid->addWidget(britishMm, 3, 2);
  grid->addWidget(britishInch, 3, 3);
  beyondNote = makeBenchNote(this, QString());
  beyondNote->setObjectName(QStringLiteral("beyondNote"));
  beyondNote->setWordWrap(true);
  grid->addWidget(beyondNote, 4, 0, 1, 5);
  auto* note = makeBenchNote(this, tr("Type a diameter and press Enter for the nearest gauge of each "
                                      "kind, or pick a gauge. 1 inch = 25.4 mm."));
  note->setWordWrap(true);
  grid->addWidget(note, 5, 0, 1, 5);
  grid->setColumnStretch(4, 1);
  grid->setRowStretch(6, 1);

  const std::pair<QWidget*, const char*> names[] = {
      {size.mm, "sizeMm"},        {size.inch, "sizeInch"},        {americanBox, "americanBox"},
      {americanMm, "americanMm"}, {americanInch, "americanInch"}, {britishBox, "britishBox"},
      {britishMm, "britishMm"},   {britishInch, "britishInch"},
  };
  for (const auto& [widget, name] : names) widget->setObjectName(QLatin1String(name));

  guardedConnect(americanBox, &QComboBox::activated, this, &GaugePage::onAmericanPicked);
  guardedConnect(britishBox, &QComboBox::activated, this, &GaugePage::onBritishPicked);
}

QString GaugePage::pageTitle() { return tr("Gauges"); }

void GaugePage::enterPressed(EntryBox* box) {
  runGuarded(this, [this, box] {
    const BenchSize typed = size.texts();
    const GaugeReading reading = gaugesForSize(typed);
    if (reading.american < 0 && reading.americanBeyond.isEmpty()) {
      // Nothing typed: Enter in the box that holds nothing asks for a size.
      if (trimBlanks(box->text()).isEmpty())
        throwEmptyBenchBox(
            //: Names the box in "Nothing typed for the diameter: type a number, then press Enter" (German:
            //: nominative, with article)
            tr("the diameter"));
      focusBenchBox(size.source == BenchUnit::Mm ? size.mm : size.inch);
    }
    showReading(reading);
  });
}

void GaugePage::onAmericanPicked() {
  if (americanBox->currentIndex() >= 0)
    showReading(gaugesForPick(GaugeSystem::American, americanBox->currentIndex()), americanBox);
}

void GaugePage::onBritishPicked() {
  if (britishBox->currentIndex() >= 0)
    showReading(gaugesForPick(GaugeSystem::British, britishBox->currentIndex()), britishBox);
}

void GaugePage::showReading(const GaugeReading& reading, const QComboBox* picked) {
  const QString americanBefore = americanBox->currentText();
  const QString britishBefore = britishBox->currentText();
  size.show(reading.size);
  americanBox->setCurrentIndex(reading.american);
  britishBox->setCurrentIndex(reading.british);
  const WireGauge* american =
      reading.american >= 0 ? &wireGauges(GaugeSystem::American)[size_t(reading.american)] : nullptr;
  const WireGauge* british =
      reading.british >= 0 ? &wireGauges(GaugeSystem::British)[size_t(reading.british)] : nullptr;
  // The gauge the other list now shows is a result as much as its diameters.
  QList<WrittenBox> written;
  auto list = [&](QComboBox* box, const QString& before) {
    written.append({box, BoxText{box->currentText(), box != picked}, box->currentText() != before});
  };
  auto diameter = [&](EntryBox* box, const QString& text) {
    written.append({box, BoxText{text, true}, box->text() != text});
    setBoxText(box, text);
  };
  list(americanBox, americanBefore);
  diameter(americanMm, american ? american->mmText : QString());
  diameter(americanInch, american ? american->inchText : QString());
  list(britishBox, britishBefore);
  diameter(britishMm, british ? british->mmText : QString());
  diameter(britishInch, british ? british->inchText : QString());
  // A size beyond a table is said with the pick, before the figures.
  QStringList beyond;
  for (const QString& text : {reading.americanBeyond, reading.britishBeyond})
    if (!text.isEmpty()) beyond << text;
  beyondNote->setText(beyond.isEmpty() ? QString() : beyond.join(QStringLiteral(". ")) + u'.');
  QStringList lead;
  if (const QString item = pickedItem(picked); !item.isEmpty()) lead << item;
  lead += beyond;
  announceResults(this, written, lead.join(QStringLiteral(", ")));
}

}  // namespace orvane
