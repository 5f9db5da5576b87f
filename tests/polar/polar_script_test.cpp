// The polar commands end to end through the dialogue target: a bridge on a
// straight due north seen from a station, against closed forms; heights;
// the log's caps when there is no bridge; a station moved under a
// backsight point; the job file through @save and @open; and every refusal,
// each leaving the station and the backsight as they were.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <sstream>

#include "dialogue_run.h"
#include "table.h"

namespace capset::testing {
namespace {

struct Played {
  Transcript transcript;
  std::map<std::string, std::string> files;
};

Played Play(const std::string& script, const std::map<std::string, std::string>& files = {}) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {}, FixedClock());
  for (const auto& [name, text] : files) target.Files().files[name] = text;
  PlayScript(lines, target, out);
  return {ReadTranscript(out.str()), target.Files().files};
}

std::vector<std::vector<std::string>> Tagged(const Transcript& t, const std::string& tag) {
  std::vector<std::vector<std::string>> out;
  for (const std::string& e : t.events)
    if (e.starts_with(tag + "\t")) out.push_back(TabFields(e.substr(tag.size() + 1)));
  return out;
}

// A straight due north from K1+000 at (3000000, 500000); a square bent at
// K1+100 with edges 6 m either side: C (3000100, 500000), L 6 m west, R
// 6 m east.
constexpr char kNorth[] = "@road\nstart 1000 3000000 500000 0\nline 500\n@end\n";
constexpr char kBent[] = "@bridge B1\nbent 3 1100 dr 6\n@end\n";

// D.MMSSs of decimal degrees, written here from the definition.
std::string Packed(double degrees) {
  long long tenths = std::llround(degrees * 36000);
  if (tenths == 360 * 36000) tenths = 0;
  char text[32];
  std::snprintf(text, sizeof text, "%lld.%02lld%02lld%lld", tenths / 36000, tenths / 600 % 60, tenths / 10 % 60,
                tenths % 10);
  return text;
}

double AzimuthDegrees(double dX, double dY) {
  const double a = std::atan2(dY, dX) * 180 / std::numbers::pi;
  return a < 0 ? a + 360 : a;
}

TEST(PolarScript, ABentSeenFromAStationMatchesClosedForms) {
  // The station 50 m south and 20 m west of the bent's centre; the
  // backsight due east of the station.
  const Played p = Play(std::string(kNorth) + kBent +
                        "@station S1 3000050 499980\n@backsight B1 3000050 500080\n@polar\n");
  const Transcript& t = p.transcript;
  EXPECT_TRUE(t.Reports().empty()) << ::testing::PrintToString(t.Reports());
  const auto back = Tagged(t, "BACKSIGHT");
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back[0], (std::vector<std::string>{"B1", "90.00000", "100.000"}));
  const auto polar = Tagged(t, "POLAR");
  ASSERT_EQ(polar.size(), 3u);
  struct Expected {
    const char* name;
    double dX, dY;
  };
  const Expected expected[] = {{"3-C", 50, 20}, {"3-L", 50, 14}, {"3-R", 50, 26}};
  for (std::size_t i = 0; i < 3; ++i) {
    const Expected& e = expected[i];
    const double az = AzimuthDegrees(e.dX, e.dY);
    ASSERT_EQ(polar[i].size(), 4u) << "a station without H gives no dH";
    EXPECT_EQ(polar[i][0], e.name);
    EXPECT_EQ(polar[i][1], Packed(az));
    char distance[32];
    std::snprintf(distance, sizeof distance, "%.3f", std::hypot(e.dX, e.dY));
    EXPECT_EQ(polar[i][2], distance);
    EXPECT_EQ(polar[i][3], Packed(az - 90 + 360));
  }
}

