#include "station_table.h"

#include <algorithm>
#include <cmath>

namespace capset {
namespace {

// Two stations closer than this along the road are one row: a key point a
// few nanometres from a whole station is that station.
constexpr double kSameStation = 1e-6;

struct Stop {
  double distance;
  std::optional<double> station;  // the value to show when it is known exactly (a whole multiple, a typed end)
  std::string key;
};

// The whole multiples kΔ of one link that lie within [dFrom, dTo] along the
// road. A link holds its stations up to the next equation's point, not at
// it: there the station is the one ahead, as everywhere on the road.
void AddMultiples(const StationChain::Link& link, double linkEnd, bool last, double dFrom, double dTo, double step,
                  std::vector<Stop>& stops) {
  const double a = std::max(link.distance, dFrom), b = std::min(linkEnd, dTo);
  if (a > b) return;
  const bool open = !last && b == linkEnd;
  const double s0 = link.station + (a - link.distance), s1 = link.station + (b - link.distance);
  // Counted in whole numbers from the first multiple, so that a multiple
  // beyond 2^53 (a tiny step at a large station) cannot stall the count;
  // the caller has bounded how many there are.
  const double first = std::ceil(s0 / step);
  for (std::size_t i = 0; i <= kMostTableRows; ++i) {
    const double s = (first + static_cast<double>(i)) * step;
    if (open ? !(s < s1) : !(s <= s1)) break;
    stops.push_back({link.distance + (s - link.station), s, {}});
  }
}

}  // namespace

std::variant<std::vector<StationTableRow>, StationTableProblem> MakeStationTable(const Road& road,
                                                                                const StationTableRequest& request) {
  if (!(request.step > 0) || !std::isfinite(request.step)) return StationTableProblem{StationTableFault::kStepNotPositive};
  for (double o : request.offsets) {
    if (!std::isfinite(o)) return StationTableProblem{StationTableFault::kOffsetNotFinite};
  }
  const Placement from = road.Place(request.from), to = road.Place(request.to);
  if (from.status != PlaceStatus::kPlaced) return StationTableProblem{StationTableFault::kFromNotPlaced, from};
  if (to.status != PlaceStatus::kPlaced) return StationTableProblem{StationTableFault::kToNotPlaced, to};
  if (to.distance < from.distance) return StationTableProblem{StationTableFault::kToBeforeFrom};
  const std::size_t perStation = request.offsets.size() + 1;
  // Counted before any row is made, so a step of a micrometre is refused at once.
  if ((to.distance - from.distance) / request.step * perStation > static_cast<double>(kMostTableRows)) {
    return StationTableProblem{StationTableFault::kTooManyRows};
  }

  std::vector<Stop> stops{{from.distance, request.from.value, {}}};
  const auto& links = road.stations().links();
  for (std::size_t i = 0; i < links.size(); ++i) {
    const double end = i + 1 < links.size() ? links[i + 1].distance : road.length();
    AddMultiples(links[i], end, i + 1 == links.size(), from.distance, to.distance, request.step, stops);
  }
  for (const KeyPoint& key : road.keyPoints()) {
    if (key.distance > from.distance - kSameStation && key.distance < to.distance + kSameStation) {
      stops.push_back({key.distance, std::nullopt, KeyPointName(key)});
    }
  }
  stops.push_back({to.distance, request.to.value, {}});
  std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) { return a.distance < b.distance; });

  // One stop per station: a typed end or a whole multiple keeps its exact
  // value, a key point at the same place gives its name.
  std::vector<Stop> merged;
  for (Stop& stop : stops) {
    if (!merged.empty() && stop.distance - merged.back().distance < kSameStation) {
      if (!merged.back().station) merged.back().station = stop.station;
      if (merged.back().key.empty()) merged.back().key = std::move(stop.key);
      continue;
    }
    merged.push_back(std::move(stop));
  }

  std::vector<StationTableRow> rows;
  rows.reserve(merged.size() * perStation);
  for (const Stop& stop : merged) {
    StationRef station = road.StationAt(stop.distance);
    if (stop.station) station.value = *stop.station;
    const std::optional<RoadPoint> centre = road.At(stop.distance);
    if (!centre) continue;
    rows.push_back({stop.distance, station, 0, true, *centre, stop.key});
    for (double o : request.offsets) {
      rows.push_back({stop.distance, station, o, false, *road.At(stop.distance, o), stop.key});
    }
  }
  return rows;
}

void AddTableHeights(std::vector<StationTableRow>& rows, const RoadHeights& heights) {
  for (StationTableRow& row : rows) {
    row.withHeight = true;
    const auto at = heights.At(row.distance, row.offset);
    const PointHeight* h = std::get_if<PointHeight>(&at);
    row.height = h != nullptr && std::isfinite(h->elevation) ? std::optional(h->elevation) : std::nullopt;
  }
}

}  // namespace capset
