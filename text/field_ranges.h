#pragma once
// The ranges a typed or read number may take, by what it measures. They are
// those of a real road on a real computer, wide enough for any project and
// narrow enough that every product, square and text made from them stays
// far inside a double: a coordinate of 1e8 m squared is 1e16, a station of
// 1e8 m shown to the millimetre is 1e11, and no rounding or distance then
// overflows to inf or loses the millimetre. A number outside its range is
// refused where it is read, naming the field, the value and the range.
//
//   coordinates and stations   ±1e8 m: a national grid's false origins are
//                              below 1e7; a road is not longer than 1e6 m
//   lengths and radii          1 mm … 1e6 m: below the millimetre is rounding,
//                              beyond 1000 km no element of a road
//   half-widths                1 mm … 1e4 m: a road bed, not a continent
//                              (the window's DR: within ±1e4 m, its sign kept)
//   offsets from the centreline
//   and along a cap axis       ±1e4 m, as the half-widths
//   a check's tolerance        0 … 1e4 m (in plan and in height)
//   a batch's depth below      0 … 100 m: pavement, beam, bearing and pad
//   the deck                   of the tallest girder are a few metres

#include "road_ranges.h"

namespace capset {

// The road's own ranges (road_ranges.h) are those of its coordinates,
// stations, lengths, radii and offsets; these add what the caps and the
// check read. One type for both, so a range is written once.
using FieldRange = NumberRange;

inline constexpr FieldRange kStationRange{-kMostCoordinate, kMostCoordinate};
inline constexpr FieldRange kHalfWidthRange{kLeastLength, kMostOffset};
// The window's formulas take DR with its sign, as Compute does.
inline constexpr FieldRange kWindowDRRange{-kMostOffset, kMostOffset};
inline constexpr FieldRange kToleranceRange{0, kMostOffset};
inline constexpr FieldRange kDepthRange{0, 100};

// True when `value` lies in the range; never for a NaN.
inline bool Within(double value, const FieldRange& range) { return InRange(value, range); }

}  // namespace capset
