#include "cap_result.h"

#include "number_text.h"
#include "round3.h"
#include "station_text.h"

namespace capset {

std::string CoordinateText(double value, const std::string& sep) { return NumberText(Round3(value), sep); }

std::string CentreStationText(double station) {
  return StationText(station, "K", KmRule::kTruncate, MetreRule::kExact);
}

std::string PrecisionEcho(float precision, const std::string& sep) {
  return "  " + NumberText(precision, sep) + "(度)";
}

void WriteResult(const CapResult& r, BoxWriter& boxes) {
  boxes.WriteBox(13, r.centreStation);
  boxes.WriteBox(10, r.DR);
  boxes.WriteBox(25, r.precision);
  boxes.WriteBox(23, r.centreX);
  boxes.WriteBox(24, r.centreY);
  boxes.WriteBox(21, r.inner.station);
  boxes.WriteBox(17, r.inner.X);
  boxes.WriteBox(18, r.inner.Y);
  boxes.WriteBox(19, r.inner.length);
  boxes.WriteBox(20, r.outer.station);
  boxes.WriteBox(14, r.outer.X);
  boxes.WriteBox(15, r.outer.Y);
  boxes.WriteBox(16, r.outer.length);
}

}  // namespace capset
