// The log's caps as the points every file takes: the same names, places
// and heights as the log's point file writes, caps that share a name told
// apart as that file tells them, a row without a profile given no height.
#include <gtest/gtest.h>

#include "dialogue_run.h"
#include "export_formats.h"
#include "log_export_points.h"
#include "table.h"

namespace capset::testing {
namespace {

constexpr char kRoad[] = "@road\nstart 1000 3000000 500000 30\nline 200\narc 300 400 right\n@end\n";

std::vector<const CapRecord*> Pointers(const std::vector<CapRecord>& records) {
  std::vector<const CapRecord*> out;
  for (const CapRecord& r : records) out.push_back(&r);
  return out;
}

// Every line of the log's .dat against the point of the same place in the list.
void ExpectSameAsDat(const std::vector<CapRecord>& records, bool heights) {
  const auto rows = Pointers(records);
  const std::vector<ExportPoint> points = LogExportPoints(rows);
  const std::string dat = ExportText(ExportFormat::kDat, rows);
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = dat.find("\r\n", at)) != std::string::npos; at = end + 2) {
    lines.push_back(dat.substr(at, end - at));
  }
  ASSERT_EQ(points.size(), lines.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    const ExportPoint& p = points[i];
    EXPECT_EQ(lines[i], DatLine(p.name, "", p.xy, heights ? p.height : std::optional(0.0)).substr(0, lines[i].size()));
    EXPECT_EQ(p.name, p.group + "-" + p.role);
    if (!heights) {
      EXPECT_FALSE(p.height.has_value()) << "a row without a profile has no height";
    }
  }
}

TEST(LogExportPoints, AreThePointFilesPointsOfAnExactBatch) {
  const DialogueRun run = RunDialogue(std::string(kRoad) +
                                      "@batch\naxis own\ndr 6 7.5\nskew 70\noffsets -2.5 2.5\n"
                                      "station 3# 1100\nstation 1250\n@end\n"
                                      "@batch\naxis own\ndr 6 7.5\nskew 70\noffsets -2.5 2.5\nstation 3# 1300\n@end\n");
  ASSERT_EQ(run.records.size(), 3u);
  ExpectSameAsDat(run.records, false);
  const std::vector<ExportPoint> points = LogExportPoints(Pointers(run.records));
  ASSERT_EQ(points.size(), 15u);
  // Two caps named 3# take their rows; the unnamed one its station.
  EXPECT_EQ(points[0].name, "3_1-C");
  EXPECT_EQ(points[0].group, "3_1");
  EXPECT_EQ(points[5].name, "K1+250-C");
  EXPECT_EQ(points[11].name, "3_3-L");
  EXPECT_EQ(points[13].role, "P1");
}

TEST(LogExportPoints, CarryTheHeightsTheRowsWereMadeWith) {
  const DialogueRun run = RunDialogue(std::string(kRoad) + "@profile\npvi 1000 100\npvi 1400 104\n@end\n" +
                                      "@batch\naxis own\nskew 90\ndr 6\ndepth 1.5\nstation 1 1100\nstation 2 1450\n@end\n");
  ASSERT_EQ(run.records.size(), 2u);
  ExpectSameAsDat(run.records, true);
  const std::vector<ExportPoint> points = LogExportPoints(Pointers(run.records));
  ASSERT_EQ(points.size(), 6u);
  // 1 % up from K1+000 at 100 m, 1.5 below the deck; K1+450 is past the profile.
  ASSERT_TRUE(points[0].height.has_value());
  EXPECT_NEAR(*points[0].height, 101 - 1.5, 1e-9);
  EXPECT_FALSE(points[3].height.has_value());
}

}  // namespace
}  // namespace capset::testing
