// The readers of measured points, typed or pasted lines and point files,
// as one table: each row a text in and the points, or the problems with
// their line numbers, out.
#include <gtest/gtest.h>

#include "check_texts.h"
#include "measured_points.h"
#include "table.h"

namespace capset::testing {
namespace {

enum class Form { kTyped, kFile };

struct ReaderRow {
  const char* name;
  Form form;
  std::string text;
  std::vector<MeasuredPoint> points;  // expected when `problems` is empty
  std::vector<std::string> problems;
  NumberSymbols symbols{};
};

class PointReader : public ::testing::TestWithParam<ReaderRow> {};

TEST_P(PointReader, GivesThePointsOrEveryBadLine) {
  const ReaderRow& row = GetParam();
  const PointsReading read =
      row.form == Form::kTyped ? ReadTypedPoints(row.text, row.symbols) : ReadPointFile(row.text);
  if (!row.problems.empty()) {
    ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(read));
    EXPECT_EQ(std::get<std::vector<std::string>>(read), row.problems);
    return;
  }
  ASSERT_TRUE(std::holds_alternative<std::vector<MeasuredPoint>>(read)) << std::get<1>(read).front();
  const auto& points = std::get<std::vector<MeasuredPoint>>(read);
  ASSERT_EQ(points.size(), row.points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_EQ(points[i].name, row.points[i].name);
    EXPECT_EQ(points[i].point.X, row.points[i].point.X);
    EXPECT_EQ(points[i].point.Y, row.points[i].point.Y);
  }
}

const NumberSymbols kComma{.decimal = ","};

INSTANTIATE_TEST_SUITE_P(
    Readers, PointReader,
    ::testing::Values(
        ReaderRow{"TypedBlanksTabsAndCommas", Form::kTyped,
                  "M1 1033.829 2036.772\nM2\t1030.54\t2044.847\nM3, 1037.077, 2028.798\n",
                  {{"M1", {1033.829, 2036.772}}, {"M2", {1030.54, 2044.847}}, {"M3", {1037.077, 2028.798}}}, {}},
        ReaderRow{"TypedBlankLinesCountedCrLfAndHeight", Form::kTyped, "\r\nA 1 2\r\n\r\nB 3 4 12.5\r\n",
                  {{"A", {1, 2}}, {"B", {3, 4}}}, {}},
        ReaderRow{"TypedHeadingFromASpreadsheet", Form::kTyped, "点名\tX\tY\nC1\t5\t6\n", {{"C1", {5, 6}}}, {}},
        ReaderRow{"TypedIdeographicSpace", Form::kTyped, "墩1\u30001.5\u30002.5", {{"墩1", {1.5, 2.5}}}, {}},
        ReaderRow{"TypedCommaLocaleBlanksAndTabs", Form::kTyped, "M1 1033,829 2036,772\nM2\t1,5\t2,5",
                  {{"M1", {1033.829, 2036.772}}, {"M2", {1.5, 2.5}}}, {}, kComma},
        ReaderRow{"TypedBadLinesAllNamed", Form::kTyped, "M1 1 2\nM2 1x 2\n\nM3 1\nM4 1 2y\n\xff 1 2\n",
                  {},
                  {CheckLineProblem(2, "M2 1x 2", kPointXNotNumber), CheckLineProblem(4, "M3 1", kNotATypedPoint),
                   CheckLineProblem(5, "M4 1 2y", kPointYNotNumber),
                   CheckLineProblem(6, "\xff 1 2", kPointNameNotUtf8)}},
        ReaderRow{"TypedNamesNotUtf8OverlongSurrogateCutShort", Form::kTyped,
                  "\xC0\x80 1 2\n\xED\xA0\x80 1 2\n\xE5\xA2 1 2\n\xF0\x9F\x98\x80 1 2",
                  {},
                  {CheckLineProblem(1, "\xC0\x80 1 2", kPointNameNotUtf8),
                   CheckLineProblem(2, "\xED\xA0\x80 1 2", kPointNameNotUtf8),
                   CheckLineProblem(3, "\xE5\xA2 1 2", kPointNameNotUtf8)}},
        ReaderRow{"TypedNameMissing", Form::kTyped, "\t1\t2", {}, {CheckLineProblem(1, "1\t2", kPointNameMissing)}},
        ReaderRow{"TypedPointDecimalInCommaLocale", Form::kTyped, "M1 1.5 2",
                  {}, {CheckLineProblem(1, "M1 1.5 2", kPointXNotNumber)}, kComma},
        ReaderRow{"TypedNothing", Form::kTyped, " \n\n", {}, {}},
        ReaderRow{"FileEastFirstAsTheExportWritesIt", Form::kFile,
                  "\xEF\xBB\xBF" "1-C,,2036.772,1033.829,0.000\r\n1-O,,2028.798,1037.077,0.000\r\n",
                  {{"1-C", {1033.829, 2036.772}}, {"1-O", {1037.077, 2028.798}}}, {}},
        ReaderRow{"FileWithCodesAndHeading", Form::kFile, "name,code,Y,X,H\nP7,ZD,3,4,\n", {{"P7", {4, 3}}}, {}},
        ReaderRow{"FileNotAPointFile", Form::kFile, "{\n  \"version\": 1\n}\n", {},
                  {CheckLineProblem(1, "{", kNotAFilePoint), CheckLineProblem(2, "\"version\": 1", kNotAFilePoint),
                   CheckLineProblem(3, "}", kNotAFilePoint)}},
        ReaderRow{"FileBadCoordinateAndHeight", Form::kFile, "A,,1,2,0\nB,,1,x,0\nC,,1,2,h\n", {},
                  {CheckLineProblem(2, "B,,1,x,0", kPointXNotNumber), CheckLineProblem(3, "C,,1,2,h", kPointHNotNumber)}},
        ReaderRow{"FileTypedLinesAreNotAFile", Form::kFile, "M1 1 2\n", {},
                  {CheckLineProblem(1, "M1 1 2", kNotAFilePoint)}},
        ReaderRow{"FileEastBeyondTheRange", Form::kFile, "A,,1e160,2,0\nB,,-100000000,100000000,0\n", {},
                  {CheckLineProblem(1, "A,,1e160,2,0", PointYBeyond("1e160"))}},
        ReaderRow{"FileAtTheRangesCorner", Form::kFile, "B,,-100000000,100000000,0\n", {{"B", {1e8, -1e8}}}, {}},
        ReaderRow{"TypedNorthBeyondTheRange", Form::kTyped, "M1 -1e9 2\nM2 4.9e-324 1\n", {},
                  {CheckLineProblem(1, "M1 -1e9 2", PointXBeyond("-1e9"))}}),
    RowName<ReaderRow>);

struct ToleranceRow {
  const char* name;
  std::string text;
  std::variant<double, std::string> read;  // the value, or the reason
};

class ToleranceReader : public ::testing::TestWithParam<ToleranceRow> {};

TEST_P(ToleranceReader, TakesZeroOrMore) { EXPECT_EQ(ReadTolerance(GetParam().text, {}), GetParam().read); }

INSTANTIATE_TEST_SUITE_P(
    Readers, ToleranceReader,
    ::testing::Values(ToleranceRow{"Default", "10", 10.0}, ToleranceRow{"Zero", " 0 ", 0.0},
                      ToleranceRow{"Negative", "-1", std::string(kToleranceNegative)},
                      ToleranceRow{"Word", "ten", std::string(kToleranceNotNumber)},
                      ToleranceRow{"Empty", "", std::string(kToleranceNotNumber)},
                      ToleranceRow{"AtTheEndOfTheRange", "10000", 10000.0},
                      ToleranceRow{"BeyondTheRange", "1e308", ToleranceBeyond("1e308", 1, "m")}),
    RowName<ToleranceRow>);

}  // namespace
}  // namespace capset::testing
