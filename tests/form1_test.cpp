// The window as the user meets it: layout, start-up state, focus, painting
// and the End button.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
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
  for (int n = 1; n <= Form1::kBoxCount; ++n) {
    EXPECT_EQ(form_.boxText(n), QString()) << "Text" << n;
  }
  ExpectAllZero(form_.job());
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

TEST_F(Form1Test, LayoutSpotRows) {
  for (const LayoutRow& row : kLayoutRows) {
    SCOPED_TRACE(row.name);
    QWidget* widget = Control<QWidget>(row.name);
    if (widget == nullptr) continue;
    EXPECT_EQ(widget->geometry(), row.pixels);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      EXPECT_EQ(label->text(), QString::fromUtf8(row.caption));
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
      EXPECT_EQ(button->text(), QString::fromUtf8(row.caption));
    }
  }
  EXPECT_EQ(form_.windowTitle(), "缓和曲线上盖梁坐标计算");
}

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

TEST_F(Form1Test, EveryCaptionFitsItsLabelAndBreaksAtItsBlanks) {
  for (QLabel* label : form_.findChildren<QLabel*>()) {
    SCOPED_TRACE(label->objectName().toStdString());
    // 17 px labels hold one line, 25 px labels two.
    const int lines_held = label->height() >= 25 ? 2 : 1;
    EXPECT_LE(WrappedLines(*label).size(), lines_held);
  }
  struct Break {
    const char* label;
    const char* second_line;
  };
  const Break kBreaks[] = {
      {"Label2", "起点 (ZH)  桩号"},  {"Label3", "终点  (HZ)  桩号"},
      {"Label7", "起点 (ZH)  纵座标 X"}, {"Label9", "起点 (ZH)  横座标 Y"},
      {"Label15", "曲线反徧P<0"},  {"Label20", "横座标 Y"},
      {"Label22", "中桩桩号K"},    {"Label25", "纵座标 X"},
      {"Label28", "精度 (以度为单位)"},
  };
  for (const Break& b : kBreaks) {
    const QStringList lines = WrappedLines(*Control<QLabel>(b.label));
    ASSERT_EQ(lines.size(), 2) << b.label;
    EXPECT_EQ(lines[1], QString::fromUtf8(b.second_line)) << b.label;
  }
}

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
  QSignalSpy chosen(&form_, &Form1::solverChosen);
  for (int n : {1, 9, 12, 26}) {
    QLineEdit* box = form_.box(n);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, "1200.5");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), QString()) << "Text" << n;
  }
  ExpectAllZero(form_.job());
  form_.command2()->click();
  ASSERT_EQ(chosen.size(), 1);
  EXPECT_EQ(chosen[0][0].toString(), "none");
  EXPECT_TRUE(prompt_.asked.empty());
}

TEST_F(Form1Test, WritingABoxShowsTheStartOfItsText) {
  form_.WriteBox(12, "正偏正偏正偏正偏正偏正偏");
  EXPECT_EQ(form_.boxText(12), "正偏正偏正偏正偏正偏正偏");
  EXPECT_EQ(form_.box(12)->cursorPosition(), 0);
  form_.WriteBox(26, "K 1+ 234.5678");
  EXPECT_EQ(form_.boxText(26), "K 1+ 234.5678");
  EXPECT_EQ(form_.boxText(12), "正偏正偏正偏正偏正偏正偏");
}

TEST_F(Form1Test, PaintsTheRedFrameAndBandsOnCyan) {
  const QImage image = form_.grab().toImage();
  const QColor red(255, 0, 0);
  const QColor cyan(192, 255, 255);
  struct Pixel {
    const char* what;
    int x, y;
    QColor colour;
  };
  const Pixel kPixels[] = {
      {"Line1 top edge", 200, 56, red},     {"Line2 left edge", 88, 300, red},
      {"Line3 bottom edge", 200, 616, red}, {"Line4 right edge", 864, 300, red},
      {"Line5 band 1 / 2", 200, 208, red},  {"Line6 band 2 / 3", 200, 408, red},
      {"Line7 band 3 / 4", 200, 456, red},  {"frame corner", 88, 56, red},
      {"inside band 2", 400, 300, cyan},    {"outside the frame", 40, 300, cyan},
      {"Label14 background", 640, 535, cyan},
  };
  for (const Pixel& p : kPixels) {
    EXPECT_EQ(image.pixelColor(p.x, p.y), p.colour) << p.what;
  }
}

// Runs the event loop until it ends, or gives up after `limit_ms`.
int ExecWithLimit(int limit_ms) {
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  limit.start(limit_ms);
  return QCoreApplication::exec();
}

TEST_F(Form1Test, EndButtonEndsTheEventLoop) {
  ShowAndActivate();
  QTimer::singleShot(0, form_.command3(), [this] {
    QTest::mouseClick(form_.command3(), Qt::LeftButton);
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
