#pragma once
// A road: a chain of elements (straights, arcs, clothoids) from a start
// station, point and azimuth, each joining the one before in point and
// tangent, with its stations and the features the drawings name.
//
// Made by the builders of road_build.h; once made it only answers.
//
// Notation
//   d      distance along the road from its start, 0 ≤ d ≤ length()
//   o      offset from the centreline, right positive
//   θ      heading, radians clockwise from north, unwrapped along the road
//   κ      curvature, positive where the road turns right

#include <optional>
#include <vector>

#include "piece_tree.h"
#include "road_piece.h"
#include "road_types.h"
#include "station_chain.h"

namespace capset {

enum class RoadForm { kElements, kIntersections, kJob };

struct RoadElement {
  ElementKind kind;
  double start;   // distance along the road
  double length;
  double startCurvature, endCurvature;  // κ, signed; a radius is 1/|κ|
  int firstPiece, pieceCount;
};

class Road {
 public:
  RoadForm form() const { return form_; }
  double length() const { return length_; }
  const std::vector<RoadElement>& elements() const { return elements_; }
  const std::vector<KeyPoint>& keyPoints() const { return keyPoints_; }
  // One for each JD of a road from intersection points; empty otherwise.
  const std::vector<CurveElements>& curves() const { return curves_; }

  // Stations.
  StationRef StationAt(double distance) const { return chain_.StationAt(distance); }
  Placement Place(StationRef station) const { return chain_.Place(station); }
  double firstStation() const { return chain_.firstStation(); }
  double lastStation() const { return chain_.lastStation(); }
  const StationChain& stations() const { return chain_; }
  // The station equations (断链) the road was made with, in order along it;
  // none for the Start job's road.
  const std::vector<StationEquation>& equations() const { return chain_.equations(); }

  // The point at distance d and offset o, with the centreline's tangent and
  // curvature there; nothing beyond the road's ends (a distance within
  // kDistanceTolerance of an end is that end). A point exactly at a joint
  // belongs to the element that starts there (to the last at the road's end).
  std::optional<RoadPoint> At(double distance, double offset = 0) const;

  // 正算 in one call: the station placed, and its point at the offset when it is placed.
  struct StationPoint {
    Placement placement;
    std::optional<RoadPoint> point;
  };
  StationPoint AtStation(StationRef station, double offset = 0) const;

  // 反算: the nearest foot on the centreline of a point, its distance, station and offset.
  RoadFoot Where(PlanePoint q) const;

  // On the centreline at d (clamped to the road), in the plane's coordinates.
  RoadPose PoseAt(double distance) const;

  // For the solvers that walk the road themselves: the pieces, whose points
  // are relative to origin(), so that no digit of a large grid coordinate
  // is spent on them.
  PlanePoint origin() const { return origin_; }
  const std::vector<RoadPiece>& pieces() const { return pieces_; }
  int PieceAt(double distance) const;  // the piece holding d (the later one at a joint)
  RoadPose LocalPoseAt(double distance) const;  // as PoseAt, relative to origin()
  // The element and curvature at h along a piece. The end of a piece counts
  // as the start of the next, as a point placed at a joint does.
  struct ElementAtFoot {
    int element;
    double curvature;
  };
  ElementAtFoot ElementOn(int piece, double h) const;

 private:
  friend class RoadAssembly;
  RoadForm form_ = RoadForm::kElements;
  PlanePoint origin_{0, 0};
  double length_ = 0;
  std::vector<RoadPiece> pieces_;
  std::vector<double> pieceStarts_;  // pieces_[i].start, for the search by distance
  std::vector<RoadElement> elements_;
  std::vector<KeyPoint> keyPoints_;
  std::vector<CurveElements> curves_;
  StationChain chain_;
  PieceTree tree_;
};

// A distance within this of an end of the road is that end: a station
// typed as the last one, or a sum of element lengths, may have rounded.
constexpr double kDistanceTolerance = 1e-6;

// A point's right normal offset: p + o·n(θ).
PlanePoint OffsetPoint(const RoadPose& pose, double offset);

}  // namespace capset
