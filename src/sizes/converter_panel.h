#pragma once

#include <QComboBox>

#include "core/converter_steps.h"
#include "core/key_filter.h"
#include "widgets/panel.h"

class QLabel;
class QPushButton;

namespace orvane {

class DesktopServices;
class TEdit;

// A designation list (PearlBox, StoneBox): a drop-down list with an edit field
// in which nothing can be typed (Enter moves on). Only a user's pick (mouse,
// arrow keys, wheel) is reported; texts the program writes never are.
class TDesignationBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TDesignationBox(QWidget* parent = nullptr);

  // As QComboBox's; a blank item gets a name for screen readers.
  void addItems(const QStringList& texts);
  // Shows a text written by the program; it selects no item.
  void SetText(const QString& text);
  QString Text() const { return currentText(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 Q_SIGNALS:
  void entered();  // focus gained, not counting the return from its own list
  void picked();

 private:
  bool returningFromElsewhere_ = false;
};

// Panel18: the size converter across the top of the main window.
class TSizeConverterPanel : public TPanel {
  Q_OBJECT
 public:
  explicit TSizeConverterPanel(DesktopServices& services, QWidget* parent = nullptr);

  QLabel* Label9;
  QLabel* Label10;
  QLabel* Label11;
  QLabel* Label12;
  TDesignationBox* PearlBox;
  TDesignationBox* StoneBox;
  TEdit* MmBox;
  TEdit* InchBox;
  QPushButton* ClearBtn1;

  // The box the user entered last.
  ConverterBox ActiveBox = ConverterBox::None;

  void MmBoxEnter();
  void InchBoxEnter();
  void PearlBoxEnter();
  void StoneBoxEnter();
  void PearlBoxChange();
  void StoneBoxChange();
  void CalcBtnClick();
  void ClearBtnClick();

 private:
  ConverterBoxes ReadBoxes() const;
  void WriteBoxes(const ConverterBoxes& boxes);
  template <typename Step>
  void RunStep(Step&& step);

  DesktopServices& services_;
  PickedRanges ranges_;
};

}  // namespace orvane
