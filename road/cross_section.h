#pragma once
// The road's cross-section (横断面): the normal crown, the road bed's
// half-widths, the design line and superelevation (超高), either as
// transitions or as the drawings' table of cross slopes; the rise from the
// profile's elevation to any offset at any distance along the road.
//
// Notation: d distance along the road, o offset (right positive), ig the
// normal crown and e a superelevation, both in percent. A side's cross slope
// is the rise per 100 m going outward from the centreline, negative when the
// edge lies below the centreline; the normal crown is (−ig, −ig).
//
// The profile gives the elevation, in the normal section, of the design
// line at offset `design`; the centreline then lies ig·|design|/100 above it.
// A section is described by its two slopes and its centreline's rise above
// the normal centreline (not zero only where a transition turns the section
// about an edge).

#include <optional>
#include <vector>

namespace capset {

enum class SectionSide { kLeft, kRight };
enum class SuperAxis { kCentre, kInnerEdge, kOuterEdge };

// A transition from the normal crown at TS to full e at FS, held to FE, back
// to the normal crown at TE; `inner` is the side towards the curve's centre.
struct SuperTransition {
  double ts, fs, fe, te;  // distances along the road, ts < fs ≤ fe < te
  double e;               // percent
  SectionSide inner;
  SuperAxis axis = SuperAxis::kCentre;
};

// A row of the table of cross slopes; between rows both slopes run linearly
// with the distance, outside them the normal crown holds.
struct CrossSlopeRow {
  double distance;
  double left, right;  // percent
};

struct SectionLayout {
  double crown = 2;                        // ig, percent
  double leftWidth = 0, rightWidth = 0;    // the road bed's half-widths, metres (0: not given)
  double design = 0;                       // the design line's offset
  std::vector<SuperTransition> transitions;  // in any order along the road; none may overlap another
  std::vector<CrossSlopeRow> slopes;       // either transitions or slopes, not both
};

// The ranges a section's numbers must lie in. Cross slopes (the crown, e and
// a table's slopes) beyond 20 % describe no road bed; a half-width or a
// design offset beyond 100 m no single carriageway.
constexpr double kCrossSlopeLimit = 20;
constexpr double kHalfWidthLimit = 100;
constexpr double kSectionDistanceLimit = 1e8;  // as a profile's distances
// Two transitions that overlap by less than this touch (a distance is often
// a sum of stations); a distance this close outside a table's rows is its end.
constexpr double kSectionTouchTolerance = 1e-6;

enum class CrossSectionFault {
  kNotFinite,              // `field` names the number
  kOutOfRange,             // `value` beyond `limit`
  kWidthsNeeded,           // a transition about an edge, without half-widths
  kTransitionOrder,        // a transition's stations not TS < FS ≤ FE < TE: `value` at or before `limit`
  kTransitionsOverlap,     // transition `row` overlaps transition `other` (`value`: by how much, m)
  kSuperBelowCrown,        // e (`value`) below the crown (`limit`)
  kSlopesNotIncreasing,    // a slope row at or before the row before it (`other`)
  kTransitionsAndSlopes,   // both forms given
};

enum class CrossSectionField { kNone, kCrown, kLeftWidth, kRightWidth, kDesign, kStation, kE, kLeftSlope, kRightSlope };

struct CrossSectionProblem {
  CrossSectionFault fault;
  int row = 0;  // the transition or slope row, from 1; 0 for the section's own numbers
  CrossSectionField field = CrossSectionField::kNone;
  double value = 0;
  double limit = 0;
  int other = 0;
};

// The section at one distance.
struct SectionAt {
  double left, right;  // cross slopes, percent
  double centreRise;   // the centreline above the normal section's centreline, metres
};

struct CrossSectionBuild;

class CrossSection {
 public:
  // The normal crown of 2 % about the centreline, design line on it.
  CrossSection() = default;
  static CrossSectionBuild Build(const SectionLayout& layout);

  SectionAt At(double distance) const;
  // The elevation of the point at offset `offset` above the profile's
  // elevation at the same distance (the design line's elevation in the
  // normal section). A point beyond a half-width continues that side's slope.
  double RiseAt(double distance, double offset) const;
  // The same from a section already found at that distance.
  double RiseIn(const SectionAt& section, double offset) const;

  const SectionLayout& layout() const { return layout_; }

 private:
  SectionAt Normal() const { return {-layout_.crown, -layout_.crown, 0}; }
  SectionAt Turned(const SuperTransition& t, double phase) const;
  SectionAt FromTable(double distance) const;

  SectionLayout layout_;
  std::vector<SuperTransition> byStation_;  // the transitions sorted by TS
  std::vector<double> starts_;              // their TS alone, for the search
};

struct CrossSectionBuild {
  std::optional<CrossSection> section;
  std::optional<CrossSectionProblem> problem;
};

}  // namespace capset
