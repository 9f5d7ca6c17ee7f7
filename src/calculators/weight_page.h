#pragma once

#include "widgets/ext_page_control.h"

namespace orvane {

class AppContext;

// The "Weight" page: a weight in any of five units converted into the other four.
class TWeightPage : public TTabSheet {
  Q_OBJECT
 public:
  explicit TWeightPage(AppContext& app, QWidget* parent = nullptr);

 private:
  AppContext& app_;
};

}  // namespace orvane
