#include "calculator/calculator_control.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "calculator/calc_panel.h"
#include "calculator/calculator_accessible.h"
#include "core/spoken_results.h"
#include "platform/announcer.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "widgets/edit.h"
#include "widgets/look.h"

namespace orvane {

namespace {

// A push-button face: a dark outline, then a one-pixel bevel, raised or sunken.
void DrawButtonFace(QPainter& p, QRect r, bool sunken) {
  p.fillRect(r, SystemColor(SysColor::BtnFace));
  p.setPen(SystemColor(SysColor::DarkShadow3D));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  r.adjust(1, 1, -1, -1);
  if (sunken) {
    p.setPen(SystemColor(SysColor::BtnShadow));
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    return;
  }
  p.setPen(SystemColor(SysColor::BtnHighlight));
  p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
  p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
  p.setPen(SystemColor(SysColor::BtnShadow));
  p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

// Where each button sits: row 0..4, and column -1 for the memory column,
// 0..4 for the main block. Back, CE and C are laid out separately.
struct GridPlace {
  TFxCalculatorButton button;
  int row, column;
};
constexpr GridPlace kGrid[] = {
    {cbMemClear, 0, -1}, {cbMemRecall, 1, -1}, {cbMemStore, 2, -1}, {cbMemAdd, 3, -1}, {cbMemSub, 4, -1},
    {cb7, 1, 0},         {cb8, 1, 1},          {cb9, 1, 2},         {cbDiv, 1, 3},     {cbSqrt, 1, 4},
    {cb4, 2, 0},         {cb5, 2, 1},          {cb6, 2, 2},         {cbMul, 2, 3},     {cbPercent, 2, 4},
    {cb1, 3, 0},         {cb2, 3, 1},          {cb3, 3, 2},         {cbSub, 3, 3},     {cbReciprocal, 3, 4},
    {cb0, 4, 0},         {cbChangeSign, 4, 1}, {cbDecimal, 4, 2},   {cbAdd, 4, 3},     {cbEquals, 4, 4}};

}  // namespace

TFxCalculator::TFxCalculator(DesktopServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  InstallCalculatorAccessibility();
  setAccessibleName(QStringLiteral("Calculator"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);  // painting covers everything
  SetBackground(this, SystemColor(SysColor::BtnFace));

  display_ = new TFxCalcPanel(this);
  display_->SetText(engine_.Text());

  // The engine is a member: its connections end with the control.
  connect(&engine_, &TFxCalcEngine::alerted, this, [this] { services_.AlertSound(); });
  connect(&engine_, &TFxCalcEngine::displayChanged, this, [this] {
    const QString before = display_->Text();
    display_->SetText(engine_.Text());
    setAccessibleDescription(engine_.Text().trimmed());
    NotifyCalculatorDisplayChanged(display_, before);
    displayChanged_ = true;
  });
  connect(&engine_, &TFxCalcEngine::memoryChanged, this, [this] {
    RepaintButton(cbMemClear);
    RepaintButton(cbMemRecall);
  });
  connect(&engine_, &TFxCalcEngine::pressFeedback, this, &TFxCalculator::PressFeedback);
  connect(&engine_, &TFxCalcEngine::buttonPressed, this, [this](TFxCalculatorButton b) {
    // The focus stays on the keypad: the new display or memory is spoken.
    announce(this, spokenCalculatorKey(b, displayChanged_, engine_.Text(), engine_.Memory()));
    displayChanged_ = false;
    Q_EMIT buttonPressed(b);
  });
  connect(&colors_, &TFxCalcColors::changed, this, &TFxCalculator::ApplyColors);

  resize(200, 140);
  ApplyColors();
  ApplyFrame();
  Relayout();
}

TFxCalculator::~TFxCalculator() = default;

void TFxCalculator::SetShowMemoryButtons(bool show) {
  if (show == showMemoryButtons_) return;
  showMemoryButtons_ = show;
  Relayout();
}

void TFxCalculator::SetBorderStyle(TFxBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  ApplyFrame();
  Relayout();
}

void TFxCalculator::SetCtl3D(bool ctl3D) {
  if (ctl3D == ctl3D_) return;
  ctl3D_ = ctl3D;
  ApplyFrame();
  Relayout();
}

int TFxCalculator::BorderWidth() const {
  if (borderStyle_ == TFxBorderStyle::bsNone) return 0;
  return ctl3D_ ? 2 : 1;
}

void TFxCalculator::ApplyFrame() {
  display_->SetCtl3D(ctl3D_);
  update();
}

void TFxCalculator::ApplyColors() {
  display_->SetColors(colors_.Display(), colors_.DisplayText());
  update();
}

const std::array<TFxCalculator::ButtonInfo, kCalculatorButtonCount>& TFxCalculator::Buttons() const {
  if (layoutDirty_ || laidOutSize_ != size()) ComputeLayout();
  return buttons_;
}

void TFxCalculator::Relayout() {
  layoutDirty_ = true;
  ComputeLayout();
  update();
}

void TFxCalculator::ComputeLayout() const {
  layoutDirty_ = false;
  laidOutSize_ = size();
  const int border = BorderWidth();
  const int cw = width() - 2 * border;
  const int ch = height() - 2 * border;
  const int thinBorder = 1;
  const int ph = fontMetrics().height() + (ctl3D_ ? 8 : 6) * thinBorder;
  const bool roomy = width() > 200;
  const int g = roomy ? 4 : 2;
  int m = roomy ? 6 : 4;

  int bw = 0, mg = 0;
  if (showMemoryButtons_) {
    bw = std::max(0, (cw - 3 * m - 4 * g) / 6);
    // The memory gap takes the pixels the division leaves over.
    mg = std::max(m, cw - 2 * m - 6 * bw - 4 * g);
  } else {
    const int t = cw - 2 * m - 4 * g;
    bw = std::max(0, t / 5);
    if (t / 6 >= 4)
      m += 2;
    else if (t / 6 >= 2)
      m += 1;
  }
  const int bh = std::max(0, (ch - 2 * m - ph - m - 4 * g) / 5);
  // The keypad sits at the bottom; spare rows of pixels go above it.
  const int topY = ch - m - 5 * bh - 4 * g;
  const int ww = (4 * bw + g) / 3;
  const int x0 = showMemoryButtons_ ? m + bw + mg : m;
  const int displayWidth = showMemoryButtons_ ? 6 * bw + mg + 4 * g : 5 * bw + 4 * g;

  display_->setGeometry(border + m, border + m, displayWidth, ph);

  auto place = [&](TFxCalculatorButton b, int x, int y, int w) {
    ButtonInfo& info = buttons_[b];
    info.rect = QRect(border + x, border + y, w, bh);
    info.caption = CalcButtonCaption(b);
    info.visible = true;
  };
  for (const GridPlace& cell : kGrid) {
    const int x = cell.column < 0 ? m : x0 + cell.column * (bw + g);
    place(cell.button, x, topY + cell.row * (bh + g), bw);
  }
  const TFxCalculatorButton wide[] = {cbBack, cbClearEntry, cbClear};
  for (int i = 0; i < 3; ++i) place(wide[i], x0 + bw + g + i * (ww + g), topY, ww);
  if (!showMemoryButtons_) {
    for (int b = cbMemClear; b <= cbMemSub; ++b) buttons_[b].visible = false;
  }
}

void TFxCalculator::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Relayout();
}

void TFxCalculator::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) Relayout();
}

