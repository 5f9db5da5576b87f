// Every refusal of a template or a bridge block, one row each: the line
// and the reason in one MESSAGE, and the templates and bridges exactly as
// they were before the block.
#include <gtest/gtest.h>

#include "dialogue_run.h"
#include "table.h"

namespace capset::testing {
namespace {

struct RefusalRow {
  const char* name;
  const char* block;  // "@template pier", "@bridge B1"
  std::vector<std::string> lines;
  const char* message;
};

// A road, a template "pier" and a bridge "B1" on it, then the block.
constexpr char kBefore[] =
    "@road\nstart 1000 3000000 500000 30\nline 500\n@end\n"
    "@template pier\ngrid Z 2 2 3 3\n@end\n"
    "@bridge B1\nbent 1 1100 skew 60 dr 6 template pier\nbent 2 1130 template two-columns\n@end\n";
constexpr char kAfter[] = "@templates\n@bridgepoints\n";

class BridgeRefusals : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(BridgeRefusals, NameTheLineAndKeepWhatWasThere) {
  const RefusalRow& row = GetParam();
  std::string block = std::string(row.block) + "\n";
  for (const std::string& line : row.lines) block += line + "\n";
  block += "@end\n";
  const DialogueRun refused = RunDialogue(kBefore + block + kAfter);
  const DialogueRun untouched = RunDialogue(std::string(kBefore) + kAfter);
  EXPECT_EQ(refused.Events("MESSAGE"), std::vector<std::string>{row.message});
  std::vector<std::string> kept;
  for (const std::string& e : refused.transcript.events)
    if (!e.starts_with("MESSAGE ")) kept.push_back(e);
  EXPECT_EQ(kept, untouched.transcript.events);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, BridgeRefusals,
    ::testing::Values(
        RefusalRow{"TemplateUnknownLine", "@template pier",
                   {"pile Z 0 0"},
                   "模板“pier”第 1 行“pile Z 0 0”：不认识这一行：模板的行以 point、grid、corners 或 copy 开头。"},
        RefusalRow{"TemplatePointShape", "@template pier",
                   {"point Z 1"},
                   "模板“pier”第 1 行“point Z 1”：point 行写作 point 点名 U V [DEPTH]：沿轴线 U、垂直轴线 V（米），可加埋深 DEPTH。"},
        RefusalRow{"TemplateGridNoRows", "@template pier",
                   {"grid Z 0 3 2.5 2.5"},
                   "模板“pier”第 1 行“grid Z 0 3 2.5 2.5”：ROWS“0”须为 1 至 100 的整数。"},
        RefusalRow{"TemplateGridHalfACount", "@template pier",
                   {"grid Z 2 2.5 2.5 2.5"},
                   "模板“pier”第 1 行“grid Z 2 2.5 2.5 2.5”：COLS“2.5”须为 1 至 100 的整数。"},
        RefusalRow{"TemplateGridBeyondTheMostCount", "@template pier",
                   {"grid Z 2 101 2.5 2.5"},
                   "模板“pier”第 1 行“grid Z 2 101 2.5 2.5”：COLS“101”须为 1 至 100 的整数。"},
        RefusalRow{"TemplateGridSpacingZero", "@template pier",
                   {"grid Z 2 3 0 2.5"},
                   "模板“pier”第 1 行“grid Z 2 3 0 2.5”：DU“0”须大于 0：两根以上时为相邻两点的间距。"},
        RefusalRow{"TemplateGridSpacingNegative", "@template pier",
                   {"grid Z 2 3 2.5 -2.5"},
                   "模板“pier”第 1 行“grid Z 2 3 2.5 -2.5”：DV“-2.5”须大于 0：两根以上时为相邻两点的间距。"},
        RefusalRow{"TemplateOneRowNegativeSpacing", "@template pier",
                   {"grid Z 1 3 2.5 -1"},
                   "模板“pier”第 1 行“grid Z 1 3 2.5 -1”：DV“-1”不能为负。"},
        RefusalRow{"TemplateGridCentreHalfGiven", "@template pier",
                   {"grid Z 2 3 2.5 2.5 0.5"},
                   "模板“pier”第 1 行“grid Z 2 3 2.5 2.5 0.5”：grid 行写作 grid 点名 ROWS COLS DU DV [U0 V0] [DEPTH]：ROWS 排平行于轴线、排距 DV，每排 COLS 根、桩距 DU，中心在 (U0, V0)（默认为墩台中心）。"},
        RefusalRow{"TemplateCornersNoLength", "@template pier",
                   {"corners T 0 5"},
                   "模板“pier”第 1 行“corners T 0 5”：LENGTH“0”须大于 0。"},
        RefusalRow{"TemplateNotANumber", "@template pier",
                   {"point Z1 1,5x 0"},
                   "模板“pier”第 1 行“point Z1 1,5x 0”：U“1,5x”不是数值。"},
        RefusalRow{"TemplateFarOffTheBent", "@template pier",
                   {"point Z1 1e5 0"},
                   "模板“pier”第 1 行“point Z1 1e5 0”：U“1e5”超出了 -10000 至 10000 m 的范围。"},
        RefusalRow{"TemplateNameNotAscii", "@template pier",
                   {"point 桩1 0 0"},
                   "模板“pier”第 1 行“point 桩1 0 0”：名称“桩1”只能由英文字母、数字、下划线和点组成（如 3、A3、Z1）：点名为“墩台名-点名”，如 3-Z1，须能直接输入全站仪。"},
        RefusalRow{"TemplateNameWithADash", "@template pier",
                   {"point Z-1 0 0"},
                   "模板“pier”第 1 行“point Z-1 0 0”：名称“Z-1”只能由英文字母、数字、下划线和点组成（如 3、A3、Z1）：点名为“墩台名-点名”，如 3-Z1，须能直接输入全站仪。"},
        RefusalRow{"TemplateNameReserved", "@template pier",
                   {"point C 0 0"},
                   "模板“pier”第 1 行“point C 0 0”：点名“C”留给墩台自身的中桩（C）和左右边点（L、R），请换一个点名。"},
        RefusalRow{"TemplateNameTooLong", "@template pier",
                   {"point Z123456789012345678901234567890123 0 0"},
                   "模板“pier”第 1 行“point Z123456789012345678901234567890123 0 0”：名称“Z123456789012345678901234567890123”超过 32 个字符。"},
        RefusalRow{"TemplateNamesClash", "@template pier",
                   {"grid Z 2 6 2 2", "grid Z1 1 2 2 2"},
                   "模板“pier”第 2 行“grid Z1 1 2 2 2”：点名 Z11 与第 1 行给出的点重名。"},
        RefusalRow{"TemplateCopyUnknown", "@template pier",
                   {"copy nothing"},
                   "模板“pier”第 1 行“copy nothing”：没有名为“nothing”的模板。"},
        RefusalRow{"TemplateReadyName", "@template two-columns",
                   {"point Z1 0 0"},
                   "模板“two-columns”：“two-columns”是现成模板的名称，现成模板不能改动：请复制到另取名称的模板中再修改。"},
        RefusalRow{"TemplateEmpty", "@template pier",
                   {},
                   "模板“pier”：模板中没有点。"},
        RefusalRow{"TemplateTooManyPoints", "@template pier",
                   {"grid Z 30 30 1 1"},
                   "模板“pier”：模板的点超过 500 个。"},
        RefusalRow{"TemplateNoName", "@template",
                   {"point Z1 0 0"},
                   "模板：@template 后写一个名称（一个词，不含空格）。"},
        RefusalRow{"TemplateNameOfTwoWords", "@template a b",
                   {"point Z1 0 0"},
                   "模板“a b”：@template 后写一个名称（一个词，不含空格）。"},
        RefusalRow{"TemplateNameOfAControlCharacter", "@template a\x01" "b",
                   {"point Z1 0 0"},
                   "模板：名称须为可显示的 UTF-8 文字，不含控制字符。"},
        RefusalRow{"BridgeNameOfAnOverlongSlash", "@bridge B\xC0\xAF",
                   {"bent 1 1100"},
                   "桥：名称须为可显示的 UTF-8 文字，不含控制字符。"},
        RefusalRow{"BridgeNameOfASurrogate", "@bridge B\xED\xA0\x80",
                   {"bent 1 1100"},
                   "桥：名称须为可显示的 UTF-8 文字，不含控制字符。"},
        RefusalRow{"BridgeNameCutShort", "@bridge B\xE6\xA1",
                   {"bent 1 1100"},
                   "桥：名称须为可显示的 UTF-8 文字，不含控制字符。"},
        RefusalRow{"BridgeUnknownLine", "@bridge B1",
                   {"pier 1 1100"},
                   "桥“B1”第 1 行“pier 1 1100”：不认识这一行：bent 行写作 bent 名称 桩号 [skew B] [axis own|parallel K] [dr L [R]] [depth D] [template T]。"},
        RefusalRow{"BridgeBentShape", "@bridge B1",
                   {"bent 1"},
                   "桥“B1”第 1 行“bent 1”：bent 行写作 bent 名称 桩号 [skew B] [axis own|parallel K] [dr L [R]] [depth D] [template T]。"},
        RefusalRow{"BridgeUnknownOption", "@bridge B1",
                   {"bent 1 1100 width 5"},
                   "桥“B1”第 1 行“bent 1 1100 width 5”：不认识“width”：bent 行在桩号之后可写 skew、axis、dr、depth、template。"},
        RefusalRow{"BridgeOptionTwice", "@bridge B1",
                   {"bent 1 1100 skew 60 skew 70"},
                   "桥“B1”第 1 行“bent 1 1100 skew 60 skew 70”：skew 写了两次。"},
        RefusalRow{"BridgeOptionWithoutValue", "@bridge B1",
                   {"bent 1 1100 skew"},
                   "桥“B1”第 1 行“bent 1 1100 skew”：skew 后缺少数值。"},
        RefusalRow{"BridgeSkewZero", "@bridge B1",
                   {"bent 1 1100 skew 0"},
                   "桥“B1”第 1 行“bent 1 1100 skew 0”：skew“0”交角须大于 0 度、小于 180 度。"},
        RefusalRow{"BridgeSkewStraight", "@bridge B1",
                   {"bent 1 1100 skew 180"},
                   "桥“B1”第 1 行“bent 1 1100 skew 180”：skew“180”交角须大于 0 度、小于 180 度。"},
        RefusalRow{"BridgeSkewSlip", "@bridge B1",
                   {"bent 1 1100 skew 60.6"},
                   "桥“B1”第 1 行“bent 1 1100 skew 60.6”：skew“60.6”分和秒须小于 60（度.分秒，如 60.3015 为 60°30′15″）。"},
        RefusalRow{"BridgeAxisWord", "@bridge B1",
                   {"bent 1 1100 axis sideways"},
                   "桥“B1”第 1 行“bent 1 1100 axis sideways”：axis“sideways”：axis 后写 own（轴线取各墩台自身桩号的切线）或 parallel K（平行于设计桩号 K 处的轴线）。"},
        RefusalRow{"BridgeParallelWithoutStation", "@bridge B1",
                   {"bent 1 1100 axis parallel"},
                   "桥“B1”第 1 行“bent 1 1100 axis parallel”：axis“parallel”：axis 后写 own（轴线取各墩台自身桩号的切线）或 parallel K（平行于设计桩号 K 处的轴线）。"},
        RefusalRow{"BridgeStationNotOne", "@bridge B1",
                   {"bent 1 K1+1x0"},
                   "桥“B1”第 1 行“bent 1 K1+1x0”：K“K1+1x0”加号后的米数不是数值。"},
        RefusalRow{"BridgeHalfWidthZero", "@bridge B1",
                   {"bent 1 1100 dr 0"},
                   "桥“B1”第 1 行“bent 1 1100 dr 0”：dr“0”超出了 0.001 至 10000 m 的范围。"},
        RefusalRow{"BridgeDepthFar", "@bridge B1",
                   {"bent 1 1100 depth 1e5"},
                   "桥“B1”第 1 行“bent 1 1100 depth 1e5”：depth“1e5”超出了 0 至 100 m 的范围。"},
        // A bent's depth is the batch's, deck to cap top: never above the deck.
        RefusalRow{"BridgeDepthAboveTheDeck", "@bridge B1",
                   {"bent 1 1100 depth -1.5"},
                   "桥“B1”第 1 行“bent 1 1100 depth -1.5”：depth“-1.5”超出了 0 至 100 m 的范围。"},
        RefusalRow{"BridgeBentOffRoad", "@bridge B1",
                   {"bent 1 1600"},
                   "桥“B1”第 1 行“bent 1 1600”：桩号 K1+600.000 在路线终点 K1+500.000 之后。"},
        RefusalRow{"BridgeDesignOffRoad", "@bridge B1",
                   {"bent 1 1100 axis parallel 900"},
                   "桥“B1”第 1 行“bent 1 1100 axis parallel 900”：axis parallel 的设计桩号：桩号 K0+900.000 在路线起点 K1+000.000 之前。"},
        RefusalRow{"BridgeNoSuchTemplate", "@bridge B1",
                   {"bent 1 1100 template nothing"},
                   "桥“B1”第 1 行“bent 1 1100 template nothing”：没有名为“nothing”的模板。"},
        RefusalRow{"BridgeBentNamesClash", "@bridge B1",
                   {"bent 1 1100", "bent 2 1130", "bent 1 1160"},
                   "桥“B1”第 3 行“bent 1 1160”：墩台名 1 与第 1 行的墩台重名，点名将相同。"},
        RefusalRow{"BridgeBentNameNotAscii", "@bridge B1",
                   {"bent 3# 1100"},
                   "桥“B1”第 1 行“bent 3# 1100”：名称“3#”只能由英文字母、数字、下划线和点组成（如 3、A3、Z1）：点名为“墩台名-点名”，如 3-Z1，须能直接输入全站仪。"},
        RefusalRow{"BridgeEmpty", "@bridge B1",
                   {},
                   "桥“B1”：桥中没有墩台。"}),
    RowName<RefusalRow>);

}  // namespace
}  // namespace capset::testing
