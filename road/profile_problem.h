#pragma once
// Why a profile cannot be made, or a distance has no height, as data: the
// fault, the row that holds it (rows counted from 1 as typed) and the numbers
// a message needs. The text is the caller's.

namespace capset {

enum class ProfileFault {
  kNotFinite,              // a number that is not one; `field` names it
  kOutOfRange,             // a number outside its range (`value`, `limit` the bound it passed)
  kTooFewRows,             // fewer than two 变坡点
  kStationsNotIncreasing,  // a row at or before the row before it (`other`)
  kRadiusNotPositive,      // R < 0, or a circle's R ≤ 0 (`value`)
  kLengthNotPositive,      // a curve by length, or one side of an asymmetric one, ≤ 0 (`field`, `value`)
  kCurveAtEnd,             // the first or last row carries a curve
  kCurvesOverlap,          // this curve overlaps the one at row `other` (`value`: by how much, m)
  kCurvePastEnd,           // this curve reaches past the end row `other` (`value`: by how much, m)
  kGradeTooSteep,          // the grade from row `other` to this row (`value`, rise per metre) beyond `limit`
  kNoGradeChange,          // a parabola by length where both grades agree (`value`: |ω|): it has no radius
  kCircleLengthDisagrees,  // a circle's stated arc length (`value`) against its own (`limit`)
  kBeforeStart,            // a distance before the first row (`value`; `limit` the first distance)
  kAfterEnd,               // a distance after the last row (`value`; `limit` the last distance)
};

enum class ProfileField { kNone, kDistance, kElevation, kRadius, kLength, kLength2 };

struct ProfileProblem {
  ProfileFault fault;
  int row;  // from 1
  ProfileField field = ProfileField::kNone;
  double value = 0;
  double limit = 0;
  int other = 0;  // a second row, from 1, where the fault names one
};

}  // namespace capset
