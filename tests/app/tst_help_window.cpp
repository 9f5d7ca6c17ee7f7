#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QWheelEvent>
#include <algorithm>

#include "app/help_window.h"
#include "app/main_window.h"
#include "core/maker_info.h"
#include "find_child.h"
#include "measures/fractions_window.h"
#include "platform/languages.h"
#include "platform/window_frame.h"
#include "widget_fixture.h"
#include "widgets/bevel_panel.h"
#include "widgets/color_tab_widget.h"
#include "widgets/look.h"
#include "worksheet/worksheet_window.h"
#include "worksheet_fixture.h"

using namespace orvane;

// A help window made without the rest of the program needs the resources.
static void initResources() { Q_INIT_RESOURCE(orvane); }

namespace {

// One wheel notch over a widget, with the pointer at a window position.
void scrollWheel(QWidget* target, QWidget* window, QPoint atInWindow, bool up) {
  const QPoint global = window->mapToGlobal(atInWindow);
  QWheelEvent event(target->mapFromGlobal(global), global, QPoint(), QPoint(0, up ? 120 : -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &event);
}

// The program speaks a language for as long as this lives, then English again.
struct SpokenLanguage {
  explicit SpokenLanguage(const QString& code) { installLanguage(code); }
  ~SpokenLanguage() { installLanguage(QStringLiteral("en")); }
};

// The panels the four pages' texts and pictures lie on, in page order.
QList<QWidget*> panelsOf(HelpWindow* help) {
  return {findNamed<BevelPanel>(help, "licensePanel"), findNamed<BevelPanel>(help, "stoneSizePanel"),
          findNamed<QWidget>(help, "beadHelpContent"), findNamed<QWidget>(help, "worksheetHelpContent")};
}

QString activeCaption(HelpWindow* help) {
  return findNamed<ColorTabWidget>(help, "pages")
      ->caption(findNamed<ColorTabWidget>(help, "pages")->activePageIndex());
}

}  // namespace

class TestHelpWindow : public QObject {
  Q_OBJECT
 private:
  ModalDialogGuard guard;

 private Q_SLOTS:
  void initTestCase() { initResources(); }
  void cleanup() { QVERIFY2(!guard.tripped(), qPrintable(guard.seen())); }

  // The help pages are white paper: their texts stay black on it when the
  // desktop uses light text on dark faces.
  void pagesKeepBlackTextOnADarkDesktop() {
    const QPalette saved = QApplication::palette();
    QApplication::setPalette(darkDesktop());
    {
      TestApp t;
      HelpWindow* help = t.app->helpWindow();
      help->show();
      expectBlackOnWhite(findNamed<QPlainTextEdit>(help, "licenceText"), "licence");
      expectBlackOnWhite(findNamed<QPlainTextEdit>(help, "disclaimerText"), "disclaimer");
      const struct {
        TabPage* page;
        QWidget* panel;
      } pages[] = {
          {findNamed<TabPage>(help, "stoneSizePage"), findNamed<BevelPanel>(help, "stoneSizePanel")},
          {findNamed<TabPage>(help, "beadCalculatorPage"), findNamed<QWidget>(help, "beadHelpContent")},
          {findNamed<TabPage>(help, "worksheetPage"), findNamed<QWidget>(help, "worksheetHelpContent")}};
      for (const auto& p : pages) {
        findNamed<ColorTabWidget>(help, "pages")->setActivePage(p.page);
        const auto labels = p.panel->findChildren<QLabel*>();
        const auto memos = p.panel->findChildren<QPlainTextEdit*>();
        QVERIFY(!labels.isEmpty() && !memos.isEmpty());
        expectBlackOnWhite(labels.first(), "heading");
        for (QPlainTextEdit* memo : memos) expectBlackOnWhite(memo, memo->toPlainText().left(30));
      }
    }
    QApplication::setPalette(saved);
  }

