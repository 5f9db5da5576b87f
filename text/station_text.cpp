#include "station_text.h"

#include <cmath>
#include <variant>

#include "number_text.h"
#include "round3.h"

namespace capset {
namespace {

struct StationParts {
  double km;
  double metres;
};

// The kilometres and the metres within them, or the fault of the first
// step that leaves the double range, in the order the text is made.
std::variant<StationParts, ArithmeticFault> PartsOf(double station, StationForm form) {
  const double thousands = station / 1000;
  const double km = form.km == KmRule::kFloor ? std::floor(thousands) : std::trunc(thousands);
  double m = station - km * 1000;
  if (form.metres == MetreRule::kRounded) {
    if (const auto fault = Round3Fault(m)) return *fault;
    m = Round3(m);
  }
  for (double part : {km, m}) {
    if (const auto fault = FaultOf(part, FaultPlace::kStationText)) return *fault;
  }
  return StationParts{km, m};
}

}  // namespace

std::string StationText(double station, StationForm form) {
  const auto parts = PartsOf(station, form);
  if (const auto* fault = std::get_if<ArithmeticFault>(&parts)) throw *fault;
  const StationParts& p = std::get<StationParts>(parts);
  return form.prefix + SignedText(p.km) + "+" + SignedText(p.metres);
}

std::string CentreStationText(double station) { return StationText(station, kCentreStationForm); }

std::string FootStationText(double station) { return StationText(station, kFootStationForm); }

std::optional<ArithmeticFault> StationFault(double station, StationForm form) {
  const auto parts = PartsOf(station, form);
  if (const auto* fault = std::get_if<ArithmeticFault>(&parts)) return *fault;
  return std::nullopt;
}

}  // namespace capset
