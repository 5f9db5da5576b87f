#pragma once
// The number and station fields of the job file's groups, for the readers
// of its heights and its bridges alike: the value, or why it is refused,
// in the words of job_road_texts.h ("第 1 行变坡点的 H 缺少。").

#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <variant>

#include "job_file_problem.h"
#include "road_types.h"

namespace capset {

// A JSON number under `key` of the group `where`.
std::variant<double, std::string> JobNumberField(const nlohmann::json& object, const char* key, const std::string& where);
// A station under `key`, with its place in a 长链 (1 or 2) under the key
// and "Occurrence" when it has one.
std::variant<StationRef, std::string> JobStationField(const nlohmann::json& object, const char* key,
                                                      const std::string& where);

// The fields of one part of the file (the profile, the templates), read one
// by one: the first refusal is kept, as `fault`, naming the part (or one
// of its keys, "section.super") and the line it stands on.
class JobPartReader {
 public:
  JobPartReader(JobFileFault fault, const char* part, const std::map<std::string, int>& lines)
      : fault_(fault), part_(part), lines_(lines) {}

  double Number(const nlohmann::json& object, const char* key, const std::string& where) {
    return Take(JobNumberField(object, key, where), 0.0);
  }
  StationRef Station(const nlohmann::json& object, const char* key, const std::string& where) {
    return Take(JobStationField(object, key, where), StationRef{0});
  }
  void Fail(std::string reason, const std::string& field = "");
  const std::optional<JobFileProblem>& problem() const { return problem_; }

 private:
  // The value, or `otherwise` with the reason kept.
  template <typename T>
  T Take(std::variant<T, std::string> read, T otherwise) {
    if (auto* reason = std::get_if<std::string>(&read)) {
      Fail(*reason);
      return otherwise;
    }
    return std::get<T>(read);
  }

  JobFileFault fault_;
  std::string part_;
  const std::map<std::string, int>& lines_;
  std::optional<JobFileProblem> problem_;
};

}  // namespace capset
