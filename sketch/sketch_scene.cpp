#include "sketch_scene.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "angles.h"
#include "fault.h"
#include "number_text.h"
#include "road_cap_texts.h"
#include "round3.h"
#include "sketch_texts.h"
#include "solver_texts.h"
#include "spiral.h"

namespace capset {
namespace {

// The cap fills this share of the band's height, or of its width, whichever
// it reaches first; its centre sits a little right of the middle, clear of
// the notes on the left.
constexpr double kCapShareOfHeight = 0.6;
constexpr double kCapShareOfWidth = 0.45;
constexpr double kCapAcross = 0.6;  // where the cap's middle sits, from the left
constexpr int kCentrelineSamples = 240;

// The centreline as the solvers place it: the series point through its
// chord, and the forward tangent T + s·β.
class Centreline {
 public:
  explicit Centreline(const CapSolution& s)
      : d_(s.design), s_(s.s), xTerms_(s.solver == Solver::kCmd5 ? 3 : 4) {}

  PlanePoint At(double l) const {
    const Chord c = ChordOf(SpiralLocal(l, d_.A1, xTerms_), d_.DegPerRad);
    return Polar({d_.X, d_.Y}, c.length, d_.T + s_ * c.deflection, d_.DegPerRad);
  }
  double TangentAt(double l) const { return d_.T + s_ * TangentAngle(l, d_.A1, d_.Pi); }
  PlanePoint Beside(PlanePoint p, double distance, double azimuth) const {
    return Polar(p, distance, azimuth, d_.DegPerRad);
  }

 private:
  const CapDesign& d_;
  double s_;
  int xTerms_;
};

struct View {
  double minX, maxX, minY, maxY;
  double mpp;  // metres per pixel

  bool Contains(PlanePoint p) const { return p.X >= minX && p.X <= maxX && p.Y >= minY && p.Y <= maxY; }
  // A point given in pixels from the top-left corner.
  PlanePoint Pixel(double right, double down) const { return {maxX - down * mpp, minY + right * mpp}; }
};

// The largest of 1, 2 and 5 times a power of ten that is not above `most`.
double RoundLength(double most) {
  const double power = std::pow(10.0, std::floor(std::log10(most)));
  for (double step : {5.0, 2.0, 1.0}) {
    if (step * power <= most) return step * power;
  }
  return power;
}

// Frames the cap: its points fill a good part of the band, whatever the
// direction of its axis.
View FrameCap(const std::vector<PlanePoint>& cap, double w, SketchViewport vp) {
  double minX = cap[0].X, maxX = minX, minY = cap[0].Y, maxY = minY;
  for (const PlanePoint& p : cap) {
    minX = std::min(minX, p.X);
    maxX = std::max(maxX, p.X);
    minY = std::min(minY, p.Y);
    maxY = std::max(maxY, p.Y);
  }
  // A cap of almost no length still shows its road: the band's height
  // spans at least the half-width.
  const double road = std::max(std::fabs(w), 1.0);
  const double mpp = std::max({(maxX - minX) / (kCapShareOfHeight * vp.height),
                               (maxY - minY) / (kCapShareOfWidth * vp.width), road / vp.height});
  const double midX = (minX + maxX) / 2;
  const double midY = (minY + maxY) / 2;
  View v{midX - vp.height / 2 * mpp, midX + vp.height / 2 * mpp, 0, 0, mpp};
  v.minY = midY - kCapAcross * vp.width * mpp;
  v.maxY = v.minY + vp.width * mpp;
  return v;
}

// The point where the ray from `from` towards `to` leaves the rectangle
// shrunk by `inset` on every side.
PlanePoint BorderTowards(const View& v, PlanePoint from, PlanePoint to, double inset) {
  const double dX = to.X - from.X, dY = to.Y - from.Y;
  double t = 1;
  if (dX > 0) t = std::min(t, (v.maxX - inset - from.X) / dX);
  if (dX < 0) t = std::min(t, (v.minX + inset - from.X) / dX);
  if (dY > 0) t = std::min(t, (v.maxY - inset - from.Y) / dY);
  if (dY < 0) t = std::min(t, (v.minY + inset - from.Y) / dY);
  return {from.X + t * dX, from.Y + t * dY};
}

class SceneBuilder {
 public:
  explicit SceneBuilder(SketchScene& scene) : scene_(scene) {}
  void Add(SceneKind kind, SceneStyle style, std::string label, std::vector<PlanePoint> points) {
    scene_.elements.push_back({kind, style, std::move(label), std::move(points)});
  }

