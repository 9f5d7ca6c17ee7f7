#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/help_window.h"
#include "app/main_window.h"
#include "find_child.h"
#include "widget_fixture.h"
#include "widgets/color_tab_widget.h"
#include "widgets/look.h"

using namespace orvane;

namespace {

// A page that counts its show handler runs.
class CountingPage : public TabPage {
 public:
  int shown = 0;
  void onTabShown() override { ++shown; }
};

// A page that puts the focus into its box when shown, as the Bead page does.
class FocusTakingPage : public TabPage {
 public:
  QLineEdit* box = new QLineEdit(this);
  void onTabShown() override { box->setFocus(Qt::OtherFocusReason); }
};

// A page control on a parent of a known colour, with colours that are easy
// to tell apart on the rendered pixels.
struct Fixture {
  QWidget parent;
  ColorTabWidget* control;
  QList<CountingPage*> pages;
  const QColor parentColor{10, 120, 10};
  const QColor pageColor{200, 200, 40};
  const QColor activeColor{220, 60, 60};
  const QColor inactiveColor{60, 60, 220};

  explicit Fixture(int width = 400, const QStringList& captions = {"One", "Two", "Three"}) {
    setBackground(&parent, parentColor);
    parent.resize(width + 20, 300);
    control = new ColorTabWidget(&parent);
    control->setGeometry(10, 10, width, 280);
    control->setTabActiveColor(activeColor);
    control->setTabInactiveColor(inactiveColor);
    control->setTabActiveFont(makeFont("MS Sans Serif", 16, true));
    control->setTabInactiveFont(makeFont("Arial", 15));
    control->setPageColor(pageColor);
    for (const QString& c : captions) {
      auto* page = new CountingPage;
      pages.append(page);
      control->addPage(page, c);
    }
  }

  QImage paintCaption() const { return control->grab().toImage(); }
};

// Pixels of a tab's caption area that are far from the tab's fill: the ink.
int inkIn(const QImage& image, const QRect& r, const QColor& fill) {
  int ink = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - fill.red()) + std::abs(c.green() - fill.green()) +
              std::abs(c.blue() - fill.blue()) >
          200)
        ++ink;
    }
  return ink;
}

}  // namespace

class TestExtPageControl : public QObject {
  Q_OBJECT
 private:
  ModalDialogGuard guard;

 private Q_SLOTS:
  void cleanup() { QVERIFY2(!guard.tripped(), qPrintable(guard.seen())); }

  void mainWindowTabsWrapOntoRowsWithinTheControl() {
    TestApp t;
    ColorTabWidget* pc = findNamed<ColorTabWidget>(t.app->mainWindow(), "pages");
    QCOMPARE(pc->pageCount(), 10);
    QVERIFY(pc->gridRowCount() >= 2);
    for (int i = 0; i < pc->pageCount(); ++i) {
      const QRect r = pc->tabRect(i);
      QVERIFY2(pc->rect().contains(r), qPrintable(pc->caption(i)));
      // Each caption fits its tab in either font.
      QVERIFY(QFontMetrics(pc->tabActiveFont()).horizontalAdvance(pc->caption(i)) <= r.width() - 4);
      for (int j = i + 1; j < pc->pageCount(); ++j) QVERIFY(!r.intersects(pc->tabRect(j)));
    }
    // The pages sit below the strip and are large enough for the About panel.
    const QRect pages = pc->page(0)->parentWidget()->geometry();
    QVERIFY(pages.top() > pc->tabRect(0).bottom());
    QVERIFY2(pages.height() >= 8 + 313, qPrintable(QString::number(pages.height())));
  }

  void selectedRowSitsNextToThePage() {
    TestApp t;
    ColorTabWidget* pc = findNamed<ColorTabWidget>(t.app->mainWindow(), "pages");
    const int lastIndex = pc->pageCount() - 1;
    QVERIFY(pc->tabRect(lastIndex).top() < pc->tabRect(0).top());
    pc->setActivePageIndex(lastIndex);
    QVERIFY(pc->tabRect(lastIndex).top() > pc->tabRect(0).top());
    QCOMPARE(pc->tabRect(lastIndex).bottom() + 1, pc->displayRect().top());
  }

