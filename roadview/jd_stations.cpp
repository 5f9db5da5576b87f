// Notation
//   s_i   the station typed in row i (BP, a JD or EP)
//   c_i   the station the road chains for it: BP's, a JD's ZH + T1, EP's
//   Each typed station is compared with s_j + (c_i − c_j), j the nearest row
//   above with a station: the drawings chain every JD from the one before
//   as printed, so their rounding does not add up along the road.

#include <cmath>

#include "road_paste_texts.h"
#include "road_table.h"
#include "road_texts.h"
#include "station_ref_reading.h"

namespace capset {
namespace {

// More than the rounding of two printed stations and a printed J.
constexpr double kJdStationTolerance = 0.005;

}  // namespace

void RoadTable::CheckJdStations(const Road* road) {
  stationNotes_.clear();
  if (road == nullptr || form_ != RoadTableForm::kIntersections) return;
  const std::vector<TableRow>& rows = main_.rows();
  const int column = main_.ColumnOf(Column::kJdStation);
  const auto& curves = road->curves();
  if (curves.size() + 2 != rows.size()) return;
  std::optional<double> lastTyped;
  double lastChained = 0;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const auto read = ReadStationRef(rows[r].cells[column], symbols_);
    if (!std::holds_alternative<StationRef>(read)) continue;
    const double typed = std::get<StationRef>(read).value;
    const double chained = r == 0 ? road->firstStation() : r + 1 == rows.size() ? road->lastStation() : curves[r - 1].jdStation;
    if (lastTyped) {
      const double expected = *lastTyped + (chained - lastChained);
      if (std::fabs(typed - expected) > kJdStationTolerance) {
        stationNotes_.push_back({static_cast<int>(r), JdStationOffText(PointName(false, static_cast<int>(r)), KStationText(typed),
                                                                        KStationText(expected), (typed - expected) * 1000)});
      }
    }
    lastTyped = typed;
    lastChained = chained;
  }
}

std::optional<std::string> RoadTable::StationNote(int row) const {
  for (const auto& [r, note] : stationNotes_) {
    if (r == row) return note;
  }
  return std::nullopt;
}

}  // namespace capset
