#pragma once
// What the file dialogs remember between runs: the jobs saved or opened
// last, most recent first, and the folder a file was last chosen in.

#include <QString>
#include <QStringList>

namespace capset {

QStringList RecentJobs();
void RememberRecentJob(const QString& path);

// The folder the open, save and export dialogs start in: the one a file
// was last opened, saved or exported in, while it is there; the user's
// documents folder otherwise.
QString LastFolder();
void RememberFolderOf(const QString& path);

}  // namespace capset
