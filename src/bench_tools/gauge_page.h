#pragma once

#include <QWidget>

#include "bench_tools/bench_page_kit.h"
#include "core/wire_gauges.h"

class QComboBox;
class QLabel;

namespace orvane {

class DesktopServices;
class EntryBox;

// The Bench window's "Gauges" page: American (B&S) and British Standard wire
// gauges side by side, both ways: pick a gauge and read its diameter and the
// nearest gauge of the other system, or type a diameter and read the nearest
// gauge of each.
class GaugePage : public QWidget {
  Q_OBJECT
 public:
  explicit GaugePage(DesktopServices& services, QWidget* parent = nullptr);

  static QString pageTitle();

 private:
  BenchSizeBoxes size;
  QComboBox* americanBox;
  EntryBox* americanMm;
  EntryBox* americanInch;
  QComboBox* britishBox;
  EntryBox* britishMm;
  EntryBox* britishInch;
  QLabel* beyondNote;  // a size beyond either table says so here

  void enterPressed(EntryBox* box);
  void onAmericanPicked();
  void onBritishPicked();
  // `picked` is the list just chosen from, said first.
  void showReading(const GaugeReading& reading, const QComboBox* picked = nullptr);

  DesktopServices& services_;
};

}  // namespace orvane
