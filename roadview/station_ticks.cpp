#include "station_ticks.h"

#include <algorithm>
#include <cmath>

namespace capset {

std::vector<StationTick> StationTicks(const Road& road, double spacing) {
  std::vector<StationTick> ticks;
  const double first = std::ceil(road.firstStation() / spacing - 1e-9) * spacing;
  // A 长链 may carry the stations above the last one before it ends.
  double highest = road.lastStation();
  for (const KeyPoint& k : road.keyPoints()) highest = std::max(highest, k.station.value);
  for (double v = first; v <= highest + 1e-9; v += spacing) {
    const Placement at = road.Place({v});
    if (at.status == PlaceStatus::kPlaced) ticks.push_back({at.distance, v});
    else if (at.status == PlaceStatus::kTwice) {
      for (const double d : at.places) ticks.push_back({d, v});
    }
  }
  std::sort(ticks.begin(), ticks.end(), [](const StationTick& a, const StationTick& b) { return a.distance < b.distance; });
  return ticks;
}

}  // namespace capset
