// The road and the bridge through the page's interface, end to end: the
// same lines given to the script dialogue and to the JSON interface give
// the same key points and the same bridge points, digit for digit; a bad
// line is refused by its number and leaves everything as it was.
#include <gtest/gtest.h>

#include "dialogue_run.h"
#include "web_call.h"

namespace capset::testing {
namespace {

struct RoadRow {
  const char* name;
  std::vector<std::string> lines;
  const char* form;
};

class WebRoad : public ::testing::TestWithParam<RoadRow> {};

// Every key point the script prints for the road, in the same order, with
// the same station, X, Y and azimuth at the script's decimals.
TEST_P(WebRoad, KeyPointsAreTheScriptsOwn) {
  const RoadRow& row = GetParam();
  WebSession web;
  const Json answer = Call(web, {{"op", "road.set"}, {"lines", row.lines}});
  ASSERT_TRUE(answer["ok"]) << answer.dump();
  const Json& road = answer["road"];
  EXPECT_EQ(road["form"], row.form);
  EXPECT_EQ(road["lines"], row.lines);
  const DialogueRun run = RunDialogue(Block("@road", row.lines) + "@keypoints\n");
  const auto keys = Tagged(run.transcript, "KEY");
  ASSERT_EQ(keys.size(), road["keyPoints"].size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const Json& k = road["keyPoints"][i];
    EXPECT_EQ(k["name"], keys[i][0]);
    EXPECT_EQ(Six(k["station"]), keys[i][1].substr(0, keys[i][1].find('(')));
    EXPECT_EQ(Six(k["x"]), keys[i][2]);
    EXPECT_EQ(Six(k["y"]), keys[i][3]);
    EXPECT_EQ(FixedText(k["azimuth"].get<double>(), 9), keys[i][4]);
  }
  // The plan runs from the road's start to its end, no two points further
  // apart than its step.
  const Json& centre = road["plan"]["centre"];
  ASSERT_GE(centre.size(), 2u);
  EXPECT_EQ(Six(centre.front()[0]), keys.front()[2]);
  EXPECT_EQ(Six(centre.back()[1]), keys.back()[3]);
  for (std::size_t i = 1; i < centre.size(); ++i) {
    const double dx = centre[i][0].get<double>() - centre[i - 1][0].get<double>();
    const double dy = centre[i][1].get<double>() - centre[i - 1][1].get<double>();
    EXPECT_LE(std::hypot(dx, dy), 5.0 + 1e-9) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Roads, WebRoad,
    ::testing::Values(
        RoadRow{"JdTwoCurves",
                Lines({"bp K0+000 1000 1000", "jd 1500 1500 300 60", "jd 1600 2300 400 80 70", "ep 1300 3000"}), "jd"},
        RoadRow{"JdFarFromOriginWithEquation",
                Lines({"bp 12000 3400000 500000", "jd 3400800 500300 800 120", "ep 3401500 500100", "equation 12500 12480"}),
                "jd"},
        RoadRow{"ElementsSpiralArcSpiral",
                Lines({"start K1+000 2000 3000 45.3015", "line 120", "spiral 80 inf 400 left", "arc 150.5 400 left",
                       "spiral 80 400 inf left", "line 60"}),
                "elements"},
        RoadRow{"ElementsLongChainTwice", Lines({"start 0 0 0 90", "line 500", "equation 400 350", "arc 200 600 right"}),
                "elements"}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<std::string> RoadLinesOf() {
  return Lines({"bp K0+000 1000 1000", "jd 1500 1500 300 60", "jd 1600 2300 400 80 70", "ep 1300 3000"});
}

const std::vector<std::string> kTemplate = Lines({"copy pile-cap-2x3", "point S1 -4 0.5 0.2", "grid B 1 3 2.5 0 0 1"});
const std::vector<std::string> kBents =
    Lines({"bent 0 K0+380 template abutment-start dr 6", "bent 1 K0+410 skew 75.3 dr 6.5 6 depth 1.2 template piers",
           "bent 2 K0+600 axis parallel K0+590 dr 6 template two-columns", "bent 3 K0+640 skew 100 template piers",
           "bent 4 K0+700 dr 6 template abutment-end"});

// The bridge's points through the interface are @bridgepoints' own: the
// same names in the same order, X, Y, station and offset to the digit.
TEST(WebBridge, PointsAreTheScriptsOwn) {
  WebSession web;
  ASSERT_TRUE(Call(web, {{"op", "road.set"}, {"lines", RoadLinesOf()}})["ok"]);
  Json answer = Call(web, {{"op", "template.set"}, {"name", "piers"}, {"lines", kTemplate}});
  ASSERT_TRUE(answer["ok"]) << answer.dump();
  answer = Call(web, {{"op", "bridge.set"}, {"name", "B1"}, {"lines", kBents}});
  ASSERT_TRUE(answer["ok"]) << answer.dump();
  EXPECT_EQ(answer["bridges"][0]["lines"].size(), kBents.size());
  const Json points = Call(web, {{"op", "bridge.points"}, {"bridge", "B1"}});
  ASSERT_TRUE(points["ok"]) << points.dump();
  EXPECT_FALSE(points["polar"]);

  const std::string script = Block("@road", RoadLinesOf()) + Block("@template piers", kTemplate) +
                             Block("@bridge B1", kBents) + "@bridgepoints\n";
  const auto sp = Tagged(RunDialogue(script).transcript, "SP");
  std::size_t i = 0;
  for (const Json& bent : points["bents"]) {
    for (const Json& p : bent["points"]) {
      ASSERT_LT(i, sp.size());
      const auto& s = sp[i++];
      EXPECT_EQ(s[0], "B1");
      EXPECT_EQ(p["bent"], s[1]);
      EXPECT_EQ(p["name"], s[1] + "-" + s[2]);
      EXPECT_EQ(Six(p["x"]), s[3]);
      EXPECT_EQ(Six(p["y"]), s[4]);
      EXPECT_EQ(Six(p["station"]), s[5]);
      EXPECT_EQ(Six(p["offset"]), s[6]);
      EXPECT_EQ(p["xText"], FixedText(p["x"].get<double>(), 3));
    }
  }
  EXPECT_EQ(i, sp.size());
  EXPECT_GT(i, 40u);
}

// One bent asked: that bent alone, its station in K form.
TEST(WebBridge, OneBent) {
  WebSession web;
  Call(web, {{"op", "road.set"}, {"lines", RoadLinesOf()}});
  Call(web, {{"op", "bridge.set"}, {"name", "B"}, {"lines", Lines({"bent 1 K0+100 dr 5", "bent 2 K0+130 dr 5"})}});
  const Json answer = Call(web, {{"op", "bridge.points"}, {"bridge", "B"}, {"bent", "2"}});
  ASSERT_EQ(answer["bents"].size(), 1u);
  EXPECT_EQ(answer["bents"][0]["stationText"], "K0+130.000");
  EXPECT_EQ(answer["bents"][0]["points"].size(), 3u);
  EXPECT_FALSE(Call(web, {{"op", "bridge.points"}, {"bridge", "B"}, {"bent", "9"}})["ok"]);
  EXPECT_FALSE(Call(web, {{"op", "bridge.points"}, {"bridge", "C"}})["ok"]);
}

// A bent the road does not place has no points and says why; the others stand.
TEST(WebBridge, BentOffTheRoadSaysWhy) {
  WebSession web;
  Call(web, {{"op", "bridge.set"}, {"name", "B"}, {"lines", Lines({"bent 1 K0+100 dr 5", "bent 2 K9+000 dr 5"})}});
  // Typed before the road, the bridge waits for it; the road then leaves bent 2 off.
  const Json noRoad = Call(web, {{"op", "bridge.points"}, {"bridge", "B"}});
  EXPECT_FALSE(noRoad["ok"]);
  Call(web, {{"op", "road.set"}, {"lines", RoadLinesOf()}});
  const Json answer = Call(web, {{"op", "bridge.points"}, {"bridge", "B"}});
  ASSERT_TRUE(answer["ok"]) << answer.dump();
  EXPECT_TRUE(answer["bents"][0]["notice"].is_null());
  EXPECT_EQ(answer["bents"][1]["points"].size(), 0u);
  EXPECT_TRUE(answer["bents"][1]["notice"].is_string());
}

struct RefusalRow {
  const char* name;
  Json request;
  std::vector<int> lines;  // the lines the problems name, in order
};

class WebRefusal : public ::testing::TestWithParam<RefusalRow> {};

// A refused request names its lines in the desktop's words and changes
// nothing: the state, the bridges and the templates read as before.
TEST_P(WebRefusal, NamesItsLinesAndChangesNothing) {
  const RefusalRow& row = GetParam();
  WebSession web;
  ASSERT_TRUE(Call(web, {{"op", "road.set"}, {"lines", RoadLinesOf()}})["ok"]);
  ASSERT_TRUE(Call(web, {{"op", "template.set"}, {"name", "piers"}, {"lines", kTemplate}})["ok"]);
  ASSERT_TRUE(Call(web, {{"op", "bridge.set"}, {"name", "B1"}, {"lines", kBents}})["ok"]);
  const auto snapshot = [&web] {
    // The save first: it marks the job saved, which the state then shows.
    return Json::array({Call(web, {{"op", "job.save"}}), Call(web, {{"op", "state"}}),
                        Call(web, {{"op", "bridges.list"}}), Call(web, {{"op", "templates.list"}})});
  };
  const Json before = snapshot();
  const Json answer = Call(web, row.request);
  ASSERT_FALSE(answer["ok"]) << answer.dump();
  EXPECT_FALSE(answer.contains("fault")) << answer.dump();
  std::vector<int> lines;
  for (const Json& p : answer["problems"]) {
    lines.push_back(p["line"]);
    EXPECT_FALSE(p["text"].get<std::string>().empty());
  }
  EXPECT_EQ(lines, row.lines) << answer.dump();
  EXPECT_TRUE(snapshot() == before);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, WebRefusal,
    ::testing::Values(
        RefusalRow{"RoadFieldNotANumber",
                   {{"op", "road.set"}, {"lines", Lines({"bp 0 0 0", "jd 100 x 50 0", "jd 200 0 50 0", "ep 300 100"})}},
                   {2}},
        RefusalRow{"RoadTwoBadLines",
                   {{"op", "road.set"}, {"lines", Lines({"bp 0 0 0", "jd 100 0 -5 0", "ep 300 0", "line 5"})}},
                   {2, 4}},
        RefusalRow{"RoadSpiralsTooLongForTheTurn",
                   {{"op", "road.set"}, {"lines", Lines({"bp 0 0 0", "jd 1000 0 300 900", "ep 1000 1000"})}},
                   {2}},
        RefusalRow{"RoadEmpty", {{"op", "road.set"}, {"lines", Json::array()}}, {0}},
        RefusalRow{"RoadLineTooLong", {{"op", "road.set"}, {"lines", {"bp 0 0 0", std::string(20000, '1')}}}, {2}},
        RefusalRow{"BridgeUnknownTemplate",
                   {{"op", "bridge.set"}, {"name", "B1"}, {"lines", Lines({"bent 1 K0+100", "bent 2 K0+200 template nope"})}},
                   {2}},
        RefusalRow{"BridgeTwoBentsOfOneName",
                   {{"op", "bridge.set"}, {"name", "B1"}, {"lines", Lines({"bent 1 K0+100", "bent 1 K0+200"})}}, {2}},
        RefusalRow{"BridgeBentOffTheRoad",
                   {{"op", "bridge.set"}, {"name", "B2"}, {"lines", Lines({"bent 1 K0+100", "bent 2 K8+000"})}}, {2}},
        RefusalRow{"BridgeNameOfTwoWords", {{"op", "bridge.set"}, {"name", "B 1"}, {"lines", Lines({"bent 1 100"})}}, {0}},
        RefusalRow{"TemplateGridOfNoRows",
                   {{"op", "template.set"}, {"name", "piers"}, {"lines", Lines({"point A 0 0", "grid Z 0 3 1 1"})}}, {2}},
        RefusalRow{"TemplateReadyName", {{"op", "template.set"}, {"name", "two-columns"}, {"lines", Lines({"point A 0 0"})}}, {0}},
        RefusalRow{"TemplateInUse", {{"op", "template.remove"}, {"name", "piers"}}, {0}},
        RefusalRow{"TemplateReadyStays", {{"op", "template.remove"}, {"name", "two-columns"}}, {0}},
        RefusalRow{"BridgeRemoveNone", {{"op", "bridge.remove"}, {"name", "B9"}}, {0}},
        RefusalRow{"JobNotJson", {{"op", "job.open"}, {"text", "{\"format\": \"capset-job\",\n"}}, {2}},
        RefusalRow{"JobBadField",
                   {{"op", "job.open"},
                    {"text", "{\n  \"format\": \"capset-job\",\n  \"version\": 3,\n  \"decimal\": \";\"\n}\n"}},
                   {4}}),
    [](const auto& info) { return std::string(info.param.name); });

// A template that bents use stays, and the answer says which bents.
TEST(WebTemplates, RemovingOneInUseNamesItsBents) {
  WebSession web;
  Call(web, {{"op", "template.set"}, {"name", "piers"}, {"lines", kTemplate}});
  Call(web, {{"op", "bridge.set"}, {"name", "B1"}, {"lines", Lines({"bent 1 100 template piers", "bent 2 200"})}});
  const Json answer = Call(web, {{"op", "template.remove"}, {"name", "piers"}});
  ASSERT_FALSE(answer["ok"]);
  EXPECT_EQ(answer["usedBy"], Json::parse(R"([{"bridge":"B1","bent":"1"}])"));
  ASSERT_TRUE(Call(web, {{"op", "bridge.remove"}, {"name", "B1"}})["ok"]);
  const Json removed = Call(web, {{"op", "template.remove"}, {"name", "piers"}});
  ASSERT_TRUE(removed["ok"]) << removed.dump();
  for (const Json& t : removed["templates"]) EXPECT_TRUE(t["ready"]);
}

// The template list gives the ready ones' points as @templates prints them,
// and a template's lines read back into the same template.
TEST(WebTemplates, ListedAsTheScriptPrintsThem) {
  WebSession web;
  Call(web, {{"op", "template.set"}, {"name", "piers"}, {"lines", kTemplate}});
  const Json list = Call(web, {{"op", "templates.list"}})["templates"];
  const auto printed = Tagged(RunDialogue(Block("@template piers", kTemplate) + "@templates\n").transcript, "TEMPLATE");
  std::size_t i = 0;
  for (const Json& t : list) {
    for (const Json& p : t["points"]) {
      ASSERT_LT(i, printed.size());
      EXPECT_EQ(t["name"], printed[i][0]);
      EXPECT_EQ(p["name"], printed[i][1]);
      EXPECT_EQ(Six(p["u"]), printed[i][2]);
      EXPECT_EQ(Six(p["v"]), printed[i][3]);
      EXPECT_EQ(Six(p["depth"]), printed[i][4]);
      ++i;
    }
  }
  EXPECT_EQ(i, printed.size());
  // The kept lines, given again under another name, make the same points.
  const Json& piers = list.back();
  Call(web, {{"op", "template.set"}, {"name", "again"}, {"lines", piers["lines"]}});
  const Json again = Call(web, {{"op", "templates.list"}})["templates"].back();
  EXPECT_EQ(again["points"], piers["points"]);
  EXPECT_EQ(again["lines"], piers["lines"]);
}

}  // namespace
}  // namespace capset::testing
