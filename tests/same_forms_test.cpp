// A station and an azimuth read the same in every view and file of the road:
// its key point table, the plan's ticks, the station table on screen, on the
// clipboard and in its CSV and point files, and the road's messages; a
// station before zero included, and the shown text reads back as the station.
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "angle_text.h"
#include "plan_scene.h"
#include "road_build.h"
#include "road_summary.h"
#include "road_texts.h"
#include "station_ref_reading.h"
#include "station_table.h"
#include "station_table_formats.h"
#include "station_text.h"

namespace capset::testing {
namespace {

// A road whose BP stands 20 m before K0: one curve with spirals.
Road RoadBeforeZero() {
  RoadBuild build = RoadFromIntersections({-20, {40000, 60000}, {{{40800, 60350}, 300, 120, 60}}, {41300, 59900}, {}});
  EXPECT_TRUE(build.road.has_value());
  return std::move(*build.road);
}

std::vector<StationTableRow> TableRows(const Road& road) {
  auto made = MakeStationTable(road, {{-20}, {road.lastStation()}, 20, {-7.5, 7.5}});
  EXPECT_TRUE(std::holds_alternative<std::vector<StationTableRow>>(made));
  return std::get<std::vector<StationTableRow>>(made);
}

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(SameForms, AStationBeforeZeroReadsOneWayEverywhere) {
  const Road road = RoadBeforeZero();
  const std::string shown = "-K0+020.000";
  ASSERT_EQ(RoadStationText(road.firstStation()), shown);

  const TextTable keys = KeyPointTable(road);
  EXPECT_EQ(keys.rows.front()[1], shown) << "BP in the key point table";

  const std::vector<StationTableRow> rows = TableRows(road);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(StationTableRowTexts(rows.front(), ".")[1], shown);
  EXPECT_EQ(StationTableRowTexts(rows.front(), ",")[1], shown) << "a station keeps its point in any locale";
  EXPECT_TRUE(Holds(StationTableText(ExportFormat::kCsv, rows), "," + shown + ","));
  EXPECT_TRUE(Holds(StationTableTsv(rows, "."), "\t" + shown + "\t"));
  EXPECT_TRUE(Holds(StationTableText(ExportFormat::kDat, rows), "-K0+020-C,"));

  const StationRange range{road.firstStation(), road.lastStation(), {}};
  EXPECT_TRUE(Holds(PlacementText("-30", road.Place({-30}), range), shown)) << "the road's message";

  const auto read = ReadStationRef(shown, NumberSymbols{});
  ASSERT_TRUE(std::holds_alternative<StationRef>(read)) << "what is shown can be typed back";
  EXPECT_EQ(std::get<StationRef>(read).value, -20);
}

TEST(SameForms, PlanTicksBeforeZeroAreLabelledAsTheStationsAre) {
  const Road road = RoadBeforeZero();
  const PlanScene scene = MakePlanScene(road);
  ASSERT_FALSE(scene.ticks.empty());
  for (const PlanTick& t : scene.ticks) {
    EXPECT_EQ(t.label.find("K-"), std::string::npos) << t.label;
    EXPECT_EQ(t.label.find("-0+000"), std::string::npos) << t.label;
  }
}

TEST(SameForms, AKeyPointsStationAndAzimuthMatchInTheTableAndItsFiles) {
  const Road road = RoadBeforeZero();
  const TextTable keys = KeyPointTable(road);
  const std::vector<StationTableRow> rows = TableRows(road);
  int compared = 0;
  for (const std::vector<std::string>& key : keys.rows) {
    for (const StationTableRow& row : rows) {
      if (!row.centreline || row.key != key[0]) continue;
      const std::vector<std::string> texts = StationTableRowTexts(row, ".");
      EXPECT_EQ(texts[1], key[1]) << key[0];
      EXPECT_EQ(texts[5], key[4]) << key[0] << ": one azimuth form, D°MM′SS.S″";
      EXPECT_EQ(texts[5], AzimuthText(row.point.azimuth));
      EXPECT_TRUE(Holds(StationTableText(ExportFormat::kCsv, rows), texts[1] + ",0.000,")) << key[0];
      ++compared;
    }
  }
  EXPECT_GE(compared, 4) << "ZH, HY, QZ, YH, HZ and EP stand in the table";
}

}  // namespace
}  // namespace capset::testing
