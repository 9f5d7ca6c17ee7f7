#pragma once

#include <QWidget>

namespace orvane {

class AppContext;

class TWorksheetFrm : public QWidget {
  Q_OBJECT
 public:
  explicit TWorksheetFrm(AppContext& app, QWidget* parent = nullptr);

 private:
  AppContext& app_;
};

}  // namespace orvane
