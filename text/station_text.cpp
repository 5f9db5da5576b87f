#include "station_text.h"

#include <cmath>
#include <string_view>
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

std::string RoadStationText(double station) {
  if (!(std::fabs(station) < 1e15)) return "K" + NumberText(station, ".");
  const long long mm = static_cast<long long>(std::nearbyint(std::fabs(station) * 1000));
  std::string metres = std::to_string(mm % 1000000 / 1000);
  metres.insert(0, 3 - metres.size(), '0');
  std::string fraction = std::to_string(mm % 1000);
  fraction.insert(0, 3 - fraction.size(), '0');
  return std::string(station < 0 && mm != 0 ? "-" : "") + "K" + std::to_string(mm / 1000000) + "+" + metres + "." +
         fraction;
}

std::string RoadStationText(StationRef station) {
  std::string text = RoadStationText(station.value);
  if (station.occurrence > 0) text += "(" + std::to_string(station.occurrence) + ")";
  return text;
}

std::string StationLabel(double station) {
  std::string text = RoadStationText(station);
  if (!text.ends_with('0') || text.find('.') == std::string::npos) return text;
  text.erase(text.find_last_not_of('0') + 1);
  if (text.ends_with('.')) text.pop_back();
  return text;
}

std::optional<ArithmeticFault> StationFault(double station, StationForm form) {
  const auto parts = PartsOf(station, form);
  if (const auto* fault = std::get_if<ArithmeticFault>(&parts)) return *fault;
  return std::nullopt;
}

}  // namespace capset
