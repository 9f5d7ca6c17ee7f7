// The worksheet and the calculator built under German: they compute as in
// English, what they store is byte for byte what English stores, and what
// they show, say and print is German.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include "core/spoken_results.h"
#include "desk_calculator/calculator_pad.h"
#include "desk_calculator/calculator_window.h"
#include "platform/languages.h"
#include "widgets/entry_box.h"
#include "worksheet/worksheet_window.h"
#include "worksheet_fixture.h"

using namespace orvane;

namespace {

// Template units (1/91.6256 inch) in the points pdftotext measures in.
double points(int units) { return units * 72.0 / 91.6256; }

}  // namespace

class WorksheetInGermanTest : public QObject, protected WorksheetFixture {
  Q_OBJECT
 private Q_SLOTS:
  void cleanup();
  void rowsComputeAsInEnglish();
  void savedFilesAreTheEnglishBytes_data();
  void savedFilesAreTheEnglishBytes();
  void messagesAndDialogsAreGerman();
  void printedPageIsGermanAndFits();
  void calculatorComputesAndSpeaksGerman();

 private:
  // A fresh program in `language`, its worksheet filled as a user types it.
  void openFilled(const QString& language);
  // The bytes the Save button writes to a file of this name in `language`.
  QByteArray savedBytes(const QString& language, const QString& name);
};

void WorksheetInGermanTest::cleanup() {
  if (t_) closeWorksheet();
  installLanguage(QStringLiteral("en"));
}

void WorksheetInGermanTest::openFilled(const QString& language) {
  if (t_) closeWorksheet();
  QVERIFY(installLanguage(language));
  openWorksheet();
  type(projectBox(w_), "Halskette \"Sommer\", blau");
  // Typed keys are plain ASCII in tests; a letter beyond it comes pasted.
  descriptionBoxes(w_)[0]->setText(QString::fromUtf8("Glasperlen, grün"));
  type(mmBoxes(w_)[0], "4");
  type(countBoxes(w_)[0], "100");
  type(descriptionBoxes(w_)[1], "Rocailles");
  type(inchBoxes(w_)[1], "1/8");
  type(countBoxes(w_)[1], "24");
}

QByteArray WorksheetInGermanTest::savedBytes(const QString& language, const QString& name) {
  openFilled(language);
  const QString path = dir_->filePath(name);
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  return readFile(path);
}

void WorksheetInGermanTest::rowsComputeAsInEnglish() {
  openFilled(QStringLiteral("de"));
  // The figures keep their "." whatever the language.
  QCOMPARE(perInchBoxes(w_)[0]->text(), QString("6.35"));
  QCOMPARE(lengthBoxes(w_)[0]->text(), QString("15.75"));
  QCOMPARE(perInchBoxes(w_)[1]->text(), QString("8.00"));
  QCOMPARE(lengthBoxes(w_)[1]->text(), QString("3.00"));
  QCOMPARE(totalBox(w_)->text(), QString("18.75"));
  QCOMPARE(mmBoxes(w_)[0]->accessibleName(), QString::fromUtf8("Größe mm Zeile 1"));
}

void WorksheetInGermanTest::savedFilesAreTheEnglishBytes_data() {
  QTest::addColumn<QString>("name");
  QTest::newRow("worksheet file") << "kette.bws";
  QTest::newRow("CSV export, English header row") << "kette.csv";
}

void WorksheetInGermanTest::savedFilesAreTheEnglishBytes() {
  QFETCH(QString, name);
  const QByteArray english = savedBytes(QStringLiteral("en"), name);
  const QByteArray german = savedBytes(QStringLiteral("de"), name);
  QVERIFY(!english.isEmpty());
  QCOMPARE(german, english);
  if (name.endsWith(".csv")) QVERIFY(german.startsWith("Project,Row,Description,Size MM,"));
}

