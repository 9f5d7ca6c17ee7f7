#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace orvane {

class AppContext;
class TExtPageControl;
class TPanel;
class TTabSheet;

// The help window: four pages of instructions; its callers pick the page
// before showing it.
// The help window's pages, chosen by what they are about.
enum class HelpTopic { License, StoneSize, BeadCalculator, Worksheet };

class THelpFrm : public QWidget {
  Q_OBJECT
 public:
  explicit THelpFrm(QWidget* parent = nullptr);

  // Makes a topic's page the one the window shows.
  void ShowTopic(HelpTopic topic);

  TExtPageControl* HelpPageControl1;
  TTabSheet* TabSheet5;  // "License"
  TTabSheet* TabSheet6;  // "Stone Size"
  TTabSheet* TabSheet7;  // "Bead Calculator"
  TTabSheet* TabSheet1;  // "Worksheet"

  TPanel* Panel1;
  TPanel* Panel2;
  QScrollArea* ScrollBox1;  // around Panel3, the "Bead Calculator" help
  QWidget* Panel3;
  QScrollArea* ScrollBox2;  // around Panel4, the "Worksheet" help
  QWidget* Panel4;
  QPlainTextEdit* Memo4;  // licence statement
  QPlainTextEdit* Memo5;  // disclaimer
  QPushButton* Button1;   // never visible; Esc closes the window

  void FormClose();
  void TabSheet7Show();
  void TabSheet1Show();
  void Button1Click();
  // One wheel notification on a scroll box: one line step, when the pointer
  // (screen position) lies inside the box.
  void ScrollBoxMouseWheel(QScrollArea* box, const QPoint& globalPos, bool up);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLicensePage();
  void BuildStoneSizePage();
  void BuildBeadCalculatorPage();
  void BuildWorksheetPage();
  QScrollArea* BoxOf(QObject* object) const;

  int wheelRemainder_ = 0;
};

}  // namespace orvane
