// One reader of every road field: a text typed in a line of the script's
// @road block and the same text typed in the road window's cell get one
// answer, accepted or refused for the same reason, at the edges of every
// field's range.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "road_lines.h"
#include "road_table.h"
#include "road_window_texts.h"
#include "table.h"

namespace capset {
namespace {

// A field, the line that holds it ("{}" where it goes) and the cell.
struct FieldRow {
  const char* name;
  const char* text;
  std::vector<std::string> lines;  // the road block, "{}" for the text
  RoadTableForm form;
  bool equations;
  int row;
  Column column;
  const char* reason;  // a piece of the refusal; empty when the field reads
};

std::vector<std::string> Filled(std::vector<std::string> lines, const std::string& text) {
  for (std::string& line : lines) {
    if (const auto at = line.find("{}"); at != std::string::npos) line.replace(at, 2, text);
  }
  return lines;
}

// The script's answer: the field's reason, or "" when the field read.
std::string ScriptReason(const FieldRow& f) {
  const auto read = ReadRoadLines(Filled(f.lines, f.text), NumberSymbols{});
  const auto* problems = std::get_if<std::vector<RoadLineProblem>>(&read);
  if (!problems) return "";
  for (const RoadLineProblem& p : *problems) {
    if (p.reason.find("“" + std::string(f.text) + "”") != std::string::npos) return p.reason;
  }
  return "";
}

// The window's answer for the same text in the cell.
std::string CellReason(const FieldRow& f) {
  RoadTable t(f.form, {});
  if (f.form == RoadTableForm::kIntersections && !f.equations) t.InsertRow(false, 1);
  if (f.equations) t.InsertRow(true, 0);
  const CellGrid& g = t.Grid(f.equations);
  if (f.form == RoadTableForm::kElements && !f.equations && f.row > 0) {
    const std::string kind = f.column == Column::kR1 || f.column == Column::kR2 ? kSpiralWord : kLineWord;
    t.SetText(false, f.row, g.ColumnOf(Column::kKind), kind);
    if (f.column == Column::kR2) t.SetText(false, f.row, g.ColumnOf(Column::kR1), "inf");
  }
  const int column = g.ColumnOf(f.column);
  EXPECT_TRUE(t.SetText(f.equations, f.row, column, f.text));
  return t.CellProblem(f.equations, f.row, column).value_or("");
}

class OneReader : public ::testing::TestWithParam<FieldRow> {};

TEST_P(OneReader, GivesTheScriptAndTheWindowOneAnswer) {
  const FieldRow& f = GetParam();
  const std::string script = ScriptReason(f), cell = CellReason(f);
  if (std::string(f.reason).empty()) {
    EXPECT_EQ(script, "");
    EXPECT_EQ(cell, "");
    return;
  }
  EXPECT_NE(cell.find(f.reason), std::string::npos) << cell;
  // The line's message is the field's name, the text and the cell's very reason.
  EXPECT_FALSE(cell.empty());
  EXPECT_NE(script.find("“" + std::string(f.text) + "”" + cell), std::string::npos) << script << " / " << cell;
}

const std::vector<std::string> kJd{"bp 0 0 0", "jd 1000 0 {} 0", "ep 1000 1000"};
const std::vector<std::string> kJdLs{"bp 0 0 0", "jd 1000 0 500 {}", "ep 1000 1000"};
const std::vector<std::string> kJdX{"bp 0 0 0", "jd {} 0 500 0", "ep 1000 1000"};
const std::vector<std::string> kBp{"bp {} 0 0", "jd 1000 0 500 0", "ep 1000 1000"};
const std::vector<std::string> kLine{"start 0 0 0 0", "line {}"};
const std::vector<std::string> kStart{"start 0 0 0 {}", "line 10"};
const std::vector<std::string> kSpiralR2{"start 0 0 0 0", "spiral 10 inf {} left"};
const std::vector<std::string> kEquation{"start 0 0 0 0", "line 10", "equation {} 5"};
constexpr auto kI = RoadTableForm::kIntersections;
constexpr auto kE = RoadTableForm::kElements;
const char kOutside[] = "超出了";

const FieldRow kFields[] = {
    {"RadiusTenthOfAMicrometre", "1e-7", kJd, kI, false, 1, Column::kR, "超出了 0.001 至 1000000 m 的范围"},
    {"RadiusSubnormal", "4.9e-324", kJd, kI, false, 1, Column::kR, kOutside},
    {"RadiusHuge", "1e308", kJd, kI, false, 1, Column::kR, kOutside},
    {"RadiusJustAboveAMillion", "1000000.5", kJd, kI, false, 1, Column::kR, kOutside},
    {"RadiusAMillion", "1000000", kJd, kI, false, 1, Column::kR, ""},
    {"RadiusAMillimetre", "0.001", kJd, kI, false, 1, Column::kR, ""},
    {"RadiusZero", "0", kJd, kI, false, 1, Column::kR, "须大于 0"},
    {"RadiusBeyondADouble", "1e400", kJd, kI, false, 1, Column::kR, "超出数值范围"},
    {"LsZeroIsNoSpiral", "0", kJdLs, kI, false, 1, Column::kLs1, ""},
    {"LsSubnormal", "1e-320", kJdLs, kI, false, 1, Column::kLs1, "（0 为不设缓和曲线）"},
    {"LsHalfAMillimetre", "0.0005", kJdLs, kI, false, 1, Column::kLs1, kOutside},
    {"LsNegative", "-20", kJdLs, kI, false, 1, Column::kLs1, "不能为负"},
    {"CoordinateAtTheEdge", "-100000000", kJdX, kI, false, 1, Column::kX, ""},
    {"CoordinateBeyondTheEdge", "100000000.1", kJdX, kI, false, 1, Column::kX, "-100000000 至 100000000 m"},
    {"Coordinate1e160", "1e160", kJdX, kI, false, 1, Column::kX, kOutside},
    {"StationAtTheEdge", "K100000+000", kBp, kI, false, 0, Column::kJdStation, ""},
    {"StationBeyondTheEdge", "K100000+000.5", kBp, kI, false, 0, Column::kJdStation, kOutside},
    {"StationInMetresHuge", "1e308", kBp, kI, false, 0, Column::kJdStation, kOutside},
    {"StationWithAPlace", "1390(2)", kBp, kI, false, 0, Column::kJdStation, "不写第几处"},
    {"StationNotANumber", "abc", kBp, kI, false, 0, Column::kJdStation, "不是数值"},
    {"LineOfZero", "0", kLine, kE, false, 1, Column::kLength, "长度为 0 的线元不占路线，请删去这一行"},
    {"LineOfAMillimetre", "0.001", kLine, kE, false, 1, Column::kLength, ""},
    {"LineTooLong", "2e6", kLine, kE, false, 1, Column::kLength, kOutside},
    {"AzimuthFullCircle", "360", kStart, kE, false, 0, Column::kAzimuth, ""},
    {"AzimuthPastAFullCircle", "360.0001", kStart, kE, false, 0, Column::kAzimuth, "-360 至 360° 的范围"},
    {"AzimuthBelowZero", "-45.3015", kStart, kE, false, 0, Column::kAzimuth, ""},
    {"AzimuthSlip", "45.75", kStart, kE, false, 0, Column::kAzimuth, "分和秒须小于 60"},
    {"SpiralEndTooSharp", "1e-9", kSpiralR2, kE, false, 1, Column::kR2, kOutside},
    {"SpiralEndOfThreeHundred", "300", kSpiralR2, kE, false, 1, Column::kR2, ""},
    {"SpiralEndOfAMillimetre", "0.001", kSpiralR2, kE, false, 1, Column::kR2, ""},
    {"EquationHuge", "1e308", kEquation, kE, true, 0, Column::kBack, kOutside},
};
INSTANTIATE_TEST_SUITE_P(Fields, OneReader, ::testing::ValuesIn(kFields), testing::RowName<FieldRow>);

// Both infinite ends: the table says so at once; the script's road is refused as it is built.
TEST(OneReader, ASpiralWithTwoStraightEndsIsTheTablesRowRule) {
  FieldRow f{"", "inf", kSpiralR2, kE, false, 1, Column::kR2, ""};
  EXPECT_EQ(CellReason(f), kCellSameRadii);
}

// The side of a turn reads alike in either: left, right, 左, 右.
TEST(OneReader, SidesInEitherLanguage) {
  for (const char* side : {"left", "right", "左", "右"}) {
    const auto read = ReadRoadLines({"start 0 0 0 0", std::string("arc 10 300 ") + side}, NumberSymbols{});
    EXPECT_TRUE(std::holds_alternative<RoadLines>(read)) << side;
    RoadTable t(kE, {});
    const CellGrid& g = t.Grid(false);
    t.SetText(false, 1, g.ColumnOf(Column::kKind), kArcWord);
    t.SetText(false, 1, g.ColumnOf(Column::kTurn), side);
    EXPECT_FALSE(t.CellProblem(false, 1, g.ColumnOf(Column::kTurn))) << side;
  }
}

}  // namespace
}  // namespace capset
