#pragma once
// The ranges of what an instrument station and a backsight are given with.
//
//   the station's and the backsight's X, Y   as any coordinate, ±1e8 m
//   the mark's height H                       ±1e4 m: no site lies deeper
//                                             than the sea's floor or higher
//                                             than its mountains
//   the instrument height HI                  0 … 100 m: a tripod is some
//                                             1.5 m, a pillar on a pier tens
//   a backsight's azimuth                     0 … 360°, 360 being north

#include "field_ranges.h"

namespace capset {

inline constexpr FieldRange kMarkHeightRange{-kMostOffset, kMostOffset};
inline constexpr FieldRange kInstrumentHeightRange{0, 100};
inline constexpr FieldRange kBacksightAzimuthRange{0, 360};

}  // namespace capset
