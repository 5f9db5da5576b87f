// Every problem of heights has a sentence that names where it lies and
// ends as a sentence, whatever numbers it carries (none unprintable: a NaN
// or an infinity is told in words), with the units it speaks in.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "heights_texts.h"
#include "table.h"

namespace capset {
namespace {

const ProfileInput kRows{{{{4800}, 416.18},
                          {{5030}, 427.68, VerticalCurveKind::kRadius, 2000},
                          {{5090, 2}, 425, VerticalCurveKind::kCircle, 3000, 60},
                          {{5300}, 416.88}}};

struct TextRow {
  const char* name;
  HeightsProblem problem;
  const char* says;
};

class HeightsSentences : public ::testing::TestWithParam<TextRow> {};

TEST_P(HeightsSentences, NameThePlaceAndTheNumbers) {
  const StationRange road{4000, 6000, {{5100, 5050}}};
  const std::string text = HeightsProblemText(GetParam().problem, {&kRows, nullptr, &road});
  EXPECT_NE(text.find(GetParam().says), std::string::npos) << text;
  EXPECT_TRUE(text.ends_with("。")) << text;
  for (const char* bad : {"nan", "inf", "  "}) EXPECT_EQ(text.find(bad), std::string::npos) << text;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Rows, HeightsSentences,
    ::testing::Values(
        TextRow{"NotFinite", ProfileProblem{ProfileFault::kNotFinite, 2, ProfileField::kElevation},
                "第 2 行变坡点 K5+030.000 的高程 H 不是有效的数值。"},
        TextRow{"ElevationOutOfRange", ProfileProblem{ProfileFault::kOutOfRange, 1, ProfileField::kElevation, 1e9, 1e8},
                "第 1 行变坡点 K4+800.000 的高程 H 为 1000000000 m，超出了 -100000000 至 100000000 m 的范围。"},
        TextRow{"RadiusBelowAMillimetre", ProfileProblem{ProfileFault::kOutOfRange, 2, ProfileField::kRadius, 1e-4, 1e-3},
                "竖曲线半径 R 为 0.0001 m，超出了 0.001 至 1000000 m 的范围。"},
        TextRow{"CircleArcNamedSo", ProfileProblem{ProfileFault::kLengthNotPositive, 3, ProfileField::kLength, -1},
                "第 3 行变坡点 K5+090.000(2) 的圆曲线弧长为 -1.000 m，长度须大于 0。"},
        TextRow{"CircleLengthDisagrees",
                ProfileProblem{ProfileFault::kCircleLengthDisagrees, 3, ProfileField::kLength, 60, 59.9},
                "圆曲线弧长为 60.000 m，而由半径和前后纵坡算得 59.900 m，相差 0.100 m，超过 0.001 m。"},
        TextRow{"NoGradeChange", ProfileProblem{ProfileFault::kNoGradeChange, 2, ProfileField::kLength, 0},
                "第 2 行变坡点 K5+030.000 前后纵坡相同"},
        TextRow{"CurveAtTheEnd", ProfileProblem{ProfileFault::kCurveAtEnd, 4}, "是纵断面的终点，不能设竖曲线"},
        // A curve that runs past a plain grade break, not into another curve.
        TextRow{"PastAGradeBreak", ProfileProblem{ProfileFault::kCurvesOverlap, 3, ProfileField::kNone, 2.5, 0, 4},
                "越过了第 4 行变坡点 K5+300.000（该处无竖曲线，为折线）2.500 m"},
        TextRow{"NaNInAnOverlap", ProfileProblem{ProfileFault::kCurvesOverlap, 3, ProfileField::kNone, kNaN, 0, 2},
                "（无法表示的数值） m"},
        TextRow{"GradeInPercent", ProfileProblem{ProfileFault::kGradeTooSteep, 2, ProfileField::kNone, -1.5, -1, 1},
                "的纵坡为 -150.000%，超出了 -100.000% 至 100.000% 的范围"},
        TextRow{"StationInAGap",
                HeightsStationProblem{HeightsTable::kSlopes, 2, {5075},
                                      Placement{PlaceStatus::kTwice, 0, {1075, 1125}, 1}},
                "超高表第 2 行：桩号 K5+075.000 在长链第 1 个断链（断前 K5+100.000 = 断后 K5+050.000）处出现 2 次"},
        TextRow{"NoSuchJd", HeightsJdProblem{2, 7}, "第 2 个超高过渡段按 JD7 给出，路线上没有这个交点。"},
        TextRow{"JdOnAnElementRoad", HeightsJdProblem{1, 2, HeightsJdReason::kRoadHasNoJds}, "按线元法输入的，没有交点"},
        TextRow{"JdWithoutASpiral", HeightsJdProblem{1, 2, HeightsJdReason::kNoSpiralOut},
                "JD2 没有第二缓和曲线，超高无处过渡：请按四个桩号给出"},
        TextRow{"CrownOutOfRange",
                CrossSectionProblem{CrossSectionFault::kOutOfRange, 0, CrossSectionField::kCrown, 30, 20},
                "横断面的路拱横坡为 30.000%，超出了 0 至 20% 的范围。"},
        TextRow{"TransitionOrder", CrossSectionProblem{CrossSectionFault::kTransitionOrder, 1, CrossSectionField::kStation, 60, 60},
                "第 1 个超高过渡段的四个桩号须依次为 TS < FS ≤ FE < TE（ZH、HY、YH、HZ）：距路线起点 60.000 m 处不在 60.000 m 处之后。"},
        TextRow{"WidthsNeeded", CrossSectionProblem{CrossSectionFault::kWidthsNeeded, 1, CrossSectionField::kLeftWidth},
                "第 1 个超高过渡段绕路基边缘旋转，须先给出两侧的路基半宽（width 左 右），这里左侧路基半宽为 0。"},
        TextRow{"TransitionsOverlap", CrossSectionProblem{CrossSectionFault::kTransitionsOverlap, 2, {}, 0, 0, 1},
                "第 2 个超高过渡段与第 1 个超高过渡段重叠 0.000 m"},
        TextRow{"SuperBelowCrown", CrossSectionProblem{CrossSectionFault::kSuperBelowCrown, 1, CrossSectionField::kE, 1.5, 2},
                "超高横坡 e 为 1.500%，小于路拱横坡 2.000%"},
        TextRow{"SlopesNotIncreasing", CrossSectionProblem{CrossSectionFault::kSlopesNotIncreasing, 3, {}, 0, 0, 2},
                "超高表第 3 行不在超高表第 2 行之后"},
        TextRow{"BothForms", CrossSectionProblem{CrossSectionFault::kTransitionsAndSlopes}, "两种都有"}),
    testing::RowName<TextRow>);

TEST(HeightsSentences, RowsNamedWithoutTheTableByNumberAlone) {
  EXPECT_EQ(PviName(3, nullptr), "第 3 行变坡点");
  EXPECT_EQ(PviName(9, &kRows), "第 9 行变坡点");
  EXPECT_EQ(ProfileProblemText({ProfileFault::kTooFewRows, 1}), "纵断面至少要有两个变坡点（起点和终点），这里有 1 个。");
}

}  // namespace
}  // namespace capset
