// The nearest foot of a point on the centreline (反算).
//
// Notation
//   Q      the point asked
//   h      length along a piece; a region is a stretch [a, b] of one piece
//   P, t, n   centreline point, forward tangent, right normal at h
//   o(h)   (Q − P)·n, the offset of Q seen from P
//   f(h)   (Q − P)·t: positive while the foot lies further on. The squared
//          distance |Q − P|²/2 falls while f > 0, so a nearest foot is a root
//          of f where it falls through 0, or an end of the road.
//   f'(h)  −1 + κ·o: negative wherever κ·o < 1, that is wherever Q lies
//          short of the centre of curvature of P.
//
// A region where κ·o < 1 throughout is monotone: f falls, at most one root,
// found by a safeguarded Newton step in h inside the bracket the signs of
// f at a and b give. The bound of κ·o on a region is cheap: with M the
// midpoint of its chord and r half its length, every P lies within r of M,
// and n turns by at most φ = max|κ|·(b − a) from n(a), so
//   sgn·o ∈ [sgn·(Q − M)·n(a) − s, sgn·(Q − M)·n(a) + s],  s = |Q − M|·φ + r,
// sgn the sign of the curvature there. A region beyond the centre of
// curvature throughout (κ·o ≥ 1 at every point) holds no foot that a station
// and offset could name: there f' ≥ 0, the squared distance is concave in h,
// and the nearest the region comes to Q is at one of its ends. A region the
// bound cannot decide is halved.
//
// Pieces come from the bounding tree nearest first; a region that is not
// monotone waits in a queue by its lower bound of distance |Q − M| − r and is
// halved only while it could still hold the nearest point. If the nearest
// point may lie where Q is at or beyond the centre of curvature, the point is
// off the road: its foot is not unique there (at the centre of an arc every
// point of the arc is a foot), and no station and offset describe it.

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>
#include <vector>

#include "bracketed_root.h"
#include "road.h"

namespace capset {
namespace {

// Halvings of one piece. A piece is at most a few hundred metres; 30
// halvings leave under a micrometre, where a region the bound still cannot
// decide straddles the centre of curvature itself.
constexpr int kMaxSplitDepth = 30;

// Regions halved in one search. Measured over 400 000 points (within 20 m
// of a road of 1 000 JDs, and anywhere in and around a loop ramp of R 30
// turning 230°): none for 99.2 %, 1 to 4 for most of the rest, up to some
// 500 for points within metres of the loop's centre of curvature, where the
// bound was met once and the point said to be off the road.
constexpr int kMaxRegions = 512;

// Where two curves of a table touch the road may step by up to a
// millimetre; a point in such a step has no perpendicular foot, and the
// nearest end of a piece is its foot. Anywhere else a perpendicular foot
// is at least as near as a piece's end, and the two may tie to the last
// bit: the perpendicular one wins unless the end is nearer by more than a
// step.
constexpr double kStepAllowance = 1e-3;

// Newton steps in one monotone region. Measured over the same 400 000
// points: 1 to 4 for 99 % of feet, at most 11; halving alone, from a piece of
// 2 km to the tolerance, would take 48.
constexpr int kMaxFootSteps = 100;

// A Newton step below this has reached the foot to the rounding of the
// local coordinates.
constexpr double kFootTolerance = 1e-11;

struct Sample {
  double h;
  PlanePoint q;  // Q − P(h), formed from the piece's start so no digit is lost
  double heading;
  double cosH, sinH;
  double curvature;
};

Sample MakeSample(double h, PlanePoint q, double heading, double curvature) {
  return {h, q, heading, std::cos(heading), std::sin(heading), curvature};
}

struct Region {
  int piece;
  Sample a, b;
  int depth;
  double low;  // lower bound of |Q − P| over the region
  bool operator>(const Region& other) const { return low > other.low; }
};

enum class Verdict { kMonotone, kBeyond, kUndecided };

// The length of a vector. Lengths here are of a road's extent, far from
// overflow, and std::hypot's care costs a third of a search; a point asked
// from beyond 1e154 m, whose square overflows, gets that care.
double Length(double x, double y) {
  const double square = x * x + y * y;
  return square <= std::numeric_limits<double>::max() ? std::sqrt(square) : std::hypot(x, y);
}

double Along(const Sample& s) { return s.q.X * s.cosH + s.q.Y * s.sinH; }
double Across(const Sample& s) { return -s.q.X * s.sinH + s.q.Y * s.cosH; }

const RoadFoot kOffTheRoad{WhereStatus::kOffRoad, 0, 0, {0, 0}, {0, 0}, 0, 0, ElementKind::kLine, 0};

struct Candidate {
  double distance = HUGE_VAL;  // |Q − P|
  int piece = -1;
  Sample at{};
  WhereStatus status = WhereStatus::kOnRoad;
};

class FootSearch {
 public:
  // q relative to the road's origin, as the pieces are.
  FootSearch(const Road& road, PlanePoint q)
      : road_(road), pieces_(road.pieces()), q_{q.X - road.origin().X, q.Y - road.origin().Y} {}

