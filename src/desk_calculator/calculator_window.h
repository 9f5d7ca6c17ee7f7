#pragma once

#include <QWidget>

namespace orvane {

class DesktopServices;
class CalculatorPad;

// The small always-on-top window that holds the desk calculator. Closing it,
// also with Escape, only hides it; the calculator keeps its memory.
class CalculatorWindow : public QWidget {
  Q_OBJECT
 public:
  explicit CalculatorWindow(DesktopServices& services, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Sees every character typed in the window before the calculator does.
  void onKeyTyped(QChar& key);

  CalculatorPad* calculatorPad = nullptr;
  DesktopServices& services_;
 Q_SIGNALS:
  // F1: the help window is someone else's to show.
  void helpWanted();
};

}  // namespace orvane
