#pragma once
// The chosen bent's points as the bridge page's table shows them: name,
// X, Y, H, station, offset and the element its foot lies on, numbers with
// the user's decimal separator; a point off the road says where it is
// instead of a station; a bent without points says why.

#include <array>
#include <string>
#include <vector>

#include "bridge.h"
#include "bridge_solve.h"

namespace capset {

enum class PointColumn { kName, kX, kY, kH, kStation, kOffset, kElement };
inline constexpr int kPointColumns = 7;
const char* PointColumnHeading(PointColumn column);

struct BentPointsTable {
  std::vector<std::array<std::string, kPointColumns>> rows;
  // Why the bent has no points, or the sides it could not reach: one a line.
  std::vector<std::string> notices;
};

// `bent` is the bridge's bent the solution is of.
BentPointsTable MakeBentPointsTable(const std::string& bridge, const Bent& bent, const BentSolution& solution,
                                    const Road& road, const std::string& sep);

}  // namespace capset
