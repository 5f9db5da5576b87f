#pragma once
// A main window as the window tests drive it: its prompt answered from a
// text, its reports kept, its day files and files in folders of its own.

#include <gtest/gtest.h>

#include <QAction>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>
#include <string>
#include <vector>

#include "batch_input.h"
#include "cap_record.h"
#include "journal.h"
#include "main_window.h"
#include "qt_number_reader.h"
#include "script.h"

namespace capset {

constexpr char kStartAnswers[] = "1000\n1000\n2000\n45\n0\n100\n1050\n60\n1\n";
constexpr char kComputeAnswers[] = "1050\n7.5\n0.0001\n";
const BatchInput kBatch{BatchInput::Axis::kParallel, "7.5", "0.0001", "-3.5 3.5", {"1# 1040", "2# 1050", "3# 1060"},
                        CapMethod::kWindow};

class RecordingReporter : public ErrorReporter {
 public:
  void ReportError(const std::string& m) override { messages.push_back(m); }
  void ReportNotice(const std::string& m) override { notices.push_back(m); }
  void ReportInformation(const std::string& m) override { information.push_back(m); }
  std::vector<std::string> messages;
  std::vector<std::string> notices;
  std::vector<std::string> information;
};

// Nothing for what is not a plain file: /dev/full reads without end.
inline QByteArray FileBytes(const QString& path) {
  if (!QFileInfo(path).isFile()) return {};
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}


class MainWindowTest : public ::testing::Test {
 public:
  void Answer(const std::string& answers) {
    answers_.clear();
    answers_.str(answers);
  }
  void StartAndCompute(MainWindow& window) {
    Answer(std::string(kStartAnswers) + kComputeAnswers);
    window.Action("StartAction")->trigger();
    window.Action("ComputeAction")->trigger();
  }
  // Start, then a batch of three caps: rows 0 to 2.
  void StartAndBatch() {
    Answer(kStartAnswers);
    window_.Action("StartAction")->trigger();
    ASSERT_TRUE(window_.RunBatch(kBatch));
  }
  void ShowAndActivate() {
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  }
  std::vector<const CapRecord*> Records(std::vector<int> rows) {
    std::vector<const CapRecord*> records;
    for (int row : rows) records.push_back(&window_.Session().Log().At(row));
    return records;
  }
  QString DayFile() const { return window_.DayFile().DayFilePath(QDate::currentDate()); }

  std::istringstream answers_;
  std::ostringstream prompts_;
  ScriptLines lines_{answers_};
  CommandTable commands_;  // the answers hold no commands
  ScriptedPrompt prompt_{lines_, prompts_, commands_};
  QtNumberReader reader_;
  RecordingReporter reporter_;
  QTemporaryDir dataFolder_;
  QTemporaryDir files_;
  MainWindow window_{prompt_, reader_, reporter_, dataFolder_.filePath("capset")};
};

}  // namespace capset
