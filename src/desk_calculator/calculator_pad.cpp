#include "desk_calculator/calculator_pad.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "core/spoken_results.h"
#include "desk_calculator/calculator_accessible.h"
#include "desk_calculator/calculator_display.h"
#include "platform/announcer.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "widgets/entry_box.h"
#include "widgets/look.h"

namespace orvane {

namespace {

// A push-button face: a dark outline, then a one-pixel bevel, raised or sunken.
void drawButtonFace(QPainter& p, QRect r, bool sunken) {
  p.fillRect(r, systemColor(SysColor::BtnFace));
  p.setPen(systemColor(SysColor::DarkShadow3D));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  r.adjust(1, 1, -1, -1);
  if (sunken) {
    p.setPen(systemColor(SysColor::BtnShadow));
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    return;
  }
  p.setPen(systemColor(SysColor::BtnHighlight));
  p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
  p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
  p.setPen(systemColor(SysColor::BtnShadow));
  p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

// Where each button sits: row 0..4, and column -1 for the memory column,
// 0..4 for the main block. Back, CE and C are laid out separately.
struct GridPlace {
  CalculatorKey button;
  int row, column;
};
constexpr GridPlace kGrid[] = {{CalculatorKey::MemoryClear, 0, -1},    {CalculatorKey::MemoryRecall, 1, -1},
                               {CalculatorKey::MemoryStore, 2, -1},    {CalculatorKey::MemoryAdd, 3, -1},
                               {CalculatorKey::MemorySubtract, 4, -1}, {CalculatorKey::Digit7, 1, 0},
                               {CalculatorKey::Digit8, 1, 1},          {CalculatorKey::Digit9, 1, 2},
                               {CalculatorKey::Divide, 1, 3},          {CalculatorKey::SquareRoot, 1, 4},
                               {CalculatorKey::Digit4, 2, 0},          {CalculatorKey::Digit5, 2, 1},
                               {CalculatorKey::Digit6, 2, 2},          {CalculatorKey::Multiply, 2, 3},
                               {CalculatorKey::Percent, 2, 4},         {CalculatorKey::Digit1, 3, 0},
                               {CalculatorKey::Digit2, 3, 1},          {CalculatorKey::Digit3, 3, 2},
                               {CalculatorKey::Subtract, 3, 3},        {CalculatorKey::Reciprocal, 3, 4},
                               {CalculatorKey::Digit0, 4, 0},          {CalculatorKey::ChangeSign, 4, 1},
                               {CalculatorKey::Decimal, 4, 2},         {CalculatorKey::Add, 4, 3},
                               {CalculatorKey::Equals, 4, 4}};

}  // namespace

CalculatorPad::CalculatorPad(DesktopServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  installCalculatorAccessibility();
  setAccessibleName(tr("Calculator"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);  // painting covers everything
  setBackground(this, systemColor(SysColor::BtnFace));

  display_ = new CalculatorDisplay(this);
  display_->setShownText(engine_.shownText());

  // The engine is a member: its connections end with the control.
  connect(&engine_, &CalculatorEngine::alerted, this, [this] { services_.alertSound(); });
  connect(&engine_, &CalculatorEngine::displayChanged, this, [this] {
    const QString before = display_->shownText();
    display_->setShownText(engine_.shownText());
    setAccessibleDescription(engine_.shownText().trimmed());
    notifyCalculatorDisplayChanged(display_, before);
    displayChanged_ = true;
  });
  connect(&engine_, &CalculatorEngine::memoryChanged, this, [this] {
    repaintButton(CalculatorKey::MemoryClear);
    repaintButton(CalculatorKey::MemoryRecall);
  });
  connect(&engine_, &CalculatorEngine::pressFeedback, this, &CalculatorPad::pressFeedback);
  connect(&engine_, &CalculatorEngine::buttonPressed, this, [this](CalculatorKey b) {
    // The focus stays on the keypad: the new display or memory is spoken.
    announce(this, spokenCalculatorKey(b, displayChanged_, engine_.shownText(), engine_.memory()));
    displayChanged_ = false;
    Q_EMIT buttonPressed(b);
  });
  connect(&colors_, &CalculatorColors::colorsChanged, this, &CalculatorPad::applyColors);

  resize(200, 140);
  applyColors();
  applyFrame();
  relayout();
}

CalculatorPad::~CalculatorPad() = default;

void CalculatorPad::setShowMemoryButtons(bool show) {
  if (show == showMemoryButtons_) return;
  showMemoryButtons_ = show;
  relayout();
}

void CalculatorPad::setBorderStyle(PadBorder style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  applyFrame();
  relayout();
}

void CalculatorPad::setCtl3D(bool ctl3D) {
  if (ctl3D == ctl3D_) return;
  ctl3D_ = ctl3D;
  applyFrame();
  relayout();
}

int CalculatorPad::borderWidth() const {
  if (borderStyle_ == PadBorder::None) return 0;
  return ctl3D_ ? 2 : 1;
}

void CalculatorPad::applyFrame() {
  display_->setCtl3D(ctl3D_);
  update();
}

void CalculatorPad::applyColors() {
  display_->setColors(colors_.display(), colors_.displayText());
  update();
}

const KeyArray<CalculatorPad::ButtonInfo>& CalculatorPad::keyButtons() const {
  if (layoutDirty_ || laidOutSize_ != size()) computeLayout();
  return buttons_;
}

void CalculatorPad::relayout() {
  layoutDirty_ = true;
  computeLayout();
  update();
}

void CalculatorPad::computeLayout() const {
  layoutDirty_ = false;
  laidOutSize_ = size();
  const int border = borderWidth();
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

  auto place = [&](CalculatorKey b, int x, int y, int w) {
    ButtonInfo& info = buttons_[b];
    info.rect = QRect(border + x, border + y, w, bh);
    info.caption = calcButtonCaption(b);
    info.visible = true;
  };
  for (const GridPlace& cell : kGrid) {
    const int x = cell.column < 0 ? m : x0 + cell.column * (bw + g);
    place(cell.button, x, topY + cell.row * (bh + g), bw);
  }
  const CalculatorKey wide[] = {CalculatorKey::Back, CalculatorKey::ClearEntry, CalculatorKey::Clear};
  for (int i = 0; i < 3; ++i) place(wide[i], x0 + bw + g + i * (ww + g), topY, ww);
  if (!showMemoryButtons_) {
    for (int b = keyIndex(CalculatorKey::MemoryClear); b <= keyIndex(CalculatorKey::MemorySubtract); ++b)
      buttons_[b].visible = false;
  }
}

void CalculatorPad::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  relayout();
}

void CalculatorPad::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) relayout();
}

