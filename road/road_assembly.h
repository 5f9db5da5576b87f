#pragma once
// The builders' common tail: elements appended one after another, cut into
// pieces, then the road finished with its stations, key points and search
// tree. Internal to the road library.

#include <vector>

#include "road.h"

namespace capset {

// Poses and points given to and got from an assembly are relative to its
// origin; Finish() places the key points in the plane.
class RoadAssembly {
 public:
  RoadAssembly(RoadForm form, PlanePoint origin, RoadPose start);
  PlanePoint Local(PlanePoint p) const { return {p.X - road_.origin_.X, p.Y - road_.origin_.Y}; }

  // Appends an element of start curvature κ0, rate c and length L > 0 at
  // the chain's end, or at `anchor` (whose heading is taken within π of the
  // chain's, so headings run on unwrapped).
  void Append(ElementKind kind, double k0, double c, double length, const RoadPose* anchor = nullptr);

  // Room for so many elements and key points, so a long table is not copied as it grows.
  void Reserve(int elements, int keyPoints);

  RoadPose end() const { return end_; }
  double length() const { return length_; }
  int elementCount() const { return static_cast<int>(road_.elements_.size()); }
  // A pose on what is appended so far.
  RoadPose PoseAt(double distance) const;

  // Key points in order along the road, with their poses as laid.
  void AddKeyPoint(KeyPointKind kind, int number, double distance, const RoadPose& pose);
  void AddKeyPointHere(KeyPointKind kind, int number) { AddKeyPoint(kind, number, length_, end_); }
  void AddCurve(const CurveElements& curve) { road_.curves_.push_back(curve); }
  void ReserveCurves(int count) { road_.curves_.reserve(count); }

  // The caller has checked the equations against length().
  Road Finish(double startStation, const std::vector<StationEquation>& equations);

 private:
  Road road_;
  RoadPose end_;
  double length_ = 0;
};

}  // namespace capset
