#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "core/worksheet_file.h"
#include "core/worksheet_rows.h"
#include "core/worksheet_steps.h"
#include "widgets/bevel_panel.h"

namespace orvane {

class DesktopServices;
class EntryBox;
struct WorksheetCsv;

// The worksheet's ten rows and their total: the boxes, the step each box runs
// when it is left, and where the caret goes next. Its boxes are its own; the
// window reads and fills them through the texts.
class WorksheetRowsPanel : public BevelPanel {
  Q_OBJECT
 public:
  using RowTexts = std::array<WorksheetRowText, kWorksheetRows>;

  WorksheetRowsPanel(DesktopServices& services, QWidget* parent);

  RowTexts typedRows() const;
  // Every box worked out afresh from typed texts, row by row as if the user
  // had left each row's boxes; a row that fails is reported and the rest go
  // on. Nothing is spoken and the focus stays where it is.
  void showRows(const RowTexts& texts);
  // Empties every box (not the file name: that is the window's).
  void clearRows();
  void fillCsv(WorksheetCsv& sheet) const;
  QString totalText() const;
  // The text of a report variable naming one of the boxes (D1, M2, ...,
  // TOTAL1), or nothing for other names.
  std::optional<QString> reportValue(const QString& name) const;
  // The row values as the steps left them, index k - 1 for row k.
  const std::array<WorksheetRowValues, kWorksheetRows>& rowValues() const { return rows_; }
  double totalLength() const { return totalValue_; }
  EntryBox* firstBox() const { return descriptionBoxes_[0]; }
  // The panel's height: as designed, or taller where the headings take
  // more than two lines.
  int neededHeight() const;
  bool isTypedBox(const QObject* object) const;

 Q_SIGNALS:
  // A typed box's text changed (by the user or by a step).
  void edited();

 private:
  // Where the columns stand: as designed, unless a longer word between the
  // size boxes needs more room than the English "or".
  struct Columns {
    int descWidth, mm, orLeft, orWidth, inch, count, perInch, length;
  };
  static Columns columnsFor(int orTextWidth);
  void createRow(int k, int top);
  void bindRow(int k);
  // A computation of one row (core/worksheet_steps.h); true when the caret is
  // to go on to the row's bead count.
  using RowStep = std::function<bool(WorksheetRowValues&, WorksheetRowBoxes&)>;
  bool runRowStep(int k, const RowStep& step);
  void sizeFromMm(int k);
  void sizeFromInch(int k);
  void lengthFromCount(int k);
  void recomputeTotal();
  void moveFocusTo(QWidget* box);
  void moveFocusOnLeaving(QWidget* box);
  bool eventFilter(QObject* watched, QEvent* event) override;

  DesktopServices& services_;
  Columns columns_{};
  QString orText_;
  int extraHeight_ = 0;
  std::array<EntryBox*, kWorksheetRows> descriptionBoxes_{}, mmBoxes_{}, inchBoxes_{}, countBoxes_{},
      perInchBoxes_{}, lengthBoxes_{};
  EntryBox* totalBox_ = nullptr;
  std::array<WorksheetRowValues, kWorksheetRows> rows_{};
  double totalValue_ = 0;
  // The box the user entered last: a box that gets a focus-out without having
  // had the focus (the focus moved on inside another box's exit) is no exit.
  QWidget* enteredBox_ = nullptr;
  bool loading_ = false;
};

}  // namespace orvane
