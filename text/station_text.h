#pragma once
// Station texts: "K" (or "k"), the whole kilometres, "+", the metres within
// the kilometre, both in SignedText form: 12345.678 shows as "K 12+ 345.678".
// Station texts always use "." whatever the user's locale.

#include <optional>
#include <string>

#include "fault.h"
#include "road_types.h"  // StationRef

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

// A station of the road as every view, file and message outside the
// window's boxes shows it: K, the whole kilometres, "+", the metres in three
// digits and three decimals, to the millimetre: K1+730.000. The station is
// rounded once to whole millimetres (the boxes' rule, Round3), so metres that
// round to 1000 carry into the kilometre: 1999.9996 is K2+000.000. A station
// before zero takes its minus in front, on the whole station, as a surveyor
// reads it: 20 m before K0 is -K0+020.000 (never K-1+980.000, which reads
// as 1,980 m back); a station that rounds to zero is K0+000.000. Beyond a
// thousand million kilometres no station is meant: "K" and the number.
std::string RoadStationText(double station);
// The same with the occurrence of a station that exists twice (长链):
// K1+050.000(2).
std::string RoadStationText(StationRef station);
// The station as a point's name in a file: RoadStationText without the
// trailing zeros of its millimetres, K1+050, K1+060.5, -K0+020.
std::string StationLabel(double station);

// The fault StationText would raise for the station (a value whose parts
// leave the double range), or nothing.
std::optional<ArithmeticFault> StationFault(double station, StationForm form);

}  // namespace capset
