#include "job_file_fields.h"

#include "job_file_keys.h"
#include "job_road_texts.h"

namespace capset {

std::variant<double, std::string> JobNumberField(const nlohmann::json& object, const char* key, const std::string& where) {
  const auto at = object.find(key);
  if (at != object.end() && at->is_number()) return at->get<double>();
  return at == object.end() ? JobRoadMissing(JobRoadField(where, key)) : JobRoadNotANumber(JobRoadField(where, key), false);
}

std::variant<StationRef, std::string> JobStationField(const nlohmann::json& object, const char* key,
                                                      const std::string& where) {
  auto value = JobNumberField(object, key, where);
  if (auto* reason = std::get_if<std::string>(&value)) return *reason;
  StationRef station{std::get<double>(value)};
  const std::string occurrence = std::string(key) + job_keys::kOccurrenceSuffix;
  if (const auto at = object.find(occurrence); at != object.end()) {
    if (!at->is_number_integer() || at->get<long long>() < 1 || at->get<long long>() > 2) {
      return JobRoadNotANumber(JobRoadField(where, occurrence), false);
    }
    station.occurrence = static_cast<int>(at->get<long long>());
  }
  return station;
}

void JobPartReader::Fail(std::string reason, const std::string& field) {
  if (problem_) return;
  const std::string key = field.empty() ? part_ : field;
  auto at = lines_.find(key);
  if (at == lines_.end()) at = lines_.find(part_);
  problem_ = JobFileProblem{fault_, key, at == lines_.end() ? 0 : at->second, std::move(reason)};
}

}  // namespace capset
