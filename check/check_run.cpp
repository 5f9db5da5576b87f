#include "check_run.h"

#include <algorithm>
#include <cmath>

#include "check_texts.h"

namespace capset {

CheckRun RunCheck(const Road* road, const std::vector<CapRecord>& log, const std::vector<MeasuredPoint>& points,
                  double tolerance) {
  CheckRun run;
  if (road == nullptr) {
    run.error = kCheckNeedsRoad;
  } else if (points.empty()) {
    run.error = kNoCheckPoints;
  } else if (!(tolerance >= 0) || !std::isfinite(tolerance)) {
    run.error = kToleranceNegative;
  } else {
    const std::vector<CapDesignPoints> caps = DesignsOf(log);
    if (caps.empty()) run.notice = kCheckNeedsCap;
    run.results = CheckPoints(*road, caps, points, tolerance);
  }
  return run;
}

int OverCount(const std::vector<CheckResult>& results) {
  return static_cast<int>(std::ranges::count_if(results, [](const CheckResult& r) { return r.cap && r.cap->over; }));
}

int FarCount(const std::vector<CheckResult>& results) {
  return static_cast<int>(std::ranges::count_if(results, [](const CheckResult& r) { return r.farFromCaps; }));
}

std::string SummaryOf(const std::vector<CheckResult>& results, double toleranceMm) {
  return CheckSummary(static_cast<int>(results.size()), OverCount(results), toleranceMm, FarCount(results));
}

}  // namespace capset
