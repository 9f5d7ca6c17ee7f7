// Every window in every language the program speaks, and in the
// pseudo-language: no caption, button, heading or tab text cut, and (in the
// pseudo-language) no text that bypassed the translations.
#include <QApplication>
#include <QSet>
#include <QTabWidget>
#include <QTest>

#include "app/app_context.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "bench_tools/bench_window.h"
#include "core/maker_info.h"
#include "desk_calculator/calculator_window.h"
#include "measures/fractions_window.h"
#include "platform/languages.h"
#include "text_fit.h"
#include "widget_fixture.h"
#include "widgets/color_tab_widget.h"
#include "widgets/tab_page.h"
#include "worksheet/worksheet_window.h"

using namespace orvane;

namespace {

// Brings the page that holds `w` to the front in every tab control above it.
void bringForward(QWidget* w) {
  for (QWidget* parent = w->parentWidget(); parent; parent = parent->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
      for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i) == w || tabs->widget(i)->isAncestorOf(w)) tabs->setCurrentIndex(i);
    } else if (auto* colorTabs = qobject_cast<ColorTabWidget*>(parent)) {
      for (int i = 0; i < colorTabs->pageCount(); ++i)
        if (colorTabs->page(i) == w || colorTabs->page(i)->isAncestorOf(w)) colorTabs->setActivePageIndex(i);
    }
  }
}

// Runs `check` over the window once for every page of every tab control in
// it, nested ones included, and gathers what it finds, each once.
QStringList overEveryPage(QWidget* window, const std::function<QStringList(QWidget*)>& check) {
  window->show();
  QApplication::processEvents();
  QStringList found = check(window);
  QList<QWidget*> pages;
  for (auto* tabs : window->findChildren<QTabWidget*>())
    for (int i = 0; i < tabs->count(); ++i) pages.append(tabs->widget(i));
  for (auto* tabs : window->findChildren<ColorTabWidget*>())
    for (int i = 0; i < tabs->pageCount(); ++i)
      if (tabs->pageChoosable(i)) pages.append(tabs->page(i));
  for (QWidget* page : pages) {
    bringForward(page);
    QApplication::processEvents();
    found += check(window);
  }
  found.removeDuplicates();
  return found;
}

// The program's and its makers' names and addresses: the same in every
// language.
QStringList namesAndAddresses() {
  using namespace maker;
  return {QStringLiteral("Orvane"),
          kShopName,
          kDisplayName,
          kMailAddress,
          kDonationUrl,
          kWebSite,
          kMakerName,
          "https://" + kWebSite,
          "https://" + kProgramPage,
          "mailto:" + kMailAddress};
}

}  // namespace

class TextFitTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void cleanup() { installLanguage(QStringLiteral("en")); }
  void everyWindow_data();
  void everyWindow();
};

void TextFitTest::everyWindow_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("window");
  QStringList languages = shippedLanguages();
  languages << QString::fromLatin1(kPseudoLanguage);
  for (const QString& language : languages)
    for (const char* window : {"main", "bench", "worksheet", "calculator", "fractions", "help"})
      QTest::addRow("%s %s", qPrintable(language), window) << language << QString::fromLatin1(window);
}

void TextFitTest::everyWindow() {
  QFETCH(QString, language);
  QFETCH(QString, window);
  QVERIFY(installLanguage(language));
  TestApp program;
  AppContext& app = *program.app;
  QWidget* shown = app.helpWindow();
  if (window == QLatin1String("main")) shown = app.mainWindow();
  if (window == QLatin1String("bench")) shown = app.benchWindow();
  if (window == QLatin1String("worksheet")) shown = app.worksheetWindow();
  if (window == QLatin1String("calculator")) shown = app.calculatorWindow();
  if (window == QLatin1String("fractions")) shown = app.fractionsWindow();
  const QStringList cut = overEveryPage(shown, textsThatDoNotFit);
  QVERIFY2(cut.isEmpty(),
           qPrintable(QStringLiteral("cut in %1:\n  ").arg(language) + cut.join(QStringLiteral("\n  "))));
  if (language == QLatin1String(kPseudoLanguage)) {
    const QStringList plain =
        overEveryPage(shown, [](QWidget* w) { return untranslatedTexts(w, namesAndAddresses()); });
    QVERIFY2(plain.isEmpty(),
             qPrintable(QStringLiteral("not translated:\n  ") + plain.join(QStringLiteral("\n  "))));
  }
}

QTEST_MAIN(TextFitTest)
#include "tst_text_fit.moc"
