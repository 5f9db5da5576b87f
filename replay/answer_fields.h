#pragma once
// The fields of the script's answers as the road's commands print them:
// metres to 6 decimals with "." whatever the locale, and a station as
// metres with, in a 长链 overlap, the place it stands for: "1390.000000(2)".

#include <string>

#include "number_text.h"
#include "road_types.h"

namespace capset {

inline std::string MetresField(double value) { return FixedText(value, 6); }

inline std::string StationField(StationRef station) {
  std::string text = MetresField(station.value);
  if (station.occurrence > 0) text += "(" + std::to_string(station.occurrence) + ")";
  return text;
}

}  // namespace capset
