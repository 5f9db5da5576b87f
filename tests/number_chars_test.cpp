// The C library's way to digits and back (what the WebAssembly build uses)
// against the standard library's floating std::to_chars and std::from_chars:
// named rows for the edges of the doubles, and every power of two and a
// hundred thousand random doubles over the whole range, which must give the same
// characters both ways.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "number_chars.h"
#include "table.h"

namespace capset::testing {
namespace {

template <typename... Format>
std::string Std(double value, Format... format) {
  char buffer[400];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, format...);
  return std::string(buffer, written.ptr);
}

// Every form of `value`, both ways; `what` names the value in a failure.
void ExpectSameForms(double value, const std::string& what) {
  ASSERT_EQ(portable::ShortestText(value), Std(value)) << what;
  ASSERT_EQ(portable::ShortestFixedText(value), Std(value, std::chars_format::fixed)) << what;
  for (const int digits : {1, 7, 15, 17}) {
    ASSERT_EQ(portable::GeneralDigitsText(value, digits), Std(value, std::chars_format::general, digits))
        << what << " to " << digits << " digits";
  }
  if (std::fabs(value) < 1e17) {
    for (const int decimals : {0, 3, 9}) {
      ASSERT_EQ(portable::FixedDigitsText(value, decimals), Std(value, std::chars_format::fixed, decimals))
          << what << " with " << decimals << " decimals";
    }
  }
  // The shortest text reads back to the same double.
  const std::string text = portable::ShortestText(value);
  double back = 0;
  const DoubleRead read = portable::ReadDouble(text.data(), text.data() + text.size(), back);
  ASSERT_EQ(read.error, std::errc()) << what;
  ASSERT_EQ(read.end, text.data() + text.size()) << what;
  ASSERT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(value)) << what << " read as " << text;
}

struct EdgeRow {
  const char* name;
  double value;
  const char* shortest;  // std::to_chars(value), worked out by hand
};

class EdgeDoubles : public ::testing::TestWithParam<EdgeRow> {};

