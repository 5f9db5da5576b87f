// How answers are read: the whole text, in the user's locale symbols.
#include <gtest/gtest.h>

#include <string>

#include "number_rules.h"
#include "table.h"

namespace capset::testing {
namespace {

using Status = ReadResult::Status;

const NumberSymbols kPoint{};  // zh_CN, en_US, C
const NumberSymbols kComma{.decimal = ","};  // de_DE
// A locale with its own digits and signs (Arabic, Egypt).
const NumberSymbols kArabic{.decimal = "\u066B", .minus = "\u061C-", .plus = "\u061C+", .exponent = "\u0627\u0633",
                            .zeroDigit = U'\u0660'};

struct ReadRow {
  const char* name;
  const NumberSymbols* symbols;
  const char* text;
  Status status;
  double value;  // checked for kNumber only
};

class ReadNumberRows : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ReadNumberRows, ReadsTheWholeText) {
  const ReadRow& r = GetParam();
  const ReadResult result = ReadNumber(r.text, *r.symbols);
  EXPECT_EQ(result.status, r.status) << "text [" << r.text << "]";
  if (r.status == Status::kNumber) {
    EXPECT_EQ(result.value, r.value);
  }
}

constexpr Status kNumber = Status::kNumber;
constexpr Status kNot = Status::kNotNumber;
constexpr Status kRange = Status::kOutOfRange;

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadNumberRows,
    ::testing::Values(ReadRow{"PlainInteger", &kPoint, "12345", kNumber, 12345},
                      ReadRow{"DecimalPoint", &kPoint, "12345.678", kNumber, 12345.678},
                      ReadRow{"BlanksAround", &kPoint, "  7.3  ", kNumber, 7.3},
                      ReadRow{"TabsAround", &kPoint, "\t7.3\t", kNumber, 7.3},
                      ReadRow{"IdeographicBlankAround", &kPoint, "\u30007.3\u3000", kNumber, 7.3},
                      ReadRow{"NoBreakSpaceAround", &kPoint, "\u00A07.3\u00A0", kNumber, 7.3},
                      ReadRow{"MinusSign", &kPoint, "-2.5", kNumber, -2.5},
                      ReadRow{"UnicodeMinusSign", &kPoint, "\u22122.5", kNumber, -2.5},
                      ReadRow{"PlusSign", &kPoint, "+90", kNumber, 90},
                      ReadRow{"SmallExponent", &kPoint, "1E-9", kNumber, 1e-9},
                      ReadRow{"LowerCaseExponent", &kPoint, "1.5e3", kNumber, 1500},
                      ReadRow{"ExponentAfterAPoint", &kPoint, "1.e3", kNumber, 1000},
                      ReadRow{"LeadingPoint", &kPoint, ".5", kNumber, 0.5},
                      ReadRow{"SignedLeadingPoint", &kPoint, "-.5", kNumber, -0.5},
                      ReadRow{"TrailingPoint", &kPoint, "5.", kNumber, 5},
                      ReadRow{"LeadingZeros", &kPoint, "00012", kNumber, 12},
                      ReadRow{"Subnormal", &kPoint, "1e-310", kNumber, 1e-310},
                      ReadRow{"LargestDouble", &kPoint, "1.7976931348623158e308", kNumber, 1.7976931348623157e308},
                      ReadRow{"CommaIsNotDecimalInZh", &kPoint, "1,5", kNot, 0},
                      ReadRow{"GroupSeparatorRefused", &kPoint, "1,500", kNot, 0},
                      ReadRow{"Empty", &kPoint, "", kNot, 0},
                      ReadRow{"BlanksOnly", &kPoint, "   ", kNot, 0},
                      ReadRow{"PointOnly", &kPoint, ".", kNot, 0},
                      ReadRow{"SignOnly", &kPoint, "-", kNot, 0},
                      ReadRow{"Letters", &kPoint, "abc", kNot, 0},
                      ReadRow{"TrailingLetter", &kPoint, "12a", kNot, 0},
                      ReadRow{"BlankInside", &kPoint, "1 000", kNot, 0},
                      ReadRow{"TwoSigns", &kPoint, "--1", kNot, 0},
                      ReadRow{"TwoPoints", &kPoint, "1.2.3", kNot, 0},
                      ReadRow{"ExponentWithoutDigits", &kPoint, "1e", kNot, 0},
                      ReadRow{"ExponentWithoutMantissa", &kPoint, ".e3", kNot, 0},
                      ReadRow{"FullWidthDigits", &kPoint, "１２", kNot, 0},
                      ReadRow{"HexNumber", &kPoint, "0x10", kNot, 0},
                      ReadRow{"InfinityWordRefused", &kPoint, "inf", kNot, 0},
                      ReadRow{"NegativeInfinityWordRefused", &kPoint, "-inf", kNot, 0},
                      ReadRow{"NanWordRefused", &kPoint, "nan", kNot, 0},
                      ReadRow{"OverflowIsOutOfRange", &kPoint, "1e400", kRange, 0},
                      ReadRow{"NegativeOverflowIsOutOfRange", &kPoint, "-1e400", kRange, 0},
                      ReadRow{"JustBeyondTheLargestDouble", &kPoint, "1.7976931348623159e308", kRange, 0},
                      ReadRow{"UnderflowIsOutOfRange", &kPoint, "1e-400", kRange, 0},
                      ReadRow{"CommaDecimalInDe", &kComma, "1,5", kNumber, 1.5},
                      ReadRow{"CommaDecimalWithExponentInDe", &kComma, "-1,5E3", kNumber, -1500},
                      ReadRow{"LeadingCommaInDe", &kComma, ",5", kNumber, 0.5},
                      ReadRow{"GroupedThousandRefusedInDe", &kComma, "1.500", kNot, 0},
                      ReadRow{"PointDecimalRefusedInDe", &kComma, "1.5", kNot, 0},
                      ReadRow{"OverflowInDe", &kComma, "1,5e400", kRange, 0},
                      ReadRow{"EmptyInDe", &kComma, "", kNot, 0},
                      ReadRow{"ArabicDigitsAndSeparator", &kArabic, "\u0661\u0662\u066B\u0665", kNumber, 12.5},
                      ReadRow{"ArabicMinusAndExponent", &kArabic, "\u061C-\u0661\u0627\u0633\u0663", kNumber, -1000},
                      ReadRow{"AsciiDigitsInAnArabicLocale", &kArabic, "12\u066B5", kNumber, 12.5}),
    RowName<ReadRow>);

