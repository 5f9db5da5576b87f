// How answers are read: the default locale's number rules, the whole text.

#include <gtest/gtest.h>

#include <QLocale>
#include <string>

#include "qt_number_reader.h"

namespace capset {
namespace {

using Status = ReadResult::Status;

struct ReadCase {
  const char* name;
  const char* locale;
  const char* text;
  Status status;
  double value;  // checked for kNumber only
};

const ReadCase kReadCases[] = {
    {"PlainInteger", "zh_CN", "12345", Status::kNumber, 12345},
    {"DecimalPoint", "zh_CN", "12345.678", Status::kNumber, 12345.678},
    {"BlanksAround", "zh_CN", "  7.3  ", Status::kNumber, 7.3},
    {"TabsAround", "zh_CN", "\t7.3\t", Status::kNumber, 7.3},
    {"IdeographicBlankAround", "zh_CN", "\u30007.3\u3000", Status::kNumber, 7.3},
    {"MinusSign", "zh_CN", "-2.5", Status::kNumber, -2.5},
    {"PlusSign", "zh_CN", "+90", Status::kNumber, 90},
    {"SmallExponent", "zh_CN", "1E-9", Status::kNumber, 1e-9},
    {"LowerCaseExponent", "zh_CN", "1.5e3", Status::kNumber, 1500},
    {"LeadingPoint", "zh_CN", ".5", Status::kNumber, 0.5},
    {"TrailingPoint", "zh_CN", "5.", Status::kNumber, 5},
    {"Subnormal", "zh_CN", "1e-310", Status::kNumber, 1e-310},
    {"CommaIsNotDecimalInZh", "zh_CN", "1,5", Status::kNotNumber, 0},
    {"GroupSeparatorRefusedInZh", "zh_CN", "1,500", Status::kNotNumber, 0},
    {"Empty", "zh_CN", "", Status::kNotNumber, 0},
    {"BlanksOnly", "zh_CN", "   ", Status::kNotNumber, 0},
    {"Letters", "zh_CN", "abc", Status::kNotNumber, 0},
    {"TrailingLetter", "zh_CN", "12a", Status::kNotNumber, 0},
    {"BlankInside", "zh_CN", "1 000", Status::kNotNumber, 0},
    {"TwoSigns", "zh_CN", "--1", Status::kNotNumber, 0},
    {"TwoPoints", "zh_CN", "1.2.3", Status::kNotNumber, 0},
    {"ExponentWithoutDigits", "zh_CN", "1e", Status::kNotNumber, 0},
    {"FullWidthDigits", "zh_CN", "１２", Status::kNotNumber, 0},
    {"InfinityWordRefused", "zh_CN", "inf", Status::kNotNumber, 0},
    {"NegativeInfinityWordRefused", "zh_CN", "-inf", Status::kNotNumber, 0},
    {"NanWordRefused", "zh_CN", "nan", Status::kNotNumber, 0},
    {"OverflowIsOutOfRange", "zh_CN", "1e400", Status::kOutOfRange, 0},
    {"NegativeOverflowIsOutOfRange", "zh_CN", "-1e400", Status::kOutOfRange, 0},
    {"UnderflowIsOutOfRange", "zh_CN", "1e-400", Status::kOutOfRange, 0},
    {"CommaDecimalInDe", "de_DE", "1,5", Status::kNumber, 1.5},
    {"CommaDecimalWithExponentInDe", "de_DE", "-1,5E3", Status::kNumber, -1500},
    {"GroupedThousandRefusedInDe", "de_DE", "1.500", Status::kNotNumber, 0},
    {"PointDecimalRefusedInDe", "de_DE", "1.5", Status::kNotNumber, 0},
    {"OverflowInDe", "de_DE", "1,5e400", Status::kOutOfRange, 0},
    {"EmptyInDe", "de_DE", "", Status::kNotNumber, 0},
};

class NumberReaderTest : public ::testing::TestWithParam<ReadCase> {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale(GetParam().locale)); }
  void TearDown() override { QLocale::setDefault(saved_); }

 private:
  QLocale saved_;
};

TEST_P(NumberReaderTest, ReadsTheWholeTextInTheDefaultLocale) {
  const ReadCase& c = GetParam();
  const ReadResult result = QtNumberReader().Read(c.text);
  EXPECT_EQ(result.status, c.status) << "text [" << c.text << "]";
  if (c.status == Status::kNumber) {
    EXPECT_DOUBLE_EQ(result.value, c.value);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, NumberReaderTest,
                         ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumberReaderSeparatorTest, FollowsTheDefaultLocale) {
  const QLocale saved;
  QLocale::setDefault(QLocale("de_DE"));
  EXPECT_EQ(QtNumberReader().DecimalSeparator(), ",");
  QLocale::setDefault(QLocale("zh_CN"));
  EXPECT_EQ(QtNumberReader().DecimalSeparator(), ".");
  QLocale::setDefault(saved);
}

}  // namespace
}  // namespace capset
