#pragma once
// Stations along the road, through its station equations (断链).
//
// The road's distance runs on continuously; its stations run in links. The
// first link starts at distance 0 with the start station; each equation
// ends a link where its station reaches `back` and starts the next at
// `ahead`. A 短链 (back < ahead) leaves a gap of stations that do not
// exist; a 长链 (back > ahead) makes the stations between exist twice.

#include <optional>
#include <vector>

#include "road_problem.h"
#include "road_types.h"

namespace capset {

// A station typed as the road's first or last within this much is that
// end: the last station is a sum and may have rounded by an ulp or so.
constexpr double kStationEndTolerance = 1e-6;

class StationChain {
 public:
  // The equations in order along the road. A refusal names the equation.
  static std::optional<RoadProblem> Check(double startStation, const std::vector<StationEquation>& equations,
                                          double length);
  StationChain() = default;
  // The caller has checked the equations.
  StationChain(double startStation, const std::vector<StationEquation>& equations, double length);

  // The station at a distance; occurrence 0 where its value exists once.
  // At an equation's point the station is the one ahead.
  StationRef StationAt(double distance) const;
  Placement Place(StationRef station) const;

  double firstStation() const { return links_.front().station; }
  double lastStation() const { return links_.back().station + (length_ - links_.back().distance); }

  struct Link {
    double distance;    // where the link starts
    double station;     // its first station
    double endStation;  // its last: the next equation's back, or the road's last station
  };
  // The runs of stations between the equations, in order along the road.
  const std::vector<Link>& links() const { return links_; }
  // The equations the chain was made with, in order along the road.
  const std::vector<StationEquation>& equations() const { return equations_; }

 private:
  // Every distance where `value` exists, in order along the road.
  std::vector<double> PlacesOf(double value) const;
  std::vector<Link> links_;
  std::vector<StationEquation> equations_;
  double length_ = 0;
};

}  // namespace capset
