#pragma once

#include "core/report_template.h"

class QPrinter;

namespace orvane {

// Sets the template's paper, orientation and margins on a printer, and makes
// the painter's origin the sheet's top-left corner.
void applyReportPage(const ReportTemplate& page, QPrinter& printer);

// Paints a prepared page on the printer. False when the printer could not be
// started.
bool printReport(const ReportTemplate& page, QPrinter& printer);

}  // namespace orvane
