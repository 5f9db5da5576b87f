// Caps on the road, end to end through the script language: a batch typed
// as in the dialog, its rows as the log keeps them and shows them. On a
// straight against the closed form, on the arc against the intersection of
// the axis with the circles R ± DR, on the spiral against the window's own
// solvers, across element joints, at skews from 20° to 160°; the window's
// rows past the spiral's end never counted as done; old jobs keep their
// points.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "batch_texts.h"
#include "dialogue_run.h"
#include "export_formats.h"
#include "job_file.h"
#include "log_row.h"
#include "log_texts.h"
#include "number_text.h"
#include "road_build.h"
#include "road_cap_texts.h"
#include "script_builder.h"
#include "table.h"

namespace capset::testing {
namespace {

constexpr double kRad = std::numbers::pi / 180;

double Gap(PlanePoint a, PlanePoint b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

// An exact batch of `stations` on the job `job`, fields as typed.
DialogueRun ExactBatch(const StartAnswers& job, const std::vector<std::string>& fields,
                       const std::vector<std::string>& stations) {
  Script script;
  script.Start(job).Line(kBatchLine);
  for (const auto& f : fields) script.Line(f);
  for (const auto& s : stations) script.Line("station " + s);
  return RunDialogue(script.Line(kEndLine));
}

const ExactCap& ExactOf(const DialogueRun& run, std::size_t row) {
  const ExactCap* e = run.records.at(row).Exact();
  if (e == nullptr) throw std::runtime_error("not an exact row");
  return *e;
}

struct StraightRow {
  const char* name;
  std::string B;  // packed, as typed
  double degrees;
  std::string DR;  // "7.5" or "6.25 9.5"
  double left, right;
};

class ExactOnTheStraight : public ::testing::TestWithParam<StraightRow> {};

// Before ZH the road is the straight along T: the edges lie at w / sin B
// along the axis, their feet w·cot B along the road, whatever the skew.
TEST_P(ExactOnTheStraight, MatchesTheClosedFormAndTheRowSaysSo) {
  const StraightRow& r = GetParam();
  const StartAnswers job{.T = "30", .R = "150"};
  const DialogueRun run = ExactBatch(job, {"axis own", "dr " + r.DR, "skew " + r.B, "offsets -2 3"}, {"1# 940"});
  ASSERT_EQ(run.records.size(), 1u);
  const ExactCap& e = ExactOf(run, 0);
  ASSERT_TRUE(e.Placed());
  const double t = 30 * kRad, b = r.degrees * kRad, s = -60;
  const PlanePoint c{1000 + s * std::cos(t), 2000 + s * std::sin(t)};
  auto onAxis = [&](double lambda) {
    return PlanePoint{c.X + lambda * std::cos(t + b), c.Y + lambda * std::sin(t + b)};
  };
  EXPECT_LE(Gap(e.cap.centre.point, c), 1e-9);
  EXPECT_LE(Gap(e.cap.right.point.point, onAxis(r.right / std::sin(b))), 1e-9);
  EXPECT_LE(Gap(e.cap.left.point.point, onAxis(-r.left / std::sin(b))), 1e-9);
  EXPECT_NEAR(e.cap.right.point.station.value, 940 + r.right / std::tan(b), 1e-9);
  EXPECT_NEAR(e.cap.left.point.station.value, 940 - r.left / std::tan(b), 1e-9);
  ASSERT_EQ(e.cap.points.size(), 2u);
  EXPECT_LE(Gap(e.cap.points[0].point, onAxis(-2)), 1e-9);
  EXPECT_LE(Gap(e.cap.points[1].point, onAxis(3)), 1e-9);

  // The row: the sides by name, on the straight neither outer nor inner.
  const std::vector<std::string>& row = run.transcript.rows.at(0);
  // Its edges stand where a window row's do, its two points in their own columns.
  ASSERT_EQ(row.size(), std::size_t(ColumnsFor(2)));
  EXPECT_EQ(row[kStatusColumn], kRowSolved);
  EXPECT_EQ(row[kCentreElementColumn], "直线");
  EXPECT_EQ(row[kEdge1Column], "左侧");
  EXPECT_EQ(row[kEdge2Column], "右侧");
  EXPECT_EQ(row[kEdge2ElementColumn], "直线");
  EXPECT_EQ(row[kEdge2XColumn], FixedCoordinateText(onAxis(r.right / std::sin(b)).X));
  EXPECT_EQ(row[kEdge1YColumn], FixedCoordinateText(onAxis(-r.left / std::sin(b)).Y));
  EXPECT_EQ(row[kEdge1LengthColumn], FixedCoordinateText(r.left / std::sin(b)));
  EXPECT_EQ(row[AxisPointColumn(1, 1)], FixedCoordinateText(onAxis(-2).X));
  EXPECT_EQ(row[AxisPointColumn(2, 2)], FixedCoordinateText(onAxis(3).Y));
  EXPECT_EQ(row[AxisPointColumn(2, 3)], "直线");
}

INSTANTIATE_TEST_SUITE_P(
    Skews, ExactOnTheStraight,
    ::testing::Values(StraightRow{"B20", "20", 20, "7.5", 7.5, 7.5},
                      StraightRow{"B45SidesDiffer", "45", 45, "6.25 9.5", 6.25, 9.5},
                      StraightRow{"B60Packed30Minutes", "60.3", 60.5, "7.5", 7.5, 7.5},
                      StraightRow{"B90Square", "90", 90, "4 11", 4, 11},
                      StraightRow{"B120", "120", 120, "7.5", 7.5, 7.5},
                      StraightRow{"B160SidesDiffer", "160", 160, "3 12", 3, 12}),
    RowName<StraightRow>);

// The axis line C + λu meets the circle of radius ρ about O where
// λ² + 2λ (C − O)·u + |C − O|² − ρ² = 0: the root on the side asked for
// (λ > 0 towards the right), the one nearer the centre.
PlanePoint LineCircle(PlanePoint c, double psi, PlanePoint o, double rho, int side) {
  const double ux = std::cos(psi), uy = std::sin(psi), dx = c.X - o.X, dy = c.Y - o.Y;
  const double half = dx * ux + dy * uy, q = dx * dx + dy * dy - rho * rho;
  const double root = std::sqrt(half * half - q);
  double lambda = std::numeric_limits<double>::infinity();
  for (double l : {-half - root, -half + root}) {
    if (l * side > 0 && std::fabs(l) < std::fabs(lambda)) lambda = l;
  }
  return {c.X + lambda * ux, c.Y + lambda * uy};
}

struct ArcRow {
  const char* name;
  std::string P;
  std::string B;
  std::string DR;
  double left, right;
};

class ExactOnTheArc : public ::testing::TestWithParam<ArcRow> {};

// Past HY the road is the arc of R 150: each edge line is the concentric
// circle R ∓ DR, the inner one on the side the road turns to.
TEST_P(ExactOnTheArc, MeetsTheConcentricCircles) {
  const ArcRow& r = GetParam();
  const DialogueRun run = ExactBatch({.R = "150", .B = r.B, .P = r.P}, {"axis own", "dr " + r.DR}, {"1100", "1140"});
  const RoadBuild road = RoadFromJob({JobEnd::kZH, 1000, {1000, 2000}, 45, 150, 100, r.P == "1" ? 1 : -1});
  ASSERT_TRUE(road.road);
  const int turn = r.P == "1" ? 1 : -1;
  for (std::size_t i = 0; i < run.records.size(); ++i) {
    SCOPED_TRACE(i);
    const ExactCap& e = ExactOf(run, i);
    ASSERT_TRUE(e.Placed());
    const RoadPose pose = road.road->PoseAt(e.cap.centre.distance);
    // The centre of the arc lies R along the normal on the turning side.
    const PlanePoint o{pose.point.X - turn * 150 * std::sin(pose.heading),
                       pose.point.Y + turn * 150 * std::cos(pose.heading)};
    const double psi = pose.heading + std::stod(r.B) * kRad;
    EXPECT_LE(Gap(e.cap.right.point.point, LineCircle(pose.point, psi, o, 150 - turn * r.right, 1)), 1e-8);
    EXPECT_LE(Gap(e.cap.left.point.point, LineCircle(pose.point, psi, o, 150 + turn * r.left, -1)), 1e-8);
    EXPECT_EQ(e.cap.centre.kind, ElementKind::kArc);
    EXPECT_EQ(e.outerSide, -turn);
    const std::vector<std::string>& row = run.transcript.rows.at(i);
    EXPECT_EQ(row[turn > 0 ? kEdge1Column : kEdge2Column], turn > 0 ? "左侧（外侧）" : "右侧（外侧）");
    EXPECT_EQ(row[turn > 0 ? kEdge2Column : kEdge1Column], turn > 0 ? "右侧（内侧）" : "左侧（内侧）");
    EXPECT_EQ(row[kCurveColumn], turn > 0 ? "圆曲线 右偏" : "圆曲线 左偏");
  }
}

INSTANTIATE_TEST_SUITE_P(Turns, ExactOnTheArc,
                         ::testing::Values(ArcRow{"RightB60", "1", "60", "7.5", 7.5, 7.5},
                                           ArcRow{"LeftB120SidesDiffer", "-1", "120", "6.25 9.5", 6.25, 9.5},
                                           ArcRow{"RightB30Wide", "1", "30", "12", 12, 12}),
                         RowName<ArcRow>);

// On the spiral the window's series are good to well under a millimetre:
// its outer and inner points are the exact left and right ones (right turn).
TEST(ExactOnTheSpiral, AgreesWithTheWindowWithinItsSeriesError) {
  const std::vector<std::string> stations{"1010", "1030", "1050", "1060"};
  Script window;
  window.Start({}).Batch({"parallel", "7.5", "0.0001", "", stations});
  const DialogueRun byWindow = RunDialogue(window);
  const DialogueRun exact = ExactBatch({}, {"dr 7.5"}, stations);
  ASSERT_EQ(byWindow.records.size(), stations.size());
  for (std::size_t i = 0; i < stations.size(); ++i) {
    SCOPED_TRACE(stations[i]);
    const CapSolution* s = byWindow.records[i].Solution();
    ASSERT_NE(s, nullptr);
    const ExactCap& e = ExactOf(exact, i);
    EXPECT_LE(Gap(s->centre, e.cap.centre.point), 1e-6);
    EXPECT_LE(Gap(s->outer.point, e.cap.left.point.point), 2e-4);
    EXPECT_LE(Gap(s->inner.point, e.cap.right.point.point), 2e-4);
    EXPECT_EQ(e.cap.centre.kind, ElementKind::kSpiral);
  }
}

// Every edge of a bridge that runs from the straight over the spiral onto
// the arc, at every skew, is a true edge: on the axis, at its half-width square to its foot,
// and its row names the element its foot lies on, which need not be the
// centre's.
struct SkewRow {
  const char* name;
  std::string B;
};

class ExactAcrossJoints : public ::testing::TestWithParam<SkewRow> {};

TEST_P(ExactAcrossJoints, EveryEdgeIsTrueAndNamesItsOwnElement) {
  const StartAnswers real{.KZH = "34950", .R = "600", .A1 = "300", .Kj = "35020"};
  std::vector<std::string> stations;
  for (int k = 34940; k <= 35240; k += 3) stations.push_back(std::to_string(k));
  stations.push_back("35101.5");  // the centre on the arc, its left edge back on the spiral
  // Each axis at B to its own tangent: parallel to the design cap's, a
  // skew of 20° would turn along the arc 200 m on, and say so.
  const DialogueRun run =
      ExactBatch(real, {"axis own", "dr 6.5 9", "offsets -4 4", "skew " + GetParam().B}, stations);
  const RoadBuild road = RoadFromJob({JobEnd::kZH, 34950, {1000, 2000}, 45, 600, 300, 1});
  ASSERT_TRUE(road.road);
  bool crossed = false;
  for (std::size_t i = 0; i < run.records.size(); ++i) {
    SCOPED_TRACE(stations[i]);
    const ExactCap& e = ExactOf(run, i);
    ASSERT_TRUE(e.Placed());
    for (int side : {-1, 1}) {
      const RoadCapEdge& edge = e.Edge(side);
      ASSERT_EQ(edge.problem, CapSideProblem::kNone);
      const RoadFoot foot = road.road->Where(edge.point.point);
      ASSERT_EQ(foot.status, WhereStatus::kOnRoad);
      EXPECT_NEAR(foot.offset, side > 0 ? 9 : -6.5, 1e-9);
      EXPECT_NEAR(foot.station.value, edge.point.station.value, 1e-9);
      const std::string& element = run.transcript.rows[i][side > 0 ? kEdge2ElementColumn : kEdge1ElementColumn];
      EXPECT_EQ(element, ElementName(edge.point.kind));
      crossed = crossed || edge.point.kind != e.cap.centre.kind;
    }
  }
  // A square cap's edges stand beside its centre; a skewed one's reach over a joint.
  if (GetParam().B != "90") {
    EXPECT_TRUE(crossed) << "no edge landed on another element than its centre";
  }
  if (GetParam().B != "60") return;
  const std::vector<std::string>& last = run.transcript.rows.back();
  EXPECT_EQ(last[kCentreElementColumn], "圆曲线");
  EXPECT_EQ(last[kEdge1ElementColumn], "缓和曲线");
}

INSTANTIATE_TEST_SUITE_P(Skews, ExactAcrossJoints,
                         ::testing::Values(SkewRow{"B20", "20"}, SkewRow{"B45", "45"}, SkewRow{"B60", "60"},
                                           SkewRow{"B90", "90"}, SkewRow{"B135", "135"}, SkewRow{"B160", "160"}),
                         RowName<SkewRow>);

// Parallel to the design cap at K35+020, a skew of 20° leaves a cap 220 m on
// round the curve with an axis almost along the road: its side says that,
// and no point is given for it.
TEST(ExactSideNotSolved, SaysTheTrueCause) {
  const StartAnswers real{.KZH = "34950", .R = "600", .A1 = "300", .Kj = "35020", .B = "20"};
  const DialogueRun run = ExactBatch(real, {"dr 7.5"}, {"35240"});
  const ExactCap& e = ExactOf(run, 0);
  ASSERT_TRUE(e.Placed());
  EXPECT_LT(e.cap.skewAtCentre, 2);
  const int outer = e.outerSide;
  EXPECT_EQ(e.Edge(outer).problem, CapSideProblem::kNone);
  EXPECT_EQ(e.Edge(-outer).problem, CapSideProblem::kAxisAlongRoad);
  EXPECT_EQ(run.transcript.rows[0][kStatusColumn], CapSideProblemText(-outer, CapSideProblem::kAxisAlongRoad));
  EXPECT_EQ(PointsOf(run.records[0]).size(), 2u);
}

// The bents of R 150 and A 100 by the window's formulas: those past the
// spiral's end are counted apart, their status leads with the warning, and
// an export that holds them asks first.
TEST(WindowPastTheSpiralEnd, IsNeverCountedAsDone) {
  const std::vector<std::string> stations{"1# 1020", "2# 1040", "3# 1060", "4# 1080", "5# 1100", "6# 1180"};
  Script script;
  script.Start({.R = "150"}).Batch({"parallel", "7.5", "0.0001", "", stations});
  script.Line("@export dat caps.dat").Cancel();
  const DialogueRun run = RunDialogue(script);
  const std::vector<std::string> notices = run.Events("NOTICE");
  ASSERT_FALSE(notices.empty());
  EXPECT_EQ(notices[0], OneLine(BatchSummaryMessage(6, 3, 3)));
  for (std::size_t i = 3; i < 6; ++i) {
    const std::string& status = run.transcript.rows[i][kStatusColumn];
    EXPECT_TRUE(status.starts_with("超出缓和曲线终点")) << status;
    EXPECT_EQ(status.find(kRowSolved), std::string::npos) << status;
    EXPECT_EQ(status.find("交角过小或过大"), std::string::npos) << status;
  }
  // 6#'s inner foot runs away on the arc: its cause is the arc, not the skew.
  EXPECT_NE(run.transcript.rows[5][kStatusColumn].find("内侧未求得：其垂足点超出缓和曲线终点"), std::string::npos);
  const std::vector<std::string> prompts = run.Events("PROMPT");
  ASSERT_FALSE(prompts.empty());
  EXPECT_NE(prompts.back().find("第 4–6 行按窗口公式计算"), std::string::npos);
}

// A job file written before batches were computed on the road opens as a
// batch by the window's formulas, so its points along the axis (counted
// towards the outer edge) stay where they were.
TEST(OldJobFile, OpensAsAWindowBatchWithItsPoints) {
  const std::string v1 =
      R"({"format": "capset-job", "version": 1, "decimal": ".",
 "start": {"KZH": "1000", "X": "1000", "Y": "2000", "T": "45", "R": "150", "A1": "100", "Kj": "1050", "B": "60", "P": "1"},
 "batch": {"axis": "own", "DR": "7.5", "precision": "0.0001", "offsets": "-3.5 3.5", "stations": ["3# K1+040"]}})";
  const auto read = ReadJobFile(v1);
  ASSERT_TRUE(std::holds_alternative<JobFile>(read));
  const BatchInput& batch = *std::get<JobFile>(read).batch;
  EXPECT_EQ(batch.method, CapMethod::kWindow);

