#include "road_assembly.h"

#include <algorithm>
#include <cmath>

namespace capset {

RoadAssembly::RoadAssembly(RoadForm form, PlanePoint origin, RoadPose start) : end_(start) {
  road_.form_ = form;
  road_.origin_ = origin;
}

void RoadAssembly::Reserve(int elements, int keyPoints) {
  road_.elements_.reserve(elements);
  // Most elements are one piece; a sharp arc is a few.
  road_.pieces_.reserve(2 * elements);
  road_.pieceStarts_.reserve(2 * elements);
  road_.keyPoints_.reserve(keyPoints);
}

void RoadAssembly::Append(ElementKind kind, double k0, double c, double length, const RoadPose* anchor) {
  RoadPose pose = anchor ? *anchor : end_;
  pose.heading = HeadingNear(pose.heading, end_.heading);
  pose.curvature = k0;
  const double largest = std::max(std::fabs(k0), std::fabs(k0 + c * length));
  const int count = std::max(1, static_cast<int>(std::ceil(largest * length / kPieceSwing)));
  const double step = length / count;
  const int element = static_cast<int>(road_.elements_.size());
  road_.elements_.push_back({kind, length_, length, k0, k0 + c * length, static_cast<int>(road_.pieces_.size()), count});
  for (int i = 0; i < count; ++i) {
    const double h = i + 1 == count ? length - i * step : step;
    RoadPiece& piece = road_.pieces_.emplace_back(
        RoadPiece{length_ + i * step, h, pose, pose.point, c, std::cos(pose.heading), std::sin(pose.heading), element});
    road_.pieceStarts_.push_back(piece.start);
    pose = PoseOnPiece(piece, h);
    piece.end = pose.point;
  }
  end_ = pose;
  length_ += length;
  road_.length_ = length_;
}

RoadPose RoadAssembly::PoseAt(double distance) const { return road_.LocalPoseAt(distance); }

void RoadAssembly::AddKeyPoint(KeyPointKind kind, int number, double distance, const RoadPose& pose) {
  // The point stays relative to the origin until Finish.
  road_.keyPoints_.push_back({kind, number, distance, {0, 0}, pose.point, AzimuthOf(pose.heading)});
}

Road RoadAssembly::Finish(double startStation, const std::vector<StationEquation>& equations) {
  Road& r = road_;
  r.chain_ = StationChain(startStation, equations, length_);
  r.tree_ = PieceTree(r.pieces_);
  for (KeyPoint& key : r.keyPoints_) {
    key.station = r.StationAt(key.distance);
    key.point = {r.origin_.X + key.point.X, r.origin_.Y + key.point.Y};
  }
  for (CurveElements& curve : r.curves_) curve.jdStation = r.StationAt(curve.zhDistance).value + curve.T1;
  return std::move(road_);
}

}  // namespace capset
