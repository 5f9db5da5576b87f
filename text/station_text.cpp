#include "station_text.h"

#include <cmath>

#include "number_text.h"
#include "round3.h"

namespace capset {

std::string StationText(double station, const std::string& prefix, KmRule kmRule, MetreRule metreRule) {
  const double thousands = station / 1000;
  const double km = kmRule == KmRule::kFloor ? std::floor(thousands) : std::trunc(thousands);
  double m = station - km * 1000;
  if (metreRule == MetreRule::kRounded) m = Round3(m);
  return prefix + SignedText(km) + "+" + SignedText(m);
}

std::string CentreStationText(double station) {
  return StationText(station, "K", KmRule::kTruncate, MetreRule::kExact);
}

}  // namespace capset
