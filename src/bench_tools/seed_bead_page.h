#pragma once

#include <QWidget>

#include "bench_tools/bench_page_kit.h"
#include "core/seed_beads.h"

class QComboBox;

namespace orvane {

class DesktopServices;
class EntryBox;

// The Bench window's "Seed Beads" page: beads per gram, tube and inch of a
// size, and for a loom, peyote or brick stitch piece its columns, rows, bead
// count and the grams to buy.
class SeedBeadPage : public QWidget {
  Q_OBJECT
 public:
  explicit SeedBeadPage(DesktopServices& services, QWidget* parent = nullptr);

  static QString pageTitle();

 private:
  void enterPressed(SeedBeadField field);
  void calculate(SeedBeadField entered);

  DesktopServices& services_;
  QComboBox* sizeBox_;
  QComboBox* stitchBox_;
  BenchSizeBoxes width_;
  BenchSizeBoxes length_;
  EntryBox* perGramBox_;
  EntryBox* perTubeBox_;
  EntryBox* perInchBox_;
  EntryBox* columnsBox_;
  EntryBox* rowsBox_;
  EntryBox* beadsBox_;
  EntryBox* gramsBox_;
  EntryBox* tubesBox_;
};

}  // namespace orvane
