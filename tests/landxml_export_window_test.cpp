// The window's 导出路线 through the core's writer: the same bytes the
// player without a window writes for the same script, stamped with the
// script's clock; and a file that cannot be written refused with the
// system's reason, nothing made and nothing there before changed.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sstream>

#include "dialogue_replay.h"
#include "fixed_clock.h"
#include "fresh_replay.h"
#include "transcript.h"

namespace capset::testing {
namespace {

const std::string kRoadAndProfile =
    "@road\nbp 1000 3000 4000\njd 3800 4300 600 120 100\njd 4600 4200 400 0\nep 5500 4900\nequation 1500 1510\n@end\n"
    "@profile\npvi 1000 50\npvi 1250 53 3000\npvi 1600 51 lengths 60 90\npvi 2000 52 circle 8000\npvi 2400 50\n@end\n";

std::string FileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

TEST(LandXmlExportWindow, WritesWhatThePlayerWithoutAWindowWrites) {
  const QTemporaryDir dir;
  const std::string path = dir.filePath("road.xml").toStdString();
  FreshReplay(kRoadAndProfile + "@export landxml " + path + "\n");
  const std::string desktop = FileBytes(QString::fromStdString(path));
  ASSERT_FALSE(desktop.empty());
  EXPECT_NE(desktop.find("date=\"2026-03-01\" time=\"09:30:00\""), std::string::npos) << desktop;
  EXPECT_NE(desktop.find("<UnsymParaCurve"), std::string::npos) << desktop;

  std::istringstream in(kRoadAndProfile + "@export landxml /road.xml\n");
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay core(lines, out, {}, FixedClock());
  PlayScript(lines, core, out);
  EXPECT_EQ(core.Files().files.at("/road.xml"), desktop);
}

struct RefusedRow {
  std::string name;
  std::string target;  // under the test's folder, which holds a file "plain.txt" and a folder "sub"
};

class LandXmlExportRefused : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(LandXmlExportRefused, SaysWhyAndLeavesWhatWasThere) {
  const QTemporaryDir dir;
  QFile plain(dir.filePath("plain.txt"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.write("kept");
  plain.close();
  ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
  const QString target = dir.filePath(QString::fromStdString(GetParam().target));
  const std::string file = QFileInfo(target).fileName().toStdString();

  const Transcript t = ReadTranscript(FreshReplay(kRoadAndProfile + "@export landxml " + target.toStdString() + "\n"));
  const std::vector<std::string> messages = t.Events("MESSAGE");
  ASSERT_EQ(messages.size(), 1u);
  const std::string head = "无法导出路线文件“" + file + "”：", tail = "原有的文件没有改变。";
  ASSERT_TRUE(messages[0].starts_with(head) && messages[0].ends_with(tail)) << messages[0];
  // The system's reason between them, not an empty one.
  EXPECT_GT(messages[0].size(), head.size() + tail.size() + 1) << messages[0];
  EXPECT_EQ(FileBytes(dir.filePath("plain.txt")), "kept");
  EXPECT_TRUE(QFileInfo(dir.filePath("sub")).isDir());
  EXPECT_EQ(QDir(dir.filePath("sub")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, LandXmlExportRefused,
                         ::testing::Values(RefusedRow{"IntoAFileWhereAFolderShouldBe", "plain.txt/road.xml"},
                                           RefusedRow{"OverAFolder", "sub"},
                                           RefusedRow{"IntoAFolderNotThere", "none/road.xml"}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace capset::testing
