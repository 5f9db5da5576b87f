// Skewed caps, Cmd1 to Cmd4: one algorithm, four rule rows.
//
// The cap axis has one direction for the whole job: it makes the angle B,
// clockwise, with the forward centreline tangent at the design station Kj.
// The centre is placed on the spiral at Kp, and on each road side the edge
// point is found by iterating on the spiral distance of its foot point.
//
// Notation
//   l        spiral distance of the centre: Kp − KZH on the ZH-end spiral,
//            KHZ − Kp on the HZ-end spiral (measured back from HZ)
//   βj       tangent angle at the design station
//   ψ1, ψ2   the axis azimuth (T + s·βj) + B and its opposite ψ1 + 180;
//            T points forward at ZH and backward at HZ, so ψ1 points to the
//            right-hand edge on the ZH spiral and to the left-hand on the HZ
//   k        straight-road offset of the foot points from the centre:
//            DR / tan B, or DR / tan(180 − B) with the signs turned for B > 90
//   s        side of the turn seen from the origin along T

#include <cmath>
#include <string>

#include "cap_result.h"
#include "cap_solvers.h"
#include "edge_iteration.h"
#include "fault.h"
#include "messages.h"
#include "number_text.h"
#include "questions.h"
#include "solver_prompts.h"
#include "station_text.h"

