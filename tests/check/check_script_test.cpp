// @check end to end through the dialogue target: a window's cap computed,
// its design points measured back with known deviations, and every refusal
// of the block, which checks nothing and leaves the job and the log alone.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "check_texts.h"
#include "dialogue_run.h"
#include "measured_points.h"
#include "script_builder.h"
#include "table.h"
#include "worked_cases.h"

namespace capset::testing {
namespace {

// The CHECK lines' fields after the tag.
std::vector<std::vector<std::string>> Checks(const DialogueRun& run) {
  std::vector<std::vector<std::string>> checks;
  for (const std::string& e : run.transcript.events) {
    if (e.starts_with("CHECK\t")) checks.push_back(TabFields(e.substr(6)));
  }
  return checks;
}

std::string PointLine(const std::string& name, PlanePoint p) {
  char line[128];
  std::snprintf(line, sizeof line, "point %s %.6f %.6f", name.c_str(), p.X, p.Y);
  return line;
}

struct WindowCapRow {
  const char* name;
  Script job;           // a Start and a Compute
  double innerSide;     // +1 where the inner edge is the right-hand one
  double DR;
};

class CheckAgainstWindowCap : public ::testing::TestWithParam<WindowCapRow> {};

// The centre as staked, the inner edge 5 mm off and the outer 20 mm off:
// each comes back on row 1 with its name, its deviation and its flag, and
// the sign of its place along the axis is the side of the road it stands on.
TEST_P(CheckAgainstWindowCap, FindsEachPointOnItsSide) {
  const WindowCapRow& row = GetParam();
  const DialogueRun computed = RunDialogue(row.job);
  ASSERT_EQ(computed.records.size(), 1u);
  const CapSolution& s = *computed.records[0].Solution();
  const PlanePoint I{s.inner.point.X + 0.003, s.inner.point.Y - 0.004};
  const PlanePoint O{s.outer.point.X + 0.02, s.outer.point.Y};
  const DialogueRun run = RunDialogue(Script(row.job)
                                          .Line("@check")
                                          .Line(PointLine("C1", s.centre))
                                          .Line(PointLine("I1", I))
                                          .Line(PointLine("O1", O))
                                          .Line("@end"));
  const std::vector<std::vector<std::string>> checks = Checks(run);
  ASSERT_EQ(checks.size(), 3u) << ::testing::PrintToString(run.transcript.events);
  struct Expected {
    const char* name;
    const char* nearest;
    double along, dX, dY;
    const char* flag;
  };
  const Expected expected[] = {{"C1", "C", 0, 0, 0, "ok"},
                               {"I1", "I", row.innerSide * s.inner.length, 0.003, -0.004, "ok"},
                               {"O1", "O", -row.innerSide * s.outer.length, 0.02, 0, "over"}};
  for (int i = 0; i < 3; ++i) {
    const std::vector<std::string>& f = checks[i];
    ASSERT_EQ(f.size(), 11u) << ::testing::PrintToString(f);
    EXPECT_EQ(f[0], expected[i].name);
    EXPECT_EQ(f[3], "1");
    // Off the design point by the move at most, which the axis takes its share of.
    const double move = std::hypot(expected[i].dX, expected[i].dY);
    EXPECT_NEAR(std::stod(f[4]), expected[i].along, move + 1e-6) << ::testing::PrintToString(f);
    EXPECT_EQ(f[6], expected[i].nearest);
    // The points went in with 6 decimals.
    EXPECT_NEAR(std::stod(f[7]), expected[i].dX, 2e-6);
    EXPECT_NEAR(std::stod(f[8]), expected[i].dY, 2e-6);
    EXPECT_NEAR(std::stod(f[9]), move, 2e-6);
    EXPECT_EQ(f[10], expected[i].flag);
    // The Start job's exact road puts an edge at its half-width, on the
    // side its place along the axis says.
    if (i > 0) {
      EXPECT_NEAR(std::fabs(std::stod(f[2])), row.DR, 0.03) << ::testing::PrintToString(f);
      EXPECT_GT(std::stod(f[2]) * std::stod(f[4]), 0) << ::testing::PrintToString(f);
    }
  }
  EXPECT_NEAR(std::stod(checks[0][2]), 0, 1e-3);
  EXPECT_EQ(run.records.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Check, CheckAgainstWindowCap,
    ::testing::Values(WindowCapRow{"Cmd1_ZHRight", Script().Start({.R = "150"}).Compute(kZHBaseCompute), +1, 7.5},
                      WindowCapRow{"Cmd2_ZHLeft", Script().Start({.P = "-1"}).Compute(kZHBaseCompute), -1, 7.5},
                      WindowCapRow{"Cmd1_B120", Script().Start({.B = "120"}).Compute(kZHBaseCompute), +1, 7.5},
                      WindowCapRow{"Cmd3_HZRight", Script().Start(kHZJob).Compute(kHZCompute), +1, 6},
                      WindowCapRow{"Cmd4_HZLeft", Script().Start(With(kHZJob, &StartAnswers::P, "-1")).Compute(kHZCompute),
                                   -1, 6},
                      WindowCapRow{"Cmd5_SquareLeft",
                                   Script().Start(With(kSquareJob, &StartAnswers::P, "-1")).Compute(kSquareCompute), -1,
                                   6}),
    RowName<WindowCapRow>);

// A bridge solved exactly on the Start job's road: its rows name their
// edges L and R by the side of increasing stations, and a point measured
// beside each comes back with that name, on its own row and side.
TEST(CheckAgainstExactCaps, NamesTheEdgesBySide) {
  const Script bridge = Script()
                            .Start({.R = "150"})
                            .Line("@batch")
                            .Line("method exact")
                            .Line("dr 6.5 8")
                            .Line("offsets -3 3")
                            .Line("station 1# K1+040")
                            .Line("station 2# K1+070")
                            .Line("@end");
  const DialogueRun solved = RunDialogue(bridge);
  ASSERT_EQ(solved.records.size(), 2u);
  Script checked = Script(bridge).Line("@check");
  struct Expected {
    std::string name;
    int row;
    double along;
  };
  std::vector<Expected> expected;
  for (int r = 0; r < 2; ++r) {
    const ExactCap* exact = solved.records[r].Exact();
    ASSERT_TRUE(exact != nullptr && exact->Placed());
    const RoadCap& cap = exact->cap;
    const std::pair<std::string, const RoadCapPoint*> named[] = {
        {"C", &cap.centre}, {"L", &cap.left.point}, {"R", &cap.right.point}, {"P1", &cap.points[0]}, {"P2", &cap.points[1]}};
    for (const auto& [name, p] : named) {
      checked.Line(PointLine(name, {p->point.X + 0.004, p->point.Y - 0.003}));
      expected.push_back({name, solved.records[r].number, p->along});
    }
  }
  const std::vector<std::vector<std::string>> checks = Checks(RunDialogue(checked.Line("@end")));
  ASSERT_EQ(checks.size(), expected.size());
  for (std::size_t i = 0; i < checks.size(); ++i) {
    const std::vector<std::string>& f = checks[i];
    EXPECT_EQ(f[3], std::to_string(expected[i].row)) << ::testing::PrintToString(f);
    EXPECT_EQ(f[6], expected[i].name) << ::testing::PrintToString(f);
    EXPECT_NEAR(std::stod(f[4]), expected[i].along, 0.005 + 1e-6);
    EXPECT_NEAR(std::stod(f[9]), 0.005, 2e-6);
    EXPECT_EQ(f[10], "ok");
    // The offset of a point on the right-hand side is positive.
    if (expected[i].name != "C") {
      EXPECT_GT(std::stod(f[2]) * std::stod(f[4]), 0) << ::testing::PrintToString(f);
    }
  }
}

struct RefusalRow {
  const char* name;
  Script script;
  std::vector<std::string> reports;  // every MESSAGE and NOTICE, in order
  int checks;                        // CHECK lines
};

class CheckRefusal : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(CheckRefusal, SaysWhatToDoAndChangesNothing) {
  const RefusalRow& row = GetParam();
  const DialogueRun run = RunDialogue(row.script);
  EXPECT_EQ(run.transcript.Reports(), row.reports);
  EXPECT_EQ(Checks(run).size(), static_cast<std::size_t>(row.checks));
}

const Script kBase = Script().Start({}).Compute(kZHBaseCompute);

INSTANTIATE_TEST_SUITE_P(
    Check, CheckRefusal,
    ::testing::Values(
        RefusalRow{"NoRoadYet", Script().Line("@check").Line("point M 1 2").Line("@end"), {Error(kCheckNeedsRoad)}, 0},
        RefusalRow{"NoCapYetGivesThePlaceAlone", Script().Start({}).Line("@check").Line("point M 1033.829 2036.772").Line("@end"),
                   {Notice(kCheckNeedsCap)}, 1},
        RefusalRow{"EmptyBlock", Script(kBase).Line("@check").Line("tolerance 0.01").Line("@end"),
                   {Error(kNoCheckPoints)}, 0},
        RefusalRow{"NegativeTolerance", Script(kBase).Line("@check").Line("tolerance -0.01").Line("point M 1 2").Line("@end"),
                   {Error(CheckPointsRejected({CheckLineProblem(1, "tolerance -0.01", kToleranceNegative)}, 20))}, 0},
        RefusalRow{"BadLinesEachNamed",
                   Script(kBase).Line("@check").Line("point M1 1 2").Line("point M2 1x 2").Line("point M3 2").Line("@end"),
                   {Error(CheckPointsRejected({CheckLineProblem(2, "point M2 1x 2", kPointXNotNumber),
                                               CheckLineProblem(3, "point M3 2", kNotATypedPoint)}, 20))}, 0},
        RefusalRow{"NameWithBlanksAndToleranceZero",
                   Script(kBase).Line("@check").Line("tolerance 0").Line("point 3# 墩 1033.829 2036.772").Line("@end"), {}, 1}),
    RowName<RefusalRow>);

// With no cap the row part is "-": the point's place on the road stands
// alone. The point is the base job's centre at K1+050, on the Start job's
// exact clothoid to the series' rounding.
TEST(CheckLine, WithoutACapEndsInDashes) {
  const DialogueRun run = RunDialogue(Script().Start({}).Line("@check").Line("point M 1033.829 2036.772").Line("@end"));
  const std::vector<std::vector<std::string>> checks = Checks(run);
  ASSERT_EQ(checks.size(), 1u);
  const std::vector<std::string>& f = checks[0];
  ASSERT_EQ(f.size(), 11u);
  EXPECT_EQ(f[0], "M");
  EXPECT_NEAR(std::stod(f[1]), 1050, 0.002);
  EXPECT_NEAR(std::stod(f[2]), 0, 0.002);
  EXPECT_EQ(std::vector<std::string>(f.begin() + 3, f.end()), std::vector<std::string>(8, "-"));
}

}  // namespace
}  // namespace capset::testing
