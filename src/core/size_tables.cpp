#include "core/size_tables.h"

#include <QCoreApplication>
#include <cmath>
#include <utility>
#include <vector>

namespace orvane {

int thousandths(const char* mm) {
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

int sizeLookupKey(long double mm) {
  const long double k = std::nearbyint(mm * 1000.0L + 0.5L);
  // Far outside every table: any key beyond the last entry gives no answer.
  if (!(k < 1e9L)) return 1000000000;
  if (k < -1e9L) return -1000000000;
  return static_cast<int>(k);
}

namespace {

// Everything an answer can be, built once from a table: every conversion
// scans the bounds, and handing out a prebuilt text costs no allocation.
struct Answers {
  std::vector<std::pair<int, int>> bounds;  // millimetres in thousandths
  std::vector<QString> inside;              // the entry's name
  std::vector<QString> atHigh;              // its name and the next one's
};

template <typename Table, typename Name>
Answers answersOf(const Table& table, Name name) {
  Answers a;
  for (const auto& e : table) {
    a.bounds.emplace_back(thousandths(e.MmLow), thousandths(e.MmHigh));
    a.inside.push_back(name(e));
  }
  for (size_t i = 0; i < a.inside.size(); ++i)
    a.atHigh.push_back(i + 1 < a.inside.size() ? a.inside[i] + QStringLiteral(" - ") + a.inside[i + 1]
                                               : a.inside[i]);
  return a;
}

// The answer rule shared by both tables: inside a range its name, on a shared
// boundary both names joined by " - ", at the outer ends the end entry.
QString answer(int key, const Answers& a) {
  if (a.bounds.empty()) return {};
  if (key == a.bounds[0].first) return a.inside[0];
  for (size_t i = 0; i < a.bounds.size(); ++i) {
    if (a.bounds[i].first < key && key < a.bounds[i].second) return a.inside[i];
    if (key == a.bounds[i].second) return a.atHigh[i];
  }
  return {};
}

}  // namespace

QString pearlAnswer(int key) {
  static const Answers answers =
      answersOf(PearlPlateTable, [](const PearlPlateEntry& e) { return QString::number(e.PP); });
  return answer(key, answers);
}

QString stoneAnswer(int key) {
  static const Answers answers =
      answersOf(StoneSizeTable, [](const StoneSizeEntry& e) { return QString::fromLatin1(e.SS); });
  return answer(key, answers);
}

QString pearlNumbersForStone(const QString& ss) {
  QStringList numbers;
  for (const auto& e : PearlPlateTable)
    if (ss == QLatin1String(e.SS)) numbers << QString::number(e.PP);
  return numbers.join(QStringLiteral(", "));
}

QStringList pearlBoxItems() {
  //: Pearl plate, the abbreviation before each number of the list.
  const QString pp = QCoreApplication::translate("SizeTables", "PP");
  QStringList items{QStringLiteral("  ")};
  for (const auto& e : PearlPlateTable) {
    if (e.PP <= 2)
      items << QStringLiteral("%1    %2 ").arg(pp).arg(e.PP);
    else if (e.PP <= 9)
      items << QStringLiteral("%1    %2").arg(pp).arg(e.PP);
    else
      items << QStringLiteral("%1  %2").arg(pp).arg(e.PP);
  }
  return items;
}

QStringList stoneBoxItems() {
  //: Stone size, the abbreviation before each number of the list.
  const QString ss = QCoreApplication::translate("SizeTables", "SS");
  QStringList items{QString()};
  for (const auto& e : StoneSizeTable) {
    const QString size = QLatin1String(e.SS);
    // Blanks line the numbers up in the list's proportional font.
    QString blanks = QStringLiteral("    ");
    if (size == QLatin1String("000") || size == QLatin1String("00"))
      blanks = size.size() == 3 ? QStringLiteral("  ") : QStringLiteral("   ");
    else if (size.size() == 3)
      blanks = QStringLiteral(" ");
    else if (size.size() == 2)
      blanks = QStringLiteral("  ");
    items << ss + blanks + size;
  }
  return items;
}

QStringList pearlGridValues(int row) {
  const auto& e = PearlPlateTable.at(row);
  return {QStringLiteral("%1").arg(e.PP, 2),
          QStringLiteral("%1").arg(QLatin1String(e.SS), 3),
          QLatin1String(e.MmLow),
          QLatin1String(e.MmHigh),
          QLatin1String(e.InchLow),
          QLatin1String(e.InchHigh)};
}

QStringList stoneGridValues(int row) {
  const auto& e = StoneSizeTable.at(row);
  return {QStringLiteral("%1").arg(QLatin1String(e.SS), 3),
          QStringLiteral("%1").arg(QLatin1String(e.MmLow), 6),
          QStringLiteral("%1").arg(QLatin1String(e.MmHigh), 6), QLatin1String(e.InchLow),
          QLatin1String(e.InchHigh)};
}

}  // namespace orvane
