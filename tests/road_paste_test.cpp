// A spreadsheet's rows pasted into the intersection-point table: they line
// up by what they hold (names, stations, X, Y, R, Ls1, Ls2) from whatever
// cell is chosen, or change nothing and say what was seen; JD stations are
// kept and, where they do not chain as the road does, named.
//
// The road: BP K1+000 at (3000, 4000), JD1 (3800, 4300) R 600, JD2 (4600,
// 4200) R 400, EP (5500, 4900), arcs without spirals. Its JD stations, from
// an independent computation (mpmath, 40 digits; J = 2R·tan(α/2) − R·α):
// JD1 1854.40037453, JD2 2654.85303336, EP 3777.81687392.

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "paste_layout.h"
#include "road_paste_texts.h"
#include "road_table.h"
#include "road_window_texts.h"
#include "table.h"

namespace capset {
namespace {

using capset::testing::RowName;

const IntersectionRoadInput kRoad{1000, {3000, 4000}, {{{3800, 4300}, 600, 0, 0}, {{4600, 4200}, 400, 0, 0}}, {5500, 4900}, {}};

// The table before the paste: BP and EP of the road, JDs with other numbers.
RoadTable Before() {
  RoadTable t(RoadTableForm::kIntersections, {});
  t.Paste(false, 0, 1, "1000\t3000\t4000\n\t3700\t4250\t500\t50\n\t4700\t4100\t300\t0\n\t5500\t4900\n");
  return t;
}

std::vector<std::string> JdStations(const RoadTable& t) {
  std::vector<std::string> s;
  const int c = t.Grid(false).ColumnOf(Column::kJdStation);
  for (const TableRow& row : t.Grid(false).rows()) s.push_back(row.cells[c]);
  return s;
}

struct PasteRow {
  std::string name;
  int row, column;  // the cell chosen
  std::string text;
  std::vector<std::string> stations;  // BP, JD1, JD2, EP after the paste
};

class PasteLinesUp : public ::testing::TestWithParam<PasteRow> {};

// A cell's station as a number: "K1+854.400" and "1854.400" alike; blank is none.
std::optional<double> StationOf(const std::string& cell) {
  if (cell.empty()) return std::nullopt;
  const std::size_t plus = cell.find('+');
  if (plus == std::string::npos) return std::stod(cell);
  return std::stod(cell.substr(1, plus - 1)) * 1000 + std::stod(cell.substr(plus + 1));
}

// The road the input lays, and apart from it the printed stations it keeps (JDs, then EP).
std::pair<IntersectionRoadInput, std::vector<std::optional<double>>> Split(IntersectionRoadInput in) {
  std::vector<std::optional<double>> printed;
  for (IntersectionPoint& jd : in.jds) printed.push_back(std::exchange(jd.station, std::nullopt));
  printed.push_back(std::exchange(in.epStation, std::nullopt));
  return {in, printed};
}

TEST_P(PasteLinesUp, IntoTheColumnsItsContentSays) {
  RoadTable t = Before();
  EXPECT_GT(t.Paste(false, GetParam().row, GetParam().column, GetParam().text), 0) << t.PasteNote();
  const auto input = t.Input();
  ASSERT_TRUE(std::holds_alternative<RoadInput>(input)) << std::get<TableProblem>(input).reason;
  const auto [road, printed] = Split(std::get<IntersectionRoadInput>(std::get<RoadInput>(input)));
  EXPECT_EQ(road, kRoad) << t.PasteNote();
  EXPECT_EQ(JdStations(t), GetParam().stations);
  // The stations pasted are in the road's input, to be saved with the job.
  const std::vector<std::string>& cells = GetParam().stations;
  EXPECT_EQ(printed, (std::vector<std::optional<double>>{StationOf(cells[1]), StationOf(cells[2]), StationOf(cells[3])}));
  EXPECT_TRUE(t.PasteNote().starts_with("已粘贴")) << t.PasteNote();
}

const std::vector<std::string> kNoStations = {"1000", "", "", ""};
const std::vector<std::string> kKStations = {"K1+000", "K1+854.400", "K2+654.853", "K3+777.817"};
const std::string kNamedWithStations =
    "BP\tK1+000\t3000\t4000\t\t\t\nJD1\tK1+854.400\t3800\t4300\t600\t0\t0\nJD2\tK2+654.853\t4600\t4200\t400\t0\t0\n"
    "EP\tK3+777.817\t5500\t4900\t\t\t\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, PasteLinesUp,
    ::testing::Values(
        // The whole table with names and K stations, from any cell.
        PasteRow{"NamedKStationsFromTheNamesColumn", 0, 0, kNamedWithStations, kKStations},
        PasteRow{"NamedKStationsFromTheBpStationCell", 0, 1, kNamedWithStations, kKStations},
        PasteRow{"NamedKStationsFromJd2sY", 2, 3, kNamedWithStations, kKStations},
        // Copied without the station column, with names: X goes to X.
        PasteRow{"NamedWithoutStationsFromTheNamesColumn", 1, 0, "JD1\t3800\t4300\t600\t0\t0\nJD2\t4600\t4200\t400\t0\t0\n",
                 kNoStations},
        PasteRow{"NamedWithoutStationsEndingWithEp", 1, 0, "JD1\t3800\t4300\t600\t0\t0\nJD2\t4600\t4200\t400\t0\t0\nEP\t5500\t4900\n",
                 kNoStations},
        // Without names nor stations: five numbers that do not chain as stations.
        PasteRow{"BareFromTheNamesColumn", 1, 0, "3800\t4300\t600\t0\t0\n4600\t4200\t400\t0\t0\n", kNoStations},
        PasteRow{"BareFromTheJdStationCell", 1, 1, "3800\t4300\t600\t0\t0\n4600\t4200\t400\t0\t0\n", kNoStations},
        PasteRow{"BareWholeTableFromTheBpStationCell", 0, 1, "3000\t4000\n3800\t4300\t600\t0\t0\n4600\t4200\t400\t0\t0\n5500\t4900\n",
                 kNoStations},
        // The JDs numbered 1, 2 in the first column are names, not stations.
        PasteRow{"CountedNames", 1, 0, "1\t3800\t4300\t600\t0\t0\n2\t4600\t4200\t400\t0\t0\n", kNoStations},
        // Numeric stations: six fields can only be with a station; five that chain exactly are.
        PasteRow{"SixFieldsFromTheXCell", 1, 2, "1854.400\t3800\t4300\t600\t0\t0\n2654.853\t4600\t4200\t400\t0\t0\n",
                 {"1000", "1854.400", "2654.853", ""}},
        PasteRow{"FiveFieldsThatChain", 0, 0,
                 "1000\t3000\t4000\n1854.400\t3800\t4300\t600\t0\n2654.853\t4600\t4200\t400\t0\n3777.817\t5500\t4900\n",
                 {"1000", "1854.400", "2654.853", "3777.817"}},
        // A heading above the rows is passed over.
        PasteRow{"UnderAHeading", 1, 0, "交点号\tX\tY\tR\tLs1\tLs2\nJD1\t3800\t4300\t600\t0\t0\nJD2\t4600\t4200\t400\t0\t0\n", kNoStations},
        // Copied out of a text: blanks between the fields.
        PasteRow{"BlankSeparated", 0, 0, "BP K1+000 3000 4000\nJD1 K1+854.400 3800 4300 600 0 0\nJD2 K2+654.853 4600 4200 400 0 0\nEP K3+777.817 5500 4900\n",
                 kKStations}),
    RowName<PasteRow>);

TEST(PasteLinesUp, PartOfARowGoesFromTheChosenCell) {
  RoadTable t = Before();
  EXPECT_EQ(t.Paste(false, 1, t.Grid(false).ColumnOf(Column::kX), "3800\t4300\t600\t0\t0\n4600\t4200\t400\t0\t0"), 2);
  t.Paste(false, 0, 2, "3000\t4000");
  t.Paste(false, 3, 2, "5500\t4900");
  const auto input = t.Input();
  ASSERT_TRUE(std::holds_alternative<RoadInput>(input)) << std::get<TableProblem>(input).reason << " row " << std::get<TableProblem>(input).row;
  EXPECT_EQ(std::get<RoadInput>(input), RoadInput{kRoad});
  // One row of four numbers reads both ways: the chosen cell decides.
  RoadTable s = Before();
  s.Paste(false, 1, s.Grid(false).ColumnOf(Column::kJdStation), "1854.4\t3800\t4300\t600");
  EXPECT_EQ(s.Grid(false).row(1).cells, (std::vector<std::string>{"", "1854.4", "3800", "4300", "600", "50", ""}));
}

struct RefusedRow {
  std::string name;
  int row, column;
  std::string text;
  std::string reason;
};

class PasteRefused : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(PasteRefused, ChangesNothingAndSaysWhatItSaw) {
  RoadTable t = Before();
  const auto before = t.Grid(false).rows();
  EXPECT_EQ(t.Paste(false, GetParam().row, GetParam().column, GetParam().text), 0);
  EXPECT_EQ(t.PasteNote(), GetParam().reason);
  ASSERT_EQ(t.Grid(false).rowCount(), static_cast<int>(before.size()));
  for (int r = 0; r < t.Grid(false).rowCount(); ++r) EXPECT_EQ(t.Grid(false).row(r).cells, before[r].cells) << r;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PasteRefused,
    ::testing::Values(
        RefusedRow{"EightFields", 1, 0, "JD1\tK1+854.4\t3800\t4300\t600\t0\t0\t99\n", PasteTooWideText(1, 8, true)},
        RefusedRow{"SevenNumbers", 1, 2, "1\t2\t3\t4\t5\t6\t7\n", PasteTooWideText(1, 7, false)},
        RefusedRow{"NamesAndNumbersMixed", 1, 0, "JD1\t3800\t4300\t600\n4600\t4200\t400\t0\n",
                   PasteMixedNamesText(1, "JD1", 2, "4600")},
        RefusedRow{"OneColumnInTheNamesColumn", 1, 0, "600\n400\n", kPasteOneColumn},
        RefusedRow{"EpBeforeTheLastLine", 1, 0, "JD1\t3800\t4300\t600\nEP\t5500\t4900\nJD2\t4600\t4200\t400\n",
                   PasteOutOfPlaceText(2, "EP")},
        RefusedRow{"BpAfterTheFirstLine", 1, 0, "JD1\t3800\t4300\t600\nBP\t3000\t4000\n", PasteOutOfPlaceText(2, "BP")},
        RefusedRow{"NoNumberAtAll", 1, 0, "交点号\tX\tY\n", kPasteHoldsNoNumber},
        // With K stations the block has a station column, and X … Ls2 leave no room for a seventh field.
        RefusedRow{"KStationsAndSixMore", 1, 0, "K1+854.4\t3800\t4300\t600\t0\t0\t0\n", PasteTooWideText(1, 7, false)}),
    RowName<RefusedRow>);

TEST(StationsChain, SaysWhetherTheFirstFieldsAreStations) {
  const NumberSymbols plain{};
  // Exactly as the road chains them: they are.
  EXPECT_EQ(StationsChain({{"1000", "3000", "4000"}, {"1854.400", "3800", "4300", "600"}, {"2654.853", "4600", "4200", "400"},
                           {"3777.817", "5500", "4900"}},
                          plain),
            1);
  // JD2 5 cm off the chain: they are not (nor are they X).
  EXPECT_EQ(StationsChain({{"1000", "3000", "4000"}, {"1854.400", "3800", "4300", "600"}, {"2654.903", "4600", "4200", "400"},
                           {"3777.867", "5500", "4900"}},
                          plain),
            -1);
  // A leg longer than its chord cannot be.
  EXPECT_EQ(StationsChain({{"3800", "4300", "600"}, {"4600", "4200", "400"}}, plain), -1);
  // Two rows whose leg fits the chord: nothing says either way.
  EXPECT_EQ(StationsChain({{"1000", "3000", "4000"}, {"1854.400", "3800", "4300"}}, plain), 0);
}

// JD stations typed as the drawings print them, against the road.
struct StationRow {
  std::string name;
  std::vector<std::string> typed;  // BP, JD1, JD2, EP
  std::vector<int> noted;          // rows whose station is named
};

class JdStationsAgainstTheChain : public ::testing::TestWithParam<StationRow> {};

TEST_P(JdStationsAgainstTheChain, AreNamedWhereTheyDifferByMoreThanRounding) {
  RoadTable t = RoadTable::FromInput(kRoad, {});
  const int c = t.Grid(false).ColumnOf(Column::kJdStation);
  for (int r = 0; r < 4; ++r) t.SetText(false, r, c, GetParam().typed[r]);
  const auto input = t.Input();
  ASSERT_TRUE(std::holds_alternative<RoadInput>(input)) << std::get<TableProblem>(input).reason;
  const Road road = *BuildRoad(std::get<RoadInput>(input)).road;
  t.CheckJdStations(&road);
  std::vector<int> noted;
  for (const auto& [row, note] : t.StationNotes()) noted.push_back(row);
  EXPECT_EQ(noted, GetParam().noted);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JdStationsAgainstTheChain,
    ::testing::Values(StationRow{"AsPrinted", {"1000", "K1+854.400", "K2+654.853", "K3+777.817"}, {}},
                      StationRow{"InMetresAndKForm", {"K1+000", "1854.4", "K2+654.853", "3777.817"}, {}},
                      StationRow{"NoneTyped", {"1000", "", "", ""}, {}},
                      StationRow{"OnlyEp", {"1000", "", "", "3777.817"}, {}},
                      // Each is chained from the one before as printed: 4 mm at each step is rounding.
                      StationRow{"FourMillimetresAtEachStep", {"1000", "1854.404", "2654.857", "3777.821"}, {}},
                      // A digit slipped in JD1: JD1, and JD2 chained from it, are named.
                      StationRow{"ASlippedDigit", {"1000", "1845.400", "2654.853", "3777.817"}, {1, 2}},
                      StationRow{"EpTenMillimetresOff", {"1000", "1854.400", "2654.853", "3777.827"}, {3}},
                      StationRow{"SkippedJdChainsFromBp", {"1000", "", "2654.853", "3777.800"}, {3}}),
    RowName<StationRow>);

TEST(JdStationsAgainstTheChain, TheNoteNamesTheJdBothStationsAndTheDifference) {
  RoadTable t = RoadTable::FromInput(kRoad, {});
  t.SetText(false, 2, t.Grid(false).ColumnOf(Column::kJdStation), "2654.873");
  const Road road = *BuildRoad(std::get<RoadInput>(t.Input())).road;
  t.CheckJdStations(&road);
  ASSERT_TRUE(t.StationNote(2));
  EXPECT_EQ(*t.StationNote(2), "JD2 的交点桩号 K2+654.873 与由前一桩号推算的 K2+654.853 相差 20.0 mm。");
  EXPECT_FALSE(t.StationNote(1));
}

}  // namespace
}  // namespace capset
