#include <QTest>
#include <functional>

#include "core/worksheet_document.h"

using namespace orvane;

using Edit = std::function<void(WorksheetText&)>;
Q_DECLARE_METATYPE(Edit)

namespace {

WorksheetText sampleWorksheet() {
  WorksheetText text;
  text.Project = "Necklace";
  text.Rows[0] = {"Crystal", "4", "", "36"};
  text.Rows[9] = {"Clasp", "", "", ""};
  return text;
}

}  // namespace

class WorksheetDocumentTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void modifiedIsADifferenceFromTheSnapshot_data();
  void modifiedIsADifferenceFromTheSnapshot();
  void captionNamesTheFile_data();
  void captionNamesTheFile();
  void questionNamesTheFile();
};

void WorksheetDocumentTest::modifiedIsADifferenceFromTheSnapshot_data() {
  QTest::addColumn<bool>("snapshotKnown");
  QTest::addColumn<Edit>("edit");
  QTest::addColumn<bool>("modified");
  const Edit none = [](WorksheetText&) {};
  QTest::newRow("as loaded") << true << none << false;
  QTest::newRow("a character more") << true << Edit([](WorksheetText& t) { t.Rows[0].BeadCount += "0"; })
                                    << true;
  QTest::newRow("typed and typed back") << true << Edit([](WorksheetText& t) {
    t.Rows[0].BeadCount += "0";
    t.Rows[0].BeadCount.chop(1);
  }) << false;
  QTest::newRow("the project name") << true << Edit([](WorksheetText& t) { t.Project += " "; }) << true;
  QTest::newRow("the last row's inch size")
      << true << Edit([](WorksheetText& t) { t.Rows[9].Inch = "1/8"; }) << true;
  QTest::newRow("a size moved to the next row") << true << Edit([](WorksheetText& t) {
    t.Rows[1].Mm = t.Rows[0].Mm;
    t.Rows[0].Mm.clear();
  }) << true;
  QTest::newRow("cleared") << true << Edit([](WorksheetText& t) { t = {}; }) << true;
  QTest::newRow("rows given back after a crash") << false << none << true;
}

void WorksheetDocumentTest::modifiedIsADifferenceFromTheSnapshot() {
  QFETCH(bool, snapshotKnown);
  QFETCH(Edit, edit);
  QFETCH(bool, modified);
  WorksheetDocument document;
  document.Path = "/w/necklace.bws";
  if (snapshotKnown)
    document.Saved = sampleWorksheet();
  else
    document.Saved.reset();
  WorksheetText now = sampleWorksheet();
  edit(now);
  QCOMPARE(document.isModified(now), modified);
}

void WorksheetDocumentTest::captionNamesTheFile_data() {
  QTest::addColumn<QString>("path");
  QTest::addColumn<QString>("caption");
  QTest::newRow("no file yet") << ""
                               << "Bead Worksheet[*]";
  QTest::newRow("a file") << "/home/a/Worksheet/bracelet.bws"
                          << "bracelet.bws[*] - Bead Worksheet";
  QTest::newRow("placeholder in the name") << "/w/odd[*].bws"
                                           << "odd[*][*].bws[*] - Bead Worksheet";
}

void WorksheetDocumentTest::captionNamesTheFile() {
  QFETCH(QString, path);
  QFETCH(QString, caption);
  QCOMPARE(worksheetCaption(path), caption);
}

void WorksheetDocumentTest::questionNamesTheFile() {
  QCOMPARE(unsavedWorksheetQuestion({}),
           "The bead worksheet has changes that are not saved.\n\nSave them first?");
  QVERIFY(unsavedWorksheetQuestion("/w/bracelet.bws").startsWith("The bead worksheet \"bracelet.bws\" has"));
  QVERIFY(holdsAnything(sampleWorksheet()));
  QVERIFY(!holdsAnything(WorksheetText{}));
  WorksheetText blank;
  blank.Rows[4].Desc = " ";
  QVERIFY(holdsAnything(blank));
}

QTEST_APPLESS_MAIN(WorksheetDocumentTest)
#include "tst_worksheet_document.moc"
