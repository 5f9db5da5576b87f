#pragma once
// The job record of the window: every value the Start dialogue and the
// solvers collect. All fields are zero until a prompt writes them, and no
// field is ever reset.

#include <cstdint>

namespace capset {

// The job's π, which Start sets and every solver and angle conversion uses:
// π cut to ten decimals, 3.1415926535 (2.4E-11 short of the true value).
// It is the window's own constant, not an approximation to improve: the
// shown results, to the last digit, are those this value gives (the radian
// in degrees, 180 / π, is 57.29577951471995).
inline constexpr double kJobPi = 3.1415926535;

struct CapJob {
  // DR and Precision are 32-bit floats: a typed value enters the geometry
  // with about 7 significant digits (7.3 becomes 7.30000019073486), and the
  // shown results are those of the stored value, widened on each use.
  float Precision = 0;  // decimal degrees
  double Kp = 0;        // station of the cap centre to compute
  float DR = 0;         // centreline to road-bed edge, metres
  double Pi = 0;        // kJobPi, set by Start
  double KZH = 0;       // station of ZH; 0 means the cap lies on the HZ-end spiral
  double KHZ = 0;       // station of HZ, asked only when KZH is 0
  double EnteredStation = 0;
  double X = 0;         // first coordinate (northing) of the chosen spiral end
  double Y = 0;         // second coordinate (easting)
  double T = 0;         // tangent azimuth there, decimal degrees after Start
  double R = 0;         // radius of the circular curve: asked and shown, used by nothing
  double A1 = 0;        // spiral parameter
  // P only selects the deflection; it is a 16-bit integer rounded from the
  // typed number, halves to the even integer.
  int16_t P = 0;
  double B = 0;         // cap axis angle, decimal degrees after Start
  double Kj = 0;        // design station of the cap centre
  double DegPerRad = 0; // 180 / Pi
};

}  // namespace capset
