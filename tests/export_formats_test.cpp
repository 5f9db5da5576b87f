// The log's rows as they leave the program: the CSV for the office, the
// CASS point file for the instrument, the clipboard's tab-separated text,
// each as exact text; and the log's own bookkeeping of rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cap_log.h"
#include "dialogue_run.h"
#include "export_formats.h"
#include "fixed_clock.h"
#include "number_text.h"
#include "log_row.h"
#include "script_builder.h"
#include "station_text.h"
#include "table.h"
#include "worked_cases.h"

namespace capset::testing {
namespace {

// 1: the base job computed; 2 to 5: a batch on it with two axis points, a
// name with a comma and quotes, a Chinese name, a station off the spiral.
// Every row carries the job it was made from and the time.
const std::vector<CapRecord>& Records() {
  static const std::vector<CapRecord> records =
      RunDialogue(Script().Start({}).Compute(kZHBaseCompute).Batch(
                      {"parallel", "7.5", "0.0001", "-3.5 3.5", {"3# 1050", "\"A,1\" K1+060", "左 1070", "999"}}))
          .records;
  return records;
}

// The record of row `row` with its inner side given up.
CapRecord WithInnerUnsolved(int row) {
  CapRecord r = Records().at(row);
  std::get<CapSolution>(r.outcome).inner.status = SideStatus::kRanAway;
  return r;
}

// What every row of Records() ends with: the job and the time.
constexpr char kContext[] = ",ZH,K1+000.000,1000,2000,45°00′00.0″,0,100,1,2026-03-01 09:30:00";
// The window's result columns of Records()[0] and [1]: the status first,
// then the boxes, each edge named, the columns of an exact row empty.
constexpr char kSolvedBoxes[] =
    "计算完成,ZH 端 斜交,ZH 右偏,K 1+ 50,K 1+ 50,60°00′00″,  7.5,  0.0001(度),1033.829,2036.772,"
    "外侧,K 1+ 45.844,1037.077,2028.798,8.61,,,内侧,k 1+ 54.538,1030.54,2044.847,8.719,,";

struct LineRow {
  const char* name;
  CapRecord record;
  std::string csv;
  std::string dat;
};

class ExportLines : public ::testing::TestWithParam<LineRow> {};

TEST_P(ExportLines, ExactTexts) {
  EXPECT_EQ(CsvLine(GetParam().record), GetParam().csv);
  EXPECT_EQ(ExportText(ExportFormat::kDat, {&GetParam().record}), GetParam().dat);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExportLines,
    ::testing::Values(
        LineRow{"ComputeRowNamedByItsNumber", Records()[0],
                "1,," + std::string(kSolvedBoxes) + kContext + "\r\n",
                "K1+050-C,,2036.772,1033.829,0.000\r\nK1+050-O,,2028.798,1037.077,0.000\r\n"
                "K1+050-I,,2044.847,1030.540,0.000\r\n"},
        // Each point along the axis in columns of its own after the fixed
        // ones (the method and the centre's element empty in a window row).
        LineRow{"NamedWithAxisPoints", Records()[1],
                "2,3#," + std::string(kSolvedBoxes) + kContext + ",,,-3.5,1032.508,2040.013,,3.5,1035.149,2033.53,\r\n",
                "3-C,,2036.772,1033.829,0.000\r\n3-O,,2028.798,1037.077,0.000\r\n3-I,,2044.847,1030.540,0.000\r\n"
                "3-P1,,2040.013,1032.508,0.000\r\n3-P2,,2033.530,1035.149,0.000\r\n"},
        LineRow{"CommaAndQuotesQuoted", Records()[2],
                "3,\"\"\"A,1\"\"\",计算完成,ZH 端 斜交,ZH 右偏,K 1+ 60,K 1+ 50,60°00′00″,  7.5,  0.0001(度),1039.749,"
                "2044.829,外侧,K 1+ 55.345,1043.099,2036.606,8.879,,,内侧,k 1+ 65.195,1036.334,2053.213,9.053,," +
                    std::string(kContext) + ",,,-3.5,1038.429,2048.07,,3.5,1041.07,2041.587,\r\n",
                "A1-C,,2044.829,1039.749,0.000\r\nA1-O,,2036.606,1043.099,0.000\r\nA1-I,,2053.213,1036.334,0.000\r\n"
                "A1-P1,,2048.070,1038.429,0.000\r\nA1-P2,,2041.587,1041.070,0.000\r\n"},
        LineRow{"UnsolvedSideWritesNoPoint", WithInnerUnsolved(0),
                "1,,内侧未收敛：迭代发散，未能达到要求的精度（盖梁与中线交角过小或过大）。,ZH 端 斜交,ZH 右偏,"
                "K 1+ 50,K 1+ 50,60°00′00″,  7.5,  0.0001(度),1033.829,2036.772,外侧,K 1+ 45.844,"
                "1037.077,2028.798,8.61,,,内侧,,,,,," + std::string(kContext) + "\r\n",
                "K1+050-C,,2036.772,1033.829,0.000\r\nK1+050-O,,2028.798,1037.077,0.000\r\n"},
        LineRow{"RefusedStationWritesNoPoint", Records()[4],
                "5,,未计算：Kp 小于直缓点桩号，盖梁中心不在缓和曲线上。,ZH 端 斜交,ZH 右偏,K 0+ 999,K 1+ 50,"
                "60°00′00″,  7.5,  0.0001(度),,,,,,,,,,,,,,,," + std::string(kContext) + "\r\n",
                ""}),
    RowName<LineRow>);

TEST(ExportText, CsvHasTheMarkAndTheChineseHeaderOnce) {
  const std::vector<const CapRecord*> rows = {&Records()[0], &Records()[1]};
  const std::string csv = ExportText(ExportFormat::kCsv, rows);
  EXPECT_EQ(csv, std::string("\xEF\xBB\xBF") +
                     "序号,名称,状态,解法,曲线,盖梁中桩桩号,设计中桩桩号 Kj,交角 B,DR,精度,中桩纵座标 X,中桩横座标 Y,"
                     "边点一,边点一桩号,边点一纵座标 X,边点一横座标 Y,边点一长度 L,边点一线元,边点一半宽,"
                     "边点二,边点二桩号,边点二纵座标 X,边点二横座标 Y,边点二长度 L,边点二线元,边点二半宽,"
                     "起算点,起算点桩号,起算点纵座标 X,起算点横座标 Y,切线方位角 T,"
                     "平曲线半径 R,缓和曲线要素 A1,P,计算时间,方法,中桩线元,"
                     "P1 距中桩,P1 纵座标 X,P1 横座标 Y,P1 线元,P2 距中桩,P2 纵座标 X,P2 横座标 Y,P2 线元\r\n" +
                     CsvLine(Records()[0]) + CsvLine(Records()[1]));
}

// A cap without a usable name is named by its station, never by its row;
// caps that share a label each take their row number, so none of them is
// the point a surveyor calls up for another; a name that a suffix would
// make equal to another takes the number again.
TEST(ExportText, PointNamesNameTheirCapAndNeverRepeat) {
  CapRecord again = Records()[1];
  again.number = 9;
  CapRecord lookalike = Records()[2];
  lookalike.name = "3_2";
  const std::vector<const CapRecord*> rows = {&Records()[3], &Records()[1], &again, &lookalike, &Records()[4]};
  const std::string dat = ExportText(ExportFormat::kDat, rows);
  std::vector<std::string> names;
  for (std::size_t at = 0; at < dat.size(); at = dat.find("\r\n", at) + 2) names.push_back(dat.substr(at, dat.find(',', at) - at));
  EXPECT_EQ(names, (std::vector<std::string>{"K1+070-C", "K1+070-O", "K1+070-I", "K1+070-P1", "K1+070-P2",
                                             "3_2_2-C", "3_2_2-O", "3_2_2-I", "3_2_2-P1", "3_2_2-P2",
                                             "3_9-C", "3_9-O", "3_9-I", "3_9-P1", "3_9-P2",
                                             "3_2-C", "3_2-O", "3_2-I", "3_2-P1", "3_2-P2"}));
  const std::vector<SharedLabel> shared = SharedLabels(rows);
  ASSERT_EQ(shared.size(), 1u);
  EXPECT_EQ(shared[0].label, "3");
  EXPECT_EQ(shared[0].numbers, (std::vector<int>{2, 9}));
}

TEST(ExportText, ClipboardRowsUseTheTablesSeparator) {
  const std::string tsv = TsvText({&Records()[0]}, ",");
  EXPECT_TRUE(tsv.starts_with("序号\t名称\t状态\t解法\t")) << tsv;
  EXPECT_NE(tsv.find("\n1\t\t计算完成\tZH 端 斜交\tZH 右偏\tK 1+ 50\tK 1+ 50\t60°00′00″\t  7,5\t  0,0001(度)\t1033,829\t"),
            std::string::npos)
      << tsv;
  EXPECT_TRUE(tsv.ends_with("\t8,719\t\t\tZH\tK1+000.000\t1000\t2000\t45°00′00,0″\t0\t100\t1\t2026-03-01 09:30:00\n")) << tsv;
}

CapRecord Named(std::string name) {
  CapRecord r;
  r.number = 7;
  r.name = std::move(name);
  r.answers.Kp = 1234.5;
  return r;
}

struct TextRow {
  const char* name;
  std::string text;
  std::string expected;
};

class FixedTexts : public ::testing::TestWithParam<TextRow> {};

TEST_P(FixedTexts, Exact) { EXPECT_EQ(GetParam().text, GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Rows, FixedTexts,
    ::testing::Values(TextRow{"CoordinateThreeDecimals", FixedCoordinateText(1030.54), "1030.540"},
                      TextRow{"CsvFieldPlain", CsvField("K1+050.000"), "K1+050.000"},
                      TextRow{"CsvFieldComma", CsvField("a,b"), "\"a,b\""},
                      TextRow{"CsvFieldQuoteDoubled", CsvField("3\"#"), "\"3\"\"#\""},
                      TextRow{"CsvFieldLineBreak", CsvField("a\nb"), "\"a\nb\""},
                      TextRow{"CsvFieldCarriageReturn", CsvField("a\rb"), "\"a\rb\""},
                      TextRow{"CsvRecordEndsCrLf", CsvRecord(std::vector<std::string>{"1", "", "x,y"}), "1,,\"x,y\"\r\n"},
                      TextRow{"TsvRowBlanksItsBreaks", TsvRow(std::vector<std::string>{"a\tb", "c\nd"}), "a b\tc d"},
                      TextRow{"DatLineEastFirst", DatLine("K1+020-C", "ZH", {1033.8295, 2036.7724}),
                              "K1+020-C,ZH,2036.772,1033.830,0.000\r\n"},
                      TextRow{"DatLineHalfMillimetreAsTheBoxes", DatLine("P", "", {0.0005, -0.0005}), "P,,0.000,0.000,0.000\r\n"},
                      TextRow{"StationWholeMetres", StationLabel(1050), "K1+050"},
                      TextRow{"StationMillimetres", StationLabel(12345.678), "K12+345.678"},
                      TextRow{"StationTrailingZerosDropped", StationLabel(1060.5), "K1+060.5"},
                      TextRow{"StationCarriesIntoTheKilometre", StationLabel(1999.9996), "K2+000"},
                      TextRow{"StationBelowOneKilometre", StationLabel(7.25), "K0+007.25"},
                      TextRow{"StationNegative", StationLabel(-20), "-K0+020"},
                      TextRow{"CoordinateRoundedAsTheBoxes", FixedCoordinateText(-12.3456), "-12.346"},
                      TextRow{"CoordinateHalfToEven", FixedCoordinateText(0.0005), "0.000"},
                      TextRow{"CoordinateNoNegativeZero", FixedCoordinateText(-0.0004), "0.000"},
                      TextRow{"CoordinateLarge", FixedCoordinateText(3456789.1234), "3456789.123"},
                      TextRow{"LabelDropsTheHash", CapLabel(Named("3#")), "3"},
                      TextRow{"LabelKeepsDashDotUnderscore", CapLabel(Named("P-3.a_1")), "P-3.a_1"},
                      TextRow{"LabelOfANameNeverHasAPlus", CapLabel(Named("K1+050")), "K1050"},
                      TextRow{"LabelOfChineseNameIsTheStation", CapLabel(Named("左3#")), "K1+234.5"},
                      TextRow{"LabelOfNoNameIsTheStation", CapLabel(Named("")), "K1+234.5"},
                      TextRow{"LabelOfSignsOnlyIsTheStation", CapLabel(Named("#/")), "K1+234.5"}),
    RowName<TextRow>);

std::vector<int> NumbersOf(const CapLog& log) {
  std::vector<int> numbers;
  for (const CapRecord& r : log.Records()) numbers.push_back(r.number);
  return numbers;
}

// The log tells its watchers of each run of rows removed, the last run
// first, and a row keeps its number for good.
TEST(CapLog, RemovesRunsLastFirstAndKeepsNumbers) {
  struct Watcher : LogObserver {
    void RowsAboutToBeAdded(int first, int last) override { seen.push_back("add " + Range(first, last)); }
    void RowsAboutToBeRemoved(int first, int last) override { seen.push_back("remove " + Range(first, last)); }
    static std::string Range(int first, int last) { return std::to_string(first) + "-" + std::to_string(last); }
    std::vector<std::string> seen;
  } watcher;
  CapLog log;
  log.AddObserver(&watcher);
  log.Add(std::vector<CapRecord>(6));
  log.Remove({4, 1, 2, 4, 9, -1});
  log.Add(std::vector<CapRecord>(1));
  EXPECT_EQ(watcher.seen, (std::vector<std::string>{"add 0-5", "remove 4-4", "remove 1-2", "add 3-3"}));
  EXPECT_EQ(NumbersOf(log), (std::vector<int>{1, 4, 6, 7}));
}

// Undo puts the rows of each removal back where they stood, the last
// removal first, around rows added since; its watchers hear a restoring,
// which the day file does not write again.
TEST(CapLog, UndoPutsRowsBackWhereTheyStood) {
  struct Watcher : LogObserver {
    void RowsAdded(int first, int last) override { seen.push_back("add " + Range(first, last)); }
    void RowsRestored(int first, int last) override { seen.push_back("restore " + Range(first, last)); }
    static std::string Range(int first, int last) { return std::to_string(first) + "-" + std::to_string(last); }
    std::vector<std::string> seen;
  } watcher;
  CapLog log;
  log.Add(std::vector<CapRecord>(6));
  log.AddObserver(&watcher);
  log.Remove({1, 2, 4});
  log.Add(std::vector<CapRecord>(1));
  log.Remove({0});
  EXPECT_EQ(NumbersOf(log), (std::vector<int>{4, 6, 7}));
  ASSERT_TRUE(log.UndoRemove());
  EXPECT_EQ(NumbersOf(log), (std::vector<int>{1, 4, 6, 7}));
  ASSERT_TRUE(log.UndoRemove());
  EXPECT_EQ(NumbersOf(log), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_FALSE(log.UndoRemove());
  EXPECT_EQ(watcher.seen, (std::vector<std::string>{"add 3-3", "restore 0-0", "restore 1-2", "restore 4-4"}));
}

// Whatever is removed in whatever order, undoing every removal gives the
// log back row for row.
TEST(CapLog, UndoingEveryRemovalGivesTheLogBack) {
  std::uint32_t seed = 12345;
  auto next = [&seed](int below) {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(below));
  };
  for (int trial = 0; trial < 200; ++trial) {
    CapLog log;
    log.Add(std::vector<CapRecord>(1 + next(12)));
    const std::vector<int> before = NumbersOf(log);
    int removals = 0;
    for (int step = next(5) + 1; step > 0 && log.Size() > 0; --step) {
      std::vector<int> rows;
      for (int n = next(4) + 1; n > 0; --n) rows.push_back(next(log.Size()));
      log.Remove(rows);
      ++removals;
    }
    while (removals-- > 0) ASSERT_TRUE(log.UndoRemove());
    EXPECT_EQ(NumbersOf(log), before) << "trial " << trial;
  }
}

// The numbering goes on from a number given before the first row (the day
// file's last), never back; each row takes the clock's time when added.
TEST(CapLog, NumbersOnFromTheDayFileAndDatesEachRow) {
  CapLog log;
  log.SetClock(FixedClock());
  log.NumberFrom(38);
  log.Add(std::vector<CapRecord>(2));
  log.NumberFrom(5);
  log.Add(std::vector<CapRecord>(1));
  EXPECT_EQ(NumbersOf(log), (std::vector<int>{38, 39, 40}));
  for (const CapRecord& r : log.Records()) EXPECT_EQ(r.made, kTestTime);
}

}  // namespace
}  // namespace capset::testing
