// Job files through cap_replay, as the menu saves and opens them: the
// window reads the same after opening a job as after typing it; a file that
// is not a job is refused with its name and changes nothing; a save that
// fails leaves the old file whole.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <sstream>
#include <string>

#include "file_size_limit.h"
#include "file_texts.h"
#include "script_builder.h"
#include "transcript.h"
#include "fresh_replay.h"
#include "window_replay.h"
#include "worked_cases.h"

namespace capset::testing {
namespace {

Transcript ReplayWindow(const std::string& script) { return ReadTranscript(FreshReplay(script)); }

class JobFilesInTheWindow : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return QDir(dir_.path()).filePath(name).toStdString(); }
  static QByteArray Bytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static void Write(const std::string& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir dir_;
};

struct RoundTripRow {
  const char* name;
  StartAnswers answers;
  ComputeAnswers compute;
};

class JobRoundTripInTheWindow : public JobFilesInTheWindow, public ::testing::WithParamInterface<RoundTripRow> {};

TEST_P(JobRoundTripInTheWindow, OpenedJobShowsTheBoxesOfTheTypedOneAndComputes) {
  const std::string job = Path("bridge.capjob");
  const Transcript typed = ReplayWindow(Script().Start(GetParam().answers).Line("@save " + job));
  EXPECT_TRUE(typed.Events("MESSAGE").empty());
  const Transcript opened = ReplayWindow(Script().Line("@open " + job));
  EXPECT_TRUE(opened.Events("MESSAGE").empty());
  EXPECT_EQ(opened.boxes, typed.boxes);
  const Transcript computedTyped = ReplayWindow(Script().Start(GetParam().answers).Compute(GetParam().compute));
  const Transcript computedOpened = ReplayWindow(Script().Line("@open " + job).Compute(GetParam().compute));
  EXPECT_EQ(computedOpened.boxes, computedTyped.boxes);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JobRoundTripInTheWindow,
    ::testing::Values(RoundTripRow{"ZHStation", {.T = "45.3015", .R = "150"}, kZHBaseCompute},
                      RoundTripRow{"HZStation", kHZJob, kHZCompute},
                      RoundTripRow{"ZHAtStation0", {.KZH = "0.000000001", .Kj = "50", .B = "90"}, kSquareCompute},
                      RoundTripRow{"BothStations0", {.KZH = "0", .KHZ = "0"}, kSquareCompute}),
    [](const auto& info) { return std::string(info.param.name); });

// Files the menu refuses: the message names the file, the job in the window
// (a computed cap) stays as it was.
struct RefusedRow {
  const char* name;
  const char* content;  // nullptr: a folder of that name
  const char* messageStart;
};

class RefusedInTheWindow : public JobFilesInTheWindow, public ::testing::WithParamInterface<RefusedRow> {};

TEST_P(RefusedInTheWindow, SaysWhyAndChangesNothing) {
  const std::string file = Path("job.capjob");
  if (GetParam().content == nullptr) {
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(file)));
  } else {
    Write(file, GetParam().content);
  }
  const Script before = Script().Start({}).Compute(kZHBaseCompute);
  const Transcript t = ReplayWindow(Script(before).Line("@open " + file));
  const auto messages = t.Events("MESSAGE");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind(GetParam().messageStart, 0), 0u) << messages[0];
  EXPECT_NE(messages[0].find("job.capjob"), std::string::npos) << "names the file";
  EXPECT_EQ(t.boxes, ReplayWindow(before).boxes);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RefusedInTheWindow,
    ::testing::Values(
        RefusedRow{"NotJson", "K12+400", "无法打开作业文件“job.capjob”：第 1 行，不是有效的 JSON 文本，不是作业文件。"},
        RefusedRow{"AnotherProgramsJson", R"({"name": "bridge"})", "无法打开作业文件“job.capjob”：不是作业文件。"},
        RefusedRow{"UnknownVersion", R"({"format": "capset-job", "version": 7})",
                   "无法打开作业文件“job.capjob”：第 1 行，版本号：未知的版本"},
        // Start refuses P after the file was read: the line is still the field's.
        RefusedRow{"ValueStartRefuses",
                   "{\"format\": \"capset-job\", \"version\": 1, \"decimal\": \".\",\n\"start\": {\"KZH\": \"1000\", "
                   "\"X\": \"1\", \"Y\": \"2\", \"T\": \"3\", \"R\": \"0\", \"A1\": \"100\", \"Kj\": \"1050\", "
                   "\"B\": \"60\",\n\"P\": \"40000\"}}",
                   "无法打开作业文件“job.capjob”：第 3 行，正偏或反偏 P：溢出：P 须在"},
        RefusedRow{"AFolder", nullptr, "无法读取作业文件“job.capjob”"}),
    [](const auto& info) { return std::string(info.param.name); });

