// The small rules the window's habits rest on, each against the cases a
// user or a file brings: a time read back, a packed angle that no angle is,
// a station typed in K form where metres are asked, the last row number of
// a day file whatever it holds.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "angle_text.h"
#include "day_file.h"
#include "export_formats.h"
#include "log_row.h"
#include "local_time.h"
#include "station_reading.h"
#include "table.h"

namespace capset::testing {
namespace {

struct TimeRow {
  const char* name;
  const char* text;
  std::optional<LocalTime> time;
};

class TimeTexts : public ::testing::TestWithParam<TimeRow> {};

TEST_P(TimeTexts, ReadBackExactlyOrNotAtAll) {
  EXPECT_EQ(ReadDateTime(GetParam().text), GetParam().time);
  if (GetParam().time) {
    EXPECT_EQ(DateTimeText(*GetParam().time).substr(0, 10), std::string(GetParam().text).substr(0, 10));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TimeTexts,
    ::testing::Values(TimeRow{"Plain", "2026-03-01 09:30:05", LocalTime{2026, 3, 1, 9, 30, 5}},
                      TimeRow{"WithT", "2026-03-01T23:59:60", LocalTime{2026, 3, 1, 23, 59, 60}},
                      TimeRow{"LeapDay", "2028-02-29 00:00:00", LocalTime{2028, 2, 29, 0, 0, 0}},
                      TimeRow{"NoLeapDay", "2026-02-29 00:00:00", std::nullopt},
                      TimeRow{"CenturyNotLeap", "2100-02-29 00:00:00", std::nullopt},
                      TimeRow{"MonthThirteen", "2026-13-01 00:00:00", std::nullopt},
                      TimeRow{"HourTwentyFour", "2026-03-01 24:00:00", std::nullopt},
                      TimeRow{"BlankInADigit", "2026- 3-01 09:30:05", std::nullopt},
                      TimeRow{"DateAlone", "2026-03-01", std::nullopt},
                      TimeRow{"TrailingText", "2026-03-01 09:30:05 ", std::nullopt}),
    RowName<TimeRow>);

struct SlipRow {
  const char* name;
  double packed;
  bool minutes;
  bool seconds;
};

class PackedSlips : public ::testing::TestWithParam<SlipRow> {};

// What DmsToDegrees takes apart, as it takes it apart: a 60 typed for the
// seconds is seen even when the product falls a hair short of it.
TEST_P(PackedSlips, MinutesAndSecondsOfSixtyOrMore) {
  const auto slip = PackedAngleSlip(GetParam().packed);
  EXPECT_EQ(slip.has_value(), GetParam().minutes || GetParam().seconds);
  if (slip) {
    EXPECT_EQ(slip->minutes, GetParam().minutes);
    EXPECT_EQ(slip->seconds, GetParam().seconds);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, PackedSlips,
                         ::testing::Values(SlipRow{"TrueAngle", 45.3015, false, false},
                                           SlipRow{"LastMinuteAndSecond", 45.5959, false, false},
                                           SlipRow{"SecondsJustUnderSixty", 45.305999, false, false},
                                           SlipRow{"SeventyFiveMinutes", 45.75, true, false},
                                           SlipRow{"SeventyFiveSeconds", 45.3075, false, true},
                                           SlipRow{"SixtySeconds", 89.5960, false, true},
                                           SlipRow{"SixtySecondsAfterAProductShortOfIt", 1.0060, false, true},
                                           SlipRow{"Both", 30.7560, true, true},
                                           SlipRow{"Negative", -45.75, true, false},
                                           SlipRow{"Zero", 0, false, false},
                                           SlipRow{"BeyondAnyAngle", 1e306, false, false}),
                         RowName<SlipRow>);

struct KFormRow {
  const char* name;
  const char* answer;
  std::optional<double> station;
};

class KFormAnswers : public ::testing::TestWithParam<KFormRow> {};

TEST_P(KFormAnswers, AStationOrNothing) {
  EXPECT_EQ(KStationAnswer(GetParam().answer, {}), GetParam().station);
}

INSTANTIATE_TEST_SUITE_P(Rows, KFormAnswers,
                         ::testing::Values(KFormRow{"AsOnDrawings", "K1+050", 1050.0},
                                           KFormRow{"AsTheWindowShowsIt", " k 12+ 345.678\u3000", 12345.678},
                                           KFormRow{"MetresWithFraction", "K0+007.5", 7.5},
                                           KFormRow{"NoMetres", "K1+", std::nullopt},
                                           KFormRow{"MetresOfAKilometre", "K1+1000", std::nullopt},
                                           KFormRow{"KilometresNotWhole", "K1.5+20", std::nullopt},
                                           KFormRow{"NameBeforeIt", "3# K1+050", std::nullopt},
                                           KFormRow{"NoK", "1+050", std::nullopt},
                                           KFormRow{"PlainMetres", "1050", std::nullopt}),
                         RowName<KFormRow>);

struct DayFileRow {
  const char* name;
  std::string text;
  bool whole;
  int last;
};

class DayFileNumbers : public ::testing::TestWithParam<DayFileRow> {};

TEST_P(DayFileNumbers, HighestRowNumberWhateverTheFileHolds) {
  EXPECT_EQ(LastRowNumber(GetParam().text, GetParam().whole), GetParam().last);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DayFileNumbers,
    ::testing::Values(
        DayFileRow{"Empty", "", true, 0},
        DayFileRow{"HeaderOnly", "\xEF\xBB\xBF序号,名称\r\n", true, 0},
        DayFileRow{"Rows", "\xEF\xBB\xBF序号,名称\r\n1,a\r\n2,b\r\n3,\"x,y\"\r\n", true, 3},
        DayFileRow{"LastLineCutShort", "序号\r\n1,a\r\n2,b\r\n37,cut sh", true, 37},
        DayFileRow{"HighestNotLast", "序号\r\n9,a\r\n4,b\r\n", true, 9},
        DayFileRow{"TailStartsInsideALine", "7,a row's end\r\n5,b\r\n", false, 5},
        DayFileRow{"TailWithoutALineEnd", "12345,", false, 0},
        DayFileRow{"ForeignText", "pictures of the bridge\n-4,x\n+5,y\n 6,z\n7 ,w\n", true, 0},
        DayFileRow{"NumberTooLongToBeOurs", "1234567890,a\r\n", true, 0}),
    RowName<DayFileRow>);

// The header the rows appended to a day file go under: none when the
// file's last header names their columns as this program does, else one of
// their own, so that no row stands under headings that are not its own.
std::string Header(int width) {
  const std::string line = CsvHeaderLine(width);
  return line.substr(0, line.size() - 2);
}

struct HeaderRow {
  const char* name;
  std::string file;
  int width;      // of the rows to append
  bool written;   // a header goes before them
};

class DayFileHeader : public ::testing::TestWithParam<HeaderRow> {};

TEST_P(DayFileHeader, NamesEveryColumnOfTheRowsBelowIt) {
  const HeaderRow& r = GetParam();
  const std::string before = HeaderBefore(LastHeaderLine(r.file), r.width);
  EXPECT_EQ(before, r.written ? CsvHeaderLine(r.width) : "");
}

// A file of the layout before the status moved to the front: its header
// starts 序号,名称,解法.
const std::string kOldHeader = "\xEF\xBB\xBF序号,名称,解法,曲线,盖梁中桩桩号\r\n1,,ZH 端 斜交,ZH 右偏,K 1+ 50\r\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, DayFileHeader,
    ::testing::Values(
        HeaderRow{"SameLayout", "\xEF\xBB\xBF" + Header(kFixedColumnCount) + "\r\n1,a\r\n", kFixedColumnCount, false},
        HeaderRow{"WiderHeaderNamesFewerPoints", "\xEF\xBB\xBF" + Header(ColumnsFor(3)) + "\r\n1,a\r\n", ColumnsFor(2),
                  false},
        HeaderRow{"MorePointsThanNamed", "\xEF\xBB\xBF" + Header(ColumnsFor(1)) + "\r\n1,a\r\n", ColumnsFor(2), true},
        HeaderRow{"LaterHeaderCounts",
                  "\xEF\xBB\xBF" + Header(kFixedColumnCount) + "\r\n1,a\r\n" + Header(ColumnsFor(2)) + "\r\n2,b\r\n",
                  ColumnsFor(2), false},
        HeaderRow{"EarlierLayout", kOldHeader, kFixedColumnCount, true},
        HeaderRow{"NoHeaderAtAll", "1,cut sh", kFixedColumnCount, true}),
    RowName<HeaderRow>);

TEST(DayFileHeader, LastHeaderLineIsFoundWithoutItsMarkAndLineEnd) {
  EXPECT_EQ(LastHeaderLine(kOldHeader), "序号,名称,解法,曲线,盖梁中桩桩号");
  EXPECT_EQ(LastHeaderLine("1,a\r\n"), "");
  EXPECT_EQ(DayFileWidth(kWindowColumnCount), ColumnsFor(kDayFilePoints));
  EXPECT_EQ(DayFileWidth(ColumnsFor(kDayFilePoints + 1)), ColumnsFor(kDayFilePoints + 1));
}

}  // namespace
}  // namespace capset::testing
