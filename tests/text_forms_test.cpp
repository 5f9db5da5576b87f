// Text forms against reference texts: one row a case.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#include "angle_text.h"
#include "fault.h"
#include "number_text.h"
#include "round3.h"
#include "station_text.h"
#include "table.h"

namespace capset::testing {
namespace {

struct DoubleTextRow {
  const char* name;
  double value;
  const char* expected;
};

class NumberTextOfDouble : public ::testing::TestWithParam<DoubleTextRow> {};

TEST_P(NumberTextOfDouble, FifteenSignificantDigits) {
  EXPECT_EQ(NumberText(GetParam().value, "."), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, NumberTextOfDouble,
                         ::testing::Values(DoubleTextRow{"TrailingZerosDropped", 345.678, "345.678"},
                                           DoubleTextRow{"WholeNumberHasNoSeparator", 90, "90"},
                                           DoubleTextRow{"Zero", 0, "0"},
                                           DoubleTextRow{"NegativeZeroShowsAsZero", -0.0, "0"},
                                           DoubleTextRow{"BelowOneKeepsItsZero", 0.5, "0.5"},
                                           DoubleTextRow{"Negative", -0.5, "-0.5"},
                                           DoubleTextRow{"SmallestFixedForm", 0.0001, "0.0001"},
                                           DoubleTextRow{"ExponentBelow1Em4", 0.00001, "1E-05"},
                                           DoubleTextRow{"LargeExponent", 1.5E+16, "1.5E+16"},
                                           DoubleTextRow{"FifteenDigitsIsStillFixed", 123456789012345, "123456789012345"},
                                           DoubleTextRow{"OneEp15SwitchesToExponent", 1E+15, "1E+15"},
                                           DoubleTextRow{"RoundedToFifteenDigits", 999.9995999999992, "999.999599999999"},
                                           DoubleTextRow{"RoundingCarriesIntoANewDigit", 9.9999999999999995, "10"},
                                           DoubleTextRow{"Typed1234_50", 1234.50, "1234.5"},
                                           DoubleTextRow{"ThreeExponentDigits", 1E-300, "1E-300"},
                                           DoubleTextRow{"NegativeExponentForm", -2.5E-7, "-2.5E-07"},
                                           DoubleTextRow{"LargestDouble", 1.7976931348623157e308, "1.79769313486232E+308"},
                                           DoubleTextRow{"SmallestSubnormal", 4.9406564584124654e-324, "4.94065645841247E-324"}),
                         RowName<DoubleTextRow>);

struct FloatTextRow {
  const char* name;
  float value;
  const char* expected;
};

class NumberTextOfFloat : public ::testing::TestWithParam<FloatTextRow> {};

TEST_P(NumberTextOfFloat, SevenSignificantDigits) { EXPECT_EQ(NumberText(GetParam().value, "."), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Rows, NumberTextOfFloat,
                         ::testing::Values(FloatTextRow{"Typed7_3StoredAs7_30000019", 7.3f, "7.3"},
                                           FloatTextRow{"Typed12_3", 12.3f, "12.3"},
                                           FloatTextRow{"Precision0_0001", 0.0001f, "0.0001"},
                                           FloatTextRow{"Precision0_001", 0.001f, "0.001"},
                                           FloatTextRow{"PrecisionInExponentForm", 0.00001f, "1E-05"},
                                           FloatTextRow{"SevenDigits", 1234567.f, "1234567"},
                                           FloatTextRow{"OneEp7SwitchesToExponent", 1E7f, "1E+07"},
                                           FloatTextRow{"Negative", -6.f, "-6"}),
                         RowName<FloatTextRow>);

TEST(NumberText, LocaleSeparatorAndEcho) {
  EXPECT_EQ(EchoText(1234.5, ","), " 1234,5");
  EXPECT_EQ(EchoText(0.5, "."), " 0.5");
  EXPECT_EQ(EchoText(-0.5, "."), " -0.5");
  EXPECT_EQ(NumberText(1.5E+16, ","), "1,5E+16");
  EXPECT_EQ(NumberText(7.5f, ","), "7,5");
}

// The toolkit sets the C locale from the environment; a de_DE C locale must
// not put a comma into a number, a station or an echo written with ".".
TEST(NumberText, DoesNotFollowTheCLocale) {
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "no de_DE.UTF-8 locale on this machine (scripts/install-deps generates it)";
  }
  ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "the locale writes a comma, so the test can fail";
  EXPECT_EQ(NumberText(1234.5, "."), "1234.5");
  EXPECT_EQ(NumberText(7.3f, "."), "7.3");
  EXPECT_EQ(NumberText(1.5e-7, "."), "1.5E-07");
  EXPECT_EQ(SignedText(0.5), " .5");
  EXPECT_EQ(FootStationText(12345.678), "K 12+ 345.678");
  EXPECT_EQ(FixedCoordinateText(1030.54), "1030.540");
  EXPECT_EQ(DmsText(45.0001, kHundredthsWhereNeeded, "."), "45°00′00.36″");
  std::setlocale(LC_NUMERIC, "C");
}

// The digits of the general form are those printf's "%.15G" (or "%.7G"
// for a float) writes in the C locale, whatever the double: the window's
// form, which the text forms now reach through std::to_chars.
TEST(NumberText, WritesTheDigitsPrintfWritesForAnyValue) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> typed(-1e5, 1e5);
  for (int i = 0; i < 200000; ++i) {
    // Every other value is any double at all, the others one as typed: a
    // few decimals of a station, a coordinate or a precision.
    double value;
    std::uint64_t bits = random();
    std::memcpy(&value, &bits, sizeof value);
    if (i % 2 == 1) {
      const double scale = std::pow(10.0, static_cast<int>(bits % 12) - 4);
      value = std::round(typed(random) * scale) / scale;
    }
    if (!std::isfinite(value) || value == 0) continue;
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.15G", value);
    ASSERT_EQ(NumberText(value, "."), expected) << bits;
    const float single = static_cast<float>(value);
    if (!std::isfinite(single) || single == 0) continue;
    std::snprintf(expected, sizeof expected, "%.7G", static_cast<double>(single));
    ASSERT_EQ(NumberText(single, "."), expected) << bits;
  }
}

TEST(NumberText, NeverShowsANonFiniteValue) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(NumberText(inf, "."), ArithmeticFault);
  EXPECT_THROW(NumberText(nan, "."), ArithmeticFault);
  EXPECT_THROW(SignedText(-inf), ArithmeticFault);
  EXPECT_THROW(CentreStationText(inf), ArithmeticFault);
}

class SignedTextRows : public ::testing::TestWithParam<DoubleTextRow> {};

TEST_P(SignedTextRows, SignPositionWithoutLeadingZero) { EXPECT_EQ(SignedText(GetParam().value), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Rows, SignedTextRows,
                         ::testing::Values(DoubleTextRow{"Half", 0.5, " .5"}, DoubleTextRow{"NegativeQuarter", -0.25, "-.25"},
                                           DoubleTextRow{"Zero", 0, " 0"}, DoubleTextRow{"Whole", 12, " 12"},
                                           DoubleTextRow{"ExponentForm", 1E-15, " 1E-15"},
                                           DoubleTextRow{"NegativeZeroIsNotNegative", -0.0, " 0"}),
                         RowName<DoubleTextRow>);

struct Round3Row {
  const char* name;
  double value;
  double expected;
};

class Round3Rows : public ::testing::TestWithParam<Round3Row> {};

TEST_P(Round3Rows, HalvesGoToTheEvenNeighbour) { EXPECT_EQ(Round3(GetParam().value), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Rows, Round3Rows,
                         ::testing::Values(Round3Row{"Up0_0015ToEven", 0.0015, 0.002},
                                           Round3Row{"ExactHalf0_0005DownToEven", 0.0005, 0},
                                           Round3Row{"Odd999_9995GoesUp", 999.9995, 1000},
                                           Round3Row{"Coordinate2035_720", 2035.7199999, 2035.72},
                                           Round3Row{"NegativeAwayFromZero", -1.2346, -1.235},
                                           Round3Row{"NegativeHalfToEven", -0.0025, -0.002},
                                           Round3Row{"BelowHalfKeeps", 1.2344, 1.234}),
                         RowName<Round3Row>);

TEST(Round3, OverflowOfTheProductIsAFault) { EXPECT_THROW(Round3(1e306), ArithmeticFault); }

struct StationRow {
  const char* name;
  double station;
  const char* prefix;
  KmRule km;
  MetreRule metres;
  const char* expected;
};

class StationTextRows : public ::testing::TestWithParam<StationRow> {};

TEST_P(StationTextRows, AllFourForms) {
  const StationRow& r = GetParam();
  EXPECT_EQ(StationText(r.station, {r.prefix, r.km, r.metres}), r.expected);
}

constexpr KmRule kFloor = KmRule::kFloor;
constexpr KmRule kTrunc = KmRule::kTruncate;
constexpr MetreRule kRounded = MetreRule::kRounded;
constexpr MetreRule kExact = MetreRule::kExact;

INSTANTIATE_TEST_SUITE_P(
    Rows, StationTextRows,
    ::testing::Values(StationRow{"FloorRounded", 12345.678, "K", kFloor, kRounded, "K 12+ 345.678"},
                      StationRow{"ZeroStation", 0, "K", kFloor, kRounded, "K 0+ 0"},
                      StationRow{"WholeKilometre", 1000, "K", kFloor, kRounded, "K 1+ 0"},
                      StationRow{"HalfMetreHasNoZero", 12000.5, "K", kFloor, kRounded, "K 12+ .5"},
                      StationRow{"RoundedUpToTwoMm", 0.0015, "K", kFloor, kRounded, "K 0+ .002"},
                      StationRow{"KilometreNeverCarried", 999.9995, "K", kFloor, kRounded, "K 0+ 1000"},
                      StationRow{"NegativeFloorsDown", -12.5, "K", kFloor, kRounded, "K-1+ 987.5"},
                      StationRow{"NegativeTruncates", -12.5, "K", kTrunc, kExact, "K 0+-12.5"},
                      StationRow{"ExactSmallMetres", 0.0004, "K", kTrunc, kExact, "K 0+ .0004"},
                      StationRow{"ExactTinyMetres", 1E-9, "K", kTrunc, kExact, "K 0+ 1E-09"},
                      StationRow{"ExactMetresCarryTheSubtraction", 12999.9996, "K", kTrunc, kExact,
                                 "K 12+ 999.999599999999"},
                      StationRow{"ExactDesignStation", 1234.5678, "K", kTrunc, kExact, "K 1+ 234.5678"},
                      StationRow{"LowerCasePrefix", 1054.5378169, "k", kFloor, kRounded, "k 1+ 54.538"}),
    RowName<StationRow>);

struct DmsRow {
  const char* name;
  double packed;
  const char* expected;  // NumberText, 15 digits
};

class DmsRows : public ::testing::TestWithParam<DmsRow> {};

TEST_P(DmsRows, PackedEntries) { EXPECT_EQ(NumberText(DmsToDegrees(GetParam().packed), "."), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Rows, DmsRows,
                         ::testing::Values(DmsRow{"DegreesMinutesSeconds", 30.1530, "30.2583333333333"},
                                           DmsRow{"OneEm10KeepsTheMinute", 1.15, "1.25"},
                                           DmsRow{"MinutesOnly", 45.3, "45.5"},
                                           DmsRow{"FifteenMinutes", 30.15, "30.25"},
                                           DmsRow{"ThirtyFourMinutes", 12.34, "12.5666666666667"},
                                           DmsRow{"ThreeDigitDegrees", 123.4530, "123.758333333333"},
                                           DmsRow{"SecondsOnly", 0.0030, "0.00833333333333333"},
                                           DmsRow{"MinutesNotValidated", 45.7, "46.1666666666667"},
                                           DmsRow{"NegativeEntryMirrorsItsMagnitude", -30.1530, "-30.2583333333333"}),
                         RowName<DmsRow>);

// The one writer of degrees, minutes and seconds, in both its forms: the
// sketch's tenths and the log's hundredths where needed.
struct DmsTextRow {
  const char* name;
  double degrees;
  DmsForm form;
  const char* sep;
  const char* expected;
};

class DmsTextRows : public ::testing::TestWithParam<DmsTextRow> {};

TEST_P(DmsTextRows, RoundedOnceAndWritten) {
  const DmsTextRow& r = GetParam();
  EXPECT_EQ(DmsText(r.degrees, r.form, r.sep), r.expected);
}

constexpr DmsForm kTenths = kTenthsOfASecond;
constexpr DmsForm kHundredths = kHundredthsWhereNeeded;

INSTANTIATE_TEST_SUITE_P(
    Rows, DmsTextRows,
    ::testing::Values(DmsTextRow{"TenthsAzimuth", 112.161972, kTenths, ".", "112°09′43.1″"},
                      DmsTextRow{"TenthsKeepTheirZero", 0.0, kTenths, ".", "0°00′00.0″"},
                      DmsTextRow{"TenthsCarryIntoTheDegree", 29.999999, kTenths, ".", "30°00′00.0″"},
                      DmsTextRow{"TenthsNoMinusForAZeroAngle", -0.00001, kTenths, ".", "0°00′00.0″"},
                      DmsTextRow{"HundredthsWhole", 90, kHundredths, ".", "90°00′00″"},
                      DmsTextRow{"HundredthsFromPacked", 30.2583333333333, kHundredths, ".", "30°15′30″"},
                      DmsTextRow{"HundredthsSmall", 0.00833333333333333, kHundredths, ".", "0°00′30″"},
                      DmsTextRow{"HundredthsOfASecond", 45.0001, kHundredths, ".", "45°00′00.36″"},
                      DmsTextRow{"HundredthsCommaLocale", 45.0001, kHundredths, ",", "45°00′00,36″"},
                      DmsTextRow{"HundredthsDropATrailingZero", 45 + 1.5 / 3600, kHundredths, ".", "45°00′01.5″"},
                      DmsTextRow{"HundredthsKeepALeadingZero", 45 + 1.05 / 3600, kHundredths, ".", "45°00′01.05″"},
                      DmsTextRow{"HundredthsNegative", -30.5, kHundredths, ".", "-30°30′00″"},
                      DmsTextRow{"HundredthsCarryIntoTheMinute", 30 + 59.996 / 3600, kHundredths, ".", "30°01′00″"},
                      DmsTextRow{"BeyondAnyAngleAsANumber", 1e20, kHundredths, ".", "1E+20°"},
                      DmsTextRow{"BeyondAnyAngleInTenths", -2e6, kTenths, ".", "-2000000°"}),
    RowName<DmsTextRow>);

TEST(DmsToDegrees, ExactValues) {
  EXPECT_EQ(DmsToDegrees(1.15), 1.25);
  EXPECT_EQ(DmsToDegrees(90), 90.0);
  EXPECT_EQ(DmsToDegrees(89.5960), 90.0) << "59' 60\" is a whole degree, bit for bit";
}

TEST(DmsToDegrees, OverflowIsAFault) {
  try {
    DmsToDegrees(1e306);
    FAIL() << "no fault";
  } catch (const ArithmeticFault& f) {
    EXPECT_EQ(f.kind, ErrorKind::kOverflow);
    EXPECT_EQ(f.where, FaultPlace::kDms);
  }
}

}  // namespace
}  // namespace capset::testing
