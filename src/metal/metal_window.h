#pragma once

#include <QWidget>
#include <vector>

#include "core/metal.h"

class QComboBox;
class QLabel;

namespace orvane {

class DesktopServices;
class TEdit;

// The Bench window's Metal page: the weight and metal cost of wire, sheet and
// ring blanks.
class TMetalFrm : public QWidget {
  Q_OBJECT
 public:
  explicit TMetalFrm(DesktopServices& services, QWidget* parent = nullptr);

  QComboBox* MetalBox;
  TEdit* DensityBox;
  QComboBox* ShapeBox;
  QComboBox* GaugeBox;
  QComboBox* RingSizeBox;
  TEdit* InnerMm;
  TEdit* InnerInch;
  QLabel* AcrossLabel;
  TEdit* AcrossMm;
  TEdit* AcrossInch;
  TEdit* ThickMm;
  TEdit* ThickInch;
  TEdit* LengthMm;
  TEdit* LengthInch;
  TEdit* AllowanceBox;
  TEdit* VolumeBox;
  TEdit* GramBox;
  TEdit* DwtBox;
  TEdit* TroyOunceBox;
  TEdit* BlankMm;
  TEdit* BlankInch;
  TEdit* PriceBox;
  QComboBox* PriceUnitBox;
  TEdit* CostBox;

  // Enter in any box: every result from what the boxes hold. Returns whether
  // the weight could be worked out; if not, Enter walks on to the next box.
  bool CalcBtnClick();
  void MetalBoxChange();
  void ShapeBoxChange();
  void GaugeBoxChange();

 Q_SIGNALS:
  // A metal cost was worked out into the cost box (Pricing can take it
  // into its materials).
  void metalCostChanged();

 private:
  // One line of the window: a caption and the controls beside it, shown for
  // the shapes in `shapes` (a bit per MetalShape).
  struct Row {
    QLabel* caption;
    std::vector<QWidget*> fields;
    unsigned shapes;
    int height;
  };

  void NameControls();
  void CreateInputs();
  void CreateResults();
  TEdit* MakeBox(const QString& name, int width);
  TEdit* MakeResult(const QString& name);
  TEdit* MakeSizeBox(const QString& name, bool inch, SizeSource* source);
  void AddRow(std::vector<Row>& column, const QString& caption, std::vector<QWidget*> fields,
              unsigned shapes = ~0u, int height = 30);
  void EnterPressed(TEdit* box);
  TEdit* TwinOf(TEdit* mm) const;
  void LayOut();
  MetalShape Shape() const;

  DesktopServices& services_;
  std::vector<Row> inputs_, results_;
  QLabel* mmHeading_ = nullptr;
  QLabel* inchHeading_ = nullptr;
  // Which box of each size the user typed in last.
  SizeSource acrossSource_ = SizeSource::Mm;
  SizeSource thickSource_ = SizeSource::Mm;
  SizeSource lengthSource_ = SizeSource::Mm;
};

}  // namespace orvane
