// The session tells its watchers what happened: a Start that went through,
// the solver chosen, a Compute that reached its end.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "dialogue_replay.h"
#include "script_builder.h"
#include "table.h"
#include "worked_cases.h"

namespace capset::testing {
namespace {

struct Recorder : SessionObserver {
  void SolverChosen(std::optional<Solver>) override { seen.push_back("chosen"); }
  void CapComputed(const CapSolution& s) override { seen.push_back("computed " + std::to_string(s.centreStation)); }
  void StartCompleted() override { seen.push_back("started"); }
  void BridgesChanged() override { seen.push_back("bridges"); }
  std::vector<std::string> seen;
};

// A script played against the dialogue, and what a watcher of its session saw.
std::vector<std::string> Observe(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {});
  Recorder recorder;
  target.Session().AddObserver(&recorder);
  PlayScript(lines, target, out);
  return recorder.seen;
}

constexpr char kRoadBlock[] = "@road\nstart 1000 3000000 500000 30\nline 500\n@end";
constexpr char kBridgeBlock[] = "@bridge B1\nbent 1 1100 skew 60 dr 6 template pier\n@end";

struct ObserveRow {
  const char* name;
  Script script;
  std::vector<std::string> seen;
};

class SessionObservers : public ::testing::TestWithParam<ObserveRow> {};

TEST_P(SessionObservers, SeeWhatHappened) { EXPECT_EQ(Observe(GetParam().script), GetParam().seen); }

INSTANTIATE_TEST_SUITE_P(
    Rows, SessionObservers,
    ::testing::Values(
        ObserveRow{"CompleteStartAndCompute", Script().Start({}).Compute(kZHBaseCompute),
                   {"started", "chosen", "computed 1050.000000"}},
        ObserveRow{"CancelledStartIsNotAStart", Script().Click(kStartLine).Answers({"1000"}).Cancel(), {}},
        ObserveRow{"ComputeWithNoSolverIsChosenOnly", Script().Click(kComputeLine), {"chosen"}},
        ObserveRow{"CancelledComputeComputesNothing", Script().Start({}).Click(kComputeLine).Answers({"1050"}).Cancel(),
                   {"started", "chosen"}},
        ObserveRow{"RefusedJobComputesNothing", Script().Start({.B = "0"}).Click(kComputeLine), {"started", "chosen"}},
        ObserveRow{"GoodTemplateAndBridgeChangeTheBridges",
                   Script().Line(kRoadBlock).Line("@template pier\ngrid Z 2 2 3 3\n@end").Line(kBridgeBlock),
                   {"bridges", "bridges"}},
        ObserveRow{"RefusedBridgeChangesNothing",
                   Script().Line(kRoadBlock).Line("@bridge B1\nbent 1 1100 template nowhere\n@end"), {}},
        ObserveRow{"FaultComputesNothing", Script().Start({}).Compute({.Kp = "1e30", .DR = "7.5", .Precision = "0.0001"}),
                   {"started", "chosen"}}),
    RowName<ObserveRow>);

}  // namespace
}  // namespace capset::testing