  RoadFoot Run(const PieceTree& tree) {
    tree.Search(
        q_, [&](int i) { Enter(i); }, [&] { return Bound(); });
    Refine();
    return Result();
  }

 private:
  Sample SampleAt(int piece, double h) const {
    const RoadPiece& p = pieces_[piece];
    const PieceStep s = StepOnPiece(p, h);
    return MakeSample(h, {(q_.X - p.begin.point.X) - s.dX, (q_.Y - p.begin.point.Y) - s.dY}, s.heading, s.curvature);
  }

  void Enter(int index) {
    const RoadPiece& p = pieces_[index];
    // The piece's circle first: most pieces a leaf holds are too far to matter.
    const double mx = q_.X - (p.begin.point.X + p.end.X) / 2, my = q_.Y - (p.begin.point.Y + p.end.Y) / 2;
    if (Length(mx, my) - p.length / 2 > Bound()) return;
    const Sample a{0, {q_.X - p.begin.point.X, q_.Y - p.begin.point.Y}, p.begin.heading, p.cosH, p.sinH,
                   p.begin.curvature};
    const Sample b = MakeSample(p.length, {q_.X - p.end.X, q_.Y - p.end.Y}, HeadingOnPiece(p, p.length),
                                CurvatureOnPiece(p, p.length));
    Consider(Region{index, a, b, 0, 0});
  }

  void Consider(Region region) {
    const Sample& a = region.a;
    const Sample& b = region.b;
    // Q − M, M the chord's midpoint.
    const double mx = (a.q.X + b.q.X) / 2, my = (a.q.Y + b.q.Y) / 2;
    const double qm = Length(mx, my);
    const double r = (b.h - a.h) / 2;
    region.low = std::max(0.0, qm - r);
    if (region.low > Bound()) return;
    const Verdict verdict = Judge(a, b, mx, my, qm, r);
    if (verdict == Verdict::kMonotone) {
      Solve(region);
    } else if (verdict == Verdict::kBeyond) {
      beyond_ = std::min({beyond_, Length(a.q.X, a.q.Y), Length(b.q.X, b.q.Y)});
    } else {
      queue_.push(region);
    }
  }

  static Verdict Judge(const Sample& a, const Sample& b, double mx, double my, double qm, double r) {
    const double ka = a.curvature, kb = b.curvature;
    const double kmax = std::max(std::fabs(ka), std::fabs(kb));
    if (kmax == 0) return Verdict::kMonotone;
    const double spread = qm * kmax * (b.h - a.h) + r;
    int sgn = 0;
    if (ka >= 0 && kb >= 0) sgn = 1;
    else if (ka <= 0 && kb <= 0) sgn = -1;
    if (sgn == 0) return kmax * (qm + r) < 1 ? Verdict::kMonotone : Verdict::kUndecided;
    // (Q − M)·n(a), n = (−sin θ, cos θ).
    const double core = sgn * (-mx * a.sinH + my * a.cosH);
    if (kmax * (core + spread) < 1) return Verdict::kMonotone;
    const double kmin = std::min(std::fabs(ka), std::fabs(kb));
    if (kmin * (core - spread) >= 1) return Verdict::kBeyond;
    return Verdict::kUndecided;
  }

  // Nothing nearer than this can be the answer.
  double Bound() const { return std::min(best_.distance, bestEnd_.distance + kStepAllowance); }

  void Offer(const Candidate& c, bool interiorEnd) {
    Candidate& best = interiorEnd ? bestEnd_ : best_;
    // Ties go to the lower distance along the road.
    // Nothing chosen yet takes any candidate, even at an infinite distance.
    const double d = c.distance;
    if (best.piece < 0 || d < best.distance ||
        (d == best.distance && pieces_[c.piece].start + c.at.h < pieces_[best.piece].start + best.at.h)) {
      best = c;
    }
  }

