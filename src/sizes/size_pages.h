#pragma once

#include "widgets/color_tab_widget.h"

namespace orvane {

class BevelPanel;
class StringGrid;

// The "Pearl Plate" page: the pearl plate chart under its heading panels.
class PearlPlateChartPage : public TabPage {
  Q_OBJECT
 public:
  explicit PearlPlateChartPage(QWidget* parent = nullptr);

  // Makes and fills the grid the first time the page is shown.
  void buildGrids();
  void onTabShown() override {
    buildGrids();
    onPageShown();
  }
  QList<StringGrid*> navigationGrids() const override;

 private:
  BevelPanel* pearlHeading;
  int gridTop_ = 0;  // below the headings
  StringGrid* pearlGrid = nullptr;

  void onPageShown();
};

// The "Stone Size" page: the stone size chart under its heading panels.
class StoneSizeChartPage : public TabPage {
  Q_OBJECT
 public:
  explicit StoneSizeChartPage(QWidget* parent = nullptr);

  // Makes and fills the grid the first time the page is shown.
  void buildGrids();
  void onTabShown() override {
    buildGrids();
    onPageShown();
  }
  QList<StringGrid*> navigationGrids() const override;

 private:
  BevelPanel* stoneHeading;
  int gridTop_ = 0;  // below the headings
  StringGrid* stoneGrid = nullptr;

  void onPageShown();
};

// A heading as a screen reader says it: on one line, without the soft
// hyphens where a long word may break.
QString spokenHeading(const QString& shown);

// A bordered heading cell of a chart with its centred, wrapped caption.
BevelPanel* makeHeadingCell(QWidget* parent, int left, int top, int width, int height, const QString& text);

}  // namespace orvane
