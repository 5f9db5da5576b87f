#pragma once
// Where a cap's numbers cannot be trusted as they stand. The results are
// shown all the same; these say what the user must know about them.
//
// Notation
//   Ls     spiral length, A1² / R (only when R > 0: with R = 0 the spiral's
//          end is unknown and nothing is checked)
//   l, λ   spiral distances of the centre and of a solved foot point
//   lj     spiral distance of the design station Kj, whose tangent sets the axis

#include <optional>
#include <vector>

#include "cap_solution.h"

namespace capset {

// A series point that departs from the exact clothoid by more than this is
// reported: the results are shown to the millimetre.
constexpr double kSeriesTolerance = 0.001;

enum class CapPoint { kCentre, kInnerFoot, kOuterFoot, kDesignStation };

// Points further from the origin than the spiral is long: they lie on the
// circular curve, where the clothoid formulas do not hold.
struct BeyondSpiralEnd {
  double Ls;
  double endStation;  // HY (ZH + Ls) or YH (HZ − Ls)
  std::vector<CapPoint> points;
};

// A point of the series that lies `difference` metres from the exact
// clothoid point at the same spiral distance.
struct SeriesDeparture {
  CapPoint point;
  double difference;
};

struct CapWarnings {
  std::optional<BeyondSpiralEnd> beyondEnd;
  std::vector<SeriesDeparture> series;

  bool Empty() const { return !beyondEnd && series.empty(); }
};

CapWarnings CheckCap(const CapSolution& solution);

// The distance between the series point (the solver's own terms) and the
// exact clothoid point at spiral distance l.
double SeriesDifference(double l, double A1, int xTerms);

}  // namespace capset