// An answer kept for a job file: whatever the locale typed it with, the
// plain rules of the file read the same number, and an answer they read
// already stays as typed.
struct PortableRow {
  const char* name;
  const NumberSymbols* typed;
  const char* text;
  const char* decimal;  // the file's
  const char* kept;
};

class PortableNumberRows : public ::testing::TestWithParam<PortableRow> {};

TEST_P(PortableNumberRows, ReadsTheSameByTheFilesRules) {
  const PortableRow& r = GetParam();
  const std::string kept = PortableNumber(r.text, *r.typed, r.decimal);
  EXPECT_EQ(kept, r.kept);
  const ReadResult typed = ReadNumber(r.text, *r.typed);
  if (typed.status == Status::kNumber) {
    const ReadResult read = ReadNumber(kept, NumberSymbols{.decimal = r.decimal});
    ASSERT_EQ(read.status, Status::kNumber);
    EXPECT_EQ(read.value, typed.value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PortableNumberRows,
    ::testing::Values(PortableRow{"PlainAnswerStaysAsTyped", &kPoint, " 1234.50 ", ".", " 1234.50 "},
                      PortableRow{"CommaAnswerStaysAsTyped", &kComma, "1234,5", ",", "1234,5"},
                      PortableRow{"ArabicSeparator", &kArabic, "12\u066B5", ".", "12.5"},
                      PortableRow{"ArabicDigitsSignAndExponent", &kArabic, "\u061C-\u0661\u066B\u0665\u0627\u0633\u0663", ".",
                                  "-1.5e3"},
                      PortableRow{"AsciiWholeNumberInArabicStays", &kArabic, "1050", ".", "1050"},
                      PortableRow{"MinusSignU2212IsReadEverywhere", &kPoint, "\u22125", ".", "\u22125"},
                      PortableRow{"NotANumberStays", &kComma, "1.500", ",", "1.500"}),
    RowName<PortableRow>);

}  // namespace
}  // namespace capset::testing
