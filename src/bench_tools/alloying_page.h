#pragma once

#include <QWidget>

#include "core/alloying.h"

class QComboBox;
class QLabel;

namespace orvane {

class DesktopServices;
class EntryBox;

// The Bench window's "Alloying" page: the alloy that lowers a gold's karat,
// the fine gold that raises it, or the copper that makes fine silver sterling,
// with the weight that results.
class AlloyingPage : public QWidget {
  Q_OBJECT
 public:
  explicit AlloyingPage(DesktopServices& services, QWidget* parent = nullptr);

  static QString pageTitle();

 private:
  void enterPressed(AlloyField field);
  void calculate(AlloyField entered);
  void onTaskPicked();

  DesktopServices& services_;
  QComboBox* taskBox_;
  EntryBox* gramsBox_;
  EntryBox* fromBox_;
  EntryBox* toBox_;
  EntryBox* addedBox_;
  EntryBox* totalBox_;
  QLabel* addedCaption_ = nullptr;
  QLabel* formula_ = nullptr;
};

}  // namespace orvane
