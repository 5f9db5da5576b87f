#include "check_run.h"

#include <algorithm>
#include <cmath>

#include "check_texts.h"
#include "point_height_texts.h"

namespace capset {

CheckRun RunCheck(const Road* road, const std::vector<CapRecord>& log, const std::vector<MeasuredPoint>& points,
                  double tolerance, double heightTolerance) {
  return RunCheck(road, log, {}, points, tolerance, heightTolerance);
}

CheckRun RunCheck(const Road* road, const std::vector<CapRecord>& log, const std::vector<CapDesignPoints>& bents,
                  const std::vector<MeasuredPoint>& points, double tolerance, double heightTolerance) {
  CheckRun run;
  if (road == nullptr) {
    run.error = kCheckNeedsRoad;
  } else if (points.empty()) {
    run.error = kNoCheckPoints;
  } else if (!(tolerance >= 0) || !std::isfinite(tolerance) || !(heightTolerance >= 0) ||
             !std::isfinite(heightTolerance)) {
    run.error = kToleranceNegative;
  } else {
    std::vector<CapDesignPoints> caps = DesignsOf(log);
    caps.insert(caps.end(), bents.begin(), bents.end());
    if (caps.empty()) run.notice = kCheckNeedsCap;
    run.results = CheckPoints(*road, caps, points, tolerance, heightTolerance);
  }
  return run;
}

int OverCount(const std::vector<CheckResult>& results) {
  return static_cast<int>(std::count_if(results.begin(), results.end(), [](const CheckResult& r) { return r.cap && r.cap->over; }));
}

int FarCount(const std::vector<CheckResult>& results) {
  return static_cast<int>(std::count_if(results.begin(), results.end(), [](const CheckResult& r) { return r.farFromCaps; }));
}

int MeasuredHeightCount(const std::vector<CheckResult>& results) {
  return static_cast<int>(std::count_if(results.begin(), results.end(), [](const CheckResult& r) { return r.measured.H.has_value(); }));
}

int HeightCheckedCount(const std::vector<CheckResult>& results) {
  return static_cast<int>(std::count_if(results.begin(), results.end(), [](const CheckResult& r) { return r.cap && r.cap->dH; }));
}

int HeightOverCount(const std::vector<CheckResult>& results) {
  return static_cast<int>(
      std::count_if(results.begin(), results.end(), [](const CheckResult& r) { return r.cap && r.cap->dH && r.cap->heightOver; }));
}

std::string SummaryOf(const std::vector<CheckResult>& results, double toleranceMm, double heightToleranceMm) {
  std::string text = CheckSummary(static_cast<int>(results.size()), OverCount(results), toleranceMm, FarCount(results));
  const int measured = MeasuredHeightCount(results);
  if (measured == 0) return text;
  return text + CheckHeightSummary(measured, HeightCheckedCount(results), HeightOverCount(results), heightToleranceMm);
}

}  // namespace capset
