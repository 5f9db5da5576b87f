// What the page downloads and shows beside the bridge, end to end against
// the desktop: the export files byte for byte as the script's @export
// writes them, the as-built check's rows as @check prints them, the points
// with heights as @bridgepoints prints them, @at and @table, and the polar
// distances as @polar prints them.
#include <gtest/gtest.h>

#include "dialogue_run.h"
#include "web_call.h"

namespace capset::testing {
namespace {

const std::vector<std::string> kRoad =
    Lines({"bp 11000 3400000 500000", "jd 3400700 500350 600 90", "jd 3401500 500150 500 120 100", "ep 3402300 500600"});
const std::vector<std::string> kProfile = Lines({"pvi 11000 120", "pvi 11600 131.5 12000", "pvi 12900 118"});
const std::vector<std::string> kSection = Lines({"crown 2", "width 7 7"});
const std::vector<std::string> kTemplate = Lines({"copy pile-cap-2x3", "point S1 -4 0.5 0.25"});
const std::vector<std::string> kBents = Lines({"bent 1 11500 skew 75 dr 6.5 7 depth 1.5 template piers",
                                              "bent 2 11530 dr 6.5 template two-columns", "bent 3 11560 template piers"});
const std::vector<std::string> kSecondBents = Lines({"bent A 11700 dr 6", "bent B 11730 dr 6"});

// The job through the interface, and the same job as a script.
void SetJob(WebSession& web) {
  for (const Json& request : {Json{{"op", "road.set"}, {"lines", kRoad}}, Json{{"op", "profile.set"}, {"lines", kProfile}},
                              Json{{"op", "section.set"}, {"lines", kSection}},
                              Json{{"op", "template.set"}, {"name", "piers"}, {"lines", kTemplate}},
                              Json{{"op", "bridge.set"}, {"name", "B1"}, {"lines", kBents}},
                              Json{{"op", "bridge.set"}, {"name", "B2"}, {"lines", kSecondBents}}}) {
    const Json answer = Call(web, request);
    ASSERT_TRUE(answer["ok"]) << request.dump() << answer.dump();
  }
}
std::string JobScript() {
  return Block("@road", kRoad) + Block("@profile", kProfile) + Block("@xsec", kSection) +
         Block("@template piers", kTemplate) + Block("@bridge B1", kBents) + Block("@bridge B2", kSecondBents);
}

struct ExportRow {
  const char* name;
  Json request;
  const char* script;  // the @export line, writing "out"
};

class WebExport : public ::testing::TestWithParam<ExportRow> {};

TEST_P(WebExport, IsTheDesktopsFileByteForByte) {
  const ExportRow& row = GetParam();
  WebSession web;
  SetJob(web);
  const Json answer = Call(web, row.request);
  ASSERT_TRUE(answer["ok"]) << answer.dump();
  const DialogueRun desktop = RunDialogue(JobScript() + row.script + "\n");
  ASSERT_TRUE(desktop.files.contains("out")) << desktop.transcript.events.size();
  EXPECT_EQ(answer["text"].get<std::string>(), desktop.files.at("out"));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, WebExport,
    ::testing::Values(ExportRow{"CsvEveryBridge", {{"op", "export"}, {"format", "csv"}}, "@export bridge csv out"},
                      ExportRow{"DatEveryBridge", {{"op", "export"}, {"format", "dat"}}, "@export bridge dat out"},
                      ExportRow{"CsvOneBridgeTwoBents",
                                {{"op", "export"}, {"format", "csv"}, {"bridge", "B1"}, {"bents", {"1", "3"}}},
                                "@export bridge csv out B1 1 3"},
                      ExportRow{"GsiEveryBridge", {{"op", "export"}, {"format", "gsi"}}, "@export gsi out"},
                      ExportRow{"PnezdOneBridge", {{"op", "export"}, {"format", "pnezd"}, {"bridge", "B2"}},
                                "@export pnezd out B2"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ExportRefusalRow {
  const char* name;
  Json request;
  bool fault;  // a request the interface cannot read, rather than the session's refusal
};

class WebExportRefusal : public ::testing::TestWithParam<ExportRefusalRow> {};

TEST_P(WebExportRefusal, SaysWhyAndWritesNothing) {
  WebSession web;
  SetJob(web);
  const Json answer = Call(web, GetParam().request);
  EXPECT_FALSE(answer["ok"]);
  EXPECT_EQ(answer.contains("fault"), GetParam().fault) << answer.dump();
  EXPECT_FALSE(answer.contains("text"));
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, WebExportRefusal,
    ::testing::Values(ExportRefusalRow{"NoSuchBridge", {{"op", "export"}, {"format", "csv"}, {"bridge", "B9"}}, false},
                      ExportRefusalRow{"NoSuchBent", {{"op", "export"}, {"format", "dat"}, {"bridge", "B1"}, {"bents", {"7"}}}, false},
                      ExportRefusalRow{"NoSuchFormat", {{"op", "export"}, {"format", "xls"}}, true},
                      ExportRefusalRow{"BentsNotAList", {{"op", "export"}, {"format", "csv"}, {"bents", "1"}}, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Every point with its height, as @bridgepoints prints it with a profile.
TEST(WebOutputs, PointsWithHeightsAreTheScriptsOwn) {
  WebSession web;
  SetJob(web);
  const auto sp = Tagged(RunDialogue(JobScript() + "@bridgepoints B1\n").transcript, "SP");
  const Json answer = Call(web, {{"op", "bridge.points"}, {"bridge", "B1"}});
  std::size_t i = 0;
  for (const Json& bent : answer["bents"]) {
    for (const Json& p : bent["points"]) {
      ASSERT_LT(i, sp.size());
      EXPECT_EQ(p["name"], sp[i][1] + "-" + sp[i][2]);
      EXPECT_EQ(Six(p["x"]), sp[i][3]);
      EXPECT_EQ(Six(p["h"]), sp[i][7]) << p["name"];
      EXPECT_EQ(p["hText"], FixedText(p["h"].get<double>(), 3));
      ++i;
    }
  }
  EXPECT_EQ(i, sp.size());
}

// The as-built check's rows are @check's: each point's station, offset,
// bent, nearest design point and deviations, and its verdicts.
TEST(WebOutputs, CheckRowsAreTheScriptsOwn) {
  WebSession web;
  SetJob(web);
  const Json points = Call(web, {{"op", "bridge.points"}, {"bridge", "B1"}, {"bent", "1"}})["bents"][0]["points"];
  // A pile off by some millimetres, one a little high, a point near no bent.
  const double x = points[3]["x"].get<double>() + 0.004, y = points[3]["y"].get<double>() - 0.013;
  const double h = points[3]["h"].get<double>() + 0.006;
  const std::string text = "P1 " + FixedText(x, 4) + " " + FixedText(y, 4) + " " + FixedText(h, 4) + "\nP2 " +
                           FixedText(points[0]["x"].get<double>(), 4) + " " + FixedText(points[0]["y"].get<double>(), 4) +
                           "\nFAR 3400000 500900\n";
  const Json answer = Call(web, {{"op", "check.run"}, {"text", text}, {"tolerance", "10"}});
  ASSERT_TRUE(answer["ok"]) << answer.dump();
  std::string block = "@check\ntolerance 0.01\n";
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    block += "point " + text.substr(start, end - start) + "\n";
  }
  const auto lines = Tagged(RunDialogue(JobScript() + block + "@end\n").transcript, "CHECK");
  ASSERT_EQ(lines.size(), answer["rows"].size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Json& r = answer["rows"][i];
    const auto& c = lines[i];
    EXPECT_EQ(r["name"], c[0]);
    EXPECT_EQ(Six(r["station"]), c[1]);
    EXPECT_EQ(Six(r["offset"]), c[2]);
    EXPECT_EQ(r["cap"].is_null() ? "-" : r["cap"].get<std::string>(), c[3]);
    EXPECT_EQ(r["nearest"].is_null() ? "-" : r["nearest"].get<std::string>(), c[6]);
    EXPECT_EQ(Six(r["dx"]), c[7]);
    EXPECT_EQ(Six(r["dy"]), c[8]);
    EXPECT_EQ(Six(r["distance"]), c[9]);
    EXPECT_EQ(r["flag"].is_null() ? "-" : r["flag"].get<std::string>(), c[10]);
    if (c.size() > 11) {
      EXPECT_EQ(Six(r["dH"]), c[11]);
      EXPECT_EQ(r["heightFlag"].is_null() ? "-" : r["heightFlag"].get<std::string>(), c[12]);
    }
  }
  EXPECT_EQ(answer["rows"][0]["flag"], "over");
  EXPECT_EQ(answer["rows"][1]["flag"], "ok");
  EXPECT_EQ(answer["rows"][2]["flag"], "far");
  EXPECT_FALSE(answer["summary"].get<std::string>().empty());
}

// A point file's text is read as the desktop reads the file of that name.
TEST(WebOutputs, CheckReadsAPointFile) {
  WebSession web;
  SetJob(web);
  const Json gsi = Call(web, {{"op", "export"}, {"format", "gsi"}, {"bridge", "B2"}});
  const Json answer = Call(web, {{"op", "check.run"}, {"text", gsi["text"]}, {"fileName", "B2.gsi"}});
  ASSERT_TRUE(answer["ok"]) << answer.dump();
  ASSERT_EQ(answer["rows"].size(), 6u);
  for (const Json& r : answer["rows"]) EXPECT_EQ(r["flag"], "ok") << r.dump();
  const Json bad = Call(web, {{"op", "check.run"}, {"text", "P1 1 x\n"}});
  EXPECT_FALSE(bad["ok"]);
  EXPECT_FALSE(bad.contains("fault"));
}

// @at and @table, number for number.
TEST(WebOutputs, AtAndTableAreTheScriptsOwn) {
  WebSession web;
  SetJob(web);
  const Json at = Call(web, {{"op", "road.at"}, {"station", "K11+612.5"}, {"offset", "-3.25"}});
  ASSERT_TRUE(at["ok"]) << at.dump();
  const Json table = Call(web, {{"op", "station.table"}, {"from", "11400"}, {"to", "K11+700"}, {"step", 50},
                                {"offsets", {"-7", 7}}});
  ASSERT_TRUE(table["ok"]) << table.dump();
  const Transcript t = RunDialogue(JobScript() + "@at K11+612.5 -3.25\n@table 11400 K11+700 50 -7 7\n").transcript;
  const auto atLine = Tagged(t, "AT");
  ASSERT_EQ(atLine.size(), 1u);
  EXPECT_EQ(Six(at["x"]), atLine[0][2]);
  EXPECT_EQ(Six(at["y"]), atLine[0][3]);
  EXPECT_EQ(FixedText(at["azimuth"].get<double>(), 9), atLine[0][4]);
  EXPECT_EQ(at["element"], atLine[0][5]);
  const auto rows = Tagged(t, "TABLE");
  ASSERT_EQ(rows.size(), table["rows"].size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Json& r = table["rows"][i];
    EXPECT_EQ(Six(r["station"]), rows[i][0]);
    EXPECT_EQ(Six(r["offset"]), rows[i][1]);
    EXPECT_EQ(Six(r["x"]), rows[i][2]);
    EXPECT_EQ(Six(r["y"]), rows[i][3]);
    EXPECT_EQ(Six(r["h"]), rows[i][5]);
  }
  EXPECT_FALSE(Call(web, {{"op", "road.at"}, {"station", "K99+000"}})["ok"]);
  EXPECT_FALSE(Call(web, {{"op", "station.table"}, {"from", "11400"}, {"to", "11300"}, {"step", "10"}})["ok"]);
  EXPECT_FALSE(Call(web, {{"op", "station.table"}, {"from", "11400"}, {"to", "11500"}, {"step", "0"}})["ok"]);
}

// With a station and a backsight, each point's distance is @polar's, and
// a station set on a point that no bridge has is refused, the one before kept.
TEST(WebOutputs, PolarDistancesAreTheScriptsOwn) {
  WebSession web;
  SetJob(web);
  ASSERT_TRUE(Call(web, {{"op", "polar.station"}, {"name", "K1"}, {"x", "3400500"}, {"y", "500250"}, {"h", "125"}, {"hi", "1.5"}})["ok"]);
  ASSERT_TRUE(Call(web, {{"op", "polar.backsight"}, {"point", "2-C"}})["ok"]);
  const Json before = Call(web, {{"op", "state"}});
  EXPECT_FALSE(Call(web, {{"op", "polar.station"}, {"point", "9-Z9"}})["ok"]);
  EXPECT_FALSE(Call(web, {{"op", "polar.backsight"}, {"x", "3400500"}, {"y", "500250"}, {"name", "same"}})["ok"]);
  EXPECT_TRUE(Call(web, {{"op", "state"}}) == before);
  const Json answer = Call(web, {{"op", "bridge.points"}, {"bridge", "B1"}});
  ASSERT_TRUE(answer["polar"]);
  const auto polar = Tagged(RunDialogue(JobScript() + "@station K1 3400500 500250 125 1.5\n@backsight 2-C\n@polar B1\n").transcript,
                            "POLAR");
  std::size_t i = 0;
  for (const Json& bent : answer["bents"]) {
    for (const Json& p : bent["points"]) {
      ASSERT_LT(i, polar.size());
      EXPECT_EQ(p["name"], polar[i][0]);
      EXPECT_EQ(p["distanceText"], polar[i][2]);
      EXPECT_EQ(p["dHText"], polar[i][4]);
      ++i;
    }
  }
  EXPECT_EQ(i, polar.size());
  // Cleared, the points carry no polar columns.
  Call(web, {{"op", "polar.clear"}});
  const Json plain = Call(web, {{"op", "bridge.points"}, {"bridge", "B1"}, {"bent", "2"}});
  EXPECT_FALSE(plain["polar"]);
  EXPECT_FALSE(plain["bents"][0]["points"][0].contains("distanceText"));
}

// The plan: the road along the bridge, each bent's axis from edge to edge
// through its centre, closed outlines, and every point the bent has.
TEST(WebOutputs, PlanHoldsEveryBentsPoints) {
  WebSession web;
  SetJob(web);
  const Json plan = Call(web, {{"op", "bridge.plan"}, {"bridge", "B1"}});
  ASSERT_TRUE(plan["ok"]) << plan.dump();
  EXPECT_GE(plan["centre"].size(), 2u);
  EXPECT_EQ(plan["left"].size(), plan["right"].size());
  const Json points = Call(web, {{"op", "bridge.points"}, {"bridge", "B1"}});
  ASSERT_EQ(plan["bents"].size(), points["bents"].size());
  for (std::size_t b = 0; b < plan["bents"].size(); ++b) {
    const Json& bent = plan["bents"][b];
    ASSERT_EQ(bent["points"].size(), points["bents"][b]["points"].size());
    for (std::size_t i = 0; i < bent["points"].size(); ++i) {
      EXPECT_EQ(bent["points"][i]["name"], points["bents"][b]["points"][i]["name"]);
      EXPECT_EQ(bent["points"][i]["x"], points["bents"][b]["points"][i]["x"]);
    }
    for (const Json& outline : bent["outlines"]) EXPECT_EQ(outline.front(), outline.back());
  }
}

}  // namespace
}  // namespace capset::testing
