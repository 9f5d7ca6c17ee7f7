#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

#include "app/help_window.h"
#include "app/main_window.h"
#include "core/maker_info.h"
#include "platform/window_frame.h"
#include "widget_fixture.h"
#include "widgets/ext_page_control.h"
#include "widgets/look.h"
#include "widgets/panel.h"
#include "worksheet/worksheet_window.h"

using namespace orvane;

namespace {

// One wheel notch over a widget, with the pointer at a window position.
void Wheel(QWidget* target, QWidget* window, QPoint atInWindow, bool up) {
  const QPoint global = window->mapToGlobal(atInWindow);
  QWheelEvent event(target->mapFromGlobal(global), global, QPoint(), QPoint(0, up ? 120 : -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &event);
}

QString ActiveCaption(THelpFrm* help) {
  return help->HelpPageControl1->Caption(help->HelpPageControl1->ActivePageIndex());
}

}  // namespace

class TestHelpWindow : public QObject {
  Q_OBJECT
 private:
  ModalDialogGuard guard;

 private Q_SLOTS:
  void cleanup() { QVERIFY2(!guard.Tripped(), qPrintable(guard.Seen())); }

  // The help pages are white paper: their texts stay black on it when the
  // desktop uses light text on dark faces.
  void pagesKeepBlackTextOnADarkDesktop() {
    const QPalette saved = QApplication::palette();
    QApplication::setPalette(DarkDesktop());
    {
      TestApp t;
      THelpFrm* help = t.app->HelpFrm();
      help->show();
      ExpectBlackOnWhite(help->Memo4, "licence");
      ExpectBlackOnWhite(help->Memo5, "disclaimer");
      const struct {
        TTabSheet* page;
        QWidget* panel;
      } pages[] = {
          {help->TabSheet6, help->Panel2}, {help->TabSheet7, help->Panel3}, {help->TabSheet1, help->Panel4}};
      for (const auto& p : pages) {
        help->HelpPageControl1->SetActivePage(p.page);
        const auto labels = p.panel->findChildren<QLabel*>();
        const auto memos = p.panel->findChildren<QPlainTextEdit*>();
        QVERIFY(!labels.isEmpty() && !memos.isEmpty());
        ExpectBlackOnWhite(labels.first(), "heading");
        for (QPlainTextEdit* memo : memos) ExpectBlackOnWhite(memo, memo->toPlainText().left(30));
      }
    }
    QApplication::setPalette(saved);
  }

  void windowAndPages() {
    TestApp t;
    THelpFrm* help = t.app->HelpFrm();
    QCOMPARE(help->windowTitle(), "Help");
    QCOMPARE(help->size(), QSize(448, 487));
    QCOMPARE(help->HelpPageControl1->PageCount(), 4);
    const QStringList captions{"License", "Stone Size", "Bead Calculator", "Worksheet"};
    for (int i = 0; i < 4; ++i) QCOMPARE(help->HelpPageControl1->Caption(i), captions[i]);
    QCOMPARE(help->HelpPageControl1->ActivePage(), help->TabSheet5);
    QVERIFY(!help->isVisible());
    QVERIFY(!help->Button1->isVisible());
    // The Bench window's and the desk calculator's sections follow the
    // calculators' help.
    QCOMPARE(help->Panel3->size(), QSize(369, 3190));
    QLabel* metal = nullptr;
    for (QLabel* label : help->Panel3->findChildren<QLabel*>()) {
      QVERIFY2(help->Panel3->rect().contains(label->geometry()), qPrintable(label->text()));
      if (label->text() == "Bench: Metal") metal = label;
    }
    QVERIFY(metal);
    for (QPlainTextEdit* memo : help->Panel3->findChildren<QPlainTextEdit*>())
      QVERIFY2(help->Panel3->rect().contains(memo->geometry()), qPrintable(memo->toPlainText().left(30)));
    QCOMPARE(help->Panel4->size(), QSize(370, 740));
  }

