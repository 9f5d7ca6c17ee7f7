#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/report_template.h"

class QPrinter;
class QWidget;

namespace orvane {

class DesktopServices;

// Print: the printer dialog, then the worksheet's page filled in with the
// values of its boxes. The printer is kept between prints, so the dialog
// offers the last choice again.
class WorksheetPrinting {
 public:
  // The value of a report variable, or nothing for names not the window's.
  using Values = std::function<std::optional<QString>(const QString& name)>;

  explicit WorksheetPrinting(DesktopServices& services);
  ~WorksheetPrinting();
  WorksheetPrinting(const WorksheetPrinting&) = delete;
  WorksheetPrinting& operator=(const WorksheetPrinting&) = delete;

  void print(QWidget* window, const Values& values);

 private:
  // The printed page's layout, read from its resource when first printed:
  // nothing at start-up needs it.
  const ReportTemplate& reportTemplate();

  DesktopServices& services_;
  std::optional<ReportTemplate> template_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace orvane
