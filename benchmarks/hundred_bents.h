#pragma once
// A bridge of 100 bents 30 m apart from K11+000 on the road of 20 JDs
// (bench::JdTable(20)), each skewed at 70° to its own tangent with both
// edges and the template "pier" of 27 points (a pile grid of 2 × 6, the
// pile cap's corners, three columns and eight bearings): 30 points a bent.

#include <string>

#include "bridge.h"

namespace capset::bench {

inline SubstructureTemplate Pier() {
  using Kind = TemplateItem::Kind;
  TemplateItem piles{Kind::kGrid, "Z", 0, 0, 2, 6, 2.8, 3.2};
  TemplateItem cap{Kind::kCorners, "T"};
  cap.length = 17;
  cap.width = 5.6;
  TemplateItem bearings{Kind::kGrid, "S", 0, 0, 2, 4, 3.1, 1.2};
  bearings.depth = 0.25;
  return {"pier",
          {piles, cap, {Kind::kPoint, "C1", -5, 0}, {Kind::kPoint, "C2", 0, 0}, {Kind::kPoint, "C3", 5, 0}, bearings}};
}

inline capset::Bridge HundredBents() {
  capset::Bridge bridge{"B", {}};
  for (int i = 0; i < 100; ++i) {
    Bent bent;
    bent.name = std::to_string(i);
    bent.station = {11000.0 + 30 * i};
    bent.B = 70;
    bent.left = 6.5;
    bent.right = 8;
    bent.depth = 1.9;
    bent.templateName = "pier";
    bridge.bents.push_back(bent);
  }
  return bridge;
}

}  // namespace capset::bench
