#pragma once
// A station typed where the road asks one: in metres ("1390", "1390,5" by
// the user's separator) or in K form ("K1+390"), and in a 长链 overlap,
// where the value exists twice, with the place counted along the road in
// brackets: "K1+390(2)" or "1390(2)". Blanks around the parts are allowed.

#include <string>
#include <variant>

#include "number_rules.h"
#include "road_types.h"
#include "station_reading.h"

namespace capset {

enum class StationRefProblem {
  kEmpty,
  kNotNumber,          // neither metres nor a K form
  kOutOfRange,         // beyond a double
  kOccurrenceNotWhole, // the bracket holds no whole number of 1 or more
  kKmNegative,
  kKmNotWhole,
  kMetresMissing,
  kMetresNotNumber,
  kMetresNegative,
  kMetresTooLarge,
};

std::variant<StationRef, StationRefProblem> ReadStationRef(const std::string& text, const NumberSymbols& symbols);

}  // namespace capset
