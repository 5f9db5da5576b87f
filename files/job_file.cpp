#include "job_file.h"

#include "job_file_bridges.h"
#include "job_file_heights.h"
#include "job_file_keys.h"
#include "job_file_polar.h"
#include "job_file_road.h"
#include "number_chars.h"
#include "number_rules.h"
#include "start_fields.h"
#include "strict_json.h"

namespace capset {
namespace {

namespace keys = job_keys;
using Json = nlohmann::json;
using Problem = JobFileProblem;
using Fault = JobFileFault;

// A typed answer that is 0 as Start compares it.
bool IsZero(const std::string& answer, const NumberSymbols& symbols) {
  const ReadResult r = ReadNumber(answer, symbols);
  return r.status == ReadResult::Status::kNumber && r.value == 0;
}

// One object of the file and where its keys stand.
class Fields {
 public:
  Fields(const Json& object, std::string prefix, const std::map<std::string, int>& lines)
      : object_(object), prefix_(std::move(prefix)), lines_(lines) {}

  const Json* Find(const char* key) const {
    const auto at = object_.find(key);
    return at == object_.end() ? nullptr : &*at;
  }
  // The problem with a field, on the field's line (the object's when the
  // field is missing).
  Problem At(const char* key, Fault fault, std::string text = "") const {
    const auto line = lines_.find(Path(key));
    const auto own = lines_.find(prefix_.empty() ? "" : prefix_.substr(0, prefix_.size() - 1));
    const int at = line != lines_.end() ? line->second : own != lines_.end() ? own->second : 0;
    return {fault, Path(key), at, std::move(text)};
  }
  std::string Path(const char* key) const { return prefix_ + key; }

  // A field's text: a string as typed, or a plain JSON number written out.
  std::variant<std::string, Problem> TextOf(const char* key) const {
    const Json* value = Find(key);
    if (value == nullptr) return At(key, Fault::kMissing);
    if (value->is_string()) return value->get<std::string>();
    if (value->is_number()) {
      return ShortestText(value->get<double>());
    }
    return At(key, Fault::kNotText);
  }

