#include "widgets/fx_base.h"

#include "widgets/look.h"

namespace orvane {

TFxAttachedLabel::TFxAttachedLabel(QWidget* parent) : QLabel(parent) {
  // Plain black text on an opaque background, in the parent's font.
  setAutoFillBackground(true);
  SetTextColor(this, cl::Black);
}

void TFxLabelInfo::SetVisible(bool visible) {
  if (visible == Visible()) return;
  if (!visible) {
    delete label_.data();
    return;
  }
  // The label lives beside the control on its parent; a control without a
  // parent has nowhere to put one.
  if (!owner_.parentWidget()) return;
  label_ = new TFxAttachedLabel(owner_.parentWidget());
  label_->setText(owner_.objectName() + QStringLiteral("Label"));
  label_->adjustSize();
  Place();
  label_->show();
}

void TFxLabelInfo::SetOffsetX(int offset) {
  offsetX_ = offset;
  Place();
}

void TFxLabelInfo::SetOffsetY(int offset) {
  offsetY_ = offset;
  Place();
}

void TFxLabelInfo::Place() {
  if (!label_) return;
  label_->move(owner_.x() + offsetX_, owner_.y() - label_->height() + offsetY_);
}

TFxBase::TFxBase(QWidget* parent) : QWidget(parent), labelInfo_(*this) { resize(75, 25); }

TFxBase::~TFxBase() { labelInfo_.SetVisible(false); }

void TFxBase::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  labelInfo_.Place();
}

void TFxBase::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  labelInfo_.Place();
}

}  // namespace orvane
