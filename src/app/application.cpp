#include "app/application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "app/app_context.h"
#include "platform/desktop_services.h"
#include "app/instance_guard.h"
#include "app/main_window.h"

namespace orvane {

namespace {

// Watches one window for its first paint event, then lets the event loop
// finish that paint and flush it to the screen before calling back. The
// bare-window benchmark stops at the same moment in the same way.
class FirstPaintWatcher : public QObject {
 public:
  FirstPaintWatcher(QWidget* window, std::function<void()> then)
      : QObject(window), window_(window), then_(std::move(then)) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Paint && !fired_) {
      fired_ = true;
      window_->removeEventFilter(this);
      QTimer::singleShot(0, this, [this] {
        auto then = std::move(then_);
        deleteLater();
        if (then) then();
      });
    }
    return false;
  }

 private:
  QPointer<QWidget> window_;
  std::function<void()> then_;
  bool fired_ = false;
};

// The window icon, drawn from the vector file at the sizes title bars and
// task switchers use. Left to itself the window system would ask a plain SVG
// icon for more sizes than that, each drawn when the first window is shown.
QIcon AppIcon() {
  const QIcon vector(QString::fromLatin1(kAppIconResource));
  QIcon icon;
  for (int size : {16, 32, 64, 128}) icon.addPixmap(vector.pixmap(QSize(size, size), 1.0));
  return icon;
}

}  // namespace

void UseOwnSettings() {
  QCoreApplication::setOrganizationDomain(QStringLiteral("orvane.org"));
  QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
  QCoreApplication::setApplicationName(QStringLiteral("Orvane"));
  // Qt's file dialogs keep their history under a name of Qt's own in the
  // user's settings folder; it goes into the program's own folder instead.
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (config.isEmpty()) return;
  const QString own = config + u'/' + QCoreApplication::organizationName();
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, own);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, own);
}

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
  UseOwnSettings();
  QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.Orvane"));
  QApplication::setQuitOnLastWindowClosed(false);
  guard.Listen();
  if (options.beforeWindows) options.beforeWindows(app);

  QtDesktopServices services;
  auto context = std::make_unique<AppContext>(services);
  // Every window takes the application icon, so the icon is set before the
  // first window exists.
  QApplication::setWindowIcon(AppIcon());
  context->CreateWindows();
  if (options.quitAfterFirstPaint || options.afterFirstPaint) {
    AppContext* windows = context.get();
    new FirstPaintWatcher(windows->MainFrm(), [windows, &options] {
      if (options.afterFirstPaint) options.afterFirstPaint(*windows);
      if (options.quitAfterFirstPaint) QCoreApplication::quit();
    });
  }
  context->MainFrm()->show();
  const int code = app.exec();
  // A measurement ends at a frame: taking the windows down one by one is no
  // part of it, and the process ending frees them anyway.
  if (options.quitAfterFirstPaint || options.afterFirstPaint) (void)context.release();
  return code;
}

}  // namespace orvane