  const Candidate& Chosen() const {
    return best_.piece >= 0 && !(bestEnd_.distance + kStepAllowance < best_.distance) ? best_ : bestEnd_;
  }

  Candidate At(int piece, const Sample& s, WhereStatus status) const {
    return {Length(s.q.X, s.q.Y), piece, s, status};
  }

  // A monotone region: f falls from f(a) to f(b).
  void Solve(const Region& region) {
    const int piece = region.piece;
    const double fa = Along(region.a), fb = Along(region.b);
    if (fa < 0) {
      // Nearest at a: the road's start, or a joint that the region before handles.
      const bool start = piece == 0 && region.a.h == 0;
      Offer(At(piece, region.a, start ? WhereStatus::kBeforeStart : WhereStatus::kOnRoad), !start);
      return;
    }
    if (fb > 0) {
      const bool end = piece + 1 == static_cast<int>(pieces_.size()) && region.b.h == pieces_[piece].length;
      Offer(At(piece, region.b, end ? WhereStatus::kAfterEnd : WhereStatus::kOnRoad), !end);
      return;
    }
    // First estimate: the foot on the circle of curvature at a. f falls
    // through the region, so it is above 0 at its start.
    const double start = region.a.h + fa / (1 - region.a.curvature * Across(region.a));
    const BracketedRoot root = FindBracketedRoot(
        region.a.h, region.b.h, start, true,
        [&](double h) {
          const Sample s = SampleAt(piece, h);
          return RootValue{Along(s), -1 + s.curvature * Across(s)};
        },
        kFootTolerance, kMaxFootSteps);
    Offer(At(piece, SampleAt(piece, root.x), WhereStatus::kOnRoad), false);
  }

  // Halve, nearest first, the regions the bound could not decide, while one
  // could still hold a point nearer than the best foot found.
  void Refine() {
    int regions = 0;
    while (!queue_.empty()) {
      const Region region = queue_.top();
      queue_.pop();
      if (region.low > Bound()) break;
      if (region.depth >= kMaxSplitDepth || ++regions > kMaxRegions) {
        offRoad_ = true;
        return;
      }
      const Sample mid = SampleAt(region.piece, (region.a.h + region.b.h) / 2);
      Consider(Region{region.piece, region.a, mid, region.depth + 1, 0});
      Consider(Region{region.piece, mid, region.b, region.depth + 1, 0});
    }
  }

  RoadFoot Result() const {
    const Candidate& best = Chosen();
    // Off the road when the nearest point may lie where Q is at or beyond
    // the centre of curvature.
    if (offRoad_ || best.piece < 0 || beyond_ < best.distance) return kOffTheRoad;
    RoadFoot foot = kOffTheRoad;
    const RoadPiece& p = pieces_[best.piece];
    const Sample& s = best.at;
    foot.status = best.status;
    foot.foot = {road_.origin().X + (q_.X - s.q.X), road_.origin().Y + (q_.Y - s.q.Y)};
    foot.azimuth = AzimuthOf(s.heading);
    const Road::ElementAtFoot at = road_.ElementOn(best.piece, s.h);
    foot.curvature = at.curvature;
    foot.element = at.element;
    foot.kind = road_.elements()[foot.element].kind;
    foot.offset = Across(s);
    foot.distance = p.start + s.h;
    if (best.status != WhereStatus::kOnRoad) {
      const double beyond = Along(s);
      // A point on the end line itself, within the rounding of its
      // coordinates, is at that end.
      if (std::fabs(beyond) <= kDistanceTolerance) {
        foot.status = WhereStatus::kOnRoad;
      } else {
        foot.distance += beyond;
      }
    }
    if (foot.status == WhereStatus::kOnRoad) foot.station = road_.StationAt(foot.distance);
    return foot;
  }

  const Road& road_;
  const std::vector<RoadPiece>& pieces_;
  PlanePoint q_;
  Candidate best_;     // perpendicular feet and the road's own ends
  Candidate bestEnd_;  // ends of pieces inside the road
  double beyond_ = HUGE_VAL;  // nearest point of regions that Q lies beyond the centre of curvature of
  bool offRoad_ = false;
  std::priority_queue<Region, std::vector<Region>, std::greater<>> queue_;
};

}  // namespace

RoadFoot Road::Where(PlanePoint q) const {
  if (!std::isfinite(q.X) || !std::isfinite(q.Y) || pieces_.empty()) return kOffTheRoad;
  FootSearch search(*this, q);
  return search.Run(tree_);
}

}  // namespace capset