TEST(PolarScript, HeightDifferenceIsThePointOverTheInstrumentsAxis) {
  // A level profile at 100 m; the bent's points 1.5 m below the deck: 98.5.
  const Played p = Play(std::string(kNorth) + "@profile\npvi 1000 100\npvi 1500 100\n@end\n" +
                        "@bridge B1\nbent 3 1100 depth 1.5\n@end\n" +
                        "@station S1 3000000 500000 96.25 1.55\n@backsight azimuth 359.59\n@polar\n");
  const auto polar = Tagged(p.transcript, "POLAR");
  ASSERT_EQ(polar.size(), 1u);
  // Due north, 100 m; a backsight at 359°59′ turns 1′ to it; 98.5 − (96.25 + 1.55).
  EXPECT_EQ(polar[0], (std::vector<std::string>{"3-C", "0.00000", "100.000", "0.01000", "0.700"}));
  EXPECT_EQ(Tagged(p.transcript, "BACKSIGHT")[0], (std::vector<std::string>{"azimuth", "359.59000", "-"}));
}

TEST(PolarScript, WithoutABridgeTheLogsCapsAreListed) {
  // The station on the cap's left edge: that point has no direction.
  const Played p = Play(std::string(kNorth) + "@batch\nskew 90\naxis own\ndr 6\nstation 7# 1200\n@end\n" +
                        "@station S1 3000200 499994\n@backsight azimuth 0\n@polar\n");
  const auto polar = Tagged(p.transcript, "POLAR");
  ASSERT_EQ(polar.size(), 3u);
  EXPECT_EQ(polar[0], (std::vector<std::string>{"7-C", "90.00000", "6.000", "90.00000"}));
  EXPECT_EQ(polar[1], (std::vector<std::string>{"7-L", "-", "0.000", "-"}));
  EXPECT_EQ(polar[2], (std::vector<std::string>{"7-R", "90.00000", "12.000", "90.00000"}));
  const auto notices = p.transcript.Events("NOTICE");
  ASSERT_FALSE(notices.empty());
  EXPECT_NE(notices.back().find("7-L"), std::string::npos);
  EXPECT_NE(notices.back().find("没有方位角"), std::string::npos);
}

TEST(PolarScript, CapsThatShareANameAreNamedApartAsInThePointFile) {
  // Two batches, each with a cap named 3#: the point file names them with
  // their rows, and so does the polar list, so no name calls up the wrong pier.
  const Played p = Play(std::string(kNorth) + "@batch\nskew 90\naxis own\ndr 6\nstation 3# 1200\n@end\n" +
                        "@batch\nskew 90\naxis own\ndr 6\nstation 3# 1230\n@end\n" +
                        "@station S1 3000000 500000\n@backsight azimuth 0\n@polar\n");
  const auto polar = Tagged(p.transcript, "POLAR");
  ASSERT_EQ(polar.size(), 6u);
  EXPECT_TRUE(polar[0][0].starts_with("3_") && polar[0][0].ends_with("-C")) << polar[0][0];
  EXPECT_TRUE(polar[3][0].starts_with("3_") && polar[3][0].ends_with("-C")) << polar[3][0];
  EXPECT_NE(polar[0][0], polar[3][0]);
  EXPECT_EQ(polar[3][2], "230.000");
}

TEST(PolarScript, ABacksightPointIsSeenAnewFromAMovedStation) {
  const Played p = Play(std::string(kNorth) + kBent + "@backsight B7 3000100 500000\n" +
                        "@station S1 3000000 500000\n@polar\n@station S2 3000100 499900\n@polar\n");
  const auto back = Tagged(p.transcript, "BACKSIGHT");
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0], (std::vector<std::string>{"B7", "0.00000", "100.000"}));
  EXPECT_EQ(back[1], (std::vector<std::string>{"B7", "90.00000", "100.000"}));
  // The bent's centre is the backsight point: no turn from either station.
  const auto polar = Tagged(p.transcript, "POLAR");
  ASSERT_EQ(polar.size(), 6u);
  EXPECT_EQ(polar[0][3], "0.00000");
  EXPECT_EQ(polar[3][3], "0.00000");
}

