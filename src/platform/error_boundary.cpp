#include "platform/error_boundary.h"

#include "core/text_rules.h"
#include "platform/desktop_services.h"

namespace orvane {

namespace {
DesktopServices* gServices = nullptr;
}

void SetErrorServices(DesktopServices* services) { gServices = services; }

DesktopServices* ErrorServices() { return gServices; }

namespace {
// A message quotes the offending text whole; a pasted page of text would make
// a box wider than any screen, so the middle of a very long message is left out.
QString Shortened(const QString& text) {
  constexpr qsizetype kKeep = 120;
  if (text.size() <= 2 * kKeep + 20) return text;
  return text.left(kKeep) + QStringLiteral(" \u2026 ") + text.right(kKeep);
}
}  // namespace

void ReportFailure(QWidget* context, const std::exception& failure) {
  if (!gServices) return;
  const QString text = Shortened(QString::fromStdString(failure.what()));
  if (dynamic_cast<const FractionError*>(&failure)) {
    gServices->ShowMessage(context, MessageIcon::Error, QStringLiteral("Error"), text);
    return;
  }
  gServices->ShowMessage(context, MessageIcon::Error, QStringLiteral("Orvane"), WithFinalDot(text));
}

}  // namespace orvane
