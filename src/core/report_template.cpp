#include "core/report_template.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace orvane {

namespace {

int intOf(const QJsonObject& o, const char* key) {
  const QJsonValue v = o.value(QLatin1String(key));
  if (!v.isDouble())
    throw ReportTemplateError(std::string("report template: missing number \"") + key + "\"");
  return v.toInt();
}

ReportAlign alignOf(const QString& name) {
  if (name.isEmpty() || name == QLatin1String("left")) return ReportAlign::Left;
  if (name == QLatin1String("centre")) return ReportAlign::Centre;
  if (name == QLatin1String("right")) return ReportAlign::Right;
  throw ReportTemplateError("report template: unknown alignment \"" + name.toStdString() + "\"");
}

void addObjects(ReportTemplate& out, const QJsonArray& objects, int dy, const QString& index) {
  for (const QJsonValue& value : objects) {
    const QJsonObject o = value.toObject();
    if (o.contains(QLatin1String("repeat"))) {
      const int count = intOf(o, "repeat");
      const int step = intOf(o, "step");
      for (int i = 0; i < count; ++i)
        addObjects(out, o.value(QLatin1String("objects")).toArray(), dy + i * step, QString::number(i + 1));
    } else if (o.value(QLatin1String("kind")).toString() == QLatin1String("rule")) {
      out.Rules.push_back({intOf(o, "x"), intOf(o, "y") + dy, intOf(o, "width")});
    } else if (o.value(QLatin1String("kind")).toString() == QLatin1String("text")) {
      ReportText t;
      t.X = intOf(o, "x");
      t.Y = intOf(o, "y") + dy;
      t.Width = intOf(o, "width");
      t.Height = intOf(o, "height");
      t.Family = o.value(QLatin1String("font")).toString(QStringLiteral("Arial"));
      t.PointSize = intOf(o, "size");
      t.Bold = o.value(QLatin1String("bold")).toBool();
      t.Align = alignOf(o.value(QLatin1String("align")).toString());
      t.Text = o.value(QLatin1String("text")).toString();
      t.Caption = !t.Text.contains(u'[');
      if (!index.isEmpty()) t.Text.replace(u'#', index);
      out.Texts.push_back(t);
    } else {
      throw ReportTemplateError("report template: object without a known kind");
    }
  }
}

}  // namespace

ReportTemplate parseReportTemplate(const QByteArray& json) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
  if (!doc.isObject()) throw ReportTemplateError("report template: " + error.errorString().toStdString());
  const QJsonObject root = doc.object();
  ReportTemplate t;
  t.UnitsPerInch = root.value(QLatin1String("unitsPerInch")).toDouble(91.6256);
  if (t.UnitsPerInch <= 0) throw ReportTemplateError("report template: bad unitsPerInch");
  t.Paper = root.value(QLatin1String("paper")).toString(QStringLiteral("Letter"));
  t.Portrait = root.value(QLatin1String("orientation")).toString() != QLatin1String("landscape");
  const QJsonObject page = root.value(QLatin1String("page")).toObject();
  t.PageWidth = intOf(page, "width");
  t.PageHeight = intOf(page, "height");
  const QJsonObject margins = root.value(QLatin1String("margins")).toObject();
  t.MarginLeft = intOf(margins, "left");
  t.MarginTop = intOf(margins, "top");
  t.MarginRight = intOf(margins, "right");
  t.MarginBottom = intOf(margins, "bottom");
  const QJsonObject gap = root.value(QLatin1String("textGap")).toObject();
  t.GapLeft = intOf(gap, "left");
  t.GapTop = intOf(gap, "top");
  t.GapRight = intOf(gap, "right");
  addObjects(t, root.value(QLatin1String("objects")).toArray(), 0, QString());
  return t;
}

QString fillReportVariables(const QString& text, const ReportValueSource& source,
                            const QDateTime& preparedAt) {
  QString out;
  qsizetype i = 0;
  while (i < text.size()) {
    const qsizetype open = text.indexOf(u'[', i);
    const qsizetype close = open < 0 ? -1 : text.indexOf(u']', open + 1);
    if (open < 0 || close < 0) {
      out += text.mid(i);
      break;
    }
    out += text.mid(i, open - i);
    const QString name = text.mid(open + 1, close - open - 1);
    std::optional<QString> value = source ? source(name) : std::nullopt;
    if (!value) {
      const QLocale locale = QLocale::system();
      if (name == QLatin1String("DATE"))
        value = locale.toString(preparedAt.date(), QLocale::ShortFormat);
      else if (name == QLatin1String("TIME"))
        value = locale.toString(preparedAt.time(), QLocale::ShortFormat);
    }
    out += value.value_or(QString());
    i = close + 1;
  }
  return out;
}

ReportTemplate prepareReport(const ReportTemplate& layout, const ReportValueSource& source,
                             const QDateTime& preparedAt) {
  ReportTemplate prepared = layout;
  for (ReportText& t : prepared.Texts) t.Text = fillReportVariables(t.Text, source, preparedAt);
  return prepared;
}

}  // namespace orvane