TEST(PolarScript, AStationOrABacksightMayBeABridgePointByName) {
  const Played p = Play(std::string(kNorth) + kBent + "@station 3-L\n@backsight 3-R\n@polar\n");
  EXPECT_TRUE(p.transcript.Events("MESSAGE").empty()) << ::testing::PrintToString(p.transcript.Reports());
  const auto back = Tagged(p.transcript, "BACKSIGHT");
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back[0], (std::vector<std::string>{"3-R", "90.00000", "12.000"}));
  const auto polar = Tagged(p.transcript, "POLAR");
  ASSERT_EQ(polar.size(), 3u);
  EXPECT_EQ(polar[0], (std::vector<std::string>{"3-C", "90.00000", "6.000", "0.00000"}));
  EXPECT_EQ(polar[1], (std::vector<std::string>{"3-L", "-", "0.000", "-"}));
}

TEST(PolarScript, TheJobFileKeepsTheStationAndTheBacksight) {
  const std::string setUp = std::string(kNorth) + kBent +
                            "@station S1 3000050.123456789 499980.5 12.5 1.625\n@backsight azimuth 123.4530\n";
  const Played saved = Play(setUp + "@polar\n@save job.capjob\n");
  ASSERT_TRUE(saved.files.count("job.capjob"));
  const std::string& file = saved.files.at("job.capjob");
  EXPECT_NE(file.find("\"station\""), std::string::npos);
  EXPECT_NE(file.find("\"backsight\""), std::string::npos);
  // Another station, then the job opened again (the unsaved one let go):
  // the saved ones come back.
  const Played opened = Play(std::string("@station S9 1 2\n@backsight azimuth 10\n@open job.capjob\n不保存\n@polar\n"),
                             {{"job.capjob", file}});
  EXPECT_TRUE(opened.transcript.Events("MESSAGE").empty()) << ::testing::PrintToString(opened.transcript.Reports());
  EXPECT_EQ(Tagged(opened.transcript, "POLAR"), Tagged(saved.transcript, "POLAR"));
  EXPECT_EQ(Tagged(opened.transcript, "BACKSIGHT"), Tagged(saved.transcript, "BACKSIGHT"));
}

TEST(PolarScript, AJobWithoutThemOpensWithNone) {
  const Played saved = Play(std::string(kNorth) + kBent + "@save plain.capjob\n");
  const std::string& file = saved.files.at("plain.capjob");
  EXPECT_EQ(file.find("\"station\": {"), std::string::npos);
  const Played opened =
      Play("@station S9 1 2\n@backsight azimuth 10\n@open plain.capjob\n不保存\n@polar\n", {{"plain.capjob", file}});
  const auto messages = opened.transcript.Events("MESSAGE");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("还没有设置测站"), std::string::npos);
}

TEST(PolarScript, AStationChangedSinceTheSaveIsUnsavedWork) {
  const Played p = Play(std::string(kNorth) + "@save a.capjob\n@station S1 1 2\n@open a.capjob\n@cancel\n@polar\n");
  const auto prompts = p.transcript.Events("PROMPT");
  ASSERT_EQ(prompts.size(), 1u) << ::testing::PrintToString(p.transcript.events);
  // Cancelled: the station stands.
  EXPECT_TRUE(Tagged(p.transcript, "POLAR").empty());
  const auto messages = p.transcript.Events("MESSAGE");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("还没有设置后视"), std::string::npos) << messages[0];
}

struct RefusalRow {
  const char* name;
  const char* line;
  const char* reason;  // a part of the MESSAGE
};

