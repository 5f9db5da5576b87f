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
                  double tolerance, double heightTolerance = kDefaultHeightTolerance);
// The same against the caps of the log and then the bents of the job's
// bridges (bent_design.h), as one set: each point goes to the nearest.
CheckRun RunCheck(const Road* road, const std::vector<CapRecord>& log, const std::vector<CapDesignPoints>& bents,
                  const std::vector<MeasuredPoint>& points, double tolerance,
                  double heightTolerance = kDefaultHeightTolerance);

// How many results are over the tolerance.
int OverCount(const std::vector<CheckResult>& results);
// How many results lie near no cap of the log.
int FarCount(const std::vector<CheckResult>& results);
// How many results were measured with a height, how many of them have a
// ΔH (a design height to compare with), and how many of those are over.
int MeasuredHeightCount(const std::vector<CheckResult>& results);
int HeightCheckedCount(const std::vector<CheckResult>& results);
int HeightOverCount(const std::vector<CheckResult>& results);
// The summary of a check's results; with a sentence of its own for the
// heights when any point was measured with one.
std::string SummaryOf(const std::vector<CheckResult>& results, double toleranceMm,
                      double heightToleranceMm = kDefaultHeightTolerance * 1000);

}  // namespace capset
