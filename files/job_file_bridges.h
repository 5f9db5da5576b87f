#pragma once
// The substructure templates and the bridges of a job file (version 3),
// for job_file.cpp alone: each template's items as typed (a copy line's
// items are the ones it copied), each bridge's bents with every field, every
// number exactly (a double written out reads back to the same double).
//
//   "templates": [{"name": "pier-A",
//                  "items": [{"kind": "point", "name": "P", "u": -3.25, "v": 0, "depth": 1.5},
//                            {"kind": "grid", "name": "Z", "rows": 2, "cols": 3,
//                             "du": 3, "dv": 3, "u": 0, "v": 0},
//                            {"kind": "corners", "name": "T", "length": 8.4, "width": 5.4}]}]
//   "bridges": [{"name": "B1",
//                "bents": [{"name": "0", "station": 1020, "skew": 90, "axis": "own",
//                           "left": 6, "right": 6, "depth": 0, "template": "abutment-start"},
//                          {"name": "1", "station": 1050, "stationOccurrence": 2, "skew": 75.5,
//                           "axis": "parallel", "design": 1040, "depth": 1.2}]}]
//
// A bent without "left" and "right" gives no edge points; without
// "template", its cap's own points alone. Reading is strict: a field
// missing or of the wrong kind, a name that is no point name, a template
// whose points clash, or a bent whose template is neither in the file nor
// a ready one is refused, naming where it is and why.

#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <variant>
#include <vector>

#include "bridge.h"
#include "job_file_problem.h"
#include "substructure.h"

namespace capset {

struct JobBridges {
  std::vector<SubstructureTemplate> templates;
  std::vector<Bridge> bridges;
};

nlohmann::ordered_json TemplatesJson(const std::vector<SubstructureTemplate>& templates);
nlohmann::ordered_json BridgesJson(const std::vector<Bridge>& bridges);
// Either value may be null: the file has no key of that name.
std::variant<JobBridges, JobFileProblem> ReadBridgesJson(const nlohmann::json* templates, const nlohmann::json* bridges,
                                                        const std::map<std::string, int>& lines);

}  // namespace capset
