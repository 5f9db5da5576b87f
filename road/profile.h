#pragma once
// The road's profile (纵断面): rows of 变坡点 (PVI) with grade lines between
// them and a vertical curve at each inner row; the elevation and grade at
// any distance along the road, and each curve's elements as drawings print
// them. Distances are along the road: turning printed stations into
// distances, through the station equations, is the caller's.
//
// Grades are rise per metre (0.05 is 5 %), positive uphill towards larger
// distances; ω = i2 − i1, a crest when below 0.

#include <optional>
#include <vector>

#include "profile_problem.h"
#include "vertical_curve.h"

namespace capset {

// Distances and elevations lie within ±kProfileCoordinateLimit; radii and
// curve lengths within [kProfileMinCurve, kProfileMaxCurve]; grades within
// ±kProfileGradeLimit, beyond which a curve measured along the horizontal
// no longer describes a road.
constexpr double kProfileCoordinateLimit = 1e8;
constexpr double kProfileMinCurve = 1e-3;
constexpr double kProfileMaxCurve = 1e6;
constexpr double kProfileGradeLimit = 1;
// Two curves that overlap by less than this touch; a distance this close
// outside an end is that end (a distance is often a sum of stations).
constexpr double kProfileTouchTolerance = 1e-6;
// Grades closer than this (rise per metre) do not change: a parabola by
// length between them has no radius worth the name (R = L/|ω| would run to
// infinity).
constexpr double kProfileNoGradeChange = 1e-12;
// A circle's stated arc length may differ from its own by this much.
constexpr double kCircleLengthTolerance = 1e-3;

struct PviRow {
  double distance;
  double elevation;
  VerticalCurveKind curve = VerticalCurveKind::kNone;
  double radius = 0;   // kRadius, kCircle
  double length = 0;   // kLength: L; kAsymmetric: L1; kCircle: a stated arc length to check (0: none)
  double length2 = 0;  // kAsymmetric: L2
};

struct ProfilePlace {
  double distance;
  double elevation;
};

// A curve's elements as printed. A crest's turning point is its high point,
// a sag's its low point; it is given when it lies strictly inside the curve.
struct VerticalCurveElements {
  int row;  // the PVI's row, from 1
  VerticalCurveKind kind;
  ProfilePlace pvi;
  double grade1, grade2, omega;
  bool crest;                     // ω < 0
  std::optional<double> radius;   // none for an asymmetric curve
  double length;                  // horizontal, L1 + L2
  double length1, length2;
  std::optional<double> tangent;  // T: L/2, a circle's R·tan(Δ/2); none for an asymmetric curve
  double external;                // E: the vertical distance from the PVI to the curve
  double arcLength;               // a circle's R·Δ; a parabola's horizontal L
  ProfilePlace bvc, evc;
  std::optional<ProfilePlace> turningPoint;
};

struct ProfileHeight {
  double elevation;
  double grade;
};

struct ProfileAnswer {
  std::optional<ProfileHeight> height;
  std::optional<ProfileProblem> problem;  // kBeforeStart or kAfterEnd
};

struct ProfileBuild;

class Profile {
 public:
  static ProfileBuild Build(const std::vector<PviRow>& rows);

  ProfileAnswer At(double distance) const;
  // One entry per row with a curve, in order (a kRadius row with R 0 has none).
  std::vector<VerticalCurveElements> Curves() const;

  double startDistance() const { return pvis_.front().distance; }
  double endDistance() const { return pvis_.back().distance; }
  const std::vector<PviRow>& rows() const { return pvis_; }

 private:
  ProfileHeight OnGrade(std::size_t segment, double distance) const;

  std::vector<PviRow> pvis_;
  std::vector<double> distances_;                     // the rows' distances alone: a search stays in cache
  std::vector<double> grades_;                        // grades_[k]: from row k to row k + 1
  std::vector<std::optional<VerticalCurve>> curves_;  // one per row
};

struct ProfileBuild {
  std::optional<Profile> profile;
  std::optional<ProfileProblem> problem;
};

}  // namespace capset
