#include "job_file.h"

#include <charconv>
#include <vector>

#include "job_file_keys.h"
#include "json_value.h"
#include "number_rules.h"
#include "start_fields.h"

namespace capset {
namespace {

namespace keys = job_keys;


// A typed answer that is 0 as Start compares it.
bool IsZero(const std::string& answer, const NumberSymbols& symbols) {
  const ReadResult r = ReadNumber(answer, symbols);
  return r.status == ReadResult::Status::kNumber && r.value == 0;
}

using Problem = JobFileProblem;

// A field's text: a string as typed, or a plain JSON number written out.
std::variant<std::string, Problem> TextOf(const JsonObject& object, const char* key, const std::string& where) {
  const auto it = object.find(key);
  if (it == object.end()) return Problem{where + key, "缺少这个字段"};
  if (const std::string* s = it->second.String()) return *s;
  if (const double* n = it->second.Number()) {
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, *n);
    return std::string(buffer, written.ptr);
  }
  return Problem{where + key, "应为数值文字"};
}

std::variant<TypedStart, Problem> ReadStart(const JsonObject& root) {
  TypedStart start;
  const auto decimal = root.find(keys::kDecimal);
  if (decimal == root.end()) return Problem{keys::kDecimal, "缺少这个字段"};
  const std::string* d = decimal->second.String();
  if (d == nullptr || (*d != "." && *d != ",")) return Problem{keys::kDecimal, "应为“.”或“,”"};
  start.decimal = *d;
  const auto section = root.find(keys::kStart);
  if (section == root.end()) return Problem{keys::kStart, "缺少这个字段"};
  const JsonObject* fields = section->second.Object();
  if (fields == nullptr) return Problem{keys::kStart, "应为一组字段"};

  const NumberSymbols symbols{.decimal = start.decimal};
  const std::string where = std::string(keys::kStart) + ".";
  // The fields that Start asks for this job: KHZ only with KZH = 0, the
  // spiral end only when a station is given.
  auto take = [&](const char* key) -> std::optional<Problem> {
    auto text = TextOf(*fields, key, where);
    if (auto* p = std::get_if<Problem>(&text)) return *p;
    const std::string& answer = std::get<std::string>(text);
    const ReadResult r = ReadNumber(answer, symbols);
    if (r.status == ReadResult::Status::kNotNumber) return Problem{where + key, "“" + answer + "”不是数值"};
    if (r.status == ReadResult::Status::kOutOfRange) return Problem{where + key, "“" + answer + "”超出数值范围"};
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

std::variant<BatchInput, Problem> ReadBatch(const JsonValue& value) {
  const std::string where = std::string(keys::kBatch) + ".";
  const JsonObject* fields = value.Object();
  if (fields == nullptr) return Problem{keys::kBatch, "应为一组字段"};
  BatchInput batch;
  const auto axis = fields->find(keys::kAxis);
  const std::string* a = axis == fields->end() ? nullptr : axis->second.String();
  if (a == nullptr || (*a != keys::kAxisParallel && *a != keys::kAxisOwn)) {
    return Problem{where + keys::kAxis, std::string("应为“") + keys::kAxisParallel + "”或“" + keys::kAxisOwn + "”"};
  }
  batch.axis = *a == keys::kAxisOwn ? BatchInput::Axis::kOwn : BatchInput::Axis::kParallel;
  for (auto [key, target] : {std::pair{keys::kDR, &batch.DR}, std::pair{keys::kPrecision, &batch.precision},
                             std::pair{keys::kOffsets, &batch.offsets}}) {
    auto text = TextOf(*fields, key, where);
    if (auto* p = std::get_if<Problem>(&text)) return *p;
    *target = std::get<std::string>(text);
  }
  const auto stations = fields->find(keys::kStations);
  const JsonArray* list = stations == fields->end() ? nullptr : stations->second.Array();
  if (list == nullptr) return Problem{where + keys::kStations, "应为一列桩号"};
  for (const JsonValue& line : *list) {
    const std::string* s = line.String();
    if (s == nullptr) return Problem{where + keys::kStations, "每个桩号应为一行文字"};
    batch.stations.push_back(*s);
  }
  return batch;
}

}  // namespace

std::string WriteJobFile(const JobFile& job) {
  std::string out = "{\n";
  out += "  " + JsonQuoted(keys::kFormat) + ": " + JsonQuoted(keys::kFormatName) + ",\n";
  out += "  " + JsonQuoted(keys::kVersion) + ": " + std::to_string(keys::kCurrentVersion) + ",\n";
  out += "  " + JsonQuoted(keys::kDecimal) + ": " + JsonQuoted(job.start.decimal) + ",\n";
  out += "  " + JsonQuoted(keys::kStart) + ": {";
  bool first = true;
  for (const char* key : start_fields::kInOrder) {
    const auto it = job.start.answers.find(key);
    if (it == job.start.answers.end()) continue;
    out += std::string(first ? "" : ", ") + JsonQuoted(key) + ": " + JsonQuoted(it->second);
    first = false;
  }
  out += "}";
  if (job.batch) {
    const BatchInput& b = *job.batch;
    out += ",\n  " + JsonQuoted(keys::kBatch) + ": {\n";
    out += "    " + JsonQuoted(keys::kAxis) + ": " +
           JsonQuoted(b.axis == BatchInput::Axis::kOwn ? keys::kAxisOwn : keys::kAxisParallel) + ",\n";
    out += "    " + JsonQuoted(keys::kDR) + ": " + JsonQuoted(b.DR) + ",\n";
    out += "    " + JsonQuoted(keys::kPrecision) + ": " + JsonQuoted(b.precision) + ",\n";
    out += "    " + JsonQuoted(keys::kOffsets) + ": " + JsonQuoted(b.offsets) + ",\n";
    out += "    " + JsonQuoted(keys::kStations) + ": [";
    for (std::size_t i = 0; i < b.stations.size(); ++i) out += (i ? ", " : "") + JsonQuoted(b.stations[i]);
    out += "]\n  }";
  }
  return out + "\n}\n";
}

std::variant<JobFile, JobFileProblem> ReadJobFile(const std::string& text) {
  if (text.size() > kJobFileMaxBytes) return Problem{"", "文件过大，不是作业文件"};
  const auto parsed = ParseJson(text);
  if (const JsonError* e = std::get_if<JsonError>(&parsed)) {
    return Problem{"", "不是有效的 JSON 文本（第 " + std::to_string(e->offset + 1) + " 字节：" + e->what + "）"};
  }
  const JsonObject* root = std::get<JsonValue>(parsed).Object();
  if (root == nullptr) return Problem{"", "不是作业文件"};
  const auto format = root->find(keys::kFormat);
  if (format == root->end() || format->second.String() == nullptr || *format->second.String() != keys::kFormatName) {
    return Problem{keys::kFormat, "不是作业文件"};
  }
  const auto version = root->find(keys::kVersion);
  const double* v = version == root->end() ? nullptr : version->second.Number();
  if (v == nullptr) return Problem{keys::kVersion, "缺少版本号"};
  if (*v != keys::kCurrentVersion) {
    return Problem{keys::kVersion, "未知的版本（本程序读第 " + std::to_string(keys::kCurrentVersion) + " 版）"};
  }
  JobFile job;
  auto start = ReadStart(*root);
  if (auto* p = std::get_if<Problem>(&start)) return *p;
  job.start = std::get<TypedStart>(start);
  if (const auto batch = root->find(keys::kBatch); batch != root->end()) {
    auto b = ReadBatch(batch->second);
    if (auto* p = std::get_if<Problem>(&b)) return *p;
    job.batch = std::get<BatchInput>(b);
  }
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
