#include "app/application.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QPointer>
#include <QSettings>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <memory>

#include "app/app_context.h"
#include "app/instance_guard.h"
#include "app/main_window.h"
#include "app/recovery_keeper.h"
#include "core/native_path.h"
#include "core/worksheet_recovery.h"
#include "platform/desktop_services.h"
#include "platform/languages.h"

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
QIcon appIcon() {
  const QIcon vector(QString::fromLatin1(kAppIconResource));
  QIcon icon;
  for (int size : {16, 32, 64, 128}) icon.addPixmap(vector.pixmap(QSize(size, size), 1.0));
  return icon;
}

// The options QGuiApplication and QApplication read from the command line,
// those with a value first: known here so that their values are not taken
// for a file name.
constexpr const char* kQtOptions[] = {"platform",
                                      "platformpluginpath",
                                      "platformtheme",
                                      "plugin",
                                      "qwindowgeometry",
                                      "qwindowicon",
                                      "qwindowtitle",
                                      "display",
                                      "geometry",
                                      "style",
                                      "stylesheet",
                                      "session",
                                      "name",
                                      "title",
                                      "qmljsdebugger",
                                      "widgetcount",
                                      "reverse"};
constexpr int kQtFlagsFrom = 15;  // -widgetcount and -reverse take no value

struct Parser {
  QCommandLineParser parser;
  QCommandLineOption help =
      QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                         QCoreApplication::translate("CommandLine", "Shows this help and ends."));
  QCommandLineOption version =
      QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                         QCoreApplication::translate("CommandLine", "Shows the version and ends."));
  QCommandLineOption language = QCommandLineOption(
      QStringLiteral("language"),
      QCoreApplication::translate("CommandLine",
                                  "Speaks the language given by its code (%1) instead of the desktop's.")
          .arg(shippedLanguages().join(QStringLiteral(", "))),
      QStringLiteral("code"));
  Parser() {
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Orvane: reference and calculation tool for jewellery makers and bead workers."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(language);
    int i = 0;
    for (const char* name : kQtOptions) {
      QCommandLineOption option(QString::fromLatin1(name));
      if (i++ < kQtFlagsFrom) option.setValueName(QStringLiteral("value"));
      option.setFlags(QCommandLineOption::HiddenFromHelp);
      parser.addOption(option);
    }
    parser.addPositionalArgument(
        QStringLiteral("worksheet"),
        QCoreApplication::translate("CommandLine", "A bead worksheet (.bws) to open."),
        QStringLiteral("[worksheet]"));
  }
};

// Taken as the system gives them: a worksheet's name may be any bytes, and
// must open the file it names.
QStringList argumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << pathFromNative(argv[i]);
  if (arguments.isEmpty()) arguments << QStringLiteral("orvane");
  return arguments;
}

// --help, --version and mistakes: written out without a window, so they work
// where there is no display.
int answerOnTerminal(int argc, char** argv, CommandLine line) {
  QCoreApplication app(argc, argv);
  // Read again in the language asked for, so a mistake is said in it.
  if (installProgramLanguage(line.language) && !line.error.isEmpty())
    line = parseCommandLine(argumentsOf(argc, argv));
  if (!line.error.isEmpty()) {
    std::fprintf(stderr, "%s\n%s", qPrintable(line.error), qPrintable(commandLineHelp()));
    return 2;
  }
  const QString text = line.help ? commandLineHelp() : commandLineVersion();
  std::fputs(qPrintable(text), stdout);
  return 0;
}

// The write end of the pipe the signal handler writes to; the event loop
// reads the other end.
int signalPipe[2] = {-1, -1};

extern "C" void noteEndingSignal(int signal) {
  // Only what is safe in a handler: one byte down the pipe.
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(signal);
  [[maybe_unused]] const ssize_t ignored = ::write(signalPipe[1], &byte, 1);
  errno = saved;
}

