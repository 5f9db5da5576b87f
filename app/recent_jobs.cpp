#include "recent_jobs.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace capset {
namespace {

constexpr int kRecentJobs = 6;
constexpr char kRecentKey[] = "recentJobs";
constexpr char kFolderKey[] = "lastFolder";

}  // namespace

QStringList RecentJobs() { return QSettings().value(kRecentKey).toStringList(); }

void RememberRecentJob(const QString& path) {
  QSettings settings;
  QStringList recent = settings.value(kRecentKey).toStringList();
  const QString absolute = QFileInfo(path).absoluteFilePath();
  recent.removeAll(absolute);
  recent.prepend(absolute);
  while (recent.size() > kRecentJobs) recent.removeLast();
  settings.setValue(kRecentKey, recent);
}

QString LastFolder() {
  const QString folder = QSettings().value(kFolderKey).toString();
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void RememberFolderOf(const QString& path) { QSettings().setValue(kFolderKey, QFileInfo(path).absolutePath()); }

}  // namespace capset
