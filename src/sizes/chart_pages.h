#pragma once

#include "widgets/ext_page_control.h"

namespace orvane {

class TStringGrid;

// The "Jump Ring" page: sizes with their millimetre, fraction and inch values.
class TJumpRingPage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TJumpRingPage(QWidget* parent = nullptr);

  // Makes and fills the grid the first time the page is shown.
  void BuildGrids();
  void Shown() override {
    BuildGrids();
    TabSheet7Show();
  }
  QList<TStringGrid*> NavigationGrids() const override;

  TStringGrid* JumpGrid = nullptr;

 private:
  void TabSheet7Show();
};

// The "Wire Gauge" page: Brown & Sharp gauges 40 to 0000.
class TWireGaugePage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TWireGaugePage(QWidget* parent = nullptr);

  // Makes and fills the grid the first time the page is shown.
  void BuildGrids();
  void Shown() override {
    BuildGrids();
    TabSheet6Show();
  }
  QList<TStringGrid*> NavigationGrids() const override;

  TStringGrid* WireGrid = nullptr;

 private:
  void TabSheet6Show();
};

// The "Ring Size" page: North American sizes with their diameters and
// circumferences above, their foreign equivalents below. The two grids move
// together under the navigation buttons but keep their own selected rows.
class TRingSizePage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TRingSizePage(QWidget* parent = nullptr);

  // Makes and fills the grids the first time the page is shown.
  void BuildGrids();
  void Shown() override {
    BuildGrids();
    TabSheet4Show();
  }
  QList<TStringGrid*> NavigationGrids() const override;

  TStringGrid* RingNGrid = nullptr;
  TStringGrid* RingIntGrid = nullptr;

 private:
  void TabSheet4Show();
  void RingNGridMouseMove();
  void RingIntGridMouseMove();
};

}  // namespace orvane