  void windowAndPages() {
    TestApp t;
    HelpWindow* help = t.app->helpWindow();
    QCOMPARE(help->windowTitle(), "Help");
    QCOMPARE(help->size(), QSize(448, 487));
    QCOMPARE(findNamed<ColorTabWidget>(help, "pages")->pageCount(), 4);
    const QStringList captions{"License", "Stone Size", "Bead Calculator", "Worksheet"};
    for (int i = 0; i < 4; ++i) QCOMPARE(findNamed<ColorTabWidget>(help, "pages")->caption(i), captions[i]);
    QCOMPARE(findNamed<ColorTabWidget>(help, "pages")->activePage(), findNamed<TabPage>(help, "licensePage"));
    QVERIFY(!help->isVisible());
    QVERIFY(!findNamed<QPushButton>(help, "closeButton")->isVisible());
    // The Bench window's and the desk calculator's sections follow the
    // calculators' help (two of their lines are wider than the box and wrap:
    // their memos take a line more each).
    QCOMPARE(findNamed<QWidget>(help, "beadHelpContent")->size(), QSize(369, 5528));
    QLabel* metal = nullptr;
    for (QLabel* label : findNamed<QWidget>(help, "beadHelpContent")->findChildren<QLabel*>()) {
      QVERIFY2(findNamed<QWidget>(help, "beadHelpContent")->rect().contains(label->geometry()),
               qPrintable(label->text()));
      if (label->text() == "Bench: Metal") metal = label;
    }
    QVERIFY(metal);
    for (QPlainTextEdit* memo : findNamed<QWidget>(help, "beadHelpContent")->findChildren<QPlainTextEdit*>())
      QVERIFY2(findNamed<QWidget>(help, "beadHelpContent")->rect().contains(memo->geometry()),
               qPrintable(memo->toPlainText().left(30)));
    QCOMPARE(findNamed<QWidget>(help, "worksheetHelpContent")->size(), QSize(370, 740));
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
    HelpWindow* help = t.app->helpWindow();
    QWidget* panels[] = {
        findNamed<BevelPanel>(help, "licensePanel"), findNamed<BevelPanel>(help, "stoneSizePanel"),
        findNamed<QWidget>(help, "beadHelpContent"), findNamed<QWidget>(help, "worksheetHelpContent")};
    const auto memos = panels[page]->findChildren<QPlainTextEdit*>(Qt::FindDirectChildrenOnly);
    QVERIFY(memo < memos.size());
    QTEST(memos[memo]->toPlainText(), "text");
  }

  void licenceNamesTheProgramAndItsMaker() {
    TestApp t;
    HelpWindow* help = t.app->helpWindow();
    QVERIFY(findNamed<QPlainTextEdit>(help, "licenceText")
                ->toPlainText()
                .startsWith("Orvane is made by " + maker::kMakerName + "."));
    QVERIFY(findNamed<QPlainTextEdit>(help, "disclaimerText")
                ->toPlainText()
                .contains("In no event shall " + maker::kMakerName + " be liable"));
    QCOMPARE(findNamed<QPlainTextEdit>(help, "disclaimerText")->geometry(),
             QRect(16, findNamed<QPlainTextEdit>(help, "disclaimerText")->y(), 361, 185));
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
    MainWindow* main = t.app->mainWindow();
    HelpWindow* help = t.app->helpWindow();
    main->show();
    if (closedOnce) {
      findNamed<ColorTabWidget>(main, "pages")->setActivePageIndex(2);
      QTest::mouseClick(findNamed<QPushButton>(main, "helpButton"), Qt::LeftButton);
      QVERIFY(help->isVisible());
      help->close();
      QVERIFY(!help->isVisible());
    }
    findNamed<ColorTabWidget>(main, "pages")->setActivePageIndex(mainPage);
    QTest::mouseClick(findNamed<QPushButton>(main, "helpButton"), Qt::LeftButton);
    QVERIFY(help->isVisible());
    QTEST(activeCaption(help), "expected");
  }

  void worksheetHelpAlwaysShowsTheWorksheetPage() {
    TestApp t;
    HelpWindow* help = t.app->helpWindow();
    WorksheetWindow* sheet = t.app->worksheetWindow();
    showWindow(sheet);
    for (int round = 0; round < 2; ++round) {  // before and after a close
      QTest::mouseClick(helpButton(sheet), Qt::LeftButton);
      QVERIFY(help->isVisible());
      QCOMPARE(activeCaption(help), "Worksheet");
      QCOMPARE(help->focusWidget(),
               findNamed<QScrollArea>(help, "worksheetHelpScroll"));  // the wheel works without a click
      help->close();
    }
    // The main window's rule still leaves the page alone elsewhere.
    findNamed<ColorTabWidget>(t.app->mainWindow(), "pages")->setActivePageIndex(5);
    QTest::mouseClick(findNamed<QPushButton>(t.app->mainWindow(), "helpButton"), Qt::LeftButton);
    QCOMPARE(activeCaption(help), "Stone Size");
  }

  // The help window is made with the License page showing, which says
  // nothing about fractions: F1 in the Fractions window asks for the page
  // that explains typing them.
  void f1InFractionsShowsTheFractionsHelp() {
    TestApp t;
    HelpWindow* help = t.app->helpWindow();
    FractionsWindow* fractions = t.app->fractionsWindow();
    showWindow(fractions);
    QApplication::setActiveWindow(fractions);
    QVERIFY(QTest::qWaitForWindowActive(fractions));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : fractions, Qt::Key_F1);
    QTRY_VERIFY(help->isVisible());
    QCOMPARE(activeCaption(help), "Stone Size");
  }

