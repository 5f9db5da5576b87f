#pragma once
// The numbers of one cap, as a solver computes them: no prompt, no text, no
// box. The window, a results table and an export are all views of this.
//
// Notation
//   l      spiral distance of the cap centre from the origin (ZH or HZ)
//   λ      spiral distance of a foot point (the centreline point whose
//          offset at the half-width DR is the edge point)
//   ψ      cap axis azimuth from the centre towards an edge, degrees
//   s      side of the turn seen from the origin along T: +1 to the right

#include <cstdint>

#include "spiral.h"

namespace capset {

// The five solvers. Cmd1 and Cmd2: skewed cap on the ZH-end spiral, curve to
// the right and to the left; Cmd3 and Cmd4: the same on the HZ-end spiral;
// Cmd5: square cap on the ZH-end spiral.
enum class Solver { kCmd1, kCmd2, kCmd3, kCmd4, kCmd5 };

enum class SpiralEnd { kZH, kHZ };

// What a solver reads of the job: one spiral end and the design cap.
struct CapDesign {
  double origin;  // station of the spiral end the solver measures from: KZH or KHZ
  double X, Y;    // that point
  double T;       // tangent azimuth there towards the intersection point, decimal degrees
  double R;       // radius of the circular curve; no formula reads it
  double A1;      // spiral parameter, A1² = R·Ls
  double B;       // cap axis angle, decimal degrees (not read by the square cap)
  double Kj;      // design station: its tangent fixes the axis direction
  double DegPerRad;
  double Pi;
  int16_t P;  // deflection sign; only the square cap reads it (the others are chosen by it)

  bool operator==(const CapDesign&) const = default;
};

// The three answers a solver asks for. DR and Precision are 32-bit floats:
// a typed value enters the geometry with about 7 significant digits, and the
// shown results are those of the stored value, widened on each use.
struct CapAnswers {
  double Kp;  // station of the cap centre (not asked by the square cap, which works at Kj)
  float DR;
  float Precision;
};

enum class SideStatus {
  kSolved,
  kFootOffSpiral,  // the start value lies before ZH or after HZ
  kBoundReached,   // the rounds ran out before the precision was met
  kRanAway,        // the foot point moved off without bound
};

// One road-bed edge.
struct EdgeSolution {
  SideStatus status;
  PlanePoint point;     // the edge point E (of the last round when iterated)
  double footDistance;  // λ, as corrected after the last round
  double footStation;   // the station of that foot point
  double length;        // cap length L from the centre to E
  int rounds;           // 0 for the square cap's closed form
};

struct CapSolution {
  Solver solver;
  SpiralEnd end;
  double s;  // side of the turn seen from the origin along T
  CapDesign design;
  CapAnswers answers;
  double centreStation;   // Kp, or Kj for the square cap
  double centreDistance;  // l
  PlanePoint centre;
  double innerAxis;  // ψ towards the inner edge (the side the curve turns to)
  double outerAxis;  // ψ towards the outer edge
  EdgeSolution inner;
  EdgeSolution outer;
};

}  // namespace capset