  // Run as opened, and as the window's batch always ran it.
  std::istringstream in("@start\n1000\n1000\n2000\n45\n150\n100\n1050\n60\n1\n");
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {}, FixedClock());
  PlayScript(lines, target, out);
  ASSERT_TRUE(target.Session().Batch(batch));
  Script before;
  before.Start({.R = "150"}).Batch({"own", "7.5", "0.0001", "-3.5 3.5", {"3# K1+040"}});
  const DialogueRun was = RunDialogue(before);
  const CapRecord& now = target.Log().At(0);
  ASSERT_EQ(now.axisPoints.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(now.axisPoints[i].point, was.records[0].axisPoints[i].point);
  }
  // Saved again, it stays a window batch.
  const JobFile again = std::get<JobFile>(ReadJobFile(WriteJobFile({*target.Session().TypedAnswers(), batch})));
  EXPECT_EQ(again.batch->method, CapMethod::kWindow);
}

// The point file names an exact row's points by side, a window row's as
// the window does.
TEST(ExactExport, NamesPointsBySide) {
  Script script;
  script.Start({}).Batch({"parallel", "7.5", "0.0001", "3", {"1# 1050"}});
  script.Line("@batch").Line("dr 7.5").Line("offsets 3").Line("station 2# 1050").Line(kEndLine);
  const DialogueRun run = RunDialogue(script);
  ASSERT_EQ(run.records.size(), 2u);
  std::vector<std::string> names;
  for (const CapRecord& r : run.records) {
    for (const auto& [name, point] : PointsOf(r)) names.push_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"C", "O", "I", "P1", "C", "L", "R", "P1"}));
  // The same cap: the window's outer edge is the exact left one; its P1
  // lies 3 m towards the outer edge, the exact P1 3 m towards the right.
  const auto window = PointsOf(run.records[0]), exact = PointsOf(run.records[1]);
  EXPECT_LE(Gap(window[1].second, exact[1].second), 1e-3);
  EXPECT_LE(Gap(window[2].second, exact[2].second), 1e-3);
  EXPECT_GT(Gap(window[3].second, exact[3].second), 5.9);
  // In one file both rows' edges stand in the same columns: the window's
  // outer edge and the exact left one, the same point, side by side.
  EXPECT_NE(ExportText(ExportFormat::kCsv, {&run.records[0], &run.records[1]}).find("边点一线元"), std::string::npos);
  const RowTexts w = RowTextsOf(run.records[0], "."), e = RowTextsOf(run.records[1], ".");
  EXPECT_EQ(w[kEdge1Column], "外侧");
  EXPECT_TRUE(e[kEdge1Column].starts_with("左侧")) << e[kEdge1Column];
  EXPECT_NEAR(std::stod(w[kEdge1XColumn]), std::stod(e[kEdge1XColumn]), 1.5e-3);
  EXPECT_NEAR(std::stod(w[kEdge1YColumn]), std::stod(e[kEdge1YColumn]), 1.5e-3);
  EXPECT_NEAR(std::stod(w[kEdge2XColumn]), std::stod(e[kEdge2XColumn]), 1.5e-3);
}