bool TFxCalculator::ButtonAvailable(TFxCalculatorButton button) const {
  if (button == cbMemClear || button == cbMemRecall) return engine_.Memory() != 0;
  return true;
}

QColor TFxCalculator::CaptionColor(TFxCalculatorButton button) const {
  switch (CalcButtonGroup(button)) {
    case TFxCalcButtonGroup::Edit:
      return colors_.EditButtons();
    case TFxCalcButtonGroup::Operator:
      return colors_.OperatorButtons();
    case TFxCalcButtonGroup::Number:
      return colors_.NumberButtons();
    case TFxCalcButtonGroup::Function:
      return colors_.FunctionButtons();
    case TFxCalcButtonGroup::Memory:
      return ButtonAvailable(button) ? colors_.MemoryButtons() : colors_.DisabledMemoryButtons();
    case TFxCalcButtonGroup::None:
      break;
  }
  return colors_.DisplayText();
}

QColor TFxCalculator::CaptionPen(TFxCalculatorButton button) const {
  const QColor colour = CaptionColor(button);
  const QColor face = SystemColor(SysColor::BtnFace);
  // The colours are chosen for a light button face and drawn as they are
  // there; on a dark desktop they are lightened until they read well, the
  // greyed memory buttons a little less so they still look unavailable.
  if (!IsDarkColor(face)) return colour;
  const bool greyed = CalcButtonGroup(button) == TFxCalcButtonGroup::Memory && !ButtonAvailable(button);
  return ReadableOn(colour, face, greyed ? 3.0 : 4.5);
}

