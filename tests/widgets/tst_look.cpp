#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include "widgets/look.h"

static void initResources() { Q_INIT_RESOURCE(orvane); }

using namespace orvane;

class TestLook : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() { initResources(); }
  void readableOn_data();
  void readableOn();
  void toolPicturesOnAnyBar_data();
  void toolPicturesOnAnyBar();
  void sharedIconDrawsAsTheVectorFile_data();
  void sharedIconDrawsAsTheVectorFile();
  void edgeRingCoversItsPixelsAtAnyScale_data();
  void edgeRingCoversItsPixelsAtAnyScale();
};

void TestLook::readableOn_data() {
  QTest::addColumn<QColor>("text");
  QTest::addColumn<QColor>("background");
  QTest::addColumn<bool>("unchanged");
  const QColor light(240, 240, 240), dark(53, 53, 53);
  QTest::newRow("navy on a light face stays") << cl::Navy << light << true;
  QTest::newRow("maroon on a light face stays") << cl::Maroon << light << true;
  QTest::newRow("red on a light face stays") << cl::Red << light << true;
  QTest::newRow("navy on a dark face") << cl::Navy << dark << false;
  QTest::newRow("maroon on a dark face") << cl::Maroon << dark << false;
  QTest::newRow("blue on a dark face") << cl::Blue << dark << false;
  QTest::newRow("aqua on a dark face stays") << cl::Aqua << dark << true;
  QTest::newRow("yellow on white is darkened") << cl::Yellow << cl::White << false;
  QTest::newRow("black on black becomes white") << cl::Black << cl::Black << false;
}

void TestLook::readableOn() {
  QFETCH(QColor, text);
  QFETCH(QColor, background);
  QFETCH(bool, unchanged);
  const QColor shown = orvane::readableOn(text, background);
  QVERIFY2(contrastRatio(shown, background) >= 3.0, qPrintable(shown.name()));
  if (unchanged) {
    QCOMPARE(shown, text);
  } else {
    QVERIFY(shown != text);
    // The hue is kept: a coloured caption keeps its strongest channel.
    const QColor t = text.toRgb(), s = shown.toRgb();
    if (t.blue() > t.red() && t.blue() > t.green()) QVERIFY(s.blue() >= s.red() && s.blue() >= s.green());
    if (t.red() > t.green() && t.red() > t.blue()) QVERIFY(s.red() >= s.green() && s.red() >= s.blue());
  }
}

void TestLook::toolPicturesOnAnyBar_data() {
  QTest::addColumn<QString>("icon");
  QTest::addColumn<QColor>("colour");
  for (const char* name : {"nav_first", "nav_prior", "nav_next", "nav_last"})
    QTest::newRow(name) << QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)) << cl::Navy;
  QTest::newRow("clear") << QStringLiteral(":/icons/clear.svg") << QColor(0x8b, 0, 0);
}

// The pictures keep their dark colour on a light tool bar, and still stand
// out on a dark one.
void TestLook::toolPicturesOnAnyBar() {
  QFETCH(QString, icon);
  QFETCH(QColor, colour);
  QSvgRenderer svg(icon);
  QVERIFY(svg.isValid());
  for (const QColor bar : {QColor(240, 240, 240), QColor(40, 40, 40)}) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(bar);
    QPainter p(&image);
    svg.render(&p);
    p.end();
    int own = 0, standingOut = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.rgb() == colour.rgb()) ++own;
        if (contrastRatio(c, bar) >= 3.0) ++standingOut;
      }
    QVERIFY2(own >= 12, qPrintable(bar.name()));
    QVERIFY2(standingOut >= 20, qPrintable(bar.name()));
  }
}

void TestLook::sharedIconDrawsAsTheVectorFile_data() {
  QTest::addColumn<QString>("icon");
  QTest::addColumn<int>("preparedSize");
  QTest::addColumn<int>("shownSize");
  for (const char* name : {"nav_first", "clear"}) {
    const QString file = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
    QTest::addRow("%s at its size", name) << file << 16 << 16;
    QTest::addRow("%s larger", name) << file << 16 << 32;
    QTest::addRow("%s prepared at 20", name) << file << 20 << 20;
  }
}

// The icon shared by the buttons shows exactly what an icon straight from the
// vector file shows, in every mode and at any size.
void TestLook::sharedIconDrawsAsTheVectorFile() {
  QFETCH(QString, icon);
  QFETCH(int, preparedSize);
  QFETCH(int, shownSize);
  const QIcon shared = resourceIcon(icon, preparedSize);
  const QIcon plain(icon);
  QCOMPARE(shared.actualSize(QSize(shownSize, shownSize)), plain.actualSize(QSize(shownSize, shownSize)));
  for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected})
    for (qreal dpr : {1.0, 2.0}) {
      const QPixmap mine = shared.pixmap(QSize(shownSize, shownSize), dpr, mode);
      const QPixmap theirs = plain.pixmap(QSize(shownSize, shownSize), dpr, mode);
      QCOMPARE(mine.devicePixelRatio(), theirs.devicePixelRatio());
      QCOMPARE(mine.toImage().convertToFormat(QImage::Format_ARGB32),
               theirs.toImage().convertToFormat(QImage::Format_ARGB32));
    }
  QVERIFY(resourceIcon(icon, preparedSize).cacheKey() == shared.cacheKey());
}

void TestLook::edgeRingCoversItsPixelsAtAnyScale_data() {
  QTest::addColumn<int>("scale");
  QTest::newRow("normal screen") << 1;
  QTest::newRow("double density") << 2;
}

// Two rings, as on a sunken panel: each side of each ring covers exactly its
// own logical pixel, with no gap of the background left at any edge.
void TestLook::edgeRingCoversItsPixelsAtAnyScale() {
  QFETCH(int, scale);
  const QColor paper = cl::White, outer1 = cl::Navy, outer2 = cl::Maroon, inner1 = cl::Green,
               inner2 = cl::Olive;
  QImage image(10 * scale, 8 * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(paper);
  QRect r(0, 0, 10, 8);
  {
    QPainter p(&image);
    drawEdgeRing(p, r, outer1, outer2);
    drawEdgeRing(p, r, inner1, inner2);
  }
  QCOMPARE(r, QRect(2, 2, 6, 4));
  // The expected colour of each logical pixel; each covers scale x scale
  // device pixels.
  auto expected = [&](int x, int y) {
    if (y == 7 || x == 9) return outer2;
    if (y == 0 || x == 0) return outer1;
    if (y == 6 || x == 8) return inner2;
    if (y == 1 || x == 1) return inner1;
    return paper;
  };
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      QVERIFY2(image.pixelColor(x, y) == expected(x / scale, y / scale),
               qPrintable(QStringLiteral("device pixel %1,%2").arg(x).arg(y)));
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
