#pragma once

#include "widgets/ext_page_control.h"

namespace orvane {

class AppContext;

// The "Jump Ring" page.
class TJumpRingPage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TJumpRingPage(AppContext& app, QWidget* parent = nullptr);
  void FillGrids() {}

 private:
  AppContext& app_;
};

// The "Wire Gauge" page.
class TWireGaugePage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TWireGaugePage(AppContext& app, QWidget* parent = nullptr);
  void FillGrids() {}

 private:
  AppContext& app_;
};

// The "Ring Size" page.
class TRingSizePage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TRingSizePage(AppContext& app, QWidget* parent = nullptr);
  void FillGrids() {}

 private:
  AppContext& app_;
};

}  // namespace orvane
