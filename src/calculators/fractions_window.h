#pragma once

#include <QWidget>

class QPushButton;
class QToolButton;

namespace orvane {

class DesktopServices;
class TStringGrid;
enum class GridNavigation;

// "Fractions and Stone Size": the sixty-fourths of an inch with their
// equivalents. Closing only hides it; the selected row stays for next time.
class TFracFrm : public QWidget {
  Q_OBJECT
 public:
  explicit TFracFrm(DesktopServices& services, QWidget* parent = nullptr);

  TStringGrid* FracGrid = nullptr;
  QWidget* ToolBar1;
  QToolButton* ToolButton1;
  QToolButton* ToolButton2;
  QToolButton* ToolButton3;
  QToolButton* ToolButton4;
  QPushButton* CloseBtn;

  void CloseBtnClick();
  // Makes and fills the grid the first time the window is shown.
  void BuildGrid();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void CreateToolBar();
  void Navigate(GridNavigation step);

  DesktopServices& services_;
 Q_SIGNALS:
  // F1: the help window is someone else's to show.
  void helpWanted();
};

}  // namespace orvane