 private:
  SketchScene& scene_;
};

}  // namespace

SketchScene MakeSketch(const CapSolution& s, const CapWarnings& warnings, SketchViewport vp) {
  const Centreline line(s);
  const double w = static_cast<double>(s.answers.DR);
  const double rho = s.design.DegPerRad;

  // The cap: its centre and, on each side, the edge point, or where the
  // straight-road estimate puts the axis's end when the side was not solved.
  const double estimate = s.solver == Solver::kCmd5 ? w : std::fabs(w / std::sin(s.design.B / rho));
  auto axisEnd = [&](const EdgeSolution& edge, double azimuth) {
    return edge.status == SideStatus::kSolved ? edge.point : Polar(s.centre, estimate, azimuth, rho);
  };
  const PlanePoint outerEnd = axisEnd(s.outer, s.outerAxis);
  const PlanePoint innerEnd = axisEnd(s.inner, s.innerAxis);
  const View view = FrameCap({s.centre, outerEnd, innerEnd}, w, vp);

  SketchScene scene{view.minX, view.maxX, view.minY, view.maxY, {}};
  SceneBuilder add(scene);

  // The centreline from a little before the view to a little past it, and,
  // when the origin is that close, the straight beyond it along its tangent.
  const double reach = (vp.width + vp.height) * view.mpp;
  const double lFrom = std::max(0.0, s.centreDistance - reach);
  const double lTo = s.centreDistance + reach;
  std::vector<PlanePoint> centreline, right, left;
  for (int i = 0; i <= kCentrelineSamples; ++i) {
    const double l = lFrom + (lTo - lFrom) * i / kCentrelineSamples;
    try {
      const PlanePoint p = line.At(l);
      const double t = line.TangentAt(l);
      centreline.push_back(p);
      right.push_back(line.Beside(p, w, t + 90));
      left.push_back(line.Beside(p, w, t - 90));
    } catch (const ArithmeticFault&) {
      break;  // the series has left the double range: nothing further to draw
    }
  }
  if (lFrom == 0) {
    const PlanePoint origin{s.design.X, s.design.Y};
    const PlanePoint back = Polar(origin, reach, s.design.T + 180, rho);
    add.Add(SceneKind::kPolyline, SceneStyle::kStraight, kStraightName, {back, origin});
    right.insert(right.begin(), Polar(back, w, s.design.T + 90, rho));
    left.insert(left.begin(), Polar(back, w, s.design.T - 90, rho));
  }
  add.Add(SceneKind::kPolyline, SceneStyle::kCentreline, kCentrelineName, centreline);
  add.Add(SceneKind::kPolyline, SceneStyle::kEdgeLine, kEdgeLineName, right);
  add.Add(SceneKind::kPolyline, SceneStyle::kEdgeLine, kEdgeLineName, left);

  // The cap axis, each half from the centre to its edge; a half whose edge
  // point was not found is dashed and ends at the estimate.
  auto axisHalf = [&](const EdgeSolution& edge, PlanePoint end, const char* name) {
    const bool solved = edge.status == SideStatus::kSolved;
    add.Add(SceneKind::kPolyline, solved ? SceneStyle::kAxis : SceneStyle::kAxisUnsolved,
            solved ? name : std::string(name) + kUnsolvedAxisSuffix, {s.centre, end});
  };
  axisHalf(s.inner, innerEnd, kInnerAxisName);
  axisHalf(s.outer, outerEnd, kOuterAxisName);
  add.Add(SceneKind::kPoint, SceneStyle::kCentre, kCentreMark, {s.centre});
  if (s.outer.status == SideStatus::kSolved) add.Add(SceneKind::kPoint, SceneStyle::kEdgePoint, kOuterMark, {s.outer.point});
  if (s.inner.status == SideStatus::kSolved) add.Add(SceneKind::kPoint, SceneStyle::kEdgePoint, kInnerMark, {s.inner.point});

  // The origin, or an arrow on the border towards it with its distance
  // along the centreline.
  const PlanePoint origin{s.design.X, s.design.Y};
  const char* originName = SpiralEndName(s.end);
  if (view.Contains(origin)) {
    add.Add(SceneKind::kPoint, SceneStyle::kOrigin, originName, {origin});
  } else {
    const PlanePoint middle{(view.minX + view.maxX) / 2, (view.minY + view.maxY) / 2};
    const PlanePoint head = BorderTowards(view, middle, origin, 12 * view.mpp);
    const double toHead = std::hypot(head.X - middle.X, head.Y - middle.Y);
    const double tailBack = std::min(36 * view.mpp, toHead);
    const PlanePoint tail{head.X - (head.X - middle.X) / toHead * tailBack,
                          head.Y - (head.Y - middle.Y) / toHead * tailBack};
    add.Add(SceneKind::kArrow, SceneStyle::kToOrigin, SketchToOrigin(s.end, s.centreDistance), {tail, head});
  }
  // The spiral's end, where the circular curve begins, when R gives it.
  if (s.design.R > 0) {
    const double Ls = s.design.A1 * s.design.A1 / s.design.R;
    if (Ls >= lFrom && Ls <= lTo) {
      try {
        const PlanePoint end = line.At(Ls);
        if (view.Contains(end)) add.Add(SceneKind::kPoint, SceneStyle::kSpiralEnd, SpiralEndPointName(s.end), {end});
      } catch (const ArithmeticFault&) {
      }
    }
  }

  add.Add(SceneKind::kArrow, SceneStyle::kNorth, kNorthMark, {view.Pixel(16, 50), view.Pixel(16, 14)});
  const double scale = RoundLength(vp.width * view.mpp / 6);
  add.Add(SceneKind::kPolyline, SceneStyle::kScale, SketchScaleLength(scale),
          {view.Pixel(16, vp.height - 12), view.Pixel(16 + scale / view.mpp, vp.height - 12)});

  // Notes, one a line, down the left of the band.
  std::vector<std::pair<std::string, SceneStyle>> notes{
      {SketchEndAndTurn(s), SceneStyle::kNote},
      {SketchAxisAzimuth(WrappedAzimuth(s.outerAxis)), SceneStyle::kNote},
      {SketchCapLength(s), SceneStyle::kNote}};
  if (s.solver != Solver::kCmd5 && s.answers.Kp != s.design.Kj) {
    notes.push_back({SketchParallelAxis(s.design.Kj), SceneStyle::kNote});
  }
  if (warnings.beyondEnd) notes.push_back({SketchBeyondEnd(s, *warnings.beyondEnd), SceneStyle::kWarning});
  if (!warnings.series.empty()) notes.push_back({SketchSeriesDeparture(warnings.series), SceneStyle::kWarning});
  for (std::size_t i = 0; i < notes.size(); ++i) {
    add.Add(SceneKind::kText, notes[i].second, notes[i].first, {view.Pixel(36, 6 + kSketchLinePixels * i)});
  }
  return scene;
}

void AddMeasuredMarks(SketchScene& scene, const std::vector<MeasuredMark>& marks) {
  for (const MeasuredMark& m : marks) {
    scene.elements.push_back({SceneKind::kPolyline, SceneStyle::kDeviation, m.label, {m.design, m.measured}});
    scene.elements.push_back(
        {SceneKind::kPoint, m.over ? SceneStyle::kMeasuredOver : SceneStyle::kMeasured, m.label, {m.measured}});
  }
}

SketchScene MakeRoadSketch(const Road& road, const RoadCap& cap, double leftW, double rightW, SketchViewport vp) {
  SketchScene scene{0, 1, 0, 1, {}};
  if (cap.fault != RoadCapFault::kNone) return scene;
  SceneBuilder add(scene);
  const PlanePoint c = cap.centre.point;
  const double psi = ToRadians(cap.axisAzimuth);
  // A side not solved is drawn dashed to where a straight road would put it.
  const double sinSkew = std::fabs(std::sin(ToRadians(cap.skewAtCentre)));
  auto end = [&](const RoadCapEdge& edge, double along) {
    if (edge.problem == CapSideProblem::kNone) return edge.point.point;
    return PlanePoint{c.X + along * std::cos(psi), c.Y + along * std::sin(psi)};
  };
  const double reachOut = 1 / std::max(sinSkew, 0.1);
  const PlanePoint left = end(cap.left, -leftW * reachOut), right = end(cap.right, rightW * reachOut);
  std::vector<PlanePoint> framed{c, left, right};
  for (const RoadCapPoint& p : cap.points) framed.push_back(p.point);
  const View view = FrameCap(framed, std::max(leftW, rightW), vp);
  scene.minX = view.minX, scene.maxX = view.maxX, scene.minY = view.minY, scene.maxY = view.maxY;

  // The road from a little before the view to a little past it, sampled
  // finely on each element so that a joint is a vertex of both.
  const double reach = (vp.width + vp.height) * view.mpp;
  const double from = std::max(0.0, cap.centre.distance - reach);
  const double to = std::min(road.length(), cap.centre.distance + reach);
  for (const RoadElement& e : road.elements()) {
    const double a = std::max(from, e.start), b = std::min(to, e.start + e.length);
    if (!(b > a)) continue;
    std::vector<PlanePoint> line, leftEdge, rightEdge;
    for (int i = 0; i <= kCentrelineSamples; ++i) {
      // The last sample a hair inside the element, so that it is this one's.
      const double d = i == kCentrelineSamples && b < road.length() ? b - 1e-9 : a + (b - a) * i / kCentrelineSamples;
      const auto centre = road.At(d), l = road.At(d, -leftW), r = road.At(d, rightW);
      if (!centre || !l || !r) continue;
      line.push_back(centre->point);
      leftEdge.push_back(l->point);
      rightEdge.push_back(r->point);
    }
    add.Add(SceneKind::kPolyline, e.kind == ElementKind::kLine ? SceneStyle::kStraight : SceneStyle::kCentreline,
            ElementName(e.kind), line);
    add.Add(SceneKind::kPolyline, SceneStyle::kEdgeLine, kEdgeLineName, leftEdge);
    add.Add(SceneKind::kPolyline, SceneStyle::kEdgeLine, kEdgeLineName, rightEdge);
  }

  auto half = [&](const RoadCapEdge& edge, PlanePoint to, const char* name) {
    const bool solved = edge.problem == CapSideProblem::kNone;
    add.Add(SceneKind::kPolyline, solved ? SceneStyle::kAxis : SceneStyle::kAxisUnsolved,
            solved ? name : std::string(name) + kUnsolvedAxisSuffix, {c, to});
  };
  half(cap.left, left, SideName(-1));
  half(cap.right, right, SideName(1));
  add.Add(SceneKind::kPoint, SceneStyle::kCentre, "C", {c});
  if (cap.left.problem == CapSideProblem::kNone) add.Add(SceneKind::kPoint, SceneStyle::kEdgePoint, "L", {left});
  if (cap.right.problem == CapSideProblem::kNone) add.Add(SceneKind::kPoint, SceneStyle::kEdgePoint, "R", {right});
  for (std::size_t i = 0; i < cap.points.size(); ++i) {
    add.Add(SceneKind::kPoint, SceneStyle::kEdgePoint, "P" + std::to_string(i + 1), {cap.points[i].point});
  }

  add.Add(SceneKind::kArrow, SceneStyle::kNorth, kNorthMark, {view.Pixel(16, 50), view.Pixel(16, 14)});
  const double scale = RoundLength(vp.width * view.mpp / 6);
  add.Add(SceneKind::kPolyline, SceneStyle::kScale, SketchScaleLength(scale),
          {view.Pixel(16, vp.height - 12), view.Pixel(16 + scale / view.mpp, vp.height - 12)});
  const std::vector<std::string> notes{ExactSketchCentreNote(ElementName(cap.centre.kind)),
                                       RoadSketchAxisAzimuth(cap.axisAzimuth)};
  for (std::size_t i = 0; i < notes.size(); ++i) {
    add.Add(SceneKind::kText, SceneStyle::kNote, notes[i], {view.Pixel(36, 6 + kSketchLinePixels * i)});
  }
  return scene;
}

double LabelShift(double low, double high) {
  if (low > high) return low;
  return std::clamp(0.0, low, high);
}

std::vector<std::string> SceneLines(const SketchScene& scene) {
  std::vector<std::string> lines;
  for (const SceneElement& e : scene.elements) {
    const char* kind = "";
    switch (e.kind) {
      case SceneKind::kPoint: kind = "point"; break;
      case SceneKind::kPolyline: kind = "polyline"; break;
      case SceneKind::kText: kind = "text"; break;
      case SceneKind::kArrow: kind = "arrow"; break;
    }
    std::string line = std::string("SCENE\t") + kind + "\t" + e.label;
    for (const PlanePoint& p : e.points) {
      line += "\t" + NumberText(Round3(p.X), ".") + " " + NumberText(Round3(p.Y), ".");
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace capset
