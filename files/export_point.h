#pragma once
// A point as files for the instrument, polar set-out data and printed
// sheets take it: one ASCII word of a name, its plane coordinates and, when
// known, its height; with the group it belongs to (a bent of a bridge, a
// cap of the log) and its role in that group, for the office's CSV.

#include <optional>
#include <string>

#include "spiral.h"

namespace capset {

struct ExportPoint {
  std::string name;               // "3-Z1", "K1+234.500-C": what a surveyor calls up
  PlanePoint xy;                  // X north, Y east, metres
  std::optional<double> height;   // none without a profile, or off it
  std::string group;              // the bent ("3") or the cap's label
  std::string role;               // "C", "L", "R", or the template's item ("Z", "T", "S1")
  bool operator==(const ExportPoint&) const = default;
};

}  // namespace capset
