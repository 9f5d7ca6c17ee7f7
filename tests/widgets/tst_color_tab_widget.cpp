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
  void Shown() override { ++shown; }
};

// A page that puts the focus into its box when shown, as the Bead page does.
class FocusTakingPage : public TabPage {
 public:
  QLineEdit* box = new QLineEdit(this);
  void Shown() override { box->setFocus(Qt::OtherFocusReason); }
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
    SetBackground(&parent, parentColor);
    parent.resize(width + 20, 300);
    control = new ColorTabWidget(&parent);
    control->setGeometry(10, 10, width, 280);
    control->SetTabActiveColor(activeColor);
    control->SetTabInactiveColor(inactiveColor);
    control->SetTabActiveFont(MakeFont("MS Sans Serif", 16, true));
    control->SetTabInactiveFont(MakeFont("Arial", 15));
    control->SetPageColor(pageColor);
    for (const QString& c : captions) {
      auto* page = new CountingPage;
      pages.append(page);
      control->AddPage(page, c);
    }
  }

  QImage Render() const { return control->grab().toImage(); }
};

// Pixels of a tab's caption area that are far from the tab's fill: the ink.
int InkIn(const QImage& image, const QRect& r, const QColor& fill) {
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
  void cleanup() { QVERIFY2(!guard.Tripped(), qPrintable(guard.Seen())); }

  void mainWindowTabsWrapOntoRowsWithinTheControl() {
    TestApp t;
    ColorTabWidget* pc = findNamed<ColorTabWidget>(t.app->mainWindow(), "pages");
    QCOMPARE(pc->PageCount(), 10);
    QVERIFY(pc->RowCount() >= 2);
    for (int i = 0; i < pc->PageCount(); ++i) {
      const QRect r = pc->TabRect(i);
      QVERIFY2(pc->rect().contains(r), qPrintable(pc->Caption(i)));
      // Each caption fits its tab in either font.
      QVERIFY(QFontMetrics(pc->TabActiveFont()).horizontalAdvance(pc->Caption(i)) <= r.width() - 4);
      for (int j = i + 1; j < pc->PageCount(); ++j) QVERIFY(!r.intersects(pc->TabRect(j)));
    }
    // The pages sit below the strip and are large enough for the About panel.
    const QRect pages = pc->Page(0)->parentWidget()->geometry();
    QVERIFY(pages.top() > pc->TabRect(0).bottom());
    QVERIFY2(pages.height() >= 8 + 313, qPrintable(QString::number(pages.height())));
  }

  void selectedRowSitsNextToThePage() {
    TestApp t;
    ColorTabWidget* pc = findNamed<ColorTabWidget>(t.app->mainWindow(), "pages");
    const int lastIndex = pc->PageCount() - 1;
    QVERIFY(pc->TabRect(lastIndex).top() < pc->TabRect(0).top());
    pc->SetActivePageIndex(lastIndex);
    QVERIFY(pc->TabRect(lastIndex).top() > pc->TabRect(0).top());
    QCOMPARE(pc->TabRect(lastIndex).bottom() + 1, pc->DisplayRect().top());
  }

  void fillsAndFontsSwapOnPageChangeWithoutResizingTabs() {
    Fixture f;
    const QRect tab0 = f.control->TabRect(0), tab1 = f.control->TabRect(1);
    QImage before = f.Render();
    QCOMPARE(before.pixelColor(tab0.left() + 3, tab0.bottom() - 2), f.activeColor);
    QCOMPARE(before.pixelColor(tab1.left() + 3, tab1.bottom() - 2), f.inactiveColor);
    const int boldInk = InkIn(before, tab0.adjusted(3, 3, -3, -3), f.activeColor);

    f.control->SetActivePageIndex(1);
    QImage after = f.Render();
    QCOMPARE(after.pixelColor(tab0.left() + 3, tab0.bottom() - 2), f.inactiveColor);
    QCOMPARE(after.pixelColor(tab1.left() + 3, tab1.bottom() - 2), f.activeColor);
    const int regularInk = InkIn(after, tab0.adjusted(3, 3, -3, -3), f.inactiveColor);
    QVERIFY2(boldInk > regularInk * 1.2, qPrintable(QStringLiteral("%1 vs %2").arg(boldInk).arg(regularInk)));
    QCOMPARE(f.control->TabRect(0), tab0);
    QCOMPARE(f.control->TabRect(1), tab1);
  }

  // Tabs are measured once, so a font or width set after the pages were added
  // must still reach them; and coming back gives the same strip as before.
  void tabsFollowFontAndWidthChangesMadeAfterThePagesWereAdded() {
    Fixture f;
    QList<QRect> before;
    for (int i = 0; i < f.control->PageCount(); ++i) before.append(f.control->TabRect(i));
    const QRect pagesBefore = f.control->DisplayRect();

    f.control->SetTabActiveFont(MakeFont("MS Sans Serif", 24, true));
    for (int i = 0; i < f.control->PageCount(); ++i) {
      QVERIFY(f.control->TabRect(i).width() > before[i].width());
      QVERIFY(f.control->TabRect(i).height() > before[i].height());
      QVERIFY(QFontMetrics(f.control->TabActiveFont()).horizontalAdvance(f.control->Caption(i)) <=
              f.control->TabRect(i).width() - 4);
    }
    QVERIFY(f.control->DisplayRect().top() > pagesBefore.top());

    f.control->SetTabWidth(50);
    for (int i = 0; i < f.control->PageCount(); ++i) QCOMPARE(f.control->TabRect(i).width(), 50);

    f.control->SetTabWidth(0);
    f.control->SetTabActiveFont(MakeFont("MS Sans Serif", 16, true));
    for (int i = 0; i < f.control->PageCount(); ++i) QCOMPARE(f.control->TabRect(i), before[i]);
    QCOMPARE(f.control->DisplayRect(), pagesBefore);

    // A page added afterwards is measured too.
    auto* page = new CountingPage;
    f.control->AddPage(page, QStringLiteral("A much longer caption"));
    QVERIFY(f.control->TabRect(3).width() > before[2].width());
  }

  void stripShowsTheParentColourAndPagesTheirOwn() {
    Fixture f;
    const QImage image = f.Render();
    const QRect last = f.control->TabRect(2);
    QCOMPARE(image.pixelColor(f.control->width() - 3, last.center().y()), f.parentColor);  // beside the tabs
    QCOMPARE(image.pixelColor(f.control->width() / 2, f.control->height() - 10), f.pageColor);
  }

  void helpWindowStripTakesTheHelpWindowColour() {
    TestApp t;
    ColorTabWidget* pc = findNamed<ColorTabWidget>(t.app->helpWindow(), "pages");
    const QImage image = pc->grab().toImage();
    QCOMPARE(image.pixelColor(pc->width() - 3, pc->TabRect(0).center().y()).rgb(),
             SystemColor(SysColor::Light3D).rgb());
    QCOMPARE(pc->RowCount(), 1);
  }

  void clickingATabShowsItsPageAndRunsItsShowHandler() {
    Fixture f;
    QSignalSpy changes(f.control, &ColorTabWidget::Change);
    QTest::mouseClick(f.control, Qt::LeftButton, {}, f.control->TabRect(2).center());
    QCOMPARE(f.control->ActivePageIndex(), 2);
    QCOMPARE(f.control->ActivePage(), f.pages[2]);
    QVERIFY(f.pages[2]->isVisibleTo(&f.parent));
    QCOMPARE(f.pages[2]->shown, 1);
    QCOMPARE(changes.count(), 1);
    // Clicking the active tab again changes nothing.
    QTest::mouseClick(f.control, Qt::LeftButton, {}, f.control->TabRect(2).center());
    QCOMPARE(f.pages[2]->shown, 1);
    QCOMPARE(changes.count(), 1);
  }

  void showingTheWindowRunsTheActivePagesShowHandler() {
    Fixture f;
    f.control->SetActivePageIndex(1);
    QCOMPARE(f.pages[1]->shown, 1);
    f.parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.parent));
    QCOMPARE(f.pages[1]->shown, 2);
    QCOMPARE(f.pages[0]->shown, 0);
  }

  void initialPageWinsAtTheFirstShowOnly() {
    Fixture f;
    f.control->SetInitialPage(2);
    f.control->SetActivePageIndex(1);
    f.parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.parent));
    QCOMPARE(f.control->ActivePageIndex(), 2);
    f.control->SetActivePageIndex(0);
    f.parent.hide();
    f.parent.show();
    QCOMPARE(f.control->ActivePageIndex(), 0);
  }

  void disabledPageCannotBeChosen() {
    Fixture f;
    f.control->SetPageEnabled(1, false);
    QTest::mouseClick(f.control, Qt::LeftButton, {}, f.control->TabRect(1).center());
    QCOMPARE(f.control->ActivePageIndex(), 0);
    f.control->SetActivePageIndex(1);
    QCOMPARE(f.control->ActivePageIndex(), 0);
    // Keyboard stepping skips it.
    f.parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.parent));
    QTest::keyClick(f.pages[0], Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(f.control->ActivePageIndex(), 2);
  }

  void invalidTabIndexRaisesTheNamedError() {
    Fixture f;
    f.control->setObjectName("pages");
    QCOMPARE(f.control->PageByTabIndex(1), f.pages[1]);
    try {
      f.control->PageByTabIndex(7);
      QFAIL("no error raised");
    } catch (const InvalidPageIndex& e) {
      QCOMPARE(QString::fromStdString(e.what()),
               QStringLiteral("Function GetPageIndexByTabIndex of component pages of class ColorTabWidget "
                              "was called with an invalid parameter (CurrentTabIndex = 7)."));
    }
  }

  void tabsAtTheBottomPutThePageAbove() {
    Fixture f;
    f.control->SetTabPosition(TabPosition::Bottom);
    f.parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.parent));
    QVERIFY(f.control->TabRect(0).top() > f.pages[0]->mapTo(f.control, QPoint(0, f.pages[0]->height())).y());
    QCOMPARE(f.Render().pixelColor(f.control->TabRect(0).left() + 3, f.control->TabRect(0).top() + 3),
             f.activeColor);
  }

  void hotTrackColoursTheCaptionUnderThePointer() {
    Fixture f;
    const QColor hot(0, 255, 0);
    f.control->SetHottrack(true);
    f.control->SetHottrackColors(QColor(), hot);
    f.parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.parent));
    const QRect tab = f.control->TabRect(1);
    QTest::mouseMove(f.control, tab.center());
    const QImage image = f.Render();
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
    QSignalSpy changes(f.control, &ColorTabWidget::Change);
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
               QRect(f.control->mapToGlobal(f.control->TabRect(i).topLeft()), f.control->TabRect(i).size()));
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
    QCOMPARE(f.control->ActivePageIndex(), 2);
    QVERIFY(f.pages[2]->isVisible());
    QCOMPARE(f.pages[2]->shown, 1);
    QCOMPARE(changes.count(), 1);
    QVERIFY(list->child(2)->state().selected);
    QVERIFY(!list->child(0)->state().selected);

    // Focusing a tab chooses it and puts the focus on the strip, on that tab.
    f.parent.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.parent));
    list->child(1)->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    QCOMPARE(f.control->ActivePageIndex(), 1);
    QVERIFY(f.control->hasFocus());
    QCOMPARE(list->focusChild(), list->child(1));
    QVERIFY(list->child(1)->state().focused);

    // A disabled page's tab offers nothing and cannot be chosen.
    f.control->SetPageEnabled(0, false);
    QVERIFY(list->child(0)->state().disabled);
    QVERIFY(list->child(0)->actionInterface()->actionNames().isEmpty());
    list->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(f.control->ActivePageIndex(), 1);
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
      control->AddPage(pages.last(), QString::fromLatin1(caption));
    }
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    control->setFocus();
    for (int expected : {1, 2, 3, 0, 3}) {
      QTest::keyClick(control,
                      expected == 3 && control->ActivePageIndex() == 0 ? Qt::Key_Left : Qt::Key_Right);
      QCOMPARE(control->ActivePageIndex(), expected);
      QCOMPARE(QApplication::focusWidget(), control);
      // The page is usable once the arrows have passed.
      QVERIFY(pages[expected]->box->isEnabled());
    }
    QTest::keyClick(control, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(control->ActivePageIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), pages[0]->box);
    QTest::mouseClick(control, Qt::LeftButton, {}, control->TabRect(2).center());
    QCOMPARE(control->ActivePageIndex(), 2);
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
    f.control->SetActivePageIndex(2);
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(boxes[2]);
    QVERIFY(shown->actionInterface()->actionNames().contains(QAccessibleActionInterface::setFocusAction()));
    shown->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    QCOMPARE(QApplication::focusWidget(), boxes[2]);
    boxes[0]->setFocus();
    QCOMPARE(QApplication::focusWidget(), boxes[2]);
    // A box the program disabled stays so when its page comes back.
    boxes[0]->setEnabled(false);
    f.control->SetActivePageIndex(0);
    QVERIFY(boxes[1]->isEnabled() == false && boxes[2]->isEnabled() == false);
    QVERIFY(!boxes[0]->isEnabled());
    boxes[0]->setEnabled(true);
    QVERIFY(boxes[0]->isEnabled());
  }
};

QTEST_MAIN(TestExtPageControl)
#include "tst_color_tab_widget.moc"
