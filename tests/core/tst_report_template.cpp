#include <QFile>
#include <QLocale>
#include <QTest>

#include "core/report_template.h"

using namespace orvane;

static void initResources() { Q_INIT_RESOURCE(orvane); }

namespace {

ReportTemplate worksheetPage() {
  QFile file(QStringLiteral(":/report/worksheet.json"));
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("no template");
  return parseReportTemplate(file.readAll());
}

const ReportText* textAt(const ReportTemplate& t, int x, int y) {
  for (const ReportText& text : t.Texts)
    if (text.X == x && text.Y == y) return &text;
  return nullptr;
}

}  // namespace

class ReportTemplateTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() { initResources(); }
  void pageIsLetterInTemplateUnits();
  void objectsStandWhereThePageNeedsThem_data();
  void objectsStandWhereThePageNeedsThem();
  void everyWorksheetVariableAppearsOnce();
  void rules();
  void fillsVariables_data();
  void fillsVariables();
  void rejectsBrokenTemplates_data();
  void rejectsBrokenTemplates();
};

void ReportTemplateTest::pageIsLetterInTemplateUnits() {
  const ReportTemplate t = worksheetPage();
  QCOMPARE(t.Paper, QString("Letter"));
  QVERIFY(t.Portrait);
  QCOMPARE(t.UnitsPerInch, 91.6256);
  // 8.5 x 11 inches
  QCOMPARE(qRound(8.5 * t.UnitsPerInch), t.PageWidth);
  QCOMPARE(qRound(11 * t.UnitsPerInch), t.PageHeight);
  QCOMPARE(QList<int>({t.MarginLeft, t.MarginTop, t.MarginRight, t.MarginBottom}),
           QList<int>({91, 47, 47, 47}));
  QCOMPARE(QList<int>({t.GapLeft, t.GapTop, t.GapRight}), QList<int>({2, 1, 2}));
}

void ReportTemplateTest::objectsStandWhereThePageNeedsThem_data() {
  QTest::addColumn<int>("x");
  QTest::addColumn<int>("y");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("pointSize");
  QTest::addColumn<bool>("bold");
  QTest::addColumn<int>("align");
  const int left = int(ReportAlign::Left), centre = int(ReportAlign::Centre), right = int(ReportAlign::Right);
  QTest::newRow("title") << 92 << 52 << "[TITLE1]" << 596 << 14 << false << left;
  QTest::newRow("description heading") << 128 << 104 << "Description" << 96 << 10 << true << left;
  QTest::newRow("number heading") << 512 << 92 << "Number\nof Beads" << 72 << 10 << true << centre;
  QTest::newRow("length heading") << 660 << 92 << "Length\nInches" << 60 << 10 << true << centre;
  QTest::newRow("row 1 label") << 96 << 140 << "1." << 24 << 10 << true << right;
  QTest::newRow("row 10 label") << 96 << 464 << "10." << 24 << 10 << true << right;
  QTest::newRow("row 1 description") << 120 << 140 << "[D1]" << 284 << 10 << false << left;
  QTest::newRow("row 4 size inch") << 464 << 248 << "[N4]" << 52 << 10 << false << left;
  QTest::newRow("row 7 bead count") << 524 << 356 << "[B7]" << 52 << 10 << false << centre;
  QTest::newRow("row 9 beads per inch") << 588 << 428 << "[P9]" << 52 << 10 << false << right;
  QTest::newRow("row 10 length") << 660 << 464 << "[L10]" << 52 << 10 << false << right;
  QTest::newRow("total label") << 472 << 500 << "Total Length in Inches" << 172 << 10 << true << right;
  QTest::newRow("total") << 648 << 500 << "[TOTAL1]" << 64 << 10 << false << right;
  QTest::newRow("notes") << 96 << 584 << "Notes:" << 44 << 10 << true << left;
  QTest::newRow("maker") << 92 << 940 << "[MAKER] - [WEBSITE]" << 260 << 8 << false << left;
  QTest::newRow("date and time") << 612 << 940 << "[DATE] [TIME]" << 120 << 8 << false << right;
}

void ReportTemplateTest::objectsStandWhereThePageNeedsThem() {
  QFETCH(int, x);
  QFETCH(int, y);
  QFETCH(QString, text);
  QFETCH(int, width);
  QFETCH(int, pointSize);
  QFETCH(bool, bold);
  QFETCH(int, align);
  const ReportTemplate t = worksheetPage();
  const ReportText* found = textAt(t, x, y);
  QVERIFY(found);
  QCOMPARE(found->Text, text);
  QCOMPARE(found->Width, width);
  QCOMPARE(found->Family, QString("Arial"));
  QCOMPARE(found->PointSize, pointSize);
  QCOMPARE(found->Bold, bold);
  QCOMPARE(int(found->Align), align);
}

