#include "polar.h"

#include <cmath>

#include "angles.h"

namespace capset {
namespace {

// θ in [0, 90]: the atan of the smaller over the larger keeps its argument
// in [0, 1], where atan is best conditioned, and 90 − θ' is exact at 90.
double FoldedAngle(double across, double along) {
  if (across <= along) return ToDegrees(std::atan(across / along));
  return 90 - ToDegrees(std::atan(along / across));
}

}  // namespace

std::optional<double> AzimuthFromTo(PlanePoint from, PlanePoint to) {
  const double dX = to.X - from.X;
  const double dY = to.Y - from.Y;
  if (!(std::hypot(dX, dY) >= kPolarSameSpot)) return std::nullopt;
  const double theta = FoldedAngle(std::fabs(dY), std::fabs(dX));
  double alpha;
  if (dY >= 0) {
    alpha = dX >= 0 ? theta : 180 - theta;
  } else {
    alpha = dX < 0 ? 180 + theta : 360 - theta;
  }
  return WrappedAzimuth(alpha);
}

double TurnAngle(double backsightAzimuth, double azimuth) {
  // Both in [0, 360): the difference is exact where they lie close, and
  // within (−360, 360), so one wrap brings it into range.
  return WrappedAzimuth(azimuth - backsightAzimuth);
}

double CurvatureAndRefraction(double distance) {
  return (1 - kRefraction) * distance * distance / (2 * kEarthRadius);
}

double ZenithReading(double distance, double heightDiff) {
  const double rise = heightDiff - CurvatureAndRefraction(distance);
  // Measured from the zenith: the angle between (0, 1) and (D, rise).
  return ToDegrees(std::atan2(distance, rise));
}

PolarReading PolarTo(const InstrumentSetup& setup, double backsightAzimuth, PlanePoint point,
                     std::optional<double> height) {
  PolarReading r;
  r.distance = std::hypot(point.X - setup.station.X, point.Y - setup.station.Y);
  r.azimuth = AzimuthFromTo(setup.station, point);
  if (r.azimuth) r.turn = TurnAngle(backsightAzimuth, *r.azimuth);
  if (height && setup.height) {
    r.heightDiff = *height - (*setup.height + setup.instrumentHeight);
    if (r.azimuth) r.zenith = ZenithReading(r.distance, *r.heightDiff);
  }
  return r;
}

}  // namespace capset
