#pragma once
// One check as a user asks it: the road and the log as they stand, the
// points and the tolerance. What is missing is said before anything runs,
// the first thing to do first.

#include <string>
#include <vector>

#include "as_built_check.h"
#include "cap_record.h"

namespace capset {

struct CheckRun {
  std::vector<CheckResult> results;
  std::string error;   // not empty: nothing was checked, and this says why
  std::string notice;  // what the user must know about the results (no cap to check against)
};

// `road` is the road the caps stand on; nothing when there is none yet.
CheckRun RunCheck(const Road* road, const std::vector<CapRecord>& log, const std::vector<MeasuredPoint>& points,
                  double tolerance);

// How many results are over the tolerance.
int OverCount(const std::vector<CheckResult>& results);
// How many results lie near no cap of the log.
int FarCount(const std::vector<CheckResult>& results);
// The summary of a check's results.
std::string SummaryOf(const std::vector<CheckResult>& results, double toleranceMm);

}  // namespace capset
