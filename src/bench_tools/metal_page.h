#pragma once

#include <QWidget>
#include <vector>

#include "core/metal.h"

class QComboBox;
class QGridLayout;
class QLabel;

namespace orvane {

class DesktopServices;
class EntryBox;

// The Bench window's Metal page: the weight and metal cost of wire, sheet and
// ring blanks.
class MetalPage : public QWidget {
  Q_OBJECT
 public:
  explicit MetalPage(DesktopServices& services, QWidget* parent = nullptr);

  // The metal cost last worked out, as shown.
  QString metalCost() const;

 Q_SIGNALS:
  // A metal cost was worked out into the cost box (Pricing can take it
  // into its materials).
  void metalCostChanged();

 private:
  QComboBox* metalBox;
  EntryBox* densityBox;
  QComboBox* shapeBox;
  QComboBox* gaugeBox;
  QComboBox* ringSizeBox;
  EntryBox* innerMmBox;
  EntryBox* innerInchBox;
  QLabel* acrossLabel;
  EntryBox* acrossMmBox;
  EntryBox* acrossInchBox;
  EntryBox* thicknessMmBox;
  EntryBox* thicknessInchBox;
  EntryBox* lengthMmBox;
  EntryBox* lengthInchBox;
  EntryBox* allowanceBox;
  EntryBox* volumeBox;
  EntryBox* gramBox;
  EntryBox* pennyweightBox;
  EntryBox* troyOunceBox;
  EntryBox* blankMmBox;
  EntryBox* blankInchBox;
  EntryBox* priceBox;
  QComboBox* priceUnitBox;
  EntryBox* costBox;

  // Enter in any box or a pick: every result from what the boxes hold.
  // Returns whether the weight could be worked out; if not, Enter walks on to
  // the next box. `picked` is the list just chosen from, said with the results.
  bool calculate(const QComboBox* picked = nullptr);
  void onMetalPicked();
  void onShapePicked();
  void onGaugePicked();
  void showMetalDensity();

  // One line of the window: a caption and the controls beside it, shown for
  // the shapes in `shapes` (a bit per MetalShape), in its column's grid.
  struct Row {
    QLabel* caption;
    std::vector<QWidget*> fields;
    unsigned shapes;
    int height;
    int gridRow;
  };

  void nameControls();
  void createInputs();
  void createResults();
  EntryBox* makeBox(const QString& name, int width);
  EntryBox* makeResult(const QString& name, int width);
  EntryBox* makeSizeBox(const QString& name, bool inch, SizeSource* source);
  void addRow(std::vector<Row>& column, const QString& caption, std::vector<QWidget*> fields,
              unsigned shapes = ~0u, int height = 30);
  void enterPressed(EntryBox* box);
  EntryBox* twinOf(EntryBox* mm) const;
  void showRowsForShape();
  void holdCaptionWidths();
  MetalShape chosenShape() const;
  // The diameter, side or width box's caption and name for a shape.
  static QString acrossCaption(MetalShape shape);
  static QString acrossName(MetalShape shape);

  DesktopServices& services_;
  std::vector<Row> inputs_, results_;
  QGridLayout* inputsGrid_ = nullptr;
  QGridLayout* resultsGrid_ = nullptr;
  QLabel* mmHeading_ = nullptr;
  QLabel* inchHeading_ = nullptr;
  // Which box of each size the user typed in last.
  SizeSource acrossSource_ = SizeSource::Mm;
  SizeSource thickSource_ = SizeSource::Mm;
  SizeSource lengthSource_ = SizeSource::Mm;
};

}  // namespace orvane
