#pragma once
// The profile and the cross-section of a job file (version 3), for
// job_file.cpp alone: the rows as the user typed them, each station with
// its place in a 长链 when it has one, every number exactly (a double
// written out reads back to the same double).
//
//   "profile": [{"station": 4800, "H": 416.18},
//               {"station": 5030, "H": 427.68, "curve": "radius", "R": 2000},
//               {"station": 5400, "occurrence": 2, "H": 420, "curve": "lengths", "L1": 80, "L2": 120},
//               {"station": 5600, "H": 421, "curve": "length", "L": 150},
//               {"station": 5900, "H": 418, "curve": "circle", "R": 3000, "L": 0},
//               {"station": 6000, "H": 417}]
//   "section": {"crown": 2, "left": 7.5, "right": 7.5, "design": 0,
//               "super": [{"TS": 5000, "FS": 5060, "FE": 5200, "TE": 5260, "e": 6,
//                          "inner": "left", "axis": "centre"},
//                         {"jd": 3, "e": 4, "axis": "inner"}],
//               "slopes": [{"station": 5000, "left": -2, "right": -2}, …]}
//
// "section" is written when it differs from the normal crown of 2 % about
// the centreline, which a file without it has.

#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <variant>

#include "job_file_problem.h"
#include "road_heights.h"

namespace capset {

nlohmann::ordered_json ProfileJson(const ProfileInput& profile);
nlohmann::ordered_json SectionJson(const CrossSectionInput& section);
// A field of the wrong kind is refused naming the row, the field and what it should be.
std::variant<ProfileInput, JobFileProblem> ReadProfileJson(const nlohmann::json& value,
                                                          const std::map<std::string, int>& lines);
std::variant<CrossSectionInput, JobFileProblem> ReadSectionJson(const nlohmann::json& value,
                                                               const std::map<std::string, int>& lines);

}  // namespace capset
