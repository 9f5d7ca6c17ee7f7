// Renders the vector application icon to a square PNG for the icon theme's
// fixed-size folders: render_icon <in.svg> <out.png> <pixels>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: render_icon <in.svg> <out.png> <pixels>\n");
    return 2;
  }
  // No display is needed to draw into an image.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
    return 1;
  }
  const int size = QByteArray(argv[3]).toInt();
  if (size <= 0) {
    std::fprintf(stderr, "render_icon: bad size %s\n", argv[3]);
    return 2;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  svg.render(&painter, QRectF(0, 0, size, size));
  painter.end();
  if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "render_icon: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
