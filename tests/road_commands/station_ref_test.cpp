// Stations typed where the road asks one, and what the road says of a
// station or point it cannot place.

#include <gtest/gtest.h>

#include <variant>

#include "road_texts.h"
#include "station_ref_reading.h"
#include "station_text.h"
#include "table.h"

namespace capset {
namespace {

struct RefRow {
  const char* name;
  const char* typed;
  NumberSymbols symbols;
  double value;  // when read
  int occurrence;
  std::optional<StationRefProblem> problem;
};

const NumberSymbols kDot{};
const NumberSymbols kComma{.decimal = ","};

class StationRefReading : public ::testing::TestWithParam<RefRow> {};

TEST_P(StationRefReading, ReadsOrSaysWhy) {
  const RefRow& row = GetParam();
  const auto read = ReadStationRef(row.typed, row.symbols);
  if (row.problem) {
    ASSERT_TRUE(std::holds_alternative<StationRefProblem>(read)) << row.typed;
    EXPECT_EQ(std::get<StationRefProblem>(read), *row.problem);
    EXPECT_FALSE(StationRefProblemText(*row.problem).empty());
    return;
  }
  ASSERT_TRUE(std::holds_alternative<StationRef>(read)) << row.typed;
  EXPECT_EQ(std::get<StationRef>(read).value, row.value);
  EXPECT_EQ(std::get<StationRef>(read).occurrence, row.occurrence);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StationRefReading,
    ::testing::Values(RefRow{"metres", "1390", kDot, 1390, 0, {}},
                      RefRow{"metres_comma_locale", "1390,25", kComma, 1390.25, 0, {}},
                      RefRow{"k_form", "K1+390", kDot, 1390, 0, {}},
                      RefRow{"k_form_comma_metres", "K1+390,5", kComma, 1390.5, 0, {}},
                      RefRow{"k_form_second_place", "K1+390(2)", kDot, 1390, 2, {}},
                      RefRow{"k_form_before_zero", "-K0+020.000", kDot, -20, 0, {}},
                      RefRow{"k_form_before_zero_over_a_kilometre", "-K1+020.250(2)", kDot, -1020.25, 2, {}},
                      RefRow{"metres_second_place_with_blanks", " 1390 ( 2 ) ", kDot, 1390, 2, {}},
                      RefRow{"lower_k_first_place", "k1+390.5(1)", kDot, 1390.5, 1, {}},
                      RefRow{"empty", "  ", kDot, 0, 0, StationRefProblem::kEmpty},
                      RefRow{"bracket_alone", "(2)", kDot, 0, 0, StationRefProblem::kEmpty},
                      RefRow{"word", "abc", kDot, 0, 0, StationRefProblem::kNotNumber},
                      RefRow{"comma_in_dot_locale", "1390,5", kDot, 0, 0, StationRefProblem::kNotNumber},
                      RefRow{"occurrence_zero", "K1+390(0)", kDot, 0, 0, StationRefProblem::kOccurrenceNotWhole},
                      RefRow{"occurrence_fraction", "K1+390(1.5)", kDot, 0, 0, StationRefProblem::kOccurrenceNotWhole},
                      RefRow{"occurrence_unopened", "1390)", kDot, 0, 0, StationRefProblem::kOccurrenceNotWhole},
                      RefRow{"metres_of_a_kilometre", "K1+1000", kDot, 0, 0, StationRefProblem::kMetresTooLarge},
                      RefRow{"kilometres_not_whole", "K1.5+20", kDot, 0, 0, StationRefProblem::kKmNotWhole},
                      RefRow{"beyond_a_double", "1e999", kDot, 0, 0, StationRefProblem::kOutOfRange}),
    testing::RowName<RefRow>);

TEST(RoadTexts, KFormIsTheDrawingsToTheMillimetre) {
  EXPECT_EQ(RoadStationText(1390), "K1+390.000");
  EXPECT_EQ(RoadStationText(StationRef{1390.0004, 2}), "K1+390.000(2)");
  EXPECT_EQ(RoadStationText(35020.12), "K35+020.120");
  // 999.9996 rounds into the next kilometre rather than showing 1000.000 metres.
  EXPECT_EQ(RoadStationText(1999.9996), "K2+000.000");
}

TEST(RoadTexts, OverlapNamesBothJdsAndBothNumbers) {
  const RoadProblem p{RoadFault::kTangentsOverlap, RoadPart::kJd, 4, RoadField::kNone, 512.3, 498, 3};
  EXPECT_EQ(RoadProblemText(p), "JD3 与 JD4 的切线长之和 512.300 m 大于两交点间距 498.000 m，曲线重叠。");
}

TEST(RoadTexts, TwiceTellsHowToSayWhich) {
  const Placement twice{PlaceStatus::kTwice, 0, {390, 410}, 1};
  const std::string text = PlacementText("K1+390", twice, {1000, 2000, {{1400, 1380}}});
  EXPECT_NE(text.find("K1+390(2)"), std::string::npos) << text;
  EXPECT_NE(text.find("390.000 m"), std::string::npos) << text;
  EXPECT_NE(text.find("410.000 m"), std::string::npos) << text;
  EXPECT_NE(text.find("K1+400.000"), std::string::npos) << text;
}

}  // namespace
}  // namespace capset
