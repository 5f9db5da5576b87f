#pragma once
// The exact clothoid, for judging the series that the solvers use.
//
// Notation
//   A      clothoid parameter (the job's A1): the tangent turns by
//          τ = l² / (2·A²) radians over the distance l from the origin
//   x, y   local point: x = ∫₀ˡ cos(s²/2A²) ds along the origin tangent,
//          y = ∫₀ˡ sin(s²/2A²) ds across it (the Fresnel integrals,
//          scaled: x = A√π·C(l/(A√π)), y = A√π·S(l/(A√π)))
//
// The series of the solvers truncate these integrals after three or four
// terms and lose millimetres as l grows against A; this is the curve itself,
// to about the last bit of a double.

#include "spiral.h"

namespace capset {

// The local point at spiral distance l (a negative l gives (−x, −y)).
// A must not be 0.
LocalPoint ExactClothoid(double l, double A);

}  // namespace capset
