#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace orvane {

struct PearlPlateEntry {
  int PP;
  const char* SS;
  const char* MmLow;
  const char* MmHigh;
  const char* InchLow;
  const char* InchHigh;
};

struct StoneSizeEntry {
  const char* SS;
  const char* MmLow;
  const char* MmHigh;
  const char* InchLow;
  const char* InchHigh;
};

extern const std::array<PearlPlateEntry, 37> PearlPlateTable;
extern const std::array<StoneSizeEntry, 103> StoneSizeTable;

// A millimetre text of the tables in thousandths ("2.85" -> 2850).
int thousandths(const char* mm);

// Lookup key in thousandths of a millimetre: x * 1000 + 0.5 rounded with ties
// to even, so a fractional thousandth goes up and an odd whole one too.
int sizeLookupKey(long double mm);
QString pearlAnswer(int key);  // "16 - 17", "17", "" ...
QString stoneAnswer(int key);  // "7 - 8", "000", "" ...

// PP numbers whose stone size is `ss`, in table order, joined by ", ".
QString pearlNumbersForStone(const QString& ss);

// Items of the designation drop-down lists; item 0 is the blank entry and
// item k is table entry k.
QStringList pearlBoxItems();
QStringList stoneBoxItems();

// Value texts of one row of the Pearl Plate and Stone Size charts (without
// the column prefixes, which the grid row writer adds).
QStringList pearlGridValues(int row);
QStringList stoneGridValues(int row);

}  // namespace orvane
