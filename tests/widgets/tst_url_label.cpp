#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QTest>

#include "recording_services.h"
#include "widget_fixture.h"
#include "widgets/look.h"
#include "widgets/url_label.h"

using namespace orvane;

Q_DECLARE_METATYPE(UrlScheme)

class TestUrlLabel : public QObject {
  Q_OBJECT
 private:
  ModalDialogGuard guard;

  // Moves the pointer for real (the hover timer reads the screen position)
  // and tells the widget under it.
  static void pointAt(QWidget* w, QPoint local) {
    QCursor::setPos(w->mapToGlobal(local));
    QTest::mouseMove(w, local);
  }

 private Q_SLOTS:
  void cleanup() { QVERIFY2(!guard.tripped(), qPrintable(guard.seen())); }

  void targetPrefixes_data() {
    QTest::addColumn<UrlScheme>("type");
    QTest::addColumn<QString>("target");
    QTest::newRow("http") << UrlScheme::Http << "http://x";
    QTest::newRow("https") << UrlScheme::Https << "https://x";
    QTest::newRow("mailto") << UrlScheme::Mailto << "mailto:x";
  }

  void targetPrefixes() {
    QFETCH(UrlScheme, type);
    RecordingServices services;
    WebLink url(services);
    url.URLType = type;
    url.URL = "x";
    QTEST(url.fullTarget(), "target");
    QVERIFY(url.execute());
    QCOMPARE(services.openedUrls.size(), 1);
  }

  void launchReportsEmptyAndFailedTargets() {
    RecordingServices services;
    WebLink url(services);
    QVERIFY(!url.execute());
    QVERIFY(services.openedUrls.isEmpty());

    // Long targets are passed whole.
    url.URLType = UrlScheme::Https;
    url.URL = "example.org/" + QString(200, u'a');
    services.openUrlResult = false;
    QVERIFY(!url.execute());
    QCOMPARE(services.openedUrls.last().toString(), "https://" + url.URL);
    QCOMPARE(services.alerts, 0);  // a plain link target stays silent
  }

  void captionFallsBackToTheUrl() {
    RecordingServices services;
    UrlLabel label(services);
    label.setUrl("https://example.org/give");
    QCOMPARE(label.text(), "https://example.org/give");
    const int urlWidth = label.width();
    label.setCaption("Give");
    QCOMPARE(label.text(), "Give");
    QVERIFY(label.width() < urlWidth);  // sized to its text
    QVERIFY(label.underlineUrl());
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
  }

  void clickOpensTheTargetAndAlertsOnFailure() {
    RecordingServices services;
    QWidget window;
    auto* label = new UrlLabel(services, &window);
    label->setUrl("https://example.org/" + QString(1100, u'z'));
    label->setCaption("Give");
    int clicks = 0;
    QObject::connect(label, &LinkLabel::clicked, [&] { ++clicks; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(services.openedUrls.size(), 1);
    QCOMPARE(services.openedUrls[0].toString().size(), 1023);
    QCOMPARE(services.alerts, 0);
    QCOMPARE(clicks, 1);

    services.openUrlResult = false;
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(services.openedUrls.size(), 2);
    QCOMPARE(services.alerts, 1);
    QCOMPARE(clicks, 2);
    // It also says so, naming the address it tried.
    QCOMPARE(services.messages.size(), 1);
    QVERIFY(services.messages[0].text.contains(services.openedUrls[1].toString()));

    // Without a URL a click only notifies.
    label->setUrl(QString());
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(services.openedUrls.size(), 2);
    QCOMPARE(clicks, 3);
  }

  // A web or mail address that could not be opened is named in a box that
  // offers to copy it; it is copied only when the user asks.
  void unopenedAddressIsNamedAndCopiedOnRequest_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("copy");
    QTest::newRow("web, OK") << "https://example.org/give"
                             << "https://example.org/give"
                             << "web browser" << false;
    QTest::newRow("web, copied") << "https://example.org/give"
                                 << "https://example.org/give"
                                 << "web browser" << true;
    QTest::newRow("mail, copied") << "mailto:Shop <shop@example.org>"
                                  << "Shop <shop@example.org>"
                                  << "mail program" << true;
  }

  void unopenedAddressIsNamedAndCopiedOnRequest() {
    QFETCH(QString, target);
    QFETCH(QString, address);
    QFETCH(QString, program);
    QFETCH(bool, copy);
    RecordingServices services;
    services.pressMessageButton = copy;
    reportUnopenedAddress(services, nullptr, target);
    QCOMPARE(services.messages.size(), 1);
    const RecordedMessage& m = services.messages[0];
    QCOMPARE(m.icon, MessageIcon::Warning);
    QCOMPARE(m.caption, "Orvane");
    QCOMPARE(m.button, "Copy Address");
    QVERIFY2(m.text.contains("\n" + address + "\n") && m.text.contains(program), qPrintable(m.text));
    QCOMPARE(services.clipboard, copy ? address : QString());
  }

  // Tab reaches the label (a click does not take the focus); Enter and Space
  // open it; screen readers see a link with its target, which their press
  // opens.
  void keyboardAndScreenReadersOpenTheLink() {
    RecordingServices services;
    QWidget window;
    auto* box = new QLineEdit(&window);
    auto* label = new UrlLabel(services, &window);
    label->move(0, 40);
    label->setUrl("https://example.org/give");
    label->setCaption("Give");
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    box->setFocus();
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), label);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter}) QTest::keyClick(label, key);
    QTest::keyClick(label, Qt::Key_G);
    QCOMPARE(services.openedUrls.size(), 4);

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
    QCOMPARE(iface->role(), QAccessible::Link);
    QCOMPARE(iface->text(QAccessible::Name), "Give");
    QCOMPARE(iface->text(QAccessible::Description), "https://example.org/give");
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(services.openedUrls.size(), 5);
    QCOMPARE(services.openedUrls.last(), QUrl("https://example.org/give"));
  }

  void hoverHighlightsAndRestores() {
    RecordingServices services;
    QWidget window;
    window.resize(300, 100);
    auto* label = new UrlLabel(services, &window);
    label->setCaption("Give generously");
    label->setFontColor(cl::Blue);
    label->move(10, 10);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    pointAt(label, QPoint(3, 3));
    QCOMPARE(label->fontColor(), cl::Red);
    QVERIFY(label->hovering());
    pointAt(&window, QPoint(250, 80));
    QTRY_VERIFY_WITH_TIMEOUT(!label->hovering(), 1000);
    QCOMPARE(label->fontColor(), cl::Blue);
  }

  void visitedColourStaysAfterAClick() {
    RecordingServices services;
    QWidget window;
    window.resize(300, 100);
    auto* label = new UrlLabel(services, &window);
    label->setCaption("Give");
    label->setUrl("https://example.org/");
    label->setFontColor(cl::Blue);
    label->setUseVisitedColor(true);
    label->setVisitedColor(cl::Purple);
    label->move(10, 10);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    pointAt(label, QPoint(3, 3));
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    pointAt(&window, QPoint(250, 80));
    QTRY_VERIFY_WITH_TIMEOUT(!label->hovering(), 1000);
    QCOMPARE(label->fontColor(), cl::Purple);
  }

  void noColourAssignmentsStoreTheFontColour() {
    RecordingServices services;
    UrlLabel label(services);
    label.setFontColor(cl::Green);
    label.setHighlightColor(QColor());
    label.setVisitedColor(QColor());
    QCOMPARE(label.highlightColor(), cl::Green);
    QCOMPARE(label.visitedColor(), cl::Green);
  }
};

QTEST_MAIN(TestUrlLabel)
#include "tst_url_label.moc"
