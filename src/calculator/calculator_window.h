#pragma once

#include <QWidget>

namespace orvane {

class AppContext;

class TCalculatorFrm : public QWidget {
  Q_OBJECT
 public:
  explicit TCalculatorFrm(AppContext& app, QWidget* parent = nullptr);

 private:
  AppContext& app_;
};

}  // namespace orvane
