#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace orvane {

class AppContext;
class ColorTabWidget;
class BevelPanel;
class TabPage;

// The help window: four pages of instructions; its callers pick the page
// before showing it.
// The help window's pages, chosen by what they are about.
// Fractions has no page of its own: the Stone Size page is the one that
// explains typing a size as a fraction (1/4) or a decimal.
enum class HelpTopic { License, StoneSize, BeadCalculator, Worksheet, Fractions };

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Makes a topic's page the one the window shows.
  void showTopic(HelpTopic topic);

  void onClosed();
  void onBeadCalculatorPageShown();
  void onWorksheetPageShown();
  void onCloseClicked();
  // One wheel notification on a scroll box: one line step, when the pointer
  // (screen position) lies inside the box.
  void scrollBoxWheel(QScrollArea* box, const QPoint& globalPos, bool up);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ColorTabWidget* pages;
  TabPage* licensePage;         // "License"
  TabPage* stoneSizePage;       // "Stone Size"
  TabPage* beadCalculatorPage;  // "Bead Calculator"
  TabPage* worksheetPage;       // "Worksheet"

  BevelPanel* licensePanel;
  BevelPanel* stoneSizePanel;
  QScrollArea* beadHelpScroll;  // around beadHelpContent, the "Bead Calculator" help
  QWidget* beadHelpContent;
  QScrollArea* worksheetHelpScroll;  // around worksheetHelpContent, the "Worksheet" help
  QWidget* worksheetHelpContent;
  QPlainTextEdit* licenceText;     // licence statement
  QPlainTextEdit* disclaimerText;  // disclaimer
  QPushButton* closeButton;        // never visible; Esc closes the window

  void buildLicensePage();
  void buildStoneSizePage();
  void buildBeadCalculatorPage();
  void buildWorksheetPage();
  QScrollArea* boxOf(QObject* object) const;

  int wheelRemainder_ = 0;
};

}  // namespace orvane
