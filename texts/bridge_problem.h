#pragma once
// Why a substructure template or a bridge is refused, as data: the fault,
// and what a message needs to name (the field, the value as typed, the
// other line of a name given twice, the placement of a station the road
// does not have). Lines count from 1, the first after the block's own line.

#include <string>

#include "field_ranges.h"
#include "road_types.h"
#include "station_ref_reading.h"

namespace capset {

enum class BridgeFault {
  kUnknownTemplateLine,  // a template's line is not point, grid, corners or copy
  kUnknownBridgeLine,    // a bridge's line is not a bent
  kShape,                // too few or too many fields for its word: `field` is the word
  kUnknownOption,        // a bent's option that is none of skew, axis, dr, depth, template: `typed`
  kOptionTwice,          // a bent's option given twice: `field`
  kOptionValueMissing,   // an option without its value: `field`
  kNameNotAscii,         // a bent's or a point's name with a character other than A–Z, a–z, 0–9, _ or .: `typed`
  kNameTooLong,          // `typed`
  kNameReserved,         // a template point named C, L or R, the bent's own: `typed`
  kWordNotText,          // a bridge's or a template's name that is not UTF-8 text: `typed`
  kNotNumber,            // `field`, `typed`
  kOutOfRange,           // `field`, `typed`, `range` (metres)
  kCountNotWhole,        // ROWS or COLS not a whole number from 1 to kMostGridCount: `field`, `typed`
  kSpacingNotPositive,   // DU or DV of 0 or below between two or more rows or columns: `field`, `typed`
  kSpacingNegative,      // DU or DV below 0 for a single row or column: `field`, `typed`
  kLengthNotPositive,    // a corners' LENGTH or WIDTH of 0 or below: `field`, `typed`
  kStation,              // a station that is none: `field`, `typed`, `station`
  kSkewNotBetween,       // `typed`
  kSkewSlip,             // minutes or seconds of 60 or more: `typed`
  kAxisWord,             // axis other than own or parallel K: `typed`
  kNoSuchTemplate,       // `typed`: a bent's template, or what a copy line names
  kReadyName,            // a template block under a ready template's name: `typed`
  kTooManyPoints,        // a template beyond kMostTemplatePoints
  kTooManyBents,         // a bridge beyond kMostBents
  kEmptyTemplate,        // a template block of no line
  kEmptyBridge,          // a bridge block of no bent
  kPointNameTwice,       // two items give the same point name `typed`; `otherLine` is the first's
  kBentNameTwice,        // two bents of the same name `typed`; `otherLine` is the first's
  kBentOffRoad,          // the bent's station: `typed`, `placement`
  kDesignOffRoad,        // its design station of the parallel axis: `typed`, `placement`
  kBlockWord,            // @template or @bridge without one name word after it
};

struct BridgeProblem {
  BridgeFault fault;
  std::string field = {};
  std::string typed = {};
  int otherLine = 0;
  FieldRange range = {};
  StationRefProblem station = StationRefProblem::kEmpty;
  Placement placement = {};
};

// A problem with the line it lies on (0: the block as a whole) and that
// line as typed.
struct BridgeLineProblem {
  int line;
  std::string text;
  BridgeProblem problem;
};

// The most a template or a bridge holds: a bent has tens of points, a
// bridge hundreds of bents; beyond these a block is a paste gone wrong.
inline constexpr int kMostGridCount = 100;
inline constexpr int kMostTemplatePoints = 500;
inline constexpr int kMostBents = 1000;
inline constexpr std::size_t kMostNameBytes = 32;

}  // namespace capset
