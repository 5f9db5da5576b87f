#pragma once
// Saving and opening job files from the window: the file system side of
// job_file.h. A save is written whole or not at all; a file that cannot be
// opened as a job leaves the job in the window as it was. Every failure is
// reported with the file's name and the reason.

#include <QString>
#include <QStringList>
#include <optional>

#include "batch_input.h"
#include "cap_session.h"
#include "seam.h"

namespace capset {

class JobFiles {
 public:
  JobFiles(CapSession& session, ErrorReporter& reporter) : session_(session), reporter_(reporter) {}

  // Writes the job of the last completed Start (and the batch list, when
  // there is one) to `path`. False, with a report, when there is nothing to
  // save or the file cannot be written; an existing file then stays whole.
  bool Save(const QString& path, const std::optional<BatchInput>& batch);

  // Reads `path` and opens it as the window's job. The batch list it holds
  // comes back; nothing, with a report, when the file is not a job.
  std::optional<std::optional<BatchInput>> Open(const QString& path);

  // The jobs saved or opened last, most recent first, kept between runs.
  static QStringList RecentJobs();

 private:
  static void Remember(const QString& path);

  CapSession& session_;
  ErrorReporter& reporter_;
};

}  // namespace capset
