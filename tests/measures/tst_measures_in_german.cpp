// The size converter, the Weight and Bead Calculator pages and the charts
// built under German: they still convert, look up and speak their results,
// in German words with "." figures, and their messages are German.
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "app/main_window.h"
#include "core/chart_tables.h"
#include "find_child.h"
#include "measures/bead_page.h"
#include "measures/weight_page.h"
#include "platform/announcer.h"
#include "platform/languages.h"
#include "sizes/size_converter.h"
#include "widget_fixture.h"
#include "widgets/color_tab_widget.h"
#include "widgets/entry_box.h"

using namespace orvane;

class MeasuresInGermanTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase();
  void cleanupTestCase();
  void init();
  void cleanup();

  void converterConvertsAndSpeaks();
  void pickedPearlPlateLooksUpByPosition();
  void weightConvertsAndSpeaks();
  void beadPageCalculatesAndSpeaks();
  void messagesAreGerman_data();
  void messagesAreGerman();
  void chartHeadingsKeepTheirColumns();

 private:
  MainWindow* main() const { return t_->app->mainWindow(); }
  SizeConverter* converter() const { return findNamed<SizeConverter>(main(), "sizeConverter"); }
  template <typename T = EntryBox>
  T* named(const char* name) const {
    return findNamed<T>(main(), name);
  }
  void showPage(TabPage* page) {
    findNamed<ColorTabWidget>(main(), "pages")->setActivePage(page);
    QApplication::processEvents();
  }
  static void enter(EntryBox* box, const QString& typed) {
    giveFocusTo(box);
    box->clear();
    typeText(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
  }
  // What the screen reader was last told in the main window.
  QString lastNotice() const {
    QApplication::processEvents();
    QString last;
    for (QWidget* notice : main()->findChildren<QWidget*>(QStringLiteral("spokenNotice")))
      if (notice->isVisible()) last = notice->accessibleName();
    return last;
  }

  std::unique_ptr<ModalDialogGuard> guard_;
  std::unique_ptr<TestApp> t_;
};

void MeasuresInGermanTest::initTestCase() {
  QVERIFY(installLanguage(QStringLiteral("de")));
  announceWithoutScreenReader(true);
}

void MeasuresInGermanTest::cleanupTestCase() {
  announceWithoutScreenReader(false);
  installLanguage(QStringLiteral("en"));
}

void MeasuresInGermanTest::init() {
  guard_ = std::make_unique<ModalDialogGuard>();
  t_ = std::make_unique<TestApp>();
  main()->show();
  QApplication::processEvents();
}

void MeasuresInGermanTest::cleanup() {
  QVERIFY2(!guard_->tripped(), qPrintable(guard_->seen()));
  t_.reset();
  guard_.reset();
}

void MeasuresInGermanTest::converterConvertsAndSpeaks() {
  QCOMPARE(named<QLabel>("pearlCaption")->text(), QStringLiteral("Perlenplatte"));
  enter(named("mmBox"), QStringLiteral("2.3"));
  QCOMPARE(named("inchBox")->text(), QStringLiteral("0.09055"));
  QCOMPARE(named<DesignationBox>("pearlBox")->shownText(), QStringLiteral("16 - 17"));
  QCOMPARE(named<DesignationBox>("stoneBox")->shownText(), QStringLiteral("7 - 8"));
  QCOMPARE(lastNotice(), QStringLiteral("Zoll 0.09055, Perlenplatte 16 - 17, Steingröße 7 - 8"));
  QVERIFY(t_->services.messages.isEmpty());
}

// The list's entries are shown translated; what a pick converts comes from
// its position in the table.
void MeasuresInGermanTest::pickedPearlPlateLooksUpByPosition() {
  auto* pearl = named<DesignationBox>("pearlBox");
  giveFocusTo(pearl);
  for (int i = pearl->currentIndex(); i < 16; ++i) QTest::keyClick(pearl, Qt::Key_Down);
  QCOMPARE(pearl->currentIndex(), 16);
  QCOMPARE(named("mmBox")->text(), QStringLiteral("2.20 - 2.30"));
  QCOMPARE(named("inchBox")->text(), QStringLiteral("0.0866 - 0.0906"));
  QCOMPARE(named<DesignationBox>("stoneBox")->shownText(), QStringLiteral("7"));
}