bool CalculatorPad::buttonAvailable(CalculatorKey button) const {
  if (button == CalculatorKey::MemoryClear || button == CalculatorKey::MemoryRecall)
    return engine_.memory() != 0;
  return true;
}

QColor CalculatorPad::captionColor(CalculatorKey button) const {
  switch (calcButtonGroup(button)) {
    case CalculatorKeyGroup::Edit:
      return colors_.editButtons();
    case CalculatorKeyGroup::Operator:
      return colors_.operatorButtons();
    case CalculatorKeyGroup::Number:
      return colors_.numberButtons();
    case CalculatorKeyGroup::Function:
      return colors_.functionButtons();
    case CalculatorKeyGroup::Memory:
      return buttonAvailable(button) ? colors_.memoryButtons() : colors_.disabledMemoryButtons();
    case CalculatorKeyGroup::None:
      break;
  }
  return colors_.displayText();
}

QColor CalculatorPad::captionPen(CalculatorKey button) const {
  const QColor colour = captionColor(button);
  const QColor face = systemColor(SysColor::BtnFace);
  // The colours are chosen for a light button face and drawn as they are
  // there; on a dark desktop they are lightened until they read well, the
  // greyed memory buttons a little less so they still look unavailable.
  if (!isDarkColor(face)) return colour;
  const bool greyed = calcButtonGroup(button) == CalculatorKeyGroup::Memory && !buttonAvailable(button);
  return readableOn(colour, face, greyed ? 3.0 : 4.5);
}

