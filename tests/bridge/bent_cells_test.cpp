// The bents table's cells and pasted rows: each cell read as the script's
// bent line reads the same field (one answer for one text, wherever typed),
// every shown cell read back as the same bent, and a paste kept whole or
// refused by the number of its first bad line.
#include <gtest/gtest.h>

#include <random>

#include "bent_cells.h"
#include "bridge_lines.h"
#include "bridge_page_texts.h"
#include "bridge_texts.h"

namespace capset::testing {
namespace {

const NumberSymbols kDot{};
NumberSymbols Comma() {
  NumberSymbols s;
  s.decimal = ",";
  return s;
}

// What the script says of the same text in the same field: the reason of
// its one refusal, or "" when it reads.
std::string ScriptReason(const std::string& line) {
  const auto read = ReadBridgeLines("B", {line}, kDot);
  if (const auto* problems = std::get_if<std::vector<BridgeLineProblem>>(&read)) return BridgeProblemText(problems->front().problem);
  return "";
}

struct CellRow {
  const char* name;
  BentColumn column;
  const char* typed;
  // Either the reason the cell is refused, or a check of the bent it made.
  const char* reason;
  std::function<bool(const Bent&)> holds = nullptr;
};

class BentCell : public ::testing::TestWithParam<CellRow> {};

TEST_P(BentCell, ReadsAsTheScriptReadsTheField) {
  const CellRow& row = GetParam();
  Bent bent{"7", {1050}};
  const Bent before = bent;
  const std::optional<std::string> reason = SetBentCell(bent, row.column, row.typed, kDot);
  if (row.reason != nullptr) {
    ASSERT_TRUE(reason.has_value());
    EXPECT_EQ(*reason, row.reason);
    EXPECT_EQ(bent, before) << "a refused cell leaves the bent as it was";
  } else {
    ASSERT_FALSE(reason.has_value()) << *reason;
    EXPECT_TRUE(row.holds(bent));
  }
}

const std::string kStationBad = ScriptReason("bent x K1+0x0");
const std::string kSkewBeyond = ScriptReason("bent x 0 skew 200");
const std::string kSkewSlip = ScriptReason("bent x 0 skew 45.75");
const std::string kNameNotAscii = ScriptReason("bent 三号 0");
const std::string kHalfWidthNegative = ScriptReason("bent x 0 dr -3");
const std::string kDepthWord = ScriptReason("bent x 0 depth deep");

INSTANTIATE_TEST_SUITE_P(
    Cells, BentCell,
    ::testing::Values(
        CellRow{"NameOfLetters", BentColumn::kName, "P3.a", nullptr, [](const Bent& b) { return b.name == "P3.a"; }},
        CellRow{"NameBlanksAround", BentColumn::kName, "  12 ", nullptr, [](const Bent& b) { return b.name == "12"; }},
        CellRow{"NameTwoWords", BentColumn::kName, "3 4", kCellOneWord},
        CellRow{"NameEmpty", BentColumn::kName, " ", kCellNeeded},
        CellRow{"NameNotAscii", BentColumn::kName, "三号", kNameNotAscii.c_str()},
        CellRow{"StationK", BentColumn::kStation, "K1+020.5", nullptr,
                [](const Bent& b) { return b.station == StationRef{1020.5}; }},
        CellRow{"StationMetres", BentColumn::kStation, "1020.25", nullptr,
                [](const Bent& b) { return b.station == StationRef{1020.25}; }},
        CellRow{"StationSecondOccurrence", BentColumn::kStation, "K1+390(2)", nullptr,
                [](const Bent& b) { return b.station == StationRef{1390, 2}; }},
        CellRow{"StationNotOne", BentColumn::kStation, "K1+0x0", kStationBad.c_str()},
        CellRow{"StationEmpty", BentColumn::kStation, "", kCellNeeded},
        CellRow{"SkewPacked", BentColumn::kSkew, "60.3", nullptr, [](const Bent& b) { return std::fabs(b.B - 60.5) < 1e-12; }},
        CellRow{"SkewBlankIsSquare", BentColumn::kSkew, "", nullptr, [](const Bent& b) { return b.B == 90; }},
        CellRow{"SkewBeyond180", BentColumn::kSkew, "200", kSkewBeyond.c_str()},
        CellRow{"SkewMinutesSlip", BentColumn::kSkew, "45.75", kSkewSlip.c_str()},
        CellRow{"AxisParallelWord", BentColumn::kAxis, "平行", nullptr,
                [](const Bent& b) { return b.axis == CapAxisMode::kParallel && b.design == StationRef{1050}; }},
        CellRow{"AxisScriptWord", BentColumn::kAxis, "parallel", nullptr,
                [](const Bent& b) { return b.axis == CapAxisMode::kParallel; }},
        CellRow{"AxisOther", BentColumn::kAxis, "sideways", kCellAxisWord},
        CellRow{"DesignMakesParallel", BentColumn::kDesign, "K1+000", nullptr,
                [](const Bent& b) { return b.axis == CapAxisMode::kParallel && b.design == StationRef{1000}; }},
        CellRow{"DesignBlankIsOwn", BentColumn::kDesign, "", nullptr, [](const Bent& b) { return b.axis == CapAxisMode::kOwn; }},
        CellRow{"LeftGivesBothEdges", BentColumn::kLeft, "7.5", nullptr,
                [](const Bent& b) { return b.left == 7.5 && b.right == 7.5; }},
        CellRow{"LeftNegative", BentColumn::kLeft, "-3", kHalfWidthNegative.c_str()},
        CellRow{"RightBeforeLeft", BentColumn::kRight, "6", kCellRightWithoutLeft},
        CellRow{"DepthGiven", BentColumn::kDepth, "1.6", nullptr, [](const Bent& b) { return b.depth == 1.6; }},
        CellRow{"DepthWord", BentColumn::kDepth, "deep", kDepthWord.c_str()},
        CellRow{"TemplateNamed", BentColumn::kTemplate, "two-columns", nullptr,
                [](const Bent& b) { return b.templateName == "two-columns"; }},
        CellRow{"TemplateTwoWords", BentColumn::kTemplate, "pier A", kCellOneWord}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BentCells, RefusedReasonsAreTheScriptsOwn) {
  // The table's reasons above come from the script's reader: none is empty.
  for (const std::string* r : {&kStationBad, &kSkewBeyond, &kSkewSlip, &kNameNotAscii, &kHalfWidthNegative, &kDepthWord}) {
    EXPECT_FALSE(r->empty());
  }
}

TEST(BentCells, RightAfterLeftKeepsTheLeft) {
  Bent bent{"1", {1000}};
  ASSERT_FALSE(SetBentCell(bent, BentColumn::kLeft, "7.5", kDot));
  ASSERT_FALSE(SetBentCell(bent, BentColumn::kRight, "9", kDot));
  EXPECT_EQ(bent.left, 7.5);
  EXPECT_EQ(bent.right, 9);
  ASSERT_FALSE(SetBentCell(bent, BentColumn::kRight, "", kDot));
  EXPECT_EQ(bent.right, 7.5) << "a blank right is the left's";
  ASSERT_FALSE(SetBentCell(bent, BentColumn::kLeft, "", kDot));
  EXPECT_FALSE(bent.left.has_value());
  EXPECT_FALSE(bent.right.has_value());
}

// Property: every cell as shown reads back as the same bent, with "." and
// with "," as the separator: numbers as typed (to the micrometre, the
// second of arc), stations in K form or metres.
TEST(BentCells, EveryShownCellReadsBackAsTheSameBent) {
  std::mt19937_64 random(20261210);
  std::uniform_real_distribution<double> anyStation(-50, 250000), anyWidth(0.5, 40), anyDepth(0, 30);
  auto typed = [&random](std::uniform_real_distribution<double>& d) { return std::round(d(random) * 1e6) / 1e6; };
  auto station = [&](std::mt19937_64&) { return typed(anyStation); };
  auto width = [&](std::mt19937_64&) { return typed(anyWidth); };
  auto depth = [&](std::mt19937_64&) { return typed(anyDepth); };
  std::uniform_int_distribution<int> degrees(1, 179), minutes(0, 59), seconds(0, 59), coin(0, 1);
  for (const NumberSymbols& symbols : {kDot, Comma()}) {
    for (int n = 0; n < 400; ++n) {
      Bent bent{"B" + std::to_string(n), {coin(random) ? std::round(station(random) * 1000) / 1000 : station(random)}};
      bent.B = degrees(random) + minutes(random) / 60.0 + seconds(random) / 3600.0;
      if (bent.B >= 180) bent.B = 179.5;
      if (coin(random)) bent.axis = CapAxisMode::kParallel, bent.design = {station(random), coin(random)};
      if (coin(random)) bent.left = width(random), bent.right = coin(random) ? *bent.left : width(random);
      bent.depth = depth(random);
      if (coin(random)) bent.templateName = "pile-cap-2x3";
      const std::vector<std::string> cells = BentCellTexts(bent, symbols.decimal);
      Bent read{"x", {0}};
      for (int c = 0; c < kBentColumns; ++c) {
        const std::optional<std::string> reason = SetBentCell(read, static_cast<BentColumn>(c), cells[c], symbols);
        ASSERT_FALSE(reason.has_value()) << cells[c] << ": " << *reason;
      }
      EXPECT_EQ(read.name, bent.name);
      EXPECT_EQ(read.station, bent.station) << cells[1];
      EXPECT_NEAR(read.B, bent.B, 1e-9) << cells[2];
      EXPECT_EQ(read.axis, bent.axis);
      if (bent.axis == CapAxisMode::kParallel) {
        EXPECT_EQ(read.design, bent.design) << cells[4];
      }
      EXPECT_EQ(read.left, bent.left) << cells[5];
      EXPECT_EQ(read.right, bent.right) << cells[6];
      EXPECT_EQ(read.depth, bent.depth) << cells[7];
      EXPECT_EQ(read.templateName, bent.templateName);
    }
  }
}

struct PasteRow {
  const char* name;
  std::string text;
  bool comma;
  std::vector<std::string> names;  // the bents read, in order; empty: refused
  int badLine;                     // the first refused line
};

class PastedBents : public ::testing::TestWithParam<PasteRow> {};

TEST_P(PastedBents, AllOrNothing) {
  const PasteRow& row = GetParam();
  const auto read = ReadPastedBents(row.text, row.comma ? Comma() : kDot);
  if (row.names.empty()) {
    const auto* problems = std::get_if<std::vector<PastedLineProblem>>(&read);
    ASSERT_NE(problems, nullptr);
    EXPECT_EQ(problems->front().line, row.badLine);
    EXPECT_FALSE(problems->front().reason.empty());
  } else {
    const auto* bents = std::get_if<std::vector<Bent>>(&read);
    ASSERT_NE(bents, nullptr) << std::get<std::vector<PastedLineProblem>>(read).front().reason;
    std::vector<std::string> names;
    for (const Bent& b : *bents) names.push_back(b.name);
    EXPECT_EQ(names, row.names);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PastedBents,
    ::testing::Values(
        PasteRow{"SpreadsheetWithHeadings", "墩台\t桩号\t交角 B\n1\tK1+020\t60\n2\tK1+050\t60\t平行\tK1+020\t7.5\t7.5\t1.2\ttwo-columns\n", false, {"1", "2"}, 0},
        PasteRow{"WindowsLineEnds", "1\t1020\r\n2\t1050\r\n", false, {"1", "2"}, 0},
        PasteRow{"TrailingEmptyCells", "1\t1020\t\t\t\t\t\t\t\t\t\n", false, {"1"}, 0},
        PasteRow{"BlankSeparatedText", "1 1020 75\n\n2 1050 75\n", false, {"1", "2"}, 0},
        PasteRow{"ScriptLines", "bent 1 K1+020 skew 60 dr 7.5\nbent 2 1050 template two-columns\n", false, {"1", "2"}, 0},
        PasteRow{"CommaSeparator", "1\t1020,5\t60\t\t\t7,5\n", true, {"1"}, 0},
        PasteRow{"BadStationNamesItsLine", "1\t1020\n2\t10x0\n3\t1080\n", false, {}, 2},
        PasteRow{"HeadingOnlyAtTheTop", "1\t1020\n墩台\t桩号\n", false, {}, 2},
        PasteRow{"TooManyColumns", "1\t1020\t90\town\t\t7\t7\t1\tT\textra\n", false, {}, 1},
        PasteRow{"DotWhereTheUserTypesComma", "1\t1020.5\n", true, {}, 1},
        PasteRow{"BadScriptLine", "bent 1 1020\nbent 2 1050 skew 200\n", false, {}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PastedBents, ReplaceTheirNamesakesWhereTheyStandAndAddTheRest) {
  const Bridge bridge{"B", {{"1", {1000}}, {"2", {1030}}, {"3", {1060}}}};
  std::size_t replaced = 0;
  const Bridge next = WithPastedBents(bridge, {{"2", {1031}}, {"4", {1090}}}, &replaced);
  ASSERT_EQ(next.bents.size(), 4u);
  EXPECT_EQ(next.bents[1].station, StationRef{1031});
  EXPECT_EQ(next.bents[3].name, "4");
  EXPECT_EQ(replaced, 1u);
  // Two pasted bents of one name are both there, for the bridge's check to refuse.
  const Bridge twice = WithPastedBents(bridge, {{"5", {1100}}, {"5", {1110}}});
  EXPECT_EQ(twice.bents.size(), 5u);
  EXPECT_FALSE(CheckBridge(twice, [](const std::string&) { return nullptr; }, nullptr).empty());
}

TEST(BentCells, NextBentFollowsTheLast) {
  Bridge bridge{"B", {{"1", {1000}}, {"2", {1030}}}};
  bridge.bents[1].templateName = "two-columns";
  bridge.bents[1].left = bridge.bents[1].right = 6;
  const Bent next = NextBent(bridge);
  EXPECT_EQ(next.name, "3");
  EXPECT_EQ(next.station, StationRef{1030});
  EXPECT_EQ(next.templateName, "two-columns");
  EXPECT_EQ(next.left, 6);
  bridge.bents.push_back({"3", {1060}});
  bridge.bents[0].name = "4";
  EXPECT_EQ(NextBent(bridge).name, "5") << "a name no bent has";
}

}  // namespace
}  // namespace capset::testing
