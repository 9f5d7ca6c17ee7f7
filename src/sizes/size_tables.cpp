#include "sizes/size_tables.h"

#include <cmath>
#include <utility>
#include <vector>

namespace orvane {

int Thousandths(const char* mm) {
  int whole = 0, frac = 0, scale = 1000;
  const char* p = mm;
  while (*p == ' ') ++p;
  for (; *p >= '0' && *p <= '9'; ++p) whole = whole * 10 + (*p - '0');
  if (*p == '.')
    for (++p; *p >= '0' && *p <= '9' && scale > 1; ++p) {
      scale /= 10;
      frac += (*p - '0') * scale;
    }
  return whole * 1000 + frac;
}

int SizeLookupKey(long double mm) {
  const long double k = std::nearbyint(mm * 1000.0L + 0.5L);
  // Far outside every table: any key beyond the last entry gives no answer.
  if (!(k < 1e9L)) return 1000000000;
  if (k < -1e9L) return -1000000000;
  return static_cast<int>(k);
}

namespace {

// The answer rule shared by both tables: inside a range its name, on a shared
// boundary both names joined by " - ", at the outer ends the end entry.
template <typename Low, typename High, typename Name>
QString Answer(int key, int count, Low low, High high, Name name) {
  if (count == 0) return {};
  if (key == low(0)) return name(0);
  for (int i = 0; i < count; ++i) {
    if (low(i) < key && key < high(i)) return name(i);
    if (key == high(i)) {
      if (i + 1 < count) return name(i) + QStringLiteral(" - ") + name(i + 1);
      return name(i);
    }
  }
  return {};
}

}  // namespace

// The tables' millimetre bounds in thousandths, read once: every conversion
// scans them.
template <typename Table>
std::vector<std::pair<int, int>> BoundsOf(const Table& table) {
  std::vector<std::pair<int, int>> bounds;
  bounds.reserve(table.size());
  for (const auto& e : table) bounds.emplace_back(Thousandths(e.MmLow), Thousandths(e.MmHigh));
  return bounds;
}

QString PearlAnswer(int key) {
  static const auto bounds = BoundsOf(PearlPlateTable);
  return Answer(
      key, int(PearlPlateTable.size()), [](int i) { return bounds[i].first; },
      [](int i) { return bounds[i].second; }, [](int i) { return QString::number(PearlPlateTable[i].PP); });
}

QString StoneAnswer(int key) {
  static const auto bounds = BoundsOf(StoneSizeTable);
  return Answer(
      key, int(StoneSizeTable.size()), [](int i) { return bounds[i].first; },
      [](int i) { return bounds[i].second; }, [](int i) { return QString::fromLatin1(StoneSizeTable[i].SS); });
}

QString PearlNumbersForStone(const QString& ss) {
  QStringList numbers;
  for (const auto& e : PearlPlateTable)
    if (ss == QLatin1String(e.SS)) numbers << QString::number(e.PP);
  return numbers.join(QStringLiteral(", "));
}

QStringList PearlBoxItems() {
  QStringList items{QStringLiteral("  ")};
  for (const auto& e : PearlPlateTable) {
    if (e.PP <= 2)
      items << QStringLiteral("PP    %1 ").arg(e.PP);
    else if (e.PP <= 9)
      items << QStringLiteral("PP    %1").arg(e.PP);
    else
      items << QStringLiteral("PP  %1").arg(e.PP);
  }
  return items;
}

QStringList StoneBoxItems() {
  QStringList items{QString()};
  for (const auto& e : StoneSizeTable) {
    const QString ss = QLatin1String(e.SS);
    if (ss.size() == 3)
      items << (ss == QLatin1String("000") ? QStringLiteral("SS  000") : QStringLiteral("SS ") + ss);
    else if (ss.size() == 2)
      items << (ss == QLatin1String("00") ? QStringLiteral("SS   00") : QStringLiteral("SS  ") + ss);
    else
      items << QStringLiteral("SS    ") + ss;
  }
  return items;
}

QStringList PearlGridValues(int row) {
  const auto& e = PearlPlateTable.at(row);
  return {QStringLiteral("%1").arg(e.PP, 2), QStringLiteral("%1").arg(QLatin1String(e.SS), 3),
          QLatin1String(e.MmLow), QLatin1String(e.MmHigh), QLatin1String(e.InchLow),
          QLatin1String(e.InchHigh)};
}

QStringList StoneGridValues(int row) {
  const auto& e = StoneSizeTable.at(row);
  return {QStringLiteral("%1").arg(QLatin1String(e.SS), 3), QStringLiteral("%1").arg(QLatin1String(e.MmLow), 6),
          QStringLiteral("%1").arg(QLatin1String(e.MmHigh), 6), QLatin1String(e.InchLow),
          QLatin1String(e.InchHigh)};
}

}  // namespace orvane