void MeasuresInGermanTest::weightConvertsAndSpeaks() {
  showPage(named<WeightPage>("weightPage"));
  enter(named("caratBox"), QStringLiteral("5"));
  QCOMPARE(named("gramBox")->text(), QStringLiteral("1"));
  QCOMPARE(named("kilogramBox")->text(), QStringLiteral("0.0010"));
  QCOMPARE(named("troyOunceBox")->text(), QStringLiteral("0.0322"));
  QVERIFY2(lastNotice().startsWith(QStringLiteral("Gramm 1, Kilogramm 0.0010, Unzen 0.0353, Pfund 0.0022, ")),
           qPrintable(lastNotice()));
  QVERIFY(t_->services.messages.isEmpty());
}

void MeasuresInGermanTest::beadPageCalculatesAndSpeaks() {
  showPage(named<BeadPage>("beadPage"));
  EntryBox* size = named("beadMmBox");
  QCOMPARE(QApplication::focusWidget(), size);
  typeText(size, QStringLiteral("4"));
  QTest::keyClick(size, Qt::Key_Return);
  QCOMPARE(named("beadsPerInchBox")->text(), QStringLiteral("6.35"));
  QCOMPARE(named("strandLengthBox")->text(), QStringLiteral("0.16"));
  QVERIFY2(lastNotice().contains(QStringLiteral("Perlen pro Zoll 6.35")), qPrintable(lastNotice()));
  QVERIFY(t_->services.messages.isEmpty());
}

void MeasuresInGermanTest::messagesAreGerman_data() {
  QTest::addColumn<QString>("page");
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("message");
  QTest::newRow("no number in millimetres") << ""
                                            << "mmBox"
                                            << "1.2.3"
                                            << "'1.2.3' ist keine gültige Gleitkommazahl.";
  QTest::newRow("bad inch fraction") << ""
                                     << "inchBox"
                                     << "1/a"
                                     << "Der Bruch kann nicht in eine Dezimalzahl umgewandelt werden.";
  QTest::newRow("negative size")
      << ""
      << "mmBox"
      << "-2"
      << "'-2' ist kleiner als null: eine Größe oder Länge kann nicht negativ sein.";
  QTest::newRow("negative weight") << "weightPage"
                                   << "gramBox"
                                   << "-5"
                                   << "'-5' ist kleiner als null: ein Gewicht kann nicht negativ sein.";
  QTest::newRow("length before any bead size")
      << "beadPage"
      << "strandInchBox"
      << "7"
      << "Fehler: Perlen pro Zoll nicht berechnet.\n\n       Bitte geben Sie die Perlengröße ein\n"
         "       und versuchen Sie es erneut.";
}

// A text pasted past the key filters, then Enter (or, on the bead page,
// leaving the box).
void MeasuresInGermanTest::messagesAreGerman() {
  QFETCH(QString, page);
  QFETCH(QString, box);
  QFETCH(QString, pasted);
  if (!page.isEmpty()) showPage(findNamed<TabPage>(main(), qPrintable(page)));
  EntryBox* target = named(qPrintable(box));
  giveFocusTo(target);
  target->setText(pasted);
  if (page == QLatin1String("beadPage"))
    QTest::keyClick(target, Qt::Key_Tab);
  else
    QTest::keyClick(target, Qt::Key_Return);
  QCOMPARE(t_->services.messages.size(), 1);
  QTEST(t_->services.messages[0].text, "message");
  if (page == QLatin1String("beadPage")) QCOMPARE(t_->services.messages[0].caption, QStringLiteral("Fehler"));
}

// A longer or shorter word gives up or takes leading spaces, so that it stays
// about as centred in its column as the English one.
void MeasuresInGermanTest::chartHeadingsKeepTheirColumns() {
  const QStringList jump = jumpGridHeadings();
  QCOMPARE(jump.value(0), QStringLiteral("       Größe"));                // "        Size"
  QCOMPARE(jump.value(3), QStringLiteral("        Zoll"));                // "      Inches"
  QCOMPARE(ringIntGridHeadings().value(3), QStringLiteral("Deutschl."));  // " Germany"
}

QTEST_MAIN(MeasuresInGermanTest)
#include "tst_measures_in_german.moc"
