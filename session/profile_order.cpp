// A file's 变坡点 placed on its road by their order (road_file_format.h).

#include <algorithm>
#include <limits>

#include "road_file_format.h"

namespace capset {

ProfileInput PlacedByOrder(ProfileInput input, const Road& road) {
  // A file cannot say which place of a 长链 a station means; the rows run
  // along the road, which often leaves only one. Each row takes its
  // earliest place after the row before and, from the other end, its
  // latest before the row after: every order of places that runs along the
  // road lies between the two, so where they agree the place is certain.
  // Where they differ it stays unsaid, and the profile is refused for it.
  const std::size_t n = input.rows.size();
  std::vector<std::vector<double>> places(n);
  for (std::size_t k = 0; k < n; ++k) {
    const Placement at = road.Place(input.rows[k].station);
    if (at.status == PlaceStatus::kPlaced) places[k] = {at.distance};
    else if (at.status == PlaceStatus::kTwice) places[k] = at.places;
    else return input;  // refused for its own fault
  }
  std::vector<std::size_t> earliest(n), latest(n);
  double before = -std::numeric_limits<double>::infinity();
  for (std::size_t k = 0; k < n; ++k) {
    const auto it = std::upper_bound(places[k].begin(), places[k].end(), before);
    if (it == places[k].end()) return input;  // no order runs along the road
    earliest[k] = static_cast<std::size_t>(it - places[k].begin());
    before = *it;
  }
  double after = std::numeric_limits<double>::infinity();
  for (std::size_t k = n; k-- > 0;) {
    const auto it = std::lower_bound(places[k].begin(), places[k].end(), after);
    if (it == places[k].begin()) return input;
    latest[k] = static_cast<std::size_t>(it - places[k].begin()) - 1;
    after = places[k][latest[k]];
  }
  for (std::size_t k = 0; k < n; ++k) {
    if (places[k].size() > 1 && earliest[k] == latest[k]) input.rows[k].station.occurrence = static_cast<int>(earliest[k]) + 1;
  }
  return input;
}

}  // namespace capset
