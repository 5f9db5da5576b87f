#include "station_chain.h"

#include "road_ranges.h"

#include <algorithm>
#include <cmath>

namespace capset {

std::optional<RoadProblem> StationChain::Check(double startStation, const std::vector<StationEquation>& equations,
                                               double length) {
  double linkDistance = 0, linkStation = startStation;
  for (std::size_t i = 0; i < equations.size(); ++i) {
    const int index = static_cast<int>(i) + 1;
    const StationEquation& e = equations[i];
    if (auto p = CheckRange(e.back, kCoordinateRange, RoadPart::kEquation, index, RoadField::kBack)) return p;
    if (auto p = CheckRange(e.ahead, kCoordinateRange, RoadPart::kEquation, index, RoadField::kAhead)) return p;
    // An equation must lie after the start of its link: at the same point as
    // the one before it, the two would be one equation.
    if (!(e.back > linkStation))
      return RoadProblem{RoadFault::kEquationOrder, RoadPart::kEquation, index, RoadField::kBack, e.back, linkStation};
    const double at = linkDistance + (e.back - linkStation);
    if (!(at < length))
      return RoadProblem{RoadFault::kEquationBeyondEnd, RoadPart::kEquation, index, RoadField::kBack, e.back,
                         linkStation + (length - linkDistance)};
    linkDistance = at;
    linkStation = e.ahead;
  }
  return std::nullopt;
}

StationChain::StationChain(double startStation, const std::vector<StationEquation>& equations, double length)
    : links_(), equations_(equations), length_(length) {
  links_.reserve(equations.size() + 1);
  links_.push_back({0, startStation, 0});
  for (const StationEquation& e : equations) {
    Link& last = links_.back();
    last.endStation = e.back;
    links_.push_back({last.distance + (e.back - last.station), e.ahead, 0});
  }
  links_.back().endStation = links_.back().station + (length - links_.back().distance);
}

StationRef StationChain::StationAt(double distance) const {
  std::size_t k = links_.size() - 1;
  while (k > 0 && distance < links_[k].distance) --k;
  const double value = links_[k].station + (distance - links_[k].distance);
  if (links_.size() == 1) return {value, 0};
  const std::vector<double> places = PlacesOf(value);
  if (places.size() < 2) return {value, 0};
  // Which of them this is: the nearest place (they differ by whole links).
  int occurrence = 1;
  double nearest = std::fabs(places[0] - distance);
  for (std::size_t i = 1; i < places.size(); ++i) {
    if (std::fabs(places[i] - distance) < nearest) {
      nearest = std::fabs(places[i] - distance);
      occurrence = static_cast<int>(i) + 1;
    }
  }
  return {value, occurrence};
}

std::vector<double> StationChain::PlacesOf(double value) const {
  std::vector<double> places;
  for (std::size_t i = 0; i < links_.size(); ++i) {
    const Link& link = links_[i];
    double low = link.station, high = link.endStation;
    if (i == 0) low -= kStationEndTolerance;
    if (i + 1 == links_.size()) high += kStationEndTolerance;
    if (value < low || value > high) continue;
    double d = link.distance + (value - link.station);
    if (d < 0) d = 0;
    if (d > length_) d = length_;
    // back = ahead puts the same place at the end of one link and the start of the next.
    if (places.empty() || places.back() != d) places.push_back(d);
  }
  return places;
}

Placement StationChain::Place(StationRef station) const {
  // Without equations a station is its distance from the start: no list of places.
  if (links_.size() == 1 && (station.occurrence == 0 || station.occurrence == 1)) {
    const double d = station.value - links_[0].station;
    if (d < -kStationEndTolerance) return {PlaceStatus::kBeforeStart, 0, {}, 0};
    if (d > length_ + kStationEndTolerance) return {PlaceStatus::kAfterEnd, 0, {}, 0};
    return {PlaceStatus::kPlaced, std::clamp(d, 0.0, length_), {}, 0};
  }
  std::vector<double> places = PlacesOf(station.value);
  if (places.empty()) {
    if (station.value < links_.front().station) return {PlaceStatus::kBeforeStart, 0, {}, 0};
    for (std::size_t i = 1; i < links_.size(); ++i) {
      const double back = links_[i - 1].endStation, ahead = links_[i].station;
      if (back < station.value && station.value < ahead) return {PlaceStatus::kInGap, 0, {}, static_cast<int>(i)};
    }
    return {PlaceStatus::kAfterEnd, 0, {}, 0};
  }
  const int count = static_cast<int>(places.size());
  if (station.occurrence == 0) {
    if (count == 1) return {PlaceStatus::kPlaced, places[0], {}, 0};
    // The equation whose overlap holds the value: the first link that ends
    // above where the next one starts, around the value.
    int equation = 0;
    for (std::size_t i = 1; i < links_.size() && equation == 0; ++i) {
      if (links_[i].station <= station.value && station.value <= links_[i - 1].endStation) equation = static_cast<int>(i);
    }
    return {PlaceStatus::kTwice, 0, std::move(places), equation};
  }
  if (station.occurrence < 1 || station.occurrence > count) return {PlaceStatus::kNoSuchOccurrence, 0, std::move(places), 0};
  return {PlaceStatus::kPlaced, places[station.occurrence - 1], {}, 0};
}

}  // namespace capset