void CalculatorPad::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), systemColor(SysColor::BtnFace));
  p.setFont(font());
  if (borderStyle_ == PadBorder::Single) {
    QRect r = rect();
    if (ctl3D_) {
      // Sunken edge.
      drawEdgeRing(p, r, systemColor(SysColor::BtnShadow), systemColor(SysColor::BtnHighlight));
      drawEdgeRing(p, r, systemColor(SysColor::DarkShadow3D), systemColor(SysColor::Light3D));
    } else {
      p.setPen(systemColor(SysColor::WindowText));
      p.drawRect(r.adjusted(0, 0, -1, -1));
    }
  }
  for (int i = keyIndex(CalculatorKey::Back); i < kCalculatorKeyCount; ++i) {
    const auto b = CalculatorKey(i);
    const ButtonInfo& info = keyButtons()[b];
    if (!info.visible || info.rect.isEmpty()) continue;
    const bool sunken = b == pressedButton_;
    drawButtonFace(p, info.rect, sunken);
    p.setPen(captionPen(b));
    const QRect textRect = sunken ? info.rect.translated(1, 1) : info.rect;
    p.setFont(captionFont(info));
    p.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, info.caption);
  }
  if (hasFocus() && keyButtons()[focusedKey_].visible) {
    QPen pen(systemColor(SysColor::BtnText), 1, Qt::DotLine);
    p.setPen(pen);
    p.drawRect(keyButtons()[focusedKey_].rect.adjusted(3, 3, -4, -4));
  }
}

// A caption wider than its key (a longer translation) is drawn smaller, so
// that it is never cut at the key's edges.
QFont CalculatorPad::captionFont(const ButtonInfo& info) const {
  QFont shown = font();
  const int room = info.rect.width() - 4;
  const int needs = fontMetrics().horizontalAdvance(info.caption);
  if (needs <= room || room <= 0) return shown;
  shown.setPixelSize(std::max(6, fontInfo().pixelSize() * room / needs));
  return shown;
}

CalculatorKey CalculatorPad::buttonAt(const QPoint& pos) const {
  for (int i = keyIndex(CalculatorKey::Back); i < kCalculatorKeyCount; ++i) {
    const ButtonInfo& info = keyButtons()[i];
    if (info.visible && info.rect.contains(pos)) return CalculatorKey(i);
  }
  return CalculatorKey::None;
}

void CalculatorPad::repaintButton(CalculatorKey button) {
  if (button == CalculatorKey::None) return;
  repaint(keyButtons()[button].rect);
}

void CalculatorPad::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  const CalculatorKey hit = buttonAt(event->position().toPoint());
  if (hit == CalculatorKey::None || !buttonAvailable(hit)) return;
  pressedButton_ = hit;
  repaintButton(hit);
}

void CalculatorPad::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || pressedButton_ == CalculatorKey::None) return;
  const CalculatorKey pressed = pressedButton_;
  // The pointer is not tracked while held: only where it is let go counts.
  if (keyButtons()[pressed].rect.contains(event->position().toPoint())) pressButton(pressed);
  pressedButton_ = CalculatorKey::None;
  repaintButton(pressed);
}

void CalculatorPad::pressFeedback(CalculatorKey button, bool starting) {
  if (starting) {
    if (pressedButton_ != CalculatorKey::None) return;
    pressedButton_ = button;
    repaintButton(button);
    return;
  }
  // A button held down with the mouse stays sunken until it is released.
  if (hasFocus() && (QGuiApplication::mouseButtons() & Qt::LeftButton)) return;
  const CalculatorKey shown = pressedButton_;
  pressedButton_ = CalculatorKey::None;
  repaintButton(shown);
}

void CalculatorPad::pressButton(CalculatorKey button) { engine_.pressButton(button); }

void CalculatorPad::setShownText(const QString& text) { engine_.setShownText(text); }

void CalculatorPad::copyToClipboard() { services_.setClipboardText(engine_.shownText()); }

void CalculatorPad::pasteFromClipboard() { engine_.paste(services_.clipboardText()); }

