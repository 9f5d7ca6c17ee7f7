// Build-time helper: decodes a picture, or draws a vector icon at a pixel
// size, and writes the pixels in the packed layout the program reads without
// any decoding (see src/widgets/packed_image.h). Decoding the pictures of
// every window and drawing every icon cost a noticeable part of start-up.
//
//   pack_image picture <in.gif|jpg|png> <out>
//   pack_image icon <in.svg> <pixels> <out>    drawn as a toolbar icon is
//   pack_image window-icon <in.svg> <pixels> <out>   drawn as the window icon
//   pack_image window-icon-png <in.svg> <pixels> <out.png>   the same, as a PNG
//                                  file (the icon theme's fixed-size icon)
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <cstdio>

#include "widgets/packed_image.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "pack_image: %s\n", qPrintable(message));
  return 1;
}

// Packed in the form the screen takes them (what QPixmap::fromImage would
// convert them to), so showing one is a plain copy of its rows.
QImage Normalised(const QImage& image) {
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                       : QImage::Format_RGB32);
}

int Write(const QImage& image, QSize sourceSize, const QString& path) {
  QSaveFile out(path);
  if (!out.open(QIODevice::WriteOnly)) return Fail(path + QStringLiteral(": ") + out.errorString());
  const QByteArray packed = orvane::PackImage(image, sourceSize);
  if (packed.isEmpty()) return Fail(path + QStringLiteral(": this picture cannot be packed"));
  out.write(packed);
  if (!out.commit()) return Fail(path + QStringLiteral(": ") + out.errorString());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args.size() == 3 && args[0] == QLatin1String("picture")) {
    QImageReader reader(args[1]);
    const QImage image = reader.read();
    if (image.isNull()) return Fail(args[1] + QStringLiteral(": ") + reader.errorString());
    return Write(Normalised(image), image.size(), args[2]);
  }
  const bool png = args.value(0) == QLatin1String("window-icon-png");
  const bool windowIcon = png || args.value(0) == QLatin1String("window-icon");
  if (args.size() == 4 && (windowIcon || args[0] == QLatin1String("icon"))) {
    bool ok = false;
    const int pixels = args[2].toInt(&ok);
    if (!ok || pixels <= 0 || pixels > 1024) return Fail(QStringLiteral("bad pixel size ") + args[2]);
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) return Fail(args[1] + QStringLiteral(": not a readable SVG file"));
    QImage drawn(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    if (windowIcon) {
      painter.setRenderHint(QPainter::Antialiasing);
      svg.render(&painter, QRectF(0, 0, pixels, pixels));
    } else {
      // A toolbar icon fills its square only when the drawing is square;
      // other shapes are left to the vector file at run time.
      QSize actual = svg.defaultSize();
      if (actual.isEmpty() || actual.scaled(pixels, pixels, Qt::KeepAspectRatio) != QSize(pixels, pixels))
        return Fail(args[1] + QStringLiteral(": not a square drawing"));
      svg.render(&painter);
    }
    painter.end();
    if (png) return drawn.save(args[3], "PNG") ? 0 : Fail(args[3] + QStringLiteral(": cannot be written"));
    return Write(drawn, svg.defaultSize(), args[3]);
  }
  return Fail(QStringLiteral("usage: pack_image picture <in> <out> | icon|window-icon|window-icon-png <in.svg> <pixels> <out>"));
}
