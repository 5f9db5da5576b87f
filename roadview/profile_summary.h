#pragma once
// The 竖曲线要素 table as drawings print it: per vertical curve the PVI's
// station and elevation, i1 and i2, ω with 凸形 or 凹形 in words, R, L, T,
// E, the curve's start and end with their stations and elevations, and the
// high or low point when it lies inside the curve. Stations through the
// road's station equations (as plain distances without a road).

#include <string>

#include "profile.h"
#include "road.h"
#include "road_summary.h"

namespace capset {

// A distance along the road as its station prints: K5+030.000 (K1+390.000(2) in a 长链).
std::string DistanceStationText(double distance, const Road* road);

// The headings alone without a profile.
TextTable VerticalCurveTable(const Profile* profile, const Road* road);

}  // namespace capset