// Compute past the spiral's end keeps the window's boxes and tells the
// exact points beside them.
TEST(ComputePastTheSpiralEnd, TellsTheExactPoints) {
  Script script;
  script.Start({.KZH = "34950", .R = "600", .A1 = "300", .Kj = "35020"}).Compute({"35230", "7.5", "0.0001"});
  const DialogueRun run = RunDialogue(script);
  EXPECT_EQ(run.Box(23), "1165.909");
  const std::vector<std::string> notices = run.Events("NOTICE");
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].find("中桩 X 1169.531 Y 2220.786（显示的点与之相差 4.062 m）"), std::string::npos) << notices[0];
  EXPECT_NE(notices[0].find("外侧（左侧） X 1172.702 Y 2210.120"), std::string::npos) << notices[0];
}

// A bridge on a road of the job's own needs no Start when its skew and
// design station are typed; without them the batch names the fields. The
// same list run again on another road is another batch, not a repeat.
TEST(ExactOnTheJobsRoad, NeedsNoStartAndCountsTheRoadInARepeat) {
  std::istringstream in;
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {}, FixedClock());
  CapSession& session = target.Session();
  // A straight of 500 m from K2+000 heading east, then an arc of R 200 to the right.
  const ElementRoadInput road{2000, {5000, 8000}, 90, {{ElementKind::kLine, 500}, {ElementKind::kArc, 300, 200}}, {}};
  ASSERT_FALSE(session.SetRoad(road));
  BatchInput batch;
  batch.DR = "5";
  batch.stations = {"A 2100", "B K2+600"};
  EXPECT_FALSE(session.Batch(batch));
  EXPECT_NE(out.str().find(std::string(kBatchSkewField) + "：" + kNoSkewToDefault), std::string::npos) << out.str();
  EXPECT_NE(out.str().find(std::string(kBatchDesignField) + "：" + kNoDesignToDefault), std::string::npos);
  batch.skew = "90";
  batch.design = "2100";
  ASSERT_TRUE(session.Batch(batch));
  ASSERT_EQ(session.Log().Size(), 2);
  const ExactCap* a = session.Log().At(0).Exact();
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->origin.road, CapRoad::kJobRoad);
  // On the straight heading east, square: the left edge 5 m north.
  EXPECT_LE(Gap(a->cap.left.point.point, {5005, 8100}), 1e-9);
  EXPECT_EQ(session.Log().At(1).Exact()->cap.centre.kind, ElementKind::kArc);

  // The same list on a road moved 1 m north runs without asking.
  ElementRoadInput moved = road;
  moved.start.X += 1;
  ASSERT_FALSE(session.SetRoad(moved));
  const std::size_t before = out.str().size();
  ASSERT_TRUE(session.Batch(batch));
  EXPECT_EQ(out.str().find("PROMPT", before), std::string::npos) << out.str().substr(before);
  EXPECT_EQ(session.Log().Size(), 4);
}

