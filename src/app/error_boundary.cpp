#include "app/error_boundary.h"

#include "app/desktop_services.h"
#include "sizes/text_rules.h"

namespace orvane {

namespace {
DesktopServices* gServices = nullptr;
}

void SetErrorServices(DesktopServices* services) { gServices = services; }

DesktopServices* ErrorServices() { return gServices; }

void ReportFailure(QWidget* context, const std::exception& failure) {
  if (!gServices) return;
  const QString text = QString::fromStdString(failure.what());
  if (dynamic_cast<const EFractionError*>(&failure)) {
    gServices->ShowMessage(context, MessageIcon::Error, QStringLiteral("Error"), text);
    return;
  }
  gServices->ShowMessage(context, MessageIcon::Error, QStringLiteral("Orvane"), WithFinalDot(text));
}

}  // namespace orvane
