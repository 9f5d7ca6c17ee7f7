#pragma once

#include <QWidget>
#include <array>
#include <functional>

class QToolButton;

namespace orvane {

// The flat First / Prior / Next / Last record bar: four 29 x 25 buttons with
// their pictures and hints. The buttons never take the focus, so the grid
// they move keeps it. Each click runs inside the error boundary.
class TNavigationBar : public QWidget {
  Q_OBJECT
 public:
  TNavigationBar(QWidget* parent, std::array<std::function<void()>, 4> clicks);
  std::array<QToolButton*, 4> Buttons;
};

}  // namespace orvane
