#pragma once
// The number and station fields of the job file's groups, for the readers
// of its heights and its bridges alike: the value, or why it is refused,
// in the words of job_road_texts.h ("第 1 行变坡点的 H 缺少。").

#include <nlohmann/json.hpp>
#include <string>
#include <variant>

#include "road_types.h"

namespace capset {

// A JSON number under `key` of the group `where`.
std::variant<double, std::string> JobNumberField(const nlohmann::json& object, const char* key, const std::string& where);
// A station under `key`, with its place in a 长链 (1 or 2) under the key
// and "Occurrence" when it has one.
std::variant<StationRef, std::string> JobStationField(const nlohmann::json& object, const char* key,
                                                      const std::string& where);

}  // namespace capset
