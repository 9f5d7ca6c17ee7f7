#include <QPainter>
#include <QTest>

#include "widgets/fx_label.h"
#include "widgets/look.h"

using namespace orvane;

Q_DECLARE_METATYPE(TFxAppearance)
Q_DECLARE_METATYPE(TFxColorScheme)
Q_DECLARE_METATYPE(TFxShadeDirection)

namespace {

const QColor kBackdrop(255, 0, 255);  // a colour no scheme uses

// A label with hard-edged glyphs, so every pixel is exactly one layer colour.
void Setup(TFxLabel& label, Qt::Alignment alignment = Qt::AlignLeft) {
  QFont f = MakeFont("Arial", 24, true);
  f.setStyleStrategy(QFont::NoAntialias);
  label.setFont(f);
  label.resize(120, 40);
  label.SetCaption("H");
  label.SetAlignment(alignment);
}

QImage Render(const TFxLabel& label) {
  QImage image(label.size(), QImage::Format_RGB32);
  image.fill(kBackdrop);
  QPainter p(&image);
  label.Render(p);
  return image;
}

// The bounding box of the pixels of one colour.
QRect Extent(const QImage& image, const QColor& color) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y).rgb() == color.rgb()) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace

class TestFxLabel : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void raisedLabelHasItsLayersOnePixelAroundTheCaption() {
    TFxLabel raised;
    Setup(raised);
    TFxLabel plain;
    Setup(plain);
    plain.SetAppearance(TFxAppearance::apNone);

