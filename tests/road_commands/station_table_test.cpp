// The 逐桩坐标表: its rows against the road itself, through equations, and
// its files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "road_fixtures.h"
#include "station_table.h"
#include "station_table_formats.h"

namespace capset {
namespace {

using testing::Made;

// The asymmetric table of the road tests: unequal spirals, a tight curve and a plain arc.
IntersectionRoadInput Asymmetric(std::vector<StationEquation> equations = {}) {
  return {1000,
          {40000, 60000},
          {{{40800, 60350}, 300, 120, 60}, {{41200, 59900}, 150, 40, 90}, {{41900, 60150}, 600, 0, 0},
           {{42500, 59700}, 90, 60, 60}},
          {43300, 59850},
          std::move(equations)};
}

std::vector<StationTableRow> Rows(const Road& road, StationTableRequest request) {
  auto made = MakeStationTable(road, request);
  EXPECT_TRUE(std::holds_alternative<std::vector<StationTableRow>>(made));
  if (!std::holds_alternative<std::vector<StationTableRow>>(made)) return {};
  return std::get<std::vector<StationTableRow>>(made);
}

// Every row is the road's own point at its station and offset, in order of
// distance, the centreline first at each station, then the offsets as given.
void ExpectRowsAreTheRoads(const Road& road, const std::vector<StationTableRow>& rows,
                           const std::vector<double>& offsets) {
  const std::size_t per = offsets.size() + 1;
  ASSERT_EQ(rows.size() % per, 0u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const StationTableRow& row = rows[i];
    const std::size_t k = i % per;
    EXPECT_EQ(row.centreline, k == 0);
    EXPECT_EQ(row.offset, k == 0 ? 0 : offsets[k - 1]);
    const Road::StationPoint at = road.AtStation(row.station, row.offset);
    ASSERT_TRUE(at.point) << row.station.value << "(" << row.station.occurrence << ")";
    EXPECT_LT(testing::Gap(at.point->point, row.point.point), 1e-9) << row.station.value;
    EXPECT_NEAR(at.point->azimuth, row.point.azimuth, 1e-9);
    if (i >= per) {
      EXPECT_GT(row.distance, rows[i - per].distance - (k == 0 ? 0 : 1e-12));
    }
  }
}

TEST(StationTable, WholeStationsKeyPointsAndEndsInOrder) {
  const Road road = Made(RoadFromIntersections(Asymmetric()));
  const std::vector<double> offsets{-7.5, 7.5, 3};
  const auto rows = Rows(road, {{1013.5}, {road.lastStation()}, 20, offsets});
  ExpectRowsAreTheRoads(road, rows, offsets);
  std::set<std::string> keys;
  int multiples = 0;
  for (std::size_t i = 0; i < rows.size(); i += offsets.size() + 1) {
    if (!rows[i].key.empty()) keys.insert(rows[i].key);
    if (std::fmod(rows[i].station.value, 20) == 0) ++multiples;
  }
  EXPECT_EQ(rows.front().station.value, 1013.5);
  EXPECT_EQ(rows.back().station.value, road.lastStation());
  // Every key point after the first station is a row; BP lies before it.
  EXPECT_EQ(keys.size(), road.keyPoints().size() - 1);
  EXPECT_FALSE(keys.contains("BP"));
  EXPECT_TRUE(keys.contains("EP"));
  EXPECT_EQ(multiples, static_cast<int>(std::floor(road.lastStation() / 20) - std::floor(1013.5 / 20)));
}

TEST(StationTable, ThroughALongAndAShortChain) {
  const Road road = Made(RoadFromIntersections(Asymmetric({{1300, 1280}, {1600, 1650}})));
  const auto rows = Rows(road, {{1270}, {1660}, 10, {}});
  ExpectRowsAreTheRoads(road, rows, {});
  std::vector<std::string> stations;
  for (const StationTableRow& row : rows) {
    if (row.key.empty()) {
      stations.push_back(std::to_string(static_cast<int>(row.station.value)) +
                         (row.station.occurrence ? "(" + std::to_string(row.station.occurrence) + ")" : ""));
    }
  }
  // 1280 … 1300 twice, the stations between 1600 and 1650 not at all.
  const std::vector<std::string> head{"1270", "1280(1)", "1290(1)", "1280(2)", "1290(2)", "1300(2)", "1310"};
  ASSERT_GE(stations.size(), head.size());
  EXPECT_EQ(std::vector<std::string>(stations.begin(), stations.begin() + head.size()), head);
  EXPECT_EQ(std::vector<std::string>(stations.end() - 3, stations.end()), (std::vector<std::string>{"1590", "1650", "1660"}));
}

struct TableRefusalRow {
  const char* name;
  StationTableRequest request;
  StationTableFault fault;
};

class StationTableRefusals : public ::testing::TestWithParam<TableRefusalRow> {};

TEST_P(StationTableRefusals, SayWhy) {
  const Road road = Made(RoadFromIntersections(Asymmetric({{1300, 1280}, {1600, 1650}})));
  const auto made = MakeStationTable(road, GetParam().request);
  ASSERT_TRUE(std::holds_alternative<StationTableProblem>(made));
  EXPECT_EQ(std::get<StationTableProblem>(made).fault, GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StationTableRefusals,
    ::testing::Values(TableRefusalRow{"StepZero", {{1100}, {1200}, 0, {}}, StationTableFault::kStepNotPositive},
                      TableRefusalRow{"StepNegative", {{1100}, {1200}, -5, {}}, StationTableFault::kStepNotPositive},
                      TableRefusalRow{"FromInTheGap", {{1620}, {1700}, 10, {}}, StationTableFault::kFromNotPlaced},
                      TableRefusalRow{"ToTwiceUnsaid", {{1100}, {1290}, 10, {}}, StationTableFault::kToNotPlaced},
                      TableRefusalRow{"ToBeforeFrom", {{1200}, {1100}, 10, {}}, StationTableFault::kToBeforeFrom},
                      TableRefusalRow{"ToBeforeFromThroughTheOverlap", {{1290, 2}, {1295, 1}, 1, {}},
                                      StationTableFault::kToBeforeFrom},
                      TableRefusalRow{"MicrometreStep", {{1000}, {3000}, 1e-6, {}}, StationTableFault::kTooManyRows},
                      TableRefusalRow{"OffsetNotFinite", {{1100}, {1200}, 10, {INFINITY}},
                                      StationTableFault::kOffsetNotFinite}),
    [](const auto& info) { return std::string(info.param.name); });

// A step far finer than a large station's last digit: the count ends, the
// table is one row.
TEST(StationTable, TinyStepAtAFarStationEnds) {
  // The farthest station a road may start at, and a step below its last digit (1.5e-8 m).
  const Road road = Made(RoadFromElements({1e8, {0, 0}, 0, {{ElementKind::kLine, 100}}, {}}));
  const auto rows = Rows(road, {{1e8 + 50}, {1e8 + 50}, 1e-9, {}});
  EXPECT_EQ(rows.size(), 1u);
}

TEST(StationTableFiles, PointNamesAreAsciiAndApart) {
  const Road road = Made(RoadFromIntersections(Asymmetric({{1300, 1280}})));
  const auto rows = Rows(road, {{1270}, {1320}, 10, {-7.5, 7.5, 2.125}});
  std::set<std::string> names;
  for (const StationTableRow& row : rows) {
    const std::string name = StationTablePointName(row);
    EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](unsigned char c) { return c < 0x80 && c != ','; })) << name;
    EXPECT_TRUE(names.insert(name).second) << name;
  }
  EXPECT_TRUE(names.contains("K1+270-C"));
  EXPECT_TRUE(names.contains("K1+270-L7.5"));
  EXPECT_TRUE(names.contains("K1+270-R7.5"));
  EXPECT_TRUE(names.contains("K1+270-R2.125"));
  EXPECT_TRUE(names.contains("K1+290_2-C"));
}

TEST(StationTableFiles, CsvAndPointFileLines) {
  const Road road = Made(RoadFromElements({1020, {3000, 4000}, 0, {{ElementKind::kLine, 100}}, {}}));
  const auto rows = Rows(road, {{1020}, {1020}, 10, {-7.5}});
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(StationTableText(ExportFormat::kDat, rows),
            "K1+020-C,S,4000.000,3000.000,0.000\r\nK1+020-L7.5,S,3992.500,3000.000,0.000\r\n");
  const std::string csv = StationTableText(ExportFormat::kCsv, rows);
  EXPECT_EQ(csv, std::string(kUtf8Bom) + "点名,桩号,偏距(m),X(m),Y(m),方位角,特征点\r\n"
                     "K1+020-C,K1+020.000,0.000,3000.0000,4000.0000,0°00′00.0″,S\r\n"
                     "K1+020-L7.5,K1+020.000,-7.500,3000.0000,3992.5000,0°00′00.0″,S\r\n");
}

}  // namespace
}  // namespace capset