  void fillsAndFontsSwapOnPageChangeWithoutResizingTabs() {
    Fixture f;
    const QRect tab0 = f.control->tabRect(0), tab1 = f.control->tabRect(1);
    QImage before = f.paintCaption();
    QCOMPARE(before.pixelColor(tab0.left() + 3, tab0.bottom() - 2), f.activeColor);
    QCOMPARE(before.pixelColor(tab1.left() + 3, tab1.bottom() - 2), f.inactiveColor);
    const int boldInk = inkIn(before, tab0.adjusted(3, 3, -3, -3), f.activeColor);

    f.control->setActivePageIndex(1);
    QImage after = f.paintCaption();
    QCOMPARE(after.pixelColor(tab0.left() + 3, tab0.bottom() - 2), f.inactiveColor);
    QCOMPARE(after.pixelColor(tab1.left() + 3, tab1.bottom() - 2), f.activeColor);
    const int regularInk = inkIn(after, tab0.adjusted(3, 3, -3, -3), f.inactiveColor);
    QVERIFY2(boldInk > regularInk * 1.2, qPrintable(QStringLiteral("%1 vs %2").arg(boldInk).arg(regularInk)));
    QCOMPARE(f.control->tabRect(0), tab0);
    QCOMPARE(f.control->tabRect(1), tab1);
  }

  // Tabs are measured once, so a font or width set after the pages were added
  // must still reach them; and coming back gives the same strip as before.
  void tabsFollowFontAndWidthChangesMadeAfterThePagesWereAdded() {
    Fixture f;
    QList<QRect> before;
    for (int i = 0; i < f.control->pageCount(); ++i) before.append(f.control->tabRect(i));
    const QRect pagesBefore = f.control->displayRect();

    f.control->setTabActiveFont(makeFont("MS Sans Serif", 24, true));
    for (int i = 0; i < f.control->pageCount(); ++i) {
      QVERIFY(f.control->tabRect(i).width() > before[i].width());
      QVERIFY(f.control->tabRect(i).height() > before[i].height());
      QVERIFY(QFontMetrics(f.control->tabActiveFont()).horizontalAdvance(f.control->caption(i)) <=
              f.control->tabRect(i).width() - 4);
    }
    QVERIFY(f.control->displayRect().top() > pagesBefore.top());

    f.control->setTabWidth(50);
    for (int i = 0; i < f.control->pageCount(); ++i) QCOMPARE(f.control->tabRect(i).width(), 50);

    f.control->setTabWidth(0);
    f.control->setTabActiveFont(makeFont("MS Sans Serif", 16, true));
    for (int i = 0; i < f.control->pageCount(); ++i) QCOMPARE(f.control->tabRect(i), before[i]);
    QCOMPARE(f.control->displayRect(), pagesBefore);

    // A page added afterwards is measured too.
    auto* page = new CountingPage;
    f.control->addPage(page, QStringLiteral("A much longer caption"));
    QVERIFY(f.control->tabRect(3).width() > before[2].width());
  }

  void stripShowsTheParentColourAndPagesTheirOwn() {
    Fixture f;
    const QImage image = f.paintCaption();
    const QRect last = f.control->tabRect(2);
    QCOMPARE(image.pixelColor(f.control->width() - 3, last.center().y()), f.parentColor);  // beside the tabs
    QCOMPARE(image.pixelColor(f.control->width() / 2, f.control->height() - 10), f.pageColor);
  }

  void helpWindowStripTakesTheHelpWindowColour() {
    TestApp t;
    ColorTabWidget* pc = findNamed<ColorTabWidget>(t.app->helpWindow(), "pages");
    const QImage image = pc->grab().toImage();
    QCOMPARE(image.pixelColor(pc->width() - 3, pc->tabRect(0).center().y()).rgb(),
             systemColor(SysColor::Light3D).rgb());
    QCOMPARE(pc->gridRowCount(), 1);
  }

  void clickingATabShowsItsPageAndRunsItsShowHandler() {
    Fixture f;
    QSignalSpy changes(f.control, &ColorTabWidget::activePageChanged);
    QTest::mouseClick(f.control, Qt::LeftButton, {}, f.control->tabRect(2).center());
    QCOMPARE(f.control->activePageIndex(), 2);
    QCOMPARE(f.control->activePage(), f.pages[2]);
    QVERIFY(f.pages[2]->isVisibleTo(&f.parent));
    QCOMPARE(f.pages[2]->shown, 1);
    QCOMPARE(changes.count(), 1);
    // Clicking the active tab again changes nothing.
    QTest::mouseClick(f.control, Qt::LeftButton, {}, f.control->tabRect(2).center());
    QCOMPARE(f.pages[2]->shown, 1);
    QCOMPARE(changes.count(), 1);
  }

