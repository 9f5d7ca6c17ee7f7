#include "bench_tools/pricing_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "core/pricing.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"
#include "widgets/focus.h"
#include "widgets/look.h"

namespace orvane {

PricingPage::PricingPage(DesktopServices& services, QWidget* parent) : QWidget(parent), services_(services) {
  setBackground(this, systemColor(SysColor::Light3D));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(12, 12, 12, 12);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  int row = 0;
  auto add = [&](const QString& caption, EntryBox* box, const QString& unit = {}) {
    grid->addWidget(makeBenchCaption(this, caption, box), row, 0, Qt::AlignRight);
    grid->addWidget(box, row, 1);
    if (!unit.isEmpty()) grid->addWidget(makeBenchNote(this, unit), row, 2);
    ++row;
  };

  // Created in tab order: the inputs top to bottom, then the results.
  materialsBox = numberBox(tr("Materials"));
  add(tr("&Materials"), materialsBox);
  useMetalCostButton = new QPushButton(tr("&Use metal cost"), this);
  useMetalCostButton->setAccessibleName(tr("Use metal cost"));
  useMetalCostButton->setAutoDefault(true);  // Enter on the focused button presses it
  useMetalCostButton->setToolTip(
      tr("Puts the last metal cost from the Metal or Casting page into Materials"));
  useMetalCostButton->setAccessibleDescription(useMetalCostButton->toolTip());
  grid->addWidget(useMetalCostButton, row++, 1);
  hoursBox = numberBox(tr("Labour hours"));
  add(tr("Labour &hours"), hoursBox);
  hourlyRateBox = numberBox(tr("Hourly rate"));
  add(tr("Hourly &rate"), hourlyRateBox, tr("per hour"));
  overheadBox = numberBox(tr("Overhead in per cent"));
  overheadBox->setText(QStringLiteral("0"));
  //: Overhead costs, in per cent of materials and labour
  add(tr("O&verhead"), overheadBox, QStringLiteral("%"));
  wholesaleMultiplierBox = numberBox(tr("Wholesale multiplier"));
  wholesaleMultiplierBox->setText(QString::fromLatin1(kDefaultMultiplier));
  wholesaleMultiplierBox->setToolTip(tr("Wholesale = cost \u00d7 this"));
  //: The wholesale multiplier: wholesale price = cost times this
  add(tr("&Wholesale \u00d7"), wholesaleMultiplierBox);
  retailMultiplierBox = numberBox(tr("Retail multiplier"));
  retailMultiplierBox->setText(QString::fromLatin1(kDefaultMultiplier));
  retailMultiplierBox->setToolTip(tr("Retail = wholesale \u00d7 this"));
  //: The retail multiplier: retail price = wholesale price times this
  add(tr("R&etail \u00d7"), retailMultiplierBox);

  row = 0;
  auto result = [&](const QString& caption, EntryBox* box) {
    grid->addWidget(makeBenchCaption(this, caption, box), row, 3, Qt::AlignRight);
    grid->addWidget(box, row++, 4);
  };
  labourBox = makeBenchResult(this, tr("Labour"));
  //: The cost of the labour hours
  result(tr("&Labour"), labourBox);
  costBox = makeBenchResult(this, tr("Cost"));
  costBox->setToolTip(tr("(Materials + labour) \u00d7 (1 + overhead / 100)"));
  result(tr("&Cost"), costBox);
  wholesaleBox = makeBenchResult(this, tr("Wholesale"));
  //: The wholesale price
  result(tr("Wh&olesale"), wholesaleBox);
  retailBox = makeBenchResult(this, tr("Retail"));
  //: The retail price
  result(tr("Re&tail"), retailBox);
  grid->setColumnMinimumWidth(2, 60);
  grid->setColumnStretch(5, 1);
  grid->setRowStretch(7, 1);

  guardedConnect(useMetalCostButton, &QPushButton::clicked, this, &PricingPage::onUseMetalCostClicked);

  const std::pair<QWidget*, const char*> names[] = {
      {materialsBox, "materialsBox"},
      {useMetalCostButton, "useMetalCostButton"},
      {hoursBox, "hoursBox"},
      {hourlyRateBox, "hourlyRateBox"},
      {overheadBox, "overheadBox"},
      {wholesaleMultiplierBox, "wholesaleMultiplierBox"},
      {retailMultiplierBox, "retailMultiplierBox"},
      {labourBox, "labourBox"},
      {costBox, "costBox"},
      {wholesaleBox, "wholesaleBox"},
      {retailBox, "retailBox"},
  };
  for (const auto& [widget, name] : names) widget->setObjectName(QLatin1String(name));
}

EntryBox* PricingPage::numberBox(const QString& name) {
  auto* box = makeBenchBox(this, name, KeyFilterKind::MmBox, services_, {});
  guardedConnect(box, &EntryBox::calculationWanted, this, [this, box] { onEnter(box); });
  return box;
}

void PricingPage::setMetalCost(const QString& cost, const QString& from) {
  metalCost_ = cost;
  useMetalCostButton->setAccessibleDescription(
      //: %1 the metal cost, %2 the page's name (Metal or Casting)
      tr("Puts the metal cost %1 from the %2 page into Materials").arg(cost, from));
}

void PricingPage::onUseMetalCostClicked() {
  if (metalCost_.isEmpty()) {
    services_.showMessage(this, MessageIcon::Information, tr("Information"),
                          tr("There is no metal cost yet. Work one out on the Metal or Casting "
                             "page, with a metal price, and press this button again."),
                          false);
    return;
  }
  // Read by the step as if typed, and spoken first, with the prices it gives.
  calculate({{materialsBox, metalCost_}});
}

void PricingPage::onEnter(EntryBox* box) {
  runGuarded(this, [this, box] {
    if (!calculate()) focusNextControl(box);
  });
}

bool PricingPage::calculate(std::vector<BoxWrite> writes) {
  // A box the step is handed a text for reads as that text.
  auto textOf = [&writes](EntryBox* box) {
    for (const auto& [written, text] : writes)
      if (written == box) return text;
    return box->text();
  };
  PricingInputs in;
  in.Materials = textOf(materialsBox);
  in.Hours = hoursBox->text();
  in.HourlyRate = hourlyRateBox->text();
  in.Overhead = overheadBox->text();
  in.WholesaleMultiplier = wholesaleMultiplierBox->text();
  in.RetailMultiplier = retailMultiplierBox->text();
  // Throws before anything is written: a bad box leaves every box as it was.
  const PricingOutputs out = pricingEnter(in);
  writes.insert(
      writes.end(),
      {{labourBox, out.Labour}, {costBox, out.Cost}, {wholesaleBox, out.Wholesale}, {retailBox, out.Retail}});
  writeResults(this, writes, nullptr, out.Missing);
  return out.Complete;
}

}  // namespace orvane
