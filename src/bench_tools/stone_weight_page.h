#pragma once

#include <QWidget>

#include "core/stone_weight.h"

class QComboBox;
class QLabel;

namespace orvane {

class DesktopServices;
class EntryBox;

// The Bench window's "Stone Weight" page: a stone's weight in carats from its
// measurements, by shape and specific gravity.
class StoneWeightPage : public QWidget {
  Q_OBJECT
 public:
  explicit StoneWeightPage(DesktopServices& services, QWidget* parent = nullptr);

  static QString pageTitle();

 private:
  QComboBox* stoneBox;
  EntryBox* gravityBox;
  QComboBox* shapeBox;
  EntryBox* lengthBox;
  EntryBox* widthBox;
  EntryBox* depthBox;
  EntryBox* caratBox;
  QLabel* formulaLabel;

  // Enter in a box: the weight when every needed box is filled, otherwise
  // the caret goes on to the first empty one.
  void enterPressed(StoneField field);
  void onStoneChanged();
  void onShapeChanged();
  void showStone();
  void showShape();

  StoneWeightInputs inputs() const;
  StoneShape shape() const;
  // `picked` is the list just chosen from, said with the weight.
  void calculate(StoneField entered, const QComboBox* picked = nullptr);
  EntryBox* boxOf(StoneField field) const;

  DesktopServices& services_;
  QLabel* lengthCaption_ = nullptr;
  QLabel* widthCaption_ = nullptr;
  QLabel* widthNote_ = nullptr;
};

}  // namespace orvane
