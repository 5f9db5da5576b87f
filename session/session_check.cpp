// The as-built check: the points checked against the road and the log as
// they stand, and the results written to a file.

#include "bent_design.h"
#include "check_table.h"
#include "check_texts.h"
#include "session_files.h"

namespace capset {

CheckRun CapSession::Check(const std::vector<MeasuredPoint>& points, double tolerance, double heightTolerance) const {
  // Every bent of every bridge, solved now on the working road with the
  // job's heights, beside the caps of the log.
  std::vector<CapDesignPoints> bents;
  if (WorkingRoad() != nullptr) {
    for (const Bridge& bridge : bridges_) {
      if (const std::optional<BridgeSolution> solution = SolveBridgeNow(bridge)) {
        std::vector<CapDesignPoints> designs = DesignsOf(bridge, *solution);
        bents.insert(bents.end(), std::make_move_iterator(designs.begin()), std::make_move_iterator(designs.end()));
      }
    }
  }
  return RunCheck(WorkingRoad(), log_.Records(), bents, points, tolerance, heightTolerance);
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
