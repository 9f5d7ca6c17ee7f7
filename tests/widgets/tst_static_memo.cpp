#include <QPlainTextEdit>
#include <QTest>

#include "widgets/look.h"
#include "widgets/static_memo.h"

using namespace orvane;

namespace {

const QColor kPaper(255, 255, 224);
const QColor kInk(128, 0, 0);

QPalette Colours(QPalette pal) {
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(group, QPalette::Base, kPaper);
    pal.setColor(group, QPalette::Text, kInk);
  }
  return pal;
}

// The edit box the memo stands in for: borderless, no scroll bars, read-only,
// one-pixel document margin.
void SetupEdit(QPlainTextEdit& edit, const QRect& bounds, const QFont& font, const QStringList& lines) {
  edit.setGeometry(bounds);
  edit.setFont(font);
  edit.setFrameShape(QFrame::NoFrame);
  edit.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit.setReadOnly(true);
  edit.document()->setDocumentMargin(1);
  edit.setPlainText(lines.join(u'\n'));
  edit.setPalette(Colours(edit.palette()));
}

}  // namespace

class TestStaticMemo : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void drawsLikeTheEditBox_data() {
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("lines");
    const QStringList prose{"The Enter Key will  initiate the calculation and in some cases",
                            "move you to the next data entry.", "", "Bead Calculator and Bead Worksheet."};
    QTest::newRow("13 px") << MakeFont("Arial", 13) << QSize(361, 185) << prose;
    QTest::newRow("15 px") << MakeFont("Arial", 15) << QSize(441, 201) << prose;
    QTest::newRow("bold 16 px") << MakeFont("Arial", 16, true) << QSize(385, 120) << prose;
    QTest::newRow("word wrap") << MakeFont("Arial", 15) << QSize(150, 200) << prose;
    QTest::newRow("wrap inside a word") << MakeFont("Arial", 13) << QSize(60, 120)
                                        << QStringList{"Millimeterinchesfractions", "ok"};
    QTest::newRow("cut off at the bottom") << MakeFont("Arial", 15) << QSize(300, 30) << prose;
    QTest::newRow("blank lines only") << MakeFont("Arial", 13) << QSize(100, 60) << QStringList{"", "", ""};
  }
  void drawsLikeTheEditBox() {
    QFETCH(QFont, font);
    QFETCH(QSize, size);
    QFETCH(QStringList, lines);
    QWidget host;
    host.resize(size + QSize(40, 40));
    QPlainTextEdit edit(&host);
    SetupEdit(edit, QRect(QPoint(0, 0), size), font, lines);
    TStaticMemo memo(&host);
    memo.setGeometry(QRect(QPoint(0, 0), size));
    memo.setFont(font);
    memo.setPalette(Colours(memo.palette()));
    memo.SetLines(lines);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    memo.hide();
    const QImage expected = edit.grab().toImage().convertToFormat(QImage::Format_RGB32);
    memo.show();
    edit.hide();
    const QImage actual = memo.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(actual.size(), expected.size());
    QVERIFY2(actual == expected, "the memo's pixels differ from the edit box's");
    QVERIFY(actual.pixelColor(0, 0) == kPaper);
  }

  void textForTestsAndScreenReaders() {
    TStaticMemo memo;
    memo.SetLines({"First line", "", "Third line"});
    QCOMPARE(memo.toPlainText(), QString("First line\n\nThird line"));
    QCOMPARE(memo.accessibleDescription(), memo.toPlainText());
    memo.SetLines({"Other"});
    QCOMPARE(memo.toPlainText(), QString("Other"));
    QCOMPARE(memo.accessibleDescription(), QString("Other"));
  }

  // Text to read, not a control: no Tab stop, and the wheel goes to the box
  // around it.
  void noTabStopAndPassesTheWheelOn() {
    TStaticMemo memo;
    QCOMPARE(memo.focusPolicy(), Qt::ClickFocus);
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&memo, &wheel);
    QVERIFY(!wheel.isAccepted());
  }
};

QTEST_MAIN(TestStaticMemo)
#include "tst_static_memo.moc"
