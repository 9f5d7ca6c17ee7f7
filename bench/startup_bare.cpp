// The yardstick for start-up: a bare Qt program with one empty window of the
// main window's size, ending after its first frame the same way the program
// does under measurement. With --text the window shows one line of text, so
// the second yardstick also pays for starting the font system, which an empty
// window never does and any window with words on it must.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstring>

namespace {

class FirstPaintQuit : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !fired_) {
      fired_ = true;
      // Quit once the paint and the flush after it are done.
      QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
    }
    return false;
  }

 private:
  bool fired_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(535, 515);
  window.setWindowTitle(QStringLiteral("Bare window"));
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
    auto* label = new QLabel(QStringLiteral("Pearl Plate  Stone Size  Millimeters  Inches"), &window);
    label->move(16, 16);
  }
  FirstPaintQuit watcher;
  window.installEventFilter(&watcher);
  window.show();
  return app.exec();
}