// Information, not an error: nothing is wrong.
TEST_F(JobFilesInTheWindow, NothingToSaveBeforeAStart) {
  const std::string file = Path("empty.capjob");
  const Transcript t = ReplayWindow(Script().Line("@save " + file));
  EXPECT_EQ(t.Reports(), std::vector<std::string>{Notice(kNothingToSave)});
  EXPECT_FALSE(QFile::exists(QString::fromStdString(file)));
}


TEST_F(JobFilesInTheWindow, SaveOnAFullDiskLeavesTheOldFileWhole) {
  const std::string file = Path("bridge.capjob");
  ReplayWindow(Script().Start({}).Line("@save " + file));
  const QByteArray old = Bytes(file);
  ASSERT_FALSE(old.isEmpty());
  Transcript t;
  {
    const FileSizeLimit full(64);
    t = ReplayWindow(Script().Start({.KZH = "2000"}).Line("@save " + file));
  }
  ASSERT_EQ(t.Events("MESSAGE").size(), 1u);
  EXPECT_EQ(t.Events("MESSAGE")[0].rfind("无法保存作业文件“bridge.capjob”", 0), 0u);
  EXPECT_EQ(Bytes(file), old);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 1) << "no temporary file left behind";
}

// A file that may not be changed: read-only, and immutable where the file
// system allows it, since the superuser writes through a read-only mode.
class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const std::string& path) : path_(path) {
    QFile::setPermissions(QString::fromStdString(path), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    fd_ = open(path.c_str(), O_RDONLY);
    int flags = 0;
    if (fd_ >= 0 && ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_IMMUTABLE_FL;
      immutable_ = ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
    }
  }
  ~ReadOnlyFile() {
    int flags = 0;
    if (immutable_ && ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
      flags &= ~FS_IMMUTABLE_FL;
      ioctl(fd_, FS_IOC_SETFLAGS, &flags);
    }
    if (fd_ >= 0) close(fd_);
    QFile::setPermissions(QString::fromStdString(path_), QFile::ReadOwner | QFile::WriteOwner);
  }
  // Whether even the superuser is kept from changing it.
  bool Locked() const { return immutable_ || geteuid() != 0; }

 private:
  std::string path_;
  int fd_ = -1;
  bool immutable_ = false;
};

TEST_F(JobFilesInTheWindow, SaveOverAReadOnlyJobLeavesItWhole) {
  const std::string file = Path("bridge.capjob");
  ReplayWindow(Script().Start({}).Line("@save " + file));
  const QByteArray old = Bytes(file);
  const ReadOnlyFile readOnly(file);
  if (!readOnly.Locked()) GTEST_SKIP() << "the superuser writes any file here";
  const Transcript t = ReplayWindow(Script().Start({.KZH = "2000"}).Line("@save " + file));
  ASSERT_EQ(t.Events("MESSAGE").size(), 1u);
  EXPECT_EQ(t.Events("MESSAGE")[0].rfind("无法保存作业文件“bridge.capjob”", 0), 0u);
  EXPECT_EQ(Bytes(file), old);
}

TEST_F(JobFilesInTheWindow, SaveOverAFolderOrADeviceIsRefused) {
  const std::string folder = Path("folder.capjob");
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
  for (const std::string& target : {folder, std::string("/dev/full")}) {
    const Transcript t = ReplayWindow(Script().Start({}).Line("@save " + target));
    ASSERT_EQ(t.Events("MESSAGE").size(), 1u) << target;
  }
  EXPECT_TRUE(QFileInfo(QString::fromStdString(folder)).isDir());
}

}  // namespace
}  // namespace capset::testing
