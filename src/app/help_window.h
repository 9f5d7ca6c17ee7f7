#pragma once

#include <QWidget>

namespace orvane {

class AppContext;
class TExtPageControl;
class TTabSheet;

// The help window: four pages of instructions; its callers pick the page
// before showing it.
class THelpFrm : public QWidget {
  Q_OBJECT
 public:
  explicit THelpFrm(AppContext& app, QWidget* parent = nullptr);

  TExtPageControl* HelpPageControl1;
  TTabSheet* TabSheet5;  // "License"
  TTabSheet* TabSheet6;  // "Stone Size"
  TTabSheet* TabSheet7;  // "Bead Calculator"
  TTabSheet* TabSheet1;  // "Worksheet"

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormClose();

  AppContext& app_;
};

}  // namespace orvane
