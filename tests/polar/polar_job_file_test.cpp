// The job file's instrument station and backsight: every number back to
// the bit, a job of them alone, older files and files without them as
// before, and every bad field refused naming the field and why.
#include <gtest/gtest.h>

#include <string>

#include "file_texts.h"
#include "job_file.h"
#include "table.h"

namespace capset::testing {
namespace {

JobFile StationJob() {
  JobFile job{TypedStart{".", {}}, std::nullopt};
  job.station = InstrumentStation{"导线点7", {3381234.5670000001, 0.1 + 0.2}, -3.0000000000000004, 1.625};
  job.backsight = Backsight{"B-1", PlanePoint{3381434.567, 512345.62}, 0};
  return job;
}

TEST(PolarJobFile, StationAndBacksightComeBackExactly) {
  const JobFile job = StationJob();
  const std::string text = WriteJobFile(job);
  const auto read = ReadJobFile(text);
  ASSERT_TRUE(std::holds_alternative<JobFile>(read)) << JobRefusedMessage("f", std::get<JobFileProblem>(read));
  EXPECT_EQ(std::get<JobFile>(read), job);
  EXPECT_EQ(WriteJobFile(std::get<JobFile>(read)), text);
}

TEST(PolarJobFile, ABacksightByAzimuthAndAStationWithoutHeight) {
  JobFile job{TypedStart{".", {}}, std::nullopt};
  job.station = InstrumentStation{"S", {1, 2}, std::nullopt, 0};
  job.backsight = Backsight{"", std::nullopt, 359.98333333333335};
  const std::string text = WriteJobFile(job);
  EXPECT_EQ(text.find("\"H\""), std::string::npos);
  EXPECT_EQ(text.find("\"HI\""), std::string::npos);
  const auto read = ReadJobFile(text);
  ASSERT_TRUE(std::holds_alternative<JobFile>(read)) << JobRefusedMessage("f", std::get<JobFileProblem>(read));
  EXPECT_EQ(std::get<JobFile>(read), job);
}

TEST(PolarJobFile, AJobWithoutThemKeepsTheFileItAlwaysHad) {
  JobFile job = StationJob();
  job.station.reset();
  job.backsight.reset();
  job.road = RoadInput(ElementRoadInput{4000, {0, 0}, 0, {{ElementKind::kLine, 2000}}, {}});
  const std::string text = WriteJobFile(job);
  EXPECT_EQ(text.find("station\": {"), std::string::npos);
  EXPECT_EQ(text.find("backsight"), std::string::npos);
  const auto read = ReadJobFile(text);
  ASSERT_TRUE(std::holds_alternative<JobFile>(read));
  EXPECT_FALSE(std::get<JobFile>(read).station.has_value());
  // A file of version 2 has no such fields: a key of that name is not read.
  std::string old = text;
  old.replace(old.find("\"version\": 3"), 12, "\"version\": 2");
  old.insert(old.rfind('}'), R"(, "station": 5)");
  const auto older = ReadJobFile(old);
  ASSERT_TRUE(std::holds_alternative<JobFile>(older)) << JobRefusedMessage("f", std::get<JobFileProblem>(older));
  EXPECT_FALSE(std::get<JobFile>(older).station.has_value());
}

struct BadFieldRow {
  const char* name;
  const char* station;    // the "station" value, or empty for none
  const char* backsight;  // the "backsight" value, or empty for none
  const char* field;      // the field the refusal names
  const char* reason;     // a part of the message
};

const BadFieldRow kBadFields[] = {
    {"station_not_a_group", R"(5)", "", "station", "应为一组字段"},
    {"station_without_a_name", R"({"X": 1, "Y": 2})", "", "station", "name 缺少"},
    {"station_name_of_two_words", R"({"name": "S 1", "X": 1, "Y": 2})", "", "station", "name"},
    {"station_x_as_text", R"({"name": "S", "X": "1", "Y": 2})", "", "station", "X 应为数值"},
    {"station_y_beyond_any_grid", R"({"name": "S", "X": 1, "Y": 1e9})", "", "station", "超出了 -100000000 至 100000000 m"},
    {"station_h_without_hi", R"({"name": "S", "X": 1, "Y": 2, "H": 3})", "", "station", "须一起给出"},
    {"station_hi_negative", R"({"name": "S", "X": 1, "Y": 2, "H": 3, "HI": -1})", "", "station", "超出了 0 至 100 m"},
    {"backsight_with_point_and_azimuth", R"({"name": "S", "X": 1, "Y": 2})",
     R"({"name": "B", "X": 5, "Y": 6, "azimuth": 10})", "backsight", "二者只取其一"},
    {"backsight_with_neither", R"({"name": "S", "X": 1, "Y": 2})", R"({"name": "B"})", "backsight", "二者只取其一"},
    {"backsight_azimuth_over_360", "", R"({"azimuth": 361})", "backsight", "超出了 0 至 360°"},
    {"backsight_azimuth_as_text", "", R"({"azimuth": "10"})", "backsight", "azimuth 应为数值"},
    {"backsight_on_the_station", R"({"name": "S", "X": 1, "Y": 2})", R"({"name": "B", "X": 1.0001, "Y": 2})",
     "backsight", "重合"},
};

class PolarJobFileRefusal : public ::testing::TestWithParam<BadFieldRow> {};

TEST_P(PolarJobFileRefusal, NamesTheFieldAndWhy) {
  const BadFieldRow& r = GetParam();
  std::string text = R"({"format": "capset-job", "version": 3, "decimal": ".")";
  if (*r.station) text += std::string(",\n\"station\": ") + r.station;
  if (*r.backsight) text += std::string(",\n\"backsight\": ") + r.backsight;
  text += "}\n";
  const auto read = ReadJobFile(text);
  ASSERT_TRUE(std::holds_alternative<JobFileProblem>(read));
  const JobFileProblem& p = std::get<JobFileProblem>(read);
  EXPECT_EQ(p.fault, JobFileFault::kBadPolar);
  EXPECT_EQ(p.field, r.field);
  EXPECT_EQ(p.line, std::string(r.field) == "station" ? 2 : (*r.station ? 3 : 2));
  const std::string message = JobRefusedMessage("a.capjob", p);
  EXPECT_NE(message.find(r.reason), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(Fields, PolarJobFileRefusal, ::testing::ValuesIn(kBadFields), RowName<BadFieldRow>);

}  // namespace
}  // namespace capset::testing
