#include "cross_section.h"

// Notation, as the header's, and for a transition: t its phase (0 normal
// crown, 1 full superelevation), s_o and s_i the outer and inner sides'
// slopes, w_o and w_i their half-widths, D = 100·(H_outer edge − H_inner edge)
// in percent·metres, c the centreline's rise above the normal centreline.
//
// Every transition is worked with the inner side on the right and mirrored
// at the end: the axes differ only in which point keeps its elevation.
//   centre:      s_o = −ig + t·(e + ig); s_i = −ig until s_o passes +ig,
//                then s_i = −s_o (one plane); c = 0.
//   inner edge:  D = ig·(w_i − w_o) + t·(e·(w_i + w_o) − ig·(w_i − w_o)).
//                Below D = ig·(w_i + w_o) (s_o below +ig) only the outer side
//                turns: s_o = (D − ig·w_i)/w_o, s_i = −ig. Beyond it one
//                plane, s_o = −s_i = D/(w_i + w_o). The inner edge keeps
//                −ig·w_i/100, so c = −(ig + s_i)·w_i/100.
//   outer edge:  the same slopes; the outer edge keeps −ig·w_o/100, so
//                c = −(ig + s_o)·w_o/100.
// Both edge forms give the same D for the same slopes (D = s_o·w_o + ig·w_i
// while the inner side keeps −ig), so their slopes agree and only c differs.

#include <algorithm>
#include <cmath>
#include <utility>

namespace capset {
namespace {

CrossSectionProblem Problem(CrossSectionFault fault, int row, CrossSectionField field = CrossSectionField::kNone,
                            double value = 0, double limit = 0, int other = 0) {
  return {fault, row, field, value, limit, other};
}

// A number finite and within [low, high]; the bound it passed as the limit.
std::optional<CrossSectionProblem> CheckNumber(double value, double low, double high, int row,
                                               CrossSectionField field) {
  if (!std::isfinite(value)) return Problem(CrossSectionFault::kNotFinite, row, field);
  if (value < low) return Problem(CrossSectionFault::kOutOfRange, row, field, value, low);
  if (value > high) return Problem(CrossSectionFault::kOutOfRange, row, field, value, high);
  return std::nullopt;
}

std::optional<CrossSectionProblem> CheckOwnNumbers(const SectionLayout& s) {
  const struct {
    double value, low, high;
    CrossSectionField field;
  } numbers[] = {{s.crown, 0, kCrossSlopeLimit, CrossSectionField::kCrown},
                 {s.leftWidth, 0, kHalfWidthLimit, CrossSectionField::kLeftWidth},
                 {s.rightWidth, 0, kHalfWidthLimit, CrossSectionField::kRightWidth},
                 {s.design, -kHalfWidthLimit, kHalfWidthLimit, CrossSectionField::kDesign}};
  for (const auto& n : numbers)
    if (auto p = CheckNumber(n.value, n.low, n.high, 0, n.field)) return p;
  return std::nullopt;
}

std::optional<CrossSectionProblem> CheckTransition(const SectionLayout& s, const SuperTransition& t, int row) {
  const double stations[] = {t.ts, t.fs, t.fe, t.te};
  for (double d : stations)
    if (auto p = CheckNumber(d, -kSectionDistanceLimit, kSectionDistanceLimit, row, CrossSectionField::kStation))
      return p;
  if (auto p = CheckNumber(t.e, 0, kCrossSlopeLimit, row, CrossSectionField::kE)) return p;
  // A transition of no length would step the section, and every edge's
  // elevation with it; full superelevation may be held over none.
  if (!(t.fs > t.ts)) return Problem(CrossSectionFault::kTransitionOrder, row, CrossSectionField::kStation, t.fs, t.ts);
  if (!(t.fe >= t.fs)) return Problem(CrossSectionFault::kTransitionOrder, row, CrossSectionField::kStation, t.fe, t.fs);
  if (!(t.te > t.fe)) return Problem(CrossSectionFault::kTransitionOrder, row, CrossSectionField::kStation, t.te, t.fe);
  if (t.e < s.crown) return Problem(CrossSectionFault::kSuperBelowCrown, row, CrossSectionField::kE, t.e, s.crown);
  if (t.axis != SuperAxis::kCentre && !(s.leftWidth > 0 && s.rightWidth > 0))
    return Problem(CrossSectionFault::kWidthsNeeded, row,
                   s.leftWidth > 0 ? CrossSectionField::kRightWidth : CrossSectionField::kLeftWidth);
  return std::nullopt;
}

std::optional<CrossSectionProblem> CheckSlopes(const std::vector<CrossSlopeRow>& rows) {
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const int row = static_cast<int>(k) + 1;
    const CrossSlopeRow& r = rows[k];
    if (auto p = CheckNumber(r.distance, -kSectionDistanceLimit, kSectionDistanceLimit, row,
                             CrossSectionField::kStation))
      return p;
    if (auto p = CheckNumber(r.left, -kCrossSlopeLimit, kCrossSlopeLimit, row, CrossSectionField::kLeftSlope))
      return p;
    if (auto p = CheckNumber(r.right, -kCrossSlopeLimit, kCrossSlopeLimit, row, CrossSectionField::kRightSlope))
      return p;
    if (k > 0 && !(r.distance > rows[k - 1].distance))
      return Problem(CrossSectionFault::kSlopesNotIncreasing, row, CrossSectionField::kStation, r.distance,
                     rows[k - 1].distance, row - 1);
  }
  return std::nullopt;
}

// Where d lies in a transition that holds it: 0 at TS and TE, 1 from FS to FE.
double Phase(const SuperTransition& t, double d) {
  if (d < t.fs) return (d - t.ts) / (t.fs - t.ts);
  if (d <= t.fe) return 1;
  return (t.te - d) / (t.te - t.fe);
}

}  // namespace

