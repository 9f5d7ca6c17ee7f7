#pragma once

#include <QWidget>

#include "bench_tools/bench_page_kit.h"
#include "core/jump_ring.h"
#include "core/wire_gauges.h"

class QComboBox;
class QLabel;

namespace orvane {

class DesktopServices;
class EntryBox;

// The Bench window's "Jump Ring" page: a ring's aspect ratio from its inner
// (or outer) diameter and its wire, the wire typed in mm or inches or picked
// as an AWG or SWG gauge; for a picked chainmaille weave, its working range
// and the inner diameters it needs with that wire.
class JumpRingPage : public QWidget {
  Q_OBJECT
 public:
  explicit JumpRingPage(DesktopServices& services, QWidget* parent = nullptr);

  static QString pageTitle();

 private:
  QComboBox* measuredBox;  // inner or outer diameter
  BenchSizeBoxes diameter;
  QComboBox* americanBox;
  QComboBox* britishBox;
  BenchSizeBoxes wire;
  EntryBox* innerBox;
  EntryBox* ratioBox;
  QComboBox* weaveBox;
  EntryBox* weaveRatioBox;
  EntryBox* weaveInnerBox;
  EntryBox* weaveFitBox;

  void enterPressed(JumpRingField field);
  void onMeasuredChanged();
  void showMeasured();
  void onAmericanPicked();
  void onBritishPicked();
  void onWeavePicked();
  // `picked` is the list just chosen from, said with the results.
  void calculate(JumpRingField entered, const QComboBox* picked = nullptr);
  void pickGauge(GaugeSystem system, int entry);

  DesktopServices& services_;
  QLabel* diameterCaption_ = nullptr;
};

}  // namespace orvane
