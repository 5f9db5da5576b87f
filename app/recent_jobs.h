#pragma once
// The jobs saved or opened last, most recent first, kept between runs.

#include <QString>
#include <QStringList>

namespace capset {

QStringList RecentJobs();
void RememberRecentJob(const QString& path);

}  // namespace capset
