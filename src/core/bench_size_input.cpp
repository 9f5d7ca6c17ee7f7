#include "core/bench_size_input.h"

#include <cmath>

#include "core/inch_text.h"
#include "core/text_rules.h"

namespace orvane {

namespace {

QString trimmedFixed(long double value, int decimals) {
  QString text = formatFixed(checkedResult(value), 15, decimals);
  if (text.contains(u'.') && !text.contains(u'E')) {
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
  }
  return text;
}

}  // namespace

long double checkInBenchRange(long double value, const QString& text, const BenchRange& range) {
  const QString quoted = quotedText(text);
  if (value < 0 || (value == 0 && !range.zeroAllowed))
    throw ConversionError(
        QStringLiteral("'%1' is %2: %3 must be %4")
            .arg(quoted, value < 0 ? QStringLiteral("below zero") : QStringLiteral("zero"), range.what,
                 range.zeroAllowed ? QStringLiteral("0 or more") : QStringLiteral("more than 0"))
            .toStdString());
  if (value > 0 && value < range.smallest)
    throw ConversionError(QStringLiteral("'%1' is too small: %2 must be at least %3")
                              .arg(quoted, range.what, trimmedFixed(range.smallest, 7))
                              .toStdString());
  if (value > range.largest)
    throw ConversionError(QStringLiteral("'%1' is too large: %2 can be at most %3")
                              .arg(quoted, range.what, trimmedFixed(range.largest, 5))
                              .toStdString());
  return value;
}

std::optional<long double> readBenchNumber(const QString& box, const BenchRange& range) {
  const QString text = trimBlanks(box);
  if (text.isEmpty()) return std::nullopt;
  return checkInBenchRange(textToNumber(text), text, range);
}

std::optional<long double> readBenchSize(const BenchSize& typed, BenchSize& shown, const BenchRange& range) {
  shown = typed;
  const bool fromInch = typed.source == BenchUnit::Inch;
  const QString text = trimBlanks(fromInch ? typed.inch : typed.mm);
  if (text.isEmpty()) {
    (fromInch ? shown.mm : shown.inch).clear();
    return std::nullopt;
  }
  if (fromInch) {
    const BenchRange inches{range.what + QStringLiteral(" in inches"), range.largest / kMmPerInch,
                            range.zeroAllowed, range.smallest / kMmPerInch};
    const long double mm =
        checkedResult(checkInBenchRange(parseInchesExact(text), text, inches) * kMmPerInch);
    shown.mm = benchMmText(mm);
    return mm;
  }
  const BenchRange mms{range.what + QStringLiteral(" in mm"), range.largest, range.zeroAllowed,
                       range.smallest};
  const long double mm = checkInBenchRange(textToNumber(text), text, mms);
  shown.inch = benchInchText(mm / kMmPerInch);
  return mm;
}

void throwEmptyBenchBox(const QString& what) {
  throw ConversionError(
      QStringLiteral("Nothing typed for %1: type a number, then press Enter").arg(what).toStdString());
}

QString benchMmText(long double mm) { return trimmedFixed(mm, 6); }

QString benchInchText(long double inches) { return trimmedFixed(inches, 5); }

QString benchFixed(long double value, int decimals) {
  return formatFixed(checkedResult(value), 15, decimals);
}

QString benchReadable(long double value, int decimals) {
  // Two significant digits show once the value, so scaled, rounds to 10 or more.
  constexpr int kMostDecimals = 18;
  long double scaled = std::fabs(checkedResult(value));
  for (int i = 0; i < decimals; ++i) scaled *= 10;
  while (scaled != 0 && scaled < 9.5L && decimals < kMostDecimals) {
    scaled *= 10;
    ++decimals;
  }
  return formatFixed(value, 18, decimals);
}

}  // namespace orvane