const RefusalRow kRefusals[] = {
    {"station_without_words", "@station", "@station 的写法"},
    {"station_of_two_words", "@station S1 1000", "@station 的写法"},
    {"station_with_h_but_no_hi", "@station S1 1000 2000 12.5", "@station 的写法"},
    {"station_x_not_a_number", "@station S1 abc 2000", "X“abc”不是数值"},
    {"station_y_beyond_any_grid", "@station S1 1000 1e9", "Y“1e9”超出了"},
    {"station_h_not_a_number", "@station S1 1000 2000 x 1.5", "H“x”不是数值"},
    {"station_h_beyond_any_site", "@station S1 1000 2000 20000 1.5", "H“20000”超出了"},
    {"station_hi_negative", "@station S1 1000 2000 12 -1.5", "HI“-1.5”超出了 0 至 100 m"},
    {"station_hi_nan", "@station S1 1000 2000 12 nan", "HI“nan”不是数值"},
    {"station_named_point_unknown", "@station 9-Z1", "没有名为“9-Z1”的桥梁点位"},
    {"station_on_the_backsight_point", "@station S2 3000100 500000.0002", "与测站“S2”重合"},
    {"station_name_not_text", "@station S 1 2", "名称须为可显示的 UTF-8 文字"},
    {"backsight_azimuth_minutes_over_59", "@backsight azimuth 45.75", "分和秒须小于 60"},
    {"backsight_azimuth_seconds_over_59", "@backsight azimuth 45.3065", "分和秒须小于 60"},
    {"backsight_azimuth_over_360", "@backsight azimuth 400", "超出了 0 至 360°"},
    {"backsight_azimuth_negative", "@backsight azimuth -10", "超出了 0 至 360°"},
    {"backsight_azimuth_not_a_number", "@backsight azimuth north", "后视方位角“north”不是数值"},
    {"backsight_on_the_station", "@backsight B2 3000000.0001 500000", "与测站“S1”重合"},
    {"backsight_of_two_words", "@backsight B2 1", "@backsight 的写法"},
    {"backsight_named_point_unknown", "@backsight 3-Q", "没有名为“3-Q”的桥梁点位"},
    {"polar_of_an_unknown_bridge", "@polar B9", "没有名为“B9”的桥"},
    {"polar_of_two_words", "@polar B1 B2", "@polar 的写法"},
};

class PolarRefusal : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(PolarRefusal, NamesTheLineAndTheReasonAndChangesNothing) {
  const RefusalRow& r = GetParam();
  const std::string setUp = std::string(kNorth) + kBent + "@station S1 3000000 500000 10 1.5\n@backsight B1 3000100 500000\n";
  const Played before = Play(setUp + "@polar\n");
  const Played after = Play(setUp + r.line + "\n@polar\n");
  const auto messages = after.transcript.Events("MESSAGE");
  ASSERT_GE(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind(std::string("“") + r.line + "”：", 0), 0u) << messages[0];
  EXPECT_NE(messages[0].find(r.reason), std::string::npos) << messages[0];
  // The last @polar is the first's: the station and the backsight stand.
  const auto polar = Tagged(after.transcript, "POLAR");
  const auto expected = Tagged(before.transcript, "POLAR");
  ASSERT_GE(polar.size(), expected.size());
  EXPECT_EQ(std::vector(polar.end() - expected.size(), polar.end()), expected);
}

INSTANTIATE_TEST_SUITE_P(Lines, PolarRefusal, ::testing::ValuesIn(kRefusals), RowName<RefusalRow>);

TEST(PolarScript, PolarWithoutAStationOrABacksightSaysWhatIsMissing) {
  const Played none = Play(std::string(kNorth) + kBent + "@polar\n@station S1 1 2\n@polar\n");
  const auto messages = none.transcript.Events("MESSAGE");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[0].find("还没有设置测站"), std::string::npos);
  EXPECT_NE(messages[1].find("还没有设置后视"), std::string::npos);
  EXPECT_TRUE(Tagged(none.transcript, "POLAR").empty());
}

TEST(PolarScript, ABentWithoutPointsIsSaidNotLeftOut) {
  // K1+600 lies beyond the road's end: bent 4 gives no points.
  const Played p = Play(std::string(kNorth) + "@bridge B1\nbent 3 1100\nbent 4 1400\n@end\n@road\nstart 1000 3000000 500000 0\nline 300\n@end\n" +
                        "@station S1 3000000 500000\n@backsight azimuth 0\n@polar\n");
  const auto notices = p.transcript.Events("NOTICE");
  ASSERT_EQ(notices.size(), 1u) << ::testing::PrintToString(p.transcript.Reports());
  EXPECT_NE(notices[0].find("墩台 4"), std::string::npos);
  ASSERT_EQ(Tagged(p.transcript, "POLAR").size(), 1u);
}

}  // namespace
}  // namespace capset::testing
