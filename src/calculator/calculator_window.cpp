#include "calculator/calculator_window.h"

#include <QKeyEvent>
#include <QShortcut>

#include "calculator/calculator_control.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "platform/window_frame.h"
#include "widgets/look.h"

namespace orvane {

TCalculatorFrm::TCalculatorFrm(DesktopServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName(QStringLiteral("CalculatorFrm"));
  ConfigureFixedWindow(this, QStringLiteral("Calculator"), 278, 245, false);
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  setAttribute(Qt::WA_QuitOnClose, false);
  SetBackground(this, cl::Navy);

  FxCalculator1 = new TFxCalculator(services_, this);
  FxCalculator1->setObjectName(QStringLiteral("FxCalculator1"));
  FxCalculator1->setFont(MakeFont(QStringLiteral("Arial"), 16, true));
  FxCalculator1->setGeometry(4, 4, 269, 237);
  TFxCalcColors& colors = FxCalculator1->Colors();
  colors.SetDisabledMemoryButtons(cl::Gray);
  colors.SetDisplay(SystemColor(SysColor::Window));
  colors.SetDisplayText(SystemColor(SysColor::WindowText));
  colors.SetEditButtons(cl::Maroon);
  colors.SetFunctionButtons(cl::Navy);
  colors.SetMemoryButtons(cl::Red);
  colors.SetNumberButtons(cl::Blue);
  colors.SetOperatorButtons(cl::Red);
  FxCalculator1->SetShowMemoryButtons(true);
  FxCalculator1->SetBorderStyle(TFxBorderStyle::bsNone);

  // Key preview: the window sees typed characters before the calculator.
  FxCalculator1->installEventFilter(this);
  setFocusProxy(FxCalculator1);
  FxCalculator1->setFocus();

  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::WindowShortcut);
  GuardedConnect(help, &QShortcut::activated, this, [this] { Q_EMIT helpWanted(); });
}

void TCalculatorFrm::FormKeyPress(QChar& key) {
  // Escape is not used up here: the calculator also gets it and clears.
  if (key == QChar(27)) close();
}

bool TCalculatorFrm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FxCalculator1 && event->type() == QEvent::KeyPress) {
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const QChar typed = TFxCalculator::TypedCharacter(keyEvent);
    if (typed.isNull()) return false;
    QChar key = typed;
    RunGuarded(this, [&] { FormKeyPress(key); });
    if (key == typed) return false;  // on to the calculator unchanged
    if (!key.isNull()) RunGuarded(this, [&] { FxCalculator1->TypeCharacter(key); });
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TCalculatorFrm::keyPressEvent(QKeyEvent* event) {
  // Only reached when the calculator does not hold the focus.
  QChar key = TFxCalculator::TypedCharacter(event);
  if (key.isNull()) {
    QWidget::keyPressEvent(event);
    return;
  }
  RunGuarded(this, [&] { FormKeyPress(key); });
  if (!key.isNull()) RunGuarded(this, [&] { FxCalculator1->TypeCharacter(key); });
  event->accept();
}

void TCalculatorFrm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FxCalculator1->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace orvane
