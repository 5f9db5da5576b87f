#pragma once
// The answer lines of the script's commands: fields separated by tabs,
// numbers with "." whatever the user's locale, metres to 6 decimals, and a
// station in a 长链 overlap with the place it stands for, "1390.000000(2)".

#include <ostream>
#include <string>
#include <vector>

#include "number_text.h"
#include "road_types.h"

namespace capset {

inline std::string MetresField(double value) { return FixedText(value, 6); }

inline std::string StationField(StationRef station) {
  std::string text = MetresField(station.value);
  if (station.occurrence > 0) text += "(" + std::to_string(station.occurrence) + ")";
  return text;
}

inline void PrintFields(std::ostream& out, const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& f : fields) {
    if (!line.empty()) line += '\t';
    line += f;
  }
  out << line << '\n' << std::flush;
}

}  // namespace capset
