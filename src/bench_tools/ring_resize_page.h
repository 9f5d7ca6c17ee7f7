#pragma once

#include <QWidget>

#include "bench_tools/bench_page_kit.h"
#include "core/ring_resize.h"

class QComboBox;
class QLabel;

namespace orvane {

class DesktopServices;
class EntryBox;

// The Bench window's "Ring Resizing" page: from a ring's size to another on
// any scale of the Ring Size chart, the length of stock to add or cut out and
// the weight of that metal.
class RingResizePage : public QWidget {
  Q_OBJECT
 public:
  explicit RingResizePage(DesktopServices& services, QWidget* parent = nullptr);

  static QString pageTitle();

 private:
  void enterPressed(RingResizeField field);
  void calculate(RingResizeField entered);
  void onScalePicked();
  void onMetalPicked();
  // The change's captions and names: adding stock or taking it out.
  void showChange(RingChange change);

  DesktopServices& services_;
  QComboBox* scaleBox_;
  QComboBox* fromBox_;
  QComboBox* toBox_;
  BenchSizeBoxes thickness_;
  BenchSizeBoxes width_;
  QComboBox* metalBox_;
  EntryBox* densityBox_;
  EntryBox* fromInnerBox_;
  EntryBox* toInnerBox_;
  EntryBox* fromBlankBox_;
  EntryBox* toBlankBox_;
  EntryBox* changeMmBox_;
  EntryBox* changeInchBox_;
  EntryBox* gramsBox_;
  QLabel* changeCaption_ = nullptr;
  QLabel* gramsCaption_ = nullptr;
};

}  // namespace orvane
