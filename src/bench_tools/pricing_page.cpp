#include "bench_tools/pricing_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "bench_tools/bench_boxes.h"
#include "core/pricing.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "widgets/entry_box.h"
#include "widgets/focus.h"
#include "widgets/look.h"

namespace orvane {

PricingPage::PricingPage(DesktopServices& services, QWidget* parent) : QWidget(parent), services_(services) {
  SetBackground(this, SystemColor(SysColor::Light3D));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(12, 12, 12, 12);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  auto enter = [this](EntryBox* box) { onEnter(box); };
  int row = 0;
  auto add = [&](const QString& caption, EntryBox* box, const QString& unit = {}) {
    grid->addWidget(makeCaption(this, caption, box), row, 0, Qt::AlignRight);
    grid->addWidget(box, row, 1);
    if (!unit.isEmpty()) grid->addWidget(new QLabel(unit, this), row, 2);
    ++row;
  };

  // Created in tab order: the inputs top to bottom, then the results.
  materialsBox = makeNumberBox(this, services_, QStringLiteral("Materials"), enter);
  add(QStringLiteral("Materials"), materialsBox);
  useMetalCostButton = new QPushButton(QStringLiteral("Use metal cost"), this);
  useMetalCostButton->setAutoDefault(true);  // Enter on the focused button presses it
  useMetalCostButton->setToolTip(
      QStringLiteral("Puts the last metal cost from the Metal or Casting page into Materials"));
  useMetalCostButton->setAccessibleDescription(useMetalCostButton->toolTip());
  grid->addWidget(useMetalCostButton, row++, 1);
  hoursBox = makeNumberBox(this, services_, QStringLiteral("Labour hours"), enter);
  add(QStringLiteral("Labour hours"), hoursBox);
  hourlyRateBox = makeNumberBox(this, services_, QStringLiteral("Hourly rate"), enter);
  add(QStringLiteral("Hourly rate"), hourlyRateBox, QStringLiteral("per hour"));
  overheadBox = makeNumberBox(this, services_, QStringLiteral("Overhead in per cent"), enter);
  overheadBox->setText(QStringLiteral("0"));
  add(QStringLiteral("Overhead"), overheadBox, QStringLiteral("%"));
  wholesaleMultiplierBox = makeNumberBox(this, services_, QStringLiteral("Wholesale multiplier"), enter);
  wholesaleMultiplierBox->setText(QString::fromLatin1(kDefaultMultiplier));
  wholesaleMultiplierBox->setToolTip(QStringLiteral("Wholesale = cost \u00d7 this"));
  add(QStringLiteral("Wholesale \u00d7"), wholesaleMultiplierBox);
  retailMultiplierBox = makeNumberBox(this, services_, QStringLiteral("Retail multiplier"), enter);
  retailMultiplierBox->setText(QString::fromLatin1(kDefaultMultiplier));
  retailMultiplierBox->setToolTip(QStringLiteral("Retail = wholesale \u00d7 this"));
  add(QStringLiteral("Retail \u00d7"), retailMultiplierBox);

  row = 0;
  auto result = [&](const QString& caption, EntryBox* box) {
    grid->addWidget(makeCaption(this, caption, box), row, 3, Qt::AlignRight);
    grid->addWidget(box, row++, 4);
  };
  labourBox = makeResultBox(this, QStringLiteral("Labour"));
  result(QStringLiteral("Labour"), labourBox);
  costBox = makeResultBox(this, QStringLiteral("Cost"));
  costBox->setToolTip(QStringLiteral("(Materials + labour) \u00d7 (1 + overhead / 100)"));
  result(QStringLiteral("Cost"), costBox);
  wholesaleBox = makeResultBox(this, QStringLiteral("Wholesale"));
  result(QStringLiteral("Wholesale"), wholesaleBox);
  retailBox = makeResultBox(this, QStringLiteral("Retail"));
  result(QStringLiteral("Retail"), retailBox);
  grid->setColumnMinimumWidth(2, 60);
  grid->setColumnStretch(5, 1);
  grid->setRowStretch(7, 1);

  GuardedConnect(useMetalCostButton, &QPushButton::clicked, this, &PricingPage::onUseMetalCostClicked);
}

void PricingPage::setMetalCost(const QString& cost, const QString& from) {
  metalCost_ = cost;
  useMetalCostButton->setAccessibleDescription(
      QStringLiteral("Puts the metal cost %1 from the %2 page into Materials").arg(cost, from));
}

void PricingPage::onUseMetalCostClicked() {
  if (metalCost_.isEmpty()) {
    services_.ShowMessage(this, MessageIcon::Information, QStringLiteral("Information"),
                          QStringLiteral("There is no metal cost yet. Work one out on the Metal or Casting "
                                         "page, with a metal price, and press this button again."),
                          false);
    return;
  }
  // Written before the step reads it, and spoken with the prices it gives.
  materialsBox->setText(metalCost_);
  calculate({{materialsBox, metalCost_}});
}

void PricingPage::onEnter(EntryBox* box) {
  RunGuarded(this, [this, box] {
    if (!calculate()) FocusNextControl(box);
  });
}

bool PricingPage::calculate(std::vector<BoxWrite> writes) {
  PricingInputs in;
  in.Materials = materialsBox->text();
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
  writeResults(this, writes);
  return out.Complete;
}

}  // namespace orvane
