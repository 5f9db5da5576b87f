#pragma once
// The instrument station and the backsight of a job file (optional keys of
// version 3), for job_file.cpp alone; every number exactly (a double
// written out reads back to the same double):
//
//   "station":   {"name": "S1", "X": 3381234.567, "Y": 512345.678, "H": 12.345, "HI": 1.52}
//   "backsight": {"name": "B1", "X": 3381434.567, "Y": 512345.62}
//   "backsight": {"azimuth": 359.98333333333335}      (decimal degrees)
//
// A station without "H" has no heights (and no "HI"). Reading is strict: a
// name that is not one word of text, a number outside its range, H without
// HI, a backsight with both a point and an azimuth or neither, or one on
// the station is refused, naming the field and why.

#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <variant>

#include "job_file_problem.h"
#include "polar_data.h"

namespace capset {

struct JobPolar {
  std::optional<InstrumentStation> station;
  std::optional<Backsight> backsight;
};

nlohmann::ordered_json StationJson(const InstrumentStation& station);
nlohmann::ordered_json BacksightJson(const Backsight& backsight);
// Either value may be null: the file has no key of that name.
std::variant<JobPolar, JobFileProblem> ReadPolarJson(const nlohmann::json* station, const nlohmann::json* backsight,
                                                     const std::map<std::string, int>& lines);

}  // namespace capset
