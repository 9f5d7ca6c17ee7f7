#include "desk_calculator/calculator_window.h"

#include <QKeyEvent>
#include <QShortcut>

#include "desk_calculator/calculator_pad.h"
#include "platform/desktop_services.h"
#include "platform/error_boundary.h"
#include "platform/guarded_connect.h"
#include "platform/window_frame.h"
#include "widgets/look.h"

namespace orvane {

CalculatorWindow::CalculatorWindow(DesktopServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName(QStringLiteral("calculatorWindow"));
  configureFixedWindow(this, tr("Calculator"), 278, 245, false);
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  setAttribute(Qt::WA_QuitOnClose, false);
  setBackground(this, cl::Navy);

  calculatorPad = new CalculatorPad(services_, this);
  calculatorPad->setObjectName(QStringLiteral("calculatorPad"));
  calculatorPad->setFont(makeFont(QStringLiteral("Arial"), 16, true));
  calculatorPad->setGeometry(4, 4, 269, 237);
  CalculatorColors& colors = calculatorPad->colors();
  colors.setDisabledMemoryButtons(cl::Gray);
  colors.setDisplay(systemColor(SysColor::Window));
  colors.setDisplayText(systemColor(SysColor::WindowText));
  colors.setEditButtons(cl::Maroon);
  colors.setFunctionButtons(cl::Navy);
  colors.setMemoryButtons(cl::Red);
  colors.setNumberButtons(cl::Blue);
  colors.setOperatorButtons(cl::Red);
  calculatorPad->setShowMemoryButtons(true);
  calculatorPad->setBorderStyle(PadBorder::None);

  // Key preview: the window sees typed characters before the calculator.
  calculatorPad->installEventFilter(this);
  setFocusProxy(calculatorPad);
  calculatorPad->setFocus();

  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  help->setContext(Qt::WindowShortcut);
  guardedConnect(help, &QShortcut::activated, this, [this] { Q_EMIT helpWanted(); });
}

void CalculatorWindow::onKeyTyped(QChar& key) {
  // Escape is not used up here: the calculator also gets it and clears.
  if (key == QChar(27)) close();
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == calculatorPad && event->type() == QEvent::KeyPress) {
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const QChar typed = CalculatorPad::typedCharacter(keyEvent);
    if (typed.isNull()) return false;
    QChar key = typed;
    runGuarded(this, [&] { onKeyTyped(key); });
    if (key == typed) return false;  // on to the calculator unchanged
    if (!key.isNull()) runGuarded(this, [&] { calculatorPad->typeCharacter(key); });
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
  // Only reached when the calculator does not hold the focus.
  QChar key = CalculatorPad::typedCharacter(event);
  if (key.isNull()) {
    QWidget::keyPressEvent(event);
    return;
  }
  runGuarded(this, [&] { onKeyTyped(key); });
  if (!key.isNull()) runGuarded(this, [&] { calculatorPad->typeCharacter(key); });
  event->accept();
}

void CalculatorWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  calculatorPad->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace orvane