  // The texts as the pages show them, blanks at line ends and empty lines
  // included.
  void memoTexts_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("memo");
    QTest::addColumn<QString>("text");
    QTest::newRow("stone size, first") << 1 << 0
                                       << "Enter either Millimeter or Inches and hit the \"Enter Key\",\n"
                                          "this will find the round stone size in PP and SS.  Inches\n"
                                          "may be entered as a fraction (1/4) or a decimal (0.250).";
    QTest::newRow("stone size, second") << 1 << 1
                                        << "Note that if the millimeter is on the exact boundary \n"
                                           "between two sizes, both will be displayed with a \"-\".\n"
                                           "For example 2.7 mm , 20 - 21 PP, and 9 - 10 SS.";
    QTest::newRow("bead calculator, note") << 2 << 0
                                           << "Please note that Inches may be entered as a \n"
                                              "fraction (1/4) or as a decimal (0.250).";
    QTest::newRow("bead calculator, strand") << 2 << 2
                                             << "Enter the Number of Beads to calculate the length in \n"
                                                "Inches.\n\n"
                                                "Enter the Desired Length in Inches to find the number of \n"
                                                "beads needed.";
    QTest::newRow("worksheet, last") << 3 << 6
                                     << "The UP Arrow and DOWN Arrow keys may be used\n"
                                        "on the Bead Worksheet when adjusting the Number of \n"
                                        "Beads to move from bead to bead.";
  }

  void memoTexts() {
    QFETCH(int, page);
    QFETCH(int, memo);
    TestApp t;
    THelpFrm* help = t.app->HelpFrm();
    QWidget* panels[] = {help->Panel1, help->Panel2, help->Panel3, help->Panel4};
    const auto memos = panels[page]->findChildren<QPlainTextEdit*>(Qt::FindDirectChildrenOnly);
    QVERIFY(memo < memos.size());
    QTEST(memos[memo]->toPlainText(), "text");
  }

  void licenceNamesTheProgramAndItsMaker() {
    TestApp t;
    THelpFrm* help = t.app->HelpFrm();
    QVERIFY(help->Memo4->toPlainText().startsWith("Orvane is made by " + maker::kMakerName + "."));
    QVERIFY(help->Memo5->toPlainText().contains("In no event shall " + maker::kMakerName + " be liable"));
    QCOMPARE(help->Memo5->geometry(), QRect(16, help->Memo5->y(), 361, 185));
  }

  void helpButtonChoosesThePage_data() {
    QTest::addColumn<int>("mainPage");
    QTest::addColumn<bool>("closedOnce");
    QTest::addColumn<QString>("expected");
    const QStringList mainPages{"About",  "Tips",      "Bead Calculator", "Pearl Plate", "Stone Size",
                                "Weight", "Jump Ring", "Wire Gauge",      "Ring Size",   "Links"};
    for (bool closed : {false, true})
      for (int i = 0; i < mainPages.size(); ++i) {
        QString expected = closed ? "Stone Size" : "License";
        if (i == 0) expected = "License";
        if (i == 2) expected = "Bead Calculator";
        QTest::addRow("%s%s", qPrintable(mainPages[i]), closed ? ", after a close" : "")
            << i << closed << expected;
      }
  }

  void helpButtonChoosesThePage() {
    QFETCH(int, mainPage);
    QFETCH(bool, closedOnce);
    TestApp t;
    TMainFrm* main = t.app->MainFrm();
    THelpFrm* help = t.app->HelpFrm();
    main->show();
    if (closedOnce) {
      main->PageControl1->SetActivePageIndex(2);
      QTest::mouseClick(main->HelpBtn, Qt::LeftButton);
      QVERIFY(help->isVisible());
      help->close();
      QVERIFY(!help->isVisible());
    }
    main->PageControl1->SetActivePageIndex(mainPage);
    QTest::mouseClick(main->HelpBtn, Qt::LeftButton);
    QVERIFY(help->isVisible());
    QTEST(ActiveCaption(help), "expected");
  }

  void worksheetHelpAlwaysShowsTheWorksheetPage() {
    TestApp t;
    THelpFrm* help = t.app->HelpFrm();
    TWorksheetFrm* sheet = t.app->WorksheetFrm();
    ShowWindow(sheet);
    for (int round = 0; round < 2; ++round) {  // before and after a close
      QTest::mouseClick(sheet->HelpBtn, Qt::LeftButton);
      QVERIFY(help->isVisible());
      QCOMPARE(ActiveCaption(help), "Worksheet");
      QCOMPARE(help->focusWidget(), help->ScrollBox2);  // the wheel works without a click
      help->close();
    }
    // The main window's rule still leaves the page alone elsewhere.
    t.app->MainFrm()->PageControl1->SetActivePageIndex(5);
    QTest::mouseClick(t.app->MainFrm()->HelpBtn, Qt::LeftButton);
    QCOMPARE(ActiveCaption(help), "Stone Size");
  }

