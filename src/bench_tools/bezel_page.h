#pragma once

#include <QWidget>

#include "bench_tools/bench_page_kit.h"
#include "core/bezel.h"

class QComboBox;
class QLabel;

namespace orvane {

class DesktopServices;
class EntryBox;

// The Bench window's "Bezel Strip" page: the length of strip that wraps a
// round, oval or rectangular stone, for the strip's thickness.
class BezelPage : public QWidget {
  Q_OBJECT
 public:
  explicit BezelPage(DesktopServices& services, QWidget* parent = nullptr);

  static QString pageTitle();

 private:
  void enterPressed(BezelField field);
  void calculate(BezelField entered);
  void onShapePicked();

  DesktopServices& services_;
  QComboBox* shapeBox_;
  BenchSizeBoxes length_;
  BenchSizeBoxes width_;
  BenchSizeBoxes thickness_;
  EntryBox* perimeterBox_;
  EntryBox* stripMmBox_;
  EntryBox* stripInchBox_;
  QLabel* lengthCaption_ = nullptr;
};

}  // namespace orvane