void ReportTemplateTest::everyWorksheetVariableAppearsOnce() {
  const ReportTemplate t = worksheetPage();
  QStringList names{"TITLE1", "TOTAL1"};
  for (const char* family : {"D", "M", "N", "B", "P", "L"})
    for (int k = 1; k <= 10; ++k) names << QString::fromLatin1(family) + QString::number(k);
  QCOMPARE(names.size(), 62);
  QStringList met;
  for (const ReportText& text : t.Texts)
    fillReportVariables(text.Text,
                        [&](const QString& name) {
                          met << name;
                          return std::nullopt;
                        },
                        {});
  // The engine's date and time, and the maker named in the footer.
  for (const char* other : {"DATE", "TIME", "MAKER", "WEBSITE"}) QCOMPARE(met.removeAll(other), 1);
  std::sort(met.begin(), met.end());
  std::sort(names.begin(), names.end());
  QCOMPARE(met, names);
}

void ReportTemplateTest::rules() {
  const ReportTemplate t = worksheetPage();
  QList<QList<int>> rules;
  for (const ReportRule& r : t.Rules) rules.append({r.X, r.Y, r.Width});
  QList<QList<int>> expected{{92, 80, 640}, {144, 600, 588}};
  for (int y = 632; y <= 920; y += 36) expected.append({92, y, 638});
  QCOMPARE(rules, expected);
}

void ReportTemplateTest::fillsVariables_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("expected");
  const QDateTime at(QDate(2026, 3, 14), QTime(15, 9));
  const QLocale locale = QLocale::system();
  QTest::newRow("worksheet value") << "[D1]"
                                   << "Seed beads";
  QTest::newRow("around text") << "Row: [M2] mm"
                               << "Row: 4 mm";
  QTest::newRow("empty value") << "[N1]"
                               << "";
  QTest::newRow("names match exactly") << "[d1]"
                                       << "";
  QTest::newRow("unknown name") << "[X9]"
                                << "";
  QTest::newRow("engine date and time") << "[DATE] [TIME]"
                                        << locale.toString(at.date(), QLocale::ShortFormat) + " " +
                                               locale.toString(at.time(), QLocale::ShortFormat);
  QTest::newRow("unclosed bracket stays") << "a [D1"
                                          << "a [D1";
  QTest::newRow("value with brackets is not filled again") << "[B1]"
                                                           << "[D1]";
}

void ReportTemplateTest::fillsVariables() {
  QFETCH(QString, text);
  QFETCH(QString, expected);
  const ReportValueSource source = [](const QString& name) -> std::optional<QString> {
    if (name == "D1") return QString("Seed beads");
    if (name == "M2") return QString("4");
    if (name == "N1") return QString();
    if (name == "B1") return QString("[D1]");
    return std::nullopt;
  };
  QCOMPARE(fillReportVariables(text, source, QDateTime(QDate(2026, 3, 14), QTime(15, 9))), expected);
}

void ReportTemplateTest::rejectsBrokenTemplates_data() {
  QTest::addColumn<QByteArray>("json");
  const QByteArray head =
      R"({"page":{"width":779,"height":1008},"margins":{"left":1,"top":1,"right":1,"bottom":1},"textGap":{"left":2,"top":1,"right":2},)";
  QTest::newRow("not JSON") << QByteArray("{page");
  QTest::newRow("no page size") << QByteArray(R"({"objects":[]})");
  QTest::newRow("unknown object") << head + R"("objects":[{"kind":"box"}]})";
  QTest::newRow("text without a place") << head + R"("objects":[{"kind":"text","text":"a"}]})";
  QTest::newRow("bad alignment")
      << head + R"("objects":[{"kind":"text","x":1,"y":1,"width":1,"height":1,"size":8,"align":"middle"}]})";
}

void ReportTemplateTest::rejectsBrokenTemplates() {
  QFETCH(QByteArray, json);
  QVERIFY_THROWS_EXCEPTION(ReportTemplateError, parseReportTemplate(json));
}

QTEST_GUILESS_MAIN(ReportTemplateTest)
#include "tst_report_template.moc"
