#pragma once
// The 逐桩坐标表: the road's points from one station to another, for the
// survey crew. At the first station, at every whole multiple of the step
// after it, at every key point between and at the last, in order along the
// road; at each station the centreline first, then each offset in the
// order given. Stations run through the equations: the stations a 短链
// skips give no row, those a 长链 lays twice give a row at each place.
//
// Notation
//   d   distance along the road
//   s   station; in a link of the chain s = s₀ + (d − d₀)
//   Δ   the step; a whole multiple is s = kΔ for a whole number k

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "road.h"
#include "road_heights.h"

namespace capset {

struct StationTableRequest {
  StationRef from;
  StationRef to;
  double step;
  std::vector<double> offsets;  // right positive; the centreline is always given first
};

struct StationTableRow {
  double distance;
  StationRef station;
  double offset;  // 0 for the centreline row
  bool centreline;
  RoadPoint point;
  // The key point at this station ("ZH1"), or empty.
  std::string key;
  // The finished surface's elevation here, when the table was made with
  // heights (withHeight): nothing where the station lies outside the profile.
  bool withHeight = false;
  std::optional<double> height = std::nullopt;
};

enum class StationTableFault {
  kFromNotPlaced,     // `placement` says why
  kToNotPlaced,
  kStepNotPositive,   // a step of 0, below 0 or not finite
  kToBeforeFrom,      // the last station lies before the first along the road
  kTooManyRows,       // more than kMostTableRows rows
  kOffsetNotFinite,
};

struct StationTableProblem {
  StationTableFault fault;
  Placement placement{PlaceStatus::kPlaced, 0, {}, 0};
};

// A table beyond this is a mistyped step: a 100 km road at 1 m with two
// offsets is 300,000 rows.
constexpr std::size_t kMostTableRows = 1'000'000;

std::variant<std::vector<StationTableRow>, StationTableProblem> MakeStationTable(const Road& road,
                                                                                const StationTableRequest& request);

// Gives every row its elevation from `heights` (made on the same road).
void AddTableHeights(std::vector<StationTableRow>& rows, const RoadHeights& heights);

}  // namespace capset