  void showingTheWindowRunsTheActivePagesShowHandler() {
    Fixture f;
    f.control->setActivePageIndex(1);
    QCOMPARE(f.pages[1]->shown, 1);
    f.parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.parent));
    QCOMPARE(f.pages[1]->shown, 2);
    QCOMPARE(f.pages[0]->shown, 0);
  }

  void initialPageWinsAtTheFirstShowOnly() {
    Fixture f;
    f.control->setInitialPage(2);
    f.control->setActivePageIndex(1);
    f.parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.parent));
    QCOMPARE(f.control->activePageIndex(), 2);
    f.control->setActivePageIndex(0);
    f.parent.hide();
    f.parent.show();
    QCOMPARE(f.control->activePageIndex(), 0);
  }

  void disabledPageCannotBeChosen() {
    Fixture f;
    f.control->setPageEnabled(1, false);
    QTest::mouseClick(f.control, Qt::LeftButton, {}, f.control->tabRect(1).center());
    QCOMPARE(f.control->activePageIndex(), 0);
    f.control->setActivePageIndex(1);
    QCOMPARE(f.control->activePageIndex(), 0);
    // Keyboard stepping skips it.
    f.parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.parent));
    QTest::keyClick(f.pages[0], Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(f.control->activePageIndex(), 2);
  }

  void invalidTabIndexRaisesTheNamedError() {
    Fixture f;
    f.control->setObjectName("pages");
    QCOMPARE(f.control->pageByTabIndex(1), f.pages[1]);
    try {
      f.control->pageByTabIndex(7);
      QFAIL("no error raised");
    } catch (const InvalidPageIndex& e) {
      QCOMPARE(QString::fromStdString(e.what()),
               QStringLiteral("Function GetPageIndexByTabIndex of component pages of class ColorTabWidget "
                              "was called with an invalid parameter (CurrentTabIndex = 7)."));
    }
  }

  void tabsAtTheBottomPutThePageAbove() {
    Fixture f;
    f.control->setTabPosition(TabPosition::Bottom);
    f.parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.parent));
    QVERIFY(f.control->tabRect(0).top() > f.pages[0]->mapTo(f.control, QPoint(0, f.pages[0]->height())).y());
    QCOMPARE(f.paintCaption().pixelColor(f.control->tabRect(0).left() + 3, f.control->tabRect(0).top() + 3),
             f.activeColor);
  }

  void hotTrackColoursTheCaptionUnderThePointer() {
    Fixture f;
    const QColor hot(0, 255, 0);
    f.control->setHottrack(true);
    f.control->setHottrackColors(QColor(), hot);
    f.parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.parent));
    const QRect tab = f.control->tabRect(1);
    QTest::mouseMove(f.control, tab.center());
    const QImage image = f.paintCaption();
    bool found = false;
    for (int y = tab.top(); y <= tab.bottom() && !found; ++y)
      for (int x = tab.left(); x <= tab.right() && !found; ++x) found = image.pixelColor(x, y) == hot;
    QVERIFY(found);
  }

  // Screen readers see a page tab list: one page tab per caption, the current
  // one selected, each holding its page; pressing a tab chooses its page as a
  // click does.
  void screenReadersSeeAPageTabList() {
    Fixture f;
    f.parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.parent));
    QSignalSpy changes(f.control, &ColorTabWidget::activePageChanged);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(f.control);
    QVERIFY(list);
    QCOMPARE(list->role(), QAccessible::PageTabList);
    QCOMPARE(list->childCount(), 3);
    const QStringList captions{"One", "Two", "Three"};
    for (int i = 0; i < 3; ++i) {
      QAccessibleInterface* tab = list->child(i);
      QVERIFY(tab && tab->isValid());
      QCOMPARE(tab->role(), QAccessible::PageTab);
      QCOMPARE(tab->text(QAccessible::Name), captions[i]);
      QCOMPARE(tab->state().selected, i == 0);
      QCOMPARE(tab->parent(), list);
      QCOMPARE(list->indexOfChild(tab), i);
      QCOMPARE(tab->rect(),
               QRect(f.control->mapToGlobal(f.control->tabRect(i).topLeft()), f.control->tabRect(i).size()));
      QCOMPARE(list->childAt(tab->rect().center().x(), tab->rect().center().y()), tab);
      // The tab holds its page, and the page knows its tab.
      QCOMPARE(tab->childCount(), 1);
      QAccessibleInterface* page = tab->child(0);
      QCOMPARE(page->object(), static_cast<QObject*>(f.pages[i]));
      QCOMPARE(page->parent(), tab);
      QCOMPARE(page->text(QAccessible::Name), captions[i]);
    }

    QAccessibleActionInterface* press = list->child(2)->actionInterface();
    QVERIFY(press && press->actionNames().contains(QAccessibleActionInterface::pressAction()));
    press->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(f.control->activePageIndex(), 2);
    QVERIFY(f.pages[2]->isVisible());
    QCOMPARE(f.pages[2]->shown, 1);
    QCOMPARE(changes.count(), 1);
    QVERIFY(list->child(2)->state().selected);
    QVERIFY(!list->child(0)->state().selected);

    // Focusing a tab chooses it and puts the focus on the strip, on that tab.
    f.parent.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.parent));
    list->child(1)->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    QCOMPARE(f.control->activePageIndex(), 1);
    QVERIFY(f.control->hasFocus());
    QCOMPARE(list->focusChild(), list->child(1));
    QVERIFY(list->child(1)->state().focused);

    // A disabled page's tab offers nothing and cannot be chosen.
    f.control->setPageEnabled(0, false);
    QVERIFY(list->child(0)->state().disabled);
    QVERIFY(list->child(0)->actionInterface()->actionNames().isEmpty());
    list->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(f.control->activePageIndex(), 1);
  }

  // Widgets on a page out of sight take no focus, neither asked by the
  // program nor through their accessibility interface.
  // Left and Right on the tabs page through them and the focus stays on the
  // tabs; Ctrl+Tab and a click let the page take the focus as before.
  void arrowsKeepTheFocusOnTheTabs() {
    QWidget window;
    window.resize(400, 300);
    auto* control = new ColorTabWidget(&window);
    control->setGeometry(0, 0, 400, 300);
    QList<FocusTakingPage*> pages;
    for (const char* caption : {"One", "Two", "Three", "Four"}) {
      pages.append(new FocusTakingPage);
      control->addPage(pages.last(), QString::fromLatin1(caption));
    }
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    control->setFocus();
    for (int expected : {1, 2, 3, 0, 3}) {
      QTest::keyClick(control,
                      expected == 3 && control->activePageIndex() == 0 ? Qt::Key_Left : Qt::Key_Right);
      QCOMPARE(control->activePageIndex(), expected);
      QCOMPARE(QApplication::focusWidget(), control);
      // The page is usable once the arrows have passed.
      QVERIFY(pages[expected]->box->isEnabled());
    }
    QTest::keyClick(control, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(control->activePageIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), pages[0]->box);
    QTest::mouseClick(control, Qt::LeftButton, {}, control->tabRect(2).center());
    QCOMPARE(control->activePageIndex(), 2);
    QCOMPARE(QApplication::focusWidget(), pages[2]->box);
  }

  void pagesOutOfSightGiveNoFocus() {
    Fixture f;
    QList<QLineEdit*> boxes;
    for (CountingPage* page : f.pages) boxes.append(new QLineEdit(page));
    f.parent.show();
    f.parent.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.parent));
    boxes[0]->setFocus();
    QCOMPARE(QApplication::focusWidget(), boxes[0]);

    QAccessibleInterface* hidden = QAccessible::queryAccessibleInterface(boxes[2]);
    QVERIFY(!hidden->actionInterface() ||
            !hidden->actionInterface()->actionNames().contains(QAccessibleActionInterface::setFocusAction()));
    if (hidden->actionInterface())
      hidden->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    QCOMPARE(QApplication::focusWidget(), boxes[0]);
    boxes[1]->setFocus();
    QCOMPARE(QApplication::focusWidget(), boxes[0]);

    // Once its page is current the box takes the focus, and the page left
    // behind gives none.
    f.control->setActivePageIndex(2);
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(boxes[2]);
    QVERIFY(shown->actionInterface()->actionNames().contains(QAccessibleActionInterface::setFocusAction()));
    shown->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    QCOMPARE(QApplication::focusWidget(), boxes[2]);
    boxes[0]->setFocus();
    QCOMPARE(QApplication::focusWidget(), boxes[2]);
    // A box the program disabled stays so when its page comes back.
    boxes[0]->setEnabled(false);
    f.control->setActivePageIndex(0);
    QVERIFY(boxes[1]->isEnabled() == false && boxes[2]->isEnabled() == false);
    QVERIFY(!boxes[0]->isEnabled());
    boxes[0]->setEnabled(true);
    QVERIFY(boxes[0]->isEnabled());
  }
};

QTEST_MAIN(TestExtPageControl)
#include "tst_color_tab_widget.moc"
