#pragma once

#include <QString>
#include <span>

namespace orvane {

// The reference grids, each with the space prefix of its columns that makes
// the values line up in the grid's proportional font.
enum class GridKind { Pearl, Stone, RingN, RingInt, Wire, Jump };

std::span<const int> gridPrefixes(GridKind kind);

// A cell's text: the prefix spaces, then the value unchanged; an empty value
// leaves a cell of spaces only.
QString gridCellText(int prefix, const QString& value);

}  // namespace orvane
