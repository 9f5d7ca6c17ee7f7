#pragma once

#include <QWidget>

#include "bench_tools/bench_page_kit.h"
#include "core/knotted_strand.h"

class QComboBox;

namespace orvane {

class DesktopServices;
class EntryBox;

// The Bench window's "Knotted Strand" page: how many beads, with a knot after
// each, make a strand of a finished length with its clasp, and what is left.
class KnottedStrandPage : public QWidget {
  Q_OBJECT
 public:
  explicit KnottedStrandPage(DesktopServices& services, QWidget* parent = nullptr);

  static QString pageTitle();

 private:
  QComboBox* standardBox;
  BenchSizeBoxes length;
  EntryBox* beadBox;
  EntryBox* knotBox;
  EntryBox* claspBox;
  EntryBox* beadCountBox;
  EntryBox* leftOverBox;

  void enterPressed(StrandField field);
  void onStandardPicked();
  // `picked` is the list just chosen from, said with the results.
  void calculate(StrandField entered, const QComboBox* picked = nullptr);

  DesktopServices& services_;
};

}  // namespace orvane