// Logout (SIGTERM, SIGHUP) and Ctrl+C (SIGINT) end the program without its
// windows' questions: the unsaved rows are written for recovery at once, from
// the event loop, and the program ends. False when the signals could not be
// taken over (they then end the program as before).
bool endOnSignals(QApplication& app, AppContext& context) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) return false;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
  QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app, &context, notifier] {
    unsigned char signal = 0;
    if (::read(signalPipe[0], &signal, 1) != 1) return;
    notifier->setEnabled(false);
    if (RecoveryKeeper* recovery = context.recovery()) recovery->writeNow();
    app.exit(128 + signal);
  });
  struct sigaction action {};
  action.sa_handler = noteEndingSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &action, nullptr);
  return true;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
  Parser p;
  CommandLine line;
  if (!p.parser.parse(arguments)) {
    line.error = p.parser.errorText();
    return line;
  }
  line.help = p.parser.isSet(p.help);
  line.version = p.parser.isSet(p.version);
  if (p.parser.isSet(p.language)) {
    line.language = p.parser.value(p.language);
    const QStringList known = shippedLanguages();
    if (!known.contains(line.language) && line.language != QLatin1String(kPseudoLanguage)) {
      line.error = QCoreApplication::translate("CommandLine",
                                               "Orvane does not speak the language \"%1\"; it speaks %2.")
                       .arg(line.language, known.join(QStringLiteral(", ")));
      return line;
    }
  }
  const QStringList files = p.parser.positionalArguments();
  if (files.size() > 1)
    line.error = QCoreApplication::translate("CommandLine", "Only one worksheet can be opened at a time.");
  else if (!files.isEmpty())
    line.worksheet = files.first();
  return line;
}

QString commandLineHelp() {
  Parser p;
  // The usage line names the program as it is installed, not as it was started.
  QString text = p.parser.helpText();
  const qsizetype end = text.indexOf(u'\n');
  //: The first line of --help; "orvane" and the option words are typed as they stand.
  return QCoreApplication::translate("CommandLine", "Usage: orvane [options] [worksheet]") + text.mid(end);
}

// The version the main window's title and the AppStream release carry.
QString commandLineVersion() { return QStringLiteral("Orvane 2.0\n"); }

bool installProgramLanguage(const QString& requested) {
  return installLanguage(requested.isEmpty() ? languageFor(QLocale::system().uiLanguages()) : requested);
}

void useOwnSettings() {
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

int runOrvane(int argc, char** argv, const RunOptions& options) {
  const CommandLine line = parseCommandLine(argumentsOf(argc, argv));
  if (line.help || line.version || !line.error.isEmpty()) return answerOnTerminal(argc, argv, line);

  const QString title = InstanceGuard::defaultTitle(QString::fromLocal8Bit(argc > 0 ? argv[0] : "orvane"));
  InstanceGuard guard(QStringLiteral("PREVINST:") + title, InstanceGuard::runtimeFolder());
  if (!guard.firstInstance()) {
    QCoreApplication app(argc, argv);
    if (line.worksheet.isEmpty())
      guard.activatePreviousInstance();
    else
      guard.openInPreviousInstance(line.worksheet);
    return 0;
  }

  QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  QApplication app(argc, argv);
  useOwnSettings();
  installProgramLanguage(line.language);
  QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.Orvane"));
  QApplication::setQuitOnLastWindowClosed(false);
  guard.listen();
  if (options.beforeWindows) options.beforeWindows(app);

  QtDesktopServices services;
  auto context = std::make_unique<AppContext>(services);
  QObject::connect(context.get(), &AppContext::quitRequested, &app, &QCoreApplication::quit);
  context->keepRecentWorksheets = true;
  context->keepUnsavedWorksheet(recoveryFolder(qEnvironmentVariable("XDG_STATE_HOME"), QDir::homePath()),
                                title);
  // Every window takes the application icon, so the icon is set before the
  // first window exists.
  QApplication::setWindowIcon(appIcon());
  context->createWindows();
  endOnSignals(app, *context);
  if (options.quitAfterFirstPaint || options.afterFirstPaint) {
    AppContext* windows = context.get();
    new FirstPaintWatcher(windows->mainWindow(), [windows, &options] {
      if (options.afterFirstPaint) options.afterFirstPaint(*windows);
      if (options.quitAfterFirstPaint) QCoreApplication::quit();
    });
  }
  context->mainWindow()->show();
  AppContext* windows = context.get();
  QObject::connect(&guard, &InstanceGuard::fileOpenRequested, &app,
                   [windows](const QString& path) { windows->openWorksheet(path); });
  // From the event loop, over the main window: rows a crash left are offered
  // back first, then a file named on the command line opens as Load would
  // (asking about those rows if they were taken back).
  QTimer::singleShot(0, &app, [windows, path = line.worksheet] {
    windows->offerUnsavedWorksheet();
    if (!path.isEmpty()) windows->openWorksheet(path);
  });
  const int code = app.exec();
  // A measurement ends at a frame: taking the windows down one by one is no
  // part of it, and the process ending frees them anyway.
  if (options.quitAfterFirstPaint || options.afterFirstPaint) (void)context.release();
  return code;
}

}  // namespace orvane
