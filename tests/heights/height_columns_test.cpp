// The log's H columns, the point file's H and the job file's depth: the
// columns line up with the row's own, a row made without a profile reads as
// ever, and the depth is kept without making older files unreadable.
#include <gtest/gtest.h>

#include <string>

#include "dialogue_run.h"
#include "export_formats.h"
#include "height_columns.h"
#include "job_file.h"
#include "table.h"

namespace capset::testing {
namespace {

const char kRoad[] = "@road\nstart 0 1000 2000 30\nline 100\narc 300 500 right\nline 100\n@end\n";
const char kProfile[] = "@profile\npvi 0 100\npvi 200 104 3000\npvi 500 101\n@end\n";
const char kBatch[] = "@batch\naxis own\nskew 60\ndr 6\noffsets -3 3\nstation 1# 180\nstation 2# 400.5\n@end\n";

// Every shown column is either one of the row's own, in order, or the H of
// the point whose Y stands just before it; and the headings say the same.
TEST(HeightColumns, EveryShownColumnIsTheRowsOwnOrAnH) {
  const DialogueRun run = RunDialogue(std::string(kRoad) + kProfile + kBatch);
  ASSERT_EQ(run.records.size(), 2u);
  for (const CapRecord& record : run.records) {
    ASSERT_TRUE(record.heights.has_value());
    const RowTexts own = ShownRowTexts(record, ".");
    const RowTexts shown = LogRowTexts(record, ".", true);
    const RowTexts headings = LogHeadings(static_cast<int>(own.size()), true);
    ASSERT_EQ(static_cast<int>(shown.size()), WidthWithHeights(static_cast<int>(own.size())));
    ASSERT_EQ(headings.size(), shown.size());
    int heights = 0;
    int last = -1;
    for (int c = 0; c < static_cast<int>(shown.size()); ++c) {
      const int o = OwnColumn(c);
      if (o < 0) {
        ++heights;
        EXPECT_NE(headings[static_cast<std::size_t>(c)].find("高程 H"), std::string::npos) << c;
        EXPECT_NE(headings[static_cast<std::size_t>(c - 1)].find("横座标 Y"), std::string::npos) << c;
        continue;
      }
      EXPECT_EQ(o, last + 1) << c;
      last = o;
      EXPECT_EQ(shown[static_cast<std::size_t>(c)], own[static_cast<std::size_t>(o)]) << c;
      EXPECT_EQ(headings[static_cast<std::size_t>(c)], RowHeadings(static_cast<int>(own.size()))[static_cast<std::size_t>(o)]);
    }
    EXPECT_EQ(heights, 3 + 2);  // the centre, two edges, two points along the axis
  }
}

// A cap past the road's end has no right edge: its H is "-" as its X and Y
// are empty, and the point file writes no line for it.
TEST(HeightColumns, AnEdgeNotFoundHasNoHeight) {
  const DialogueRun run = RunDialogue(std::string(kRoad) + kProfile +
                                      "@batch\naxis own\nskew 60\ndr 6\nstation 499\n@end\n");
  ASSERT_EQ(run.records.size(), 1u);
  const CapRecord& r = run.records[0];
  ASSERT_NE(r.Exact(), nullptr);
  const RowTexts shown = LogRowTexts(r, ".", true);
  EXPECT_EQ(shown[25], "-");  // 边点二高程 H
  EXPECT_FALSE(r.heights->edge2.has_value());
}

// A log of rows with and without heights shows the H columns for all, "-"
// where a row was made before the profile; the point file keeps 0.000 for
// such a row and writes the height of the others.
TEST(HeightColumns, RowsBeforeTheProfileInALogWithHeights) {
  const DialogueRun run = RunDialogue(std::string(kRoad) + "@batch\naxis own\nskew 90\ndr 6\nstation 1# 200\n@end\n" +
                                      kProfile + "@batch\naxis own\nskew 90\ndr 6\nstation 2# 200\n@end\n");
  ASSERT_EQ(run.records.size(), 2u);
  std::vector<const CapRecord*> rows{&run.records[0], &run.records[1]};
  EXPECT_TRUE(AnyRowHeights(rows));
  EXPECT_FALSE(AnyRowHeights({&run.records[0]}));
  const std::string csv = ExportText(ExportFormat::kCsv, rows);
  EXPECT_NE(csv.find(",中桩横座标 Y,中桩高程 H,"), std::string::npos);
  EXPECT_NE(csv.find(",2108.299,-,"), std::string::npos) << csv;
  EXPECT_NE(csv.find(",2108.299,103.66"), std::string::npos) << csv;
  const std::string dat = ExportText(ExportFormat::kDat, rows);
  EXPECT_NE(dat.find("1-C,,2108.299,1167.646,0.000\r\n"), std::string::npos) << dat;
  EXPECT_NE(dat.find("2-C,,2108.299,1167.646,103.66"), std::string::npos) << dat;
  // Without heights the file is as it always was.
  EXPECT_EQ(ExportText(ExportFormat::kCsv, {&run.records[0]}).find("高程"), std::string::npos);
}

// The depth is written only when typed; a file of version 2 that holds a
// key of that name did not mean it.
TEST(DepthInTheJobFile, KeptAsTypedAndOnlyWhenTyped) {
  BatchInput batch;
  batch.DR = "6";
  batch.stations = {"1# 200"};
  const std::string without = WriteJobFile({TypedStart{}, batch});
  EXPECT_EQ(without.find("depth"), std::string::npos);
  batch.depth = "1.85";
  const std::string with = WriteJobFile({TypedStart{}, batch});
  EXPECT_NE(with.find("\"version\": 3"), std::string::npos);
  const auto read = ReadJobFile(with);
  ASSERT_TRUE(std::holds_alternative<JobFile>(read));
  EXPECT_EQ(std::get<JobFile>(read).batch->depth, "1.85");
  std::string older = with;
  older.replace(older.find("\"version\": 3"), 12, "\"version\": 2");
  const auto readOlder = ReadJobFile(older);
  ASSERT_TRUE(std::holds_alternative<JobFile>(readOlder));
  EXPECT_EQ(std::get<JobFile>(readOlder).batch->depth, "");
}

}  // namespace
}  // namespace capset::testing
