#pragma once
// What the road window prints beside the table: the curve elements of each
// JD and the key points, in the drawings' forms, so that they can be read
// against the drawings line by line.

#include <string>
#include <vector>

#include "road.h"

namespace capset {

struct TextTable {
  std::vector<std::string> headers;
  std::vector<std::vector<std::string>> rows;
};

// JD, α (D.MMSS 左/右), R, Ls1, Ls2, T1, T2, L, Ly, E, J; empty rows for a
// road not made from intersection points.
TextTable CurveTable(const Road& road);
// 点, 桩号 (K form), X, Y, 方位角 (D.MMSS).
TextTable KeyPointTable(const Road& road);

}  // namespace capset
