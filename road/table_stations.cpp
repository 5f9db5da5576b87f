#include "table_stations.h"

namespace capset {

std::variant<double, Placement> TableDistance(const Road& road, StationRef station) {
  const Placement placement = road.Place(station);
  // Beyond an end a station exists once: a second place is none.
  const bool once = station.occurrence <= 1;
  if (placement.status == PlaceStatus::kBeforeStart && once) return station.value - road.firstStation();
  if (placement.status == PlaceStatus::kAfterEnd && once) return road.length() + (station.value - road.lastStation());
  if (placement.status != PlaceStatus::kPlaced) return placement;
  return placement.distance;
}

}  // namespace capset
