#include <QApplication>
#include <QDirIterator>
#include <QLabel>
#include <QPlainTextEdit>
#include <QImageReader>
#include <QTest>
#include <algorithm>

#include "app/info_pages.h"
#include "app/main_window.h"
#include "app/maker_info.h"
#include "widget_fixture.h"
#include "widgets/ext_page_control.h"
#include "widgets/fx_label.h"
#include "widgets/look.h"
#include "widgets/static_memo.h"

using namespace orvane;

namespace {

QColor TextColorOf(QWidget* w) { return w->palette().color(QPalette::WindowText); }

}  // namespace

class TestInfoPages : public QObject {
  Q_OBJECT
 private:
  ModalDialogGuard guard;

 private Q_SLOTS:
  void cleanup() { QVERIFY2(!guard.Tripped(), qPrintable(guard.Seen())); }

  void webAndMailLabelsOpenTheirTargetsAndTurnPurple_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("target");
    QTest::newRow("program page") << "Label14"
                                  << "https://" + maker::kProgramPage;
    QTest::newRow("maker's site") << "Label15"
                                  << "https://" + maker::kWebSite + "/";
    QTest::newRow("mail") << "Label37"
                          << "mailto:" + maker::kDisplayName + " <" + maker::kMailAddress + ">";
  }

  void webAndMailLabelsOpenTheirTargetsAndTurnPurple() {
    QFETCH(QString, label);
    QFETCH(QString, target);
    TestApp t;
    TMainFrm* main = t.app->MainFrm();
    main->show();
    main->PageControl1->SetActivePageIndex(9);
    TLinksPage* links = main->TabSheet9;
    QLabel* link = label == "Label14" ? links->Label14 : label == "Label15" ? links->Label15 : links->Label37;
    QCOMPARE(TextColorOf(link), cl::Blue);
    QVERIFY(link->font().underline());

    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(t.services.openedUrls.size(), 1);
    QCOMPARE(t.services.openedUrls[0], QUrl(target));
    QCOMPARE(TextColorOf(link), kVisitedLinkColor);

    // Twice opens twice; a failure is not reported and the colour stays.
    t.services.openUrlResult = false;
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(t.services.openedUrls.size(), 2);
    QCOMPARE(t.services.openedUrls[1], QUrl(target));
    QCOMPARE(TextColorOf(link), kVisitedLinkColor);
    QCOMPARE(t.services.alerts, 0);
    QVERIFY(t.services.messages.isEmpty());
  }

  void aboutPageWebAddressOpensTheSiteWithoutSlash() {
    TestApp t;
    TMainFrm* main = t.app->MainFrm();
    main->show();
    TFxLabel* fx = main->TabSheet1->FxLabel7;
    QCOMPARE(fx->Caption(), maker::kWebSite);
    QCOMPARE(fx->TextColor(), cl::Blue);
    QCOMPARE(fx->toolTip(), "Click to visit web site.");
    QTest::mouseClick(fx, Qt::LeftButton, {}, fx->rect().center());
    QCOMPARE(t.services.openedUrls, QList<QUrl>{QUrl("https://" + maker::kWebSite)});
    QCOMPARE(fx->TextColor(), kVisitedLinkColor);
    // The shared web target was re-aimed; the site link puts its slash back.
    QTest::mouseClick(main->TabSheet9->Label15, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(t.services.openedUrls.last(), QUrl("https://" + maker::kWebSite + "/"));
  }

  void donationLinkOpensItsPageAndAlertsOnFailure() {
    TestApp t;
    TMainFrm* main = t.app->MainFrm();
    main->show();
    main->PageControl1->SetActivePageIndex(9);
    TUrlLabel* donate = main->TabSheet9->UrlLabel1;
    QCOMPARE(donate->text(), "Donate to Support Programming");
    QVERIFY(donate->fontMetrics().horizontalAdvance(donate->text()) <= donate->width());  // one line
    QTest::mouseClick(donate, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(t.services.openedUrls, QList<QUrl>{QUrl(maker::kDonationUrl)});
    QCOMPARE(t.services.alerts, 0);
    t.services.openUrlResult = false;
    QTest::mouseClick(donate, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(t.services.alerts, 1);
    QCOMPARE(donate->FontColor(), cl::Blue);
  }

  void tipsHoldTheirElevenLines() {
    TestApp t;
    TTipsPage* tips = t.app->MainFrm()->TabSheet10;
    const QStringList lines = tips->Memo3->toPlainText().split(u'\n');
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[0], "The Enter Key will  initiate the calculation and in some cases");
    QCOMPARE(lines[1], "move you to the next data entry.  This is especially true for the ");
    for (int empty : {3, 5, 8}) QVERIFY(lines[empty].isEmpty());
    QCOMPARE(lines[10], "Calculator, Help or Worksheet Windows.");
    // Text to read: it shows on its page and is no Tab stop.
    t.app->MainFrm()->show();
    t.app->MainFrm()->PageControl1->SetActivePageIndex(1);
    QVERIFY(tips->Memo3->isVisible());
    QCOMPARE(tips->Memo3->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(tips->Memo3->accessibleDescription(), tips->Memo3->toPlainText());
    QCOMPARE(tips->Label43->text(), "Hit the ENTER KEY after making a data entry.  ");
  }

  // The About, Tips and Links pages are white paper: their texts stay black
  // on it when the desktop uses light text on dark faces.
  void whitePagesKeepBlackTextOnADarkDesktop() {
    const QPalette saved = QApplication::palette();
    QApplication::setPalette(DarkDesktop());
    {
      TestApp t;
      TMainFrm* main = t.app->MainFrm();
      main->show();
      TAboutPage* about = main->TabSheet1;
      for (QWidget* w : {static_cast<QWidget*>(about->Label4), static_cast<QWidget*>(about->Label5)})
        ExpectBlackOnWhite(w);
      main->PageControl1->SetActivePageIndex(1);
      ExpectBlackOnWhite(main->TabSheet10->Label41);
      ExpectBlackOnWhite(main->TabSheet10->Memo3);
      main->PageControl1->SetActivePageIndex(9);
      ExpectBlackOnWhite(main->TabSheet9->Label32);
      ExpectBlackOnWhite(main->TabSheet9->Memo1);
      ExpectBlackOnWhite(main->TabSheet9->Memo2);
    }
    QApplication::setPalette(saved);
  }

  void linkMemosTakeTypingButKeepNothing() {
    TestApp t;
    QPlainTextEdit* memo = t.app->MainFrm()->TabSheet9->Memo1;
    QVERIFY(!memo->isReadOnly());
    FocusWidget(memo);
    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, " Hi");
    QVERIFY(memo->toPlainText().endsWith("hobbyist. Hi"));
  }

  void aboutPagePicturesAreLoaded() {
    TestApp t;
    TAboutPage* about = t.app->MainFrm()->TabSheet1;
    QCOMPARE(about->Image1->pixmap().size(), QSize(394, 63));
    QVERIFY(!about->Image2->pixmap().isNull());
    // The banner stays a GIF and the book picture a JPEG, decoded by libjpeg.
    QCOMPARE(QImageReader::imageFormat(QStringLiteral(":/pictures/banner.gif")), QByteArray("gif"));
    QCOMPARE(QImageReader::imageFormat(QStringLiteral(":/pictures/book_calculator.jpg")), QByteArray("jpeg"));
    QVERIFY(about->Image2->hasScaledContents());
    QCOMPARE(about->FxLabel5->Caption(), maker::kRightsNotice);
    QCOMPARE(about->FxLabel5->Appearance(), TFxAppearance::apCustom);
  }

  // Every picture file is decoded when its window is built, by the reader
  // its file name picks: a missing image plug-in or a file whose name lies
  // about its format would leave an empty frame.
  void everyPictureFileIsDecoded() {
    TestApp t;  // the resources
    QWidget parent;
    QDirIterator files(QStringLiteral(":/pictures"));
    int count = 0;
    while (files.hasNext()) {
      const QString file = files.next();
      QImageReader plain(file);
      const QSize size = plain.size();
      QVERIFY2(size.isValid(), qPrintable(file));
      QLabel* picture = MakePicture(&parent, QRect(QPoint(0, 0), size), file, false, file);
      QCOMPARE(picture->pixmap().size(), size);
      ++count;
    }
    QVERIFY(count >= 3);
  }
};

QTEST_MAIN(TestInfoPages)
#include "tst_info_pages.moc"