    QCOMPARE(raised.Appearance(), TFxAppearance::apRaised);
    QCOMPARE(raised.ColorScheme(), TFxColorScheme::csWindows);
    const QImage image = Render(raised);
    const QRect caption = Extent(image, cl::Gray);
    const QRect highlight = Extent(image, cl::White);
    const QRect shadow = Extent(image, cl::Black);
    QVERIFY(!caption.isEmpty());
    QCOMPARE(highlight.topLeft(), caption.topLeft() - QPoint(1, 1));
    QCOMPARE(shadow.bottomRight(), caption.bottomRight() + QPoint(1, 1));
    // The group is shifted one pixel right and down, so it stays inside.
    QCOMPARE(caption.topLeft(), Extent(Render(plain), cl::Gray).topLeft() + QPoint(1, 1));
  }

  void flyingCentredLabelShiftsTwoPixelsLeft() {
    TFxLabel flying;
    Setup(flying, Qt::AlignHCenter);
    flying.SetAppearance(TFxAppearance::apFlying);
    TFxLabel plain;
    Setup(plain, Qt::AlignHCenter);
    plain.SetAppearance(TFxAppearance::apNone);

    const QImage image = Render(flying);
    const QRect caption = Extent(image, cl::Gray);
    QCOMPARE(caption.topLeft(), Extent(Render(plain), cl::Gray).topLeft() - QPoint(2, 0));
    // Highlight and shadow are both black here: highlight 1, shadow 5 down-right.
    QCOMPARE(Extent(image, cl::Black).bottomRight(), caption.bottomRight() + QPoint(5, 5));
  }

  void appearancePresets_data() {
    QTest::addColumn<TFxAppearance>("appearance");
    QTest::addColumn<TFxShadeDirection>("hDir");
    QTest::addColumn<int>("hDepth");
    QTest::addColumn<TFxShadeDirection>("sDir");
    QTest::addColumn<int>("sDepth");
    using D = TFxShadeDirection;
    QTest::newRow("none") << TFxAppearance::apNone << D::sdNone << 0 << D::sdNone << 0;
    QTest::newRow("flying") << TFxAppearance::apFlying << D::sdDownRight << 1 << D::sdDownRight << 5;
    QTest::newRow("raised") << TFxAppearance::apRaised << D::sdUpLeft << 1 << D::sdDownRight << 1;
    QTest::newRow("sunken") << TFxAppearance::apSunken << D::sdDownRight << 1 << D::sdUpLeft << 1;
    QTest::newRow("shadow") << TFxAppearance::apShadow << D::sdNone << 0 << D::sdDownRight << 2;
  }

  void appearancePresets() {
    QFETCH(TFxAppearance, appearance);
    TFxLabel label;
    label.SetColorScheme(TFxColorScheme::csGold);
    label.SetAppearance(appearance);
    const TFxCustomSettings& s = label.CustomSettings();
    QTEST(s.HighlightDirection, "hDir");
    QTEST(s.HighlightDepth, "hDepth");
    QTEST(s.ShadowDirection, "sDir");
    QTEST(s.ShadowDepth, "sDepth");
    QCOMPARE(label.Appearance(), appearance);  // applying a preset is not a custom change
    QCOMPARE(label.ColorScheme(), TFxColorScheme::csGold);
    // Flying uses the scheme's shadow colour for its highlight.
    QCOMPARE(s.HighlightColor, appearance == TFxAppearance::apFlying ? cl::Black : cl::Yellow);
  }

  void colourSchemes_data() {
    QTest::addColumn<TFxColorScheme>("scheme");
    QTest::addColumn<QColor>("highlight");
    QTest::addColumn<QColor>("shadow");
    QTest::addColumn<QColor>("text");
    QTest::newRow("text") << TFxColorScheme::csText << cl::White << cl::Gray << cl::Black;
    QTest::newRow("windows") << TFxColorScheme::csWindows << cl::White << cl::Black << cl::Gray;
    QTest::newRow("embossed") << TFxColorScheme::csEmbossed << cl::White << cl::Black << cl::Silver;
    QTest::newRow("gold") << TFxColorScheme::csGold << cl::Yellow << cl::Black << cl::Olive;
    QTest::newRow("steel") << TFxColorScheme::csSteel << cl::Aqua << cl::Navy << cl::Teal;
  }

  void colourSchemes() {
    QFETCH(TFxColorScheme, scheme);
    TFxLabel label;
    label.SetColorScheme(scheme);
    QTEST(label.CustomSettings().HighlightColor, "highlight");
    QTEST(label.CustomSettings().ShadowColor, "shadow");
    QTEST(label.TextColor(), "text");
    // The custom row now holds the same colours.
    label.SetColorScheme(TFxColorScheme::csText);
    label.SetColorScheme(TFxColorScheme::csCustom);
    QCOMPARE(label.TextColor(), cl::Black);
    TFxLabel fresh;
    fresh.SetColorScheme(scheme);
    fresh.SetColorScheme(TFxColorScheme::csCustom);
    QTEST(fresh.TextColor(), "text");
    QTEST(fresh.CustomSettings().ShadowColor, "shadow");
  }

  void ownColourOrShapeMakesTheLabelCustom() {
    TFxLabel label;
    label.SetColorScheme(TFxColorScheme::csGold);
    label.SetShadowColor(cl::Red);
    QCOMPARE(label.ColorScheme(), TFxColorScheme::csCustom);
    QCOMPARE(label.CustomSettings().HighlightColor, cl::Yellow);
    QCOMPARE(label.TextColor(), cl::Olive);
    QCOMPARE(label.Appearance(), TFxAppearance::apRaised);

    label.SetShadowDepth(3);
    QCOMPARE(label.Appearance(), TFxAppearance::apCustom);
    label.SetHighlightDepth(300);
    QCOMPARE(label.CustomSettings().HighlightDepth, 255);
  }

  void noDepthsLookLikeAPlainLabel() {
    TFxLabel label;
    Setup(label, Qt::AlignHCenter);
    label.SetCaption("Plain && simple text that wraps");
    label.SetAppearance(TFxAppearance::apCustom);
    label.SetHighlightDepth(0);
    label.SetShadowDepth(0);
    label.SetShadowDirection(TFxShadeDirection::sdNone);

    QImage expected(label.size(), QImage::Format_RGB32);
    expected.fill(kBackdrop);
    QPainter p(&expected);
    p.setFont(label.font());
    p.setPen(label.TextColor());
    p.drawText(label.rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic,
               label.Caption());
    p.end();
    QCOMPARE(Render(label), expected);
  }

  void noColourDrawsWhite() {
    TFxLabel label;
    Setup(label);
    label.SetShadowColor(QColor());
    const QImage image = Render(label);
    QVERIFY(Extent(image, cl::Black).isEmpty());
    QCOMPARE(Extent(image, cl::White).bottomRight(), Extent(image, cl::Gray).bottomRight() + QPoint(1, 1));
  }

  void extrudedAndGraduatedLayers() {
    TFxLabel label;
    Setup(label);
    label.SetColorScheme(TFxColorScheme::csText);  // text black, shadow gray
    label.SetAppearance(TFxAppearance::apShadow);
    label.SetShadowDepth(3);
    label.SetShadowStyle(TFxShadeStyle::ssExtrude);
    QImage image = Render(label);
    const QRect caption = Extent(image, cl::Black);
    QCOMPARE(Extent(image, cl::Gray).bottomRight(), caption.bottomRight() + QPoint(3, 3));

    label.SetShadowStyle(TFxShadeStyle::ssGraduated);
    image = Render(label);
    // The far layer in the effect colour, the middle one half way to the text.
    QCOMPARE(Extent(image, cl::Gray).bottomRight(), caption.bottomRight() + QPoint(3, 3));
    QCOMPARE(Extent(image, QColor(64, 64, 64)).bottomRight(), caption.bottomRight() + QPoint(2, 2));
  }

  void graduatedFillRunsFromItsColourToTheText() {
    TFxLabel label;
    Setup(label);
    label.SetCaption("HHHH");
    label.SetAppearance(TFxAppearance::apNone);
    label.SetTextColor(QColor(0, 0, 240));
    label.SetGraduateFromColor(QColor(240, 0, 0));
    label.SetGraduateStyle(TFxGraduateStyle::gsHorizontal);
    const QImage image = Render(label);
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y).rgb() != kBackdrop.rgb()) ink |= QRect(x, y, 1, 1);
    QVERIFY(!ink.isEmpty());
    auto firstInkInColumn = [&](int x) {
      for (int y = ink.top(); y <= ink.bottom(); ++y)
        if (image.pixelColor(x, y).rgb() != kBackdrop.rgb()) return image.pixelColor(x, y);
      return QColor();
    };
    QCOMPARE(firstInkInColumn(ink.left()), QColor(240, 0, 0));
    const QColor last = firstInkInColumn(ink.right());
    QVERIFY2(last.blue() > 200 && last.red() < 40, qPrintable(last.name()));
  }
};

QTEST_MAIN(TestFxLabel)
#include "tst_fx_label.moc"
