#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace orvane {

// A one-page report template: texts and horizontal rules placed on the sheet
// in template units (1/91.6256 inch from the sheet's top-left corner). Texts
// may hold variables written "[NAME]".
enum class ReportAlign { Left, Centre, Right };

struct ReportText {
  int X = 0, Y = 0, Width = 0, Height = 0;
  QString Family;
  int PointSize = 10;
  bool Bold = false;
  ReportAlign Align = ReportAlign::Left;
  QString Text;
  // A fixed text of the page (a heading, a label), as opposed to one that
  // shows variables: it is translated, and made smaller where a longer
  // translation would not fit its box.
  bool Caption = false;
};

struct ReportRule {
  int X = 0, Y = 0, Width = 0;
};

struct ReportTemplate {
  double UnitsPerInch = 91.6256;
  QString Paper;  // "Letter"
  bool Portrait = true;
  int PageWidth = 0, PageHeight = 0;
  int MarginLeft = 0, MarginTop = 0, MarginRight = 0, MarginBottom = 0;
  // Inner gap of every text box.
  int GapLeft = 0, GapTop = 0, GapRight = 0;
  std::vector<ReportText> Texts;
  std::vector<ReportRule> Rules;
};

struct ReportTemplateError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Reads a template written as JSON; throws ReportTemplateError when it is not one.
// A {"repeat": n, "step": dy, "objects": [...]} group places its objects n
// times, dy units further down each time, with "#" in their texts standing
// for 1..n.
ReportTemplate parseReportTemplate(const QByteArray& json);

// Gives the value of a variable, or nothing to let the engine decide.
using ReportValueSource = std::function<std::optional<QString>(const QString& name)>;

// Replaces every "[NAME]" by its value: the source's first, else the engine's
// own DATE and TIME (the system's short formats), else empty text.
QString fillReportVariables(const QString& text, const ReportValueSource& source,
                            const QDateTime& preparedAt);

// The template with every variable replaced: what goes on paper.
ReportTemplate prepareReport(const ReportTemplate& layout, const ReportValueSource& source,
                             const QDateTime& preparedAt);

}  // namespace orvane
