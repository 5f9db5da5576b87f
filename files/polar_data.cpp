#include "polar_data.h"

#include <cmath>

namespace capset {

std::optional<BacksightReading> ReadBacksight(const InstrumentStation& station, const Backsight& backsight) {
  if (!backsight.point) return BacksightReading{backsight.azimuth, std::nullopt};
  const std::optional<double> azimuth = AzimuthFromTo(station.xy, *backsight.point);
  if (!azimuth) return std::nullopt;
  return BacksightReading{*azimuth,
                          std::hypot(backsight.point->X - station.xy.X, backsight.point->Y - station.xy.Y)};
}

std::vector<PolarRow> PolarRows(const InstrumentStation& station, double backsightAzimuth,
                                const std::vector<ExportPoint>& points) {
  std::vector<PolarRow> rows;
  rows.reserve(points.size());
  const InstrumentSetup setup = station.Setup();
  for (const ExportPoint& p : points) rows.push_back({p, PolarTo(setup, backsightAzimuth, p.xy, p.height)});
  return rows;
}

}  // namespace capset
