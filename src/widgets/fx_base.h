#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>

namespace orvane {

class TFxBase;

// The caption label a control of the Fx family can carry: a plain text label
// on the control's parent, just above the control's left edge, that follows
// the control when it moves or is resized.
class TFxAttachedLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TFxAttachedLabel(QWidget* parent);
};

class TFxLabelInfo {
 public:
  explicit TFxLabelInfo(TFxBase& owner) : owner_(owner) {}

  bool Visible() const { return !label_.isNull(); }
  // Creates the label (captioned with the control's name and "Label") or
  // destroys it.
  void SetVisible(bool visible);
  int OffsetX() const { return offsetX_; }
  void SetOffsetX(int offset);
  int OffsetY() const { return offsetY_; }
  void SetOffsetY(int offset);

  TFxAttachedLabel* Label() const { return label_; }
  // Puts the label back in its place next to the control.
  void Place();

 private:
  TFxBase& owner_;
  // Deleting the label by hand makes it invisible, as the pointer then clears.
  QPointer<TFxAttachedLabel> label_;
  int offsetX_ = 0;
  int offsetY_ = 0;
};

// Common base of the Fx controls: its default size and the attached label.
class TFxBase : public QWidget {
  Q_OBJECT
 public:
  explicit TFxBase(QWidget* parent = nullptr);
  ~TFxBase() override;

  TFxLabelInfo& FxLabelInfo() { return labelInfo_; }
  const TFxLabelInfo& FxLabelInfo() const { return labelInfo_; }

 protected:
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  TFxLabelInfo labelInfo_;
};

}  // namespace orvane
