#include "widget_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTest>
#include <algorithm>

#include "widgets/look.h"

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
  QObject::connect(app.get(), &AppContext::quitRequested, [this] { ++quitRequests; });
  app->createWindows();
}

TestApp::~TestApp() = default;

void giveFocusTo(QWidget* widget) {
  QWidget* window = widget->window();
  if (!window->isVisible()) window->show();
  window->activateWindow();
  QApplication::setActiveWindow(window);
  (void)QTest::qWaitForWindowActive(window, 1000);
  widget->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
}

QPalette darkDesktop() {
  QPalette pal;
  for (auto role : {QPalette::Window, QPalette::Button}) pal.setColor(role, QColor(53, 53, 53));
  pal.setColor(QPalette::Base, QColor(35, 35, 35));
  pal.setColor(QPalette::Midlight, QColor(70, 70, 70));
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    pal.setColor(role, Qt::white);
  return pal;
}

void expectBlackOnWhite(QWidget* control, const QString& name) {
  const QString label = !name.isEmpty()                   ? name
                        : control->objectName().isEmpty() ? control->accessibleName()
                                                          : control->objectName();
  const QImage image = control->parentWidget()->grab(control->geometry()).toImage();
  int white = 0;
  double strongest = 1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 245 && c.green() > 245 && c.blue() > 245) ++white;
      strongest = std::max(strongest, contrastRatio(c, Qt::white));
    }
  QVERIFY2(white * 2 > image.width() * image.height(), qPrintable(label + " is not on white"));
  QVERIFY2(strongest >= 7, qPrintable(label + " has no dark text"));
}

void typeText(QWidget* widget, const QString& text) { QTest::keyClicks(widget, text); }

}  // namespace orvane
