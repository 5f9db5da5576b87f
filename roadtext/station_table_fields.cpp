#include "station_table_fields.h"

#include <optional>
#include <tuple>

#include "blanks.h"
#include "field_ranges.h"
#include "range_texts.h"
#include "road_texts.h"

namespace capset {
namespace {

std::variant<double, std::string> Number(const std::string& typed, const char* field, const NumberSymbols& symbols,
                                         std::optional<FieldRange> range = std::nullopt) {
  const std::string text(TrimBlanks(typed));
  const ReadResult read = ReadNumber(text, symbols);
  if (read.status == ReadResult::Status::kNumber) {
    if (range && !Within(read.value, *range)) return RoadFieldText(field, text, RangeReason(*range));
    return read.value;
  }
  return RoadFieldText(field, text, read.status == ReadResult::Status::kNotNumber ? kRoadNotNumber : kRoadOutOfRange);
}

// "-3.5 3.5", "-3,5; 3,5" in a comma locale: blanks always part the numbers,
// and so do ";" and, where "," is not the decimal separator, ",".
std::vector<std::string> Parts(const std::string& list, const NumberSymbols& symbols) {
  std::string text = BlanksAsSpaces(list);
  for (char& c : text) {
    if (c == ';' || (c == ',' && symbols.decimal != ",")) c = ' ';
  }
  std::vector<std::string> parts;
  std::size_t at = 0;
  while ((at = text.find_first_not_of(' ', at)) != std::string::npos) {
    const std::size_t end = text.find(' ', at);
    parts.push_back(text.substr(at, end - at));
    at = end;
  }
  return parts;
}

}  // namespace

std::variant<StationTableRequest, std::string> ReadStationTableFields(const StationTableFields& fields,
                                                                      const NumberSymbols& symbols) {
  StationTableRequest request{};
  for (auto [typed, target, name] : {std::tuple{&fields.from, &request.from, kTableFromLabel},
                                     std::tuple{&fields.to, &request.to, kTableToLabel}}) {
    const auto read = ReadStationRef(*typed, symbols);
    if (const auto* problem = std::get_if<StationRefProblem>(&read)) {
      return RoadFieldText(name, std::string(TrimBlanks(*typed)), StationRefProblemText(*problem));
    }
    *target = std::get<StationRef>(read);
    if (!Within(target->value, kStationRange)) {
      return RoadFieldText(name, std::string(TrimBlanks(*typed)), RangeReason(kStationRange));
    }
  }
  const auto step = Number(fields.step, kTableStepLabel, symbols);
  if (const auto* reason = std::get_if<std::string>(&step)) return *reason;
  request.step = std::get<double>(step);
  if (!TrimBlanks(fields.edges).empty()) {
    const auto edge = Number(fields.edges, kTableEdgesLabel, symbols);
    if (const auto* reason = std::get_if<std::string>(&edge)) return *reason;
    const double w = std::get<double>(edge);
    if (!(w > 0)) return RoadFieldText(kTableEdgesLabel, std::string(TrimBlanks(fields.edges)), kRoadNotPositive);
    if (!Within(w, kHalfWidthRange)) {
      return RoadFieldText(kTableEdgesLabel, std::string(TrimBlanks(fields.edges)), RangeReason(kHalfWidthRange));
    }
    request.offsets = {-w, w};
  }
  for (const std::string& part : Parts(fields.offsets, symbols)) {
    const auto offset = Number(part, kTableOffsetsLabel, symbols, kOffsetRange);
    if (const auto* reason = std::get_if<std::string>(&offset)) return *reason;
    request.offsets.push_back(std::get<double>(offset));
  }
  return request;
}

}  // namespace capset
