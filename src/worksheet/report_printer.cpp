#include "worksheet/report_printer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "widgets/look.h"

namespace orvane {

namespace {

Qt::Alignment alignmentOf(ReportAlign align) {
  switch (align) {
    case ReportAlign::Left:
      return Qt::AlignLeft;
    case ReportAlign::Centre:
      return Qt::AlignHCenter;
    case ReportAlign::Right:
      return Qt::AlignRight;
  }
  return Qt::AlignLeft;
}

// The font a fixed text is printed in: its own size, or smaller where a
// line of it (a translation, most often) is wider than its box, so that no
// heading is cut.
QFont fittedFont(QFont font, const QString& text, double width, QPaintDevice* device) {
  for (int tries = 0; tries < 8; ++tries) {
    const QFontMetricsF metrics(font, device);
    double widest = 0;
    for (const QString& line : text.split(u'\n')) widest = std::max(widest, metrics.horizontalAdvance(line));
    if (widest <= width || font.pointSizeF() <= 4) break;
    font.setPointSizeF(std::max(4.0, font.pointSizeF() * width / widest - 0.25));
  }
  return font;
}

}  // namespace

void applyReportPage(const ReportTemplate& page, QPrinter& printer) {
  const QPageSize size = page.Paper.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0
                             ? QPageSize(QPageSize::A4)
                             : QPageSize(QPageSize::Letter);
  const double pointsPerUnit = 72.0 / page.UnitsPerInch;
  const QMarginsF margins(page.MarginLeft * pointsPerUnit, page.MarginTop * pointsPerUnit,
                          page.MarginRight * pointsPerUnit, page.MarginBottom * pointsPerUnit);
  printer.setPageLayout(QPageLayout(size, page.Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                                    margins, QPageLayout::Point));
  printer.setFullPage(true);
}

bool printReport(const ReportTemplate& page, QPrinter& printer) {
  printer.setFullPage(true);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const double s = printer.resolution() / page.UnitsPerInch;  // device pixels per template unit

  painter.setPen(QPen(Qt::black, s));
  for (const ReportRule& rule : page.Rules)
    painter.drawLine(QPointF(rule.X * s, rule.Y * s), QPointF((rule.X + rule.Width) * s, rule.Y * s));

  painter.setPen(Qt::black);
  for (const ReportText& text : page.Texts) {
    if (text.Text.isEmpty()) continue;
    QFont font = makeFont(text.Family, 10, text.Bold);
    font.setPointSize(text.PointSize);
    const QRectF box(text.X * s, text.Y * s, text.Width * s, text.Height * s);
    const QRectF inner = box.adjusted(page.GapLeft * s, page.GapTop * s, -page.GapRight * s, 0);
    if (text.Caption) font = fittedFont(font, text.Text, inner.width(), painter.device());
    painter.setFont(font);
    painter.save();
    painter.setClipRect(box);
    painter.drawText(inner, alignmentOf(text.Align) | Qt::AlignTop | Qt::TextWordWrap, text.Text);
    painter.restore();
  }
  return painter.end();
}

}  // namespace orvane
