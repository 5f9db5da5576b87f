// The road window's Qt-free half: the cells checked as typed, a paste from
// a spreadsheet, the table's road against an independent computation
// (mpmath, 40 digits) printed as the drawings print it, and the plan's
// mapping between the plane and the pixels.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "plan_mapping.h"
#include "plan_scene.h"
#include "road_ranges.h"
#include "road_summary.h"
#include "road_table.h"
#include "road_window_texts.h"
#include "road_texts.h"
#include "table.h"

namespace capset {
namespace {

// The road of the drawings' table: BP, a curve with unequal spirals, a plain arc, EP.
RoadTable ProtocolTable() {
  RoadTable t(RoadTableForm::kIntersections, {});
  t.Paste(false, 0, 1,
          "1000\t3000\t4000\r\n"
          "\t3800\t4300\t600\t120\t100\r\n"
          "\t4600\t4200\t400\t0\r\n"
          "\t5500\t4900\r\n");
  return t;
}

TEST(RoadTable, ThePastedTableGivesTheCurveElementsOfAnIndependentComputation) {
  const RoadTable t = ProtocolTable();
  const auto input = t.Input();
  ASSERT_TRUE(std::holds_alternative<RoadInput>(input)) << std::get<TableProblem>(input).reason;
  const Road road = *BuildRoad(std::get<RoadInput>(input)).road;
  const TextTable curves = CurveTable(road);
  // α −27.681061568°, T1 207.393200575, T2 198.641084286, L 399.875398890, Ly 179.875398890, J 6.158885970;
  // α 45°, T 165.685424949, L = Ly 314.159265359, J 17.211584539.
  ASSERT_EQ(curves.rows.size(), 2u);
  EXPECT_EQ(curves.rows[0], (std::vector<std::string>{"JD1", "27°40′51.8″ 左", "600.000", "120.000", "100.000", "207.393",
                                                      "198.641", "399.875", "179.875", curves.rows[0][9], "6.159"}));
  EXPECT_EQ(curves.rows[1], (std::vector<std::string>{"JD2", "45°00′00.0″ 右", "400.000", "0.000", "0.000", "165.685",
                                                      "165.685", "314.159", "314.159", curves.rows[1][9], "17.212"}));
  const TextTable keys = KeyPointTable(road);
  std::vector<std::string> names;
  for (const auto& row : keys.rows) names.push_back(row[0]);
  EXPECT_EQ(names, (std::vector<std::string>{"BP", "ZH1", "HY1", "QZ1", "YH1", "HZ1", "ZY2", "QZ2", "YZ2", "EP"}));
  EXPECT_EQ(keys.rows[0][1], "K1+000.000");
}

// A cell as typed, and what is said of it.
struct CellRow {
  std::string name;
  RoadTableForm form;
  int row;
  Column column;
  std::string text;
  std::string reason;  // empty: the cell reads
};

class RoadTableCells : public ::testing::TestWithParam<CellRow> {};

TEST_P(RoadTableCells, AreCheckedAsTyped) {
  const CellRow& c = GetParam();
  RoadTable t(c.form, {",", "-", "+", "E", U'0'});
  if (c.form == RoadTableForm::kIntersections) t.InsertRow(false, 1);
  const int column = t.Grid(false).ColumnOf(c.column);
  if (c.column == Column::kR2) t.SetText(false, c.row, t.Grid(false).ColumnOf(Column::kKind), kSpiralWord);
  if (c.name.starts_with("SpiralR2")) t.SetText(false, c.row, t.Grid(false).ColumnOf(Column::kR1), "300");
  ASSERT_TRUE(t.SetText(false, c.row, column, c.text));
  EXPECT_EQ(t.CellProblem(false, c.row, column).value_or(""), c.reason);
}

const CellRow kCells[] = {
    {"StationInKForm", RoadTableForm::kIntersections, 0, Column::kJdStation, "K1+050,5", ""},
    {"StationNotOne", RoadTableForm::kIntersections, 0, Column::kJdStation, "K1+", StationRefProblemText(StationRefProblem::kMetresMissing)},
    {"CommaLocaleRefusesAPoint", RoadTableForm::kIntersections, 1, Column::kX, "3800.5", kRoadNotNumber},
    {"CoordinateEmpty", RoadTableForm::kIntersections, 1, Column::kY, "", kCellEmpty},
    {"RadiusZero", RoadTableForm::kIntersections, 1, Column::kR, "0", kRoadNotPositive},
    {"SpiralNegative", RoadTableForm::kIntersections, 1, Column::kLs1, "-5", kRoadNegative},
    {"Ls2EmptyIsLs1", RoadTableForm::kIntersections, 1, Column::kLs2, "", ""},
    {"AzimuthMinutesOver60", RoadTableForm::kElements, 0, Column::kAzimuth, "45,75", kRoadPackedSlip},
    {"AzimuthPacked", RoadTableForm::kElements, 0, Column::kAzimuth, "45,3015", ""},
    {"KindInEnglish", RoadTableForm::kElements, 1, Column::kKind, "spiral", ""},
    {"KindUnknown", RoadTableForm::kElements, 1, Column::kKind, "clothoid", kCellNotKind},
    {"LengthZero", RoadTableForm::kElements, 1, Column::kLength, "0", RoadZeroLengthText(kElementLengthRange)},
    {"SpiralR2Infinite", RoadTableForm::kElements, 1, Column::kR2, "inf", ""},
    {"SpiralR2SameAsR1", RoadTableForm::kElements, 1, Column::kR2, "300", kCellSameRadii},
};
INSTANTIATE_TEST_SUITE_P(Typed, RoadTableCells, ::testing::ValuesIn(kCells), testing::RowName<CellRow>);

TEST(RoadTable, CellsThatTakeNoTextAndRowsThatStay) {
  RoadTable t(RoadTableForm::kIntersections, {});
  t.InsertRow(false, 1);
  const CellGrid& g = t.Grid(false);
  EXPECT_TRUE(t.Editable(false, 1, g.ColumnOf(Column::kJdStation)));  // a JD's station is kept, and checked
  EXPECT_FALSE(t.CellProblem(false, 1, g.ColumnOf(Column::kJdStation)));  // but not needed
  EXPECT_FALSE(t.Editable(false, 0, g.ColumnOf(Column::kR)));  // BP has no curve
  EXPECT_FALSE(t.Editable(false, 2, g.ColumnOf(Column::kR)));        // nor has EP a radius
  EXPECT_FALSE(t.RemoveRow(false, 0));
  EXPECT_FALSE(t.RemoveRow(false, 2));
  EXPECT_FALSE(t.InsertRow(false, 0));  // nothing before BP
  EXPECT_FALSE(t.InsertRow(false, 3));  // nor after EP
  EXPECT_TRUE(t.InsertRow(false, 2));
  EXPECT_FALSE(t.MoveRow(false, 1, 0));
  EXPECT_TRUE(t.MoveRow(false, 1, 2));
  EXPECT_EQ(t.PointName(false, 2), "JD2");
  RoadTable e(RoadTableForm::kElements, {});
  const int kind = e.Grid(false).ColumnOf(Column::kKind);
  EXPECT_FALSE(e.Editable(false, 1, e.Grid(false).ColumnOf(Column::kR1)));  // a straight has no radius
  e.SetText(false, 1, kind, kArcWord);
  EXPECT_TRUE(e.Editable(false, 1, e.Grid(false).ColumnOf(Column::kR1)));
  EXPECT_FALSE(e.Editable(false, 1, e.Grid(false).ColumnOf(Column::kR2)));
}

TEST(RoadTable, PastedRowsGoBeforeEpAndTheFirstBadCellIsNamed) {
  RoadTable t = ProtocolTable();
  // Two more JD rows pasted from the EP row on: new rows before EP.
  EXPECT_EQ(t.Paste(false, 3, 2, "5000\t4600\t300\t60\n5200\t4700\tR?\t0\n"), 2);
  EXPECT_EQ(t.Grid(false).rowCount(), 6);
  EXPECT_EQ(t.Grid(false).rows().back().kind, RowKind::kEP);
  const auto input = t.Input();
  ASSERT_TRUE(std::holds_alternative<TableProblem>(input));
  const TableProblem& p = std::get<TableProblem>(input);
  EXPECT_EQ(p.row, 4);
  EXPECT_EQ(t.Grid(false).columns()[p.column], Column::kR);
  EXPECT_EQ(p.reason, kRoadNotNumber);
}

TEST(RoadTable, RowsCopiedWithOrWithoutTheirNamesLineUpFromTheNamesColumn) {
  const std::string bare = "1000\t3000\t4000\n\t3800\t4300\t600\t120\t100\n\t4600\t4200\t400\t0\n\t5500\t4900\n";
  const std::string named = "BP\t1000\t3000\t4000\nJD1\t\t3800\t4300\t600\t120\t100\nJD2\t\t4600\t4200\t400\t0\nEP\t\t5500\t4900\n";
  for (const std::string& text : {bare, named}) {
    RoadTable t(RoadTableForm::kIntersections, {});
    EXPECT_EQ(t.Paste(false, 0, 0, text), 4);
    const auto input = t.Input();
    ASSERT_TRUE(std::holds_alternative<RoadInput>(input)) << std::get<TableProblem>(input).reason;
    EXPECT_EQ(std::get<RoadInput>(input), std::get<RoadInput>(ProtocolTable().Input()));
  }
}

TEST(RoadTable, ARoadThatRefusesNamesItsRow) {
  RoadTable t = ProtocolTable();
  t.SetText(false, 1, t.Grid(false).ColumnOf(Column::kR), "6000");  // tangents far longer than the legs
  const auto input = t.Input();
  ASSERT_TRUE(std::holds_alternative<TableProblem>(input));
  EXPECT_GE(std::get<TableProblem>(input).row, 1);
  EXPECT_FALSE(std::get<TableProblem>(input).reason.empty());
}

TEST(RoadTable, AnUnchangedTableGivesBackTheRoadItWasMadeFromAndATypedOneTheSameRoad) {
  const ElementRoadInput elements{500, {10, 20}, 30.5,
                                  {{ElementKind::kLine, 40}, {ElementKind::kSpiral, 30, kNoRadius, 200, TurnSide::kLeft},
                                   {ElementKind::kArc, 25, 200, kNoRadius, TurnSide::kLeft, PlanePoint{1, 2}}},
                                  {{560, 550}}};
  RoadTable t = RoadTable::FromInput(elements, {});
  EXPECT_EQ(std::get<RoadInput>(t.Input()), RoadInput{elements});
  EXPECT_EQ(RoadTable::FromInput(IntersectionRoadInput{0, {3.4e6, 5e5}, {}, {3.4e6, 5.1e5}, {}}, {}).Grid(false).row(0).cells[2],
            "3400000");
  const int length = t.Grid(false).ColumnOf(Column::kLength);
  t.SetText(false, 1, length, t.Grid(false).row(1).cells[length]);
  const auto typed = std::get<RoadInput>(t.Input());
  const auto& back = std::get<ElementRoadInput>(typed);
  EXPECT_EQ(back.elements.size(), 3u);
  EXPECT_NEAR(back.azimuth, 30.5, 1e-12);
  EXPECT_EQ(back.equations, elements.equations);
  EXPECT_FALSE(back.elements[2].statedStart);  // the table holds what is typed, not a file's joints
}

// The plan's mapping: a station at its pixel, and the inverse under the mouse.
TEST(PlanMapping, AStationAtItsPixelIsThatStationUnderTheMouse) {
  const RoadTable t = ProtocolTable();
  const Road road = *BuildRoad(std::get<RoadInput>(t.Input())).road;
  PlanMapping m;
  m.SetView(800, 600);
  m.Fit(RoadBox(road), 30);
  for (double station : {1000.0, 1234.5, 1500.0, road.lastStation()}) {
    const auto pixel = StationPixel(m, road, {station});
    ASSERT_TRUE(pixel);
    EXPECT_GE(pixel->x, 29.99);
    EXPECT_LE(pixel->x, 770.01);
    EXPECT_GE(pixel->y, 29.99);
    EXPECT_LE(pixel->y, 570.01);
    const RoadFoot foot = road.Where(m.ToPlane(*pixel));
    EXPECT_NEAR(foot.station.value, station, 1e-6);
    EXPECT_NEAR(foot.offset, 0, 1e-6);
  }
  EXPECT_FALSE(StationPixel(m, road, {999}));
}

TEST(PlanMapping, ZoomKeepsThePointUnderTheMouseAndPanMovesByThePixels) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> u(0, 1);
  for (int i = 0; i < 200; ++i) {
    PlanMapping m;
    m.SetView(300 + 900 * u(random), 200 + 700 * u(random));
    m.Fit({3.4e6 + 1000 * u(random), 5e5, 3.4e6 + 2000 + 5000 * u(random), 5e5 + 10 + 3000 * u(random)}, 20);
    const Pixel at{m.width() * u(random), m.height() * u(random)};
    const PlanePoint before = m.ToPlane(at);
    m.ZoomAbout(at, std::pow(1.25, std::floor(8 * u(random)) - 4));
    const Pixel again = m.ToPixel(before);
    EXPECT_NEAR(again.x, at.x, 1e-6);
    EXPECT_NEAR(again.y, at.y, 1e-6);
    m.Pan(15, -7);
    const Pixel moved = m.ToPixel(before);
    EXPECT_NEAR(moved.x, at.x + 15, 1e-6);
    EXPECT_NEAR(moved.y, at.y - 7, 1e-6);
  }
}

TEST(PlanScene, TicksEveryHundredMetresBothPlacesOfALongChainAndNorthUp) {
  RoadTable t = ProtocolTable();
  t.InsertRow(true, 0);
  t.Paste(true, 0, 1, "1500\t1450");  // 长链: K1+450 to K1+500 exist twice
  const Road road = *BuildRoad(std::get<RoadInput>(t.Input())).road;
  const PlanScene scene = MakePlanScene(road);
  int at1500 = 0;
  for (const PlanTick& tick : scene.ticks) at1500 += tick.label == "K1+500";
  EXPECT_EQ(at1500, 2);
  EXPECT_EQ(scene.ticks.front().label, "K1+000");
  EXPECT_TRUE(scene.ticks.front().kilometre);
  EXPECT_EQ(scene.polygon.size(), 4u);
  PlanMapping m;
  m.SetView(600, 600);
  m.Fit(scene.box, 0);
  // North up, east right: BP (3000, 4000) lies below and left of EP (5500, 4900).
  const Pixel bp = m.ToPixel(scene.polygon.front()), ep = m.ToPixel(scene.polygon.back());
  EXPECT_GT(bp.y, ep.y);
  EXPECT_LT(bp.x, ep.x);
}

}  // namespace
}  // namespace capset
