// The plan sketch as the user sees it, and the window's mends end to end
// through cap_replay.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <sstream>
#include <string>

#include "boxes.h"
#include "form1.h"
#include "script_builder.h"
#include "sketch_texts.h"
#include "sketch_view.h"
#include "transcript.h"
#include "fresh_replay.h"
#include "window_replay.h"
#include "worked_cases.h"

namespace capset::testing {
namespace {

// A window driven by a script's answers, kept open for a look at it.
class ScriptedWindow : public ::testing::Test {
 protected:
  struct Answers : Prompt, ErrorReporter {
    std::optional<std::string> Ask(const std::string&) override {
      if (next >= lines.size()) return std::nullopt;
      return lines[next++];
    }
    void ReportError(const std::string&) override {}
    void ReportNotice(const std::string&) override {}
    std::vector<std::string> lines;
    std::size_t next = 0;
  };

  void Run(const std::vector<std::string>& answers, bool start, bool compute) {
    answers_.lines.insert(answers_.lines.end(), answers.begin(), answers.end());
    if (start) window_.Command1()->click();
    if (compute) window_.Command2()->click();
  }

  // The band as painted, and where a plane point lands in it.
  QImage Band() { return window_.Sketch()->grab().toImage(); }
  QPoint Pixel(PlanePoint p) { return window_.Sketch()->PlaneToPixels().map(QPointF(p.Y, p.X)).toPoint(); }

  // True when some pixel within `radius` of `at` is close to `colour`.
  static bool PaintedNear(const QImage& image, QPoint at, QColor colour, int radius = 2) {
    for (int dx = -radius; dx <= radius; ++dx)
      for (int dy = -radius; dy <= radius; ++dy) {
        const QColor c = image.pixelColor(at + QPoint(dx, dy));
        if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                std::abs(c.blue() - colour.blue()) < 90)
          return true;
      }
    return false;
  }

  static bool AllCyan(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) != QColor(192, 255, 255)) return false;
    return true;
  }

  Answers answers_;
  FixedNumberReader reader_{{}};
  Form1 window_{answers_, reader_, answers_};
};

const std::vector<std::string> kBaseStart = {"1000", "1000", "2000", "45", "0", "100", "1050", "60", "1"};
const std::vector<std::string> kBaseCompute = {"1050", "7.5", "0.0001"};

TEST_F(ScriptedWindow, BandIsEmptyUntilTheFirstResult) {
  EXPECT_TRUE(AllCyan(Band()));
  Run(kBaseStart, true, false);
  EXPECT_TRUE(AllCyan(Band()));
}

TEST_F(ScriptedWindow, AxisAndPointsArePaintedWhereTheSceneHasThem) {
  Run(kBaseStart, true, false);
  Run(kBaseCompute, false, true);
  ASSERT_TRUE(window_.Sketch()->Scene());
  const QImage band = Band();
  PlanePoint centre{}, inner{}, outer{};
  for (const SceneElement& e : window_.Sketch()->Scene()->elements) {
    if (e.style == SceneStyle::kCentre) centre = e.points[0];
    if (e.style == SceneStyle::kEdgePoint) (e.label == kInnerMark ? inner : outer) = e.points[0];
  }
  EXPECT_TRUE(PaintedNear(band, Pixel(centre), QColor(200, 0, 0))) << "the centre, red";
  EXPECT_TRUE(PaintedNear(band, Pixel(inner), QColor(0, 0, 190))) << "the inner edge point, blue";
  EXPECT_TRUE(PaintedNear(band, Pixel(outer), QColor(0, 0, 190))) << "the outer edge point, blue";
  const QPoint middle = (Pixel(centre) + Pixel(outer)) / 2;
  EXPECT_TRUE(PaintedNear(band, middle, QColor(0, 110, 0), 1)) << "the axis, green";
  EXPECT_FALSE(PaintedNear(band, middle + QPoint(0, 40), QColor(0, 110, 0), 1)) << "and not beside it";
}

TEST_F(ScriptedWindow, CompletedStartEmptiesTheBand) {
  Run(kBaseStart, true, false);
  Run(kBaseCompute, false, true);
  ASSERT_FALSE(AllCyan(Band()));
  Run(kBaseStart, true, false);
  EXPECT_TRUE(AllCyan(Band()));
  EXPECT_FALSE(window_.Sketch()->Scene());
}

