#pragma once
// Station texts: "K" (or "k"), the whole kilometres, "+", the metres within
// the kilometre, both in SignedText form: 12345.678 shows as "K 12+ 345.678".
// Station texts always use "." whatever the user's locale.

#include <optional>
#include <string>

#include "fault.h"

namespace capset {

enum class KmRule {
  kFloor,     // greatest whole number not above S / 1000
  kTruncate,  // S / 1000 with its fraction dropped toward zero
};

enum class MetreRule {
  kRounded,  // metres rounded to 3 decimals
  kExact,    // metres as the subtraction leaves them
};

struct StationForm {
  const char* prefix;
  KmRule km;
  MetreRule metres;
};

// The station of a cap centre or a design station as the window shows it:
// truncated kilometres, exact metres (Text13, Text26).
inline constexpr StationForm kCentreStationForm{"K", KmRule::kTruncate, MetreRule::kExact};
// A station found on the road or typed for an end of the spiral: floored
// kilometres, metres to the millimetre (Text1, Text2, Text20, a spiral's end).
inline constexpr StationForm kFootStationForm{"K", KmRule::kFloor, MetreRule::kRounded};

// The kilometre is never carried: metres that round to 1000 show as 1000.
std::string StationText(double station, StationForm form);
std::string CentreStationText(double station);
std::string FootStationText(double station);

// The fault StationText would raise for the station (a value whose parts
// leave the double range), or nothing.
std::optional<ArithmeticFault> StationFault(double station, StationForm form);

}  // namespace capset
