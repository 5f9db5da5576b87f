// A road from its elements (线元法).
//
// Notation
//   κ0, κ1   signed curvature at an element's start and end: side/R, 0 for
//            a straight end; side +1 for a right turn
//   c        (κ1 − κ0)/L, formed from the radii as side·(R1 − R2)/(R1·R2·L)
//            so that two close radii keep their digits

#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>

#include "angles.h"
#include "road_assembly.h"
#include "road_build.h"
#include "road_ranges.h"

namespace capset {
namespace {

struct Curvatures {
  double k0, c;
};

Curvatures CurvaturesOf(const ElementInput& e) {
  const double side = e.turn == TurnSide::kRight ? 1 : -1;
  switch (e.kind) {
    case ElementKind::kLine: return {0, 0};
    case ElementKind::kArc: return {side / e.R1, 0};
    case ElementKind::kSpiral: break;
  }
  if (std::isinf(e.R1)) return {0, side / (e.R2 * e.length)};
  if (std::isinf(e.R2)) return {side / e.R1, -side / (e.R1 * e.length)};
  return {side / e.R1, side * (e.R1 - e.R2) / (e.R1 * e.R2 * e.length)};
}

std::optional<RoadProblem> CheckRadius(double R, RoadField field, bool mayBeStraight, int index) {
  const bool straightEnd = mayBeStraight && R == kNoRadius;
  if (std::isnan(R) || (std::isinf(R) && !straightEnd))
    return RoadProblem{RoadFault::kNotFinite, RoadPart::kElement, index, field, R};
  if (!(R > 0)) return RoadProblem{RoadFault::kRadiusNotPositive, RoadPart::kElement, index, field, R};
  if (straightEnd) return std::nullopt;
  return CheckRange(R, kRadiusRange, RoadPart::kElement, index, field);
}

std::optional<RoadProblem> CheckElement(const ElementInput& e, int index) {
  if (!std::isfinite(e.length)) return RoadProblem{RoadFault::kNotFinite, RoadPart::kElement, index, RoadField::kLength, e.length};
  if (e.length < 0) return RoadProblem{RoadFault::kLengthNegative, RoadPart::kElement, index, RoadField::kLength, e.length};
  const NumberRange& lengths = e.kind == ElementKind::kSpiral ? kLengthRange : kLineLengthRange;
  if (auto p = CheckRange(e.length, lengths, RoadPart::kElement, index, RoadField::kLength)) return p;
  for (const auto& [stated, fx, fy] : {std::tuple{e.statedStart, RoadField::kStartX, RoadField::kStartY},
                                       std::tuple{e.statedEnd, RoadField::kEndX, RoadField::kEndY}}) {
    if (!stated) continue;
    if (auto p = CheckRange(stated->X, kCoordinateRange, RoadPart::kElement, index, fx)) return p;
    if (auto p = CheckRange(stated->Y, kCoordinateRange, RoadPart::kElement, index, fy)) return p;
  }
  if (e.kind == ElementKind::kArc) return CheckRadius(e.R1, RoadField::kR1, false, index);
  if (e.kind == ElementKind::kSpiral) {
    if (auto p = CheckRadius(e.R1, RoadField::kR1, true, index)) return p;
    if (auto p = CheckRadius(e.R2, RoadField::kR2, true, index)) return p;
    if (e.R1 == e.R2) return RoadProblem{RoadFault::kSameRadii, RoadPart::kElement, index, RoadField::kR2, e.R2, e.R1};
  }
  return std::nullopt;
}

std::optional<RoadProblem> CheckJoint(const RoadAssembly& assembly, std::optional<PlanePoint> stated, RoadField field,
                                      int index) {
  if (!stated) return std::nullopt;
  const PlanePoint s = assembly.Local(*stated), chained = assembly.end().point;
  const double gap = std::hypot(s.X - chained.X, s.Y - chained.Y);
  if (gap > kJointTolerance) return RoadProblem{RoadFault::kJointGap, RoadPart::kElement, index, field, gap, kJointTolerance};
  return std::nullopt;
}

}  // namespace

RoadBuild RoadFromElements(const ElementRoadInput& in) {
  auto refuse = [](RoadProblem p) { return RoadBuild{std::nullopt, p}; };
  for (const auto& [value, field, range] :
       {std::tuple{in.station, RoadField::kStation, kCoordinateRange}, std::tuple{in.start.X, RoadField::kX, kCoordinateRange},
        std::tuple{in.start.Y, RoadField::kY, kCoordinateRange}, std::tuple{in.azimuth, RoadField::kAzimuth, kAzimuthRange}}) {
    if (auto p = CheckRange(value, range, RoadPart::kBegin, 0, field)) return refuse(*p);
  }
  RoadAssembly assembly(RoadForm::kElements, in.start, {{0, 0}, ToRadians(in.azimuth), 0});
  const int count = static_cast<int>(in.elements.size());
  assembly.Reserve(count, count + 1);  // S, a J between each two, E
  assembly.AddKeyPointHere(KeyPointKind::kS, 0);
  for (std::size_t i = 0; i < in.elements.size(); ++i) {
    const ElementInput& e = in.elements[i];
    const int index = static_cast<int>(i) + 1;
    if (auto p = CheckElement(e, index)) return refuse(*p);
    if (auto p = CheckJoint(assembly, e.statedStart, RoadField::kStartX, index)) return refuse(*p);
    // A zero-length element adds nothing; a file may hold one between two others.
    if (e.length == 0) {
      if (auto p = CheckJoint(assembly, e.statedEnd, RoadField::kEndX, index)) return refuse(*p);
      continue;
    }
    const Curvatures k = CurvaturesOf(e);
    const double turn = std::fabs(e.length * (k.k0 + k.c * e.length / 2));
    if (turn >= 2 * std::numbers::pi)
      return refuse({RoadFault::kFullTurn, RoadPart::kElement, index, RoadField::kLength, ToDegrees(turn), 360});
    if (assembly.elementCount() > 0) assembly.AddKeyPointHere(KeyPointKind::kJ, assembly.elementCount());
    assembly.Append(e.kind, k.k0, k.c, e.length);
    if (auto p = CheckJoint(assembly, e.statedEnd, RoadField::kEndX, index)) return refuse(*p);
  }
  if (assembly.elementCount() == 0) return refuse({RoadFault::kNoElements, RoadPart::kBegin, 0});
  if (auto p = StationChain::Check(in.station, in.equations, assembly.length())) return refuse(*p);
  assembly.AddKeyPointHere(KeyPointKind::kE, 0);
  return {assembly.Finish(in.station, in.equations), std::nullopt};
}

}  // namespace capset
