#include "core/spoken_results.h"

#include <QStringList>

#include "core/text_rules.h"

namespace orvane {

QString spokenResults(const QList<SpokenBox>& boxes) {
  QStringList parts;
  for (const SpokenBox& spoken : boxes) {
    const QString text = spoken.box.text.trimmed();
    if (!spoken.box.written || spoken.focused || !spoken.shown || text.isEmpty()) continue;
    const QString caption = spoken.caption.trimmed();
    parts << (caption.isEmpty() ? text : caption + QLatin1Char(' ') + text);
  }
  return parts.join(QStringLiteral(", "));
}

QString spokenCalculatorKey(CalculatorKey button, bool displayChanged, const QString& display,
                            long double memory) {
  switch (button) {
    case CalculatorKey::MemoryClear:
      return QStringLiteral("Memory cleared");
    case CalculatorKey::MemoryStore:
    case CalculatorKey::MemoryAdd:
    case CalculatorKey::MemorySubtract:
      return QStringLiteral("Memory ") + FormatGeneral(memory);
    case CalculatorKey::Clear:
    case CalculatorKey::MemoryRecall:
      return display.trimmed();
    default:
      return displayChanged ? display.trimmed() : QString();
  }
}

}  // namespace orvane