// A row solved on a road of its own has no spiral end, R, A1 or P of a
// window job, and no precision: each shows a dash, never a 0 that reads as
// a value. Its edges stand in the columns a window row's do.
TEST(ExactOnARoad, RowShowsWhatTheRoadLacksAsADash) {
  Script script;
  script.Line("@road").Line("start 0 1000 2000 45").Line("line 500").Line(kEndLine);
  script.Line(kBatchLine).Line("skew 90").Line("design 100").Line("dr 7.5").Line("station 1# 100").Line(kEndLine);
  const DialogueRun run = RunDialogue(script);
  ASSERT_EQ(run.transcript.rows.size(), 1u);
  const std::vector<std::string>& row = run.transcript.rows[0];
  EXPECT_EQ(row[kStatusColumn], kRowSolved);
  EXPECT_EQ(row[kOriginColumn], "道路起点");
  for (int column : {kRColumn, kA1Column, kPColumn, kPrecisionColumn}) EXPECT_EQ(row[column], "-") << column;
  // Square on a straight running 45°: the left edge 7.5 m to the north-west.
  const double h = 7.5 / std::sqrt(2.0);
  const PlanePoint c{1000 + 100 / std::sqrt(2.0), 2000 + 100 / std::sqrt(2.0)};
  EXPECT_EQ(row[kEdge1Column], "左侧");
  EXPECT_EQ(row[kEdge1XColumn], FixedCoordinateText(c.X + h));
  EXPECT_EQ(row[kEdge1YColumn], FixedCoordinateText(c.Y - h));
  EXPECT_EQ(row[kEdge2XColumn], FixedCoordinateText(c.X - h));
  EXPECT_EQ(row[kEdge2LengthColumn], FixedCoordinateText(7.5));
  EXPECT_EQ(row.size(), std::size_t(kFixedColumnCount));
}

}  // namespace
}  // namespace capset::testing
