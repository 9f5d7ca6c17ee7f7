#pragma once

#include "widgets/color_tab_widget.h"

namespace orvane {

class StringGrid;

// The "Jump Ring" page: sizes with their millimetre, fraction and inch values.
class JumpRingChartPage : public TabPage {
  Q_OBJECT
 public:
  explicit JumpRingChartPage(QWidget* parent = nullptr);

  // Makes and fills the grid the first time the page is shown.
  void buildGrids();
  void onTabShown() override {
    buildGrids();
    onPageShown();
  }
  QList<StringGrid*> navigationGrids() const override;

 private:
  StringGrid* jumpRingGrid = nullptr;

  void onPageShown();
};

// The "Wire Gauge" page: Brown & Sharp gauges 40 to 0000.
class WireGaugeChartPage : public TabPage {
  Q_OBJECT
 public:
  explicit WireGaugeChartPage(QWidget* parent = nullptr);

  // Makes and fills the grid the first time the page is shown.
  void buildGrids();
  void onTabShown() override {
    buildGrids();
    onPageShown();
  }
  QList<StringGrid*> navigationGrids() const override;

 private:
  StringGrid* wireGaugeGrid = nullptr;

  void onPageShown();
};

// The "Ring Size" page: North American sizes with their diameters and
// circumferences above, their foreign equivalents below. The two grids move
// together under the navigation buttons but keep their own selected rows.
class RingSizeChartPage : public TabPage {
  Q_OBJECT
 public:
  explicit RingSizeChartPage(QWidget* parent = nullptr);

  // Makes and fills the grids the first time the page is shown.
  void buildGrids();
  void onTabShown() override {
    buildGrids();
    onPageShown();
  }
  QList<StringGrid*> navigationGrids() const override;

 private:
  StringGrid* ringSizeGrid = nullptr;
  StringGrid* ringSizeIntlGrid = nullptr;

  void onPageShown();
  void onRingSizeGridHover();
  void onRingSizeIntlGridHover();
};

}  // namespace orvane
