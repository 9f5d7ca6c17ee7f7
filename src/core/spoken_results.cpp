#include "core/spoken_results.h"

#include <QCoreApplication>
#include <QStringList>

#include "core/text_rules.h"

namespace orvane {

QString spokenResults(const QList<SpokenBox>& boxes, const QString& lead, const QString& missing) {
  QStringList changed, unchanged;
  if (!lead.trimmed().isEmpty()) changed << lead.trimmed();
  for (const SpokenBox& spoken : boxes) {
    const QString text = spoken.box.text.trimmed();
    if (!spoken.box.written || spoken.focused || !spoken.shown || text.isEmpty()) continue;
    const QString caption = spoken.caption.trimmed();
    (spoken.changed ? changed : unchanged) << (caption.isEmpty() ? text : caption + QLatin1Char(' ') + text);
  }
  if (!missing.trimmed().isEmpty())
    //: Spoken after a step that stopped for a missing value; %1 names it ("the hourly rate").
    unchanged << QCoreApplication::translate("SpokenResults", "Enter %1").arg(missing.trimmed());
  return (changed + unchanged).join(QStringLiteral(", "));
}

QString spokenCalculatorKey(CalculatorKey button, bool displayChanged, const QString& display,
                            long double memory) {
  switch (button) {
    case CalculatorKey::MemoryClear:
      return QCoreApplication::translate("SpokenResults", "Memory cleared");
    case CalculatorKey::MemoryStore:
    case CalculatorKey::MemoryAdd:
    case CalculatorKey::MemorySubtract:
      //: The calculator's memory after a memory key; %1 is its value.
      return QCoreApplication::translate("SpokenResults", "Memory %1").arg(formatGeneral(memory));
    case CalculatorKey::Clear:
    case CalculatorKey::MemoryRecall:
      return display.trimmed();
    default:
      return displayChanged ? display.trimmed() : QString();
  }
}

}  // namespace orvane
