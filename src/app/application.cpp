#include "app/application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include "app/app_context.h"
#include "app/desktop_services.h"
#include "app/instance_guard.h"
#include "app/main_window.h"

namespace orvane {

int RunOrvane(int argc, char** argv, const RunOptions& options) {
  const QString title = InstanceGuard::DefaultTitle(QString::fromLocal8Bit(argc > 0 ? argv[0] : "orvane"));
  InstanceGuard guard(QStringLiteral("PREVINST:") + title, InstanceGuard::RuntimeFolder());
  if (!guard.FirstInstance()) {
    QCoreApplication app(argc, argv);
    guard.ActivatePreviousInstance();
    return 0;
  }

  QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orvane"));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.Orvane"));
  QApplication::setQuitOnLastWindowClosed(false);
  guard.Listen();

  QtDesktopServices services;
  AppContext context(services);
  context.CreateWindows();
  context.MainFrm()->show();
  if (options.quitAfterFirstPaint) QTimer::singleShot(0, &app, [] { QCoreApplication::quit(); });
  return app.exec();
}

}  // namespace orvane
