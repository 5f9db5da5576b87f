// Point files read back: whatever GSI-16 or PNEZD writes comes back to the
// same millimetre with its name and height (over many random points,
// negatives and 7- and 8-digit northings among them); the kind of a file is
// told from its bytes, and from its ending only where the bytes fit two;
// every bad line is named by its number.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <variant>
#include <vector>

#include "instrument_files.h"
#include "instrument_point_files.h"
#include "number_text.h"
#include "table.h"

namespace capset::testing {
namespace {

const std::vector<MeasuredPoint>& Points(const PointsReading& reading) {
  static const std::vector<MeasuredPoint> none;
  if (const auto* problems = std::get_if<std::vector<std::string>>(&reading)) {
    ADD_FAILURE() << ::testing::PrintToString(*problems);
    return none;
  }
  return std::get<std::vector<MeasuredPoint>>(reading);
}

std::string Mm(double metres) { return FixedCoordinateText(metres); }

std::vector<ExportPoint> RandomPoints(std::uint32_t seed, int count) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<ExportPoint> points;
  const double scales[] = {1, 1e3, 1e6, 9.9e6, 9.9e7};
  for (int i = 0; i < count; ++i) {
    const double scaleX = scales[random() % 5], scaleY = scales[random() % 5];
    const double X = (unit(random) * 2 - 1) * scaleX;
    const double Y = (unit(random) * 2 - 1) * scaleY;
    std::optional<double> H;
    if (random() % 4 != 0) H = (unit(random) * 2 - 1) * 5000;
    const std::string bent = std::to_string(random() % 40);
    const std::string role = random() % 2 ? "Z" + std::to_string(random() % 12 + 1) : "C";
    points.push_back({bent + "-" + role, {X, Y}, H, bent, role});
  }
  return points;
}

struct FormatRow {
  const char* name;
  InstrumentFormat format;
  const char* fileName;
  PointFileKind kind;
};

class ReadBackToTheMillimetre : public ::testing::TestWithParam<FormatRow> {};

// A property: every point written comes back with its name, and its X, Y
// and H written again give the same millimetres as the first time.
TEST_P(ReadBackToTheMillimetre, RandomPoints) {
  const FormatRow& row = GetParam();
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    const std::vector<ExportPoint> points = RandomPoints(seed, 250);
    const InstrumentText text = InstrumentFileText(row.format, points);
    ASSERT_TRUE(std::holds_alternative<std::string>(text));
    const PointFileReading read = ReadAnyPointFile(std::get<std::string>(text), row.fileName);
    EXPECT_EQ(read.kind, row.kind);
    EXPECT_FALSE(read.ambiguous);
    const std::vector<MeasuredPoint>& back = Points(read.points);
    ASSERT_EQ(back.size(), points.size()) << "seed " << seed;
    for (std::size_t i = 0; i < points.size(); ++i) {
      SCOPED_TRACE(points[i].name + " seed " + std::to_string(seed));
      EXPECT_EQ(back[i].name, points[i].name);
      EXPECT_EQ(Mm(back[i].point.X), Mm(points[i].xy.X));
      EXPECT_EQ(Mm(back[i].point.Y), Mm(points[i].xy.Y));
      ASSERT_EQ(back[i].H.has_value(), points[i].height.has_value());
      if (back[i].H) {
        EXPECT_EQ(Mm(*back[i].H), Mm(*points[i].height));
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, ReadBackToTheMillimetre,
                         ::testing::Values(FormatRow{"gsi16", InstrumentFormat::kGsi16, "b.gsi", PointFileKind::kGsi},
                                           FormatRow{"gsi16_named_dat", InstrumentFormat::kGsi16, "b.dat",
                                                     PointFileKind::kGsi},
                                           FormatRow{"pnezd", InstrumentFormat::kPnezd, "b.csv", PointFileKind::kPnezd},
                                           FormatRow{"pnezd_named_dat", InstrumentFormat::kPnezd, "b.dat",
                                                     PointFileKind::kPnezd}),
                         RowName<FormatRow>);

struct KindRow {
  const char* name;
  const char* bytes;
  const char* fileName;
  PointFileKind kind;
  bool ambiguous;
  double X, Y;  // the first point's
};

class PointFileKinds : public ::testing::TestWithParam<KindRow> {};

TEST_P(PointFileKinds, ToldFromTheBytes) {
  const KindRow& row = GetParam();
  const PointFileReading read = ReadAnyPointFile(row.bytes, row.fileName);
  EXPECT_EQ(read.kind, row.kind);
  EXPECT_EQ(read.ambiguous, row.ambiguous);
  const std::vector<MeasuredPoint>& points = Points(read.points);
  ASSERT_FALSE(points.empty());
  EXPECT_DOUBLE_EQ(points[0].point.X, row.X);
  EXPECT_DOUBLE_EQ(points[0].point.Y, row.Y);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PointFileKinds,
    ::testing::Values(
        KindRow{"gsi16", "*110001+000000000000M1-C 81..10+0000000000002000 82..10+0000000000001000 \r\n", "m.txt",
                PointFileKind::kGsi, false, 1, 2},
        KindRow{"gsi8_with_angles", "110001+00000M1C 21.324+35959570 81..00+00002000 82..00+00001000 \n", "m",
                PointFileKind::kGsi, false, 1, 2},
        KindRow{"gsi_tenth_mm", "*110001+00000000000000M1 81..16+0000000000020005 82..16-0000000000010001 \n", "m.gsi",
                PointFileKind::kGsi, false, -1.0001, 2.0005},
        KindRow{"gsi_hundredth_mm", "*110001+00000000000000M1 81..18+0000000000200050 82..18+0000000000000001 \n",
                "m.gsi", PointFileKind::kGsi, false, 0.00001, 2.0005},
        KindRow{"cass_empty_code", "M1,,2000.000,1000.000,10.000\r\n", "m.csv", PointFileKind::kCass, false, 1000, 2000},
        KindRow{"cass_word_code", "M1,PILE,2000.000,1000.000,\r\n", "m.txt", PointFileKind::kCass, false, 1000, 2000},
        KindRow{"cass_with_heading", "name,code,Y,X,H\r\nM1,,2000,1000,\r\n", "m.csv", PointFileKind::kCass, false, 1000,
                2000},
        KindRow{"pnezd_description", "M1,1000.000,2000.000,10.000,3/C\r\n", "m.dat", PointFileKind::kPnezd, false, 1000,
                2000},
        KindRow{"pnezd_four_fields", "M1,1000,2000,10\n", "m.dat", PointFileKind::kPnezd, false, 1000, 2000},
        KindRow{"pnezd_more_columns", "M1,1000,2000,10,pile,extra\n", "m", PointFileKind::kPnezd, false, 1000, 2000},
        KindRow{"pnezd_heading_and_mark", "\xEF\xBB\xBFP,N,E,Z,D\nM1,1000,2000,,\"a, b\"\n", "m", PointFileKind::kPnezd,
                false, 1000, 2000},
        KindRow{"ambiguous_csv_is_pnezd", "M1,1000,2000,10,\n", "m.CSV", PointFileKind::kPnezd, true, 1000, 2000},
        KindRow{"ambiguous_txt_is_pnezd", "M1,1000,2000,10,11\n", "m.txt", PointFileKind::kPnezd, true, 1000, 2000},
        KindRow{"ambiguous_dat_is_cass", "M1,1000,2000,10,11\n", "m.dat", PointFileKind::kCass, true, 10, 2000},
        KindRow{"ambiguous_no_ending_is_cass", "M1,1000,2000,10,11\n", "points", PointFileKind::kCass, true, 10, 2000}),
    RowName<KindRow>);

struct BadRow {
  const char* name;
  const char* bytes;
  const char* fileName;
  const char* problem;  // the first problem, from its line number on
};

class BadLinesNamed : public ::testing::TestWithParam<BadRow> {};

TEST_P(BadLinesNamed, ByTheirNumber) {
  const BadRow& row = GetParam();
  const PointFileReading read = ReadAnyPointFile(row.bytes, row.fileName);
  const auto* problems = std::get_if<std::vector<std::string>>(&read.points);
  ASSERT_NE(problems, nullptr);
  ASSERT_FALSE(problems->empty());
  EXPECT_NE(problems->front().find(row.problem), std::string::npos) << problems->front();
}

const char kGood16[] = "*110001+000000000000M1-C 81..10+0000000000002000 82..10+0000000000001000 \n";

INSTANTIATE_TEST_SUITE_P(
    Rows, BadLinesNamed,
    ::testing::Values(
        BadRow{"gsi_no_northing", "*110001+000000000000M1-C 81..10+0000000000002000 \n", "m.gsi",
               "第 1 行“*110001+000000000000M1-C 81..10+0000000000002000”：没有坐标：缺少字 81（东坐标 E）或字 82（北坐标 N）。"},
        BadRow{"gsi_feet", "*110001+000000000000M1-C 81..11+0000000000002000 82..10+0000000000001000 \n", "m.gsi",
               "第 1 行“*110001+000000000000M1-C 81..11+0000000000002000 82..10+0000000000001000”：字 81 的单位位“1”不是以米计的坐标：只读单位位为 0（1 mm）、6（0.1 mm）、8（0.01 mm）的数据。"},
        BadRow{"gsi_letters_in_data", "*110001+000000000000M1-C 81..10+00000000000020x0 82..10+0000000000001000\n",
               "m.gsi",
               "第 1 行“*110001+000000000000M1-C 81..10+00000000000020x0 82..10+0000000000001000”：字 81 的数据不是数值。"},
        BadRow{"gsi_short_word_on_line_three",
               "*110001+000000000000M1-C 81..10+0000000000002000 82..10+0000000000001000\n\n*110002+M2 81..10+1\n",
               "m.gsi", "第 3 行“*110002+M2 81..10+1”：不是 GSI 数据块：每个字为两位字号、四位附加信息、正负号和 8 位或 16 位数据，字间以空格分开。"},
        BadRow{"gsi_no_point_number", "*81..10+0000000000002000 82..10+0000000000001000\n", "m.gsi",
               "第 1 行“*81..10+0000000000002000 82..10+0000000000001000”：缺少点号（字 11）。"},
        BadRow{"gsi_beyond_any_road", "*110001+00000000000000M1 81..10+9000000000002000 82..10+0000000000001000\n",
               "m.gsi", "第 1 行“*110001+00000000000000M1 81..10+9000000000002000 82..10+0000000000001000”：Y（横坐标）“9000000000002.000”"},
        BadRow{"pnezd_north_not_number", "M1,1000,2000,1,a\nM2,10o0,2000,1,b\n", "m.csv",
               "第 2 行“M2,10o0,2000,1,b”：X（纵坐标）不是数值。"},
        BadRow{"pnezd_too_few", "M1,1000,2000,1,a\nM2,1000\n", "m.csv",
               "第 2 行“M2,1000”：不是点。PNEZD 文件每行为“点名,N(X),E(Y),高程,说明”。"},
        BadRow{"pnezd_bad_height", "M1,1000,2000,1,a\nM2,1000,2000,h,b\n", "m.csv",
               "第 2 行“M2,1000,2000,h,b”：H（高程）不是数值。"},
        BadRow{"cass_still_its_own_words", "M1,,2000,1000,\nM2,,2000\n", "m.dat",
               "第 2 行“M2,,2000”：不是点。点文件每行为“点名,编码,Y,X,H”（东坐标 Y 在前）。"}),
    RowName<BadRow>);

// A block with no coordinates (a code block) is passed over, other words
// are left alone, and a good file after it reads whole.
TEST(GsiReading, CodeBlocksPassedOverOtherWordsLeftAlone) {
  const std::string bytes = std::string("*410001+0000000000000013 42....+00000000000TREES\n") + kGood16 +
                            "*110003+0000000000000-C2 21.324+0000000035959570 81..10-0000000000000001 "
                            "82..10+0000000000000000 83..10+0000000000412305 87..10+0000000000001500\n";
  const PointsReading read = ReadGsiFile(bytes);
  const std::vector<MeasuredPoint>& points = Points(read);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0].name, "M1-C");
  EXPECT_EQ(points[1].name, "0-C2");  // the name's own zero kept before its mark
  EXPECT_DOUBLE_EQ(points[1].point.Y, -0.001);
  EXPECT_DOUBLE_EQ(points[1].point.X, 0);
  EXPECT_DOUBLE_EQ(*points[1].H, 412.305);
}

}  // namespace
}  // namespace capset::testing
