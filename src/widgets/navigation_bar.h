#pragma once

#include <QWidget>

#include "widgets/string_grid.h"

namespace orvane {

// The flat First / Prior / Next / Last record bar: four 29 x 25 buttons with
// their pictures and hints, one family that reports which step was chosen.
// The buttons never take the focus, so the grid they move keeps it. They are
// named firstPageButton, previousPageButton, nextPageButton, lastPageButton.
class NavigationBar : public QWidget {
  Q_OBJECT
 public:
  explicit NavigationBar(QWidget* parent);

 Q_SIGNALS:
  void stepChosen(GridNavigation step);
};

}  // namespace orvane
