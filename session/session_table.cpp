// The station table to a file.

#include "file_texts.h"
#include "session_files.h"
#include "station_table_formats.h"

namespace capset {

bool SessionFiles::ExportTable(const std::string& path, ExportFormat format, const std::vector<StationTableRow>& rows) {
  // A row whose numbers cannot be written fails the file, which is then not
  // written at all, rather than the program.
  std::string text;
  try {
    text = StationTableText(format, rows);
  } catch (const ArithmeticFault& fault) {
    reporter_.ReportError(ExportFailedMessage(path, UnwritableNumberReason(fault)));
    return false;
  }
  if (const auto failure = store_.WriteWhole(path, text)) {
    reporter_.ReportError(ExportFailedMessage(path, failure->reason));
    return false;
  }
  return true;
}

}  // namespace capset
