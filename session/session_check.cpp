// The as-built check: the points checked against the road and the log as
// they stand, and the results written to a file.

#include "check_table.h"
#include "check_texts.h"
#include "session_files.h"

namespace capset {

CheckRun CapSession::Check(const std::vector<MeasuredPoint>& points, double tolerance, double heightTolerance) const {
  return RunCheck(WorkingRoad(), log_.Records(), points, tolerance, heightTolerance);
}

bool SessionFiles::ExportCheck(const std::string& path, const std::vector<CheckResult>& results) {
  if (results.empty()) {
    reporter_.ReportInformation(kNothingChecked);
    return false;
  }
  if (const auto failure = store_.WriteWhole(path, CheckCsv(results))) {
    reporter_.ReportError(CheckExportFailed(path, failure->reason));
    return false;
  }
  return true;
}

}  // namespace capset
