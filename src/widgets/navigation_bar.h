#pragma once

#include <QWidget>
#include <array>

#include "widgets/string_grid.h"

class QToolButton;

namespace orvane {

// The flat First / Prior / Next / Last record bar: four 29 x 25 buttons with
// their pictures and hints, one family that reports which step was chosen.
// The buttons never take the focus, so the grid they move keeps it.
class NavigationBar : public QWidget {
  Q_OBJECT
 public:
  explicit NavigationBar(QWidget* parent);
  std::array<QToolButton*, 4> Buttons;

 Q_SIGNALS:
  void stepChosen(GridNavigation step);
};

}  // namespace orvane
