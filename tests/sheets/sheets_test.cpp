// The sheets as data, from bridges solved through the script: every point in
// the bent's table as @bridgepoints gives it, the plan's lines where the road
// and the axis are, the polar columns' hook, a bridge's bents with the one
// the road no longer reaches marked, and the check's rows over the
// tolerance marked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "dialogue_replay.h"
#include "fixed_clock.h"
#include "set_out_sheets.h"
#include "sheet_texts.h"
#include "table.h"
#include "transcript.h"

namespace capset::testing {
namespace {

// A road with a straight, an arc and a straight; a pier template; a bridge
// of three bents, one on the arc.
constexpr char kJob[] =
    "@road\nstart 1000 3000000 500000 30\nline 120\narc 200 300 left\nline 300\n@end\n"
    "@template pier\ngrid Z 2 3 3 2.5\ncorners T 8 5 1.5\npoint S1 -2 0.5\n@end\n"
    "@bridge B1\nbent 0 1020 dr 6 7 template pier\nbent 1 1160 skew 60 dr 6 7 depth 1.2 template pier\n"
    "bent 2 1200 skew 75 dr 6\n@end\n";
constexpr char kProfile[] = "@profile\npvi 1000 100\npvi 1300 106 3000\npvi 1620 101\n@end\n";

// A script played to its end, with the session as it left it.
class Played {
 public:
  explicit Played(const std::string& script) : in_(script), lines_(in_), target_(lines_, out_, {}, FixedClock()) {
    PlayScript(lines_, target_, out_);
    transcript_ = ReadTranscript(out_.str());
  }
  CapSession& Session() { return target_.Session(); }
  const Transcript& Out() const { return transcript_; }

