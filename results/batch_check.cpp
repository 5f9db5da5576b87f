#include "batch_check.h"

#include <cmath>
#include <optional>
#include <unordered_map>

#include "answer_texts.h"
#include "blanks.h"
#include "batch_texts.h"
#include "field_ranges.h"
#include "point_height_texts.h"
#include "range_texts.h"
#include "angle_text.h"
#include "refusals.h"
#include "road_cap_texts.h"
#include "round3.h"
#include "solver_texts.h"
#include "station_reading.h"
#include "station_text.h"

namespace capset {
namespace {

// A line with its blanks (a tab of a list pasted from a spreadsheet, the
// ideographic space of a Chinese input method) as single spaces, and
// without those around it.
std::string Normalized(const std::string& line) { return std::string(TrimBlanks(BlanksAsSpaces(line))); }

std::string Trimmed(const std::string& text) { return std::string(TrimBlanks(text)); }

// A station beyond any road's is refused with the range it must lie in;
// one whose rounding or text would overflow is within that range by far.
std::variant<StationEntry, std::string> Entry(std::string name, double station, const std::string& typed) {
  if (!Within(station, kStationRange)) return NotWithinReason(typed, kStationRange);
  return StationEntry{std::move(name), station};
}

// "K12+400.5": the name before the K, the station from it on.
std::variant<StationEntry, std::string> ReadKForm(const std::string& text, std::size_t k,
                                                  const NumberSymbols& symbols) {
  const auto read = ReadKStation(text.substr(k), symbols);
  if (const double* station = std::get_if<double>(&read)) {
    return Entry(Trimmed(text.substr(0, k)), *station, text.substr(k));
  }
  switch (std::get<KStationProblem>(read)) {
    case KStationProblem::kKmNegative: return std::string(kKmNegative);
    case KStationProblem::kKmNotWhole: return std::string(kKmNotWhole);
    case KStationProblem::kMetresMissing: return std::string(kMetresMissing);
    case KStationProblem::kMetresNotNumber: return std::string(kMetresNotNumber);
    case KStationProblem::kMetresNegative: return std::string(kMetresNegative);
    case KStationProblem::kMetresTooLarge: return std::string(kMetresTooLarge);
    case KStationProblem::kOutOfRange: break;
  }
  return std::string(kStationOutOfRange);
}

// The reason a typed number is refused, or the value.
std::variant<double, std::string> ReadField(const std::string& text, const NumberSymbols& symbols) {
  const ReadResult read = ReadNumber(text, symbols);
  switch (read.status) {
    case ReadResult::Status::kNotNumber:
      return NotANumberReason(text);
    case ReadResult::Status::kOutOfRange: return OutOfRangeReason(text);
    case ReadResult::Status::kNumber: break;
  }
  return read.value;
}

// DR and the precision are stored as 32-bit floats and checked as stored,
// as the solvers' own questions do.
template <typename Check, typename Limit>
std::optional<float> ReadFloatField(const std::string& text, const char* field, const NumberSymbols& symbols,
                                    Check check, Limit limit, std::vector<std::string>& problems) {
  const auto read = ReadField(text, symbols);
  std::string reason;
  if (const double* value = std::get_if<double>(&read)) {
    const float stored = static_cast<float>(*value);
    if (std::isinf(stored)) {
      reason = FloatRangeReason();
    } else if (const std::optional<std::string> beyond = limit(stored)) {
      reason = *beyond;
    } else if (const std::optional<Refusal> refusal = check(stored)) {
      reason = RefusalText(*refusal);
    } else {
      return stored;
    }
  } else {
    reason = std::get<std::string>(read);
  }
  problems.push_back(BatchFieldProblem(field, reason));
  return std::nullopt;
}

std::vector<double> ReadOffsets(const std::string& text, const NumberSymbols& symbols,
                                std::vector<std::string>& problems) {
  std::vector<double> offsets;
  const std::string all = Normalized(text);
  for (std::size_t from = all.find_first_not_of(' '); from != std::string::npos;
       from = all.find_first_not_of(' ', from)) {
    const std::size_t to = std::min(all.find(' ', from), all.size());
    const std::string token = all.substr(from, to - from);
    from = to;
    const auto read = ReadField(token, symbols);
    if (const double* value = std::get_if<double>(&read)) {
      if (Within(*value, kOffsetRange)) {
        offsets.push_back(*value);
      } else {
        problems.push_back(BatchFieldProblem(kBatchOffsetsField, NotWithinReason(token, kOffsetRange)));
      }
    } else {
      problems.push_back(BatchFieldProblem(kBatchOffsetsField, std::get<std::string>(read)));
    }
  }
  if (offsets.size() > kMaxAxisPoints) problems.push_back(TooManyOffsetsProblem(kMaxAxisPoints));
  return offsets;
}

// The depth as read, or nothing with its problem added.
double ReadDepth(const std::string& text, const NumberSymbols& symbols, std::vector<std::string>& problems) {
  const auto read = ReadDepthField(text, symbols);
  if (const double* value = std::get_if<double>(&read)) return *value;
  problems.push_back(BatchFieldProblem(kBatchDepthField, std::get<std::string>(read)));
  return 0;
}

}  // namespace

std::variant<double, std::string> ReadDepthField(const std::string& text, const NumberSymbols& symbols) {
  // Blank is 0; a negative depth would set the cap above the deck, which is
  // a sign typed wrong, not a bridge.
  if (IsBlank(text)) return 0.0;
  const std::string typed = Trimmed(text);
  const auto read = ReadField(typed, symbols);
  if (const double* value = std::get_if<double>(&read)) {
    if (Within(*value, kDepthRange)) return *value;
    return NotWithinReason(typed, kDepthRange);
  }
  return std::get<std::string>(read);
}

std::variant<StationEntry, std::string> ReadStationLine(const std::string& line, const NumberSymbols& symbols) {
  const std::string text = Normalized(line);
  const std::size_t plus = text.rfind('+');
  if (plus != std::string::npos && plus > 0) {
    const std::size_t k = text.find_last_of("Kk", plus - 1);
    if (k != std::string::npos) return ReadKForm(text, k, symbols);
  }
  // Plain metres: the last word is the station, anything before it the name.
  const std::size_t blank = text.rfind(' ');
  const std::string station = blank == std::string::npos ? text : text.substr(blank + 1);
  const ReadResult read = ReadNumber(station, symbols);
  if (read.status == ReadResult::Status::kNotNumber) return std::string(kNotAStation);
  if (read.status == ReadResult::Status::kOutOfRange) return std::string(kStationOutOfRange);
  return Entry(blank == std::string::npos ? "" : Trimmed(text.substr(0, blank)), read.value, station);
}

namespace {

std::vector<BatchStation> ReadStations(const BatchInput& input, const NumberSymbols& symbols,
                                       std::vector<std::string>& problems) {
  std::vector<BatchStation> stations;
  std::unordered_map<std::string, int> named;  // name → the line that has it first
  int entries = 0;
  for (std::size_t i = 0; i < input.stations.size(); ++i) {
    const std::string& line = input.stations[i];
    if (IsBlank(line)) continue;
    // Past the limit the list is refused whole; the rest need not be read.
    if (++entries > kMaxBatchStations) break;
    const int number = static_cast<int>(i) + 1;
    auto read = ReadStationLine(line, symbols);
    if (const std::string* reason = std::get_if<std::string>(&read)) {
      problems.push_back(BatchLineProblem(number, line, *reason));
      continue;
    }
    StationEntry& entry = std::get<StationEntry>(read);
    if (!entry.name.empty()) {
      const auto [first, isNew] = named.try_emplace(entry.name, number);
      if (!isNew) {
        problems.push_back(BatchLineProblem(number, line, DuplicateNameReason(entry.name, first->second)));
        continue;
      }
    }
    stations.push_back({number, std::move(entry)});
  }
  if (entries == 0) problems.push_back(kNoStations);
  if (entries > kMaxBatchStations) problems.push_back(TooManyStationsProblem(kMaxBatchStations));
  return stations;
}

// A half-width of the exact method: a number above 0.
std::optional<double> ReadHalfWidth(const std::string& text, const char* field, const NumberSymbols& symbols,
                                    std::vector<std::string>& problems) {
  const auto read = ReadField(text, symbols);
  if (const double* value = std::get_if<double>(&read)) {
    if (Within(*value, kHalfWidthRange)) return *value;
    problems.push_back(BatchFieldProblem(field, *value > 0 ? NotWithinReason(Trimmed(text), kHalfWidthRange)
                                                           : std::string(kHalfWidthNotPositive)));
  } else {
    problems.push_back(BatchFieldProblem(field, std::get<std::string>(read)));
  }
  return std::nullopt;
}

}  // namespace

BatchOverrides ReadBatchOverrides(const BatchInput& input, const NumberSymbols& symbols,
                                  std::vector<std::string>& problems) {
  BatchOverrides overrides;
  if (!IsBlank(input.skew)) {
    const auto read = ReadField(input.skew, symbols);
    if (const double* packed = std::get_if<double>(&read)) {
      if (DmsFault(*packed) || !(*packed > 0 && *packed < 180)) {
        problems.push_back(BatchFieldProblem(kBatchSkewField, kSkewNotBetween));
      } else if (PackedAngleSlip(*packed)) {
        // A batch is typed once for a whole bridge: an angle that is not
        // one is sent back rather than read on.
        problems.push_back(BatchFieldProblem(kBatchSkewField, kSkewSlip));
      } else {
        const double B = DmsToDegrees(*packed);
        if (B > 0 && B < 180) {
          overrides.B = B;
        } else {
          problems.push_back(BatchFieldProblem(kBatchSkewField, kSkewNotBetween));
        }
      }
    } else {
      problems.push_back(BatchFieldProblem(kBatchSkewField, std::get<std::string>(read)));
    }
  }
  if (!IsBlank(input.design)) {
    const auto read = ReadStationLine(input.design, symbols);
    if (const auto* entry = std::get_if<StationEntry>(&read); entry != nullptr && entry->name.empty()) {
      overrides.Kj = entry->station;
    } else if (const std::string* reason = std::get_if<std::string>(&read)) {
      problems.push_back(BatchFieldProblem(kBatchDesignField, *reason == kNotAStation ? kNotOneStation : *reason));
    } else {
      problems.push_back(BatchFieldProblem(kBatchDesignField, kNotOneStation));
    }
  }
  return overrides;
}

std::variant<ExactBatchPlan, std::vector<std::string>> CheckExactBatch(const BatchInput& input,
                                                                         const BatchDefaults& defaults,
                                                                         const Road& road,
                                                                         const NumberSymbols& symbols) {
  std::vector<std::string> problems;
  std::optional<double> left, right;
  if (IsBlank(input.rightDR)) {
    left = right = ReadHalfWidth(input.DR, kBatchDRField, symbols, problems);
  } else {
    left = ReadHalfWidth(input.DR, kBatchLeftDRField, symbols, problems);
    right = ReadHalfWidth(input.rightDR, kBatchRightDRField, symbols, problems);
  }
  std::vector<double> offsets = ReadOffsets(input.offsets, symbols, problems);
  const double depth = ReadDepth(input.depth, symbols, problems);
  std::vector<std::string> overrideProblems;
  const BatchOverrides given = ReadBatchOverrides(input, symbols, overrideProblems);
  // A field typed and read, or blank (the Start job's value then); a field
  // typed wrong has its problem already.
  const bool skewRead = IsBlank(input.skew) || given.B.has_value();
  const bool designRead = IsBlank(input.design) || given.Kj.has_value();
  problems.insert(problems.end(), overrideProblems.begin(), overrideProblems.end());
  // A square Start job's Kj is the cap itself: each cap of such a batch is
  // square to its own station, as the window's batch makes it.
  const bool squareJob = IsBlank(input.skew) && IsBlank(input.design) && defaults.B == 90;
  const bool parallel = input.axis == BatchInput::Axis::kParallel && !squareJob;
  bool haveB = false, haveKj = false;
  double B = 0, Kj = 0;
  if (skewRead) {
    const std::optional<double> value = given.B ? given.B : defaults.B;
    if (!value) {
      problems.push_back(BatchFieldProblem(kBatchSkewField, kNoSkewToDefault));
    } else if (!(*value > 0 && *value < 180)) {
      problems.push_back(BatchFieldProblem(kBatchSkewField, kDefaultSkewAlongRoad));
    } else {
      B = *value;
      haveB = true;
    }
  }
  if (parallel && designRead) {
    const std::optional<double> value = given.Kj ? given.Kj : defaults.Kj;
    if (!value) {
      problems.push_back(BatchFieldProblem(kBatchDesignField, kNoDesignToDefault));
    } else if (const Placement at = road.Place({*value}); at.status != PlaceStatus::kPlaced) {
      problems.push_back(BatchFieldProblem(kBatchDesignField, DesignNotOnRoadReason(at, RoadStationText({*value}))));
    } else {
      Kj = *value;
      haveKj = true;
    }
  }
  std::vector<BatchStation> stations = ReadStations(input, symbols, problems);
  if (!problems.empty() || !haveB || !left || !right || (parallel && !haveKj)) return problems;
  const CapAxisMode axis = parallel ? CapAxisMode::kParallel : CapAxisMode::kOwn;
  return ExactBatchPlan{axis, B, Kj, left.value(), right.value(), std::move(offsets), std::move(stations), depth};
}

std::variant<BatchPlan, std::vector<std::string>> CheckBatch(const BatchInput& input, Solver solver,
                                                               const NumberSymbols& symbols) {
  std::vector<std::string> problems;
  // The window's own checks first, so its refusals read as Compute's; then
  // the half-width's range, which a road bed never leaves.
  const auto drBeyond = [&](float v) -> std::optional<std::string> {
    if (!Within(v, kWindowDRRange)) return NotWithinReason(Trimmed(input.DR), kWindowDRRange);
    return std::nullopt;
  };
  const auto noLimit = [](float) -> std::optional<std::string> { return std::nullopt; };
  const auto dr = ReadFloatField(input.DR, kBatchDRField, symbols, [&](float v) { return CheckDR(solver, v); },
                                 drBeyond, problems);
  if (!IsBlank(input.rightDR)) problems.push_back(BatchFieldProblem(kBatchRightDRField, kWindowOneDR));
  const auto precision = ReadFloatField(input.precision, kBatchPrecisionField, symbols,
                                        [&](float v) { return CheckPrecision(solver, v); }, noLimit, problems);
  std::vector<double> offsets = ReadOffsets(input.offsets, symbols, problems);
  const double depth = ReadDepth(input.depth, symbols, problems);
  std::vector<BatchStation> stations = ReadStations(input, symbols, problems);
  if (!problems.empty()) return problems;
  return BatchPlan{input.axis, *dr, *precision, std::move(offsets), std::move(stations), depth};
}

}  // namespace capset
