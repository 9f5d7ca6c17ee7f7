#pragma once

#include <QWidget>

namespace orvane {

class AppContext;

class TFracFrm : public QWidget {
  Q_OBJECT
 public:
  explicit TFracFrm(AppContext& app, QWidget* parent = nullptr);

 private:
  AppContext& app_;
};

}  // namespace orvane