 private:
  std::istringstream in_;
  std::ostringstream out_;
  ScriptLines lines_;
  DialogueReplay target_;
  Transcript transcript_;
};

const SheetTable& TableOf(const Sheet& sheet) {
  for (const SheetBlock& b : sheet.blocks) {
    if (const auto* t = std::get_if<SheetTable>(&b)) return *t;
  }
  throw std::logic_error("no table");
}

std::vector<std::string> NotesOf(const Sheet& sheet) {
  std::vector<std::string> all;
  for (const SheetBlock& b : sheet.blocks) {
    if (const auto* n = std::get_if<SheetNotes>(&b)) all.insert(all.end(), n->lines.begin(), n->lines.end());
  }
  return all;
}

Sheet BentSheetOf(CapSession& session, std::size_t bent, std::optional<PolarColumns> polar = std::nullopt) {
  const Bridge& bridge = *session.FindBridge("B1");
  const BridgeSolution solution = *session.SolveBridgeNow(bridge);
  return BentSheet({*session.WorkingRoad(), bridge, bent, solution.bents[bent],
                    session.ProfileSource().has_value(), std::move(polar)});
}

// Each row of the bent's table is the point @bridgepoints prints, to the millimetre.
TEST(BentSheet, HoldsEveryPointAsTheBridgePointsGiveIt) {
  Played run(std::string(kJob) + kProfile + "@bridgepoints B1\n");
  const Sheet sheet = BentSheetOf(run.Session(), 1);
  const SheetTable& table = TableOf(sheet);
  ASSERT_EQ(table.headings.size(), 6u);
  EXPECT_EQ(table.headings[3], kPointHHeading);
  std::vector<std::vector<std::string>> sp;
  for (const std::string& e : run.Out().events) {
    if (!e.starts_with("SP\t")) continue;
    auto fields = TabFields(e.substr(3));
    if (fields[1] == "1") sp.push_back(fields);
  }
  ASSERT_EQ(table.rows.size(), sp.size());
  ASSERT_EQ(sp.size(), 14u) << "C, L, R and eleven of the template";
  for (std::size_t i = 0; i < sp.size(); ++i) {
    const auto& row = table.rows[i];
    EXPECT_EQ(row[0], "1-" + sp[i][2]);
    for (auto [cell, field] : {std::pair{1, 3}, {2, 4}, {3, 7}, {5, 6}}) {
      EXPECT_NEAR(std::stod(row[static_cast<std::size_t>(cell)]), std::stod(sp[i][static_cast<std::size_t>(field)]),
                  0.0005 + 1e-9)
          << row[0] << " column " << cell;
    }
    // The station as the drawings print it: K1+160.000 is 1160.
    const std::string& k = row[4];
    ASSERT_EQ(k.substr(0, 1), "K");
    const double station = std::stod(k.substr(1, k.find('+') - 1)) * 1000 + std::stod(k.substr(k.find('+') + 1));
    EXPECT_NEAR(station, std::stod(sp[i][5]), 0.0005 + 1e-9) << row[0];
  }
  EXPECT_EQ(sheet.subtitle.size(), 3u);
  const auto notes = NotesOf(sheet);
  EXPECT_NE(std::find(notes.begin(), notes.end(), kSheetNoInstrumentStation), notes.end());
  ASSERT_TRUE(std::holds_alternative<SheetSignature>(sheet.blocks.back()));
  const auto& fields = std::get<SheetSignature>(sheet.blocks.back()).fields;
  EXPECT_NE(std::find(fields.begin(), fields.end(), kSheetCheckerField), fields.end());
  EXPECT_NE(std::find(fields.begin(), fields.end(), kSheetDateField), fields.end());
}

TEST(BentSheet, WithoutAProfileHasNoHeightColumnAndSaysSo) {
  Played run(kJob);
  const Sheet sheet = BentSheetOf(run.Session(), 0);
  const SheetTable& table = TableOf(sheet);
  EXPECT_EQ(std::count(table.headings.begin(), table.headings.end(), std::string(kPointHHeading)), 0);
  for (const auto& row : table.rows) EXPECT_EQ(row.size(), table.headings.size());
  const auto notes = NotesOf(sheet);
  EXPECT_NE(std::find(notes.begin(), notes.end(), kSheetNoProfile), notes.end());
}

// The polar data's place: its columns after the offset, each point's cells
// by its name, blanks for a point it has none for, its notes first.
TEST(BentSheet, PolarColumnsJoinThePointsByName) {
  Played run(kJob);
  PolarColumns polar{{"方位角", "平距（m）"}, {{"0-C", {"45°00′00″", "12.345"}}}, {"测站 K1 后视 K2"}};
  const Sheet sheet = BentSheetOf(run.Session(), 0, polar);
  const SheetTable& table = TableOf(sheet);
  ASSERT_EQ(table.headings.size(), 7u);
  EXPECT_EQ(table.headings[5], "方位角");
  EXPECT_EQ(table.rows[0][0], "0-C");
  EXPECT_EQ(table.rows[0][5], "45°00′00″");
  EXPECT_EQ(table.rows[0][6], "12.345");
  EXPECT_EQ(table.rows[1][5], "");
  const auto notes = NotesOf(sheet);
  ASSERT_FALSE(notes.empty());
  EXPECT_EQ(notes.front(), "测站 K1 后视 K2");
  EXPECT_EQ(std::find(notes.begin(), notes.end(), kSheetNoInstrumentStation), notes.end());
}

// The plan on the arc: the edges lie at the bent's half-widths from the
// centreline, the centreline on it, the axis through C, L and R.
TEST(BentPlan, DrawsTheRoadAndTheAxisWhereTheyAre) {
  Played run(kJob);
  CapSession& session = run.Session();
  const Road& road = *session.WorkingRoad();
  const Bridge& bridge = *session.FindBridge("B1");
  const BridgeSolution solution = *session.SolveBridgeNow(bridge);
  const BentSolution& bent = solution.bents[1];
  const SheetPlan plan = BentPlan(road, bridge.bents[1], bent);
  EXPECT_EQ(plan.marks.size(), bent.points.size());
  int axes = 0, edges = 0, centre = 0;
  for (const PlanLine& line : plan.lines) {
    for (PlanePoint p : {line.from, line.to}) {
      const RoadFoot foot = road.Where(p);
      if (line.stroke == PlanStroke::kCentreline) {
        EXPECT_NEAR(foot.offset, 0, 1e-6);
      } else if (line.stroke == PlanStroke::kEdge) {
        EXPECT_NEAR(std::abs(foot.offset), foot.offset < 0 ? 6 : 7, 1e-6);
      }
    }
    axes += line.stroke == PlanStroke::kAxis;
    edges += line.stroke == PlanStroke::kEdge;
    centre += line.stroke == PlanStroke::kCentreline;
  }
  EXPECT_EQ(axes, 1);
  EXPECT_GT(edges, 0);
  EXPECT_GT(centre, 0);
  const PlanLine& axis = *std::find_if(plan.lines.begin(), plan.lines.end(),
                                       [](const PlanLine& l) { return l.stroke == PlanStroke::kAxis; });
  for (const BridgePoint& p : bent.points) {
    if (p.point != "C" && p.point != "L" && p.point != "R") continue;
    // The cross product of the axis and the point from its start: 0 on the line.
    const double ax = axis.to.X - axis.from.X, ay = axis.to.Y - axis.from.Y;
    const double px = p.xy.X - axis.from.X, py = p.xy.Y - axis.from.Y;
    EXPECT_NEAR((ax * py - ay * px) / std::hypot(ax, ay), 0, 1e-6) << p.point;
  }
}

// A road made shorter after the bridge: the bent it no longer reaches is
// marked in the summary, with the reason among the notes.
TEST(BridgeSummary, MarksTheBentTheRoadNoLongerReaches) {
  Played run(std::string(kJob) + "@road\nstart 1000 3000000 500000 30\nline 180\n@end\n");
  CapSession& session = run.Session();
  const Bridge& bridge = *session.FindBridge("B1");
  const Sheet sheet = BridgeSummarySheet(*session.WorkingRoad(), bridge, *session.SolveBridgeNow(bridge));
  const SheetTable& table = TableOf(sheet);
  ASSERT_EQ(table.rows.size(), 3u);
  EXPECT_EQ(table.marked, (std::vector<bool>{false, false, true}));
  EXPECT_EQ(table.rows[2][0], "2");
  EXPECT_EQ(table.rows[2][3], "-");
  EXPECT_EQ(table.rows[0][5], "14") << "C, L, R and the template's eleven";
  EXPECT_EQ(table.rows[2][5], "0");
  EXPECT_FALSE(NotesOf(sheet).empty());
}

CheckResult Measured(const std::string& name, bool over, bool heightOver) {
  CheckResult r{};
  r.measured = {name, {3000000, 500000}, std::nullopt};
  r.foot.status = WhereStatus::kOnRoad;
  r.cap = CapMatch{1, "0", 0, 0, "C", 0.001, 0.002, over ? 0.05 : 0.002, over, std::nullopt, heightOver};
  return r;
}

TEST(CheckSheet, MarksEveryPointOverItsTolerance) {
  CheckReport report;
  report.results = {Measured("M1", false, false), Measured("M2", true, false), Measured("M3", false, true)};
  const Sheet sheet = CheckSheet(report);
  const SheetTable& table = TableOf(sheet);
  EXPECT_EQ(table.marked, (std::vector<bool>{false, true, true}));
  ASSERT_EQ(table.rows.size(), 3u);
  EXPECT_EQ(table.rows[1][0], "M2");
  const auto notes = NotesOf(sheet);
  EXPECT_NE(std::find(notes.begin(), notes.end(), kSheetOverNote), notes.end());
}

// A table of more rows than anyone carries is refused, naming its size;
// one at the limit prints.
TEST(PrintRefusal, RefusesATableBeyondTheRowsAnyoneCarries) {
  Sheet sheet;
  SheetTable table;
  table.headings = {"点名"};
  table.rows.assign(kMostPrintedRows, {"K1+000-C"});
  sheet.blocks.emplace_back(table);
  EXPECT_FALSE(PrintRefusal({sheet}).has_value());
  std::get<SheetTable>(sheet.blocks[0]).rows.push_back({"K9+999-C"});
  EXPECT_EQ(PrintRefusal({Sheet{}, sheet}), TooManyRowsToPrint(20001, 20000));
}

}  // namespace
}  // namespace capset::testing
