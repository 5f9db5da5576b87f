// Azimuth, horizontal distance and the angle to turn clockwise from the
// backsight, as the crew reads them off the sheet (D°MM′SS.S″), and with a
// station height the height difference to the instrument's axis.

#include "polar_columns.h"

#include "angle_text.h"
#include "number_text.h"
#include "polar_data.h"
#include "polar_texts.h"
#include "sheet_texts.h"

namespace capset {
namespace {

std::string Metres(double value) { return FixedText(value, 3); }

std::string Angle(const std::optional<double>& degrees) { return degrees ? AzimuthText(*degrees) : "-"; }

}  // namespace

std::optional<PolarColumns> SessionPolarColumns(const CapSession& session, const std::vector<BridgePoint>& points) {
  const std::optional<InstrumentStation>& station = session.Station();
  const std::optional<Backsight>& backsight = session.StationBacksight();
  if (!station || !backsight) return std::nullopt;
  const std::optional<BacksightReading> reading = ReadBacksight(*station, *backsight);
  if (!reading) return std::nullopt;
  PolarColumns columns;
  columns.headings = {kPolarAzimuthHeading, kPolarDistanceHeading, kPolarTurnHeading};
  const bool heights = station->height.has_value();
  if (heights) columns.headings.insert(columns.headings.end(), {kPolarHeightDiffHeading, kPolarZenithHeading});
  std::vector<ExportPoint> targets;
  for (const BridgePoint& p : points) targets.push_back({p.Name(), p.xy, p.height, p.bent, p.point});
  for (const PolarRow& row : PolarRows(*station, reading->azimuth, targets)) {
    const PolarReading& r = row.reading;
    std::vector<std::string> cells = {Angle(r.azimuth), Metres(r.distance), Angle(r.turn)};
    if (heights) cells.insert(cells.end(), {r.heightDiff ? Metres(*r.heightDiff) : "-", Angle(r.zenith)});
    columns.cells[row.point.name] = std::move(cells);
  }
  columns.notes.push_back(SheetStationText(station->name, Metres(station->xy.X), Metres(station->xy.Y),
                                           station->height ? Metres(*station->height) : "",
                                           Metres(station->instrumentHeight)));
  columns.notes.push_back(BacksightCheckText(backsight->name, AzimuthText(reading->azimuth),
                                             reading->distance ? Metres(*reading->distance) : ""));
  return columns;
}

}  // namespace capset
