#pragma once
// The 逐桩坐标表 window's fields as typed, read into a request: the first
// and last station (metres or K form, with the place in a 长链 overlap),
// the interval, the half-width of the road bed (both edges, left first) and
// any further offsets, blank- or comma-separated in the user's numbers.

#include <string>
#include <variant>

#include "number_rules.h"
#include "station_table.h"

namespace capset {

struct StationTableFields {
  std::string from;
  std::string to;
  std::string step;
  std::string edges;    // a half-width; empty for none
  std::string offsets;  // more offsets, right positive; may be empty
};

// The request, or the first field that is wrong with its reason.
std::variant<StationTableRequest, std::string> ReadStationTableFields(const StationTableFields& fields,
                                                                      const NumberSymbols& symbols);

}  // namespace capset
