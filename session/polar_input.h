#pragma once
// The instrument station and the backsight as the user types them, in the
// script or the station dialog, read by one reader so that a text gets one
// answer in both: each field in its range (polar_ranges.h), a name that is
// one word of text, a bridge point looked up by its name.

#include <string>
#include <variant>

#include "cap_session.h"
#include "number_rules.h"

namespace capset {

// Fields as typed; X and Y both empty: the station is the bridge point
// called `name`. H and HI are given together or not at all.
struct StationFields {
  std::string name, X, Y, H, HI;
};
// The station, or the reason it is refused, in the user's words.
std::variant<InstrumentStation, std::string> ReadStationFields(const StationFields& fields, const NumberSymbols& symbols,
                                                               const CapSession& session);

// A backsight point (`azimuth` empty; X and Y empty: the bridge point
// called `name`), or an azimuth typed packed D.MMSS (`azimuth` given).
struct BacksightFields {
  std::string name, X, Y, azimuth;
};
std::variant<Backsight, std::string> ReadBacksightFields(const BacksightFields& fields, const NumberSymbols& symbols,
                                                         const CapSession& session);

}  // namespace capset
