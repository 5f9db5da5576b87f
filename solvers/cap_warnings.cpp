#include "cap_warnings.h"

#include <cmath>

#include "clothoid.h"
#include "fault.h"
#include "spiral.h"

namespace capset {

double SeriesDifference(double l, double A1, int xTerms) {
  const LocalPoint series = SpiralLocal(l, A1, xTerms);
  const LocalPoint exact = ExactClothoid(l, A1);
  return std::hypot(series.x - exact.x, series.y - exact.y);
}

CapWarnings CheckCap(const CapSolution& s) {
  const CapDesign& d = s.design;
  // The spiral distances that the results rest on: the centre, each solved
  // foot point, and the design station whose tangent sets the axis.
  struct Distance {
    CapPoint point;
    double l;
    bool placed;  // a point the series placed (Kj only sets a direction)
  };
  std::vector<Distance> distances{{CapPoint::kCentre, s.centreDistance, true}};
  if (s.solver != Solver::kCmd5) {
    if (s.inner.status == SideStatus::kSolved) distances.push_back({CapPoint::kInnerFoot, s.inner.footDistance, true});
    if (s.outer.status == SideStatus::kSolved) distances.push_back({CapPoint::kOuterFoot, s.outer.footDistance, true});
    const double lj = s.end == SpiralEnd::kZH ? d.Kj - d.origin : d.origin - d.Kj;
    distances.push_back({CapPoint::kDesignStation, lj, false});
  }

  CapWarnings warnings;
  if (d.R > 0) {
    const double Ls = d.A1 * d.A1 / d.R;
    BeyondSpiralEnd beyond{Ls, s.end == SpiralEnd::kZH ? d.origin + Ls : d.origin - Ls, {}};
    for (const Distance& p : distances) {
      if (std::fabs(p.l) > Ls) beyond.points.push_back(p.point);
    }
    if (!beyond.points.empty()) warnings.beyondEnd = beyond;
  }
  const int xTerms = s.solver == Solver::kCmd5 ? 3 : 4;
  for (const Distance& p : distances) {
    if (!p.placed) continue;
    try {
      const double difference = SeriesDifference(p.l, d.A1, xTerms);
      if (difference > kSeriesTolerance) warnings.series.push_back({p.point, difference});
    } catch (const ArithmeticFault&) {
      // A foot point's last correction can take it a hair past where the
      // series was formed; a series that overflows there says nothing new.
    }
  }
  return warnings;
}

}  // namespace capset
