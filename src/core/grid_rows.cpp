#include "core/grid_rows.h"

#include <algorithm>
#include <array>

namespace orvane {

namespace {
constexpr std::array<int, 6> kPearl{4, 3, 6, 6, 4, 4};
constexpr std::array<int, 5> kStone{3, 5, 5, 6, 6};
constexpr std::array<int, 5> kRingN{5, 6, 6, 5, 5};
constexpr std::array<int, 6> kRingInt{5, 3, 3, 3, 4, 2};
constexpr std::array<int, 3> kWire{11, 9, 8};
constexpr std::array<int, 4> kJump{8, 4, 6, 4};
}  // namespace

std::span<const int> gridPrefixes(GridKind kind) {
  switch (kind) {
    case GridKind::Pearl:
      return kPearl;
    case GridKind::Stone:
      return kStone;
    case GridKind::RingN:
      return kRingN;
    case GridKind::RingInt:
      return kRingInt;
    case GridKind::Wire:
      return kWire;
    case GridKind::Jump:
      return kJump;
  }
  return {};
}

QString gridCellText(int prefix, const QString& value) {
  if (prefix <= 0) return value;
  // Built in one piece: every chart cell passes through here at start-up.
  QString text(prefix + value.size(), Qt::Uninitialized);
  QChar* out = text.data();
  std::fill_n(out, prefix, QChar(u' '));
  std::copy(value.cbegin(), value.cend(), out + prefix);
  return text;
}

}  // namespace orvane
