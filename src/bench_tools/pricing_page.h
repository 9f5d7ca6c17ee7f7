#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "bench_tools/bench_page_kit.h"

class QPushButton;

namespace orvane {

class DesktopServices;
class EntryBox;

// The Bench window's Pricing page: a piece's cost from materials, labour and
// overhead, and its wholesale and retail prices.
class PricingPage : public QWidget {
  Q_OBJECT
 public:
  explicit PricingPage(DesktopServices& services, QWidget* parent = nullptr);

  // The last metal cost worked out on another page, and where (the page's
  // name as its tab shows it).
  void setMetalCost(const QString& cost, const QString& from);

 private:
  // Returns whether the retail price is known. `writes` go in (and are
  // spoken) before the results.
  bool calculate(std::vector<BoxWrite> writes = {});
  void onUseMetalCostClicked();
  void onEnter(EntryBox* box);
  EntryBox* numberBox(const QString& name);

  EntryBox* materialsBox;
  QPushButton* useMetalCostButton;
  EntryBox* hoursBox;
  EntryBox* hourlyRateBox;
  EntryBox* overheadBox;
  EntryBox* wholesaleMultiplierBox;
  EntryBox* retailMultiplierBox;
  EntryBox* labourBox;
  EntryBox* costBox;
  EntryBox* wholesaleBox;
  EntryBox* retailBox;

  DesktopServices& services_;
  QString metalCost_;
};

}  // namespace orvane
