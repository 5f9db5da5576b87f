// The session tells its watchers when the station or the backsight
// changes, and only then: a refused one changes nothing and says nothing.
#include <gtest/gtest.h>

#include <sstream>

#include "dialogue_replay.h"
#include "fixed_clock.h"

namespace capset::testing {
namespace {

struct Counter : SessionObserver {
  int polar = 0;
  void PolarChanged() override { ++polar; }
};

TEST(PolarSession, WatchersHearOfEveryChangeAndOfNoRefusal) {
  std::istringstream in;
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {}, FixedClock());
  CapSession& session = target.Session();
  Counter counter;
  session.AddObserver(&counter);
  EXPECT_FALSE(session.SetStation({"S", {1000, 2000}, std::nullopt, 0}).has_value());
  EXPECT_EQ(counter.polar, 1);
  EXPECT_FALSE(session.SetBacksight({"B", PlanePoint{1100, 2000}, 0}).has_value());
  EXPECT_EQ(counter.polar, 2);
  // A station on the backsight point, a backsight on the station: refused.
  EXPECT_TRUE(session.SetStation({"S2", {1100, 2000.0001}, std::nullopt, 0}).has_value());
  EXPECT_TRUE(session.SetBacksight({"B2", PlanePoint{1000, 2000}, 0}).has_value());
  EXPECT_EQ(counter.polar, 2);
  EXPECT_EQ(session.Station()->name, "S");
  EXPECT_EQ(session.StationBacksight()->name, "B");
  session.ReplacePolar(std::nullopt, std::nullopt);
  EXPECT_EQ(counter.polar, 3);
  EXPECT_FALSE(session.Station().has_value());
  session.RemoveObserver(&counter);
}

TEST(PolarSession, ABridgePointWithoutARoadSaysTheRoadIsMissing) {
  std::istringstream in("@bridge B1\nbent 3 100\n@end\n");
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {}, FixedClock());
  PlayScript(lines, target, out);
  const auto found = target.Session().BridgePointNamed("3-C");
  ASSERT_TRUE(std::holds_alternative<std::string>(found));
  EXPECT_EQ(std::get<std::string>(found), target.Session().NoRoadText());
}

TEST(PolarSession, ABridgePointHeldByTwoBridgesIsNotGuessed) {
  std::istringstream in("@road\nstart 0 1000 2000 0\nline 500\n@end\n@bridge B1\nbent 3 100\n@end\n"
                        "@bridge B2\nbent 3 200\n@end\n");
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {}, FixedClock());
  PlayScript(lines, target, out);
  const auto found = target.Session().BridgePointNamed("3-C");
  ASSERT_TRUE(std::holds_alternative<std::string>(found));
  EXPECT_NE(std::get<std::string>(found).find("“B1”、“B2”"), std::string::npos) << std::get<std::string>(found);
  target.Session().RemoveBridge("B2");
  const auto one = target.Session().BridgePointNamed("3-C");
  ASSERT_TRUE(std::holds_alternative<ExportPoint>(one));
  EXPECT_EQ(std::get<ExportPoint>(one).xy, (PlanePoint{1100, 2000}));
  EXPECT_EQ(std::get<ExportPoint>(one).group, "3");
  EXPECT_EQ(std::get<ExportPoint>(one).role, "C");
}

}  // namespace
}  // namespace capset::testing
