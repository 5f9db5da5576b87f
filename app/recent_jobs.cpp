#include "recent_jobs.h"

#include <QFileInfo>
#include <QSettings>

namespace capset {
namespace {

constexpr int kRecentJobs = 6;
constexpr char kRecentKey[] = "recentJobs";

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

}  // namespace capset
