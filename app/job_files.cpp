#include "job_files.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "file_texts.h"
#include "job_file.h"
#include "job_file_problem.h"
#include "save_file.h"

namespace capset {
namespace {

constexpr int kRecentJobs = 6;
constexpr char kRecentKey[] = "recentJobs";

std::string NameOf(const QString& path) { return QFileInfo(path).fileName().toStdString(); }

}  // namespace

bool JobFiles::Save(const QString& path, const std::optional<BatchInput>& batch) {
  const std::optional<TypedStart>& typed = session_.TypedAnswers();
  if (!typed) {
    reporter_.ReportError(kNothingToSave);
    return false;
  }
  if (const auto failure = SaveWholeFile(path, WriteJobFile({*typed, batch}))) {
    reporter_.ReportError(JobUnwritableMessage(NameOf(path), *failure));
    return false;
  }
  Remember(path);
  return true;
}

std::optional<std::optional<BatchInput>> JobFiles::Open(const QString& path) {
  // A folder, a device or a pipe is not read at all: /dev/zero would read
  // without end, a pipe would wait for a writer.
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) {
    reporter_.ReportError(JobUnreadableMessage(NameOf(path), info.isDir() ? "这是一个文件夹，不是文件。" : kNotAPlainFile));
    return std::nullopt;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    reporter_.ReportError(JobUnreadableMessage(NameOf(path), file.errorString().toStdString()));
    return std::nullopt;
  }
  // One byte more than a job may have tells a file that is too big without
  // reading it all.
  const QByteArray bytes = file.read(static_cast<qint64>(kJobFileMaxBytes) + 1);
  const auto read = ReadJobFile(bytes.toStdString());
  if (const auto* problem = std::get_if<JobFileProblem>(&read)) {
    reporter_.ReportError(JobRefusedMessage(NameOf(path), *problem));
    return std::nullopt;
  }
  const JobFile& job = std::get<JobFile>(read);
  if (const auto problem = session_.OpenJob(job.start)) {
    reporter_.ReportError(JobRefusedMessage(NameOf(path), *problem));
    return std::nullopt;
  }
  Remember(path);
  return job.batch;
}

QStringList JobFiles::RecentJobs() { return QSettings().value(kRecentKey).toStringList(); }

void JobFiles::Remember(const QString& path) {
  QSettings settings;
  QStringList recent = settings.value(kRecentKey).toStringList();
  const QString absolute = QFileInfo(path).absoluteFilePath();
  recent.removeAll(absolute);
  recent.prepend(absolute);
  while (recent.size() > kRecentJobs) recent.removeLast();
  settings.setValue(kRecentKey, recent);
}

}  // namespace capset
