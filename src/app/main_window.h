#pragma once

#include <QWidget>

class QPushButton;
class QToolButton;

namespace orvane {

class AppContext;
class TExtPageControl;
class TPanel;
class TSizeConverterPanel;
class TAboutPage;
class TTipsPage;
class TBeadCalcPage;
class TPearlPlatePage;
class TStoneSizePage;
class TWeightPage;
class TJumpRingPage;
class TWireGaugePage;
class TRingSizePage;
class TLinksPage;
enum class GridNavigation;

// The main window: the size converter on top, ten pages in the middle and the
// button bar below. Closing it ends the program.
class TMainFrm : public QWidget {
  Q_OBJECT
 public:
  explicit TMainFrm(AppContext& app, QWidget* parent = nullptr);

  QString StartFolder;      // working directory when the window was created
  QString WorksheetFolder;  // StartFolder + "/Worksheet/"

  TSizeConverterPanel* Panel18;
  TExtPageControl* PageControl1;
  TPanel* Panel21;

  // Pages in their order; the index is what Help and navigation test.
  TAboutPage* TabSheet1;
  TTipsPage* TabSheet10;
  TBeadCalcPage* TabSheet8;
  TPearlPlatePage* TabSheet2;
  TStoneSizePage* TabSheet3;
  TWeightPage* TabSheet5;
  TJumpRingPage* TabSheet7;
  TWireGaugePage* TabSheet6;
  TRingSizePage* TabSheet4;
  TLinksPage* TabSheet9;

  QWidget* ToolBar1;
  QToolButton* ToolButton1;
  QToolButton* ToolButton2;
  QToolButton* ToolButton3;
  QToolButton* ToolButton4;
  QPushButton* BitBtn1;
  QPushButton* HelpBtn;
  QPushButton* FracBtn;
  QPushButton* WorksheetBtn;
  QPushButton* ExitBtn;

  void ExitBtnClick();
  void CalculatorBtnClick();
  void FracBtnClick();
  // The Weight page's Metal button: the Bench window on its Metal page.
  void showMetalBench();
  void WorksheetBtnClick();
  void HelpBtnClick();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void CreatePages();
  void CreateButtonBar();
  void Navigate(GridNavigation step);

  AppContext& app_;
};

}  // namespace orvane
