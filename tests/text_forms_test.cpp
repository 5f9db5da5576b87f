// Text forms against reference texts: one row a case.
#include <gtest/gtest.h>

#include <limits>

#include "dms.h"
#include "fault.h"
#include "number_text.h"
#include "round3.h"
#include "station_text.h"

namespace capset {
namespace {

struct TextCase {
  const char* name;
  double value;
  const char* expected;
};

TEST(NumberText, DoubleFifteenDigits) {
  const TextCase cases[] = {
      {"trailing zeros dropped", 345.678, "345.678"},
      {"whole number has no separator", 90, "90"},
      {"zero", 0, "0"},
      {"negative zero shows as zero", -0.0, "0"},
      {"below one keeps its zero", 0.5, "0.5"},
      {"negative", -0.5, "-0.5"},
      {"smallest fixed form", 0.0001, "0.0001"},
      {"exponent below 1E-4", 0.00001, "1E-05"},
      {"large exponent", 1.5E+16, "1.5E+16"},
      {"fifteen digits is still fixed", 123456789012345, "123456789012345"},
      {"1E+15 switches to exponent", 1E+15, "1E+15"},
      {"rounded to fifteen digits", 999.9995999999992, "999.999599999999"},
      {"rounding carries into a new digit", 9.9999999999999995, "10"},
      {"typed 1234.50", 1234.50, "1234.5"},
      {"three exponent digits", 1E-300, "1E-300"},
      {"negative exponent form", -2.5E-7, "-2.5E-07"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.value, "."), c.expected) << c.name;
}

TEST(NumberText, FloatSevenDigits) {
  const struct {
    const char* name;
    float value;
    const char* expected;
  } cases[] = {
      {"7.3 stored as 7.30000019", 7.3f, "7.3"},
      {"12.3", 12.3f, "12.3"},
      {"precision 0.0001", 0.0001f, "0.0001"},
      {"precision 0.001", 0.001f, "0.001"},
      {"precision in exponent form", 0.00001f, "1E-05"},
      {"seven digits", 1234567.f, "1234567"},
      {"1E+7 switches to exponent", 1E7f, "1E+07"},
      {"negative", -6.f, "-6"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.value, "."), c.expected) << c.name;
}

TEST(NumberText, LocaleSeparatorAndEcho) {
  EXPECT_EQ(EchoText(1234.5, ","), " 1234,5");
  EXPECT_EQ(EchoText(0.5, "."), " 0.5");
  EXPECT_EQ(EchoText(-0.5, "."), " -0.5");
  EXPECT_EQ(NumberText(1.5E+16, ","), "1,5E+16");
  EXPECT_EQ(NumberText(7.5f, ","), "7,5");
}

TEST(NumberText, NeverShowsANonFiniteValue) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(NumberText(inf, "."), ArithmeticFault);
  EXPECT_THROW(NumberText(nan, "."), ArithmeticFault);
  EXPECT_THROW(SignedText(-inf), ArithmeticFault);
  EXPECT_THROW(StationText(inf, "K", KmRule::kTruncate, MetreRule::kExact), ArithmeticFault);
}

TEST(SignedText, SignPositionWithoutLeadingZero) {
  const TextCase cases[] = {
      {"half", 0.5, " .5"},
      {"negative quarter", -0.25, "-.25"},
      {"zero", 0, " 0"},
      {"whole", 12, " 12"},
      {"exponent form", 1E-15, " 1E-15"},
      {"negative zero is not negative", -0.0, " 0"},
  };
  for (const auto& c : cases) EXPECT_EQ(SignedText(c.value), c.expected) << c.name;
}

TEST(Round3, HalvesGoToTheEvenNeighbour) {
  const struct {
    const char* name;
    double value;
    double expected;
  } cases[] = {
      {"0.0015 up to even", 0.0015, 0.002},
      {"0.0005 exact half down to even", 0.0005, 0},
      {"999.9995 odd goes up", 999.9995, 1000},
      {"2035.720", 2035.7199999, 2035.72},
      {"negative away from zero", -1.2346, -1.235},
      {"negative half to even", -0.0025, -0.002},
      {"below half keeps", 1.2344, 1.234},
  };
  for (const auto& c : cases) EXPECT_EQ(Round3(c.value), c.expected) << c.name;
}

TEST(StationText, AllFourForms) {
  const struct {
    const char* name;
    double station;
    const char* prefix;
    KmRule km;
    MetreRule metres;
    const char* expected;
  } cases[] = {
      {"floor rounded", 12345.678, "K", KmRule::kFloor, MetreRule::kRounded, "K 12+ 345.678"},
      {"zero station", 0, "K", KmRule::kFloor, MetreRule::kRounded, "K 0+ 0"},
      {"whole kilometre", 1000, "K", KmRule::kFloor, MetreRule::kRounded, "K 1+ 0"},
      {"half metre has no zero", 12000.5, "K", KmRule::kFloor, MetreRule::kRounded, "K 12+ .5"},
      {"rounded up to two mm", 0.0015, "K", KmRule::kFloor, MetreRule::kRounded, "K 0+ .002"},
      {"kilometre never carried", 999.9995, "K", KmRule::kFloor, MetreRule::kRounded, "K 0+ 1000"},
      {"negative floors down", -12.5, "K", KmRule::kFloor, MetreRule::kRounded, "K-1+ 987.5"},
      {"negative truncates", -12.5, "K", KmRule::kTruncate, MetreRule::kExact, "K 0+-12.5"},
      {"exact small metres", 0.0004, "K", KmRule::kTruncate, MetreRule::kExact, "K 0+ .0004"},
      {"exact tiny metres", 1E-9, "K", KmRule::kTruncate, MetreRule::kExact, "K 0+ 1E-09"},
      {"exact metres carry the subtraction", 12999.9996, "K", KmRule::kTruncate, MetreRule::kExact,
       "K 12+ 999.999599999999"},
      {"exact design station", 1234.5678, "K", KmRule::kTruncate, MetreRule::kExact, "K 1+ 234.5678"},
      {"lower-case prefix", 1054.5378169, "k", KmRule::kFloor, MetreRule::kRounded, "k 1+ 54.538"},
  };
  for (const auto& c : cases) EXPECT_EQ(StationText(c.station, c.prefix, c.km, c.metres), c.expected) << c.name;
}

TEST(DmsToDegrees, PackedEntries) {
  const struct {
    const char* name;
    double packed;
    const char* expected;  // NumberText, 15 digits
  } cases[] = {
      {"degrees minutes seconds", 30.1530, "30.2583333333333"},
      {"1E-10 keeps the minute", 1.15, "1.25"},
      {"minutes only", 45.3, "45.5"},
      {"fifteen minutes", 30.15, "30.25"},
      {"thirty-four minutes", 12.34, "12.5666666666667"},
      {"three digit degrees", 123.4530, "123.758333333333"},
      {"seconds only", 0.0030, "0.00833333333333333"},
      {"minutes not validated", 45.7, "46.1666666666667"},
      {"negative entry mirrors its magnitude", -30.1530, "-30.2583333333333"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberText(DmsToDegrees(c.packed), "."), c.expected) << c.name;
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
  }
}

}  // namespace
}  // namespace capset
