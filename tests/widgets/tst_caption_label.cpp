#include <QAccessible>
#include <QPainter>
#include <QTest>

#include "widgets/caption_label.h"
#include "widgets/look.h"

using namespace orvane;

namespace {

const QColor kBackdrop(255, 0, 255);  // a colour no caption uses

QImage grabImage(const CaptionLabel& label) {
  QImage image(label.size(), QImage::Format_RGB32);
  image.fill(kBackdrop);
  QPainter p(&image);
  label.paintCaption(p);
  return image;
}

}  // namespace

class TestFxLabel : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  // The caption is drawn once, in its colour, where a plain text of the same
  // alignment and wrapping would be: no layer around it.
  void drawsItsCaptionAsPlainText_data() {
    QTest::addColumn<int>("alignment");
    QTest::newRow("left") << int(Qt::AlignLeft);
    QTest::newRow("centred") << int(Qt::AlignHCenter);
    QTest::newRow("right") << int(Qt::AlignRight);
  }
  void drawsItsCaptionAsPlainText() {
    QFETCH(int, alignment);
    CaptionLabel label;
    QFont f = makeFont("Arial", 24, true);
    f.setStyleStrategy(QFont::NoAntialias);
    label.setFont(f);
    label.resize(160, 60);
    label.setCaption("Plain && simple text that wraps");
    label.setCaptionAlignment(Qt::Alignment(alignment) | Qt::AlignBottom);
    label.setTextColor(QColor(0, 0, 240));
    QCOMPARE(label.captionAlignment(), Qt::Alignment(alignment));

    QImage expected(label.size(), QImage::Format_RGB32);
    expected.fill(kBackdrop);
    QPainter p(&expected);
    p.setFont(label.font());
    p.setPen(QColor(0, 0, 240));
    p.drawText(label.rect(), alignment | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic,
               label.caption());
    p.end();
    const QImage image = grabImage(label);
    QCOMPARE(image, expected);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    QCOMPARE(colours, (QSet<QRgb>{kBackdrop.rgb(), QColor(0, 0, 240).rgb()}));
  }

  // Without a target it is text a screen reader reads, not a Tab stop; with
  // one, Tab reaches it and Enter does what a click does.
  void aTargetMakesItALink() {
    CaptionLabel label;
    label.setCaption("&Notice");
    QCOMPARE(label.accessibleName(), "Notice");
    QCOMPARE(label.focusPolicy(), Qt::NoFocus);
    QCOMPARE(QAccessible::queryAccessibleInterface(&label)->role(), QAccessible::StaticText);

    int clicks = 0;
    QObject::connect(&label, &CaptionLabel::clicked, [&] { ++clicks; });
    label.setLinkTarget("https://example.org");
    QCOMPARE(label.focusPolicy(), Qt::TabFocus);
    QTest::keyClick(&label, Qt::Key_Return);
    QTest::keyClick(&label, Qt::Key_Space);
    QTest::mouseClick(&label, Qt::LeftButton, {}, label.rect().center());
    QCOMPARE(clicks, 3);
  }
};

QTEST_MAIN(TestFxLabel)
#include "tst_caption_label.moc"
