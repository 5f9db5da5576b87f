#pragma once
// The session's files: a job saved and opened, the log's rows exported.
// Each step reports its own failure through the seam, naming the file and
// the reason, and a failure changes nothing: the job in the window, the
// old file, the log all stay as they were.

#include <optional>
#include <string>
#include <vector>

#include "as_built_check.h"
#include "batch_input.h"
#include "cap_session.h"
#include "export_formats.h"
#include "file_store.h"
#include "seam.h"
#include "station_table.h"

namespace capset {

class SessionFiles {
 public:
  SessionFiles(CapSession& session, FileStore& store, ErrorReporter& reporter)
      : session_(session), store_(store), reporter_(reporter) {}

  // The job of the last completed Start, with the batch list when there is
  // one. False, with a report, when there is nothing to save or the file
  // cannot be written.
  bool SaveJob(const std::string& path, const std::optional<BatchInput>& batch);

  // Opens the job in `path` as the window's, read exactly as if its
  // answers had been typed. The batch list it holds (or none) comes back;
  // nothing, with a report, when the file is not a job.
  std::optional<std::optional<BatchInput>> OpenJob(const std::string& path);

  // Writes the log's rows (all when `rows` is empty) to `path`; how many
  // were written, or nothing, with a report. A point file whose caps share
  // a label is written only when the user agrees to name them apart.
  std::optional<int> Export(const std::string& path, ExportFormat format, const std::vector<int>& rows = {});

  // Writes a station table (station_table_formats.h) to `path`, whole or
  // not at all; false, with a report, when it cannot be written.
  bool ExportTable(const std::string& path, ExportFormat format, const std::vector<StationTableRow>& rows);

  // Writes the as-built check's results as CSV to `path`, whole or not at
  // all; false, with a report, when there are none or it cannot be written.
  bool ExportCheck(const std::string& path, const std::vector<CheckResult>& results);

 private:
  CapSession& session_;
  FileStore& store_;
  ErrorReporter& reporter_;
};

}  // namespace capset
