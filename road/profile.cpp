#include "profile.h"

#include <algorithm>
#include <cmath>

namespace capset {
namespace {

bool HasCurve(const PviRow& row) {
  return row.curve != VerticalCurveKind::kNone && !(row.curve == VerticalCurveKind::kRadius && row.radius == 0);
}

ProfileProblem Problem(ProfileFault fault, int row, ProfileField field = ProfileField::kNone, double value = 0,
                       double limit = 0, int other = 0) {
  return {fault, row, field, value, limit, other};
}

// The numbers of one row on their own: finite, and each within its range.
std::optional<ProfileProblem> CheckNumbers(const PviRow& r, int row) {
  const struct {
    ProfileField field;
    double value;
  } numbers[] = {{ProfileField::kDistance, r.distance},
                 {ProfileField::kElevation, r.elevation},
                 {ProfileField::kRadius, r.radius},
                 {ProfileField::kLength, r.length},
                 {ProfileField::kLength2, r.length2}};
  for (const auto& n : numbers)
    if (!std::isfinite(n.value)) return Problem(ProfileFault::kNotFinite, row, n.field);
  for (const auto& n : numbers) {
    if (n.field != ProfileField::kDistance && n.field != ProfileField::kElevation) break;
    if (std::fabs(n.value) > kProfileCoordinateLimit)
      return Problem(ProfileFault::kOutOfRange, row, n.field, n.value, std::copysign(kProfileCoordinateLimit, n.value));
  }
  const auto curveRange = [&](ProfileField field, double v) -> std::optional<ProfileProblem> {
    if (v < kProfileMinCurve) return Problem(ProfileFault::kOutOfRange, row, field, v, kProfileMinCurve);
    if (v > kProfileMaxCurve) return Problem(ProfileFault::kOutOfRange, row, field, v, kProfileMaxCurve);
    return std::nullopt;
  };
  switch (r.curve) {
    case VerticalCurveKind::kNone:
      return std::nullopt;
    case VerticalCurveKind::kRadius:
      if (r.radius < 0) return Problem(ProfileFault::kRadiusNotPositive, row, ProfileField::kRadius, r.radius);
      return r.radius == 0 ? std::nullopt : curveRange(ProfileField::kRadius, r.radius);
    case VerticalCurveKind::kCircle:
      if (r.radius <= 0) return Problem(ProfileFault::kRadiusNotPositive, row, ProfileField::kRadius, r.radius);
      if (r.length < 0) return Problem(ProfileFault::kLengthNotPositive, row, ProfileField::kLength, r.length);
      if (r.length > 0)
        if (auto p = curveRange(ProfileField::kLength, r.length)) return p;
      return curveRange(ProfileField::kRadius, r.radius);
    case VerticalCurveKind::kAsymmetric:
      if (r.length2 <= 0) return Problem(ProfileFault::kLengthNotPositive, row, ProfileField::kLength2, r.length2);
      if (auto p = curveRange(ProfileField::kLength2, r.length2)) return p;
      [[fallthrough]];
    case VerticalCurveKind::kLength:
      if (r.length <= 0) return Problem(ProfileFault::kLengthNotPositive, row, ProfileField::kLength, r.length);
      return curveRange(ProfileField::kLength, r.length);
  }
  return std::nullopt;
}

}  // namespace

ProfileBuild Profile::Build(const std::vector<PviRow>& rows) {
  const int n = static_cast<int>(rows.size());
  for (int k = 0; k < n; ++k)
    if (auto p = CheckNumbers(rows[k], k + 1)) return {std::nullopt, p};
  if (n < 2) return {std::nullopt, Problem(ProfileFault::kTooFewRows, n)};
  for (int k = 1; k < n; ++k)
    if (rows[k].distance <= rows[k - 1].distance)
      return {std::nullopt, Problem(ProfileFault::kStationsNotIncreasing, k + 1, ProfileField::kDistance,
                                    rows[k].distance, rows[k - 1].distance, k)};
  if (HasCurve(rows.front())) return {std::nullopt, Problem(ProfileFault::kCurveAtEnd, 1)};
  if (HasCurve(rows.back())) return {std::nullopt, Problem(ProfileFault::kCurveAtEnd, n)};

  Profile p;
  p.pvis_ = rows;
  for (const PviRow& r : rows) p.distances_.push_back(r.distance);
  for (int k = 0; k + 1 < n; ++k) {
    const double i = (rows[k + 1].elevation - rows[k].elevation) / (rows[k + 1].distance - rows[k].distance);
    if (!(std::fabs(i) <= kProfileGradeLimit))
      return {std::nullopt, Problem(ProfileFault::kGradeTooSteep, k + 2, ProfileField::kNone, i,
                                    std::copysign(kProfileGradeLimit, i), k + 1)};
    p.grades_.push_back(i);
  }

  p.curves_.assign(n, std::nullopt);
  for (int k = 1; k + 1 < n; ++k) {
    const PviRow& r = rows[k];
    if (!HasCurve(r)) continue;
    const double i1 = p.grades_[k - 1], i2 = p.grades_[k], omega = std::fabs(i2 - i1);
    VerticalCurve c;
    switch (r.curve) {
      case VerticalCurveKind::kRadius:
        c = VerticalCurve::Parabola(r.distance, r.elevation, i1, i2, r.radius * omega / 2, r.radius * omega / 2);
        c.radius = r.radius;
        break;
      case VerticalCurveKind::kLength:
        if (omega < kProfileNoGradeChange)
          return {std::nullopt, Problem(ProfileFault::kNoGradeChange, k + 1, ProfileField::kLength, omega)};
        c = VerticalCurve::Parabola(r.distance, r.elevation, i1, i2, r.length / 2, r.length / 2);
        c.radius = r.length / omega;
        break;
      case VerticalCurveKind::kAsymmetric:
        c = VerticalCurve::Parabola(r.distance, r.elevation, i1, i2, r.length, r.length2);
        break;
      case VerticalCurveKind::kCircle: {
        c = VerticalCurve::Circle(r.distance, r.elevation, i1, i2, r.radius);
        const double arc = CircleArcLength(i1, i2, r.radius);
        if (r.length > 0 && std::fabs(arc - r.length) > kCircleLengthTolerance)
          return {std::nullopt,
                  Problem(ProfileFault::kCircleLengthDisagrees, k + 1, ProfileField::kLength, r.length, arc)};
        break;
      }
      case VerticalCurveKind::kNone:
        break;
    }
    c.kind = r.curve;
    // The curve must start after whatever ends at the row before: its curve,
    // or the row itself (a grade break or the profile's start).
    const int before = k - 1;
    const double limit = p.curves_[before] ? p.curves_[before]->evcDistance() : rows[before].distance;
    if (c.bvcDistance() < limit - kProfileTouchTolerance) {
      const ProfileFault fault = before == 0 ? ProfileFault::kCurvePastEnd : ProfileFault::kCurvesOverlap;
      return {std::nullopt, Problem(fault, k + 1, ProfileField::kNone, limit - c.bvcDistance(), 0, before + 1)};
    }
    // Ahead, a row without a curve bounds it; a curve there checks itself.
    const int after = k + 1;
    if (!HasCurve(rows[after]) && c.evcDistance() > rows[after].distance + kProfileTouchTolerance) {
      const ProfileFault fault = after == n - 1 ? ProfileFault::kCurvePastEnd : ProfileFault::kCurvesOverlap;
      return {std::nullopt,
              Problem(fault, k + 1, ProfileField::kNone, c.evcDistance() - rows[after].distance, 0, after + 1)};
    }
    p.curves_[k] = c;
  }
  return {std::move(p), std::nullopt};
}

ProfileHeight Profile::OnGrade(std::size_t segment, double d) const {
  const PviRow& a = pvis_[segment];
  return {a.elevation + grades_[segment] * (d - a.distance), grades_[segment]};
}

ProfileAnswer Profile::At(double d) const {
  if (!std::isfinite(d)) return {std::nullopt, Problem(ProfileFault::kNotFinite, 0, ProfileField::kDistance)};
  if (d < startDistance() - kProfileTouchTolerance)
    return {std::nullopt, Problem(ProfileFault::kBeforeStart, 1, ProfileField::kDistance, d, startDistance())};
  if (d > endDistance() + kProfileTouchTolerance)
    return {std::nullopt, Problem(ProfileFault::kAfterEnd, static_cast<int>(pvis_.size()), ProfileField::kDistance, d,
                                  endDistance())};
  d = std::clamp(d, startDistance(), endDistance());
  const auto above = std::upper_bound(distances_.begin(), distances_.end(), d);
  const std::size_t k = std::min<std::size_t>(
      static_cast<std::size_t>(std::max<std::ptrdiff_t>(above - distances_.begin() - 1, 0)), distances_.size() - 2);
  if (const auto& c = curves_[k]; c && d <= c->evcDistance()) return {{{c->Elevation(d), c->Grade(d)}}, std::nullopt};
  if (const auto& c = curves_[k + 1]; c && d >= c->bvcDistance())
    return {{{c->Elevation(d), c->Grade(d)}}, std::nullopt};
  return {OnGrade(k, d), std::nullopt};
}

std::vector<VerticalCurveElements> Profile::Curves() const {
  std::vector<VerticalCurveElements> out;
  for (std::size_t k = 0; k < curves_.size(); ++k) {
    if (!curves_[k]) continue;
    const VerticalCurve& c = *curves_[k];
    VerticalCurveElements e{};
    e.row = static_cast<int>(k) + 1;
    e.kind = c.kind;
    e.pvi = {c.pviDistance, c.pviElevation};
    e.grade1 = c.grade1;
    e.grade2 = c.grade2;
    e.omega = c.grade2 - c.grade1;
    e.crest = e.omega < 0;
    e.length1 = c.length1;
    e.length2 = c.length2;
    e.length = c.length1 + c.length2;
    e.arcLength = e.length;
    if (c.kind == VerticalCurveKind::kCircle) {
      e.radius = c.radius;
      e.tangent = CircleTangent(c.grade1, c.grade2, c.radius);
      e.arcLength = CircleArcLength(c.grade1, c.grade2, c.radius);
    } else if (c.kind != VerticalCurveKind::kAsymmetric) {
      e.radius = c.radius;
      e.tangent = e.length / 2;
    }
    e.external = std::fabs(c.pviElevation - c.Elevation(c.pviDistance));
    e.bvc = {c.bvcDistance(), c.pviElevation - c.grade1 * c.length1};
    e.evc = {c.evcDistance(), c.pviElevation + c.grade2 * c.length2};
    // The one place where the grade is 0, if it lies strictly inside.
    std::optional<double> turn;
    if (c.kind == VerticalCurveKind::kCircle) {
      turn = c.bvcDistance() - c.ub;
    } else {
      if (c.k1 != 0) {
        const double d = c.bvcDistance() - c.grade1 / (2 * c.k1);
        if (d > c.bvcDistance() && d <= c.pviDistance) turn = d;
      }
      if (!turn && c.k2 != 0) {
        const double d = c.evcDistance() - c.grade2 / (2 * c.k2);
        if (d > c.pviDistance) turn = d;
      }
    }
    if (turn && *turn > c.bvcDistance() && *turn < c.evcDistance()) e.turningPoint = {{*turn, c.Elevation(*turn)}};
    out.push_back(e);
  }
  return out;
}

}  // namespace capset