CrossSectionBuild CrossSection::Build(const SectionLayout& layout) {
  const auto refuse = [](CrossSectionProblem p) { return CrossSectionBuild{std::nullopt, p}; };
  if (auto p = CheckOwnNumbers(layout)) return refuse(*p);
  if (!layout.transitions.empty() && !layout.slopes.empty())
    return refuse(Problem(CrossSectionFault::kTransitionsAndSlopes, 0));
  for (std::size_t k = 0; k < layout.transitions.size(); ++k)
    if (auto p = CheckTransition(layout, layout.transitions[k], static_cast<int>(k) + 1)) return refuse(*p);
  if (auto p = CheckSlopes(layout.slopes)) return refuse(*p);

  // Transitions may be typed in any order; sorted by TS, each must end
  // before the next begins (they may touch: both give the normal crown there).
  std::vector<int> order(layout.transitions.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = static_cast<int>(k);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return layout.transitions[a].ts < layout.transitions[b].ts; });
  for (std::size_t k = 1; k < order.size(); ++k) {
    const SuperTransition& before = layout.transitions[order[k - 1]];
    const SuperTransition& after = layout.transitions[order[k]];
    if (after.ts < before.te - kSectionTouchTolerance) {
      const int a = std::min(order[k - 1], order[k]) + 1, b = std::max(order[k - 1], order[k]) + 1;
      return refuse(Problem(CrossSectionFault::kTransitionsOverlap, b, CrossSectionField::kStation,
                            before.te - after.ts, 0, a));
    }
  }

  CrossSection section;
  section.layout_ = layout;
  for (int k : order) {
    section.byStation_.push_back(layout.transitions[k]);
    section.starts_.push_back(layout.transitions[k].ts);
  }
  return {std::move(section), std::nullopt};
}

SectionAt CrossSection::Turned(const SuperTransition& t, double phase) const {
  const double ig = layout_.crown;
  const bool innerRight = t.inner == SectionSide::kRight;
  double outer = 0, inner = 0, rise = 0;
  if (t.axis == SuperAxis::kCentre) {
    outer = -ig + phase * (t.e + ig);
    inner = outer <= ig ? -ig : -outer;
  } else {
    const double wi = innerRight ? layout_.rightWidth : layout_.leftWidth;
    const double wo = innerRight ? layout_.leftWidth : layout_.rightWidth;
    const double normal = ig * (wi - wo), full = t.e * (wi + wo);
    const double D = normal + phase * (full - normal);
    if (D < ig * (wi + wo)) {
      outer = (D - ig * wi) / wo;
      inner = -ig;
    } else {
      outer = D / (wi + wo);
      inner = -outer;
    }
    rise = t.axis == SuperAxis::kInnerEdge ? -(ig + inner) * wi / 100 : -(ig + outer) * wo / 100;
  }
  return innerRight ? SectionAt{outer, inner, rise} : SectionAt{inner, outer, rise};
}

SectionAt CrossSection::FromTable(double d) const {
  const std::vector<CrossSlopeRow>& rows = layout_.slopes;
  if (d < rows.front().distance - kSectionTouchTolerance || d > rows.back().distance + kSectionTouchTolerance)
    return Normal();
  d = std::clamp(d, rows.front().distance, rows.back().distance);
  const auto above = std::upper_bound(rows.begin(), rows.end(), d,
                                      [](double x, const CrossSlopeRow& r) { return x < r.distance; });
  if (above == rows.end()) return {rows.back().left, rows.back().right, 0};
  const CrossSlopeRow& b = *above;
  const CrossSlopeRow& a = *(above - 1);
  const double f = (d - a.distance) / (b.distance - a.distance);
  return {a.left + f * (b.left - a.left), a.right + f * (b.right - a.right), 0};
}

SectionAt CrossSection::At(double d) const {
  if (!layout_.slopes.empty()) return FromTable(d);
  if (starts_.empty()) return Normal();
  const auto above = std::upper_bound(starts_.begin(), starts_.end(), d);
  if (above == starts_.begin()) return Normal();
  const SuperTransition& t = byStation_[static_cast<std::size_t>(above - starts_.begin()) - 1];
  if (!(d < t.te)) return Normal();
  return Turned(t, Phase(t, d));
}

double CrossSection::RiseIn(const SectionAt& s, double offset) const {
  // The design line lies ig·|design|/100 below the centreline in the normal
  // section, and the profile gives the design line's elevation there.
  const double designBelow = layout_.crown * std::fabs(layout_.design) / 100;
  const double slope = offset < 0 ? s.left : s.right;
  return s.centreRise + slope * std::fabs(offset) / 100 + designBelow;
}

double CrossSection::RiseAt(double distance, double offset) const { return RiseIn(At(distance), offset); }

}  // namespace capset
