#include "core/bench_size_input.h"

#include <QCoreApplication>
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
  // Whole sentences, so that a language can word each its own way.
  QString message;
  if (value < 0)
    message =
        range.zeroAllowed
            ? QCoreApplication::translate("BenchSizeInput", "'%1' is below zero: %2 must be 0 or more")
            : QCoreApplication::translate("BenchSizeInput", "'%1' is below zero: %2 must be more than 0");
  else if (value == 0 && !range.zeroAllowed)
    message = QCoreApplication::translate("BenchSizeInput", "'%1' is zero: %2 must be more than 0");
  if (!message.isEmpty()) throw ConversionError(message.arg(quoted, range.what).toStdString());
  if (value > 0 && value < range.smallest)
    throw ConversionError(
        QCoreApplication::translate("BenchSizeInput", "'%1' is too small: %2 must be at least %3")
            .arg(quoted, range.what, trimmedFixed(range.smallest, 7))
            .toStdString());
  if (value > range.largest)
    throw ConversionError(
        QCoreApplication::translate("BenchSizeInput", "'%1' is too large: %2 can be at most %3")
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
    //: %1 names a size as a message does ("the diameter"); the box it was typed in takes inches
    const BenchRange inches{QCoreApplication::translate("BenchSizeInput", "%1 in inches").arg(range.what),
                            range.largest / kMmPerInch, range.zeroAllowed, range.smallest / kMmPerInch};
    const long double mm =
        checkedResult(checkInBenchRange(parseInchesExact(text), text, inches) * kMmPerInch);
    shown.mm = benchMmText(mm);
    return mm;
  }
  //: %1 names a size as a message does ("the diameter"); the box it was typed in takes millimetres
  const BenchRange mms{QCoreApplication::translate("BenchSizeInput", "%1 in mm").arg(range.what),
                       range.largest, range.zeroAllowed, range.smallest};
  const long double mm = checkInBenchRange(textToNumber(text), text, mms);
  shown.inch = benchInchText(mm / kMmPerInch);
  return mm;
}

void throwEmptyBenchBox(const QString& what) {
  throw ConversionError(
      QCoreApplication::translate("BenchSizeInput", "Nothing typed for %1: type a number, then press Enter")
          .arg(what)
          .toStdString());
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
