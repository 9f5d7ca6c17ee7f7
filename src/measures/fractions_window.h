#pragma once

#include <QWidget>

class QPushButton;

namespace orvane {

class DesktopServices;
class StringGrid;
enum class GridNavigation;

// "Fractions and Stone Size": the sixty-fourths of an inch with their
// equivalents. Closing only hides it; the selected row stays for next time.
class FractionsWindow : public QWidget {
  Q_OBJECT
 public:
  explicit FractionsWindow(DesktopServices& services, QWidget* parent = nullptr);

  void onCloseClicked();
  // Makes and fills the grid the first time the window is shown.
  void buildGrid();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  StringGrid* fractionGrid = nullptr;
  QPushButton* closeButton;

  void onShown();
  void createToolBar();
  void navigate(GridNavigation step);

  DesktopServices& services_;
 Q_SIGNALS:
  // F1: the help window is someone else's to show.
  void helpWanted();
};

}  // namespace orvane
