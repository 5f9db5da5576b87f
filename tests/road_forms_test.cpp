// The one form of each thing the road shows outside the window's boxes: a
// station, a fixed-decimal number, an azimuth, a packed angle, and the
// words of a typed line.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "angle_text.h"
#include "angles.h"
#include "blanks.h"
#include "number_text.h"
#include "road_texts.h"
#include "station_text.h"
#include "table.h"

namespace capset::testing {
namespace {

struct RoadStationRow {
  const char* name;
  double station;
  int occurrence;
  const char* text;
  const char* label;
};

class RoadStationRows : public ::testing::TestWithParam<RoadStationRow> {};

TEST_P(RoadStationRows, TextAndLabel) {
  const RoadStationRow& row = GetParam();
  EXPECT_EQ(RoadStationText(StationRef{row.station, row.occurrence}), row.text);
  if (row.occurrence == 0) {
    EXPECT_EQ(RoadStationText(row.station), row.text);
    EXPECT_EQ(StationLabel(row.station), row.label);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RoadStationRows,
    ::testing::Values(RoadStationRow{"Plain", 1730, 0, "K1+730.000", "K1+730"},
                      RoadStationRow{"Millimetres", 12345.678, 0, "K12+345.678", "K12+345.678"},
                      RoadStationRow{"Zero", 0, 0, "K0+000.000", "K0+000"},
                      RoadStationRow{"HalfMetreLabel", 1060.5, 0, "K1+060.500", "K1+060.5"},
                      // A station before zero: the minus stands before the K, on the
                      // whole station, so it reads as 20 m back, never 1,980 m.
                      RoadStationRow{"TwentyBeforeZero", -20, 0, "-K0+020.000", "-K0+020"},
                      RoadStationRow{"KilometreAndMoreBack", -1020.25, 0, "-K1+020.250", "-K1+020.25"},
                      RoadStationRow{"WholeKilometreBack", -1000, 0, "-K1+000.000", "-K1+000"},
                      RoadStationRow{"RoundsToZeroHasNoMinus", -0.0004, 0, "K0+000.000", "K0+000"},
                      RoadStationRow{"NegativeZeroHasNoMinus", -0.0, 0, "K0+000.000", "K0+000"},
                      RoadStationRow{"MetresCarryIntoKilometre", 1999.9996, 0, "K2+000.000", "K2+000"},
                      RoadStationRow{"BackMetresCarry", -999.9996, 0, "-K1+000.000", "-K1+000"},
                      // Whole millimetres by the boxes' rule: 0.0005 × 1000 is exactly 0.5, to even.
                      RoadStationRow{"HalfMillimetreToEven", 0.0005, 0, "K0+000.000", "K0+000"},
                      RoadStationRow{"SecondOfTwo", 1390, 2, "K1+390.000(2)", ""},
                      RoadStationRow{"FirstOfTwo", 1390, 1, "K1+390.000(1)", ""}),
    RowName<RoadStationRow>);

struct FixedRow {
  const char* name;
  double value;
  int decimals;
  const char* sep;
  const char* text;
};

class FixedRows : public ::testing::TestWithParam<FixedRow> {};

TEST_P(FixedRows, OneRule) { EXPECT_EQ(FixedText(GetParam().value, GetParam().decimals, GetParam().sep), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Rows, FixedRows,
    ::testing::Values(FixedRow{"Coordinate", 2036.772, 3, ".", "2036.772"},
                      FixedRow{"TrailingZerosKept", 1030.54, 3, ".", "1030.540"},
                      // The boxes' rule: the product 0.5 goes to the even 0, as the box shows 0.
                      FixedRow{"HalfMillimetreAsTheBoxes", 0.0005, 3, ".", "0.000"},
                      FixedRow{"OneAndAHalfMillimetres", 0.0015, 3, ".", "0.002"},
                      FixedRow{"NeverMinusZero", -0.0004, 3, ".", "0.000"},
                      FixedRow{"Negative", -7.5, 3, ".", "-7.500"},
                      FixedRow{"TenthOfAMillimetre", 12.34, 1, ".", "12.3"},
                      FixedRow{"SixDecimals", 1390, 6, ".", "1390.000000"},
                      FixedRow{"NoDecimals", 2.5, 0, ".", "2"},
                      FixedRow{"CommaLocale", 1033.829, 3, ",", "1033,829"}),
    RowName<FixedRow>);

TEST(FixedText, EqualsTheBoxRoundingForEveryMillimetreTie) {
  // k + 0.5 mm for every k up to 2 km: the fixed text and the box's rounding agree.
  for (int k = 0; k < 2000000; k += 997) {
    const double x = (k + 0.5) / 1000;
    const std::string fixed = FixedText(x, 3);
    EXPECT_EQ(std::stod(fixed), std::nearbyint(x * 1000) / 1000) << x;
  }
}

struct AzimuthRow {
  const char* name;
  double degrees;
  const char* text;
  const char* decimal;
};

class AzimuthRows : public ::testing::TestWithParam<AzimuthRow> {};

TEST_P(AzimuthRows, DmsAndDecimal) {
  EXPECT_EQ(AzimuthText(GetParam().degrees), GetParam().text);
  EXPECT_EQ(DecimalAzimuthText(GetParam().degrees, 9), GetParam().decimal);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AzimuthRows,
    ::testing::Values(AzimuthRow{"Plain", 289.10916666666665, "289°06′33.0″", "289.109166667"},
                      AzimuthRow{"North", 0, "0°00′00.0″", "0.000000000"},
                      AzimuthRow{"SecondsCarry", 347.99999, "348°00′00.0″", "347.999990000"},
                      AzimuthRow{"TenthsOfASecond", 112.16197222222223, "112°09′43.1″", "112.161972222"},
                      // A value that rounds to 360 is north, in both forms.
                      AzimuthRow{"RoundsUpTo360", 359.99999999999, "0°00′00.0″", "0.000000000"},
                      AzimuthRow{"JustBelowTheTenth", 359.99998, "359°59′59.9″", "359.999980000"},
                      AzimuthRow{"ExactlyAFullTurn", 360, "0°00′00.0″", "0.000000000"},
                      AzimuthRow{"NegativeIsWrapped", -90, "270°00′00.0″", "270.000000000"},
                      AzimuthRow{"TinyNegativeIsNorth", -1e-17, "0°00′00.0″", "0.000000000"}),
    RowName<AzimuthRow>);

TEST(AzimuthOf, HeadingJustBelowAFullTurnIsNorth) {
  EXPECT_EQ(AzimuthOf(-1e-18), 0);
  EXPECT_EQ(AzimuthOf(2 * std::numbers::pi), 0);
  EXPECT_LT(AzimuthOf(std::nextafter(2 * std::numbers::pi, 0)), 360);
  EXPECT_DOUBLE_EQ(ToDegrees(ToRadians(123.456)), 123.456);
  EXPECT_EQ(kDegreesPerRadian, 180 / std::numbers::pi) << "the true π, not the job's";
}

struct AngleRow {
  const char* name;
  std::string (*text)(double);
  double degrees;
  const char* expected;
};

class AngleRows : public ::testing::TestWithParam<AngleRow> {};

TEST_P(AngleRows, Text) { EXPECT_EQ(GetParam().text(GetParam().degrees), GetParam().expected); }

std::string Turn(double d) { return TurnText(d); }
std::string Packed(double d) { return PackedAngleText(d, "."); }
std::string PackedComma(double d) { return PackedAngleText(d, ","); }

INSTANTIATE_TEST_SUITE_P(Rows, AngleRows,
                         ::testing::Values(AngleRow{"TurnRight", Turn, 15.052222222222222, "15°03′08.0″ 右"},
                                           AngleRow{"TurnLeft", Turn, -15.052222222222222, "15°03′08.0″ 左"},
                                           AngleRow{"PackedWhole", Packed, 45, "45"},
                                           AngleRow{"PackedMinutes", Packed, 45.5, "45.3"},
                                           AngleRow{"PackedSeconds", Packed, 30.258333333333333, "30.153"},
                                           AngleRow{"PackedNegative", Packed, -30.258333333333333, "-30.153"},
                                           AngleRow{"PackedSecondsCarry", Packed, 29.999999999999, "30"},
                                           AngleRow{"PackedComma", PackedComma, 45.5, "45,3"}),
                         RowName<AngleRow>);

TEST(PackedAngleText, ReadsBackAsTheSameAngle) {
  for (double d = 0; d < 360; d += 0.7131) {
    const std::string text = PackedAngleText(d, ".");
    EXPECT_NEAR(DmsToDegrees(std::stod(text)), d, 1e-9) << text;
  }
}

struct WordsRow {
  const char* name;
  const char* line;
  std::vector<std::string> words;
  const char* first;
  const char* rest;
};

class WordsRows : public ::testing::TestWithParam<WordsRow> {};

TEST_P(WordsRows, Split) {
  EXPECT_EQ(Words(GetParam().line), GetParam().words);
  const auto [first, rest] = FirstWord(GetParam().line);
  EXPECT_EQ(first, GetParam().first);
  EXPECT_EQ(rest, GetParam().rest);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WordsRows,
    ::testing::Values(WordsRow{"Empty", "", {}, "", ""},
                      WordsRow{"OnlyBlanks", " \t ", {}, "", ""},
                      WordsRow{"Spaces", "jd 1 2", {"jd", "1", "2"}, "jd", "1 2"},
                      WordsRow{"TabsAndRuns", "\t@export  csv\ta.csv  ", {"@export", "csv", "a.csv"}, "@export",
                               "csv\ta.csv"},
                      WordsRow{"IdeographicSpace", "M1\u30001033.829\u00A02036.772", {"M1", "1033.829", "2036.772"}, "M1",
                               "1033.829\u00A02036.772"},
                      WordsRow{"CarriageReturnEnds", "line 0\r", {"line", "0"}, "line", "0"}),
    RowName<WordsRow>);

}  // namespace
}  // namespace capset::testing
