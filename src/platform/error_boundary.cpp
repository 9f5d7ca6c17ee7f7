#include "platform/error_boundary.h"

#include <QCoreApplication>

#include "core/text_rules.h"
#include "platform/desktop_services.h"

namespace orvane {

namespace {
DesktopServices* gServices = nullptr;
}

void setErrorServices(DesktopServices* services) { gServices = services; }

DesktopServices* errorServices() { return gServices; }

namespace {
// A message quotes the offending text whole; a pasted page of text would make
// a box wider than any screen, so the middle of a very long message is left out.
QString shortened(const QString& text) {
  constexpr qsizetype kKeep = 120;
  if (text.size() <= 2 * kKeep + 20) return text;
  return text.left(kKeep) + QStringLiteral(" \u2026 ") + text.right(kKeep);
}
}  // namespace

void reportFailure(QWidget* context, const std::exception& failure) {
  if (!gServices) return;
  const QString text = shortened(QString::fromStdString(failure.what()));
  if (dynamic_cast<const FractionError*>(&failure)) {
    gServices->showMessage(context, MessageIcon::Error, QCoreApplication::translate("ErrorBoundary", "Error"),
                           text);
    return;
  }
  gServices->showMessage(context, MessageIcon::Error, QStringLiteral("Orvane"), withFinalDot(text));
}

}  // namespace orvane
