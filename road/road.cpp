#include "road.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace capset {

PlanePoint OffsetPoint(const RoadPose& pose, double offset) {
  if (offset == 0) return pose.point;
  return {pose.point.X - offset * std::sin(pose.heading), pose.point.Y + offset * std::cos(pose.heading)};
}

int Road::PieceAt(double distance) const {
  const auto it = std::upper_bound(pieceStarts_.begin(), pieceStarts_.end(), distance);
  const int index = static_cast<int>(it - pieceStarts_.begin()) - 1;
  return std::clamp(index, 0, static_cast<int>(pieces_.size()) - 1);
}

RoadPose Road::LocalPoseAt(double distance) const {
  const double d = std::clamp(distance, 0.0, length_);
  const RoadPiece& piece = pieces_[PieceAt(d)];
  return PoseOnPiece(piece, d - piece.start);
}

RoadPose Road::PoseAt(double distance) const {
  RoadPose pose = LocalPoseAt(distance);
  pose.point = {origin_.X + pose.point.X, origin_.Y + pose.point.Y};
  return pose;
}

Road::ElementAtFoot Road::ElementOn(int piece, double h) const {
  const RoadPiece& p = pieces_[piece];
  if (h >= p.length && piece + 1 < static_cast<int>(pieces_.size())) {
    const RoadPiece& next = pieces_[piece + 1];
    return {next.element, next.begin.curvature};
  }
  return {p.element, CurvatureOnPiece(p, h)};
}

std::optional<RoadPoint> Road::At(double distance, double offset) const {
  if (!(distance >= -kDistanceTolerance && distance <= length_ + kDistanceTolerance)) return std::nullopt;
  if (!std::isfinite(offset)) return std::nullopt;
  const int index = PieceAt(distance);
  const RoadPiece& piece = pieces_[index];
  const RoadPose pose = PoseOnPiece(piece, std::clamp(distance, 0.0, length_) - piece.start);
  const PlanePoint local = OffsetPoint(pose, offset);
  return RoadPoint{{origin_.X + local.X, origin_.Y + local.Y}, AzimuthOf(pose.heading), pose.curvature,
                   elements_[piece.element].kind, piece.element};
}

Road::StationPoint Road::AtStation(StationRef station, double offset) const {
  StationPoint result{Place(station), std::nullopt};
  if (result.placement.status == PlaceStatus::kPlaced) result.point = At(result.placement.distance, offset);
  return result;
}

std::string KeyPointName(const KeyPoint& key) {
  const char* name = "";
  switch (key.kind) {
    case KeyPointKind::kBP: return "BP";
    case KeyPointKind::kEP: return "EP";
    case KeyPointKind::kS: return "S";
    case KeyPointKind::kE: return "E";
    case KeyPointKind::kZH: name = "ZH"; break;
    case KeyPointKind::kHY: name = "HY"; break;
    case KeyPointKind::kQZ: name = "QZ"; break;
    case KeyPointKind::kYH: name = "YH"; break;
    case KeyPointKind::kHZ: name = "HZ"; break;
    case KeyPointKind::kZY: name = "ZY"; break;
    case KeyPointKind::kYZ: name = "YZ"; break;
    case KeyPointKind::kJ: name = "J"; break;
  }
  return name + std::to_string(key.number);
}

}  // namespace capset
