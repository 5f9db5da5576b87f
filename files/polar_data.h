#pragma once
// The instrument station (测站) and the backsight (后视) a crew sets up on,
// and the polar set-out data of points from them, for the script, the
// window, the printed sheets and the files.
//
// The station is where the instrument stands: its coordinates are kept as
// given (a bridge point named for it is looked up once, when it is set), so
// a later change of the road or a bridge does not move an instrument that
// is already set up. A backsight point is kept the same way; its azimuth is
// taken from the station each time, so a new station needs no new backsight.
// A backsight given as an azimuth is kept as that azimuth.

#include <optional>
#include <string>
#include <vector>

#include "export_point.h"
#include "polar.h"

namespace capset {

struct InstrumentStation {
  std::string name;              // as typed, or the bridge point's name
  PlanePoint xy;                 // X north, Y east
  std::optional<double> height;  // the ground mark's H; none: no heights
  double instrumentHeight = 0;   // HI over the mark, with a height only
  InstrumentSetup Setup() const { return {xy, height, instrumentHeight}; }
  bool operator==(const InstrumentStation&) const = default;
};

struct Backsight {
  std::string name;                // the point's name; empty for an azimuth
  std::optional<PlanePoint> point; // the backsight point, or
  double azimuth = 0;              // the azimuth typed, degrees in [0, 360), when no point
  bool operator==(const Backsight&) const = default;
};

// α0 and the backsight's distance from the station (none for a typed azimuth).
struct BacksightReading {
  double azimuth;
  std::optional<double> distance;
};

// The backsight as seen from the station; none when its point lies on the
// station (within kPolarSameSpot), where it gives no direction.
std::optional<BacksightReading> ReadBacksight(const InstrumentStation& station, const Backsight& backsight);

struct PolarRow {
  ExportPoint point;
  PolarReading reading;
};

// Each point's polar data, in the order given.
std::vector<PolarRow> PolarRows(const InstrumentStation& station, double backsightAzimuth,
                                const std::vector<ExportPoint>& points);

}  // namespace capset
