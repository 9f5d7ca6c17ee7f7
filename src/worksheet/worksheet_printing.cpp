#include "worksheet/worksheet_printing.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QPrinter>

#include "core/maker_info.h"
#include "platform/desktop_services.h"
#include "worksheet/report_printer.h"

namespace orvane {

namespace {

// The page's fixed texts as its template writes them, for the translation:
// the template is read at run time, where no translation tool looks.
[[maybe_unused]] constexpr const char* kReportCaptions[] = {
    QT_TRANSLATE_NOOP("WorksheetReport", "Description"),
    //: Printed column heading over two lines, as narrow as "Size" and "MM".
    QT_TRANSLATE_NOOP("WorksheetReport", "Size\nMM"),
    QT_TRANSLATE_NOOP("WorksheetReport", "Size\nInch"),
    QT_TRANSLATE_NOOP("WorksheetReport", "Number\nof Beads"),
    QT_TRANSLATE_NOOP("WorksheetReport", "Beads\nper Inch"),
    QT_TRANSLATE_NOOP("WorksheetReport", "Length\nInches"),
    QT_TRANSLATE_NOOP("WorksheetReport", "Total Length in Inches"),
    //: Printed before the lines left free for handwritten notes.
    QT_TRANSLATE_NOOP("WorksheetReport", "Notes:"),
};

// The page in the program's language: its fixed texts translated, the
// variables left for the values.
ReportTemplate translatedReport(ReportTemplate page) {
  for (ReportText& text : page.Texts)
    if (text.Caption)
      text.Text = QCoreApplication::translate("WorksheetReport", text.Text.toUtf8().constData());
  return page;
}

}  // namespace

WorksheetPrinting::WorksheetPrinting(DesktopServices& services) : services_(services) {}

WorksheetPrinting::~WorksheetPrinting() = default;

const ReportTemplate& WorksheetPrinting::reportTemplate() {
  if (!template_) {
    QFile layout(QStringLiteral(":/report/worksheet.json"));
    template_ = layout.open(QIODevice::ReadOnly) ? parseReportTemplate(layout.readAll()) : ReportTemplate{};
  }
  return *template_;
}

void WorksheetPrinting::print(QWidget* window, const Values& boxValues) {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    applyReportPage(reportTemplate(), *printer_);
  }
  const QString previousPrinter = printer_->printerName();
  if (!services_.setupPrinter(window, *printer_)) return;
  if (printer_->outputFormat() == QPrinter::NativeFormat && printer_->printerName() != previousPrinter &&
      !printer_->isValid()) {
    const QString chosen = printer_->printerName();
    printer_->setPrinterName(previousPrinter);
    services_.showMessage(
        window, MessageIcon::Error, QCoreApplication::translate("WorksheetPrinting", "Error"),
        QCoreApplication::translate("WorksheetPrinting", "The printer \"%1\" cannot be used.").arg(chosen));
    return;
  }
  // The footer names the maker as set up in one place for the whole program.
  const auto values = [&boxValues](const QString& name) -> std::optional<QString> {
    if (std::optional<QString> value = boxValues(name)) return value;
    if (name == QLatin1String("MAKER")) return maker::kMakerName;
    if (name == QLatin1String("WEBSITE")) return maker::kWebSite;
    return std::nullopt;
  };
  const ReportTemplate page =
      prepareReport(translatedReport(reportTemplate()), values, QDateTime::currentDateTime());
  QCoreApplication::processEvents();
  // No printer installed: there is nothing to print on.
  if (printer_->outputFormat() == QPrinter::NativeFormat && printer_->printerName().isEmpty()) return;
  if (!printReport(page, *printer_))
    services_.showMessage(
        window, MessageIcon::Error, QCoreApplication::translate("WorksheetPrinting", "Error"),
        QCoreApplication::translate("WorksheetPrinting", "The worksheet could not be printed."));
}

}  // namespace orvane
