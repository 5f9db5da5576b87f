#pragma once
// The edge-point iteration of the skewed caps.
//
// Notation
//   λ      spiral distance of the foot point F (the centreline point whose
//          offset at the half-width w is the edge point E)
//   β      tangent angle at λ; the tangent azimuth there is T + s·β
//   σ      the road side walked: +1 right of the tangent azimuth, −1 left
//   L, a   length and bearing of the vector centre → E
//   θ      target: the cap axis azimuth towards this side's edge
//   d      mismatch a − θ, brought within ±180
// Each round moves the foot along the centreline by the arc σ·(d × L) / ρ
// that the mismatch subtends at the distance L. The correction is not
// Newton-like: its rounds grow as B moves away from 90. Measured on the ZH
// base case (A1 = 100, DR = 7.5, Kp = Kj = 1050), inner/outer rounds at
// precision 1e-4: 7/5 at B = 60, 11/8 at B = 45, 21/14 at B = 30, 19/13 at
// B = 150; at 1e-7 11/8 at B = 60 and 34/22 at B = 30. At B = 15 or 170 the
// inner foot runs away within about 25 rounds.

#include "cap_solution.h"
#include "spiral.h"

namespace capset {

// Rounds per side before the side is given up as not converged.
constexpr int kMaxEdgeRounds = 1000;

// A foot point further from the centre's spiral distance than this many
// straight-road reaches (the start estimate's offset plus the half-width)
// has left any meaning: its series terms are on their way to overflow.
constexpr double kRunAwayReaches = 1000;

// The spiral and its origin, as one solver sees it.
struct SpiralFrame {
  PlanePoint origin;  // ZH or HZ
  double T;           // tangent azimuth at the origin, along the spiral
  double s;           // +1 when the spiral turns right walking along T
  A1Powers A1;
  double rho;
  double Pi;
  Fold footChordFold;  // range tests on a foot point's chord azimuth
};

// One road side as the iteration walks it.
struct EdgeSide {
  double sigma;   // +1: edge at the tangent azimuth + 90 and λ + (d × L) / ρ; −1: − 90 and λ − (d × L) / ρ
  Fold edgeFold;  // range tests on the edge direction
};

struct EdgeSearch {
  double start;           // λ of the first round
  double target;          // θ
  PlanePoint centre;
  double centreDistance;  // spiral distance of the centre
  double w;               // half-width DR, widened from its float
  double precision;       // widened from its float
  double reach;           // straight-road reach, for the run-away test
};

// The side's result; a side that is not solved keeps the values of its last round.
EdgeSolution FindEdgePoint(const SpiralFrame& frame, const EdgeSide& side, const EdgeSearch& search);

}  // namespace capset