void CalculatorPad::typeCharacter(QChar key) {
  if (key.isNull()) return;
  switch (key.unicode()) {
    case 3:
      copyToClipboard();
      return;
    case 22:
      pasteFromClipboard();
      return;
    default:
      engine_.pressChar(key);
      return;
  }
}

QChar CalculatorPad::typedCharacter(const QKeyEvent* event) {
  // As in the edit boxes, except that Escape types its character here: the
  // calculator clears on it.
  if (event->key() == Qt::Key_Escape) return QChar(27);
  return orvane::typedCharacter(event);
}

void CalculatorPad::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  const int key = event->key();
  bool handled = true;
  runGuarded(this, [&] {
    if (mods == Qt::NoModifier && (key == Qt::Key_Left || key == Qt::Key_Right)) {
      setFocusedKey(keyToward(focusedKey_, key == Qt::Key_Left ? -1 : 1, 0));
    } else if (mods == Qt::NoModifier && (key == Qt::Key_Up || key == Qt::Key_Down)) {
      setFocusedKey(keyToward(focusedKey_, 0, key == Qt::Key_Up ? -1 : 1));
    } else if (mods == Qt::NoModifier && key == Qt::Key_Space) {
      if (buttonAvailable(focusedKey_)) pressButton(focusedKey_);
    } else if (key == Qt::Key_Delete && mods == Qt::NoModifier) {
      pressButton(CalculatorKey::ClearEntry);
    } else if (key == Qt::Key_F9 && mods == Qt::NoModifier) {
      pressButton(CalculatorKey::ChangeSign);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      pressButton(CalculatorKey::Equals);  // its character maps to nothing, so it acts once
    } else if (key == Qt::Key_M && (mods & Qt::ControlModifier)) {
      pressButton(CalculatorKey::MemoryStore);
    } else if (const QChar ch = typedCharacter(event); !ch.isNull()) {
      typeCharacter(ch);
    } else {
      handled = false;
    }
  });
  if (handled)
    event->accept();
  else
    QWidget::keyPressEvent(event);
}

void CalculatorPad::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  repaintButton(focusedKey_);
  notifyCalculatorKeyFocused(this, focusedKey_);
}

void CalculatorPad::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  repaintButton(focusedKey_);
}

void CalculatorPad::setFocusedKey(CalculatorKey button) {
  if (button == CalculatorKey::None || button == focusedKey_ || !keyButtons()[button].visible) return;
  const CalculatorKey previous = focusedKey_;
  focusedKey_ = button;
  repaintButton(previous);
  repaintButton(button);
  notifyCalculatorKeyFocused(this, button);
}

CalculatorKey CalculatorPad::keyToward(CalculatorKey from, int dx, int dy) const {
  const QPoint origin = keyButtons()[from].rect.center();
  CalculatorKey best = CalculatorKey::None;
  int bestScore = 0;
  for (int i = keyIndex(CalculatorKey::Back); i < kCalculatorKeyCount; ++i) {
    const auto b = CalculatorKey(i);
    if (b == from || !keyButtons()[b].visible) continue;
    const QPoint d = keyButtons()[b].rect.center() - origin;
    const int along = dx != 0 ? d.x() * dx : d.y() * dy;
    if (along <= 0) continue;
    // The next key in that row or column comes before one off to the side.
    const int score = along + 4 * std::abs(dx != 0 ? d.y() : d.x());
    if (best == CalculatorKey::None || score < bestScore) {
      best = b;
      bestScore = score;
    }
  }
  return best;
}

bool CalculatorPad::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const CalculatorKey key = buttonAt(help->pos());
    if (key == CalculatorKey::None)
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), calculatorKeyHint(key), this, keyButtons()[key].rect);
    return true;
  }
  return QWidget::event(event);
}

void CalculatorPad::hideEvent(QHideEvent* event) {
  // A window hidden while a button is held (Escape with the mouse down) must
  // not show that button still sunken next time.
  QWidget::hideEvent(event);
  pressedButton_ = CalculatorKey::None;
}

}  // namespace orvane
