#pragma once
// The batch dialog's entries read and checked, every one, before anything is
// computed: either a plan to solve or the list of what is wrong.
//
// A station line is an optional name, then the station, in one of two forms:
//   plain metres   12400, 12400.5 (the user's number rules)
//   K form         K12+400, K12+400.123, k 12+ 400 (as the window shows
//                  stations): whole kilometres after the K, the metres
//                  below 1000 after the "+", with "." or the user's separator
// "3# K12+400" and "3# 12400" are named "3#". Blank lines are skipped; line
// numbers count every line, so they match the dialog's list.

#include <string>
#include <variant>
#include <vector>

#include "batch_input.h"
#include "cap_solution.h"
#include "number_rules.h"
#include "road.h"
#include "road_cap.h"

namespace capset {

// A bridge has tens of bents, not thousands: a list beyond this is a paste
// gone wrong, and its rows would swamp the log.
inline constexpr int kMaxBatchStations = 10000;
inline constexpr int kMaxAxisPoints = 99;
// A message lists at most this many problems, then counts the rest.
inline constexpr std::size_t kMaxListedProblems = 20;

struct StationEntry {
  std::string name;  // empty when none was typed
  double station;
};

// One line of the list: the entry, or why it is not one (texts.h words).
std::variant<StationEntry, std::string> ReadStationLine(const std::string& line, const NumberSymbols& symbols);

// The batch's depth below the deck as typed (blank: 0), or why it is not
// one (without the field's name), for the dialog's check as it is typed and
// for the batch's own.
std::variant<double, std::string> ReadDepthField(const std::string& text, const NumberSymbols& symbols);

struct BatchStation {
  int line;  // from 1, counting blank lines
  StationEntry entry;
};

struct BatchPlan {
  BatchInput::Axis axis;
  float DR;
  float precision;
  std::vector<double> offsets;
  std::vector<BatchStation> stations;
  double depth = 0;  // below the deck, metres
};

// Every field and line checked for `solver`; the problems in the order of
// the dialog's fields, then by line.
std::variant<BatchPlan, std::vector<std::string>> CheckBatch(const BatchInput& input, Solver solver,
                                                               const NumberSymbols& symbols);

// The skew and the design station as typed in the batch (nothing where the
// field is blank), or the problems with them.
struct BatchOverrides {
  std::optional<double> B = std::nullopt;  // decimal degrees
  std::optional<double> Kj = std::nullopt;
};
BatchOverrides ReadBatchOverrides(const BatchInput& input, const NumberSymbols& symbols,
                                  std::vector<std::string>& problems);

// An exact batch: every cap on the road, at one skew, with a half-width for
// each side.
struct ExactBatchPlan {
  CapAxisMode axis;
  double B;       // decimal degrees, 0 < B < 180
  double design;  // Kj, placed on the road (read for the parallel axis)
  double left, right;
  std::vector<double> offsets;  // + towards the right-hand edge
  std::vector<BatchStation> stations;
  double depth = 0;  // below the deck, metres
};

// What an exact batch takes from the Start job when its field is blank;
// nothing where there is no completed Start.
struct BatchDefaults {
  std::optional<double> B;
  std::optional<double> Kj;
};

// Every field and line of an exact batch checked against `road`; the
// problems in the order of the dialog's fields, then by line.
std::variant<ExactBatchPlan, std::vector<std::string>> CheckExactBatch(const BatchInput& input,
                                                                         const BatchDefaults& defaults,
                                                                         const Road& road,
                                                                         const NumberSymbols& symbols);

}  // namespace capset
