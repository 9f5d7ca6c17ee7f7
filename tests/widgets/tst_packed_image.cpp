#include <QColorSpace>
#include <QDirIterator>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include "widgets/look.h"
#include "widgets/packed_image.h"

static void InitResources() { Q_INIT_RESOURCE(orvane); }

using namespace orvane;

namespace {

// The pixels as the screen gets them. Painting takes no notice of a colour
// space a decoder attaches, so neither does the comparison.
QImage Opaque(QImage image) {
  image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                        : QImage::Format_RGB32);
  image.setColorSpace(QColorSpace());
  return image;
}

}  // namespace

class TestPackedImage : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() { InitResources(); }
  void roundTripKeepsPixels_data();
  void roundTripKeepsPixels();
  void damagedBytesGiveNoPicture_data();
  void damagedBytesGiveNoPicture();
  void everyPictureIsPackedAsItsDecoderReadsIt();
  void everyIconIsPackedAsTheVectorFileDraws();
};

void TestPackedImage::roundTripKeepsPixels_data() {
  QTest::addColumn<int>("format");
  QTest::addColumn<int>("width");  // odd widths give padded grey rows
  QTest::newRow("grey, padded rows") << int(QImage::Format_Grayscale8) << 7;
  QTest::newRow("opaque colour") << int(QImage::Format_RGB32) << 5;
  QTest::newRow("see-through colour") << int(QImage::Format_ARGB32_Premultiplied) << 3;
  QTest::newRow("straight alpha") << int(QImage::Format_ARGB32) << 1;
}

void TestPackedImage::roundTripKeepsPixels() {
  QFETCH(int, format);
  QFETCH(int, width);
  QImage image(width, 4, QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgba(x * 40, y * 60, (x + y) * 20, 100 + x * 30));
  image = image.convertToFormat(QImage::Format(format));

  QSize source;
  const QImage back = UnpackImage(PackImage(image, QSize(16, 12)), &source);
  QCOMPARE(back.format(), image.format());
  QCOMPARE(back, image);
  QCOMPARE(source, QSize(16, 12));
}

void TestPackedImage::damagedBytesGiveNoPicture_data() {
  QImage image(6, 3, QImage::Format_RGB32);
  image.fill(Qt::red);
  const QByteArray good = PackImage(image, image.size());
  auto withWord = [&](int word, quint32 value) {
    QByteArray bytes = good;
    for (int i = 0; i < 4; ++i) bytes[word * 4 + i] = char((value >> (8 * i)) & 0xff);
    return bytes;
  };
  QTest::addColumn<QByteArray>("bytes");
  QTest::newRow("nothing") << QByteArray();
  QTest::newRow("header cut short") << good.left(20);
  QTest::newRow("last row cut short") << good.left(good.size() - 1);
  QTest::newRow("bytes left over") << good + QByteArray(4, '\0');
  QTest::newRow("other tag") << withWord(0, 0x12345678);
  QTest::newRow("no width") << withWord(1, 0);
  QTest::newRow("vast height") << withWord(2, 0x7fffffff);
  QTest::newRow("rows too short") << withWord(3, 20);
  QTest::newRow("unknown pixel format") << withWord(4, quint32(QImage::Format_RGB16));
  QTest::newRow("a picture file") << QByteArray("GIF89a\x06\x00\x03\x00", 10);
}

void TestPackedImage::damagedBytesGiveNoPicture() {
  QFETCH(QByteArray, bytes);
  QVERIFY(UnpackImage(bytes).isNull());
}

// What the windows show must be what the picture files hold.
void TestPackedImage::everyPictureIsPackedAsItsDecoderReadsIt() {
  int seen = 0;
  QDirIterator it(QStringLiteral(":/pictures"));
  while (it.hasNext()) {
    const QString path = it.next();
    ++seen;
    const QImage packed = PackedImage(path);
    QVERIFY2(!packed.isNull(), qPrintable(path));
    QImageReader reader(path);
    const QImage decoded = reader.read();
    QVERIFY2(!decoded.isNull(), qPrintable(path));
    QCOMPARE(packed.size(), decoded.size());
    QVERIFY2(Opaque(packed) == Opaque(decoded), qPrintable(path));
  }
  QVERIFY(seen > 0);
}

// The icons drawn by the build match the vector files drawn here, at every
// size the build made, including the window icon.
void TestPackedImage::everyIconIsPackedAsTheVectorFileDraws() {
  struct Set {
    QString folder;
    QList<int> sizes;
    bool windowIcon;
  };
  for (const Set& set : {Set{QStringLiteral(":/icons"), {16, 20, 32, 40}, false},
                         Set{QStringLiteral(":/app"), {16, 32, 64, 128}, true}}) {
    QDirIterator it(set.folder);
    while (it.hasNext()) {
      const QString path = it.next();
      if (!path.endsWith(QLatin1String(".svg"))) continue;
      QSvgRenderer svg(path);
      QVERIFY2(svg.isValid(), qPrintable(path));
      for (int px : set.sizes) {
        QSize drawing;
        const QImage packed = PackedImage(path, px, &drawing);
        QVERIFY2(packed.size() == QSize(px, px), qPrintable(path + QString::number(px)));
        QCOMPARE(drawing, svg.defaultSize());
        QImage drawn(px, px, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        if (set.windowIcon) {
          painter.setRenderHint(QPainter::Antialiasing);
          svg.render(&painter, QRectF(0, 0, px, px));
        } else {
          svg.render(&painter);
        }
        painter.end();
        QVERIFY2(packed == drawn, qPrintable(path + QString::number(px)));
      }
    }
  }
  // A size the build did not make is left to the vector file.
  QVERIFY(PackedImage(QStringLiteral(":/icons/clear.svg"), 17).isNull());
  QVERIFY(PackedImage(QStringLiteral(":/icons/no-such.svg"), 16).isNull());
}

QTEST_MAIN(TestPackedImage)
#include "tst_packed_image.moc"
