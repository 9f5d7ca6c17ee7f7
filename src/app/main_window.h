#pragma once

#include <QWidget>

class QPushButton;

namespace orvane {

class AppContext;
class ColorTabWidget;
class BevelPanel;
class SizeConverter;
class AboutPage;
class TipsPage;
class BeadPage;
class PearlPlateChartPage;
class StoneSizeChartPage;
class WeightPage;
class JumpRingChartPage;
class WireGaugeChartPage;
class RingSizeChartPage;
class LinksPage;
enum class GridNavigation;

// The main window: the size converter on top, ten pages in the middle and the
// button bar below. Closing it ends the program.
class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(AppContext& app, QWidget* parent = nullptr);

  QString startFolder;      // working directory when the window was created
  QString worksheetFolder;  // startFolder + "/Worksheet/"

  void onExitClicked();
  void onCalculatorClicked();
  void onFractionsClicked();
  // The Weight page's Metal button: the Bench window on its Metal page.
  void showMetalBench();
  void onWorksheetClicked();
  void onHelpClicked();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildContents();
  void createPages();
  void createButtonBar();
  void makeRoomForTabRows();
  void navigate(GridNavigation step);

  AppContext& app_;

  // Children, found by tests under their field names.
  SizeConverter* sizeConverter;
  ColorTabWidget* pages;
  BevelPanel* buttonBar;

  // Pages in their order; the index is what Help and navigation test.
  AboutPage* aboutPage;
  TipsPage* tipsPage;
  BeadPage* beadPage;
  PearlPlateChartPage* pearlPlatePage;
  StoneSizeChartPage* stoneSizePage;
  WeightPage* weightPage;
  JumpRingChartPage* jumpRingPage;
  WireGaugeChartPage* wireGaugePage;
  RingSizeChartPage* ringSizePage;
  LinksPage* linksPage;

  QPushButton* calculatorButton;
  QPushButton* helpButton;
  QPushButton* fractionsButton;
  QPushButton* worksheetButton;
  QPushButton* exitButton;
};

}  // namespace orvane
