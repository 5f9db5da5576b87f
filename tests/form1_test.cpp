// The window as the user meets it: layout, start-up state, focus, painting
// and the End button.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <string>
#include <vector>

#include "form1.h"
#include "qt_number_reader.h"

namespace capset {
namespace {

class CancellingPrompt : public Prompt {
 public:
  std::optional<std::string> Ask(const std::string& message) override {
    asked.push_back(message);
    return std::nullopt;
  }
  std::vector<std::string> asked;
};

class RecordingReporter : public ErrorReporter {
 public:
  void ReportError(const std::string& m) override { messages.push_back(m); }
  void ReportNotice(const std::string& m) override { messages.push_back(m); }
  std::vector<std::string> messages;
};

class ChoiceRecorder : public SessionObserver {
 public:
  void SolverChosen(std::optional<Solver> choice) override { choices.push_back(choice); }
  std::vector<std::optional<Solver>> choices;
};

class Form1Test : public ::testing::Test {
 protected:
  void ShowAndActivate() {
    form_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
    form_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
  }

  template <typename W>
  W* Control(const char* name) {
    W* widget = form_.findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  CancellingPrompt prompt_;
  QtNumberReader reader_;
  RecordingReporter reporter_;
  Form1 form_{prompt_, reader_, reporter_};
};

void ExpectAllZero(const CapJob& job) {
  EXPECT_EQ(job.Precision, 0);
  EXPECT_EQ(job.Kp, 0);
  EXPECT_EQ(job.DR, 0);
  EXPECT_EQ(job.Pi, 0);
  EXPECT_EQ(job.KZH, 0);
  EXPECT_EQ(job.KHZ, 0);
  EXPECT_EQ(job.EnteredStation, 0);
  EXPECT_EQ(job.X, 0);
  EXPECT_EQ(job.Y, 0);
  EXPECT_EQ(job.T, 0);
  EXPECT_EQ(job.R, 0);
  EXPECT_EQ(job.A1, 0);
  EXPECT_EQ(job.P, 0);
  EXPECT_EQ(job.B, 0);
  EXPECT_EQ(job.Kj, 0);
  EXPECT_EQ(job.DegPerRad, 0);
}

TEST_F(Form1Test, StartsWithEmptyBoxesZeroJobAndFocusInText1) {
  ShowAndActivate();
  for (int n = 1; n <= kBoxCount; ++n) {
    EXPECT_EQ(form_.BoxText(n), QString()) << "Text" << n;
  }
  ExpectAllZero(form_.Job());
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "Text1");
  EXPECT_TRUE(prompt_.asked.empty());
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(Form1Test, HasEveryControlOnceAndAllInsideTheClientArea) {
  EXPECT_EQ(form_.findChildren<QLineEdit*>().size(), 26);
  EXPECT_EQ(form_.findChildren<QLabel*>().size(), 29);
  EXPECT_EQ(form_.findChildren<QPushButton*>().size(), 3);
  for (int n = 1; n <= 26; ++n) Control<QLineEdit>(("Text" + std::to_string(n)).c_str());
  for (int n = 1; n <= 29; ++n) Control<QLabel>(("Label" + std::to_string(n)).c_str());
  for (QWidget* child : form_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    EXPECT_TRUE(form_.rect().contains(child->geometry()))
        << child->objectName().toStdString();
  }
}

// Spot rows of the layout, in pixels (twips / 15).
struct LayoutRow {
  const char* name;
  QRect pixels;
  const char* caption;  // nullptr for boxes
};

const LayoutRow kLayoutRows[] = {
    {"Text1", {312, 78, 113, 19}, nullptr},
    {"Text19", {728, 581, 73, 19}, nullptr},
    {"Text26", {688, 112, 113, 19}, nullptr},
    {"Label1", {336, 24, 297, 25}, "缓和曲线上盖梁坐标计算"},
    {"Label2", {216, 72, 97, 25}, "   缓和曲线          起点 (ZH)  桩号"},
    {"Label12", {424, 416, 57, 25}, "路基寬度       DR"},
    {"Label14", {368, 520, 273, 17}, "盖梁位于路基边缘处座标及长度计算"},
    {"Label15", {552, 416, 81, 25}, "曲线正徧P>0  曲线反徧P<0"},
    {"Label20", {512, 576, 57, 25}, "盖梁內侧横座标 Y"},
    {"Label28", {696, 144, 105, 25}, "     要求计算的         精度 (以度为单位)"},
    {"Command1", {392, 624, 65, 33}, "开 始"},
    {"Command3", {584, 624, 65, 33}, "结 束"},
};

class LayoutSpotRows : public Form1Test, public ::testing::WithParamInterface<LayoutRow> {};

TEST_P(LayoutSpotRows, PlaceAndCaption) {
  const LayoutRow& row = GetParam();
  QWidget* widget = Control<QWidget>(row.name);
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->geometry(), row.pixels);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    EXPECT_EQ(label->text(), QString::fromUtf8(row.caption));
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    EXPECT_EQ(button->text(), QString::fromUtf8(row.caption));
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, LayoutSpotRows, ::testing::ValuesIn(kLayoutRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1Test, TitleNamesTheComputation) { EXPECT_EQ(form_.windowTitle(), "缓和曲线上盖梁坐标计算"); }

// The lines a label's caption wraps into, as QLabel draws it.
QStringList WrappedLines(const QLabel& label) {
  QTextLayout layout(label.text(), label.font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  QStringList lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid();
       line = layout.createLine()) {
    line.setLineWidth(label.width());
    EXPECT_LE(line.naturalTextWidth(), label.width())
        << label.objectName().toStdString();
    lines << label.text().mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  return lines;
}

TEST_F(Form1Test, EveryCaptionFitsItsLabel) {
  for (QLabel* label : form_.findChildren<QLabel*>()) {
    SCOPED_TRACE(label->objectName().toStdString());
    // 17 px labels hold one line, 25 px labels two.
    const int linesHeld = label->height() >= 25 ? 2 : 1;
    EXPECT_LE(WrappedLines(*label).size(), linesHeld);
  }
}

struct BreakRow {
  const char* name;  // the label
  const char* secondLine;
};

class CaptionBreaks : public Form1Test, public ::testing::WithParamInterface<BreakRow> {};

TEST_P(CaptionBreaks, AtItsRunOfBlanks) {
  const QStringList lines = WrappedLines(*Control<QLabel>(GetParam().name));
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[1], QString::fromUtf8(GetParam().secondLine));
}

INSTANTIATE_TEST_SUITE_P(Rows, CaptionBreaks,
                         ::testing::Values(BreakRow{"Label2", "起点 (ZH)  桩号"}, BreakRow{"Label3", "终点  (HZ)  桩号"},
                                           BreakRow{"Label7", "起点 (ZH)  纵座标 X"},
                                           BreakRow{"Label9", "起点 (ZH)  横座标 Y"}, BreakRow{"Label15", "曲线反徧P<0"},
                                           BreakRow{"Label20", "横座标 Y"}, BreakRow{"Label22", "中桩桩号K"},
                                           BreakRow{"Label25", "纵座标 X"}, BreakRow{"Label28", "精度 (以度为单位)"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1Test, TabVisitsBoxesAndButtonsInAscendingTabIndex) {
  ShowAndActivate();
  const QStringList expected = {
      "Text1",  "Text2",  "Text3",    "Text4",    "Text5",    "Text6",
      "Text7",  "Text8",  "Text9",    "Text10",   "Text11",   "Text12",
      "Text13", "Text14", "Text15",   "Text16",   "Text17",   "Text18",
      "Text19", "Command1", "Command2", "Command3", "Text20", "Text21",
      "Text22", "Text23", "Text24",   "Text25",   "Text26",   "Text1"};
  QStringList visited = {QApplication::focusWidget()->objectName()};
  for (int i = 1; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited, expected);
}

TEST_F(Form1Test, TypingIntoABoxChangesNothing) {
  ShowAndActivate();
  ChoiceRecorder chosen;
  form_.Session().AddObserver(&chosen);
  for (int n : {1, 9, 12, 26}) {
    QLineEdit* box = form_.Box(n);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, "1200.5");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), QString()) << "Text" << n;
  }
  ExpectAllZero(form_.Job());
  form_.Command2()->click();
  EXPECT_EQ(chosen.choices, std::vector<std::optional<Solver>>{std::nullopt});
  EXPECT_TRUE(prompt_.asked.empty());
}

TEST_F(Form1Test, WritingABoxShowsTheStartOfItsText) {
  form_.WriteBox(12, "正偏正偏正偏正偏正偏正偏");
  EXPECT_EQ(form_.BoxText(12), "正偏正偏正偏正偏正偏正偏");
  EXPECT_EQ(form_.Box(12)->cursorPosition(), 0);
  form_.WriteBox(26, "K 1+ 234.5678");
  EXPECT_EQ(form_.BoxText(26), "K 1+ 234.5678");
  EXPECT_EQ(form_.BoxText(12), "正偏正偏正偏正偏正偏正偏");
}

struct PixelRow {
  const char* name;
  int x, y;
  QColor colour;
};

class PaintedPixels : public Form1Test, public ::testing::WithParamInterface<PixelRow> {};

TEST_P(PaintedPixels, RedFrameAndBandsOnCyan) {
  const QImage image = form_.grab().toImage();
  EXPECT_EQ(image.pixelColor(GetParam().x, GetParam().y), GetParam().colour);
}

const QColor kRed(255, 0, 0);
const QColor kCyan(192, 255, 255);

INSTANTIATE_TEST_SUITE_P(
    Rows, PaintedPixels,
    ::testing::Values(PixelRow{"Line1TopEdge", 200, 56, kRed}, PixelRow{"Line2LeftEdge", 88, 300, kRed},
                      PixelRow{"Line3BottomEdge", 200, 616, kRed}, PixelRow{"Line4RightEdge", 864, 300, kRed},
                      PixelRow{"Line5Band1To2", 200, 208, kRed}, PixelRow{"Line6Band2To3", 200, 408, kRed},
                      PixelRow{"Line7Band3To4", 200, 456, kRed}, PixelRow{"FrameCorner", 88, 56, kRed},
                      PixelRow{"InsideBand2", 400, 300, kCyan}, PixelRow{"OutsideTheFrame", 40, 300, kCyan},
                      PixelRow{"Label14Background", 640, 535, kCyan}),
    [](const auto& info) { return std::string(info.param.name); });

// Runs the event loop until it ends, or gives up after `limitMs`.
int ExecWithLimit(int limitMs) {
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  limit.start(limitMs);
  return QCoreApplication::exec();
}

TEST_F(Form1Test, EndButtonEndsTheEventLoop) {
  ShowAndActivate();
  QTimer::singleShot(0, form_.Command3(), [this] {
    QTest::mouseClick(form_.Command3(), Qt::LeftButton);
  });
  EXPECT_EQ(ExecWithLimit(5000), 0);
  EXPECT_TRUE(prompt_.asked.empty());
}

TEST_F(Form1Test, ClosingTheWindowEndsTheEventLoop) {
  ShowAndActivate();
  QTimer::singleShot(0, &form_, [this] { form_.close(); });
  EXPECT_EQ(ExecWithLimit(5000), 0);
  EXPECT_FALSE(form_.isVisible());
  EXPECT_TRUE(prompt_.asked.empty());
}

}  // namespace
}  // namespace capset
