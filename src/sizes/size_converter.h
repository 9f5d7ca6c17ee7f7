#pragma once

#include <QComboBox>

#include "core/converter_steps.h"
#include "core/key_filter.h"
#include "widgets/bevel_panel.h"

class QLabel;
class QPushButton;

namespace orvane {

class DesktopServices;
class EntryBox;

// A designation list (pearlBox, stoneBox): a drop-down list with an edit field
// in which nothing can be typed (Enter moves on). Only a user's pick (mouse,
// arrow keys, wheel) is reported; texts the program writes never are.
class DesignationBox : public QComboBox {
  Q_OBJECT
 public:
  explicit DesignationBox(QWidget* parent = nullptr);

  // As QComboBox's; a blank item gets a name for screen readers.
  void addItems(const QStringList& texts);
  // Shows a text written by the program; it selects no item.
  void setShownText(const QString& text);
  QString shownText() const { return currentText(); }

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

// sizeConverter: the size converter across the top of the main window.
class SizeConverter : public BevelPanel {
  Q_OBJECT
 public:
  explicit SizeConverter(DesktopServices& services, QWidget* parent = nullptr);

  // The box the user entered last.
  ConverterBox activeBox = ConverterBox::None;

  void onMmBoxEntered();
  void onInchBoxEntered();
  void onPearlBoxEntered();
  void onStoneBoxEntered();
  void onPearlPicked();
  void onStonePicked();
  void onCalculate();
  void onClearClicked();

 private:
  QLabel* pearlCaption;
  QLabel* stoneCaption;
  QLabel* mmCaption;
  QLabel* inchCaption;
  DesignationBox* pearlBox;
  DesignationBox* stoneBox;
  EntryBox* mmBox;
  EntryBox* inchBox;
  QPushButton* clearButton;

  void makeRoomForCaptions();
  ConverterBoxes readBoxes() const;
  void writeBoxes(const ConverterBoxes& boxes);
  template <typename Step>
  void runStep(Step&& step);

  DesktopServices& services_;
  PickedRanges ranges_;
};

}  // namespace orvane