  void escapeFromAnyControlClosesTheWindow() {
    TestApp t;
    THelpFrm* help = t.app->HelpFrm();
    for (int page = 0; page < 4; ++page) {
      ShowWindow(help);
      help->HelpPageControl1->SetActivePageIndex(page);
      const QList<QWidget*> controls = help->HelpPageControl1->Page(page)->findChildren<QWidget*>();
      int tried = 0;
      for (QWidget* control : controls) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(help)) continue;
        ShowWindow(help);
        help->HelpPageControl1->SetActivePageIndex(page);
        FocusWidget(control);
        QTest::keyClick(control, Qt::Key_Escape);
        QVERIFY2(!help->isVisible(),
                 qPrintable(control->metaObject()->className() + QString(" ") + control->accessibleName()));
        // Closing always leaves the window on "Stone Size".
        QCOMPARE(ActiveCaption(help), "Stone Size");
        ++tried;
      }
      QVERIFY(tried > 0);
    }
    // Also from the tab strip itself.
    ShowWindow(help);
    FocusWidget(help->HelpPageControl1);
    QTest::keyClick(help->HelpPageControl1, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    // And from the window itself, when no control holds the focus.
    ShowWindow(help);
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
  }

  void otherKeysPassOn() {
    TestApp t;
    THelpFrm* help = t.app->HelpFrm();
    ShowWindow(help);
    help->HelpPageControl1->SetActivePage(help->TabSheet7);
    FocusWidget(help->ScrollBox1);
    QTest::keyClick(help->ScrollBox1, Qt::Key_Down);
    QVERIFY(help->isVisible());
    QCOMPARE(help->ScrollBox1->verticalScrollBar()->value(), 8);
  }

  void wheelScrollsOnlyWithThePointerInsideTheBox() {
    TestApp t;
    THelpFrm* help = t.app->HelpFrm();
    ShowWindow(help);
    help->HelpPageControl1->SetActivePage(help->TabSheet7);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QScrollArea* box = help->ScrollBox1;
    QScrollBar* bar = box->verticalScrollBar();
    const QPoint inside = box->mapTo(help, QPoint(100, 100));
    const QPoint outside = help->HelpPageControl1->mapTo(help, help->HelpPageControl1->TabRect(0).center());
    // A memo inside the box does not swallow the wheel.
    QWidget* memo = help->Panel3->findChildren<QPlainTextEdit*>().first();

    QCOMPARE(bar->value(), 0);
    Wheel(box->viewport(), help, inside, true);
    QCOMPARE(bar->value(), 0);  // stops at the top
    Wheel(box->viewport(), help, inside, false);
    QCOMPARE(bar->value(), 8);
    Wheel(memo, help, inside, false);
    QCOMPARE(bar->value(), 16);
    Wheel(box->viewport(), help, outside, false);
    QCOMPARE(bar->value(), 16);
    Wheel(box->viewport(), help, inside, true);
    QCOMPARE(bar->value(), 8);
    // On the box's very edge the pointer is not inside.
    Wheel(box->viewport(), help, box->mapTo(help, QPoint(0, 50)), false);
    QCOMPARE(bar->value(), 8);

    // The scroll position survives closing and showing again.
    help->close();
    help->HelpPageControl1->SetActivePage(help->TabSheet7);
    ShowWindow(help);
    QCOMPARE(bar->value(), 8);
  }

  void scrollPagesTakeTheFocusWhenShown() {
    TestApp t;
    THelpFrm* help = t.app->HelpFrm();
    ShowWindow(help);
    QVERIFY(QTest::qWaitForWindowActive(help));
    help->HelpPageControl1->SetActivePage(help->TabSheet1);
    QCOMPARE(QApplication::focusWidget(), help->ScrollBox2);
    help->HelpPageControl1->SetActivePage(help->TabSheet7);
    QCOMPARE(QApplication::focusWidget(), help->ScrollBox1);
  }

  void hiddenCloseButtonClosesTheWindow() {
    TestApp t;
    THelpFrm* help = t.app->HelpFrm();
    ShowWindow(help);
    help->Button1->click();
    QVERIFY(!help->isVisible());
    QCOMPARE(ActiveCaption(help), "Stone Size");
  }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_help_window.moc"
