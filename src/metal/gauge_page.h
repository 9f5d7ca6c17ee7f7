#pragma once

#include <QWidget>

#include "core/wire_gauges.h"
#include "metal/bench_page_kit.h"

class QComboBox;

namespace orvane {

class DesktopServices;
class TEdit;

// The Bench window's "Gauges" page: American (B&S) and British Standard wire
// gauges side by side, both ways: pick a gauge and read its diameter and the
// nearest gauge of the other system, or type a diameter and read the nearest
// gauge of each.
class GaugePage : public QWidget {
  Q_OBJECT
 public:
  explicit GaugePage(DesktopServices& services, QWidget* parent = nullptr);

  static QString pageTitle();

  BenchSizeBoxes size;
  QComboBox* americanBox;
  TEdit* americanMm;
  TEdit* americanInch;
  QComboBox* britishBox;
  TEdit* britishMm;
  TEdit* britishInch;

  void enterPressed(TEdit* box);
  void onAmericanPicked();
  void onBritishPicked();

 private:
  void showReading(const GaugeReading& reading);

  DesktopServices& services_;
};

}  // namespace orvane
