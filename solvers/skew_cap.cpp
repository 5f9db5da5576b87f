// Skewed caps, Cmd1 to Cmd4: one algorithm, four rule rows.
//
// The cap axis has one direction for the whole job: it makes the angle B,
// clockwise, with the forward centreline tangent at the design station Kj.
// The centre is placed on the spiral at Kp, and on each road side the edge
// point is found by iterating on the spiral distance of its foot point.
//
// Notation
//   l        spiral distance of the centre: Kp − KZH on the ZH-end spiral,
//            KHZ − Kp on the HZ-end spiral (measured back from HZ)
//   βj       tangent angle at the design station
//   ψ1, ψ2   the axis azimuth (T + s·βj) + B and its opposite ψ1 + 180
//   k        straight-road offset of the foot points from the centre:
//            DR / tan B, or DR / tan(180 − B) with the signs turned for B > 90
//   s        side of the turn seen from the origin along T
//   σ        road side seen along T + s·β: +1 right, −1 left
//
// One sign σ says everything about a road side. T + s·β points along the
// spiral away from its origin: forward on the ZH spiral, backward on the HZ.
// Turned clockwise by B (0 < B < 180), it gives ψ1, which points to the edge
// on the right of that direction, the σ = +1 edge at the tangent azimuth + 90.
// For B < 90 the axis leans away from the origin, so that edge's foot lies at
// l + k, further along; its mismatch is corrected by + (d × L) / ρ. The σ = −1
// edge mirrors all three.

#include <cmath>

#include "cap_solve.h"
#include "edge_iteration.h"
#include "fault.h"
#include "refusals.h"

namespace capset {
namespace {

struct SkewRule {
  double s;
  // The range tests differ from row to row: every solver came with its own.
  // A test on an azimuth that is used only through its cosine and sine moves
  // a point by rounding alone, but that rounding reaches the shown millimetre
  // now and then, and the test on ψ1 decides the mismatch. So each row keeps
  // exactly its own tests.
  Fold firstAxisFold;
  Fold centreChordFold;
  Fold footChordFold;
  EdgeSide inner;  // the side the curve turns to, solved first
  EdgeSide outer;
};

// Cmd1: ZH, curve to the right; the inner side is the right-hand edge.
constexpr SkewRule kCmd1{+1, Fold::kHighThenLow, Fold::kHigh, Fold::kHigh, {+1, Fold::kHigh}, {-1, Fold::kLow}};
// Cmd2: ZH, curve to the left; the inner side is the left-hand edge.
constexpr SkewRule kCmd2{-1, Fold::kHighThenLow, Fold::kLow, Fold::kNone, {-1, Fold::kLow}, {+1, Fold::kLowThenHigh}};
// Cmd3: HZ, curve to the right. Walking from HZ along T the spiral turns
// left; the inner (right-hand) edge lies left of the backward tangent.
constexpr SkewRule kCmd3{-1, Fold::kLow, Fold::kLow, Fold::kNone, {-1, Fold::kHighThenLow}, {+1, Fold::kLowThenHigh}};
// Cmd4: HZ, curve to the left, Cmd3 mirrored.
constexpr SkewRule kCmd4{+1, Fold::kHigh, Fold::kHigh, Fold::kNone, {+1, Fold::kHighThenLow}, {-1, Fold::kLowThenHigh}};

const SkewRule& RuleOf(Solver solver) {
  switch (solver) {
    case Solver::kCmd1: return kCmd1;
    case Solver::kCmd2: return kCmd2;
    case Solver::kCmd3: return kCmd3;
    case Solver::kCmd4:
    case Solver::kCmd5: break;
  }
  return kCmd4;
}

double DistanceOf(SpiralEnd end, double origin, double station) {
  return end == SpiralEnd::kZH ? station - origin : origin - station;
}

double StationOf(SpiralEnd end, double origin, double distance) {
  return end == SpiralEnd::kZH ? origin + distance : origin - distance;
}

}  // namespace

CapSolution SolveSkewedCap(Solver solver, const CapDesign& design, const CapAnswers& answers) {
  const SkewRule& rule = RuleOf(solver);
  const SpiralEnd end = EndOf(solver);
  const double rho = design.DegPerRad;
  const double w = static_cast<double>(answers.DR);

  const double betaJ = TangentAngle(DistanceOf(end, design.origin, design.Kj), design.A1, design.Pi);
  const double axis1 = IntoRange((design.T + rule.s * betaJ) + design.B, rule.firstAxisFold);
  const double axis2 = IntoRange(axis1 + 180, Fold::kHigh);

  const double l = DistanceOf(end, design.origin, answers.Kp);
  const Chord chord = ChordOf(SpiralLocal(l, design.A1, 4), rho);
  const PlanePoint centre = Polar({design.X, design.Y}, chord.length,
                                  IntoRange(design.T + rule.s * chord.deflection, rule.centreChordFold), rho);

  const double k = design.B < 90 ? Quotient(w, std::tan(design.B / rho), FaultPlace::kStartValue)
                                 : Quotient(w, std::tan((180 - design.B) / rho), FaultPlace::kStartValue);

  // The centre's series has formed every power of A1 without a fault.
  const SpiralFrame frame{{design.X, design.Y}, design.T, rule.s, PowersOf(design.A1), rho, design.Pi,
                          rule.footChordFold};
  auto solveSide = [&](const EdgeSide& side) {
    const double leaning = design.B < 90 ? side.sigma : -side.sigma;
    const EdgeSearch search{l + leaning * k, side.sigma > 0 ? axis1 : axis2, centre, l, w,
                            static_cast<double>(answers.Precision), std::fabs(k) + std::fabs(w)};
    EdgeSolution edge{SideStatus::kFootOffSpiral, {0, 0}, search.start, 0, 0, 0};
    if (search.start >= 0) edge = FindEdgePoint(frame, side, search);
    edge.footStation = StationOf(end, design.origin, edge.footDistance);
    return edge;
  };

  CapSolution solution{solver, end, rule.s, design, answers, answers.Kp, l, centre,
                       rule.inner.sigma > 0 ? axis1 : axis2, rule.outer.sigma > 0 ? axis1 : axis2,
                       {}, {}};
  solution.inner = solveSide(rule.inner);
  solution.outer = solveSide(rule.outer);
  return solution;
}

}  // namespace capset