namespace capset {
namespace {

enum class SpiralEnd { kZH, kHZ };

struct SideRule {
  EdgeSide edge;
  bool targetsFirstAxis;  // ψ1, else ψ2
  double startSign;       // start = l + startSign·k (B < 90); l − startSign·k (B > 90)
  const char* prefix;     // of the foot station text
  KmRule km;
};

struct SkewRule {
  SpiralEnd end;
  double s;
  Fold firstAxisFold;
  Fold centreChordFold;
  Fold footChordFold;
  const char* drEchoLead;  // put before the DR echo
  SideRule inner;          // the side the curve turns to, solved first
  SideRule outer;
};

constexpr EdgeSide kRightOfTangent{+90, Fold::kHigh, +1};

// Cmd1: ZH, curve to the right; the inner side is the right-hand edge.
constexpr SkewRule kCmd1{SpiralEnd::kZH, +1, Fold::kHighThenLow, Fold::kHigh, Fold::kHigh, "  ",
                         {kRightOfTangent, true, +1, "k", KmRule::kFloor},
                         {{-90, Fold::kLow, -1}, false, -1, "K", KmRule::kFloor}};
// Cmd2: ZH, curve to the left; the inner side is the left-hand edge.
constexpr SkewRule kCmd2{SpiralEnd::kZH, -1, Fold::kHighThenLow, Fold::kLow, Fold::kNone, "  ",
                         {{-90, Fold::kLow, -1}, false, -1, "K", KmRule::kTruncate},
                         {{+90, Fold::kLowThenHigh, +1}, true, +1, "K", KmRule::kFloor}};
// Cmd3: HZ, curve to the right. Walking from HZ along T the spiral turns
// left; the inner (right-hand) edge lies left of the backward tangent.
constexpr SkewRule kCmd3{SpiralEnd::kHZ, -1, Fold::kLow, Fold::kLow, Fold::kNone, "",
                         {{-90, Fold::kHighThenLow, -1}, false, -1, "k", KmRule::kFloor},
                         {{+90, Fold::kLowThenHigh, +1}, true, +1, "K", KmRule::kFloor}};
// Cmd4: HZ, curve to the left, Cmd3 mirrored.
constexpr SkewRule kCmd4{SpiralEnd::kHZ, +1, Fold::kHigh, Fold::kHigh, Fold::kNone, "",
                         {{+90, Fold::kHighThenLow, +1}, true, +1, "k", KmRule::kFloor},
                         {{-90, Fold::kLowThenHigh, -1}, false, -1, "K", KmRule::kFloor}};

struct Job {
  double station;  // KZH or KHZ
  double X, Y, T, A1, B, Kj, rho, Pi;
};

const char* EndName(SpiralEnd end) { return end == SpiralEnd::kZH ? "ZH" : "HZ"; }

double DistanceOf(SpiralEnd end, double origin, double station) {
  return end == SpiralEnd::kZH ? station - origin : origin - station;
}

double StationOf(SpiralEnd end, double origin, double distance) {
  return end == SpiralEnd::kZH ? origin + distance : origin - distance;
}

// Why a side has no result, for the notice after the run; empty when solved.
std::string SolveSide(const SkewRule& rule, const SideRule& side, const char* name, const Job& job,
                      const SpiralFrame& frame, const EdgeSearch& common, double l, double k, double axis1,
                      double axis2, const std::string& sep, SideTexts& texts) {
  EdgeSearch search = common;
  const double sign = job.B < 90 ? side.startSign : -side.startSign;
  search.start = l + sign * k;
  search.target = side.targetsFirstAxis ? axis1 : axis2;
  const std::string side_name = name;
  if (search.start < 0) {
    return side_name + "未计算：其垂足点将位于 " + EndName(rule.end) + (rule.end == SpiralEnd::kZH ? " 之前" : " 之后") +
           "，不在缓和曲线上。";
  }
  const EdgeResult r = FindEdgePoint(frame, side.edge, search);
  switch (r.outcome) {
    case EdgeResult::Outcome::kConverged:
      texts = {StationText(StationOf(rule.end, job.station, r.lambda), side.prefix, side.km, MetreRule::kRounded),
               CoordinateText(r.edge.X, sep), CoordinateText(r.edge.Y, sep), CoordinateText(r.length, sep)};
      return "";
    case EdgeResult::Outcome::kBoundReached:
      return side_name + "未收敛：迭代 " + std::to_string(kMaxEdgeRounds) + " 次仍未达到要求的精度。";
    case EdgeResult::Outcome::kRanAway:
      break;
  }
  return side_name + "未收敛：迭代发散，未能达到要求的精度（盖梁与中线交角过小或过大）。";
}

void SolveSkewedCap(const SkewRule& rule, const Job& job, SolverAnswers answers, Seam& seam) {
  if (job.B == 0 || job.B == 180) {
    seam.reporter.ReportError(RefusedJobMessage("交角 B 为 0 或 180 度，盖梁横轴与中线平行，与路基边缘没有交点。"));
    return;
  }
  if (job.A1 == 0) {
    seam.reporter.ReportError(RefusedJobMessage("缓和曲线要素 A1 为 0。"));
    return;
  }

  Questions ask(seam);
  const std::string sep = seam.reader.DecimalSeparator();
  const auto kp = ask.Double(kAskKp, [&](double kp) {
    if (DistanceOf(rule.end, job.station, kp) < 0) {
      throw Refusal{rule.end == SpiralEnd::kZH ? "Kp 小于直缓点桩号，盖梁中心不在缓和曲线上。"
                                               : "Kp 大于缓直点桩号，盖梁中心不在缓和曲线上。"};
    }
  });
  if (!kp) return;
  answers.Kp = *kp;
  // With DR = 0 the edge point is the foot point itself and the iteration
  // cannot settle; with a precision of 0 or below it can never stop.
  const auto dr = ask.Float(kAskDR, [](double dr) {
    if (dr == 0) throw Refusal{"DR 不能为 0。"};
  });
  if (!dr) return;
  answers.DR = *dr;
  const auto precision = ask.Float(kAskPrecision, [](double p) {
    if (!(p > 0)) throw Refusal{"计算精度须大于 0。"};
  });
  if (!precision) return;
  answers.Precision = *precision;

  const double rho = job.rho;
  const double w = static_cast<double>(answers.DR);

  const double betaJ = TangentAngle(DistanceOf(rule.end, job.station, job.Kj), job.A1, job.Pi);
  const double axis1 = IntoRange((job.T + rule.s * betaJ) + job.B, rule.firstAxisFold);
  const double axis2 = IntoRange(axis1 + 180, Fold::kHigh);

  const double l = DistanceOf(rule.end, job.station, answers.Kp);
  const Chord chord = ChordOf(SpiralLocal(l, job.A1, 4), rho);
  const PlanePoint centre =
      Polar({job.X, job.Y}, chord.length, IntoRange(job.T + rule.s * chord.deflection, rule.centreChordFold), rho);

  constexpr const char* kStart = "垂足点起始值";
  const double k = job.B < 90 ? Quotient(w, std::tan(job.B / rho), kStart)
                              : Quotient(w, std::tan((180 - job.B) / rho), kStart);

  const SpiralFrame frame{{job.X, job.Y}, job.T, rule.s, job.A1, rho, job.Pi, rule.footChordFold};
  const EdgeSearch common{0, 0, centre, l, w, static_cast<double>(answers.Precision), std::fabs(k) + std::fabs(w)};

  CapResult result;
  result.centreStation = CentreStationText(answers.Kp);
  result.DR = rule.drEchoLead + NumberText(answers.DR, sep);
  result.precision = PrecisionEcho(answers.Precision, sep);
  result.centreX = CoordinateText(centre.X, sep);
  result.centreY = CoordinateText(centre.Y, sep);
  const std::string innerWhy =
      SolveSide(rule, rule.inner, "内侧", job, frame, common, l, k, axis1, axis2, sep, result.inner);
  const std::string outerWhy =
      SolveSide(rule, rule.outer, "外侧", job, frame, common, l, k, axis1, axis2, sep, result.outer);
  WriteResult(result, seam.boxes);

  std::string notice;
  for (const std::string& why : {innerWhy, outerWhy}) {
    if (!why.empty()) notice += why + "\n";
  }
  if (!notice.empty()) seam.reporter.ReportNotice(notice + "未求得结果的一侧，其四个结果框已清空。");
}

}  // namespace

void Cmd1(double KZH, double X, double Y, double T, double /*R*/, double A1, double B, double Kj, double DegPerRad,
          double Pi, SolverAnswers answers, Seam& seam) {
  SolveSkewedCap(kCmd1, {KZH, X, Y, T, A1, B, Kj, DegPerRad, Pi}, answers, seam);
}

void Cmd2(double KZH, double X, double Y, double T, double /*R*/, double A1, double B, double Kj, double DegPerRad,
          double Pi, SolverAnswers answers, Seam& seam) {
  SolveSkewedCap(kCmd2, {KZH, X, Y, T, A1, B, Kj, DegPerRad, Pi}, answers, seam);
}

void Cmd3(double KHZ, double X, double Y, double T, double /*R*/, double A1, double B, double Kj, double DegPerRad,
          double Pi, SolverAnswers answers, Seam& seam) {
  SolveSkewedCap(kCmd3, {KHZ, X, Y, T, A1, B, Kj, DegPerRad, Pi}, answers, seam);
}

void Cmd4(double KHZ, double X, double Y, double T, double /*R*/, double A1, double B, double Kj, double DegPerRad,
          double Pi, SolverAnswers answers, Seam& seam) {
  SolveSkewedCap(kCmd4, {KHZ, X, Y, T, A1, B, Kj, DegPerRad, Pi}, answers, seam);
}

}  // namespace capset
