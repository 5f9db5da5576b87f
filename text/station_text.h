#pragma once
// Station texts: "K" (or "k"), the whole kilometres, "+", the metres within
// the kilometre, both in SignedText form: 12345.678 shows as "K 12+ 345.678".
// Station texts always use "." whatever the user's locale.

#include <string>

namespace capset {

enum class KmRule {
  kFloor,     // greatest whole number not above S / 1000
  kTruncate,  // S / 1000 with its fraction dropped toward zero
};

enum class MetreRule {
  kRounded,  // metres rounded to 3 decimals
  kExact,    // metres as the subtraction leaves them
};

// The kilometre is never carried: metres that round to 1000 show as 1000.
std::string StationText(double station, const std::string& prefix, KmRule km, MetreRule metres);

// The cap-centre station: truncated kilometres, exact metres.
std::string CentreStationText(double station);

}  // namespace capset
