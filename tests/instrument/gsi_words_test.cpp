// The GSI-16 words and PNEZD lines as written: every word 24 characters,
// the sign apart from the digits, the unit digit 0 (metres, 1 mm), the
// millimetres rounded as the CASS point file rounds them (expected values
// from Python's IEEE product and half-even rounding, not from this code),
// and every name a point number cannot carry refused, naming the point.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "delimited_lines.h"
#include "instrument_files.h"
#include "number_text.h"
#include "table.h"

namespace capset::testing {
namespace {

struct WordRow {
  const char* name;
  int index;
  double metres;
  const char* word;
};

class GsiCoordinateWords : public ::testing::TestWithParam<WordRow> {};

TEST_P(GsiCoordinateWords, FollowTheFormat) {
  const WordRow& row = GetParam();
  const std::optional<std::string> word = GsiCoordinateWord(row.index, row.metres);
  ASSERT_TRUE(word.has_value());
  EXPECT_EQ(*word, row.word);
  EXPECT_EQ(word->size(), kGsi16WordWidth);
  // The CASS point file's digits for the same value.
  std::string dat = FixedCoordinateText(row.metres);
  std::string digits;
  for (char c : dat) {
    if (c >= '0' && c <= '9') digits += c;
  }
  const std::string wordDigits = word->substr(7, 16);
  EXPECT_EQ(std::stoll(wordDigits), std::stoll(digits));
  EXPECT_EQ((*word)[6], dat.starts_with('-') ? '-' : '+');
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GsiCoordinateWords,
    ::testing::Values(
        WordRow{"easting", 81, 500012.345, "81..10+0000000500012345 "},
        WordRow{"seven_digit_northing", 82, 3012345.678, "82..10+0000003012345678 "},
        WordRow{"height", 83, 412.305, "83..10+0000000000412305 "},
        WordRow{"negative", 81, -1234.5, "81..10-0000000001234500 "},
        WordRow{"negative_rounded", 82, -1.2345, "82..10-0000000000001234 "},
        WordRow{"zero", 83, 0.0, "83..10+0000000000000000 "},
        WordRow{"below_half_a_mm_negative_is_plus_zero", 81, -0.0004, "81..10+0000000000000000 "},
        WordRow{"half_a_mm_to_even_zero", 81, 0.0005, "81..10+0000000000000000 "},
        WordRow{"minus_half_a_mm_to_plus_zero", 81, -0.0005, "81..10+0000000000000000 "},
        WordRow{"one_and_a_half_mm_up_to_two", 82, 0.0015, "82..10+0000000000000002 "},
        WordRow{"product_rounds_up_at_0005", 81, 500012.3455, "81..10+0000000500012346 "},
        WordRow{"just_below_half_stays", 82, 1.0005, "82..10+0000000000001000 "},
        WordRow{"just_above_half_goes_up", 82, 2.0015, "82..10+0000000000002002 "},
        WordRow{"product_at_half_to_even", 83, 0.4995, "83..10+0000000000000500 "},
        WordRow{"eight_digit_northing", 82, 12345678.9015, "82..10+0000012345678902 "},
        WordRow{"carry_into_the_metres", 82, 99999999.9995, "82..10+0000100000000000 "},
        WordRow{"negative_half_even", 83, -2.0025, "83..10-0000000000002002 "}),
    RowName<WordRow>);

TEST(GsiCoordinateWords, NotANumberIsNoWord) {
  EXPECT_FALSE(GsiCoordinateWord(81, std::nan("")).has_value());
  EXPECT_FALSE(GsiCoordinateWord(81, HUGE_VAL).has_value());
  EXPECT_FALSE(GsiCoordinateWord(81, 1e16).has_value());  // 19 digits of mm
}

struct NameRow {
  const char* name;
  const char* point;
  bool refused;
};

class GsiPointNames : public ::testing::TestWithParam<NameRow> {};

TEST_P(GsiPointNames, RefusedOnlyWhenTheWordCannotCarryThem) {
  const NameRow& row = GetParam();
  const InstrumentText text = InstrumentFileText(InstrumentFormat::kGsi16, {{row.point, {3000, 500}, {}, "", ""}});
  if (row.refused) {
    ASSERT_TRUE(std::holds_alternative<InstrumentRefusal>(text));
    // The refusal names the point.
    EXPECT_NE(std::get<InstrumentRefusal>(text).reason.find(std::string("“") + row.point + "”"), std::string::npos)
        << std::get<InstrumentRefusal>(text).reason;
  } else {
    ASSERT_TRUE(std::holds_alternative<std::string>(text));
    const std::string& line = std::get<std::string>(text);
    EXPECT_EQ(line.substr(7, 1), "+");
    const std::string number = line.substr(8, 16);
    EXPECT_TRUE(number.ends_with(row.point)) << number;
    EXPECT_EQ(number.find_first_not_of('0'), 16 - std::string(row.point).size() + (row.point[0] == '0' ? 1 : 0));
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, GsiPointNames,
                         ::testing::Values(NameRow{"bridge_point", "3-Z1", false},
                                           NameRow{"sixteen_characters", "ABCDEFGHIJKLMN-C", false},
                                           NameRow{"seventeen_characters", "ABCDEFGHIJKLMNO-C", true},
                                           NameRow{"station_label", "K1+050-C", false},
                                           NameRow{"bent_zero", "0-C", false},
                                           NameRow{"leading_zero_digit", "01-C", true},
                                           NameRow{"leading_zero_letter", "0A-C", true},
                                           NameRow{"blank_inside", "3 Z1", true},
                                           NameRow{"star", "3*Z1", true},
                                           NameRow{"not_ascii", "3号-C", true}),
                         RowName<NameRow>);

// A whole block: "*", word 11 with the block number, 81 east, 82 north, 83
// the height; each word 24 characters, CR LF after the last.
TEST(GsiFile, BlocksInOrderWithHeightsOnlyWhereKnown) {
  const std::vector<ExportPoint> points = {{"3-Z1", {3012345.678, 500012.345}, 412.305, "3", "Z1"},
                                           {"3-Z2", {-12.5, -7.25}, std::nullopt, "3", "Z2"}};
  const InstrumentText text = InstrumentFileText(InstrumentFormat::kGsi16, points);
  ASSERT_TRUE(std::holds_alternative<std::string>(text));
  EXPECT_EQ(std::get<std::string>(text),
            "*110001+0000000000003-Z1 81..10+0000000500012345 82..10+0000003012345678 83..10+0000000000412305 \r\n"
            "*110002+0000000000003-Z2 81..10-0000000000007250 82..10-0000000000012500 \r\n");
}

TEST(GsiFile, BlockNumbersRunOnPastFourDigits) {
  std::vector<ExportPoint> points(10001, ExportPoint{"P", {1, 2}, {}, "", ""});
  const std::string text = std::get<std::string>(InstrumentFileText(InstrumentFormat::kGsi16, points));
  const std::size_t lastLine = text.rfind("*11");
  EXPECT_EQ(text.substr(lastLine, 7), "*110001");
  EXPECT_NE(text.find("*119999+"), std::string::npos);
  EXPECT_NE(text.find("*110000+"), std::string::npos);
}

// One bad point refuses the file: nothing half written.
TEST(GsiFile, OneLongNameRefusesTheWholeFile) {
  const std::vector<ExportPoint> points = {{"1-C", {1, 2}, {}, "1", "C"},
                                           {"ABUTMENTWESTEND-C", {1, 2}, {}, "ABUTMENTWESTEND", "C"}};
  const InstrumentText text = InstrumentFileText(InstrumentFormat::kGsi16, points);
  ASSERT_TRUE(std::holds_alternative<InstrumentRefusal>(text));
  EXPECT_NE(std::get<InstrumentRefusal>(text).reason.find("ABUTMENTWESTEND-C"), std::string::npos);
  EXPECT_NE(std::get<InstrumentRefusal>(text).reason.find("16"), std::string::npos);
}

struct PnezdRow {
  const char* name;
  ExportPoint point;
  const char* line;
};

class PnezdLines : public ::testing::TestWithParam<PnezdRow> {};

TEST_P(PnezdLines, NorthFirstThenEastElevationDescription) {
  const PnezdRow& row = GetParam();
  const InstrumentText text = InstrumentFileText(InstrumentFormat::kPnezd, {row.point});
  ASSERT_TRUE(std::holds_alternative<std::string>(text));
  EXPECT_EQ(std::get<std::string>(text), row.line);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PnezdLines,
    ::testing::Values(
        PnezdRow{"bridge_point", {"3-Z1", {3012345.678, 500012.345}, 412.305, "3", "Z1"},
                 "3-Z1,3012345.678,500012.345,412.305,3/Z1\r\n"},
        PnezdRow{"no_height_empty_never_zero", {"3-C", {1.5, -2.25}, std::nullopt, "3", "C"}, "3-C,1.500,-2.250,,3/C\r\n"},
        PnezdRow{"rounded_as_the_point_file", {"K1+050-C", {500012.3455, 0.0005}, -0.0005, "K1+050", "C"},
                 "K1+050-C,500012.346,0.000,0.000,K1+050/C\r\n"},
        PnezdRow{"comma_quoted", {"A,B", {1, 2}, 3.0, "", "x,y"}, "\"A,B\",1.000,2.000,3.000,\"x,y\"\r\n"},
        PnezdRow{"role_alone", {"P", {1, 2}, {}, "", "C"}, "P,1.000,2.000,,C\r\n"}),
    RowName<PnezdRow>);

}  // namespace
}  // namespace capset::testing