void TFxCalculator::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), SystemColor(SysColor::BtnFace));
  p.setFont(font());
  if (borderStyle_ == TFxBorderStyle::bsSingle) {
    QRect r = rect();
    if (ctl3D_) {
      // Sunken edge.
      DrawEdgeRing(p, r, SystemColor(SysColor::BtnShadow), SystemColor(SysColor::BtnHighlight));
      DrawEdgeRing(p, r, SystemColor(SysColor::DarkShadow3D), SystemColor(SysColor::Light3D));
    } else {
      p.setPen(SystemColor(SysColor::WindowText));
      p.drawRect(r.adjusted(0, 0, -1, -1));
    }
  }
  for (int i = cbBack; i < kCalculatorButtonCount; ++i) {
    const auto b = TFxCalculatorButton(i);
    const ButtonInfo& info = Buttons()[b];
    if (!info.visible || info.rect.isEmpty()) continue;
    const bool sunken = b == pressedButton_;
    DrawButtonFace(p, info.rect, sunken);
    p.setPen(CaptionPen(b));
    const QRect textRect = sunken ? info.rect.translated(1, 1) : info.rect;
    p.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, info.caption);
  }
  if (hasFocus() && Buttons()[focusedKey_].visible) {
    QPen pen(SystemColor(SysColor::BtnText), 1, Qt::DotLine);
    p.setPen(pen);
    p.drawRect(Buttons()[focusedKey_].rect.adjusted(3, 3, -4, -4));
  }
}

TFxCalculatorButton TFxCalculator::ButtonAt(const QPoint& pos) const {
  for (int i = cbBack; i < kCalculatorButtonCount; ++i) {
    const ButtonInfo& info = Buttons()[i];
    if (info.visible && info.rect.contains(pos)) return TFxCalculatorButton(i);
  }
  return cbNone;
}

void TFxCalculator::RepaintButton(TFxCalculatorButton button) {
  if (button == cbNone) return;
  repaint(Buttons()[button].rect);
}

void TFxCalculator::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  const TFxCalculatorButton hit = ButtonAt(event->position().toPoint());
  if (hit == cbNone || !ButtonAvailable(hit)) return;
  pressedButton_ = hit;
  RepaintButton(hit);
}

void TFxCalculator::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || pressedButton_ == cbNone) return;
  const TFxCalculatorButton pressed = pressedButton_;
  // The pointer is not tracked while held: only where it is let go counts.
  if (Buttons()[pressed].rect.contains(event->position().toPoint())) PressButton(pressed);
  pressedButton_ = cbNone;
  RepaintButton(pressed);
}

void TFxCalculator::PressFeedback(TFxCalculatorButton button, bool starting) {
  if (starting) {
    if (pressedButton_ != cbNone) return;
    pressedButton_ = button;
    RepaintButton(button);
    return;
  }
  // A button held down with the mouse stays sunken until it is released.
  if (hasFocus() && (QGuiApplication::mouseButtons() & Qt::LeftButton)) return;
  const TFxCalculatorButton shown = pressedButton_;
  pressedButton_ = cbNone;
  RepaintButton(shown);
}

void TFxCalculator::PressButton(TFxCalculatorButton button) { engine_.PressButton(button); }

void TFxCalculator::SetText(const QString& text) { engine_.SetText(text); }

