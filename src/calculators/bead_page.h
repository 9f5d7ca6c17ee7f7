#pragma once

#include "widgets/ext_page_control.h"

namespace orvane {

class AppContext;

// The "Bead Calculator" page: strand calculator above, stone area calculator below.
class TBeadCalcPage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TBeadCalcPage(AppContext& app, QWidget* parent = nullptr);

 private:
  AppContext& app_;
};

}  // namespace orvane
