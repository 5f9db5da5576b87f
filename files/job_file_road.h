#pragma once
// The road of a job file (version 2 on), for job_file.cpp alone: the road as
// the user gave it, the form and every number of the input exactly (a
// double written out reads back to the same double), so that a job saved
// and opened again makes the very same road.
//
//   "road": {"form": "intersections", "station": 1000, "bp": {"X": …, "Y": …},
//            "jds": [{"X": …, "Y": …, "R": 600, "Ls1": 120, "Ls2": 100, "station": 1830.12}, …],
//            "ep": {"X": …, "Y": …}, "equations": [{"back": 1400, "ahead": 1380}]}
//
// "station" (version 3 on) is a JD's or EP's station as the drawings print
// it, there only when the user gave one.
//   "road": {"form": "elements", "station": 5000, "X": …, "Y": …, "azimuth": 45.504166…,
//            "elements": [{"kind": "line", "L": 100},
//                         {"kind": "spiral", "L": 80, "R1": "inf", "R2": 300, "turn": "right"}, …],
//            "equations": []}
//
// The azimuth is in decimal degrees, as the road holds it; a straight end
// of a spiral is "inf". An element read from a file with its own stated
// joints keeps them as "from" and "to" ({"X", "Y"}).

#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <variant>

#include "job_file_problem.h"
#include "road_input.h"

namespace capset {

nlohmann::ordered_json RoadJson(const RoadInput& road);
// The road of a file, checked whole: a field of the wrong kind, or a road
// that cannot be made, is refused naming the field and the reason.
// A file of version 2 knew no printed stations: `printedStations` false
// reads it as it was always read, any key of that name left unread.
std::variant<RoadInput, JobFileProblem> ReadRoadJson(const nlohmann::json& value,
                                                    const std::map<std::string, int>& lines,
                                                    bool printedStations = true);

}  // namespace capset
