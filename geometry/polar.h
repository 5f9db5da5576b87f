#pragma once
// Polar set-out data (极坐标放样数据) from an instrument station: for a
// point, the azimuth and horizontal distance from the station, the angle to
// turn clockwise from the backsight, and with heights the height of the
// point over the instrument's axis and the zenith angle the instrument
// reads on it. Pure arithmetic on the plane, with the true π.
//
// Notation
//   S       the station (X north, Y east, metres); HS its height, i the
//           instrument height (HI) over it
//   P       a point; ΔX = XP − XS, ΔY = YP − YS
//   D       horizontal distance √(ΔX² + ΔY²)
//   α       azimuth of S→P, degrees clockwise from north, in [0, 360)
//   α0      azimuth of the backsight: S→B for a backsight point B, or as typed
//   β       angle to turn, clockwise from the backsight: α − α0 in [0, 360)
//   dH      HP − (HS + i): the point above (+) or below (−) the axis
//   f       the earth's curvature and refraction over D: (1 − k)·D² / (2R),
//           k = 0.14, R = 6 371 000 m (球气差, 0.43·D²/R)
//   Z       zenith angle read on the point itself (target height 0):
//           the direction of (D, dH − f), from the zenith: 90° level,
//           below 90° above the axis
//
// The angles are formed from the folded first-quadrant angle θ, the atan of
// the smaller of |ΔX| and |ΔY| over the larger, then placed by the signs:
// due north, east, south and west come out exactly 0, 90, 180 and 270,
// whatever the rounding of π, and a point a hair west of north comes out
// just below 360 (or 0 when that rounds to 360), never negative.

#include <optional>

#include "spiral.h"

namespace capset {

// A point nearer the station than this has no azimuth: its distance shows
// as 0.000 and its direction is the noise of its last digits.
inline constexpr double kPolarSameSpot = 0.0005;
// Refraction coefficient and earth radius of the curvature correction.
inline constexpr double kRefraction = 0.14;
inline constexpr double kEarthRadius = 6371000.0;

struct InstrumentSetup {
  PlanePoint station;
  std::optional<double> height;   // HS; none: no height data at all
  double instrumentHeight = 0;    // i, over HS
};

struct PolarReading {
  double distance = 0;               // D
  std::optional<double> azimuth;     // α; none on the station itself
  std::optional<double> turn;        // β; none on the station itself
  std::optional<double> heightDiff;  // dH; none without both heights
  std::optional<double> zenith;      // Z; none without dH or on the station
};

// α of S→P in [0, 360); none when P lies within kPolarSameSpot of S.
std::optional<double> AzimuthFromTo(PlanePoint from, PlanePoint to);

// β = α − α0 brought into [0, 360); a value that rounds to 360 is 0.
double TurnAngle(double backsightAzimuth, double azimuth);

// f for a horizontal distance D.
double CurvatureAndRefraction(double distance);

// Z for a horizontal distance D > 0 and dH, in (0, 180).
double ZenithReading(double distance, double heightDiff);

// Everything the crew needs for one point, from the station and the
// backsight's azimuth α0. `height` is the point's; dH and Z need it and the
// station's height too.
PolarReading PolarTo(const InstrumentSetup& setup, double backsightAzimuth, PlanePoint point,
                     std::optional<double> height);

}  // namespace capset
