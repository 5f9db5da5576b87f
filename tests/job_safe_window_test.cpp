// The window never loses a job: a road alone is saved with Ctrl+S, and
// closing the window with unsaved work asks 保存 / 不保存 / 取消 in a
// message box, the way the user answers it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "dialogue_replay.h"
#include "file_texts.h"
#include "fixed_clock.h"
#include "fresh_replay.h"
#include "job_file.h"
#include "landxml_format.h"
#include "main_window_fixture.h"
#include "qt_prompt.h"
#include "road_window.h"
#include "table.h"
#include "transcript.h"

namespace capset {
namespace {

const RoadInput kRoad = IntersectionRoadInput{1000, {3000, 4000}, {{{3800, 4300}, 600, 120, 100}, {{4600, 4200}, 400, 0, 0}}, {5500, 4900}, {}};

// What is in the job before the window is closed, what the user answers,
// and what is left.
struct CloseRow {
  const char* name;
  bool started;
  bool road;
  const char* answers;      // to the scripted prompt: the question's answer
  const char* savePath;     // the file a 保存 is given; nullptr: the user cancels the file's choice
  bool closes;
  bool written;
};

class ClosingTheWindow : public MainWindowTest, public ::testing::WithParamInterface<CloseRow> {};

TEST_P(ClosingTheWindow, AsksAboutUnsavedWorkFirst) {
  const CloseRow& row = GetParam();
  ShowAndActivate();
  if (row.started) {
    Answer(kStartAnswers);
    window_.Action("StartAction")->trigger();
  }
  if (row.road) {
    ASSERT_EQ(window_.Session().SetRoad(kRoad), std::nullopt);
  }
  const QString path = row.savePath == nullptr ? QString() : files_.filePath(QString::fromUtf8(row.savePath));
  window_.SetSavePathAsker([&]() -> std::optional<QString> {
    if (row.savePath == nullptr) return std::nullopt;
    return path;
  });
  Answer(row.answers);
  EXPECT_EQ(window_.close(), row.closes);
  EXPECT_EQ(window_.isVisible(), !row.closes);
  if (!path.isEmpty()) {
    EXPECT_EQ(QFileInfo::exists(path), row.written) << path.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClosingTheWindow,
    ::testing::Values(CloseRow{"NothingTypedClosesAtOnce", false, false, "", nullptr, true, false},
                      CloseRow{"StartedCancelledStaysOpen", true, false, "", nullptr, false, false},
                      CloseRow{"StartedDiscardedCloses", true, false, "不保存\n", nullptr, true, false},
                      CloseRow{"RoadSavedFirstThenCloses", false, true, "保存\n", "road.capjob", true, true},
                      CloseRow{"RoadWhoseFileIsNotChosenStays", false, true, "保存\n", nullptr, false, false},
                      CloseRow{"RoadWhoseSaveFailsStays", false, true, "保存\n", "no/such/folder/road.capjob", false,
                               false}),
    testing::RowName<CloseRow>);

TEST_F(MainWindowTest, ARoadAloneIsSavedWithCtrlSAndOpensAsItWas) {
  ShowAndActivate();
  ASSERT_EQ(window_.Session().SetRoad(kRoad), std::nullopt);
  EXPECT_TRUE(window_.isWindowModified());
  const QString path = files_.filePath("road.capjob");
  window_.SetSavePathAsker([&]() -> std::optional<QString> { return path; });
  window_.Action("SaveJobAction")->trigger();
  EXPECT_TRUE(reporter_.information.empty());
  EXPECT_FALSE(window_.isWindowModified());
  const auto read = ReadJobFile(FileBytes(path).toStdString());
  ASSERT_TRUE(std::holds_alternative<JobFile>(read));
  EXPECT_EQ(std::get<JobFile>(read).road, kRoad);
  EXPECT_TRUE(std::get<JobFile>(read).start.answers.empty());

  // Another window opens it: the road, no Start, nothing to save.
  MainWindow other(prompt_, reader_, reporter_, dataFolder_.filePath("capset"));
  ASSERT_TRUE(other.OpenJobFrom(path));
  EXPECT_EQ(other.Session().RoadSource(), kRoad);
  EXPECT_FALSE(other.Session().TypedAnswers());
  EXPECT_FALSE(other.isWindowModified());
  EXPECT_TRUE(reporter_.messages.empty());
}

// The real message box: its buttons are the answers, 取消 among them.
TEST_F(MainWindowTest, TheQuestionIsAMessageBoxWithSaveDiscardAndCancel) {
  ShowAndActivate();
  QtPrompt prompt;
  prompt.SetParentWindow(&window_);
  QStringList buttons;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    for (QAbstractButton* b : box->buttons()) buttons << b->text();
    box->button(QMessageBox::Cancel)->click();
  });
  const std::optional<int> choice =
      prompt.Choose(UnsavedJobQuestion(Discarding::kQuit, ""), {kSaveAnswer, kDiscardAnswer});
  EXPECT_FALSE(choice);
  EXPECT_TRUE(buttons.contains(QString::fromUtf8(kSaveAnswer)));
  EXPECT_TRUE(buttons.contains(QString::fromUtf8(kDiscardAnswer)));
  EXPECT_EQ(buttons.size(), 3);
}

// 应用 in the road window over a job road whose caps are in the log asks
// first; 取消 leaves the job's road as it was.
TEST_F(MainWindowTest, ApplyOverSolvedCapsAsksFirst) {
  ASSERT_EQ(window_.Session().SetRoad(kRoad), std::nullopt);
  BatchInput batch;
  batch.DR = "7.5";
  batch.skew = "90";
  batch.design = "1200";
  batch.stations = {"1200"};
  ASSERT_TRUE(window_.RunBatch(batch));
  RoadWindow& roads = window_.Roads();
  roads.LoadJobRoad();
  const int x = roads.Table().Grid(false).ColumnOf(Column::kX);
  ASSERT_TRUE(roads.Table().SetText(false, 1, x, "3810"));
  Answer("");  // the question is cancelled
  EXPECT_FALSE(roads.Apply());
  EXPECT_EQ(window_.Session().RoadSource(), kRoad);
  EXPECT_NE(prompts_.str().find("新路线将替换"), std::string::npos) << prompts_.str();
  Answer(std::string(kReplaceRoadAnswer) + "\n");
  EXPECT_TRUE(roads.Apply());
  EXPECT_NE(window_.Session().RoadSource(), kRoad);
  EXPECT_EQ(window_.Session().Log().Size(), 1);
}

// A LandXML road over an unsaved road with caps solved on it: both of
// cap_replay's targets ask the same questions and print the same lines.
TEST(LandXmlOverUnsavedWork, BothTargetsAskAlike) {
  const QTemporaryDir dir;
  const std::string file = std::string(CAPSET_LANDXML_DATA) + "/two_curves.xml";
  const std::string script =
      "@road\nbp 1000 3000 4000\njd 3800 4300 600 120 100\njd 4600 4200 400 0\nep 5500 4900\n@end\n"
      "@batch\ndr 7.5\nskew 90\ndesign 1200\nstation 1200\n@end\n"
      "@landxml " + file + "\n@cancel\n@keypoints\n"
      "@landxml " + file + "\n不保存\n@keypoints\n"
      "@landxml " + file + "\n保存\n" + dir.filePath("saved").toStdString() + "\n@quit\n";
  const std::string window = testing::FreshReplay(script);
  std::istringstream in(script);
  std::ostringstream out;
  ScriptLines lines(in);
  LandXmlFormat format;
  DialogueReplay dialogue(lines, out, {}, testing::FixedClock(), &format);
  PlayScript(lines, dialogue, out);
  EXPECT_EQ(out.str(), window);
  const testing::Transcript t = testing::ReadTranscript(window);
  const std::vector<std::string> prompts = t.Events("PROMPT");
  ASSERT_EQ(prompts.size(), 4u) << window;
  EXPECT_NE(prompts[0].find("第 1 行"), std::string::npos) << prompts[0];
  EXPECT_NE(prompts[0].find("仍保留计算时所用的路线"), std::string::npos) << prompts[0];
  EXPECT_TRUE(QFileInfo::exists(dir.filePath("saved.capjob")));
  EXPECT_TRUE(t.Events("MESSAGE").empty()) << window;
}

}  // namespace
}  // namespace capset