Transcript ReplayWindow(const std::string& script) { return ReadTranscript(FreshReplay(script)); }

TEST(ReplaySketch, SceneCommandPrintsTheSceneAndShotSavesThePicture) {
  QTemporaryDir dir;
  const std::string shot = QDir(dir.path()).filePath("window.png").toStdString();
  const Transcript t = ReplayWindow(
      Script().Click(kSceneCommand).Start({}).Compute(kZHBaseCompute).Click(kSceneCommand).Line("@shot " + shot));
  std::vector<std::string> scene;
  for (const std::string& e : t.events)
    if (e.rfind("SCENE\t", 0) == 0) scene.push_back(e.substr(6));
  ASSERT_FALSE(scene.empty()) << "nothing before the first result, then the scene";
  EXPECT_EQ(scene.front().rfind("polyline\t", 0), 0u) << scene.front();
  EXPECT_NE(std::find(scene.begin(), scene.end(), std::string("point\t") + kCentreMark + "\t1033.829 2036.772"),
            scene.end());
  const QImage picture(QString::fromStdString(shot));
  ASSERT_FALSE(picture.isNull());
  // The whole window, on the 800 by 800 screen of the tests.
  EXPECT_GE(picture.width(), 700);
  EXPECT_GE(picture.height(), 600);
}

// The window's mends, answers in and transcript out through cap_replay:
// the notice appears exactly when due and says what it is about, and where
// a warning is all that differs, the results are those of the same cap
// without it (R = 0 checks no spiral end).
struct MendRow {
  const char* name;
  Script script;
  std::optional<Script> sameResultsAs;  // a script that must leave the same result boxes
  std::vector<const char*> notices;     // the start of each notice, in order
};

class MendsThroughTheWindow : public ::testing::TestWithParam<MendRow> {};

TEST_P(MendsThroughTheWindow, NoticeWhenDueResultsUnchanged) {
  const Transcript t = ReplayWindow(GetParam().script);
  EXPECT_TRUE(t.Events("MESSAGE").empty());
  const auto notices = t.Events("NOTICE");
  ASSERT_EQ(notices.size(), GetParam().notices.size());
  for (std::size_t i = 0; i < notices.size(); ++i) EXPECT_TRUE(notices[i].starts_with(GetParam().notices[i])) << notices[i];
  if (!GetParam().sameResultsAs) return;
  const Transcript same = ReplayWindow(*GetParam().sameResultsAs);
  for (int box : box::kResults) EXPECT_EQ(t.Box(box), same.Box(box)) << box;
}

const StartAnswers kSquare100{.KZH = "12000", .A1 = "100", .Kj = "12050", .B = "90"};

StartAnswers Square(const char* R, const char* Kj) {
  StartAnswers a = kSquare100;
  a.R = R;
  a.Kj = Kj;
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MendsThroughTheWindow,
    ::testing::Values(
        MendRow{"ComputeBeforeAnyStartSaysWhy", Script().Click(kComputeLine), Script(), {"没有进行计算"}},
        MendRow{"CancelledStartPutsBackTheBoxes",
                Script().Start({}).Compute(kZHBaseCompute).Click(kStartLine).Answers({"0", "12500", "1"}).Cancel(),
                Script().Start({}).Compute(kZHBaseCompute), {}},
        MendRow{"CapJustInsideTheSpiral", Script().Start(Square("200", "12049.99")).Compute(kSquareCompute),
                Script().Start(Square("0", "12049.99")).Compute(kSquareCompute), {}},
        MendRow{"CapJustBeyondTheSpiralsEnd", Script().Start(Square("200", "12050.01")).Compute(kSquareCompute),
                Script().Start(Square("0", "12050.01")).Compute(kSquareCompute), {"注意：以下各点超出缓和曲线终点 HY"}},
        MendRow{"SeriesJustUnderAMillimetre", Script().Start(Square("0", "12114.74")).Compute(kSquareCompute),
                std::nullopt, {}},
        MendRow{"SeriesJustOverAMillimetre", Script().Start(Square("0", "12114.84")).Compute(kSquareCompute),
                std::nullopt, {"注意：缓和曲线级数公式与精确回旋线相差 盖梁中桩 1 毫米"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace capset::testing
