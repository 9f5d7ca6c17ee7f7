#pragma once

#include <QWidget>

class QPushButton;
class QTabWidget;

namespace orvane {

class CastingPage;
class DesktopServices;
class PricingPage;
class MetalPage;

// "Bench": the jeweller's calculators, a page each. Closing only hides it;
// every page keeps its texts.
class BenchWindow : public QWidget {
  Q_OBJECT
 public:
  explicit BenchWindow(DesktopServices& services, QWidget* parent = nullptr);

  MetalPage* metalPage() const { return metal_; }
  CastingPage* castingPage() const { return casting_; }
  PricingPage* pricingPage() const { return pricing_; }

  void showPage(QWidget* page);

 private:
  void createPages();
  // Ctrl+Tab and Ctrl+Shift+Tab turn the page wherever the focus is: a list
  // would otherwise take them as a letter to search for.
  void addPageKeys();

  QTabWidget* pages;
  QPushButton* closeButton;

  DesktopServices& services_;
  MetalPage* metal_ = nullptr;
  CastingPage* casting_ = nullptr;
  PricingPage* pricing_ = nullptr;
};

}  // namespace orvane
