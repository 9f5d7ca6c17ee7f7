// Opening each secondary window for the first time, as a user would right
// after start: from the button press to the window's first frame on the
// screen, one window after the other. Prints one line per window:
// "<name> <milliseconds>".
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/app_context.h"
#include "app/application.h"
#include "app/main_window.h"
#include "measures/weight_page.h"
#include "widgets/color_tab_widget.h"

namespace {

// The main window keeps its buttons to itself; they are found by name.
QPushButton* button(QObject* window, const char* name) {
  return window->findChild<QPushButton*>(QLatin1String(name));
}

struct Step {
  const char* name;
  std::function<QPushButton*(orvane::MainWindow*)> button;
  // Done before the clock starts: the page the button is on is shown.
  std::function<void(orvane::MainWindow*)> prepare = [](orvane::MainWindow*) {};
};

class FirstOpenTimer : public QObject {
 public:
  explicit FirstOpenTimer(orvane::AppContext& app) : app_(app) {
    steps_ = {
        {"Fractions", [](orvane::MainWindow* m) { return button(m, "fractionsButton"); }},
        {"Worksheet", [](orvane::MainWindow* m) { return button(m, "worksheetButton"); }},
        {"Calculator", [](orvane::MainWindow* m) { return button(m, "calculatorButton"); }},
        {"Help", [](orvane::MainWindow* m) { return button(m, "helpButton"); }},
        {"Bench",
         [](orvane::MainWindow* m) { return button(m->findChild<orvane::WeightPage*>(), "metalButton"); },
         [](orvane::MainWindow* m) {
           m->findChild<orvane::ColorTabWidget*>(QStringLiteral("pages"))
               ->setActivePage(m->findChild<orvane::WeightPage*>());
         }}};
    // Ten seconds, then fail rather than hang on a window that never shows.
    QTimer::singleShot(10000, this, [] {
      std::fprintf(stderr, "first_open: a window was never painted\n");
      QCoreApplication::exit(1);
    });
    qApp->installEventFilter(this);
    QTimer::singleShot(0, this, [this] { next(); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Any paint within the window: one whose children cover it all never
    // paints itself.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint && waiting_ && widget && widget->window() == window_) {
      waiting_ = false;
      // Done once the paint and the flush after it are through.
      QTimer::singleShot(0, this, [this] {
        std::printf("%s %.2f\n", steps_[index_].name, clock_.nsecsElapsed() / 1e6);
        ++index_;
        next();
      });
    }
    return false;
  }

 private:
  void next() {
    if (index_ == steps_.size()) {
      std::fflush(stdout);
      QCoreApplication::quit();
      return;
    }
    steps_[index_].prepare(app_.mainWindow());
    const QWidgetList before = onTabShown();
    waiting_ = true;
    clock_.start();
    steps_[index_].button(app_.mainWindow())->click();
    // The window the press showed is the one not shown before.
    window_ = nullptr;
    for (QWidget* w : onTabShown())
      if (!before.contains(w)) window_ = w;
    if (!window_) {
      std::fprintf(stderr, "first_open: %s showed no window\n", steps_[index_].name);
      QCoreApplication::exit(1);
      return;
    }
  }

  static QWidgetList onTabShown() {
    QWidgetList shown;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible()) shown << w;
    return shown;
  }

  orvane::AppContext& app_;
  std::vector<Step> steps_;
  size_t index_ = 0;
  QPointer<QWidget> window_;
  QElapsedTimer clock_;
  bool waiting_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  orvane::RunOptions options;
  options.afterFirstPaint = [](orvane::AppContext& app) { new FirstOpenTimer(app); };
  return orvane::runOrvane(argc, argv, options);
}