  void escapeFromAnyControlClosesTheWindow() {
    TestApp t;
    HelpWindow* help = t.app->helpWindow();
    for (int page = 0; page < 4; ++page) {
      showWindow(help);
      findNamed<ColorTabWidget>(help, "pages")->setActivePageIndex(page);
      const QList<QWidget*> controls =
          findNamed<ColorTabWidget>(help, "pages")->page(page)->findChildren<QWidget*>();
      int tried = 0;
      for (QWidget* control : controls) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(help)) continue;
        showWindow(help);
        findNamed<ColorTabWidget>(help, "pages")->setActivePageIndex(page);
        giveFocusTo(control);
        QTest::keyClick(control, Qt::Key_Escape);
        QVERIFY2(!help->isVisible(),
                 qPrintable(control->metaObject()->className() + QString(" ") + control->accessibleName()));
        // Closing always leaves the window on "Stone Size".
        QCOMPARE(activeCaption(help), "Stone Size");
        ++tried;
      }
      QVERIFY(tried > 0);
    }
    // Also from the tab strip itself.
    showWindow(help);
    giveFocusTo(findNamed<ColorTabWidget>(help, "pages"));
    QTest::keyClick(findNamed<ColorTabWidget>(help, "pages"), Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    // And from the window itself, when no control holds the focus.
    showWindow(help);
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
  }

  void otherKeysPassOn() {
    TestApp t;
    HelpWindow* help = t.app->helpWindow();
    showWindow(help);
    findNamed<ColorTabWidget>(help, "pages")->setActivePage(findNamed<TabPage>(help, "beadCalculatorPage"));
    giveFocusTo(findNamed<QScrollArea>(help, "beadHelpScroll"));
    QTest::keyClick(findNamed<QScrollArea>(help, "beadHelpScroll"), Qt::Key_Down);
    QVERIFY(help->isVisible());
    QCOMPARE(findNamed<QScrollArea>(help, "beadHelpScroll")->verticalScrollBar()->value(), 8);
  }

  void wheelScrollsOnlyWithThePointerInsideTheBox() {
    TestApp t;
    HelpWindow* help = t.app->helpWindow();
    showWindow(help);
    findNamed<ColorTabWidget>(help, "pages")->setActivePage(findNamed<TabPage>(help, "beadCalculatorPage"));
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QScrollArea* box = findNamed<QScrollArea>(help, "beadHelpScroll");
    QScrollBar* bar = box->verticalScrollBar();
    const QPoint inside = box->mapTo(help, QPoint(100, 100));
    const QPoint outside = findNamed<ColorTabWidget>(help, "pages")
                               ->mapTo(help, findNamed<ColorTabWidget>(help, "pages")->tabRect(0).center());
    // A memo inside the box does not swallow the wheel.
    QWidget* memo = findNamed<QWidget>(help, "beadHelpContent")->findChildren<QPlainTextEdit*>().first();

    QCOMPARE(bar->value(), 0);
    scrollWheel(box->viewport(), help, inside, true);
    QCOMPARE(bar->value(), 0);  // stops at the top
    scrollWheel(box->viewport(), help, inside, false);
    QCOMPARE(bar->value(), 8);
    scrollWheel(memo, help, inside, false);
    QCOMPARE(bar->value(), 16);
    scrollWheel(box->viewport(), help, outside, false);
    QCOMPARE(bar->value(), 16);
    scrollWheel(box->viewport(), help, inside, true);
    QCOMPARE(bar->value(), 8);
    // On the box's very edge the pointer is not inside.
    scrollWheel(box->viewport(), help, box->mapTo(help, QPoint(0, 50)), false);
    QCOMPARE(bar->value(), 8);

    // The scroll position survives closing and showing again.
    help->close();
    findNamed<ColorTabWidget>(help, "pages")->setActivePage(findNamed<TabPage>(help, "beadCalculatorPage"));
    showWindow(help);
    QCOMPARE(bar->value(), 8);
  }

  void scrollPagesTakeTheFocusWhenShown() {
    TestApp t;
    HelpWindow* help = t.app->helpWindow();
    showWindow(help);
    QVERIFY(QTest::qWaitForWindowActive(help));
    findNamed<ColorTabWidget>(help, "pages")->setActivePage(findNamed<TabPage>(help, "worksheetPage"));
    QCOMPARE(QApplication::focusWidget(), findNamed<QScrollArea>(help, "worksheetHelpScroll"));
    findNamed<ColorTabWidget>(help, "pages")->setActivePage(findNamed<TabPage>(help, "beadCalculatorPage"));
    QCOMPARE(QApplication::focusWidget(), findNamed<QScrollArea>(help, "beadHelpScroll"));
  }

  // Each page shows all of its text: every memo holds all its lines in sight,
  // every heading and caption fits its label, and nothing lies beyond the
  // page's panel. Where the lines were broken by hand for their box, each
  // written line stays one line on the screen.
  void pagesShowAllTheirText_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("linesFitTheirBox");
    // Two English lines of the Bench sections are wider than their box.
    QTest::newRow("English") << "en" << false;
    QTest::newRow("German") << "de" << true;
  }

  void pagesShowAllTheirText() {
    QFETCH(QString, language);
    QFETCH(bool, linesFitTheirBox);
    SpokenLanguage speaking(language);
    HelpWindow help;
    showWindow(&help);
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    const QList<QWidget*> panels = panelsOf(&help);
    for (int page = 0; page < panels.size(); ++page) {
      findNamed<ColorTabWidget>(&help, "pages")->setActivePageIndex(page);
      QWidget* panel = panels[page];
      for (QWidget* item : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!item->isVisibleTo(&help)) continue;  // the hidden Close button
        QVERIFY2(panel->rect().contains(item->geometry()), qPrintable(item->accessibleName()));
      }
      for (QLabel* label : panel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
      for (QPlainTextEdit* memo : panel->findChildren<QPlainTextEdit*>(Qt::FindDirectChildrenOnly)) {
        QTextDocument* document = memo->document();
        qreal height = 2 * document->documentMargin();
        for (QTextBlock line = document->begin(); line.isValid(); line = line.next()) {
          height += document->documentLayout()->blockBoundingRect(line).height();
          if (linesFitTheirBox) QVERIFY2(line.layout()->lineCount() == 1, qPrintable(line.text()));
        }
        QVERIFY2(height <= memo->viewport()->height(), qPrintable(memo->toPlainText().left(40)));
      }
    }
  }

  // Every tab lies within the window, whatever the length of its caption;
  // English keeps its one row.
  void everyTabWithinTheWindow_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("rows");
    QTest::newRow("English") << "en" << 1;
    QTest::newRow("German") << "de" << 1;
    QTest::newRow("pseudo") << "pseudo" << 2;
  }

  void everyTabWithinTheWindow() {
    QFETCH(QString, language);
    SpokenLanguage speaking(language);
    HelpWindow help;
    showWindow(&help);
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    auto* pages = findNamed<ColorTabWidget>(&help, "pages");
    for (int i = 0; i < pages->pageCount(); ++i)
      QVERIFY2(pages->rect().contains(pages->tabRect(i)), qPrintable(pages->caption(i)));
    QTEST(pages->gridRowCount(), "rows");
  }

  // Under German the window, its tabs, its texts and what a screen reader
  // hears are German.
  void germanWindowShowsGermanHelp() {
    SpokenLanguage speaking(QStringLiteral("de"));
    HelpWindow help;
    QCOMPARE(help.windowTitle(), "Hilfe");
    auto* pages = findNamed<ColorTabWidget>(&help, "pages");
    const QStringList captions{"Lizenz", "Steingröße", "Perlenrechner", "Arbeitsblatt"};
    for (int i = 0; i < captions.size(); ++i) QCOMPARE(pages->caption(i), captions[i]);
    auto* licence = findNamed<QPlainTextEdit>(&help, "licenceText");
    QVERIFY(licence->toPlainText().startsWith("Orvane ist ein Programm von " + maker::kMakerName + "."));
    QCOMPARE(licence->accessibleName(), "Lizenzvereinbarung");
    QCOMPARE(findNamed<QPlainTextEdit>(&help, "disclaimerText")->accessibleName(),
             "Haftungsausschluss und Gewährleistung");
    QCOMPARE(findNamed<QScrollArea>(&help, "beadHelpScroll")->accessibleName(), "Hilfe zum Perlenrechner");
    QCOMPARE(findNamed<QScrollArea>(&help, "worksheetHelpScroll")->accessibleName(),
             "Hilfe zum Arbeitsblatt");
    QStringList headings;
    for (QLabel* label : findNamed<QWidget>(&help, "beadHelpContent")->findChildren<QLabel*>())
      if (label->pixmap().isNull()) headings << label->text();
    QVERIFY2(headings.contains("Perlenrechner") && headings.contains("Werkbank: Metall"),
             qPrintable(headings.join(", ")));
    // A picture is described to a screen reader in German too.
    const auto pictures = findNamed<BevelPanel>(&help, "stoneSizePanel")->findChildren<QLabel*>();
    QVERIFY(std::any_of(pictures.begin(), pictures.end(), [](QLabel* picture) {
      return picture->accessibleName() == "Millimeter 3.17500 und Zoll 1/8 mit der Löschen-Schaltfläche";
    }));
  }

  void hiddenCloseButtonClosesTheWindow() {
    TestApp t;
    HelpWindow* help = t.app->helpWindow();
    showWindow(help);
    findNamed<QPushButton>(help, "closeButton")->click();
    QVERIFY(!help->isVisible());
    QCOMPARE(activeCaption(help), "Stone Size");
  }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_help_window.moc"
