// The station table to a file.

#include "file_texts.h"
#include "session_files.h"
#include "station_table_formats.h"

namespace capset {

bool SessionFiles::ExportTable(const std::string& path, ExportFormat format, const std::vector<StationTableRow>& rows) {
  if (const auto failure = store_.WriteWhole(path, StationTableText(format, rows))) {
    reporter_.ReportError(ExportFailedMessage(path, failure->reason));
    return false;
  }
  return true;
}

}  // namespace capset