 private:
  const Json& object_;
  std::string prefix_;  // "start." for the fields of "start"
  const std::map<std::string, int>& lines_;
};

std::variant<TypedStart, Problem> ReadStart(const Fields& root, const std::map<std::string, int>& lines) {
  TypedStart start;
  const Json* decimal = root.Find(keys::kDecimal);
  if (decimal == nullptr) return root.At(keys::kDecimal, Fault::kMissing);
  if (!decimal->is_string() || (*decimal != "." && *decimal != ",")) return root.At(keys::kDecimal, Fault::kBadDecimal);
  start.decimal = decimal->get<std::string>();
  const Json* section = root.Find(keys::kStart);
  // A job of a road (or a batch list) alone has no Start answers; whether
  // the file holds anything else is the caller's to judge.
  if (section == nullptr) return start;
  if (!section->is_object()) return root.At(keys::kStart, Fault::kNotAGroup);
  const Fields fields(*section, std::string(keys::kStart) + ".", lines);

  const NumberSymbols symbols{.decimal = start.decimal};
  // The fields that Start asks for this job: KHZ only with KZH = 0, the
  // spiral end only when a station is given.
  auto take = [&](const char* key) -> std::optional<Problem> {
    auto text = fields.TextOf(key);
    if (auto* p = std::get_if<Problem>(&text)) return *p;
    const std::string& answer = std::get<std::string>(text);
    const ReadResult r = ReadNumber(answer, symbols);
    if (r.status == ReadResult::Status::kNotNumber) return fields.At(key, Fault::kNotANumber, answer);
    if (r.status == ReadResult::Status::kOutOfRange) return fields.At(key, Fault::kOutOfRange, answer);
    start.answers[key] = answer;
    return std::nullopt;
  };
  if (auto p = take(start_fields::kKZH)) return *p;
  const bool zh = !IsZero(start.answers[start_fields::kKZH], symbols);
  if (!zh) {
    if (auto p = take(start_fields::kKHZ)) return *p;
  }
  if (zh || !IsZero(start.answers[start_fields::kKHZ], symbols)) {
    for (const char* key : {start_fields::kX, start_fields::kY, start_fields::kT}) {
      if (auto p = take(key)) return *p;
    }
  }
  for (const char* key : {start_fields::kR, start_fields::kA1, start_fields::kKj, start_fields::kB, start_fields::kP}) {
    if (auto p = take(key)) return *p;
  }
  return start;
}

std::variant<BatchInput, Problem> ReadBatch(const Fields& root, const std::map<std::string, int>& lines, int version) {
  const Json& value = *root.Find(keys::kBatch);
  if (!value.is_object()) return root.At(keys::kBatch, Fault::kNotAGroup);
  const Fields fields(value, std::string(keys::kBatch) + ".", lines);
  BatchInput batch;
  if (version == keys::kWindowBatchVersion) {
    // Its points along the axis count towards the outer edge, as the
    // window's formulas count them: it opens with the points it had.
    batch.method = CapMethod::kWindow;
  } else {
    // A batch without a method was written by a program that knew only
    // the window's formulas: it opens so, with the points it had.
    const Json* method = fields.Find(keys::kMethod);
    if (method != nullptr && (!method->is_string() || (*method != keys::kMethodExact && *method != keys::kMethodWindow))) {
      return fields.At(keys::kMethod, Fault::kBadMethod);
    }
    batch.method = method == nullptr || *method == keys::kMethodWindow ? CapMethod::kWindow : CapMethod::kExact;
    // Blank when left out: the other half-width, and the Start job's B and Kj.
    for (auto [key, target] : {std::pair{keys::kRightDR, &batch.rightDR}, std::pair{keys::kSkew, &batch.skew},
                               std::pair{keys::kDesign, &batch.design}, std::pair{keys::kDepth, &batch.depth}}) {
      if (fields.Find(key) == nullptr) continue;
      // A file before heights has no depth; a key of that name there is not one of its fields.
      if (key == keys::kDepth && version < keys::kHeightsVersion) continue;
      auto text = fields.TextOf(key);
      if (auto* p = std::get_if<Problem>(&text)) return *p;
      *target = std::get<std::string>(text);
    }
  }
  const Json* axis = fields.Find(keys::kAxis);
  if (axis == nullptr || !axis->is_string() || (*axis != keys::kAxisParallel && *axis != keys::kAxisOwn)) {
    return fields.At(keys::kAxis, Fault::kBadAxis);
  }
  batch.axis = *axis == keys::kAxisOwn ? BatchInput::Axis::kOwn : BatchInput::Axis::kParallel;
  for (auto [key, target] : {std::pair{keys::kDR, &batch.DR}, std::pair{keys::kPrecision, &batch.precision},
                             std::pair{keys::kOffsets, &batch.offsets}}) {
    auto text = fields.TextOf(key);
    if (auto* p = std::get_if<Problem>(&text)) return *p;
    *target = std::get<std::string>(text);
  }
  const Json* stations = fields.Find(keys::kStations);
  if (stations == nullptr || !stations->is_array()) return fields.At(keys::kStations, Fault::kNotAList);
  for (const Json& line : *stations) {
    if (!line.is_string()) return fields.At(keys::kStations, Fault::kStationNotText);
    batch.stations.push_back(line.get<std::string>());
  }
  return batch;
}

}  // namespace

std::string WriteJobFile(const JobFile& job) {
  // The keys in the order a reader expects them; the library writes the
  // strings with their escapes and keeps the UTF-8 as it is. Every text
  // from the window is valid UTF-8; a script's bytes that are not are
  // written as U+FFFD rather than not at all.
  nlohmann::ordered_json file;
  file[keys::kFormat] = keys::kFormatName;
  file[keys::kVersion] = keys::kCurrentVersion;
  file[keys::kDecimal] = job.start.decimal;
  // A job not yet started (a road, a batch list) has no "start" at all:
  // an empty one would read back as a Start with every answer missing.
  if (!job.start.answers.empty()) {
    nlohmann::ordered_json& start = file[keys::kStart] = nlohmann::ordered_json::object();
    for (const char* key : start_fields::kInOrder) {
      if (const auto it = job.start.answers.find(key); it != job.start.answers.end()) start[key] = it->second;
    }
  }
  if (job.batch) {
    const BatchInput& b = *job.batch;
    nlohmann::ordered_json& batch = file[keys::kBatch];
    batch[keys::kMethod] = b.method == CapMethod::kWindow ? keys::kMethodWindow : keys::kMethodExact;
    batch[keys::kAxis] = b.axis == BatchInput::Axis::kOwn ? keys::kAxisOwn : keys::kAxisParallel;
    batch[keys::kDR] = b.DR;
    batch[keys::kRightDR] = b.rightDR;
    batch[keys::kSkew] = b.skew;
    batch[keys::kDesign] = b.design;
    if (!b.depth.empty()) batch[keys::kDepth] = b.depth;
    batch[keys::kPrecision] = b.precision;
    batch[keys::kOffsets] = b.offsets;
    batch[keys::kStations] = b.stations;
  }
  if (job.road) file[keys::kRoad] = RoadJson(*job.road);
  if (job.profile) file[keys::kProfile] = ProfileJson(*job.profile);
  if (job.section != CrossSectionInput{}) file[keys::kSection] = SectionJson(job.section);
  // Only a job with templates or bridges has these keys: the files of every
  // other job stay as they were.
  if (!job.templates.empty()) file[keys::kTemplates] = TemplatesJson(job.templates);
  if (!job.bridges.empty()) file[keys::kBridges] = BridgesJson(job.bridges);
  if (job.station) file[keys::kPolarStation] = StationJson(*job.station);
  if (job.backsight) file[keys::kPolarBacksight] = BacksightJson(*job.backsight);
  return file.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

std::variant<JobFile, JobFileProblem> ReadJobFile(const std::string& text) {
  if (text.size() > kJobFileMaxBytes) return Problem{Fault::kTooBig, "", 0, ""};
  auto parsed = ParseStrictJson(text, kJobFileMaxDepth);
  if (auto* p = std::get_if<Problem>(&parsed)) return *p;
  const StrictJson& json = std::get<StrictJson>(parsed);
  if (!json.value.is_object()) return Problem{Fault::kNotAJob, "", 0, ""};
  const Fields root(json.value, "", json.keyLines);
  const Json* format = root.Find(keys::kFormat);
  if (format == nullptr || *format != keys::kFormatName) return Problem{Fault::kNotAJob, "", 0, ""};
  const Json* version = root.Find(keys::kVersion);
  if (version == nullptr || !version->is_number()) return root.At(keys::kVersion, Fault::kNoVersion);
  const double number = version->get<double>();
  if (number != keys::kCurrentVersion && number != keys::kRoadVersion && number != keys::kWindowBatchVersion) {
    return root.At(keys::kVersion, Fault::kUnknownVersion);
  }

  JobFile job;
  auto start = ReadStart(root, json.keyLines);
  if (auto* p = std::get_if<Problem>(&start)) return *p;
  job.start = std::get<TypedStart>(start);
  // A file of version 1 always held Start's answers.
  if (job.start.answers.empty() && number < keys::kRoadVersion) return root.At(keys::kStart, Fault::kMissing);
  if (root.Find(keys::kBatch) != nullptr) {
    auto batch = ReadBatch(root, json.keyLines, static_cast<int>(number));
    if (auto* p = std::get_if<Problem>(&batch)) return *p;
    job.batch = std::get<BatchInput>(batch);
  }
  // A file of version 1 has no road; a key of that name there is not one of its fields.
  if (const Json* road = root.Find(keys::kRoad); road != nullptr && number >= keys::kRoadVersion) {
    auto read = ReadRoadJson(*road, json.keyLines, number >= keys::kCurrentVersion);
    if (auto* p = std::get_if<Problem>(&read)) return *p;
    job.road = std::get<RoadInput>(read);
  }
  // Files before version 3 have no heights; keys of these names there are not theirs.
  if (number >= keys::kHeightsVersion) {
    if (const Json* profile = root.Find(keys::kProfile)) {
      auto read = ReadProfileJson(*profile, json.keyLines);
      if (auto* p = std::get_if<Problem>(&read)) return *p;
      job.profile = std::get<ProfileInput>(read);
    }
    if (const Json* section = root.Find(keys::kSection)) {
      auto read = ReadSectionJson(*section, json.keyLines);
      if (auto* p = std::get_if<Problem>(&read)) return *p;
      job.section = std::get<CrossSectionInput>(read);
    }
    const Json* templates = root.Find(keys::kTemplates);
    const Json* bridges = root.Find(keys::kBridges);
    auto read = ReadBridgesJson(templates, bridges, json.keyLines);
    if (auto* p = std::get_if<Problem>(&read)) return *p;
    job.templates = std::move(std::get<JobBridges>(read).templates);
    job.bridges = std::move(std::get<JobBridges>(read).bridges);
    auto polar = ReadPolarJson(root.Find(keys::kPolarStation), root.Find(keys::kPolarBacksight), json.keyLines);
    if (auto* p = std::get_if<Problem>(&polar)) return *p;
    job.station = std::get<JobPolar>(polar).station;
    job.backsight = std::get<JobPolar>(polar).backsight;
  }
  // Without Start's answers a file must hold some work of its own.
  if (job.start.answers.empty() && !job.batch && !job.road && !job.profile && job.section == CrossSectionInput{} &&
      job.templates.empty() && job.bridges.empty() && !job.station && !job.backsight) {
    return root.At(keys::kStart, Fault::kMissing);
  }
  job.fieldLines = json.keyLines;
  return job;
}

std::string WithDecimal(const std::string& answer, const std::string& typedWith, const std::string& decimal) {
  if (typedWith == decimal) return answer;
  std::string out = answer;
  for (std::size_t at = out.find(typedWith); at != std::string::npos; at = out.find(typedWith, at + decimal.size())) {
    out.replace(at, typedWith.size(), decimal);
  }
  return out;
}

}  // namespace capset