void WorksheetInGermanTest::messagesAndDialogsAreGerman() {
  openFilled(QStringLiteral("de"));
  QCOMPARE(w_->windowTitle(), QString("Perlen-Arbeitsblatt[*]"));
  QCOMPARE(saveButton(w_)->text(), QString("Speichern"));

  const QString path = dir_->filePath("kette.bws");
  t_->services.saveAnswers.push_back(path);
  QTest::mouseClick(saveButton(w_), Qt::LeftButton);
  const FileDialogRequest& request = t_->services.saveRequests.at(0);
  QCOMPARE(request.title, QString("Perlen-Arbeitsblatt speichern"));
  // The dialog still picks its files by the patterns.
  QVERIFY2(request.filter.contains("(*.bws)") && request.filter.contains("(*.csv)") &&
               request.filter.contains("Alle Dateien"),
           qPrintable(request.filter));
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(t_->services.messages[0].text, QString("Erfolg:  Perlen-Arbeitsblatt gespeichert."));
  QCOMPARE(w_->windowTitle(), QString("kette.bws[*] - Perlen-Arbeitsblatt"));

  // The question before unsaved rows go names the file, in German.
  type(countBoxes(w_)[0], "50");
  t_->services.unsavedAnswers.push_back(UnsavedAnswer::Cancel);
  QVERIFY(!w_->mayReplaceRows());
  QCOMPARE(t_->services.questions.size(), 1);
  QCOMPARE(t_->services.questions[0].caption, QString("Nicht gespeichertes Arbeitsblatt"));
  QVERIFY2(
      t_->services.questions[0].text.startsWith(QString::fromUtf8("Das Perlen-Arbeitsblatt „kette.bws“")),
      qPrintable(t_->services.questions[0].text));

  // A failure names the file and says why in German.
  const QString folder = dir_->filePath("ordner.bws");
  QVERIFY(QDir().mkdir(folder));
  t_->services.messages.clear();
  w_->loadFile(folder);
  QCOMPARE(t_->services.messages.size(), 1);
  QCOMPARE(
      t_->services.messages[0].text,
      QString("Das Arbeitsblatt %1 kann nicht geladen werden: es ist ein Ordner, keine Datei.").arg(folder));
}

void WorksheetInGermanTest::printedPageIsGermanAndFits() {
  if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
  openFilled(QStringLiteral("de"));
  const QString pdf = dir_->filePath("seite.pdf");
  t_->services.printToPdf = pdf;
  QTest::mouseClick(printButton(w_), Qt::LeftButton);
  QCOMPARE(t_->services.messages.size(), 0);

  QProcess words;
  words.start("pdftotext", {"-bbox", pdf, "-"});
  QVERIFY(words.waitForFinished(20000));
  const QString page = QString::fromUtf8(words.readAllStandardOutput());
  // Each word with its left and right edge in points.
  QHash<QString, QPair<double, double>> edges;
  static const QRegularExpression word(QStringLiteral(
      "<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">([^<]*)</word>"));
  for (const QRegularExpressionMatch& m : word.globalMatch(page))
    edges.insert(m.captured(3), {m.captured(1).toDouble(), m.captured(2).toDouble()});
  for (const char* german : {"Beschreibung", "Anzahl", "Perlen", "Gesamtlänge", "Notizen:", "15.75", "18.75"})
    QVERIFY2(edges.contains(QString::fromUtf8(german)), qPrintable(page));
  QVERIFY2(!edges.contains("Notes:") && !edges.contains("Total"), qPrintable(page));
  // The notes caption is longer in German than its box is wide: it is made
  // smaller, not cut by the box's edge or run into the rule beside it.
  QVERIFY2(edges.value("Notizen:").second <= points(140) + 0.5, qPrintable(page));
  QVERIFY2(edges.value(QString::fromUtf8("Gesamtlänge")).first >= points(472), qPrintable(page));
}

void WorksheetInGermanTest::calculatorComputesAndSpeaksGerman() {
  QVERIFY(installLanguage(QStringLiteral("de")));
  openWorksheet();
  CalculatorWindow* window = t_->app->calculatorWindow();
  QCOMPARE(window->windowTitle(), QString("Rechner"));
  auto* pad = window->findChild<CalculatorPad*>(QStringLiteral("calculatorPad"));
  QVERIFY(pad);
  QCOMPARE(pad->buttonFor(CalculatorKey::Back).caption, QString::fromUtf8("Rück"));
  QCOMPARE(pad->buttonFor(CalculatorKey::Decimal).caption, QString("."));
  QCOMPARE(calculatorKeyTexts(CalculatorKey::MemoryAdd).keyboard, QString("Strg+P"));
  // A decimal comma typed is the point; the display shows ".".
  for (QChar key : QString("1,5*3=")) pad->typeCharacter(key);
  QCOMPARE(pad->shownText(), QString("4.5 "));
  pad->pressButton(CalculatorKey::MemoryStore);
  QCOMPARE(spokenCalculatorKey(CalculatorKey::MemoryStore, false, pad->shownText(), pad->memory()),
           QString("Speicher 4.5"));
  QCOMPARE(spokenCalculatorKey(CalculatorKey::MemoryClear, false, pad->shownText(), 0),
           QString::fromUtf8("Speicher gelöscht"));
}

QTEST_MAIN(WorksheetInGermanTest)
#include "tst_worksheet_in_german.moc"
