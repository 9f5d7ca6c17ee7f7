#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDirIterator>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "app/help_window.h"
#include "app/info_pages.h"
#include "app/main_window.h"
#include "core/maker_info.h"
#include "find_child.h"
#include "platform/languages.h"
#include "platform/window_frame.h"
#include "text_fit.h"
#include "widget_fixture.h"
#include "widgets/caption_label.h"
#include "widgets/color_tab_widget.h"
#include "widgets/look.h"

using namespace orvane;

namespace {

QColor textColorOf(QWidget* w) { return w->palette().color(QPalette::WindowText); }

}  // namespace

class TestInfoPages : public QObject {
  Q_OBJECT
 private:
  ModalDialogGuard guard;

 private Q_SLOTS:
  void cleanup() {
    installLanguage(QStringLiteral("en"));
    QVERIFY2(!guard.tripped(), qPrintable(guard.seen()));
  }

  void webAndMailLabelsOpenTheirTargetsAndTurnPurple_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("address");  // as named and copied when it cannot be opened
    const QString mail = maker::kDisplayName + " <" + maker::kMailAddress + ">";
    QTest::newRow("program page") << "programPageLink"
                                  << "https://" + maker::kProgramPage << "https://" + maker::kProgramPage;
    QTest::newRow("maker's site") << "makerSiteLink"
                                  << "https://" + maker::kWebSite + "/"
                                  << "https://" + maker::kWebSite + "/";
    QTest::newRow("mail") << "mailLink"
                          << "mailto:" + mail << mail;
  }

  void webAndMailLabelsOpenTheirTargetsAndTurnPurple() {
    QFETCH(QString, label);
    QFETCH(QString, target);
    QFETCH(QString, address);
    TestApp t;
    MainWindow* main = t.app->mainWindow();
    main->show();
    findNamed<ColorTabWidget>(main, "pages")->setActivePageIndex(9);
    LinksPage* links = findNamed<LinksPage>(main, "linksPage");
    QLabel* link = label == "programPageLink" ? findNamed<LinkLabel>(links, "programPageLink")
                   : label == "makerSiteLink" ? findNamed<LinkLabel>(links, "makerSiteLink")
                                              : findNamed<LinkLabel>(links, "mailLink");
    QCOMPARE(textColorOf(link), cl::Blue);
    QVERIFY(link->font().underline());

    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(t.services.openedUrls.size(), 1);
    QCOMPARE(t.services.openedUrls[0], QUrl(target));
    QCOMPARE(textColorOf(link), kVisitedLinkColor);

    QVERIFY(t.services.messages.isEmpty());

    // Twice opens twice. A link that cannot be opened says so, naming the
    // address, and copies it only when asked to; the colour stays.
    t.services.openUrlResult = false;
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(t.services.openedUrls.size(), 2);
    QCOMPARE(t.services.openedUrls[1], QUrl(target));
    QCOMPARE(textColorOf(link), kVisitedLinkColor);
    QCOMPARE(t.services.alerts, 0);
    QCOMPARE(t.services.messages.size(), 1);
    const RecordedMessage& m = t.services.messages[0];
    QCOMPARE(m.icon, MessageIcon::Warning);
    QVERIFY2(m.text.contains("\n" + address + "\n"), qPrintable(m.text));
    QCOMPARE(m.button, "Copy Address");
    QVERIFY(t.services.clipboard.isEmpty());
    t.services.pressMessageButton = true;
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(t.services.messages.size(), 2);
    QCOMPARE(t.services.clipboard, address);
  }

  void aboutPageWebAddressOpensTheSiteWithoutSlash() {
    TestApp t;
    MainWindow* main = t.app->mainWindow();
    main->show();
    CaptionLabel* fx = findNamed<CaptionLabel>(findNamed<AboutPage>(main, "aboutPage"), "webAddressLabel");
    QCOMPARE(fx->caption(), maker::kWebSite);
    QCOMPARE(fx->textColor(), cl::Blue);
    QCOMPARE(fx->toolTip(), "Click to visit web site.");
    QTest::mouseClick(fx, Qt::LeftButton, {}, fx->rect().center());
    QCOMPARE(t.services.openedUrls, QList<QUrl>{QUrl("https://" + maker::kWebSite)});
    QCOMPARE(fx->textColor(), kVisitedLinkColor);
    // Unopened, it says so as the other links do.
    t.services.openUrlResult = false;
    t.services.pressMessageButton = true;
    QTest::mouseClick(fx, Qt::LeftButton, {}, fx->rect().center());
    QCOMPARE(t.services.messages.size(), 1);
    QCOMPARE(t.services.clipboard, "https://" + maker::kWebSite);
    t.services.openUrlResult = true;
    // The shared web target was re-aimed; the site link puts its slash back.
    findNamed<ColorTabWidget>(main, "pages")->setActivePageIndex(9);
    QTest::mouseClick(findNamed<LinkLabel>(findNamed<LinksPage>(main, "linksPage"), "makerSiteLink"),
                      Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(t.services.openedUrls.last(), QUrl("https://" + maker::kWebSite + "/"));
  }

  // Every link of the main window: Tab reaches it, Enter and Space open it,
  // and screen readers see a link with its target that their press opens.
  void linksWorkFromTheKeyboardAndForScreenReaders_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("target");
    QTest::newRow("about: web address") << 0 << "webAddressLabel"
                                        << "https://" + maker::kWebSite;
    QTest::newRow("program page") << 9 << "programPageLink"
                                  << "https://" + maker::kProgramPage;
    QTest::newRow("maker's site") << 9 << "makerSiteLink"
                                  << "https://" + maker::kWebSite + "/";
    QTest::newRow("mail") << 9 << "mailLink"
                          << "mailto:" + maker::kDisplayName + " <" + maker::kMailAddress + ">";
    QTest::newRow("donation") << 9 << "donationLink" << maker::kDonationUrl;
  }

  void linksWorkFromTheKeyboardAndForScreenReaders() {
    QFETCH(int, page);
    QFETCH(QString, link);
    QFETCH(QString, target);
    TestApp t;
    MainWindow* main = t.app->mainWindow();
    main->show();
    findNamed<ColorTabWidget>(main, "pages")->setActivePageIndex(page);
    LinksPage* links = findNamed<LinksPage>(main, "linksPage");
    QWidget* w =
        link == "webAddressLabel"   ? static_cast<QWidget*>(findNamed<CaptionLabel>(
                                        findNamed<AboutPage>(main, "aboutPage"), "webAddressLabel"))
        : link == "programPageLink" ? static_cast<QWidget*>(findNamed<LinkLabel>(links, "programPageLink"))
        : link == "makerSiteLink"   ? static_cast<QWidget*>(findNamed<LinkLabel>(links, "makerSiteLink"))
        : link == "mailLink"        ? static_cast<QWidget*>(findNamed<LinkLabel>(links, "mailLink"))
                                    : static_cast<QWidget*>(findNamed<UrlLabel>(links, "donationLink"));

    // Tab reaches it; a click does not take the focus from the box in use.
    QVERIFY(w->focusPolicy() & Qt::TabFocus);
    QVERIFY(!(w->focusPolicy() & Qt::ClickFocus));
    giveFocusTo(findNamed<QPushButton>(main, "fractionsButton"));
    for (int i = 0; i < 40 && QApplication::focusWidget() != w; ++i)
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w);

    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(t.services.openedUrls, QList<QUrl>{QUrl(target)});
    QTest::keyClick(w, Qt::Key_Space);
    QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(t.services.openedUrls.size(), 3);
    QTest::keyClick(w, Qt::Key_A);
    QTest::keyClick(w, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(t.services.openedUrls.size(), 3);
    QCOMPARE(QApplication::focusWidget(), w);  // a visited link keeps its place

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    QCOMPARE(iface->role(), QAccessible::Link);
    QVERIFY(!iface->text(QAccessible::Name).isEmpty());
    QCOMPARE(iface->text(QAccessible::Description), target);
    QVERIFY(iface->state().focusable && iface->state().linked);
    QAccessibleActionInterface* actions = iface->actionInterface();
    QVERIFY(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(t.services.openedUrls.size(), 4);
    QCOMPARE(t.services.openedUrls.last(), QUrl(target));
  }

  // The About page's rights notice is text, not a link.
  void rightsNoticeReadsAsText() {
    TestApp t;
    CaptionLabel* notice =
        findNamed<CaptionLabel>(findNamed<AboutPage>(t.app->mainWindow(), "aboutPage"), "rightsNoticeLabel");
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(notice);
    QCOMPARE(iface->role(), QAccessible::StaticText);
    QCOMPARE(iface->text(QAccessible::Name), QString::fromUtf8(maker::kRightsNotice));
    QCOMPARE(notice->focusPolicy(), Qt::NoFocus);
    QVERIFY(!iface->actionInterface() ||
            !iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
  }

  void donationLinkOpensItsPageAndAlertsOnFailure() {
    TestApp t;
    MainWindow* main = t.app->mainWindow();
    main->show();
    findNamed<ColorTabWidget>(main, "pages")->setActivePageIndex(9);
    UrlLabel* donate = findNamed<UrlLabel>(findNamed<LinksPage>(main, "linksPage"), "donationLink");
    QCOMPARE(donate->text(), "Donate to Support Programming");
    QVERIFY(donate->fontMetrics().horizontalAdvance(donate->text()) <= donate->width());  // one line
    QTest::mouseClick(donate, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(t.services.openedUrls, QList<QUrl>{QUrl(maker::kDonationUrl)});
    QCOMPARE(t.services.alerts, 0);
    t.services.openUrlResult = false;
    QTest::mouseClick(donate, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(t.services.alerts, 1);
    QCOMPARE(donate->fontColor(), cl::Blue);
  }

  void tipsHoldTheirElevenLines() {
    TestApp t;
    TipsPage* tips = findNamed<TipsPage>(t.app->mainWindow(), "tipsPage");
    const QStringList lines = findNamed<QPlainTextEdit>(tips, "tipsText")->toPlainText().split(u'\n');
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[0], "The Enter Key will  initiate the calculation and in some cases");
    QCOMPARE(lines[1], "move you to the next data entry.  This is especially true for the ");
    for (int empty : {3, 5, 8}) QVERIFY(lines[empty].isEmpty());
    QCOMPARE(lines[10], "Calculator, Help or Worksheet Windows.");
    t.app->mainWindow()->show();
    findNamed<ColorTabWidget>(t.app->mainWindow(), "pages")->setActivePageIndex(1);
    QVERIFY(findNamed<QPlainTextEdit>(tips, "tipsText")->isVisible());
    QCOMPARE(findNamed<QLabel>(tips, "tipsSubheading")->text(),
             "Hit the ENTER KEY after making a data entry.  ");
  }

  // The read-only memos of the Tips page and the help window are text: Tab
  // reaches them, the keyboard selects in them, Ctrl+C copies, typing changes
  // nothing, and screen readers read them as text.
  void readOnlyMemosAreTextToSelectAndCopy_data() {
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("tips") << "tips"
                          << "The Enter Key will  initiate the calculation and in some cases";
    QTest::newRow("help: disclaimer") << "disclaimer"
                                      << "This program is provided \"as is\", without warranty of any";
    QTest::newRow("help: bead calculator") << "bead calculator"
                                           << "Please note that Inches may be entered as a ";
  }

  void readOnlyMemosAreTextToSelectAndCopy() {
    QFETCH(QString, memo);
    QFETCH(QString, firstLine);
    TestApp t;
    HelpWindow* help = t.app->helpWindow();
    QPlainTextEdit* edit = nullptr;
    if (memo == "tips") {
      t.app->mainWindow()->show();
      findNamed<ColorTabWidget>(t.app->mainWindow(), "pages")->setActivePageIndex(1);
      edit = findNamed<QPlainTextEdit>(findNamed<TipsPage>(t.app->mainWindow(), "tipsPage"), "tipsText");
    } else {
      showWindow(help);
      if (memo == "disclaimer") {
        edit = findNamed<QPlainTextEdit>(help, "disclaimerText");
      } else {
        findNamed<ColorTabWidget>(help, "pages")
            ->setActivePage(findNamed<TabPage>(help, "beadCalculatorPage"));
        edit = findNamed<QWidget>(help, "beadHelpContent")->findChildren<QPlainTextEdit*>().first();
      }
    }
    QVERIFY(edit->isReadOnly());
    const QString all = edit->toPlainText();
    QVERIFY(all.startsWith(firstLine + u'\n'));

    // Tab reaches the memo from the control before it.
    QWidget* before = edit->previousInFocusChain();
    while (!(before->focusPolicy() & Qt::TabFocus) || !before->isVisible())
      before = before->previousInFocusChain();
    giveFocusTo(before);
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), edit);

    QTest::keyClicks(edit, "xyz");
    QCOMPARE(edit->toPlainText(), all);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), firstLine);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), all);

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(edit);
    QVERIFY(iface->textInterface());
    QCOMPARE(iface->textInterface()->text(0, iface->textInterface()->characterCount()), all);
    QVERIFY(iface->state().readOnly && iface->state().focusable);

    // Tab leaves it again rather than typing a tab.
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != edit);
    QCOMPARE(edit->toPlainText(), all);
  }

  // The About, Tips and Links pages are white paper: their texts stay black
  // on it when the desktop uses light text on dark faces.
  void whitePagesKeepBlackTextOnADarkDesktop() {
    const QPalette saved = QApplication::palette();
    QApplication::setPalette(darkDesktop());
    {
      TestApp t;
      MainWindow* main = t.app->mainWindow();
      main->show();
      AboutPage* about = findNamed<AboutPage>(main, "aboutPage");
      for (QWidget* w : {static_cast<QWidget*>(findNamed<QLabel>(about, "programNameLabel")),
                         static_cast<QWidget*>(findNamed<QLabel>(about, "versionLabel"))})
        expectBlackOnWhite(w);
      findNamed<ColorTabWidget>(main, "pages")->setActivePageIndex(1);
      expectBlackOnWhite(findNamed<QLabel>(findNamed<TipsPage>(main, "tipsPage"), "tipsHeading"));
      expectBlackOnWhite(findNamed<QPlainTextEdit>(findNamed<TipsPage>(main, "tipsPage"), "tipsText"));
      findNamed<ColorTabWidget>(main, "pages")->setActivePageIndex(9);
      expectBlackOnWhite(findNamed<QLabel>(findNamed<LinksPage>(main, "linksPage"), "shopHeading"));
      expectBlackOnWhite(findNamed<QPlainTextEdit>(findNamed<LinksPage>(main, "linksPage"), "shopText"));
      expectBlackOnWhite(findNamed<QPlainTextEdit>(findNamed<LinksPage>(main, "linksPage"), "donationText"));
    }
    QApplication::setPalette(saved);
  }

  // The texts on the Links page are read and copied, never typed into.
  void linkMemosRefuseTyping() {
    TestApp t;
    findNamed<ColorTabWidget>(t.app->mainWindow(), "pages")->setActivePageIndex(9);
    for (QPlainTextEdit* memo :
         {findNamed<QPlainTextEdit>(findNamed<LinksPage>(t.app->mainWindow(), "linksPage"), "shopText"),
          findNamed<QPlainTextEdit>(findNamed<LinksPage>(t.app->mainWindow(), "linksPage"),
                                    "donationText")}) {
      QVERIFY(memo->isReadOnly());
      const QString before = memo->toPlainText();
      giveFocusTo(memo);
      memo->moveCursor(QTextCursor::End);
      QTest::keyClicks(memo, " Hi");
      QTest::keyClick(memo, Qt::Key_Backspace);
      QCOMPARE(memo->toPlainText(), before);
    }
  }

  // Texts longer than the English (German, and the pseudo-language's 40 %
  // more) stay whole: every memo shows its last line, nothing on a page
  // overlaps what follows it or runs past the page's right edge, and the
  // rights notice, drawn by hand, fits its label.
  void longerTextsStayInSight_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    QTest::newRow("de") << "de";
    QTest::newRow("pseudo") << QString::fromLatin1(kPseudoLanguage);
  }

  void longerTextsStayInSight() {
    QFETCH(QString, language);
    QVERIFY(installLanguage(language));
    TestApp t;
    MainWindow* main = t.app->mainWindow();
    main->show();
    auto* pages = findNamed<ColorTabWidget>(main, "pages");
    for (const char* name : {"aboutPage", "tipsPage", "linksPage"}) {
      auto* page = findNamed<TabPage>(main, name);
      pages->setActivePage(page);
      QApplication::processEvents();
      for (auto* memo : page->findChildren<QPlainTextEdit*>()) {
        QTextCursor end(memo->document());
        end.movePosition(QTextCursor::End);
        QVERIFY2(memo->cursorRect(end).bottom() < memo->viewport()->height(),
                 qPrintable(memo->objectName() + ": " + memo->toPlainText()));
      }
      // Side by side nothing stands; one below the other, in the order made.
      QList<QWidget*> placed;
      for (auto* w : page->findChildren<QWidget*>())
        if (w->isVisibleTo(page) && (qobject_cast<QLabel*>(w) || qobject_cast<QPlainTextEdit*>(w)))
          placed << w;
      for (QWidget* w : placed) {
        QWidget* area = w->parentWidget();
        // On a scroll box's content the viewport's width is what shows.
        const int right =
            area->parentWidget() && area->parentWidget()->objectName() == "qt_scrollarea_viewport"
                ? area->parentWidget()->width()
                : area->width();
        QVERIFY2(w->geometry().right() < right, qPrintable(w->objectName()));
        QVERIFY2(w->geometry().bottom() < area->height(), qPrintable(w->objectName()));
        for (QWidget* other : placed)
          if (other != w && other->parentWidget() == area && w->objectName() != "tipsHeading" &&
              other->objectName() != "tipsHeading")
            QVERIFY2(!w->geometry().intersects(other->geometry()),
                     qPrintable(w->objectName() + " overlaps " + other->objectName()));
      }
      QVERIFY2(textsThatDoNotFit(page).isEmpty(), qPrintable(textsThatDoNotFit(page).join('\n')));
    }
    auto* notice = findNamed<CaptionLabel>(main, "rightsNoticeLabel");
    const QRect needed =
        notice->fontMetrics().boundingRect(notice->rect(), Qt::TextWordWrap, notice->caption());
    QVERIFY(notice->rect().contains(needed));
    QVERIFY(notice->parentWidget()->rect().contains(notice->geometry()));
    QVERIFY(!notice->geometry().intersects(findNamed<CaptionLabel>(main, "webAddressLabel")->geometry()));
  }

  void aboutPagePicturesAreLoaded() {
    TestApp t;
    AboutPage* about = findNamed<AboutPage>(t.app->mainWindow(), "aboutPage");
    QCOMPARE(findNamed<QLabel>(about, "bannerPicture")->pixmap().size(), QSize(394, 63));
    QVERIFY(!findNamed<QLabel>(about, "bookPicture")->pixmap().isNull());
    // The banner stays a GIF and the book picture a JPEG, decoded by libjpeg.
    QCOMPARE(QImageReader::imageFormat(QStringLiteral(":/pictures/banner.gif")), QByteArray("gif"));
    QCOMPARE(QImageReader::imageFormat(QStringLiteral(":/pictures/book_calculator.jpg")), QByteArray("jpeg"));
    QVERIFY(findNamed<QLabel>(about, "bookPicture")->hasScaledContents());
    QCOMPARE(findNamed<CaptionLabel>(about, "rightsNoticeLabel")->caption(),
             QString::fromUtf8(maker::kRightsNotice));
  }

  // The About page shows the version the title bar shows, both taken from
  // the build's version number.
  void aboutPageShowsTheVersion() {
    TestApp t;
    QCOMPARE(
        findNamed<QLabel>(findNamed<AboutPage>(t.app->mainWindow(), "aboutPage"), "versionLabel")->text(),
        QStringLiteral("Ver. 2.0"));
    QCOMPARE(t.app->mainWindow()->windowTitle(), QStringLiteral("Orvane Version 2.0"));
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
      QLabel* picture = makePicture(&parent, QRect(QPoint(0, 0), size), file, false, file);
      QCOMPARE(picture->pixmap().size(), size);
      ++count;
    }
    QVERIFY(count >= 3);
  }
};

QTEST_MAIN(TestInfoPages)
#include "tst_info_pages.moc"
