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
//   a check's tolerance        0 … 1e4 m

namespace capset {

struct FieldRange {
  double low, high;  // both included
};

inline constexpr FieldRange kCoordinateRange{-1e8, 1e8};
inline constexpr FieldRange kStationRange{-1e8, 1e8};
inline constexpr FieldRange kLengthRange{1e-3, 1e6};
inline constexpr FieldRange kRadiusRange{1e-3, 1e6};
inline constexpr FieldRange kHalfWidthRange{1e-3, 1e4};
// The window's formulas take DR with its sign, as Compute does.
inline constexpr FieldRange kWindowDRRange{-1e4, 1e4};
inline constexpr FieldRange kOffsetRange{-1e4, 1e4};
inline constexpr FieldRange kToleranceRange{0, 1e4};

// True when `value` lies in the range; never for a NaN.
constexpr bool Within(double value, FieldRange range) { return value >= range.low && value <= range.high; }

}  // namespace capset
