#pragma once

#include "widgets/panel.h"

namespace orvane {

class AppContext;

// Panel18: the size converter across the top of the main window.
class TSizeConverterPanel : public TPanel {
  Q_OBJECT
 public:
  explicit TSizeConverterPanel(AppContext& app, QWidget* parent = nullptr);

 private:
  AppContext& app_;
};

}  // namespace orvane