void TFxCalculator::CopyToClipboard() { services_.SetClipboardText(engine_.Text()); }

void TFxCalculator::PasteFromClipboard() { engine_.Paste(services_.ClipboardText()); }

void TFxCalculator::TypeCharacter(QChar key) {
  if (key.isNull()) return;
  switch (key.unicode()) {
    case 3:
      CopyToClipboard();
      return;
    case 22:
      PasteFromClipboard();
      return;
    default:
      engine_.PressChar(key);
      return;
  }
}

QChar TFxCalculator::TypedCharacter(const QKeyEvent* event) {
  // As in the edit boxes, except that Escape types its character here: the
  // calculator clears on it.
  if (event->key() == Qt::Key_Escape) return QChar(27);
  return orvane::TypedCharacter(event);
}

void TFxCalculator::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  const int key = event->key();
  bool handled = true;
  RunGuarded(this, [&] {
    if (mods == Qt::NoModifier && (key == Qt::Key_Left || key == Qt::Key_Right)) {
      SetFocusedKey(KeyToward(focusedKey_, key == Qt::Key_Left ? -1 : 1, 0));
    } else if (mods == Qt::NoModifier && (key == Qt::Key_Up || key == Qt::Key_Down)) {
      SetFocusedKey(KeyToward(focusedKey_, 0, key == Qt::Key_Up ? -1 : 1));
    } else if (mods == Qt::NoModifier && key == Qt::Key_Space) {
      if (ButtonAvailable(focusedKey_)) PressButton(focusedKey_);
    } else if (key == Qt::Key_Delete && mods == Qt::NoModifier) {
      PressButton(cbClearEntry);
    } else if (key == Qt::Key_F9 && mods == Qt::NoModifier) {
      PressButton(cbChangeSign);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      PressButton(cbEquals);  // its character maps to nothing, so it acts once
    } else if (key == Qt::Key_M && (mods & Qt::ControlModifier)) {
      PressButton(cbMemStore);
    } else if (const QChar ch = TypedCharacter(event); !ch.isNull()) {
      TypeCharacter(ch);
    } else {
      handled = false;
    }
  });
  if (handled)
    event->accept();
  else
    QWidget::keyPressEvent(event);
}

void TFxCalculator::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  RepaintButton(focusedKey_);
  NotifyCalculatorKeyFocused(this, focusedKey_);
}

void TFxCalculator::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  RepaintButton(focusedKey_);
}

void TFxCalculator::SetFocusedKey(TFxCalculatorButton button) {
  if (button == cbNone || button == focusedKey_ || !Buttons()[button].visible) return;
  const TFxCalculatorButton previous = focusedKey_;
  focusedKey_ = button;
  RepaintButton(previous);
  RepaintButton(button);
  NotifyCalculatorKeyFocused(this, button);
}

TFxCalculatorButton TFxCalculator::KeyToward(TFxCalculatorButton from, int dx, int dy) const {
  const QPoint origin = Buttons()[from].rect.center();
  TFxCalculatorButton best = cbNone;
  int bestScore = 0;
  for (int i = cbBack; i < kCalculatorButtonCount; ++i) {
    const auto b = TFxCalculatorButton(i);
    if (b == from || !Buttons()[b].visible) continue;
    const QPoint d = Buttons()[b].rect.center() - origin;
    const int along = dx != 0 ? d.x() * dx : d.y() * dy;
    if (along <= 0) continue;
    // The next key in that row or column comes before one off to the side.
    const int score = along + 4 * std::abs(dx != 0 ? d.y() : d.x());
    if (best == cbNone || score < bestScore) {
      best = b;
      bestScore = score;
    }
  }
  return best;
}

bool TFxCalculator::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const TFxCalculatorButton key = ButtonAt(help->pos());
    if (key == cbNone)
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), CalculatorKeyHint(key), this, Buttons()[key].rect);
    return true;
  }
  return QWidget::event(event);
}

void TFxCalculator::hideEvent(QHideEvent* event) {
  // A window hidden while a button is held (Escape with the mouse down) must
  // not show that button still sunken next time.
  QWidget::hideEvent(event);
  pressedButton_ = cbNone;
}

}  // namespace orvane