TEST_P(EdgeDoubles, SameCharactersBothWays) {
  const EdgeRow& row = GetParam();
  EXPECT_EQ(portable::ShortestText(row.value), row.shortest);
  EXPECT_EQ(ShortestText(row.value), row.shortest);
  ExpectSameForms(row.value, row.name);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EdgeDoubles,
    ::testing::Values(
        EdgeRow{"Zero", 0.0, "0"}, EdgeRow{"NegativeZero", -0.0, "-0"}, EdgeRow{"OneTenth", 0.1, "0.1"},
        EdgeRow{"OneThird", 1.0 / 3, "0.3333333333333333"}, EdgeRow{"Negative", -2036.772, "-2036.772"},
        EdgeRow{"ExponentBelowFourDigitsOfZeros", 1e-7, "1e-07"}, EdgeRow{"LeastSubnormal", 5e-324, "5e-324"},
        EdgeRow{"GreatestSubnormal", 2.2250738585072009e-308, "2.225073858507201e-308"},
        EdgeRow{"LeastNormal", 2.2250738585072014e-308, "2.2250738585072014e-308"},
        EdgeRow{"BelowTwoTo53", 9007199254740991.0, "9007199254740991"},
        EdgeRow{"TwoTo53", 9007199254740992.0, "9007199254740992"},
        EdgeRow{"AboveTwoTo53", 9007199254740994.0, "9007199254740994"},
        EdgeRow{"TwoTo60ExactDigits", 1152921504606846976.0, "1152921504606846976"},
        EdgeRow{"TenTo16ShorterAsExponent", 1e16, "1e+16"},
        EdgeRow{"IntegerOf21DigitsExact", 1.2345678901234568e20, "123456789012345683968"},
        EdgeRow{"TenTo21", 1e21, "1e+21"}, EdgeRow{"TenTo23", 1e23, "1e+23"},
        EdgeRow{"Greatest", std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
        EdgeRow{"WindowDivergingSeries", 123456789.12345679, "123456789.12345679"}),
    RowName<EdgeRow>);

TEST(PowersOfTwo, SameCharactersBothWays) {
  // At a power of two the doubles below lie twice as close as those above:
  // the shortest digits may lie above the value where the nearest do not.
  for (int e = -1074; e <= 1023; ++e) ExpectSameForms(std::ldexp(1.0, e), "2^" + std::to_string(e));
}

TEST(RandomDoubles, SameCharactersBothWays) {
  std::mt19937_64 random(20260301);
  for (int i = 0; i < 40000; ++i) {
    // Any bit pattern that is a finite double: every exponent alike.
    const double value = std::bit_cast<double>(random());
    if (!std::isfinite(value)) continue;
    ExpectSameForms(value, "bits " + std::to_string(std::bit_cast<std::uint64_t>(value)));
  }
  std::uniform_real_distribution<double> metres(-1e7, 1e7);
  for (int i = 0; i < 20000; ++i) {
    // Coordinates and stations as typed: a few decimals, and their sums.
    const double typed = std::round(metres(random) * 1000) / 1000;
    ExpectSameForms(typed, "typed " + Std(typed));
    ExpectSameForms(typed * 0.1 + 0.2, "sum " + Std(typed));
  }
  for (int i = 0; i < 5000; ++i) {
    // Integers from 2^53 to 2^70: every digit of the exact value.
    const double big = std::ldexp(static_cast<double>(random() >> 11), 1 + static_cast<int>(random() % 18));
    ExpectSameForms(big, "integer " + Std(big));
  }
}

TEST(LongForms, WrittenWhole) {
  // 309 digits and 40 decimals: longer than any buffer the forms start with.
  const double greatest = std::numeric_limits<double>::max();
  const std::string text = FixedDigitsText(greatest, 40);
  EXPECT_EQ(text.size(), 309u + 1 + 40);
  EXPECT_TRUE(text.starts_with("179769313486231570814527423731704356798")) << text;
  EXPECT_TRUE(text.ends_with("." + std::string(40, '0'))) << text;
  EXPECT_EQ(portable::FixedDigitsText(greatest, 40), text);
  EXPECT_EQ(FixedDigitsText(-greatest, 40), "-" + text);
}

TEST(CommaLocale, DigitsKeepTheirPoint) {
  // The C library writes and reads the locale's mark; the texts never do.
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  const std::string shortest = portable::ShortestText(2036.772);
  const std::string general = portable::GeneralDigitsText(-0.5, 15);
  const std::string fixed = portable::FixedDigitsText(1033.8285, 3);
  const std::string tiny = portable::ShortestText(1.5e-7);
  double value = 0;
  const char text[] = "1050.25";
  const DoubleRead read = portable::ReadDouble(text, text + 7, value);
  std::setlocale(LC_NUMERIC, before.c_str());
  EXPECT_EQ(shortest, "2036.772");
  EXPECT_EQ(general, "-0.5");
  EXPECT_EQ(fixed, "1033.829");
  EXPECT_EQ(tiny, "1.5e-07");
  EXPECT_EQ(read.end, text + 7);
  EXPECT_EQ(value, 1050.25);
}

struct ReadRow {
  const char* name;
  const char* text;
};

class ReadDoubles : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ReadDoubles, AsFromChars) {
  const std::string text = GetParam().text;
  const char* first = text.data();
  const char* last = first + text.size();
  double expected = -7;
  double value = -7;
  const auto [end, error] = std::from_chars(first, last, expected);
  const DoubleRead read = portable::ReadDouble(first, last, value);
  EXPECT_EQ(read.error, error);
  EXPECT_EQ(read.end - first, end - first);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadDoubles,
    ::testing::Values(ReadRow{"Plain", "1050.25"}, ReadRow{"Negative", "-7.5"}, ReadRow{"NegativeZero", "-0"},
                      ReadRow{"LeadingPoint", ".5"}, ReadRow{"TrailingPoint", "5."},
                      ReadRow{"Exponent", "1.5E+3"}, ReadRow{"ExponentWithoutDigits", "1e"},
                      ReadRow{"ExponentSignWithoutDigits", "1e+"}, ReadRow{"StopsAtAWord", "12.5m"},
                      ReadRow{"PlusRefused", "+1"}, ReadRow{"MinusAlone", "-"}, ReadRow{"PointAlone", "."},
                      ReadRow{"Empty", ""}, ReadRow{"Blank", " 1"}, ReadRow{"CommaStops", "1,5"},
                      ReadRow{"Overflow", "1e400"}, ReadRow{"NegativeOverflow", "-1e400"},
                      ReadRow{"GreatestRoundsDown", "1.7976931348623158e308"},
                      ReadRow{"Underflow", "1e-400"}, ReadRow{"BelowHalfTheLeastSubnormal", "2.4703282292062327e-324"},
                      ReadRow{"AboveHalfTheLeastSubnormal", "2.4703282292062328e-324"},
                      ReadRow{"Subnormal", "1e-310"}, ReadRow{"ZeroWithLongExponent", "0e-99999"},
                      ReadRow{"ManyDigits", "3.14159265358979323846264338327950288419716939937510"},
                      ReadRow{"HalfwayRoundsToEven", "9007199254740993"}),
    RowName<ReadRow>);

TEST(RandomTexts, ReadAsFromChars) {
  std::mt19937_64 random(28);
  const char alphabet[] = "0123456789.e-+";
  for (int i = 0; i < 100000; ++i) {
    std::string text;
    const int length = 1 + static_cast<int>(random() % 12);
    for (int k = 0; k < length; ++k) text += alphabet[random() % (sizeof alphabet - 1)];
    double expected = -7;
    double value = -7;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected);
    const DoubleRead read = portable::ReadDouble(text.data(), text.data() + text.size(), value);
    ASSERT_EQ(read.error, error) << text;
    ASSERT_EQ(read.end, end) << text;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(expected)) << text;
  }
}

}  // namespace
}  // namespace capset::testing
