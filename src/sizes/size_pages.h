#pragma once

#include "widgets/ext_page_control.h"

namespace orvane {

class TPanel;
class TStringGrid;

// The "Pearl Plate" page: the pearl plate chart under its heading panels.
class TPearlPlatePage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TPearlPlatePage(QWidget* parent = nullptr);

  // Makes and fills the grid the first time the page is shown.
  void BuildGrids();
  void Shown() override {
    BuildGrids();
    TabSheet2Show();
  }
  QList<TStringGrid*> NavigationGrids() const override;

  TPanel* PearlPanel;
  TStringGrid* PearlGrid = nullptr;

 private:
  void TabSheet2Show();
};

// The "Stone Size" page: the stone size chart under its heading panels.
class TStoneSizePage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TStoneSizePage(QWidget* parent = nullptr);

  // Makes and fills the grid the first time the page is shown.
  void BuildGrids();
  void Shown() override {
    BuildGrids();
    TabSheet3Show();
  }
  QList<TStringGrid*> NavigationGrids() const override;

  TPanel* StonePanel;
  TStringGrid* StoneGrid = nullptr;

 private:
  void TabSheet3Show();
};

// A bordered heading cell of a chart with its centred, wrapped caption.
TPanel* MakeHeadingCell(QWidget* parent, int left, int top, int width, int height, const QString& text);

}  // namespace orvane
