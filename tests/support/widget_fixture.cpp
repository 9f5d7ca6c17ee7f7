#include "widget_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTest>

namespace orvane {

ModalDialogGuard::ModalDialogGuard() { qApp->installEventFilter(this); }

ModalDialogGuard::~ModalDialogGuard() { qApp->removeEventFilter(this); }

bool ModalDialogGuard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show) {
    if (auto* w = qobject_cast<QWidget*>(watched); w && w->isWindow() && w->isModal()) {
      seen_ += QString::fromLatin1(w->metaObject()->className()) + u' ';
      if (auto* dialog = qobject_cast<QDialog*>(w))
        QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
      else
        QMetaObject::invokeMethod(w, &QWidget::close, Qt::QueuedConnection);
    }
  }
  return false;
}

TestApp::TestApp() : app(std::make_unique<AppContext>(services)) {
  app->OnQuit = [this] { ++quitRequests; };
  app->CreateWindows();
}

TestApp::~TestApp() = default;

void FocusWidget(QWidget* widget) {
  QWidget* window = widget->window();
  if (!window->isVisible()) window->show();
  window->activateWindow();
  QApplication::setActiveWindow(window);
  (void)QTest::qWaitForWindowActive(window, 1000);
  widget->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
}

void TypeText(QWidget* widget, const QString& text) { QTest::keyClicks(widget, text); }

}  // namespace orvane
